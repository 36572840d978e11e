#include "QMissionModel.h"

#include "Crc.h"
#include "SystemClock.h"

#include <cstring>

QMissionModel::QMissionModel() {
    std::memset(m_TxBuf, 0, sizeof m_TxBuf);
    std::memset(m_RxBuf, 0, sizeof m_RxBuf);
}

bool QMissionModel::BuildFrame(int reg, int address, int count, int kind, const uchar* data) {
    if (kind < MissionPollRead || kind > MissionOnceWrite || count < 1 || count > MaxRegisters) {
        return false;
    }
    const bool write = (kind == MissionPollWrite || kind == MissionOnceWrite);
    uchar* f = m_TxBuf;
    f[0] = uchar(address % 256);
    f[1] = write ? 0x10 : 0x03;
    f[2] = uchar(reg / 256);
    f[3] = uchar(reg & 0xFF);
    f[4] = 0x00;
    f[5] = uchar(count);
    int len = 6;
    if (write) {
        f[6] = uchar(2 * count);
        if (data) {
            std::memcpy(f + 7, data, size_t(2 * count));
        } else {
            std::memset(f + 7, 0, size_t(2 * count));
        }
        len = 7 + 2 * count;
    }
    const quint16 crc = CalcCrc(f, len);
    f[len] = uchar(crc >> 8);
    f[len + 1] = uchar(crc & 0xFF);
    f[len + 2] = 0x00; // kept behind the frame, never sent
    m_nTxLen = len + 2;
    m_nExpectLen = write ? 8 : 5 + 2 * count;
    m_nKind = kind;
    m_nReceived = 0;
    m_LastTime = QTime(0, 0, 0, 0);
    if (IsOneShot()) {
        m_nPeriod = 10000;
    }
    return true;
}

bool QMissionModel::AppendReply(const uchar* bytes, int length) {
    if (!bytes || length <= 0) {
        return false;
    }
    const int room = BufferSize - m_nReceived;
    const int take = length < room ? length : room;
    if (take > 0) {
        std::memcpy(m_RxBuf + m_nReceived, bytes, size_t(take));
        m_nReceived += take;
    }
    bool complete = m_nReceived >= m_nExpectLen;
    if (!complete && m_nReceived == 5 && (m_RxBuf[1] == 0x83 || m_RxBuf[1] == 0x90)) {
        complete = true;
    }
    if (complete) {
        m_nReceived = 0;
    }
    return complete;
}

bool QMissionModel::CheckCrc() const {
    return CheckReplyCrc(m_RxBuf, m_nExpectLen);
}

void QMissionModel::SetPeriod(int ms) {
    if (m_nPeriod <= ShortPeriodLimit) {
        m_nPeriod = ms;
    }
}

bool QMissionModel::IsDue(const QTime& now) const {
    if (m_nBusy) {
        return false;
    }
    return SystemClock::MsecsBetween(m_LastTime, now) > m_nPeriod;
}

int QMissionModel::Overdue(const QTime& now) const {
    return SystemClock::MsecsBetween(m_LastTime, now) - m_nPeriod;
}

#include "QMissionModel.h"

#include "RtuFrameCodec.h"
#include "SystemClock.h"

#include <algorithm>
#include <cstring>

namespace {
const uchar kNoReply[QMissionModel::BufferSize] = {};
} // namespace

QMissionModel::QMissionModel() = default;

const uchar* QMissionModel::RxBuffer() const {
    return m_Reply.isEmpty() ? kNoReply : reinterpret_cast<const uchar*>(m_Reply.constData());
}

bool QMissionModel::BuildFrame(int reg, int address, int count, int kind, const uchar* data) {
    if (kind < MissionPollRead || kind > MissionOnceWrite || count < 1 || count > MaxRegisters) {
        return false;
    }
    const quint8 slave = quint8(address % 256);
    if (kind == MissionPollWrite || kind == MissionOnceWrite) {
        const QByteArray values =
            data ? QByteArray(reinterpret_cast<const char*>(data), 2 * count) : QByteArray(2 * count, '\0');
        m_Request = RtuFrameCodec::WriteRequest(slave, quint16(reg), values);
    } else {
        m_Request = RtuFrameCodec::ReadRequest(slave, quint16(reg), quint16(count));
    }
    m_nExpectLen = RtuFrameCodec::ReplyLength(m_Request);
    m_nKind = kind;
    m_LastTime = QTime(0, 0, 0, 0);
    m_nLastMs = 0;
    if (IsOneShot()) {
        m_nPeriod = 10000;
    }
    ScheduleChanged();
    return true;
}

bool QMissionModel::AcceptReply(const QByteArray& reply) {
    if (RtuFrameCodec::CheckReply(m_Request, reply) != RtuReplyState::Complete) {
        return false;
    }
    m_nReplyLen = int(reply.size());
    if (m_Reply.size() != BufferSize) {
        m_Reply = QByteArray(BufferSize, '\0');
    }
    uchar* buffer = reinterpret_cast<uchar*>(m_Reply.data());
    std::memcpy(buffer, reply.constData(), size_t(m_nReplyLen));
    std::memset(buffer + m_nReplyLen, 0, size_t(BufferSize - m_nReplyLen));
    return true;
}

void QMissionModel::SetPeriod(int ms) {
    if (m_nPeriod <= ShortPeriodLimit) {
        m_nPeriod = ms;
        ScheduleChanged();
    }
}

bool QMissionModel::IsDue(const QTime& now) const {
    return IsDueAt(DayMsecs(now));
}

int QMissionModel::Overdue(const QTime& now) const {
    return OverdueAt(DayMsecs(now));
}

int QMissionModel::MsecsUntilDue(const QTime& now) const {
    return MsecsUntilDueAt(DayMsecs(now));
}

int QMissionModel::MsecsUntilDueAt(int nowMs) const {
    if (m_nBusy) {
        return NeverDue;
    }
    const qint64 since = SinceLastSend(nowMs);
    if (since > m_nPeriod) {
        return 0;
    }
    // Due once more than a period has passed: one millisecond after it.
    return int(std::min<qint64>(m_nPeriod - since + 1, NeverDue));
}

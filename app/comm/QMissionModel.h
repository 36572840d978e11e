#pragma once

#include "SystemClock.h"

#include <QTime>

class QMissionList;

enum MissionKind {
    MissionPollRead = 0,  // repeating read (function 0x03)
    MissionPollWrite = 1, // repeating write (function 0x10)
    MissionOnceRead = 2,  // one-shot read, deleted after its reply
    MissionOnceWrite = 3, // one-shot write, deleted after its reply
};

// Mission codes with a meaning of their own outside the poll tables.
enum MissionCode {
    MissionCodeSetSuccess = 4000, // a dialog's write whose answer only confirms
    MissionCodeSearch = 4096,     // a bus search probe, owned by no inverter
};

// One request to one inverter: its frame, what a complete reply looks like,
// how often it repeats, and the code by which its answer is decoded.
class QMissionModel {
public:
    static constexpr int BufferSize = 256;
    static constexpr int MaxRegisters = 20;
    static constexpr int ShortPeriodLimit = 59999; // periods above are fixed

    QMissionModel();

    // Builds the request frame (read for kinds 0 and 2, write for 1 and 3).
    // Fails, leaving the mission untouched, for a kind outside 0..3 or a count
    // outside 1..20. data holds 2 * count bytes for a write.
    bool BuildFrame(int reg, int address, int count, int kind, const uchar* data = nullptr);

    // Appends received bytes; true once the reply is complete (expected length
    // reached, or a 5-byte error reply). The fill count then goes back to 0 and
    // the bytes stay for decoding.
    bool AppendReply(const uchar* bytes, int length);
    // Forgets a partial reply; done whenever the request is (re)sent, so bytes
    // of an earlier unanswered attempt never mix with the new reply.
    void ResetReceive() { m_nReceived = 0; }

    // The reply's CRC is right (used for replies that came over TCP).
    bool CheckCrc() const;

    void SetCode(int code) { m_nCode = code; }
    void SetOwner(QMissionList* owner) { m_pOwner = owner; }
    void SetBusy(bool busy) { m_nBusy = busy ? 1 : 0; }
    void SetPeriod(int ms);
    void SetLastTime(const QTime& time) { m_LastTime = time; }

    // Not busy and more than one period since the last send, through midnight.
    bool IsDue() const { return IsDue(SystemClock::CurrentTime()); }
    bool IsDue(const QTime& now) const;
    // Milliseconds since the last send minus the period.
    int Overdue() const { return Overdue(SystemClock::CurrentTime()); }
    int Overdue(const QTime& now) const;

    int Code() const { return m_nCode; }
    int Kind() const { return m_nKind; }
    int Period() const { return m_nPeriod; }
    bool IsBusy() const { return m_nBusy != 0; }
    bool IsOneShot() const { return m_nKind == MissionOnceRead || m_nKind == MissionOnceWrite; }
    QTime LastTime() const { return m_LastTime; }
    QMissionList* Owner() const { return m_pOwner; }

    const uchar* TxBuffer() const { return m_TxBuf; }
    int TxLength() const { return m_nTxLen; }
    const uchar* RxBuffer() const { return m_RxBuf; }
    int ExpectedLength() const { return m_nExpectLen; }
    int Received() const { return m_nReceived; }
    // Reply function byte (0x03, 0x10, or an error code with bit 7 set).
    int ReplyFunction() const { return m_RxBuf[1]; }
    bool IsErrorReply() const { return m_RxBuf[1] != 0x03 && m_RxBuf[1] != 0x10; }
    // Data bytes of a normal read reply start at offset 3.
    const uchar* ReplyData() const { return m_RxBuf + 3; }
    // Slave address the request was sent to.
    int Address() const { return m_TxBuf[0]; }
    int Register() const { return m_TxBuf[2] * 256 + m_TxBuf[3]; }
    int RegisterCount() const { return m_TxBuf[5]; }

private:
    int m_nBusy = 0;
    int m_nCode = 32;
    int m_nKind = MissionPollRead;
    uchar m_TxBuf[BufferSize];
    uchar m_RxBuf[BufferSize];
    int m_nTxLen = 0;
    int m_nExpectLen = 0;
    int m_nPeriod = 2000;
    int m_nReceived = 0;
    QTime m_LastTime;
    QMissionList* m_pOwner = nullptr;
};

#pragma once

#include "SystemClock.h"

#include <QByteArray>
#include <QTime>
#include <limits>

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

// One request to one inverter and its scheduling: the request frame, how
// often it repeats, whether it is in flight, and the code by which its answer
// is decoded. The wire format is RtuFrameCodec's; the bytes of a reply are
// gathered by whoever carries the request (the bus scheduler) and handed over
// whole once they are accepted.
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

    // Keeps a reply for decoding, if it answers this request (RtuFrameCodec::
    // CheckReply); anything else is refused and the last reply stays.
    bool AcceptReply(const QByteArray& reply);

    void SetCode(int code) { m_nCode = code; }
    void SetOwner(QMissionList* owner) { m_pOwner = owner; }
    void SetBusy(bool busy) {
        m_nBusy = busy ? 1 : 0;
        ScheduleChanged();
    }
    void SetPeriod(int ms);
    void SetLastTime(const QTime& time) {
        m_LastTime = time;
        m_nLastMs = time.isValid() ? time.msecsSinceStartOfDay() : 0;
        ScheduleChanged();
    }

    // Not busy and more than one period since the last send, through midnight.
    bool IsDue() const { return IsDue(SystemClock::CurrentTime()); }
    bool IsDue(const QTime& now) const;
    // Milliseconds since the last send minus the period.
    int Overdue() const { return Overdue(SystemClock::CurrentTime()); }
    int Overdue(const QTime& now) const;
    // Milliseconds the clock has to move on before it is due: 0 when due now,
    // NeverDue while it is in flight (only a change of its state ends that).
    static constexpr int NeverDue = std::numeric_limits<int>::max();
    int MsecsUntilDue(const QTime& now) const;

    // The same at `nowMs`, the milliseconds of the day of now (DayMsecs): the
    // bus tick asks every mission of the plant, building no time object each time.
    static int DayMsecs(const QTime& time) { return time.isValid() ? time.msecsSinceStartOfDay() : -1; }
    bool IsDueAt(int nowMs) const { return m_nBusy == 0 && SinceLastSend(nowMs) > m_nPeriod; }
    int OverdueAt(int nowMs) const { return SinceLastSend(nowMs) - m_nPeriod; }
    int MsecsUntilDueAt(int nowMs) const;

    // Moves on with every change to a mission or a list that could make a
    // mission due sooner than the clock alone would: a quiet span reckoned
    // before it no longer holds (QSystemModel::NextMission).
    static quint64 ScheduleVersion() { return s_nScheduleVersion; }
    static void ScheduleChanged() { ++s_nScheduleVersion; }

    int Code() const { return m_nCode; }
    int Kind() const { return m_nKind; }
    int Period() const { return m_nPeriod; }
    bool IsBusy() const { return m_nBusy != 0; }
    bool IsOneShot() const { return m_nKind == MissionOnceRead || m_nKind == MissionOnceWrite; }
    QTime LastTime() const { return m_LastTime; }
    QMissionList* Owner() const { return m_pOwner; }

    const QByteArray& Request() const { return m_Request; }
    // The request as sent; a zero byte follows it, never sent.
    const uchar* TxBuffer() const { return reinterpret_cast<const uchar*>(m_Request.constData()); }
    int TxLength() const { return int(m_Request.size()); }
    // The last accepted reply, in a buffer of BufferSize bytes (zeros behind it).
    const uchar* RxBuffer() const;
    int ReplyLength() const { return m_nReplyLen; }
    int ExpectedLength() const { return m_nExpectLen; }
    // Reply function byte (0x03, 0x10, or an error code with bit 7 set).
    int ReplyFunction() const { return RxBuffer()[1]; }
    bool IsErrorReply() const { return ReplyFunction() != 0x03 && ReplyFunction() != 0x10; }
    // Data bytes of a normal read reply start at offset 3.
    const uchar* ReplyData() const { return RxBuffer() + 3; }
    // Slave address the request was sent to.
    int Address() const { return TxByte(0); }
    int Register() const { return TxByte(2) * 256 + TxByte(3); }
    int RegisterCount() const { return TxByte(5); }

private:
    int TxByte(int i) const { return i < m_Request.size() ? quint8(m_Request.at(i)) : 0; }

    // What the bus tick reads of every mission of the plant 50 times a second
    // lies together at the front, and the reply buffer is held apart, made at
    // the first reply: the missions of a list then lie close together in memory
    // and the tick's walk through them all stays cheap.
    int m_nBusy = 0;
    int m_nKind = MissionPollRead;
    int m_nPeriod = 2000;
    int m_nLastMs = 0; // of m_LastTime; a time never set counts as midnight
    int m_nCode = 32;
    int m_nReplyLen = 0;
    int m_nExpectLen = 0;
    QTime m_LastTime;
    QMissionList* m_pOwner = nullptr;
    QByteArray m_Request;
    QByteArray m_Reply; // BufferSize bytes once a reply came, zeros behind it

    static inline quint64 s_nScheduleVersion = 0;

    // Milliseconds from the last send to `nowMs`, through midnight; 0 without a time.
    int SinceLastSend(int nowMs) const {
        if (nowMs < 0) {
            return 0;
        }
        const int since = nowMs - m_nLastMs;
        return since < 0 ? since + 86400000 : since;
    }
};

#pragma once

#include <QByteArray>
#include <QVector>

// Function codes on the bus; an error reply carries its request's code with bit 7 set.
enum RtuFunction : quint8 {
    RtuReadRegisters = 0x03,
    RtuWriteRegisters = 0x10,
    RtuErrorFlag = 0x80,
};

// One request taken off the bus by an inverter.
struct RtuRequest {
    quint8 address = 0;
    quint8 function = 0;
    quint16 start = 0;
    quint16 count = 0;
    QByteArray data;              // the register values of a write, as sent
    bool byteCountMatches = true; // a write's byte count is twice its register count
    int wireLength = 0;           // bytes the request took on the bus
};

// What the bytes received so far make of the reply to a request.
enum class RtuReplyState {
    NeedMore, // nothing whole yet; what is held may still become the reply
    Complete, // a reply that answers the request, CRC right
    Rejected, // a reply for this request came garbled, and nothing behind it can be the reply
};

// The wire format of the bus, for both ends: the master builds requests and
// takes their replies out of a byte stream; an inverter takes requests out of
// a byte stream and builds its replies. Registers travel high byte first, the
// CRC low byte first. A codec holds only the bytes received and not yet used;
// it knows nothing of time, retries or links.
class RtuFrameCodec {
public:
    static const int kMaxWriteRegisters = 123;

    // --- the master's side
    static QByteArray ReadRequest(quint8 address, quint16 start, quint16 count);
    // values holds two bytes per register.
    static QByteArray WriteRequest(quint8 address, quint16 start, const QByteArray& values);
    // Bytes of the normal reply to a request: 5 + 2n for a read, 8 for a write, 0 for anything else.
    static int ReplyLength(const QByteArray& request);
    // Whether these bytes are exactly one acceptable reply to the request: its
    // address, its function or the error form of it, a byte count (read) or an
    // echo of register and count (write) that fit, and a right CRC.
    static RtuReplyState CheckReply(const QByteArray& request, const QByteArray& reply);
    // Whether a reply to one request would pass as a reply to the other (same
    // address and function; a read of as many registers, a write of the same
    // registers): nothing on the wire tells such replies apart.
    static bool RepliesAlike(const QByteArray& request, const QByteArray& other);

    // Starts waiting for the reply to a request; whatever was held is dropped.
    void ExpectReply(const QByteArray& request);
    // Takes bytes of the reply in any pieces. Bytes that cannot begin the
    // expected reply (a late reply to someone else, line noise, the tail of an
    // earlier attempt) are dropped one at a time, so the real reply behind them
    // is still found. Complete leaves the reply in Reply() and drops the rest.
    RtuReplyState AppendReply(const QByteArray& bytes);
    QByteArray Reply() const { return m_reply; }
    const QByteArray& ExpectedRequest() const { return m_request; }

    // --- the inverter's side
    void Append(const QByteArray& bytes);
    // Takes the next whole request, dropping garbage in front of it. With
    // lineIdle, an incomplete frame is treated as garbage instead of waited for.
    bool TakeRequest(RtuRequest* request, bool lineIdle = false);
    static QByteArray ReadReply(quint8 address, const QVector<quint16>& values);
    static QByteArray WriteReply(quint8 address, quint16 start, quint16 count);
    static QByteArray ErrorReply(quint8 address, quint8 function, quint8 code);

    // --- both
    static void AppendCrc(QByteArray* frame);
    static bool HasGoodCrc(const QByteArray& frame);
    int Pending() const { return int(m_buffer.size()); }
    qint64 DroppedBytes() const { return m_dropped; }
    // Drops everything held (a new connection, nothing in flight).
    void Clear();

private:
    // Address, function, start register and register count, high bytes first.
    static QByteArray Header(quint8 address, quint8 function, quint16 start, quint16 count);
    void DropFront(int count);

    QByteArray m_buffer;
    qint64 m_dropped = 0;
    QByteArray m_request; // the request whose reply is awaited
    QByteArray m_reply;   // the last reply accepted
};

#pragma once

#include <QByteArray>
#include <QVector>

// One request taken off the bus.
struct RtuRequest {
    quint8 address = 0;
    quint8 function = 0;
    quint16 start = 0;
    quint16 count = 0;
    QByteArray data;              // the register values of a write, as sent
    bool byteCountMatches = true; // a write's byte count is twice its register count
    int wireLength = 0;           // bytes the request took on the bus
};

// Cuts the byte stream of a bus into requests. Bytes may arrive in pieces or
// several frames at once. A read is 8 bytes and a write 9 + 2n bytes; a frame
// of any other function is taken as 8 bytes (the shape of Modbus functions 1
// to 6) so that it can be refused. Bytes that do not start a frame with a good
// CRC are dropped one at a time until a frame fits. When the line has been
// quiet for a while, a frame still waiting for its rest is given up on too, so
// that a truncated frame or a bogus length cannot hold up the frames behind it.
class RtuFrameCodec {
public:
    static const int kMaxWriteRegisters = 123;

    void Append(const QByteArray& bytes);
    // Takes the next whole request, dropping garbage in front of it. With
    // lineIdle, an incomplete frame is treated as garbage instead of waited for.
    bool TakeRequest(RtuRequest* request, bool lineIdle = false);
    int Pending() const { return int(m_buffer.size()); }
    qint64 DroppedBytes() const { return m_dropped; }
    void Clear();

    static QByteArray ReadReply(quint8 address, const QVector<quint16>& values);
    static QByteArray WriteReply(quint8 address, quint16 start, quint16 count);
    static QByteArray ErrorReply(quint8 address, quint8 function, quint8 code);
    static void AppendCrc(QByteArray* frame);
    static bool HasGoodCrc(const QByteArray& frame);

private:
    void DropFront(int count);

    QByteArray m_buffer;
    qint64 m_dropped = 0;
};

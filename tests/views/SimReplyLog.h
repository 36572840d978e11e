#pragma once

// The replies wattsight-sim sends, read from its frame log (--verbose) and
// decoded from the register map, apart from the program's own decoder.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QString>

namespace viewstest {

// The last reply the simulator sent for each (bus address, first register)
// read, and every read reply in the order sent.
class SimReplyLog {
public:
    struct Reply {
        int address;
        int first; // first register read
        QList<quint16> registers;
    };

    void Feed(const QByteArray& text) {
        m_Pending += text;
        int end;
        while ((end = m_Pending.indexOf('\n')) >= 0) {
            Line(QString::fromUtf8(m_Pending.left(end)));
            m_Pending.remove(0, end + 1);
        }
    }
    // Register values of the last answered read, empty when there was none.
    QList<quint16> Registers(int address, int first) const { return m_Replies.value(Key(address, first)); }
    const QList<Reply>& Replies() const { return m_Ordered; }
    // The registers of the last such read sent before the reply at index, empty when none.
    QList<quint16> Before(int address, int first, int index) const {
        for (int i = qMin(index, int(m_Ordered.size())) - 1; i >= 0; --i) {
            if (m_Ordered[i].address == address && m_Ordered[i].first == first) {
                return m_Ordered[i].registers;
            }
        }
        return {};
    }
    // Where the last such read stands among the replies, -1 when there was none.
    int LastIndex(int address, int first) const {
        for (int i = int(m_Ordered.size()) - 1; i >= 0; --i) {
            if (m_Ordered[i].address == address && m_Ordered[i].first == first) {
                return i;
            }
        }
        return -1;
    }
    int Count(int address, int first) const {
        int count = 0;
        for (const Reply& reply : m_Ordered) {
            count += reply.address == address && reply.first == first ? 1 : 0;
        }
        return count;
    }

private:
    static int Key(int address, int first) { return address << 16 | first; }
    static QByteArray Bytes(const QString& hex) {
        return QByteArray::fromHex(hex.toLatin1().replace(' ', ""));
    }

    void Line(const QString& line) {
        static const QRegularExpression frame(QStringLiteral("\\] (rx|tx) ([0-9A-F ]+)$"));
        const QRegularExpressionMatch match = frame.match(line.trimmed());
        if (!match.hasMatch()) {
            return;
        }
        const QByteArray bytes = Bytes(match.captured(2));
        if (match.captured(1) == QLatin1String("rx")) {
            m_Request = bytes;
            return;
        }
        // A read reply: address, 0x03, byte count, data, CRC; it answers the last request.
        if (bytes.size() < 5 || quint8(bytes[1]) != 0x03 || m_Request.size() < 6 ||
            m_Request[0] != bytes[0]) {
            return;
        }
        const int first = quint8(m_Request[2]) << 8 | quint8(m_Request[3]);
        const int count = quint8(bytes[2]) / 2;
        QList<quint16> registers;
        for (int i = 0; i < count && 4 + 2 * i < bytes.size(); ++i) {
            registers.append(quint16(quint8(bytes[3 + 2 * i]) << 8 | quint8(bytes[4 + 2 * i])));
        }
        m_Replies[Key(quint8(bytes[0]), first)] = registers;
        m_Ordered.append({quint8(bytes[0]), first, registers});
    }

    QByteArray m_Pending;
    QByteArray m_Request;
    QHash<int, QList<quint16>> m_Replies;
    QList<Reply> m_Ordered;
};

} // namespace viewstest

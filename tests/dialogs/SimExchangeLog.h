#pragma once

// Every request wattsight-sim received and what it answered, read from its
// frame log (--verbose), to check what the program wrote apart from the
// program's own view of it.

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QString>

namespace maintenancetest {

struct SimExchange {
    QByteArray request;
    QByteArray reply; // empty until answered
};

class SimExchangeLog {
public:
    void Feed(const QByteArray& text) {
        m_Pending += text;
        int end;
        while ((end = m_Pending.indexOf('\n')) >= 0) {
            Line(QString::fromUtf8(m_Pending.left(end)));
            m_Pending.remove(0, end + 1);
        }
    }

    const QList<SimExchange>& Exchanges() const { return m_Exchanges; }

    // The reply to the last write of these data bytes to the register, empty
    // when there was none (yet).
    QByteArray ReplyToWrite(int address, int reg, const QByteArray& data) const {
        for (int i = m_Exchanges.size() - 1; i >= 0; --i) {
            const QByteArray& r = m_Exchanges.at(i).request;
            if (r.size() >= 9 && quint8(r[0]) == address && quint8(r[1]) == 0x10 &&
                (quint8(r[2]) << 8 | quint8(r[3])) == reg && r.mid(7, quint8(r[6])) == data) {
                return m_Exchanges.at(i).reply;
            }
        }
        return QByteArray();
    }
    // The write was acknowledged: the reply repeats the function 0x10.
    bool WriteAcked(int address, int reg, const QByteArray& data) const {
        const QByteArray reply = ReplyToWrite(address, reg, data);
        return reply.size() >= 2 && quint8(reply[1]) == 0x10;
    }
    // The error code the simulator answered the write with, 0 for none.
    int WriteError(int address, int reg, const QByteArray& data) const {
        const QByteArray reply = ReplyToWrite(address, reg, data);
        return reply.size() >= 3 && quint8(reply[1]) == 0x90 ? quint8(reply[2]) : 0;
    }
    // The data bytes of the last answered read of the register block.
    QByteArray ReadData(int address, int reg) const {
        for (int i = m_Exchanges.size() - 1; i >= 0; --i) {
            const SimExchange& e = m_Exchanges.at(i);
            if (e.request.size() >= 6 && quint8(e.request[0]) == address && quint8(e.request[1]) == 0x03 &&
                (quint8(e.request[2]) << 8 | quint8(e.request[3])) == reg && e.reply.size() >= 5 &&
                quint8(e.reply[1]) == 0x03) {
                return e.reply.mid(3, quint8(e.reply[2]));
            }
        }
        return QByteArray();
    }
    // Requests sent to an address.
    int RequestsTo(int address) const {
        int count = 0;
        for (const SimExchange& e : m_Exchanges) {
            count += !e.request.isEmpty() && quint8(e.request[0]) == address ? 1 : 0;
        }
        return count;
    }

private:
    void Line(const QString& line) {
        static const QRegularExpression frame(QStringLiteral("\\] (rx|tx) ([0-9A-F ]+)$"));
        const QRegularExpressionMatch match = frame.match(line.trimmed());
        if (!match.hasMatch()) {
            return;
        }
        const QByteArray bytes = QByteArray::fromHex(match.captured(2).toLatin1().replace(' ', ""));
        if (match.captured(1) == QLatin1String("rx")) {
            m_Exchanges.append({bytes, QByteArray()});
        } else if (!m_Exchanges.isEmpty()) {
            m_Exchanges.last().reply += bytes;
        }
    }

    QByteArray m_Pending;
    QList<SimExchange> m_Exchanges;
};

} // namespace maintenancetest

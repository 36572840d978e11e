#pragma once

// Helpers of the simulator tests: frames built from the protocol's tables with
// a CRC of our own, the simulator as a child process, and a TCP master.

#include "../common/PtyPair.h"
#include "../common/WireCrc.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QTest>
#include <QVector>

namespace SimTest {

// CRC-16/Modbus written out bit by bit (start 0xFFFF, polynomial 0xA001), low byte first on the wire.
inline QByteArray Crc(const QByteArray& bytes) {
    return WireCrc::Bytes(bytes);
}

inline bool CrcOk(const QByteArray& frame) {
    return frame.size() >= 4 && Crc(frame.left(frame.size() - 2)) == frame.right(2);
}

inline QByteArray ReadRequest(quint8 address, quint16 reg, quint16 count) {
    QByteArray frame;
    frame.append(char(address)).append(char(0x03));
    frame.append(char(reg >> 8)).append(char(reg & 0xFF));
    frame.append(char(count >> 8)).append(char(count & 0xFF));
    return frame + Crc(frame);
}

inline QByteArray WriteRequest(quint8 address, quint16 reg, const QVector<quint16>& values) {
    QByteArray frame;
    frame.append(char(address)).append(char(0x10));
    frame.append(char(reg >> 8)).append(char(reg & 0xFF));
    frame.append(char(0)).append(char(values.size()));
    frame.append(char(2 * values.size()));
    for (const quint16 v : values) {
        frame.append(char(v >> 8)).append(char(v & 0xFF));
    }
    return frame + Crc(frame);
}

// Register values of a normal read reply (data from offset 3, high byte first).
inline QVector<quint16> Registers(const QByteArray& reply) {
    QVector<quint16> values;
    if (reply.size() < 5) {
        return values;
    }
    const int count = quint8(reply.at(2)) / 2;
    for (int i = 0; i < count && 3 + 2 * i + 1 < reply.size(); ++i) {
        values.append(quint16((quint8(reply.at(3 + 2 * i)) << 8) | quint8(reply.at(4 + 2 * i))));
    }
    return values;
}

inline quint32 Long(const QVector<quint16>& regs, int index) {
    return (quint32(regs.value(index)) << 16) | regs.value(index + 1);
}

inline qint16 Signed(quint16 value) {
    return qint16(value);
}

// The byte at an offset, or -1 past the end.
inline int ByteAt(const QByteArray& bytes, int offset) {
    return offset >= 0 && offset < bytes.size() ? int(quint8(bytes.at(offset))) : -1;
}

// The data of a read reply as a zero-terminated text.
inline QString Text(const QByteArray& reply) {
    const QByteArray data = reply.mid(3, qMax(0, ByteAt(reply, 2)));
    const int end = data.indexOf('\0');
    return QString::fromLatin1(end >= 0 ? data.left(end) : data);
}

// Bytes a complete reply to this request has: error replies are 5 bytes.
inline bool ReplyComplete(const QByteArray& request, const QByteArray& reply) {
    if (reply.size() >= 5 && (quint8(reply.at(1)) & 0x80)) {
        return true;
    }
    const int expected = quint8(request.at(1)) == 0x03 ? 5 + 2 * quint8(request.at(5)) : 8;
    return reply.size() >= expected;
}

inline QString SimPath() {
    return QDir(qEnvironmentVariable("WATTSIGHT_BIN_DIR")).filePath(QStringLiteral("wattsight-sim"));
}

// The simulator as a child process, ended with SIGTERM when the test is done.
class SimProcess {
public:
    ~SimProcess() { Stop(); }

    // Starts it and waits for its "listening on" lines (one per link).
    bool Start(const QStringList& arguments, int links = 1, int timeoutMs = 10000) {
        m_process.setProgram(SimPath());
        m_process.setArguments(arguments);
        m_process.start();
        if (!m_process.waitForStarted(timeoutMs)) {
            return false;
        }
        QElapsedTimer timer;
        timer.start();
        while (m_lines.size() < links && timer.elapsed() < timeoutMs) {
            if (!m_process.canReadLine()) {
                m_process.waitForReadyRead(100);
                if (m_process.state() == QProcess::NotRunning && !m_process.canReadLine()) {
                    return false;
                }
                continue;
            }
            const QString line = QString::fromLocal8Bit(m_process.readLine()).trimmed();
            if (line.startsWith(QLatin1String("wattsight-sim: listening on "))) {
                m_lines << line;
            }
        }
        return m_lines.size() >= links;
    }

    int TcpPort() const {
        static const QRegularExpression pattern(QStringLiteral("listening on tcp [^:]+:(\\d+)"));
        for (const QString& line : m_lines) {
            const QRegularExpressionMatch match = pattern.match(line);
            if (match.hasMatch()) {
                return match.captured(1).toInt();
            }
        }
        return -1;
    }

    QStringList Lines() const { return m_lines; }
    QProcess& Process() { return m_process; }

    // SIGTERM and wait; true when it ended by itself with exit code 0.
    bool Stop() {
        if (m_process.state() == QProcess::NotRunning) {
            return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
        }
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(2000);
            return false;
        }
        return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    }

private:
    QProcess m_process;
    QStringList m_lines;
};

// A master on a byte stream: writes a request and collects the reply.
class Master {
public:
    explicit Master(QIODevice* device) : m_device(device) {}

    // The reply bytes, empty when nothing came within the time-out.
    QByteArray Exchange(const QByteArray& request, int timeoutMs = 2000) {
        m_device->readAll();
        m_device->write(request);
        return Collect(request, timeoutMs);
    }

    QByteArray Collect(const QByteArray& request, int timeoutMs = 2000) {
        QByteArray reply;
        QElapsedTimer timer;
        timer.start();
        while (!ReplyComplete(request, reply) && timer.elapsed() < timeoutMs) {
            if (m_device->bytesAvailable() == 0) {
                m_device->waitForReadyRead(20);
                QCoreApplication::processEvents();
            }
            const QByteArray bytes = m_device->readAll();
            reply += bytes;
        }
        return reply;
    }

    // Bytes that arrive within the window, whatever they are.
    QByteArray Listen(int windowMs) {
        QByteArray bytes;
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < windowMs) {
            m_device->waitForReadyRead(20);
            bytes += m_device->readAll();
        }
        return bytes;
    }

private:
    QIODevice* m_device;
};

// A pseudo-terminal pair from socat; the two ends appear as links in a temporary directory.
// The socat line of the link tests, also here.
using ::PtyPair;

} // namespace SimTest

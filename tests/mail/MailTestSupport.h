#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

namespace mailtest {

inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// A port on loopback that nobody listens on.
inline quint16 ClosedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

// Debian's interpreter, where python3-aiosmtpd is installed (a python3 found
// first on PATH may be another one).
inline QString Python() {
    return QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                             : QStringLiteral("python3");
}

// A certificate authority made for one test run with the openssl command line,
// and a server certificate it signed for 127.0.0.1 and localhost.
class TestCertificates {
public:
    bool Make() {
        return Openssl({"ecparam", "-name", "prime256v1", "-genkey", "-noout", "-out", Path("ca.key")}) &&
               Openssl({"req", "-x509", "-new", "-key", Path("ca.key"), "-days", "2", "-subj",
                        "/CN=Wattsight Test CA", "-out", Path("ca.pem")}) &&
               Openssl({"ecparam", "-name", "prime256v1", "-genkey", "-noout", "-out", Path("server.key")}) &&
               Openssl({"req", "-new", "-key", Path("server.key"), "-subj", "/CN=127.0.0.1", "-out",
                        Path("server.csr")}) &&
               WriteAll(Path("server.ext"), "subjectAltName=IP:127.0.0.1,DNS:localhost\n"
                                            "basicConstraints=CA:FALSE\n"
                                            "extendedKeyUsage=serverAuth\n") &&
               Openssl({"x509", "-req", "-in", Path("server.csr"), "-CA", Path("ca.pem"), "-CAkey",
                        Path("ca.key"), "-CAcreateserial", "-days", "2", "-extfile", Path("server.ext"),
                        "-out", Path("server.pem")}) &&
               // A second authority that signed nothing this server shows.
               Openssl({"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
                        "-keyout", Path("other.key"), "-days", "2", "-subj", "/CN=Other CA", "-out",
                        Path("other.pem")});
    }
    QString Path(const QString& name) const { return m_Dir.filePath(name); }
    QString CaFile() const { return Path(QStringLiteral("ca.pem")); }
    QString OtherCaFile() const { return Path(QStringLiteral("other.pem")); }
    QString ServerCert() const { return Path(QStringLiteral("server.pem")); }
    QString ServerKey() const { return Path(QStringLiteral("server.key")); }

private:
    bool Openssl(const QStringList& args) {
        QProcess openssl;
        openssl.setProcessChannelMode(QProcess::MergedChannels);
        openssl.start(QStringLiteral("openssl"), args);
        if (!openssl.waitForFinished(30000) || openssl.exitStatus() != QProcess::NormalExit ||
            openssl.exitCode() != 0) {
            qWarning("openssl %s: %s", qPrintable(args.join(' ')), openssl.readAll().constData());
            return false;
        }
        return true;
    }
    QTemporaryDir m_Dir;
};

// tests/mail/smtp_server.py: a real SMTP server (aiosmtpd) on a free loopback
// port that writes down what it received.
class SmtpTestServer {
public:
    ~SmtpTestServer() { Stop(); }

    bool Start(const QStringList& options = {}) {
        const QString script = qEnvironmentVariable("WATTSIGHT_SOURCE_DIR") + "/tests/mail/smtp_server.py";
        m_Process.setProgram(Python());
        m_Process.setArguments(QStringList{script, "--record", m_Dir.path()} + options);
        m_Process.start();
        if (!m_Process.waitForStarted(5000)) {
            return false;
        }
        const QString line = WaitForLine(QStringLiteral("listening on 127.0.0.1:"), 15000);
        m_nPort = quint16(line.section(QLatin1Char(':'), -1).toUInt());
        if (m_nPort == 0) {
            qWarning("smtp_server did not start: %s", m_Process.readAllStandardError().constData());
        }
        return m_nPort != 0;
    }

    // The server, as the "EmailServer" setting writes it.
    QString Plain() const { return QStringLiteral("smtp://127.0.0.1:%1").arg(m_nPort); }
    QString ByPort() const { return QStringLiteral("127.0.0.1:%1").arg(m_nPort); }
    QString Implicit() const { return QStringLiteral("smtps://127.0.0.1:%1").arg(m_nPort); }
    quint16 Port() const { return m_nPort; }

    // The first line of the server's output holding text, or an empty one.
    QString WaitForLine(const QString& text, int ms = 10000) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms) {
            while (m_Process.canReadLine()) {
                const QString line = QString::fromUtf8(m_Process.readLine()).trimmed();
                if (line.contains(text)) {
                    return line;
                }
            }
            if (m_Process.state() == QProcess::NotRunning) {
                break;
            }
            m_Process.waitForReadyRead(100);
        }
        return QString();
    }

    void Stop() {
        if (m_Process.state() != QProcess::NotRunning) {
            m_Process.terminate();
            if (!m_Process.waitForFinished(3000)) {
                m_Process.kill();
                m_Process.waitForFinished(1000);
            }
        }
    }

    // What the SMTP server read, decrypted; what crossed the wire.
    QByteArray Session() const { return ReadAll(m_Dir.filePath(QStringLiteral("session.bin"))); }
    QByteArray Wire() const { return ReadAll(m_Dir.filePath(QStringLiteral("wire.bin"))); }
    // The n-th message received (from 1), as sent after DATA and as Python's
    // email package parsed it.
    QByteArray Message(int n = 1) const {
        return ReadAll(m_Dir.filePath(QStringLiteral("message-%1.eml").arg(n)));
    }
    QJsonObject Parsed(int n = 1) const {
        return QJsonDocument::fromJson(ReadAll(m_Dir.filePath(QStringLiteral("message-%1.json").arg(n))))
            .object();
    }
    int MessageCount() const {
        return QDir(m_Dir.path()).entryList({QStringLiteral("message-*.eml")}, QDir::Files).size();
    }

private:
    QProcess m_Process;
    QTemporaryDir m_Dir;
    quint16 m_nPort = 0;
};

// The payload of the parsed message's part i, decoded.
inline QByteArray PartPayload(const QJsonObject& parsed, int i) {
    return QByteArray::fromBase64(
        parsed.value("parts").toArray().at(i).toObject().value("payload").toString().toLatin1());
}

} // namespace mailtest

#pragma once

// A real mosquitto broker for a test: its own configuration, persistence and
// optional password file in a temporary folder, on a free loopback port. It
// can be stopped and started again on the same port with what it kept.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <unistd.h>

class BrokerProcess {
public:
    ~BrokerProcess() { Stop(); }

    static QString Program(const char* name) {
        const QString found =
            QStandardPaths::findExecutable(QLatin1String(name), {"/usr/sbin", "/usr/bin", "/usr/local/sbin"});
        return found.isEmpty() ? QStandardPaths::findExecutable(QLatin1String(name)) : found;
    }

    // Users that must log on; without any, anonymous clients are let in.
    void AddUser(const QString& user, const QString& password) { m_Users.append({user, password}); }

    // TLS only, with a certificate authority and a server certificate for
    // 127.0.0.1 made here with openssl; false when openssl cannot make them.
    bool EnableTls() {
        auto run = [this](const QStringList& args) {
            QProcess openssl;
            openssl.setWorkingDirectory(m_Dir.path());
            openssl.start(Program("openssl"), args);
            return openssl.waitForFinished(30000) && openssl.exitStatus() == QProcess::NormalExit &&
                   openssl.exitCode() == 0;
        };
        QFile extensions(m_Dir.filePath("server.ext"));
        if (Program("openssl").isEmpty() || !extensions.open(QIODevice::WriteOnly) ||
            extensions.write("subjectAltName=DNS:localhost,DNS:127.0.0.1,IP:127.0.0.1\n") <= 0) {
            return false;
        }
        extensions.close();
        const QStringList ec{"-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"};
        m_bTls = run(QStringList{"req", "-x509"} + ec +
                     QStringList{"-keyout", "ca.key", "-out", "ca.crt", "-days", "2", "-subj",
                                 "/CN=Wattsight test CA"}) &&
                 run(QStringList{"req"} + ec +
                     QStringList{"-keyout", "server.key", "-out", "server.csr", "-subj", "/CN=127.0.0.1"}) &&
                 run({"x509", "-req", "-in", "server.csr", "-CA", "ca.crt", "-CAkey", "ca.key",
                      "-CAcreateserial", "-out", "server.crt", "-days", "2", "-extfile", "server.ext"});
        return m_bTls;
    }
    QString CaFile() const { return m_Dir.filePath("ca.crt"); }

    bool Start() {
        if (m_nPort == 0) {
            QTcpServer probe;
            if (!probe.listen(QHostAddress::LocalHost, 0)) {
                return false;
            }
            m_nPort = probe.serverPort();
        }
        if (!WriteConfig()) {
            return false;
        }
        m_Process.setProgram(Program("mosquitto"));
        m_Process.setArguments({"-c", m_Dir.filePath("mosquitto.conf")});
        m_Process.setProcessChannelMode(QProcess::MergedChannels);
        m_Process.setStandardOutputFile(m_Dir.filePath("broker.log"), QIODevice::Append);
        m_Process.start();
        if (!m_Process.waitForStarted(5000)) {
            return false;
        }
        // Ready once it accepts a connection.
        QElapsedTimer wait;
        wait.start();
        while (wait.elapsed() < 10000) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, quint16(m_nPort));
            if (socket.waitForConnected(200)) {
                return true;
            }
            if (m_Process.state() == QProcess::NotRunning) {
                return false;
            }
            QThread::msleep(50);
        }
        return false;
    }

    // A clean end (SIGTERM): the broker keeps its sessions in its persistence file.
    void Stop() {
        if (m_Process.state() != QProcess::NotRunning) {
            m_Process.terminate();
            if (!m_Process.waitForFinished(5000)) {
                m_Process.kill();
                m_Process.waitForFinished(2000);
            }
        }
    }

    int Port() const { return m_nPort; }
    QString Log() const {
        QFile file(m_Dir.filePath("broker.log"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    QString FilePath(const QString& name) const { return m_Dir.filePath(name); }

private:
    bool WriteConfig() {
        QString config = QStringLiteral("listener %1 127.0.0.1\n").arg(m_nPort);
        config += QStringLiteral("persistence true\npersistence_location %1/\n").arg(m_Dir.path());
        config += QStringLiteral("log_dest stdout\nlog_type all\n");
        if (m_bTls) {
            config += QStringLiteral("cafile %1\ncertfile %2\nkeyfile %3\n")
                          .arg(m_Dir.filePath("ca.crt"), m_Dir.filePath("server.crt"),
                               m_Dir.filePath("server.key"));
        }
        if (geteuid() == 0) {
            config += QStringLiteral("user root\n");
        }
        if (m_Users.isEmpty()) {
            config += QStringLiteral("allow_anonymous true\n");
        } else {
            const QString passwords = m_Dir.filePath("passwords");
            QFile::remove(passwords);
            for (const auto& user : std::as_const(m_Users)) {
                QStringList args{"-b"};
                if (!QFileInfo::exists(passwords)) {
                    args << "-c";
                }
                args << passwords << user.first << user.second;
                if (QProcess::execute(Program("mosquitto_passwd"), args) != 0) {
                    return false;
                }
            }
            config += QStringLiteral("allow_anonymous false\npassword_file %1\n").arg(passwords);
        }
        QFile file(m_Dir.filePath("mosquitto.conf"));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(config.toUtf8()) > 0;
    }

    QTemporaryDir m_Dir;
    QProcess m_Process;
    int m_nPort = 0;
    QList<QPair<QString, QString>> m_Users;
    bool m_bTls = false;
};

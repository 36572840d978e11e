#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <csignal>

// The program (build/bin/wattsight) as a process for a test: started with or
// without its window, its output kept, lines waited for, ended by a signal.
class ProgramProcess {
public:
    enum Mode { Window, Logger };

    ProgramProcess() {
        QObject::connect(&m_Process, &QProcess::readyReadStandardOutput,
                         [this] { m_strOut += QString::fromUtf8(m_Process.readAllStandardOutput()); });
        QObject::connect(&m_Process, &QProcess::readyReadStandardError,
                         [this] { m_strErr += QString::fromUtf8(m_Process.readAllStandardError()); });
    }
    ~ProgramProcess() {
        if (m_Process.state() != QProcess::NotRunning) {
            m_Process.kill();
            m_Process.waitForFinished(5000);
        }
    }

    static QString Binary() {
        return qEnvironmentVariable("WATTSIGHT_BIN_DIR") + QStringLiteral("/wattsight");
    }

    // The logger gets no display at all; the window draws offscreen.
    static QProcessEnvironment Environment(Mode mode) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "WATTSIGHT_DATA_DIR"}) {
            env.remove(QLatin1String(name));
        }
        if (mode == Window) {
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        }
        return env;
    }

    bool Start(Mode mode, const QString& dataDir, const QProcessEnvironment& env) {
        QStringList args = {QStringLiteral("--data-dir"), dataDir};
        if (mode == Logger) {
            args.prepend(QStringLiteral("--headless"));
        }
        m_Process.setProcessEnvironment(env);
        m_Process.start(Binary(), args);
        return m_Process.waitForStarted(10000);
    }
    bool Start(Mode mode, const QString& dataDir) { return Start(mode, dataDir, Environment(mode)); }

    // Waits for a line of standard output that matches.
    bool WaitForLine(const QRegularExpression& pattern, int timeoutMs) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            if (HasLine(pattern)) {
                return true;
            }
            QTest::qWait(50);
        }
        return HasLine(pattern);
    }
    bool HasLine(const QRegularExpression& pattern) const {
        for (const QString& line : Lines()) {
            if (pattern.match(line).hasMatch()) {
                return true;
            }
        }
        return false;
    }
    QStringList Lines() const { return m_strOut.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }

    void Signal(int signal) { ::kill(pid_t(m_Process.processId()), signal); }
    // Ends the program by a signal; true when it left by itself with exit code 0.
    bool Terminate(int signal = SIGTERM, int timeoutMs = 20000) {
        Signal(signal);
        return Finish(timeoutMs) && m_Process.exitCode() == 0;
    }
    bool Finish(int timeoutMs) {
        if (!m_Process.waitForFinished(timeoutMs)) {
            return false;
        }
        m_strOut += QString::fromUtf8(m_Process.readAllStandardOutput());
        m_strErr += QString::fromUtf8(m_Process.readAllStandardError());
        return m_Process.exitStatus() == QProcess::NormalExit;
    }

    // The shared objects the running process has mapped.
    QString Maps() const {
        QFile maps(QStringLiteral("/proc/%1/maps").arg(m_Process.processId()));
        return maps.open(QIODevice::ReadOnly) ? QString::fromUtf8(maps.readAll()) : QString();
    }

    QProcess& Process() { return m_Process; }
    QString Out() const { return m_strOut; }
    QString Err() const { return m_strErr; }

private:
    QProcess m_Process;
    QString m_strOut;
    QString m_strErr;
};

#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

// Runs wattsight-sim for a test and tells where it listens.
class SimProcess {
public:
    ~SimProcess() { Stop(); }

    static QString Binary() { return qEnvironmentVariable("WATTSIGHT_BIN_DIR") + "/wattsight-sim"; }

    // Starts the simulator and waits until every link reported ready.
    bool Start(const QStringList& args, int links = 1) {
        m_Process.setProgram(Binary());
        m_Process.setArguments(args);
        m_Process.setProcessChannelMode(QProcess::SeparateChannels);
        m_Process.start();
        if (!m_Process.waitForStarted(5000)) {
            return false;
        }
        int ready = 0;
        QElapsedTimer timer;
        timer.start();
        while (ready < links && timer.elapsed() < 10000) {
            if (!m_Process.canReadLine()) {
                m_Process.waitForReadyRead(200);
                continue;
            }
            const QString line = QString::fromUtf8(m_Process.readLine()).trimmed();
            if (line.startsWith("wattsight-sim: listening on")) {
                ++ready;
                const QRegularExpressionMatch m = QRegularExpression(":(\\d+)$").match(line);
                if (line.contains(" tcp ") && m.hasMatch()) {
                    m_nTcpPort = m.captured(1).toInt();
                }
            }
        }
        return ready == links;
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

    int TcpPort() const { return m_nTcpPort; }
    QProcess& Process() { return m_Process; }

private:
    QProcess m_Process;
    int m_nTcpPort = 0;
};

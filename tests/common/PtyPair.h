#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

// A serial line for tests: two pseudo-terminals joined by socat, one end for
// the bus master, the other for the inverters.
class PtyPair {
public:
    ~PtyPair() { Stop(); }

    static bool Available() { return !QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty(); }

    bool Start(const QString& directory) {
        m_a = QDir(directory).filePath(QStringLiteral("master"));
        m_b = QDir(directory).filePath(QStringLiteral("slave"));
        m_socat.start(QStringLiteral("socat"), {QStringLiteral("PTY,link=%1,raw,echo=0").arg(m_a),
                                                QStringLiteral("PTY,link=%1,raw,echo=0").arg(m_b)});
        if (!m_socat.waitForStarted(3000)) {
            return false;
        }
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 5000) {
            if (QFileInfo::exists(m_a) && QFileInfo::exists(m_b)) {
                return true;
            }
            QTest::qWait(20);
        }
        return false;
    }

    void Stop() {
        if (m_socat.state() != QProcess::NotRunning) {
            m_socat.terminate();
            m_socat.waitForFinished(3000);
        }
    }

    QString MasterEnd() const { return m_a; }
    QString SlaveEnd() const { return m_b; }

private:
    QProcess m_socat;
    QString m_a;
    QString m_b;
};

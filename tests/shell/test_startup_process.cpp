#include "ShellTestSupport.h"

#include <QDirIterator>
#include <QProcess>
#include <QtTest>

#include <csignal>

// The program as a process: its options, the one-copy rule per data directory,
// a start after a killed copy, and SIGTERM ending it like a normal exit.
class TestStartupProcess : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void helpAndVersion();
    void badOptionExitsTwo();
    void secondCopyLeavesEverythingAlone();
    void startsAfterKilledCopy();
    void sigtermWritesBothFiles();
    void createsMissingDataDir();
    void unwritableDataDirIsNamed_data();
    void unwritableDataDirIsNamed();

private:
    QProcess* Start(const QString& dataDir, QStringList extra = {});
    bool WaitRunning(QProcess* process, const QString& dataDir);
    static QMap<QString, QString> Snapshot(const QString& dir);

    QString m_strProgram;
};

void TestStartupProcess::initTestCase() {
    m_strProgram = qEnvironmentVariable("WATTSIGHT_BIN_DIR") + QStringLiteral("/wattsight");
    QVERIFY2(QFileInfo::exists(m_strProgram), qPrintable(m_strProgram));
}

QProcess* TestStartupProcess::Start(const QString& dataDir, QStringList extra) {
    auto* process = new QProcess(this);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process->setProcessEnvironment(env);
    process->start(m_strProgram, QStringList({QStringLiteral("--data-dir"), dataDir}) + extra);
    return process;
}

// Running means: past the one-copy check and the main window built, which
// writes system.dat on a first start.
bool TestStartupProcess::WaitRunning(QProcess* process, const QString& dataDir) {
    if (!process->waitForStarted(5000)) {
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 15000) {
        if (process->state() != QProcess::Running) {
            return false;
        }
        if (QFileInfo::exists(QDir(dataDir).filePath(QStringLiteral("system.dat")))) {
            QTest::qWait(1000);
            return process->state() == QProcess::Running;
        }
        QTest::qWait(50);
    }
    return false;
}

QMap<QString, QString> TestStartupProcess::Snapshot(const QString& dir) {
    QMap<QString, QString> files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        files.insert(info.filePath(), QString::number(info.size()) + QLatin1Char('@') +
                                          QString::number(info.lastModified().toMSecsSinceEpoch()));
    }
    return files;
}

void TestStartupProcess::helpAndVersion() {
    QProcess help;
    help.start(m_strProgram, {QStringLiteral("--help")});
    QVERIFY(help.waitForFinished(10000));
    QCOMPARE(help.exitCode(), 0);
    const QString text = QString::fromUtf8(help.readAllStandardOutput());
    QVERIFY(text.contains(QStringLiteral("--data-dir DIR")));
    QVERIFY(text.contains(QStringLiteral("WATTSIGHT_DATA_DIR")));

    QProcess version;
    version.start(m_strProgram, {QStringLiteral("--version")});
    QVERIFY(version.waitForFinished(10000));
    QCOMPARE(version.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(version.readAllStandardOutput()).trimmed(),
             QStringLiteral("Tivra Wattsight 2.4.5"));
}

void TestStartupProcess::badOptionExitsTwo() {
    QProcess bad;
    bad.start(m_strProgram, {QStringLiteral("--no-such-option")});
    QVERIFY(bad.waitForFinished(10000));
    QCOMPARE(bad.exitCode(), 2);
    QVERIFY(QString::fromUtf8(bad.readAllStandardError()).contains(QStringLiteral("--no-such-option")));

    QProcess missing;
    missing.start(m_strProgram, {QStringLiteral("--data-dir")});
    QVERIFY(missing.waitForFinished(10000));
    QCOMPARE(missing.exitCode(), 2);
}

void TestStartupProcess::secondCopyLeavesEverythingAlone() {
    QTemporaryDir data;
    QProcess* first = Start(data.path());
    QVERIFY(WaitRunning(first, data.path()));
    const QMap<QString, QString> before = Snapshot(data.path());

    QProcess* second = Start(data.path());
    QVERIFY(second->waitForFinished(15000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QVERIFY(QString::fromUtf8(second->readAllStandardOutput())
                .contains(QStringLiteral("The application is running!")));
    QCOMPARE(Snapshot(data.path()), before);
    QCOMPARE(first->state(), QProcess::Running);

    ::kill(pid_t(first->processId()), SIGTERM);
    QVERIFY(first->waitForFinished(15000));
    QCOMPARE(first->exitCode(), 0);
}

void TestStartupProcess::startsAfterKilledCopy() {
    QTemporaryDir data;
    QProcess* first = Start(data.path());
    QVERIFY(WaitRunning(first, data.path()));
    first->kill(); // SIGKILL: no chance to clean up
    QVERIFY(first->waitForFinished(10000));

    QProcess* next = Start(data.path());
    QVERIFY(next->waitForStarted(5000));
    QTest::qWait(2500);
    QCOMPARE(next->state(), QProcess::Running);
    QVERIFY(!QString::fromUtf8(next->readAllStandardOutput()).contains(QStringLiteral("running")));
    ::kill(pid_t(next->processId()), SIGTERM);
    QVERIFY(next->waitForFinished(15000));
    QCOMPARE(next->exitStatus(), QProcess::NormalExit);
    QCOMPARE(next->exitCode(), 0);
}

void TestStartupProcess::sigtermWritesBothFiles() {
    QTemporaryDir data;
    WriteBytes(data.filePath(QStringLiteral("system.dat")), SystemFileBytes({{"systemname", "Signal plant"},
                                                                             {"CommunicationType", "1"},
                                                                             {"IPAddress", "127.0.0.1"},
                                                                             {"IP_number", "9"}}));
    const QByteArray list = InverterRecord("East", "Roof", "Tivra PA5KS", 3, 1) +
                            InverterRecord("West", "Garage", "Tivra PA10KT", 4, 3);
    WriteBytes(data.filePath(QStringLiteral("inverter.dat")), list);

    QProcess* program = Start(data.path());
    QVERIFY(WaitRunning(program, data.path()));
    // Gone while the program runs: only its way out can bring them back.
    QVERIFY(QFile::remove(data.filePath(QStringLiteral("system.dat"))));
    QVERIFY(QFile::remove(data.filePath(QStringLiteral("inverter.dat"))));

    ::kill(pid_t(program->processId()), SIGTERM);
    QVERIFY(program->waitForFinished(15000));
    QCOMPARE(program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(program->exitCode(), 0);
    QCOMPARE(ReadBytes(data.filePath(QStringLiteral("inverter.dat"))), list);
    const QByteArray system = ReadBytes(data.filePath(QStringLiteral("system.dat")));
    QVERIFY(system.startsWith(QByteArray("systemname\x3F\x02\x3FSignal plant\x3F\x03\x3F")));
    QVERIFY(system.contains(QByteArray("IPAddress\x3F\x02\x3F"
                                       "127.0.0.1\x3F\x03\x3F")));
    QVERIFY(system.endsWith(QByteArray("\x3F\x03\x3F")));

    // SIGINT ends it the same way.
    QProcess* again = Start(data.path());
    QVERIFY(WaitRunning(again, data.path()));
    QFile::remove(data.filePath(QStringLiteral("inverter.dat")));
    ::kill(pid_t(again->processId()), SIGINT);
    QVERIFY(again->waitForFinished(15000));
    QCOMPARE(again->exitCode(), 0);
    QCOMPARE(ReadBytes(data.filePath(QStringLiteral("inverter.dat"))), list);
}

void TestStartupProcess::createsMissingDataDir() {
    QTemporaryDir parent;
    const QString data = parent.filePath(QStringLiteral("data"));
    QProcess* program = Start(data);
    QVERIFY(WaitRunning(program, data));
    QVERIFY(QFileInfo(data).isDir());
    ::kill(pid_t(program->processId()), SIGTERM);
    QVERIFY(program->waitForFinished(15000));
    QCOMPARE(program->exitCode(), 0);
    QVERIFY(QFileInfo::exists(QDir(data).filePath(QStringLiteral("system.dat"))));
}

void TestStartupProcess::unwritableDataDirIsNamed_data() {
    QTest::addColumn<QString>("below"); // what stands where the directory should be
    QTest::newRow("a file where the directory would be") << QStringLiteral("plain.txt");
    QTest::newRow("below a file") << QStringLiteral("plain.txt/data");
}

void TestStartupProcess::unwritableDataDirIsNamed() {
    QFETCH(QString, below);
    QTemporaryDir parent;
    QFile plain(parent.filePath(QStringLiteral("plain.txt")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString data = parent.filePath(below);
    QProcess* program = Start(data);
    QVERIFY(program->waitForFinished(15000));
    QCOMPARE(program->exitStatus(), QProcess::NormalExit);
    QVERIFY(program->exitCode() != 0);
    const QString said =
        QString::fromUtf8(program->readAllStandardError() + program->readAllStandardOutput());
    QVERIFY2(!said.contains(QStringLiteral("The application is running!")), qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral("The data directory cannot be written: ") + data),
             qPrintable(said));
}

QTEST_GUILESS_MAIN(TestStartupProcess)
#include "test_startup_process.moc"

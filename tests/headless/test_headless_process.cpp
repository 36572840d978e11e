// wattsight --headless against wattsight-sim, with no display at all, beside
// the window on the same simulated plant: the event lines, the one-copy rule
// both ways, a clean end on SIGTERM, and the files of the two compared.

#include "../link/SimProcess.h"
#include "ProgramProcess.h"

#include <QDirIterator>
#include <QtTest>

namespace {
QByteArray Entry(const QByteArray& key, const QByteArray& value) {
    return key + QByteArray("?\x02?", 3) + value + QByteArray("?\x03?", 3);
}

QByteArray Record(const QByteArray& name, const QByteArray& model, int address, int phases) {
    const QByteArray sep("?\x01?", 3);
    return name + sep + "South roof" + sep + model + sep + QByteArray::number(address) + sep +
           QByteArray::number(phases) + QByteArray("?\x02?", 3);
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file below a directory, by relative path (the lock is the program's, not data).
QStringList Files(const QString& dir) {
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files.append(QDir(dir).relativeFilePath(it.next()));
    }
    files.sort();
    return files;
}

const QByteArray kInverters =
    Record("Roof east", "Tivra PA5KS", 1, 1) + Record("Carport", "Tivra PA10KT", 3, 3);
} // namespace

class TestHeadlessProcess : public QObject {
    Q_OBJECT
    enum Rule { Same, SameSize, SameRecordHead, SameHeaderAndColumns };
    SimProcess m_Sim;
    QTemporaryDir m_LoggerDir;
    QTemporaryDir m_WindowDir;
    ProgramProcess m_Logger;
    ProgramProcess m_Window;

    void PreparePlant(const QString& dir) {
        QFile system(QDir(dir).filePath(QStringLiteral("system.dat")));
        QVERIFY(system.open(QIODevice::WriteOnly));
        system.write(Entry("systemname", "Sunridge") + Entry("CommunicationType", "1") +
                     Entry("IPAddress", "127.0.0.1") +
                     Entry("IP_number", QByteArray::number(m_Sim.TcpPort())));
        QFile inverters(QDir(dir).filePath(QStringLiteral("inverter.dat")));
        QVERIFY(inverters.open(QIODevice::WriteOnly));
        inverters.write(kInverters);
    }

private slots:
    void initTestCase() {
        QVERIFY(QFileInfo::exists(ProgramProcess::Binary()));
        // A simulated minute lasts five seconds: the fault of 12:00 begins some
        // five seconds after the start and ends five seconds later.
        const QString start =
            QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 11:59:00");
        QVERIFY(m_Sim.Start({"--tcp-port", "0", "--bind", "127.0.0.1", "--inverter", "1:Tivra PA5KS",
                             "--inverter", "3:Tivra PA10KT", "--seed", "7", "--start", start, "--time-scale",
                             "12", "--fault", "1:0:E006:12:00-12:01"}));
        PreparePlant(m_LoggerDir.path());
        PreparePlant(m_WindowDir.path());
    }

    // The logger starts without QT_QPA_PLATFORM and DISPLAY and never loads a
    // display platform; the window runs beside it on a data directory of its own.
    void loggerNeedsNoDisplay() {
        QVERIFY(m_Logger.Start(ProgramProcess::Logger, m_LoggerDir.path()));
        QVERIFY(m_Window.Start(ProgramProcess::Window, m_WindowDir.path()));
        QVERIFY2(m_Logger.WaitForLine(
                     QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d "
                                                       "Tivra Wattsight 2\\.4\\.5 without a window")),
                     10000),
                 qPrintable(m_Logger.Out() + m_Logger.Err()));
        const QString maps = m_Logger.Maps();
        QVERIFY(!maps.isEmpty());
        QVERIFY2(!maps.contains(QStringLiteral("/platforms/")), "a display platform plug-in was loaded");
        QVERIFY(!maps.contains(QStringLiteral("libQt6XcbQpa")));
    }

    // One copy per data directory, whichever kind came first, and each says who holds it.
    void oneCopyPerDataDirectory_data() {
        QTest::addColumn<bool>("asLogger");
        QTest::addColumn<bool>("ontoLogger");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("notice");

        QTest::newRow("window meets the logger") << false << true << 0 << "The headless logger (process";
        QTest::newRow("logger meets the logger") << true << true << 1 << "Another headless logger (process";
        QTest::newRow("logger meets the window")
            << true << false << 1 << "The window of Tivra Wattsight (process";
    }

    void oneCopyPerDataDirectory() {
        QFETCH(bool, asLogger);
        QFETCH(bool, ontoLogger);
        QFETCH(int, exitCode);
        QFETCH(QString, notice);
        // The holder must be past its own check.
        QTRY_VERIFY_WITH_TIMEOUT(
            QFileInfo::exists(QDir(ontoLogger ? m_LoggerDir.path() : m_WindowDir.path())
                                  .filePath(QStringLiteral(".Only_One_For_Tivra_Wattsight_2.lock"))),
            10000);
        const QString dir = ontoLogger ? m_LoggerDir.path() : m_WindowDir.path();
        ProgramProcess intruder;
        QVERIFY(intruder.Start(asLogger ? ProgramProcess::Logger : ProgramProcess::Window, dir));
        QVERIFY(intruder.Finish(15000));
        QCOMPARE(intruder.Process().exitCode(), exitCode);
        // The window prints its box without a display; the logger tells standard error.
        const QString said = asLogger ? intruder.Err() : intruder.Out();
        QVERIFY2(said.contains(QStringLiteral("The application is running!")), qPrintable(said));
        QVERIFY2(said.contains(notice), qPrintable(said));
        QVERIFY2(said.contains(QDir::toNativeSeparators(dir)), qPrintable(said));
        QCOMPARE((ontoLogger ? m_Logger : m_Window).Process().state(), QProcess::Running);
    }

    void eventLines_data() {
        QTest::addColumn<QString>("pattern");
        QTest::newRow("link up") << "link up: 127\\.0\\.0\\.1.*On-line!";
        QTest::newRow("first inverter in the plant")
            << "inverter 1 \"Roof east\": in the plant \\(Tivra PA5KS\\)$";
        QTest::newRow("first inverter online") << "inverter 1 \"Roof east\": online$";
        QTest::newRow("second inverter online") << "inverter 3 \"Carport\": online$";
        QTest::newRow("fault began") << "inverter 1 \"Roof east\": fault began E006 Over temperature$";
        QTest::newRow("fault ended") << "inverter 1 \"Roof east\": fault ended E006 Over temperature$";
    }

    void eventLines() {
        QFETCH(QString, pattern);
        const QRegularExpression line(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d ") +
                                      pattern);
        QVERIFY2(m_Logger.WaitForLine(line, 30000), qPrintable(m_Logger.Out() + m_Logger.Err()));
    }

    // SIGTERM ends both like a normal exit: the list and the settings written whole.
    void sigtermLeavesCompleteFiles() {
        // Both have seen the fault come and go before they stop.
        QTRY_COMPARE_WITH_TIMEOUT(QFileInfo(m_WindowDir.filePath(QStringLiteral("fault.dat"))).size(),
                                  qint64(233), 20000);
        QTest::qWait(3000);
        QVERIFY2(m_Logger.Terminate(), qPrintable(m_Logger.Out() + m_Logger.Err()));
        QVERIFY(m_Window.Terminate());
        const QStringList lines = m_Logger.Lines();
        QVERIFY(m_Logger.HasLine(QRegularExpression(QStringLiteral(" stopping: SIGTERM$"))));
        QVERIFY2(lines.last().endsWith(QStringLiteral(" stopped; inverter.dat and system.dat written")),
                 qPrintable(m_Logger.Out()));
        QVERIFY(m_Logger.Err().isEmpty());

        QCOMPARE(ReadAll(m_LoggerDir.filePath(QStringLiteral("inverter.dat"))), kInverters);
        const QByteArray system = ReadAll(m_LoggerDir.filePath(QStringLiteral("system.dat")));
        QCOMPARE(system, Entry("systemname", "Sunridge") + Entry("CommunicationType", "1") +
                             Entry("IPAddress", "127.0.0.1") +
                             Entry("IP_number", QByteArray::number(m_Sim.TcpPort())) +
                             Entry("language", "English"));
        QVERIFY(
            !QFileInfo::exists(m_LoggerDir.filePath(QStringLiteral(".Only_One_For_Tivra_Wattsight_2.lock"))));
    }

    // The same plant recorded by the logger and by the window gives the same files.
    void filesAreThoseOfTheWindow_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("rule");
        // Only the window's views keep the trend settings and the data sheets.
        QStringList logger = Files(m_LoggerDir.path());
        QStringList window = Files(m_WindowDir.path());
        window.removeAll(QStringLiteral("trendset.dat"));
        window.removeAll(QStringLiteral("specification.db"));
        QCOMPARE(logger, window);
        const QString day = QDate::currentDate().toString(QStringLiteral("yyyy/MM/yyyy_MM_dd"));
        const QString year = QString::number(QDate::currentDate().year());
        QTest::newRow("system.dat") << "system.dat" << int(Same);
        QTest::newRow("inverter.dat") << "inverter.dat" << int(Same);
        QTest::newRow("fault.dat") << "fault.dat" << int(SameRecordHead);
        QTest::newRow("total.dat") << "total.dat" << int(SameSize);
        for (const QString& name : {QStringLiteral("Roof east"), QStringLiteral("Carport")}) {
            QTest::newRow(qPrintable(name + QStringLiteral(" alarm.dat")))
                << name + QStringLiteral("/alarm.dat") << int(Same);
            QTest::newRow(qPrintable(name + QStringLiteral(" hour.dat")))
                << name + QStringLiteral("/hour.dat") << int(SameSize);
            QTest::newRow(qPrintable(name + QStringLiteral(" generation.dat")))
                << name + QLatin1Char('/') + year + QStringLiteral("/generation.dat") << int(SameSize);
            QTest::newRow(qPrintable(name + QStringLiteral(" day log")))
                << name + QLatin1Char('/') + day + QStringLiteral(".csv") << int(SameHeaderAndColumns);
        }
    }

    void filesAreThoseOfTheWindow() {
        QFETCH(QString, file);
        QFETCH(int, rule);
        const QByteArray logger = ReadAll(m_LoggerDir.filePath(file));
        const QByteArray window = ReadAll(m_WindowDir.filePath(file));
        if (file.endsWith(QStringLiteral("hour.dat")) && logger.isEmpty() && window.isEmpty() &&
            QTime::currentTime().hour() <= 1) {
            QSKIP("Recorded in the day's first hour, whose readings belong to no bar: no hour file.");
        }
        QVERIFY(!window.isEmpty());
        switch (rule) {
        case Same:
            QCOMPARE(logger, window);
            break;
        case SameSize:
            QCOMPARE(logger.size(), window.size());
            break;
        case SameRecordHead:
            // One record each, for the same inverter and fault code.
            QCOMPARE(logger.size(), window.size());
            QCOMPARE(logger.left(5), window.left(5));
            break;
        case SameHeaderAndColumns: {
            const QList<QByteArray> a = logger.split('\n');
            const QList<QByteArray> b = window.split('\n');
            QVERIFY(a.size() > 3 && b.size() > 3);
            QCOMPARE(a.mid(0, 2), b.mid(0, 2));
            // Every row of either has as many fields as the column line names.
            const int columns = int(b.at(1).count(','));
            for (const QByteArray& row : a.mid(2) + b.mid(2)) {
                if (!row.isEmpty() && !row.contains("Connected") && !row.contains("Communicate lost")) {
                    QCOMPARE(int(row.count(',')), columns);
                }
            }
            break;
        }
        }
    }
};

QTEST_GUILESS_MAIN(TestHeadlessProcess)
#include "test_headless_process.moc"

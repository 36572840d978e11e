// The logger's pieces without a plant on a bus: the command line, what a copy
// says when the data directory is taken, and the event lines.

#include "QEventPrinter.h"
#include "QInverter.h"
#include "QSystemModel.h"
#include "SingleInstance.h"
#include "StartupOptions.h"

#include <QBuffer>
#include <QtTest>

class TestHeadlessParts : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("headless");
        QTest::addColumn<QString>("dataDir");

        QTest::newRow("headless with a data directory")
            << QStringList{"wattsight", "--headless", "--data-dir", "/srv/plant"} << true << true
            << "/srv/plant";
        QTest::newRow("data directory first, with =")
            << QStringList{"wattsight", "--data-dir=/srv/plant", "--headless"} << true << true
            << "/srv/plant";
        QTest::newRow("the window") << QStringList{"wattsight"} << true << false << "";
        QTest::newRow("Qt's own options pass")
            << QStringList{"wattsight", "-platform", "offscreen", "-reverse"} << true << false << "";
        QTest::newRow("an unknown long option")
            << QStringList{"wattsight", "--headles"} << false << false << "";
        QTest::newRow("no directory after --data-dir")
            << QStringList{"wattsight", "--headless", "--data-dir"} << false << true << "";
    }

    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, ok);
        QFETCH(bool, headless);
        QFETCH(QString, dataDir);
        qunsetenv("WATTSIGHT_DATA_DIR");
        StartupOptions options;
        QCOMPARE(options.Parse(arguments), ok);
        QCOMPARE(options.Headless(), headless);
        if (ok) {
            QCOMPARE(options.DataDir(), dataDir);
        }
    }

    void holderKind_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("kind");
        QTest::newRow("window") << QStringList{"/usr/bin/wattsight"} << int(SingleInstance::WindowKind);
        QTest::newRow("window on a data directory")
            << QStringList{"wattsight", "--data-dir", "/srv/plant"} << int(SingleInstance::WindowKind);
        QTest::newRow("logger") << QStringList{"wattsight", "--data-dir", "/srv/plant", "--headless"}
                                << int(SingleInstance::LoggerKind);
        QTest::newRow("a program named --headless is no logger")
            << QStringList{"--headless"} << int(SingleInstance::WindowKind);
    }

    void holderKind() {
        QFETCH(QStringList, arguments);
        QFETCH(int, kind);
        QCOMPARE(int(SingleInstance::KindOf(arguments)), kind);
    }

    void runningNotice_data() {
        QTest::addColumn<int>("holder");
        QTest::addColumn<bool>("asLogger");
        QTest::addColumn<QString>("notice");
        const QString running = QStringLiteral("The application is running!");
        QTest::newRow("window meets a window: the notice as it always was")
            << int(SingleInstance::WindowKind) << false << running;
        QTest::newRow("window meets an unknown copy") << int(SingleInstance::UnknownKind) << false << running;
        QTest::newRow("window meets the logger")
            << int(SingleInstance::LoggerKind) << false
            << running +
                   "\n\nThe headless logger (process 42) is recording this plant in /srv/plant. Stop it "
                   "first (systemctl stop wattsight, when it runs as the service).";
        QTest::newRow("logger meets the window")
            << int(SingleInstance::WindowKind) << true
            << running +
                   " The window of Tivra Wattsight (process 42) has the data directory /srv/plant open: "
                   "close it before starting the headless logger.";
        QTest::newRow("logger meets a logger")
            << int(SingleInstance::LoggerKind) << true
            << running + " Another headless logger (process 42) is recording "
                         "the plant in /srv/plant.";
        QTest::newRow("logger meets an unknown copy")
            << int(SingleInstance::UnknownKind) << true
            << running + " Another copy (process 42) uses the data directory /srv/plant.";
    }

    void runningNotice() {
        QFETCH(int, holder);
        QFETCH(bool, asLogger);
        QFETCH(QString, notice);
        SingleInstance::Holder who;
        who.pid = 42;
        who.kind = SingleInstance::Kind(holder);
        QCOMPARE(SingleInstance::RunningNotice(who, QStringLiteral("/srv/plant"), asLogger), notice);
    }

    // Lines carry the time they happened; the analog device's state is told
    // once, when it joins; a failing file is not told again for ten minutes.
    void eventLines() {
        QDateTime now(QDate(2025, 6, 21), QTime(5, 4, 3));
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QSystemModel plant;
        QEventPrinter printer(plant, &out, [&now] { return now; });

        auto* roof = new QInverter;
        roof->SetName(QStringLiteral("Roof east"));
        roof->SetAddress(1);
        roof->SetModelName(QStringLiteral("Tivra PA5KS"));
        QVERIFY(plant.AddInverter(roof));
        printer.OnCommStateChanged(*roof, CommConnecting, CommOnline);
        printer.OnFaultBegan(*roof, 0, 0xE006);
        printer.OnFaultEnded(*roof, 0, 0x0123); // a code without a name
        printer.OnCommStateChanged(*roof, CommOnline, CommOffline);
        printer.OnCommStateChanged(*roof, CommOffline, CommOffline);
        printer.OnFileError(QStringLiteral("/srv/plant/fault.dat"),
                            QStringLiteral("No space left on device"));
        now = now.addSecs(QEventPrinter::FileErrorRepeatSecs - 1);
        printer.OnFileError(QStringLiteral("/srv/plant/fault.dat"),
                            QStringLiteral("No space left on device"));
        now = now.addSecs(1);
        printer.OnFileError(QStringLiteral("/srv/plant/fault.dat"),
                            QStringLiteral("No space left on device"));

        QCOMPARE(QString::fromUtf8(out.data()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                 QStringList({
                     "2025-06-21 05:04:03 inverter 1 \"Roof east\": in the plant (Tivra PA5KS)",
                     "2025-06-21 05:04:03 inverter 1 \"Roof east\": online",
                     "2025-06-21 05:04:03 inverter 1 \"Roof east\": fault began E006 Over temperature",
                     "2025-06-21 05:04:03 inverter 1 \"Roof east\": fault ended 0123",
                     "2025-06-21 05:04:03 inverter 1 \"Roof east\": offline",
                     "2025-06-21 05:04:03 file error: /srv/plant/fault.dat: No space left on device",
                     "2025-06-21 05:14:03 file error: /srv/plant/fault.dat: No space left on device",
                 }));
    }
};

QTEST_GUILESS_MAIN(TestHeadlessParts)
#include "test_headless_parts.moc"

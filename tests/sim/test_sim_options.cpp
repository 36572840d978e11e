// The simulator's command line and plant file, read in process.

#include "SimOptions.h"

#include <QTemporaryDir>
#include <QtTest>

class TestSimOptions : public QObject {
    Q_OBJECT

private slots:
    void defaultPlantIsAMixOfThree();
    void plantFileWithCommentsAndBlankLines();
    void plantFileErrorsNameTheLine();
    void faultWindows();
    void valuesWithEqualsSign();
    void refusedRegisters_data();
    void refusedRegisters();

private:
    static QString WriteFile(const QTemporaryDir& dir, const QByteArray& content) {
        const QString path = dir.filePath(QStringLiteral("plant.txt"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return path;
    }
};

void TestSimOptions::defaultPlantIsAMixOfThree() {
    SimOptions options;
    QString error;
    QCOMPARE(SimOptions::Parse({"--tcp-port", "5020"}, &options, &error), SimOptions::Outcome::Run);
    QCOMPARE(options.inverters.size(), 3);
    QCOMPARE(options.inverters[0].address, 1);
    QVERIFY(options.inverters[0].model.contains(QLatin1String("Box")));
    QVERIFY(options.inverters[1].model != options.inverters[2].model);
    QCOMPARE(options.tcpPort, 5020);
    QCOMPARE(options.timeScale, 1.0);
    QVERIFY(!options.seedGiven);
    QCOMPARE(SimOptions::Parse({"--inverters", "12", "--serial", "/dev/null"}, &options, &error),
             SimOptions::Outcome::Run);
    QCOMPARE(options.inverters.size(), 12);
    QCOMPARE(options.inverters.last().address, 12);
}

void TestSimOptions::plantFileWithCommentsAndBlankLines() {
    QTemporaryDir dir;
    const QString path = WriteFile(dir, "# roof\n\n  3   Tivra PA10KT & Box  # east\n7 Tivra PM3KS\r\n");
    SimOptions options;
    QString error;
    QCOMPARE(SimOptions::Parse({"--config", path, "--inverter", "9:Tivra PE5KS", "--gprs", "host:10000"},
                               &options, &error),
             SimOptions::Outcome::Run);
    QCOMPARE(options.inverters.size(), 3);
    QCOMPARE(options.inverters[0].address, 3);
    QCOMPARE(options.inverters[0].model, QStringLiteral("Tivra PA10KT & Box"));
    QCOMPARE(options.inverters[1].model, QStringLiteral("Tivra PM3KS"));
    QCOMPARE(options.inverters[2].address, 9);
    QCOMPARE(options.gprsHost, QStringLiteral("host"));
    QCOMPARE(options.gprsPort, 10000);
}

void TestSimOptions::plantFileErrorsNameTheLine() {
    QTemporaryDir dir;
    SimOptions options;
    QString error;
    QString path = WriteFile(dir, "1 Tivra PA5KS\n248 Tivra PA5KS\n");
    QCOMPARE(SimOptions::Parse({"--config", path, "--tcp-port", "0"}, &options, &error),
             SimOptions::Outcome::Error);
    QVERIFY2(error.contains(QLatin1String("line 2")), qPrintable(error));
    path = WriteFile(dir, "1\n");
    QCOMPARE(SimOptions::Parse({"--config", path, "--tcp-port", "0"}, &options, &error),
             SimOptions::Outcome::Error);
    QVERIFY2(error.contains(QLatin1String("line 1")), qPrintable(error));
    path = WriteFile(dir, "1 " + QByteArray(40, 'X') + "\n");
    QCOMPARE(SimOptions::Parse({"--config", path, "--tcp-port", "0"}, &options, &error),
             SimOptions::Outcome::Error);
    path = WriteFile(dir, "1 Tivra PA5KS\n1 Tivra PM3KS\n");
    QCOMPARE(SimOptions::Parse({"--config", path, "--tcp-port", "0"}, &options, &error),
             SimOptions::Outcome::Error);
    QVERIFY2(error.contains(QLatin1String("address 1")), qPrintable(error));
}

void TestSimOptions::faultWindows() {
    ScheduledFault fault;
    QString error;
    QVERIFY(ScheduledFault::Parse("12:7:e012:22:30-01:15", &fault, &error));
    QCOMPARE(fault.address, 12);
    QCOMPARE(fault.word, 7);
    QCOMPARE(fault.code, quint16(0xE012));
    QVERIFY(fault.IsActiveAt(22 * 60 + 30));
    QVERIFY(fault.IsActiveAt(0));
    QVERIFY(!fault.IsActiveAt(75));
    QVERIFY(!fault.IsActiveAt(12 * 60));
    QVERIFY(ScheduledFault::Parse("1:0:0xA003:08:00-24:00", &fault, &error));
    QVERIFY(fault.IsActiveAt(1439) && !fault.IsActiveAt(479));
    for (const char* bad :
         {"1:0:E006:10:00", "1:8:E006:10:00-11:00", "248:0:E006:10:00-11:00", "1:0:0:10:00-11:00",
          "1:0:E006:10:00-10:00", "1:0:E006:25:00-26:00", "1:0:G006:10:00-11:00", ""}) {
        QVERIFY2(!ScheduledFault::Parse(QString::fromLatin1(bad), &fault, &error), bad);
        QVERIFY(!error.isEmpty());
    }
}

void TestSimOptions::valuesWithEqualsSign() {
    SimOptions options;
    QString error;
    QCOMPARE(SimOptions::Parse(
                 {"--tcp-port=0", "--seed=77", "--late-rate=0.25", "--late-ms=200", "--split", "--baud=9600"},
                 &options, &error),
             SimOptions::Outcome::Run);
    QCOMPARE(options.seed, quint32(77));
    QVERIFY(options.seedGiven);
    QCOMPARE(options.lateRate, 0.25);
    QCOMPARE(options.lateMs, 200);
    QVERIFY(options.split);
    QCOMPARE(options.baud, 9600);
    QCOMPARE(SimOptions::Parse({"--tcp-port=0", "--split=yes"}, &options, &error),
             SimOptions::Outcome::Error);
    QCOMPARE(SimOptions::Parse({"--help", "--bogus"}, &options, &error), SimOptions::Outcome::Help);
}

void TestSimOptions::refusedRegisters_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("statistics") << "1:16F2-1747" << true << 0x16F2 << 0x1747;
    QTest::newRow("one register") << "1:1670-1670" << true << 0x1670 << 0x1670;
    QTest::newRow("lower case") << "1:16f2-16fa" << true << 0x16F2 << 0x16FA;
    QTest::newRow("reversed") << "1:1747-16F2" << false << 0 << 0;
    QTest::newRow("no range") << "1:16F2" << false << 0 << 0;
    QTest::newRow("not hexadecimal") << "1:16G2-1747" << false << 0 << 0;
    QTest::newRow("no such inverter") << "9:16F2-1747" << false << 0 << 0;
}

void TestSimOptions::refusedRegisters() {
    QFETCH(QString, value);
    QFETCH(bool, accepted);
    QFETCH(int, first);
    QFETCH(int, last);
    SimOptions options;
    QString error;
    const auto outcome = SimOptions::Parse(
        {"--inverter", "1:Tivra PA5KS", "--tcp-port", "0", "--refuse", value}, &options, &error);
    QCOMPARE(outcome == SimOptions::Outcome::Run, accepted);
    if (accepted) {
        QCOMPARE(options.refused.size(), 1);
        QCOMPARE(options.refused[0].first, first);
        QCOMPARE(options.refused[0].last, last);
        QVERIFY(options.refused[0].Overlaps(1, first - 3, 4));
        QVERIFY(!options.refused[0].Overlaps(1, last + 1, 4));
        QVERIFY(!options.refused[0].Overlaps(2, first, 1));
    }
}

QTEST_GUILESS_MAIN(TestSimOptions)
#include "test_sim_options.moc"

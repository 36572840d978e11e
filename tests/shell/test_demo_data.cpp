#include "QInverter.h"
#include "QInverterListFile.h"
#include "QSystemFile.h"
#include "QSystemModel.h"
#include "ShellTestSupport.h"

#include <QProcess>
#include <QtTest>

// scripts/demo's preparation step: the files it writes for a simulator port, in
// the documented byte layouts, and what the program makes of them.
class TestDemoData : public QObject {
    Q_OBJECT
private slots:
    void preparesTheDemoPlant();
    void keepsEarlierChangesAndFollowsThePort();

private:
    static bool Prepare(const QString& dir, int port);
};

bool TestDemoData::Prepare(const QString& dir, int port) {
    QProcess demo;
    demo.start(qEnvironmentVariable("WATTSIGHT_SOURCE_DIR") + QStringLiteral("/scripts/demo"),
               {QStringLiteral("--prepare"), dir, QStringLiteral("--port"), QString::number(port)});
    return demo.waitForFinished(30000) && demo.exitStatus() == QProcess::NormalExit && demo.exitCode() == 0;
}

void TestDemoData::preparesTheDemoPlant() {
    QTemporaryDir root;
    const QString dir = root.filePath(QStringLiteral("demo-data"));
    QVERIFY(Prepare(dir, 4321));

    const QByteArray expectedList =
        InverterRecord("Roof east", "South roof, east half", "Tivra PA5KS", 1, 1) +
        InverterRecord("Roof west", "South roof, west half", "Tivra PM3KS", 2, 1) +
        InverterRecord("Carport", "Carport, row B", "Tivra PA10KT", 3, 3) +
        InverterRecord("Field box", "Ground mount with combiner box", "Tivra PA10KT & Box", 4, 3) +
        InverterRecord("Analog signal", "Test bench", "Tivra PA5KS", 255, 1);
    QCOMPARE(ReadBytes(dir + QStringLiteral("/inverter.dat")), expectedList);
    QCOMPARE(ReadBytes(dir + QStringLiteral("/system.dat")),
             SystemFileBytes({{"systemname", "Sunridge demo plant"},
                              {"City", "Lecce"},
                              {"Country", "Italy"},
                              {"price", "68"},
                              {"CurrencyUnit", "EUR"},
                              {"language", "English"},
                              {"CommunicationType", "1"},
                              {"IPAddress", "127.0.0.1"},
                              {"IP_number", "4321"}}));
    const QByteArray analog = ReadBytes(dir + QStringLiteral("/analog.db"));
    QVERIFY(analog.size() > 1000);
    QCOMPARE(analog, ReadBytes(qEnvironmentVariable("WATTSIGHT_SOURCE_DIR") +
                               QStringLiteral("/app/resources/analog.db")));

    // What the program reads from them.
    DataPaths::SetDataDir(dir);
    QSystemModel plant;
    QSystemFile file;
    plant.Settings().SetStore(&file);
    QVERIFY(plant.LoadSystemFile());
    QCOMPARE(plant.Settings().CommunicationType(), 1);
    QCOMPARE(plant.Settings().IPAddress(), QStringLiteral("127.0.0.1"));
    QCOMPARE(plant.Settings().IPNumber(), 4321);
    QVERIFY(QInverterListFile::LoadInverterFile(plant));
    QCOMPARE(plant.InverterCount(), 5);
    int three = 0;
    for (const QInverter* inverter : plant.Inverters()) {
        three += inverter->PhaseCount() == 3 ? 1 : 0;
    }
    QCOMPARE(three, 2);
    QVERIFY(plant.FindByAddress(4)->IsBox());
    QVERIFY(plant.FindByAddress(255)->IsAnalog());
    QCOMPARE(plant.FindByAddress(2)->PictureCode(), 5);
    DataPaths::SetDataDir(QString());
}

void TestDemoData::keepsEarlierChangesAndFollowsThePort() {
    QTemporaryDir root;
    const QString dir = root.filePath(QStringLiteral("demo-data"));
    QVERIFY(Prepare(dir, 4321));
    // The program rewrote the settings with a changed price and a plant of one.
    const QByteArray changed = SystemFileBytes({{"systemname", "Sunridge demo plant"},
                                                {"price", "75"},
                                                {"CommunicationType", "1"},
                                                {"IPAddress", "127.0.0.1"},
                                                {"IP_number", "4321"},
                                                {"GPRS_Number", ""}});
    QVERIFY(WriteBytes(dir + QStringLiteral("/system.dat"), changed));
    const QByteArray one = InverterRecord("Roof east", "", "Tivra PA5KS", 1, 1);
    QVERIFY(WriteBytes(dir + QStringLiteral("/inverter.dat"), one));

    QVERIFY(Prepare(dir, 5555));
    QCOMPARE(ReadBytes(dir + QStringLiteral("/inverter.dat")), one);
    QCOMPARE(ReadBytes(dir + QStringLiteral("/system.dat")),
             SystemFileBytes({{"systemname", "Sunridge demo plant"},
                              {"price", "75"},
                              {"GPRS_Number", ""},
                              {"CommunicationType", "1"},
                              {"IPAddress", "127.0.0.1"},
                              {"IP_number", "5555"}}));
}

QTEST_GUILESS_MAIN(TestDemoData)
#include "test_demo_data.moc"

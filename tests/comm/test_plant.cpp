// Inverters joining and leaving the plant, and what the plant tells about them.

#include "InverterTestSupport.h"

#include "../common/RecordedPlant.h"
#include "DataPaths.h"
#include "QEventLog.h"
#include "QInverter.h"
#include "QMissionList.h"
#include "QSystemModel.h"
#include "SystemClock.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace testsupport;

namespace {
QInverter* Make(const QString& name, int address) {
    auto* inverter = new QInverter;
    inverter->SetAddress(address);
    inverter->SetName(name);
    return inverter;
}

// alarm.dat of an inverter as a restart finds it: code in the given slot.
void SeedAlarm(const QString& name, int slot, quint16 code) {
    QVERIFY(QDir().mkpath(DataPaths::InverterDir(name)));
    QByteArray bytes(16, '\0');
    bytes[2 * slot] = char(code & 0xFF);
    bytes[2 * slot + 1] = char(code >> 8);
    QFile alarm(DataPaths::InverterDir(name) + QStringLiteral("/alarm.dat"));
    QVERIFY(alarm.open(QIODevice::WriteOnly));
    alarm.write(bytes);
}
} // namespace

class TestPlant : public QObject {
    Q_OBJECT
    QTemporaryDir m_Dir;

private slots:
    void initTestCase() {
        QVERIFY(m_Dir.isValid());
        DataPaths::SetDataDir(m_Dir.path());
    }
    void init() { SystemClock::SetFixed(QDateTime(QDate(2026, 6, 15), QTime(10, 0))); }
    void cleanupTestCase() { SystemClock::UseSystem(); }

    void joiningThePlant() {
        QSystemModel plant;
        QList<QInverter*> added;
        plant.SetInverterAddedHandler([&added](QInverter* inverter) { added.append(inverter); });
        QInverter* a = Make(QStringLiteral("A"), 1);
        QVERIFY(plant.AddInverter(a));
        QCOMPARE(plant.InverterCount(), 1);
        QCOMPARE(plant.Inverter(0), a);
        QCOMPARE(added, QList<QInverter*>({a}));
        QVERIFY(a->MissionList().IsEnabled());
        QCOMPARE(a->MissionList().FastPeriod(), 1000);
        QCOMPARE(plant.MissionLists(), QList<QMissionList*>({&a->MissionList()}));
        QVERIFY(LinesSince(*a, 0).contains(QStringLiteral("   Inverter add to the system!")));
        // Its polls are now on offer to the scheduler.
        QMissionModel* next = plant.NextMission();
        QVERIFY(next);
        QCOMPARE(next->Owner(), &a->MissionList());
        QCOMPARE(plant.Inverter(5), nullptr);
    }

    void duplicatesAreRefused() {
        QSystemModel plant;
        int calls = 0;
        plant.SetInverterAddedHandler([&calls](QInverter*) { ++calls; });
        QVERIFY(plant.AddInverter(Make(QStringLiteral("A"), 1)));
        QVERIFY(plant.AddInverter(Make(QStringLiteral("B"), 2)));
        QCOMPARE(calls, 2);

        QInverter sameName;
        sameName.SetAddress(3);
        sameName.SetName(QStringLiteral("A"));
        QVERIFY(!plant.AddInverter(&sameName));
        QInverter sameAddress;
        sameAddress.SetAddress(2);
        sameAddress.SetName(QStringLiteral("C"));
        QVERIFY(!plant.AddInverter(&sameAddress));
        QVERIFY(!plant.AddInverter(plant.Inverter(0))); // already in
        QVERIFY(!plant.AddInverter(nullptr));
        QCOMPARE(calls, 2);
        QCOMPARE(plant.InverterCount(), 2);
        QCOMPARE(plant.MissionLists().size(), 2);
        QVERIFY(!sameName.MissionList().IsEnabled());
        QVERIFY(sameName.EventLog().Lines().isEmpty());

        // Empty names do not clash with each other; their addresses still must differ.
        auto* unnamed1 = new QInverter;
        unnamed1->SetAddress(7);
        auto* unnamed2 = new QInverter;
        unnamed2->SetAddress(8);
        QVERIFY(plant.AddInverter(unnamed1));
        QVERIFY(plant.AddInverter(unnamed2));
        QCOMPARE(plant.InverterCount(), 4);
    }

    void analogDeviceStaysOffTheBus() {
        QSystemModel plant;
        QInverter* analog = Make(QStringLiteral("Analog signal"), 255);
        QVERIFY(plant.AddInverter(analog));
        QVERIFY(!analog->MissionList().IsEnabled());
        QVERIFY(plant.MissionLists().isEmpty());
        QCOMPARE(plant.NextMission(), nullptr);
        // A second device at 255 is refused for its address.
        QInverter second;
        second.SetAddress(255);
        second.SetName(QStringLiteral("Analog 2"));
        QVERIFY(!plant.AddInverter(&second));
    }

    void findingInverters() {
        QSystemModel plant;
        RecordingEntry entryB;
        QInverter* a = Make(QStringLiteral("A"), 1);
        QInverter* b = Make(QStringLiteral("B"), 2);
        b->SetTreeEntry(&entryB);
        plant.AddInverter(a);
        plant.AddInverter(b);
        QCOMPARE(plant.FindByName(QStringLiteral("B")), b);
        QCOMPARE(plant.FindByName(QStringLiteral("b")), nullptr);
        QCOMPARE(plant.FindByAddress(1), a);
        QCOMPARE(plant.FindByAddress(3), nullptr);
        QCOMPARE(plant.FindByTreeEntry(&entryB), b);
        QCOMPARE(plant.FindByTreeEntry(nullptr), nullptr);
        RecordingEntry other;
        QCOMPARE(plant.FindByTreeEntry(&other), nullptr);
        b->SetTreeEntry(nullptr);
    }

    void activeFaultAnywhere() {
        QSystemModel plant;
        QInverter* a = Make(QStringLiteral("A"), 1);
        QInverter* b = Make(QStringLiteral("B"), 2);
        plant.AddInverter(a);
        plant.AddInverter(b);
        QVERIFY(!plant.HasActiveFault());
        // A status reply with a known fault word in the third slot of B, through the plant's handler.
        QMissionModel* status = FindMission(*b, 12);
        QVERIFY(Feed(*status, ReadReply(*status, {{0x1672, 0xE006}, {0x167C, 4}})));
        b->MissionList().FinishMission(status);
        QVERIFY(plant.HasActiveFault());
        QVERIFY(Feed(*status, ReadReply(*status, {{0x167C, 2}})));
        b->MissionList().FinishMission(status);
        QVERIFY(!plant.HasActiveFault());
    }

    void sumsCountWhatCommunicates_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<QDateTime>("readAt"); // when the inverter last answered
        QTest::addColumn<qint64>("power");
        QTest::addColumn<qint64>("today");
        const QDateTime morning(QDate(2026, 6, 15), QTime(9, 0));
        const QDateTime yesterday(QDate(2026, 6, 14), QTime(18, 0));
        QTest::newRow("online") << int(CommOnline) << morning << qint64(3000) << qint64(1200);
        QTest::newRow("connecting") << int(CommConnecting) << morning << qint64(0) << qint64(1200);
        QTest::newRow("offline since the morning")
            << int(CommOffline) << morning << qint64(0) << qint64(1200);
        QTest::newRow("offline since yesterday") << int(CommOffline) << yesterday << qint64(0) << qint64(0);
        QTest::newRow("online, not read since yesterday")
            << int(CommOnline) << yesterday << qint64(3000) << qint64(0);
    }
    void sumsCountWhatCommunicates() {
        QFETCH(int, state);
        QFETCH(QDateTime, readAt);
        QSystemModel plant;
        QInverter* a = Make(QStringLiteral("A"), 1);
        plant.AddInverter(a);
        SystemClock::SetFixed(readAt);
        a->SetCommState(CommOnline);
        a->SetItem(InputPower, 3000);
        a->SetItem(OutputPower, 2900);
        a->SetItem(TodayEnergy, 1200);
        a->SetItem(TotalEnergy, 500000);
        a->SetCommState(state);
        SystemClock::SetFixed(QDateTime(QDate(2026, 6, 15), QTime(10, 0)));
        const QPlantSums sums = plant.PlantSums();
        QTEST(sums.m_nInput, "power");
        QCOMPARE(sums.m_nOutput, sums.m_nInput == 0 ? 0 : 2900);
        QTEST(sums.m_nToday, "today");
        QCOMPARE(sums.m_nTotal, qint64(500000)); // the totals stay
    }

    void leavingThePlant() {
        RecordedPlant recorded;
        QSystemModel& plant = recorded.plant;
        SeedAlarm(QStringLiteral("Leaving"), 2, 0xA003);
        QInverter* a = Make(QStringLiteral("Leaving"), 1);
        QInverter* b = Make(QStringLiteral("Staying"), 2);
        plant.AddInverter(a);
        plant.AddInverter(b);
        QEventLog::SetCurrentInverter(a);
        QList<QInverter*> removed;
        plant.SetInverterRemovedHandler([&](QInverter* inverter) {
            // Still whole, already out of the plant.
            QCOMPARE(inverter->Name(), QStringLiteral("Leaving"));
            QVERIFY(!plant.Inverters().contains(inverter));
            removed.append(inverter);
        });
        QFile::remove(DataPaths::InverterDir(QStringLiteral("Leaving")) + QStringLiteral("/alarm.dat"));
        plant.RemoveInverter(a);
        QCOMPARE(removed, QList<QInverter*>({a}));
        QCOMPARE(plant.InverterCount(), 1);
        QCOMPARE(plant.Inverter(0), b);
        QCOMPARE(plant.MissionLists(), QList<QMissionList*>({&b->MissionList()}));
        QCOMPARE(QEventLog::CurrentInverter(), nullptr);
        // The removed inverter was destroyed and kept its alarm slots.
        QFile alarm(DataPaths::InverterDir(QStringLiteral("Leaving")) + QStringLiteral("/alarm.dat"));
        QVERIFY(alarm.open(QIODevice::ReadOnly));
        QCOMPARE(alarm.readAll().mid(4, 2), QByteArray("\x03\xA0", 2));
        // Its address and name are free again.
        QVERIFY(plant.AddInverter(Make(QStringLiteral("Leaving"), 1)));
        // Removing something that is not in the plant changes nothing.
        QInverter stranger;
        plant.RemoveInverter(&stranger);
        plant.RemoveInverter(nullptr);
        QCOMPARE(plant.InverterCount(), 2);
    }

    void plantDeletesItsInverters() {
        SeedAlarm(QStringLiteral("Owned"), 0, 0xE001);
        {
            RecordedPlant recorded;
            QInverter* owned = Make(QStringLiteral("Owned"), 4);
            recorded.plant.AddInverter(owned);
            QEventLog::SetCurrentInverter(owned);
            QFile::remove(DataPaths::InverterDir(QStringLiteral("Owned")) + QStringLiteral("/alarm.dat"));
        }
        QCOMPARE(QEventLog::CurrentInverter(), nullptr);
        QFile alarm(DataPaths::InverterDir(QStringLiteral("Owned")) + QStringLiteral("/alarm.dat"));
        QVERIFY(alarm.open(QIODevice::ReadOnly));
        QCOMPARE(alarm.readAll().left(2), QByteArray("\x01\xE0", 2));
    }
};

QTEST_GUILESS_MAIN(TestPlant)
#include "test_plant.moc"

// The bus search without a window: which ranges it takes, how probes follow
// one another through the plant's search slot, and what an answer says.

#include "DataPaths.h"
#include "InverterTestSupport.h"
#include "QInverter.h"
#include "QInverterSearch.h"
#include "QMissionModel.h"
#include "QSystemModel.h"
#include "SystemClock.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace testsupport;

class TestInverterSearch : public QObject {
    Q_OBJECT
    QTemporaryDir m_Dir;

private slots:
    void initTestCase() { DataPaths::SetDataDir(m_Dir.path()); }
    void init() { SystemClock::SetFixed(QDateTime(QDate(2026, 6, 15), QTime(10, 0))); }
    void cleanupTestCase() { SystemClock::UseSystem(); }

    void ranges_data();
    void ranges();
    void probesOneAddressAfterAnother();
    void probeGoesBeforeDuePolls();
    void restartWaitsForTheOutstandingProbe();
    void modelText_data();
    void modelText();
    void waitingProbeLeavesWithTheSearch();
};

void TestInverterSearch::ranges_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<bool>("taken");
    QTest::newRow("start equals end") << 5 << 5 << false;
    QTest::newRow("two addresses") << 5 << 6 << true;
    QTest::newRow("start after end") << 6 << 5 << false;
    QTest::newRow("address 0") << 0 << 5 << false;
    QTest::newRow("the whole bus") << 1 << 247 << true;
    QTest::newRow("past the last address") << 1 << 248 << false;
}

void TestInverterSearch::ranges() {
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(bool, taken);
    QSystemModel plant;
    QInverterSearch search(&plant);
    QCOMPARE(search.Start(start, end), taken);
    QCOMPARE(search.IsRunning(), taken);
    QCOMPARE(search.Tick(), taken ? QInverterSearch::Probing : QInverterSearch::Nothing);
}

void TestInverterSearch::probesOneAddressAfterAnother() {
    QSystemModel plant;
    QInverterSearch search(&plant);
    QVERIFY(search.Start(5, 6));

    QCOMPARE(search.Tick(), QInverterSearch::Probing);
    QCOMPARE(search.Address(), 5);
    QMissionModel* first = plant.SearchMission();
    QVERIFY(first);
    QCOMPARE(first->Code(), int(MissionCodeSearch));
    QCOMPARE(first->Address(), 5);
    QCOMPARE(first->Register(), 0x121C);
    QCOMPARE(first->RegisterCount(), 20);
    // The slot's probe is on the bus now; the next waits for its answer.
    QCOMPARE(plant.NextMission(), first);
    QCOMPARE(search.Tick(), QInverterSearch::Nothing);

    QCOMPARE(search.OnProbeDone(nullptr), QInverterSearch::TimedOut);
    QCOMPARE(search.Address(), 5);
    delete first;
    // 200 ms pause after a result.
    SystemClock::Advance(200);
    QCOMPARE(search.Tick(), QInverterSearch::Nothing);
    SystemClock::Advance(1);
    QCOMPARE(search.Tick(), QInverterSearch::Probing);
    QMissionModel* second = plant.NextMission();
    QCOMPARE(second->Address(), 6);

    QCOMPARE(search.OnProbeDone(second), QInverterSearch::Found);
    QCOMPARE(search.Address(), 6);
    delete second;
    SystemClock::Advance(201);
    QCOMPARE(search.Tick(), QInverterSearch::Finished);
    QVERIFY(!search.IsRunning());
    QVERIFY(!plant.SearchMission());
}

void TestInverterSearch::probeGoesBeforeDuePolls() {
    QSystemModel plant;
    auto* inverter = new QInverter;
    inverter->SetAddress(3);
    inverter->SetName(QStringLiteral("Roof"));
    QVERIFY(plant.AddInverter(inverter));
    SystemClock::Advance(120000); // every poll of the inverter is due

    QInverterSearch search(&plant);
    QVERIFY(search.Start(1, 2));
    QCOMPARE(search.Tick(), QInverterSearch::Probing);
    QMissionModel* next = plant.NextMission();
    QCOMPARE(next->Code(), int(MissionCodeSearch));
    search.OnProbeDone(nullptr);
    delete next;
    QMissionModel* poll = plant.NextMission();
    QVERIFY(poll);
    QCOMPARE(poll->Address(), 3);
}

void TestInverterSearch::restartWaitsForTheOutstandingProbe() {
    QSystemModel plant;
    QInverterSearch search(&plant);
    QVERIFY(search.Start(17, 20));
    QCOMPARE(search.Tick(), QInverterSearch::Probing);
    QMissionModel* old = plant.NextMission();

    // Stopped and started again while the probe to 17 is on the bus: no second
    // probe goes out beside it, and its answer is not taken for address 1.
    search.Stop();
    QVERIFY(search.Start(1, 3));
    QCOMPARE(search.Tick(), QInverterSearch::Nothing);
    QVERIFY(!plant.SearchMission());
    QCOMPARE(search.OnProbeDone(old), QInverterSearch::Nothing);
    delete old;
    SystemClock::Advance(201);
    QCOMPARE(search.Tick(), QInverterSearch::Probing);
    QCOMPARE(search.Address(), 1);
    QCOMPARE(plant.SearchMission()->Address(), 1);

    // An answer that is not the outstanding probe's changes nothing.
    QMissionModel stranger;
    QCOMPARE(search.OnProbeDone(&stranger), QInverterSearch::Nothing);
    QVERIFY(search.IsProbeOut());
}

void TestInverterSearch::modelText_data() {
    QTest::addColumn<QByteArray>("reply"); // data bytes of a read reply, or "error"
    QTest::addColumn<QString>("model");
    QTest::newRow("zero-terminated") << QByteArray("Tivra PA10KT\0garbage", 20) << "Tivra PA10KT";
    QTest::newRow("all 40 bytes") << QByteArray(40, 'X') << QString(40, QLatin1Char('X'));
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("error reply: the address answered") << QByteArray("error") << "";
}

void TestInverterSearch::modelText() {
    QFETCH(QByteArray, reply);
    QFETCH(QString, model);
    QSystemModel plant;
    QInverterSearch search(&plant);
    QVERIFY(search.Start(7, 8));
    search.Tick();
    QMissionModel* probe = plant.NextMission();
    const QByteArray frame = reply == "error" ? ErrorReply(*probe, 0x03, 2) : ReadReplyBytes(*probe, reply);
    QVERIFY(Feed(*probe, frame));
    QCOMPARE(search.OnProbeDone(probe), QInverterSearch::Found);
    QCOMPARE(search.Address(), 7);
    QCOMPARE(search.ModelText(), model);
    delete probe;
}

void TestInverterSearch::waitingProbeLeavesWithTheSearch() {
    QSystemModel plant;
    {
        QInverterSearch search(&plant);
        QVERIFY(search.Start(1, 9));
        search.Tick();
        QVERIFY(plant.SearchMission());
    }
    // Not sent later on nobody's behalf.
    QVERIFY(!plant.SearchMission());
}

QTEST_GUILESS_MAIN(TestInverterSearch)
#include "test_inverter_search.moc"

#include "QMissionList.h"
#include "QMissionModel.h"
#include "QSystemModel.h"
#include "SystemClock.h"

#include <QtTest>

namespace {
QDateTime At(int h, int m, int s, int ms = 0) {
    return QDateTime(QDate(2026, 6, 15), QTime(h, m, s, ms));
}

// A built mission with a given kind, period and last send time.
QMissionModel* Mission(int kind, int code, int period = 2000, QTime last = QTime(0, 0)) {
    auto* m = new QMissionModel;
    m->BuildFrame(0x1600, 1, 2, kind);
    m->SetCode(code);
    if (period != m->Period()) {
        m->SetPeriod(period);
    }
    m->SetLastTime(last);
    return m;
}
} // namespace

class TestMissions : public QObject {
    Q_OBJECT
private slots:
    void init() { SystemClock::SetFixed(At(12, 0, 0)); }
    void cleanup() { SystemClock::UseSystem(); }

    void dueOnlyAfterMoreThanAPeriod() {
        QMissionModel m;
        m.BuildFrame(0x1600, 1, 2, MissionPollRead);
        m.SetLastTime(QTime(11, 59, 58));
        QVERIFY(!m.IsDue()); // exactly 2000 ms
        SystemClock::Advance(1);
        QVERIFY(m.IsDue());
        m.SetBusy(true);
        QVERIFY(!m.IsDue());
    }

    void dueAgainJustAfterMidnight() {
        SystemClock::SetFixed(At(23, 59, 59, 500));
        QMissionModel m;
        m.BuildFrame(0x1600, 1, 2, MissionPollRead);
        m.SetLastTime(SystemClock::CurrentTime());
        SystemClock::SetFixed(QDateTime(QDate(2026, 6, 16), QTime(0, 0, 1, 500)));
        QVERIFY(!m.IsDue());
        SystemClock::Advance(1);
        QVERIFY(m.IsDue());
    }

    void oneHourPollBuiltAt0030WaitsUntil0100() {
        SystemClock::SetFixed(At(0, 30, 0));
        QMissionModel m;
        m.BuildFrame(0x1306, 1, 16, MissionPollRead);
        m.SetPeriod(3600000);
        QVERIFY(!m.IsDue());
        SystemClock::SetFixed(At(1, 0, 0, 1));
        QVERIFY(m.IsDue());
    }

    void newMissionIsDueAtOnceDuringTheDay() {
        QMissionModel m;
        m.BuildFrame(0x1600, 1, 2, MissionPollRead);
        QVERIFY(m.IsDue());
    }

    void periodsOfAMinuteAndMoreAreFixed() {
        QMissionModel m;
        m.BuildFrame(0x1600, 1, 2, MissionPollRead);
        m.SetPeriod(600000);
        QCOMPARE(m.Period(), 600000);
        m.SetPeriod(2000);
        QCOMPARE(m.Period(), 600000);

        QMissionList list;
        auto* slow = Mission(MissionPollRead, 1, 600000);
        auto* fast = Mission(MissionPollRead, 9);
        list.AddMission(slow);
        list.AddMission(fast);
        list.SetShortPeriods(2000);
        QCOMPARE(slow->Period(), 600000);
        QCOMPARE(fast->Period(), 2000);
        list.SetShortPeriods(59000);
        QCOMPARE(fast->Period(), 59000);
        QCOMPARE(list.FastPeriod(), 59000);
    }

    void setShortPeriodsWithTheStoredValueChangesNothing() {
        QMissionList list;
        list.SetShortPeriods(2000);
        auto* m = Mission(MissionPollRead, 9, 5000);
        list.AddMission(m);
        list.SetShortPeriods(2000);
        QCOMPARE(m->Period(), 5000);
    }

    void firstAddedWinsAmongEqualKinds() {
        QMissionList list;
        auto* a = Mission(MissionPollRead, 1);
        auto* b = Mission(MissionPollRead, 2);
        list.AddMission(a);
        list.AddMission(b);
        list.SetEnabled(true);
        QCOMPARE(list.PickDue(), a);
    }

    void mostOverdueWinsAmongEqualKindsInAList() {
        QMissionList list;
        auto* a = Mission(MissionPollRead, 1, 2000, QTime(11, 59, 55));
        auto* b = Mission(MissionPollRead, 2, 2000, QTime(11, 59, 50));
        list.AddMission(a);
        list.AddMission(b);
        list.SetEnabled(true);
        list.SetShortPeriods(2000);
        QCOMPARE(list.PickDue(), b);
    }

    void saturatedBusStillReachesTheEndOfEveryList() {
        // Three inverters of six 2-second polls each, one reply every 150 ms:
        // the bus cannot keep up, yet every poll must keep being served.
        QSystemModel plant;
        QMissionList lists[3];
        QHash<QMissionModel*, int> served;
        for (QMissionList& list : lists) {
            for (int code = 0; code < 6; ++code) {
                list.AddMission(Mission(MissionPollRead, code));
            }
            list.SetEnabled(true);
            list.SetShortPeriods(2000);
            plant.AddMissionList(&list);
        }
        for (int i = 0; i < 200; ++i) { // 30 s
            SystemClock::Advance(150);
            QMissionModel* m = plant.NextMission();
            QVERIFY(m);
            ++served[m];
            m->SetBusy(false);
            m->SetLastTime(SystemClock::CurrentTime());
        }
        for (QMissionList& list : lists) {
            for (QMissionModel* m : list.Missions()) {
                QVERIFY2(served.value(m) >= 9,
                         qPrintable(QString("code %1 served %2 times").arg(m->Code()).arg(served.value(m))));
            }
        }
    }

    void higherKindWinsInAList() {
        QMissionList list;
        list.AddMission(Mission(MissionPollRead, 1));
        auto* once = Mission(MissionOnceRead, 2);
        list.AddMission(once);
        list.AddMission(Mission(MissionPollWrite, 3));
        list.SetEnabled(true);
        QCOMPARE(list.PickDue(), once);
        auto* write = Mission(MissionOnceWrite, 4);
        list.AddMission(write);
        QCOMPARE(list.PickDue(), write);
    }

    void disabledListOffersNothingAndEnablingShortensPeriods() {
        QMissionList list;
        auto* m = Mission(MissionPollRead, 9);
        list.AddMission(m);
        QVERIFY(!list.IsEnabled());
        QCOMPARE(list.PickDue(), nullptr);
        list.SetEnabled(true);
        QCOMPARE(m->Period(), 1000);
        QCOMPARE(list.PickDue(), m);
        list.SetEnabled(false);
        QCOMPARE(list.PickDue(), nullptr);
    }

    void oneShotWriteInAnyListGoesFirst() {
        QSystemModel plant;
        QMissionList a, b, c;
        a.AddMission(Mission(MissionPollRead, 1, 2000, QTime(1, 0)));
        a.AddMission(Mission(MissionOnceRead, 2));
        b.AddMission(Mission(MissionPollWrite, 3));
        auto* write = Mission(MissionOnceWrite, 4, 10000, QTime(11, 59, 49)); // barely overdue
        c.AddMission(write);
        for (QMissionList* l : {&a, &b, &c}) {
            l->SetEnabled(true);
            plant.AddMissionList(l);
        }
        QCOMPARE(plant.NextMission(), write);
    }

    void mostOverdueListWinsAmongEqualKinds() {
        QSystemModel plant;
        QMissionList a, b;
        auto* lateA = Mission(MissionPollRead, 1, 2000, QTime(11, 59, 50));
        auto* lateB = Mission(MissionPollRead, 1, 2000, QTime(11, 59, 40));
        a.AddMission(lateA);
        b.AddMission(lateB);
        a.SetEnabled(true);
        b.SetEnabled(true);
        a.SetShortPeriods(2000);
        b.SetShortPeriods(2000);
        plant.AddMissionList(&a);
        plant.AddMissionList(&b);
        QCOMPARE(plant.NextMission(), lateB);
        // Equal overdue time: the earlier list.
        lateB->SetLastTime(QTime(11, 59, 50));
        QCOMPARE(plant.NextMission(), lateA);
        plant.RemoveMissionList(&a);
        QCOMPARE(plant.NextMission(), lateB);
    }

    void searchSlotGoesBeforeEverything() {
        QSystemModel plant;
        QMissionList list;
        list.AddMission(Mission(MissionOnceWrite, 4));
        list.SetEnabled(true);
        plant.AddMissionList(&list);
        auto* probe = Mission(MissionPollRead, MissionCodeSearch);
        plant.SetSearchMission(probe);
        QCOMPARE(plant.NextMission(), probe);
        QCOMPARE(plant.SearchMission(), nullptr); // the slot is empty again
        QCOMPARE(plant.NextMission()->Code(), 4);
        delete probe;
    }

    // A run of 20 ms ticks on a hand-moved clock, two inverters' poll lists and
    // replies 40 ms after each send: every tick chooses exactly what a scan of
    // every list chooses, whatever happens to the lists and the clock. Each
    // change comes at a tick that found nothing due, the next 1.5 s later.
    void runChoosesAsAFullScan_data() {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<int>("changeAt"); // ms into the run

        QTest::newRow("through midnight") << QTime(23, 59, 40) << QStringList() << 0;
        QTest::newRow("write added") << QTime(12, 0) << QStringList{"add write"} << 5000;
        QTest::newRow("write added at midnight") << QTime(23, 59, 55) << QStringList{"add write"} << 5000;
        QTest::newRow("list re-enabled") << QTime(12, 0) << QStringList{"disable", "enable"} << 6000;
        QTest::newRow("re-enabled after midnight")
            << QTime(23, 59, 57) << QStringList{"disable", "enable"} << 2000;
        QTest::newRow("clock set back an hour") << QTime(12, 0) << QStringList{"back 3600000"} << 7000;
        QTest::newRow("clock set back 500 ms") << QTime(12, 0) << QStringList{"back 500"} << 7000;
        QTest::newRow("clock set back over midnight") << QTime(0, 0, 2) << QStringList{"back 4000"} << 3000;
        QTest::newRow("clock set forward") << QTime(12, 0) << QStringList{"forward 900"} << 7000;
        QTest::newRow("periods slowed and sped up") << QTime(12, 0) << QStringList{"slow", "fast"} << 4000;
        QTest::newRow("timers reset") << QTime(12, 0) << QStringList{"reset"} << 4000;
        QTest::newRow("request let go, then idle") << QTime(12, 0) << QStringList{"let go", "idle"} << 4000;
        QTest::newRow("list taken out and back")
            << QTime(12, 0) << QStringList{"take out", "put back"} << 4000;
    }

    void runChoosesAsAFullScan() {
        QFETCH(QTime, start);
        QFETCH(QStringList, changes);
        QFETCH(int, changeAt);

        QSystemModel plant;
        QMissionList first, second;
        first.BuildPollMissions(1);
        second.BuildPollMissions(2);
        for (QMissionList* list : {&first, &second}) {
            list->SetEnabled(true);
            list->ResetTimers(start);
            plant.AddMissionList(list);
        }
        // Built beforehand, overdue when it is added.
        auto* write = Mission(MissionOnceWrite, 77, 2000, start.addSecs(-3));
        write->SetOwner(&second);
        bool writeAdded = false;

        QTime now = start;
        QMissionModel* inFlight = nullptr;
        QMissionModel* letGoOf = nullptr;
        QTime sentAt;
        int sends = 0;
        int sendsAfterChanges = 0;
        bool quiet = false; // the last tick found nothing due
        int next = 0;       // the next change
        const int runMs = 20000;
        // The timer's ticks come 19 to 21 ms apart.
        for (int at = 0, tick = 0; at < runMs;
             ++tick, at += 19 + tick % 3, now = now.addMSecs(19 + tick % 3)) {
            // A request is let go while in flight (its inverter deleting it)
            // and made idle later.
            const bool letGo = next < changes.size() && changes[next] == "let go";
            if (next < changes.size() && at >= changeAt + 1500 * next &&
                (letGo ? inFlight != nullptr : quiet)) {
                const QStringList words = changes[next++].split(' ');
                const QString change = words.join(' ');
                if (change == "add write") {
                    second.AddMission(write);
                    writeAdded = true;
                } else if (change == "disable" || change == "enable") {
                    second.SetEnabled(change == "enable");
                } else if (words[0] == "back") {
                    now = now.addMSecs(-words[1].toInt());
                } else if (words[0] == "forward") {
                    now = now.addMSecs(words[1].toInt());
                } else if (change == "slow" || change == "fast") {
                    first.SetShortPeriods(change == "slow" ? 59000 : 1000);
                } else if (change == "reset") {
                    first.ResetTimers(now.addSecs(-30));
                } else if (change == "let go") {
                    letGoOf = inFlight;
                    inFlight = nullptr;
                } else if (change == "idle") {
                    letGoOf->SetBusy(false);
                } else if (change == "take out") {
                    plant.RemoveMissionList(&second);
                } else if (change == "put back") {
                    plant.AddMissionList(&second);
                }
            }
            if (inFlight && SystemClock::MsecsBetween(sentAt, now) >= 40) {
                inFlight->Owner()->FinishMission(inFlight, now);
                inFlight = nullptr;
            }
            if (inFlight) {
                continue;
            }
            QMissionModel* expected = plant.DueMission(now);
            QMissionModel* chosen = plant.NextMission(now);
            QCOMPARE(chosen, expected);
            quiet = !chosen;
            if (chosen) {
                chosen->SetBusy(true);
                inFlight = chosen;
                sentAt = now;
                ++sends;
                sendsAfterChanges += next == changes.size() ? 1 : 0;
            }
        }
        // The bus was neither idle throughout nor saturated: there were quiet ticks.
        QVERIFY(sends > runMs / 1000 * 6);
        QVERIFY(sends < runMs / 60);
        QCOMPARE(next, changes.size());
        QVERIFY(sendsAfterChanges > 0);
        if (writeAdded) {
            QVERIFY(!second.Contains(write)); // sent, answered and let go
        } else {
            delete write;
        }
    }

    void finishDeletesOneShotsAndRearmsPolls() {
        QMissionList list;
        QList<int> handled;
        list.SetReplyHandler([&](QMissionModel* m, QInverter*) { handled.append(m->Code()); });
        auto* poll = Mission(MissionPollRead, 9);
        auto* once = Mission(MissionOnceRead, 8448);
        list.AddMission(poll);
        list.AddMission(once);
        list.SetEnabled(true);
        poll->SetBusy(true);
        list.FinishMission(poll);
        QCOMPARE(list.Missions().size(), 2);
        QVERIFY(!poll->IsBusy());
        QCOMPARE(poll->LastTime(), QTime(12, 0));
        QVERIFY(!poll->IsDue());
        SystemClock::Advance(1001);
        QVERIFY(poll->IsDue());

        list.FinishMission(once);
        QCOMPARE(list.Missions().size(), 1);
        QVERIFY(!list.Contains(once));
        QCOMPARE(handled, (QList<int>{9, 8448}));

        // A plant gives every list it schedules its own handler, and takes it back.
        QSystemModel plant;
        QMissionList taken;
        plant.AddMissionList(&taken);
        QVERIFY(taken.GetReplyHandler());
        plant.RemoveMissionList(&taken);
        QVERIFY(!taken.GetReplyHandler());
    }

    void resetTimersMakesEveryMissionIdleFromNow() {
        QMissionList list;
        auto* a = Mission(MissionPollRead, 9);
        a->SetBusy(true);
        list.AddMission(a);
        list.ResetTimers();
        QVERIFY(!a->IsBusy());
        QCOMPARE(a->LastTime(), QTime(12, 0));
    }

    void pollListFollowsTheTable() {
        QMissionList list;
        list.BuildPollMissions(0);
        QVERIFY(list.Missions().isEmpty());
        list.BuildPollMissions(255);
        QVERIFY(list.Missions().isEmpty());
        list.BuildPollMissions(7);
        const QList<QMissionModel*>& m = list.Missions();
        QCOMPARE(m.size(), 20);
        const int codes[] = {0,     9,     10,    12,    13,    14,    11,    1,  4,     15,
                             10015, 20015, 30015, 40015, 50015, 60015, 70015, 16, 10016, 26};
        const int regs[] = {0x121C, 0x1600, 0x1616, 0x1670, 0x1690, 0x169E, 0x1648, 0x1301, 0x131E, 0x16F2,
                            0x16FA, 0x1702, 0x170A, 0x1712, 0x171A, 0x1722, 0x172A, 0x1730, 0x173C, 0x1306};
        const int counts[] = {20, 2, 6, 14, 14, 16, 20, 4, 2, 8, 8, 8, 8, 8, 8, 8, 8, 12, 12, 16};
        const int periods[] = {60000,   2000,    2000,    2000,    2000,    2000,    2000,
                               600000,  600000,  60000,   3600000, 3600000, 3600000, 3600000,
                               3600000, 3600000, 3600000, 60000,   3600000, 3600000};
        for (int i = 0; i < 20; ++i) {
            QCOMPARE(m[i]->Code(), codes[i]);
            QCOMPARE(m[i]->Register(), regs[i]);
            QCOMPARE(m[i]->RegisterCount(), counts[i]);
            QCOMPARE(m[i]->Period(), periods[i]);
            QCOMPARE(m[i]->Kind(), int(MissionPollRead));
            QCOMPARE(m[i]->Address(), 7);
            QCOMPARE(m[i]->Owner(), &list);
        }
        // A new address replaces the whole list, one-shot missions included.
        list.AddMission(Mission(MissionOnceWrite, 21));
        list.BuildPollMissions(8);
        QCOMPARE(list.Missions().size(), 20);
        QCOMPARE(list.Missions().first()->Address(), 8);
    }

    void identityReads() {
        QMissionList list;
        list.BuildIdentityMissions(0);
        QVERIFY(list.Missions().isEmpty());
        list.BuildIdentityMissions(12);
        const QList<QMissionModel*>& m = list.Missions();
        QCOMPARE(m.size(), 5);
        QCOMPARE(m[0]->Code(), 8448);
        QCOMPARE(m[0]->Kind(), int(MissionOnceRead));
        QCOMPARE(m[2]->Register(), 0x2120);
        QCOMPARE(m[2]->RegisterCount(), 3);
        QCOMPARE(m[4]->Code(), 8488);
        QCOMPARE(m[4]->Kind(), int(MissionPollRead));
        QCOMPARE(m[4]->RegisterCount(), 16);
    }
};

QTEST_GUILESS_MAIN(TestMissions)
#include "test_missions.moc"

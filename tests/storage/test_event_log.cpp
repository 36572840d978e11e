#include "DataPaths.h"
#include "QEventLog.h"
#include "QInverter.h"
#include "SystemClock.h"

#include <QtTest>

namespace {
struct Received {
    QStringList lines;
    QList<void*> contexts;
};

void Collect(const QString& line, void* context) {
    auto* received = static_cast<Received*>(context);
    received->lines.append(line);
    received->contexts.append(context);
}
} // namespace

class TestEventLog : public QObject {
    Q_OBJECT
    QTemporaryDir m_Dir;

private slots:
    void init() {
        DataPaths::SetDataDir(m_Dir.path());
        SystemClock::SetFixed(QDateTime(QDate(2015, 3, 5), QTime(9, 7, 3)));
    }
    void cleanup() {
        QEventLog::SetListener(nullptr, nullptr);
        QEventLog::SetCurrentInverter(nullptr);
        SystemClock::UseSystem();
    }

    void eachKindAppendsItsLinesAfterATimeStamp_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QStringList>("lines");
        const QString stamp = "2015-03-05 09:07:03";
        QTest::newRow("rename") << 0 << "Roof/Garage"
                                << QStringList{stamp, "   Change the inverter name.",
                                               "      The original name:Roof",
                                               "      The current name:Garage"};
        QTest::newRow("rename, slash kept in new name")
            << 0 << "a/b/c"
            << QStringList{stamp, "   Change the inverter name.", "      The original name:a",
                           "      The current name:b/c"};
        QTest::newRow("connected") << 1 << "Already connected!"
                                   << QStringList{stamp, "   Communication status change.",
                                                  "      Inverter Already connected!"};
        QTest::newRow("disconnect") << 1 << "Disconnect"
                                    << QStringList{stamp, "   Communication status change.",
                                                   "      Inverter Disconnect"};
        QTest::newRow("fault began") << 2 << "A001"
                                     << QStringList{stamp, "   Fault began!", "      The fault code: A001"};
        QTest::newRow("fault end") << 3 << "E010"
                                   << QStringList{stamp, "   Fault end!", "      The fault code: E010"};
        QTest::newRow("added") << 4 << "" << QStringList{stamp, "   Inverter add to the system!"};
        QTest::newRow("state") << 9 << "Running/Fault"
                               << QStringList{stamp, "   Inverter status change!", "      Running to Fault"};
        QTest::newRow("clock") << 1018 << "" << QStringList{stamp, "   Setting time of inverter!"};
        QTest::newRow("language") << 1019 << "" << QStringList{stamp, "   Setting the language of inverter!"};
        QTest::newRow("money") << 1020 << ""
                               << QStringList{stamp, "   Setting the monetary unit of inverter!"};
        QTest::newRow("price") << 1021 << "" << QStringList{stamp, "   Setting the price!"};
        QTest::newRow("power") << 1022 << "" << QStringList{stamp, "   Setting the max output power!"};
        QTest::newRow("label") << 1027 << "" << QStringList{stamp, "   Setting the user label!"};
        QTest::newRow("not delivered")
            << 10 << "Reset" << QStringList{stamp, "   Command not delivered!", "      Reset"};
        QTest::newRow("refresh only") << -1 << "" << QStringList{};
        QTest::newRow("unknown 5") << 5 << "x" << QStringList{};
        QTest::newRow("unknown 1023") << 1023 << "" << QStringList{};
    }
    void eachKindAppendsItsLinesAfterATimeStamp() {
        QFETCH(int, kind);
        QFETCH(QString, argument);
        QFETCH(QStringList, lines);
        QInverter inverter;
        inverter.LogEvent(kind, argument);
        QCOMPARE(inverter.EventLog().Lines(), lines);
    }

    void keepsTheNewestHundredLines() {
        QInverter inverter;
        for (int i = 0; i < 120; ++i) {
            inverter.LogEvent(4);
            SystemClock::Advance(1000);
        }
        const QStringList& lines = inverter.EventLog().Lines();
        QCOMPARE(lines.size(), QEventLog::MaxLines);
        // 240 lines were written; the newest 100 start with the stamp of event 70 (0-based).
        QCOMPARE(lines.first(), QString("2015-03-05 09:08:13"));
        QCOMPARE(lines.at(98), QString("2015-03-05 09:09:02"));
        QCOMPARE(lines.last(), QString("   Inverter add to the system!"));
    }

    void onlyTheCurrentInverterReachesTheListener() {
        Received received;
        QEventLog::SetListener(Collect, &received);
        QInverter shown;
        QInverter other;
        QEventLog::SetCurrentInverter(&shown);

        other.LogEvent(2, "A001");
        QVERIFY(received.lines.isEmpty());
        QCOMPARE(other.EventLog().Delivered(), 0);

        shown.LogEvent(4);
        QCOMPARE(received.lines, (QStringList{"2015-03-05 09:07:03", "   Inverter add to the system!"}));
        QCOMPARE(received.contexts.first(), static_cast<void*>(&received));
        QCOMPARE(shown.EventLog().Delivered(), 2);

        // Selecting the other inverter: its kept lines arrive with the next event, oldest first.
        received.lines.clear();
        QEventLog::SetCurrentInverter(&other);
        QCOMPARE(QEventLog::CurrentInverter(), &other);
        other.LogEvent(-1);
        QCOMPARE(received.lines,
                 (QStringList{"2015-03-05 09:07:03", "   Fault began!", "      The fault code: A001"}));
        other.LogEvent(-1);
        QCOMPARE(received.lines.size(), 3);
    }

    void resetDeliveredHandsTheLinesOutAgain() {
        Received received;
        QEventLog::SetListener(Collect, &received);
        QInverter inverter;
        QEventLog::SetCurrentInverter(&inverter);
        inverter.LogEvent(4);
        inverter.EventLog().ResetDelivered();
        inverter.LogEvent(-1);
        QCOMPARE(received.lines.size(), 4);
        QCOMPARE(received.lines.mid(2), received.lines.mid(0, 2));
    }

    void trimmingLowersTheDeliveredCount() {
        Received received;
        QEventLog::SetListener(Collect, &received);
        QInverter inverter;
        QEventLog::SetCurrentInverter(&inverter);
        for (int i = 0; i < 120; ++i) {
            inverter.LogEvent(3, "0010");
        }
        QCOMPARE(received.lines.size(), 360);
        QCOMPARE(inverter.EventLog().Delivered(), 100);
    }

    void linesDroppedBeforeDeliveryNeverBreakTheCount() {
        Received received;
        QInverter inverter;
        for (int i = 0; i < 80; ++i) {
            inverter.LogEvent(4);
        }
        QEventLog::SetListener(Collect, &received);
        QEventLog::SetCurrentInverter(&inverter);
        inverter.LogEvent(-1);
        QCOMPARE(inverter.EventLog().Delivered(), 100);
        QEventLog::SetCurrentInverter(nullptr);
        for (int i = 0; i < 80; ++i) {
            inverter.LogEvent(4);
        }
        QCOMPARE(inverter.EventLog().Delivered(), 0);
        QEventLog::SetCurrentInverter(&inverter);
        received.lines.clear();
        inverter.LogEvent(-1);
        QCOMPARE(received.lines, inverter.EventLog().Lines());
    }

    void withoutListenerNothingIsDelivered() {
        QInverter inverter;
        QEventLog::SetCurrentInverter(&inverter);
        inverter.LogEvent(4);
        QCOMPARE(inverter.EventLog().Delivered(), 0);
        QCOMPARE(inverter.EventLog().Lines().size(), 2);
    }

    void aListenerIsRemovedOnlyByItsOwnContext() {
        Received first;
        Received second;
        QInverter inverter;
        QEventLog::SetCurrentInverter(&inverter);
        QEventLog::SetListener(Collect, &first);
        QEventLog::SetListener(Collect, &second); // a newer page took over
        QEventLog::RemoveListener(&first);        // the older one goes away
        inverter.LogEvent(4);
        QCOMPARE(second.lines.size(), 2);
        QEventLog::RemoveListener(&second);
        inverter.LogEvent(4);
        QCOMPARE(second.lines.size(), 2);
        QVERIFY(first.lines.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestEventLog)
#include "test_event_log.moc"

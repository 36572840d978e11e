// What the bus monitor records of the scheduler's exchanges: one row for each
// request written, reply taken, bytes refused and reply missed, classified and
// counted per address; a bounded number of rows; nothing while paused; the CSV
// file with one line per row.

#include "../comm/InverterTestSupport.h"
#include "QBusMonitorModel.h"
#include "QBusWatch.h"
#include "QMissionModel.h"

#include <QtTest>

namespace {

QByteArray Hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// A live data read of five registers from 0x1600 at the address.
QMissionModel* LiveDataRead(int address) {
    auto* mission = new QMissionModel;
    mission->BuildFrame(0x1600, address, 5, MissionPollRead);
    mission->SetCode(LiveRead);
    return mission;
}

} // namespace

class TestBusMonitorModel : public QObject {
    Q_OBJECT

private slots:
    void init();
    void exchanges_data();
    void exchanges();
    void keepsTheNewestRows();
    void pausedRecordsNothing();
    void watchWithoutObserverKeepsNothing();
    void csvHasOneLinePerRow();
    void codeTexts_data();
    void codeTexts();

private:
    QDateTime m_Now;
};

void TestBusMonitorModel::init() {
    m_Now = QDateTime(QDate(2026, 6, 15), QTime(10, 0, 0, 5));
}

// What was heard after the request and how the scheduler judged it.
void TestBusMonitorModel::exchanges_data() {
    QTest::addColumn<QByteArray>("heard");
    QTest::addColumn<QByteArray>("accepted"); // the reply the codec took out, if any
    QTest::addColumn<QString>("outcome");     // reply, garbled, timeout
    QTest::addColumn<QStringList>("statuses");
    QTest::addColumn<QList<int>>("counts"); // requests, answers, time-outs, errors
    QTest::addColumn<QString>("lastBytes");

    std::unique_ptr<QMissionModel> mission(LiveDataRead(3));
    const QByteArray reply = testsupport::ReadReply(*mission, {{0x1600, 1870}});
    const QByteArray error = testsupport::ErrorReply(*mission, 0x83, 9);
    QByteArray garbled = reply;
    garbled[4] = char(garbled[4] ^ 0x5A);
    const QString replyHex = QString::fromLatin1(reply.toHex(' ').toUpper());

    QTest::newRow("answered") << reply << reply << "reply" << QStringList{"sent", "answered"}
                              << QList<int>{1, 1, 0, 0} << replyHex;
    QTest::newRow("error reply with its text")
        << error << error << "reply" << QStringList{"sent", "error reply 9: Password protection!"}
        << QList<int>{1, 0, 0, 1} << QString::fromLatin1(error.toHex(' ').toUpper());
    QTest::newRow("noise before the reply")
        << Hex("FF 00") + reply << reply << "reply"
        << QStringList{"sent", "rejected: not matching", "answered"} << QList<int>{1, 1, 0, 1} << replyHex;
    QTest::newRow("bad CRC") << garbled << QByteArray() << "garbled" << QStringList{"sent", "bad CRC"}
                             << QList<int>{1, 0, 0, 1} << QString::fromLatin1(garbled.toHex(' ').toUpper());
    QTest::newRow("silence") << QByteArray() << QByteArray() << "timeout" << QStringList{"sent", "time-out"}
                             << QList<int>{1, 0, 1, 0} << QString();
    QTest::newRow("half a reply, then silence")
        << reply.left(4) << QByteArray() << "timeout"
        << QStringList{"sent", "rejected: not matching", "time-out"} << QList<int>{1, 0, 1, 1} << QString();
}

void TestBusMonitorModel::exchanges() {
    QFETCH(QByteArray, heard);
    QFETCH(QByteArray, accepted);
    QFETCH(QString, outcome);
    QFETCH(QStringList, statuses);
    QFETCH(QList<int>, counts);
    QFETCH(QString, lastBytes);

    QBusMonitorModel model;
    model.SetClock([this]() { return m_Now; });
    QBusWatch watch;
    watch.SetObserver(&model);
    std::unique_ptr<QMissionModel> mission(LiveDataRead(3));
    watch.Sent(*mission);
    // Heard in two pieces, as a link delivers them.
    watch.Heard(heard.left(3));
    watch.Heard(heard.mid(3));
    if (outcome == QLatin1String("reply")) {
        watch.Accepted(*mission, accepted, 37);
    } else if (outcome == QLatin1String("garbled")) {
        watch.Garbled(*mission, 37);
    } else {
        watch.TimedOut(*mission, 1000);
    }

    QStringList shown;
    for (int row = 0; row < model.RowCount(); ++row) {
        shown << model.index(row, QBusMonitorModel::ColStatus).data().toString();
    }
    QCOMPARE(shown, statuses);
    const QBusMonitorModel::Counters c = model.CountersByAddress().value(3);
    QCOMPARE((QList<int>{c.requests, c.answers, c.timeouts, c.errors}), counts);
    QCOMPARE(model.CountersByAddress().keys(), QList<int>{3});
    const int last = model.RowCount() - 1;
    QCOMPARE(model.index(last, QBusMonitorModel::ColBytes).data().toString(), lastBytes);
    // The request's own row: what it asked for and when.
    QCOMPARE(model.index(0, QBusMonitorModel::ColTime).data().toString(), QStringLiteral("10:00:00.005"));
    QCOMPARE(model.index(0, QBusMonitorModel::ColDirection).data().toString(), QStringLiteral("TX"));
    QCOMPARE(model.index(0, QBusMonitorModel::ColRegister).data().toString(), QStringLiteral("1600"));
    QCOMPARE(model.index(0, QBusMonitorModel::ColCount).data().toString(), QStringLiteral("5"));
    QCOMPARE(model.index(0, QBusMonitorModel::ColWhat).data().toString(), QStringLiteral("live data"));
    QCOMPARE(model.index(last, QBusMonitorModel::ColDirection).data().toString(), QStringLiteral("RX"));
    QCOMPARE(model.index(last, QBusMonitorModel::ColReplyTime).data().toString(),
             outcome == QLatin1String("timeout") ? QStringLiteral("1000") : QStringLiteral("37"));
}

void TestBusMonitorModel::keepsTheNewestRows() {
    QBusMonitorModel model(4);
    QBusWatch watch;
    watch.SetObserver(&model);
    for (int address = 1; address <= 10; ++address) {
        std::unique_ptr<QMissionModel> mission(LiveDataRead(address));
        watch.Sent(*mission);
    }
    QCOMPARE(model.RowCount(), 4);
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.RowAt(0).address, 7);
    QCOMPARE(model.RowAt(3).address, 10);
    // The counters go on counting what the rows no longer hold.
    QCOMPARE(model.CountersByAddress().size(), 10);
}

void TestBusMonitorModel::pausedRecordsNothing() {
    QBusMonitorModel model;
    QBusWatch watch;
    watch.SetObserver(&model);
    std::unique_ptr<QMissionModel> mission(LiveDataRead(3));
    model.SetPaused(true);
    watch.Sent(*mission);
    watch.TimedOut(*mission, 1000);
    QCOMPARE(model.RowCount(), 0);
    QVERIFY(model.CountersByAddress().isEmpty());
    model.SetPaused(false);
    watch.Sent(*mission);
    QCOMPARE(model.RowCount(), 1);
    model.Clear();
    QCOMPARE(model.RowCount(), 0);
    QVERIFY(model.CountersByAddress().isEmpty());
}

void TestBusMonitorModel::watchWithoutObserverKeepsNothing() {
    // Bytes heard while nobody watched must not turn up as stray bytes once someone does.
    QBusMonitorModel model;
    QBusWatch watch;
    std::unique_ptr<QMissionModel> mission(LiveDataRead(3));
    watch.Sent(*mission);
    watch.Heard(Hex("01 02 03"));
    watch.SetObserver(&model);
    watch.TimedOut(*mission, 1000);
    QCOMPARE(model.RowCount(), 1);
    QCOMPARE(model.RowAt(0).status, QBusMonitorModel::StatusTimedOut);
}

void TestBusMonitorModel::csvHasOneLinePerRow() {
    QBusMonitorModel model;
    model.SetClock([this]() { return m_Now; });
    QBusWatch watch;
    watch.SetObserver(&model);
    std::unique_ptr<QMissionModel> three(LiveDataRead(3));
    std::unique_ptr<QMissionModel> four(LiveDataRead(4));
    watch.Sent(*three);
    watch.Accepted(*three, testsupport::ErrorReply(*three, 0x83, 9), 40);
    watch.Sent(*four);
    watch.TimedOut(*four, 1000);

    const QByteArray all = model.CsvText();
    QVERIFY(all.endsWith("\r\n"));
    QList<QByteArray> lines = all.split('\n');
    QCOMPARE(lines.takeLast(), QByteArray()); // the last line ends too
    QCOMPARE(lines.size(), 1 + model.RowCount());
    for (const QByteArray& line : lines) {
        QVERIFY(line.endsWith('\r'));
    }
    QCOMPARE(lines.at(0),
             QByteArray("Time,Dir.,Address,Function,Register,Count,Code,What,Reply ms,Status,Bytes\r"));
    QCOMPARE(lines.at(1), QByteArray("2026-06-15 10:00:00.005,TX,3,03,1600,5,14,live data,,sent,") +
                              testsupport::TxFrame(*three).toHex(' ').toUpper() + "\r");
    QVERIFY(lines.at(2).contains(",83,1600,5,14,live data,40,error reply 9: Password protection!,"));
    QVERIFY(lines.at(4).contains(",RX,4,03,1600,5,14,live data,1000,time-out,\r"));

    const QList<QByteArray> four_only = model.CsvText(4).split('\n');
    QCOMPARE(four_only.size(), 1 + 2 + 1); // header, two rows, nothing after the last "\r\n"
}

void TestBusMonitorModel::codeTexts_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("live data") << int(LiveRead) << "live data";
    QTest::newRow("day statistics, block 3") << int(DayStatsRead + 3 * StatBlockStep) << "daily statistics";
    QTest::newRow("past the day blocks") << int(DayStatsRead + DayStatBlocks * StatBlockStep) << "";
    QTest::newRow("month statistics, block 1") << int(MonthStatsRead + StatBlockStep) << "monthly statistics";
    QTest::newRow("clock") << 18 << "write clock";
    QTest::newRow("tariff period 2") << 30 << "write tariff period";
    QTest::newRow("fault memory, last record") << 2031 << "fault memory";
    QTest::newRow("protection points") << 3001 << "protection points";
    QTest::newRow("search probe") << int(MissionCodeSearch) << "search";
    QTest::newRow("unknown") << 777 << "";
}

void TestBusMonitorModel::codeTexts() {
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(QBusMonitorModel::CodeText(code), text);
}

QTEST_GUILESS_MAIN(TestBusMonitorModel)
#include "test_bus_monitor_model.moc"

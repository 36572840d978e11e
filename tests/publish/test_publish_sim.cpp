// The program's runtime publishing a simulated plant (wattsight-sim on TCP)
// to a real broker: the values and JSON state of each inverter are the
// simulator's registers, scaled; a scheduled fault gives one began and one
// ended event; a silent address stays offline; the discovery configs name
// every sensor with its unit; across a restart of the program and a night on
// the simulator's fast clock no total falls and today's energy falls to 0
// only at midnight.

#include "../link/SimProcess.h"
#include "../views/SimReplyLog.h"
#include "BrokerProcess.h"
#include "DataPaths.h"
#include "QBusScheduler.h"
#include "QInverter.h"
#include "QMissionList.h"
#include "QPlantRuntime.h"
#include "QPublishedValues.h"
#include "RecordingSubscriber.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cmath>

namespace {

const QString Prefix = QStringLiteral("wattsight/roof"); // the default prefix of the plant "Roof"

using Clock = std::function<QDateTime()>;
using viewstest::SimReplyLog;

quint32 U32(const QList<quint16>& r, int i) {
    return quint32(r.value(i)) << 16 | r.value(i + 1);
}
qint16 S16(const QList<quint16>& r, int i) {
    return qint16(r.value(i));
}

// The simulator's clock as seen from here: its start plus the time since it
// started, times its scale.
Clock SimClock(const QDateTime& start, double scale) {
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    return [start, scale, started]() { return start.addMSecs(qint64(double(started->elapsed()) * scale)); };
}

// The program without a window, as the main window and a headless runner set it up.
class RunningPlant {
public:
    RunningPlant(int simPort, int brokerPort, const Clock& clock, const QList<int>& addresses) {
        m_Runtime.Publisher().SetClock(clock);
        m_Runtime.LoadSettings();
        QSystemModel& plant = m_Runtime.Plant();
        plant.SetSystemValue("systemname", "Roof", false);
        plant.SetSystemValue("CommunicationType", "1", false);
        plant.SetSystemValue("IPAddress", "127.0.0.1", false);
        plant.SetSystemValue("IP_number", QString::number(simPort), false);
        plant.SetSystemValue("MqttEnabled", "1", false);
        plant.SetSystemValue("MqttHost", "127.0.0.1", false);
        plant.SetSystemValue("MqttPort", QString::number(brokerPort), false);
        m_Runtime.Publisher().ApplySettings();
        m_Runtime.OpenLink();
        m_Runtime.LoadInverters();
        if (plant.InverterCount() == 0) {
            for (const int address : addresses) {
                auto* inverter = new QInverter;
                inverter->SetName(QStringLiteral("Inverter %1").arg(address));
                inverter->SetAddress(address);
                plant.AddInverter(inverter);
            }
        }
        m_Runtime.StartRecording();
        QObject::connect(&m_Tick, &QTimer::timeout, m_Runtime.Bus(), &QBusScheduler::OnCommunicateTimer);
        m_Tick.start(20);
    }
    ~RunningPlant() {
        m_Tick.stop();
        m_Runtime.Shutdown();
    }
    QPlantRuntime& Runtime() { return m_Runtime; }
    QInverter* Inverter(int address) { return m_Runtime.Plant().FindByAddress(address); }
    // Lets the request in flight finish and sends nothing more.
    bool Freeze() {
        m_Tick.stop();
        return RecordingSubscriber::WaitFor([this]() { return !m_Runtime.Bus()->IsWaiting(); }, 3000);
    }

private:
    QPlantRuntime m_Runtime;
    QTimer m_Tick;
};

bool StartSim(SimProcess& sim, SimReplyLog& log, const QStringList& args) {
    QObject::connect(&sim.Process(), &QProcess::readyReadStandardError, &sim.Process(),
                     [&]() { log.Feed(sim.Process().readAllStandardError()); });
    return sim.Start(QStringList{"--tcp-port", "0", "--bind", "127.0.0.1", "--verbose"} + args);
}

QString Topic(const QString& rest) {
    return Prefix + QLatin1Char('/') + rest;
}

// What each published value must be, from the registers of the reads behind
// the last live poll (0x169E): the strings (0x1690), today (0x1616), the
// totals (0x1648), in the unit of the topic.
QHash<QString, double> Expected(const SimReplyLog& log, int address) {
    const int live = log.LastIndex(address, 0x169E);
    const QList<quint16> power = log.Before(address, 0x169E, live + 1);
    const QList<quint16> pv = log.Before(address, 0x1690, live);
    const QList<quint16> today = log.Before(address, 0x1616, live);
    const QList<quint16> totals = log.Before(address, 0x1648, live);
    QHash<QString, double> values{
        {"input_power", U32(power, 4)},
        {"output_power", U32(power, 6)},
        {"grid_frequency", power.value(2) / 100.0},
        {"temperature1", S16(power, 8) / 100.0},
        {"temperature2", S16(power, 9) / 100.0},
        {"pv1_voltage", pv.value(0) / 10.0},
        {"pv1_current", pv.value(1) / 10.0},
        {"pv2_voltage", pv.value(2) / 10.0},
        {"pv2_current", pv.value(3) / 10.0},
        {"phase_u_voltage", pv.value(8) / 10.0},
        {"phase_u_current", pv.value(9) / 10.0},
        {"phase_v_voltage", pv.value(10) / 10.0},
        {"phase_v_current", pv.value(11) / 10.0},
        {"phase_w_voltage", pv.value(12) / 10.0},
        {"phase_w_current", pv.value(13) / 10.0},
        {"today_energy", U32(today, 0) / 100.0},
        {"total_energy", U32(totals, 10) / 100.0},
    };
    return values;
}

} // namespace

class TestPublishSim : public QObject {
    Q_OBJECT

private slots:
    void liveValuesEventsAndDiscovery();
    void energiesAcrossRestartAndMidnight();
};

void TestPublishSim::liveValuesEventsAndDiscovery() {
    QTemporaryDir data;
    DataPaths::SetDataDir(data.path());
    BrokerProcess broker;
    QVERIFY(broker.Start());
    RecordingSubscriber subscriber("recorder-sim", {"#"});
    QVERIFY(subscriber.Connect(broker.Port()));
    SimReplyLog log; // before the simulator, which feeds it until it ends
    SimProcess sim;
    // A simulated minute a second: the fault lasts ten seconds, well after the
    // silent address first held the bus with its time-outs.
    QVERIFY(StartSim(sim, log,
                     {"--seed", "5", "--start", "2026-06-15 11:55:00", "--time-scale", "60", "--inverter",
                      "1:Tivra PA10KT", "--inverter", "2:Tivra PM3KS", "--inverter", "3:Tivra PA5KS",
                      "--silent", "3", "--fault", "1:0:E006:12:00-12:10"}));
    RunningPlant plant(sim.TcpPort(), broker.Port(),
                       SimClock(QDateTime(QDate(2026, 6, 15), QTime(11, 55)), 60), {1, 2, 3});

    QTRY_COMPARE_WITH_TIMEOUT(subscriber.On(Topic("inverter/1/event")).size(), 2, 45000);
    QTRY_VERIFY_WITH_TIMEOUT(subscriber.Has(Topic("inverter/2/total_energy")) &&
                                 subscriber.Has(Topic("inverter/1/total_energy")),
                             10000);
    QVERIFY(plant.Freeze());
    QTest::qWait(1500); // the last publications and the plant's sums arrive
    log.Feed(sim.Process().readAllStandardError());

    // Values and state: the simulator's registers behind the last poll.
    for (const int address : {1, 2}) {
        const QString base = QStringLiteral("inverter/%1/").arg(address);
        const QHash<QString, double> expected = Expected(log, address);
        const QJsonObject state = subscriber.On(Topic(base + "state")).last().Json();
        QStringList keys;
        for (const QPublishedValue& value : QPublishedValues::Of(*plant.Inverter(address))) {
            const QString key = QLatin1String(value.key);
            keys.append(key);
            const QString where = QStringLiteral("%1 of inverter %2").arg(key).arg(address);
            QVERIFY2(state.contains(key), qPrintable(where));
            QVERIFY2(qAbs(state.value(key).toDouble() - expected.value(key)) < 1e-6, qPrintable(where));
            QVERIFY2(qAbs(subscriber.Last(Topic(base + key)).toDouble() - expected.value(key)) < 1e-6,
                     qPrintable(where));
        }
        QCOMPARE(keys.contains("phase_w_voltage"), address == 1);
        QCOMPARE(keys.contains("pv2_voltage"), address == 1);
        // The state goes out with the live data: its status is the one read
        // before the last live poll, not one read after it.
        const int status = log.Before(address, 0x1670, log.LastIndex(address, 0x169E)).value(12) & 0xFF;
        QCOMPARE(state.value("status").toString(), QPublishedValues::StatusWord(status));
        QCOMPARE(subscriber.Last(Topic(base + "availability")), QByteArray("online"));
        // One state per poll of the live data, and the one of the first announcement.
        QCOMPARE(subscriber.On(Topic(base + "state")).size(), log.Count(address, 0x169E) + 1);
    }
    // The plant's sum: the last totals read, which may be newer than the last poll's.
    const double total = (U32(log.Registers(1, 0x1648), 10) + U32(log.Registers(2, 0x1648), 10)) / 100.0;
    QCOMPARE(subscriber.Last(Topic("plant/total_energy")).toDouble(), total);

    // The scheduled fault: once began, once ended.
    const QList<ReceivedMessage> events = subscriber.On(Topic("inverter/1/event"));
    QCOMPARE(events[0].Json().value("event").toString(), QString("fault_began"));
    QCOMPARE(events[1].Json().value("event").toString(), QString("fault_ended"));
    for (const ReceivedMessage& event : events) {
        QCOMPARE(event.Json().value("code").toString(), QString("E006"));
    }
    QVERIFY(!subscriber.Has(Topic("inverter/2/event")));

    // The silent address never came online.
    QCOMPARE(subscriber.Last(Topic("inverter/3/availability")), QByteArray("offline"));
    for (const ReceivedMessage& message : subscriber.On(Topic("inverter/3/availability"))) {
        QCOMPARE(message.payload, QByteArray("offline"));
    }

    // Discovery: every value topic that was published has a sensor with its unit.
    QHash<QString, QJsonObject> sensors; // by state topic
    for (const ReceivedMessage& message : subscriber.Messages()) {
        if (message.topic.startsWith("homeassistant/sensor/") && !message.payload.isEmpty()) {
            const QJsonObject config = message.Json();
            sensors.insert(config.value("state_topic").toString(), config);
        }
    }
    for (const int address : {1, 2}) {
        const QString name = plant.Inverter(address)->Name();
        for (const QPublishedValue& value : QPublishedValues::Of(*plant.Inverter(address))) {
            const QString topic = Topic(QStringLiteral("inverter/%1/%2").arg(address).arg(value.key));
            QVERIFY2(sensors.contains(topic), qPrintable(topic));
            const QJsonObject sensor = sensors.value(topic);
            QCOMPARE(sensor.value("unit_of_measurement").toString(), QString::fromUtf8(value.unit));
            QCOMPARE(sensor.value("state_class").toString(),
                     QString(value.IsEnergy() ? "total_increasing" : "measurement"));
            QVERIFY(!sensor.value("device_class").toString().isEmpty());
            QVERIFY2(!sensor.value("name").toString().contains(name), qPrintable(topic));
            QCOMPARE(sensor.value("device").toObject().value("name").toString(), name);
            QCOMPARE(sensor.value("device").toObject().value("manufacturer").toString(), QString("Tivra"));
            QVERIFY(!sensor.value("device").toObject().value("model").toString().isEmpty());
        }
    }
    for (const char* key : {"output_power", "today_energy", "total_energy"}) {
        QVERIFY2(sensors.contains(Topic("plant/") + key), key);
    }
}

void TestPublishSim::energiesAcrossRestartAndMidnight() {
    QTemporaryDir data;
    DataPaths::SetDataDir(data.path());
    BrokerProcess broker;
    QVERIFY(broker.Start());
    RecordingSubscriber subscriber("recorder-night",
                                   {Topic("inverter/+/state"), Topic("inverter/+/total_energy"),
                                    Topic("inverter/+/today_energy"), Topic("plant/state")});
    QVERIFY(subscriber.Connect(broker.Port()));
    SimReplyLog log; // before the simulator, which feeds it until it ends
    SimProcess sim;
    // A simulated day a minute, from the evening's last sun to past midnight.
    const QDateTime start(QDate(2026, 6, 15), QTime(18, 30));
    QVERIFY(StartSim(sim, log,
                     {"--seed", "9", "--start", start.toString("yyyy-MM-dd hh:mm:ss"), "--time-scale", "1440",
                      "--inverter", "1:Tivra PA5KS", "--inverter", "2:Tivra PM3KS"}));
    const Clock clock = SimClock(start, 1440);
    {
        RunningPlant plant(sim.TcpPort(), broker.Port(), clock, {1, 2});
        QTRY_VERIFY_WITH_TIMEOUT(clock().time() >= QTime(20, 50), 20000);
    }
    QVERIFY(QFileInfo::exists(DataPaths::FilePath("published.dat")));
    {
        RunningPlant plant(sim.TcpPort(), broker.Port(), clock, {1, 2});
        QCOMPARE(plant.Runtime().Plant().InverterCount(), 2); // from inverter.dat
        QTRY_VERIFY_WITH_TIMEOUT(clock().date() == QDate(2026, 6, 16) && clock().time() >= QTime(0, 40),
                                 30000);
        QTest::qWait(1000);
    }

    for (const int address : {1, 2}) {
        const QString base = Topic(QStringLiteral("inverter/%1/").arg(address));
        double last = -1;
        for (const ReceivedMessage& message : subscriber.On(base + "total_energy")) {
            QVERIFY2(message.payload.toDouble() >= last, message.payload.constData());
            last = message.payload.toDouble();
        }
        QVERIFY(last > 0);
        // Today's energy: rises, then 0 once, after midnight; never anything else lower.
        QDateTime previousTime;
        double previous = -1;
        int falls = 0;
        for (const ReceivedMessage& message : subscriber.On(base + "state")) {
            const QJsonObject state = message.Json();
            const QDateTime time = QDateTime::fromString(state.value("time").toString(), Qt::ISODate);
            if (!state.contains("today_energy")) {
                continue;
            }
            const double today = state.value("today_energy").toDouble();
            if (today < previous) {
                ++falls;
                QCOMPARE(today, 0.0);
                QVERIFY2(time.date() == QDate(2026, 6, 16) && previousTime.date() == QDate(2026, 6, 15),
                         qPrintable(time.toString(Qt::ISODate)));
            }
            previous = today;
            previousTime = time;
        }
        QCOMPARE(falls, 1);
        QCOMPARE(previous, 0.0);
        double lastToday = -1;
        for (const ReceivedMessage& message : subscriber.On(base + "today_energy")) {
            QVERIFY2(message.payload.toDouble() >= lastToday || message.payload.toDouble() == 0.0,
                     message.payload.constData());
            lastToday = message.payload.toDouble();
        }
    }
    double plantTotal = -1;
    for (const ReceivedMessage& message : subscriber.On(Topic("plant/state"))) {
        const QJsonObject state = message.Json();
        if (state.contains("total_energy")) {
            QVERIFY(state.value("total_energy").toDouble() >= plantTotal);
            plantTotal = state.value("total_energy").toDouble();
        }
    }
    QVERIFY(plantTotal > 0);
}

QTEST_GUILESS_MAIN(TestPublishSim)
#include "test_publish_sim.moc"

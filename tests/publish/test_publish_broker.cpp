// The publisher against a real mosquitto broker, with a plant whose inverters
// are fed by hand: what arrives for values, availability, faults, discovery
// and removal; a wrong password; a broker that goes away and comes back; TLS.

#include "BrokerProcess.h"
#include "DataPaths.h"
#include "InverterData.h"
#include "QBrokerLink.h"
#include "QInverter.h"
#include "QPlantPublisher.h"
#include "QSystemModel.h"
#include "RecordingSubscriber.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Prefix = QStringLiteral("test/roof");

// A plant without a bus: the test writes the inverters' items and tells the
// publisher which read they came from, as decoding does.
struct Rig {
    QTemporaryDir dir;
    QSystemModel plant;
    QDateTime now{QDate(2026, 6, 15), QTime(12, 0)};
    std::unique_ptr<QPlantPublisher> publisher;

    Rig() {
        DataPaths::SetDataDir(dir.path());
        plant.SetSystemValue("systemname", "Roof", false);
        publisher = std::make_unique<QPlantPublisher>(plant, [this]() { return now; });
    }
    ~Rig() { publisher.reset(); }

    void Configure(int port, const QString& user = QString(), const QString& password = QString(),
                   const QString& caFile = QString(), bool tls = false) {
        plant.SetSystemValue("MqttEnabled", "1", false);
        plant.SetSystemValue("MqttHost", "127.0.0.1", false);
        plant.SetSystemValue("MqttPort", QString::number(port), false);
        plant.SetSystemValue("MqttUser", user, false);
        plant.SetSystemValue("MqttPassword", password, false);
        plant.SetSystemValue("MqttTls", tls ? "1" : "0", false);
        plant.SetSystemValue("MqttCaFile", caFile, false);
        plant.SetSystemValue("MqttPrefix", Prefix, false);
        publisher->ApplySettings();
    }

    QInverter* Add(int address, const QString& name, const QString& model) {
        auto* inverter = new QInverter;
        inverter->SetName(name);
        inverter->SetAddress(address);
        inverter->SetModel(QInverter::LookupModel(model));
        inverter->SetModelName(model);
        plant.AddInverter(inverter);
        return inverter;
    }

    void Decoded(QInverter* inverter, int code, const QMap<int, qint32>& items) {
        for (auto it = items.begin(); it != items.end(); ++it) {
            inverter->SetItem(it.key(), it.value());
        }
        publisher->OnReplyDecoded(*inverter, code);
    }

    void Fault(QInverter* inverter, int slot, qint32 code) {
        QItemRecord record;
        record.m_bActive = 1;
        record.m_nValue = code;
        inverter->UpdateFaultSlot(slot, record);
    }
};

QString Topic(const QString& rest) {
    return Prefix + QLatin1Char('/') + rest;
}

} // namespace

class TestPublishBroker : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void valuesAvailabilityFaultsAndDiscovery();
    void wrongPasswordIsReportedAndNotRetried();
    void brokerRestartLosesNoEvent();
    void tlsWithItsCertificateAuthority();
    void quietLinkWakesForMessagesAndStop_data();
    void quietLinkWakesForMessagesAndStop();
};

void TestPublishBroker::initTestCase() {
    if (BrokerProcess::Program("mosquitto").isEmpty()) {
        QFAIL("mosquitto is not installed (scripts/setup installs it)");
    }
}

void TestPublishBroker::valuesAvailabilityFaultsAndDiscovery() {
    BrokerProcess broker;
    QVERIFY(broker.Start());
    RecordingSubscriber subscriber("recorder-values", {"#"});
    QVERIFY(subscriber.Connect(broker.Port()));
    Rig rig;
    QInverter* inverter = rig.Add(5, "West", "Tivra PA10KT");
    rig.Configure(broker.Port());
    QTRY_VERIFY_WITH_TIMEOUT(rig.publisher->IsConnected(), 10000);

    // Announced at once: the program online, the inverter not (yet) communicating.
    QTRY_COMPARE(subscriber.Last(Topic("status")), QByteArray("online"));
    QTRY_COMPARE(subscriber.Last(Topic("inverter/5/availability")), QByteArray("offline"));
    const QString device = "homeassistant/sensor/wattsight_roof_5/";
    QTRY_VERIFY(subscriber.Has(device + "output_power/config"));
    QTRY_VERIFY(subscriber.Has("homeassistant/sensor/wattsight_roof/total_energy/config"));
    const QJsonObject config =
        QJsonDocument::fromJson(subscriber.Last(device + "output_power/config")).object();
    QCOMPARE(config.value("state_topic").toString(), Topic("inverter/5/output_power"));
    QCOMPARE(config.value("device").toObject().value("name").toString(), QString("West"));
    QCOMPARE(config.value("device").toObject().value("model").toString(), QString("Tivra PA10KT"));
    QCOMPARE(config.value("availability").toArray().size(), 2);

    inverter->SetCommState(CommOnline);
    QTRY_COMPARE(subscriber.Last(Topic("inverter/5/availability")), QByteArray("online"));
    rig.Decoded(inverter, TodayEnergyRead, {{TodayEnergy, 1234}});
    rig.Decoded(inverter, TotalsRead, {{TotalEnergy, 987654}});
    rig.Decoded(inverter, StringsRead, {{String1Voltage, 3502}, {String1Current, 71}, {PhaseWVoltage, 2301}});
    rig.Decoded(inverter, StatusRead, {{OperatingStatus, 2}});
    rig.Decoded(inverter, LiveRead,
                {{InputPower, 4100}, {OutputPower, 3950}, {Temperature1, -150}, {GridFrequency, 4998}});
    // The JSON state goes out after the values of the same poll: once it is
    // here, so are they.
    const auto lastState = [&subscriber] {
        const QList<ReceivedMessage> states = subscriber.On(Topic("inverter/5/state"));
        return states.isEmpty() ? QJsonObject() : states.last().Json();
    };
    QTRY_COMPARE(lastState().value("output_power").toInt(), 3950);
    QCOMPARE(subscriber.Last(Topic("inverter/5/output_power")), QByteArray("3950"));
    QCOMPARE(subscriber.Last(Topic("inverter/5/pv1_voltage")), QByteArray("350.2"));
    QCOMPARE(subscriber.Last(Topic("inverter/5/phase_w_voltage")), QByteArray("230.1"));
    QCOMPARE(subscriber.Last(Topic("inverter/5/temperature1")), QByteArray("-1.50"));
    QCOMPARE(subscriber.Last(Topic("inverter/5/today_energy")), QByteArray("12.34"));
    QCOMPARE(subscriber.Last(Topic("inverter/5/total_energy")), QByteArray("9876.54"));
    QCOMPARE(subscriber.Last(Topic("inverter/5/status")), QByteArray("running"));
    QJsonObject state = lastState();
    QCOMPARE(QDateTime::fromString(state.value("time").toString(), Qt::ISODate), rig.now);
    QCOMPARE(state.value("output_power").toInt(), 3950);
    QCOMPARE(state.value("grid_frequency").toDouble(), 49.98);
    QCOMPARE(state.value("total_energy").toDouble(), 9876.54);
    QCOMPARE(state.value("status").toString(), QString("running"));

    // A fault begins and ends: two events, not retained.
    rig.Fault(inverter, 0, 0xE006);
    rig.Fault(inverter, 0, 0);
    QTRY_COMPARE(subscriber.On(Topic("inverter/5/event")).size(), 2);
    const QJsonObject began = subscriber.On(Topic("inverter/5/event"))[0].Json();
    QCOMPARE(began.value("event").toString(), QString("fault_began"));
    QCOMPARE(began.value("code").toString(), QString("E006"));
    QVERIFY(!began.value("name").toString().isEmpty());
    QCOMPARE(subscriber.On(Topic("inverter/5/event"))[1].Json().value("event").toString(),
             QString("fault_ended"));

    // The home-automation system restarts: it is told about the devices again.
    const int configs = subscriber.On(device + "output_power/config").size();
    subscriber.Publish("homeassistant/status", "online");
    QTRY_COMPARE(subscriber.On(device + "output_power/config").size(), configs + 1);

    // Off the bus: no power, energies kept, offline.
    inverter->SetCommState(CommOffline);
    QTRY_COMPARE(subscriber.Last(Topic("inverter/5/availability")), QByteArray("offline"));
    QTRY_COMPARE(lastState().value("output_power").toInt(), 0);
    QCOMPARE(subscriber.Last(Topic("inverter/5/output_power")), QByteArray("0"));
    state = lastState();
    QCOMPARE(state.value("today_energy").toDouble(), 12.34);
    QVERIFY(!state.contains("pv1_voltage"));

    // Midnight: today's energy falls to 0, the total stays.
    rig.now = QDateTime(QDate(2026, 6, 16), QTime(0, 0, 1));
    QTRY_COMPARE_WITH_TIMEOUT(subscriber.Last(Topic("inverter/5/today_energy")), QByteArray("0.00"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(subscriber.Last(Topic("plant/today_energy")), QByteArray("0.00"), 5000);
    QCOMPARE(subscriber.Last(Topic("plant/total_energy")), QByteArray("9876.54"));

    // Deleted: its device and retained values go.
    rig.plant.RemoveInverter(inverter);
    QTRY_VERIFY(subscriber.Last(device + "output_power/config").isEmpty() &&
                !subscriber.On(device + "output_power/config").isEmpty());
    QTRY_VERIFY(subscriber.Last(Topic("inverter/5/availability")).isEmpty());
    QVERIFY(!rig.publisher->Energy().Keys().contains(5));
}

void TestPublishBroker::wrongPasswordIsReportedAndNotRetried() {
    BrokerProcess broker;
    broker.AddUser("plant", "right");
    QVERIFY(broker.Start());
    Rig rig;

    QSignalSpy tests(rig.publisher.get(), &QPlantPublisher::TestFinished);
    QPublishSettings settings;
    settings.host = "127.0.0.1";
    settings.port = broker.Port();
    settings.user = "plant";
    settings.password = "wrong";
    rig.publisher->TestConnection(settings);
    QTRY_COMPARE_WITH_TIMEOUT(tests.size(), 1, 10000);
    QCOMPARE(tests[0][0].toBool(), false);
    QVERIFY2(tests[0][1].toString().contains("refused the user name or password"),
             qPrintable(tests[0][1].toString()));
    settings.password = "right";
    rig.publisher->TestConnection(settings);
    QTRY_COMPARE_WITH_TIMEOUT(tests.size(), 2, 10000);
    QVERIFY2(tests[1][0].toBool(), qPrintable(tests[1][1].toString()));

    rig.Configure(broker.Port(), "plant", "wrong");
    QTRY_VERIFY_WITH_TIMEOUT(
        rig.publisher->LogLines().join('\n').contains("refused the user name or password"), 10000);
    QVERIFY(rig.publisher->StatusText().contains("300"));
    // No second attempt soon after, and one line in the log.
    QTest::qWait(3000);
    QCOMPARE(rig.publisher->Link().Attempts(), 1);
    QCOMPARE(rig.publisher->LogLines().filter("refused").size(), 1);
    QVERIFY(!rig.publisher->IsConnected());

    // The right password is taken at once.
    rig.Configure(broker.Port(), "plant", "right");
    QTRY_VERIFY_WITH_TIMEOUT(rig.publisher->IsConnected(), 10000);
}

void TestPublishBroker::brokerRestartLosesNoEvent() {
    BrokerProcess broker;
    QVERIFY(broker.Start());
    RecordingSubscriber subscriber("recorder-events", {Topic("inverter/+/event"), Topic("status")});
    QVERIFY(subscriber.Connect(broker.Port()));
    Rig rig;
    QInverter* inverter = rig.Add(2, "East", "Tivra PM3KS");
    rig.Configure(broker.Port());
    QTRY_VERIFY_WITH_TIMEOUT(rig.publisher->IsConnected(), 10000);
    inverter->SetCommState(CommOnline);
    rig.Fault(inverter, 1, 0xA004);
    QTRY_COMPARE_WITH_TIMEOUT(subscriber.On(Topic("inverter/2/event")).size(), 1, 5000);

    broker.Stop();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.publisher->IsConnected(), 10000);
    // While the broker is away: faults come and go, values keep coming.
    rig.Fault(inverter, 1, 0);
    rig.Fault(inverter, 0, 0xE006);
    for (int i = 0; i < 50; ++i) {
        rig.Decoded(inverter, LiveRead, {{OutputPower, 1000 + i}});
    }
    rig.Fault(inverter, 0, 0);
    QTest::qWait(1500);
    QVERIFY(broker.Start());

    QTRY_VERIFY_WITH_TIMEOUT(rig.publisher->IsConnected(), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(subscriber.On(Topic("inverter/2/event")).size(), 4, 20000);
    QStringList events;
    for (const ReceivedMessage& message : subscriber.On(Topic("inverter/2/event"))) {
        events.append(message.Json().value("event").toString() + ' ' +
                      message.Json().value("code").toString());
    }
    QCOMPARE(events,
             QStringList({"fault_began A004", "fault_ended A004", "fault_began E006", "fault_ended E006"}));
    QTRY_COMPARE(subscriber.Last(Topic("status")), QByteArray("online"));
    QVERIFY(rig.publisher->LogLines().join('\n').contains("was lost"));
}

void TestPublishBroker::tlsWithItsCertificateAuthority() {
    BrokerProcess broker;
    if (!broker.EnableTls()) {
        QFAIL("openssl could not make the test certificates");
    }
    QVERIFY(broker.Start());
    Rig rig;
    QSignalSpy tests(rig.publisher.get(), &QPlantPublisher::TestFinished);
    QPublishSettings settings;
    settings.host = "127.0.0.1";
    settings.port = broker.Port();
    settings.tls = true;
    // The system's authorities do not know the test's own.
    rig.publisher->TestConnection(settings);
    QTRY_COMPARE_WITH_TIMEOUT(tests.size(), 1, 15000);
    QCOMPARE(tests[0][0].toBool(), false);
    QVERIFY2(tests[0][1].toString().contains("secure"), qPrintable(tests[0][1].toString()));
    settings.caFile = broker.FilePath("missing.crt");
    rig.publisher->TestConnection(settings);
    QTRY_COMPARE_WITH_TIMEOUT(tests.size(), 2, 15000);
    QVERIFY2(tests[1][1].toString().contains("CA file"), qPrintable(tests[1][1].toString()));

    rig.Configure(broker.Port(), QString(), QString(), broker.CaFile(), true);
    QTRY_VERIFY_WITH_TIMEOUT(rig.publisher->IsConnected(), 15000);
}

void TestPublishBroker::quietLinkWakesForMessagesAndStop_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("kept");
    QTest::newRow("one value") << 1 << false;
    // More than the link gives the library at once.
    QTest::newRow("a burst of values") << 450 << false;
    // More than may wait for the broker's acknowledgement at once.
    QTest::newRow("a burst of events") << 250 << true;
}

// Between messages the link's thread sleeps for a good part of the keep-alive
// period: what is published, however much, must not wait for it, and neither
// must a stop.
void TestPublishBroker::quietLinkWakesForMessagesAndStop() {
    QFETCH(int, count);
    QFETCH(bool, kept);
    BrokerProcess broker;
    QVERIFY(broker.Start());
    RecordingSubscriber subscriber("recorder-quiet", {"quiet/#"});
    QVERIFY(subscriber.Connect(broker.Port()));
    QBrokerLink link;
    QBrokerLink::Options options;
    options.host = "127.0.0.1";
    options.port = broker.Port();
    options.clientId = "quiet-link";
    options.statusTopic = "quiet/status";
    options.keepAliveSeconds = 60; // asleep for 15 s at a time
    link.Start(options);
    QTRY_VERIFY_WITH_TIMEOUT(link.IsConnected(), 10000);
    QTRY_COMPARE(subscriber.Last("quiet/status"), QByteArray("online"));
    QTest::qWait(300);

    for (int i = 0; i < count; ++i) {
        const QString topic = "quiet/value/" + QString::number(i % 7);
        const QByteArray payload = QByteArray::number(i);
        link.Publish(kept ? QBrokerMessage::Event(topic, payload) : QBrokerMessage::Value(topic, payload));
    }
    auto values = [&subscriber]() {
        QList<int> numbers;
        for (const ReceivedMessage& message : subscriber.Messages()) {
            if (message.topic.startsWith("quiet/value/")) {
                numbers.append(message.payload.toInt());
            }
        }
        return numbers;
    };
    QTRY_COMPARE_WITH_TIMEOUT(values().size(), count, 8000);
    QList<int> expected;
    for (int i = 0; i < count; ++i) {
        expected.append(i);
    }
    QCOMPARE(values(), expected);

    QTest::qWait(300);
    link.Stop(2000);
    QTRY_COMPARE_WITH_TIMEOUT(subscriber.Last("quiet/status"), QByteArray("offline"), 8000);
}

QTEST_GUILESS_MAIN(TestPublishBroker)
#include "test_publish_broker.moc"

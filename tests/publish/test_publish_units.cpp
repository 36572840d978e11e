// The publisher's parts that need no broker: the bounded queue, the energy
// guard and its file, the settings keys and the published units.

#include "DataPaths.h"
#include "QEnergyGuard.h"
#include "QInverter.h"
#include "QOutbox.h"
#include "QPublishSettings.h"
#include "QPublishedValues.h"
#include "QSystemFile.h"
#include "QSystemSettings.h"

#include <QTemporaryDir>
#include <QtTest>

class TestPublishUnits : public QObject {
    Q_OBJECT

private slots:
    void outboxLimits_data();
    void outboxLimits();
    void energyGuard_data();
    void energyGuard();
    void energyFileBytes();
    void energyFileDamaged_data();
    void energyFileDamaged();
    void plantSlug_data();
    void plantSlug();
    void prefixProblem_data();
    void prefixProblem();
    void settingsDefaults_data();
    void settingsDefaults();
    void settingsAppendedAfterStandardKeys();
    void valueTexts_data();
    void valueTexts();
    void valuesOfModel_data();
    void valuesOfModel();
};

// ---------------------------------------------------------------- the queue

void TestPublishUnits::outboxLimits_data() {
    QTest::addColumn<QString>("script"); // L<n> live, K<n> kept, B<a,b> given back in front
    QTest::addColumn<QString>("order");  // what comes out, oldest first
    QTest::addColumn<int>("droppedLive");
    QTest::addColumn<int>("droppedKept");
    // Limits: 3 live values, 2 kept messages.
    QTest::newRow("in order across classes") << "L1 K1 L2 K2"
                                             << "L1 K1 L2 K2" << 0 << 0;
    QTest::newRow("the oldest live value goes first") << "L1 K1 L2 L3 L4"
                                                      << "K1 L2 L3 L4" << 1 << 0;
    QTest::newRow("live values never push out events") << "K1 L1 L2 L3 L4 L5"
                                                       << "K1 L3 L4 L5" << 2 << 0;
    QTest::newRow("events kept up to their limit") << "K1 K2 K3 L1"
                                                   << "K2 K3 L1" << 0 << 1;
    QTest::newRow("given back ahead of the rest, in order") << "L1 K3 B<K1,L0>"
                                                            << "K1 L0 L1 K3" << 0 << 0;
    QTest::newRow("given back beyond the limit: the oldest goes") << "K3 B<K1,K2>"
                                                                  << "K2 K3" << 0 << 1;
}

void TestPublishUnits::outboxLimits() {
    QFETCH(QString, script);
    QFETCH(QString, order);
    QFETCH(int, droppedLive);
    QFETCH(int, droppedKept);
    auto message = [](const QString& name) {
        QBrokerMessage m = name.startsWith('K') ? QBrokerMessage::Event(name, QByteArray())
                                                : QBrokerMessage::Value(name, QByteArray());
        return m;
    };
    QOutbox outbox(3, 2);
    for (const QString& step : script.split(' ')) {
        if (step.startsWith(QLatin1String("B<"))) {
            std::deque<QBrokerMessage> back;
            for (const QString& name : step.mid(2).chopped(1).split(',')) {
                back.push_back(message(name));
            }
            outbox.PushFront(back);
        } else {
            outbox.Push(message(step));
        }
    }
    QStringList out;
    while (!outbox.IsEmpty()) {
        out.append(outbox.TakeFirst().topic);
    }
    QCOMPARE(out.join(' '), order);
    QCOMPARE(outbox.DroppedLive(), qint64(droppedLive));
    QCOMPARE(outbox.DroppedKept(), qint64(droppedKept));
}

// ---------------------------------------------------------------- energies

void TestPublishUnits::energyGuard_data() {
    // Steps, each "operation => total/today as they may go out after it" (-1: nothing):
    //   total N | today N HH:MM | produce HH:MM | midnight | restart (same day) | restart next day
    QTest::addColumn<QString>("script");
    QTest::newRow("a total never falls") << "total 500 => 500/-1; total 400 => 500/-1; total 600 => 600/-1";
    QTest::newRow("nothing from an earlier run until a value arrives")
        << "total 500 => 500/-1; today 80 10:00 => 500/80; restart => -1/-1; "
           "total 450 => 500/-1; today 20 10:05 => 500/80";
    QTest::newRow("today falls only at midnight")
        << "today 100 10:00 => -1/100; today 0 10:01 => -1/100; today 120 10:02 => -1/120; midnight => -1/0";
    QTest::newRow("yesterday's count after midnight is not today's")
        << "today 900 23:00 => -1/900; midnight => -1/0; today 900 00:10 => -1/0; "
           "today 0 06:00 => -1/0; today 30 06:30 => -1/30";
    QTest::newRow("an inverter that starts its day late while feeding in")
        << "today 500 20:00 => -1/500; midnight => -1/0; produce 07:00 => -1/0; "
           "today 520 07:05 => -1/0; today 540 07:20 => -1/540";
    QTest::newRow("a restart on a later day starts today at 0")
        << "today 700 18:00 => -1/700; total 9000 => 9000/700; restart next day => -1/0; "
           "today 700 05:00 => -1/0; total 9000 => 9000/0; today 10 07:00 => 9000/10";
    QTest::newRow("no energy yesterday: today counts at once")
        << "today 0 18:00 => -1/0; midnight => -1/0; today 40 08:00 => -1/40";
}

void TestPublishUnits::energyGuard() {
    QFETCH(QString, script);
    QTemporaryDir dir;
    const QString path = dir.filePath("published.dat");
    QDate day(2026, 6, 15);
    auto guard = std::make_unique<QEnergyGuard>(path);
    QVERIFY(guard->Load(day));
    constexpr int address = 7;
    for (const QString& raw : script.split(';')) {
        const QStringList parts = raw.split("=>");
        const QStringList op = parts[0].simplified().split(' ');
        const QStringList expected = parts[1].trimmed().split('/');
        auto at = [&day](const QString& hhmm) { return QDateTime(day, QTime::fromString(hhmm, "hh:mm")); };
        if (op[0] == "total") {
            guard->OfferTotal(address, op[1].toInt());
        } else if (op[0] == "today") {
            guard->OfferToday(address, op[1].toInt(), at(op[2]));
        } else if (op[0] == "produce") {
            guard->NoteProducing(address, at(op[1]));
        } else if (op[0] == "midnight") {
            day = day.addDays(1);
            guard->BeginDay(day);
        } else if (op[0] == "restart") {
            QVERIFY(guard->Save());
            if (op.size() > 1) {
                day = day.addDays(1);
            }
            guard = std::make_unique<QEnergyGuard>(path);
            QVERIFY(guard->Load(day));
        }
        const QString step = parts[0].trimmed();
        QVERIFY2(guard->Total(address) == expected[0].toInt(), qPrintable(step + " total"));
        QVERIFY2(guard->Today(address) == expected[1].toInt(), qPrintable(step + " today"));
    }
}

void TestPublishUnits::energyFileBytes() {
    QTemporaryDir dir;
    const QString path = dir.filePath("published.dat");
    QEnergyGuard guard(path);
    QVERIFY(guard.Load(QDate(2026, 6, 15)));
    guard.OfferTotal(3, 0x01020304);
    guard.OfferToday(3, 5, QDateTime(QDate(2026, 6, 15), QTime(9, 0)));
    guard.OfferTotal(QEnergyGuard::PlantKey, 9);
    QVERIFY(guard.Save());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // Little-endian records of key, total, today (-1 none) and the day as year*65536 + month*256 + day.
    QCOMPARE(file.readAll().toHex(' '), QByteArray("00 00 00 00 09 00 00 00 ff ff ff ff 0f 06 ea 07 "
                                                   "03 00 00 00 04 03 02 01 05 00 00 00 0f 06 ea 07"));
}

void TestPublishUnits::energyFileDamaged_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("total"); // of address 3 after loading
    const QByteArray record = QByteArray::fromHex("03000000 e8030000 64000000 0f06ea07");
    QTest::newRow("empty") << QByteArray() << -1;
    QTest::newRow("a record cut short") << record.left(10) << -1;
    QTest::newRow("a whole record and a cut one") << record + record.left(7) << 1000;
    QTest::newRow("a key outside the bus") << QByteArray::fromHex("00010000") + record.mid(4) << -1;
    QTest::newRow("random bytes") << QByteArray::fromHex("ffeeddccbbaa99887766554433221100") << -1;
}

void TestPublishUnits::energyFileDamaged() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, total);
    QTemporaryDir dir;
    const QString path = dir.filePath("published.dat");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QEnergyGuard guard(path);
    QVERIFY(guard.Load(QDate(2026, 6, 15)));
    QCOMPARE(guard.LastTotal(3), total);
    // Whatever was read, a value of this run goes out and never below it.
    QCOMPARE(guard.OfferTotal(3, 1), qMax(total, 1));
}

// ---------------------------------------------------------------- settings

void TestPublishUnits::plantSlug_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("slug");
    QTest::newRow("default name") << "System Name"
                                  << "system_name";
    QTest::newRow("punctuation") << "Tetto Sud #2 (east)"
                                 << "tetto_sud_2_east";
    QTest::newRow("dashes stay") << "roof-A"
                                 << "roof-a";
    QTest::newRow("no usable letter") << QString::fromUtf8("光伏电站") << "plant";
    QTest::newRow("empty") << ""
                           << "plant";
    QTest::newRow("topic characters") << "a/b+c#d"
                                      << "a_b_c_d";
}

void TestPublishUnits::plantSlug() {
    QFETCH(QString, name);
    QFETCH(QString, slug);
    QCOMPARE(QPublishSettings::PlantSlug(name), slug);
}

void TestPublishUnits::prefixProblem_data() {
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<QString>("effective"); // for the plant "Roof"
    QTest::newRow("plain") << "solar/roof" << true << "solar/roof";
    QTest::newRow("trailing slash") << "solar/roof/" << true << "solar/roof";
    QTest::newRow("empty: the default") << "" << false << "wattsight/roof";
    QTest::newRow("wildcard +") << "solar/+/x" << false << "wattsight/roof";
    QTest::newRow("wildcard #") << "solar/#" << false << "wattsight/roof";
    QTest::newRow("system topic") << "$SYS/x" << false << "wattsight/roof";
    QTest::newRow("non-ASCII is fine")
        << QString::fromUtf8("tetto/é") << true << QString::fromUtf8("tetto/é");
}

void TestPublishUnits::prefixProblem() {
    QFETCH(QString, prefix);
    QFETCH(bool, usable);
    QFETCH(QString, effective);
    QCOMPARE(QPublishSettings::PrefixProblem(prefix).isEmpty(), usable);
    QPublishSettings settings;
    settings.prefix = prefix;
    QCOMPARE(settings.EffectivePrefix("Roof"), effective);
}

void TestPublishUnits::settingsDefaults_data() {
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("tls");
    QTest::addColumn<QString>("discovery");
    QTest::addColumn<bool>("isEnabled");
    QTest::addColumn<int>("usedPort");
    QTest::addColumn<bool>("isDiscovery");
    QTest::newRow("nothing stored: off") << ""
                                         << ""
                                         << ""
                                         << "" << false << 1883 << true;
    QTest::newRow("enabled with TLS") << "1"
                                      << ""
                                      << "1"
                                      << "0" << true << 8883 << false;
    QTest::newRow("port given") << "1"
                                << "1884"
                                << "1"
                                << "1" << true << 1884 << true;
    QTest::newRow("port out of range") << "1"
                                       << "70000"
                                       << "0"
                                       << "" << true << 1883 << true;
    QTest::newRow("port not a number") << "yes"
                                       << "abc"
                                       << ""
                                       << "" << false << 1883 << true;
}

void TestPublishUnits::settingsDefaults() {
    QFETCH(QString, enabled);
    QFETCH(QString, port);
    QFETCH(QString, tls);
    QFETCH(QString, discovery);
    QSystemSettings stored;
    stored.SetSystemValue(QPublishSettings::KeyEnabled, enabled, false);
    stored.SetSystemValue(QPublishSettings::KeyPort, port, false);
    stored.SetSystemValue(QPublishSettings::KeyTls, tls, false);
    stored.SetSystemValue(QPublishSettings::KeyDiscovery, discovery, false);
    stored.SetSystemValue(QPublishSettings::KeyHost, "broker.local", false);
    const QPublishSettings settings = QPublishSettings::Load(stored);
    QTEST(settings.enabled, "isEnabled");
    QTEST(settings.port, "usedPort");
    QTEST(settings.discovery, "isDiscovery");
}

void TestPublishUnits::settingsAppendedAfterStandardKeys() {
    QTemporaryDir dir;
    DataPaths::SetDataDir(dir.path());
    QSystemFile file;
    QSystemSettings settings;
    settings.SetStore(&file);
    settings.InitSystemFile();
    settings.SetSystemValue("begintime", "360", true);
    QPublishSettings publish;
    publish.enabled = true;
    publish.host = "broker.local";
    publish.user = QString::fromUtf8("caffè");
    publish.Store(settings);

    QSystemSettings reloaded;
    reloaded.SetStore(&file);
    QVERIFY(reloaded.LoadSystemFile());
    QStringList keys;
    for (const auto& entry : reloaded.Entries()) {
        keys.append(entry.first);
    }
    const QStringList standard = QSystemSettings::StandardKeys();
    QCOMPARE(keys.mid(0, standard.size()), standard);
    QCOMPARE(keys.mid(standard.size()),
             QStringList({"begintime", "MqttHost", "MqttPort", "MqttUser", "MqttPassword", "MqttTls",
                          "MqttCaFile", "MqttPrefix", "MqttDiscovery", "MqttEnabled"}));
    QVERIFY(QPublishSettings::Load(reloaded) == publish);
    settings.SetStore(nullptr);
    reloaded.SetStore(nullptr);
}

// ---------------------------------------------------------------- values

void TestPublishUnits::valueTexts_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("unit");
    QTest::newRow("power in W") << "output_power" << qint64(4321) << QByteArray("4321") << "W";
    QTest::newRow("voltage in tenths") << "pv1_voltage" << qint64(3502) << QByteArray("350.2") << "V";
    QTest::newRow("current in tenths") << "phase_u_current" << qint64(7) << QByteArray("0.7") << "A";
    QTest::newRow("temperature below zero")
        << "temperature1" << qint64(-100) << QByteArray("-1.00") << QString::fromUtf8("°C");
    QTest::newRow("frequency") << "grid_frequency" << qint64(5002) << QByteArray("50.02") << "Hz";
    QTest::newRow("energy in kWh") << "total_energy" << qint64(123456789) << QByteArray("1234567.89")
                                   << "kWh";
}

void TestPublishUnits::valueTexts() {
    QFETCH(QString, key);
    QFETCH(qint64, raw);
    const QPublishedValue* value = QPublishedValues::Find(key.toLatin1().constData());
    QVERIFY(value);
    QTEST(value->Format(raw), "text");
    QTEST(QString::fromUtf8(value->unit), "unit");
}

void TestPublishUnits::valuesOfModel_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("absent");
    QTest::newRow("single phase, one track")
        << "Tivra PM3KS" << QStringList{"pv2_voltage",     "pv2_current",     "phase_v_voltage",
                                        "phase_v_current", "phase_w_voltage", "phase_w_current"};
    QTest::newRow("single phase, two tracks")
        << "Tivra PA5KS"
        << QStringList{"phase_v_voltage", "phase_v_current", "phase_w_voltage", "phase_w_current"};
    QTest::newRow("three phases") << "Tivra PA10KT" << QStringList();
}

void TestPublishUnits::valuesOfModel() {
    QFETCH(QString, model);
    QFETCH(QStringList, absent);
    QInverter inverter;
    inverter.SetModel(QInverter::LookupModel(model));
    QStringList keys;
    for (const QPublishedValue& value : QPublishedValues::Of(inverter)) {
        keys.append(QLatin1String(value.key));
    }
    QCOMPARE(keys.size(), QPublishedValues::All().size() - absent.size());
    for (const QString& key : absent) {
        QVERIFY2(!keys.contains(key), qPrintable(key));
    }
}

QTEST_GUILESS_MAIN(TestPublishUnits)
#include "test_publish_units.moc"

// The alerts without a mail server: the sun's times, daylight, the settings
// keys, and what the monitor puts into the mail queue when, with a clock the
// test moves.

#include "AlertTestSupport.h"
#include "QDaylight.h"
#include "QSunTimes.h"

#include <QtTest>

using namespace alerttest;

namespace {
QAlertSettings AllAlerts(int offlineMinutes = 30, int linkMinutes = 15) {
    QAlertSettings settings;
    settings.m_bFault = true;
    settings.m_nOfflineMinutes = offlineMinutes;
    settings.m_nLinkMinutes = linkMinutes;
    settings.m_bSummary = true;
    settings.m_strTo = QStringLiteral("owner@example.org");
    return settings;
}

const QString kBegan = QStringLiteral("[Sunridge] Fault began on Roof east: E006 Over temperature");
const QString kEnded = QStringLiteral("[Sunridge] Fault ended on Roof east: E006 Over temperature");
} // namespace

class TestAlerts : public QObject {
    Q_OBJECT
private slots:
    // Published sunrise and sunset (to the minute), the poles, and a clock change.
    void sunTimes_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("sunrise"); // "up" polar day, "down" polar night
        QTest::addColumn<QString>("sunset");
        QTest::newRow("Rome, summer solstice")
            << "Europe/Rome" << 41.90 << 12.50 << QDate(2025, 6, 21) << "05:35"
            << "20:48";
        QTest::newRow("London, winter solstice")
            << "Europe/London" << 51.51 << -0.13 << QDate(2025, 12, 21) << "08:04"
            << "15:53";
        QTest::newRow("Sydney, southern winter")
            << "Australia/Sydney" << -33.87 << 151.21 << QDate(2025, 6, 21) << "07:00"
            << "16:54";
        QTest::newRow("Tromso, midnight sun") << "Europe/Oslo" << 69.65 << 18.96 << QDate(2025, 6, 21) << "up"
                                              << "up";
        QTest::newRow("Tromso, polar night")
            << "Europe/Oslo" << 69.65 << 18.96 << QDate(2025, 12, 21) << "down"
            << "down";
    }

    void sunTimes() {
        QFETCH(QString, zone);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QDate, date);
        QFETCH(QString, sunrise);
        QFETCH(QString, sunset);
        const QTimeZone timeZone(zone.toLatin1());
        QVERIFY(timeZone.isValid());
        const QSunTimes sun = QSunTimes::For(date, latitude, longitude, timeZone);
        if (sunrise == QLatin1String("up") || sunrise == QLatin1String("down")) {
            QCOMPARE(int(sun.m_eKind),
                     sunrise == QLatin1String("up") ? int(QSunTimes::AlwaysUp) : int(QSunTimes::AlwaysDown));
            return;
        }
        QCOMPARE(int(sun.m_eKind), int(QSunTimes::RisesAndSets));
        QCOMPARE(sun.m_Sunrise.date(), date);
        const auto within = [&](const QDateTime& computed, const QString& published) {
            const QDateTime expected(date, QTime::fromString(published, QStringLiteral("HH:mm")), timeZone);
            return qAbs(computed.secsTo(expected)) <= 120;
        };
        QVERIFY2(within(sun.m_Sunrise, sunrise), qPrintable(sun.m_Sunrise.toString()));
        QVERIFY2(within(sun.m_Sunset, sunset), qPrintable(sun.m_Sunset.toString()));
    }

    // The clock moves, the sun does not: across the spring change the local sunrise jumps by an hour.
    void sunFollowsTheClockChange() {
        const QTimeZone rome("Europe/Rome");
        const QSunTimes saturday = QSunTimes::For(QDate(2025, 3, 29), 41.90, 12.50, rome);
        const QSunTimes sunday = QSunTimes::For(QDate(2025, 3, 30), 41.90, 12.50, rome);
        const int minutes = saturday.m_Sunrise.time().secsTo(sunday.m_Sunrise.time()) / 60;
        QVERIFY2(minutes >= 57 && minutes <= 59, qPrintable(QString::number(minutes)));
    }

    void daylight_data() {
        QTest::addColumn<QString>("begintime");
        QTest::addColumn<int>("latitude");
        QTest::addColumn<QTime>("moment");
        QTest::addColumn<bool>("day");
        QTest::newRow("no position: sunrise at 6 when never set") << "" << 0 << QTime(6, 0) << true;
        QTest::newRow("no position: before 6") << "" << 0 << QTime(5, 59) << false;
        QTest::newRow("no position: the sunrise-time setting") << "4" << 0 << QTime(4, 30) << true;
        QTest::newRow("no position: dark from 18:00") << "4" << 0 << QTime(18, 0) << false;
        // At 40 degrees north on the meridian of Greenwich (the test runs in UTC) the
        // June sun sets at about 19:33, whatever the sunrise-time setting says.
        QTest::newRow("a position: a June evening is light") << "4" << 4035 << QTime(19, 0) << true;
        QTest::newRow("a position: dark after its sunset") << "4" << 4035 << QTime(20, 0) << false;
        QTest::newRow("a position: dark before its sunrise") << "9" << 4035 << QTime(4, 15) << false;
    }

    void daylight() {
        QFETCH(QString, begintime);
        QFETCH(int, latitude);
        QFETCH(QTime, moment);
        QFETCH(bool, day);
        AlertedPlant plant;
        if (!begintime.isEmpty()) {
            plant.plant.SetSystemValue(QStringLiteral("begintime"), begintime, false);
        }
        plant.plant.SetSystemValue(QStringLiteral("Latitude"), QString::number(latitude), false);
        const QDaylight daylight = QDaylight::FromSettings(plant.plant.Settings());
        QCOMPARE(daylight.HasPosition(), latitude != 0);
        QCOMPARE(daylight.IsDay(QDateTime(QDate(2025, 6, 21), moment)), day);
    }

    // New keys follow the standard ones in system.dat, and one save keeps them all.
    void settingsFollowTheStandardKeys() {
        AlertedPlant plant;
        plant.plant.SaveSystemFile();
        plant.Set(AllAlerts(45, 20));
        QFile file(DataPaths::FilePath(QStringLiteral("system.dat")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.indexOf("GPRS_Number") < bytes.indexOf("AlertFault"));
        QVERIFY(bytes.endsWith(
            QByteArray("AlertFault?\x02?1?\x03?AlertOffline?\x02?45?\x03?AlertLink?\x02?20?\x03?"
                       "AlertSummary?\x02?1?\x03?")));
        QVERIFY(bytes.contains("EmailTo?\x02?owner@example.org?\x03?PassWord"));

        // Out-of-range and foreign values read as off or as the limit.
        plant.plant.SetSystemValue(QStringLiteral("AlertOffline"), QStringLiteral("99999"), false);
        plant.plant.SetSystemValue(QStringLiteral("AlertLink"), QStringLiteral("soon"), false);
        const QAlertSettings read = QAlertSettings::Read(plant.plant.Settings());
        QCOMPARE(read.m_nOfflineMinutes, QAlertSettings::MaxMinutes);
        QCOMPARE(read.m_nLinkMinutes, 0);
    }

    // Twenty flaps within the hour: the first fault began and ended go at once,
    // the rest are held back and go as one mail when the hour is over.
    void flapsWithinTheHour() {
        AlertedPlant plant;
        plant.Set(AllAlerts());
        plant.Flaps(20);
        QCOMPARE(plant.Subjects(), QStringList({kBegan, kEnded}));
        plant.At(QTime(10, 59, 59));
        plant.Tick();
        QCOMPARE(plant.Mails().size(), 2);
        plant.At(QTime(11, 0));
        plant.Tick();
        const auto mails = plant.Mails();
        QCOMPARE(mails.size(), 3);
        QCOMPARE(mails.at(2).first,
                 QStringLiteral("[Sunridge] Roof east: alerts held back in the last hour (38)"));
        QCOMPARE(mails.at(2).second.count(QStringLiteral("fault began: E006")), 19);
        QCOMPARE(mails.at(2).second.count(QStringLiteral("fault ended: E006")), 19);
        plant.At(QTime(13, 0));
        plant.Tick();
        QCOMPARE(plant.Mails().size(), 3);
    }

    // A mail held back goes with the next one of the same inverter.
    void heldBackGoesWithTheNextMail() {
        AlertedPlant plant;
        plant.Set(AllAlerts());
        plant.monitor->OnFaultBegan(*plant.roof, 0, 0xE006);
        plant.At(QTime(10, 10));
        plant.monitor->OnFaultBegan(*plant.roof, 1, 0xE001);
        plant.At(QTime(10, 20));
        plant.monitor->OnFaultEnded(*plant.roof, 0, 0xE006);
        const auto mails = plant.Mails();
        QCOMPARE(mails.size(), 2);
        QCOMPARE(mails.at(1).first, kEnded);
        QVERIFY(mails.at(1).second.contains(QStringLiteral("Held back in the last hour")));
        QVERIFY(mails.at(1).second.contains(QStringLiteral("2025-06-21 10:10:00 fault began: E001")));
        plant.At(QTime(12, 0));
        plant.Tick();
        QCOMPARE(plant.Mails().size(), 2);
    }

    // Offline in daylight for longer than the minutes; offline at night is normal.
    void offline_data() {
        QTest::addColumn<QTime>("silent");
        QTest::addColumn<int>("days");
        QTest::addColumn<QTime>("checked");
        QTest::addColumn<bool>("mailed");
        // No position: daylight from 6:00 to 18:00; 30 minutes allowed.
        QTest::newRow("29 minutes of daylight") << QTime(10, 0) << 0 << QTime(10, 29) << false;
        QTest::newRow("31 minutes of daylight") << QTime(10, 0) << 0 << QTime(10, 31) << true;
        QTest::newRow("after sunset") << QTime(18, 10) << 0 << QTime(23, 59) << false;
        QTest::newRow("the night through, 29 minutes after sunrise")
            << QTime(19, 0) << 1 << QTime(6, 29) << false;
        QTest::newRow("not back by sunrise and 30 minutes") << QTime(19, 0) << 1 << QTime(6, 31) << true;
        QTest::newRow("evening minutes do not count in the morning")
            << QTime(17, 45) << 1 << QTime(6, 20) << false;
    }

    void offline() {
        QFETCH(QTime, silent);
        QFETCH(int, days);
        QFETCH(QTime, checked);
        QFETCH(bool, mailed);
        AlertedPlant plant;
        QAlertSettings settings = AllAlerts();
        settings.m_bSummary = false;
        plant.Set(settings);
        plant.At(silent);
        plant.roof->SetCommState(CommOffline);
        plant.At(checked, days);
        plant.Tick();
        QCOMPARE(plant.Subjects(), mailed ? QStringList{"[Sunridge] Roof east is offline"} : QStringList());
        // Back: the all-clear goes only after an offline mail.
        plant.roof->SetCommState(CommOnline);
        const QStringList expected =
            mailed ? QStringList{"[Sunridge] Roof east is offline", "[Sunridge] Roof east is back online"}
                   : QStringList();
        QCOMPARE(plant.Subjects(), expected);
    }

    // A link that is down says so once, after its minutes, for every inverter at
    // once; it holds back the inverters' own offline mails.
    void linkDown() {
        AlertedPlant plant;
        plant.Set(AllAlerts(30, 15));
        plant.monitor->OnLinkState(QStringLiteral("127.0.0.1(8011)On-line!"), true);
        plant.monitor->OnLinkState(QStringLiteral("127.0.0.1(8011)not online!"), false);
        plant.roof->SetCommState(CommOffline);
        plant.At(QTime(10, 14));
        plant.Tick();
        QCOMPARE(plant.Mails().size(), 0);
        plant.At(QTime(11, 0));
        plant.Tick();
        QCOMPARE(plant.Subjects(), QStringList{"[Sunridge] The link to the inverters is down"});
        QVERIFY(plant.Mails().at(0).second.contains(QStringLiteral("127.0.0.1(8011)not online!")));
        plant.monitor->OnLinkState(QStringLiteral("127.0.0.1(8011)On-line!"), true);
        QCOMPARE(plant.Mails().size(), 2);
        QCOMPARE(plant.Mails().at(1).first, QStringLiteral("[Sunridge] The link to the inverters is back"));
        QVERIFY(plant.Mails().at(1).second.contains(QStringLiteral("after 1 h 0 min down")));
    }

    // Once a day after feed-in ended, with the day's energies; a restart does not repeat it.
    void dailySummary() {
        AlertedPlant plant;
        plant.Set(AllAlerts());
        plant.carport->SetCommState(CommConnecting);
        plant.At(QTime(18, 10));
        plant.roof->SetItem(TodayEnergy, 2345);
        plant.roof->SetDataValid(true);
        plant.monitor->OnReplyDecoded(*plant.roof, TodayEnergyRead);
        plant.At(QTime(18, 29));
        plant.Tick();
        QCOMPARE(plant.Mails().size(), 0);
        plant.At(QTime(18, 31));
        plant.Tick();
        QCOMPARE(plant.Subjects(), QStringList{"[Sunridge] Daily summary 2025-06-21"});
        const QString body = plant.Mails().at(0).second;
        QVERIFY2(body.contains(QStringLiteral("Roof east (address 1, Tivra PA5KS): 23.45 kWh")),
                 qPrintable(body));
        QVERIFY(body.contains(QStringLiteral("Carport (address 3, Tivra PA5KS): not read today")));
        QVERIFY(body.contains(QStringLiteral("Plant total: 23.45 kWh")));
        QVERIFY(body.contains(
            QStringLiteral("Inverters that did not produce:\n  Carport (address 3, Tivra PA5KS)")));
        plant.At(QTime(23, 0));
        plant.Tick();
        plant.Restart();
        plant.Tick();
        QCOMPARE(plant.Mails().size(), 1);
        plant.At(QTime(18, 31), 1);
        plant.Tick();
        QCOMPARE(plant.Mails().size(), 2);
    }

    // A fault mailed before a restart is read again after it: no second mail, but its end is told.
    void restartKeepsWhatWasMailed() {
        AlertedPlant plant;
        plant.Set(AllAlerts());
        plant.monitor->OnFaultBegan(*plant.roof, 0, 0xE006);
        plant.Restart();
        plant.At(QTime(10, 5));
        plant.monitor->OnFaultBegan(*plant.roof, 0, 0xE006);
        plant.At(QTime(10, 30));
        plant.monitor->OnFaultEnded(*plant.roof, 0, 0xE006);
        QCOMPARE(plant.Subjects(), QStringList({kBegan, kEnded}));
    }

    void nothingWhenOff() {
        AlertedPlant plant;
        QAlertSettings off;
        plant.Set(off);
        plant.monitor->OnFaultBegan(*plant.roof, 0, 0xE006);
        plant.roof->SetCommState(CommOffline);
        plant.monitor->OnLinkState(QStringLiteral("down"), false);
        plant.At(QTime(23, 0));
        plant.Tick();
        QCOMPARE(plant.Mails().size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestAlerts)
#include "test_alerts.moc"

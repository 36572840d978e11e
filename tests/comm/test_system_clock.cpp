#include "SystemClock.h"

#include <QtTest>
#include <ctime>

// The cheap local time of day the bus tick reads: it must say what the full
// local date and time says, also across daylight-saving changes, in zones
// whose offsets are not whole hours, and before 1970.
class TestSystemClock : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_Zone = qgetenv("TZ"); }
    void cleanupTestCase() { SetZone(m_Zone); }

    void localTimeOfDayAgreesWithTheLocalTime_data() {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDateTime>("change");
        // Rules written out, so that no time-zone files are needed.
        const QByteArray central = "CET-1CEST,M3.5.0,M10.5.0/3";
        QTest::newRow("spring forward") << central << QDateTime(QDate(2026, 3, 29), QTime(1, 0), Qt::UTC);
        QTest::newRow("fall back") << central << QDateTime(QDate(2026, 10, 25), QTime(1, 0), Qt::UTC);
        QTest::newRow("west of UTC") << QByteArray("EST5EDT,M3.2.0,M11.1.0")
                                     << QDateTime(QDate(2026, 11, 1), QTime(6, 0), Qt::UTC);
        QTest::newRow("half-hour change") << QByteArray("LHST-10:30LHDT-11,M10.1.0,M4.1.0")
                                          << QDateTime(QDate(2026, 10, 3), QTime(15, 30), Qt::UTC);
        QTest::newRow("quarter-hour offset") << QByteArray("NPT-5:45")
                                             << QDateTime(QDate(2026, 6, 15), QTime(18, 15), Qt::UTC);
        QTest::newRow("before 1970") << QByteArray("UTC0") << QDateTime(QDate(1969, 12, 31), QTime(23, 59), Qt::UTC);
    }

    void localTimeOfDayAgreesWithTheLocalTime() {
        QFETCH(QByteArray, zone);
        QFETCH(QDateTime, change);
        SetZone(zone);
        const qint64 middle = change.toMSecsSinceEpoch();
        // Forwards through the change, then backwards, as a clock set back would.
        QList<qint64> moments;
        for (qint64 at = middle - 150000; at <= middle + 150000; at += 7001) {
            moments << at;
        }
        for (qint64 at = middle + 150000; at >= middle - 150000; at -= 13003) {
            moments << at;
        }
        moments << middle - 1 << middle << middle - 60000 << middle + 59999;
        for (qint64 at : std::as_const(moments)) {
            const QTime expected = QDateTime::fromMSecsSinceEpoch(at).time();
            QCOMPARE(SystemClock::LocalTimeOfDay(at), expected);
        }
    }

    void currentTimeIsTheLocalTimeNow() {
        SetZone(m_Zone);
        const QTime before = QTime::currentTime();
        const QTime now = SystemClock::CurrentTime();
        const QTime after = QTime::currentTime();
        // Read between the two, unless midnight passed meanwhile.
        QVERIFY(after < before || (before <= now && now <= after));
    }

private:
    static void SetZone(const QByteArray& zone) {
        if (zone.isEmpty()) {
            qunsetenv("TZ");
        } else {
            qputenv("TZ", zone);
        }
        tzset();
    }

    QByteArray m_Zone;
};

QTEST_GUILESS_MAIN(TestSystemClock)
#include "test_system_clock.moc"

#include "DataPaths.h"
#include "QAnalogDevice.h"
#include "QInverter.h"
#include "QReadDataFile.h"
#include "StorageTestSupport.h"
#include "SystemClock.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>
#include <cmath>
#include <functional>
#include <memory>

using namespace storagetest;

namespace {
// Builds an analog.db with the documented schema: meta(key, value) with format
// "wattsight-analog" and version, samples(sample, d0..d12).
bool MakeRecording(const QString& path, int samples, const std::function<double(int, int)>& value,
                   const QString& format = "wattsight-analog", const QString& version = "1") {
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "fixture");
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery query(db);
        ok = ok && query.exec("CREATE TABLE meta (key TEXT PRIMARY KEY, value TEXT)");
        QString columns;
        QString holders;
        for (int i = 0; i < 13; ++i) {
            columns += QString(", d%1 REAL").arg(i);
            holders += ", ?";
        }
        ok = ok && query.exec("CREATE TABLE samples (sample INTEGER PRIMARY KEY" + columns + ")");
        if (!format.isNull()) {
            ok = ok && query.exec(QString("INSERT INTO meta VALUES ('format', '%1')").arg(format));
        }
        if (!version.isNull()) {
            ok = ok && query.exec(QString("INSERT INTO meta VALUES ('version', '%1')").arg(version));
        }
        db.transaction();
        query.prepare("INSERT INTO samples VALUES (?" + holders + ")");
        for (int s = 0; s < samples && ok; ++s) {
            query.addBindValue(s);
            for (int i = 0; i < 13; ++i) {
                query.addBindValue(value(s, i));
            }
            ok = query.exec();
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase("fixture");
    return ok;
}

// Sample s, quantity i: s + i/8 + 1/16 (exact in binary, so every scaled value has a
// known fraction to cut off); sample 0 holds negatives to show truncation toward zero.
double Pattern(int sample, int index) {
    if (sample == 0) {
        return -(index + 1.5625);
    }
    return sample + index / 8.0 + 1.0 / 16;
}

QString ShippedRecording() {
    return qEnvironmentVariable("WATTSIGHT_SOURCE_DIR", QStringLiteral(WATTSIGHT_SOURCE_DIR)) +
           "/app/resources/analog.db";
}
} // namespace

class TestAnalogDevice : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_pDir;

    QString DbPath() const { return m_pDir->path() + "/analog.db"; }
    void UseShipped() { QVERIFY(QFile::copy(ShippedRecording(), DbPath())); }
    static std::unique_ptr<QInverter> Device() {
        auto device = std::make_unique<QInverter>();
        device->SetAddress(QInverter::AnalogAddress);
        return device;
    }
    void At(int hour, int minute, int second) {
        SystemClock::SetFixed(QDateTime(QDate(2015, 3, 15), QTime(hour, minute, second)));
    }

private slots:
    void init() {
        m_pDir = std::make_unique<QTemporaryDir>();
        DataPaths::SetDataDir(m_pDir->path());
        At(12, 0, 0);
    }
    void cleanup() {
        SystemClock::UseSystem();
        m_pDir.reset();
    }

    // ------------------------------------------------------------------ the reader

    void readerClampsSamplesAndRefusesUnknownQuantities() {
        QVERIFY(MakeRecording(DbPath(), 50, Pattern));
        QReadDataFile reader;
        QVERIFY(reader.Open(DbPath()));
        QCOMPARE(reader.SampleCount(), 50);
        QCOMPARE(reader.GetData(10, 4), 10.5625);
        QCOMPARE(reader.GetData(-5, 4), reader.GetData(0, 4));
        QCOMPARE(reader.GetData(7195, 12), reader.GetData(49, 12));
        QCOMPARE(reader.GetData(10, 13), 0.0);
        QCOMPARE(reader.GetData(10, -1), 0.0);
        QCOMPARE(QSqlDatabase::connectionNames(), QStringList());
    }

    void samplesMissingInBetweenRepeatTheOneBefore() {
        QVERIFY(MakeRecording(DbPath(), 10, Pattern));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "gap");
            db.setDatabaseName(DbPath());
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec("DELETE FROM samples WHERE sample IN (4, 5)"));
            QVERIFY(QSqlQuery(db).exec("UPDATE samples SET d3 = NULL WHERE sample = 7"));
        }
        QSqlDatabase::removeDatabase("gap");
        QReadDataFile reader;
        QVERIFY(reader.Open(DbPath()));
        QCOMPARE(reader.SampleCount(), 10);
        QCOMPARE(reader.GetData(5, 2), Pattern(3, 2));
        QCOMPARE(reader.GetData(6, 2), Pattern(6, 2));
        QCOMPARE(reader.GetData(7, 3), 0.0);
    }

    void whatIsNotARecordingIsRefused_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("empty file") << "empty";
        QTest::newRow("random bytes") << "random";
        QTest::newRow("other format") << "format";
        QTest::newRow("newer version") << "version";
        QTest::newRow("no version") << "noversion";
        QTest::newRow("no samples") << "nosamples";
        QTest::newRow("cut in half") << "cut";
    }
    void whatIsNotARecordingIsRefused() {
        QFETCH(QString, kind);
        if (kind == "empty") {
            QVERIFY(WriteFile(DbPath(), QByteArray()));
        } else if (kind == "random") {
            QVERIFY(WriteFile(DbPath(), RandomBytes(8192, 71)));
        } else if (kind == "format") {
            QVERIFY(MakeRecording(DbPath(), 5, Pattern, "something-else"));
        } else if (kind == "version") {
            QVERIFY(MakeRecording(DbPath(), 5, Pattern, "wattsight-analog", "2"));
        } else if (kind == "noversion") {
            QVERIFY(MakeRecording(DbPath(), 5, Pattern, "wattsight-analog", QString()));
        } else if (kind == "nosamples") {
            QVERIFY(MakeRecording(DbPath(), 0, Pattern));
        } else if (kind == "cut") {
            const QByteArray whole = ReadFile(ShippedRecording());
            QVERIFY(WriteFile(DbPath(), whole.left(whole.size() / 2)));
        }
        const QByteArray before = ReadFile(DbPath());
        QReadDataFile reader;
        QVERIFY(!reader.Open(DbPath()));
        QVERIFY(!reader.IsOpen());
        QCOMPARE(reader.SampleCount(), 0);
        QCOMPARE(reader.GetData(0, 0), 0.0);
        QCOMPARE(QFile::exists(DbPath()), kind != "missing"); // never created by opening
        QCOMPARE(ReadFile(DbPath()), before);
        QCOMPARE(QSqlDatabase::connectionNames(), QStringList());
    }

    // ------------------------------------------------------------------ the shipped recording

    void shippedRecordingIsAConsistentClearDay() {
        QReadDataFile reader;
        QVERIFY(reader.Open(ShippedRecording()));
        QCOMPARE(reader.SampleCount(), 7200);
        QVERIFY(QFileInfo(ShippedRecording()).size() < 2 * 1024 * 1024);
        double energy = 0.0;
        double peak = 0.0;
        double maxPower = 0.0;
        int noonSample = 0;
        for (int s = 0; s < 7200; ++s) {
            const auto d = [&](int i) { return reader.GetData(s, i); };
            QVERIFY(d(12) >= (s ? reader.GetData(s - 1, 12) : 0.0)); // energy never falls
            energy += d(10) * 6.0 / 3600.0 / 1000.0;
            peak = std::max(peak, d(10));
            QCOMPARE(d(11), peak); // running peak
            if (d(4) > 1500) {
                const double efficiency = d(10) / d(4);
                QVERIFY2(efficiency > 0.95 && efficiency < 0.975, qPrintable(QString::number(efficiency)));
                // The two trackers make up the input power.
                QVERIFY(std::abs(d(0) * d(1) + d(2) * d(3) - d(4)) <= 1.0);
                QVERIFY(d(9) >= 0.99 && d(9) <= 1.0);
                QCOMPARE(std::round(d(9) * 1000) / 1000, d(9));
            }
            QVERIFY(d(6) > 225 && d(6) < 236);
            QVERIFY(d(8) > 49.9 && d(8) < 50.1);
            if (d(4) > maxPower) {
                maxPower = d(4);
                noonSample = s;
            }
        }
        QVERIFY(std::abs(energy - reader.GetData(7199, 12)) < 0.01);
        QVERIFY(reader.GetData(7199, 12) > 20.0 && reader.GetData(7199, 12) < 45.0);
        QVERIFY(noonSample > 3000 && noonSample < 4200);
        QCOMPARE(reader.GetData(0, 4), 0.0);
        // The heat sink is warmest after the sun is highest.
        int warmest = 0;
        for (int s = 0; s < 7200; ++s) {
            if (reader.GetData(s, 5) > reader.GetData(warmest, 5)) {
                warmest = s;
            }
        }
        QVERIFY(warmest > noonSample);
    }

    // ------------------------------------------------------------------ the device

    void startingAt0559LoadsNoHistory() {
        UseShipped();
        At(5, 59, 0);
        QAnalogDevice analog;
        auto device = Device();
        QVERIFY(analog.LoadAnalogDay(device.get()));
        QCOMPARE(device->CommState(), int(CommOnline));
        for (int minute = 0; minute < QInverter::MinutesPerDay; ++minute) {
            QCOMPARE(device->MinuteValue(0, minute), -1);
        }
    }

    void startingAt060006LoadsOneSampleIntoMinute360() {
        QVERIFY(MakeRecording(DbPath(), 7200, [](int s, int i) { return 1000.0 + s + i; }));
        At(6, 0, 6);
        QAnalogDevice analog;
        auto device = Device();
        QVERIFY(analog.LoadAnalogDay(device.get()));
        QCOMPARE(device->MinuteValue(0, 360), 1004);
        QCOMPARE(device->MinuteValue(1, 360), 1010);
        QCOMPARE(device->MinuteValue(2, 360), 101200);
        QCOMPARE(device->MinuteValue(0, 359), -1);
        QCOMPARE(device->MinuteValue(0, 361), -1);
    }

    void historyUpToNowKeepsTheLastSampleOfEachMinute() {
        QVERIFY(MakeRecording(DbPath(), 7200, [](int s, int i) { return i == 12 ? s / 4.0 : double(s); }));
        At(12, 0, 0);
        QAnalogDevice analog;
        auto device = Device();
        QVERIFY(analog.LoadAnalogDay(device.get()));
        QCOMPARE(device->MinuteValue(0, 360), 9);
        QCOMPARE(device->MinuteValue(1, 361), 19);
        QCOMPARE(device->MinuteValue(0, 719), 3599);
        QCOMPARE(device->MinuteValue(2, 719), 3599 * 25);
        QCOMPARE(device->MinuteValue(0, 720), -1);

        At(23, 59, 59);
        auto late = Device();
        QVERIFY(analog.LoadAnalogDay(late.get()));
        QCOMPARE(late->MinuteValue(1, 1079), 7198); // 17:59 ends with the last sample the day asks for
        QCOMPARE(late->MinuteValue(1, 1439), 7198);
    }

    void missingRecordingLeavesTheDeviceOfflineAndUnfed() {
        QAnalogDevice analog;
        auto device = Device();
        QVERIFY(!analog.LoadAnalogDay(device.get()));
        QCOMPARE(device->CommState(), int(CommOffline));
        QVERIFY(device->EventLog().Lines().isEmpty()); // connecting to offline is no change worth a line
        analog.FeedAnalogSample(device.get());
        QCOMPARE(device->ItemValue(0), 0);
        QCOMPARE(int(device->Item(0).m_bFresh), 0);
        QVERIFY(!QFile::exists(DbPath()));
    }

    void feedingSetsTheItemsOfTheCurrentSample() {
        QVERIFY(MakeRecording(DbPath(), 7200, Pattern));
        At(8, 30, 13);
        QAnalogDevice analog;
        auto device = Device();
        QVERIFY(analog.LoadAnalogDay(device.get()));
        analog.FeedAnalogSample(device.get());
        // Sample 2 * 600 + 30 * 10 + 13 / 6 = 1502, quantity i holds 1502 + i/8 + 1/16.
        QCOMPARE(device->ItemValue(2), 15020);    // 1502.0625 V * 10
        QCOMPARE(device->ItemValue(3), 15021);    // 1502.1875 A * 10
        QCOMPARE(device->ItemValue(4), 15023);    // 1502.3125 * 10
        QCOMPARE(device->ItemValue(5), 15024);    // 1502.4375 * 10
        QCOMPARE(device->ItemValue(0), 1502);     // 1502.5625 W
        QCOMPARE(device->ItemValue(6), 150268);   // 1502.6875 degrees * 100
        QCOMPARE(device->ItemValue(11), 15028);   // 1502.8125 * 10
        QCOMPARE(device->ItemValue(12), 15029);   // 1502.9375 * 10
        QCOMPARE(device->ItemValue(8), 150306);   // 1503.0625 Hz * 100
        QCOMPARE(device->ItemValue(29), 1503187); // 1503.1875 * 1000
        QCOMPARE(device->ItemValue(1), 1503);     // 1503.3125 W
        QCOMPARE(device->ItemValue(26), 1503);    // 1503.4375 W
        QCOMPARE(device->ItemValue(17), 150356);  // 1503.5625 kWh * 100
        QCOMPARE(device->ItemValue(20), 150356);
        QCOMPARE(device->ItemValue(18), 149905); // 1503.5625 * 0.997 * 100 = 149905.18
        QCOMPARE(device->ItemValue(28), (15 << 16) | (3 << 8) | 15);
        QCOMPARE(device->ItemValue(27), (8 << 16) | (30 << 8) | 13);
        QCOMPARE(device->MinuteValue(0, 8 * 60 + 30), 1502);
        QCOMPARE(device->MinuteValue(2, 8 * 60 + 30), 150356);
    }

    void feedingClampsTheSampleToTheRecordedDay() {
        QVERIFY(MakeRecording(DbPath(), 7200, Pattern));
        QAnalogDevice analog;
        auto device = Device();
        QVERIFY(analog.LoadAnalogDay(device.get()));
        At(19, 0, 0);
        analog.FeedAnalogSample(device.get());
        QCOMPARE(device->ItemValue(0), 7195); // 7195.5625 W of sample 7195, not 7800
        QCOMPARE(device->ItemValue(27), 19 << 16);
        At(5, 0, 0); // negative sample: the reader gives the first one, truncated toward zero
        analog.FeedAnalogSample(device.get());
        QCOMPARE(device->ItemValue(26), -12); // -12.5625
        QCOMPARE(device->ItemValue(6), -656); // -6.5625 * 100
        QCOMPARE(device->ItemValue(0), -5);   // -5.5625
    }

    void shippedRecordingReplays() {
        UseShipped();
        At(12, 0, 0);
        QAnalogDevice analog;
        auto device = Device();
        QVERIFY(analog.LoadAnalogDay(device.get()));
        QVERIFY(device->MinuteValue(1, 719) > 3000);
        QVERIFY(device->MinuteValue(2, 719) > device->MinuteValue(2, 600));
        analog.FeedAnalogSample(device.get());
        QVERIFY(device->ItemValue(1) > 3000);
        QVERIFY(device->ItemValue(0) > device->ItemValue(1));
        QVERIFY(device->ItemValue(11) > 2250 && device->ItemValue(11) < 2400);
        QVERIFY(device->ItemValue(8) > 4990 && device->ItemValue(8) < 5010);
        QVERIFY(device->ItemValue(17) > 1000);
        QCOMPARE(device->ItemValue(18), qint32(analog.Reader().GetData(3600, 12) * 0.997 * 100));
    }
};

QTEST_GUILESS_MAIN(TestAnalogDevice)
#include "test_analog_device.moc"

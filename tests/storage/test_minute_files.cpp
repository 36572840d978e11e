#include "DataPaths.h"
#include "QInverter.h"
#include "QMinuteFiles.h"
#include "QSaveInverterData.h"
#include "StorageTestSupport.h"
#include "SystemClock.h"

#include <QtTest>
#include <memory>

using namespace storagetest;

namespace {
// Our own header: "WSMINUTE", format version 1, record size 16, reserved 0.
const QByteArray Header = Bytes().Raw("WSMINUTE").U16(1).U16(16).U16(0);

QByteArray MinuteRecord(int hour, int minute, int second, qint32 input, qint32 output, qint32 energy) {
    return Bytes().I32(TimeWord(hour, minute, second)).I32(input).I32(output).I32(energy);
}
} // namespace

class TestMinuteFiles : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_pDir;

    QSaveInverterData m_Writer;

    QString MinutePath(int address) const { return m_pDir->path() + QString("/data_%1.dat").arg(address); }
    void Save(QInverter& inverter) { QMinuteFiles::SaveMinuteRecord(inverter, m_Writer, SystemClock::Now()); }
    static void Load(QInverter& inverter) {
        QMinuteFiles::LoadTodayMinutes(inverter, SystemClock::CurrentDate());
    }

    static std::unique_ptr<QInverter> Online(int address) {
        auto inverter = std::make_unique<QInverter>();
        inverter->SetAddress(address);
        inverter->SetCommState(CommOnline);
        return inverter;
    }

private slots:
    void init() {
        m_pDir = std::make_unique<QTemporaryDir>();
        DataPaths::SetDataDir(m_pDir->path());
        SystemClock::SetFixed(QDateTime(QDate(2015, 3, 15), QTime(10, 31, 0)));
        m_Writer = QSaveInverterData();
    }
    void cleanup() {
        SystemClock::UseSystem();
        m_pDir.reset();
    }

    void minuteRecordsFollowTheHeaderAndDate() {
        QCOMPARE(Header.size(), QSaveInverterData::HeaderSize);
        auto inverter = Online(3);
        inverter->SetItem(0, 1500);
        inverter->SetItem(1, 1450);
        inverter->SetItem(20, 1234);
        Save(*inverter);
        SystemClock::Advance(60000);
        inverter->SetItem(0, 1600);
        Save(*inverter);
        QCOMPARE(ReadFile(MinutePath(3)), Header + Bytes().I32(DateWord(2015, 3, 15)).Data() +
                                              MinuteRecord(10, 31, 0, 1500, 1450, 1234) +
                                              MinuteRecord(10, 32, 0, 1600, 1450, 1234));
        QCOMPARE(m_Writer.FilePath(), MinutePath(3)); // the writer followed the address
        QCOMPARE(int(inverter->Item(0).m_bFresh), 0);
        QCOMPARE(int(inverter->Item(20).m_bFresh), 0);
    }

    void nothingWhileNotOnline() {
        QInverter inverter;
        inverter.SetAddress(3);
        Save(inverter);
        inverter.SetCommState(CommConnecting);
        Save(inverter);
        QVERIFY(!QFile::exists(MinutePath(3)));
    }

    void theFirstRecordOfANewDayStartsTheFileAfresh() {
        QVERIFY(WriteFile(MinutePath(4), Header + Bytes().I32(DateWord(2015, 3, 14)).Data() +
                                             MinuteRecord(23, 59, 0, 1, 2, 3)));
        auto inverter = Online(4);
        inverter->SetItem(0, 7);
        Save(*inverter);
        QCOMPARE(ReadFile(MinutePath(4)),
                 Header + Bytes().I32(DateWord(2015, 3, 15)).Data() + MinuteRecord(10, 31, 0, 7, 0, 0));
    }

    void aForeignOrCutFileIsStartedAfreshOrRealigned() {
        QVERIFY(WriteFile(MinutePath(5), RandomBytes(300, 51)));
        auto inverter = Online(5);
        Save(*inverter);
        QCOMPARE(ReadFile(MinutePath(5)).size(), 18 + 16);

        const QByteArray today =
            Header + Bytes().I32(DateWord(2015, 3, 15)).Data() + MinuteRecord(9, 0, 0, 1, 1, 1);
        QVERIFY(WriteFile(MinutePath(5), today + MinuteRecord(9, 1, 0, 2, 2, 2).left(9)));
        Save(*inverter);
        QCOMPARE(ReadFile(MinutePath(5)), today + MinuteRecord(10, 31, 0, 0, 0, 0));
    }

    void todaysRecordsFillTheCurves() {
        // The header is the writer's business; the reader only looks at the date and the records.
        QVERIFY(WriteFile(MinutePath(6), QByteArray(14, 'z') + Bytes().I32(DateWord(2015, 3, 15)).Data() +
                                             MinuteRecord(8, 0, 1, 100, 90, 5) +
                                             MinuteRecord(8, 1, 0, 600000, 500000, 6) +
                                             MinuteRecord(23, 59, 0, -1, -2, 7)));
        QInverter inverter;
        inverter.SetAddress(6);
        Load(inverter);
        QCOMPARE(inverter.MinuteValue(0, 480), 100);
        QCOMPARE(inverter.MinuteValue(1, 480), 90);
        QCOMPARE(inverter.MinuteValue(2, 480), 5);
        QCOMPARE(inverter.MinuteValue(0, 481), -1); // 600000 is beyond any inverter
        QCOMPARE(inverter.MinuteValue(1, 481), 500000);
        QCOMPARE(inverter.MinuteValue(1, 1439), -1);
        QCOMPARE(inverter.MinuteValue(2, 1439), 7);
        QCOMPARE(inverter.MinuteValue(0, 479), -1);
    }

    void savedRecordsComeBackAfterARestart() {
        {
            auto inverter = Online(7);
            inverter->SetItem(1, 2500);
            Save(*inverter);
        }
        QInverter restarted;
        restarted.SetAddress(7);
        Load(restarted);
        QCOMPARE(restarted.MinuteValue(1, 10 * 60 + 31), 2500);
    }

    void aFileOfYesterdayLoadsNothing() {
        QVERIFY(WriteFile(MinutePath(6), Header + Bytes().I32(DateWord(2015, 3, 14)).Data() +
                                             MinuteRecord(8, 0, 0, 100, 90, 5)));
        QInverter inverter;
        inverter.SetAddress(6);
        Load(inverter);
        QCOMPARE(inverter.MinuteValue(0, 480), -1);
    }

    void damagedFilesLoadWhatIsWhole_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("loaded");
        const QByteArray head = Header + Bytes().I32(DateWord(2015, 3, 15)).Data();
        const QByteArray two = MinuteRecord(8, 0, 0, 1, 1, 1) + MinuteRecord(8, 1, 0, 2, 2, 2);
        QTest::newRow("whole") << head + two << 2;
        QTest::newRow("cut record") << head + two + MinuteRecord(8, 2, 0, 3, 3, 3).left(5) << 2;
        QTest::newRow("cut date") << head.left(16) << 0;
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("bad time words")
            << head + Bytes().I32(TimeWord(24, 0, 0)).I32(1).I32(1).I32(1).Data() +
                   Bytes().I32(TimeWord(1, 60, 0)).I32(1).I32(1).I32(1).Data() +
                   Bytes().I32(-1).I32(1).I32(1).I32(1).Data() + two
            << 2;
        QByteArray random = head + RandomBytes(16 * 2000 + 3, 61);
        QTest::newRow("random records") << random << -1;
    }
    void damagedFilesLoadWhatIsWhole() {
        QFETCH(QByteArray, content);
        QFETCH(int, loaded);
        QVERIFY(WriteFile(MinutePath(8), content));
        QInverter inverter;
        inverter.SetAddress(8);
        Load(inverter);
        int filled = 0;
        for (int minute = 0; minute < QInverter::MinutesPerDay; ++minute) {
            for (int series = 0; series < QInverter::SeriesCount; ++series) {
                const qint32 value = inverter.MinuteValue(series, minute);
                QVERIFY(value >= -1 && value <= 500000);
            }
            filled += inverter.MinuteValue(2, minute) != -1 ? 1 : 0;
        }
        if (loaded >= 0) {
            QCOMPARE(filled, loaded);
        }
    }

    void writerRefusesWrongRecords() {
        QSaveInverterData writer;
        const qint32 record[4] = {1, 2, 3, 4};
        QVERIFY(!writer.Save(record, 4)); // never opened
        QVERIFY(writer.OpenFile(9));
        QVERIFY(!writer.Save(record, 3));
        QVERIFY(!writer.Save(nullptr, 4));
        QVERIFY(!QFile::exists(MinutePath(9)));
        QVERIFY(writer.Save(record, 4));
        QCOMPARE(QFileInfo(MinutePath(9)).size(), qint64(34));
    }
};

QTEST_GUILESS_MAIN(TestMinuteFiles)
#include "test_minute_files.moc"

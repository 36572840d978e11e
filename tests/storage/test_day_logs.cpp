#include "../common/RecordedPlant.h"
#include "DataPaths.h"
#include "QDayLogFiles.h"
#include "QInverter.h"
#include "StorageTestSupport.h"
#include "SystemClock.h"

#include <QtTest>
#include <memory>

using namespace storagetest;

namespace {
const QByteArray ColumnLine = "Time,Status,Fault,Track1 voltage,Track1 current,Track2 voltage,Track2 current,"
                              "Input power,U voltage,U current,V voltage,V current,W voltage,W current,"
                              "Output power,Tem1,Tem2,Grid frequency\n";

QByteArray Stamp() {
    return " " + QLocale().toString(SystemClock::Now(), QLocale::ShortFormat).toUtf8();
}

QItemRecord FaultWord(qint32 code) {
    QItemRecord record;
    record.m_bActive = 1;
    record.m_nValue = code;
    return record;
}

// An hour.dat laid out from its table: date, 24 first readings, 24 last readings.
QByteArray HourFile(int year, int month, int day, const QMap<int, QPair<qint32, qint32>>& readings) {
    Bytes bytes;
    bytes.I32(year).I32(month).I32(day);
    for (int i = 0; i < 24; ++i) {
        bytes.I32(readings.contains(i) ? readings[i].first : -1);
    }
    for (int i = 0; i < 24; ++i) {
        bytes.I32(readings.contains(i) ? readings[i].second : -1);
    }
    return bytes;
}
} // namespace

class TestDayLogs : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_pDir;
    std::unique_ptr<RecordedPlant> m_pPlant;

    // Joins the plant, which loads alarm.dat and hour.dat and purges old logs.
    QInverter* NewInverter(const QString& name = "Roof east", int address = 3) {
        return m_pPlant->Join(name, address);
    }
    // The program restarted: a new plant and recorder over the same files.
    QInverter* Restarted(const QString& name = "Roof east", int address = 3) {
        m_pPlant.reset();
        m_pPlant = std::make_unique<RecordedPlant>();
        return NewInverter(name, address);
    }
    static void WriteRow(QInverter* inverter) { QDayLogFiles::WriteDayRow(*inverter, SystemClock::Now()); }
    static void UpdateHours(QInverter* inverter, QHourReadings& hours) {
        QDayLogFiles::UpdateHourFile(*inverter, hours, SystemClock::Now());
    }
    QString LogPath(const QString& name, int y, int m, int d) {
        return m_pDir->path() + QString("/%1/%2/%3/%2_%4_%5.csv")
                                    .arg(name)
                                    .arg(y)
                                    .arg(m)
                                    .arg(m, 2, 10, QChar('0'))
                                    .arg(d, 2, 10, QChar('0'));
    }

private slots:
    void init() {
        m_pDir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_pDir->isValid());
        DataPaths::SetDataDir(m_pDir->path());
        SystemClock::SetFixed(QDateTime(QDate(2015, 3, 15), QTime(14, 5, 8)));
        m_pPlant = std::make_unique<RecordedPlant>();
    }
    void cleanup() {
        m_pPlant.reset();
        SystemClock::UseSystem();
        m_pDir.reset();
    }

    // ------------------------------------------------------------------ CSV day log

    void firstRowOfTheDayWritesHeaderConnectAndDataRow() {
        QInverter* inverter = NewInverter();
        inverter->SetCommState(CommConnecting);
        inverter->SetCommState(CommOnline);
        const QByteArray connected = Stamp() + ",Connected\n";
        const int values[][2] = {{2, 3456}, {3, 52},   {4, 3001}, {5, 49},    {0, 3300}, {11, 2301},
                                 {12, 143}, {13, 0},   {14, 0},   {15, 2299}, {16, 7},   {1, 3190},
                                 {6, 4567}, {7, -100}, {8, 4998}, {32, 2}};
        for (const auto& v : values) {
            inverter->SetItem(v[0], v[1]);
        }
        inverter->UpdateFaultSlot(0, FaultWord(0xA001));
        inverter->UpdateFaultSlot(5, FaultWord(0xE010));
        SystemClock::Advance(2000);
        WriteRow(inverter);

        const QByteArray expected =
            "Roof east,3,Tivra PA5KS,Tivra Wattsight:2.4.5\n" + ColumnLine + connected + Stamp() +
            ",Running,A001 E010 ,345.6,5.2,300.1,4.9,3300,230.1,14.3,0.0,0.0,229.9,0.7,"
            "3190,45.67,-1.00,49.98\n";
        QCOMPARE(ReadFile(LogPath("Roof east", 2015, 3, 15)), expected);
        // The row consumed the values it shows.
        for (int item : {0, 1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15, 16}) {
            QCOMPARE(int(inverter->Item(item).m_bFresh), 0);
        }
    }

    void rowsAreAppendedAndNoFaultIsSpelledOut() {
        QInverter* inverter = NewInverter();
        inverter->SetCommState(CommOnline);
        inverter->SetItem(32, 1);
        WriteRow(inverter);
        inverter->SetItem(32, 5);
        WriteRow(inverter);
        const QList<QByteArray> lines = ReadFile(LogPath("Roof east", 2015, 3, 15)).split('\n');
        QCOMPARE(lines.size(), 6); // header, columns, connected, two rows, empty tail
        QVERIFY(lines[3].startsWith(Stamp() + ",Self-test,No fault,0.0,"));
        QVERIFY(lines[4].startsWith(Stamp() + ",Shutdown,No fault,"));
        QVERIFY(lines[4].endsWith(",0,0.00,0.00,0.00"));
    }

    void statusOutsideOneToFiveGivesOnlyConnectionRows() {
        QInverter* inverter = NewInverter();
        inverter->SetCommState(CommOnline);
        inverter->SetItem(0, 1000);
        WriteRow(inverter);       // status 0
        inverter->SetItem(32, 6); // stored as 0
        WriteRow(inverter);
        inverter->SetCommState(CommOffline);
        const QByteArray expected = "Roof east,3,Tivra PA5KS,Tivra Wattsight:2.4.5\n" + ColumnLine + Stamp() +
                                    ",Connected\n" + Stamp() + ",Communicate lost\n";
        QCOMPARE(ReadFile(LogPath("Roof east", 2015, 3, 15)), expected);
    }

    void noRowWhileOfflineOrWithoutNewData() {
        QInverter* inverter = NewInverter();
        inverter->SetItem(32, 2);
        WriteRow(inverter); // offline since construction
        QVERIFY(!QFile::exists(LogPath("Roof east", 2015, 3, 15)));
        inverter->SetCommState(CommOnline);
        inverter->SetDataValid(false);
        WriteRow(inverter);
        QCOMPARE(ReadFile(LogPath("Roof east", 2015, 3, 15)).count('\n'), 3);
    }

    void aNewDayStartsANewFileInItsOwnFolders() {
        QInverter* inverter = NewInverter();
        inverter->SetCommState(CommOnline);
        SystemClock::SetFixed(QDateTime(QDate(2015, 4, 1), QTime(0, 0, 2)));
        inverter->SetItem(32, 2);
        WriteRow(inverter);
        const QByteArray april = ReadFile(LogPath("Roof east", 2015, 4, 1));
        QVERIFY(april.startsWith("Roof east,3,Tivra PA5KS,Tivra Wattsight:2.4.5\n" + ColumnLine + Stamp() +
                                 ",Running,"));
        QCOMPARE(april.count('\n'), 3);
        // No row is lost to a year folder that the statistics have not made yet.
        SystemClock::SetFixed(QDateTime(QDate(2016, 1, 1), QTime(8, 0, 0)));
        WriteRow(inverter);
        QCOMPARE(ReadFile(LogPath("Roof east", 2016, 1, 1)).count('\n'), 3);
    }

    void aRowCutShortIsDroppedNotContinued_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("kept");
        const QByteArray head = "Roof east,3,Tivra PA5KS,Tivra Wattsight:2.4.5\n" + ColumnLine;
        QTest::newRow("row cut") << head + " 15/03/2015,Run" << head;
        QTest::newRow("whole rows") << head + " x\n" << head + " x\n";
        QTest::newRow("header cut") << QByteArray("Roof east,3,Tiv") << QByteArray();
    }
    void aRowCutShortIsDroppedNotContinued() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, kept);
        QInverter* inverter = NewInverter();
        inverter->SetCommState(CommOnline);
        const QString path = LogPath("Roof east", 2015, 3, 15);
        QVERIFY(WriteFile(path, before));
        inverter->SetItem(OperatingStatus, 2);
        WriteRow(inverter);
        const QByteArray after = ReadFile(path);
        const QByteArray start =
            kept.isEmpty() ? "Roof east,3,Tivra PA5KS,Tivra Wattsight:2.4.5\n" + ColumnLine : kept;
        QVERIFY2(after.startsWith(start + Stamp() + ",Running,"), after.constData());
        QCOMPARE(after.count('\n'), start.count('\n') + 1);
    }

    // ------------------------------------------------------------------ hour.dat

    // Today's energy as the decoder leaves it, and the recorder hearing of it
    // and writing what waits.
    void Energy(QInverter* inverter, qint32 value) {
        inverter->SetItem(TodayEnergy, value);
        m_pPlant->recorder.OnReplyDecoded(*inverter, TodayEnergyRead);
        m_pPlant->recorder.WritePending();
    }

    void hourFileHoldsFirstAndLastReadingOfTheHour() {
        QInverter* inverter = NewInverter();
        Energy(inverter, 1234);
        SystemClock::Advance(600000);
        Energy(inverter, 1300);
        const QByteArray expected = HourFile(2015, 3, 15, {{13, {1234, 1300}}});
        QCOMPARE(ReadFile(m_pDir->path() + "/Roof east/hour.dat"), expected);
        QCOMPARE(int(inverter->Item(TodayEnergy).m_bFresh), 0);

        QInverter* restarted = Restarted("Roof east", 4);
        QCOMPARE(m_pPlant->Hours(restarted).m_nFirst[13], 1234);
        QCOMPARE(m_pPlant->Hours(restarted).m_nLast[13], 1300);
        QCOMPARE(m_pPlant->Hours(restarted).m_nFirst[12], -1);
    }

    void readingsOfHourZeroAreDropped() {
        QInverter* inverter = NewInverter();
        SystemClock::SetFixed(QDateTime(QDate(2015, 3, 15), QTime(0, 30, 0)));
        Energy(inverter, 55);
        QVERIFY(!QFile::exists(m_pDir->path() + "/Roof east/hour.dat"));
        for (int slot = 0; slot < 24; ++slot) {
            QCOMPARE(m_pPlant->Hours(inverter).m_nFirst[slot], -1);
            QCOMPARE(m_pPlant->Hours(inverter).m_nLast[slot], -1);
        }
    }

    void afterMidnightYesterdaysReadingsAreNotShownAsToday() {
        QInverter* inverter = NewInverter();
        Energy(inverter, 2000); // 14:05 on the 15th: slot 13
        SystemClock::SetFixed(QDateTime(QDate(2015, 3, 16), QTime(9, 10, 0)));
        Energy(inverter, 150);
        QCOMPARE(ReadFile(m_pDir->path() + "/Roof east/hour.dat"), HourFile(2015, 3, 16, {{8, {150, 150}}}));
        QCOMPARE(m_pPlant->Hours(inverter).m_nFirst[13], -1);
    }

    // Today's energy is read several times a minute: the file is written again only
    // when what it holds would change.
    void hourFileIsRewrittenOnlyWhenItChanges_data() {
        QTest::addColumn<qint32>("energy");
        QTest::addColumn<qint64>("laterMs");
        QTest::addColumn<bool>("rewritten");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("same reading")
            << 1234 << qint64(20000) << false << HourFile(2015, 3, 15, {{13, {1234, 1234}}});
        QTest::newRow("energy moved")
            << 1240 << qint64(20000) << true << HourFile(2015, 3, 15, {{13, {1234, 1240}}});
        QTest::newRow("next hour") << 1234 << qint64(3600000) << true
                                   << HourFile(2015, 3, 15, {{13, {1234, 1234}}, {14, {1234, 1234}}});
        QTest::newRow("next day") << 1234 << qint64(86400000) << true
                                  << HourFile(2015, 3, 16, {{13, {1234, 1234}}});
    }
    void hourFileIsRewrittenOnlyWhenItChanges() {
        QFETCH(qint32, energy);
        QFETCH(qint64, laterMs);
        QFETCH(bool, rewritten);
        QFETCH(QByteArray, expected);
        const QString path = m_pDir->path() + "/Roof east/hour.dat";
        QInverter* inverter = NewInverter();
        Energy(inverter, 1234);
        QVERIFY(MarkLongAgo(path));
        SystemClock::Advance(laterMs);
        Energy(inverter, energy);
        QCOMPARE(WrittenSinceMarked(path), rewritten);
        QCOMPARE(ReadFile(path), expected);
    }

    void hourFileOfWrongSizeOrDateIsIgnored_data() {
        QTest::addColumn<QByteArray>("content");
        const QByteArray good = HourFile(2015, 3, 15, {{4, {10, 20}}});
        QTest::newRow("203 bytes") << good.left(203);
        QTest::newRow("205 bytes") << good + QByteArray(1, '\0');
        QTest::newRow("yesterday") << HourFile(2015, 3, 14, {{4, {10, 20}}});
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("random 204") << RandomBytes(204, 7);
        QTest::newRow("random 5000") << RandomBytes(5000, 8);
    }
    void hourFileOfWrongSizeOrDateIsIgnored() {
        QFETCH(QByteArray, content);
        QVERIFY(WriteFile(m_pDir->path() + "/Roof east/hour.dat", content));
        QInverter* inverter = NewInverter();
        for (int slot = 0; slot < 24; ++slot) {
            QCOMPARE(m_pPlant->Hours(inverter).m_nFirst[slot], -1);
            QCOMPARE(m_pPlant->Hours(inverter).m_nLast[slot], -1);
        }
    }

    // ------------------------------------------------------------------ alarm.dat

    void alarmFileHoldsEightCodes() {
        QDir().mkpath(m_pDir->path() + "/Roof east");
        QInverter* inverter = NewInverter();
        QAlarmSlots alarms;
        alarms.m_nCode[0] = 0xA001;
        alarms.m_nCode[7] = 0xE020;
        QDayLogFiles::SaveAlarmFile(*inverter, alarms);
        QCOMPARE(ReadFile(m_pDir->path() + "/Roof east/alarm.dat"),
                 Bytes().U16(0xA001).Fill(12, '\0').U16(0xE020).Data());

        m_pPlant.reset();
        QVERIFY(WriteFile(m_pDir->path() + "/Roof east/alarm.dat",
                          Bytes().U16(1).U16(2).U16(3).U16(4).U16(5).U16(6).U16(7).U16(0xFFFF)));
        QInverter* restarted = Restarted();
        for (int slot = 0; slot < 7; ++slot) {
            QCOMPARE(int(m_pPlant->Alarms(restarted).m_nCode[slot]), slot + 1);
        }
        QCOMPARE(int(m_pPlant->Alarms(restarted).m_nCode[7]), 0xFFFF);
    }

    void damagedAlarmFilesKeepWhatTheyHold_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<int>>("codes");
        QTest::newRow("missing") << QByteArray("<none>") << QList<int>{0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("5 bytes") << Bytes().U16(0xA001).U16(0xA002).U8(9).Data()
                                 << QList<int>{0xA001, 0xA002, 0, 0, 0, 0, 0, 0};
        QTest::newRow("oversized")
            << Bytes().U16(1).U16(2).U16(3).U16(4).U16(5).U16(6).U16(7).U16(8).U16(9).Data()
            << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
        QTest::newRow("empty") << QByteArray() << QList<int>{0, 0, 0, 0, 0, 0, 0, 0};
    }
    void damagedAlarmFilesKeepWhatTheyHold() {
        QFETCH(QByteArray, content);
        QFETCH(QList<int>, codes);
        if (content != "<none>") {
            QVERIFY(WriteFile(m_pDir->path() + "/Roof east/alarm.dat", content));
        }
        QInverter* inverter = NewInverter();
        for (int slot = 0; slot < 8; ++slot) {
            QCOMPARE(int(m_pPlant->Alarms(inverter).m_nCode[slot]), codes[slot]);
        }
    }

    // ------------------------------------------------------------------ purge

    void purgeKeepsOneYearOfDayLogs() {
        const QString root = m_pDir->path() + "/Roof east";
        auto touch = [&](int y, int m, int d) { QVERIFY(WriteFile(LogPath("Roof east", y, m, d), "x")); };
        for (int d = 1; d <= 31; ++d) {
            touch(2014, 3, d);
        }
        for (int d = 1; d <= 28; ++d) {
            touch(2014, 2, d);
        }
        QVERIFY(WriteFile(root + "/2014/2/notes.txt", "kept"));
        touch(2013, 6, 30);
        touch(2011, 1, 31);
        touch(2010, 12, 31);
        touch(2014, 4, 2);
        touch(2015, 3, 1);

        NewInverter(); // joining runs the purge, today 15 March 2015

        for (int d = 1; d <= 15; ++d) {
            QVERIFY2(!QFile::exists(LogPath("Roof east", 2014, 3, d)), qPrintable(QString::number(d)));
        }
        for (int d = 16; d <= 31; ++d) {
            QVERIFY(QFile::exists(LogPath("Roof east", 2014, 3, d)));
        }
        for (int d = 1; d <= 28; ++d) {
            QVERIFY(!QFile::exists(LogPath("Roof east", 2014, 2, d)));
        }
        QVERIFY(QFile::exists(root + "/2014/2/notes.txt"));
        QVERIFY(!QFileInfo::exists(root + "/2013/6"));
        QVERIFY(!QFileInfo::exists(root + "/2011/1"));
        QVERIFY(QFileInfo(root + "/2013").isDir());
        QVERIFY(QFileInfo(root + "/2011").isDir());
        QVERIFY(QFile::exists(LogPath("Roof east", 2010, 12, 31)));
        QVERIFY(QFile::exists(LogPath("Roof east", 2014, 4, 2)));
        QVERIFY(QFile::exists(LogPath("Roof east", 2015, 3, 1)));
    }

    void anUnnamedInverterWritesNothing() {
        QInverter inverter;
        inverter.SetCommState(CommOnline);
        inverter.SetItem(OperatingStatus, 2);
        WriteRow(&inverter);
        QDayLogFiles::WriteConnectRow(inverter, true, SystemClock::Now());
        QHourReadings hours;
        UpdateHours(&inverter, hours);
        QDayLogFiles::SaveAlarmFile(inverter, QAlarmSlots());
        QCOMPARE(QDir(m_pDir->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestDayLogs)
#include "test_day_logs.moc"

// The recorder following what the plant's inverters report, with the process
// clock frozen where a test needs midnight, a day change or a start-up.

#include "../comm/InverterTestSupport.h"
#include "../common/RecordedPlant.h"
#include "../storage/StorageTestSupport.h"
#include "DataPaths.h"
#include "QBusScheduler.h"
#include "QDayLogFiles.h"
#include "QGenerationStore.h"
#include "QSaveInverterData.h"
#include "SystemClock.h"

#include <QtTest>
#include <memory>

using namespace testsupport;
using namespace storagetest;

namespace {
const QDate kDay(2026, 6, 15); // day 166 of the year
const qint32 kStored = 777;    // what a seeded generation.dat holds in every slot

// When statistics that wait are due to be written.
enum Moment { SecondPassed, Stopped, Left, Renamed, NextDay, Restarted };

// generation.dat laid out from its table: magic, year, 12 months, slot 0, 365 days.
QByteArray GenerationFile(qint32 value) {
    Bytes bytes;
    bytes.Raw("KOVA_DATA_FILE").I32(value);
    for (int m = 0; m < 12; ++m) {
        bytes.I32(value);
    }
    bytes.I32(-1);
    for (int d = 1; d <= 365; ++d) {
        bytes.I32(value);
    }
    return bytes;
}
int DaySlot(const QDate& date) {
    return 66 + 4 * date.dayOfYear();
}
int MonthSlot(int month) {
    return 18 + 4 * (month - 1);
}

// Statistics replies: day record i holds 100 + i, month record j 1000 + j, the year 50000.
QMap<int, quint16> Registers(int code) {
    QMap<int, quint16> regs;
    const int block = code / StatBlockStep;
    if (code % StatBlockStep == DayStatsRead) {
        for (int i = 0; i < 4; ++i) {
            regs[0x16F2 + 8 * block + 2 * i + 1] = quint16(100 + 4 * block + i);
        }
    } else if (code % StatBlockStep == MonthStatsRead) {
        for (int j = 0; j < 6; ++j) {
            regs[0x1730 + 12 * block + 2 * j + 1] = quint16(1000 + 6 * block + j);
        }
    } else if (code == TotalsRead) {
        regs[0x1649] = 50000;
    }
    return regs;
}
} // namespace

class TestRecorder : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_pDir;
    std::unique_ptr<RecordedPlant> m_pPlant;

    QInverter* Roof() { return m_pPlant->Join(QStringLiteral("Roof"), 3); }
    static void Answer(QInverter* inverter, int code, const QMap<int, quint16>& registers) {
        QMissionModel* mission = FindMission(*inverter, code);
        QVERIFY2(mission, qPrintable(QStringLiteral("no mission %1").arg(code)));
        QVERIFY(Feed(*mission, ReadReply(*mission, registers)));
        inverter->MissionList().FinishMission(mission);
    }
    QString Path(const QString& relative) const { return m_pDir->filePath(relative); }

private slots:
    void init() {
        m_pDir = std::make_unique<QTemporaryDir>();
        DataPaths::SetDataDir(m_pDir->path());
        SystemClock::SetFixed(QDateTime(kDay, QTime(12, 0, 0)));
        m_pPlant = std::make_unique<RecordedPlant>();
    }
    void cleanup() {
        m_pPlant.reset();
        SystemClock::UseSystem();
        m_pDir.reset();
    }

    // ------------------------------------------------------------ generation history

    void historyIsWrittenOnlyFromWhatArrived_data() {
        QTest::addColumn<QList<int>>("answered");
        QTest::addColumn<qint32>("today");
        QTest::addColumn<qint32>("daysAgo20");
        QTest::addColumn<qint32>("thisMonth");
        QTest::addColumn<qint32>("lastMonth");
        QTest::addColumn<qint32>("year");
        QTest::newRow("today's block only")
            << QList<int>{15} << 100 << kStored << kStored << kStored << kStored;
        QTest::newRow("months only") << QList<int>{16, 10016} << kStored << kStored << 1000 << 1001
                                     << kStored;
        QTest::newRow("totals only") << QList<int>{11} << kStored << kStored << kStored << kStored << 50000;
        QTest::newRow("everything") << QList<int>{11, 15, 10015, 20015, 30015, 40015, 50015, 60015, 70015, 16}
                                    << 100 << 120 << 1000 << 1001 << 50000;
    }
    void historyIsWrittenOnlyFromWhatArrived() {
        QFETCH(QList<int>, answered);
        QVERIFY(WriteFile(Path("Roof/2026/generation.dat"), GenerationFile(kStored)));
        QInverter* roof = Roof();
        for (int code : answered) {
            Answer(roof, code, Registers(code));
        }
        m_pPlant->recorder.WritePending();
        const QByteArray file = ReadFile(Path("Roof/2026/generation.dat"));
        QCOMPARE(file.size(), QGenerationStore::GenerationFileSize);
        QTEST(I32At(file, DaySlot(kDay)), "today");
        QTEST(I32At(file, DaySlot(kDay.addDays(-20))), "daysAgo20");
        QTEST(I32At(file, MonthSlot(6)), "thisMonth");
        QTEST(I32At(file, MonthSlot(5)), "lastMonth");
        QTEST(I32At(file, 14), "year");
        // total.dat follows the same rule: days not received keep their "no value".
        const QByteArray total = ReadFile(QGenerationStore::TotalFilePath());
        if (!answered.contains(70015)) {
            QCOMPARE(I32At(total, 14 + 144 + 8 * 31), -1);
        }
    }

    void aDayChangeForgetsYesterdaysTable() {
        QVERIFY(WriteFile(Path("Roof/2026/generation.dat"), GenerationFile(kStored)));
        SystemClock::SetFixed(QDateTime(kDay, QTime(23, 59, 50)));
        QInverter* roof = Roof();
        Answer(roof, 15, Registers(15)); // today (the 15th) holds 100
        SystemClock::SetFixed(QDateTime(kDay.addDays(1), QTime(0, 0, 10)));
        Answer(roof, 70015, Registers(70015)); // the oldest block, yesterday's table still in memory
        m_pPlant->recorder.WritePending();
        const QByteArray file = ReadFile(Path("Roof/2026/generation.dat"));
        QCOMPARE(I32At(file, DaySlot(kDay)), 100);
        // Entry 12 still says 100 but belongs to the 15th: the 16th keeps what it held.
        QCOMPARE(I32At(file, DaySlot(kDay.addDays(1))), kStored);
        QCOMPARE(I32At(file, DaySlot(kDay.addDays(1 - 28))), 128);
    }

    // Statistics are gathered for a second and written for the whole plant at
    // once; what waits is written before anything that would lose it or put it
    // into the wrong folder.
    void whatWaitsIsWrittenInTime_data() {
        QTest::addColumn<int>("moment");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("blocks"); // of total.dat: the plant's, or the one inverter's
        QTest::newRow("a second passed") << int(SecondPassed) << "Roof" << 2;
        QTest::newRow("recording stopped") << int(Stopped) << "Roof" << 2;
        QTest::newRow("the inverter left") << int(Left) << "Roof" << 1;
        QTest::newRow("renamed: written, then moved") << int(Renamed) << "Attic" << 1;
        QTest::newRow("the next day's first tick") << int(NextDay) << "Roof" << 2;
        QTest::newRow("the program ended") << int(Restarted) << "Roof" << 2;
    }
    void whatWaitsIsWrittenInTime() {
        QFETCH(int, moment);
        QFETCH(QString, folder);
        QFETCH(int, blocks);
        SystemClock::SetFixed(QDateTime(kDay, QTime(23, 59, 58)));
        QInverter* roof = Roof();
        QInverter* east = m_pPlant->Join(QStringLiteral("East"), 4);
        m_pPlant->recorder.OnTick();
        Answer(roof, TotalsRead, Registers(TotalsRead));
        Answer(east, TotalsRead, Registers(TotalsRead));
        QVERIFY(!QFile::exists(QGenerationStore::TotalFilePath()));
        switch (moment) {
        case SecondPassed:
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QGenerationStore::TotalFilePath()), 3000);
            break;
        case Stopped:
            m_pPlant->recorder.Stop();
            break;
        case Left:
            m_pPlant->plant.RemoveInverter(roof);
            break;
        case Renamed:
            QCOMPARE(m_pPlant->plant.RenameInverter(roof, QStringLiteral("Attic")), RenameDone);
            break;
        case NextDay:
            SystemClock::SetFixed(QDateTime(kDay.addDays(1), QTime(0, 0, 1)));
            m_pPlant->recorder.OnTick();
            break;
        case Restarted:
            m_pPlant.reset();
            break;
        }
        const QByteArray total = ReadFile(QGenerationStore::TotalFilePath());
        QCOMPARE(total.size(), QGenerationStore::MagicSize + blocks * QGenerationStore::TotalBlockSize);
        QCOMPARE(I32At(ReadFile(Path(folder + "/2026/generation.dat")), 14), 50000);
        QCOMPARE(I32At(ReadFile(Path("East/2026/generation.dat")), 14), blocks == 2 ? 50000 : -1);
    }

    // ------------------------------------------------------------ day changes

    void aNewDayStartsWithEmptyCurvesAndFiles() {
        QInverter* roof = Roof();
        roof->SetCommState(CommOnline);
        SystemClock::SetFixed(QDateTime(kDay, QTime(23, 59, 0)));
        roof->SetItem(OutputPower, 1500);
        m_pPlant->recorder.OnTick(); // the record of 23:59
        QCOMPARE(roof->MinuteValue(1, 1439), 1500);

        SystemClock::SetFixed(QDateTime(kDay.addDays(1), QTime(0, 0, 0)));
        m_pPlant->recorder.OnTick();
        for (int minute : {0, 600, 1439}) {
            QCOMPARE(roof->MinuteValue(1, minute), -1);
        }
        // The minute file holds the new day only: its date and the record of 00:00.
        const QByteArray minutes = ReadFile(QSaveInverterData::FilePathFor(3));
        QCOMPARE(minutes.size(), 18 + 16);
        QCOMPARE(I32At(minutes, 14), DateWord(2026, 6, 16));

        // A reply of the new day before any tick does the same for an inverter offline through midnight.
        QInverter* west = m_pPlant->Join(QStringLiteral("West"), 4);
        SystemClock::SetFixed(QDateTime(kDay.addDays(1), QTime(23, 0, 0)));
        west->SetItem(InputPower, 10);
        SystemClock::SetFixed(QDateTime(kDay.addDays(2), QTime(0, 0, 30)));
        west->SetItem(InputPower, 20);
        QCOMPARE(west->MinuteValue(0, 23 * 60), -1);
        QCOMPARE(west->MinuteValue(0, 0), 20);
    }

    void oldDayLogsArePurgedAtEachDayChange() {
        const QString yearAgo = Path("Roof/2025/6/2025_06_16.csv");
        const QString kept = Path("Roof/2025/6/2025_06_17.csv");
        QVERIFY(WriteFile(yearAgo, "x"));
        QVERIFY(WriteFile(kept, "x"));
        Roof(); // the 15th: a year back is the 15th of last June
        m_pPlant->recorder.OnTick();
        QVERIFY(QFile::exists(yearAgo));
        SystemClock::SetFixed(QDateTime(kDay.addDays(1), QTime(0, 0, 1)));
        m_pPlant->recorder.OnTick();
        QVERIFY(!QFile::exists(yearAgo));
        QVERIFY(QFile::exists(kept));
    }

    void lateTicksStillWriteEveryRowAndRecord() {
        QInverter* roof = Roof();
        roof->SetCommState(CommOnline);
        roof->SetItem(OperatingStatus, 2);
        const QString log = QDayLogFiles::DayLogPath(*roof, kDay);
        auto rows = [&] { return ReadFile(log).count('\n'); };
        auto records = [] { return QFileInfo(QSaveInverterData::FilePathFor(3)).size(); };
        SystemClock::SetFixed(QDateTime(kDay, QTime(12, 0, 30, 500))); // started mid-minute, off the window
        m_pPlant->recorder.OnTick();
        const int start = rows();
        QCOMPARE(records(), qint64(0));
        // The program was busy for 1.5 s: the even second's window passed unseen.
        SystemClock::SetFixed(QDateTime(kDay, QTime(12, 0, 32, 600)));
        m_pPlant->recorder.OnTick();
        QCOMPARE(rows(), start + 1);
        SystemClock::SetFixed(QDateTime(kDay, QTime(12, 0, 33, 0)));
        m_pPlant->recorder.OnTick();
        QCOMPARE(rows(), start + 1);
        // And for 3 s over the start of a minute.
        SystemClock::SetFixed(QDateTime(kDay, QTime(12, 1, 3)));
        m_pPlant->recorder.OnTick();
        QCOMPARE(records(), qint64(18 + 16));
        SystemClock::SetFixed(QDateTime(kDay, QTime(12, 1, 30)));
        m_pPlant->recorder.OnTick();
        QCOMPARE(records(), qint64(18 + 16));
    }

    // ------------------------------------------------------------ names and folders

    void namesThatShareAFolder_data() {
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("slash and colon") << "A:B" << false;
        QTest::newRow("slash and underscore") << "A_B" << false;
        QTest::newRow("backslash") << "A\\B" << false;
        QTest::newRow("same name") << "A/B" << false;
        QTest::newRow("another folder") << "A-B" << true;
    }
    void namesThatShareAFolder() {
        QFETCH(QString, second);
        QFETCH(bool, accepted);
        QVERIFY(m_pPlant->Join(QStringLiteral("A/B"), 1));
        QCOMPARE(m_pPlant->Join(second, 2) != nullptr, accepted);
        // Renaming onto that folder is refused the same way, and the name stays.
        QInverter* other = m_pPlant->Join(QStringLiteral("Other"), 3);
        QCOMPARE(m_pPlant->plant.RenameInverter(other, second), RenameNameUsed);
        QCOMPARE(other->Name(), QStringLiteral("Other"));
    }

    void renameOntoForeignFilesKeepsTheOldName() {
        QInverter* roof = Roof();
        QVERIFY(WriteFile(Path("Roof/mine.txt"), "mine"));
        QVERIFY(WriteFile(Path("Taken/theirs.txt"), "theirs"));
        const int lines = roof->EventLog().Lines().size();
        QCOMPARE(m_pPlant->plant.RenameInverter(roof, QStringLiteral("Taken")), RenameFolderTaken);
        QCOMPARE(roof->Name(), QStringLiteral("Roof"));
        QCOMPARE(roof->EventLog().Lines().size(), lines); // no rename was logged
        QCOMPARE(ReadFile(Path("Roof/mine.txt")), QByteArray("mine"));
        QCOMPARE(ReadFile(Path("Taken/theirs.txt")), QByteArray("theirs"));
        // A free name takes the folder along, alarm.dat saved before the move.
        QCOMPARE(m_pPlant->plant.RenameInverter(roof, QStringLiteral("East")), RenameDone);
        QCOMPARE(ReadFile(Path("East/mine.txt")), QByteArray("mine"));
        QVERIFY(QFile::exists(Path("East/alarm.dat")));
        QVERIFY(!QFileInfo::exists(Path("Roof")));
        QCOMPARE(LinesSince(*roof, lines),
                 QStringList({"   Change the inverter name.", "      The original name:Roof",
                              "      The current name:East"}));
        QCOMPARE(m_pPlant->plant.RenameInverter(roof, QStringLiteral("East")), RenameUnchanged);
        QCOMPARE(m_pPlant->plant.RenameInverter(roof, QString()), RenameUnchanged);
    }

    void aFirstNameAfterJoiningLoadsTheFiles() {
        QVERIFY(WriteFile(Path("Late/alarm.dat"), Bytes().U16(0xA001).Fill(14, '\0')));
        auto* unnamed = new QInverter;
        unnamed->SetAddress(9);
        QVERIFY(m_pPlant->plant.AddInverter(unnamed));
        unnamed->SetName(QStringLiteral("Late"));
        QCOMPARE(m_pPlant->Alarms(unnamed).m_nCode[0], quint16(0xA001));
        QVERIFY(unnamed->EventLog().Lines().filter(QStringLiteral("Change the inverter name")).isEmpty());
    }

    // ------------------------------------------------------------ the clock of long runs

    void scaledClock_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("a day in six minutes") << "2026-03-28T04:00:00,%1,240" << true;
        QTest::newRow("fractional speed") << "2026-03-28T04:00:00,%1,0.5" << true;
        QTest::newRow("no speed") << "2026-03-28T04:00:00,%1" << false;
        QTest::newRow("standing still") << "2026-03-28T04:00:00,%1,0" << false;
        QTest::newRow("no date") << "yesterday,%1,240" << false;
        QTest::newRow("no real time") << "2026-03-28T04:00:00,soon,240" << false;
    }
    void scaledClock() {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        SystemClock::UseSystem();
        const qint64 real = QDateTime::currentMSecsSinceEpoch() - 1000; // a second ago
        QCOMPARE(SystemClock::SetScaled(text.arg(real)), accepted);
        const QDateTime now = SystemClock::Now();
        // The cheap reading of the clock tells the same moment, scaled or not.
        const qint64 lag = SystemClock::MSecsSinceEpoch() - now.toMSecsSinceEpoch();
        QVERIFY2(lag >= 0 && lag < 1000 * qMax(1.0, text.section(QLatin1Char(','), 2).toDouble()),
                 qPrintable(QString::number(lag)));
        if (accepted) {
            const double scale = text.section(QLatin1Char(','), 2).toDouble();
            const qint64 ran = QDateTime(QDate(2026, 3, 28), QTime(4, 0)).msecsTo(now);
            QVERIFY2(ran >= qint64(1000 * scale) && ran < qint64(3000 * scale),
                     qPrintable(QString::number(ran)));
        } else {
            QVERIFY(qAbs(now.msecsTo(QDateTime::currentDateTime())) < 5000);
        }
        SystemClock::UseSystem();
    }

    // ------------------------------------------------------------ faults and the analog device

    void faultsAreRecordedOnceAndKeptAtOnce() {
        QInverter* roof = Roof();
        QItemRecord word;
        word.m_nValue = 0xA001;
        roof->UpdateFaultSlot(2, word);
        QCOMPARE(QFileInfo(Path("fault.dat")).size(), qint64(233));
        // alarm.dat follows at once: a crash now must not record the fault a second time.
        QCOMPARE(ReadFile(Path("Roof/alarm.dat")), Bytes().Fill(4, '\0').U16(0xA001).Fill(10, '\0').Data());
        m_pPlant.reset();
        m_pPlant = std::make_unique<RecordedPlant>();
        roof = Roof();
        roof->UpdateFaultSlot(2, word);
        QCOMPARE(QFileInfo(Path("fault.dat")).size(), qint64(233));
        word.m_nValue = 0;
        roof->UpdateFaultSlot(2, word);
        QCOMPARE(ReadFile(Path("Roof/alarm.dat")), QByteArray(16, '\0'));
    }

    void aLinkLossLeavesTheAnalogDeviceAlone() {
        QVERIFY(QFile::copy(qEnvironmentVariable("WATTSIGHT_SOURCE_DIR") + "/app/resources/analog.db",
                            Path("analog.db")));
        QInverter* roof = Roof();
        QInverter* analog = m_pPlant->Join(QStringLiteral("Signal"), 255);
        QCOMPARE(analog->CommState(), int(CommOnline));
        roof->SetCommState(CommOnline);
        QBusScheduler bus(&m_pPlant->plant, &SystemClock::Now);
        bus.CloseTcpLink(); // the converter went away
        QCOMPARE(roof->CommState(), int(CommOffline));
        QCOMPARE(analog->CommState(), int(CommOnline));
        QVERIFY(!QFileInfo::exists(Path("Signal/2026/6")));
        // It keeps being fed and counted.
        m_pPlant->recorder.OnTick();
        QVERIFY(analog->Item(InputPower).m_bFresh);
        QVERIFY(m_pPlant->plant.PlantSums().m_nInput > 0);
    }
};

QTEST_GUILESS_MAIN(TestRecorder)
#include "test_recorder.moc"

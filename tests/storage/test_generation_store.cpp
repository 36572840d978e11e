#include "DataPaths.h"
#include "QGenerationStore.h"
#include "QInverter.h"
#include "QSystemModel.h"
#include "StorageTestSupport.h"
#include "SystemClock.h"

#include <QtTest>
#include <memory>

using namespace storagetest;

namespace {
const QByteArray Magic = "KOVA_DATA_FILE";

// A generation.dat from its table; slots not given hold -1 (bytes 0xFF).
struct YearFixture {
    qint32 year = -1;
    QMap<int, qint32> months; // 1..12
    QMap<int, qint32> days;   // day of year 1..365

    QByteArray Bytes() const {
        storagetest::Bytes bytes;
        bytes.Raw(Magic).I32(year);
        for (int m = 1; m <= 12; ++m) {
            bytes.I32(months.value(m, -1));
        }
        bytes.I32(-1);
        for (int d = 1; d <= 365; ++d) {
            bytes.I32(days.value(d, -1));
        }
        return bytes;
    }
};

// A total.dat block from its table; parts not given are 0xFF.
QByteArray TotalBlock(qint32 address, const QByteArray& totals = QByteArray(12, '\xFF'),
                      const QMap<int, qint32>& years = {}) {
    Bytes bytes;
    bytes.I32(address).Raw(totals);
    for (int slot = 0; slot < 20; ++slot) {
        bytes.I32(years.value(slot, -1));
    }
    bytes.Fill(48 + 256, '\xFF');
    return bytes;
}

QList<qint32> Values(const QVector<GenerationEntry>& entries) {
    QList<qint32> values;
    for (const GenerationEntry& entry : entries) {
        values.append(entry.m_nValue);
    }
    return values;
}

QList<QDate> Dates(const QVector<GenerationEntry>& entries) {
    QList<QDate> dates;
    for (const GenerationEntry& entry : entries) {
        dates.append(entry.m_Date);
    }
    return dates;
}
} // namespace

class TestGenerationStore : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_pDir;

    QString TotalPath() const { return m_pDir->path() + "/total.dat"; }
    QString YearPath(const QString& name, int year) const {
        return m_pDir->path() + QString("/%1/%2/generation.dat").arg(name).arg(year);
    }
    static std::unique_ptr<QInverter> NewInverter(const QString& name, int address) {
        auto inverter = std::make_unique<QInverter>();
        inverter->SetName(name);
        inverter->SetAddress(address);
        return inverter;
    }
    static GenerationRequest Request(int kind, QInverter* inverter, int period, QDate from, QDate to) {
        GenerationRequest request;
        request.m_nKind = kind;
        request.m_pInverter = inverter;
        request.m_nPeriod = period;
        request.m_From = from;
        request.m_To = to;
        return request;
    }

private slots:
    void init() {
        m_pDir = std::make_unique<QTemporaryDir>();
        DataPaths::SetDataDir(m_pDir->path());
        SystemClock::SetFixed(QDateTime(QDate(2015, 3, 15), QTime(12, 0, 0)));
    }
    void cleanup() {
        SystemClock::UseSystem();
        m_pDir.reset();
    }

    // ------------------------------------------------------------------ total.dat

    void firstSaveCreatesMagicAndOneBlock() {
        auto inverter = NewInverter("Roof", 3);
        inverter->SetItem(17, 123456);
        inverter->SetItem(18, 98765);
        inverter->SetItem(19, 42);
        inverter->SetItem(23, 5000);
        inverter->SetItem(28, (15 << 16) | (3 << 8) | 15);
        QGenerationStore::SaveTotal(inverter.get(), 0);
        const QByteArray expected =
            Magic + TotalBlock(3, Bytes().I32(123456).I32(98765).I32(42), {{2, 5000}});
        QCOMPARE(expected.size(), 414);
        QCOMPARE(ReadFile(TotalPath()), expected);
        QVERIFY(QFile::exists(YearPath("Roof", 2015)));
    }

    void secondInverterGetsTheNextBlock() {
        auto first = NewInverter("Roof", 3);
        auto second = NewInverter("Garage", 200);
        QGenerationStore::SaveTotal(first.get(), 1);
        QGenerationStore::SaveTotal(second.get(), 1);
        first->SetStatItem(0, 777);
        QGenerationStore::SaveTotal(first.get(), 1);
        const QByteArray bytes = ReadFile(TotalPath());
        QCOMPARE(bytes.size(), 814);
        QCOMPARE(I32At(bytes, 14), 3);
        QCOMPARE(I32At(bytes, 414), 200);
        QCOMPARE(I32At(bytes, 14 + 96), 777);
        QCOMPARE(I32At(bytes, 414 + 96), 0);
    }

    // Gathered writes give the very bytes that one write per reply gives.
    void severalInvertersAtOnceAsOneByOne_data() {
        QTest::addColumn<QList<int>>("parts"); // of the first, the second and the first again
        QTest::newRow("totals") << QList<int>{1, 1, 1};
        QTest::newRow("months and days") << QList<int>{2, 4, 4};
        QTest::newRow("everything") << QList<int>{7, 7, 7};
        QTest::newRow("the second only") << QList<int>{0, 7, 0};
    }
    void severalInvertersAtOnceAsOneByOne() {
        QFETCH(QList<int>, parts);
        auto first = NewInverter("Roof", 3);
        auto second = NewInverter("Garage", 200);
        for (QInverter* inverter : {first.get(), second.get()}) {
            inverter->SetItem(17, 1000 + inverter->Address());
            inverter->SetItem(23, 500 + inverter->Address());
            inverter->SetItem(28, (15 << 16) | (3 << 8) | 15);
            for (int entry = 0; entry < 44; ++entry) {
                inverter->SetStatItem(entry, inverter->Address() * 100 + entry);
            }
        }
        const QDate today = SystemClock::CurrentDate();
        const QVector<QStatsWrite> writes = {{first.get(), parts[0], QReceivedStats::All(), today},
                                             {second.get(), parts[1], QReceivedStats::All(), today},
                                             {first.get(), parts[2], QReceivedStats::All(), today}};
        for (const QStatsWrite& write : writes) {
            for (int mode = 0; mode < 3; ++mode) {
                if (write.m_nParts & (1 << mode)) {
                    QGenerationStore::SaveTotal(write.m_pInverter, mode, write.m_Received, today);
                }
            }
        }
        const QByteArray total = ReadFile(TotalPath());
        const QByteArray roof = ReadFile(YearPath("Roof", 2015));
        const QByteArray garage = ReadFile(YearPath("Garage", 2015));
        QVERIFY(QFile::remove(TotalPath()));
        QFile::remove(YearPath("Roof", 2015));
        QFile::remove(YearPath("Garage", 2015));
        QGenerationStore::SaveTotals(writes);
        QCOMPARE(ReadFile(TotalPath()), total);
        QCOMPARE(ReadFile(YearPath("Roof", 2015)), roof);
        QCOMPARE(ReadFile(YearPath("Garage", 2015)), garage);
    }

    void yearlySlotOnlyForYears13To32_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("slot");
        QTest::newRow("12") << 12 << -1;
        QTest::newRow("13") << 13 << 0;
        QTest::newRow("32") << 32 << 19;
        QTest::newRow("33") << 33 << -1;
        QTest::newRow("no date") << -1 << -1;
    }
    void yearlySlotOnlyForYears13To32() {
        QFETCH(int, year);
        QFETCH(int, slot);
        auto inverter = NewInverter("Roof", 3);
        inverter->SetItem(23, 31415);
        inverter->SetItem(28, year < 0 ? -1 : (year << 16) | (6 << 8) | 1);
        QGenerationStore::SaveTotal(inverter.get(), 0);
        const QByteArray bytes = ReadFile(TotalPath());
        QCOMPARE(bytes.size(), 414);
        for (int s = 0; s < 20; ++s) {
            QCOMPARE(I32At(bytes, 14 + 16 + 4 * s), s == slot ? 31415 : -1);
        }
    }

    void monthsAndDaysGoToTheirRecords() {
        auto inverter = NewInverter("Roof", 3);
        for (int j = 0; j < 12; ++j) {
            inverter->SetStatItem(j, 1000 + j);
        }
        for (int i = 0; i < 32; ++i) {
            inverter->SetStatItem(12 + i, 2000 + i);
        }
        QGenerationStore::SaveTotal(inverter.get(), 1);
        QGenerationStore::SaveTotal(inverter.get(), 2);
        const QByteArray bytes = ReadFile(TotalPath());
        QCOMPARE(bytes.size(), 414);
        QCOMPARE(bytes.mid(14 + 4, 12), QByteArray(12, '\xFF'));
        for (int j = 0; j < 12; ++j) {
            QCOMPARE(I32At(bytes, 14 + 96 + 4 * j), 1000 + j);
        }
        QCOMPARE(I32At(bytes, 14 + 144), 2000);
        QCOMPARE(I32At(bytes, 14 + 148), StatsDateWord(2015, 3, 15));
        QCOMPARE(I32At(bytes, 14 + 144 + 8 * 20), 2020);
        QCOMPARE(I32At(bytes, 14 + 148 + 8 * 20), StatsDateWord(2015, 2, 23));
        QCOMPARE(I32At(bytes, 14 + 148 + 8 * 31), StatsDateWord(2015, 2, 12));
    }

    // Totals and statistics are read again every few seconds, mostly unchanged: the
    // plant's total.dat and the year's generation.dat are written only when a value
    // they hold moved.
    void filesAreRewrittenOnlyWhenTheyChange_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("statItem");
        QTest::addColumn<bool>("totalRewritten");
        QTest::addColumn<bool>("yearRewritten");
        QTest::newRow("totals, nothing new") << 0 << -1 << -1 << false << false;
        QTest::newRow("total energy") << 0 << 17 << -1 << true << false;
        QTest::newRow("year energy") << 0 << 23 << -1 << true << true;
        QTest::newRow("months, nothing new") << 1 << -1 << -1 << false << false;
        QTest::newRow("this month") << 1 << -1 << 0 << true << true;
        QTest::newRow("days, nothing new") << 2 << -1 << -1 << false << false;
        QTest::newRow("today") << 2 << -1 << 12 << true << true;
    }
    void filesAreRewrittenOnlyWhenTheyChange() {
        QFETCH(int, mode);
        QFETCH(int, item);
        QFETCH(int, statItem);
        QFETCH(bool, totalRewritten);
        QFETCH(bool, yearRewritten);
        auto inverter = NewInverter("Roof", 3);
        inverter->SetItem(17, 123456);
        inverter->SetItem(23, 5000);
        inverter->SetItem(28, (15 << 16) | (3 << 8) | 15);
        for (int i = 0; i < 44; ++i) {
            inverter->SetStatItem(i, 100 + i);
        }
        QGenerationStore::SaveTotal(inverter.get(), mode);
        QVERIFY(MarkLongAgo(TotalPath()));
        QVERIFY(MarkLongAgo(YearPath("Roof", 2015)));
        if (item >= 0) {
            inverter->SetItem(item, 999);
        }
        if (statItem >= 0) {
            inverter->SetStatItem(statItem, 999);
        }
        QGenerationStore::SaveTotal(inverter.get(), mode);
        QCOMPARE(WrittenSinceMarked(TotalPath()), totalRewritten);
        QCOMPARE(WrittenSinceMarked(YearPath("Roof", 2015)), yearRewritten);
        if (totalRewritten) {
            QVERIFY(ReadFile(TotalPath()).contains(Bytes().I32(999).Data()));
        }
    }

    void shortOrDamagedTotalFilesStayInStep() {
        // Shorter than 15 bytes: started afresh.
        QVERIFY(WriteFile(TotalPath(), "KOVA_DATA_FIL"));
        auto inverter = NewInverter("Roof", 3);
        QGenerationStore::SaveTotal(inverter.get(), 1);
        QCOMPARE(ReadFile(TotalPath()).size(), 414);

        // A block cut short is completed; the next inverter's block follows it.
        const QByteArray cut = Magic + TotalBlock(9) + TotalBlock(8).left(150);
        QVERIFY(WriteFile(TotalPath(), cut));
        QGenerationStore::SaveTotal(inverter.get(), 1);
        const QByteArray bytes = ReadFile(TotalPath());
        QCOMPARE(bytes.size(), 14 + 3 * 400);
        QCOMPARE(bytes.left(cut.size()), cut);
        QCOMPARE(bytes.mid(cut.size(), 250), QByteArray(250, '\xFF'));
        QCOMPARE(I32At(bytes, 814), 3);
    }

    void randomTotalFilesNeverShrink_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("random 1000") << RandomBytes(1000, 21);
        QTest::newRow("random 50000") << RandomBytes(50000, 22);
        QTest::newRow("random 16") << RandomBytes(16, 23);
    }
    void randomTotalFilesNeverShrink() {
        QFETCH(QByteArray, content);
        QVERIFY(WriteFile(TotalPath(), content));
        auto inverter = NewInverter("Roof", 3);
        QGenerationStore::SaveTotal(inverter.get(), 2);
        const QByteArray bytes = ReadFile(TotalPath());
        QVERIFY(bytes.size() > content.size());
        QCOMPARE(bytes.left(content.size()), content);
        QCOMPARE((bytes.size() - 14) % 400, 0);
    }

    // ------------------------------------------------------------------ generation.dat

    void freshGenerationFileReadsNoValueEverywhere() {
        auto inverter = NewInverter("Roof", 3);
        QGenerationStore::UpdateGenerationFile(-1, inverter.get());
        QCOMPARE(ReadFile(YearPath("Roof", 2015)), Magic + QByteArray(1516, '\xFF'));
        QSystemModel plant;
        const auto days = QGenerationStore::GenerationEntries(
            Request(3, inverter.get(), 1, QDate(2015, 1, 1), QDate(2015, 12, 31)), plant);
        QCOMPARE(days.size(), 365);
        QCOMPARE(Values(days), QList<qint32>(365, -1));
        const auto months = QGenerationStore::GenerationEntries(
            Request(3, inverter.get(), 2, QDate(2015, 1, 1), QDate(2015, 12, 31)), plant);
        QCOMPARE(Values(months), QList<qint32>(12, -1));
        const auto years = QGenerationStore::GenerationEntries(
            Request(3, inverter.get(), 3, QDate(2015, 1, 1), QDate(2015, 12, 31)), plant);
        QCOMPARE(Values(years), QList<qint32>{-1});
    }

    void fifthOfJanuaryWritesOnlyDaysFiveDownToOne() {
        SystemClock::SetFixed(QDateTime(QDate(2015, 1, 5), QTime(12, 0, 0)));
        auto inverter = NewInverter("Roof", 3);
        for (int j = 0; j < 12; ++j) {
            inverter->SetStatItem(j, 500 + j);
        }
        for (int i = 0; i < 32; ++i) {
            inverter->SetStatItem(12 + i, 100 + i);
        }
        inverter->SetItem(23, 4242);
        QGenerationStore::SaveTotal(inverter.get(), 2);
        YearFixture expected;
        expected.year = 4242;
        expected.months = {{1, 500}};
        expected.days = {{5, 100}, {4, 101}, {3, 102}, {2, 103}, {1, 104}};
        QCOMPARE(ReadFile(YearPath("Roof", 2015)), expected.Bytes());
        QVERIFY(!QFile::exists(YearPath("Roof", 2014)));
    }

    void monthsUpToTheCurrentOneAndTheDaysOfTheWindow() {
        auto inverter = NewInverter("Roof", 3);
        for (int j = 0; j < 12; ++j) {
            inverter->SetStatItem(j, 500 + j);
        }
        for (int i = 0; i < 32; ++i) {
            inverter->SetStatItem(12 + i, 100 + i);
        }
        QGenerationStore::UpdateGenerationFile(0, inverter.get());
        YearFixture expected;
        expected.year = 0;
        expected.months = {{3, 500}, {2, 501}, {1, 502}};
        for (int i = 0; i < 32; ++i) {
            expected.days[74 - i] = 100 + i; // 15 March is day 74
        }
        QCOMPARE(ReadFile(YearPath("Roof", 2015)), expected.Bytes());
        // Mode -1 leaves an existing file as it is.
        QGenerationStore::UpdateGenerationFile(-1, inverter.get());
        QCOMPARE(ReadFile(YearPath("Roof", 2015)), expected.Bytes());
    }

    void dayThreeSixtySixStaysInsideTheFile() {
        SystemClock::SetFixed(QDateTime(QDate(2016, 12, 31), QTime(12, 0, 0)));
        auto inverter = NewInverter("Roof", 3);
        for (int i = 0; i < 32; ++i) {
            inverter->SetStatItem(12 + i, 100 + i);
        }
        QGenerationStore::UpdateGenerationFile(2, inverter.get());
        const QByteArray bytes = ReadFile(YearPath("Roof", 2016));
        QCOMPARE(bytes.size(), 1530);
        QCOMPARE(I32At(bytes, 66 + 4 * 365), 101); // 30 December
        QCOMPARE(I32At(bytes, 66 + 4 * 335), 131);
        QSystemModel plant;
        const auto days = QGenerationStore::GenerationEntries(
            Request(3, inverter.get(), 1, QDate(2016, 12, 30), QDate(2016, 12, 31)), plant);
        QCOMPARE(Values(days), (QList<qint32>{101, -1}));
    }

    void truncatedGenerationFileIsCompletedNotShortened() {
        YearFixture fixture;
        fixture.year = 9;
        fixture.months = {{1, 11}};
        const QByteArray head = fixture.Bytes().left(40);
        QVERIFY(WriteFile(YearPath("Roof", 2015), head));
        auto inverter = NewInverter("Roof", 3);
        QGenerationStore::UpdateGenerationFile(-1, inverter.get());
        const QByteArray bytes = ReadFile(YearPath("Roof", 2015));
        QCOMPARE(bytes.size(), 1530);
        QCOMPARE(bytes.left(40), head);
        QCOMPARE(bytes.mid(40), QByteArray(1490, '\xFF'));

        const QByteArray big = RandomBytes(4000, 31);
        QVERIFY(WriteFile(YearPath("Roof", 2015), big));
        QGenerationStore::UpdateGenerationFile(1, inverter.get());
        QCOMPARE(ReadFile(YearPath("Roof", 2015)).size(), 4000);
    }

    // ------------------------------------------------------------------ reports

    void daysAcrossAYearBoundaryForOneInverter() {
        auto inverter = NewInverter("Roof", 3);
        YearFixture y2014;
        y2014.days = {{364, 1200}, {365, 9437185}};
        YearFixture y2015;
        y2015.days = {{1, 1300}, {2, 9437184}};
        QVERIFY(WriteFile(YearPath("Roof", 2014), y2014.Bytes()));
        QVERIFY(WriteFile(YearPath("Roof", 2015), y2015.Bytes()));
        QSystemModel plant;
        const auto entries = QGenerationStore::GenerationEntries(
            Request(3, inverter.get(), 1, QDate(2014, 12, 29), QDate(2015, 1, 2)), plant);
        QCOMPARE(Dates(entries), (QList<QDate>{QDate(2014, 12, 29), QDate(2014, 12, 30), QDate(2014, 12, 31),
                                               QDate(2015, 1, 1), QDate(2015, 1, 2)}));
        QCOMPARE(Values(entries), (QList<qint32>{-1, 1200, -1, 1300, 9437184}));
    }

    void monthsAcrossAYearBoundary() {
        auto inverter = NewInverter("Roof", 3);
        YearFixture y2014;
        y2014.months = {{10, 1}, {11, 2}, {12, 3}};
        YearFixture y2015;
        y2015.months = {{1, 4}, {2, 9437185}, {3, 6}};
        QVERIFY(WriteFile(YearPath("Roof", 2014), y2014.Bytes()));
        QVERIFY(WriteFile(YearPath("Roof", 2015), y2015.Bytes()));
        QSystemModel plant;
        const auto entries = QGenerationStore::GenerationEntries(
            Request(3, inverter.get(), 2, QDate(2014, 11, 15), QDate(2015, 2, 10)), plant);
        QCOMPARE(Dates(entries), (QList<QDate>{QDate(2014, 11, 1), QDate(2014, 12, 1), QDate(2015, 1, 1),
                                               QDate(2015, 2, 1)}));
        QCOMPARE(Values(entries), (QList<qint32>{2, 3, 4, 9437185}));
        // Within one year: to month - from month + 1 entries.
        QCOMPARE(QGenerationStore::GenerationEntries(
                     Request(3, inverter.get(), 2, QDate(2015, 1, 31), QDate(2015, 3, 1)), plant)
                     .size(),
                 3);
    }

    void yearsWithAndWithoutFiles() {
        auto inverter = NewInverter("Roof", 3);
        YearFixture y2013;
        y2013.year = 700000;
        YearFixture y2015;
        y2015.year = 800000;
        QVERIFY(WriteFile(YearPath("Roof", 2013), y2013.Bytes()));
        QVERIFY(WriteFile(YearPath("Roof", 2015), y2015.Bytes()));
        QSystemModel plant;
        const auto entries = QGenerationStore::GenerationEntries(
            Request(3, inverter.get(), 3, QDate(2013, 6, 1), QDate(2016, 2, 1)), plant);
        QCOMPARE(Dates(entries),
                 (QList<QDate>{QDate(2013, 1, 1), QDate(2014, 1, 1), QDate(2015, 1, 1), QDate(2016, 1, 1)}));
        QCOMPARE(Values(entries), (QList<qint32>{700000, -1, 800000, -1}));
    }

    void plantSumsSkipMissingValues() {
        QSystemModel plant;
        auto* roof = NewInverter("Roof", 3).release();
        auto* garage = NewInverter("Garage", 4).release();
        auto* shed = NewInverter("Shed", 5).release();
        QVERIFY(plant.AddInverter(roof));
        QVERIFY(plant.AddInverter(garage));
        QVERIFY(plant.AddInverter(shed));
        YearFixture a;
        a.days = {{1, 100}, {2, 9437185}, {3, 300}};
        a.months = {{1, 10}, {2, 9437185}};
        a.year = 5;
        YearFixture b;
        b.days = {{1, 1}, {2, 20}, {4, 0}};
        b.months = {{1, 1}, {2, 1}};
        QVERIFY(WriteFile(YearPath("Roof", 2015), a.Bytes()));
        QVERIFY(WriteFile(YearPath("Garage", 2015), b.Bytes()));
        QVERIFY(WriteFile(YearPath("Shed", 2015), YearFixture().Bytes().left(60))); // cut short

        const auto days = QGenerationStore::GenerationEntries(
            Request(2, nullptr, 1, QDate(2015, 1, 1), QDate(2015, 1, 5)), plant);
        QCOMPARE(Values(days), (QList<qint32>{101, 20, 300, 0, -1}));
        // Month and year values are taken as they stand, however large.
        const auto months = QGenerationStore::GenerationEntries(
            Request(2, nullptr, 2, QDate(2015, 1, 1), QDate(2015, 3, 1)), plant);
        QCOMPARE(Values(months).mid(0, 2), (QList<qint32>{11, 9437186}));
        const auto years = QGenerationStore::GenerationEntries(
            Request(2, nullptr, 3, QDate(2014, 1, 1), QDate(2015, 1, 1)), plant);
        QCOMPARE(Values(years), (QList<qint32>{-1, 5}));
    }

    void emptyOrReversedRangesGiveNoEntries() {
        auto inverter = NewInverter("Roof", 3);
        QSystemModel plant;
        QVERIFY(QGenerationStore::GenerationEntries(
                    Request(3, inverter.get(), 1, QDate(2015, 2, 1), QDate(2015, 1, 1)), plant)
                    .isEmpty());
        QVERIFY(QGenerationStore::GenerationEntries(Request(3, inverter.get(), 2, QDate(2015, 2, 2), QDate()),
                                                    plant)
                    .isEmpty());
        QVERIFY(QGenerationStore::GenerationEntries(
                    Request(3, inverter.get(), 7, QDate(2015, 1, 1), QDate(2015, 2, 1)), plant)
                    .isEmpty());
        QCOMPARE(QGenerationStore::GenerationEntries(
                     Request(3, inverter.get(), 2, QDate(2015, 2, 10), QDate(2015, 2, 20)), plant)
                     .size(),
                 1);
    }
};

QTEST_GUILESS_MAIN(TestGenerationStore)
#include "test_generation_store.moc"

// The history tab: what its four views put on the bar chart (labels, bars, scale)
// from the hourly readings and from total.dat as the statistics write it.

#include "Page23.h"
#include "QDayLogFiles.h"
#include "QGenerationStore.h"
#include "QHistogram.h"
#include "QHistoryChart.h"
#include "QPillar.h"
#include "QTotalFileReader.h"
#include "QUserActivity.h"
#include "ViewsTestSupport.h"

#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace viewstest;

namespace {
const QDateTime kNow(QDate(2024, 6, 15), QTime(10, 30, 5));

QVector<qint32> NoRecord() {
    return QVector<qint32>(QTotalFileReader::ValueCount, -1);
}

// The date word of a daily record: (year - 2000) << 24 | month << 16 | day << 8.
qint32 Word(const QDate& date) {
    return (date.year() - 2000) << 24 | date.month() << 16 | date.day() << 8;
}

// The shown bars of a chart as "label=value", in column order.
QStringList Shown(const QHistoryChart& chart) {
    QStringList shown;
    for (int i = 0; i < chart.Bars().size(); ++i) {
        if (chart.Bars().at(i) != -1) {
            shown << chart.XLabels().at(i) + QLatin1Char('=') + QString::number(chart.Bars().at(i));
        }
    }
    return shown;
}
} // namespace

class TestHistoryPage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_pData = new DataDir; }
    void cleanupTestCase() {
        delete m_pData;
        SystemClock::UseSystem();
    }
    void init() { SystemClock::SetFixed(kNow); }

    void scaleAndValueLabels_data();
    void scaleAndValueLabels();
    void todayShowsTheHoursUpToNow();
    void monthPlacesEachDayByItsDateWord();
    void yearPlacesEachMonthFromTheLastSave();
    void yearsAreTheFixedTwentyYears();
    void columnLabelsPerView_data();
    void columnLabelsPerView();
    void pageReadsItsInvertersBlockOfTotalDat();
    void buttonsSwitchTheViewAndDisableThemselves();
    void rebuildsOnceInEveryTenSeconds();

private:
    DataDir* m_pData = nullptr;
};

void TestHistoryPage::scaleAndValueLabels_data() {
    QTest::addColumn<int>("view");
    QTest::addColumn<int>("largest"); // -1: no bar at all
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("labels");
    const QString fives = QStringLiteral("0.00 1.00 2.00 3.00 4.00 5.00");
    QTest::newRow("today, nothing") << 0 << -1 << 500 << fives;
    QTest::newRow("month, nothing") << 1 << -1 << 500 << fives;
    QTest::newRow("year, nothing") << 2 << -1 << 500 << fives;
    QTest::newRow("years, nothing") << 3 << -1 << 500 << QStringLiteral("0 1 2 3 4 5");
    QTest::newRow("3.20 kWh keeps 500") << 1 << 320 << 500 << fives;
    QTest::newRow("10 kWh gives 1300")
        << 1 << 1000 << 1300 << QStringLiteral("0.00 2.60 5.20 7.80 10.40 13.00");
    QTest::newRow("years, 4 kWh gives 1000") << 3 << 400 << 1000 << QStringLiteral("0 2 4 6 8 10");
    QTest::newRow("years, 12345.67 kWh")
        << 3 << 1234567 << 1543500 << QStringLiteral("0 3087 6174 9261 12348 15435");
}

void TestHistoryPage::scaleAndValueLabels() {
    QFETCH(int, view);
    QFETCH(int, largest);
    QFETCH(int, max);
    QFETCH(QString, labels);
    QHourReadings hours;
    QVector<qint32> record = NoRecord();
    if (largest >= 0) {
        // The largest value where the view shows it, with a smaller one beside it.
        switch (view) {
        case 0:
            hours.m_nFirst[8] = 1000;
            hours.m_nLast[8] = 1000 + largest;
            break;
        case 1:
            record[QTotalFileReader::FirstDay] = largest;
            record[QTotalFileReader::FirstDay + 1] = Word(kNow.date());
            record[QTotalFileReader::FirstDay + 2] = largest / 2;
            record[QTotalFileReader::FirstDay + 3] = Word(kNow.date().addDays(-1));
            break;
        case 2:
            record[QTotalFileReader::FirstMonth] = largest;
            break;
        default:
            record[QTotalFileReader::FirstYear + 11] = largest;
            record[QTotalFileReader::FirstYear + 10] = largest / 3;
            break;
        }
    }
    const QHistoryChart chart = QHistoryChart::Build(view, &hours, record, kNow, 6);
    QCOMPARE(chart.Max(), max);
    QCOMPARE(chart.YLabels().join(QLatin1Char(' ')), labels);
    QCOMPARE(Shown(chart).isEmpty(), largest < 0);

    // The same without readings or record: nothing shown, the default scale.
    const QHistoryChart empty = QHistoryChart::Build(view, nullptr, NoRecord(), kNow, 6);
    QVERIFY(Shown(empty).isEmpty());
    QCOMPARE(empty.Max(), 500);
}

void TestHistoryPage::todayShowsTheHoursUpToNow() {
    QHourReadings hours;
    // Readings in every slot, as after a night before the first reading of the
    // new day: the slots of later hours still hold yesterday's readings.
    for (int slot = 0; slot < QHourReadings::Slots; ++slot) {
        hours.m_nFirst[slot] = 100 * slot;
        hours.m_nLast[slot] = 100 * slot + 10 + slot;
    }
    hours.m_nFirst[6] = -1; // 07:00 never read
    hours.m_nLast[7] = 0;   // 08:00 ran backwards
    const QHistoryChart chart = QHistoryChart::Build(QHistoryChart::Today, &hours, NoRecord(), kNow, 6);
    QCOMPARE(chart.XLabels().first(), QStringLiteral("06:00"));
    QCOMPARE(chart.XLabels().last(), QStringLiteral("20:00"));
    // Slot k shows at label k + 1; at 10:30 nothing after 10:00.
    QCOMPARE(Shown(chart), QStringList({QStringLiteral("06:00=15"), QStringLiteral("09:00=18"),
                                        QStringLiteral("10:00=19")}));

    const QHistoryChart late = QHistoryChart::Build(QHistoryChart::Today, &hours, NoRecord(),
                                                    QDateTime(kNow.date(), QTime(23, 59)), 12);
    QCOMPARE(late.XLabels().first(), QStringLiteral("09:00"));
    QCOMPARE(late.XLabels().last(), QStringLiteral("23:00"));
    QCOMPARE(late.Bars().last(), 32);
}

void TestHistoryPage::monthPlacesEachDayByItsDateWord() {
    QVector<qint32> record = NoRecord();
    // Saved on 13 June: record 0 is the 13th, record 12 the 1st, record 13 May.
    const QDate saved(2024, 6, 13);
    for (int i = 0; i < 32; ++i) {
        record[QTotalFileReader::FirstDay + 2 * i] = 500 + i;
        record[QTotalFileReader::FirstDay + 2 * i + 1] = Word(saved.addDays(-i));
    }
    record[QTotalFileReader::FirstDay + 2 * 3] = QGenerationStore::NoValueLimit; // the 10th: no value
    const QHistoryChart chart = QHistoryChart::Build(QHistoryChart::ThisMonth, nullptr, record, kNow, 6);
    QCOMPARE(chart.XLabels().size(), 30);
    QCOMPARE(chart.XLabels().first(), QStringLiteral("01"));
    QStringList expected;
    for (int day = 1; day <= 13; ++day) {
        if (day != 10) {
            expected << QString::asprintf("%02d=%d", day, 500 + 13 - day);
        }
    }
    QCOMPARE(Shown(chart), expected);

    // On the 31st of a long month every day has its column.
    const QHistoryChart january = QHistoryChart::Build(QHistoryChart::ThisMonth, nullptr, record,
                                                       QDateTime(QDate(2024, 1, 31), QTime(12, 0)), 6);
    QCOMPARE(january.XLabels().size(), 31);
    QVERIFY(Shown(january).isEmpty());
}

void TestHistoryPage::yearPlacesEachMonthFromTheLastSave() {
    QVector<qint32> record = NoRecord();
    for (int j = 0; j < 12; ++j) {
        record[QTotalFileReader::FirstMonth + j] = 1000 * (j + 1);
    }
    record[QTotalFileReader::FirstDay + 1] = Word(QDate(2024, 4, 28)); // last saved in April
    const QHistoryChart chart = QHistoryChart::Build(QHistoryChart::ThisYear, nullptr, record, kNow, 6);
    QCOMPARE(chart.XLabels().join(QLatin1Char(' ')), QStringLiteral("01 02 03 04 05 06 07 08 09 10 11 12"));
    QCOMPARE(Shown(chart), QStringList({QStringLiteral("01=4000"), QStringLiteral("02=3000"),
                                        QStringLiteral("03=2000"), QStringLiteral("04=1000")}));

    // Never saved a day: the months count back from the current one.
    record[QTotalFileReader::FirstDay + 1] = -1;
    const QHistoryChart now = QHistoryChart::Build(QHistoryChart::ThisYear, nullptr, record, kNow, 6);
    QCOMPARE(Shown(now).first(), QStringLiteral("01=6000"));
    QCOMPARE(Shown(now).last(), QStringLiteral("06=1000"));
}

void TestHistoryPage::yearsAreTheFixedTwentyYears() {
    QVector<qint32> record = NoRecord();
    record[QTotalFileReader::FirstYear] = 0;
    record[QTotalFileReader::FirstYear + 1] = -5;
    record[QTotalFileReader::FirstYear + 19] = 250000;
    const QHistoryChart chart = QHistoryChart::Build(QHistoryChart::Years, nullptr, record, kNow, 6);
    QCOMPARE(chart.XLabels().size(), 20);
    QCOMPARE(Shown(chart), QStringList({QStringLiteral("2013=0"), QStringLiteral("2032=250000")}));
}

void TestHistoryPage::columnLabelsPerView_data() {
    QTest::addColumn<int>("view");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("labels");
    QTest::newRow("today from 6") << 0 << 6
                                  << QStringLiteral(
                                         "06:00 07:00 08:00 09:00 10:00 11:00 12:00 13:00 14:00 15:00 "
                                         "16:00 17:00 18:00 19:00 20:00");
    QTest::newRow("today from 4") << 0 << 4
                                  << QStringLiteral(
                                         "04:00 05:00 06:00 07:00 08:00 09:00 10:00 11:00 12:00 13:00 "
                                         "14:00 15:00 16:00 17:00 18:00");
    QTest::newRow("years") << 3 << 6
                           << QStringLiteral(
                                  "2013 2014 2015 2016 2017 2018 2019 2020 2021 2022 2023 2024 2025 "
                                  "2026 2027 2028 2029 2030 2031 2032");
}

void TestHistoryPage::columnLabelsPerView() {
    QFETCH(int, view);
    QFETCH(int, start);
    QFETCH(QString, labels);
    Page23 page;
    page.SetBeginTime(start);
    if (view == 3) {
        page.on_pushButton_4_clicked();
    }
    QCOMPARE(page.Histogram()->XTexts().join(QLatin1Char(' ')), labels);
}

void TestHistoryPage::pageReadsItsInvertersBlockOfTotalDat() {
    QFile::remove(QGenerationStore::TotalFilePath());
    std::unique_ptr<QInverter> first(MakeInverter(QStringLiteral("First"), 3, QStringLiteral("Tivra PA5KS")));
    std::unique_ptr<QInverter> second(
        MakeInverter(QStringLiteral("Second"), 7, QStringLiteral("Tivra PA5KS")));
    for (int j = 0; j < 12; ++j) {
        first->SetStatItem(j, 100 + j);
        second->SetStatItem(j, 7000 + 10 * j);
    }
    for (int i = 0; i < 32; ++i) {
        first->SetStatItem(12 + i, 10 + i);
        second->SetStatItem(12 + i, 300 + i);
    }
    QGenerationStore::SaveTotal(first.get(), 1);
    QGenerationStore::SaveTotal(first.get(), 2);
    QGenerationStore::SaveTotal(second.get(), 1);
    QGenerationStore::SaveTotal(second.get(), 2);

    Page23 page;
    page.SetCurrentInverter(second.get());
    page.on_pushButton_2_clicked();
    QCOMPARE(page.TotalRecord().value(QTotalFileReader::FirstDay), 300);
    QHistogram* chart = page.Histogram();
    QCOMPARE(chart->XTexts().size(), 30);
    QCOMPARE(chart->BarCount(), 15); // 1 .. 15 June
    QCOMPARE(chart->Bar(14)->Value(), 300);
    QCOMPARE(chart->Bar(0)->Value(), 314);
    QCOMPARE(chart->Bar(14)->toolTip(), QStringLiteral("15: 3.00 kWh"));
    QCOMPARE(QPillar::Max(), 500);

    page.on_pushButton_3_clicked();
    QCOMPARE(chart->BarCount(), 6);
    QCOMPARE(chart->Bar(5)->Value(), 7000);
    QCOMPARE(QPillar::Max(), 8900); // 70.50 kWh in January
    QCOMPARE(chart->YTexts().last(), QStringLiteral("89.00"));

    // Another inverter without a block, and none at all: empty charts.
    std::unique_ptr<QInverter> third(MakeInverter(QStringLiteral("Third"), 9, QStringLiteral("Tivra PA5KS")));
    page.SetCurrentInverter(third.get());
    QCOMPARE(chart->BarCount(), 0);
    page.SetCurrentInverter(nullptr);
    QCOMPARE(chart->BarCount(), 0);
    QCOMPARE(chart->YTexts().last(), QStringLiteral("5.00"));
}

void TestHistoryPage::buttonsSwitchTheViewAndDisableThemselves() {
    Page23 page;
    QList<QPushButton*> buttons;
    for (const char* name : {"pushButton", "pushButton_2", "pushButton_3", "pushButton_4"}) {
        buttons << page.findChild<QPushButton*>(QLatin1String(name));
    }
    QCOMPARE(page.View(), 0);
    for (int view : {2, 3, 1, 0}) {
        SystemClock::Advance(60000);
        buttons[view]->click();
        QCOMPARE(page.View(), view);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(buttons[i]->isEnabled(), i != view);
        }
        QCOMPARE(QUserActivity::LastActivity(), SystemClock::Now());
    }
}

void TestHistoryPage::rebuildsOnceInEveryTenSeconds() {
    std::unique_ptr<QInverter> inverter(
        MakeInverter(QStringLiteral("Timed"), 5, QStringLiteral("Tivra PA5KS")));
    QHourReadings hours;
    Page23 page;
    page.SetHourSource([&](const QInverter* of) { return of == inverter.get() ? &hours : nullptr; });
    page.SetCurrentInverter(inverter.get());
    QCOMPARE(page.Histogram()->BarCount(), 0);
    hours.m_nFirst[9] = 100;
    hours.m_nLast[9] = 180;

    SystemClock::SetFixed(QDateTime(kNow.date(), QTime(10, 30, 9)));
    page.Refresh();
    QCOMPARE(page.Histogram()->BarCount(), 0);
    SystemClock::SetFixed(QDateTime(kNow.date(), QTime(10, 30, 10)));
    page.Refresh();
    QCOMPARE(page.Histogram()->BarCount(), 1);
    QCOMPARE(page.Histogram()->Bar(4)->Value(), 80); // label 10:00

    // Further ticks within the same second do not rebuild again.
    hours.m_nLast[9] = 250;
    page.Refresh();
    QCOMPARE(page.Histogram()->Bar(4)->Value(), 80);
    SystemClock::SetFixed(QDateTime(kNow.date(), QTime(10, 30, 11)));
    page.Refresh();
    SystemClock::SetFixed(QDateTime(kNow.date(), QTime(10, 30, 20)));
    page.Refresh();
    QCOMPARE(page.Histogram()->Bar(4)->Value(), 150);
}

QTEST_MAIN(TestHistoryPage)
#include "test_history_page.moc"

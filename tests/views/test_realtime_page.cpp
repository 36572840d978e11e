#include "Page21.h"
#include "QTrend.h"
#include "QTrendSetFile.h"
#include "ViewsTestSupport.h"

#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

using namespace viewstest;

namespace {

const char* const kTrack2[] = {"V2", "I2"};
const char* const kPhasesVW[] = {"V_Voltage", "V_Current", "W_Voltage", "W_Current"};
const char* const kOthers[] = {"V1",  "I1",  "Input", "U_Voltage", "U_Current", "Output",     "Tem",
                               "Fre", "Co2", "Total", "Today",     "Peek",      "status_text"};

ModelInfo Model(int picture, int phases, int ratedPower) {
    ModelInfo info;
    info.m_strName = QStringLiteral("Test model");
    info.m_nPicture = picture;
    info.m_nPhases = phases;
    info.m_nRatedPower = ratedPower;
    return info;
}

// Live values an online three-phase inverter reports.
void FillItems(QInverter& inverter) {
    const QList<QPair<int, qint32>> items = {
        {0, 5230}, {1, 4987},     {2, 3456},   {3, 78},    {4, 3312},  {5, 65},  {6, 4512},
        {7, -100}, {8, 5002},     {11, 2301},  {12, 72},   {13, 2299}, {14, 71}, {15, 2305},
        {16, 73},  {17, 1234567}, {18, 98765}, {20, 2345}, {26, 5600}, {32, 2},
    };
    for (const auto& item : items) {
        inverter.SetItem(item.first, item.second);
    }
}

} // namespace

class TestRealtimePage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_pData = new DataDir; }
    void cleanupTestCase() { delete m_pData; }
    void init() { SystemClock::SetFixed(QDateTime(QDate(2024, 6, 1), QTime(12, 0, 0))); }
    void cleanup() {
        SystemClock::UseSystem();
        QFile::remove(QTrendSetFile::FilePath());
    }

    void colouringFollowsThePictureCode_data();
    void colouringFollowsThePictureCode();
    void unknownPictureCodeKeepsTrackAndPhaseColours();
    void onlineValuesUseTheirScales();
    void modelOfThreeKilowattsKeepsTrackTwo();
    void singlePhaseModelKeepsPhasesVAndW();
    void stateNamesAndColours_data();
    void stateNamesAndColours();
    void trendAtMidnightIsEmptyAndStartsAtZero();
    void trendIsRebuiltFromTheMinuteHistory();
    void trendTakesOnePointPerMinute();
    void noInverterClearsTheTrend();
    void radioButtonsSwitchCurvesAndUnit();
    void colourSwatchesFollowTheTrend();

private:
    DataDir* m_pData = nullptr;
};

void TestRealtimePage::colouringFollowsThePictureCode_data() {
    QTest::addColumn<int>("picture");
    QTest::addColumn<bool>("track2");
    QTest::addColumn<bool>("phases");
    QTest::newRow("1: one track, one phase") << 1 << false << false;
    QTest::newRow("2: two tracks") << 2 << true << false;
    QTest::newRow("3: three phases") << 3 << true << true;
    QTest::newRow("4") << 4 << true << false;
    QTest::newRow("5") << 5 << true << false;
}

void TestRealtimePage::colouringFollowsThePictureCode() {
    QFETCH(int, picture);
    QFETCH(bool, track2);
    QFETCH(bool, phases);
    Page21 page;
    QInverter inverter;
    inverter.SetModel(Model(picture, picture == 3 ? 3 : 1, 5000));
    page.SetCurrentInverter(&inverter);
    for (const char* name : kTrack2) {
        QCOMPARE(page.ValueLabel(QLatin1String(name))->styleSheet(),
                 track2 ? Page21::ValueStyle : Page21::MissingStyle);
        QCOMPARE(page.CaptionLabel(QLatin1String(name))->styleSheet(),
                 track2 ? Page21::CaptionStyle : Page21::MissingStyle);
    }
    for (const char* name : kPhasesVW) {
        QCOMPARE(page.ValueLabel(QLatin1String(name))->styleSheet(),
                 phases ? Page21::ValueStyle : Page21::MissingStyle);
    }
    for (const char* name : kOthers) {
        QCOMPARE(page.ValueLabel(QLatin1String(name))->styleSheet(), Page21::ValueStyle);
        QCOMPARE(page.CaptionLabel(QLatin1String(name))->styleSheet(), Page21::CaptionStyle);
    }
}

void TestRealtimePage::unknownPictureCodeKeepsTrackAndPhaseColours() {
    Page21 page;
    QInverter threePhase;
    threePhase.SetModel(Model(3, 3, 10000));
    page.SetCurrentInverter(&threePhase);
    QInverter odd;
    odd.SetModel(Model(7, 1, 5000));
    page.SetCurrentInverter(&odd);
    // Colours stay those of the three-phase model; only the others turn active.
    QCOMPARE(page.ValueLabel(QStringLiteral("W_Voltage"))->styleSheet(), Page21::ValueStyle);
    QCOMPARE(page.ValueLabel(QStringLiteral("V2"))->styleSheet(), Page21::ValueStyle);
    QCOMPARE(page.ValueLabel(QStringLiteral("Input"))->styleSheet(), Page21::ValueStyle);
    // From none, an unknown series leaves track 2 and phases grey.
    page.SetCurrentInverter(nullptr);
    QInverter oddAgain;
    oddAgain.SetModel(Model(9, 1, 5000));
    page.SetCurrentInverter(&oddAgain);
    QCOMPARE(page.ValueLabel(QStringLiteral("V2"))->styleSheet(), Page21::MissingStyle);
    QCOMPARE(page.ValueLabel(QStringLiteral("Input"))->styleSheet(), Page21::MissingStyle);
}

void TestRealtimePage::onlineValuesUseTheirScales() {
    Page21 page;
    QInverter inverter;
    inverter.SetModel(Model(3, 3, 10000));
    inverter.SetCommState(CommOnline);
    FillItems(inverter);
    page.SetCurrentInverter(&inverter);
    page.Refresh();
    QCOMPARE(Text(&page, "V1"), QStringLiteral("345.6"));
    QCOMPARE(Text(&page, "I1"), QStringLiteral("7.8"));
    QCOMPARE(Text(&page, "V2"), QStringLiteral("331.2"));
    QCOMPARE(Text(&page, "I2"), QStringLiteral("6.5"));
    QCOMPARE(Text(&page, "Input"), QStringLiteral("5230"));
    QCOMPARE(Text(&page, "U_Voltage"), QStringLiteral("230.1"));
    QCOMPARE(Text(&page, "U_Current"), QStringLiteral("7.2"));
    QCOMPARE(Text(&page, "V_Voltage"), QStringLiteral("229.9"));
    QCOMPARE(Text(&page, "V_Current"), QStringLiteral("7.1"));
    QCOMPARE(Text(&page, "W_Voltage"), QStringLiteral("230.5"));
    QCOMPARE(Text(&page, "W_Current"), QStringLiteral("7.3"));
    QCOMPARE(Text(&page, "Output"), QStringLiteral("4987"));
    QCOMPARE(Text(&page, "Tem"), QStringLiteral("45.12")); // the larger of the two temperatures
    QCOMPARE(Text(&page, "Fre"), QStringLiteral("50.02"));
    QCOMPARE(Text(&page, "Co2"), QStringLiteral("987.65"));
    QCOMPARE(Text(&page, "Total"), QStringLiteral("12345.67"));
    QCOMPARE(Text(&page, "Today"), QStringLiteral("23.45"));
    QCOMPARE(Text(&page, "Peek"), QStringLiteral("5600"));
    QCOMPARE(Text(&page, "status_text"), QStringLiteral("Running"));

    // Below zero, both temperatures.
    inverter.SetItem(6, -250);
    inverter.SetItem(7, -300);
    page.Refresh();
    QCOMPARE(Text(&page, "Tem"), QStringLiteral("-2.50"));

    // Not in communication: the reset texts, whatever the items hold.
    for (int state : {int(CommOffline), int(CommConnecting)}) {
        inverter.SetCommState(state);
        page.Refresh();
        QCOMPARE(Text(&page, "Output"), QStringLiteral("0"));
        QCOMPARE(Text(&page, "V2"), QStringLiteral("0.0"));
        QCOMPARE(Text(&page, "Total"), QStringLiteral("0.00"));
        QCOMPARE(Text(&page, "status_text"), QStringLiteral("Unknow"));
    }
}

void TestRealtimePage::modelOfThreeKilowattsKeepsTrackTwo() {
    Page21 page;
    QInverter inverter;
    inverter.SetModel(Model(2, 1, 3000)); // a two-track picture, but 30 hundred watts
    inverter.SetCommState(CommOnline);
    FillItems(inverter);
    page.SetCurrentInverter(&inverter);
    page.Refresh();
    QCOMPARE(Text(&page, "V2"), QStringLiteral("0.0"));
    QCOMPARE(Text(&page, "I2"), QStringLiteral("0.0"));
    QCOMPARE(Text(&page, "V1"), QStringLiteral("345.6"));

    // Another inverter's track 2 never lingers in the labels.
    QInverter larger;
    larger.SetModel(Model(2, 1, 3100));
    larger.SetCommState(CommOnline);
    FillItems(larger);
    page.SetCurrentInverter(&larger);
    page.Refresh();
    QCOMPARE(Text(&page, "V2"), QStringLiteral("331.2"));
    QCOMPARE(Text(&page, "I2"), QStringLiteral("6.5"));
    QCOMPARE(Text(&page, "V_Voltage"), QStringLiteral("0.0"));
    page.SetCurrentInverter(&inverter);
    page.Refresh();
    QCOMPARE(Text(&page, "V2"), QStringLiteral("0.0"));
    QCOMPARE(Text(&page, "I2"), QStringLiteral("0.0"));
}

void TestRealtimePage::singlePhaseModelKeepsPhasesVAndW() {
    Page21 page;
    QInverter inverter;
    inverter.SetModel(QInverter::LookupModel(QStringLiteral("Tivra PA5KS")));
    inverter.SetCommState(CommOnline);
    FillItems(inverter);
    page.SetCurrentInverter(&inverter);
    page.Refresh();
    QCOMPARE(Text(&page, "V2"), QStringLiteral("331.2"));
    for (const char* name : kPhasesVW) {
        QCOMPARE(Text(&page, name), QStringLiteral("0.0"));
    }
}

void TestRealtimePage::stateNamesAndColours_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("style");
    QTest::newRow("0") << 0 << QStringLiteral("Unknown") << Page21::ValueStyle;
    QTest::newRow("1") << 1 << QStringLiteral("Self-test") << Page21::ValueStyle;
    QTest::newRow("2 running is black") << 2 << QStringLiteral("Running") << Page21::CaptionStyle;
    QTest::newRow("3") << 3 << QStringLiteral("Alarm") << Page21::ValueStyle;
    QTest::newRow("4") << 4 << QStringLiteral("Fault") << Page21::ValueStyle;
    QTest::newRow("5") << 5 << QStringLiteral("Shutdown") << Page21::ValueStyle;
    QTest::newRow("7 is unknown") << 7 << QStringLiteral("Unknown") << Page21::ValueStyle;
    QTest::newRow("-3 is unknown") << -3 << QStringLiteral("Unknown") << Page21::ValueStyle;
}

void TestRealtimePage::stateNamesAndColours() {
    QFETCH(int, state);
    QFETCH(QString, text);
    QFETCH(QString, style);
    Page21 page;
    QInverter inverter;
    inverter.SetCommState(CommOnline);
    page.SetCurrentInverter(&inverter);
    inverter.SetItem(32, 2);
    page.Refresh();
    // The value as stored, whether or not the decoder would have narrowed it.
    inverter.Item(32).Write(state);
    page.Refresh();
    QCOMPARE(Text(&page, "status_text"), text);
    QCOMPARE(page.ValueLabel(QStringLiteral("status_text"))->styleSheet(), style);
}

void TestRealtimePage::trendAtMidnightIsEmptyAndStartsAtZero() {
    SystemClock::SetFixed(QDateTime(QDate(2024, 6, 1), QTime(0, 0, 30)));
    Page21 page;
    QInverter inverter;
    for (int minute = 0; minute < 1440; ++minute) {
        inverter.SetMinuteValue(0, minute, 100);
    }
    page.SetCurrentInverter(&inverter);
    QTrend* trend = page.Trend();
    QCOMPARE(trend->m_nStart, 0);
    for (int curve = 0; curve < 3; ++curve) {
        QCOMPARE(trend->m_Data[curve].size(), 0);
    }
}

void TestRealtimePage::trendIsRebuiltFromTheMinuteHistory() {
    Page21 page;
    QInverter inverter;
    // Nothing before 05:00; a gap of one minute later on; values after now are ignored.
    for (int minute = 300; minute < 1440; ++minute) {
        inverter.SetMinuteValue(0, minute, 1000 + minute);
        inverter.SetMinuteValue(1, minute, 900 + minute);
        inverter.SetMinuteValue(2, minute, minute);
    }
    inverter.SetMinuteValue(0, 400, -1);
    inverter.SetMinuteValue(1, 400, -1);
    inverter.SetMinuteValue(2, 400, -1);
    page.SetCurrentInverter(&inverter);
    QTrend* trend = page.Trend();
    QCOMPARE(trend->m_nStart, 300);
    QCOMPARE(trend->m_Data[0].size(), 720 - 300);
    QCOMPARE(trend->m_Data[0].first(), 1300);
    QCOMPARE(trend->m_Data[1].first(), 1200);
    QCOMPARE(trend->m_Data[2].first(), 3000); // energy times ten
    QCOMPARE(trend->m_Data[0].at(100), -1);   // the gap stays a gap
    QCOMPARE(trend->m_Data[2].at(100), -1);
    QCOMPARE(trend->m_Data[0].last(), 1000 + 719);

    // Selecting again starts over rather than appending.
    page.SetCurrentInverter(&inverter);
    QCOMPARE(trend->m_Data[0].size(), 420);

    // An inverter without any sample today: empty trend starting now.
    QInverter quiet;
    page.SetCurrentInverter(&quiet);
    QCOMPARE(trend->m_Data[0].size(), 0);
    QCOMPARE(trend->m_nStart, 720);
}

void TestRealtimePage::trendTakesOnePointPerMinute() {
    SystemClock::SetFixed(QDateTime(QDate(2024, 6, 1), QTime(12, 0, 9, 100)));
    Page21 page;
    QInverter inverter;
    inverter.SetCommState(CommOnline);
    inverter.SetItem(0, 3000);
    inverter.SetItem(1, 2900);
    inverter.SetItem(20, 1500);
    page.SetCurrentInverter(&inverter);
    QTrend* trend = page.Trend();
    const int before = trend->m_Data[0].size();
    QList<int> pointTicks; // ticks (from 12:00:09.1 on) at which a point arrived
    for (int tick = 0; tick < 600; ++tick) {
        const int count = trend->m_Data[0].size();
        page.Refresh();
        if (trend->m_Data[0].size() != count) {
            pointTicks.append(tick);
        }
        SystemClock::Advance(200);
    }
    // Two minutes of ticks: one point each, on the second tick within second 10.
    QCOMPARE(pointTicks, QList<int>({5 + 1, 5 + 1 + 300}));
    QCOMPARE(trend->m_Data[0].size(), before + 2);
    QCOMPARE(trend->m_Data[0].last(), 3000);
    QCOMPARE(trend->m_Data[1].last(), 2900);
    QCOMPARE(trend->m_Data[2].last(), 15000);

    // Offline: no points.
    inverter.SetCommState(CommOffline);
    for (int tick = 0; tick < 300; ++tick) {
        page.Refresh();
        SystemClock::Advance(200);
    }
    QCOMPARE(trend->m_Data[0].size(), before + 2);
}

void TestRealtimePage::noInverterClearsTheTrend() {
    Page21 page;
    QInverter inverter;
    inverter.SetModel(Model(3, 3, 10000));
    for (int minute = 0; minute < 720; ++minute) {
        inverter.SetMinuteValue(0, minute, 500);
    }
    page.SetCurrentInverter(&inverter);
    QVERIFY(!page.Trend()->m_Data[0].isEmpty());
    page.SetCurrentInverter(nullptr);
    QVERIFY(page.Trend()->m_Data[0].isEmpty());
    QCOMPARE(page.CaptionLabel(QStringLiteral("V1"))->styleSheet(), Page21::MissingStyle);
    QCOMPARE(page.ValueLabel(QStringLiteral("W_Voltage"))->styleSheet(), Page21::MissingStyle);
    QCOMPARE(page.ValueLabel(QStringLiteral("Input"))->styleSheet(), Page21::MissingStyle);
    page.Refresh();
    QCOMPARE(Text(&page, "status_text"), QStringLiteral("Unknow"));
}

void TestRealtimePage::radioButtonsSwitchCurvesAndUnit() {
    Page21 page;
    auto* energy = page.findChild<QRadioButton*>(QStringLiteral("radioButton_2"));
    auto* power = page.findChild<QRadioButton*>(QStringLiteral("radioButton"));
    QVERIFY(power->isChecked());
    energy->click();
    QCOMPARE(page.Trend()->m_nShowType, 1);
    QCOMPARE(Text(&page, "Unit"), QStringLiteral("kWh"));
    power->click();
    QCOMPARE(page.Trend()->m_nShowType, 0);
    QCOMPARE(Text(&page, "Unit"), QStringLiteral("kW"));
}

void TestRealtimePage::colourSwatchesFollowTheTrend() {
    Page21 page;
    QCOMPARE(Style(&page, "line_input"), QStringLiteral("border: 1px;background-color:#FF0000;"));
    QCOMPARE(Style(&page, "line_output"), QStringLiteral("border: 1px;background-color:#8000FF;"));
    QCOMPARE(Style(&page, "line_energy"), QStringLiteral("border: 1px;background-color:#000000;"));
    page.Trend()->SetAttribute(QStringLiteral("Color2"), QString::number(0xFF123456u), false);
    QCOMPARE(Style(&page, "line_output"), QStringLiteral("border: 1px;background-color:#123456;"));
    const QString before = Style(&page, "line_input");
    page.Trend()->SetAttribute(QStringLiteral("MaxValue"), QStringLiteral("9000"), false);
    page.Trend()->SetAttribute(QStringLiteral("Point"), QStringLiteral("20"), false);
    QCOMPARE(Style(&page, "line_input"), before);
}

QTEST_MAIN(TestRealtimePage)
#include "test_realtime_page.moc"

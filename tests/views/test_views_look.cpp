// The pages as a user sees them, at the main window's size and with a plant at
// midday: no text may be cut off in any of the four languages. With
// WATTSIGHT_SCREENSHOT_DIR set, the pictures are saved there as PNG files.

#include "../common/LookSupport.h"
#include "Page1.h"
#include "Page2.h"
#include "Page21.h"
#include "Page22.h"
#include "Page23.h"
#include "Page24.h"
#include "Page25.h"
#include "Page3.h"
#include "QDayLogFiles.h"
#include "QFaultDlg.h"
#include "QGenerationStore.h"
#include "QGrid.h"
#include "QHistogram.h"
#include "QInverterRecorder.h"
#include "QTrend.h"
#include "QTrendSetDlg.h"
#include "QUserActivity.h"
#include "QtMyTreeItem.h"
#include "TrendSettings.h"
#include "ViewsTestSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QtMath>
#include <QtTest>

using namespace looktest;
using namespace viewstest;

namespace {

// The main window's page area.
const QSize kPageSize(1022, 628);
const QTime kNow(12, 30, 10);

// A clear day: power rises from 06:00, peaks at 13:00 and falls to zero at 20:00.
double Sun(int minute) {
    const double x = (minute - 13 * 60) / (7.0 * 60);
    return qAbs(x) >= 1 ? 0 : qPow(qCos(x * M_PI / 2), 2);
}

void Fill(QInverter& inverter, double share) {
    const int rated = inverter.RatedPower();
    double energy = 0;
    const int now = kNow.hour() * 60 + kNow.minute();
    for (int minute = 6 * 60; minute <= now; ++minute) {
        const int input = int(rated * share * Sun(minute) * (1 + 0.03 * qSin(minute / 7.0)));
        const int output = int(input * 0.965);
        energy += output / 60.0 / 10.0; // hundredths of a kWh
        inverter.SetMinuteValue(0, minute, input);
        inverter.SetMinuteValue(1, minute, output);
        inverter.SetMinuteValue(2, minute, int(energy));
    }
    inverter.SetCommState(CommOnline);
    const int input = inverter.MinuteValue(0, now);
    const int output = inverter.MinuteValue(1, now);
    inverter.SetItem(0, input);
    inverter.SetItem(1, output);
    inverter.SetItem(2, 3560);
    inverter.SetItem(3, input / 2 * 10 / 356);
    inverter.SetItem(4, 3490);
    inverter.SetItem(5, input / 2 * 10 / 349);
    inverter.SetItem(6, 4231);
    inverter.SetItem(7, 3987);
    inverter.SetItem(8, 5001);
    const int phases = inverter.PhaseCount();
    for (int phase = 0; phase < 3; ++phase) {
        inverter.SetItem(11 + 2 * phase, 2298 + 4 * phase);
        inverter.SetItem(12 + 2 * phase, phase < phases ? output / phases * 10 / 230 : 0);
    }
    inverter.SetItem(17, 123450 * (rated / 1000));
    inverter.SetItem(18, 123080 * (rated / 1000));
    inverter.SetItem(20, int(energy));
    inverter.SetItem(26, int(output * 1.04));
    inverter.SetItem(28, 24 << 16 | 6 << 8 | 14);
    inverter.SetItem(27, 12 << 16 | 30 << 8 | 8);
    inverter.SetItem(32, 2);
}

// A season of history: hourly readings up to now, the last 32 days, the last
// twelve months and six years, saved to total.dat as the statistics do.
void FillHistory(QInverter& inverter, QHourReadings& hours, double share) {
    const double kwp = inverter.RatedPower() / 1000.0 * share;
    for (int hour = 6; hour <= kNow.hour(); ++hour) {
        const double sun = Sun(hour * 60 + 30);
        hours.m_nFirst[hour - 1] = int(1000 * kwp * (hour - 6));
        hours.m_nLast[hour - 1] = int(1000 * kwp * (hour - 6) + 100 * kwp * sun * 0.93);
    }
    for (int day = 0; day < 32; ++day) {
        const double weather = 0.55 + 0.45 * qAbs(qSin(day * 1.7 + share * 10));
        inverter.SetStatItem(12 + day, day == 0 ? inverter.ItemValue(20) : int(620 * kwp * weather));
    }
    const double months[12] = {0.55, 0.68, 0.9, 1.05, 1.2, 1.3, 1.32, 1.22, 1.0, 0.8, 0.6, 0.5};
    for (int j = 0; j < 12; ++j) {
        const int month = (6 - j + 11) % 12;
        inverter.SetStatItem(j, int(12000 * kwp * months[month] * (j == 0 ? 0.47 : 1)));
    }
    QGenerationStore::SaveTotal(&inverter, 1);
    QGenerationStore::SaveTotal(&inverter, 2);
    for (int year = 19; year <= 24; ++year) {
        inverter.SetItem(28, year << 16 | 6 << 8 | 14);
        inverter.SetItem(23, int(125000 * kwp * (year == 24 ? 0.48 : 1 - 0.012 * (24 - year))));
        QGenerationStore::SaveTotal(&inverter, 0);
    }
}

} // namespace

class TestViewsLook : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void homePage_data();
    void homePage();
    void browserRealTimeTab_data();
    void browserRealTimeTab();
    void trendSettingsDialog();
    void historyTab_data();
    void historyTab();
    void technicalTab_data();
    void technicalTab();
    void informationPage_data();
    void informationPage();
    void browserStatusAndBoxTabs_data();
    void browserStatusAndBoxTabs();
    void faultDialog();

private:
    void ShowTab(int inverter, const char* button);
    void SetLanguage(int index);
    QList<QInverter*> m_Inverters;
    DataDir* m_pData = nullptr;
    QSystemModel* m_pPlant = nullptr;
    QInverterRecorder* m_pRecorder = nullptr; // writes the fault records
    Page1* m_pHome = nullptr;
    Page2* m_pBrowser = nullptr;
    Page3* m_pInformation = nullptr;
    QHash<const QInverter*, QHourReadings> m_Hours;
};

void TestViewsLook::initTestCase() {
    m_pData = new DataDir;
    QUserActivity::SetStartupDone(true);
    SystemClock::SetFixed(QDateTime(QDate(2024, 6, 14), kNow));
    m_pPlant = new QSystemModel;
    m_pRecorder = new QInverterRecorder(*m_pPlant);
    m_pPlant->SetSystemValue(QStringLiteral("CurrencyUnit"), QStringLiteral("EUR"), false);
    const struct {
        const char* name;
        int address;
        const char* model;
        double share;
    } plant[] = {
        {"Roof east", 1, "Tivra PA5KS", 0.92},
        {"Roof west", 2, "Tivra PM3KS", 0.88},
        {"Carport", 3, "Tivra PA10KT", 0.95},
        {"Field box", 4, "Tivra PA10KT & Box", 0.9},
    };
    for (const auto& row : plant) {
        QInverter* inverter = MakeInverter(QLatin1String(row.name), row.address, QLatin1String(row.model));
        QVERIFY(m_pPlant->AddInverter(inverter));
        Fill(*inverter, row.share);
        FillHistory(*inverter, m_Hours[inverter], row.share);
        m_Inverters.append(inverter);
    }
    SetFault(*m_Inverters[3], 1, 0xE012);
    SystemClock::Advance(75000);
    SetFault(*m_Inverters[3], 4, 0xA004);
    SystemClock::SetFixed(QDateTime(QDate(2024, 6, 14), kNow));
    // The combiner box: four string voltages near 600 V, sixteen inputs near 5.5 A.
    for (int i = 0; i < 4; ++i) {
        m_Inverters[3]->SetItem(34 + i, 6012 - 7 * i);
    }
    for (int i = 0; i < 16; ++i) {
        m_Inverters[3]->SetItem(38 + i, 55 + (i * 7) % 5);
    }

    m_pHome = new Page1;
    m_pHome->resize(kPageSize);
    m_pHome->SetSystemModel(m_pPlant);
    m_pHome->SetPlantName(QStringLiteral("Sunridge demo plant"));
    m_pHome->SetLinkState(QStringLiteral("127.0.0.1(8011)On-line!"), true);
    for (QInverter* inverter : m_Inverters) {
        m_pHome->AddOutputInverter(inverter);
    }
    m_pHome->LogonAdministrator();
    m_pHome->show();

    m_pBrowser = new Page2;
    m_pBrowser->resize(kPageSize);
    m_pBrowser->SetSystemModel(m_pPlant);
    m_pBrowser->HistoryTab()->SetHourSource([this](const QInverter* inverter) {
        const auto it = m_Hours.constFind(inverter);
        return it == m_Hours.constEnd() ? nullptr : &it.value();
    });
    for (QInverter* inverter : m_Inverters) {
        m_pBrowser->AddInverterItem(inverter);
    }
    m_pBrowser->RealTimeTab()->Trend()->SetAttribute(QStringLiteral("Total"), QStringLiteral("600"), true);
    m_pBrowser->show();

    const QList<QPair<const char*, const char*>> description = {
        {"systemname", "Sunridge demo plant"},
        {"City", "Lecce"},
        {"Country", "Italy"},
        {"Latitude", "4035"},
        {"Longitude", "1817"},
        {"SystemType", "0"},
        {"SolarManufacturer", "Helios Modules"},
        {"SolarModel", "HM-330P"},
        {"SolarType", "Polycrystalline"},
        {"SolarPower", "330"},
        {"SolarCount", "84"},
        {"SolarAngel", "3000"},
        {"SolarAzimuth", "-1500"},
        {"InverterType_1", "Tivra PA5KS"},
        {"InverterType_3", "Tivra PA10KT"},
        {"GridWiring_1", "L+N+PE"},
        {"GridWiring_3", "3W+N+PE"},
        {"GridVoltage_1", "230"},
        {"GridVoltage_3", "400"},
        {"GridFre_1", "50"},
        {"GridFre_3", "50"},
        {"systemexplain",
         "Two roof halves and a carport on the south side, a ground mount with its combiner "
         "box in the field behind the barn. Installed in spring 2014, inverters serviced yearly."},
    };
    for (const auto& entry : description) {
        m_pPlant->SetSystemValue(QLatin1String(entry.first), QString::fromUtf8(entry.second), false);
    }
    m_pInformation = new Page3;
    m_pInformation->resize(kPageSize);
    m_pInformation->SetSystemModel(m_pPlant);
    m_pInformation->show();
}

void TestViewsLook::cleanupTestCase() {
    SetLanguage(0);
    delete m_pInformation;
    delete m_pBrowser;
    delete m_pHome;
    delete m_pRecorder;
    delete m_pPlant;
    delete m_pData;
    SystemClock::UseSystem();
}

void TestViewsLook::SetLanguage(int index) {
    // As the user does; Italian only comes from the stored setting.
    auto* combo = m_pHome->findChild<QComboBox*>(QStringLiteral("Language_combo"));
    if (index < combo->count() && combo->currentIndex() != index) {
        combo->setCurrentIndex(index);
    } else {
        if (index >= combo->count()) {
            const QSignalBlocker quiet(combo);
            combo->setCurrentIndex(-1);
        }
        QMetaObject::invokeMethod(m_pHome, "on_Language_combo_currentIndexChanged", Q_ARG(int, index));
    }
    QCOMPARE(m_pHome->CurrentLanguage(), index);
    m_pBrowser->TechnicalTab()->SetLanguage(index);
    m_pBrowser->Retranslate();
    if (m_pInformation) {
        m_pInformation->Retranslate();
    }
}

void TestViewsLook::homePage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("file");
    QTest::newRow("English") << 0 << QStringLiteral("home.png");
    QTest::newRow("simplified Chinese") << 1 << QStringLiteral("home-zh.png");
    QTest::newRow("traditional Chinese") << 2 << QStringLiteral("home-tw.png");
    QTest::newRow("Italian") << 3 << QStringLiteral("home-it.png");
}

void TestViewsLook::homePage() {
    QFETCH(int, language);
    QFETCH(QString, file);
    SetLanguage(language);
    QMetaObject::invokeMethod(m_pHome, "OnFlashTimer");
    QCoreApplication::processEvents();
    const QStringList clipped = Clipped(m_pHome);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(" | "))));
    QVERIFY2(m_pHome->minimumSizeHint().width() <= kPageSize.width(),
             qPrintable(QString::number(m_pHome->minimumSizeHint().width())));
    QVERIFY(m_pHome->minimumSizeHint().height() <= kPageSize.height());
    QCOMPARE(m_pHome->size(), kPageSize);
    Save(m_pHome, file);
}

void TestViewsLook::browserRealTimeTab_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("inverter");
    QTest::addColumn<QString>("file");
    QTest::newRow("three-phase") << 0 << 2 << QStringLiteral("browser-three-phase.png");
    QTest::newRow("single track") << 0 << 1 << QStringLiteral("browser-single-track.png");
    QTest::newRow("two tracks, Chinese") << 1 << 0 << QStringLiteral("browser-zh.png");
    QTest::newRow("three-phase, Italian") << 3 << 2 << QStringLiteral("browser-it.png");
}

void TestViewsLook::browserRealTimeTab() {
    QFETCH(int, language);
    QFETCH(int, inverter);
    QFETCH(QString, file);
    SetLanguage(language);
    ShowTab(inverter, "page21btn");
    QCOMPARE(m_pBrowser->size(), kPageSize);
    Save(m_pBrowser, file);
}

void TestViewsLook::trendSettingsDialog() {
    for (int language : {3, 1, 0}) {
        SetLanguage(language);
        QTrendSetDlg dialog;
        TrendSettings settings;
        settings.Flag = 0;
        settings.MaxValue = 12250;
        settings.Total = 600;
        dialog.Load(settings);
        dialog.show();
        QCoreApplication::processEvents();
        const QStringList clipped = Clipped(&dialog);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(" | "))));
        if (language == 0) {
            Save(&dialog, QStringLiteral("trend-settings.png"));
        }
    }
}

void TestViewsLook::ShowTab(int inverter, const char* button) {
    QtMyTreeItem::SetSelectitem(dynamic_cast<QtMyTreeItem*>(m_Inverters[inverter]->TreeEntry()));
    QCOMPARE(m_pBrowser->CurrentInverter(), m_Inverters[inverter]);
    m_pBrowser->findChild<QPushButton*>(QLatin1String(button))->click();
    QMetaObject::invokeMethod(m_pBrowser, "OnFlashTimer");
    QCoreApplication::processEvents();
    const QStringList clipped = Clipped(m_pBrowser);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(" | "))));
    QVERIFY(m_pBrowser->minimumSizeHint().width() <= kPageSize.width());
    QVERIFY(m_pBrowser->minimumSizeHint().height() <= kPageSize.height());
}

void TestViewsLook::historyTab_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("view");
    QTest::addColumn<QString>("file");
    QTest::newRow("today") << 0 << 0 << QStringLiteral("history-today.png");
    QTest::newRow("this month") << 0 << 1 << QStringLiteral("history-month.png");
    QTest::newRow("this year") << 0 << 2 << QStringLiteral("history-year.png");
    QTest::newRow("years") << 0 << 3 << QStringLiteral("history-years.png");
    QTest::newRow("this month, Chinese") << 1 << 1 << QStringLiteral("history-month-zh.png");
    QTest::newRow("today, traditional Chinese") << 2 << 0 << QStringLiteral("history-today-tw.png");
    QTest::newRow("this year, Italian") << 3 << 2 << QStringLiteral("history-year-it.png");
}

void TestViewsLook::historyTab() {
    QFETCH(int, language);
    QFETCH(int, view);
    QFETCH(QString, file);
    SetLanguage(language);
    const char* const buttons[4] = {"pushButton", "pushButton_2", "pushButton_3", "pushButton_4"};
    m_pBrowser->HistoryTab()->findChild<QPushButton*>(QLatin1String(buttons[view]))->click();
    ShowTab(0, "page23btn");
    QVERIFY(m_pBrowser->HistoryTab()->Histogram()->BarCount() > 0);
    Save(m_pBrowser, file);
}

void TestViewsLook::technicalTab_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("inverter");
    QTest::addColumn<QString>("file");
    QTest::newRow("three-phase") << 0 << 2 << QStringLiteral("technical-three-phase.png");
    QTest::newRow("box") << 0 << 3 << QStringLiteral("technical-box.png");
    QTest::newRow("single-phase, Chinese") << 1 << 0 << QStringLiteral("technical-zh.png");
    QTest::newRow("single-phase, traditional Chinese") << 2 << 1 << QStringLiteral("technical-tw.png");
    QTest::newRow("three-phase, Italian") << 3 << 2 << QStringLiteral("technical-it.png");
}

void TestViewsLook::technicalTab() {
    QFETCH(int, language);
    QFETCH(int, inverter);
    QFETCH(QString, file);
    SetLanguage(language);
    ShowTab(inverter, "page24btn");
    QVERIFY(!Text(m_pBrowser->TechnicalTab(), "MaxVoltage").isEmpty());
    Save(m_pBrowser, file);
}

void TestViewsLook::informationPage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("file");
    QTest::newRow("English") << 0 << QStringLiteral("information.png");
    QTest::newRow("simplified Chinese") << 1 << QStringLiteral("information-zh.png");
    QTest::newRow("traditional Chinese") << 2 << QStringLiteral("information-tw.png");
    QTest::newRow("Italian") << 3 << QStringLiteral("information-it.png");
}

void TestViewsLook::informationPage() {
    QFETCH(int, language);
    QFETCH(QString, file);
    SetLanguage(language);
    QCoreApplication::processEvents();
    const QStringList clipped = Clipped(m_pInformation);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(" | "))));
    QVERIFY(m_pInformation->minimumSizeHint().width() <= kPageSize.width());
    QVERIFY(m_pInformation->minimumSizeHint().height() <= kPageSize.height());
    Save(m_pInformation, file);
}

void TestViewsLook::browserStatusAndBoxTabs_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("English") << 0 << QString();
    QTest::newRow("simplified Chinese") << 1 << QStringLiteral("-zh");
    QTest::newRow("traditional Chinese") << 2 << QStringLiteral("-tw");
    QTest::newRow("Italian") << 3 << QStringLiteral("-it");
}

void TestViewsLook::browserStatusAndBoxTabs() {
    QFETCH(int, language);
    QFETCH(QString, suffix);
    SetLanguage(language);

    QInverter* box = m_Inverters[3]; // in failure, with two fault records
    QtMyTreeItem::SetSelectitem(dynamic_cast<QtMyTreeItem*>(box->TreeEntry()));
    QCOMPARE(m_pBrowser->StatusTab()->FaultGrid()->GetRows(), 2);
    const struct {
        const char* button;
        const char* file;
    } tabs[] = {{"page22btn", "browser-status"}, {"page25btn", "browser-box"}};
    for (const auto& tab : tabs) {
        ShowTab(3, tab.button);
        if (QTest::currentTestFailed()) {
            return;
        }
        QCOMPARE(m_pBrowser->size(), kPageSize);
        Save(m_pBrowser, QLatin1String(tab.file) + suffix + QStringLiteral(".png"));
    }
    m_pBrowser->findChild<QPushButton*>(QStringLiteral("page21btn"))->click();
}

void TestViewsLook::faultDialog() {
    for (int language : {3, 2, 1, 0}) {
        SetLanguage(language);
        QFaultDlg dialog;
        QVERIFY(dialog.Load(m_Inverters[3], 1));
        dialog.show();
        QCoreApplication::processEvents();
        const QStringList clipped = Clipped(&dialog);
        // Within a small screen; a wide table scrolls.
        QVERIFY(dialog.width() <= 1000);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(" | "))));
        if (language <= 1) {
            Save(&dialog,
                 language == 0 ? QStringLiteral("fault-dialog.png") : QStringLiteral("fault-dialog-zh.png"));
        }
    }
}

QTEST_MAIN(TestViewsLook)
#include "test_views_look.moc"

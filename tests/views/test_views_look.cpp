// The pages as a user sees them, at the main window's size and with a plant at
// midday: no text may be cut off in any of the four languages. With
// WATTSIGHT_SCREENSHOT_DIR set, the pictures are saved there as PNG files.

#include "Page1.h"
#include "Page2.h"
#include "Page21.h"
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

// Texts wider than the widget that shows them, as "object: text".
QStringList Clipped(QWidget* root) {
    QStringList clipped;
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(root) || label->text().isEmpty() || label->wordWrap()) {
            continue;
        }
        const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->margin();
        if (needed > label->contentsRect().width() + 1) {
            clipped << label->objectName() + QStringLiteral(": ") + label->text() +
                           QStringLiteral(" (%1 > %2)").arg(needed).arg(label->contentsRect().width());
        }
    }
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(root) && !button->text().isEmpty() &&
            button->sizeHint().width() > button->width() + 1) {
            clipped << button->objectName() + QStringLiteral(": ") + button->text();
        }
    }
    for (QComboBox* combo : root->findChildren<QComboBox*>()) {
        if (combo->isVisibleTo(root) && combo->sizeHint().width() > combo->width() + 1) {
            clipped << combo->objectName() + QStringLiteral(": ") + combo->currentText();
        }
    }
    for (QGroupBox* group : root->findChildren<QGroupBox*>()) {
        if (group->isVisibleTo(root) && group->minimumSizeHint().width() > group->width() + 1) {
            clipped << group->objectName() + QStringLiteral(": ") + group->title();
        }
    }
    return clipped;
}

void Save(QWidget* widget, const QString& name) {
    const QString dir = qEnvironmentVariable("WATTSIGHT_SCREENSHOT_DIR");
    if (dir.isEmpty()) {
        return;
    }
    QDir().mkpath(dir);
    QVERIFY(widget->grab().save(QDir(dir).filePath(name), "PNG"));
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

private:
    void SetLanguage(int index);
    QList<QInverter*> m_Inverters;
    DataDir* m_pData = nullptr;
    QSystemModel* m_pPlant = nullptr;
    Page1* m_pHome = nullptr;
    Page2* m_pBrowser = nullptr;
};

void TestViewsLook::initTestCase() {
    m_pData = new DataDir;
    QUserActivity::SetStartupDone(true);
    SystemClock::SetFixed(QDateTime(QDate(2024, 6, 14), kNow));
    m_pPlant = new QSystemModel;
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
        m_Inverters.append(inverter);
    }
    SetFault(*m_Inverters[3], 1, 0xE012);

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
    for (QInverter* inverter : m_Inverters) {
        m_pBrowser->AddInverterItem(inverter);
    }
    m_pBrowser->RealTimeTab()->Trend()->SetAttribute(QStringLiteral("Total"), QStringLiteral("600"), true);
    m_pBrowser->show();
}

void TestViewsLook::cleanupTestCase() {
    SetLanguage(0);
    delete m_pBrowser;
    delete m_pHome;
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
    m_pBrowser->Retranslate();
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
    QtMyTreeItem::SetSelectitem(dynamic_cast<QtMyTreeItem*>(m_Inverters[inverter]->TreeEntry()));
    QCOMPARE(m_pBrowser->CurrentInverter(), m_Inverters[inverter]);
    QMetaObject::invokeMethod(m_pBrowser, "OnFlashTimer");
    QCoreApplication::processEvents();
    const QStringList clipped = Clipped(m_pBrowser);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(" | "))));
    QVERIFY(m_pBrowser->minimumSizeHint().width() <= kPageSize.width());
    QVERIFY(m_pBrowser->minimumSizeHint().height() <= kPageSize.height());
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

QTEST_MAIN(TestViewsLook)
#include "test_views_look.moc"

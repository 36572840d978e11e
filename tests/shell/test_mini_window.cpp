#include "MiniWindow.h"
#include "QInverter.h"
#include "QSystemFile.h"
#include "QSystemModel.h"
#include "ShellTestSupport.h"
#include "SystemClock.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

namespace {
QInverter* NewInverter(const QString& name, const QString& model, int address) {
    auto* inverter = new QInverter;
    inverter->SetName(name);
    inverter->SetModelName(model);
    inverter->SetAddress(address);
    inverter->SetModel(QInverter::LookupModel(model));
    return inverter;
}
} // namespace

class TestMiniWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void emptyPlant();
    void sumsAndBenefits();
    void faultTurnsLightRed();
    void panelFollowsThePlantOnceShown_data();
    void panelFollowsThePlantOnceShown();
    void pinTwiceRestoresStayOnTop();
    void panesShowOneAtATime();
    void closeShowsMainWindow_data();
    void closeShowsMainWindow();
    void linkStatusLine();

private:
    ShellDataDir* m_pData = nullptr;
    QSystemModel* m_pPlant = nullptr;
    QSystemFile m_SystemFile;
};

void TestMiniWindow::init() {
    m_pData = new ShellDataDir;
    m_pPlant = new QSystemModel;
    m_pPlant->Settings().SetStore(&m_SystemFile);
    m_pPlant->InitSystemFile();
}

void TestMiniWindow::cleanup() {
    delete m_pPlant;
    delete m_pData;
    SystemClock::UseSystem();
}

void TestMiniWindow::emptyPlant() {
    SystemClock::SetFixed(QDateTime(QDate(2024, 3, 9), QTime(7, 5, 3)));
    MiniWindow mini;
    QCOMPARE(mini.windowTitle(), QStringLiteral("MiniWindow"));
    mini.SetSystemModel(m_pPlant);
    QCOMPARE(mini.Value("input"), QStringLiteral("0"));
    QCOMPARE(mini.Value("output"), QStringLiteral("0"));
    QCOMPARE(mini.Value("single"), QStringLiteral("0"));
    QCOMPARE(mini.Value("three"), QStringLiteral("0"));
    QCOMPARE(mini.Value("today"), QStringLiteral("0.00"));
    QCOMPARE(mini.Value("total"), QStringLiteral("0.00"));
    QCOMPARE(mini.Value("co2"), QStringLiteral("0.00"));
    QCOMPARE(mini.Value("benefit"), QStringLiteral("0.00"));
    QCOMPARE(mini.Value("status"), QStringLiteral("System uptime!"));
    QCOMPARE(mini.LightImage(), QStringLiteral(":/skin/light_g.png"));
    QCOMPARE(mini.Value("clock"), QStringLiteral("2024-03-09 07:05:03"));
    QCOMPARE(mini.Value("user"), QStringLiteral("Guest"));
    m_pPlant->SetUserLevel(1);
    mini.FlashTimer();
    QCOMPARE(mini.Value("user"), QStringLiteral("Administrator"));
}

void TestMiniWindow::sumsAndBenefits() {
    m_pPlant->SetSystemValue(QStringLiteral("price"), QStringLiteral("68"), false);
    m_pPlant->SetSystemValue(QStringLiteral("CurrencyUnit"), QStringLiteral("EUR"), false);
    QInverter* a = NewInverter(QStringLiteral("A"), QStringLiteral("Tivra PA5KS"), 1);
    QInverter* b = NewInverter(QStringLiteral("B"), QStringLiteral("Tivra PA10KT"), 2);
    QVERIFY(m_pPlant->AddInverter(a));
    QVERIFY(m_pPlant->AddInverter(b));
    a->SetCommState(CommOnline);
    b->SetCommState(CommOnline);
    a->SetItem(0, 1200);
    a->SetItem(1, 1100);
    b->SetItem(0, 3000);
    b->SetItem(1, 2900);
    a->SetItem(17, 60000);
    b->SetItem(17, 40000); // 1000.00 kWh in all
    a->SetItem(20, 1234);
    b->SetItem(20, 1);

    MiniWindow mini;
    mini.SetSystemModel(m_pPlant);
    QCOMPARE(mini.Value("input"), QStringLiteral("4200"));
    QCOMPARE(mini.Value("output"), QStringLiteral("4000"));
    QCOMPARE(mini.Value("single"), QStringLiteral("1"));
    QCOMPARE(mini.Value("three"), QStringLiteral("1"));
    QCOMPARE(mini.Value("today"), QStringLiteral("12.35"));
    QCOMPARE(mini.Value("total"), QStringLiteral("1000.00"));
    QCOMPARE(mini.Value("co2"), QStringLiteral("997.00"));
    QCOMPARE(mini.Value("benefit"), QStringLiteral("680.00"));
    QCOMPARE(mini.Value("unit"), QStringLiteral("EUR"));
    // Reading leaves the values to the record writers as new.
    QVERIFY(a->Item(0).m_bFresh);
}

void TestMiniWindow::faultTurnsLightRed() {
    QInverter* a = NewInverter(QStringLiteral("A"), QStringLiteral("Tivra PA5KS"), 1);
    QVERIFY(m_pPlant->AddInverter(a));
    MiniWindow mini;
    mini.SetSystemModel(m_pPlant);
    QCOMPARE(mini.LightImage(), QStringLiteral(":/skin/light_g.png"));
    QItemRecord fault;
    fault.Write(0xE006);
    a->UpdateFaultSlot(0, fault);
    QVERIFY(m_pPlant->HasActiveFault());
    mini.FlashTimer();
    QCOMPARE(mini.Value("status"), QStringLiteral("System failure!"));
    QCOMPARE(mini.LightImage(), QStringLiteral(":/skin/light_r.png"));
}

void TestMiniWindow::panelFollowsThePlantOnceShown_data() {
    QTest::addColumn<bool>("shownFirst");
    QTest::newRow("shown, then the plant changes") << true;
    QTest::newRow("the plant changes, then shown") << false;
}

void TestMiniWindow::panelFollowsThePlantOnceShown() {
    QFETCH(bool, shownFirst);
    QInverter* a = NewInverter(QStringLiteral("A"), QStringLiteral("Tivra PA5KS"), 1);
    QVERIFY(m_pPlant->AddInverter(a));
    a->SetCommState(CommOnline);
    MiniWindow mini;
    mini.SetSystemModel(m_pPlant);
    if (shownFirst) {
        mini.show();
    }
    a->SetItem(0, 1500);
    QItemRecord fault;
    fault.Write(0xE006);
    a->UpdateFaultSlot(0, fault);
    if (!shownFirst) {
        mini.show(); // up to date as it comes up, before its timer runs
        QCOMPARE(mini.Value("input"), QStringLiteral("1500"));
        QCOMPARE(mini.LightImage(), QStringLiteral(":/skin/light_r.png"));
    }
    QTRY_COMPARE(mini.Value("input"), QStringLiteral("1500"));
    QTRY_COMPARE(mini.LightImage(), QStringLiteral(":/skin/light_r.png"));
    QCOMPARE(mini.Value("status"), QStringLiteral("System failure!"));
}

void TestMiniWindow::pinTwiceRestoresStayOnTop() {
    MiniWindow mini;
    mini.show();
    QVERIFY(MiniWindow::IsPinned());
    QVERIFY(mini.windowFlags() & Qt::WindowStaysOnTopHint);
    auto* pin = mini.findChild<QPushButton*>(QStringLiteral("pushButton"));
    QVERIFY(pin->styleSheet().contains(QStringLiteral("Pin1_1.png")));
    pin->click();
    QVERIFY(!MiniWindow::IsPinned());
    QVERIFY(!(mini.windowFlags() & Qt::WindowStaysOnTopHint));
    QVERIFY(pin->styleSheet().contains(QStringLiteral("Pin2_1.png")));
    QVERIFY(mini.isVisible());
    pin->click();
    QVERIFY(MiniWindow::IsPinned());
    QVERIFY(mini.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(pin->styleSheet().contains(QStringLiteral("Pin1_1.png")));
    QVERIFY(mini.isVisible());
}

void TestMiniWindow::panesShowOneAtATime() {
    MiniWindow mini;
    auto* panes = mini.findChild<QStackedWidget*>(QStringLiteral("panes"));
    auto* showData = mini.findChild<QPushButton*>(QStringLiteral("pushButton_3"));
    auto* showBenefits = mini.findChild<QPushButton*>(QStringLiteral("pushButton_2"));
    QCOMPARE(panes->currentIndex(), 0);
    QVERIFY(!showData->isEnabled());
    QVERIFY(showBenefits->isEnabled());
    showBenefits->click();
    QCOMPARE(panes->currentIndex(), 1);
    QVERIFY(showData->isEnabled());
    QVERIFY(!showBenefits->isEnabled());
    showData->click();
    QCOMPARE(panes->currentIndex(), 0);
}

void TestMiniWindow::closeShowsMainWindow_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("close button") << false;
    QTest::newRow("Esc") << true;
}

void TestMiniWindow::closeShowsMainWindow() {
    QFETCH(bool, escape);
    QWidget main;
    MiniWindow mini;
    mini.SetMainWindow(&main);
    mini.show();
    QVERIFY(!main.isVisible());
    if (escape) {
        QTest::keyClick(&mini, Qt::Key_Escape);
    } else {
        mini.CloseButton()->click();
    }
    QVERIFY(!mini.isVisible());
    QVERIFY(main.isVisible());
}

void TestMiniWindow::linkStatusLine() {
    MiniWindow mini;
    mini.SetStatusText(QStringLiteral("waiting!"), false);
    QCOMPARE(mini.Value("status"), QStringLiteral("waiting!"));
    QCOMPARE(mini.LightImage(), QStringLiteral(":/skin/light_r.png"));
    mini.SetStatusText(QStringLiteral("GPRS(127.0.0.1:4000)!"), true);
    QCOMPARE(mini.LightImage(), QStringLiteral(":/skin/light_g.png"));
}

QTEST_MAIN(TestMiniWindow)
#include "test_mini_window.moc"

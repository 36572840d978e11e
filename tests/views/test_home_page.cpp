#include "NameFrame.h"
#include "Page1.h"
#include "QFaultListWidget.h"
#include "QOutputPane.h"
#include "QUserActivity.h"
#include "ViewsTestSupport.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace viewstest;

namespace {

// Stands in for the main window: counts the user-level events and notes the
// level each one reported.
class MainWindowProbe : public QObject {
public:
    explicit MainWindowProbe(QSystemModel* plant) : m_pPlant(plant) {}
    QList<int> levels;

protected:
    bool event(QEvent* event) override {
        if (int(event->type()) == Page1::EventUserLevelChanged) {
            levels.append(m_pPlant->UserLevel());
            return true;
        }
        return QObject::event(event);
    }

private:
    QSystemModel* m_pPlant;
};

} // namespace

class TestHomePage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        m_pData = new DataDir;
        QUserActivity::SetStartupDone(true);
    }
    void cleanupTestCase() { delete m_pData; }
    void init() {
        m_pPlant.reset(new QSystemModel);
        m_pPage.reset(new Page1);
        m_pProbe.reset(new MainWindowProbe(m_pPlant.data()));
        m_pPage->SetMainWindow(m_pProbe.data());
    }
    void cleanup() {
        m_pPage.reset();
        m_pPlant.reset();
        SystemClock::UseSystem();
    }

    void startsAsGuest();
    void pageBroughtUpShowsThePlantAsItIsNow();
    void emptyPlantShowsZeros();
    void sumsOverThePlant();
    void benefitsAndCo2ForOneThousandKilowattHours();
    void plantLightShowsFailures();

    void administratorLogsOnWithTheStoredPassword();
    void logonCoreLogsOffWhenLoggedOn();
    void pressingLogonWhileLoggedOnLogsOff();
    void wrongPasswordFails();
    void guestLogonNeedsNoPassword();

    void storedLanguageSelectsTheCombo_data();
    void storedLanguageSelectsTheCombo();
    void languageChangeWaitsForStartUp();
    void languageChangeKeepsTheLogonState();

private:
    DataDir* m_pData = nullptr;
    QScopedPointer<QSystemModel> m_pPlant;
    QScopedPointer<Page1> m_pPage;
    QScopedPointer<MainWindowProbe> m_pProbe;

    QComboBox* UserCombo() const { return m_pPage->findChild<QComboBox*>(QStringLiteral("UserCombo")); }
    QLineEdit* PassEdit() const { return m_pPage->findChild<QLineEdit*>(QStringLiteral("Pass_edit")); }
    QPushButton* LogonBtn() const { return m_pPage->findChild<QPushButton*>(QStringLiteral("LogonBtn")); }
    QComboBox* LanguageCombo() const {
        return m_pPage->findChild<QComboBox*>(QStringLiteral("Language_combo"));
    }
    void Tick() { QMetaObject::invokeMethod(m_pPage.data(), "OnFlashTimer"); }
};

void TestHomePage::startsAsGuest() {
    QCOMPARE(UserCombo()->count(), 2);
    QCOMPARE(UserCombo()->itemText(0), QStringLiteral("Administrator"));
    QCOMPARE(UserCombo()->currentText(), QStringLiteral("Guest"));
    QVERIFY(!PassEdit()->isEnabled());
    QCOMPARE(PassEdit()->text(), Page1::GuestFiller);
    QCOMPARE(PassEdit()->echoMode(), QLineEdit::Password);
    QCOMPARE(LogonBtn()->text(), QStringLiteral("Logon"));
    QCOMPARE(LanguageCombo()->count(), 3);
    QCOMPARE(LanguageCombo()->currentIndex(), -1);
    QCOMPARE(LanguageCombo()->itemText(1), QStringLiteral("简体中文"));
    QVERIFY(m_pPage->findChild<NameFrame*>(QStringLiteral("NameLabel"))->text().isEmpty());
}

void TestHomePage::pageBroughtUpShowsThePlantAsItIsNow() {
    m_pPage->SetSystemModel(m_pPlant.data());
    PageBehindAnother window(m_pPage.data());
    QInverter* inverter = MakeInverter(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS"));
    m_pPlant->AddInverter(inverter);
    inverter->SetCommState(CommOnline);
    inverter->SetItem(0, 1500);
    Tick();
    QCOMPARE(Text(m_pPage.data(), "Input"), QStringLiteral("0")); // nobody sees it
    window.BringUp();
    QCOMPARE(Text(m_pPage.data(), "Input"), QStringLiteral("1500"));
    inverter->SetItem(0, 1600);
    Tick();
    QCOMPARE(Text(m_pPage.data(), "Input"), QStringLiteral("1600"));
}

void TestHomePage::emptyPlantShowsZeros() {
    m_pPage->SetSystemModel(m_pPlant.data());
    Tick();
    for (const char* name : {"Input", "Output", "Single", "Three"}) {
        QCOMPARE(Text(m_pPage.data(), name), QStringLiteral("0"));
    }
    for (const char* name : {"Total", "Today", "Co2", "Benefit"}) {
        QCOMPARE(Text(m_pPage.data(), name), QStringLiteral("0.00"));
    }
    QCOMPARE(Text(m_pPage.data(), "Uptime"), QStringLiteral("System uptime!"));
    QCOMPARE(Style(m_pPage.data(), "light_uptime"), QStringLiteral("border-image: url(:/skin/light_g.png);"));
    m_pPage->SetLinkState(QStringLiteral("Disconnected"), false);
    QCOMPARE(Text(m_pPage.data(), "Connect"), QStringLiteral("Disconnected"));
    QCOMPARE(Style(m_pPage.data(), "light_connect"),
             QStringLiteral("border-image: url(:/skin/light_r.png);"));
}

void TestHomePage::sumsOverThePlant() {
    QInverter* single = MakeInverter(QStringLiteral("Single"), 1, QStringLiteral("Tivra PA5KS"));
    QInverter* three = MakeInverter(QStringLiteral("Three"), 2, QStringLiteral("Tivra PA10KT"));
    QInverter* other = MakeInverter(QStringLiteral("Other"), 3, QStringLiteral("Tivra PM2KS"));
    m_pPlant->AddInverter(single);
    m_pPlant->AddInverter(three);
    m_pPlant->AddInverter(other);
    single->SetCommState(CommOnline);
    three->SetCommState(CommOnline);
    single->SetItem(0, 1000);
    single->SetItem(1, 900);
    single->SetItem(17, 60000);
    single->SetItem(20, 1234);
    three->SetItem(0, 2000);
    three->SetItem(1, 1900);
    three->SetItem(17, 40000);
    three->SetItem(20, 766);
    // An offline inverter adds no power, but its energy; reading leaves the values fresh.
    other->SetItem(0, 5);
    m_pPage->SetSystemModel(m_pPlant.data());
    Tick();
    QCOMPARE(Text(m_pPage.data(), "Input"), QStringLiteral("3000"));
    QCOMPARE(Text(m_pPage.data(), "Output"), QStringLiteral("2800"));
    QCOMPARE(Text(m_pPage.data(), "Single"), QStringLiteral("2"));
    QCOMPARE(Text(m_pPage.data(), "Three"), QStringLiteral("1"));
    QCOMPARE(Text(m_pPage.data(), "Today"), QStringLiteral("20.00"));
    QCOMPARE(Text(m_pPage.data(), "Total"), QStringLiteral("1000.00"));
    QCOMPARE(other->Item(0).m_bFresh, uchar(1));
}

void TestHomePage::benefitsAndCo2ForOneThousandKilowattHours() {
    QInverter* inverter = MakeInverter(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS"));
    m_pPlant->AddInverter(inverter);
    inverter->SetItem(17, 100000);
    m_pPlant->SetSystemValue(QStringLiteral("price"), QStringLiteral("68"), false);
    m_pPlant->SetSystemValue(QStringLiteral("CurrencyUnit"), QStringLiteral("EUR"), false);
    QCOMPARE(m_pPlant->Settings().Price(), 68);
    m_pPage->SetSystemModel(m_pPlant.data());
    Tick();
    QCOMPARE(Text(m_pPage.data(), "Total"), QStringLiteral("1000.00"));
    QCOMPARE(Text(m_pPage.data(), "Benefit"), QStringLiteral("680.00"));
    QCOMPARE(Text(m_pPage.data(), "Co2"), QStringLiteral("997.00"));
    QCOMPARE(Text(m_pPage.data(), "Currency"), QStringLiteral("EUR"));

    // Large plants: sums beyond 32 bits stay right.
    for (int i = 0; i < 30; ++i) {
        QInverter* big = MakeInverter(QStringLiteral("Big%1").arg(i), 10 + i, QStringLiteral("Tivra PA40KT"));
        m_pPlant->AddInverter(big);
        big->SetItem(17, 100000000); // one million kWh each
    }
    Tick();
    QCOMPARE(Text(m_pPage.data(), "Total"), QStringLiteral("30001000.00"));
    QCOMPARE(Text(m_pPage.data(), "Benefit"), QStringLiteral("20400680.00"));
    // The figures keep their labels' size while they change, but are never cut off.
    for (const char* name : {"Total", "Co2", "Benefit"}) {
        const QLabel* label = m_pPage->findChild<QLabel*>(QLatin1String(name));
        QVERIFY2(label->width() >= label->sizeHint().width(), name);
    }
}

void TestHomePage::plantLightShowsFailures() {
    QInverter* inverter = MakeInverter(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS"));
    m_pPlant->AddInverter(inverter);
    m_pPage->SetSystemModel(m_pPlant.data());
    SetFault(*inverter, 3, 0xE012);
    Tick();
    QCOMPARE(Text(m_pPage.data(), "Uptime"), QStringLiteral("System failure!"));
    QCOMPARE(Style(m_pPage.data(), "light_uptime"), QStringLiteral("border-image: url(:/skin/light_r.png);"));
    QCOMPARE(m_pPage->FaultList()->FaultCount(), 1);
    SetFault(*inverter, 3, 0);
    Tick();
    QCOMPARE(Text(m_pPage.data(), "Uptime"), QStringLiteral("System uptime!"));
    QCOMPARE(m_pPage->FaultList()->FaultCount(), 0);
}

void TestHomePage::administratorLogsOnWithTheStoredPassword() {
    Messages messages;
    m_pPlant->SetSystemValue(QStringLiteral("PassWord"), QStringLiteral("2468"), false);
    m_pPage->SetSystemModel(m_pPlant.data());
    m_pPage->LogonAdministrator();
    QCOMPARE(m_pPlant->UserLevel(), int(UserAdministrator));
    QCOMPARE(UserCombo()->currentIndex(), 0);
    QCOMPARE(PassEdit()->text(), QStringLiteral("2468"));
    QVERIFY(!PassEdit()->isEnabled());
    QCOMPARE(LogonBtn()->text(), QStringLiteral("Off"));
    QCOMPARE(m_pProbe->levels, QList<int>({1}));
    QVERIFY(messages.Texts().isEmpty());
}

void TestHomePage::logonCoreLogsOffWhenLoggedOn() {
    Messages messages;
    m_pPage->SetSystemModel(m_pPlant.data());
    m_pPage->LogonAdministrator();
    // The main window's idle check runs the logon core.
    m_pPage->LogonCore();
    QCOMPARE(m_pPlant->UserLevel(), int(UserGuest));
    QCOMPARE(messages.Texts(), QStringList({QStringLiteral("Logout successful!")}));
    QCOMPARE(messages.Types(), QList<int>({0}));
    QCOMPARE(UserCombo()->currentText(), QStringLiteral("Guest"));
    QCOMPARE(PassEdit()->text(), Page1::GuestFiller);
    QVERIFY(!PassEdit()->isEnabled());
    QCOMPARE(LogonBtn()->text(), QStringLiteral("Logon"));
    QCOMPARE(m_pProbe->levels, QList<int>({1, 0}));
}

void TestHomePage::pressingLogonWhileLoggedOnLogsOff() {
    Messages messages;
    m_pPage->SetSystemModel(m_pPlant.data());
    m_pPage->LogonAdministrator();
    QCOMPARE(UserCombo()->currentIndex(), 0); // still "Administrator"
    LogonBtn()->click();
    QCOMPARE(m_pPlant->UserLevel(), int(UserGuest));
    QCOMPARE(messages.Texts(), QStringList({QStringLiteral("Logout successful!")}));
    // And on again with the right password.
    UserCombo()->setCurrentIndex(0);
    QVERIFY(PassEdit()->isEnabled());
    QVERIFY(PassEdit()->text().isEmpty());
    QTest::keyClicks(PassEdit(), m_pPlant->Settings().PassWord());
    LogonBtn()->click();
    QCOMPARE(m_pPlant->UserLevel(), int(UserAdministrator));
    QCOMPARE(messages.Texts().size(), 1);
}

void TestHomePage::wrongPasswordFails() {
    Messages messages;
    m_pPage->SetSystemModel(m_pPlant.data());
    UserCombo()->setCurrentIndex(0);
    QTest::keyClicks(PassEdit(), QStringLiteral("123"));
    LogonBtn()->click();
    QCOMPARE(m_pPlant->UserLevel(), int(UserGuest));
    QCOMPARE(messages.Texts(), QStringList({QStringLiteral("Login failed!")}));
    QCOMPARE(messages.LastParent(), m_pPage.data());
    QCOMPARE(LogonBtn()->text(), QStringLiteral("Logon"));
    QVERIFY(PassEdit()->isEnabled());
    QCOMPARE(m_pProbe->levels, QList<int>({0}));
}

void TestHomePage::guestLogonNeedsNoPassword() {
    Messages messages;
    m_pPage->SetSystemModel(m_pPlant.data());
    LogonBtn()->click();
    QCOMPARE(m_pPlant->UserLevel(), int(UserGuest));
    QVERIFY(messages.Texts().isEmpty());
    QCOMPARE(m_pProbe->levels, QList<int>({0}));
    QCOMPARE(LogonBtn()->text(), QStringLiteral("Logon"));
}

void TestHomePage::storedLanguageSelectsTheCombo_data() {
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("comboIndex");
    QTest::addColumn<int>("language");
    QTest::newRow("none") << QString() << 0 << 0;
    QTest::newRow("English") << QStringLiteral("English") << 0 << 0;
    QTest::newRow("Chinese") << QStringLiteral("Chinese") << 1 << 1;
    QTest::newRow("Frensh is the third entry") << QStringLiteral("Frensh") << 2 << 2;
    QTest::newRow("Italian is not in the combo") << QStringLiteral("Italian") << -1 << 3;
    QTest::newRow("unknown") << QStringLiteral("Klingon") << 0 << 0;
}

void TestHomePage::storedLanguageSelectsTheCombo() {
    QFETCH(QString, setting);
    QFETCH(int, comboIndex);
    QFETCH(int, language);
    QVERIFY(QFile::exists(QStringLiteral(":/lan/Language_T.qm")));
    QSignalSpy changed(m_pPage.data(), &Page1::LanguageChanged);
    m_pPlant->SetSystemValue(QStringLiteral("language"), setting, false);
    m_pPage->SetSystemModel(m_pPlant.data());
    QCOMPARE(LanguageCombo()->currentIndex(), comboIndex);
    QCOMPARE(m_pPage->CurrentLanguage(), language);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().first().toInt(), language);
    QCOMPARE(m_pPage->WeekdayName(0).isEmpty(), false);
    QCOMPARE(LanguageCombo()->placeholderText().isEmpty(), language != 3);
    // Back to English for the next case.
    LanguageCombo()->setCurrentIndex(0);
    if (comboIndex == 0) {
        QMetaObject::invokeMethod(m_pPage.data(), "on_Language_combo_currentIndexChanged", Q_ARG(int, 0));
    }
    QCOMPARE(m_pPage->CurrentLanguage(), 0);
    QCOMPARE(m_pPage->WeekdayName(0), QStringLiteral("Sunday"));
    QCOMPARE(LogonBtn()->text(), QStringLiteral("Logon"));
}

void TestHomePage::languageChangeWaitsForStartUp() {
    QUserActivity::SetStartupDone(false);
    QSignalSpy changed(m_pPage.data(), &Page1::LanguageChanged);
    m_pPlant->SetSystemValue(QStringLiteral("language"), QStringLiteral("Chinese"), false);
    m_pPage->SetSystemModel(m_pPlant.data());
    QCOMPARE(LanguageCombo()->currentIndex(), 1);
    QCOMPARE(changed.size(), 0);
    QCOMPARE(m_pPage->CurrentLanguage(), 0);
    QUserActivity::SetStartupDone(true);
}

void TestHomePage::languageChangeKeepsTheLogonState() {
    Messages messages;
    m_pPage->SetSystemModel(m_pPlant.data());
    m_pPage->LogonAdministrator();
    LanguageCombo()->setCurrentIndex(1);
    QCOMPARE(m_pPage->CurrentLanguage(), 1);
    // Whatever the words, the button still says "logged on", and pressing it logs off.
    QCOMPARE(LogonBtn()->text(), Page1::tr("Off"));
    QVERIFY(LogonBtn()->text() != Page1::tr("Logon"));
    LogonBtn()->click();
    QCOMPARE(m_pPlant->UserLevel(), int(UserGuest));
    QCOMPARE(messages.Texts(), QStringList({Page1::tr("Logout successful!")}));
    LanguageCombo()->setCurrentIndex(0);
    QCOMPARE(LogonBtn()->text(), QStringLiteral("Logon"));
}

QTEST_MAIN(TestHomePage)
#include "test_home_page.moc"

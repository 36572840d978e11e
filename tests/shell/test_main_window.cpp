#include "../link/SimProcess.h"
#include "MainWindow.h"
#include "Page1.h"
#include "Page2.h"
#include "Page3.h"
#include "PlantEvent.h"
#include "QBusScheduler.h"
#include "QDayLogFiles.h"
#include "QInverter.h"
#include "QMissionModel.h"
#include "QMyButton.h"
#include "QMyEvent.h"
#include "QMyMenu.h"
#include "QOutputPane.h"
#include "QOutputTrend.h"
#include "QSaveInverterData.h"
#include "QUserActivity.h"
#include "QtMyTreeItem.h"
#include "ReplyErrors.h"
#include "ShellTestSupport.h"
#include "SystemClock.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTranslator>
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

const QStringList GuestActions = {QStringLiteral("Exit"), QStringLiteral("About KOVA"),
                                  QStringLiteral("About Tivra Wattsight"), QStringLiteral("Contact us"),
                                  QStringLiteral("Operating instructions")};
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void formAndMenus();
    void guestHasOnlyTheFreeActions();
    void administratorHasAll();
    void durationText_data();
    void durationText();
    void titleLineCountsFromLogon();
    void idleLogoutAfterMoreThan300Seconds();
    void openDialogSuspendsIdleLogout();
    void closeAsksOnlyForOnlineRealInverters();
    void oneErrorBoxAtATime();
    void setSuccessAndUnknownCodes();
    void pageButtons();
    void settingsListenerFeedsPages();
    void startUpNeverShortensTheInverterList();
    void inverterAddedRewritesList();
    void deleteEventRemovesInverter();
    void deferredRemovalReachesTheViews();
    void aLinkFailingAtStartHoldsNothingUp();
    void destructorWritesBothFiles();
    void startupCreatesSystemFileWithDefaults();
    void languageChangeRetranslatesWindow();
    void recorderWritesRecordsOnce();

private:
    ShellDataDir* m_pData = nullptr;
    MessageRecorder* m_pMessages = nullptr;
};

void TestMainWindow::init() {
    SystemClock::UseSystem();
    m_pData = new ShellDataDir;
    m_pMessages = new MessageRecorder;
    QPlantEvents::Instance().Reset();
}

void TestMainWindow::cleanup() {
    delete m_pMessages;
    delete m_pData;
    SystemClock::UseSystem();
}

void TestMainWindow::formAndMenus() {
    MainWindow window;
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(window.windowTitle(), QStringLiteral("Tivra Wattsight"));
    for (const char* name : {"SystemBtn", "MiniWindow", "CloseWindowBtn", "MaxWindow", "CloseBtn", "Page1Btn",
                             "Page2Btn", "Page3Btn"}) {
        QVERIFY2(window.findChild<QPushButton*>(QLatin1String(name)), name);
    }
    QVERIFY(window.findChild<QLabel*>(QStringLiteral("LogonTime")));
    QVERIFY(window.findChild<QStackedWidget*>(QStringLiteral("stackedWidget")));
    QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("MiniWindow"))->toolTip(),
             QStringLiteral("Streamline model"));
    QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("MaxWindow"))->toolTip(),
             QStringLiteral("Maximize"));

    auto menuTexts = [&](const char* button) {
        QStringList texts;
        for (QAction* action : window.findChild<QMyButton*>(QLatin1String(button))->Menu()->actions()) {
            texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return texts;
    };
    QCOMPARE(window.findChild<QMyButton*>(QStringLiteral("MenuFileBtn"))->text(), QStringLiteral("Operate"));
    // The connect action shows the state of the link it toggles.
    QStringList file = menuTexts("MenuFileBtn");
    QCOMPARE(file.mid(1),
             QStringList({"Add new inverter", "Search inverter", "Print", "Bus monitor", "-", "Exit"}));
    QCOMPARE(file.first(), window.Bus()->ConnectActionText());
    QCOMPARE(
        menuTexts("MenuSetBtn"),
        QStringList({"Set communicate information", "Edit mail information", "Alerts", "Password setting",
                     "Set electricity price", "-", "Set system information", "Set system solar information",
                     "Set inverter information", "Set public grid information", "Edit system description",
                     "Set sunrise time", "Publishing"}));
    QCOMPARE(menuTexts("MenuHelpBtn"), QStringList({"About KOVA", "About Tivra Wattsight", "Contact us", "-",
                                                    "Operating instructions"}));
    QCOMPARE(window.FlashTimer()->interval(), 20);
    QCOMPARE(window.CommunicateTimer()->interval(), 20);
    QCOMPARE(window.AutoConnectTimer()->interval(), 10000);
}

void TestMainWindow::guestHasOnlyTheFreeActions() {
    MainWindow window;
    window.System().SetUserLevel(0);
    QEvent levelChanged(QEvent::Type(MainWindow::EventUserLevelChanged));
    QCoreApplication::sendEvent(&window, &levelChanged);
    QStringList enabled;
    for (QAction* action : window.Actions()) {
        if (action->isEnabled()) {
            enabled.append(action->text());
        }
    }
    QCOMPARE(enabled, GuestActions);
}

void TestMainWindow::administratorHasAll() {
    MainWindow window;
    window.System().SetUserLevel(1);
    QEvent levelChanged(QEvent::Type(MainWindow::EventUserLevelChanged));
    QCoreApplication::sendEvent(&window, &levelChanged);
    for (QAction* action : window.Actions()) {
        QVERIFY2(action->isEnabled(), qPrintable(action->text()));
    }
}

void TestMainWindow::durationText_data() {
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "0sec";
    QTest::newRow("59 s") << qint64(59) << "59sec";
    QTest::newRow("1 min") << qint64(60) << "1min0sec";
    QTest::newRow("59 min 5 s") << qint64(59 * 60 + 5) << "59min5sec";
    QTest::newRow("1 h 0 min 7 s") << qint64(3607) << "1hour0min7sec";
    QTest::newRow("one day") << qint64(86400) << "1day0hour0min0sec";
    QTest::newRow("2 d 3 h 4 min 5 s") << qint64(2 * 86400 + 3 * 3600 + 4 * 60 + 5) << "2day3hour4min5sec";
}

void TestMainWindow::durationText() {
    QFETCH(qint64, seconds);
    QFETCH(QString, text);
    QCOMPARE(MainWindow::DurationText(seconds, "day", "hour", "min", "sec"), text);
}

void TestMainWindow::titleLineCountsFromLogon() {
    const QDateTime start(QDate(2024, 5, 6), QTime(9, 0, 0));
    SystemClock::SetFixed(start);
    MainWindow window;
    window.System().SetUserLevel(1);
    QEvent levelChanged(QEvent::Type(MainWindow::EventUserLevelChanged));
    QCoreApplication::sendEvent(&window, &levelChanged);
    window.System().SetUserLevel(0);
    QCoreApplication::sendEvent(&window, &levelChanged); // a new user on duty: counts from now
    SystemClock::Advance(qint64(59 * 60 + 5) * 1000);
    window.showtitle();
    auto* label = window.findChild<QLabel*>(QStringLiteral("LogonTime"));
    QCOMPARE(label->text(), QStringLiteral("Current user:Guest  Logon duration: 59min5sec"));

    window.System().SetUserLevel(1);
    QCoreApplication::sendEvent(&window, &levelChanged);
    SystemClock::Advance(qint64(86400) * 1000);
    QUserActivity::SetIdleCheck(false); // a day without activity must not log off here
    window.OnFlashTimer();
    QCOMPARE(label->text(), QStringLiteral("Current user:Administrator  Logon duration: 1day0hour0min0sec"));
}

void TestMainWindow::idleLogoutAfterMoreThan300Seconds() {
    SystemClock::SetFixed(QDateTime(QDate(2024, 5, 6), QTime(10, 0, 0)));
    MainWindow window;
    window.FlashTimer()->stop();
    // Start-up ends with the administrator logged on.
    QCOMPARE(window.System().UserLevel(), 1);
    QVERIFY(QUserActivity::IdleCheck());
    QUserActivity::Touch();
    m_pMessages->asked.clear();

    SystemClock::Advance(300 * 1000);
    window.OnFlashTimer();
    QCOMPARE(window.System().UserLevel(), 1);
    QVERIFY(m_pMessages->asked.isEmpty());

    SystemClock::Advance(1000);
    window.OnFlashTimer();
    QCOMPARE(window.System().UserLevel(), 0);
    QCOMPARE(m_pMessages->Texts(), QStringList({QStringLiteral("Logout successful!")}));
    // The menus followed the logout.
    QVERIFY(!window.FindAction(QStringLiteral("Search inverter"))->isEnabled());
}

void TestMainWindow::openDialogSuspendsIdleLogout() {
    SystemClock::SetFixed(QDateTime(QDate(2024, 5, 6), QTime(10, 0, 0)));
    MainWindow window;
    window.FlashTimer()->stop();
    // Start-up ends with the administrator logged on.
    QCOMPARE(window.System().UserLevel(), 1);
    QUserActivity::Touch();

    // The about card stays open for ten minutes: the flash timer keeps running
    // meanwhile, but nobody is logged off under an open dialog.
    bool checkedWhileOpen = false;
    QTimer::singleShot(0, &window, [&] {
        QVERIFY(!QUserActivity::IdleCheck());
        SystemClock::Advance(600 * 1000);
        window.OnFlashTimer();
        checkedWhileOpen = window.System().UserLevel() == 1;
        QApplication::activeModalWidget()->close();
    });
    window.AboutTivra();
    QVERIFY(checkedWhileOpen);
    QVERIFY(QUserActivity::IdleCheck());
    // Closing the dialog counted as activity.
    window.OnFlashTimer();
    QCOMPARE(window.System().UserLevel(), 1);
    SystemClock::Advance(301 * 1000);
    window.OnFlashTimer();
    QCOMPARE(window.System().UserLevel(), 0);
}

void TestMainWindow::closeAsksOnlyForOnlineRealInverters() {
    MainWindow window;
    window.show();
    QInverter* analog = NewInverter(QStringLiteral("Analog"), QStringLiteral("Tivra PA5KS"), 255);
    QVERIFY(window.System().AddInverter(analog));
    analog->SetCommState(CommOnline);
    m_pMessages->asked.clear();
    QVERIFY(window.close());
    QVERIFY(m_pMessages->asked.isEmpty());

    window.show();
    QInverter* real = NewInverter(QStringLiteral("Roof"), QStringLiteral("Tivra PA5KS"), 3);
    QVERIFY(window.System().AddInverter(real));
    real->SetCommState(CommOffline);
    QVERIFY(window.close()); // offline: nothing to interrupt
    QVERIFY(m_pMessages->asked.isEmpty());

    window.show();
    real->SetCommState(CommOnline);
    m_pMessages->answer = 0;
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QCOMPARE(m_pMessages->asked.size(), 1);
    QCOMPARE(m_pMessages->asked.at(0).text,
             QStringLiteral("The inverter is communication, are you sure you want to close?"));
    QCOMPARE(m_pMessages->asked.at(0).type, 1);
    m_pMessages->answer = 1;
    QVERIFY(window.close());
}

void TestMainWindow::oneErrorBoxAtATime() {
    MainWindow window;
    m_pMessages->asked.clear();
    // While the first box is open, a second error reply arrives.
    m_pMessages->during = [&](MessageBox&) {
        m_pMessages->during = nullptr;
        QPlantEvent second(EventReplyError, 9);
        QCoreApplication::sendEvent(&window, &second);
    };
    QPlantEvent first(EventReplyError, 5);
    QCoreApplication::sendEvent(&window, &first);
    QCOMPARE(m_pMessages->Texts(), QStringList({QStringLiteral("Password is incorrect!")}));

    // Once it is closed, the next error shows again.
    QPlantEvent third(EventReplyError, 11);
    QCoreApplication::sendEvent(&window, &third);
    QCOMPARE(m_pMessages->Texts().last(), QStringLiteral("You do not have permission to do this!"));
    QCOMPARE(m_pMessages->asked.size(), 2);
}

void TestMainWindow::setSuccessAndUnknownCodes() {
    MainWindow window;
    // The link's notice of the start: connecting runs on, the notice comes once it failed.
    QTRY_VERIFY(!window.Bus()->Link()->IsActive());
    QCoreApplication::sendPostedEvents();
    m_pMessages->asked.clear();
    for (int code : {0, 12, -1, 1000}) {
        QPlantEvent error(EventReplyError, code);
        QCoreApplication::sendEvent(&window, &error);
    }
    QVERIFY(m_pMessages->asked.isEmpty());
    QPlantEvent success(EventSetSuccess, 0);
    QCoreApplication::sendEvent(&window, &success);
    QCOMPARE(m_pMessages->Texts(), QStringList({QStringLiteral("Set successfully!")}));
    QCOMPARE(m_pMessages->asked.at(0).type, 0);
    // Posted by the core: arrives through the event loop.
    QPlantEvents::Instance().PostReplyError(1);
    QTRY_COMPARE(m_pMessages->asked.size(), 2);
    QCOMPARE(m_pMessages->Texts().last(), QStringLiteral("Enter the illegal instruction!"));
}

void TestMainWindow::pageButtons() {
    SystemClock::SetFixed(QDateTime(QDate(2024, 5, 6), QTime(10, 0, 0)));
    MainWindow window;
    auto* stack = window.findChild<QStackedWidget*>(QStringLiteral("stackedWidget"));
    QPushButton* buttons[3] = {window.findChild<QPushButton*>(QStringLiteral("Page1Btn")),
                               window.findChild<QPushButton*>(QStringLiteral("Page2Btn")),
                               window.findChild<QPushButton*>(QStringLiteral("Page3Btn"))};
    QCOMPARE(stack->currentIndex(), 0);
    for (int page : {2, 1, 0}) {
        SystemClock::Advance(5000);
        buttons[page]->click();
        QCOMPARE(stack->currentIndex(), page);
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page%1").arg(page + 1));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(buttons[i]->isEnabled(), i != page);
        }
        QCOMPARE(QUserActivity::LastActivity(), SystemClock::Now());
    }
}

void TestMainWindow::settingsListenerFeedsPages() {
    MainWindow window;
    QCOMPARE(window.InformationPage()->PlantName(), QStringLiteral("Test plant"));
    window.System().SetSystemValue(QStringLiteral("systemname"), QStringLiteral("Hillside"), false);
    QCOMPARE(window.InformationPage()->PlantName(), QStringLiteral("Hillside"));
    window.System().SetSystemValue(QStringLiteral("City"), QStringLiteral("Lecce"), false);
    window.System().SetSystemValue(QStringLiteral("Country"), QStringLiteral("Italy"), false);
    QCOMPARE(window.InformationPage()->SiteText(), QStringLiteral("Lecce;Italy"));
}

void TestMainWindow::startUpNeverShortensTheInverterList() {
    // The analog device's message comes up while the list is being loaded: a kill
    // at that moment must find every inverter still in the file.
    const QByteArray list = InverterRecord("East", "", "Tivra PA5KS", 1, 1) +
                            InverterRecord("Signal", "", "Tivra PA5KS", 255, 1) +
                            InverterRecord("West", "", "Tivra PA10KT", 2, 3);
    const QString path = m_pData->FilePath(QStringLiteral("inverter.dat"));
    QVERIFY(WriteBytes(path, list));
    QByteArray duringLoad;
    m_pMessages->during = [&](MessageBox&) { duringLoad = ReadBytes(path); };
    MainWindow window;
    QCOMPARE(m_pMessages->Texts(), QStringList({QStringLiteral("Load analog data failed!")}));
    QCOMPARE(duringLoad, list);
    QCOMPARE(window.System().InverterCount(), 3);
    QCOMPARE(ReadBytes(path), list);
}

void TestMainWindow::inverterAddedRewritesList() {
    MainWindow window;
    QVERIFY(
        window.System().AddInverter(NewInverter(QStringLiteral("East"), QStringLiteral("Tivra PA5KS"), 1)));
    QVERIFY(
        window.System().AddInverter(NewInverter(QStringLiteral("West"), QStringLiteral("Tivra PA10KT"), 2)));
    const QByteArray expected =
        InverterRecord("East", "", "Tivra PA5KS", 1, 1) + InverterRecord("West", "", "Tivra PA10KT", 2, 3);
    QCOMPARE(ReadBytes(m_pData->FilePath(QStringLiteral("inverter.dat"))), expected);
    QCOMPARE(window.InformationPage()->SingleCount(), QStringLiteral("1"));
    QCOMPARE(window.InformationPage()->ThreeCount(), QStringLiteral("1"));

    // An analog device without its recording: the message, and it stays offline.
    m_pMessages->asked.clear();
    QInverter* analog = NewInverter(QStringLiteral("Signal"), QStringLiteral("Tivra PA5KS"), 255);
    QVERIFY(window.System().AddInverter(analog));
    QCOMPARE(m_pMessages->Texts(), QStringList({QStringLiteral("Load analog data failed!")}));
    QCOMPARE(analog->CommState(), int(CommOffline));

    // 4665: an inverter's identity changed; the list is written again.
    window.System().FindByName(QStringLiteral("East"))->SetLocation(QStringLiteral("Roof"));
    QEvent edited(QEvent::Type(MainWindow::EventInverterEdited));
    QCoreApplication::sendEvent(&window, &edited);
    QVERIFY(ReadBytes(m_pData->FilePath(QStringLiteral("inverter.dat")))
                .startsWith(InverterRecord("East", "Roof", "Tivra PA5KS", 1, 1)));
}

void TestMainWindow::deleteEventRemovesInverter() {
    MainWindow window;
    QInverter* east = NewInverter(QStringLiteral("East"), QStringLiteral("Tivra PA5KS"), 1);
    QVERIFY(window.System().AddInverter(east));
    QVERIFY(east->TreeEntry());
    // The tree sends the address of its entry widget.
    auto* item = dynamic_cast<QtMyTreeItem*>(east->TreeEntry());
    QVERIFY(item);
    QMyEvent removal(QEvent::Type(MainWindow::EventDeleteInverter), reinterpret_cast<qintptr>(item), 0);
    QCoreApplication::sendEvent(&window, &removal);
    QCOMPARE(window.System().InverterCount(), 0);
}

void TestMainWindow::deferredRemovalReachesTheViews() {
    // An inverter that never answers keeps a mission in flight for a whole time-out.
    SimProcess sim;
    QVERIFY(sim.Start(
        {"--tcp-port", "0", "--inverter", "1:Tivra PA5KS", "--inverter", "2:Tivra PA10KT", "--silent", "1"}));
    WriteBytes(m_pData->FilePath(QStringLiteral("system.dat")),
               SystemFileBytes({{"CommunicationType", "1"},
                                {"IPAddress", "127.0.0.1"},
                                {"IP_number", QByteArray::number(sim.TcpPort())}}));
    MainWindow window;
    QTRY_VERIFY(window.Bus()->IsLinkOpen());
    QInverter* east = NewInverter(QStringLiteral("East"), QStringLiteral("Tivra PA5KS"), 1);
    QVERIFY(window.System().AddInverter(east));
    QVERIFY(
        window.System().AddInverter(NewInverter(QStringLiteral("West"), QStringLiteral("Tivra PA10KT"), 2)));
    QOutputPane* pane = window.HomePage()->OutputPane();
    QCOMPARE(pane->ItemCount(), 2);
    QTRY_VERIFY_WITH_TIMEOUT(window.Bus()->CurrentMission() && window.Bus()->IsWaiting() &&
                                 window.Bus()->CurrentMission()->Owner() == &east->MissionList(),
                             10000);

    auto* item = dynamic_cast<QtMyTreeItem*>(east->TreeEntry());
    QVERIFY(item);
    QMyEvent removal(QEvent::Type(MainWindow::EventDeleteInverter), reinterpret_cast<qintptr>(item), 0);
    QCoreApplication::sendEvent(&window, &removal);
    QVERIFY(east->IsDeletePending()); // its mission is still in flight
    QCOMPARE(window.System().InverterCount(), 2);

    // The time-out ends the mission and the inverter is freed: no view may still hold it.
    QTRY_COMPARE_WITH_TIMEOUT(window.System().InverterCount(), 1, 10000);
    QCOMPARE(pane->ItemCount(), 1);
    QVERIFY(pane->Item(0)->Inverter() != east);
    pane->OnTimer(); // each curve reads its inverter
    QVERIFY(window.BrowserPage()->CurrentInverter() != east);
    QCOMPARE(window.InformationPage()->SingleCount(), QStringLiteral("0"));
    QCOMPARE(window.InformationPage()->ThreeCount(), QStringLiteral("1"));
}

void TestMainWindow::aLinkFailingAtStartHoldsNothingUp() {
    // Nobody listens on the converter's port: the start-up finishes, recording and
    // reconnecting run, and the notice waits for the event loop.
    MainWindow window;
    QVERIFY(!window.Bus()->IsLinkOpen());
    QVERIFY(m_pMessages->asked.isEmpty());
    QVERIFY(window.Runtime().Recorder().Timer()->isActive());
    QVERIFY(window.AutoConnectTimer()->isActive());
    QTRY_COMPARE_WITH_TIMEOUT(m_pMessages->Texts(),
                              QStringList({QStringLiteral("Failed to connect to server!")}), 5000);
}

void TestMainWindow::destructorWritesBothFiles() {
    {
        MainWindow window;
        QVERIFY(window.System().AddInverter(
            NewInverter(QStringLiteral("East"), QStringLiteral("Tivra PA5KS"), 1)));
        window.System().SetSystemValue(QStringLiteral("price"), QStringLiteral("75"), false);
        QFile::remove(m_pData->FilePath(QStringLiteral("inverter.dat")));
        QFile::remove(m_pData->FilePath(QStringLiteral("system.dat")));
    }
    QCOMPARE(ReadBytes(m_pData->FilePath(QStringLiteral("inverter.dat"))),
             InverterRecord("East", "", "Tivra PA5KS", 1, 1));
    const QByteArray system = ReadBytes(m_pData->FilePath(QStringLiteral("system.dat")));
    QVERIFY(system.contains(QByteArray("price\x3F\x02\x3F"
                                       "75\x3F\x03\x3F")));
    QVERIFY(system.contains(QByteArray("systemname\x3F\x02\x3FTest plant\x3F\x03\x3F")));
}

void TestMainWindow::startupCreatesSystemFileWithDefaults() {
    QTemporaryDir fresh;
    DataPaths::SetDataDir(fresh.path());
    {
        MainWindow window;
        QVERIFY(QFile::exists(fresh.filePath(QStringLiteral("system.dat"))));
    }
    const QByteArray system = ReadBytes(fresh.filePath(QStringLiteral("system.dat")));
    QVERIFY(system.startsWith(QByteArray("systemname\x3F\x02\x3F")));
    QVERIFY(system.contains(QByteArray("GPRS_Number\x3F\x02\x3F")));
}

void TestMainWindow::languageChangeRetranslatesWindow() {
    MainWindow window;
    QTranslator chinese;
    QVERIFY(chinese.load(QStringLiteral(":/lan/Language_C.qm")));
    QCoreApplication::installTranslator(&chinese);
    window.ChangeLanguage(1);
    QCOMPARE(window.System().GetSystemValue(QStringLiteral("language")), QStringLiteral("Chinese"));
    QCOMPARE(window.FindAction(QStringLiteral("Exit"))->text(), QStringLiteral("退出"));
    QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("Page1Btn"))->text(), QStringLiteral("首页"));
    QCOMPARE(window.findChild<QMyButton*>(QStringLiteral("MenuHelpBtn"))->text(), QStringLiteral("帮助"));
    QVERIFY(window.TitleText().startsWith(QStringLiteral("当前用户：")));
    QVERIFY(window.TitleText().contains(QStringLiteral("登录时长：")));
    // The link's texts were written in English when the link was tried at start.
    const QString action = window.Bus()->ConnectActionText();
    QVERIFY(!action.isEmpty());
    QVERIFY(action.contains(QRegularExpression(QStringLiteral("[\\x{4e00}-\\x{9fff}]"))));
    QVERIFY(window.Bus()->StatusText().contains(QRegularExpression(QStringLiteral("[\\x{4e00}-\\x{9fff}]"))));
    QCoreApplication::removeTranslator(&chinese);
    window.ChangeLanguage(3); // Italian, as far as its file was installed: none here
    QCOMPARE(window.System().GetSystemValue(QStringLiteral("language")), QStringLiteral("Italian"));
    QCOMPARE(window.FindAction(QStringLiteral("Exit"))->text(), QStringLiteral("Exit"));
    // The setting is stored without saving; the file keeps the earlier value.
    QVERIFY(!ReadBytes(m_pData->FilePath(QStringLiteral("system.dat"))).contains("Italian"));
}

void TestMainWindow::recorderWritesRecordsOnce() {
    const QDate day(2024, 5, 6);
    SystemClock::SetFixed(QDateTime(day, QTime(10, 0, 0)));
    QVERIFY(
        QFile::copy(qEnvironmentVariable("WATTSIGHT_SOURCE_DIR") + QStringLiteral("/app/resources/analog.db"),
                    m_pData->FilePath(QStringLiteral("analog.db"))));
    MainWindow window;
    window.FlashTimer()->stop();
    QInverterRecorder& recorder = window.Runtime().Recorder();
    recorder.Stop();
    QInverter* roof = NewInverter(QStringLiteral("Roof"), QStringLiteral("Tivra PA5KS"), 3);
    QVERIFY(window.System().AddInverter(roof));
    QInverter* analog = NewInverter(QStringLiteral("Signal"), QStringLiteral("Tivra PA5KS"), 255);
    QVERIFY(window.System().AddInverter(analog));
    QCOMPARE(analog->CommState(), int(CommOnline));
    roof->SetCommState(CommOnline);
    roof->SetItem(32, 2); // running
    const QString dayLog = QDayLogFiles::DayLogPath(*roof, day);
    const QString minutes = QSaveInverterData::FilePathFor(3);
    auto rows = [&] { return ReadBytes(dayLog).count('\n'); };
    auto records = [&] { return QFileInfo(minutes).size(); };

    // 10:00:00.000: one day-log row, one minute record, the analog device fed.
    recorder.OnTick();
    const int rowsAfterFirst = rows();
    const qint64 recordsAfterFirst = records();
    QVERIFY(rowsAfterFirst > 0);
    QCOMPARE(recordsAfterFirst, qint64(18 + 16)); // header, date and the first record
    QCOMPARE(analog->ItemValue(27), 10 * 65536);
    QCOMPARE(analog->ItemValue(28), 24 * 65536 + 5 * 256 + 6);

    // Later ticks of the same window write nothing more.
    for (int ms : {20, 20, 20}) {
        SystemClock::Advance(ms);
        recorder.OnTick();
    }
    SystemClock::Advance(940); // 10:00:01.000
    recorder.OnTick();
    QCOMPARE(rows(), rowsAfterFirst);
    QCOMPARE(records(), recordsAfterFirst);

    // 10:00:02.000: the next row; the minute record waits for the next minute.
    SystemClock::Advance(1000);
    recorder.OnTick();
    QCOMPARE(rows(), rowsAfterFirst + 1);
    QCOMPARE(records(), recordsAfterFirst);
    QCOMPARE(analog->ItemValue(27), 10 * 65536 + 2);

    // 10:01:00.000, after a tick outside the window: a new minute, a new
    // record of four words, and the next row.
    SystemClock::Advance(500);
    recorder.OnTick();
    SystemClock::SetFixed(QDateTime(day, QTime(10, 1, 0)));
    recorder.OnTick();
    QCOMPARE(records(), recordsAfterFirst + 16);
    QCOMPARE(rows(), rowsAfterFirst + 2);
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"

// The main window's setup entries: each opens its dialog, and what the dialog
// decides reaches the settings, the pages and the link.

#include "DialogsTestSupport.h"
#include "DlgAddInverter.h"
#include "MainWindow.h"
#include "Page1.h"
#include "Page2.h"
#include "Page23.h"
#include "Page3.h"
#include "QBusScheduler.h"
#include "QInverter.h"
#include "QOutputPane.h"
#include "QSetCommunicateDlg.h"
#include "QUserActivity.h"
#include "SetBeginTimeDlg.h"
#include "SetSystem.h"
#include "SystemClock.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTcpServer>
#include <QTcpSocket>

using namespace dialogstest;

namespace {
// A data directory whose system.dat has these entries (key, value).
class WindowData {
public:
    explicit WindowData(const QList<QPair<QByteArray, QByteArray>>& entries) {
        QFile file(m_Dir.File(QStringLiteral("system.dat")));
        if (file.open(QIODevice::WriteOnly)) {
            for (const auto& entry : entries) {
                file.write(entry.first + "?\x02?" + entry.second + "?\x03?");
            }
        }
    }
    QString File(const QString& name) const { return m_Dir.File(name); }

private:
    viewstest::DataDir m_Dir;
};

// A TCP link to a port nobody listens on: the window opens at once.
const QList<QPair<QByteArray, QByteArray>> kTcpNowhere = {
    {"systemname", "Hillside"}, {"CommunicationType", "1"}, {"IPAddress", "127.0.0.1"}, {"IP_number", "9"}};

QList<QPair<QString, QString>> Entries(MainWindow& window) {
    return window.System().Settings().Entries();
}

// The keys whose values differ between two states of the settings.
QStringList Changed(const QList<QPair<QString, QString>>& before,
                    const QList<QPair<QString, QString>>& after) {
    QStringList keys;
    for (const auto& entry : after) {
        bool same = false;
        for (const auto& old : before) {
            same = same || (old.first == entry.first && old.second == entry.second);
        }
        if (!same) {
            keys.append(entry.first);
        }
    }
    return keys;
}

quint16 FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}
} // namespace

class TestSetupWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { m_pMessages = new viewstest::Messages; }
    void cleanup() {
        delete m_pMessages;
        SystemClock::UseSystem();
    }

    void everyEntryOpensItsDialog_data();
    void everyEntryOpensItsDialog();
    void informationPageShowsChangedKeys();
    void addedInverterJoinsTreeAndList();
    void sunriseTime_data();
    void sunriseTime();
    void ethernetChosenWithoutChanges();
    void baudChangeLeavesGprsServerAlone();

private:
    viewstest::Messages* m_pMessages = nullptr;
};

void TestSetupWindow::everyEntryOpensItsDialog_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("add") << "Add new inverter"
                         << "DlgAddInverter";
    QTest::newRow("search") << "Search inverter"
                            << "QFindInverterDlg";
    QTest::newRow("link") << "Set communicate information"
                          << "QSetCommunicateDlg";
    QTest::newRow("mail account") << "Edit mail information"
                                  << "QSetMailDlg";
    QTest::newRow("password") << "Password setting"
                              << "QSetPasswordDlg";
    QTest::newRow("price") << "Set electricity price"
                           << "QMiscellaneousDlg";
    QTest::newRow("system") << "Set system information"
                            << "SetSystem";
    QTest::newRow("solar") << "Set system solar information"
                           << "SetSolar";
    QTest::newRow("inverter models") << "Set inverter information"
                                     << "DlgSetInverter";
    QTest::newRow("grid") << "Set public grid information"
                          << "DlgSetGrid";
    QTest::newRow("remark") << "Edit system description"
                            << "DlgEditRemark";
    QTest::newRow("sunrise") << "Set sunrise time"
                             << "SetBeginTimeDlg";
}

void TestSetupWindow::everyEntryOpensItsDialog() {
    QFETCH(QString, action);
    QFETCH(QString, dialog);
    WindowData data(kTcpNowhere);
    MainWindow window;
    QString opened;
    bool idleCheckWhileOpen = true;
    WhenModal<QDialog>([&](QDialog& shown) {
        opened = QLatin1String(shown.metaObject()->className());
        idleCheckWhileOpen = QUserActivity::IdleCheck();
        QCOMPARE(shown.parentWidget(), &window);
    });
    window.FindAction(action)->trigger();
    QCOMPARE(opened, dialog);
    QVERIFY(!idleCheckWhileOpen);
    QVERIFY(QUserActivity::IdleCheck());
}

void TestSetupWindow::informationPageShowsChangedKeys() {
    WindowData data(kTcpNowhere);
    MainWindow window;
    WhenModal<SetSystem>([](SetSystem& dialog) {
        Type(&dialog, "Latitude_edit", QStringLiteral("-22.5"));
        Type(&dialog, "City_edit", QStringLiteral("Lugano"));
        Click(&dialog, "Okbtn");
    });
    window.SetSystemMessage();
    QCOMPARE(window.InformationPage()->Value(QStringLiteral("Latitude"))->text(), QStringLiteral("22.50S"));
    QVERIFY(window.InformationPage()->SiteText().contains(QLatin1String("Lugano")));
}

void TestSetupWindow::addedInverterJoinsTreeAndList() {
    WindowData data(kTcpNowhere);
    MainWindow window;
    WhenModal<DlgAddInverter>([](DlgAddInverter& dialog) {
        Type(&dialog, "nameEdit", QStringLiteral("Carport"));
        Type(&dialog, "addrEdit", QStringLiteral("12"));
        Click(&dialog, "yesbtn");
    });
    window.AddInverter();
    QCOMPARE(window.System().InverterCount(), 1);
    QInverter* added = window.System().Inverter(0);
    QVERIFY(added->TreeEntry());
    QCOMPARE(window.BrowserPage()->CurrentInverter(), added);
    QFile list(data.File(QStringLiteral("inverter.dat")));
    QVERIFY(list.open(QIODevice::ReadOnly));
    QCOMPARE(list.readAll(), QByteArray("Carport?\x01??\x01?Tivra PA10KT?\x01?12?\x01?3?\x02?"));
}

void TestSetupWindow::sunriseTime_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("an empty field stores 0") << ""
                                             << "0";
    QTest::newRow("one digit") << "7"
                               << "7";
    QTest::newRow("a second digit cannot be typed") << "75"
                                                    << "7";
}

void TestSetupWindow::sunriseTime() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    WindowData data(kTcpNowhere + QList<QPair<QByteArray, QByteArray>>{{"begintime", "5"}});
    MainWindow window;
    QString shown;
    WhenModal<SetBeginTimeDlg>([&](SetBeginTimeDlg& dialog) {
        shown = TextOf(&dialog, "lineEdit");
        Type(&dialog, "lineEdit", typed);
        Click(&dialog, "pushButton");
    });
    window.SetBegin();
    QCOMPARE(shown, QStringLiteral("5"));
    QCOMPARE(window.System().GetSystemValue(QStringLiteral("begintime")), stored);
    QCOMPARE(window.HomePage()->OutputPane()->StartHour(), stored.toInt());
    QCOMPARE(window.BrowserPage()->HistoryTab()->BeginTime(), stored.toInt());
}

void TestSetupWindow::ethernetChosenWithoutChanges() {
    // Serial at start, on a port that cannot open.
    WindowData data({{"CommunicationType", "0"},
                     {"Com_device", "/nonexistent/tty"},
                     {"IPAddress", "127.0.0.1"},
                     {"IP_number", "9"}});
    MainWindow window;
    const auto before = Entries(window);
    CommunicateChoice seen;
    WhenModal<QSetCommunicateDlg>([&](QSetCommunicateDlg& dialog) {
        QVERIFY(Child<QCheckBox>(&dialog, "com_enable")->isChecked());
        QCOMPARE(Child<QComboBox>(&dialog, "number_com")->currentText(),
                 QStringLiteral("COM1 (/nonexistent/tty)"));
        Child<QCheckBox>(&dialog, "inter_enabel")->click();
        QVERIFY(!Child<QCheckBox>(&dialog, "com_enable")->isChecked());
        Click(&dialog, "pushButton");
        seen = dialog.Choice();
    });
    // The serial port's failure at start is told once the start-up has returned.
    QTRY_COMPARE(m_pMessages->Texts(), QStringList{QStringLiteral("Open the serial port failure!")});
    m_pMessages->Clear();
    window.SetCommunicate();
    QCOMPARE(seen.m_nKind, int(LinkTcpClient));
    QCOMPARE(Changed(before, Entries(window)), QStringList{QStringLiteral("CommunicationType")});
    QCOMPARE(window.System().GetSystemValue(QStringLiteral("CommunicationType")), QStringLiteral("1"));
    QCOMPARE(window.System().GetSystemValue(QStringLiteral("Com_device")),
             QStringLiteral("/nonexistent/tty"));
    // The TCP link was tried at once (and said that nobody answered).
    QTRY_COMPARE(m_pMessages->Texts(), QStringList{QStringLiteral("Failed to connect to server!")});
}

void TestSetupWindow::baudChangeLeavesGprsServerAlone() {
    WindowData data(kTcpNowhere);
    MainWindow window;
    const quint16 port = FreePort();
    window.Bus()->SetGprsPort(port);
    WhenModal<QSetCommunicateDlg>([](QSetCommunicateDlg& dialog) {
        Child<QCheckBox>(&dialog, "GPRS_enabel")->click();
        Click(&dialog, "pushButton");
    });
    window.SetCommunicate();
    QVERIFY(window.Bus()->IsAccepting());

    // The modem calls in; then only the serial baud rate changes.
    QTcpSocket modem;
    modem.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(modem.waitForConnected(3000));
    QTRY_VERIFY(!window.Bus()->IsAccepting());
    const auto before = Entries(window);
    WhenModal<QSetCommunicateDlg>([](QSetCommunicateDlg& dialog) {
        QVERIFY(Child<QCheckBox>(&dialog, "GPRS_enabel")->isChecked());
        Child<QComboBox>(&dialog, "Baud_rate_com")->setItemText(0, QStringLiteral("19200"));
        Click(&dialog, "pushButton");
    });
    window.SetCommunicate();
    QCOMPARE(Changed(before, Entries(window)), QStringList({"Com_number", "Baud_rate"}));
    QCOMPARE(window.System().GetSystemValue(QStringLiteral("Baud_rate")), QStringLiteral("19200"));
    QCOMPARE(window.System().Settings().CommunicationType(), int(LinkGprs));
    QTest::qWait(100);
    QCOMPARE(modem.state(), QAbstractSocket::ConnectedState);
    QVERIFY(window.Bus()->IsLinkOpen());
}

QTEST_MAIN(TestSetupWindow)
#include "test_setup_window.moc"

// The inverter settings dialog and its maintenance dialogs, driven offscreen:
// the checks before each write, the questions before the commands that change
// a device for good, the exact writes queued, the replies routed to the open
// child only, the CSV files, and the small logon, password and period dialogs.

#include "../views/ViewsTestSupport.h"
#include "InverterData.h"
#include "MaintenanceReads.h"
#include "MaintenanceTestSupport.h"
#include "QAllFaultDlg.h"
#include "QDataDlg.h"
#include "QGrid.h"
#include "QInverterLogonDlg.h"
#include "QInverterSetDlg.h"
#include "QMyEvent.h"
#include "QProtectPoint.h"
#include "QReadDlg.h"
#include "QSetInverterPassDlg.h"
#include "QSetInverterTdlg.h"
#include "QWriteDlg.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

using namespace maintenancetest;
using testsupport::LastMission;
using testsupport::ReadReply;
using testsupport::ReadReplyBytes;
using testsupport::WriteData;

namespace {

constexpr int kAddress = 3;

// Collects the custom events the settings dialog sends its opener.
class Opener : public QWidget {
public:
    QList<qintptr> edited;
    bool event(QEvent* e) override {
        if (e->type() == QEvent::Type(QInverterSetDlg::EventInverterEdited)) {
            auto* my = dynamic_cast<QMyEvent*>(e);
            edited.append(my ? my->m_nValue1 : 0);
            return true;
        }
        return QWidget::event(e);
    }
};

QByteArray Hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

void Click(QWidget* dialog, const char* button) {
    auto* found = dialog->findChild<QPushButton*>(QLatin1String(button));
    QVERIFY2(found, button);
    found->click();
}

template <typename Field> Field* Child(QWidget* dialog, const char* name) {
    return dialog->findChild<Field*>(QLatin1String(name));
}

} // namespace

class TestMaintenanceDialogs : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadsTheInverter_data();
    void loadsTheInverter();
    void offlineInverterIsNotWritten_data();
    void offlineInverterIsNotWritten();
    void loggedOffInverterIsNotCommanded_data();
    void loggedOffInverterIsNotCommanded();
    void settingWrites_data();
    void settingWrites();
    void commandsAskFirst_data();
    void commandsAskFirst();
    void closingLogsOff();
    void saveRenamesAndTellsTheOpener();
    void childDialogsTakeTheReplies_data();
    void childDialogsTakeTheReplies();
    void lateRepliesChangeNothing();
    void logonPasswordAndPeriod();
    void csvFiles_data();
    void csvFiles();
    void rawRead();
    void rawWrite_data();
    void rawWrite();
    void smallDialogs_data();
    void smallDialogs();

private:
    QInverter* m_pInverter = nullptr; // owned by the plant
    QSystemModel* m_pPlant = nullptr;
    viewstest::Messages* m_pMessages = nullptr;
    viewstest::DataDir* m_pData = nullptr;
};

void TestMaintenanceDialogs::init() {
    m_pData = new viewstest::DataDir;
    m_pPlant = new QSystemModel;
    m_pInverter = viewstest::MakeInverter(QStringLiteral("Roof"), kAddress, QStringLiteral("Tivra PA5KS"));
    QVERIFY(m_pPlant->AddInverter(m_pInverter));
    m_pInverter->MissionList().ClearMissions(); // only what the dialogs queue
    m_pInverter->SetCommState(CommOnline);
    m_pInverter->SetItem(LogonState, 1);
    m_pMessages = new viewstest::Messages(1);
}

void TestMaintenanceDialogs::cleanup() {
    delete m_pMessages;
    delete m_pPlant;
    delete m_pData;
    QMaintenanceDlg::SetFileNameHook(nullptr);
    QReplyHook::SetTarget(TargetNobody);
}

void TestMaintenanceDialogs::loadsTheInverter_data() {
    QTest::addColumn<QByteArray>("settings"); // registers 0x1301..0x1304 of the reply to code 1
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("price");
    QTest::newRow("German, EUR, 12.50") << Hex("0047 0055 04E2 0000") << 2 << 3 << "12.50";
    QTest::newRow("Italian, CNY") << Hex("0049 0052 0001 0000") << 4 << 0 << "0.01";
    QTest::newRow("letters it does not know") << Hex("0052 0047 0000 0000") << 1 << 1 << "0.00";
    QTest::newRow("no letters") << Hex("0000 0000 0000 0000") << 1 << 1 << "0.00";
}

void TestMaintenanceDialogs::loadsTheInverter() {
    QFETCH(QByteArray, settings);
    QFETCH(int, language);
    QFETCH(int, unit);
    QFETCH(QString, price);
    auto* read = new QMissionModel;
    QVERIFY(read->BuildFrame(0x1301, kAddress, 4, MissionOnceRead));
    read->SetCode(SettingsRead);
    m_pInverter->QueueMission(read);
    Answer(*m_pInverter, read, ReadReplyBytes(*read, settings));
    m_pInverter->SetItem(MaxOutputSetting, 8000);
    m_pInverter->SetItem(ClockDate, 13 << 16 | 5 << 8 | 20);
    m_pInverter->SetItem(ClockTime, 8 << 16 | 30 << 8 | 5);
    m_pInverter->SetLocation(QStringLiteral("East roof"));

    QInverterSetDlg dialog;
    dialog.SetCurrentInverter(m_pInverter);
    QCOMPARE(Child<QComboBox>(&dialog, "com_language")->currentIndex(), language);
    QCOMPARE(Child<QComboBox>(&dialog, "com_unit")->currentIndex(), unit);
    QCOMPARE(Child<QLineEdit>(&dialog, "Edit_Price")->text(), price);
    QCOMPARE(Child<QLineEdit>(&dialog, "Edit_MaxOutputPower")->text(), QStringLiteral("80"));
    QCOMPARE(Child<QLineEdit>(&dialog, "Edit_Name")->text(), QStringLiteral("Roof"));
    QCOMPARE(Child<QLineEdit>(&dialog, "Edit_Location")->text(), QStringLiteral("East roof"));
    QCOMPARE(Child<QDateTimeEdit>(&dialog, "dateTimeEdit")->dateTime(),
             QDateTime(QDate(2013, 5, 20), QTime(8, 30, 5)));
    // The logon state label follows item 33.
    auto* state = Child<QLabel>(&dialog, "LogonState");
    QCOMPARE(state->text(), QStringLiteral("No login"));
    m_pInverter->SetItem(LogonState, 2);
    QTRY_COMPARE(state->text(), QStringLiteral("Logged in"));
    QCOMPARE(state->styleSheet(), QStringLiteral("color: rgb(0,255,0);"));
    m_pInverter->SetItem(LogonState, 0);
    QTRY_COMPARE(state->text(), QStringLiteral("No password"));
    m_pInverter->Item(LogonState).m_nValue = 1; // no logoff write when the dialog closes
}

void TestMaintenanceDialogs::offlineInverterIsNotWritten_data() {
    QTest::addColumn<QString>("button");
    for (const char* button :
         {"SetTime", "PriceBtn", "LanguageBtn", "UnitBtn", "User_Label_Btn", "MaxOutputPower_Btn",
          "ShutDownBtn", "ResetBtn", "startBtn", "ResetBtn_4", "pushButton_2", "ResetBtn_5", "ShutDownBtn_3",
          "ShutDownBtn_2", "AllFault", "ResetBtn_2", "ResetBtn_3", "AllFault_2"}) {
        QTest::newRow(button) << QString::fromLatin1(button);
    }
}

void TestMaintenanceDialogs::offlineInverterIsNotWritten() {
    QFETCH(QString, button);
    m_pInverter->SetCommState(CommConnecting);
    m_pInverter->SetItem(LogonState, 2);
    QInverterSetDlg dialog;
    dialog.SetSystemModel(m_pPlant);
    dialog.SetCurrentInverter(m_pInverter);
    Child<QLineEdit>(&dialog, "Edit_Price")->setText(QStringLiteral("1.00"));
    Child<QLineEdit>(&dialog, "Edit_MaxOutputPower")->setText(QStringLiteral("50"));
    Click(&dialog, qPrintable(button));
    QCOMPARE(m_pMessages->Texts(), QStringList{QStringLiteral("The inverter is offline!")});
    QVERIFY(m_pInverter->MissionList().Missions().isEmpty());
    m_pInverter->Item(LogonState).m_nValue = 1;
}

void TestMaintenanceDialogs::loggedOffInverterIsNotCommanded_data() {
    QTest::addColumn<QString>("button");
    for (const char* button :
         {"ShutDownBtn", "ResetBtn", "startBtn", "ResetBtn_4", "ResetBtn_5", "ShutDownBtn_3"}) {
        QTest::newRow(button) << QString::fromLatin1(button);
    }
}

void TestMaintenanceDialogs::loggedOffInverterIsNotCommanded() {
    QFETCH(QString, button);
    QInverterSetDlg dialog;
    dialog.SetCurrentInverter(m_pInverter);
    Click(&dialog, qPrintable(button));
    QCOMPARE(m_pMessages->Texts(),
             QStringList{QStringLiteral("You need to enter the password of the inverter!")});
    QVERIFY(m_pInverter->MissionList().Missions().isEmpty());
}

void TestMaintenanceDialogs::settingWrites_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("reg");
    QTest::addColumn<QByteArray>("data"); // empty: nothing written
    QTest::addColumn<QString>("message");

    QTest::newRow("price 12.5") << "Edit_Price"
                                << "12.5"
                                << "PriceBtn" << 0x1303 << Hex("04E2") << "";
    QTest::newRow("price 0.29 exactly") << "Edit_Price"
                                        << "0.29"
                                        << "PriceBtn" << 0x1303 << Hex("001D") << "";
    QTest::newRow("largest price") << "Edit_Price"
                                   << "655.35"
                                   << "PriceBtn" << 0x1303 << Hex("FFFF") << "";
    QTest::newRow("price beyond the register")
        << "Edit_Price"
        << "655.36"
        << "PriceBtn" << 0 << QByteArray() << "Failed to set the price!";
    QTest::newRow("no price") << "Edit_Price"
                              << ""
                              << "PriceBtn" << 0 << QByteArray() << "Failed to set the price!";
    QTest::newRow("power 100") << "Edit_MaxOutputPower"
                               << "100"
                               << "MaxOutputPower_Btn" << 0x131E << Hex("2710") << "";
    QTest::newRow("power 0") << "Edit_MaxOutputPower"
                             << "0"
                             << "MaxOutputPower_Btn" << 0x131E << Hex("0000") << "";
    QTest::newRow("power 101") << "Edit_MaxOutputPower"
                               << "101"
                               << "MaxOutputPower_Btn" << 0 << QByteArray()
                               << "Failed to set the max output power!";
    QTest::newRow("no power is not 0")
        << "Edit_MaxOutputPower"
        << ""
        << "MaxOutputPower_Btn" << 0 << QByteArray() << "Failed to set the max output power!";
    QTest::newRow("overlong power") << "Edit_MaxOutputPower"
                                    << "99999999999"
                                    << "MaxOutputPower_Btn" << 0 << QByteArray()
                                    << "Failed to set the max output power!";
    QTest::newRow("German") << "com_language"
                            << "2"
                            << "LanguageBtn" << 0x1301 << Hex("0047") << "";
    QTest::newRow("EUR") << "com_unit"
                         << "3"
                         << "UnitBtn" << 0x1302 << Hex("0055") << "";
    QTest::newRow("user label") << "Edit_User_label"
                                << "Roof"
                                << "User_Label_Btn" << 0x1306 << QByteArray("Roof").leftJustified(32, '\0')
                                << "";
    QTest::newRow("clock") << "dateTimeEdit"
                           << "2013-05-20 08:30:00"
                           << "SetTime" << 0x1678 << Hex("0D051400 081E0000") << "";
}

void TestMaintenanceDialogs::settingWrites() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, button);
    QFETCH(int, reg);
    QFETCH(QByteArray, data);
    QFETCH(QString, message);
    QInverterSetDlg dialog;
    dialog.SetCurrentInverter(m_pInverter);
    if (auto* edit = Child<QLineEdit>(&dialog, qPrintable(field))) {
        edit->setText(text);
    } else if (auto* combo = Child<QComboBox>(&dialog, qPrintable(field))) {
        combo->setCurrentIndex(text.toInt());
    } else {
        Child<QDateTimeEdit>(&dialog, qPrintable(field))
            ->setDateTime(QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    }
    Click(&dialog, qPrintable(button));
    if (data.isEmpty()) {
        QCOMPARE(m_pMessages->Texts(), QStringList{message});
        QVERIFY(m_pInverter->MissionList().Missions().isEmpty());
        return;
    }
    QVERIFY(m_pMessages->Texts().isEmpty());
    QCOMPARE(m_pInverter->MissionList().Missions().size(), 1);
    const QMissionModel* write = LastMission(*m_pInverter);
    QCOMPARE(write->Kind(), int(MissionOnceWrite));
    QCOMPARE(write->Address(), kAddress);
    QCOMPARE(write->Register(), reg);
    QCOMPARE(WriteData(*write), data);
}

void TestMaintenanceDialogs::commandsAskFirst_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("reg");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("question");
    QTest::newRow("switch on a shut-down inverter")
        << "ShutDownBtn" << 5 << 1 << 0x1400 << Hex("AAAA") << "Switch on the inverter Roof?";
    QTest::newRow("switch off a running inverter")
        << "ShutDownBtn" << 2 << 1 << 0x1400 << Hex("5555") << "Switch off the inverter Roof?";
    QTest::newRow("no switch off") << "ShutDownBtn" << 2 << 0 << 0 << QByteArray()
                                   << "Switch off the inverter Roof?";
    QTest::newRow("reset") << "ResetBtn" << 2 << 1 << 0x1401 << Hex("AAAA") << "Restart the inverter Roof?";
    QTest::newRow("no reset") << "ResetBtn" << 2 << 0 << 0 << QByteArray() << "Restart the inverter Roof?";
    QTest::newRow("factory reset") << "startBtn" << 2 << 1 << 0x1402 << Hex("AAAA")
                                   << "Reset the inverter Roof to its factory settings?";
    QTest::newRow("no factory reset")
        << "startBtn" << 2 << 0 << 0 << QByteArray() << "Reset the inverter Roof to its factory settings?";
    QTest::newRow("clear statistics")
        << "ResetBtn_4" << 2 << 1 << 0x1404 << Hex("AAAA") << "Clear the statistics of the inverter Roof?";
    QTest::newRow("no clearing") << "ResetBtn_4" << 2 << 0 << 0 << QByteArray()
                                 << "Clear the statistics of the inverter Roof?";
}

void TestMaintenanceDialogs::commandsAskFirst() {
    QFETCH(QString, button);
    QFETCH(int, status);
    QFETCH(int, answer);
    QFETCH(int, reg);
    QFETCH(QByteArray, data);
    QFETCH(QString, question);
    m_pInverter->SetItem(OperatingStatus, status);
    m_pInverter->SetItem(LogonState, 0); // logged on without a password
    m_pMessages->SetAnswer(answer);
    {
        QInverterSetDlg dialog;
        dialog.SetCurrentInverter(m_pInverter);
        Click(&dialog, qPrintable(button));
    }
    QCOMPARE(m_pMessages->Texts().size(), 1);
    QVERIFY2(m_pMessages->Texts().first().startsWith(question), qPrintable(m_pMessages->Texts().first()));
    QCOMPARE(m_pMessages->Types(), QList<int>{MessageBox::TypeYesNo});
    if (data.isEmpty()) {
        QVERIFY(m_pInverter->MissionList().Missions().isEmpty());
        return;
    }
    QCOMPARE(m_pInverter->MissionList().Missions().size(), 1);
    QCOMPARE(LastMission(*m_pInverter)->Register(), reg);
    QCOMPARE(WriteData(*LastMission(*m_pInverter)), data);
}

void TestMaintenanceDialogs::closingLogsOff() {
    {
        QInverterSetDlg dialog;
        dialog.SetCurrentInverter(m_pInverter);
    }
    QVERIFY2(m_pInverter->MissionList().Missions().isEmpty(), "logged off: nothing to write");
    m_pInverter->SetItem(LogonState, 2);
    {
        QInverterSetDlg dialog;
        dialog.SetCurrentInverter(m_pInverter);
    }
    QCOMPARE(m_pInverter->MissionList().Missions().size(), 1);
    const QMissionModel* logoff = LastMission(*m_pInverter);
    QCOMPARE(logoff->Code(), 4893);
    QCOMPARE(logoff->Register(), 0x131C);
    QCOMPARE(WriteData(*logoff), Hex("0000"));
}

void TestMaintenanceDialogs::saveRenamesAndTellsTheOpener() {
    auto* other = viewstest::MakeInverter(QStringLiteral("Garage"), 4, QStringLiteral("Tivra PA5KS"));
    QVERIFY(m_pPlant->AddInverter(other));
    Opener opener;
    QInverterSetDlg dialog(&opener);
    dialog.SetSystemModel(m_pPlant);
    dialog.SetCurrentInverter(m_pInverter);
    auto* name = Child<QLineEdit>(&dialog, "Edit_Name");
    auto* location = Child<QLineEdit>(&dialog, "Edit_Location");

    // Another inverter's name is refused and nothing is said to be saved.
    name->setText(QStringLiteral("Garage"));
    location->setText(QStringLiteral("North"));
    Click(&dialog, "pushButton");
    QCOMPARE(m_pMessages->Texts(), QStringList{QStringLiteral("The name is used by another inverter!")});
    QCOMPARE(m_pInverter->Name(), QStringLiteral("Roof"));
    QVERIFY(opener.edited.isEmpty());

    name->setText(QString());
    Click(&dialog, "pushButton");
    QCOMPARE(m_pMessages->Texts().last(), QStringLiteral("Inverter name cannot be empty!"));

    // A control character would split the record of inverter.dat.
    m_pMessages->Clear();
    name->setText(QStringLiteral("Roof\x01 east"));
    Click(&dialog, "pushButton");
    QCOMPARE(m_pMessages->Texts(), QStringList{QStringLiteral("Successfully saved!")});
    QCOMPARE(m_pInverter->Name(), QStringLiteral("Roof east"));
    QCOMPARE(m_pInverter->Location(), QStringLiteral("North"));
    QCOMPARE(opener.edited, QList<qintptr>{reinterpret_cast<qintptr>(m_pInverter)});
    QVERIFY2(m_pInverter->MissionList().Missions().isEmpty(), "Save writes nothing to the device");
}

void TestMaintenanceDialogs::childDialogsTakeTheReplies_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("target");
    QTest::newRow("All data") << "ShutDownBtn_2" << int(TargetStatistics);
    QTest::newRow("All fault") << "AllFault" << int(TargetFaultMemory);
    QTest::newRow("Pro-point") << "AllFault_2" << int(TargetProtectPoints);
    QTest::newRow("Read") << "ResetBtn_2" << int(TargetRawRead);
    QTest::newRow("Write") << "ResetBtn_3" << int(TargetRawWrite);
}

void TestMaintenanceDialogs::childDialogsTakeTheReplies() {
    QFETCH(QString, button);
    QFETCH(int, target);
    QInverterSetDlg dialog;
    dialog.SetCurrentInverter(m_pInverter);
    int during = -1;
    QInverter* given = nullptr;
    WhenModal<QMaintenanceDlg>([&](QMaintenanceDlg& child) {
        during = QReplyHook::Target();
        given = child.CurrentInverter();
        child.close();
    });
    Click(&dialog, qPrintable(button));
    QCOMPARE(during, target);
    QCOMPARE(given, m_pInverter);
    QCOMPARE(QReplyHook::Target(), int(TargetNobody));
}

void TestMaintenanceDialogs::lateRepliesChangeNothing() {
    // Protection points: the dialog asks at once and shows only its own reply.
    QInverterSetDlg dialog;
    dialog.SetCurrentInverter(m_pInverter);
    QString shown;
    WhenModal<QProtectPoint>([&](QProtectPoint& child) {
        QMissionModel* read = testsupport::FindMission(*m_pInverter, ProtectPointsRead);
        QVERIFY(read);
        QCOMPARE(read->Register(), 0x1250);
        QCOMPARE(read->RegisterCount(), 16);
        // A statistics reply, or one for another inverter, changes nothing here.
        auto* stray = new QMissionModel;
        QVERIFY(stray->BuildFrame(0x1250, kAddress, 16, MissionOnceRead));
        stray->SetCode(StatisticsBlockFirst);
        m_pInverter->QueueMission(stray);
        Answer(*m_pInverter, stray, ReadReply(*stray, {{0x1250, 1870}}));
        QCOMPARE(child.Grid()->getText(2, 1), QString());
        Answer(*m_pInverter, read, ReadReply(*read, {{0x1250, 1870}, {0x1251, 100}, {0x1258, 4750}}));
        shown = child.Grid()->getText(2, 1) + "|" + child.Grid()->getText(2, 2) + "|" +
                child.Grid()->getText(2, 9);
        MaintenanceReads::QueueRead(*m_pInverter, MaintenanceReads::ProtectPoints); // answered too late
        child.close();
    });
    Click(&dialog, "AllFault_2");
    QCOMPARE(shown, QStringLiteral("187.0 V|2.0 s|47.50 Hz"));
    QMissionModel* late = testsupport::FindMission(*m_pInverter, ProtectPointsRead);
    QVERIFY(late);
    Answer(*m_pInverter, late, ReadReply(*late, {{0x1250, 1}}));
    QVERIFY(!QProtectPoint::Current());

    // A statistics dialog takes the replies of its own inverter only.
    MaintenanceReads::QueueRead(*m_pInverter, MaintenanceReads::StatisticsReads().first());
    QString today = QStringLiteral("unset");
    WhenModal<QDataDlg>([&](QDataDlg& child) {
        QMissionModel* old = testsupport::FindMission(*m_pInverter, StatisticsBlockFirst);
        auto* garage = viewstest::MakeInverter(QStringLiteral("Garage"), 4, QStringLiteral("Tivra PA5KS"));
        m_pPlant->AddInverter(garage);
        auto* foreign = new QMissionModel;
        foreign->BuildFrame(0x1616, 4, 10, MissionOnceRead);
        foreign->SetCode(StatisticsBlockFirst);
        garage->QueueMission(foreign);
        Answer(*garage, foreign, ReadReply(*foreign, {{0x1617, 12345}}));
        today = child.StatisticsGrid()->getText(1, 1);
        Answer(*m_pInverter, old, ReadReply(*old, {{0x1617, 12345}}));
        today += "|" + child.StatisticsGrid()->getText(1, 1);
        child.close();
    });
    Click(&dialog, "ShutDownBtn_2");
    QCOMPARE(today, QStringLiteral("|123.45kWh"));
}

void TestMaintenanceDialogs::logonPasswordAndPeriod() {
    QInverterSetDlg dialog;
    dialog.SetCurrentInverter(m_pInverter);
    // Logon only needs the inverter online.
    WhenModal<QInverterLogonDlg>([](QInverterLogonDlg& logon) {
        logon.PasswordEdit()->setText(QStringLiteral("0123"));
        Click(&logon, "OkBtn");
    });
    Click(&dialog, "pushButton_2");
    QCOMPARE(m_pInverter->MissionList().Missions().size(), 1);
    QCOMPARE(LastMission(*m_pInverter)->Code(), 4892);
    QCOMPARE(WriteData(*LastMission(*m_pInverter)), Hex("007B"));
    m_pInverter->MissionList().ClearMissions();

    m_pInverter->SetItem(LogonState, 2);
    WhenModal<QSetInverterPassDlg>([](QSetInverterPassDlg& pass) {
        pass.NewKeyEdit()->setText(QStringLiteral("4711"));
        pass.ConfirmEdit()->setText(QStringLiteral("4711"));
        Click(&pass, "pushButton");
    });
    Click(&dialog, "ResetBtn_5");
    QCOMPARE(LastMission(*m_pInverter)->Register(), 0x1305);
    QCOMPARE(WriteData(*LastMission(*m_pInverter)), Hex("1267"));
    m_pInverter->MissionList().ClearMissions();

    WhenModal<QSetInverterTdlg>([](QSetInverterTdlg& period) {
        period.StartEdit()->setDate(QDate(2013, 5, 1));
        period.EndEdit()->setDate(QDate(2013, 9, 30));
        Click(&period, "pushButton");
    });
    Click(&dialog, "ShutDownBtn_3");
    QCOMPARE(LastMission(*m_pInverter)->Register(), 0x1316);
    QCOMPARE(WriteData(*LastMission(*m_pInverter)), Hex("0D 05 01 0D 09 1E"));
    m_pInverter->MissionList().ClearMissions();

    // Cancel writes nothing.
    WhenModal<QSetInverterTdlg>([](QSetInverterTdlg& period) { Click(&period, "pushButton_2"); });
    Click(&dialog, "ShutDownBtn_3");
    QVERIFY(m_pInverter->MissionList().Missions().isEmpty());
    m_pInverter->Item(LogonState).m_nValue = 1;
}

void TestMaintenanceDialogs::csvFiles_data() {
    QTest::addColumn<bool>("statistics");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<int>("lines");
    QTest::newRow("statistics to report.CSV") << true << "report.CSV"
                                              << "report.CSV.csv" << 2 + 9 + 21;
    QTest::newRow("fault memory to faults.csv") << false << "faults.csv"
                                                << "faults.csv" << 2 + 20;
}

void TestMaintenanceDialogs::csvFiles() {
    QFETCH(bool, statistics);
    QFETCH(QString, chosen);
    QFETCH(QString, saved);
    QFETCH(int, lines);
    QTemporaryDir dir;
    QMaintenanceDlg::SetFileNameHook([&]() { return dir.filePath(chosen); });
    QByteArray text;
    if (statistics) {
        QDataDlg dialog;
        dialog.SetCurrentInverter(m_pInverter);
        dialog.StatisticsGrid()->SetText(1, 1, QStringLiteral("123.45kWh"));
        Click(&dialog, "pushButton_2");
    } else {
        QAllFaultDlg dialog;
        dialog.SetCurrentInverter(m_pInverter);
        dialog.Grid()->SetText(1, 20, QStringLiteral("0X120A"));
        dialog.Grid()->SetText(1, 21, QStringLiteral("0XE006"));
        Click(&dialog, "ClearBtn");
    }
    QCOMPARE(m_pMessages->Texts(), QStringList{QStringLiteral("Successfully saved!")});
    QFile file(dir.filePath(saved));
    QVERIFY(file.open(QIODevice::ReadOnly));
    text = file.readAll();
    QVERIFY(text.startsWith("Roof,Tivra PA5KS,3\r\n"));
    QVERIFY(text.endsWith("\r\n"));
    const QList<QByteArray> all = text.chopped(2).split('\n');
    QCOMPARE(all.size(), lines);
    if (statistics) {
        QCOMPARE(all.at(2), QByteArray("Today,123.45kWh,,\r"));
        QCOMPARE(all.at(10), QByteArray(",,,\r"));
        QCOMPARE(all.at(11), QByteArray("Version,\r"));
        QCOMPARE(all.last(), QByteArray("Grid time,"));
    } else {
        QCOMPARE(all.at(2), QByteArray(",,\r"));
        QCOMPARE(all.last(), QByteArray("0X120A,,"));
    }

    // A file that cannot be written says so.
    m_pMessages->Clear();
    QMaintenanceDlg::SetFileNameHook([&]() { return dir.filePath(QStringLiteral("missing/report")); });
    QAllFaultDlg dialog;
    dialog.SetCurrentInverter(m_pInverter);
    Click(&dialog, "ClearBtn");
    QCOMPARE(m_pMessages->Texts(), QStringList{QStringLiteral("Save failed!")});
    // Cancelling the file dialog saves nothing and says nothing.
    m_pMessages->Clear();
    QMaintenanceDlg::SetFileNameHook([]() { return QString(); });
    Click(&dialog, "ClearBtn");
    QVERIFY(m_pMessages->Texts().isEmpty());
}

void TestMaintenanceDialogs::rawRead() {
    QReadDlg dialog;
    dialog.SetCurrentInverter(m_pInverter);
    QCOMPARE(QReadDlg::Current(), &dialog);
    dialog.AddressEdit()->setText(QStringLiteral("0000"));
    dialog.LengthEdit()->setText(QStringLiteral("4"));
    Click(&dialog, "ReadBtn");
    dialog.AddressEdit()->setText(QStringLiteral("1650"));
    dialog.LengthEdit()->setText(QStringLiteral("21"));
    Click(&dialog, "ReadBtn");
    QCOMPARE(m_pMessages->Texts(), QStringList({QStringLiteral("Address illegal"),
                                                QStringLiteral("Length must be between 20 and1")}));
    QVERIFY(m_pInverter->MissionList().Missions().isEmpty());

    dialog.LengthEdit()->setText(QStringLiteral("10"));
    Click(&dialog, "ReadBtn");
    QMissionModel* read = LastMission(*m_pInverter);
    QVERIFY(read);
    QCOMPARE(testsupport::TxFrame(*read).left(6), Hex("03 03 1650 000A"));
    QCOMPARE(read->Code(), int(RawRead));
    QReplyHook::SetHook(&QInverterSetDlg::RouteReply);
    QReplyHook::SetTarget(TargetRawRead);
    QMap<int, quint16> registers;
    for (int i = 0; i < 10; ++i) {
        registers[0x1650 + i] = quint16(0x0102 * i);
    }
    Answer(*m_pInverter, read, ReadReply(*read, registers));
    QCOMPARE(dialog.ReturnEdit()->toPlainText(),
             QStringLiteral("00 00 01 02 02 04 03 06 04\n08 05 0A 06 0C 07 0E 08\n10 09 12 "));
    Click(&dialog, "ClearBtn");
    QCOMPARE(dialog.ReturnEdit()->toPlainText(), QString());
}

void TestMaintenanceDialogs::rawWrite_data() {
    QTest::addColumn<QString>("buffer");
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QByteArray>("data");
    const QString question = QStringLiteral("Write 2 registers from 131E of the inverter Roof?");
    QTest::newRow("padded") << "01 02\n0A"
                            << "2" << 1 << QStringList{"Insufficient data will be padded with 0", question}
                            << Hex("01020A00");
    QTest::newRow("only two-character pieces")
        << "1 22 333"
        << "1" << 1
        << QStringList{"Insufficient data will be padded with 0",
                       QStringLiteral("Write 1 registers from 131E of the inverter Roof?")}
        << Hex("2200");
    QTest::newRow("excess") << "01 02 03 04 05"
                            << "2" << 1 << QStringList{"Excess data will be discarded", question}
                            << Hex("01020304");
    QTest::newRow("exact, answered No") << "01 02 03 04"
                                        << "2" << 0 << QStringList{question} << QByteArray();
    QTest::newRow("empty") << "1 333"
                           << "2" << 1 << QStringList{"Data cannot be empty"} << QByteArray();
    QTest::newRow("bad length") << "01 02"
                                << "0" << 1 << QStringList{"Length must be between 20 and1"} << QByteArray();
}

void TestMaintenanceDialogs::rawWrite() {
    QFETCH(QString, buffer);
    QFETCH(QString, count);
    QFETCH(int, answer);
    QFETCH(QStringList, messages);
    QFETCH(QByteArray, data);
    m_pMessages->SetAnswer(answer);
    QWriteDlg dialog;
    dialog.SetCurrentInverter(m_pInverter);
    dialog.AddressEdit()->setText(QStringLiteral("131E"));
    dialog.LengthEdit()->setText(count);
    dialog.Buffer()->setPlainText(buffer);
    Click(&dialog, "pushButton");
    QCOMPARE(m_pMessages->Texts(), messages);
    if (data.isEmpty()) {
        QVERIFY(m_pInverter->MissionList().Missions().isEmpty());
        return;
    }
    const QMissionModel* write = LastMission(*m_pInverter);
    QCOMPARE(write->Code(), int(RawWrite));
    QCOMPARE(write->Kind(), int(MissionOnceWrite));
    QCOMPARE(write->Register(), 0x131E);
    QCOMPARE(WriteData(*write), data);
    Click(&dialog, "pushButton_2");
    QVERIFY(dialog.Buffer()->toPlainText().isEmpty());
}

void TestMaintenanceDialogs::smallDialogs_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");
    QTest::newRow("logon 0123") << "logon"
                                << "0123"
                                << "" << true << 123 << "";
    QTest::newRow("logon empty") << "logon"
                                 << ""
                                 << "" << true << 0 << "";
    QTest::newRow("logon beyond the register")
        << "logon"
        << "70000"
        << "" << false << 0 << "The password must be a number from 0 to 65535!";
    QTest::newRow("new key 4711") << "password"
                                  << "4711"
                                  << "4711" << true << 4711 << "";
    QTest::newRow("keys differ") << "password"
                                 << "4711"
                                 << "4712" << false << 0 << "Two entered passwords do not match!";
    QTest::newRow("one key empty") << "password"
                                   << "4711"
                                   << "" << false << 0 << "Two entered passwords do not match!";
    QTest::newRow("both keys empty") << "password"
                                     << ""
                                     << "" << false << 0 << "New password can not be empty!";
    QTest::newRow("key beyond the register")
        << "password"
        << "65536"
        << "65536" << false << 0 << "The password must be a number from 0 to 65535!";
    QTest::newRow("equal dates") << "period"
                                 << "2013-05-01"
                                 << "2013-05-01" << true << (2013 << 16 | 5 << 8 | 1) << "";
    QTest::newRow("end before start") << "period"
                                      << "2013-05-02"
                                      << "2013-05-01" << false << 0 << "Time setting error!";
    QTest::newRow("years before 2000 cannot be chosen")
        << "period"
        << "1999-12-31"
        << "2000-01-01" << true << (2000 << 16 | 1 << 8 | 1) << "";
}

void TestMaintenanceDialogs::smallDialogs() {
    QFETCH(QString, kind);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, accepted);
    QFETCH(int, result);
    QFETCH(QString, message);
    bool isAccepted = false;
    int value = -1;
    if (kind == QLatin1String("logon")) {
        QInverterLogonDlg dialog;
        dialog.PasswordEdit()->setText(first);
        QCOMPARE(dialog.PasswordEdit()->echoMode(), QLineEdit::Password);
        Click(&dialog, "OkBtn");
        isAccepted = dialog.IsAccepted();
        value = dialog.Password();
    } else if (kind == QLatin1String("password")) {
        QSetInverterPassDlg dialog;
        dialog.NewKeyEdit()->setText(first);
        dialog.ConfirmEdit()->setText(second);
        Click(&dialog, "pushButton");
        isAccepted = dialog.IsAccepted();
        value = dialog.NewPassword();
    } else {
        QSetInverterTdlg dialog;
        dialog.StartEdit()->setDate(QDate::fromString(first, Qt::ISODate));
        dialog.EndEdit()->setDate(QDate::fromString(second, Qt::ISODate));
        Click(&dialog, "pushButton");
        isAccepted = dialog.IsAccepted();
        value = dialog.Start();
    }
    QCOMPARE(m_pMessages->Texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(isAccepted, accepted);
    QCOMPARE(value, result);
}

QTEST_MAIN(TestMaintenanceDialogs)
#include "test_maintenance_dialogs.moc"

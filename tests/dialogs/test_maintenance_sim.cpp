// The inverter settings dialog against the simulated inverter, driven the way
// a service technician drives it: the program's main window polls
// wattsight-sim over TCP, the administrator presses the tree entry's edit
// button, sets the inverter's clock, price, language, unit, label and power
// limit, reads registers back, logs on, switches the inverter off and on,
// changes its password and tariff period, clears its statistics, reads its
// statistics, fault memory and protection points, and renames it. Each write is
// checked in the simulator's frame log; the grids against the simulator's
// replies, decoded here from the register layout.

#include "../common/LookSupport.h"
#include "../link/SimProcess.h"
#include "../shell/ShellTestSupport.h"
#include "../views/ViewsTestSupport.h"
#include "InverterData.h"
#include "MainWindow.h"
#include "MaintenanceTestSupport.h"
#include "Page2.h"
#include "QAllFaultDlg.h"
#include "QDataDlg.h"
#include "QGrid.h"
#include "QInverterLogonDlg.h"
#include "QInverterSetDlg.h"
#include "QProtectPoint.h"
#include "QReadDlg.h"
#include "QSetInverterPassDlg.h"
#include "QSetInverterTdlg.h"
#include "QSystemModel.h"
#include "QWriteDlg.h"
#include "QtMyTreeItem.h"
#include "SimExchangeLog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTextEdit>
#include <QtTest>

using namespace maintenancetest;

namespace {

constexpr int kAddress = 3;
constexpr int kWait = 15000;

QByteArray Hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

QByteArray SystemFile(int port) {
    return SystemFileBytes({{"systemname", "Service test"},
                            {"CommunicationType", "1"},
                            {"IPAddress", "127.0.0.1"},
                            {"IP_number", QByteArray::number(port)}});
}

QByteArray InverterFile() {
    return InverterRecord("Roof", "South", "Tivra PA5KS", kAddress, 1);
}

void Click(QWidget* dialog, const char* button) {
    auto* found = dialog->findChild<QPushButton*>(QLatin1String(button));
    QVERIFY2(found, button);
    found->click();
}

quint32 U32(const QByteArray& d, int i) {
    return quint32(quint8(d[i])) << 24 | quint32(quint8(d[i + 1])) << 16 | quint32(quint8(d[i + 2])) << 8 |
           quint8(d[i + 3]);
}

} // namespace

class TestMaintenanceSim : public QObject {
    Q_OBJECT

private slots:
    void technicianServicesTheInverter();

private:
    // Waits for the simulator to acknowledge the write and the program to say "Set successfully!".
    bool Acked(int reg, const QByteArray& data);
    void SetClockAndSettings(QInverterSetDlg& dialog);
    void ReadBack(QInverterSetDlg& dialog);
    void ProtectedWrites(QInverterSetDlg& dialog);
    void ReadTheInvertersMemory(QInverterSetDlg& dialog);

    SimExchangeLog m_Log;
    viewstest::Messages* m_pMessages = nullptr;
    QInverter* m_pInverter = nullptr;
};

bool TestMaintenanceSim::Acked(int reg, const QByteArray& data) {
    const int before = m_pMessages->Texts().count(QStringLiteral("Set successfully!"));
    const bool acked = QTest::qWaitFor([&]() { return m_Log.WriteAcked(kAddress, reg, data); }, kWait);
    return acked &&
           QTest::qWaitFor(
               [&]() { return m_pMessages->Texts().count(QStringLiteral("Set successfully!")) > before; },
               kWait);
}

void TestMaintenanceSim::SetClockAndSettings(QInverterSetDlg& dialog) {
    dialog.findChild<QDateTimeEdit*>(QStringLiteral("dateTimeEdit"))
        ->setDateTime(QDateTime(QDate(2026, 6, 15), QTime(9, 15, 30)));
    Click(&dialog, "SetTime");
    QVERIFY(Acked(0x1678, Hex("1A060F00 090F1E00")));

    dialog.findChild<QLineEdit*>(QStringLiteral("Edit_Price"))->setText(QStringLiteral("0.68"));
    Click(&dialog, "PriceBtn");
    QVERIFY(Acked(0x1303, Hex("0044")));

    dialog.findChild<QComboBox*>(QStringLiteral("com_language"))->setCurrentIndex(2); // German
    Click(&dialog, "LanguageBtn");
    QVERIFY(Acked(0x1301, Hex("0047")));

    dialog.findChild<QComboBox*>(QStringLiteral("com_unit"))->setCurrentIndex(3); // EUR
    Click(&dialog, "UnitBtn");
    QVERIFY(Acked(0x1302, Hex("0055")));

    dialog.findChild<QLineEdit*>(QStringLiteral("Edit_User_label"))->setText(QStringLiteral("East roof"));
    Click(&dialog, "User_Label_Btn");
    QVERIFY(Acked(0x1306, QByteArray("East roof").leftJustified(32, '\0')));

    dialog.findChild<QLineEdit*>(QStringLiteral("Edit_MaxOutputPower"))->setText(QStringLiteral("80"));
    Click(&dialog, "MaxOutputPower_Btn");
    QVERIFY(Acked(0x131E, Hex("1F40")));
}

void TestMaintenanceSim::ReadBack(QInverterSetDlg& dialog) {
    // Through the read dialog, as a technician checks what the inverter holds.
    QString settings;
    QString power;
    WhenModal<QReadDlg>([&](QReadDlg& read) {
        auto close = qScopeGuard([&read]() { read.close(); });
        read.AddressEdit()->setText(QStringLiteral("1301"));
        read.LengthEdit()->setText(QStringLiteral("4"));
        Click(&read, "ReadBtn");
        QVERIFY(QTest::qWaitFor([&]() { return !read.ReturnEdit()->toPlainText().isEmpty(); }, kWait));
        settings = read.ReturnEdit()->toPlainText();
        Click(&read, "ClearBtn");
        read.AddressEdit()->setText(QStringLiteral("131E"));
        read.LengthEdit()->setText(QStringLiteral("1"));
        Click(&read, "ReadBtn");
        QVERIFY(QTest::qWaitFor([&]() { return !read.ReturnEdit()->toPlainText().isEmpty(); }, kWait));
        power = read.ReturnEdit()->toPlainText();
        looktest::Save(&read, QStringLiteral("sim-read.png"));
    });
    Click(&dialog, "ResetBtn_2");
    QCOMPARE(settings, QStringLiteral("00 47 00 55 00 44 00 00 "));
    QCOMPARE(power, QStringLiteral("1F 40 "));
}

void TestMaintenanceSim::ProtectedWrites(QInverterSetDlg& dialog) {
    // A protected register written while logged off: the inverter refuses it.
    WhenModal<QWriteDlg>([&](QWriteDlg& write) {
        auto close = qScopeGuard([&write]() { write.close(); });
        write.AddressEdit()->setText(QStringLiteral("1404"));
        write.LengthEdit()->setText(QStringLiteral("1"));
        write.Buffer()->setPlainText(QStringLiteral("AA AA"));
        Click(&write, "pushButton");
        QVERIFY(
            QTest::qWaitFor([&]() { return m_Log.WriteError(kAddress, 0x1404, Hex("AAAA")) == 9; }, kWait));
        QVERIFY(QTest::qWaitFor(
            [&]() { return m_pMessages->Texts().contains(QStringLiteral("Password protection!")); }, kWait));
    });
    Click(&dialog, "ResetBtn_3");

    // The program itself stops the commands while the inverter reports no logon.
    m_pMessages->Clear();
    Click(&dialog, "ResetBtn_4");
    QCOMPARE(m_pMessages->Texts(),
             QStringList{QStringLiteral("You need to enter the password of the inverter!")});

    WhenModal<QInverterLogonDlg>([](QInverterLogonDlg& logon) {
        logon.PasswordEdit()->setText(QStringLiteral("1234"));
        Click(&logon, "OkBtn");
    });
    Click(&dialog, "pushButton_2");
    QVERIFY(QTest::qWaitFor([&]() { return m_Log.WriteAcked(kAddress, 0x131C, Hex("04D2")); }, kWait));
    auto* state = dialog.findChild<QLabel*>(QStringLiteral("LogonState"));
    QTRY_COMPARE_WITH_TIMEOUT(state->text(), QStringLiteral("Logged in"), kWait);

    // Off and on again; the inverter reports its shutdown in the status poll.
    Click(&dialog, "ShutDownBtn");
    QVERIFY(Acked(0x1400, Hex("5555")));
    QTRY_COMPARE_WITH_TIMEOUT(m_pInverter->ItemValue(OperatingStatus), 5, kWait);
    Click(&dialog, "ShutDownBtn");
    QVERIFY(Acked(0x1400, Hex("AAAA")));
    QTRY_VERIFY_WITH_TIMEOUT(m_pInverter->ItemValue(OperatingStatus) != 5, kWait);

    WhenModal<QSetInverterPassDlg>([](QSetInverterPassDlg& pass) {
        pass.NewKeyEdit()->setText(QStringLiteral("4321"));
        pass.ConfirmEdit()->setText(QStringLiteral("4321"));
        Click(&pass, "pushButton");
    });
    Click(&dialog, "ResetBtn_5");
    QVERIFY(Acked(0x1305, Hex("10E1")));

    WhenModal<QSetInverterTdlg>([](QSetInverterTdlg& period) {
        period.StartEdit()->setDate(QDate(2026, 5, 1));
        period.EndEdit()->setDate(QDate(2026, 9, 30));
        Click(&period, "pushButton");
    });
    Click(&dialog, "ShutDownBtn_3");
    QVERIFY(Acked(0x1316, Hex("1A0501 1A091E")));

    Click(&dialog, "ResetBtn_4");
    QVERIFY(Acked(0x1404, Hex("AAAA")));
}

void TestMaintenanceSim::ReadTheInvertersMemory(QInverterSetDlg& dialog) {
    QStringList statistics;
    QStringList expectedStatistics;
    QStringList other;
    WhenModal<QDataDlg>([&](QDataDlg& data) {
        auto close = qScopeGuard([&data]() { data.close(); });
        Click(&data, "ReadBtn");
        QVERIFY(QTest::qWaitFor([&]() { return !data.OtherItemsGrid()->getText(1, 21).isEmpty(); }, kWait));
        for (int row = 1; row <= 8; ++row) {
            const QByteArray d = m_Log.ReadData(kAddress, 0x1616 + 10 * (row - 1));
            QCOMPARE(d.size(), 20);
            expectedStatistics << QString::asprintf("%0.2fkWh|%0.2fEUR|%0.2fkg", U32(d, 0) / 100.0,
                                                    U32(d, 4) / 100.0, U32(d, 8) / 100.0);
            statistics << data.StatisticsGrid()->getText(1, row) + "|" +
                              data.StatisticsGrid()->getText(2, row) + "|" +
                              data.StatisticsGrid()->getText(3, row);
        }
        for (int row = 1; row <= 11; ++row) {
            other << data.OtherItemsGrid()->getText(1, row);
        }
        looktest::Save(&data, QStringLiteral("sim-statistics.png"));
    });
    Click(&dialog, "ShutDownBtn_2");
    QCOMPARE(statistics, expectedStatistics);
    const QByteArray made = m_Log.ReadData(kAddress, 0x1230);
    QCOMPARE(other, QStringList({"HVer:1.02/DVer:2.15/AVer:1.08/TVer:3.01", "Tivra PA5KS",
                                 QString::asprintf("20%02d-%02d-%02d", quint8(made[0]), quint8(made[1]),
                                                   quint8(made[2])),
                                 "Hangzhou, China", "3", "G", "U", "0.68", "East roof",
                                 "Start:2026-05-01 End:2026-09-30", "Start:2026-07-01 End:2026-12-31"}));

    // Every record as the simulator sent it; the grid ends where its memory does.
    const auto sent = [this]() {
        QStringList rows;
        for (int row = 1; row <= 32; ++row) {
            const QByteArray r = m_Log.ReadData(kAddress, 0x1800 + 8 * (row - 1));
            const int code = r.size() == 16 ? quint8(r[0]) << 8 | quint8(r[1]) : -1;
            rows << (code <= 0 ? QStringLiteral("|")
                               : QString::asprintf("0X%04X|20%02d-%02d-%02d %02d:%02d:%02d", code,
                                                   quint8(r[2]), quint8(r[3]), quint8(r[4]), quint8(r[6]),
                                                   quint8(r[7]), quint8(r[8])));
        }
        return rows;
    };
    QStringList faults;
    WhenModal<QAllFaultDlg>([&](QAllFaultDlg& memory) {
        auto close = qScopeGuard([&memory]() { memory.close(); });
        const auto shown = [&memory]() {
            QStringList rows;
            for (int row = 1; row <= 32; ++row) {
                rows << memory.Grid()->getText(1, row) + "|" + memory.Grid()->getText(2, row);
            }
            return rows;
        };
        Click(&memory, "ReadBtn");
        QVERIFY(
            QTest::qWaitFor([&]() { return !m_Log.ReadData(kAddress, 0x1800 + 8 * 31).isEmpty(); }, kWait));
        (void)QTest::qWaitFor([&]() { return shown() == sent(); },
                              kWait); // compared below, with the difference
        faults = shown();
        looktest::Save(&memory, QStringLiteral("sim-fault-memory.png"));
    });
    Click(&dialog, "AllFault");
    QCOMPARE(faults, sent());
    QCOMPARE(faults.first().left(6), QStringLiteral("0XA004"));
    QCOMPARE(faults.last(), QStringLiteral("|"));

    QStringList points;
    WhenModal<QProtectPoint>([&](QProtectPoint& protect) {
        auto close = qScopeGuard([&protect]() { protect.close(); });
        QVERIFY(QTest::qWaitFor([&]() { return !protect.Grid()->getText(2, 16).isEmpty(); }, kWait));
        for (int row : {1, 2, 4, 9, 11, 15}) {
            points << protect.Grid()->getText(2, row);
        }
        looktest::Save(&protect, QStringLiteral("sim-protection-points.png"));
    });
    Click(&dialog, "AllFault_2");
    QCOMPARE(points, QStringList({"195.5 V", "2.0 s", "0.2 s", "48.00 Hz", "47.50 Hz", "51.50 Hz"}));
}

void TestMaintenanceSim::technicianServicesTheInverter() {
    QTemporaryDir dir;
    DataPaths::SetDataDir(dir.path());
    auto resetData = qScopeGuard([]() { DataPaths::SetDataDir(QString()); });
    SimProcess sim;
    // A simulated minute lasts two seconds; the inverter records a fault at 10:59.
    QVERIFY2(sim.Start({"--tcp-port", "0", "--bind", "127.0.0.1", "--seed", "7", "--start",
                        "2026-06-15 10:58:30", "--time-scale", "30", "--inverter", "3:Tivra PA5KS", "--fault",
                        "3:1:A004:10:59-11:00", "--verbose"}),
             "wattsight-sim did not start");
    connect(&sim.Process(), &QProcess::readyReadStandardError, this,
            [&]() { m_Log.Feed(sim.Process().readAllStandardError()); });
    auto stopSim = qScopeGuard([&sim]() {
        sim.Process().disconnect();
        sim.Stop();
    });
    QVERIFY(WriteBytes(dir.filePath(QStringLiteral("system.dat")), SystemFile(sim.TcpPort())));
    QVERIFY(WriteBytes(dir.filePath(QStringLiteral("inverter.dat")), InverterFile()));
    viewstest::Messages messages(1);
    m_pMessages = &messages;

    MainWindow window;
    window.show();
    m_pInverter = window.System().FindByAddress(kAddress);
    QVERIFY(m_pInverter);
    QTRY_COMPARE_WITH_TIMEOUT(m_pInverter->CommState(), int(CommOnline), kWait);
    window.System().SetUserLevel(UserAdministrator);
    window.on_Page2Btn_clicked();

    bool finished = false;
    WhenModal<QInverterSetDlg>([&](QInverterSetDlg& dialog) {
        auto close = qScopeGuard([&dialog]() { dialog.close(); });
        SetClockAndSettings(dialog);
        looktest::Save(&dialog, QStringLiteral("sim-settings.png"));
        ReadBack(dialog);
        ProtectedWrites(dialog);
        ReadTheInvertersMemory(dialog);
        // A new name: the inverter's files move along and inverter.dat is written again.
        dialog.findChild<QLineEdit*>(QStringLiteral("Edit_Name"))->setText(QStringLiteral("Roof east"));
        Click(&dialog, "pushButton");
        finished = !QTest::currentTestFailed();
    });
    auto* entry = dynamic_cast<QtMyTreeItem*>(m_pInverter->TreeEntry());
    QVERIFY(entry);
    entry->EditClick();
    QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget() && finished, 240000);

    // Closing the dialog logged off again.
    QVERIFY(QTest::qWaitFor([&]() { return m_Log.WriteAcked(kAddress, 0x131C, Hex("0000")); }, kWait));
    QCOMPARE(m_pInverter->Name(), QStringLiteral("Roof east"));
    QCOMPARE(entry->GetText(), QStringLiteral("Roof east"));
    QVERIFY(QDir(DataPaths::InverterDir(QStringLiteral("Roof east"))).exists());
    QVERIFY(!QDir(DataPaths::InverterDir(QStringLiteral("Roof"))).exists());
    QFile list(dir.filePath(QStringLiteral("inverter.dat")));
    QVERIFY(list.open(QIODevice::ReadOnly));
    QVERIFY(list.readAll().startsWith("Roof east"));
    m_pMessages = nullptr;
}

QTEST_MAIN(TestMaintenanceSim)
#include "test_maintenance_sim.moc"

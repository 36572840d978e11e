// A plant set up from the window against wattsight-sim, as a new user would:
// an empty plant searches the bus over TCP, adds two of the inverters it
// found, which come online and record; then the link moves from TCP to a
// serial line (a socat pseudo-terminal pair) through the link dialog.

#include "DialogsTestSupport.h"
#include "MainWindow.h"
#include "QBusScheduler.h"
#include "QDayLogFiles.h"
#include "QFindInverterDlg.h"
#include "QFindInverterItem.h"
#include "QInverter.h"
#include "QInverterPane.h"
#include "QSetCommunicateDlg.h"
#include "QtMyTreeItem.h"
#include "SimProcess.h"
#include "SystemClock.h"

#include <QCheckBox>
#include <QLabel>
#include <QStandardPaths>

using namespace dialogstest;

namespace {
// A plant on the simulator's TCP port; serialDevice is the serial line offered next to it.
void WriteTcpSystemFile(const viewstest::DataDir& data, int port, const QString& serialDevice = QString()) {
    QFile system(data.File(QStringLiteral("system.dat")));
    QVERIFY(system.open(QIODevice::WriteOnly));
    for (const auto& entry : QList<QPair<QByteArray, QByteArray>>{{"CommunicationType", "1"},
                                                                  {"IPAddress", "127.0.0.1"},
                                                                  {"IP_number", QByteArray::number(port)},
                                                                  {"Com_device", serialDevice.toUtf8()}}) {
        system.write(entry.first + "?\x02?" + entry.second + "?\x03?");
    }
}
} // namespace

class TestSetupSim : public QObject {
    Q_OBJECT

private slots:
    void searchAddAndMoveTheLink();
    void searchKnowsThePlantsInverters();
};

void TestSetupSim::searchAddAndMoveTheLink() {
    if (QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty()) {
        QSKIP("socat is not installed (scripts/setup installs it)");
    }
    viewstest::DataDir data;
    viewstest::Messages messages;
    QProcess socat;
    const QString programEnd = data.File(QStringLiteral("ttyProgram"));
    const QString simEnd = data.File(QStringLiteral("ttySim"));
    socat.start(QStringLiteral("socat"),
                {"PTY,link=" + programEnd + ",raw,echo=0", "PTY,link=" + simEnd + ",raw,echo=0"});
    QVERIFY(socat.waitForStarted());
    QTRY_VERIFY(QFile::exists(programEnd) && QFile::exists(simEnd));
    // One plant on two links: the converter's TCP port and the serial line.
    SimProcess sim;
    QVERIFY(sim.Start({"--inverter", "3:Tivra PA10KT", "--inverter", "5:Tivra PM3KS", "--seed", "11",
                       "--start", "2026-06-15 11:00:00", "--tcp-port", "0", "--serial", simEnd},
                      2));
    WriteTcpSystemFile(data, sim.TcpPort(), programEnd);

    MainWindow window;
    QTRY_VERIFY(window.Bus()->IsLinkOpen()); // connecting runs on after the start-up
    QCOMPARE(window.System().InverterCount(), 0);

    // Addresses 1 to 6: two answer with their models, the others time out.
    QStringList statuses;
    QStringList models;
    WhenModal<QFindInverterDlg>([&](QFindInverterDlg& dialog) {
        connect(&dialog, &QFindInverterDlg::StatusShown,
                [&statuses](const QString& text) { statuses.append(text); });
        Type(&dialog, "lineEdit", QStringLiteral("1"));
        Type(&dialog, "lineEdit_2", QStringLiteral("6"));
        Click(&dialog, "pushButton");
        QTRY_VERIFY_WITH_TIMEOUT(Child<QPushButton>(&dialog, "pushButton")->isEnabled(), 30000);
        QInverterPane* pane = dialog.Pane();
        for (int i = 0; i < pane->Count(); ++i) {
            models.append(QString::number(pane->Item(i)->Address()) + ' ' + pane->Item(i)->Model());
        }
        const char* const names[2] = {"East", "West"};
        for (int i = 0; i < pane->Count() && i < 2; ++i) {
            pane->Item(i)
                ->findChild<QLineEdit*>(QStringLiteral("lineEdit"))
                ->setText(QLatin1String(names[i]));
            pane->Item(i)->findChild<QPushButton*>(QStringLiteral("pushButton"))->click();
            QVERIFY(!pane->Item(i)->IsAddable());
        }
    });
    window.Search();
    QCOMPARE(models, QStringList({"3 Tivra PA10KT", "5 Tivra PM3KS"}));
    for (const char* status : {"Address:1   timeout", "Address:3   find", "Address:4   timeout",
                               "Address:5   find", "Address:6   timeout"}) {
        QVERIFY2(statuses.contains(QLatin1String(status)), status);
    }
    QVERIFY(messages.Texts().isEmpty());

    // The two join the plant, go online and record.
    QCOMPARE(window.System().InverterCount(), 2);
    QInverter* east = window.System().FindByName(QStringLiteral("East"));
    QInverter* west = window.System().FindByName(QStringLiteral("West"));
    QCOMPARE(east->Address(), 3);
    QCOMPARE(east->PhaseCount(), 3);
    QCOMPARE(west->ModelName(), QStringLiteral("Tivra PM3KS"));
    QTRY_COMPARE_WITH_TIMEOUT(east->CommState(), int(CommOnline), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(west->CommState(), int(CommOnline), 10000);
    for (QInverter* inverter : {east, west}) {
        QTRY_VERIFY_WITH_TIMEOUT(
            QFile::exists(QDayLogFiles::DayLogPath(*inverter, SystemClock::CurrentDate())), 10000);
    }
    QFile list(data.File(QStringLiteral("inverter.dat")));
    QVERIFY(list.open(QIODevice::ReadOnly));
    QCOMPARE(list.readAll(), QByteArray("East?\x01??\x01?Tivra PA10KT?\x01?3?\x01?3?\x02?"
                                        "West?\x01??\x01?Tivra PM3KS?\x01?5?\x01?1?\x02?"));

    // TCP to serial: the link reopens on the pseudo-terminal; the inverters,
    // offline with the old link, are connected again from the browser.
    WhenModal<QSetCommunicateDlg>([](QSetCommunicateDlg& dialog) {
        Child<QCheckBox>(&dialog, "com_enable")->click();
        Click(&dialog, "pushButton");
    });
    window.SetCommunicate();
    QCOMPARE(window.System().GetSystemValue(QStringLiteral("CommunicationType")), QStringLiteral("0"));
    QVERIFY(window.Bus()->IsLinkOpen());
    QVERIFY2(window.Bus()->StatusText().startsWith(programEnd), qPrintable(window.Bus()->StatusText()));
    for (QInverter* inverter : {east, west}) {
        QCOMPARE(inverter->CommState(), int(CommOffline));
        auto* entry = dynamic_cast<QtMyTreeItem*>(inverter->TreeEntry());
        entry->findChild<QPushButton*>(QStringLiteral("connectButton"))->click();
    }
    QTRY_COMPARE_WITH_TIMEOUT(east->CommState(), int(CommOnline), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(west->CommState(), int(CommOnline), 10000);
    QVERIFY(messages.Texts().isEmpty());

    window.Bus()->CloseSerialLink();
    sim.Stop();
    socat.terminate();
    socat.waitForFinished(2000);
}

void TestSetupSim::searchKnowsThePlantsInverters() {
    viewstest::DataDir data;
    viewstest::Messages messages;
    SimProcess sim;
    QVERIFY(sim.Start({"--inverter", "3:Tivra PA10KT", "--inverter", "5:Tivra PM3KS", "--seed", "11",
                       "--start", "2026-06-15 11:00:00", "--tcp-port", "0"}));
    WriteTcpSystemFile(data, sim.TcpPort());
    QFile list(data.File(QStringLiteral("inverter.dat")));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("East?\x01??\x01?Tivra PA10KT?\x01?3?\x01?3?\x02?");
    list.close();

    MainWindow window;
    QTRY_VERIFY(window.Bus()->IsLinkOpen()); // connecting runs on after the start-up
    QCOMPARE(window.System().InverterCount(), 1);
    QStringList rows;
    QStringList told;
    WhenModal<QFindInverterDlg>([&](QFindInverterDlg& dialog) {
        Type(&dialog, "lineEdit", QStringLiteral("3"));
        Type(&dialog, "lineEdit_2", QStringLiteral("5"));
        Click(&dialog, "pushButton");
        QTRY_VERIFY_WITH_TIMEOUT(Child<QPushButton>(&dialog, "pushButton")->isEnabled(), 30000);
        QInverterPane* pane = dialog.Pane();
        for (int i = 0; i < pane->Count(); ++i) {
            const QFindInverterItem* item = pane->Item(i);
            rows.append(QStringLiteral("%1 %2 %3 %4")
                            .arg(item->Address())
                            .arg(item->Model(), item->Name(), item->IsAddable() ? "addable" : "known"));
        }
        // A name the plant has is refused and the row stays addable.
        QFindInverterItem* found = pane->ItemFor(5);
        QVERIFY(found);
        found->findChild<QLineEdit*>(QStringLiteral("lineEdit"))->setText(QStringLiteral("East"));
        found->findChild<QPushButton*>(QStringLiteral("pushButton"))->click();
        told = messages.Texts();
        QVERIFY(found->IsAddable());
        QCOMPARE(window.System().InverterCount(), 1);
    });
    window.Search();
    QCOMPARE(rows, QStringList({"3 Tivra PA10KT East known", "5 Tivra PM3KS  addable"}));
    QCOMPARE(told, QStringList{QStringLiteral("Add Inverter Fialed! Name or address have been used!")});
    sim.Stop();
}

QTEST_MAIN(TestSetupSim)
#include "test_setup_sim.moc"

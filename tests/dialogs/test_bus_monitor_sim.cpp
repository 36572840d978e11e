// The bus monitor on a running plant: the program polls wattsight-sim over TCP,
// with one inverter the simulator plays and one address nobody answers. The
// administrator opens the monitor from the Operate menu; it shows the frames,
// counts the silent address's time-outs, filters by address and saves one CSV
// line per row. A closed monitor leaves the bus unwatched, and logging off
// closes it.

#include "../common/LookSupport.h"
#include "../link/SimProcess.h"
#include "../shell/ShellTestSupport.h"
#include "../views/ViewsTestSupport.h"
#include "MainWindow.h"
#include "QBusMonitorWindow.h"
#include "QBusScheduler.h"
#include "QBusWatch.h"
#include "QSystemModel.h"

#include <QComboBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

namespace {

constexpr int kWait = 20000;

QByteArray SystemFile(int port) {
    return SystemFileBytes({{"systemname", "Monitor test"},
                            {"CommunicationType", "1"},
                            {"IPAddress", "127.0.0.1"},
                            {"IP_number", QByteArray::number(port)}});
}

QByteArray InverterLine(const char* name, int address) {
    return InverterRecord(name, "Roof", "Tivra PA5KS", address, 1);
}

QAction* MonitorAction(MainWindow& window) {
    return window.FindAction(QStringLiteral("Bus monitor"));
}

// The rows the view shows, as "address status".
QStringList ShownRows(const QBusMonitorWindow& monitor) {
    QStringList rows;
    const QAbstractItemModel* shown = monitor.Rows()->model();
    for (int row = 0; row < shown->rowCount(); ++row) {
        rows << shown->index(row, QBusMonitorModel::ColAddress).data().toString() + " " +
                    shown->index(row, QBusMonitorModel::ColStatus).data().toString();
    }
    return rows;
}

} // namespace

class TestBusMonitorSim : public QObject {
    Q_OBJECT

private slots:
    void monitorsTheRunningPlant();
};

void TestBusMonitorSim::monitorsTheRunningPlant() {
    viewstest::DataDir dir;
    SimProcess sim;
    QVERIFY2(sim.Start({"--tcp-port", "0", "--bind", "127.0.0.1", "--seed", "11", "--start",
                        "2026-06-15 11:00:00", "--inverter", "3:Tivra PA5KS", "--inverter", "4:Tivra PA5KS"}),
             "wattsight-sim did not start");
    QVERIFY(WriteBytes(dir.File(QStringLiteral("system.dat")), SystemFile(sim.TcpPort())));
    QVERIFY(WriteBytes(dir.File(QStringLiteral("inverter.dat")),
                       InverterLine("South", 3) + InverterLine("West", 4) + InverterLine("Silent", 9)));
    viewstest::Messages messages(1);

    MainWindow window;
    window.show();
    QBusWatch& watch = window.Bus()->Watch();
    QVERIFY(MonitorAction(window));

    // Closed: the bus has nobody to tell, and the monitor cannot be opened without the administrator.
    QTRY_COMPARE_WITH_TIMEOUT(window.System().FindByAddress(3)->CommState(), int(CommOnline), kWait);
    QCOMPARE(watch.Observer(), nullptr);
    QEvent levelChanged{QEvent::Type(MainWindow::EventUserLevelChanged)};
    window.System().SetUserLevel(0);
    QApplication::sendEvent(&window, &levelChanged);
    QVERIFY(!MonitorAction(window)->isEnabled());

    window.System().SetUserLevel(UserAdministrator);
    QApplication::sendEvent(&window, &levelChanged);
    QVERIFY(MonitorAction(window)->isEnabled());
    MonitorAction(window)->trigger();
    QPointer<QBusMonitorWindow> monitor = window.BusMonitorWindow();
    QVERIFY(monitor);
    QVERIFY(monitor->isVisible());
    QCOMPARE(watch.Observer(), &monitor->Model());
    // A second click brings the same monitor forward.
    MonitorAction(window)->trigger();
    QCOMPARE(window.BusMonitorWindow(), monitor.data());

    // The silent address misses its replies; the simulated ones answer.
    QBusMonitorModel& model = monitor->Model();
    QTRY_VERIFY_WITH_TIMEOUT(model.CountersByAddress().value(9).timeouts >= 2, kWait);
    QTRY_VERIFY_WITH_TIMEOUT(model.CountersByAddress().value(3).answers >= 3, kWait);
    QTRY_VERIFY_WITH_TIMEOUT(model.CountersByAddress().value(4).answers >= 3, kWait);
    const QBusMonitorModel::Counters three = model.CountersByAddress().value(3);
    QCOMPARE(three.timeouts, 0);
    QCOMPARE(three.errors, 0);
    QVERIFY(three.MeanReplyMs() >= 0 && three.MeanReplyMs() < 1000);
    QCOMPARE(model.CountersByAddress().value(9).answers, 0);

    // Every row is a frame: a request with its bytes, or what came of one.
    for (int row = 0; row < model.RowCount(); ++row) {
        const QBusMonitorModel::Row& r = model.RowAt(row);
        QVERIFY(r.address == 3 || r.address == 4 || r.address == 9);
        if (!r.received) {
            QCOMPARE(quint8(r.bytes.at(0)), quint8(r.address));
            QCOMPARE(r.status, QBusMonitorModel::StatusSent);
        } else if (r.status == QBusMonitorModel::StatusAnswered) {
            QCOMPARE(quint8(r.bytes.at(0)), quint8(r.address));
            QVERIFY(r.address != 9);
        }
    }

    monitor->findChild<QPushButton*>(QStringLiteral("PauseBtn"))->click();
    QTRY_COMPARE_WITH_TIMEOUT(monitor->CountersTable()->rowCount(), 3, kWait);
    QCOMPARE(monitor->CountersTable()->item(2, 0)->text(), QStringLiteral("9"));
    QCOMPARE(monitor->CountersTable()->item(2, 1)->text(), QStringLiteral("Silent"));
    looktest::Save(monitor, QStringLiteral("bus-monitor-running.png"));

    // Only the silent address: its requests and time-outs.
    QComboBox* filter = monitor->AddressFilter();
    const int nine = filter->findData(9);
    QVERIFY(nine > 0);
    QCOMPARE(filter->itemText(nine), QStringLiteral("Address 9 (Silent)"));
    filter->setCurrentIndex(nine);
    const QStringList silent = ShownRows(*monitor);
    QVERIFY(silent.contains(QStringLiteral("9 time-out")));
    for (const QString& row : silent) {
        QVERIFY2(row == QLatin1String("9 sent") || row == QLatin1String("9 time-out"), qPrintable(row));
    }

    // Saved while paused: one line per row shown, after the header.
    const QString path = dir.File(QStringLiteral("monitor.csv"));
    monitor->SaveTo(path);
    QCOMPARE(messages.Texts().last(), QStringLiteral("Successfully saved!"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QCOMPARE(text.count("\r\n"), 1 + silent.size());
    QList<QByteArray> lines = text.split('\n');
    lines.removeLast();
    lines.removeFirst();
    for (const QByteArray& line : std::as_const(lines)) {
        QCOMPARE(line.split(',').at(QBusMonitorModel::ColAddress), QByteArray("9"));
    }

    // Closed: the window is gone and nothing watches the bus any more.
    monitor->close();
    QTRY_VERIFY_WITH_TIMEOUT(!monitor, kWait);
    QCOMPARE(watch.Observer(), nullptr);
    QVERIFY(!window.BusMonitorWindow());

    // Opened again it holds only what came after; logging off closes it.
    const QDateTime reopened = QDateTime::currentDateTime();
    MonitorAction(window)->trigger();
    monitor = window.BusMonitorWindow();
    QVERIFY(monitor);
    QTRY_VERIFY_WITH_TIMEOUT(monitor->Model().RowCount() > 0, kWait);
    QVERIFY(monitor->Model().RowAt(0).time >= reopened);
    window.System().SetUserLevel(0);
    QApplication::sendEvent(&window, &levelChanged);
    QTRY_VERIFY_WITH_TIMEOUT(!monitor, kWait);
    QCOMPARE(watch.Observer(), nullptr);
}

QTEST_MAIN(TestBusMonitorSim)
#include "test_bus_monitor_sim.moc"

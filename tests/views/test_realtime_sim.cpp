// The real-time tab against the simulated plant: the core polls wattsight-sim over
// a TCP link with the real 20 ms timer, and what the tab shows must be the
// simulator's registers, scaled. The registers are taken from the frames the
// simulator logs (--verbose) and decoded here from the register map, apart from
// the program's own decoder.

#include "Page2.h"
#include "Page21.h"
#include "PolledPlant.h"
#include "SimReplyLog.h"
#include "ViewsTestSupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QtTest>

using namespace viewstest;

namespace {

quint32 U32(const QList<quint16>& r, int i) {
    return quint32(r.value(i)) << 16 | r.value(i + 1);
}
qint16 S16(const QList<quint16>& r, int i) {
    return qint16(r.value(i));
}
QString Tenths(int value) {
    return QString::asprintf("%0.1f", value / 10.0);
}
QString Hundredths(qint64 value) {
    return QString::asprintf("%0.2f", value / 100.0);
}

const char* const kStates[6] = {"Unknown", "Self-test", "Running", "Alarm", "Fault", "Shutdown"};

} // namespace

class TestRealtimeSim : public QObject {
    Q_OBJECT

private slots:
    void liveValuesMatchTheSimulatorsRegisters();
};

void TestRealtimeSim::liveValuesMatchTheSimulatorsRegisters() {
    DataDir data;
    SimReplyLog log;
    QProcess sim;
    sim.setProgram(qEnvironmentVariable("WATTSIGHT_BIN_DIR") + QStringLiteral("/wattsight-sim"));
    sim.setArguments({"--tcp-port", "0", "--bind", "127.0.0.1", "--seed", "11", "--start",
                      "2026-06-15 11:30:00", "--inverter", "1:Tivra PA10KT", "--inverter", "2:Tivra PM3KS",
                      "--inverter", "3:Tivra PA5KS", "--verbose"});
    connect(&sim, &QProcess::readyReadStandardError, &sim, [&]() { log.Feed(sim.readAllStandardError()); });
    sim.start();
    QVERIFY2(sim.waitForStarted(5000), "wattsight-sim did not start");
    auto stopSim = qScopeGuard([&sim]() {
        sim.disconnect();
        sim.terminate();
        if (!sim.waitForFinished(3000)) {
            sim.kill();
            sim.waitForFinished(1000);
        }
    });
    int port = 0;
    QElapsedTimer wait;
    wait.start();
    while (port == 0 && wait.elapsed() < 10000) {
        if (!sim.canReadLine() && !sim.waitForReadyRead(200)) {
            continue;
        }
        const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("listening on tcp .*:(\\d+)"))
                                                  .match(QString::fromUtf8(sim.readLine()));
        if (match.hasMatch()) {
            port = match.captured(1).toInt();
        }
    }
    QVERIFY2(port > 0, "wattsight-sim reported no port");

    PolledPlant polled(port);
    QSystemModel& plant = polled.Plant();
    QList<QInverter*> inverters;
    for (int address = 1; address <= 3; ++address) {
        auto* inverter = new QInverter;
        inverter->SetName(QStringLiteral("Inverter %1").arg(address));
        inverter->SetAddress(address);
        QVERIFY(plant.AddInverter(inverter));
        inverters.append(inverter);
    }
    Page2 browser;
    browser.SetSystemModel(&plant);
    for (QInverter* inverter : inverters) {
        browser.AddInverterItem(inverter);
    }
    QVERIFY(polled.Start());

    // Every read of the poll list answered at least once.
    for (QInverter* inverter : inverters) {
        QTRY_COMPARE_WITH_TIMEOUT(inverter->CommState(), int(CommOnline), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(inverter->ItemValue(17) > 0 && inverter->ItemValue(26) > 0 &&
                                     inverter->ItemValue(28) > 0x10000 && inverter->ItemValue(1) > 0 &&
                                     !inverter->ModelName().isEmpty(),
                                 10000);
    }
    QCOMPARE(inverters[0]->PhaseCount(), 3);
    QCOMPARE(inverters[1]->RatedPower(), 3000);

    // Freeze the bus: let the request in flight finish, then let the log catch up.
    polled.Stop();
    QTRY_VERIFY_WITH_TIMEOUT(!polled.Bus()->IsWaiting(), 3000);
    QTest::qWait(300);
    log.Feed(sim.readAllStandardError());

    for (QInverter* inverter : inverters) {
        const int address = inverter->Address();
        const QList<quint16> pv = log.Registers(address, 0x1690);     // mission 13
        const QList<quint16> power = log.Registers(address, 0x169E);  // mission 14
        const QList<quint16> totals = log.Registers(address, 0x1648); // mission 11
        const QList<quint16> today = log.Registers(address, 0x1616);  // mission 10
        const QList<quint16> peak = log.Registers(address, 0x1600);   // mission 9
        const QList<quint16> status = log.Registers(address, 0x1670); // mission 12
        QCOMPARE(pv.size(), 14);
        QCOMPARE(power.size(), 16);
        QCOMPARE(totals.size(), 20);
        QCOMPARE(status.size(), 14);

        browser.SelectInverter(inverter);
        QMetaObject::invokeMethod(&browser, "OnFlashTimer");
        const Page21* tab = browser.RealTimeTab();
        const QString name = inverter->Name();
        QVERIFY2(pv.value(0) > 0 && U32(power, 6) > 0, qPrintable(name)); // daylight: a real test
        QCOMPARE(Text(tab, "V1"), Tenths(pv[0]));
        QCOMPARE(Text(tab, "I1"), Tenths(pv[1]));
        QCOMPARE(Text(tab, "U_Voltage"), Tenths(pv[8]));
        QCOMPARE(Text(tab, "U_Current"), Tenths(pv[9]));
        QCOMPARE(Text(tab, "Input"), QString::number(U32(power, 4)));
        QCOMPARE(Text(tab, "Output"), QString::number(U32(power, 6)));
        QCOMPARE(Text(tab, "Fre"), Hundredths(power[2]));
        QCOMPARE(Text(tab, "Tem"), Hundredths(qMax(S16(power, 8), S16(power, 9))));
        QCOMPARE(Text(tab, "Total"), Hundredths(U32(totals, 10)));
        QCOMPARE(Text(tab, "Co2"), Hundredths(U32(totals, 14)));
        QCOMPARE(Text(tab, "Today"), Hundredths(U32(today, 0)));
        QCOMPARE(Text(tab, "Peek"), QString::number(U32(peak, 0)));
        const int state = (status[12] & 0xFF) <= 5 ? (status[12] & 0xFF) : 0;
        QCOMPARE(Text(tab, "status_text"), QLatin1String(kStates[state]));

        // Track 2 above 3000 W only; phases V and W for three-phase models only.
        const bool track2 = inverter->RatedPower() > 3000;
        QCOMPARE(Text(tab, "V2"), track2 ? Tenths(pv[2]) : QStringLiteral("0.0"));
        QCOMPARE(Text(tab, "I2"), track2 ? Tenths(pv[3]) : QStringLiteral("0.0"));
        const bool phases = track2 && inverter->PhaseCount() == 3;
        QCOMPARE(Text(tab, "V_Voltage"), phases ? Tenths(pv[10]) : QStringLiteral("0.0"));
        QCOMPARE(Text(tab, "W_Current"), phases ? Tenths(pv[13]) : QStringLiteral("0.0"));

        // The browser's data time is the inverter's clock: bytes of 0x1678-0x167B.
        const QString clock =
            QString::asprintf("Data Time:20%02d-%02d-%02d %02d:%02d:%02d", status[8] >> 8, status[8] & 0xFF,
                              status[9] >> 8, status[10] >> 8, status[10] & 0xFF, status[11] >> 8);
        QCOMPARE(Text(&browser, "data_time"), clock);
    }
}

QTEST_MAIN(TestRealtimeSim)
#include "test_realtime_sim.moc"

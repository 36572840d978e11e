// The status and box tabs against the simulated plant: wattsight-sim reports a
// fault for a while, the core polls it over TCP with the real 20 ms timer, and
// the tabs must show what a user expects: the light red, the event lines, the
// fault record in the grid and its recorded values in the dialog, the light
// green again once the fault is over, and the box's own measurements. Expected
// values come from fault.dat's bytes and the simulator's frame log, apart from
// the program's decoder.

#include "../link/SimProcess.h"
#include "../storage/StorageTestSupport.h"
#include "Page2.h"
#include "Page22.h"
#include "Page25.h"
#include "PolledPlant.h"
#include "QFaultDlg.h"
#include "QGridItem.h"
#include "SimReplyLog.h"
#include "ViewsTestSupport.h"

#include <QPushButton>
#include <QScopeGuard>
#include <QtTest>

using namespace viewstest;

namespace {

constexpr int kBoxAddress = 4;

// Row k (1 to 5) of the dialog's samples, formatted here from the record's bytes:
// value k-1 of the blocks of items 2, 3, 4, 5 (tenths), 0, 1 (whole), 6, 7, 9, 10 (hundredths).
QStringList ExpectedSamples(const QByteArray& record, int k) {
    auto value = [&](int item) { return storagetest::I32At(record, 13 + 20 * item + 4 * (k - 1)); };
    QStringList cells{QString::number(k)};
    for (int item : {2, 3, 4, 5}) {
        cells << QString::asprintf("%0.1f", value(item) / 10.0);
    }
    for (int item : {0, 1}) {
        cells << QString::number(value(item));
    }
    for (int item : {6, 7, 9, 10}) {
        cells << QString::asprintf("%0.2f", value(item) / 100.0);
    }
    return cells;
}

// A text register block: two characters a register, high byte first, zero-terminated.
QString RegisterText(const QList<quint16>& registers) {
    QByteArray bytes;
    for (quint16 r : registers) {
        bytes.append(char(r >> 8));
        bytes.append(char(r & 0xFF));
    }
    return QString::fromLatin1(bytes.left(bytes.indexOf('\0')));
}

} // namespace

class TestStatusSim : public QObject {
    Q_OBJECT

private slots:
    void faultComesAndGoesOnTheStatusTab();
};

void TestStatusSim::faultComesAndGoesOnTheStatusTab() {
    DataDir data;
    SimReplyLog log;
    SimProcess sim;
    // A simulated minute lasts two seconds: the fault begins a few seconds after
    // the start and lasts twenty. A grid alarm: the box goes on feeding in meanwhile.
    QVERIFY2(sim.Start({"--tcp-port", "0", "--bind", "127.0.0.1", "--seed", "5", "--start",
                        "2026-06-15 11:28:30", "--time-scale", "30", "--inverter", "4:Tivra PA10KT & Box",
                        "--fault", "4:1:A004:11:30-11:40", "--verbose"}),
             "wattsight-sim did not start");
    connect(&sim.Process(), &QProcess::readyReadStandardError, this,
            [&]() { log.Feed(sim.Process().readAllStandardError()); });
    auto stopSim = qScopeGuard([&sim]() {
        sim.Process().disconnect();
        sim.Stop();
    });

    PolledPlant polled(sim.TcpPort());
    auto* box = new QInverter;
    box->SetName(QStringLiteral("Field box"));
    box->SetAddress(kBoxAddress);
    QVERIFY(polled.Plant().AddInverter(box));
    Page2 browser;
    browser.resize(1022, 628);
    browser.SetSystemModel(&polled.Plant());
    browser.AddInverterItem(box);
    browser.SelectInverter(box);
    browser.show();
    browser.findChild<QPushButton*>(QStringLiteral("page22btn"))->click(); // only the tab on top follows
    Page22* status = browser.StatusTab();
    QVERIFY(polled.Start());

    // The fault begins: red light, event lines, the record in the grid.
    QTRY_COMPARE_WITH_TIMEOUT(Style(status, "light16"), Page22::LightFault, 20000); // A004
    QCOMPARE(box->CommState(), int(CommOnline));
    QTRY_COMPARE_WITH_TIMEOUT(status->FaultGrid()->GetRows(), 1, 2000);
    const QStringList row = GridRow(status->FaultGrid(), 1);
    QCOMPARE(row.mid(0, 3), QStringList({"1", "Grid over volt.", "A004"}));
    QCOMPARE(row.at(4), QStringLiteral("Caused by AC Grid."));
    const QStringList lines = TextLines(status->TextOutput());
    const int began = lines.indexOf(QStringLiteral("   Fault began!"));
    QVERIFY2(began > 0, qPrintable(lines.join(QLatin1Char('|'))));
    QCOMPARE(lines.value(began + 1), QStringLiteral("      The fault code: A004"));
    for (int light = 1; light <= Page22::LightCount; ++light) {
        if (light != 16) {
            QCOMPARE(Style(status, qPrintable(QStringLiteral("light%1").arg(light))), Page22::LightOk);
        }
    }

    // The dialog shows what fault.dat recorded when the fault began.
    const QByteArray record = storagetest::ReadFile(data.File(QStringLiteral("fault.dat")));
    QCOMPARE(record.size(), 233);
    QCOMPARE(int(quint8(record[0])), kBoxAddress);
    QCOMPARE(storagetest::I32At(record, 1), 0xA004);
    const qint32 date = storagetest::I32At(record, 5);
    const qint32 time = storagetest::I32At(record, 9);
    QCOMPARE(row.at(3), QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", date >> 16, date >> 8 & 0xFF,
                                          date & 0xFF, time >> 16, time >> 8 & 0xFF, time & 0xFF));
    QStringList shown[6];
    QString code;
    WhenModal([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QFaultDlg*>(modal)) {
            code = Text(dialog, "Fault_code");
            for (int k = 1; k <= 5; ++k) {
                shown[k] = GridRow(dialog->SampleGrid(), k);
            }
        }
    });
    QTest::mouseDClick(status->FaultGrid()->Item(1, 1), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(code, QStringLiteral("0XA004"));
    for (int k = 1; k <= 5; ++k) {
        QCOMPARE(shown[k], ExpectedSamples(record, k));
    }

    // The fault ends: the light turns green again and the end is logged.
    QTRY_COMPARE_WITH_TIMEOUT(Style(status, "light16"), Page22::LightOk, 40000);
    QVERIFY(TextLines(status->TextOutput()).contains(QStringLiteral("   Fault end!")));
    QCOMPARE(status->FaultGrid()->GetRows(), 1);

    // The box tab: its identity and its measurements, as the simulator sent them.
    QTRY_VERIFY_WITH_TIMEOUT(!box->VersionText().isEmpty(), 10000);
    polled.Stop();
    QTRY_VERIFY_WITH_TIMEOUT(!polled.Bus()->IsWaiting(), 3000);
    QTest::qWait(300);
    log.Feed(sim.Process().readAllStandardError());
    browser.findChild<QPushButton*>(QStringLiteral("page25btn"))->click();
    const Page25* boxTab = browser.BoxTab();
    QCOMPARE(Text(boxTab, "value_SN"), RegisterText(log.Registers(kBoxAddress, 0x2100)));
    QCOMPARE(Text(boxTab, "value_Type"), QStringLiteral("Tivra Combiner Box 16/4"));
    const QList<quint16> made = log.Registers(kBoxAddress, 0x2120);
    QCOMPARE(made.size(), 3);
    QCOMPARE(Text(boxTab, "value_Date"),
             QString::asprintf("%d.%02d.%02d", (made[0] >> 8) + 2000, made[0] & 0xFF, made[1] >> 8));
    QCOMPARE(Text(boxTab, "value_Version"), QString::asprintf("%02d.%02d", made[2] >> 8, made[2] & 0xFF));
    const QList<quint16> voltages = log.Registers(kBoxAddress, 0x2124);
    const QList<quint16> currents = log.Registers(kBoxAddress, 0x2128);
    QCOMPARE(voltages.size(), 4);
    QCOMPARE(currents.size(), 16);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(Text(boxTab, qPrintable(QStringLiteral("value_U%1").arg(i + 1))),
                 QString::asprintf("%0.1f", voltages[i] / 10.0));
    }
    for (int i = 0; i < 16; ++i) {
        QCOMPARE(Text(boxTab, qPrintable(QStringLiteral("value_I%1").arg(i + 1))),
                 QString::asprintf("%0.1f", currents[i] / 10.0));
    }
    QVERIFY(voltages[0] > 0 && currents[0] > 0); // daylight: a real test
}

QTEST_MAIN(TestStatusSim)
#include "test_status_sim.moc"

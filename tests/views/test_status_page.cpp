// The status and faults tab: lights from the fault slots, the fault records of
// fault.dat in the grid, their deletion from the context menu, the reload when a
// fault begins, and the fault dialog. fault.dat fixtures are laid out byte by
// byte from the record table (address, code, date, time, eleven blocks of five
// values), apart from the program's own reader.

#include "../storage/StorageTestSupport.h"
#include "Page22.h"
#include "QEventLog.h"
#include "QFaultDlg.h"
#include "QGridItem.h"
#include "QInverterRecorder.h"
#include "QUserActivity.h"
#include "ViewsTestSupport.h"

#include <QMenu>
#include <QScrollArea>
#include <QTranslator>
#include <QtTest>

using namespace viewstest;
using storagetest::Bytes;
using storagetest::DateWord;
using storagetest::FaultRecord;
using storagetest::TimeWord;

class TestStatusPage : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void lightsFollowTheFaultSlots_data();
    void lightsFollowTheFaultSlots();
    void gridListsTheInvertersRecords();
    void deleteFromTheContextMenu_data();
    void deleteFromTheContextMenu();
    void gridReloadsWhenAFaultBegins_data();
    void gridReloadsWhenAFaultBegins();
    void dialogShowsTheRecordedSamples();
    void dialogLoadFailsWithoutInverterRowOrFile();
    void doubleClickOpensTheDialogWithTheIdleCheckOff();
    void areasFollowThePageWidth();

private:
    QString FaultPath() const { return m_pData->File(QStringLiteral("fault.dat")); }
    QInverter* Add(const QString& name, int address) {
        QInverter* inverter = MakeInverter(name, address, QStringLiteral("Tivra PA5KS"));
        m_pPlant->AddInverter(inverter);
        return inverter;
    }
    void Select(QInverter* inverter) {
        QEventLog::SetCurrentInverter(inverter);
        m_pPage->SetCurrentInverter(inverter);
    }
    // The grid cell of a row, as the user clicks it.
    QGridItem* Cell(int row, int column = 1) const { return m_pPage->FaultGrid()->Item(column, row); }

    QScopedPointer<DataDir> m_pData;
    QScopedPointer<QSystemModel> m_pPlant;
    QScopedPointer<QInverterRecorder> m_pRecorder; // writes the fault records
    QScopedPointer<Page22> m_pPage;
};

void TestStatusPage::init() {
    SystemClock::SetFixed(QDateTime(QDate(2024, 6, 14), QTime(12, 30, 8)));
    m_pData.reset(new DataDir);
    m_pPlant.reset(new QSystemModel);
    m_pRecorder.reset(new QInverterRecorder(*m_pPlant));
    m_pPage.reset(new Page22);
    m_pPage->SetSystemModel(m_pPlant.data());
    m_pPage->resize(800, 560);
    m_pPage->show();
}

void TestStatusPage::cleanup() {
    QEventLog::SetCurrentInverter(nullptr);
    m_pPage.reset();
    m_pRecorder.reset();
    m_pPlant.reset();
    m_pData.reset();
    SystemClock::UseSystem();
}

void TestStatusPage::lightsFollowTheFaultSlots_data() {
    QTest::addColumn<bool>("selected");
    QTest::addColumn<int>("state");
    QTest::addColumn<QList<int>>("codes"); // slot i gets codes[i]
    QTest::addColumn<QString>("base");
    QTest::addColumn<QList<int>>("red"); // light numbers
    QTest::newRow("no inverter") << false << int(CommOnline) << QList<int>{} << Page22::LightNone
                                 << QList<int>{};
    QTest::newRow("online, no fault")
        << true << int(CommOnline) << QList<int>{} << Page22::LightOk << QList<int>{};
    QTest::newRow("offline keeps its faults red")
        << true << int(CommOffline) << QList<int>{0xE012, 0, 0, 0xA004} << Page22::LightNone
        << QList<int>{5, 16};
    QTest::newRow("connecting") << true << int(CommConnecting) << QList<int>{0xE016} << Page22::LightNone
                                << QList<int>{20};
    QTest::newRow("online, one light per code")
        << true << int(CommOnline) << QList<int>{0xA001, 0xE004, 0xA009, 0xE017, 0xE019} << Page22::LightOk
        << QList<int>{1, 2, 28, 27, 14};
    QTest::newRow("current anomaly lights nothing")
        << true << int(CommOnline) << QList<int>{0xA025} << Page22::LightOk << QList<int>{};
    QTest::newRow("box codes light nothing")
        << true << int(CommOnline) << QList<int>{0xA030, 0xA034} << Page22::LightOk << QList<int>{};
}

void TestStatusPage::lightsFollowTheFaultSlots() {
    QFETCH(bool, selected);
    QFETCH(int, state);
    QFETCH(QList<int>, codes);
    QFETCH(QString, base);
    QFETCH(QList<int>, red);
    QInverter* inverter = Add(QStringLiteral("A"), 1);
    inverter->SetCommState(state);
    for (int slot = 0; slot < codes.size(); ++slot) {
        SetFault(*inverter, slot, codes[slot]);
    }
    Select(selected ? inverter : nullptr);
    m_pPage->Refresh();
    for (int light = 1; light <= Page22::LightCount; ++light) {
        const QByteArray name = "light" + QByteArray::number(light);
        QCOMPARE(Style(m_pPage.data(), name.constData()), red.contains(light) ? Page22::LightFault : base);
    }
    // A fault that ends turns its light back to the base look on the next tick.
    for (int slot = 0; slot < codes.size(); ++slot) {
        SetFault(*inverter, slot, 0);
    }
    m_pPage->Refresh();
    for (int light : red) {
        QCOMPARE(Style(m_pPage.data(), qPrintable(QStringLiteral("light%1").arg(light))), base);
    }
}

void TestStatusPage::gridListsTheInvertersRecords() {
    QInverter* a = Add(QStringLiteral("A"), 3);
    Add(QStringLiteral("B"), 4);
    QVERIFY(storagetest::WriteFile(
        FaultPath(), FaultRecord(3, 0xE006, DateWord(2024, 6, 1), TimeWord(9, 5, 7), 1) +
                         FaultRecord(4, 0xA001, DateWord(2024, 6, 2), TimeWord(10, 0, 0), 2) +
                         FaultRecord(3, 0xA025, DateWord(2024, 12, 31), TimeWord(23, 59, 58), 3) +
                         FaultRecord(3, 0xE002, DateWord(2025, 1, 1), TimeWord(0, 0, 1), 4) +
                         FaultRecord(3, 0xE010, 0, 0, 5).left(120))); // cut short: not a record
    Select(a);
    const QGrid* grid = m_pPage->FaultGrid();
    QCOMPARE(grid->GetRows(), 3);
    QCOMPARE(GridRow(grid, 0),
             QStringList({"No.", "Name of Fault", "Fault Code", "Failure Time", "Description of Failure"}));
    QCOMPARE(GridRow(grid, 1), QStringList({"1", "Over temperature", "E006", "2024-06-01 09:05:07",
                                            "Caused by Inverter.Recoverable failure!"}));
    QCOMPARE(GridRow(grid, 2), QStringList({"2", "Current anomaly", "A025", "2024-12-31 23:59:58",
                                            "Caused by Current anomaly"}));
    QCOMPARE(GridRow(grid, 3), QStringList({"3", "", "E002", "2025-01-01 00:00:01", ""}));
    QCOMPARE(Cell(1)->toolTip(), QStringLiteral("Double click to display more information!"));

    // No inverter, or one without records, leaves the grid empty.
    Select(nullptr);
    QCOMPARE(grid->GetRows(), 0);
    QVERIFY(QFile::remove(FaultPath()));
    Select(a);
    QCOMPARE(grid->GetRows(), 0);
}

void TestStatusPage::deleteFromTheContextMenu_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("row");           // right-clicked row of inverter 3
    QTest::addColumn<bool>("all");          // "Remove all fault records" rather than this one
    QTest::addColumn<QString>("keptFile");  // records left in the file, by name
    QTest::addColumn<QStringList>("codes"); // code column of the grid afterwards
    QTest::newRow("row 2 of interleaved records")
        << int(UserAdministrator) << 2 << false << QStringLiteral("a1 b1 b2 a3 tail")
        << QStringList{"A001", "A005"};
    QTest::newRow("first row") << int(UserAdministrator) << 1 << false << QStringLiteral("b1 a2 b2 a3 tail")
                               << QStringList{"A003", "A005"};
    QTest::newRow("last row") << int(UserAdministrator) << 3 << false << QStringLiteral("a1 b1 a2 b2 tail")
                              << QStringList{"A001", "A003"};
    QTest::newRow("all records") << int(UserAdministrator) << 2 << true << QStringLiteral("b1 b2 tail")
                                 << QStringList{};
    QTest::newRow("guest gets no menu")
        << int(UserGuest) << 2 << false << QStringLiteral("a1 b1 a2 b2 a3 tail")
        << QStringList{"A001", "A003", "A005"};
}

void TestStatusPage::deleteFromTheContextMenu() {
    QFETCH(int, level);
    QFETCH(int, row);
    QFETCH(bool, all);
    QFETCH(QString, keptFile);
    QFETCH(QStringList, codes);
    const QMap<QString, QByteArray> records = {
        {"a1", FaultRecord(3, 0xA001, 1, 1, 1)}, {"b1", FaultRecord(4, 0xA002, 2, 2, 2)},
        {"a2", FaultRecord(3, 0xA003, 3, 3, 3)}, {"b2", FaultRecord(4, 0xA004, 4, 4, 4)},
        {"a3", FaultRecord(3, 0xA005, 5, 5, 5)}, {"tail", FaultRecord(3, 0xA006, 6, 6, 6).left(40)},
    };
    auto file = [&records](const QString& names) {
        QByteArray bytes;
        for (const QString& name : names.split(QLatin1Char(' '))) {
            bytes += records.value(name);
        }
        return bytes;
    };
    QVERIFY(storagetest::WriteFile(FaultPath(), file(QStringLiteral("a1 b1 a2 b2 a3 tail"))));
    QInverter* a = Add(QStringLiteral("A"), 3);
    Add(QStringLiteral("B"), 4);
    m_pPlant->SetUserLevel(level);
    Select(a);

    QTest::mousePress(Cell(row), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    QCoreApplication::processEvents(); // the right click is posted
    QMenu* menu = m_pPage->FaultMenu();
    QCOMPARE(menu->isVisible(), level == UserAdministrator);
    if (menu->isVisible()) {
        QCOMPARE(menu->actions().size(), 2);
        QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("Remove this fault records"));
        QCOMPARE(menu->actions().at(1)->text(), QStringLiteral("Remove all fault records"));
        menu->actions().at(all ? 1 : 0)->trigger();
        menu->hide();
    }
    // Without a right click there is no chosen row: a second delete removes nothing.
    m_pPage->DeleteFault();

    QCOMPARE(storagetest::ReadFile(FaultPath()), file(keptFile));
    const QGrid* grid = m_pPage->FaultGrid();
    QCOMPARE(grid->GetRows(), codes.size());
    for (int r = 1; r <= codes.size(); ++r) {
        QCOMPARE(grid->getText(0, r), QString::number(r));
        QCOMPARE(grid->getText(2, r), codes[r - 1]);
    }
    // What the grid shows is what the file holds.
    Select(a);
    QCOMPARE(grid->GetRows(), codes.size());
}

void TestStatusPage::gridReloadsWhenAFaultBegins_data() {
    QTest::addColumn<QString>("translation"); // empty: English
    QTest::addColumn<QString>("began");
    QTest::newRow("English") << QString() << QStringLiteral("   Fault began!");
    QTest::newRow("simplified Chinese") << QStringLiteral(":/lan/Language_C.qm") << QString();
}

void TestStatusPage::gridReloadsWhenAFaultBegins() {
    QFETCH(QString, translation);
    QFETCH(QString, began);
    QTranslator translator;
    if (!translation.isEmpty()) {
        QVERIFY(translator.load(translation));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        began = QCoreApplication::translate("QInverter", "   Fault began!");
        QVERIFY(began != QStringLiteral("   Fault began!"));
    }
    QInverter* a = Add(QStringLiteral("A"), 3);
    QInverter* b = Add(QStringLiteral("B"), 4);
    a->SetCommState(CommOnline);
    Select(a);
    a->LogEvent(-1); // as the browser does: the kept lines first
    const int linesBefore = m_pPage->TextOutput()->LineCount();
    QVERIFY(linesBefore > 0);
    QCOMPARE(m_pPage->FaultGrid()->GetRows(), 0);

    // Another inverter's fault is recorded, but neither its lines nor its record show here.
    SetFault(*b, 0, 0xE004);
    QCoreApplication::processEvents();
    QCOMPARE(m_pPage->TextOutput()->LineCount(), linesBefore);
    QCOMPARE(m_pPage->FaultGrid()->GetRows(), 0);

    SetFault(*a, 2, 0xE006);
    QTRY_COMPARE(m_pPage->FaultGrid()->GetRows(), 1);
    QCOMPARE(m_pPage->FaultGrid()->getText(2, 1), QStringLiteral("E006"));
    const QStringList lines = TextLines(m_pPage->TextOutput()).mid(linesBefore);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0), QStringLiteral("2024-06-14 12:30:08"));
    QCOMPARE(lines.at(1), began);
    QVERIFY(lines.at(2).endsWith(QStringLiteral("E006")));
    // A second fault of the same inverter adds its row as well.
    SystemClock::Advance(5000);
    SetFault(*a, 3, 0xA004);
    QTRY_COMPARE(m_pPage->FaultGrid()->GetRows(), 2);
    QCOMPARE(m_pPage->FaultGrid()->getText(3, 2), QStringLiteral("2024-06-14 12:30:13"));

    // A change of language hands the kept lines out again instead of dropping them.
    const int kept = m_pPage->TextOutput()->LineCount();
    m_pPage->Retranslate();
    QCOMPARE(m_pPage->TextOutput()->LineCount(), kept);
    QCOMPARE(m_pPage->FaultGrid()->GetRows(), 2);
    QCoreApplication::removeTranslator(&translator);
}

void TestStatusPage::dialogShowsTheRecordedSamples() {
    QInverter* a = Add(QStringLiteral("Roof east"), 7);
    // The second record of address 7: item i, sample k (0 = the value when the fault began).
    Bytes second;
    second.U8(7).I32(0xE006).I32(DateWord(2024, 6, 1)).I32(TimeWord(9, 5, 7));
    const qint32 samples[11][5] = {
        {5123, 5100, 5050, 0, -1},         // input power
        {4950, 4900, 4870, 0, -1},         // output power
        {3567, 3560, 3555, 3550, 3549},    // track 1 voltage
        {72, 71, 70, 69, 68},              // track 1 current
        {3490, 3480, 3470, 3460, 3450},    // track 2 voltage
        {65, 64, 63, 62, 61},              // track 2 current
        {8012, 7990, 7950, -105, 0},       // temperature 1
        {4230, 4220, 4210, 4200, 4190},    // temperature 2
        {5001, 5000, 4999, 4998, 4997},    // grid frequency: recorded, not shown
        {12345, 12300, 12000, 11000, 100}, // grounding resistance
        {-3, 12, 0, 7, 250},               // leakage current
    };
    for (const auto& item : samples) {
        for (qint32 value : item) {
            second.I32(value);
        }
    }
    QCOMPARE(second.Data().size(), 233);
    QVERIFY(storagetest::WriteFile(FaultPath(), FaultRecord(7, 0xA001, 1, 1, 1) +
                                                    FaultRecord(9, 0xA002, 2, 2, 2) + second.Data()));
    QFaultDlg dialog;
    QVERIFY(dialog.Load(a, 2));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dialog"));
    QCOMPARE(Text(&dialog, "Inverter_name"), QStringLiteral("Roof east"));
    QCOMPARE(Text(&dialog, "Inverter_address"), QStringLiteral("007"));
    QCOMPARE(Text(&dialog, "Fault_code"), QStringLiteral("0XE006"));
    QCOMPARE(Text(&dialog, "Fault_name"), QStringLiteral("Over temperature"));
    QCOMPARE(Text(&dialog, "Failure_time"), QStringLiteral("2024-06-01 09:05:07 "));
    const QGrid* grid = dialog.SampleGrid();
    QCOMPARE(GridRow(grid, 0), QStringList({"No.", "Tack1 voltage", "Tack1 current", "Tack2 voltage",
                                            "Tack2 current", "Input power", "Output power", "Temperature1",
                                            "Temperature2", "Grounding resistance", "Leakage current"}));
    QCOMPARE(grid->GetRows(), 5);
    QCOMPARE(GridRow(grid, 1), QStringList({"1", "356.7", "7.2", "349.0", "6.5", "5123", "4950", "80.12",
                                            "42.30", "123.45", "-0.03"}));
    QCOMPARE(GridRow(grid, 4), QStringList({"4", "355.0", "6.9", "346.0", "6.2", "0", "0", "-1.05", "42.00",
                                            "110.00", "0.07"}));
    QCOMPARE(GridRow(grid, 5),
             QStringList({"5", "354.9", "6.8", "345.0", "6.1", "-1", "-1", "0.00", "41.90", "1.00", "2.50"}));
}

void TestStatusPage::dialogLoadFailsWithoutInverterRowOrFile() {
    QInverter* a = Add(QStringLiteral("A"), 7);
    QFaultDlg dialog;
    QVERIFY(!dialog.Load(a, 1)); // no fault.dat
    QVERIFY(storagetest::WriteFile(FaultPath(), FaultRecord(7, 0xA001, 1, 1, 1)));
    QVERIFY(!dialog.Load(nullptr, 1));
    QVERIFY(!dialog.Load(a, -1));
    // A record deleted meanwhile: the dialog still opens, with the fault fields empty.
    QVERIFY(dialog.Load(a, 2));
    QCOMPARE(Text(&dialog, "Inverter_address"), QStringLiteral("007"));
    QCOMPARE(Text(&dialog, "Fault_code"), QString());
    QCOMPARE(dialog.SampleGrid()->GetRows(), 0);
}

void TestStatusPage::doubleClickOpensTheDialogWithTheIdleCheckOff() {
    QVERIFY(storagetest::WriteFile(FaultPath(),
                                   FaultRecord(3, 0xA001, 1, 1, 1) + FaultRecord(3, 0xE012, 2, 2, 2)));
    QInverter* a = Add(QStringLiteral("A"), 3);
    Select(a);
    QUserActivity::SetIdleCheck(true);
    SystemClock::Advance(60000);
    QString code;
    bool idleCheck = true;
    WhenModal([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QFaultDlg*>(modal)) {
            code = Text(dialog, "Fault_code");
            idleCheck = QUserActivity::IdleCheck();
        }
    });
    QTest::mouseDClick(Cell(2), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(code, QStringLiteral("0XE012"));
    QVERIFY(!idleCheck);
    QVERIFY(QUserActivity::IdleCheck());
    QCOMPARE(QUserActivity::IdleSeconds(), qint64(0));
}

void TestStatusPage::areasFollowThePageWidth() {
    const QScrollArea* gridArea = m_pPage->FaultArea();
    const auto* textArea = m_pPage->findChild<QScrollArea*>(QStringLiteral("textArea"));
    for (int width : {1200, 900, 1400}) {
        m_pPage->resize(width, 560);
        QCoreApplication::processEvents();
        QCOMPARE(m_pPage->FaultGrid()->width(), gridArea->width() - 19);
        QCOMPARE(m_pPage->TextOutput()->width(), textArea->width() - 19);
    }
}

QTEST_MAIN(TestStatusPage)
#include "test_status_page.moc"

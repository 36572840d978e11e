#include "QFaultListWidget.h"
#include "QFaultPane.h"
#include "QOutputPane.h"
#include "QOutputTrend.h"
#include "QTextOutItem.h"
#include "QTextOutWidget.h"
#include "ViewsTestSupport.h"

#include <QScrollBar>
#include <QtTest>

using namespace viewstest;

class TestOutputPanes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_pData = new DataDir; }
    void cleanupTestCase() { delete m_pData; }
    void init() { SystemClock::SetFixed(QDateTime(QDate(2024, 6, 1), QTime(12, 30, 0))); }
    void cleanup() { SystemClock::UseSystem(); }

    void textListKeepsTheNewestHundredLines();
    void textListWidthFollowsTheLongestLineAndTheMinimum();
    void textLineTipDropsTheIndent();
    void clickingASecondLineDeselectsTheFirst();
    void clearingDeselectsAndEmpties();

    void outputScaleFollowsTheLargestSample_data();
    void outputScaleFollowsTheLargestSample();
    void outputCurveTakesTodaysHistoryFromTheStartHour();
    void startHourLaterThanNowStoresNothing();
    void currentMinuteSampleIsTakenEveryTick();
    void outputTitleShowsNameAndAddress();

    void paneIgnoresDuplicatesAndNone();
    void paneShowsScrollBarOnlyWhenItemsOverflow();
    void paneScrollsByWheelAndBar();
    void paneSynchronisesWithThePlantOrder();
    void paneStartHourReachesEveryCurve();

    void faultPanelCountsFaultsNotInverters();
    void faultPanelGeometryFollowsItsSize();

private:
    DataDir* m_pData = nullptr;
};

void TestOutputPanes::textListKeepsTheNewestHundredLines() {
    QTextOutWidget list;
    for (int i = 1; i <= 100; ++i) {
        list.AddLine(QStringLiteral("line %1").arg(i), 0);
    }
    QCOMPARE(list.LineCount(), 100);
    QCOMPARE(list.Line(0)->Text(), QStringLiteral("line 1"));
    list.AddLine(QStringLiteral("line 101"), 0);
    QCOMPARE(list.LineCount(), 100);
    QCOMPARE(list.Line(0)->Text(), QStringLiteral("line 2"));
    QCOMPARE(list.Line(99)->Text(), QStringLiteral("line 101"));
    // Lines stack 16 pixels apart, one pixel in; the list is as tall as its lines.
    QCOMPARE(list.Line(1)->geometry().topLeft(), QPoint(1, 17));
    QCOMPARE(list.height(), 100 * 16);
    QCOMPARE(list.findChildren<QTextOutItem*>().size(), 100);
}

void TestOutputPanes::textListWidthFollowsTheLongestLineAndTheMinimum() {
    QTextOutWidget list;
    list.AddLine(QStringLiteral("short"), 0);
    const QString longText = QStringLiteral("   a considerably longer event text line");
    list.AddLine(longText, 0);
    const int needed = list.Line(1)->fontMetrics().horizontalAdvance(longText) + 20;
    QCOMPARE(list.width(), needed);
    QCOMPARE(list.Line(0)->width(), needed);
    list.SetMinWidth(needed + 200);
    QCOMPARE(list.width(), needed + 200);
    QCOMPARE(list.Line(0)->size(), QSize(needed + 200, 16));
}

void TestOutputPanes::textLineTipDropsTheIndent() {
    QTextOutItem item;
    item.SetText(QStringLiteral("      The fault code: E006"), 0);
    QCOMPARE(item.toolTip(), QStringLiteral("The fault code: E006"));
    QCOMPARE(item.Kind(), 0);
    item.SetText(QStringLiteral("other"), 3);
    QCOMPARE(item.Kind(), 3);
    QCOMPARE(item.toolTip(), QStringLiteral("other"));
}

void TestOutputPanes::clickingASecondLineDeselectsTheFirst() {
    QTextOutWidget list;
    list.resize(300, 100);
    list.AddLine(QStringLiteral("first"), 0);
    list.AddLine(QStringLiteral("second"), 0);
    list.show();
    QTextOutItem* first = list.Line(0);
    QTextOutItem* second = list.Line(1);
    QTest::mouseClick(first, Qt::LeftButton);
    QCOMPARE(QTextOutItem::SelectedItem(), first);
    QCOMPARE(first->ItemState(), int(QTextOutItem::StateSelected));
    QTest::mouseClick(second, Qt::LeftButton);
    QCOMPARE(QTextOutItem::SelectedItem(), second);
    QCOMPARE(first->ItemState(), int(QTextOutItem::StateNormal));
    QCOMPARE(second->ItemState(), int(QTextOutItem::StateSelected));

    // Hovering shows the hover state; leaving returns to selected for the selected line.
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(second, &enter);
    QCOMPARE(second->ItemState(), int(QTextOutItem::StateHover));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(second, &leave);
    QCOMPARE(second->ItemState(), int(QTextOutItem::StateSelected));
    QCoreApplication::sendEvent(first, &enter);
    QCoreApplication::sendEvent(first, &leave);
    QCOMPARE(first->ItemState(), int(QTextOutItem::StateNormal));
}

void TestOutputPanes::clearingDeselectsAndEmpties() {
    QTextOutWidget other;
    other.AddLine(QStringLiteral("elsewhere"), 0);
    QTextOutWidget list;
    list.AddLine(QStringLiteral("kept?"), 0);
    QTest::mouseClick(other.Line(0), Qt::LeftButton);
    QCOMPARE(QTextOutItem::SelectedItem(), other.Line(0));
    list.Clear();
    QCOMPARE(list.LineCount(), 0);
    QCOMPARE(list.height(), 0);
    QCOMPARE(QTextOutItem::SelectedItem(), nullptr);
    QCOMPARE(other.Line(0)->ItemState(), int(QTextOutItem::StateNormal));
    // A deleted selected line never leaves a dangling selection behind.
    QTest::mouseClick(other.Line(0), Qt::LeftButton);
    other.Clear();
    QCOMPARE(QTextOutItem::SelectedItem(), nullptr);
}

void TestOutputPanes::outputScaleFollowsTheLargestSample_data() {
    QTest::addColumn<int>("largest");
    QTest::addColumn<int>("scale");
    QTest::newRow("none") << -1 << 2000;
    QTest::newRow("small") << 1500 << 2000;
    QTest::newRow("exactly 2000") << 2000 << 2000;
    QTest::newRow("2001") << 2001 << 3000;
    QTest::newRow("4500") << 4500 << 5000;
    QTest::newRow("5000") << 5000 << 6000;
    QTest::newRow("17250") << 17250 << 18000;
}

void TestOutputPanes::outputScaleFollowsTheLargestSample() {
    QFETCH(int, largest);
    QFETCH(int, scale);
    QInverter inverter;
    inverter.SetMinuteValue(1, 9 * 60, 800);
    inverter.SetMinuteValue(1, 11 * 60, largest);
    QOutputTrend curve(&inverter, 6);
    QCOMPARE(curve.Scale(), scale);
    // The base line at 110, the scale 90 pixels above it.
    QCOMPARE(curve.YOf(0), 110);
    QCOMPARE(curve.YOf(scale), 20);
    QCOMPARE(curve.YOf(scale / 2), 65);
}

void TestOutputPanes::outputCurveTakesTodaysHistoryFromTheStartHour() {
    QInverter inverter;
    inverter.SetMinuteValue(1, 5 * 60 + 59, 111); // before the start hour
    inverter.SetMinuteValue(1, 6 * 60, 222);
    inverter.SetMinuteValue(1, 12 * 60 + 30, 333); // the current minute
    inverter.SetMinuteValue(1, 12 * 60 + 31, 444); // not yet
    QOutputTrend curve(&inverter, 6);
    QCOMPARE(curve.Sample(0), 222);
    QCOMPARE(curve.Sample(1), -1);
    QCOMPARE(curve.Sample(6 * 60 + 30), 333);
    QCOMPARE(curve.Sample(6 * 60 + 31), -1);
    QCOMPARE(curve.Sample(1441), -1);
    curve.SetStartHour(5);
    QCOMPARE(curve.Sample(59), 111);
    QCOMPARE(curve.Sample(60), 222);
}

void TestOutputPanes::startHourLaterThanNowStoresNothing() {
    QInverter inverter;
    for (int minute = 0; minute < 1440; ++minute) {
        inverter.SetMinuteValue(1, minute, 1000);
    }
    QOutputTrend curve(&inverter, 13);
    for (int index = 0; index < QOutputTrend::SampleCount; ++index) {
        QCOMPARE(curve.Sample(index), -1);
    }
    curve.TakeCurrentSample(); // 12:30 lies before the start hour
    QCOMPARE(curve.Sample(0), -1);
}

void TestOutputPanes::currentMinuteSampleIsTakenEveryTick() {
    QInverter inverter;
    QOutputTrend curve(&inverter, 6);
    const int index = 6 * 60 + 30;
    QCOMPARE(curve.Sample(index), -1);
    inverter.SetMinuteValue(1, 12 * 60 + 30, 2500);
    curve.TakeCurrentSample();
    QCOMPARE(curve.Sample(index), 2500);
    SystemClock::Advance(60 * 1000);
    inverter.SetMinuteValue(1, 12 * 60 + 31, 2600);
    curve.TakeCurrentSample();
    QCOMPARE(curve.Sample(index + 1), 2600);
    QCOMPARE(curve.Scale(), 3000);
    curve.resize(400, 150);
    QVERIFY(!curve.grab().isNull()); // paints without a fault
}

void TestOutputPanes::outputTitleShowsNameAndAddress() {
    QScopedPointer<QInverter> inverter(
        MakeInverter(QStringLiteral("Roof east"), 7, QStringLiteral("Tivra PA5KS")));
    QOutputTrend curve(inverter.data(), 6);
    auto* title = curve.findChild<QLabel*>(QStringLiteral("title"));
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("Roof east(007)"));
    QCOMPARE(title->toolTip(), title->text());
}

void TestOutputPanes::paneIgnoresDuplicatesAndNone() {
    QOutputPane pane;
    QInverter a;
    pane.AddInverter(nullptr);
    QCOMPARE(pane.ItemCount(), 0);
    pane.AddInverter(&a);
    pane.AddInverter(&a);
    QCOMPARE(pane.ItemCount(), 1);
    QCOMPARE(pane.objectName(), QStringLiteral("QOutputPane"));
    QCOMPARE(pane.ScrollBar()->objectName(), QStringLiteral("verticalScrollBar"));
    pane.RemoveInverter(&a);
    QCOMPARE(pane.ItemCount(), 0);
}

void TestOutputPanes::paneShowsScrollBarOnlyWhenItemsOverflow() {
    QOutputPane pane;
    pane.resize(400, 300);
    pane.show();
    QInverter a, b, c;
    pane.AddInverter(&a);
    pane.AddInverter(&b);
    // Exactly filled: 2 x 150 is not more than 300.
    QVERIFY(!pane.ScrollBar()->isVisible());
    QCOMPARE(pane.Item(0)->geometry(), QRect(0, 0, 401, 150));
    QCOMPARE(pane.Item(1)->geometry(), QRect(0, 150, 401, 150));
    pane.AddInverter(&c);
    QVERIFY(pane.ScrollBar()->isVisible());
    QCOMPARE(pane.ScrollBar()->geometry(), QRect(385, 0, 16, 300));
    QCOMPARE(pane.ScrollBar()->maximum(), (450 - 300) / 10);
    QCOMPARE(pane.Item(2)->geometry(), QRect(0, 300, 385, 150));
    pane.RemoveInverter(&c);
    QVERIFY(!pane.ScrollBar()->isVisible());
    QCOMPARE(pane.Item(1)->width(), 401);
}

void TestOutputPanes::paneScrollsByWheelAndBar() {
    QOutputPane pane;
    pane.resize(400, 300);
    pane.show();
    QInverter inverters[4];
    for (QInverter& inverter : inverters) {
        pane.AddInverter(&inverter);
    }
    QCOMPARE(pane.ScrollBar()->maximum(), 30);
    pane.ScrollBar()->setValue(7);
    QCOMPARE(pane.Item(1)->y(), 150 - 70);
    // One notch down moves the bar by one step (10 pixels).
    QWheelEvent down(QPointF(10, 10), pane.mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&pane, &down);
    QCOMPARE(pane.ScrollBar()->value(), 8);
    QCOMPARE(pane.Item(0)->y(), -80);
    QWheelEvent up(QPointF(10, 10), pane.mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 360), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&pane, &up);
    QCOMPARE(pane.ScrollBar()->value(), 5);
}

void TestOutputPanes::paneSynchronisesWithThePlantOrder() {
    QSystemModel plant;
    QInverter* a = MakeInverter(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS"));
    QInverter* b = MakeInverter(QStringLiteral("B"), 2, QStringLiteral("Tivra PA5KS"));
    QInverter* c = MakeInverter(QStringLiteral("C"), 3, QStringLiteral("Tivra PA5KS"));
    QVERIFY(plant.AddInverter(a));
    QVERIFY(plant.AddInverter(b));
    QVERIFY(plant.AddInverter(c));
    QOutputPane pane;
    pane.resize(400, 200);
    pane.SetSystemModel(&plant);
    pane.AddInverter(a);
    pane.AddInverter(b);
    pane.AddInverter(c);
    pane.ScrollBar()->setValue(5);
    plant.RemoveInverter(b);
    pane.SyncWithPlant();
    QCOMPARE(pane.ItemCount(), 2);
    QCOMPARE(pane.Item(0)->Inverter(), a);
    QCOMPARE(pane.Item(1)->Inverter(), c);
    QCOMPARE(pane.ScrollBar()->value(), 0);
    QCOMPARE(pane.Item(1)->y(), 150);

    plant.RemoveInverter(a);
    plant.RemoveInverter(c);
    pane.SyncWithPlant();
    QCOMPARE(pane.ItemCount(), 0);
}

void TestOutputPanes::paneStartHourReachesEveryCurve() {
    QOutputPane pane;
    QInverter a, b;
    pane.AddInverter(&a);
    pane.SetStartHour(8);
    pane.AddInverter(&b);
    QCOMPARE(pane.StartHour(), 8);
    QCOMPARE(pane.Item(0)->StartHour(), 8);
    QCOMPARE(pane.Item(1)->StartHour(), 8);
    a.SetMinuteValue(1, 12 * 60 + 30, 1234);
    pane.OnTimer();
    QCOMPARE(pane.Item(0)->Sample(4 * 60 + 30), 1234);
}

void TestOutputPanes::faultPanelCountsFaultsNotInverters() {
    QSystemModel plant;
    QInverter* a = MakeInverter(QStringLiteral("Alpha"), 1, QStringLiteral("Tivra PA5KS"));
    QInverter* b = MakeInverter(QStringLiteral("Beta"), 12, QStringLiteral("Tivra PA10KT"));
    QInverter* c = MakeInverter(QStringLiteral("Gamma"), 3, QStringLiteral("Tivra PA5KS"));
    plant.AddInverter(a);
    plant.AddInverter(b);
    plant.AddInverter(c);
    SetFault(*a, 2, 0xE006);
    SetFault(*b, 0, 0xA001);
    SetFault(*b, 5, 0xA025);
    SetFault(*c, 1, 0); // a slot in use without a fault

    QFaultListWidget panel;
    panel.SetSystemModel(&plant);
    panel.Refresh();
    QCOMPARE(panel.FaultCount(), 3);
    QCOMPARE(Text(&panel, "quantity"), QStringLiteral("Quantity: 3"));
    QCOMPARE(Text(&panel, "title"), QStringLiteral("Inverters in failure"));
    QFaultPane* pane = panel.FaultPane();
    QCOMPARE(pane->faultCount(), 3);
    // Plant order, then slot order within an inverter.
    QCOMPARE(pane->entryTitle(0), QStringLiteral("Alpha (001)"));
    QCOMPARE(pane->entryDetail(0), QStringLiteral("E006 Over temperature"));
    QCOMPARE(pane->entryTitle(1), QStringLiteral("Beta (012)"));
    QCOMPARE(pane->entryDetail(1), QStringLiteral("A001 Input under volt."));
    QCOMPARE(pane->entryDetail(2), QStringLiteral("A025 Current anomaly"));

    SetFault(*b, 0, 0);
    SetFault(*b, 5, 0);
    panel.Refresh();
    QCOMPARE(Text(&panel, "quantity"), QStringLiteral("Quantity: 1"));
    QCOMPARE(pane->faultCount(), 1);

    // A code without a name still shows its number.
    pane->clearFault();
    pane->addFault(QStringLiteral("Delta"), 4, 0xE002);
    pane->refreshList();
    QCOMPARE(pane->entryTitle(0), QStringLiteral("Delta (004)"));
    QCOMPARE(pane->entryDetail(0), QStringLiteral("E002"));
}

void TestOutputPanes::faultPanelGeometryFollowsItsSize() {
    QFaultListWidget panel;
    QCOMPARE(panel.size(), QSize(150, 300));
    panel.resize(180, 400);
    panel.show();
    QCOMPARE(panel.findChild<QLabel*>(QStringLiteral("title"))->geometry(), QRect(0, 0, 180, 30));
    QCOMPARE(panel.findChild<QLabel*>(QStringLiteral("quantity"))->geometry(), QRect(0, 30, 180, 30));
    QCOMPARE(panel.FaultPane()->size(), QSize(179, 341));
    QCOMPARE(panel.FaultPane()->objectName(), QStringLiteral("fault_pane"));

    // Many faults scroll inside the pane with the wheel, never past the last one.
    QSystemModel plant;
    QInverter* a = MakeInverter(QStringLiteral("Alpha"), 1, QStringLiteral("Tivra PA5KS"));
    plant.AddInverter(a);
    const int codes[8] = {0xE001, 0xE003, 0xE004, 0xE005, 0xE006, 0xE007, 0xE008, 0xE009};
    for (int slot = 0; slot < 8; ++slot) {
        SetFault(*a, slot, codes[slot]);
    }
    panel.resize(180, 200);
    panel.SetSystemModel(&plant);
    panel.Refresh();
    QFaultPane* pane = panel.FaultPane();
    QCOMPARE(pane->height(), 141);
    QWheelEvent down(QPointF(10, 10), pane->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -1200),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(pane, &down);
    QCOMPARE(pane->scrollOffset(), 8 * QFaultPane::EntryHeight - pane->height());
    QVERIFY(!panel.grab().isNull());
}

QTEST_MAIN(TestOutputPanes)
#include "test_output_panes.moc"

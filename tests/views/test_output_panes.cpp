#include "../common/PaintWatch.h"
#include "QFaultListWidget.h"
#include "QFaultPane.h"
#include "QOutputPane.h"
#include "QOutputTrend.h"
#include "QTextOutItem.h"
#include "QTextOutWidget.h"
#include "ViewsTestSupport.h"

#include <QScreen>
#include <QScrollBar>
#include <QtTest>

using namespace viewstest;

namespace {
void Wheel(QWidget* widget, int delta) {
    QWheelEvent wheel(QPointF(10, 10), widget->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &wheel);
}
} // namespace

class TestOutputPanes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_pData = new DataDir; }
    void cleanupTestCase() { delete m_pData; }
    void init() { SystemClock::SetFixed(QDateTime(QDate(2024, 6, 1), QTime(12, 30, 0))); }
    void cleanup() { SystemClock::UseSystem(); }

    void textListKeepsTheNewestHundredLines();
    void textLinesSelectOneAtATime();

    void outputScaleFollowsTheLargestSample_data();
    void outputScaleFollowsTheLargestSample();
    void outputCurveTakesTodaysHistoryFromTheStartHour();
    void startHourLaterThanNowStoresNothing();
    void newSampleRepaintsTheCurveAroundIt();

    void paneLaysOutAndScrollsItsCurves();
    void paneSynchronisesWithThePlantOrder();

    void faultPanelCountsFaultsNotInverters();

private:
    DataDir* m_pData = nullptr;
};

void TestOutputPanes::textListKeepsTheNewestHundredLines() {
    QTextOutWidget list;
    for (int i = 1; i <= 101; ++i) {
        list.AddLine(QStringLiteral("line %1").arg(i), 0);
    }
    QCOMPARE(list.LineCount(), 100);
    QCOMPARE(list.Line(0)->Text(), QStringLiteral("line 2"));
    QCOMPARE(list.Line(99)->Text(), QStringLiteral("line 101"));
    QCOMPARE(list.findChildren<QTextOutItem*>().size(), 100);
    QCOMPARE(list.Line(1)->geometry().topLeft(), QPoint(1, 17));
    QCOMPARE(list.height(), 100 * 16);

    // Width: the longest line plus room for its marker, or the minimum when larger.
    const QString longText = QStringLiteral("      The fault code: E006 and some more words");
    list.AddLine(longText, 0);
    const int needed = list.Line(99)->fontMetrics().horizontalAdvance(longText) + 20;
    QCOMPARE(list.width(), needed);
    list.SetMinWidth(needed + 200);
    QCOMPARE(list.Line(0)->size(), QSize(needed + 200, 16));
    QCOMPARE(list.Line(99)->toolTip(), QStringLiteral("The fault code: E006 and some more words"));
}

void TestOutputPanes::textLinesSelectOneAtATime() {
    QTextOutWidget other;
    other.AddLine(QStringLiteral("elsewhere"), 0);
    QTextOutWidget list;
    list.AddLine(QStringLiteral("first"), 0);
    list.AddLine(QStringLiteral("second"), 1);
    QTest::mouseClick(list.Line(0), Qt::LeftButton);
    QTest::mouseClick(list.Line(1), Qt::LeftButton);
    QCOMPARE(QTextOutItem::SelectedItem(), list.Line(1));
    QCOMPARE(list.Line(0)->ItemState(), int(QTextOutItem::StateNormal));
    QCOMPARE(list.Line(1)->ItemState(), int(QTextOutItem::StateSelected));
    // Leaving the selected line keeps it selected.
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(list.Line(1), &leave);
    QCOMPARE(list.Line(1)->ItemState(), int(QTextOutItem::StateSelected));

    // Clearing a list deselects whatever was selected, in whichever list.
    QTest::mouseClick(other.Line(0), Qt::LeftButton);
    list.Clear();
    QCOMPARE(list.LineCount(), 0);
    QCOMPARE(QTextOutItem::SelectedItem(), nullptr);
    QCOMPARE(other.Line(0)->ItemState(), int(QTextOutItem::StateNormal));
    // A selected line that goes away leaves no selection behind.
    QTest::mouseClick(other.Line(0), Qt::LeftButton);
    other.Clear();
    QCOMPARE(QTextOutItem::SelectedItem(), nullptr);
}

void TestOutputPanes::outputScaleFollowsTheLargestSample_data() {
    QTest::addColumn<int>("largest");
    QTest::addColumn<int>("scale");
    QTest::newRow("no sample") << -1 << 2000;
    QTest::newRow("exactly 2000") << 2000 << 2000;
    QTest::newRow("2001") << 2001 << 3000;
    QTest::newRow("4500") << 4500 << 5000;
    QTest::newRow("5000") << 5000 << 6000;
}

void TestOutputPanes::outputScaleFollowsTheLargestSample() {
    QFETCH(int, largest);
    QFETCH(int, scale);
    QInverter inverter;
    inverter.SetMinuteValue(1, 9 * 60, 800);
    inverter.SetMinuteValue(1, 11 * 60, largest);
    QOutputTrend curve(&inverter, 6);
    QCOMPARE(curve.Scale(), scale);
    QCOMPARE(curve.YOf(0), 110);
    QCOMPARE(curve.YOf(scale), 20);
}

void TestOutputPanes::outputCurveTakesTodaysHistoryFromTheStartHour() {
    QScopedPointer<QInverter> inverter(
        MakeInverter(QStringLiteral("Roof east"), 7, QStringLiteral("Tivra PA5KS")));
    inverter->SetMinuteValue(1, 5 * 60 + 59, 111); // before the start hour
    inverter->SetMinuteValue(1, 6 * 60, 222);
    inverter->SetMinuteValue(1, 12 * 60 + 30, 333); // the current minute
    inverter->SetMinuteValue(1, 12 * 60 + 31, 444); // not yet
    QOutputTrend curve(inverter.data(), 6);
    QCOMPARE(curve.findChild<QLabel*>(QStringLiteral("title"))->text(), QStringLiteral("Roof east(007)"));
    QCOMPARE(curve.Sample(0), 222);
    QCOMPARE(curve.Sample(6 * 60 + 30), 333);
    QCOMPARE(curve.Sample(6 * 60 + 31), -1);
    curve.SetStartHour(5);
    QCOMPARE(curve.Sample(59), 111);

    // Each tick takes the current minute.
    SystemClock::Advance(60 * 1000);
    curve.TakeCurrentSample();
    QCOMPARE(curve.Sample(7 * 60 + 31), 444);
    curve.resize(400, 150);
    QVERIFY(!curve.grab().isNull());
}

void TestOutputPanes::startHourLaterThanNowStoresNothing() {
    QInverter inverter;
    for (int minute = 0; minute < 1440; ++minute) {
        inverter.SetMinuteValue(1, minute, 1000);
    }
    QOutputTrend curve(&inverter, 13);
    curve.TakeCurrentSample();
    for (int index = 0; index < QOutputTrend::SampleCount; ++index) {
        QCOMPARE(curve.Sample(index), -1);
    }
}

// The current minute's value changes every second: the curve is painted again
// around it alone, unless the scale moves; either way the window shows what a
// whole new picture of the curve would.
void TestOutputPanes::newSampleRepaintsTheCurveAroundIt() {
    QInverter inverter;
    for (int minute = 6 * 60; minute < 12 * 60 + 30; minute += 3) {
        inverter.SetMinuteValue(1, minute, 1000 + minute % 700);
    }
    QOutputPane pane;
    pane.resize(500, 160);
    pane.AddInverter(&inverter);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    QOutputTrend* curve = pane.Item(0);
    QCoreApplication::processEvents();
    const int current = 12 * 60 + 30;
    const int index = current - 6 * 60;
    const int span = 18 * 60;
    const int x = 40 + index * (curve->width() - 14 - 40) / span;

    PaintWatch watch;
    inverter.SetMinuteValue(1, current, 1500);
    curve->TakeCurrentSample();
    QTRY_VERIFY(watch.WasPainted(curve));
    const QRect strip = watch.Painted(curve).boundingRect();
    QVERIFY2(strip.width() < 20 && strip.left() <= x && strip.right() >= x,
             qPrintable(QStringLiteral("%1..%2 around %3").arg(strip.left()).arg(strip.right()).arg(x)));
    QVERIFY(!watch.WasPainted(&pane));
    QVERIFY(!watch.WasPainted(curve->findChild<QLabel*>(QStringLiteral("title"))));
    const QImage shown = pane.screen()->grabWindow(pane.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, pane.grab().toImage().convertToFormat(QImage::Format_RGB32));

    // Above the scale: the axis labels change, the whole curve is painted again.
    watch.Clear();
    inverter.SetMinuteValue(1, current, 4500);
    curve->TakeCurrentSample();
    QTRY_VERIFY(watch.WasPainted(curve));
    QCOMPARE(watch.Painted(curve).boundingRect(), curve->visibleRegion().boundingRect());
    QCOMPARE(curve->Scale(), 5000);
}

void TestOutputPanes::paneLaysOutAndScrollsItsCurves() {
    QOutputPane pane;
    pane.resize(400, 300);
    pane.show();
    QInverter inverters[4];
    pane.AddInverter(nullptr);
    pane.AddInverter(&inverters[0]);
    pane.AddInverter(&inverters[0]);
    pane.AddInverter(&inverters[1]);
    // Exactly filled (2 x 150 is not more than 300): no bar, items one pixel wider.
    QCOMPARE(pane.ItemCount(), 2);
    QVERIFY(!pane.ScrollBar()->isVisible());
    QCOMPARE(pane.Item(1)->geometry(), QRect(0, 150, 401, 150));

    pane.AddInverter(&inverters[2]);
    pane.AddInverter(&inverters[3]);
    QVERIFY(pane.ScrollBar()->isVisible());
    QCOMPARE(pane.ScrollBar()->geometry(), QRect(385, 0, 16, 300));
    QCOMPARE(pane.ScrollBar()->maximum(), (600 - 300) / 10);
    QCOMPARE(pane.Item(2)->geometry(), QRect(0, 300, 385, 150));
    pane.ScrollBar()->setValue(7);
    QCOMPARE(pane.Item(1)->y(), 150 - 70);
    Wheel(&pane, -120); // one notch down, one step of 10 pixels
    QCOMPARE(pane.ScrollBar()->value(), 8);
    Wheel(&pane, 360);
    QCOMPARE(pane.ScrollBar()->value(), 5);

    pane.SetStartHour(8);
    QCOMPARE(pane.Item(3)->StartHour(), 8);
    inverters[3].SetMinuteValue(1, 12 * 60 + 30, 1234);
    pane.OnTimer();
    QCOMPARE(pane.Item(3)->Sample(4 * 60 + 30), 1234);
    pane.RemoveInverter(&inverters[3]);
    pane.RemoveInverter(&inverters[2]);
    QVERIFY(!pane.ScrollBar()->isVisible());
}

void TestOutputPanes::paneSynchronisesWithThePlantOrder() {
    QSystemModel plant;
    QInverter* a = MakeInverter(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS"));
    QInverter* b = MakeInverter(QStringLiteral("B"), 2, QStringLiteral("Tivra PA5KS"));
    QInverter* c = MakeInverter(QStringLiteral("C"), 3, QStringLiteral("Tivra PA5KS"));
    QOutputPane pane;
    pane.resize(400, 200);
    pane.SetSystemModel(&plant);
    for (QInverter* inverter : {a, b, c}) {
        plant.AddInverter(inverter);
        pane.AddInverter(inverter);
    }
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

void TestOutputPanes::faultPanelCountsFaultsNotInverters() {
    QSystemModel plant;
    QInverter* a = MakeInverter(QStringLiteral("Alpha"), 1, QStringLiteral("Tivra PA5KS"));
    QInverter* b = MakeInverter(QStringLiteral("Beta"), 12, QStringLiteral("Tivra PA10KT"));
    plant.AddInverter(a);
    plant.AddInverter(b);
    SetFault(*a, 2, 0xE006);
    SetFault(*b, 0, 0xA001);
    SetFault(*b, 5, 0xA025);
    SetFault(*a, 1, 0); // a slot in use without a fault

    QFaultListWidget panel;
    panel.resize(180, 200);
    panel.show();
    panel.SetSystemModel(&plant);
    panel.Refresh();
    QCOMPARE(Text(&panel, "quantity"), QStringLiteral("Quantity: 3"));
    QFaultPane* pane = panel.FaultPane();
    QCOMPARE(pane->size(), QSize(179, 141));
    // Plant order, then slot order within an inverter.
    QCOMPARE(pane->entryTitle(0), QStringLiteral("Alpha (001)"));
    QCOMPARE(pane->entryDetail(0), QStringLiteral("E006 Over temperature"));
    QCOMPARE(pane->entryTitle(1), QStringLiteral("Beta (012)"));
    QCOMPARE(pane->entryDetail(2), QStringLiteral("A025 Current anomaly"));
    // The list scrolls with the wheel, never past its last entry.
    Wheel(pane, -1200);
    QCOMPARE(pane->scrollOffset(), 0); // three entries fit
    const int codes[8] = {0xE001, 0xE003, 0xE004, 0xE005, 0xE006, 0xE007, 0xE008, 0xE009};
    for (int slot = 0; slot < 8; ++slot) {
        SetFault(*a, slot, codes[slot]);
    }
    panel.Refresh();
    QCOMPARE(panel.FaultCount(), 10);
    Wheel(pane, -1200);
    QCOMPARE(pane->scrollOffset(), 10 * QFaultPane::EntryHeight - pane->height());
    QVERIFY(!panel.grab().isNull());

    for (int slot = 0; slot < 8; ++slot) {
        SetFault(*a, slot, 0);
    }
    SetFault(*b, 0, 0);
    SetFault(*b, 5, 0);
    panel.Refresh();
    QCOMPARE(Text(&panel, "quantity"), QStringLiteral("Quantity: 0"));
    QCOMPARE(pane->scrollOffset(), 0);
    // A code without a name still shows its number.
    pane->addFault(QStringLiteral("Delta"), 4, 0xE002);
    pane->refreshList();
    QCOMPARE(pane->entryDetail(0), QStringLiteral("E002"));
}

QTEST_MAIN(TestOutputPanes)
#include "test_output_panes.moc"

#include "Page2.h"
#include "Page21.h"
#include "Page22.h"
#include "Page23.h"
#include "Page24.h"
#include "Page25.h"
#include "QEventLog.h"
#include "QMyEvent.h"
#include "QTrend.h"
#include "QUserActivity.h"
#include "QtMyTree.h"
#include "QtMyTreeItem.h"
#include "ViewsTestSupport.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>
#include <functional>

using namespace viewstest;

namespace {

// Stands in for the main window: records the events the browser sends it and,
// like the main window, removes an inverter on 1006 (unless told to defer).
class MainWindowProbe : public QObject {
public:
    MainWindowProbe(QSystemModel* plant, Page2* page) : m_pPlant(plant), m_pPage(page) {}
    QList<int> types;
    bool removeOnDelete = true;
    // Seen when 1006 arrived: the selected entry, the current inverter, the entry still in the tree.
    QtMyTreeItem* selectedAtDelete = nullptr;
    QInverter* currentAtDelete = nullptr;
    bool entryAliveAtDelete = false;

protected:
    bool event(QEvent* event) override {
        const int type = event->type();
        if (type == EventItemDelete) {
            types.append(type);
            auto* item = reinterpret_cast<QtMyTreeItem*>(static_cast<QMyEvent*>(event)->m_nValue1);
            selectedAtDelete = QtMyTreeItem::GetSelectItem();
            currentAtDelete = m_pPage->CurrentInverter();
            entryAliveAtDelete =
                m_pPage->Tree()->Items(0).contains(item) || m_pPage->Tree()->Items(1).contains(item);
            if (removeOnDelete) {
                if (QInverter* inverter = m_pPlant->FindByTreeEntry(item)) {
                    m_pPlant->RemoveInverter(inverter);
                }
            }
            return true;
        }
        if (type == Page2::EventInverterEdited) {
            types.append(type);
            return true;
        }
        return QObject::event(event);
    }

private:
    QSystemModel* m_pPlant;
    Page2* m_pPage;
};

} // namespace

class TestBrowser : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_pData = new DataDir; }
    void cleanupTestCase() { delete m_pData; }
    void init();
    void cleanup();

    void entriesGoUnderTheirHeadWithIconAndAddress();
    void newEntryBecomesSelectedAndCurrent();
    void selectingAgainHandsTheEventLinesOutAgain();
    void refreshRecreatesTheEntryKeepingTheSelection();
    void timeAndDataTimeHeader();
    void dataTimeNeedsADateAbove65536_data();
    void dataTimeNeedsADateAbove65536();
    void tabButtonsDisableExactlyThePressedOne();
    void timerRefreshesTheTabs();
    void tabsBehindAnotherPageWaitAndComeUpCurrent();
    void trendTakesItsPointWhileThePageIsHidden();

    void guestGetsUserLevelNotEnough_data();
    void guestGetsUserLevelNotEnough();
    void analogDeviceIgnoresConnectAndRefusesEdit();
    void connectResumesPollingOfAnOfflineInverter();
    void connectAsksBeforeDisconnecting();
    void deletingTheSelectedInverterMovesTheSelectionFirst();
    void deletingAnotherInverterKeepsTheSelection();
    void deletingTheLastInverterLeavesNoneCurrent();
    void deferredRemovalLeavesNoDanglingEntry();
    void editedInverterIsReselectedAndPassedOn();

private:
    QtMyTreeItem* Entry(QInverter* inverter) const {
        return dynamic_cast<QtMyTreeItem*>(inverter->TreeEntry());
    }
    QInverter* Add(const QString& name, int address, const QString& model) {
        QInverter* inverter = MakeInverter(name, address, model);
        m_pPlant->AddInverter(inverter);
        m_pPage->AddInverterItem(inverter);
        return inverter;
    }
    void Post(QtMyTreeItem* item, void (QtMyTreeItem::*click)()) {
        (item->*click)();
        QCoreApplication::processEvents();
    }
    int EntryCount() const { return m_pPage->Tree()->Items(0).size() + m_pPage->Tree()->Items(1).size(); }
    void BeAdministrator() { m_pPlant->SetUserLevel(UserAdministrator); }

    DataDir* m_pData = nullptr;
    QScopedPointer<QSystemModel> m_pPlant;
    QScopedPointer<Page2> m_pPage;
    QScopedPointer<MainWindowProbe> m_pProbe;
};

void TestBrowser::init() {
    SystemClock::SetFixed(QDateTime(QDate(2024, 6, 1), QTime(12, 0, 0)));
    m_pPlant.reset(new QSystemModel);
    m_pPage.reset(new Page2);
    m_pPage->resize(1000, 600);
    m_pPage->SetSystemModel(m_pPlant.data());
    m_pProbe.reset(new MainWindowProbe(m_pPlant.data(), m_pPage.data()));
    m_pPage->SetMainWindow(m_pProbe.data());
}

void TestBrowser::cleanup() {
    m_pPage.reset();
    m_pProbe.reset();
    m_pPlant.reset();
    SystemClock::UseSystem();
}

void TestBrowser::entriesGoUnderTheirHeadWithIconAndAddress() {
    QInverter* single = Add(QStringLiteral("Roof"), 7, QStringLiteral("Tivra PA5KS"));
    QInverter* three = Add(QStringLiteral("Barn"), 123, QStringLiteral("Tivra PA10KT"));
    QInverter* micro = Add(QStringLiteral("Shed"), 12, QStringLiteral("Tivra PM2KS"));
    QCOMPARE(m_pPage->Tree()->Items(0), QList<QtMyTreeItem*>({Entry(single), Entry(micro)}));
    QCOMPARE(m_pPage->Tree()->Items(1), QList<QtMyTreeItem*>({Entry(three)}));
    QCOMPARE(Entry(single)->GetText(), QStringLiteral("Roof"));
    QCOMPARE(Entry(single)->GetIcon(), QStringLiteral("solar2.png"));
    QCOMPARE(Entry(three)->GetIcon(), QStringLiteral("solar3.png"));
    QCOMPARE(Entry(micro)->GetIcon(), QStringLiteral("solar5.png"));
    QCOMPARE(Entry(single)->GetExplain(), QStringLiteral("Address: 007"));
    QCOMPARE(Entry(three)->GetExplain(), QStringLiteral("Address: 123"));

    // A series outside 1 .. 5 gets no icon.
    auto* odd = new QInverter;
    odd->SetName(QStringLiteral("Odd"));
    ModelInfo info;
    info.m_nPicture = 6;
    odd->SetModel(info);
    odd->SetAddress(40);
    m_pPlant->AddInverter(odd);
    m_pPage->AddInverterItem(odd);
    QVERIFY(Entry(odd)->GetIcon().isEmpty());
}

void TestBrowser::newEntryBecomesSelectedAndCurrent() {
    QInverter* a = Add(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS"));
    QCOMPARE(QtMyTreeItem::GetSelectItem(), Entry(a));
    QCOMPARE(m_pPage->CurrentInverter(), a);
    QInverter* b = Add(QStringLiteral("B"), 2, QStringLiteral("Tivra PA5KS"));
    QCOMPARE(QtMyTreeItem::GetSelectItem(), Entry(b));
    QCOMPARE(m_pPage->CurrentInverter(), b);
    // A click on an entry selects its inverter.
    m_pPage->show();
    QTest::mouseClick(Entry(a), Qt::LeftButton, Qt::NoModifier, QPoint(60, 10));
    QCOMPARE(m_pPage->CurrentInverter(), a);
    QCOMPARE(QEventLog::CurrentInverter(), a);
}

void TestBrowser::selectingAgainHandsTheEventLinesOutAgain() {
    QStringList received;
    QEventLog::SetListener([&received](const QString& line, void*) { received.append(line); }, nullptr);
    QInverter* a = Add(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS"));
    QInverter* b = Add(QStringLiteral("B"), 2, QStringLiteral("Tivra PA5KS"));
    m_pPage->SelectInverter(a);
    const int linesOfA = a->EventLog().Lines().size();
    QVERIFY(linesOfA > 0); // joining the plant is logged
    QCOMPARE(a->EventLog().Delivered(), linesOfA);
    received.clear();
    m_pPage->SelectInverter(b);
    QCOMPARE(a->EventLog().Delivered(), 0);
    m_pPage->SelectInverter(a);
    QCOMPARE(received.mid(received.size() - linesOfA), a->EventLog().Lines());
    QEventLog::SetListener(nullptr, nullptr);
}

void TestBrowser::refreshRecreatesTheEntryKeepingTheSelection() {
    QInverter* a = Add(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS"));
    QInverter* b = Add(QStringLiteral("B"), 2, QStringLiteral("Tivra PA5KS"));
    QCOMPARE(QtMyTreeItem::GetSelectItem(), Entry(b));

    a->SetName(QStringLiteral("A renamed"));
    a->SetModel(QInverter::LookupModel(QStringLiteral("Tivra PA10KT")));
    m_pPage->RefreshInverterItem(a);
    QCOMPARE(Entry(a)->GetText(), QStringLiteral("A renamed"));
    QCOMPARE(m_pPage->Tree()->Items(1), QList<QtMyTreeItem*>({Entry(a)}));
    QCOMPARE(m_pPage->Tree()->Items(0), QList<QtMyTreeItem*>({Entry(b)}));
    QCOMPARE(QtMyTreeItem::GetSelectItem(), Entry(b));

    b->SetAddress(99);
    m_pPage->RefreshInverterItem(b);
    QCOMPARE(Entry(b)->GetExplain(), QStringLiteral("Address: 099"));
    QCOMPARE(QtMyTreeItem::GetSelectItem(), Entry(b));
    QCOMPARE(m_pPage->CurrentInverter(), b);
    QCOMPARE(EntryCount(), 2);
}

void TestBrowser::timeAndDataTimeHeader() {
    QMetaObject::invokeMethod(m_pPage.data(), "OnFlashTimer");
    QCOMPARE(Text(m_pPage.data(), "time_label"), QStringLiteral("Current time:2024-06-01 12:00:00"));
    QCOMPARE(Text(m_pPage.data(), "data_time"), QStringLiteral("Data Time:-"));
    QInverter* a = Add(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS"));
    a->SetItem(28, 24 << 16 | 6 << 8 | 1);
    a->SetItem(27, 13 << 16 | 5 << 8 | 9);
    SystemClock::Advance(1000);
    QMetaObject::invokeMethod(m_pPage.data(), "OnFlashTimer");
    QCOMPARE(Text(m_pPage.data(), "time_label"), QStringLiteral("Current time:2024-06-01 12:00:01"));
    QCOMPARE(Text(m_pPage.data(), "data_time"), QStringLiteral("Data Time:2024-06-01 13:05:09"));
    QCOMPARE(a->Item(28).m_bFresh, uchar(1)); // read without using the value up
}

void TestBrowser::dataTimeNeedsADateAbove65536_data() {
    QTest::addColumn<int>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << QStringLiteral("Data Time:-");
    QTest::newRow("65536") << 0x10000 << QStringLiteral("Data Time:-");
    QTest::newRow("negative") << -5 << QStringLiteral("Data Time:-");
    QTest::newRow("65537") << 0x10001 << QStringLiteral("Data Time:2001-00-01 00:00:00");
}

void TestBrowser::dataTimeNeedsADateAbove65536() {
    QFETCH(int, date);
    QFETCH(QString, text);
    QInverter* a = Add(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS"));
    a->SetItem(28, date);
    QMetaObject::invokeMethod(m_pPage.data(), "OnFlashTimer");
    QCOMPARE(Text(m_pPage.data(), "data_time"), text);
}

void TestBrowser::tabButtonsDisableExactlyThePressedOne() {
    auto* stack = m_pPage->findChild<QStackedWidget*>(QStringLiteral("stackedWidget"));
    QCOMPARE(stack->currentIndex(), 0);
    const char* names[5] = {"page21btn", "page22btn", "page23btn", "page24btn", "page25btn"};
    QPushButton* buttons[5];
    for (int i = 0; i < 5; ++i) {
        buttons[i] = m_pPage->findChild<QPushButton*>(QLatin1String(names[i]));
        QVERIFY(buttons[i]);
    }
    QVERIFY(!buttons[0]->isEnabled());
    QCOMPARE(buttons[2]->text(), QStringLiteral("Historical"));
    for (int pressed : {3, 1, 4, 0, 2}) {
        SystemClock::Advance(1000 * 1000);
        buttons[pressed]->click();
        QCOMPARE(stack->currentIndex(), pressed);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(buttons[i]->isEnabled(), i != pressed);
        }
        QCOMPARE(QUserActivity::IdleSeconds(), qint64(0));
    }
    QCOMPARE(stack->widget(2), static_cast<QWidget*>(m_pPage->HistoryTab()));
}

void TestBrowser::timerRefreshesTheTabs() {
    QInverter* a = Add(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS"));
    a->SetCommState(CommOnline);
    a->SetItem(1, 4321);
    QTRY_COMPARE_WITH_TIMEOUT(Text(m_pPage->RealTimeTab(), "Output"), QStringLiteral("4321"), 2000);
}

void TestBrowser::tabsBehindAnotherPageWaitAndComeUpCurrent() {
    QInverter* a = Add(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS"));
    a->SetCommState(CommOnline);
    PageBehindAnother window(m_pPage.data());
    a->SetItem(1, 4321);
    QMetaObject::invokeMethod(m_pPage.data(), "OnFlashTimer");
    QCOMPARE(Text(m_pPage->RealTimeTab(), "Output"), QStringLiteral("0")); // nobody sees it
    window.BringUp();
    QCOMPARE(Text(m_pPage->RealTimeTab(), "Output"), QStringLiteral("4321"));

    // A fault while the real-time tab is on top: the status tab shows it as it comes up.
    QItemRecord fault;
    fault.Write(0xA001);
    a->UpdateFaultSlot(0, fault);
    m_pPage->findChild<QPushButton*>(QStringLiteral("page22btn"))->click();
    QCOMPARE(Style(m_pPage->StatusTab(), "light1"), Page22::LightFault);
}

void TestBrowser::trendTakesItsPointWhileThePageIsHidden() {
    SystemClock::SetFixed(QDateTime(QDate(2024, 6, 1), QTime(12, 0, 9, 100)));
    QInverter* a = Add(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS"));
    a->SetCommState(CommOnline);
    a->SetItem(0, 3000);
    PageBehindAnother window(m_pPage.data());
    const QTrend* trend = m_pPage->RealTimeTab()->Trend();
    const int before = trend->m_Data[0].size();
    for (int tick = 0; tick < 10; ++tick) { // across second 10, where the point of the minute is taken
        QMetaObject::invokeMethod(m_pPage.data(), "OnFlashTimer");
        SystemClock::Advance(200);
    }
    QCOMPARE(trend->m_Data[0].size(), before + 1);
    QCOMPARE(trend->m_Data[0].last(), 3000);
}

void TestBrowser::guestGetsUserLevelNotEnough_data() {
    QTest::addColumn<int>("button"); // 0 connect, 1 edit, 2 delete
    QTest::newRow("connect") << 0;
    QTest::newRow("edit") << 1;
    QTest::newRow("delete") << 2;
}

void TestBrowser::guestGetsUserLevelNotEnough() {
    QFETCH(int, button);
    Messages messages;
    QInverter* a = Add(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS"));
    a->SetCommState(CommOnline);
    const bool enabled = a->MissionList().IsEnabled();
    void (QtMyTreeItem::*clicks[3])() = {&QtMyTreeItem::ConnectClick, &QtMyTreeItem::EditClick,
                                         &QtMyTreeItem::DeleteClick};
    Post(Entry(a), clicks[button]);
    QCOMPARE(messages.Texts(), QStringList({QStringLiteral("User level is not enough!")}));
    QCOMPARE(messages.Types(), QList<int>({0}));
    QCOMPARE(messages.LastParent(), m_pPage.data());
    QCOMPARE(m_pPlant->InverterCount(), 1);
    QCOMPARE(EntryCount(), 1);
    QCOMPARE(a->CommState(), int(CommOnline));
    QCOMPARE(a->MissionList().IsEnabled(), enabled);
    QVERIFY(m_pProbe->types.isEmpty());
}

void TestBrowser::analogDeviceIgnoresConnectAndRefusesEdit() {
    Messages messages;
    BeAdministrator();
    QInverter* analog = Add(QStringLiteral("Analog"), 255, QStringLiteral("Tivra PA5KS"));
    Add(QStringLiteral("B"), 2, QStringLiteral("Tivra PA5KS"));
    const int state = analog->CommState();
    Post(Entry(analog), &QtMyTreeItem::ConnectClick);
    QVERIFY(messages.Texts().isEmpty());
    QCOMPARE(analog->CommState(), state);
    QVERIFY(!analog->MissionList().IsEnabled());
    QCOMPARE(QtMyTreeItem::GetSelectItem(), m_pPage->Tree()->Items(0).last()); // selection untouched
    Post(Entry(analog), &QtMyTreeItem::EditClick);
    QCOMPARE(messages.Texts(), QStringList({QStringLiteral("Analog signal cannot be set!")}));
}

void TestBrowser::connectResumesPollingOfAnOfflineInverter() {
    Messages messages;
    BeAdministrator();
    QInverter* a = Add(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS"));
    Add(QStringLiteral("B"), 2, QStringLiteral("Tivra PA5KS"));
    a->MissionList().SetEnabled(false);
    QCOMPARE(a->CommState(), int(CommOffline));
    SystemClock::Advance(500 * 1000);
    Post(Entry(a), &QtMyTreeItem::ConnectClick);
    QVERIFY(messages.Texts().isEmpty());
    QVERIFY(a->MissionList().IsEnabled());
    QCOMPARE(QtMyTreeItem::GetSelectItem(), Entry(a));
    QCOMPARE(m_pPage->CurrentInverter(), a);
    QCOMPARE(QUserActivity::IdleSeconds(), qint64(0));
}

void TestBrowser::connectAsksBeforeDisconnecting() {
    Messages messages(0);
    BeAdministrator();
    QInverter* a = Add(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS"));
    a->SetCommState(CommOnline);
    Post(Entry(a), &QtMyTreeItem::ConnectClick);
    QCOMPARE(messages.Texts(), QStringList({QStringLiteral("Do you want to disconnect the inverter?")}));
    QCOMPARE(messages.Types(), QList<int>({1}));
    QCOMPARE(a->CommState(), int(CommOnline));
    QVERIFY(a->MissionList().IsEnabled());
    messages.SetAnswer(1);
    Post(Entry(a), &QtMyTreeItem::ConnectClick);
    QCOMPARE(a->CommState(), int(CommOffline));
    QVERIFY(!a->MissionList().IsEnabled());
    QVERIFY(!Entry(a)->IsConnect());
}

void TestBrowser::deletingTheSelectedInverterMovesTheSelectionFirst() {
    Messages messages;
    BeAdministrator();
    QInverter* a = Add(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS"));
    QInverter* b = Add(QStringLiteral("B"), 2, QStringLiteral("Tivra PA10KT"));
    QtMyTreeItem* entryOfA = Entry(a);
    QtMyTreeItem::SetSelectitem(entryOfA);
    QCOMPARE(m_pPage->CurrentInverter(), a);
    Post(entryOfA, &QtMyTreeItem::DeleteClick);
    QCOMPARE(messages.Texts(), QStringList({QStringLiteral("Do you want to delete the inverter?")}));
    QCOMPARE(m_pProbe->types, QList<int>({EventItemDelete}));
    QCOMPARE(m_pProbe->selectedAtDelete, Entry(b));
    QCOMPARE(m_pProbe->currentAtDelete, b);
    QVERIFY(m_pProbe->entryAliveAtDelete);
    QCOMPARE(m_pPlant->InverterCount(), 1);
    QCOMPARE(m_pPage->Tree()->Items(0).size(), 0);
    QCOMPARE(EntryCount(), 1);
    QCOMPARE(m_pPage->CurrentInverter(), b);
    QCOMPARE(m_pPage->RealTimeTab()->CurrentInverter(), b);
}

void TestBrowser::deletingAnotherInverterKeepsTheSelection() {
    Messages messages(0);
    BeAdministrator();
    QInverter* a = Add(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS"));
    QInverter* b = Add(QStringLiteral("B"), 2, QStringLiteral("Tivra PA5KS"));
    QCOMPARE(m_pPage->CurrentInverter(), b);
    // Answered No: nothing happens.
    Post(Entry(a), &QtMyTreeItem::DeleteClick);
    QCOMPARE(messages.Texts().size(), 1);
    QVERIFY(m_pProbe->types.isEmpty());
    QCOMPARE(EntryCount(), 2);
    messages.SetAnswer(1);
    Post(Entry(a), &QtMyTreeItem::DeleteClick);
    QCOMPARE(m_pProbe->selectedAtDelete, Entry(b));
    QCOMPARE(m_pPlant->Inverters(), QList<QInverter*>({b}));
    QCOMPARE(m_pPage->CurrentInverter(), b);
    QCOMPARE(QtMyTreeItem::GetSelectItem(), Entry(b));
}

void TestBrowser::deletingTheLastInverterLeavesNoneCurrent() {
    Messages messages;
    BeAdministrator();
    QInverter* a = Add(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS"));
    Post(Entry(a), &QtMyTreeItem::DeleteClick);
    QCOMPARE(m_pProbe->currentAtDelete, nullptr);
    QCOMPARE(QtMyTreeItem::GetSelectItem(), nullptr);
    QCOMPARE(m_pPage->CurrentInverter(), nullptr);
    QCOMPARE(m_pPlant->InverterCount(), 0);
    QCOMPARE(EntryCount(), 0);
    QMetaObject::invokeMethod(m_pPage.data(), "OnFlashTimer");
    QCOMPARE(Text(m_pPage.data(), "data_time"), QStringLiteral("Data Time:-"));
}

void TestBrowser::deferredRemovalLeavesNoDanglingEntry() {
    Messages messages;
    BeAdministrator();
    m_pProbe->removeOnDelete = false; // a mission of the inverter is in flight
    QInverter* a = Add(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS"));
    Add(QStringLiteral("B"), 2, QStringLiteral("Tivra PA5KS"));
    Post(Entry(a), &QtMyTreeItem::DeleteClick);
    QCOMPARE(m_pPlant->InverterCount(), 2);
    QCOMPARE(EntryCount(), 1);
    QCOMPARE(a->TreeEntry(), nullptr);
    // What the reply decoding does with the entry is now harmless.
    a->SetCommState(CommOnline);
    a->SetCommState(CommOffline);
}

void TestBrowser::editedInverterIsReselectedAndPassedOn() {
    QInverter* a = Add(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS"));
    m_pPage->StatusTab()->SetCurrentInverter(nullptr);
    QEvent edited(QEvent::Type(Page2::EventInverterEdited));
    QVERIFY(QCoreApplication::sendEvent(m_pPage.data(), &edited));
    QCOMPARE(m_pProbe->types, QList<int>({Page2::EventInverterEdited}));
    QCOMPARE(m_pPage->StatusTab()->CurrentInverter(), a);
}

QTEST_MAIN(TestBrowser)
#include "test_browser.moc"

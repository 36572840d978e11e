#include "QMyEvent.h"
#include "QTreeEntry.h"
#include "QtMyTree.h"
#include "QtMyTreeItem.h"

#include <QDir>
#include <QFontMetrics>
#include <QPushButton>
#include <QScrollArea>
#include <QTranslator>
#include <QtTest>

namespace {

// The inverter browser's place: it holds a scroll area whose content is the tree,
// and records what the tree tells it.
class Owner : public QWidget {
public:
    Owner() {
        resize(320, 400);
        area = new QScrollArea(this);
        area->setGeometry(0, 0, 320, 400);
        tree = new QtMyTree;
        area->setWidget(tree);
    }

    QScrollArea* area;
    QtMyTree* tree;
    QList<int> types;
    QList<qintptr> values;
    QList<int> heightsAtSelect; // height of the selected entry when 1003 arrives

protected:
    bool event(QEvent* event) override {
        const int type = event->type();
        if (type >= 1001 && type <= 1006) {
            auto* my = static_cast<QMyEvent*>(event);
            types.append(type);
            values.append(my->m_nValue1);
            if (type == EventItemSelect) {
                heightsAtSelect.append(reinterpret_cast<QtMyTreeItem*>(my->m_nValue1)->height());
            }
            return true;
        }
        return QWidget::event(event);
    }
};

// Counts what heads and entries send the tree itself.
class TreeSpy : public QObject {
public:
    explicit TreeSpy(QObject* tree) { tree->installEventFilter(this); }
    int changes = 0;
    int selects = 0;
    void reset() { changes = selects = 0; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (int(event->type()) == EventItemChange) {
            ++changes;
        } else if (int(event->type()) == EventItemSelect) {
            ++selects;
        }
        return false;
    }
};

QList<QWidget*> Heads(QtMyTree* tree) {
    QList<QWidget*> heads;
    for (QWidget* child : tree->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (QLatin1String(child->metaObject()->className()) == QLatin1String("QtMyTreeHead")) {
            heads.append(child);
        }
    }
    return heads;
}

void Hover(QWidget* widget) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)));
    QCoreApplication::sendEvent(widget, &enter);
}

void Leave(QWidget* widget) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &leave);
}

QPushButton* Button(QtMyTreeItem* item, const char* name) {
    return item->findChild<QPushButton*>(QLatin1String(name));
}

bool ButtonsVisible(QtMyTreeItem* item) {
    return !Button(item, "connectButton")->isHidden() && !Button(item, "editButton")->isHidden() &&
           !Button(item, "deleteButton")->isHidden();
}

bool ButtonsHidden(QtMyTreeItem* item) {
    return Button(item, "connectButton")->isHidden() && Button(item, "editButton")->isHidden() &&
           Button(item, "deleteButton")->isHidden();
}

// Translates the two head captions, as a loaded language file would.
class FakeTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (QLatin1String(context) != QLatin1String("QtMyTree")) {
            return QString();
        }
        if (QLatin1String(source) == QLatin1String("Single phase inverter")) {
            return QStringLiteral("Einphasige Wechselrichter");
        }
        if (QLatin1String(source) == QLatin1String("Three phase inverter")) {
            return QStringLiteral("Dreiphasige Wechselrichter");
        }
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestTree : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QtMyTreeItem::SetSelectitem(nullptr); }

    void freshTreeHasTwoOpenHeads() {
        Owner owner;
        QtMyTree* tree = owner.tree;
        QCOMPARE(tree->size(), QSize(200, 52));
        const QList<QWidget*> heads = Heads(tree);
        QCOMPARE(heads.size(), 2);
        QCOMPARE(heads[0]->geometry(), QRect(0, 2, 200, 25));
        QCOMPARE(heads[1]->geometry(), QRect(0, 27, 200, 25));
        QCOMPARE(owner.tree->HeadCaption(0), QStringLiteral("Single phase inverter"));
        QCOMPARE(owner.tree->HeadCaption(1), QStringLiteral("Three phase inverter"));
        QVERIFY(!tree->IsHeadClosed(0) && !tree->IsHeadClosed(1));
        QCOMPARE(heads[0]->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(tree->Items(0).isEmpty() && tree->Items(1).isEmpty());
    }

    void addItemLaysOutEntriesUnderTheirHeads() {
        Owner owner;
        QtMyTree* tree = owner.tree;
        QtMyTreeItem* a = tree->AddItem(QStringLiteral("A"), 0);
        QtMyTreeItem* b = tree->AddItem(QStringLiteral("B"), 1);
        QtMyTreeItem* c = tree->AddItem(QStringLiteral("C"), 0);
        QVERIFY(a && b && c);
        QCOMPARE(tree->Items(0), (QList<QtMyTreeItem*>{a, c}));
        QCOMPARE(tree->Items(1), (QList<QtMyTreeItem*>{b}));
        QCOMPARE(a->GetNext(), c);
        QCOMPARE(a->geometry(), QRect(1, 27, 199, 25));
        QCOMPARE(c->geometry(), QRect(1, 52, 199, 25));
        QCOMPARE(Heads(tree)[1]->geometry(), QRect(0, 77, 200, 25));
        QCOMPARE(b->geometry(), QRect(1, 102, 199, 25));
        QCOMPARE(tree->size(), QSize(200, 127));
        QVERIFY(a->IsShow() && !a->isHidden());
        QCOMPARE(a->GetItemState(), ItemNormal);
        QVERIFY(ButtonsHidden(a));
        QCOMPARE(Button(a, "deleteButton")->geometry(), QRect(170, 20, 16, 16));
        QCOMPARE(Button(a, "connectButton")->focusPolicy(), Qt::NoFocus);
    }

    void addItemRefusesUnknownHeads() {
        Owner owner;
        QCOMPARE(owner.tree->AddItem(QStringLiteral("X"), -1), nullptr);
        QCOMPARE(owner.tree->AddItem(QStringLiteral("X"), 2), nullptr);
        QCOMPARE(owner.tree->size(), QSize(200, 52));
        QCOMPARE(owner.tree->findChildren<QtMyTreeItem*>().size(), 0);
    }

    void longTextWidensTreeHeadsAndEntries() {
        Owner owner;
        QtMyTree* tree = owner.tree;
        QtMyTreeItem* shortOne = tree->AddItem(QStringLiteral("Roof"), 1);
        QCOMPARE(tree->width(), 200);
        const QString text = QStringLiteral("Inverter on the west roof of the barn, string two");
        const int textWidth = QFontMetrics(tree->font()).horizontalAdvance(text);
        QVERIFY(textWidth > 135);
        QtMyTreeItem* longOne = tree->AddItem(text, 0);
        QCOMPARE(longOne->GetStringWidth(), textWidth + 65);
        QCOMPARE(tree->width(), textWidth + 65);
        for (QWidget* head : Heads(tree)) {
            QCOMPARE(head->width(), textWidth + 65);
        }
        QCOMPARE(longOne->width(), textWidth + 64);
        QCOMPARE(shortOne->width(), textWidth + 64);

        // Renaming the entry narrows everything again.
        longOne->SetItemText(QStringLiteral("West"));
        QCOMPARE(tree->width(), 200);
        QCOMPARE(shortOne->width(), 199);
    }

    void hoverGrowsEntryAndShowsButtons() {
        Owner owner;
        owner.show();
        QtMyTree* tree = owner.tree;
        QtMyTreeItem* item = tree->AddItem(QStringLiteral("Garage"), 0);
        const int before = tree->height();
        QCOMPARE(before, 77);
        Hover(item);
        QCOMPARE(item->GetItemState(), ItemHover);
        QCOMPARE(tree->height(), before + 15);
        QCOMPARE(item->height(), 40);
        QVERIFY(ButtonsVisible(item));
        QCOMPARE(QtMyTreeItem::GetSelectItem(), nullptr); // hovering never selects
        Leave(item);
        QCOMPARE(item->GetItemState(), ItemNormal);
        QCOMPARE(tree->height(), before);
        QVERIFY(ButtonsHidden(item));
        QVERIFY(owner.types.isEmpty());
    }

    void leavingTheSelectedEntryKeepsItTall() {
        Owner owner;
        QtMyTreeItem* item = owner.tree->AddItem(QStringLiteral("Garage"), 0);
        QtMyTreeItem::SetSelectitem(item);
        Hover(item);
        Leave(item);
        QCOMPARE(item->GetItemState(), ItemSelected);
        QCOMPARE(item->height(), 40);
        QVERIFY(ButtonsVisible(item));
    }

    void pressMovesSelectionWithOneChangeAndOneSelect() {
        Owner owner;
        owner.show();
        QtMyTree* tree = owner.tree;
        QtMyTreeItem* a = tree->AddItem(QStringLiteral("A"), 0);
        QtMyTreeItem* b = tree->AddItem(QStringLiteral("B"), 1);
        QTest::mouseClick(a, Qt::LeftButton);
        QCOMPARE(QtMyTreeItem::GetSelectItem(), a);
        owner.types.clear();
        owner.values.clear();
        owner.heightsAtSelect.clear();

        TreeSpy spy(tree);
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(spy.changes, 1);
        QCOMPARE(spy.selects, 1);
        QCOMPARE(owner.types, QList<int>{EventItemSelect});
        QCOMPARE(owner.values, QList<qintptr>{reinterpret_cast<qintptr>(b)});
        // The owner hears of the selection before the tree grows the entry.
        QCOMPARE(owner.heightsAtSelect, QList<int>{25});
        QCOMPARE(b->height(), 40);
        QCOMPARE(a->height(), 25);
        QCOMPARE(a->GetItemState(), ItemNormal);
        QCOMPARE(b->GetItemState(), ItemSelected);
        QCOMPARE(QtMyTreeItem::GetSelectItem(), b);
        QVERIFY(ButtonsHidden(a));
        QVERIFY(ButtonsVisible(b));
    }

    void pressOnSelectedEntrySendsNothing() {
        Owner owner;
        owner.show();
        QtMyTreeItem* a = owner.tree->AddItem(QStringLiteral("A"), 0);
        QTest::mouseClick(a, Qt::LeftButton);
        owner.types.clear();
        TreeSpy spy(owner.tree);
        QTest::mouseClick(a, Qt::LeftButton);
        QCOMPARE(spy.changes + spy.selects, 0);
        QVERIFY(owner.types.isEmpty());
        QCOMPARE(QtMyTreeItem::GetSelectItem(), a);
    }

    void buttonsArePostedAndReachTheOwnerAfterTheClick() {
        Owner owner;
        owner.show();
        QtMyTreeItem* item = owner.tree->AddItem(QStringLiteral("Shed"), 1);
        QtMyTreeItem::SetSelectitem(item);
        owner.types.clear();
        owner.values.clear();

        QTest::mouseClick(Button(item, "deleteButton"), Qt::LeftButton);
        QVERIFY(owner.types.isEmpty()); // posted, not sent
        QCoreApplication::processEvents();
        QCOMPARE(owner.types, QList<int>{EventItemDelete});
        QCOMPARE(owner.values, QList<qintptr>{reinterpret_cast<qintptr>(item)});
        // The tree leaves the removal to its owner.
        QCOMPARE(owner.tree->Items(1), QList<QtMyTreeItem*>{item});
        QCOMPARE(QtMyTreeItem::GetSelectItem(), item);

        owner.types.clear();
        QTest::mouseClick(Button(item, "connectButton"), Qt::LeftButton);
        QTest::mouseClick(Button(item, "editButton"), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(owner.types, (QList<int>{EventItemConnect, EventItemEdit}));
    }

    void selectTheFirstItemWalksTheHeads() {
        Owner owner;
        QtMyTree* tree = owner.tree;
        QtMyTreeItem* only = tree->AddItem(QStringLiteral("Only single"), 0);
        QtMyTreeItem* t1 = tree->AddItem(QStringLiteral("Three one"), 1);
        tree->AddItem(QStringLiteral("Three two"), 1);

        tree->SelectTheFirstItem(nullptr);
        QCOMPARE(QtMyTreeItem::GetSelectItem(), only);
        tree->SelectTheFirstItem(only);
        QCOMPARE(QtMyTreeItem::GetSelectItem(), t1);
        QCOMPARE(only->GetItemState(), ItemNormal);
        QCOMPARE(owner.values.last(), reinterpret_cast<qintptr>(t1));

        // The exception only skips a first entry; a second one under the same head is taken.
        QtMyTreeItem* second = tree->AddItem(QStringLiteral("Second single"), 0);
        tree->SelectTheFirstItem(only);
        QCOMPARE(QtMyTreeItem::GetSelectItem(), second);
    }

    void selectTheFirstItemClearsWhenNothingElseIsLeft() {
        Owner owner;
        QtMyTreeItem* only = owner.tree->AddItem(QStringLiteral("Only"), 0);
        QtMyTreeItem::SetSelectitem(only);
        owner.tree->SelectTheFirstItem(only);
        QCOMPARE(QtMyTreeItem::GetSelectItem(), nullptr);
        QCOMPARE(only->GetItemState(), ItemNormal);
        owner.tree->DeleteItem(only);
        QCOMPARE(owner.tree->size(), QSize(200, 52));
    }

    void closingAHeadHidesItsEntriesAndMovesTheNextHeadUp() {
        Owner owner;
        owner.show();
        QtMyTree* tree = owner.tree;
        const QString wide = QStringLiteral("A very long inverter name under the single phase head");
        QtMyTreeItem* a = tree->AddItem(wide, 0);
        QtMyTreeItem* b = tree->AddItem(QStringLiteral("B"), 0);
        QtMyTreeItem* c = tree->AddItem(QStringLiteral("C"), 1);
        QVERIFY(tree->width() > 200);
        QWidget* head0 = Heads(tree)[0];
        QWidget* head1 = Heads(tree)[1];
        QCOMPARE(head1->y(), 77);

        QTest::mouseClick(head0, Qt::LeftButton);
        QVERIFY(tree->IsHeadClosed(0));
        QVERIFY(a->isHidden() && b->isHidden());
        QVERIFY(!a->IsShow() && !b->IsShow());
        QCOMPARE(head1->y(), 27);
        QCOMPARE(c->y(), 52);
        QCOMPARE(tree->width(), 200); // entries of a closed head do not count
        QCOMPARE(tree->height(), 77);

        QTest::mouseClick(head0, Qt::LeftButton);
        QVERIFY(!a->isHidden() && !b->isHidden());
        QCOMPARE(head1->y(), 77);
        QCOMPARE(tree->width(), a->GetStringWidth());
    }

    void openOnlyMarksTheHead() {
        Owner owner;
        owner.tree->Open(false, 1);
        QVERIFY(owner.tree->IsHeadClosed(1));
        owner.tree->Open(true, 1);
        QVERIFY(!owner.tree->IsHeadClosed(1));
        owner.tree->Open(false, 7); // ignored
        owner.tree->Open(false, -1);
    }

    void deleteItemUnlinksAnywhereInTheChain() {
        Owner owner;
        QtMyTree* tree = owner.tree;
        QtMyTreeItem* a = tree->AddItem(QStringLiteral("A"), 1);
        QtMyTreeItem* b = tree->AddItem(QStringLiteral("B"), 1);
        QtMyTreeItem* c = tree->AddItem(QStringLiteral("C"), 1);
        tree->DeleteItem(b);
        QCOMPARE(tree->Items(1), (QList<QtMyTreeItem*>{a, c}));
        QCOMPARE(c->y(), 77);
        QCOMPARE(tree->height(), 102);
        tree->DeleteItem(a);
        QCOMPARE(tree->Items(1), QList<QtMyTreeItem*>{c});
        QCOMPARE(c->y(), 52);

        Owner other;
        QtMyTreeItem* foreign = other.tree->AddItem(QStringLiteral("F"), 0);
        tree->DeleteItem(foreign); // not held here: ignored
        tree->DeleteItem(nullptr);
        QCOMPARE(other.tree->Items(0), QList<QtMyTreeItem*>{foreign});
        QCOMPARE(tree->Items(1), QList<QtMyTreeItem*>{c});
    }

    void deletingTheSelectedEntryLeavesNoDanglingSelection() {
        Owner owner;
        QtMyTreeItem* a = owner.tree->AddItem(QStringLiteral("A"), 0);
        QtMyTreeItem::SetSelectitem(a);
        owner.tree->DeleteItem(a);
        QCOMPARE(QtMyTreeItem::GetSelectItem(), nullptr);
        QtMyTreeItem* b = owner.tree->AddItem(QStringLiteral("B"), 0);
        QtMyTreeItem::SetSelectitem(b); // would touch the deleted entry otherwise
        QCOMPARE(QtMyTreeItem::GetSelectItem(), b);
    }

    void selectionIsSharedByAllTrees() {
        Owner first;
        Owner second;
        QtMyTreeItem* a = first.tree->AddItem(QStringLiteral("A"), 0);
        QtMyTreeItem* b = second.tree->AddItem(QStringLiteral("B"), 0);
        QtMyTreeItem::SetSelectitem(a);
        QCOMPARE(first.tree->height(), 92);
        QtMyTreeItem::SetSelectitem(b);
        QCOMPARE(a->GetItemState(), ItemNormal);
        QCOMPARE(first.tree->height(), 77);
        QCOMPARE(second.tree->height(), 92);
        QCOMPARE(second.values.last(), reinterpret_cast<qintptr>(b));
    }

    void coreSeesTheEntryThroughTreeEntry() {
        Owner owner;
        owner.show();
        QtMyTreeItem* item = owner.tree->AddItem(QStringLiteral("Old"), 0);
        QTreeEntry* entry = item;
        QVERIFY(Button(item, "connectButton")->styleSheet().contains(QLatin1String("uc1.png")));
        entry->SetConnect(true);
        QVERIFY(Button(item, "connectButton")->styleSheet().contains(QLatin1String("url(:/skin/c1.png)")));
        QVERIFY(Button(item, "connectButton")->styleSheet().contains(QLatin1String("url(:/skin/c.png)")));
        entry->SetConnect(false);
        QVERIFY(Button(item, "connectButton")->styleSheet().contains(QLatin1String("url(:/skin/uc.png)")));
        QVERIFY(Button(item, "deleteButton")->styleSheet().contains(QLatin1String("del3.png")));
        entry->SetNormal(false);
        QVERIFY(!item->IsNormal());
        entry->SetExplain(QStringLiteral("Address: 007"));
        QCOMPARE(item->GetExplain(), QStringLiteral("Address: 007"));
        const QString text = QStringLiteral("A new and much longer name for the same inverter");
        entry->SetItemText(text);
        QCOMPARE(item->GetText(), text);
        QCOMPARE(owner.tree->width(), item->GetStringWidth());
    }

    void entryHandlersAndClicksAreSlotsInTheirOrder() {
        const QMetaObject& meta = QtMyTreeItem::staticMetaObject;
        QStringList names;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            if (meta.method(i).methodType() == QMetaMethod::Slot) {
                names.append(QString::fromLatin1(meta.method(i).name()));
            }
        }
        QCOMPARE(names, (QStringList{QStringLiteral("paintEvent"), QStringLiteral("enterEvent"),
                                     QStringLiteral("leaveEvent"), QStringLiteral("mousePressEvent"),
                                     QStringLiteral("ConnectClick"), QStringLiteral("EditClick"),
                                     QStringLiteral("DeleteClick")}));
    }

    void myEventCarriesAPointerWideValue() {
        QtMyTreeItem* fake = reinterpret_cast<QtMyTreeItem*>(quintptr(0x7ffd12345678ULL & ~quintptr(7)));
        QMyEvent event(static_cast<QEvent::Type>(EventItemDelete), reinterpret_cast<qintptr>(fake), 0);
        QCOMPARE(reinterpret_cast<QtMyTreeItem*>(event.m_nValue1), fake);
        QCOMPARE(int(event.type()), 1006);
        QVERIFY(int(event.type()) > int(QEvent::User));
        QScopedPointer<QMyEvent> copy(event.clone());
        QCOMPARE(copy->m_nValue1, event.m_nValue1);
        QCOMPARE(copy->m_nValue2, 0);
    }

    void languageRetranslatesTheHeads() {
        Owner owner;
        FakeTranslator translator;
        QCoreApplication::installTranslator(&translator);
        owner.tree->Language();
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(owner.tree->HeadCaption(0), QStringLiteral("Einphasige Wechselrichter"));
        QCOMPARE(owner.tree->HeadCaption(1), QStringLiteral("Dreiphasige Wechselrichter"));
    }

    void rendersTypicalStates() {
        Owner owner;
        owner.resize(240, 260);
        owner.area->setGeometry(0, 0, 240, 260);
        owner.area->setFrameShape(QFrame::NoFrame);
        owner.show();
        QtMyTree* tree = owner.tree;
        QtMyTreeItem* s1 = tree->AddItem(QStringLiteral("Garage roof"), 0);
        QtMyTreeItem* s2 = tree->AddItem(QStringLiteral("Carport"), 0);
        QtMyTreeItem* t1 = tree->AddItem(QStringLiteral("Barn west"), 1);
        QtMyTreeItem* t2 = tree->AddItem(QStringLiteral("Barn east"), 1);
        const QStringList icons{QStringLiteral("solar1.png"), QStringLiteral("solar5.png"),
                                QStringLiteral("solar3.png"), QStringLiteral("solar4.png")};
        const QList<QtMyTreeItem*> items{s1, s2, t1, t2};
        for (int i = 0; i < items.size(); ++i) {
            items[i]->SetIcon(icons[i]);
            items[i]->SetExplain(QStringLiteral("Address: %1").arg(i + 1, 3, 10, QLatin1Char('0')));
        }
        t2->SetNormal(false);
        s2->SetConnect(true);
        QtMyTreeItem::SetSelectitem(s2);
        Hover(t1);
        const QImage image = owner.grab().toImage();
        QVERIFY(!image.isNull());
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/render");
        QVERIFY(QDir().mkpath(dir));
        QVERIFY(image.save(dir + QStringLiteral("/tree.png")));

        // The skin is really drawn: the selected entry is not the plain tree grey.
        const QPoint inside = s2->mapTo(&owner, QPoint(s2->width() / 2, 4));
        QVERIFY(image.pixelColor(inside) != QColor(230, 230, 230));
        const QPoint plain = s1->mapTo(&owner, QPoint(s1->width() - 6, 12));
        QCOMPARE(image.pixelColor(plain), QColor(230, 230, 230));
    }
};

QTEST_MAIN(TestTree)
#include "test_tree.moc"

#include "QtMyTree.h"

#include "QMyEvent.h"
#include "QtMyTreeHead.h"
#include "QtMyTreeItem.h"

#include <QCoreApplication>
#include <QPainter>

QtMyTree::QtMyTree(QWidget* parent) : QWidget(parent) {
    Init();
}

QtMyTree::~QtMyTree() {
    for (QtMyTreeHead* head : std::as_const(m_HeadList)) {
        QtMyTreeItem* item = head->GetFirstItem();
        head->SetFirstItem(nullptr);
        while (item) {
            QtMyTreeItem* next = item->GetNext();
            delete item;
            item = next;
        }
    }
    qDeleteAll(m_HeadList);
    m_HeadList.clear();
}

void QtMyTree::Init() {
    m_HeadList.append(new QtMyTreeHead(this, tr("Single phase inverter")));
    m_HeadList.append(new QtMyTreeHead(this, tr("Three phase inverter")));
    CalcSize();
}

QString QtMyTree::HeadCaption(int head) const {
    return (head >= 0 && head < m_HeadList.size()) ? m_HeadList[head]->GetCaption() : QString();
}

bool QtMyTree::IsHeadClosed(int head) const {
    return head >= 0 && head < m_HeadList.size() && m_HeadList[head]->IsClosed();
}

QList<QtMyTreeItem*> QtMyTree::Items(int head) const {
    QList<QtMyTreeItem*> items;
    if (head >= 0 && head < m_HeadList.size()) {
        for (QtMyTreeItem* item = m_HeadList[head]->GetFirstItem(); item; item = item->GetNext()) {
            items.append(item);
        }
    }
    return items;
}

QtMyTreeItem* QtMyTree::AddItem(const QString& text, int head) {
    if (head < 0 || head >= m_HeadList.size()) {
        return nullptr;
    }
    auto* item = new QtMyTreeItem(this);
    item->SetItemText(text);
    QtMyTreeHead* owner = m_HeadList[head];
    if (!owner->GetFirstItem()) {
        owner->SetFirstItem(item);
    } else {
        QtMyTreeItem* last = owner->GetFirstItem();
        while (last->GetNext()) {
            last = last->GetNext();
        }
        last->SetNext(item);
    }
    item->SetShow(false);
    CalcSize();
    return item;
}

void QtMyTree::DeleteItem(QtMyTreeItem* item) {
    if (!item) {
        return;
    }
    for (QtMyTreeHead* head : std::as_const(m_HeadList)) {
        QtMyTreeItem* previous = nullptr;
        for (QtMyTreeItem* current = head->GetFirstItem(); current; current = current->GetNext()) {
            if (current != item) {
                previous = current;
                continue;
            }
            if (previous) {
                previous->SetNext(current->GetNext());
            } else {
                head->SetFirstItem(current->GetNext());
            }
            delete current;
            CalcSize();
            return;
        }
    }
}

void QtMyTree::SelectTheFirstItem(QtMyTreeItem* except) {
    QtMyTreeItem* found = nullptr;
    for (QtMyTreeHead* head : std::as_const(m_HeadList)) {
        QtMyTreeItem* first = head->GetFirstItem();
        if (first && first == except) {
            first = first->GetNext();
        }
        if (first) {
            found = first;
            break;
        }
    }
    QtMyTreeItem::SetSelectitem(found);
}

void QtMyTree::Open(bool open, int head) {
    if (head < 0 || head >= m_HeadList.size()) {
        return;
    }
    m_HeadList[head]->SetClosed(!open);
}

void QtMyTree::CalcSize() {
    m_nWidth = 200;
    for (QtMyTreeHead* head : std::as_const(m_HeadList)) {
        if (head->IsClosed()) {
            continue;
        }
        for (QtMyTreeItem* item = head->GetFirstItem(); item; item = item->GetNext()) {
            m_nWidth = qMax(m_nWidth, item->GetStringWidth());
        }
    }
    int y = 2;
    for (QtMyTreeHead* head : std::as_const(m_HeadList)) {
        head->move(0, y);
        head->resize(m_nWidth, 25);
        y += 25;
        if (head->IsClosed()) {
            continue;
        }
        for (QtMyTreeItem* item = head->GetFirstItem(); item; item = item->GetNext()) {
            item->move(1, y);
            const bool tall = (item->GetItemState() == ItemHover || item->GetItemState() == ItemSelected);
            const int height = tall ? 40 : 25;
            item->resize(m_nWidth - 1, height);
            y += height;
            item->SetShow(true);
        }
    }
    resize(m_nWidth, y);
}

void QtMyTree::Language() {
    if (m_HeadList.size() >= 2) {
        m_HeadList[0]->SetCaption(tr("Single phase inverter"));
        m_HeadList[1]->SetCaption(tr("Three phase inverter"));
    }
}

QWidget* QtMyTree::Owner() const {
    QWidget* owner = parentWidget();
    for (int level = 1; owner && level < 3; ++level) {
        owner = owner->parentWidget();
    }
    return owner;
}

bool QtMyTree::event(QEvent* event) {
    switch (static_cast<int>(event->type())) {
    case EventHeadToggle:
    case EventItemChange:
        CalcSize();
        update();
        return true;
    case EventItemSelect:
        if (QWidget* owner = Owner()) {
            QCoreApplication::sendEvent(owner, event);
        }
        CalcSize();
        update();
        return true;
    case EventItemConnect:
    case EventItemEdit:
    case EventItemDelete: {
        if (QWidget* owner = Owner()) {
            QMyEvent copy(event->type(), static_cast<QMyEvent*>(event)->m_nValue1, 0);
            QCoreApplication::sendEvent(owner, &copy);
        }
        return QWidget::event(event);
    }
    default:
        return QWidget::event(event);
    }
}

void QtMyTree::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(230, 230, 230));
}

#include "QtMyTreeItem.h"

#include "QMyEvent.h"
#include "TreeSkin.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>
#include <QTextOption>

namespace {

const char* const kNotConnectedSheet =
    "QPushButton{border-image: url(:/skin/uc1.png);}QPushButton::hover {border-image: "
    "url(:/skin/uc.png);}QPushButton::pressed {border-image: url(:/skin/uc1.png);}";
const char* const kConnectedSheet =
    "QPushButton{border-image: url(:/skin/c1.png);}QPushButton::hover {border-image: "
    "url(:/skin/c.png);}QPushButton::pressed {border-image: url(:/skin/c1.png);}";
const char* const kEditSheet =
    "QPushButton{border-image: url(:/skin/set1.png);}QPushButton::hover {border-image: "
    "url(:/skin/set2.png);}QPushButton::pressed {border-image: url(:/skin/set1.png);}";
const char* const kDeleteSheet =
    "QPushButton{border-image: url(:/skin/del1.png);}QPushButton::hover {border-image: "
    "url(:/skin/del2.png);}QPushButton::pressed {border-image: url(:/skin/del3.png);}";

QPushButton* MakeButton(QWidget* parent, int x, const char* name, const char* sheet) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(x, 20, 16, 16);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QLatin1String(sheet));
    button->hide();
    return button;
}

} // namespace

QtMyTreeItem* QtMyTreeItem::m_pSelect = nullptr;

QtMyTreeItem::QtMyTreeItem(QWidget* parent) : QWidget(parent) {
    resize(197, 25);
    m_pConnectBtn = MakeButton(this, 130, "connectButton", kNotConnectedSheet);
    m_pEditBtn = MakeButton(this, 150, "editButton", kEditSheet);
    m_pDeleteBtn = MakeButton(this, 170, "deleteButton", kDeleteSheet);
    connect(m_pConnectBtn, &QPushButton::clicked, this, &QtMyTreeItem::ConnectClick);
    connect(m_pEditBtn, &QPushButton::clicked, this, &QtMyTreeItem::EditClick);
    connect(m_pDeleteBtn, &QPushButton::clicked, this, &QtMyTreeItem::DeleteClick);
}

QtMyTreeItem::~QtMyTreeItem() {
    // Callers are to move the selection away before deleting an entry; if one did
    // not, forget the entry rather than leave every tree a dangling selection.
    if (m_pSelect == this) {
        m_pSelect = nullptr;
    }
}

void QtMyTreeItem::SendToTree(QEvent* event) {
    if (parentWidget()) {
        QCoreApplication::sendEvent(parentWidget(), event);
    }
}

void QtMyTreeItem::ShowButtons(bool show) {
    m_pConnectBtn->setVisible(show);
    m_pEditBtn->setVisible(show);
    m_pDeleteBtn->setVisible(show);
}

void QtMyTreeItem::SetItemText(const QString& text) {
    m_strText = text;
    QEvent change(static_cast<QEvent::Type>(EventItemChange));
    SendToTree(&change);
    update();
}

void QtMyTreeItem::SetIcon(const QString& icon) {
    m_strIcon = icon;
    update(20, 0, 28, 40);
}

void QtMyTreeItem::SetExplain(const QString& text) {
    m_strExplain = text;
    update(55, 15, 100, 20);
}

void QtMyTreeItem::SetConnect(bool connected) {
    m_bConnect = connected;
    m_pConnectBtn->setStyleSheet(QLatin1String(connected ? kConnectedSheet : kNotConnectedSheet));
}

void QtMyTreeItem::SetNormal(bool normal) {
    if (normal != m_bNormal) {
        m_bNormal = normal;
        update();
    }
}

void QtMyTreeItem::SetShow(bool show) {
    m_bShow = show;
    setVisible(show);
}

void QtMyTreeItem::SetNext(QtMyTreeItem* next) {
    m_pNext = next;
}

void QtMyTreeItem::SetItemState(enItemState state) {
    m_State = state;
    if (state == ItemSelected) {
        QMyEvent select(static_cast<QEvent::Type>(EventItemSelect), reinterpret_cast<qintptr>(this), 0);
        SendToTree(&select);
        ShowButtons(true);
    } else {
        QEvent change(static_cast<QEvent::Type>(EventItemChange));
        SendToTree(&change);
        ShowButtons(state == ItemHover);
    }
    update();
}

int QtMyTreeItem::GetStringWidth() const {
    return fontMetrics().horizontalAdvance(m_strText) + 65;
}

QtMyTreeItem* QtMyTreeItem::GetSelectItem() {
    return m_pSelect;
}

void QtMyTreeItem::SetSelectitem(QtMyTreeItem* item) {
    if (m_pSelect) {
        m_pSelect->SetItemState(ItemNormal);
    }
    m_pSelect = item;
    if (m_pSelect) {
        m_pSelect->SetItemState(ItemSelected);
    }
}

void QtMyTreeItem::ConnectClick() {
    QCoreApplication::postEvent(parentWidget(), new QMyEvent(static_cast<QEvent::Type>(EventItemConnect),
                                                             reinterpret_cast<qintptr>(this), 0));
}

void QtMyTreeItem::EditClick() {
    QCoreApplication::postEvent(parentWidget(), new QMyEvent(static_cast<QEvent::Type>(EventItemEdit),
                                                             reinterpret_cast<qintptr>(this), 0));
}

void QtMyTreeItem::DeleteClick() {
    QCoreApplication::postEvent(parentWidget(), new QMyEvent(static_cast<QEvent::Type>(EventItemDelete),
                                                             reinterpret_cast<qintptr>(this), 0));
}

void QtMyTreeItem::enterEvent(QEnterEvent*) {
    SetItemState(ItemHover);
}

void QtMyTreeItem::leaveEvent(QEvent*) {
    const bool selected = (m_pSelect == this);
    m_State = selected ? ItemSelected : ItemNormal;
    QEvent change(static_cast<QEvent::Type>(EventItemChange));
    SendToTree(&change);
    ShowButtons(selected);
    update();
}

void QtMyTreeItem::mousePressEvent(QMouseEvent*) {
    if (m_pSelect == this) {
        return;
    }
    if (m_pSelect) {
        m_pSelect->SetItemState(ItemNormal);
    }
    m_pSelect = this;
    SetItemState(ItemSelected);
}

void QtMyTreeItem::paintEvent(QPaintEvent*) {
    using TreeSkin::Span;
    QPainter painter(this);
    const int W = width();
    const int H = height();

    QImage background;
    int d = 0;
    if (m_State == ItemHover) {
        background = TreeSkin::Image(QStringLiteral("tree_select.bmp"));
        d = -1;
    } else if (m_State == ItemSelected) {
        background = TreeSkin::Image(QStringLiteral("select.png"));
    }
    const bool expanded = (m_State != ItemNormal);
    if (!background.isNull()) {
        const int w = background.width();
        const int h = background.height();
        const Span cols[3] = {{0, 3}, {4, w - 5}, {w - 4, w - 1}};
        const Span rows[3] = {{0, 3}, {4, h - 5}, {h - 4, h - 1}};
        const Span toCols[3] = {{d, d + 3}, {d + 4, d + W - 5}, {d + W - 4, d + W - 1}};
        const Span toRows[3] = {{d, d + 3}, {d + 4, d + H - 5}, {d + H - 4, d + H - 1}};
        TreeSkin::DrawNine(painter, background, cols, rows, toCols, toRows);
    }

    painter.setPen(m_bNormal ? QColor(0, 0, 0) : QColor(255, 0, 0));
    if (!expanded) {
        const QImage icon = TreeSkin::Image(m_strIcon);
        if (!m_strIcon.isEmpty() && !icon.isNull()) {
            painter.drawImage(QRect(20, 1, 28, 24), icon, QRect(0, 0, 28, 24));
        }
        painter.drawText(55, 20, m_strText);
    } else {
        const QImage icon = TreeSkin::Image(QStringLiteral("1") + m_strIcon);
        if (!m_strIcon.isEmpty() && !icon.isNull()) {
            painter.drawImage(QRect(8, 1, 40, 35), icon, QRect(0, 0, 40, 35));
        }
        painter.drawText(55, 17, m_strText);
        // The explanation is the quieter second line: a size smaller, so that an
        // address fits beside the three buttons.
        QFont small = font();
        if (small.pointSizeF() > 0) {
            small.setPointSizeF(qMax(6.0, small.pointSizeF() - 1.5));
        } else if (small.pixelSize() > 0) {
            small.setPixelSize(qMax(8, small.pixelSize() - 2));
        }
        painter.setFont(small);
        painter.drawText(QRectF(55, 22, 100, 20), m_strExplain, QTextOption());
    }
}

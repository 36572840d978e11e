#include "QGridItem.h"

#include "Draw_9.h"
#include "QMyEvent.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>

namespace {

QFont GridFont() {
    return QFont(QStringLiteral("宋体"), 9);
}

QImage& SkinImage(const QString& name) {
    static QHash<QString, QImage> cache;
    QImage& image = cache[name];
    if (image.isNull()) {
        image.load(QStringLiteral(":/skin/") + name);
    }
    return image;
}

} // namespace

QList<QGridItem*> QGridItem::m_SelectList;

QGridItem::QGridItem(QWidget* parent)
    : QWidget(parent), m_pLeft(this), m_pRight(this), m_pUp(this), m_pDown(this) {}

QGridItem::~QGridItem() {
    // Nothing in the process may keep pointing at a deleted item.
    m_SelectList.removeAll(this);
}

void QGridItem::SetHeadString(const QString& text) {
    m_strText = text;
    m_nTextWidth = QFontMetrics(GridFont()).horizontalAdvance(text) + 5;
    update();
}

QString QGridItem::getText() const {
    return m_strText;
}

void QGridItem::SetType(enGridItemType type, const QString& tip) {
    m_Type = type;
    if (type == GridCell) {
        setToolTip(tip);
    }
}

int QGridItem::GetRectWidth() const {
    int widest = m_nTextWidth;
    for (const QGridItem* item = m_pDown; item != this; item = item->m_pDown) {
        widest = qMax(widest, item->m_nTextWidth);
    }
    return widest;
}

void QGridItem::Allmove(int x, int y) {
    if (m_Type != GridHead) {
        return;
    }
    move(x, y);
    int cellY = y + 22;
    for (QGridItem* item = m_pDown; item != this; item = item->m_pDown) {
        item->move(x - 1, cellY);
        cellY += 20;
    }
}

void QGridItem::Allresize(int w, int h) {
    resize(w, h);
    for (QGridItem* item = m_pDown; item != this; item = item->m_pDown) {
        item->resize(w + 4, 20);
    }
}

bool QGridItem::IsSelect() const {
    return m_SelectList.contains(const_cast<QGridItem*>(this));
}

int QGridItem::RowNumber() const {
    int row = 0;
    for (const QGridItem* item = this; item->m_Type != GridHead && item->m_pUp != this; item = item->m_pUp) {
        ++row;
    }
    return row;
}

void QGridItem::AddSelect(QGridItem* item) {
    if (!item) {
        return;
    }
    item->m_nLook = 2;
    m_SelectList.append(item);
    item->update();
}

void QGridItem::DeleteAllSelect() {
    const QList<QGridItem*> selected = m_SelectList;
    m_SelectList.clear();
    for (QGridItem* item : selected) {
        item->m_nLook = 1;
        item->update();
    }
}

int QGridItem::TextLeft(int wanted, int itemWidth) const {
    // The widest text of a column fills its item to within a few pixels, so the
    // usual offsets would cut its end off; such a text moves left just enough to
    // show whole.
    const int room = itemWidth - (m_nTextWidth - 5);
    return qMax(0, qMin(wanted, room));
}

QWidget* QGridItem::Owner() const {
    QWidget* owner = parentWidget();
    for (int level = 1; owner && level < 4; ++level) {
        owner = owner->parentWidget();
    }
    return owner;
}

void QGridItem::enterEvent(QEnterEvent*) {
    m_nLook = 0;
    update();
}

void QGridItem::leaveEvent(QEvent*) {
    m_nLook = IsSelect() ? 2 : 1;
    update();
}

void QGridItem::mousePressEvent(QMouseEvent* event) {
    if (IsSelect() && m_Type == GridHead) {
        return;
    }
    DeleteAllSelect();
    if (m_Type == GridHead) {
        AddSelect(this);
        for (QGridItem* item = m_pDown; item != this; item = item->m_pDown) {
            AddSelect(item);
        }
    } else {
        AddSelect(this);
        for (QGridItem* item = m_pRight; item != this; item = item->m_pRight) {
            AddSelect(item);
        }
    }
    if (event->button() == Qt::RightButton && m_Type == GridCell) {
        if (QWidget* owner = Owner()) {
            QCoreApplication::postEvent(
                owner, new QMyEvent(static_cast<QEvent::Type>(EventGridRightClick), RowNumber(), 0));
        }
    }
}

void QGridItem::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_Type != GridCell) {
        return;
    }
    if (QWidget* owner = Owner()) {
        QMyEvent doubleClick(static_cast<QEvent::Type>(EventGridDoubleClick), RowNumber(), 0);
        QCoreApplication::sendEvent(owner, &doubleClick);
    }
}

void QGridItem::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int W = width();
    const int H = height();
    if (m_Type == GridCell) {
        const QRect source(0, 0, 60, 60);
        const QRect border(4, 4, 7, 7);
        if (m_nLook == 2) {
            Draw_9(painter, QRect(1, 1, W, H), source, border, SkinImage(QStringLiteral("select.png")));
        } else if (m_nLook == 0) {
            Draw_9(painter, QRect(0, 0, W - 1, H - 1), source, border,
                   SkinImage(QStringLiteral("hover.png")));
        }
        painter.setPen(Qt::black);
        painter.setFont(GridFont());
        painter.drawText(TextLeft(10, W), 15, m_strText);
    } else {
        const QRect border(4, 4, 4, 4);
        if (m_nLook == 2) {
            QImage& image = SkinImage(QStringLiteral("select.png"));
            Draw_9(painter, QRect(1, 1, W - 1, H - 1), image.rect(), border, image);
        } else if (m_nLook == 0) {
            QImage& image = SkinImage(QStringLiteral("hover.png"));
            Draw_9(painter, QRect(0, 0, W, H), image.rect(), border, image);
        }
        painter.setPen(Qt::black);
        painter.setFont(GridFont());
        painter.drawText(TextLeft(W / 2 - m_nTextWidth / 2 + 10, W), 15, m_strText);
    }
}

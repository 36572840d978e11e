#include "QtMyTreeHead.h"

#include "QtMyTreeItem.h"
#include "TreeSkin.h"

#include <QCoreApplication>
#include <QPainter>

QtMyTreeHead::QtMyTreeHead(QWidget* parent, const QString& caption) : QWidget(parent), m_strCaption(caption) {
    resize(198, 25);
    setCursor(Qt::PointingHandCursor);
}

void QtMyTreeHead::SetCaption(const QString& caption) {
    m_strCaption = caption;
    update();
}

void QtMyTreeHead::SetClosed(bool closed) {
    m_nClosed = closed ? 1 : 0;
    update();
}

void QtMyTreeHead::enterEvent(QEnterEvent*) {
    m_nLook = 0;
    update();
}

void QtMyTreeHead::leaveEvent(QEvent*) {
    m_nLook = 1;
    update();
}

void QtMyTreeHead::mousePressEvent(QMouseEvent*) {
    const bool open = (m_nClosed != 0);
    m_nClosed = open ? 0 : 1;
    for (QtMyTreeItem* item = m_pFirst; item; item = item->GetNext()) {
        item->SetShow(open);
    }
    update();
    if (parentWidget()) {
        QEvent toggle(static_cast<QEvent::Type>(EventHeadToggle));
        QCoreApplication::sendEvent(parentWidget(), &toggle);
    }
}

void QtMyTreeHead::paintEvent(QPaintEvent*) {
    using TreeSkin::Span;
    QPainter painter(this);
    const int W = width();
    const int H = height();
    const int d = (m_nLook == 0) ? -1 : 0;

    const QImage background =
        TreeSkin::Image(m_nLook == 0 ? QStringLiteral("hover.png") : QStringLiteral("normal.png"));
    const Span cols[3] = {{3, 6}, {4, 56}, {54, 57}};
    const Span rows[3] = {{0, 3}, {4, 56}, {57, 60}};
    const Span toCols[3] = {{0, 3}, {4, W - 5}, {W - 4, W - 1}};
    const Span toRows[3] = {{d, d + 3}, {d + 4, d + H - 5}, {d + H - 4, d + H - 1}};
    TreeSkin::DrawNine(painter, background, cols, rows, toCols, toRows);

    const QImage expander = TreeSkin::Image(m_nClosed ? QStringLiteral("cl.png") : QStringLiteral("op.png"));
    if (!expander.isNull()) {
        painter.drawImage(QRect(4, 4, 16, 16), expander, QRect(0, 0, 16, 16));
    }
    painter.drawText(30, 15, m_strCaption);
}

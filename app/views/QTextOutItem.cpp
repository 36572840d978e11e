#include "QTextOutItem.h"

#include "Draw_9.h"

#include <QPainter>
#include <QPainterPath>

namespace {
QTextOutItem* g_selected = nullptr;

// Marker colours by kind: event texts in the accent blue, the others in distinct
// calm tones so that mixed lists stay readable.
QColor MarkerColour(int kind) {
    static const QColor colours[8] = {
        QColor(47, 127, 208), QColor(46, 160, 90),  QColor(208, 64, 58),   QColor(226, 150, 40),
        QColor(128, 90, 190), QColor(40, 150, 160), QColor(120, 120, 120), QColor(20, 20, 20),
    };
    return colours[qBound(0, kind, 7)];
}

void DrawSkin(QPainter& painter, const QString& path, const QRect& target) {
    QImage image(path);
    if (!image.isNull()) {
        Draw_9(painter, target, image.rect(), QRect(4, 4, 4, 4), image);
    }
}
} // namespace

QTextOutItem::QTextOutItem(QWidget* parent) : QWidget(parent) {
    resize(100, LineHeight);
}

QTextOutItem::~QTextOutItem() {
    if (g_selected == this) {
        g_selected = nullptr;
    }
}

QTextOutItem* QTextOutItem::SelectedItem() {
    return g_selected;
}

void QTextOutItem::ClearSelection() {
    if (g_selected) {
        g_selected->m_nState = StateNormal;
        g_selected->update();
        g_selected = nullptr;
    }
}

void QTextOutItem::SetText(const QString& text, int kind) {
    if (text == m_strText && kind == m_nKind) {
        return;
    }
    m_strText = text;
    m_nKind = kind;
    update();
    // The leading spaces indent the line in the list; the tip shows the plain text.
    int first = 0;
    while (first < text.size() && text.at(first) == QLatin1Char(' ')) {
        ++first;
    }
    setToolTip(text.mid(first));
}

int QTextOutItem::NeededWidth() const {
    return fontMetrics().horizontalAdvance(m_strText) + 20;
}

void QTextOutItem::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_nState == StateSelected) {
        DrawSkin(painter, QStringLiteral(":/skin/select.png"), rect());
    } else if (m_nState == StateHover) {
        DrawSkin(painter, QStringLiteral(":/skin/hover.png"), rect());
    }
    DrawMarker(painter);
    painter.setPen(Qt::black);
    const QFontMetrics metrics = fontMetrics();
    const int baseline = (height() - metrics.height()) / 2 + metrics.ascent();
    painter.drawText(16, baseline, m_strText);
}

void QTextOutItem::DrawMarker(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(MarkerColour(m_nKind));
    const QPointF centre(8, height() / 2.0);
    switch (m_nKind) {
    case 1: // square
        painter.drawRect(QRectF(centre.x() - 3, centre.y() - 3, 6, 6));
        break;
    case 2: { // triangle pointing up
        QPainterPath path;
        path.moveTo(centre.x(), centre.y() - 4);
        path.lineTo(centre.x() + 4, centre.y() + 3);
        path.lineTo(centre.x() - 4, centre.y() + 3);
        path.closeSubpath();
        painter.drawPath(path);
        break;
    }
    case 3: { // diamond
        QPainterPath path;
        path.moveTo(centre.x(), centre.y() - 4);
        path.lineTo(centre.x() + 4, centre.y());
        path.lineTo(centre.x(), centre.y() + 4);
        path.lineTo(centre.x() - 4, centre.y());
        path.closeSubpath();
        painter.drawPath(path);
        break;
    }
    default: // dot
        painter.drawEllipse(centre, 2.5, 2.5);
        break;
    }
    painter.restore();
}

void QTextOutItem::enterEvent(QEnterEvent*) {
    m_nState = StateHover;
    update();
}

void QTextOutItem::leaveEvent(QEvent*) {
    m_nState = (g_selected == this) ? StateSelected : StateNormal;
    update();
}

void QTextOutItem::mousePressEvent(QMouseEvent*) {
    if (g_selected && g_selected != this) {
        g_selected->m_nState = StateNormal;
        g_selected->update();
    }
    g_selected = this;
    m_nState = StateSelected;
    update();
}

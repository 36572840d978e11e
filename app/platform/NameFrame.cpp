#include "NameFrame.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int BarWidth = 4;
constexpr int TextGap = 10;
const QColor BarColour(47, 127, 208);
const QColor TextColour(40, 46, 56);
} // namespace

NameFrame::NameFrame(QWidget* parent) : QFrame(parent) {
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * 1.5);
    f.setBold(true);
    setFont(f);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void NameFrame::setText(const QString& text) {
    if (text == m_strText) {
        return;
    }
    m_strText = text;
    UpdateTooltip();
    updateGeometry();
    update();
}

QSize NameFrame::sizeHint() const {
    const QFontMetrics fm(font());
    return QSize(BarWidth + TextGap + fm.horizontalAdvance(m_strText) + 4, fm.height() + 10);
}

QSize NameFrame::minimumSizeHint() const {
    const QFontMetrics fm(font());
    return QSize(BarWidth + TextGap + fm.averageCharWidth() * 4, fm.height() + 10);
}

void NameFrame::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area = contentsRect();
    const int barHeight = qMin(area.height(), fontMetrics().height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(BarColour);
    painter.drawRoundedRect(QRectF(area.left(), area.center().y() - barHeight / 2.0, BarWidth, barHeight), 2,
                            2);

    const QRect textRect = area.adjusted(BarWidth + TextGap, 0, 0, 0);
    painter.setPen(TextColour);
    painter.setFont(font());
    const QString shown = fontMetrics().elidedText(m_strText, Qt::ElideRight, textRect.width());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, shown);
}

void NameFrame::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    UpdateTooltip();
}

void NameFrame::UpdateTooltip() {
    const int room = contentsRect().width() - BarWidth - TextGap;
    setToolTip(fontMetrics().horizontalAdvance(m_strText) > room ? m_strText : QString());
}

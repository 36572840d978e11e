#include "QPillar.h"

#include <QLinearGradient>
#include <QPainter>

namespace {
int g_nMax = 500;

const QColor kBarTop(96, 160, 226);
const QColor kBarBottom(40, 100, 172);
const QColor kHoverTop(130, 188, 246);
const QColor kHoverBottom(58, 126, 204);
const QColor kValueText(52, 60, 72);

constexpr int kMaxBarWidth = 46;
} // namespace

QPillar::QPillar(int value, int index, QWidget* parent) : QWidget(parent), m_nValue(value), m_nIndex(index) {
    setAttribute(Qt::WA_Hover, true);
    Live().append(this);
}

QPillar::~QPillar() {
    Live().removeOne(this);
}

QList<QPillar*>& QPillar::Live() {
    static QList<QPillar*> pillars;
    return pillars;
}

void QPillar::SetMax(int max) {
    // A full scale of zero or less would divide by zero or turn every bar upside down.
    g_nMax = max > 0 ? max : 1;
    for (QPillar* pillar : Live()) {
        pillar->update();
    }
}

int QPillar::Max() {
    return g_nMax;
}

void QPillar::SetValueText(const QString& text) {
    if (m_strValueText != text) {
        m_strValueText = text;
        update();
    }
}

double QPillar::Fill() const {
    if (m_nValue <= 0) {
        return 0;
    }
    return qMin(1.0, double(m_nValue) / g_nMax);
}

void QPillar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QFontMetrics metrics(font());
    const int band = metrics.height() + 4;
    const QRect plot = rect().adjusted(0, band, 0, 0);
    const int barWidth = qMax(3, qMin(kMaxBarWidth, width() * 62 / 100));
    const int barHeight = qRound(plot.height() * Fill());
    const QRect bar(plot.left() + (plot.width() - barWidth) / 2, plot.bottom() + 1 - barHeight, barWidth,
                    barHeight);
    if (barHeight > 0) {
        QLinearGradient gradient(bar.topLeft(), bar.bottomLeft());
        gradient.setColorAt(0, m_bHover ? kHoverTop : kBarTop);
        gradient.setColorAt(1, m_bHover ? kHoverBottom : kBarBottom);
        painter.setPen(Qt::NoPen);
        painter.setBrush(gradient);
        painter.drawRoundedRect(QRectF(bar).adjusted(0, 0, 0, 2), 2, 2);
        painter.fillRect(QRect(bar.left(), bar.bottom() - 1, bar.width(), 2),
                         m_bHover ? kHoverBottom : kBarBottom);
    }
    // Above the bar when it fits across the column; skipped on narrow columns,
    // where the tool tip still tells the value.
    if (!m_strValueText.isEmpty() && metrics.horizontalAdvance(m_strValueText) <= width()) {
        painter.setPen(kValueText);
        const QRect text(0, bar.top() - band, width(), band);
        painter.drawText(text, Qt::AlignHCenter | Qt::AlignBottom, m_strValueText);
    }
}

void QPillar::enterEvent(QEnterEvent* event) {
    m_bHover = true;
    update();
    QWidget::enterEvent(event);
}

void QPillar::leaveEvent(QEvent* event) {
    m_bHover = false;
    update();
    QWidget::leaveEvent(event);
}

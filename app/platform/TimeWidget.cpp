#include "TimeWidget.h"

#include "SystemClock.h"

#include <QPainter>
#include <QTimer>

namespace {
const QColor TimeColour(40, 46, 56);
const QColor DateColour(120, 128, 140);

QFont TimeFont(const QFont& base) {
    QFont f = base;
    f.setPointSizeF(base.pointSizeF() * 2.0);
    f.setBold(true);
    return f;
}
} // namespace

TimeWidget::TimeWidget(QWidget* parent) : QWidget(parent), m_pTimer(new QTimer(this)) {
    m_Shown = SystemClock::Now();
    connect(m_pTimer, &QTimer::timeout, this, &TimeWidget::Refresh);
    m_pTimer->start(1000);
}

QString TimeWidget::TimeText() const {
    return m_Shown.time().toString(QStringLiteral("HH:mm:ss"));
}

QString TimeWidget::DateText() const {
    return m_Shown.date().toString(QStringLiteral("yyyy-MM-dd"));
}

void TimeWidget::Refresh() {
    const QDateTime now = SystemClock::Now();
    // Seconds are all that is shown; repaint only when they change.
    if (now.toSecsSinceEpoch() != m_Shown.toSecsSinceEpoch()) {
        m_Shown = now;
        update();
    }
}

QSize TimeWidget::sizeHint() const {
    const QFontMetrics big(TimeFont(font()));
    const QFontMetrics small(font());
    const int width = qMax(big.horizontalAdvance(QStringLiteral("00:00:00")),
                           small.horizontalAdvance(QStringLiteral("0000-00-00")));
    return QSize(width + 8, big.height() + small.height() + 6);
}

void TimeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFont big = TimeFont(font());
    const int bigHeight = QFontMetrics(big).height();
    const int smallHeight = fontMetrics().height();
    const int top = qMax(0, (height() - bigHeight - smallHeight) / 2);

    painter.setFont(big);
    painter.setPen(TimeColour);
    painter.drawText(QRect(0, top, width(), bigHeight), Qt::AlignCenter, TimeText());
    painter.setFont(font());
    painter.setPen(DateColour);
    painter.drawText(QRect(0, top + bigHeight, width(), smallHeight), Qt::AlignCenter, DateText());
}

#include "QOutputTrend.h"

#include "QInverter.h"
#include "SystemClock.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace {
const QColor kAxis(74, 126, 187);
const QColor kCurve(246, 146, 64);
const QColor kGrid(228, 231, 236);
const QColor kInkSoft(110, 118, 130);
constexpr int kPlotLeft = 40;
constexpr int kPlotRightMargin = 14;
constexpr int kPlotTop = QOutputTrend::BaseLine - QOutputTrend::FullScale; // y of the scale
} // namespace

QOutputTrend::QOutputTrend(QInverter* inverter, int startHour, QWidget* parent)
    : QWidget(parent), m_pInverter(inverter), m_nStartHour(startHour) {
    // paintEvent fills the whole rectangle: the pane beneath need not be painted first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(400, ItemHeight);
    m_pTitle = new QLabel(this);
    m_pTitle->setObjectName(QStringLiteral("title"));
    m_pTitle->setStyleSheet(QStringLiteral("font-weight: bold; color: rgb(40,44,52);"));
    m_strTitle = inverter ? inverter->Name() + QString::asprintf("(%03d)", inverter->Address()) : QString();
    m_pTitle->setText(m_strTitle);
    m_pTitle->setToolTip(m_strTitle);
    LayoutTitle();
    LoadSamples();
}

QOutputTrend::~QOutputTrend() = default;

void QOutputTrend::LoadSamples() {
    for (qint32& sample : m_Samples) {
        sample = -1;
    }
    if (!m_pInverter) {
        return;
    }
    const QTime now = SystemClock::CurrentTime();
    const int current = now.hour() * 60 + now.minute();
    const int first = m_nStartHour * 60;
    for (int minute = first; minute <= current; ++minute) {
        const int index = minute - first;
        if (index >= 0 && index < SampleCount) {
            m_Samples[index] = m_pInverter->MinuteValue(1, minute);
        }
    }
}

void QOutputTrend::SetStartHour(int hour) {
    if (hour == m_nStartHour) {
        return;
    }
    m_nStartHour = hour;
    LoadSamples();
    update();
}

void QOutputTrend::TakeCurrentSample() {
    const QTime now = SystemClock::CurrentTime();
    TakeSample(now.hour() * 60 + now.minute());
}

void QOutputTrend::TakeSample(int minuteOfDay) {
    if (!m_pInverter) {
        return;
    }
    const int index = minuteOfDay - m_nStartHour * 60;
    if (index < 0 || index >= SampleCount) {
        return;
    }
    const qint32 sample = m_pInverter->MinuteValue(1, minuteOfDay);
    if (m_Samples[index] == sample) {
        return;
    }
    m_Samples[index] = sample;
    // The current minute's value moves every second or so: unless the scale moves
    // with it, only the curve around it is painted again.
    const int scale = m_nScale;
    if (Scale() == scale) {
        update(SampleStrip(index));
    } else {
        update();
    }
}

QRect QOutputTrend::SampleStrip(int index) const {
    const int span = SpanMinutes();
    if (index < 0 || index > span) {
        return QRect();
    }
    const int plotWidth = qMax(1, width() - kPlotRightMargin - kPlotLeft);
    const int left = kPlotLeft + (index - 1) * plotWidth / span - 3;
    const int right = kPlotLeft + (index + 1) * plotWidth / span + 3;
    // The pen is 1.5 pixels wide and antialiased: two pixels around every point.
    return QRect(QPoint(left, kPlotTop - 2), QPoint(right, BaseLine + 2));
}

void QOutputTrend::Retranslate() {
    LayoutTitle();
    update();
}

qint32 QOutputTrend::Sample(int index) const {
    return (index >= 0 && index < SampleCount) ? m_Samples[index] : -1;
}

int QOutputTrend::Scale() const {
    int largest = 0;
    for (qint32 sample : m_Samples) {
        largest = qMax(largest, int(sample));
    }
    m_nScale = largest > 2000 ? (largest / 1000) * 1000 + 1000 : 2000;
    return m_nScale;
}

int QOutputTrend::YOf(int value) const {
    return BaseLine - int(qint64(value) * FullScale / m_nScale);
}

int QOutputTrend::SpanMinutes() const {
    return qBound(60, 1440 - m_nStartHour * 60, SampleCount - 1);
}

QFont QOutputTrend::SmallFont() const {
    QFont small = font();
    small.setPointSizeF(qMax(6.0, small.pointSizeF() - 1));
    return small;
}

void QOutputTrend::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutTitle();
}

void QOutputTrend::LayoutTitle() {
    // The title shares the top line with the caption on the right; the inverter's
    // name comes first, the caption gives way when the line is short.
    const int available = qMax(20, width() - kPlotRightMargin - (kPlotLeft + 6));
    const int titleWidth = qMin(available, m_pTitle->fontMetrics().horizontalAdvance(m_strTitle) + 2);
    m_pTitle->setGeometry(kPlotLeft + 6, 1, titleWidth, 18);
    m_pTitle->setText(m_pTitle->fontMetrics().elidedText(m_strTitle, Qt::ElideRight, titleWidth));
}

void QOutputTrend::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(kGrid);
    painter.drawLine(0, height() - 1, width(), height() - 1);

    const int scale = Scale();
    const int right = width() - kPlotRightMargin;
    const int plotWidth = qMax(1, right - kPlotLeft);
    const int span = SpanMinutes();

    // The caption at the right end of the title line; light grid lines at the half scale.
    const QFont small = SmallFont();
    painter.setFont(small);
    const QFontMetrics smallMetrics(small);
    painter.setPen(kInkSoft);
    const int captionRoom = right - (m_pTitle->geometry().right() + 16);
    const QString caption = smallMetrics.elidedText(tr("Output power curve"), Qt::ElideRight, captionRoom);
    if (captionRoom > 40) {
        painter.drawText(right - smallMetrics.horizontalAdvance(caption),
                         1 + (18 + smallMetrics.ascent()) / 2 - 1, caption);
    }
    painter.setPen(QPen(kGrid, 1, Qt::DotLine));
    painter.drawLine(kPlotLeft + 1, YOf(scale / 2), right, YOf(scale / 2));
    painter.drawLine(kPlotLeft + 1, kPlotTop, right, kPlotTop);

    // Value labels in kW at the scale, its half and zero.
    painter.setPen(kInkSoft);
    for (int value : {scale, scale / 2, 0}) {
        const QString label = QString::number(value / 1000.0, 'g', 3);
        painter.drawText(kPlotLeft - 6 - smallMetrics.horizontalAdvance(label),
                         YOf(value) + smallMetrics.ascent() / 2, label);
    }
    painter.drawText(4, 1 + (18 + smallMetrics.ascent()) / 2 - 1, QStringLiteral("kW"));

    // Hour labels along the time axis, at most about one per 50 pixels.
    const int hours = span / 60;
    int step = 1;
    while (step < hours && plotWidth * step / qMax(1, hours) < 50) {
        ++step;
    }
    for (int hour = 0; hour <= hours; hour += step) {
        const int x = kPlotLeft + hour * 60 * plotWidth / span;
        const QString label = QString::asprintf(
            "%02d:00", (m_nStartHour + hour) % 24 == 0 && hour > 0 ? 24 : (m_nStartHour + hour) % 24);
        painter.drawLine(x, BaseLine, x, BaseLine + 3);
        painter.drawText(x - smallMetrics.horizontalAdvance(label) / 2, BaseLine + 6 + smallMetrics.ascent(),
                         label);
    }
    painter.setFont(font());

    // Axes with arrow heads.
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(kAxis, 1));
    painter.drawLine(kPlotLeft, BaseLine, right + 6, BaseLine);
    painter.drawLine(kPlotLeft, BaseLine, kPlotLeft, kPlotTop - 8);
    painter.setBrush(kAxis);
    painter.drawPolygon(QPolygonF(
        {QPointF(right + 10, BaseLine), QPointF(right + 4, BaseLine - 3), QPointF(right + 4, BaseLine + 3)}));
    painter.drawPolygon(QPolygonF({QPointF(kPlotLeft, kPlotTop - 12), QPointF(kPlotLeft - 3, kPlotTop - 6),
                                   QPointF(kPlotLeft + 3, kPlotTop - 6)}));

    // The curve, broken where a minute has no sample.
    painter.setPen(QPen(kCurve, 1.5));
    painter.setBrush(Qt::NoBrush);
    QPainterPath path;
    bool open = false;
    for (int index = 0; index <= span; ++index) {
        const qint32 value = m_Samples[index];
        if (value < 0) {
            open = false;
            continue;
        }
        const QPointF point(kPlotLeft + double(index) * plotWidth / span, YOf(value));
        if (open) {
            path.lineTo(point);
        } else {
            path.moveTo(point);
            open = true;
        }
    }
    painter.drawPath(path);
}

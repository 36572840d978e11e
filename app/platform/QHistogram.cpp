#include "QHistogram.h"

#include "QPillar.h"

#include <QPainter>

namespace {
const QColor kAxis(128, 138, 152);
const QColor kGrid(222, 226, 232);
const QColor kLabel(70, 78, 90);

constexpr int kRightMargin = 8;
constexpr int kTopGap = 6;
constexpr int kMinPlotHeight = 120;

QStringList SplitLabels(const QString& labels) {
    return labels.isEmpty() ? QStringList() : labels.split(QLatin1Char('?'));
}
} // namespace

QHistogram::QHistogram(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("QHistogram"));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

QHistogram::~QHistogram() = default;

void QHistogram::Clear() {
    qDeleteAll(m_Pillars);
    m_Pillars.clear();
    update();
}

QPillar* QHistogram::Bar(int index) const {
    for (QPillar* pillar : m_Pillars) {
        if (pillar->Index() == index) {
            return pillar;
        }
    }
    return nullptr;
}

void QHistogram::AddData(int value, int index) {
    if (index < 0) {
        return;
    }
    if (QPillar* old = Bar(index)) {
        m_Pillars.removeOne(old);
        delete old;
    }
    auto* pillar = new QPillar(value, index, this);
    pillar->SetValueText(ValueText(value));
    m_Pillars.append(pillar);
    LayOut();
    pillar->show();
}

void QHistogram::SetXText(const QString& labels) {
    m_XTexts = SplitLabels(labels);
    updateGeometry();
    LayOut();
    update();
}

void QHistogram::SetYText(const QString& labels) {
    m_YTexts = SplitLabels(labels);
    updateGeometry();
    LayOut();
    update();
}

void QHistogram::SetValueFormat(int divisor, int decimals, const QString& unit) {
    m_nDivisor = divisor > 0 ? divisor : 1;
    m_nDecimals = qMax(0, decimals);
    m_strUnit = unit;
    for (QPillar* pillar : m_Pillars) {
        pillar->SetValueText(ValueText(pillar->Value()));
    }
    LayOut();
}

QString QHistogram::ValueText(int value) const {
    return QString::number(double(value) / m_nDivisor, 'f', m_nDecimals);
}

int QHistogram::ColumnCount() const {
    int count = m_XTexts.size();
    for (const QPillar* pillar : m_Pillars) {
        count = qMax(count, pillar->Index() + 1);
    }
    return qMax(1, count);
}

int QHistogram::LeftMargin() const {
    int widest = 0;
    for (const QString& text : m_YTexts) {
        widest = qMax(widest, fontMetrics().horizontalAdvance(text));
    }
    return widest + 12;
}

QRect QHistogram::PlotRect() const {
    const int line = fontMetrics().height();
    const int top = line + 4 + kTopGap;
    const int bottom = height() - line - 10;
    const int left = LeftMargin();
    return QRect(left, top, qMax(1, width() - left - kRightMargin), qMax(1, bottom - top));
}

QSize QHistogram::minimumSizeHint() const {
    int widest = 0;
    for (const QString& text : m_XTexts) {
        widest = qMax(widest, fontMetrics().horizontalAdvance(text) + 4);
    }
    const int column = qMax(MinColumnWidth, widest);
    const int line = fontMetrics().height();
    return QSize(LeftMargin() + ColumnCount() * column + kRightMargin,
                 kMinPlotHeight + 2 * line + 20 + kTopGap);
}

QSize QHistogram::sizeHint() const {
    const QSize minimum = minimumSizeHint();
    return QSize(qMax(minimum.width(), 600), qMax(minimum.height(), 320));
}

void QHistogram::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

void QHistogram::LayOut() {
    const QRect plot = PlotRect();
    const int band = fontMetrics().height() + 4;
    const int columns = ColumnCount();
    for (QPillar* pillar : m_Pillars) {
        const int left = plot.left() + plot.width() * pillar->Index() / columns;
        const int right = plot.left() + plot.width() * (pillar->Index() + 1) / columns;
        pillar->setGeometry(left, plot.top() - band, right - left, plot.height() + band);
        const QString label = m_XTexts.value(pillar->Index());
        const QString value = ValueText(pillar->Value());
        const QString tip = m_strUnit.isEmpty() ? value : value + QLatin1Char(' ') + m_strUnit;
        pillar->setToolTip(label.isEmpty() ? tip : label + QStringLiteral(": ") + tip);
    }
}

void QHistogram::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect plot = PlotRect();
    const QFontMetrics metrics = fontMetrics();

    // Value axis: the first label on the base line, the last at full scale.
    const int steps = m_YTexts.size() - 1;
    for (int k = 0; k <= steps; ++k) {
        const int y = steps > 0 ? plot.bottom() - plot.height() * k / steps : plot.bottom();
        if (k > 0) {
            painter.setPen(QPen(kGrid, 1, Qt::DashLine));
            painter.drawLine(plot.left() + 1, y, plot.right(), y);
        }
        painter.setPen(kLabel);
        const QRect text(0, y - metrics.height() / 2, plot.left() - 8, metrics.height());
        painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, m_YTexts.at(k));
    }

    painter.setPen(QPen(kAxis, 1));
    painter.drawLine(plot.left(), plot.top() - kTopGap, plot.left(), plot.bottom());
    painter.drawLine(plot.left(), plot.bottom(), plot.right(), plot.bottom());

    const int columns = ColumnCount();
    painter.setPen(kLabel);
    for (int i = 0; i < m_XTexts.size(); ++i) {
        const int left = plot.left() + plot.width() * i / columns;
        const int right = plot.left() + plot.width() * (i + 1) / columns;
        painter.setPen(kAxis);
        painter.drawLine(right, plot.bottom(), right, plot.bottom() + 3);
        painter.setPen(kLabel);
        const QRect text(left - 4, plot.bottom() + 5, right - left + 8, metrics.height());
        painter.drawText(text, Qt::AlignHCenter | Qt::AlignTop, m_XTexts.at(i));
    }
}

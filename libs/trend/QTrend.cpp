#include "QTrend.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>

namespace {

QColor OpaqueColour(QRgb rgb) {
    return QColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

// The value is the decimal text of a QRgb; a signed rendering of the same 32 bits
// is taken as well.
QRgb ParseColour(const QString& value) {
    bool ok = false;
    const QRgb rgb = value.toUInt(&ok);
    return ok ? rgb : QRgb(value.toInt());
}

} // namespace

QTrend::QTrend(QWidget* parent) : QWidget(parent) {}

QTrend::~QTrend() = default;

int QTrend::Clamp(int point) const {
    // Never past 24:00, and never before 00:00; the second rule wins when the
    // window is wider than what is left of the day.
    if (m_nStart + point > kDayMinutes) {
        point = kDayMinutes - m_nStart;
    }
    if (m_nStart + point < m_nTotal) {
        point = m_nTotal - m_nStart;
    }
    return point;
}

void QTrend::SetAttribute(const QString& name, const QString& value, bool refresh) {
    if (name == QLatin1String("Auto")) {
        m_bAuto = (value == QLatin1String("true"));
        GetMax();
    } else if (name == QLatin1String("Point")) {
        m_nPoint = value.toInt();
    } else if (name == QLatin1String("Total")) {
        m_nTotal = value.toInt();
        const int point = Clamp(m_nTotal / 5 + int(m_Data[0].size()));
        SetAttribute(QStringLiteral("Point"), QString::number(point), false);
    } else if (name == QLatin1String("Color1")) {
        m_Color1 = ParseColour(value);
    } else if (name == QLatin1String("Color2")) {
        m_Color2 = ParseColour(value);
    } else if (name == QLatin1String("Color3")) {
        m_Color3 = ParseColour(value);
    } else if (name == QLatin1String("MaxValue")) {
        m_nMax = value.toInt();
    } else if (name == QLatin1String("ShowType")) {
        m_nShowType = value.toInt();
        GetMax();
    }
    if (refresh) {
        update();
    }
    if (m_pFunc) {
        m_pFunc(name, m_pFuncData);
    }
}

void QTrend::AddData(int curve, int value) {
    if (curve < 0 || curve > 2) {
        return;
    }
    if (value < -1 || value > kMaxSample) {
        value = -1;
    }
    QList<int>& data = m_Data[curve];
    data.append(value);
    if (data.size() > kDayMinutes) {
        data.clear();
    }
    if (m_nPressPos == -1) {
        const int point = Clamp(m_nTotal / 5 + int(data.size()));
        SetAttribute(QStringLiteral("Point"), QString::number(point), false);
        update();
    }
    GetMax();
}

void QTrend::Clear() {
    for (QList<int>& data : m_Data) {
        data.clear();
    }
    update();
}

void QTrend::SetStart(int minute) {
    m_nStart = minute;
}

void QTrend::SetFunc(AttributeFunc func, void* data) {
    m_pFunc = func;
    m_pFuncData = data;
}

void QTrend::GetMax() {
    if (!m_bAuto) {
        return;
    }
    int largest = 0;
    int floor = 0;
    if (m_nShowType == 0) {
        for (int v : std::as_const(m_Data[0])) {
            largest = qMax(largest, v);
        }
        for (int v : std::as_const(m_Data[1])) {
            largest = qMax(largest, v);
        }
        floor = 3000;
    } else {
        for (int v : std::as_const(m_Data[2])) {
            largest = qMax(largest, v);
        }
        floor = 5000;
    }
    const int maximum = qMax((largest / 1000 + 2) * 1000, floor);
    if (maximum != m_nMax) {
        SetAttribute(QStringLiteral("MaxValue"), QString::number(maximum), false);
    }
}

void QTrend::SetShowType(int type) {
    m_nShowType = type;
    update();
}

void QTrend::mousePressEvent(QMouseEvent* event) {
    setCursor(Qt::ClosedHandCursor);
    m_nPressPos = event->globalPosition().toPoint().x();
    m_nPressPoint = m_nPoint;
}

void QTrend::mouseMoveEvent(QMouseEvent* event) {
    if (m_nPressPos <= 0 || width() == 4) {
        return;
    }
    const int x = event->globalPosition().toPoint().x();
    const int point = Clamp(m_nPressPoint + ((x - m_nPressPos) * m_nTotal) / (4 - width()));
    SetAttribute(QStringLiteral("Point"), QString::number(point), false);
    update();
}

void QTrend::mouseReleaseEvent(QMouseEvent*) {
    setCursor(Qt::OpenHandCursor);
    m_nPressPos = -1;
    m_nPressPoint = -1;
}

void QTrend::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width() - 1;
    const int h = height() - 1;
    const int pw = w - 56;
    const int ph = h - 31;

    painter.setPen(QPen(Qt::white, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawLine(40, 10, 40, h - 19);
    painter.drawLine(40, 10, w - 14, 10);
    painter.drawLine(40, h - 19, w - 14, h - 19);
    painter.drawLine(w - 14, 10, w - 14, h - 19);
    for (int k = 1; k <= 9; ++k) {
        const int x = k * pw / 10 + 40;
        painter.drawLine(x, 10, x, h - 19);
        const int y = k * ph / 10 + 10;
        painter.drawLine(40, y, w - 14, y);
    }

    painter.setPen(Qt::black);
    painter.setFont(LabelFont());
    for (int j = 0; j <= 5; ++j) {
        const QString label = QString::asprintf("%0.2f", double(m_nMax) * (5 - j) / 5000.0);
        painter.drawText(10, (2 * j * ph) / 10 + 15, label);
    }
    const int s = m_nStart + m_nPoint;
    for (int k = 0; k <= 10; ++k) {
        const int v = s - ((10 - k) * m_nTotal) / 10;
        painter.drawText(k * pw / 10 + 28, h - 4, QString::asprintf("%02d:%02d", v / 60, v % 60));
    }

    // A window of no width or an axis of no height maps nothing: leave the plot empty
    // rather than divide by zero.
    if (m_nTotal <= 0 || m_nPoint < 0 || m_nMax - m_nMin <= 0) {
        return;
    }
    if (m_nShowType == 0) {
        DrawCurve(painter, m_Data[0], m_Color1, pw, ph, h);
        DrawCurve(painter, m_Data[1], m_Color2, pw, ph, h);
    } else {
        DrawCurve(painter, m_Data[2], m_Color3, pw, ph, h);
    }
}

QFont QTrend::LabelFont() const {
    // The labels have fixed places: values from x = 10 to the plot's edge at 40, and
    // the last time label in the 28 pixels left of the widget's edge. The widget's
    // own font is used when the labels fit there, a smaller size of it otherwise.
    const QString widestValue = QString::asprintf("%0.2f", double(m_nMax) / 1000.0);
    QFont font = this->font();
    int pixels = QFontInfo(font).pixelSize();
    for (; pixels > 7; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(widestValue) <= 30 &&
            metrics.horizontalAdvance(QStringLiteral("88:88")) <= 28) {
            break;
        }
    }
    font.setPixelSize(pixels);
    return font;
}

void QTrend::DrawCurve(QPainter& painter, const QList<int>& data, QRgb colour, int pw, int ph, int h) const {
    painter.setPen(QPen(OpaqueColour(colour)));
    const int range = m_nMax - m_nMin;
    auto xOf = [&](int i) { return int((qint64(m_nTotal - m_nPoint + i) * pw) / m_nTotal) + 41; };
    auto yOf = [&](int i) { return (h - 20) - int((qint64(data[i]) * ph) / range); };

    int previous = -1;
    for (int k = 0; k <= m_nTotal; ++k) {
        const int i = m_nPoint - k;
        if (i < 0) {
            break;
        }
        if (i >= data.size() || data[i] == -1) {
            continue;
        }
        if (previous < 0) {
            previous = i;
            continue;
        }
        const QPoint from(xOf(i), yOf(i));
        const QPoint to(xOf(previous), yOf(previous));
        if (from == to) {
            continue;
        }
        painter.drawLine(from, to);
        previous = i;
    }
}

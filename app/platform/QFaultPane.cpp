#include "QFaultPane.h"

#include "QFaultTable.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {
const QColor kBack(250, 250, 251);
const QColor kLine(222, 225, 230);
const QColor kDanger(208, 64, 58);
const QColor kInk(40, 44, 52);
const QColor kInkSoft(110, 118, 130);
} // namespace

QFaultPane::QFaultPane(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("QFaultPane"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QFaultPane::~QFaultPane() = default;

void QFaultPane::clearFault() {
    m_Pending.clear();
}

void QFaultPane::addFault(const QString& name, int address, int code) {
    m_Pending.append(Entry{name, address, code & 0xFFFF});
}

void QFaultPane::refreshList() {
    // Called several times a second: repaint only when the list really changed.
    if (m_Pending == m_Shown) {
        return;
    }
    m_Shown = m_Pending;
    m_nOffset = qBound(0, m_nOffset, MaxOffset());
    update();
}

QString QFaultPane::entryTitle(int index) const {
    if (index < 0 || index >= m_Shown.size()) {
        return QString();
    }
    const Entry& entry = m_Shown.at(index);
    return entry.m_strName + QString::asprintf(" (%03d)", entry.m_nAddress);
}

QString QFaultPane::entryDetail(int index) const {
    if (index < 0 || index >= m_Shown.size()) {
        return QString();
    }
    const int code = m_Shown.at(index).m_nCode;
    const QString name = FaultName(code);
    const QString hex = QString::asprintf("%04X", code);
    return name.isEmpty() ? hex : hex + QLatin1Char(' ') + name;
}

int QFaultPane::MaxOffset() const {
    return qMax(0, m_Shown.size() * EntryHeight - height());
}

void QFaultPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBack);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QFontMetrics metrics(font());
    const int textLeft = 20;
    const int textWidth = qMax(0, width() - textLeft - 4);
    for (int i = 0; i < m_Shown.size(); ++i) {
        const int top = i * EntryHeight - m_nOffset;
        if (top + EntryHeight < 0 || top > height()) {
            continue;
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(kDanger);
        painter.drawEllipse(QPointF(10, top + 12), 3.5, 3.5);
        painter.setPen(kInk);
        painter.drawText(textLeft, top + 4 + metrics.ascent(),
                         metrics.elidedText(entryTitle(i), Qt::ElideRight, textWidth));
        painter.setPen(kInkSoft);
        painter.drawText(textLeft, top + 4 + metrics.height() + metrics.ascent(),
                         metrics.elidedText(entryDetail(i), Qt::ElideRight, textWidth));
        painter.setPen(kLine);
        painter.drawLine(6, top + EntryHeight - 1, width() - 6, top + EntryHeight - 1);
    }
}

void QFaultPane::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    const int offset = qBound(0, m_nOffset - steps * EntryHeight, MaxOffset());
    if (offset != m_nOffset) {
        m_nOffset = offset;
        update();
    }
    event->accept();
}

void QFaultPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_nOffset = qBound(0, m_nOffset, MaxOffset());
}

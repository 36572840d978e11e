#include "QInverterPane.h"

#include "QFindInverterItem.h"

#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace {
constexpr int kRowHeight = QInverterPane::RowPitch - 1; // a line between two rows
constexpr int kLeftMargin = 1;
constexpr int kWheelNotch = 120;
const QColor kLineColour(80, 80, 80);
} // namespace

QInverterPane::QInverterPane(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("QInverterPane"));
    setFixedWidth(PaneWidth);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("QInverterPane { background: white; border: 1px solid rgb(190,196,206); }"));
    m_pScroll = new QScrollBar(Qt::Vertical, this);
    m_pScroll->setObjectName(QStringLiteral("verticalScrollBar"));
    m_pScroll->setSingleStep(ScrollStep);
    m_pScroll->setRange(0, 0);
    connect(m_pScroll, &QScrollBar::valueChanged, this, [this] { Place(); });
}

QFindInverterItem* QInverterPane::AddItem(int address, const QString& model, const QString& name,
                                          bool addable) {
    auto* item = new QFindInverterItem(address, model, name, addable, this);
    connect(item, &QFindInverterItem::add, this, &QInverterPane::addInverter);
    m_Items.append(item);
    item->show();
    Place();
    return item;
}

void QInverterPane::Clear() {
    qDeleteAll(m_Items);
    m_Items.clear();
    m_pScroll->setValue(0);
    Place();
}

QFindInverterItem* QInverterPane::ItemFor(int address) const {
    for (QFindInverterItem* item : m_Items) {
        if (item->Address() == address) {
            return item;
        }
    }
    return nullptr;
}

void QInverterPane::Retranslate() {
    for (QFindInverterItem* item : m_Items) {
        item->Retranslate();
    }
}

void QInverterPane::addInverter() {
    if (auto* item = qobject_cast<QFindInverterItem*>(sender())) {
        emit add(item->Address(), item->Name(), item->Model());
    }
}

void QInverterPane::Place() {
    const int bar = m_pScroll->sizeHint().width();
    m_pScroll->setGeometry(width() - bar - 1, 1, bar, height() - 2);
    m_pScroll->setPageStep(height());
    m_pScroll->setRange(0, qMax(0, m_Items.size() * RowPitch - height()));
    const int offset = m_pScroll->value();
    for (int i = 0; i < m_Items.size(); ++i) {
        m_Items.at(i)->setGeometry(kLeftMargin, i * RowPitch - offset + 1, width() - bar - kLeftMargin - 1,
                                   kRowHeight);
    }
    update();
}

void QInverterPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Place();
}

void QInverterPane::wheelEvent(QWheelEvent* event) {
    m_nWheelRest += event->angleDelta().y();
    const int notches = m_nWheelRest / kWheelNotch;
    m_nWheelRest -= notches * kWheelNotch;
    m_pScroll->setValue(m_pScroll->value() - notches * ScrollStep);
    event->accept();
}

void QInverterPane::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(kLineColour);
    const int right = width() - m_pScroll->width() - 2;
    const int offset = m_pScroll->value();
    for (int i = 0; i < m_Items.size(); ++i) {
        const int y = (i + 1) * RowPitch - offset;
        if (y > 0 && y < height()) {
            painter.drawLine(kLeftMargin, y, right, y);
        }
    }
}

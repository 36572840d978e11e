#include "QTextOutWidget.h"

#include "QTextOutItem.h"

#include <QPainter>

QTextOutWidget::QTextOutWidget(QWidget* parent) : QWidget(parent) {}

QTextOutWidget::~QTextOutWidget() = default;

void QTextOutWidget::AddLine(const QString& text, int kind) {
    auto* item = new QTextOutItem(this);
    item->SetText(text, kind);
    item->show();
    m_Items.append(item);
    LayoutLines();
}

void QTextOutWidget::Clear() {
    QTextOutItem::ClearSelection();
    qDeleteAll(m_Items);
    m_Items.clear();
    LayoutLines();
}

void QTextOutWidget::SetMinWidth(int width) {
    m_nMinWidth = width;
    LayoutLines();
}

void QTextOutWidget::LayoutLines() {
    while (m_Items.size() > MaxLines) {
        delete m_Items.takeFirst();
    }
    int width = m_nMinWidth;
    for (const QTextOutItem* item : std::as_const(m_Items)) {
        width = qMax(width, item->NeededWidth());
    }
    for (int i = 0; i < m_Items.size(); ++i) {
        m_Items[i]->setGeometry(1, i * QTextOutItem::LineHeight + 1, width, QTextOutItem::LineHeight);
    }
    resize(width, m_Items.size() * QTextOutItem::LineHeight);
}

void QTextOutWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(230, 230, 230));
}

#include "QOpaqueLabel.h"

#include <QEvent>
#include <QPainter>
#include <QPaintEvent>

QOpaqueLabel::QOpaqueLabel(const QColor& background, QWidget* parent)
    : QLabel(parent), m_Background(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool QOpaqueLabel::event(QEvent* event) {
    const bool handled = QLabel::event(event);
    if (event->type() == QEvent::Polish || event->type() == QEvent::StyleChange) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    return handled;
}

void QOpaqueLabel::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), m_Background);
    }
    QLabel::paintEvent(event);
}

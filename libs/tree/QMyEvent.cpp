#include "QMyEvent.h"

QMyEvent::QMyEvent(QEvent::Type type, qintptr value1, int value2)
    : QEvent(type), m_nValue1(value1), m_nValue2(value2) {}

QMyEvent::~QMyEvent() = default;

QMyEvent* QMyEvent::clone() const {
    return new QMyEvent(*this);
}

#pragma once

#include "RamuloGlobal.h"

#include <QEvent>

// A custom event with two integer values, read directly by the receiver. The
// first value is pointer-wide because the tree sends the address of an entry in it.
class RAMULO_EXPORT QMyEvent : public QEvent {
public:
    QMyEvent(QEvent::Type type, qintptr value1, int value2);
    ~QMyEvent() override;

    QMyEvent* clone() const override;

    qintptr m_nValue1;
    int m_nValue2;
};

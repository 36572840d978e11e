#pragma once

#include <QEvent>

// Event numbers the core and the windows exchange.
enum PlantEventType {
    EventSetSuccess = 4666, // a setting was written: "Set successfully!"
    EventReplyError = 4667, // error reply; first value is its code 1 to 11
};

// A posted event with two pointer-wide values, the core's counterpart of the
// widget library's QMyEvent (the core links no widget library). Receivers of
// 4666 and 4667 read it as this class.
class QPlantEvent : public QEvent {
public:
    QPlantEvent(int type, qintptr value1, qintptr value2 = 0)
        : QEvent(QEvent::Type(type)), m_nValue1(value1), m_nValue2(value2) {}

    qintptr m_nValue1;
    qintptr m_nValue2;
};

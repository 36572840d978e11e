#pragma once

#include <QDateTime>
#include <QPointer>
#include <QString>

class QObject;

// Texts of the error codes an inverter returns in an error reply, indexed by
// code; entry 0 is empty. They are translated in the main window's context.
extern const char* const g_ReplyErrorTexts[12];

// The translated text of an error code, or an empty text outside 1 to 11.
QString ReplyErrorText(int code);

// Posts EventReplyError to its target at most once in any 5000 ms, so a burst
// of error replies shows one message. The first error after start-up is always
// posted, so the operator never misses it.
class QReplyErrorThrottle {
public:
    static QReplyErrorThrottle& Instance();

    void SetTarget(QObject* target);
    QObject* Target() const;

    // Posts the error code when the window allows it; returns whether it was posted.
    bool Report(int code);
    // Forgets the window (for tests and a fresh start).
    void Reset();

private:
    QPointer<QObject> m_pTarget;
    QDateTime m_LastPosted;
};

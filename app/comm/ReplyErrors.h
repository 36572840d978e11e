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

// Where the core posts what the main window must show: EventSetSuccess for an
// acknowledged setting, EventReplyError for an error reply. Error events are
// posted at most once in any 5000 ms, so a burst of error replies shows one
// message; the first error after start-up is always posted.
class QPlantEvents {
public:
    static QPlantEvents& Instance();

    void SetTarget(QObject* target);
    QObject* Target() const;

    void PostSetSuccess();
    // Posts the error code when the window allows it; returns whether it was posted.
    bool PostReplyError(int code);
    // Forgets the error window (for tests and a fresh start).
    void Reset();

private:
    QPointer<QObject> m_pTarget;
    QDateTime m_LastPosted;
};

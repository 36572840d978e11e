#pragma once

#include <QDateTime>

// Program-wide facts about the operator shared by the pages, the dialogs and the
// main window: when they last did something (the idle logout counts from it),
// whether the idle check runs (a modal dialog suspends it), and whether
// start-up has finished (language changes before that are ignored).
class QUserActivity {
public:
    // Sets the last-activity time to now.
    static void Touch();
    static QDateTime LastActivity();
    // Seconds since the last activity.
    static qint64 IdleSeconds();

    static void SetIdleCheck(bool enabled);
    static bool IdleCheck();

    static void SetStartupDone(bool done);
    static bool StartupDone();
};

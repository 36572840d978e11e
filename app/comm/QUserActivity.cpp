#include "QUserActivity.h"

#include "SystemClock.h"

namespace {
QDateTime g_lastActivity;
bool g_idleCheck = false;
bool g_startupDone = false;
} // namespace

void QUserActivity::Touch() {
    g_lastActivity = SystemClock::Now();
}

QDateTime QUserActivity::LastActivity() {
    return g_lastActivity;
}

qint64 QUserActivity::IdleSeconds() {
    if (!g_lastActivity.isValid()) {
        g_lastActivity = SystemClock::Now();
    }
    return g_lastActivity.msecsTo(SystemClock::Now()) / 1000;
}

void QUserActivity::SetIdleCheck(bool enabled) {
    g_idleCheck = enabled;
}

bool QUserActivity::IdleCheck() {
    return g_idleCheck;
}

void QUserActivity::SetStartupDone(bool done) {
    g_startupDone = done;
}

bool QUserActivity::StartupDone() {
    return g_startupDone;
}

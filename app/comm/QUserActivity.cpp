#include "QUserActivity.h"

#include "SystemClock.h"

#include <limits>

namespace {
// Milliseconds since 1970: the idle check runs 50 times a second, and a local
// time would be worked out for each.
constexpr qint64 kNever = std::numeric_limits<qint64>::min();
qint64 g_lastActivity = kNever;
bool g_idleCheck = false;
bool g_startupDone = false;
} // namespace

void QUserActivity::Touch() {
    g_lastActivity = SystemClock::MSecsSinceEpoch();
}

QDateTime QUserActivity::LastActivity() {
    return g_lastActivity == kNever ? QDateTime() : QDateTime::fromMSecsSinceEpoch(g_lastActivity);
}

qint64 QUserActivity::IdleSeconds() {
    const qint64 now = SystemClock::MSecsSinceEpoch();
    if (g_lastActivity == kNever) {
        g_lastActivity = now;
    }
    return (now - g_lastActivity) / 1000;
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

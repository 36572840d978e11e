#include "SystemClock.h"

namespace {
bool g_fixed = false;
QDateTime g_moment;
} // namespace

QDateTime SystemClock::Now() {
    return g_fixed ? g_moment : QDateTime::currentDateTime();
}

QDate SystemClock::CurrentDate() {
    return Now().date();
}

QTime SystemClock::CurrentTime() {
    return Now().time();
}

void SystemClock::SetFixed(const QDateTime& moment) {
    g_fixed = true;
    g_moment = moment;
}

void SystemClock::Advance(qint64 ms) {
    if (!g_fixed) {
        SetFixed(QDateTime::currentDateTime());
    }
    g_moment = g_moment.addMSecs(ms);
}

void SystemClock::UseSystem() {
    g_fixed = false;
}

bool SystemClock::IsFixed() {
    return g_fixed;
}

int SystemClock::MsecsBetween(const QTime& from, const QTime& to) {
    const QTime start = from.isValid() ? from : QTime(0, 0);
    int diff = start.msecsTo(to);
    if (diff < 0) {
        diff += 86400000;
    }
    return diff;
}

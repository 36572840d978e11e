#pragma once

#include <QDateTime>

// Every "now" of the core comes from here, so that time-outs, midnight, day
// changes and year ends can be tested without waiting. In normal use it is the
// system clock; a test may freeze it at a chosen moment and move it by hand.
class SystemClock {
public:
    static QDateTime Now();
    static QDate CurrentDate();
    static QTime CurrentTime();
    // Now as milliseconds since 1970 UTC, without working out the local time:
    // for what is checked many times a second.
    static qint64 MSecsSinceEpoch();
    // The computer's local time of day at a moment given in milliseconds since
    // 1970 UTC, without working out the date: the offset from UTC is looked up
    // once per minute (offsets only change on whole minutes).
    static QTime LocalTimeOfDay(qint64 msecsSinceEpoch);

    // Test control: freeze at a moment, move the frozen moment, return to real time.
    static void SetFixed(const QDateTime& moment);
    static void Advance(qint64 ms);
    static void UseSystem();
    static bool IsFixed();
    // A clock that runs scale times faster than the computer's and reads moment
    // at the Unix time realMsecs (long runs against a simulated plant whose day
    // passes in minutes). UseSystem returns to real time.
    static void SetScaled(const QDateTime& moment, qint64 realMsecs, double scale);
    // Reads "YYYY-MM-DDTHH:MM:SS,REALMSECS,SCALE" as SetScaled's arguments; false
    // (and nothing changed) for anything else.
    static bool SetScaled(const QString& text);

    // Milliseconds from one time of day to another; when midnight lies between
    // them (the difference is negative) one day is added.
    static int MsecsBetween(const QTime& from, const QTime& to);
};

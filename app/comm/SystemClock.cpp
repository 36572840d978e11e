#include "SystemClock.h"

#include <QStringList>

namespace {
bool g_fixed = false;
QDateTime g_moment;
bool g_scaled = false;
QDateTime g_scaledMoment;
qint64 g_nScaledFrom = 0;
qint64 g_nScaledMoment = 0; // g_scaledMoment in milliseconds since 1970 UTC
double g_scale = 1.0;

// The computer's offset from UTC, as it was worked out last, and the UTC minute
// it holds for: offsets change only on whole minutes (daylight saving, a zone's
// own change), so within one minute the local time of day is the UTC time plus
// the offset. One per thread: the mail thread reads the clock too.
struct LocalOffset {
    qint64 from = 1;
    qint64 until = 0; // empty: worked out at the first call
    qint64 offsetMs = 0;
};
thread_local LocalOffset t_localOffset;

constexpr qint64 kMinuteMs = 60000;
constexpr qint64 kDayMs = 86400000;

qint64 FloorTo(qint64 value, qint64 step) {
    const qint64 rest = value % step;
    return rest < 0 ? value - rest - step : value - rest;
}
} // namespace

QDateTime SystemClock::Now() {
    if (g_fixed) {
        return g_moment;
    }
    if (g_scaled) {
        const qint64 real = QDateTime::currentMSecsSinceEpoch() - g_nScaledFrom;
        return g_scaledMoment.addMSecs(qint64(double(real) * g_scale));
    }
    return QDateTime::currentDateTime();
}

qint64 SystemClock::MSecsSinceEpoch() {
    if (g_fixed) {
        return g_moment.toMSecsSinceEpoch();
    }
    if (g_scaled) {
        const qint64 real = QDateTime::currentMSecsSinceEpoch() - g_nScaledFrom;
        return g_nScaledMoment + qint64(double(real) * g_scale);
    }
    return QDateTime::currentMSecsSinceEpoch();
}

void SystemClock::SetScaled(const QDateTime& moment, qint64 realMsecs, double scale) {
    g_fixed = false;
    g_scaled = true;
    g_scaledMoment = moment;
    g_nScaledMoment = moment.toMSecsSinceEpoch();
    g_nScaledFrom = realMsecs;
    g_scale = scale;
}

bool SystemClock::SetScaled(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3) {
        return false;
    }
    const QDateTime moment = QDateTime::fromString(parts[0].trimmed(), Qt::ISODate);
    bool realOk = false;
    bool scaleOk = false;
    const qint64 real = parts[1].trimmed().toLongLong(&realOk);
    const double scale = parts[2].trimmed().toDouble(&scaleOk);
    if (!moment.isValid() || !realOk || !scaleOk || scale <= 0.0) {
        return false;
    }
    SetScaled(moment, real, scale);
    return true;
}

QDate SystemClock::CurrentDate() {
    return Now().date();
}

QTime SystemClock::CurrentTime() {
    if (g_fixed || g_scaled) {
        return Now().time();
    }
    // Many times a second (the bus tick): working out the whole local date and
    // time each time would cost more than the rest of the tick.
    return LocalTimeOfDay(QDateTime::currentMSecsSinceEpoch());
}

QTime SystemClock::LocalTimeOfDay(qint64 msecsSinceEpoch) {
    LocalOffset& cached = t_localOffset;
    if (msecsSinceEpoch < cached.from || msecsSinceEpoch >= cached.until) {
        cached.offsetMs = qint64(QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch).offsetFromUtc()) * 1000;
        cached.from = FloorTo(msecsSinceEpoch, kMinuteMs);
        cached.until = cached.from + kMinuteMs;
    }
    const qint64 local = msecsSinceEpoch + cached.offsetMs;
    return QTime::fromMSecsSinceStartOfDay(int(local - FloorTo(local, kDayMs)));
}

void SystemClock::SetFixed(const QDateTime& moment) {
    g_fixed = true;
    g_moment = moment;
}

void SystemClock::Advance(qint64 ms) {
    if (!g_fixed) {
        SetFixed(Now());
    }
    g_moment = g_moment.addMSecs(ms);
}

void SystemClock::UseSystem() {
    g_fixed = false;
    g_scaled = false;
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

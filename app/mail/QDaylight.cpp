#include "QDaylight.h"

#include "QSunTimes.h"
#include "QSystemSettings.h"

#include <QTimeZone>

QDaylight QDaylight::FromSettings(const QSystemSettings& settings) {
    if (settings.Latitude() != 0 || settings.Longitude() != 0) {
        return AtPosition(settings.Latitude() / 100.0, settings.Longitude() / 100.0);
    }
    const QString begin = settings.GetSystemValue(QStringLiteral("begintime"));
    return Fixed(begin.isEmpty() ? FallbackSunriseHour : begin.toInt());
}

QDaylight QDaylight::AtPosition(double latitude, double longitude) {
    QDaylight daylight;
    daylight.m_bPosition = true;
    daylight.m_dLatitude = qBound(-90.0, latitude, 90.0);
    daylight.m_dLongitude = qBound(-180.0, longitude, 180.0);
    return daylight;
}

QDaylight QDaylight::Fixed(int sunriseHour) {
    QDaylight daylight;
    daylight.m_nSunriseHour = qBound(0, sunriseHour, FallbackSunsetHour);
    return daylight;
}

QDaylight::Day QDaylight::DayOf(const QDate& date) const {
    const QDateTime midnight(date, QTime(0, 0));
    if (!m_bPosition) {
        return {QDateTime(date, QTime(m_nSunriseHour, 0)), QDateTime(date, QTime(FallbackSunsetHour, 0))};
    }
    const QSunTimes sun = QSunTimes::For(date, m_dLatitude, m_dLongitude, QTimeZone::systemTimeZone());
    switch (sun.m_eKind) {
    case QSunTimes::AlwaysUp:
        return {midnight, QDateTime(date.addDays(1), QTime(0, 0))};
    case QSunTimes::AlwaysDown:
        return {midnight, midnight};
    case QSunTimes::RisesAndSets:
        break;
    }
    return {sun.m_Sunrise.toLocalTime(), sun.m_Sunset.toLocalTime()};
}

QDateTime QDaylight::Sunrise(const QDate& date) const {
    return DayOf(date).begin;
}

QDateTime QDaylight::Sunset(const QDate& date) const {
    return DayOf(date).end;
}

bool QDaylight::IsDay(const QDateTime& moment) const {
    const Day day = DayOf(moment.date());
    return moment >= day.begin && moment < day.end;
}

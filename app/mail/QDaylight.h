#pragma once

#include <QDate>
#include <QDateTime>

class QSystemSettings;

// When the plant's inverters can feed in: from sunrise to sunset of each
// date, computed for the plant's position so that it follows the seasons and
// the clock changes. A plant without a position (latitude and longitude both
// 0) takes the sunrise-time setting "begintime" (an hour; 6 when it was never
// set) and 18:00. Moments are local time.
class QDaylight {
public:
    static constexpr int FallbackSunriseHour = 6;
    static constexpr int FallbackSunsetHour = 18;

    // From the plant's "Latitude" and "Longitude" (hundredths of a degree) or "begintime".
    static QDaylight FromSettings(const QSystemSettings& settings);
    static QDaylight AtPosition(double latitude, double longitude);
    static QDaylight Fixed(int sunriseHour);

    bool HasPosition() const { return m_bPosition; }
    // The daylight of a date: [sunrise, sunset). Empty (both the start of the
    // day) in a polar night; the whole day in a polar day.
    QDateTime Sunrise(const QDate& date) const;
    QDateTime Sunset(const QDate& date) const;
    bool IsDay(const QDateTime& moment) const;

private:
    struct Day {
        QDateTime begin;
        QDateTime end;
    };
    Day DayOf(const QDate& date) const;

    bool m_bPosition = false;
    double m_dLatitude = 0;
    double m_dLongitude = 0;
    int m_nSunriseHour = FallbackSunriseHour;
};

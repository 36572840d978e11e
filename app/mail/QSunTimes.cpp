#include "QSunTimes.h"

#include <QtMath>
#include <cmath>

namespace {
constexpr double J2000 = 2451545.0;        // 2000-01-01 12:00 UTC as a Julian date
constexpr double UnixEpoch = 2440587.5;    // 1970-01-01 00:00 UTC as a Julian date
constexpr double Obliquity = 23.4397;      // degrees
constexpr double HorizonAltitude = -0.833; // the sun's upper edge at the horizon, refraction included

double Sin(double degrees) {
    return std::sin(qDegreesToRadians(degrees));
}

double Wrap360(double degrees) {
    const double wrapped = std::fmod(degrees, 360.0);
    return wrapped < 0 ? wrapped + 360.0 : wrapped;
}

QDateTime FromJulian(double julian, const QTimeZone& zone) {
    const qint64 ms = qint64(std::llround((julian - UnixEpoch) * 86400000.0));
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toTimeZone(zone);
}
} // namespace

QSunTimes QSunTimes::For(const QDate& date, double latitude, double longitude, const QTimeZone& zone) {
    QSunTimes times;
    // The solar noon of the date at this longitude: east of Greenwich (positive) it comes earlier.
    const double cycle = std::round(double(date.toJulianDay()) - J2000 - 0.0009 + longitude / 360.0);
    const double approxNoon = J2000 + 0.0009 - longitude / 360.0 + cycle;
    const double meanAnomaly = Wrap360(357.5291 + 0.98560028 * (approxNoon - J2000));
    const double center =
        1.9148 * Sin(meanAnomaly) + 0.0200 * Sin(2 * meanAnomaly) + 0.0003 * Sin(3 * meanAnomaly);
    const double eclipticLongitude = Wrap360(meanAnomaly + center + 180.0 + 102.9372);
    const double noon = approxNoon + 0.0053 * Sin(meanAnomaly) - 0.0069 * Sin(2 * eclipticLongitude);
    const double declinationSin = Sin(eclipticLongitude) * Sin(Obliquity);
    const double declinationCos = std::sqrt(1.0 - declinationSin * declinationSin);
    const double hourAngleCos = (Sin(HorizonAltitude) - Sin(latitude) * declinationSin) /
                                (std::cos(qDegreesToRadians(latitude)) * declinationCos);
    if (hourAngleCos < -1.0) {
        times.m_eKind = AlwaysUp;
        return times;
    }
    if (hourAngleCos > 1.0) {
        times.m_eKind = AlwaysDown;
        return times;
    }
    const double halfDay = qRadiansToDegrees(std::acos(hourAngleCos)) / 360.0;
    times.m_Sunrise = FromJulian(noon - halfDay, zone);
    times.m_Sunset = FromJulian(noon + halfDay, zone);
    return times;
}

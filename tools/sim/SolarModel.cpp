#include "SolarModel.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {
quint64 Mix(quint64 x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

double HourOfDay(const QDateTime& moment) {
    return moment.time().msecsSinceStartOfDay() / 3600000.0;
}
} // namespace

SolarModel::SolarModel(quint32 seed) : m_seed(seed) {}

double SolarModel::Hash01(qint64 a, qint64 b) const {
    const quint64 h = Mix(Mix(Mix(m_seed) ^ quint64(a)) ^ quint64(b));
    return double(h >> 11) / double(1ull << 53);
}

double SolarModel::Season(const QDate& date) const {
    return std::cos(2.0 * M_PI * (date.dayOfYear() - 172) / 365.25);
}

double SolarModel::SunriseHour(const QDate& date) const {
    return 12.0 - (12.0 + 3.5 * Season(date)) / 2.0;
}

double SolarModel::SunsetHour(const QDate& date) const {
    return 12.0 + (12.0 + 3.5 * Season(date)) / 2.0;
}

double SolarModel::DayQuality(const QDate& date) const {
    // Skewed towards fair days: most days are good, a few are overcast.
    return 0.3 + 0.7 * std::sqrt(Hash01(date.toJulianDay(), 1));
}

double SolarModel::Cloudiness(const QDateTime& moment) const {
    // Passing clouds: values every ten minutes, joined by straight lines.
    const double slot = HourOfDay(moment) * 6.0;
    const qint64 index = qint64(std::floor(slot));
    const double frac = slot - double(index);
    const qint64 day = moment.date().toJulianDay();
    const double a = Hash01(day * 1000 + index, 2);
    const double b = Hash01(day * 1000 + index + 1, 2);
    return a + (b - a) * frac;
}

double SolarModel::Irradiance(const QDateTime& moment) const {
    const QDate date = moment.date();
    const double sunrise = SunriseHour(date);
    const double sunset = SunsetHour(date);
    const double hour = HourOfDay(moment);
    if (hour <= sunrise || hour >= sunset) {
        return 0.0;
    }
    const double shape = std::pow(std::sin(M_PI * (hour - sunrise) / (sunset - sunrise)), 2.0);
    const double peak = 0.70 + 0.15 * Season(date);
    const double quality = DayQuality(date);
    const double clouds = 1.0 - (1.0 - quality) * 0.6 * Cloudiness(moment);
    return peak * shape * quality * clouds;
}

double SolarModel::AmbientTemperature(const QDateTime& moment) const {
    const QDate date = moment.date();
    const double base = 12.0 + 10.0 * Season(date) - 3.0 * (1.0 - DayQuality(date));
    return base + 5.0 * std::sin(2.0 * M_PI * (HourOfDay(moment) - 9.0) / 24.0);
}

void SolarModel::FillDay(const QDate& date, double oversize) const {
    const qint64 key = date.toJulianDay() * 1000 + qint64(oversize * 100.0);
    if (m_days.contains(key)) {
        return;
    }
    DayFigures figures;
    const QDateTime midnight(date, QTime(0, 0), Qt::UTC);
    for (int minute = 0; minute < 1440; minute += 10) {
        const double share = std::min(1.0, oversize * Irradiance(midnight.addSecs(minute * 60 + 300)));
        figures.hours += share / 6.0;
        figures.peak = std::max(figures.peak, share);
    }
    m_days.insert(key, figures);
}

double SolarModel::DayFullLoadHours(const QDate& date, double oversize) const {
    FillDay(date, oversize);
    return m_days.value(date.toJulianDay() * 1000 + qint64(oversize * 100.0)).hours;
}

double SolarModel::DayPeakShare(const QDate& date, double oversize) const {
    FillDay(date, oversize);
    return m_days.value(date.toJulianDay() * 1000 + qint64(oversize * 100.0)).peak;
}

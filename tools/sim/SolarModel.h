#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>

// Sun and weather over the plant, shared by all its inverters so that their
// curves move together. Everything derives from the seed and the moment, so the
// same seed gives the same weather whatever order it is asked in.
class SolarModel {
public:
    explicit SolarModel(quint32 seed);

    // Light on the panels relative to a clear summer noon: 0 at night, up to ~1.
    double Irradiance(const QDateTime& moment) const;
    // Share of a clear day's light that a day gets: 0.3 (overcast) to 1 (clear).
    double DayQuality(const QDate& date) const;
    double SunriseHour(const QDate& date) const;
    double SunsetHour(const QDate& date) const;
    double AmbientTemperature(const QDateTime& moment) const; // degrees C

    // Full-load hours of a day for an array sized oversize x the inverter's
    // rating with the output clipped at the rating; used to fill in past days.
    double DayFullLoadHours(const QDate& date, double oversize) const;
    // Highest output share of a day, with the same clipping.
    double DayPeakShare(const QDate& date, double oversize) const;

    // A uniform number in [0, 1) fixed by the seed and two keys.
    double Hash01(qint64 a, qint64 b) const;

private:
    double Season(const QDate& date) const; // 1 at midsummer, -1 at midwinter
    double Cloudiness(const QDateTime& moment) const;
    void FillDay(const QDate& date, double oversize) const;

    struct DayFigures {
        double hours = 0.0;
        double peak = 0.0;
    };
    quint32 m_seed;
    mutable QHash<qint64, DayFigures> m_days; // key: julian day * 1000 + oversize * 100
};

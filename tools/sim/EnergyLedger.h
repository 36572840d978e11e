#pragma once

#include <QDate>
#include <QMap>
#include <QtGlobal>

// What one day (or the sum of forgotten days) brought, in the units of the
// registers: energy in 0.01 kWh, money in hundredths, CO2 in 0.01 kg.
struct DayTotals {
    double energy = 0.0;
    double money = 0.0;
    double co2 = 0.0;
    double peakW = 0.0;
    double workHours = 0.0;
    double gridHours = 0.0;
};

struct StatBlock {
    quint32 energy = 0;
    quint32 money = 0;
    quint32 co2 = 0;
};

// The generation history of one inverter, day by day, from which every counter
// the inverter reports is summed, so that today, the month, the year, the
// 7- and 30-day sums, the daily and monthly tables and the lifetime total
// always agree. Sums are taken over whole register units of each day, so a
// sum equals the sum of the daily values that are read.
class EnergyLedger {
public:
    static const int kKeptDays = 400;
    // kg of CO2 avoided per kWh fed in.
    static constexpr double kCo2PerKwh = 0.997;

    void SetPastDay(const QDate& date, const DayTotals& totals);
    void SetBase(const DayTotals& base) { m_base = base; }

    // Makes the date the current day (a new, empty day when it is not known
    // yet); days that fall out of the kept window go into the base.
    void BeginDay(const QDate& date);
    QDate Today() const { return m_today; }

    void AddEnergy(double wattHours, double pricePerKwh);
    void NotePower(double watts);
    void AddHours(double working, double grid);

    StatBlock Sum(const QDate& from, const QDate& to) const; // inclusive
    StatBlock Total() const;
    quint32 Peak(const QDate& from, const QDate& to) const;
    quint32 PeakAllTime() const;
    quint32 WorkHoursMilli() const;
    quint32 GridHoursMilli() const;
    quint32 DayEnergy(int daysBack) const;
    quint32 MonthEnergy(int monthsBack) const;
    DayTotals TodayTotals() const { return m_days.value(m_today); }

    // Forgets the days (their energy, money, CO2 and hours stay in the
    // lifetime counters) and the peaks; today starts again from zero.
    void Clear();

private:
    QMap<QDate, DayTotals> m_days;
    DayTotals m_base;
    QDate m_today;
};

#include "EnergyLedger.h"

#include <algorithm>
#include <cmath>

namespace {
quint32 Units(double value) {
    if (!(value > 0.0)) {
        return 0;
    }
    return value >= 4294967295.0 ? 0xFFFFFFFFu : quint32(std::floor(value));
}

quint32 Clamp(quint64 value) {
    return value > 0xFFFFFFFFull ? 0xFFFFFFFFu : quint32(value);
}
} // namespace

void EnergyLedger::SetPastDay(const QDate& date, const DayTotals& totals) {
    m_days.insert(date, totals);
}

void EnergyLedger::BeginDay(const QDate& date) {
    m_today = date;
    if (!m_days.contains(date)) {
        m_days.insert(date, DayTotals());
    }
    const QDate oldest = date.addDays(-(kKeptDays - 1));
    while (!m_days.isEmpty() && m_days.firstKey() < oldest) {
        const DayTotals day = m_days.take(m_days.firstKey());
        m_base.energy += std::floor(day.energy);
        m_base.money += std::floor(day.money);
        m_base.co2 += std::floor(day.co2);
        m_base.workHours += day.workHours;
        m_base.gridHours += day.gridHours;
        m_base.peakW = std::max(m_base.peakW, day.peakW);
    }
}

void EnergyLedger::AddEnergy(double wattHours, double pricePerKwh) {
    if (!(wattHours > 0.0) || !m_today.isValid()) {
        return;
    }
    DayTotals& day = m_days[m_today];
    const double kwh = wattHours / 1000.0;
    day.energy += kwh * 100.0;
    day.money += kwh * pricePerKwh * 100.0;
    day.co2 += kwh * kCo2PerKwh * 100.0;
}

void EnergyLedger::NotePower(double watts) {
    if (!m_today.isValid()) {
        return;
    }
    DayTotals& day = m_days[m_today];
    day.peakW = std::max(day.peakW, watts);
}

void EnergyLedger::AddHours(double working, double grid) {
    if (!m_today.isValid()) {
        return;
    }
    DayTotals& day = m_days[m_today];
    day.workHours += working;
    day.gridHours += grid;
}

StatBlock EnergyLedger::Sum(const QDate& from, const QDate& to) const {
    quint64 energy = 0;
    quint64 money = 0;
    quint64 co2 = 0;
    for (auto it = m_days.lowerBound(from); it != m_days.end() && it.key() <= to; ++it) {
        energy += Units(it->energy);
        money += Units(it->money);
        co2 += Units(it->co2);
    }
    return {Clamp(energy), Clamp(money), Clamp(co2)};
}

StatBlock EnergyLedger::Total() const {
    StatBlock days = Sum(QDate(1, 1, 1), m_today);
    return {Clamp(quint64(Units(m_base.energy)) + days.energy),
            Clamp(quint64(Units(m_base.money)) + days.money), Clamp(quint64(Units(m_base.co2)) + days.co2)};
}

quint32 EnergyLedger::Peak(const QDate& from, const QDate& to) const {
    double peak = 0.0;
    for (auto it = m_days.lowerBound(from); it != m_days.end() && it.key() <= to; ++it) {
        peak = std::max(peak, it->peakW);
    }
    return Units(peak);
}

quint32 EnergyLedger::PeakAllTime() const {
    return std::max(Units(m_base.peakW), Peak(QDate(1, 1, 1), m_today));
}

quint32 EnergyLedger::WorkHoursMilli() const {
    double hours = m_base.workHours;
    for (const DayTotals& day : m_days) {
        hours += day.workHours;
    }
    return Units(hours * 1000.0);
}

quint32 EnergyLedger::GridHoursMilli() const {
    double hours = m_base.gridHours;
    for (const DayTotals& day : m_days) {
        hours += day.gridHours;
    }
    return Units(hours * 1000.0);
}

quint32 EnergyLedger::DayEnergy(int daysBack) const {
    const QDate date = m_today.addDays(-daysBack);
    return Units(m_days.value(date).energy);
}

quint32 EnergyLedger::MonthEnergy(int monthsBack) const {
    const QDate first = QDate(m_today.year(), m_today.month(), 1).addMonths(-monthsBack);
    return Sum(first, first.addMonths(1).addDays(-1)).energy;
}

void EnergyLedger::Clear() {
    for (const DayTotals& day : std::as_const(m_days)) {
        m_base.energy += std::floor(day.energy);
        m_base.money += std::floor(day.money);
        m_base.co2 += std::floor(day.co2);
        m_base.workHours += day.workHours;
        m_base.gridHours += day.gridHours;
    }
    m_base.peakW = 0.0;
    m_days.clear();
    if (m_today.isValid()) {
        m_days.insert(m_today, DayTotals());
    }
}

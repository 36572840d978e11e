#include "GenerationReport.h"

QString GenerationReport::EntryDate(const QDate& date) const {
    switch (m_nPeriod) {
    case Monthly:
        return QString::asprintf("%d-%02d", date.year(), date.month());
    case Yearly:
        return QString::asprintf("%d", date.year());
    default:
        return QString::asprintf("%d-%02d-%02d", date.year(), date.month(), date.day());
    }
}

QString GenerationReport::PeriodStart() const {
    switch (m_nPeriod) {
    case Monthly:
        return QString::asprintf("01/%02d/%d", m_Start.month(), m_Start.year());
    case Yearly:
        return QString::asprintf("01/01/%d", m_Start.year());
    default:
        return QString::asprintf("%02d/%02d/%d", m_Start.day(), m_Start.month(), m_Start.year());
    }
}

QString GenerationReport::PeriodEnd() const {
    switch (m_nPeriod) {
    case Monthly:
        return QString::asprintf("31/%02d/%d", m_End.month(), m_End.year());
    case Yearly:
        return QString::asprintf("31/12/%d", m_End.year());
    default:
        return QString::asprintf("%02d/%02d/%d", m_End.day(), m_End.month(), m_End.year());
    }
}

qint64 GenerationReport::Sum() const {
    qint64 sum = 0;
    for (const GenerationEntry& entry : m_Entries) {
        if (entry.m_nValue >= 0) {
            sum += entry.m_nValue;
        }
    }
    return sum;
}

#pragma once

#include <QDate>

#include <QtGlobal>

class QInverter;
class QDate;
class QDateTime;
class QString;

// First and last reading of today's energy per hour slot (slot k is hour k + 1);
// -1 means no reading. What hour.dat holds.
struct QHourReadings {
    static constexpr int Slots = 24;
    qint32 m_nFirst[Slots];
    qint32 m_nLast[Slots];
    QDate m_Day; // the day the readings belong to; none before the first

    QHourReadings() { Clear(); }
    void Clear() {
        for (int i = 0; i < Slots; ++i) {
            m_nFirst[i] = -1;
            m_nLast[i] = -1;
        }
    }
};

// The fault codes last recorded in fault.dat, one per fault word. What alarm.dat holds.
struct QAlarmSlots {
    static constexpr int Slots = 8;
    quint16 m_nCode[Slots] = {0, 0, 0, 0, 0, 0, 0, 0};
};

// The day-level files in an inverter's folder: the CSV day log
// "<year>/<month>/<year>_<mm>_<dd>.csv", hour.dat and alarm.dat. An inverter
// without a name has no folder, and nothing is written for it.
class QDayLogFiles {
public:
    static QString DayLogPath(const QInverter& inverter, const QDate& date);
    static QString HourFilePath(const QInverter& inverter);
    static QString AlarmFilePath(const QInverter& inverter);

    // One data row while online with valid data and a status 1..5; the row
    // consumes the fresh flags of the items it shows.
    static void WriteDayRow(QInverter& inverter, const QDateTime& now);
    // ",Connected" or ",Communicate lost".
    static void WriteConnectRow(const QInverter& inverter, bool connected, const QDateTime& now);
    // Today's energy as first and last reading of the current hour's slot (after
    // midnight the slots start empty); true when the readings changed.
    static bool TakeHourReading(QInverter& inverter, QHourReadings& hours, const QDateTime& now);
    // hour.dat rewritten from the readings, stamped with their day.
    static void SaveHourFile(const QInverter& inverter, const QHourReadings& hours);
    // Both at once; the file only when the readings changed.
    static void UpdateHourFile(QInverter& inverter, QHourReadings& hours, const QDateTime& now);
    // The readings of hour.dat when it is today's, else none.
    static void LoadHourFile(const QInverter& inverter, QHourReadings& hours, const QDate& today);
    static void SaveAlarmFile(const QInverter& inverter, const QAlarmSlots& alarms);
    static void LoadAlarmFile(const QInverter& inverter, QAlarmSlots& alarms);
    // Keeps at most one year of day logs.
    static void PurgeDayLogs(const QInverter& inverter, const QDate& today);
};

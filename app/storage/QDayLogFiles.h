#pragma once

class QInverter;
class QDate;
class QString;

// The day-level files in an inverter's folder: the CSV day log
// "<year>/<month>/<year>_<mm>_<dd>.csv", hour.dat and alarm.dat.
class QDayLogFiles {
public:
    static QString DayLogPath(const QInverter& inverter, const QDate& date);
    static QString HourFilePath(const QInverter& inverter);
    static QString AlarmFilePath(const QInverter& inverter);

    // One data row while online with valid data and a status 1..5.
    static void WriteDayRow(QInverter& inverter);
    // ",Connected" or ",Communicate lost".
    static void WriteConnectRow(QInverter& inverter, bool connected);
    // First and last reading of today's energy in the current hour's slot.
    static void UpdateHourFile(QInverter& inverter);
    static void LoadHourFile(QInverter& inverter);
    static void SaveAlarmFile(const QInverter& inverter);
    static void LoadAlarmFile(QInverter& inverter);
    // Keeps at most one year of day logs.
    static void PurgeDayLogs(const QInverter& inverter);
};

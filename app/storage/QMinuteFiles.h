#pragma once

class QDate;
class QDateTime;
class QInverter;
class QSaveInverterData;

// Once-a-minute records of power and energy, and today's curves read back at start.
class QMinuteFiles {
public:
    // The record of this minute through the inverter's writer, while it is online;
    // the writer follows the inverter's address.
    static void SaveMinuteRecord(QInverter& inverter, QSaveInverterData& writer, const QDateTime& now);
    // Today's records of the inverter's address into its minute history.
    static void LoadTodayMinutes(QInverter& inverter, const QDate& today);
};

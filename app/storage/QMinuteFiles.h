#pragma once

class QInverter;

// Once-a-minute records of power and energy, and today's curves read back at start.
class QMinuteFiles {
public:
    static void SaveMinuteRecord(QInverter& inverter);
    static void LoadTodayMinutes(QInverter& inverter);
};

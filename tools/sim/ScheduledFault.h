#pragma once

#include <QString>
#include <QtGlobal>

// A fault word that a simulated inverter reports every simulated day between
// two times of day. A window whose end lies before its start runs over midnight.
struct ScheduledFault {
    int address = 0;
    int word = 0;       // fault word 0 to 7 (registers 0x1670 to 0x1677)
    quint16 code = 0;   // the value the word holds meanwhile, e.g. 0xE006
    int fromMinute = 0; // minute of the day, inclusive
    int toMinute = 0;   // minute of the day, exclusive

    bool IsActiveAt(int minuteOfDay) const;

    // Reads "ADDR:WORD:CODE:HH:MM-HH:MM" (CODE hexadecimal, with or without 0x).
    // Returns false and sets the error text when the text is not such a fault.
    static bool Parse(const QString& text, ScheduledFault* fault, QString* error);
};

#pragma once

#include "QReadDataFile.h"
#include "SystemClock.h"

class QInverter;

// The analog signal device (address 255) replays a recorded day from analog.db
// instead of communicating. The recorder owns one.
class QAnalogDevice {
public:
    static QString DatabasePath();

    // Opens analog.db and fills today's history up to now. False (device left
    // offline) when the recording cannot be read: the caller shows
    // "Load analog data failed!".
    bool LoadAnalogDay(QInverter* device, const QDateTime& now = SystemClock::Now());
    // Sets the live items from the sample of the current time.
    void FeedAnalogSample(QInverter* device, const QDateTime& now = SystemClock::Now());

    const QReadDataFile& Reader() const { return m_Reader; }

private:
    QReadDataFile m_Reader;
};

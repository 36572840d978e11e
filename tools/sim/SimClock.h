#pragma once

#include <QDateTime>
#include <QElapsedTimer>

// The plant's time: a start moment that runs on at a chosen multiple of real time.
class SimClock {
public:
    // An invalid start means the computer's clock at construction.
    SimClock(const QDateTime& start, double scale);

    QDateTime Now() const; // wall-clock fields on a UTC time line
    QDateTime Start() const { return m_start; }
    double Scale() const { return m_scale; }

private:
    QDateTime m_start;
    double m_scale;
    QElapsedTimer m_elapsed;
};

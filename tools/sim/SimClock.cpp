#include "SimClock.h"

#include "SystemClock.h"

#include <cmath>

SimClock::SimClock(const QDateTime& start, double scale) : m_scale(scale > 0.0 ? scale : 1.0) {
    const QDateTime local = start.isValid() ? start : SystemClock::Now();
    // The plant keeps wall-clock time without zones or daylight saving: the
    // same fields on a UTC time line, which also spares a zone look-up per step.
    // Whole seconds keep the inverter clocks on a neat grid.
    m_start = QDateTime(local.date(),
                        QTime(local.time().hour(), local.time().minute(), local.time().second()), Qt::UTC);
    m_elapsed.start();
}

QDateTime SimClock::Now() const {
    const double simMs = double(m_elapsed.elapsed()) * m_scale;
    return m_start.addMSecs(qint64(std::floor(simMs)));
}

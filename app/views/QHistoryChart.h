#pragma once

#include <QDateTime>
#include <QStringList>
#include <QVector>

struct QHourReadings;

// What the history tab's bar chart shows in one of its four views: the columns'
// labels, the bar of each column (-1: none), the full-scale value and the value
// axis labels. Built from the inverter's hourly readings (today) and its block
// of total.dat (month, year, years); no widget involved.
class QHistoryChart {
public:
    enum View { Today = 0, ThisMonth = 1, ThisYear = 2, Years = 3 };
    static constexpr int HourColumns = 15;
    static constexpr int FirstYear = 2013;
    static constexpr int YearColumns = 20;

    // Views 0 .. 3 at a moment from an inverter's hourly readings (none: no bar
    // today) and its block of total.dat (QTotalFileReader; all -1: no bars).
    static QHistoryChart Build(int view, const QHourReadings* hours, const QVector<qint32>& record,
                               const QDateTime& now, int startHour);

    // The full-scale value for the largest shown value of a view.
    static int ScaleMax(int view, qint64 largest);
    // First hour of the today view; the fifteen columns end at 23:00 at the latest.
    static int ClampStartHour(int hour);

    int View() const { return m_nView; }
    const QStringList& XLabels() const { return m_XLabels; }
    const QVector<qint32>& Bars() const { return m_Bars; } // one per X label
    int Max() const { return m_nMax; }
    const QStringList& YLabels() const { return m_YLabels; }

private:
    int m_nView = Today;
    QStringList m_XLabels;
    QVector<qint32> m_Bars;
    int m_nMax = 500;
    QStringList m_YLabels;
};

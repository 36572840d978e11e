#include "QHistoryChart.h"

#include "QDayLogFiles.h"
#include "QGenerationStore.h"
#include "QTotalFileReader.h"

namespace {
constexpr int kSlots = 32;
constexpr int kDailyRecords = 32;
constexpr int kMonthlyRecords = 12;
constexpr int kLastStartHour = 24 - QHistoryChart::HourColumns;

// The date of a daily record's word, (year - 2000) << 24 | month << 16 | day << 8.
QDate WordDate(qint32 word) {
    if (word < 0) {
        return QDate();
    }
    return QDate(2000 + (word >> 24), (word >> 16) & 0xFF, (word >> 8) & 0xFF);
}

void TodayValues(QVector<qint32>& v, const QHourReadings& hours, int hour) {
    // Slot k holds the readings taken during hour k + 1 and is shown at that hour.
    // Slots after the current hour can only hold an earlier day's readings (the
    // arrays run on over midnight), so they are never shown.
    for (int i = 1; i <= hour && i <= QHourReadings::Slots; ++i) {
        const qint32 first = hours.m_nFirst[i - 1];
        const qint32 last = hours.m_nLast[i - 1];
        if (first != -1 && last != -1 && last - first >= 0) {
            v[i] = last - first;
        }
    }
}

void MonthValues(QVector<qint32>& v, const QVector<qint32>& r, const QDate& today) {
    // Daily record i is today minus i days as of the last save; its date word says
    // which day that was, so each value lands on its own day of this month
    // (placing record i at day i + 1 would put today's energy under the 1st).
    for (int i = 0; i < kDailyRecords; ++i) {
        const qint32 value = r.value(QTotalFileReader::FirstDay + 2 * i, -1);
        const QDate date = WordDate(r.value(QTotalFileReader::FirstDay + 2 * i + 1, -1));
        if (value < 0 || value >= QGenerationStore::NoValueLimit || !date.isValid() ||
            date.year() != today.year() || date.month() != today.month() || v[date.day() - 1] != -1) {
            continue;
        }
        v[date.day() - 1] = value;
    }
}

void YearValues(QVector<qint32>& v, const QVector<qint32>& r, const QDate& today) {
    // Monthly record j is j months before the month of the last save, which the
    // newest daily date word tells; each value lands on its own month.
    QDate anchor = WordDate(r.value(QTotalFileReader::FirstDay + 1, -1));
    if (!anchor.isValid()) {
        anchor = today;
    }
    const QDate first(anchor.year(), anchor.month(), 1);
    for (int j = 0; j < kMonthlyRecords; ++j) {
        const qint32 value = r.value(QTotalFileReader::FirstMonth + j, -1);
        const QDate month = first.addMonths(-j);
        if (value >= 0 && month.year() == today.year()) {
            v[month.month() - 1] = value;
        }
    }
}
} // namespace

int QHistoryChart::ClampStartHour(int hour) {
    return qBound(0, hour, kLastStartHour);
}

int QHistoryChart::ScaleMax(int view, qint64 largest) {
    const qint64 m = qMax<qint64>(0, largest);
    if (view == Years) {
        return int((m * 5 / 4) / 500 * 500 + 500);
    }
    const qint64 a = (m * 5 / 4) / 100;
    return a < 4 ? 500 : int(a * 100 + 100);
}

QHistoryChart QHistoryChart::Build(int view, const QHourReadings* hours, const QVector<qint32>& record,
                                   const QDateTime& now, int startHour) {
    QHistoryChart chart;
    chart.m_nView = qBound(int(Today), view, int(Years));
    const QDate today = now.date();
    QVector<qint32> v(kSlots, -1);
    switch (chart.m_nView) {
    case Today:
        if (hours) {
            TodayValues(v, *hours, now.time().hour());
        }
        break;
    case ThisMonth:
        MonthValues(v, record, today);
        break;
    case ThisYear:
        YearValues(v, record, today);
        break;
    default:
        for (int k = 0; k < YearColumns; ++k) {
            const qint32 value = record.value(QTotalFileReader::FirstYear + k, -1);
            v[k] = value >= 0 ? value : -1;
        }
        break;
    }

    int first = 0;
    int count = 0;
    switch (chart.m_nView) {
    case Today:
        first = ClampStartHour(startHour);
        count = HourColumns;
        for (int l = 0; l < count; ++l) {
            chart.m_XLabels << QString::asprintf("%02d:00", first + l);
        }
        break;
    case ThisMonth:
        // Every day of this month, the last days of a long month included.
        count = today.daysInMonth();
        for (int d = 1; d <= count; ++d) {
            chart.m_XLabels << QString::asprintf("%02d", d);
        }
        break;
    case ThisYear:
        count = 12;
        for (int m = 1; m <= count; ++m) {
            chart.m_XLabels << QString::asprintf("%02d", m);
        }
        break;
    default:
        count = YearColumns;
        for (int k = 0; k < count; ++k) {
            chart.m_XLabels << QString::number(FirstYear + k);
        }
        break;
    }

    qint64 largest = 0;
    for (int l = 0; l < count; ++l) {
        const qint32 value = v.value(first + l, -1);
        chart.m_Bars << value;
        largest = qMax<qint64>(largest, value);
    }
    chart.m_nMax = ScaleMax(chart.m_nView, largest);
    for (int k = 0; k <= 5; ++k) {
        chart.m_YLabels << (chart.m_nView == Years ? QString::number(k * chart.m_nMax / 500)
                                                   : QString::asprintf("%0.2f", k * chart.m_nMax / 500.0));
    }
    return chart;
}

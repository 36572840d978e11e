#pragma once

#include "InverterData.h"

#include <QDate>
#include <QVector>

class QInverter;
class QSystemModel;

// One value of a generation report; -1 means no value.
struct GenerationEntry {
    QDate m_Date;
    qint32 m_nValue = -1;
};

// What a generation report asks for.
struct GenerationRequest {
    int m_nKind = 3; // 2 the whole plant, 3 one inverter
    QInverter* m_pInverter = nullptr;
    int m_nPeriod = 1; // 1 days, 2 months, 3 years
    QDate m_From;
    QDate m_To;
};

// Which of an inverter's statistics arrived since start-up or since the date
// changed. Only those are written over what the files hold: an entry the
// inverter has not sent yet still holds 0 (or another day's value).
struct QReceivedStats {
    bool m_bYear = false; // the totals and the year's energy
    bool m_bMonth[MonthStatCount] = {};
    bool m_bDay[DayStatCount] = {};

    static QReceivedStats All();
};

// The statistics of one inverter to be written: the parts (bit 1 << selector:
// 0 totals and the year, 1 months, 2 days) and what of them arrived on `m_Today`.
struct QStatsWrite {
    QInverter* m_pInverter = nullptr;
    int m_nParts = 0;
    QReceivedStats m_Received;
    QDate m_Today;
};

// The energy history beyond the inverters' own memory: total.dat (one 400-byte
// block per inverter) and one generation.dat per inverter and year.
class QGenerationStore {
public:
    static constexpr int MagicSize = 14;
    static constexpr int TotalBlockSize = 400;
    static constexpr int GenerationFileSize = 1530;
    static constexpr qint32 NoValueLimit = 9437185; // values from here on read as none

    static QString TotalFilePath();
    static QString GenerationFilePath(const QString& inverterName, int year);

    // Mode 0 totals and the year, 1 months, 2 days; then the year file. Only
    // received entries are written; the short forms take every entry as
    // received, on the process clock's date.
    static void SaveTotal(QInverter* inverter, int mode, const QReceivedStats& received, const QDate& today);
    static void SaveTotal(QInverter* inverter, int mode);
    // Several inverters at once: total.dat is read and rewritten once for all of
    // them, then each one's year file once.
    static void SaveTotals(const QVector<QStatsWrite>& writes);
    // Mode -1 only makes sure the folders and this year's file exist.
    static void UpdateGenerationFile(int mode, QInverter* inverter, const QReceivedStats& received,
                                     const QDate& today);
    static void UpdateGenerationFile(int mode, QInverter* inverter);
    static QVector<GenerationEntry> GenerationEntries(const GenerationRequest& request,
                                                      const QSystemModel& plant);
};

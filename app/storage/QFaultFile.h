#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QVector>

class QInverter;

// One 233-byte record of fault.dat: who, which fault, when, and the inverter's
// items 0 to 10 (value and four earlier values each) at that moment.
struct QFaultRecord {
    int m_nAddress = 0;
    qint32 m_nCode = 0;
    qint32 m_nDate = 0; // year*65536 + month*256 + day
    qint32 m_nTime = 0; // hour*65536 + minute*256 + second
    qint32 m_Snapshot[11][5] = {};
    qint64 m_nOffset = 0; // where the record starts in the file
};

// fault.dat in the data directory: every fault that began, for all inverters.
class QFaultFile {
public:
    static constexpr int RecordSize = 233;

    static QString FilePath();
    // Appends a record for the inverter, stamped with the moment given.
    static bool AppendRecord(const QInverter& inverter, qint32 code, const QDateTime& now);
    // The records of one address in file order; a partial record at the end is ignored.
    // readable (when given) tells whether the file could be read at all.
    static QVector<QFaultRecord> ReadRecords(int address, bool* readable = nullptr);
    // Removes the row-th (1-based) record of the address, or all of its records (row 0).
    // True when something was removed and the file rewritten (atomically). Every other
    // record keeps its place, and so does a partial record at the end.
    static bool DeleteRecords(int address, int row);
};

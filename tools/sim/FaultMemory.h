#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>

// The inverter's own record of its last 32 faults, newest first, as read from
// registers 0x1800 + 8 * k.
class FaultMemory {
public:
    static const int kRecords = 32;
    static const int kRecordBytes = 16;

    void Record(quint16 code, const QDateTime& when, quint8 detail);
    int Count() const { return int(m_entries.size()); }
    // The 16 bytes of record k: code (2), yy mm dd, 0, hh mm ss, 0, 0, detail,
    // four zero bytes. An empty slot is all zero.
    QByteArray RecordBytes(int index) const;

private:
    struct Entry {
        quint16 code;
        QDateTime when;
        quint8 detail;
    };
    QList<Entry> m_entries;
};

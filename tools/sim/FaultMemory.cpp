#include "FaultMemory.h"

void FaultMemory::Record(quint16 code, const QDateTime& when, quint8 detail) {
    m_entries.prepend({code, when, detail});
    while (m_entries.size() > kRecords) {
        m_entries.removeLast();
    }
}

QByteArray FaultMemory::RecordBytes(int index) const {
    QByteArray bytes(kRecordBytes, '\0');
    if (index < 0 || index >= m_entries.size()) {
        return bytes;
    }
    const Entry& entry = m_entries.at(index);
    const QDate date = entry.when.date();
    const QTime time = entry.when.time();
    bytes[0] = char(entry.code >> 8);
    bytes[1] = char(entry.code & 0xFF);
    bytes[2] = char(date.year() - 2000);
    bytes[3] = char(date.month());
    bytes[4] = char(date.day());
    bytes[6] = char(time.hour());
    bytes[7] = char(time.minute());
    bytes[8] = char(time.second());
    bytes[11] = char(entry.detail);
    return bytes;
}

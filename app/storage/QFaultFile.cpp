#include "QFaultFile.h"

#include "BinaryFile.h"
#include "DataPaths.h"
#include "QInverter.h"

#include <QFile>

namespace {
constexpr int SnapshotItems = LeakageCurrent + 1; // items InputPower .. LeakageCurrent
constexpr int SnapshotOffset = 13;

QByteArray EncodeRecord(const QInverter& inverter, qint32 code, const QDateTime& now) {
    const QDate d = now.date();
    const QTime t = now.time();
    QByteArray bytes;
    bytes.append(static_cast<char>(inverter.Address() & 0xFF));
    BinaryFile::AppendInt32(bytes, code);
    BinaryFile::AppendInt32(bytes, d.year() * 65536 + d.month() * 256 + d.day());
    BinaryFile::AppendInt32(bytes, t.hour() * 65536 + t.minute() * 256 + t.second());
    for (int item = 0; item < SnapshotItems; ++item) {
        const QItemRecord& record = inverter.Item(item);
        BinaryFile::AppendInt32(bytes, record.m_nValue);
        for (qint32 old : record.m_nOld) {
            BinaryFile::AppendInt32(bytes, old);
        }
    }
    return bytes;
}

QFaultRecord DecodeRecord(const QByteArray& bytes, qint64 offset) {
    QFaultRecord record;
    record.m_nOffset = offset;
    record.m_nAddress = static_cast<uchar>(bytes.at(offset));
    record.m_nCode = BinaryFile::Int32At(bytes, offset + 1);
    record.m_nDate = BinaryFile::Int32At(bytes, offset + 5);
    record.m_nTime = BinaryFile::Int32At(bytes, offset + 9);
    for (int item = 0; item < SnapshotItems; ++item) {
        for (int k = 0; k < 5; ++k) {
            record.m_Snapshot[item][k] =
                BinaryFile::Int32At(bytes, offset + SnapshotOffset + 20 * item + 4 * k);
        }
    }
    return record;
}

bool IsOfAddress(const QByteArray& bytes, qint64 offset, int address) {
    return static_cast<uchar>(bytes.at(offset)) == (address & 0xFF);
}
} // namespace

QString QFaultFile::FilePath() {
    return DataPaths::FilePath(QStringLiteral("fault.dat"));
}

bool QFaultFile::AppendRecord(const QInverter& inverter, qint32 code, const QDateTime& now) {
    const QByteArray record = EncodeRecord(inverter, code, now);
    Q_ASSERT(record.size() == RecordSize);
    QFile file(FilePath());
    if (!file.open(QIODevice::ReadWrite)) {
        return false;
    }
    // A record cut short by a crash would shift every later record out of step;
    // the new one takes its place at the last record boundary.
    const qint64 whole = file.size() - file.size() % RecordSize;
    if (whole != file.size() && !file.resize(whole)) {
        return false;
    }
    return file.seek(whole) && file.write(record) == RecordSize && file.flush();
}

QVector<QFaultRecord> QFaultFile::ReadRecords(int address, bool* readable) {
    QVector<QFaultRecord> records;
    QByteArray bytes;
    const bool read = BinaryFile::ReadAll(FilePath(), &bytes);
    if (readable) {
        *readable = read;
    }
    if (!read) {
        return records;
    }
    for (qint64 offset = 0; offset + RecordSize <= bytes.size(); offset += RecordSize) {
        if (IsOfAddress(bytes, offset, address)) {
            records.append(DecodeRecord(bytes, offset));
        }
    }
    return records;
}

bool QFaultFile::DeleteRecords(int address, int row) {
    if (row < 0) {
        return false;
    }
    QByteArray bytes;
    if (!BinaryFile::ReadAll(FilePath(), &bytes)) {
        return false;
    }
    QByteArray kept;
    kept.reserve(bytes.size());
    int seen = 0;
    bool removed = false;
    qint64 offset = 0;
    for (; offset + RecordSize <= bytes.size(); offset += RecordSize) {
        if (IsOfAddress(bytes, offset, address)) {
            ++seen;
            if (row == 0 || seen == row) {
                removed = true;
                continue;
            }
        }
        kept.append(bytes.constData() + offset, RecordSize);
    }
    if (!removed) {
        return false;
    }
    // A partial record at the end belongs to no one yet: a delete neither shows nor drops it.
    kept.append(bytes.constData() + offset, bytes.size() - offset);
    return BinaryFile::WriteAtomically(FilePath(), kept);
}

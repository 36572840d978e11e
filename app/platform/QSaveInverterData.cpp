#include "QSaveInverterData.h"

#include "BinaryFile.h"
#include "DataPaths.h"
#include "SystemClock.h"

#include <QFile>

namespace {
// The header: magic text, format version, record size, reserved; 14 bytes in all.
const QByteArray Magic("WSMINUTE");
constexpr quint16 FormatVersion = 1;
constexpr int DateOffset = 14;
constexpr int FirstRecord = 18;

qint32 DateWord(const QDate& date) {
    return date.year() * 65536 + date.month() * 256 + date.day();
}

QByteArray NewFile(const QDate& date) {
    QByteArray bytes = Magic;
    BinaryFile::AppendUInt16(bytes, FormatVersion);
    BinaryFile::AppendUInt16(bytes, QSaveInverterData::RecordSize);
    BinaryFile::AppendUInt16(bytes, 0);
    Q_ASSERT(bytes.size() == QSaveInverterData::HeaderSize);
    BinaryFile::AppendInt32(bytes, DateWord(date));
    return bytes;
}

// True when the file holds our header and the records of the given day.
bool HoldsDay(QFile& file, const QDate& date) {
    if (file.size() < FirstRecord || !file.seek(0)) {
        return false;
    }
    const QByteArray head = file.read(FirstRecord);
    return head.size() == FirstRecord && head.startsWith(Magic) &&
           BinaryFile::Int32At(head, DateOffset) == DateWord(date);
}
} // namespace

bool QSaveInverterData::OpenFile(int address) {
    m_nAddress = address;
    return address >= 0;
}

bool QSaveInverterData::Save(const qint32* record, int count, const QDate& day) {
    if (m_nAddress < 0 || record == nullptr || count * 4 != RecordSize) {
        return false;
    }
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        BinaryFile::AppendInt32(bytes, record[i]);
    }
    const QDate today = day.isValid() ? day : SystemClock::CurrentDate();
    const QString path = FilePath();
    {
        QFile file(path);
        if (file.open(QIODevice::ReadWrite) && HoldsDay(file, today)) {
            // A record cut short by a crash is overwritten, so later records stay in step.
            const qint64 end = file.size() - (file.size() - FirstRecord) % RecordSize;
            if (end != file.size() && !file.resize(end)) {
                return false;
            }
            return file.seek(end) && file.write(bytes) == RecordSize && file.flush();
        }
    }
    // The first record of a day (or of a file that is not ours) starts the file afresh.
    return BinaryFile::WriteAtomically(path, NewFile(today) + bytes);
}

QString QSaveInverterData::FilePath() const {
    return FilePathFor(m_nAddress);
}

QString QSaveInverterData::FilePathFor(int address) {
    return DataPaths::FilePath(QStringLiteral("data_%1.dat").arg(address));
}

#include "QMinuteFiles.h"

#include "BinaryFile.h"
#include "QInverter.h"
#include "QSaveInverterData.h"
#include "SystemClock.h"

namespace {
constexpr int DateOffset = QSaveInverterData::HeaderSize;
constexpr int FirstRecord = DateOffset + 4;
} // namespace

void QMinuteFiles::SaveMinuteRecord(QInverter& inverter) {
    if (inverter.CommState() != CommOnline) {
        return;
    }
    const QTime now = SystemClock::CurrentTime();
    const qint32 record[4] = {
        now.hour() * 65536 + now.minute() * 256 + now.second(),
        inverter.Item(0).Take(),
        inverter.Item(1).Take(),
        inverter.Item(20).Take(),
    };
    inverter.DataWriter().Save(record, 4);
}

void QMinuteFiles::LoadTodayMinutes(QInverter& inverter) {
    QByteArray bytes;
    if (!BinaryFile::ReadAll(QSaveInverterData::FilePathFor(inverter.Address()), &bytes)) {
        return;
    }
    const QDate today = SystemClock::CurrentDate();
    if (BinaryFile::Int32At(bytes, DateOffset, 0) !=
        today.year() * 65536 + today.month() * 256 + today.day()) {
        return;
    }
    // Only whole records: a record cut short at the end carries no trustworthy values.
    for (qint64 offset = FirstRecord; offset + QSaveInverterData::RecordSize <= bytes.size();
         offset += QSaveInverterData::RecordSize) {
        const qint32 time = BinaryFile::Int32At(bytes, offset);
        const int hour = (time >> 16) & 0xFF;
        const int minute = (time >> 8) & 0xFF;
        if (hour > 23 || minute > 59) {
            continue;
        }
        const int slot = hour * 60 + minute;
        for (int series = 0; series < QInverter::SeriesCount; ++series) {
            inverter.SetMinuteValue(series, slot, BinaryFile::Int32At(bytes, offset + 4 + 4 * series));
        }
    }
}

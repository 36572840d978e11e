#include "QMinuteFiles.h"

#include "BinaryFile.h"
#include "QInverter.h"
#include "QSaveInverterData.h"

namespace {
constexpr int DateOffset = QSaveInverterData::HeaderSize;
constexpr int FirstRecord = DateOffset + 4;
} // namespace

void QMinuteFiles::SaveMinuteRecord(QInverter& inverter, QSaveInverterData& writer, const QDateTime& now) {
    if (inverter.CommState() != CommOnline || inverter.IsAnalog()) {
        return;
    }
    if (writer.Address() != inverter.Address()) {
        writer.OpenFile(inverter.Address());
    }
    const QTime time = now.time();
    const qint32 record[4] = {
        time.hour() * 65536 + time.minute() * 256 + time.second(),
        inverter.Item(InputPower).Take(),
        inverter.Item(OutputPower).Take(),
        inverter.Item(TodayEnergy).Take(),
    };
    writer.Save(record, 4, now.date());
}

void QMinuteFiles::LoadTodayMinutes(QInverter& inverter, const QDate& today) {
    QByteArray bytes;
    if (!BinaryFile::ReadAll(QSaveInverterData::FilePathFor(inverter.Address()), &bytes)) {
        return;
    }
    inverter.BeginDay(today);
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

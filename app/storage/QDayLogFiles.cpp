#include "QDayLogFiles.h"

#include "BinaryFile.h"
#include "DataPaths.h"
#include "QInverter.h"
#include "SystemClock.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QString>

namespace {
constexpr int HourFileSize = 204;
constexpr int HourFirstOffset = 12;
constexpr int HourLastOffset = 108;
constexpr int AlarmFileSize = 16;
const char* const ProgramVersion = "2.4.5";
const char* const ColumnLine =
    "Time,Status,Fault,Track1 voltage,Track1 current,Track2 voltage,Track2 current,"
    "Input power,U voltage,U current,V voltage,V current,W voltage,W current,"
    "Output power,Tem1,Tem2,Grid frequency";

// An inverter without a name has no folder; its files would land among the plant's own.
bool HasFolder(const QInverter& inverter) {
    return !inverter.Name().isEmpty();
}

QString MonthDir(const QInverter& inverter, const QDate& date) {
    return DataPaths::InverterDir(inverter.Name()) + QString::asprintf("/%d/%d", date.year(), date.month());
}

// The date and time as the day log's Time column and event rows show it.
QString TimeColumn() {
    return QLocale().toString(SystemClock::Now(), QLocale::ShortFormat);
}

// Opens today's log positioned at its end, with the two header lines when it is new.
bool OpenTodayLog(const QInverter& inverter, QFile* file) {
    if (!HasFolder(inverter)) {
        return false;
    }
    const QDate today = SystemClock::CurrentDate();
    // The year folder normally exists already (the statistics create it), but a
    // row written before the first statistics reply of a new year must not be lost.
    QDir().mkpath(MonthDir(inverter, today));
    file->setFileName(QDayLogFiles::DayLogPath(inverter, today));
    if (!file->open(QIODevice::ReadWrite)) {
        return false;
    }
    if (file->size() == 0) {
        const QString header =
            inverter.Name() + QLatin1Char(',') + QString::number(inverter.Address()) + QLatin1Char(',') +
            inverter.ModelName() + QCoreApplication::translate("QInverter", ",Tivra Wattsight:") +
            QLatin1String(ProgramVersion) + QLatin1Char('\n') + QLatin1String(ColumnLine) + QLatin1Char('\n');
        file->write(header.toUtf8());
    }
    return file->seek(file->size());
}

QString FaultColumn(const QInverter& inverter) {
    QString column;
    for (int slot = 0; slot < QInverter::FaultSlotCount; ++slot) {
        const qint32 code = inverter.FaultSlot(slot).m_nValue;
        if (code != 0) {
            column += QString::asprintf("%0X ", static_cast<unsigned>(code));
        }
    }
    return column.isEmpty() ? QStringLiteral("No fault") : column;
}

QString Tenths(QInverter& inverter, int item) {
    return QString::asprintf(",%0.1f", inverter.Item(item).Take() / 10.0);
}

QString Hundredths(QInverter& inverter, int item) {
    return QString::asprintf(",%0.2f", inverter.Item(item).Take() / 100.0);
}

QString Watts(QInverter& inverter, int item) {
    return QString::asprintf(",%d", inverter.Item(item).Take());
}

QByteArray DateWords(const QDate& date) {
    QByteArray bytes;
    BinaryFile::AppendInt32(bytes, date.year());
    BinaryFile::AppendInt32(bytes, date.month());
    BinaryFile::AppendInt32(bytes, date.day());
    return bytes;
}

// The date hour.dat was stamped with, or an invalid date when there is no usable file.
QDate HourFileDate(const QString& path) {
    QByteArray bytes;
    if (!BinaryFile::ReadAll(path, &bytes) || bytes.size() != HourFileSize) {
        return QDate();
    }
    return QDate(BinaryFile::Int32At(bytes, 0), BinaryFile::Int32At(bytes, 4), BinaryFile::Int32At(bytes, 8));
}

void ClearHourSlots(QInverter& inverter) {
    for (int slot = 0; slot < QInverter::HourSlots; ++slot) {
        inverter.SetHourFirst(slot, -1);
        inverter.SetHourLast(slot, -1);
    }
}
} // namespace

QString QDayLogFiles::DayLogPath(const QInverter& inverter, const QDate& date) {
    return MonthDir(inverter, date) +
           QString::asprintf("/%d_%02d_%02d.csv", date.year(), date.month(), date.day());
}

QString QDayLogFiles::HourFilePath(const QInverter& inverter) {
    return DataPaths::InverterDir(inverter.Name()) + QStringLiteral("/hour.dat");
}

QString QDayLogFiles::AlarmFilePath(const QInverter& inverter) {
    return DataPaths::InverterDir(inverter.Name()) + QStringLiteral("/alarm.dat");
}

void QDayLogFiles::WriteDayRow(QInverter& inverter) {
    if (inverter.CommState() != CommOnline || !inverter.IsDataValid()) {
        return;
    }
    QFile file;
    if (!OpenTodayLog(inverter, &file)) {
        return;
    }
    const qint32 status = inverter.Item(32).Take();
    if (status < 1 || status > 5) {
        return;
    }
    QString row = QLatin1Char(' ') + TimeColumn() + QLatin1Char(',') + QInverter::StatusName(status) +
                  QLatin1Char(',') + FaultColumn(inverter);
    row += Tenths(inverter, 2) + Tenths(inverter, 3) + Tenths(inverter, 4) + Tenths(inverter, 5);
    row += Watts(inverter, 0);
    row += Tenths(inverter, 11) + Tenths(inverter, 12) + Tenths(inverter, 13) + Tenths(inverter, 14) +
           Tenths(inverter, 15) + Tenths(inverter, 16);
    row += Watts(inverter, 1);
    row += Hundredths(inverter, 6) + Hundredths(inverter, 7) + Hundredths(inverter, 8);
    row += QLatin1Char('\n');
    file.write(row.toUtf8());
}

void QDayLogFiles::WriteConnectRow(QInverter& inverter, bool connected) {
    QFile file;
    if (!OpenTodayLog(inverter, &file)) {
        return;
    }
    const QString row = QLatin1Char(' ') + TimeColumn() +
                        (connected ? QStringLiteral(",Connected") : QStringLiteral(",Communicate lost")) +
                        QLatin1Char('\n');
    file.write(row.toUtf8());
}

void QDayLogFiles::UpdateHourFile(QInverter& inverter) {
    if (!HasFolder(inverter)) {
        return;
    }
    const QDate today = SystemClock::CurrentDate();
    const int hour = SystemClock::CurrentTime().hour();
    // Readings of hour 0 belong to no bar of the hourly chart (slot k is hour k + 1).
    if (hour < 1 || hour > QInverter::HourSlots) {
        return;
    }
    // The slots hold the day hour.dat was last stamped with; after midnight they
    // start empty instead of showing yesterday's readings as today's.
    const QDate stamped = HourFileDate(HourFilePath(inverter));
    if (stamped.isValid() && stamped != today) {
        ClearHourSlots(inverter);
    }
    const int slot = hour - 1;
    QItemRecord& energy = inverter.Item(20);
    if (inverter.HourFirst(slot) == -1) {
        inverter.SetHourFirst(slot, energy.Take());
    }
    inverter.SetHourLast(slot, energy.Take());

    QByteArray bytes = DateWords(today);
    for (int i = 0; i < QInverter::HourSlots; ++i) {
        BinaryFile::AppendInt32(bytes, inverter.HourFirst(i));
    }
    for (int i = 0; i < QInverter::HourSlots; ++i) {
        BinaryFile::AppendInt32(bytes, inverter.HourLast(i));
    }
    BinaryFile::WriteAtomically(HourFilePath(inverter), bytes);
}

void QDayLogFiles::LoadHourFile(QInverter& inverter) {
    ClearHourSlots(inverter);
    QByteArray bytes;
    if (!HasFolder(inverter) || !BinaryFile::ReadAll(HourFilePath(inverter), &bytes) ||
        bytes.size() != HourFileSize) {
        return;
    }
    const QDate stamped(BinaryFile::Int32At(bytes, 0), BinaryFile::Int32At(bytes, 4),
                        BinaryFile::Int32At(bytes, 8));
    if (stamped != SystemClock::CurrentDate()) {
        return;
    }
    for (int i = 0; i < QInverter::HourSlots; ++i) {
        inverter.SetHourFirst(i, BinaryFile::Int32At(bytes, HourFirstOffset + 4 * i));
        inverter.SetHourLast(i, BinaryFile::Int32At(bytes, HourLastOffset + 4 * i));
    }
}

void QDayLogFiles::SaveAlarmFile(const QInverter& inverter) {
    if (!HasFolder(inverter) || !QFileInfo(DataPaths::InverterDir(inverter.Name())).isDir()) {
        return;
    }
    QByteArray bytes;
    for (int slot = 0; slot < QInverter::FaultSlotCount; ++slot) {
        BinaryFile::AppendUInt16(bytes, inverter.AlarmSlot(slot));
    }
    BinaryFile::WriteAtomically(AlarmFilePath(inverter), bytes);
}

void QDayLogFiles::LoadAlarmFile(QInverter& inverter) {
    QByteArray bytes;
    if (!HasFolder(inverter) || !BinaryFile::ReadAll(AlarmFilePath(inverter), &bytes)) {
        return;
    }
    // A short file still gives the codes it holds completely; the rest keep their value.
    const int complete = qMin<int>(QInverter::FaultSlotCount, bytes.size() / 2);
    for (int slot = 0; slot < complete; ++slot) {
        inverter.SetAlarmSlot(slot, BinaryFile::UInt16At(bytes, 2 * slot));
    }
    static_assert(AlarmFileSize == 2 * QInverter::FaultSlotCount, "alarm.dat holds one code per fault word");
}

void QDayLogFiles::PurgeDayLogs(const QInverter& inverter) {
    if (!HasFolder(inverter)) {
        return;
    }
    const QDate oldest(2011, 1, 1);
    QDate day = SystemClock::CurrentDate().addYears(-1);
    while (day.isValid() && day > oldest) {
        const QString monthDir = MonthDir(inverter, day);
        if (QFileInfo(monthDir).isDir()) {
            QDir dir(monthDir);
            for (int d = 1; d <= day.day(); ++d) {
                dir.remove(QString::asprintf("%d_%02d_%02d.csv", day.year(), day.month(), d));
            }
            QDir().rmdir(monthDir);
        }
        day = QDate(day.year(), day.month(), 1).addDays(-1);
    }
}

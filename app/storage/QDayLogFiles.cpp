#include "QDayLogFiles.h"

#include "BinaryFile.h"
#include "DataPaths.h"
#include "QFileErrors.h"
#include "QInverter.h"

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
QString TimeColumn(const QDateTime& now) {
    return QLocale().toString(now, QLocale::ShortFormat);
}

// Opens today's log positioned at its end, with the two header lines when it is new.
bool OpenTodayLog(const QInverter& inverter, const QDate& today, QFile* file) {
    if (!HasFolder(inverter)) {
        return false;
    }
    // The year folder normally exists already (the statistics create it), but a
    // row written before the first statistics reply of a new year must not be lost.
    QDir().mkpath(MonthDir(inverter, today));
    file->setFileName(QDayLogFiles::DayLogPath(inverter, today));
    if (!file->open(QIODevice::ReadWrite)) {
        QFileErrors::Report(file->fileName(), file->errorString());
        return false;
    }
    // A row cut short (power lost while it was written) would run into the next
    // one: the log goes on after its last whole line.
    const qint64 size = file->size();
    if (size > 0 && file->seek(size - 1) && file->peek(1) != "\n") {
        file->seek(0);
        const qint64 lastLine = file->readAll().lastIndexOf('\n');
        file->resize(lastLine + 1);
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

void QDayLogFiles::WriteDayRow(QInverter& inverter, const QDateTime& now) {
    if (inverter.CommState() != CommOnline || !inverter.IsDataValid()) {
        return;
    }
    QFile file;
    if (!OpenTodayLog(inverter, now.date(), &file)) {
        return;
    }
    const qint32 status = inverter.Item(OperatingStatus).Take();
    if (status < 1 || status > 5) {
        return;
    }
    QString row = QLatin1Char(' ') + TimeColumn(now) + QLatin1Char(',') + QInverter::StatusName(status) +
                  QLatin1Char(',') + FaultColumn(inverter);
    row += Tenths(inverter, String1Voltage) + Tenths(inverter, String1Current) +
           Tenths(inverter, String2Voltage) + Tenths(inverter, String2Current);
    row += Watts(inverter, InputPower);
    row += Tenths(inverter, PhaseUVoltage) + Tenths(inverter, PhaseUCurrent) +
           Tenths(inverter, PhaseVVoltage) + Tenths(inverter, PhaseVCurrent) +
           Tenths(inverter, PhaseWVoltage) + Tenths(inverter, PhaseWCurrent);
    row += Watts(inverter, OutputPower);
    row += Hundredths(inverter, Temperature1) + Hundredths(inverter, Temperature2) +
           Hundredths(inverter, GridFrequency);
    row += QLatin1Char('\n');
    file.write(row.toUtf8());
}

void QDayLogFiles::WriteConnectRow(const QInverter& inverter, bool connected, const QDateTime& now) {
    QFile file;
    if (!OpenTodayLog(inverter, now.date(), &file)) {
        return;
    }
    const QString row = QLatin1Char(' ') + TimeColumn(now) +
                        (connected ? QStringLiteral(",Connected") : QStringLiteral(",Communicate lost")) +
                        QLatin1Char('\n');
    file.write(row.toUtf8());
}

bool QDayLogFiles::TakeHourReading(QInverter& inverter, QHourReadings& hours, const QDateTime& now) {
    if (!HasFolder(inverter)) {
        return false;
    }
    const QDate today = now.date();
    const int hour = now.time().hour();
    // Readings of hour 0 belong to no bar of the hourly chart (slot k is hour k + 1).
    if (hour < 1 || hour > QHourReadings::Slots) {
        return false;
    }
    bool changed = false;
    // After midnight the slots start empty instead of showing yesterday's readings as today's.
    if (hours.m_Day != today) {
        hours.Clear();
        hours.m_Day = today;
        changed = true;
    }
    const int slot = hour - 1;
    QItemRecord& energy = inverter.Item(TodayEnergy);
    if (hours.m_nFirst[slot] == -1) {
        hours.m_nFirst[slot] = energy.Take();
        changed = true;
    }
    const qint32 last = energy.Take();
    changed = changed || hours.m_nLast[slot] != last;
    hours.m_nLast[slot] = last;
    return changed;
}

void QDayLogFiles::SaveHourFile(const QInverter& inverter, const QHourReadings& hours) {
    if (!HasFolder(inverter) || !hours.m_Day.isValid()) {
        return;
    }
    QByteArray bytes = DateWords(hours.m_Day);
    for (qint32 first : hours.m_nFirst) {
        BinaryFile::AppendInt32(bytes, first);
    }
    for (qint32 last : hours.m_nLast) {
        BinaryFile::AppendInt32(bytes, last);
    }
    BinaryFile::WriteAtomically(HourFilePath(inverter), bytes);
}

void QDayLogFiles::UpdateHourFile(QInverter& inverter, QHourReadings& hours, const QDateTime& now) {
    // Every reading of today's energy comes here, several a minute: the file is
    // rewritten (and synced) only when the energy or the day moved on.
    if (TakeHourReading(inverter, hours, now)) {
        SaveHourFile(inverter, hours);
    }
}

void QDayLogFiles::LoadHourFile(const QInverter& inverter, QHourReadings& hours, const QDate& today) {
    hours.Clear();
    hours.m_Day = today;
    QByteArray bytes;
    if (!HasFolder(inverter) || !BinaryFile::ReadAll(HourFilePath(inverter), &bytes) ||
        bytes.size() != HourFileSize) {
        return;
    }
    const QDate stamped(BinaryFile::Int32At(bytes, 0), BinaryFile::Int32At(bytes, 4),
                        BinaryFile::Int32At(bytes, 8));
    if (stamped != today) {
        return;
    }
    for (int i = 0; i < QHourReadings::Slots; ++i) {
        hours.m_nFirst[i] = BinaryFile::Int32At(bytes, HourFirstOffset + 4 * i);
        hours.m_nLast[i] = BinaryFile::Int32At(bytes, HourLastOffset + 4 * i);
    }
}

void QDayLogFiles::SaveAlarmFile(const QInverter& inverter, const QAlarmSlots& alarms) {
    if (!HasFolder(inverter) || !QFileInfo(DataPaths::InverterDir(inverter.Name())).isDir()) {
        return;
    }
    QByteArray bytes;
    for (quint16 code : alarms.m_nCode) {
        BinaryFile::AppendUInt16(bytes, code);
    }
    BinaryFile::WriteAtomically(AlarmFilePath(inverter), bytes);
}

void QDayLogFiles::LoadAlarmFile(const QInverter& inverter, QAlarmSlots& alarms) {
    QByteArray bytes;
    if (!HasFolder(inverter) || !BinaryFile::ReadAll(AlarmFilePath(inverter), &bytes)) {
        return;
    }
    // A short file still gives the codes it holds completely; the rest keep their value.
    const int complete = qMin<int>(QAlarmSlots::Slots, bytes.size() / 2);
    for (int slot = 0; slot < complete; ++slot) {
        alarms.m_nCode[slot] = BinaryFile::UInt16At(bytes, 2 * slot);
    }
    static_assert(AlarmFileSize == 2 * QAlarmSlots::Slots, "alarm.dat holds one code per fault word");
}

void QDayLogFiles::PurgeDayLogs(const QInverter& inverter, const QDate& today) {
    if (!HasFolder(inverter)) {
        return;
    }
    const QDate oldest(2011, 1, 1);
    QDate day = today.addYears(-1);
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

#include "QDayLogFiles.h"

#include <QDate>
#include <QString>

QString QDayLogFiles::DayLogPath(const QInverter&, const QDate&) { return QString(); }
QString QDayLogFiles::HourFilePath(const QInverter&) { return QString(); }
QString QDayLogFiles::AlarmFilePath(const QInverter&) { return QString(); }
void QDayLogFiles::WriteDayRow(QInverter&) {}
void QDayLogFiles::WriteConnectRow(QInverter&, bool) {}
void QDayLogFiles::UpdateHourFile(QInverter&) {}
void QDayLogFiles::LoadHourFile(QInverter&) {}
void QDayLogFiles::SaveAlarmFile(const QInverter&) {}
void QDayLogFiles::LoadAlarmFile(QInverter&) {}
void QDayLogFiles::PurgeDayLogs(const QInverter&) {}

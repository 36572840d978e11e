#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class QInverter;

// The CSV files the statistics and fault memory dialogs save: the inverter's
// name, model and address on the first line, the moment of saving on the
// second, then one line of cells per grid row; lines end with "\r\n".
namespace MaintenanceCsv {

// The chosen name with ".csv" appended unless it already ends so (case-sensitive:
// "report.CSV" becomes "report.CSV.csv").
QString WithExtension(const QString& name);

// The file's text in the local 8-bit encoding.
QByteArray Text(const QInverter& inverter, const QDateTime& now, const QList<QStringList>& rows);

// Replaces the file in one step; false when it cannot be written.
bool Write(const QString& path, const QByteArray& text);

} // namespace MaintenanceCsv

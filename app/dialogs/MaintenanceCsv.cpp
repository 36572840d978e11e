#include "MaintenanceCsv.h"

#include "BinaryFile.h"
#include "QInverter.h"

#include <QLocale>

namespace MaintenanceCsv {

QString WithExtension(const QString& name) {
    return name.endsWith(QLatin1String(".csv"), Qt::CaseSensitive) ? name : name + QLatin1String(".csv");
}

QByteArray Text(const QInverter& inverter, const QDateTime& now, const QList<QStringList>& rows) {
    const QLatin1String end("\r\n");
    QString text = inverter.Name() + QLatin1Char(',') + inverter.ModelName() + QLatin1Char(',') +
                   QString::number(inverter.Address()) + end;
    text += QLocale().toString(now, QLocale::ShortFormat) + end;
    for (const QStringList& row : rows) {
        text += row.join(QLatin1Char(',')) + end;
    }
    return text.toLocal8Bit();
}

bool Write(const QString& path, const QByteArray& text) {
    return !path.isEmpty() && BinaryFile::WriteAtomically(path, text);
}

} // namespace MaintenanceCsv

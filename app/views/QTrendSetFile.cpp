#include "QTrendSetFile.h"

#include "BinaryFile.h"
#include "DataPaths.h"
#include "QTrend.h"

#include <QFile>
#include <QtEndian>

QString QTrendSetFile::FilePath() {
    return DataPaths::FilePath(QStringLiteral("trendset.dat"));
}

bool QTrendSetFile::IsValidTotal(int total) {
    return total == 10 || total == 100 || total == 600 || total == 1200;
}

bool QTrendSetFile::Load(QTrend& trend, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.read(FileSize);
    if (bytes.size() < FileSize) {
        return false; // a cut-off file holds no settings worth trusting
    }
    qint32 values[6];
    for (int i = 0; i < 6; ++i) {
        values[i] = qFromLittleEndian<qint32>(bytes.constData() + 4 * i);
    }
    const qint32 autoFlag = values[3];
    const qint32 maxValue = values[4];
    const qint32 total = values[5];

    trend.SetAttribute(QStringLiteral("Color1"), QString::number(quint32(values[0])), false);
    trend.SetAttribute(QStringLiteral("Color2"), QString::number(quint32(values[1])), false);
    trend.SetAttribute(QStringLiteral("Color3"), QString::number(quint32(values[2])), false);
    // The chart divides by its maximum and by its span: a fixed axis needs a
    // positive maximum, and the span must be one the dialog offers.
    const bool fixedAxis = autoFlag == 0 && maxValue > 0;
    trend.SetAttribute(QStringLiteral("Auto"), fixedAxis ? QStringLiteral("false") : QStringLiteral("true"),
                       false);
    if (maxValue > 0) {
        trend.SetAttribute(QStringLiteral("MaxValue"), QString::number(maxValue), false);
    }
    if (IsValidTotal(total)) {
        trend.SetAttribute(QStringLiteral("Total"), QString::number(total), false);
    }
    return true;
}

bool QTrendSetFile::Save(const QTrend& trend, const QString& path) {
    const qint32 values[6] = {qint32(trend.m_Color1), qint32(trend.m_Color2), qint32(trend.m_Color3),
                              trend.m_bAuto ? 1 : 0,  trend.m_nMax,           trend.m_nTotal};
    QByteArray bytes(FileSize, '\0');
    for (int i = 0; i < 6; ++i) {
        qToLittleEndian<qint32>(values[i], bytes.data() + 4 * i);
    }
    return BinaryFile::WriteAtomically(path, bytes);
}

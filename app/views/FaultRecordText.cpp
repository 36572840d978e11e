#include "FaultRecordText.h"

#include "QFaultFile.h"
#include "QFaultTable.h"

namespace {

// Items of the snapshot (live data numbering) in the dialog's column order, with
// their scale: 10 for tenths, 1 for whole values, 100 for hundredths.
struct SampleColumn {
    int item;
    int scale;
};
const SampleColumn kSampleColumns[] = {
    {2, 10},  {3, 10},  {4, 10},  {5, 10},  // track 1 and 2 voltage and current
    {0, 1},   {1, 1},                       // input and output power
    {6, 100}, {7, 100}, {9, 100}, {10, 100} // temperatures, grounding resistance, leakage current
};

QString Scaled(qint32 value, int scale) {
    switch (scale) {
    case 10:
        return QString::asprintf("%0.1f", value / 10.0);
    case 100:
        return QString::asprintf("%0.2f", value / 100.0);
    default:
        return QString::asprintf("%d", value);
    }
}

// A "?" inside a text would split its cell in two and shift the cells after it.
QString Cell(QString text) {
    return text.replace(QLatin1Char('?'), QChar(0xFF1F));
}

int Year(qint32 date) {
    return date >> 16;
}
int High(qint32 word) {
    return (word >> 16) & 0xFF;
}
int Middle(qint32 word) {
    return (word >> 8) & 0xFF;
}
int Low(qint32 word) {
    return word & 0xFF;
}

} // namespace

QString FaultRecordText::GridRow(const QFaultRecord& record, int number) {
    const qint32 date = record.m_nDate;
    const qint32 time = record.m_nTime;
    return QString::asprintf("%d?", number) + Cell(FaultName(record.m_nCode)) + QLatin1Char('?') +
           QString::asprintf("%X?", uint(record.m_nCode)) +
           QString::asprintf("%04d-%02d-%02d", Year(date), Middle(date), Low(date)) +
           QString::asprintf(" %02d:%02d:%02d?", High(time), Middle(time), Low(time)) +
           Cell(FaultDescription(record.m_nCode)) + QLatin1Char('?');
}

QString FaultRecordText::CodeText(qint32 code) {
    return QString::asprintf("0X%X", uint(code));
}

QString FaultRecordText::TimeText(const QFaultRecord& record) {
    const qint32 date = record.m_nDate;
    const qint32 time = record.m_nTime;
    return QString::asprintf("%04d-%02d-%02d ", Year(date), Middle(date), Low(date)) +
           QString::asprintf("%02d:%02d:%02d ", High(time), Middle(time), Low(time));
}

QStringList FaultRecordText::SampleRows(const QFaultRecord& record) {
    QStringList rows;
    for (int k = 0; k < SampleRowCount; ++k) {
        QString row = QString::asprintf("%d?", k + 1);
        for (const SampleColumn& column : kSampleColumns) {
            row += Scaled(record.m_Snapshot[column.item][k], column.scale) + QLatin1Char('?');
        }
        rows.append(row);
    }
    return rows;
}

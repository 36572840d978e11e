#pragma once

#include <QString>
#include <QStringList>

struct QFaultRecord;

// The texts the status tab and the fault dialog make of a fault.dat record:
// rows for the fault grid (cells separated by "?") and the labels of the dialog.
class FaultRecordText {
public:
    static constexpr int SampleRowCount = 5; // the value and the four before it

    // Running number, fault name, code in hex, date and time, description.
    static QString GridRow(const QFaultRecord& record, int number);
    // "0XE006".
    static QString CodeText(qint32 code);
    // "2024-06-14 12:30:08 " (with the trailing space the dialog shows).
    static QString TimeText(const QFaultRecord& record);
    // Rows 1 to 5 of the recorded samples, in the dialog's column order: track
    // voltages and currents, input and output power, temperatures, grounding
    // resistance and leakage current.
    static QStringList SampleRows(const QFaultRecord& record);
};

#include "QFaultFile.h"

QString QFaultFile::FilePath() { return QString(); }
bool QFaultFile::AppendRecord(const QInverter&, qint32) { return false; }
QVector<QFaultRecord> QFaultFile::ReadRecords(int) { return {}; }
bool QFaultFile::DeleteRecords(int, int) { return false; }

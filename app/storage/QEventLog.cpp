#include "QEventLog.h"

void QEventLog::LogEvent(const QInverter*, int, const QString&) {}
void QEventLog::SetListener(LogListener, void*) {}
void QEventLog::SetCurrentInverter(const QInverter*) {}
const QInverter* QEventLog::CurrentInverter() { return nullptr; }

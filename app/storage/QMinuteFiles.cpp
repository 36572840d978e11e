#include "QMinuteFiles.h"

void QMinuteFiles::SaveMinuteRecord(QInverter&) {}
void QMinuteFiles::LoadTodayMinutes(QInverter&) {}

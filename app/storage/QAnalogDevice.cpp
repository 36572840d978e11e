#include "QAnalogDevice.h"

QString QAnalogDevice::DatabasePath() { return QString(); }
bool QAnalogDevice::LoadAnalogDay(QInverter*) { return false; }
void QAnalogDevice::FeedAnalogSample(QInverter*) {}

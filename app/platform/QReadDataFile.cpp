#include "QReadDataFile.h"

bool QReadDataFile::Open(const QString&) { return false; }
double QReadDataFile::GetData(int, int) const { return 0.0; }

#include "QSaveInverterData.h"

bool QSaveInverterData::OpenFile(int address)
{
    m_nAddress = address;
    return true;
}
bool QSaveInverterData::Save(const qint32*, int) { return false; }
QString QSaveInverterData::FilePath() const { return FilePathFor(m_nAddress); }
QString QSaveInverterData::FilePathFor(int) { return QString(); }

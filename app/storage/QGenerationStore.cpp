#include "QGenerationStore.h"

#include <QString>

QString QGenerationStore::TotalFilePath() { return QString(); }
QString QGenerationStore::GenerationFilePath(const QString&, int) { return QString(); }
void QGenerationStore::SaveTotal(QInverter*, int) {}
void QGenerationStore::UpdateGenerationFile(int, QInverter*) {}
QVector<GenerationEntry> QGenerationStore::GenerationEntries(const GenerationRequest&, const QSystemModel&)
{
    return {};
}

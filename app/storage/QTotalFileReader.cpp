#include "QTotalFileReader.h"

#include "BinaryFile.h"
#include "QGenerationStore.h"

QVector<qint32> QTotalFileReader::Record(int address) {
    QByteArray bytes;
    BinaryFile::ReadAll(QGenerationStore::TotalFilePath(), &bytes);
    return RecordIn(bytes, address);
}

QVector<qint32> QTotalFileReader::RecordIn(const QByteArray& bytes, int address) {
    QVector<qint32> record(ValueCount, -1);
    const int wanted = address & 0xFF;
    for (qint64 block = QGenerationStore::MagicSize; block + 4 <= bytes.size();
         block += QGenerationStore::TotalBlockSize) {
        if ((BinaryFile::Int32At(bytes, block) & 0xFF) != wanted) {
            continue;
        }
        // A block cut short keeps "no value" where its bytes are missing.
        for (int i = 0; i < ValueCount; ++i) {
            record[i] = BinaryFile::Int32At(bytes, block + 4 + 4 * i, -1);
        }
        break;
    }
    return record;
}

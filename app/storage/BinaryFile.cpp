#include "BinaryFile.h"

#include "QFileErrors.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

bool BinaryFile::ReadAll(const QString& path, QByteArray* bytes) {
    bytes->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    *bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool BinaryFile::WriteAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        QFileErrors::Report(path, file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        QFileErrors::Report(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        QFileErrors::Report(path, file.errorString());
        return false;
    }
    return true;
}

qint32 BinaryFile::Int32At(const QByteArray& bytes, qint64 offset, qint32 fallback) {
    if (offset < 0 || offset + 4 > bytes.size()) {
        return fallback;
    }
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

quint16 BinaryFile::UInt16At(const QByteArray& bytes, qint64 offset, quint16 fallback) {
    if (offset < 0 || offset + 2 > bytes.size()) {
        return fallback;
    }
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

bool BinaryFile::PutInt32(QByteArray& bytes, qint64 offset, qint32 value) {
    if (offset < 0 || offset + 4 > bytes.size()) {
        return false;
    }
    qToLittleEndian<qint32>(value, bytes.data() + offset);
    return true;
}

void BinaryFile::AppendInt32(QByteArray& bytes, qint32 value) {
    char raw[4];
    qToLittleEndian<qint32>(value, raw);
    bytes.append(raw, 4);
}

void BinaryFile::AppendUInt16(QByteArray& bytes, quint16 value) {
    char raw[2];
    qToLittleEndian<quint16>(value, raw);
    bytes.append(raw, 2);
}

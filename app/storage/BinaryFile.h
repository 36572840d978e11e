#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and atomic rewrites of the small little-endian record files
// under the data directory, and the 32-bit fields inside them.
class BinaryFile {
public:
    // False (and bytes empty) when the file is missing or unreadable.
    static bool ReadAll(const QString& path, QByteArray* bytes);
    // Replaces the file in one step: a crash leaves either the old or the new content.
    static bool WriteAtomically(const QString& path, const QByteArray& bytes);

    // The signed 32-bit little-endian value at offset; fallback when it lies
    // (partly) outside the bytes.
    static qint32 Int32At(const QByteArray& bytes, qint64 offset, qint32 fallback = -1);
    static quint16 UInt16At(const QByteArray& bytes, qint64 offset, quint16 fallback = 0);
    // Writes inside the bytes only; false (nothing written) when the field does not fit.
    static bool PutInt32(QByteArray& bytes, qint64 offset, qint32 value);
    static void AppendInt32(QByteArray& bytes, qint32 value);
    static void AppendUInt16(QByteArray& bytes, quint16 value);
};

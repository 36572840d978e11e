#pragma once

// Byte fixtures for the record file tests. They are laid out from the documented
// field tables (little-endian 32/16-bit fields, fixed offsets), independently of
// the code under test.

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QString>
#include <QtEndian>

namespace storagetest {

class Bytes {
public:
    Bytes& I32(qint32 value) {
        char raw[4];
        qToLittleEndian<qint32>(value, raw);
        m_Data.append(raw, 4);
        return *this;
    }
    Bytes& U16(quint16 value) {
        m_Data.append(char(value & 0xFF));
        m_Data.append(char(value >> 8));
        return *this;
    }
    Bytes& U8(quint8 value) {
        m_Data.append(char(value));
        return *this;
    }
    Bytes& Raw(const QByteArray& bytes) {
        m_Data.append(bytes);
        return *this;
    }
    Bytes& Fill(int count, char value) {
        m_Data.append(QByteArray(count, value));
        return *this;
    }
    const QByteArray& Data() const { return m_Data; }
    operator QByteArray() const { return m_Data; }

private:
    QByteArray m_Data;
};

inline qint32 I32At(const QByteArray& bytes, int offset) {
    if (offset < 0 || offset + 4 > bytes.size()) {
        return qint32(0x7EADBEEF); // a marker no test expects
    }
    return qint32(quint32(uchar(bytes[offset])) | quint32(uchar(bytes[offset + 1])) << 8 |
                  quint32(uchar(bytes[offset + 2])) << 16 | quint32(uchar(bytes[offset + 3])) << 24);
}

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Marks a file as written long ago, so that a test can tell whether it was written again.
inline const QDateTime& LongAgo() {
    static const QDateTime moment(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC);
    return moment;
}
inline bool MarkLongAgo(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(LongAgo(), QFileDevice::FileModificationTime);
}
inline bool WrittenSinceMarked(const QString& path) {
    return QFileInfo(path).lastModified() != LongAgo();
}

inline QByteArray RandomBytes(int count, quint32 seed) {
    QRandomGenerator generator(seed);
    QByteArray bytes(count, '\0');
    for (char& c : bytes) {
        c = char(generator.bounded(256));
    }
    return bytes;
}

// Date words of the files: year*65536 + month*256 + day (four-digit year) and
// the statistics' (year - 2000)*16777216 + month*65536 + day*256.
inline qint32 DateWord(int year, int month, int day) {
    return year * 65536 + month * 256 + day;
}
inline qint32 StatsDateWord(int year, int month, int day) {
    return (year - 2000) * 16777216 + month * 65536 + day * 256;
}
inline qint32 TimeWord(int hour, int minute, int second) {
    return hour * 65536 + minute * 256 + second;
}

// A fault.dat record from its table: address, code, date, time, then items 0..10
// with the value followed by the four earlier values; value k of item i is
// seed * 1000 + i * 10 + k.
inline QByteArray FaultRecord(quint8 address, qint32 code, qint32 date, qint32 time, int seed) {
    Bytes bytes;
    bytes.U8(address).I32(code).I32(date).I32(time);
    for (int item = 0; item < 11; ++item) {
        for (int k = 0; k < 5; ++k) {
            bytes.I32(seed * 1000 + item * 10 + k);
        }
    }
    return bytes;
}

} // namespace storagetest

#pragma once

#include <QByteArray>

// The bus CRC written out bit by bit from its definition (start 0xFFFF,
// polynomial 0xA001), independent of the program's own CalcCrc, for tests that
// build frames from the protocol tables. Appended low byte first, as on the wire.
namespace WireCrc {

inline quint16 Compute(const QByteArray& bytes) {
    quint16 crc = 0xFFFF;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
        }
    }
    return crc;
}

// The two CRC bytes of a frame body, low byte first.
inline QByteArray Bytes(const QByteArray& body) {
    const quint16 crc = Compute(body);
    return QByteArray(1, char(crc & 0xFF)) + QByteArray(1, char(crc >> 8));
}

// The frame body with its CRC appended.
inline QByteArray With(const QByteArray& body) {
    return body + Bytes(body);
}

} // namespace WireCrc

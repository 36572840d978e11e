#include "Crc.h"

quint16 CalcCrc(const uchar* bytes, int length) {
    quint16 crc = 0xFFFF;
    for (int i = 0; bytes && i < length; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit) {
            if (crc & 0x0001) {
                crc = (crc >> 1) ^ 0xA001;
            } else {
                crc >>= 1;
            }
        }
    }
    return quint16((crc << 8) | (crc >> 8));
}

bool CheckReplyCrc(const uchar* reply, int expectedLength) {
    if (!reply) {
        return false;
    }
    int covered = 3;
    if (reply[1] == 0x03 || reply[1] == 0x10) {
        covered = expectedLength - 2;
    }
    // The receive buffer is 256 bytes; a CRC that would lie outside it cannot match.
    if (covered < 0 || covered + 2 > 256) {
        return false;
    }
    const quint16 crc = CalcCrc(reply, covered);
    return reply[covered] == (crc >> 8) && reply[covered + 1] == (crc & 0xFF);
}

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

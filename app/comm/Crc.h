#pragma once

#include <QtGlobal>

// CRC-16 of the bus protocol (Modbus RTU: start 0xFFFF, polynomial 0xA001).
// The result comes back with its two bytes swapped, so that writing it high
// byte first puts the CRC's low byte first on the wire.
quint16 CalcCrc(const uchar* bytes, int length);

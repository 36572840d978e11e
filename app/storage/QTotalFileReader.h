#pragma once

#include <QVector>

// Reads one inverter's block of total.dat for the history chart: the 99 values
// after its address (totals, the years 2013 .. 2032, the twelve monthly records,
// then 32 pairs of daily value and date word). Reading only; QGenerationStore
// writes the file.
class QTotalFileReader {
public:
    static constexpr int ValueCount = 99;
    static constexpr int FirstYear = 3;   // r[3 .. 22]: 2013 .. 2032
    static constexpr int FirstMonth = 23; // r[23 .. 34]: monthly records 0 .. 11
    static constexpr int FirstDay = 35;   // r[35 + 2i], r[36 + 2i]: daily record i, its date word

    // The block whose address byte equals the address's low byte; every value -1
    // when the file is missing or has no such block.
    static QVector<qint32> Record(int address);
    // The same from the bytes of a total.dat.
    static QVector<qint32> RecordIn(const QByteArray& bytes, int address);
};

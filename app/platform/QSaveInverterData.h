#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

// Writer of one address's minute file "data_<address>.dat" in the data
// directory: a 14-byte header (magic and version), the date word of the day the
// file holds, then 16-byte minute records (time word, input power, output
// power, today's energy; little-endian). The first record of a new day starts
// the file afresh.
class QSaveInverterData {
public:
    static constexpr int HeaderSize = 14;
    static constexpr int RecordSize = 16;

    // Remembers the address whose file later records go to.
    bool OpenFile(int address);
    // Appends one record of count 32-bit words (4 for a minute record) to the
    // file of the given day (today by default).
    bool Save(const qint32* record, int count, const QDate& day = QDate());

    int Address() const { return m_nAddress; }
    QString FilePath() const;
    static QString FilePathFor(int address);

private:
    int m_nAddress = -1;
};

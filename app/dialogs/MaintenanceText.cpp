#include "MaintenanceText.h"

#include "MaintenanceReads.h"

#include <QCoreApplication>
#include <cstring>

namespace {

// Shown as the manufacturing site when the inverter's site byte is 1.
const char* const kSiteName = QT_TRANSLATE_NOOP("QDataDlg", "Hangzhou, China");
const char* const kUnknownSite = QT_TRANSLATE_NOOP("QDataDlg", "Unknow");

// Row numbers of the other-items grid.
enum OtherItemRow {
    RowVersion = 1,
    RowDescription = 2,
    RowManufactureDay = 3,
    RowManufacturePlace = 4,
    RowAddress = 5,
    RowLanguage = 6,
    RowCashName = 7,
    RowCash = 8,
    RowUserLabel = 9,
    RowPeriodT1 = 10,
    RowPeriodT2 = 11,
    RowPeakFirst = 12,   // today, 7 days, 30 days, month, year
    RowPeakHistory = 17, // all time, T1, T2
    RowWorkTime = 20,
    RowGridTime = 21,
};

class Bytes {
public:
    explicit Bytes(const QByteArray& data) : m_Data(data) {}
    bool Has(int count) const { return m_Data.size() >= count; }
    int operator[](int i) const { return quint8(m_Data.at(i)); }
    quint32 U32(int i) const {
        return quint32((*this)[i]) << 24 | quint32((*this)[i + 1]) << 16 | quint32((*this)[i + 2]) << 8 |
               quint32((*this)[i + 3]);
    }
    // The bytes as a zero-terminated text, in the encoding the user label is written in.
    QString Text() const {
        const int end = m_Data.indexOf('\0');
        return QString::fromUtf8(end < 0 ? m_Data : m_Data.left(end));
    }
    QString Char(int i) const {
        // A zero byte is no letter: it would end the text of the grid cell and of the saved file.
        return (*this)[i] == 0 ? QString() : QString(QChar(uchar((*this)[i])));
    }

private:
    const QByteArray& m_Data;
};

QString Hundredths(quint32 value, const QString& unit) {
    return QString::asprintf("%0.2f", value / 100.0) + unit;
}

QString Thousandths(quint32 value, const char* unit) {
    return QString::asprintf("%0.3f", value / 1000.0) + QLatin1String(unit);
}

QString Period(const Bytes& d, int offset) {
    return QString::asprintf("Start:20%02d-%02d-%02d End:20%02d-%02d-%02d", d[offset], d[offset + 1],
                             d[offset + 2], d[offset + 3], d[offset + 4], d[offset + 5]);
}

QString Translated(const char* text) {
    return QCoreApplication::translate("QDataDlg", text);
}

} // namespace

namespace MaintenanceText {

QList<GridText> StatisticsReply(int code, const QByteArray& data, const QString& moneyUnit) {
    const Bytes d(data);
    QList<GridText> texts;
    auto other = [&texts](int row, const QString& text) { texts.append({OtherItemsGrid, 1, row, text}); };

    if (code >= StatisticsBlockFirst && code <= StatisticsBlockLast) {
        const int row = code - StatisticsBlockFirst + 1;
        // The ninth block (all-time total) has no row in the grid.
        if (row > StatisticsRows || !d.Has(12)) {
            return texts;
        }
        texts.append({StatisticsGrid, 1, row, Hundredths(d.U32(0), QStringLiteral("kWh"))});
        texts.append({StatisticsGrid, 2, row, Hundredths(d.U32(4), moneyUnit)});
        texts.append({StatisticsGrid, 3, row, Hundredths(d.U32(8), QStringLiteral("kg"))});
        return texts;
    }
    switch (code) {
    case VersionsRead:
        if (d.Has(8)) {
            other(RowVersion, QString::asprintf("HVer:%d.%02d/DVer:%d.%02d/AVer:%d.%02d/TVer:%d.%02d", d[0],
                                                d[1], d[2], d[3], d[4], d[5], d[6], d[7]));
        }
        break;
    case DescriptionRead:
        other(RowDescription, d.Text());
        break;
    case ManufactureRead:
        if (d.Has(6)) {
            other(RowManufactureDay, QString::asprintf("20%02d-%02d-%02d", d[0], d[1], d[2]));
            other(RowManufacturePlace, Translated(d[5] == 1 ? kSiteName : kUnknownSite));
        }
        break;
    case AddressSettingsRead:
        if (d.Has(8)) {
            other(RowAddress, QString::number(d[1]));
            other(RowLanguage, d.Char(3));
            other(RowCashName, d.Char(5));
            other(RowCash, QString::asprintf("%0.2f", (d[6] * 256 + d[7]) / 100.0));
        }
        break;
    case LabelTextRead:
        other(RowUserLabel, d.Text());
        break;
    case TariffPeriodsRead:
        if (d.Has(12)) {
            other(RowPeriodT1, Period(d, 0));
            other(RowPeriodT2, Period(d, 6));
        }
        break;
    case PeakPowersRead:
        if (d.Has(36)) {
            for (int i = 0; i < 5; ++i) {
                other(RowPeakFirst + i, Thousandths(d.U32(4 * i), "kW"));
            }
            // D20 to D23 hold a reserved value.
            for (int i = 0; i < 3; ++i) {
                other(RowPeakHistory + i, Thousandths(d.U32(24 + 4 * i), "kW"));
            }
        }
        break;
    case WorkHoursRead:
        if (d.Has(8)) {
            other(RowWorkTime, Thousandths(d.U32(0), "hour"));
            other(RowGridTime, Thousandths(d.U32(4), "hour"));
        }
        break;
    default:
        break;
    }
    return texts;
}

QList<GridText> FaultRecord(int code, const QByteArray& data) {
    const Bytes d(data);
    QList<GridText> texts;
    if (code < FaultRecordFirst || code > FaultRecordLast || !d.Has(12)) {
        return texts;
    }
    if (d[0] == 0 && d[1] == 0) {
        return texts; // an empty slot of the fault memory
    }
    const int row = code - FaultRecordFirst + 1;
    texts.append({StatisticsGrid, 1, row, QString::asprintf("0X%02X%02X", d[0], d[1])});
    // D5 is a spare byte between the date and the time.
    texts.append({StatisticsGrid, 2, row,
                  QString::asprintf("20%02d-%02d-%02d %02d:%02d:%02d", d[2], d[3], d[4], d[6], d[7], d[8])});
    texts.append({StatisticsGrid, 3, row, QString::number(d[11])});
    return texts;
}

QString ProtectPointValue(int row, quint16 value) {
    if (row % 2 == 0) {
        return QString::asprintf("%0.1f s", value / 50.0); // the register counts 20 ms steps
    }
    if (row <= 8) {
        return QString::asprintf("%0.1f V", value / 10.0);
    }
    return QString::asprintf("%0.2f Hz", value / 100.0);
}

} // namespace MaintenanceText

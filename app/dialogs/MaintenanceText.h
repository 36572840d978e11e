#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One text a reply puts into a dialog's grid.
struct GridText {
    int grid; // MaintenanceText::StatisticsGrid or OtherItemsGrid (the fault and protection dialogs have one)
    int column;
    int row;
    QString text;

    bool operator==(const GridText& other) const {
        return grid == other.grid && column == other.column && row == other.row && text == other.text;
    }
};

// What the inverter's own memory says, as the maintenance dialogs show it: the
// replies of their one-shot reads turned into grid texts. data holds the reply's
// data bytes D0, D1, ... (after the byte count); a reply shorter than its
// layout gives no text at all.
namespace MaintenanceText {

enum Grid { StatisticsGrid = 0, OtherItemsGrid = 1 };
constexpr int StatisticsRows = 8; // today .. T2; the ninth block has no row
constexpr int OtherItemRows = 21; // "Version" .. "Grid time"
constexpr int FaultRows = 32;
constexpr int ProtectPointRows = 16;

// Codes 1000 to 1016. moneyUnit follows the money values ("EUR"); may be empty.
QList<GridText> StatisticsReply(int code, const QByteArray& data, const QString& moneyUnit);
// Codes 2000 to 2031: code, time and detail of one fault record; nothing for an empty record.
QList<GridText> FaultRecord(int code, const QByteArray& data);
// The value of protection point row 1 to 16 with its unit: "187.0 V", "2.0 s", "47.50 Hz".
QString ProtectPointValue(int row, quint16 value);

} // namespace MaintenanceText

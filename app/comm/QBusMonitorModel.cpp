#include "QBusMonitorModel.h"

#include "InverterData.h"
#include "QMissionModel.h"
#include "ReplyErrors.h"
#include "SystemClock.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

struct CodeName {
    int first;
    int last;
    const char* text;
};

// What each mission code asks for, by code range.
const CodeName kCodeNames[] = {
    {ModelRead, ModelRead, QT_TRANSLATE_NOOP("QBusMonitorModel", "model name")},
    {SettingsRead, SettingsRead, QT_TRANSLATE_NOOP("QBusMonitorModel", "settings")},
    {MaxPowerRead, MaxPowerRead, QT_TRANSLATE_NOOP("QBusMonitorModel", "max output power")},
    {PeakPowerRead, PeakPowerRead, QT_TRANSLATE_NOOP("QBusMonitorModel", "peak power")},
    {TodayEnergyRead, TodayEnergyRead, QT_TRANSLATE_NOOP("QBusMonitorModel", "today's energy")},
    {TotalsRead, TotalsRead, QT_TRANSLATE_NOOP("QBusMonitorModel", "totals")},
    {StatusRead, StatusRead, QT_TRANSLATE_NOOP("QBusMonitorModel", "status and faults")},
    {StringsRead, StringsRead, QT_TRANSLATE_NOOP("QBusMonitorModel", "voltages and currents")},
    {LiveRead, LiveRead, QT_TRANSLATE_NOOP("QBusMonitorModel", "live data")},
    {18, 18, QT_TRANSLATE_NOOP("QBusMonitorModel", "write clock")},
    {19, 19, QT_TRANSLATE_NOOP("QBusMonitorModel", "write language")},
    {20, 20, QT_TRANSLATE_NOOP("QBusMonitorModel", "write monetary unit")},
    {21, 21, QT_TRANSLATE_NOOP("QBusMonitorModel", "write price")},
    {22, 22, QT_TRANSLATE_NOOP("QBusMonitorModel", "write max output power")},
    {23, 23, QT_TRANSLATE_NOOP("QBusMonitorModel", "switch on or off")},
    {24, 24, QT_TRANSLATE_NOOP("QBusMonitorModel", "reset")},
    {25, 25, QT_TRANSLATE_NOOP("QBusMonitorModel", "factory reset")},
    {UserLabelRead, UserLabelRead, QT_TRANSLATE_NOOP("QBusMonitorModel", "user label")},
    {27, 27, QT_TRANSLATE_NOOP("QBusMonitorModel", "write user label")},
    {28, 28, QT_TRANSLATE_NOOP("QBusMonitorModel", "clear statistics")},
    {29, 30, QT_TRANSLATE_NOOP("QBusMonitorModel", "write tariff period")},
    {31, 31, QT_TRANSLATE_NOOP("QBusMonitorModel", "write password")},
    {1000, 1008, QT_TRANSLATE_NOOP("QBusMonitorModel", "inverter statistics")},
    {1009, 1016, QT_TRANSLATE_NOOP("QBusMonitorModel", "inverter information")},
    {2000, 2031, QT_TRANSLATE_NOOP("QBusMonitorModel", "fault memory")},
    {3000, 3000, QT_TRANSLATE_NOOP("QBusMonitorModel", "raw read")},
    {3001, 3001, QT_TRANSLATE_NOOP("QBusMonitorModel", "protection points")},
    {MissionCodeSetSuccess, MissionCodeSetSuccess, QT_TRANSLATE_NOOP("QBusMonitorModel", "raw write")},
    {MissionCodeSearch, MissionCodeSearch, QT_TRANSLATE_NOOP("QBusMonitorModel", "search")},
    {4892, 4892, QT_TRANSLATE_NOOP("QBusMonitorModel", "logon")},
    {4893, 4893, QT_TRANSLATE_NOOP("QBusMonitorModel", "logoff")},
    {SerialTextRead, SerialTextRead, QT_TRANSLATE_NOOP("QBusMonitorModel", "box serial number")},
    {SecondTextRead, SecondTextRead, QT_TRANSLATE_NOOP("QBusMonitorModel", "box description")},
    {ProductionRead, ProductionRead, QT_TRANSLATE_NOOP("QBusMonitorModel", "box production date")},
    {BoxVoltagesRead, BoxVoltagesRead, QT_TRANSLATE_NOOP("QBusMonitorModel", "box voltages")},
    {BoxCurrentsRead, BoxCurrentsRead, QT_TRANSLATE_NOOP("QBusMonitorModel", "box currents")},
};

const char* const kHeads[QBusMonitorModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("QBusMonitorModel", "Time"),     QT_TRANSLATE_NOOP("QBusMonitorModel", "Dir."),
    QT_TRANSLATE_NOOP("QBusMonitorModel", "Address"),  QT_TRANSLATE_NOOP("QBusMonitorModel", "Function"),
    QT_TRANSLATE_NOOP("QBusMonitorModel", "Register"), QT_TRANSLATE_NOOP("QBusMonitorModel", "Count"),
    QT_TRANSLATE_NOOP("QBusMonitorModel", "Code"),     QT_TRANSLATE_NOOP("QBusMonitorModel", "What"),
    QT_TRANSLATE_NOOP("QBusMonitorModel", "Reply ms"), QT_TRANSLATE_NOOP("QBusMonitorModel", "Status"),
    QT_TRANSLATE_NOOP("QBusMonitorModel", "Bytes"),
};

QString Translated(const char* text) {
    return QCoreApplication::translate("QBusMonitorModel", text);
}

int Byte(const QByteArray& bytes, int i) {
    return i < bytes.size() ? quint8(bytes.at(i)) : -1;
}

// A field of the CSV file, quoted where it holds a separator or a quote.
QString CsvField(QString text) {
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\n'))) {
        text.replace(QLatin1Char('"'), QLatin1String("\"\""));
        return QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

} // namespace

QBusMonitorModel::QBusMonitorModel(int capacity, QObject* parent)
    : QAbstractTableModel(parent), m_nCapacity(qMax(1, capacity)), m_Clock(&SystemClock::Now) {}

void QBusMonitorModel::Clear() {
    beginResetModel();
    m_Rows.clear();
    m_Counters.clear();
    endResetModel();
    emit Changed();
}

QString QBusMonitorModel::CodeText(int code) {
    // The statistics reads repeat every 10000 codes, one block each.
    if (code >= 0 && code % StatBlockStep == DayStatsRead && code / StatBlockStep < DayStatBlocks) {
        return Translated(QT_TRANSLATE_NOOP("QBusMonitorModel", "daily statistics"));
    }
    if (code >= 0 && code % StatBlockStep == MonthStatsRead && code / StatBlockStep < MonthStatBlocks) {
        return Translated(QT_TRANSLATE_NOOP("QBusMonitorModel", "monthly statistics"));
    }
    for (const CodeName& name : kCodeNames) {
        if (code >= name.first && code <= name.last) {
            return Translated(name.text);
        }
    }
    return QString();
}

QString QBusMonitorModel::StatusText(Status status, int errorCode) {
    switch (status) {
    case StatusSent:
        return Translated(QT_TRANSLATE_NOOP("QBusMonitorModel", "sent"));
    case StatusAnswered:
        return Translated(QT_TRANSLATE_NOOP("QBusMonitorModel", "answered"));
    case StatusErrorReply: {
        const QString text = ReplyErrorText(errorCode);
        return Translated(QT_TRANSLATE_NOOP("QBusMonitorModel", "error reply %1")).arg(errorCode) +
               (text.isEmpty() ? QString() : QStringLiteral(": ") + text);
    }
    case StatusTimedOut:
        return Translated(QT_TRANSLATE_NOOP("QBusMonitorModel", "time-out"));
    case StatusBadCrc:
        return Translated(QT_TRANSLATE_NOOP("QBusMonitorModel", "bad CRC"));
    case StatusRejected:
        return Translated(QT_TRANSLATE_NOOP("QBusMonitorModel", "rejected: not matching"));
    }
    return QString();
}

// ---------------------------------------------------------------- recording

QBusMonitorModel::Row QBusMonitorModel::RowOf(const QMissionModel& mission, bool received) const {
    const QByteArray request(reinterpret_cast<const char*>(mission.TxBuffer()), mission.TxLength());
    Row row;
    row.time = m_Clock();
    row.received = received;
    row.address = qMax(0, Byte(request, 0));
    row.function = qMax(0, Byte(request, 1));
    if (request.size() >= 6) {
        row.reg = Byte(request, 2) << 8 | Byte(request, 3);
        row.count = Byte(request, 5);
    }
    row.code = mission.Code();
    return row;
}

void QBusMonitorModel::Append(Row row) {
    Counters& counters = m_Counters[row.address];
    switch (row.status) {
    case StatusSent:
        ++counters.requests;
        break;
    case StatusAnswered:
        ++counters.answers;
        counters.replyMsTotal += qMax(0, row.replyMs);
        break;
    case StatusTimedOut:
        ++counters.timeouts;
        break;
    case StatusErrorReply:
    case StatusBadCrc:
    case StatusRejected:
        ++counters.errors;
        break;
    }
    if (int(m_Rows.size()) >= m_nCapacity) {
        beginRemoveRows(QModelIndex(), 0, 0);
        m_Rows.pop_front();
        endRemoveRows();
    }
    const int at = int(m_Rows.size());
    beginInsertRows(QModelIndex(), at, at);
    m_Rows.push_back(std::move(row));
    endInsertRows();
    emit Changed();
}

void QBusMonitorModel::OnRequestWritten(const QMissionModel& mission, const QByteArray& frame) {
    if (m_bPaused) {
        return;
    }
    Row row = RowOf(mission, false);
    row.bytes = frame;
    Append(std::move(row));
}

void QBusMonitorModel::OnReplyAccepted(const QMissionModel& mission, const QByteArray& reply, int replyMs) {
    if (m_bPaused) {
        return;
    }
    Row row = RowOf(mission, true);
    row.bytes = reply;
    row.replyMs = replyMs;
    row.function = qMax(0, Byte(reply, 1));
    if (row.function & 0x80) {
        row.status = StatusErrorReply;
        row.errorCode = qMax(0, Byte(reply, 2));
    } else {
        row.status = StatusAnswered;
    }
    Append(std::move(row));
}

void QBusMonitorModel::OnReplyRefused(const QMissionModel& mission, const QByteArray& bytes, Refusal why,
                                      int replyMs) {
    if (m_bPaused) {
        return;
    }
    Row row = RowOf(mission, true);
    // Counted against the request in flight: stray bytes may carry any address.
    row.bytes = bytes;
    row.replyMs = replyMs;
    row.status = why == Refusal::BadCrc ? StatusBadCrc : StatusRejected;
    Append(std::move(row));
}

void QBusMonitorModel::OnTimedOut(const QMissionModel& mission, int waitedMs) {
    if (m_bPaused) {
        return;
    }
    Row row = RowOf(mission, true);
    row.replyMs = waitedMs;
    row.status = StatusTimedOut;
    Append(std::move(row));
}

// ---------------------------------------------------------------- showing

QString QBusMonitorModel::CellText(const Row& row, int column, bool forFile) const {
    switch (column) {
    case ColTime:
        return row.time.toString(forFile ? QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")
                                         : QStringLiteral("hh:mm:ss.zzz"));
    case ColDirection:
        return row.received ? QStringLiteral("RX") : QStringLiteral("TX");
    case ColAddress:
        return QString::number(row.address);
    case ColFunction:
        return QString::asprintf("%02X", unsigned(row.function));
    case ColRegister:
        return row.reg < 0 ? QString() : QString::asprintf("%04X", unsigned(row.reg));
    case ColCount:
        return row.count < 0 ? QString() : QString::number(row.count);
    case ColCode:
        return row.code < 0 ? QString() : QString::number(row.code);
    case ColWhat:
        return CodeText(row.code);
    case ColReplyTime:
        return row.replyMs < 0 ? QString() : QString::number(row.replyMs);
    case ColStatus:
        return StatusText(row.status, row.errorCode);
    case ColBytes:
        return QString::fromLatin1(row.bytes.toHex(' ').toUpper());
    default:
        return QString();
    }
}

QByteArray QBusMonitorModel::CsvText(int address) const {
    QStringList heads;
    for (const char* head : kHeads) {
        heads << CsvField(Translated(head));
    }
    QString text = heads.join(QLatin1Char(',')) + QLatin1String("\r\n");
    for (const Row& row : m_Rows) {
        if (address >= 0 && row.address != address) {
            continue;
        }
        QStringList cells;
        for (int column = 0; column < ColumnCount; ++column) {
            cells << CsvField(CellText(row, column, true));
        }
        text += cells.join(QLatin1Char(',')) + QLatin1String("\r\n");
    }
    return text.toUtf8();
}

int QBusMonitorModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_Rows.size());
}

int QBusMonitorModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant QBusMonitorModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(m_Rows.size())) {
        return QVariant();
    }
    const Row& row = m_Rows.at(size_t(index.row()));
    if (role == Qt::DisplayRole) {
        return CellText(row, index.column(), false);
    }
    // Long frames and texts may not fit their column: the whole of it on hovering.
    if (role == Qt::ToolTipRole) {
        return CellText(row, index.column(), false);
    }
    if (role == AddressRole) {
        return row.address;
    }
    if (role == StatusRole) {
        return int(row.status);
    }
    return QVariant();
}

QVariant QBusMonitorModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return Translated(kHeads[section]);
}

#pragma once

#include <QList>
#include <QtGlobal>

class QInverter;
class QMissionModel;

// Mission codes of the maintenance dialogs' own reads and writes. Their replies
// reach the dialog that asked through the reply hook, never the live data.
enum MaintenanceCode {
    StatisticsBlockFirst = 1000, // 1000..1008: today .. T2, ten registers each
    StatisticsBlockLast = 1008,
    VersionsRead = 1009,
    DescriptionRead = 1010,
    ManufactureRead = 1011,
    AddressSettingsRead = 1012,
    LabelTextRead = 1013,
    TariffPeriodsRead = 1014,
    PeakPowersRead = 1015,
    WorkHoursRead = 1016,
    FaultRecordFirst = 2000, // 2000..2031: the inverter's fault memory, newest first
    FaultRecordLast = 2031,
    RawRead = 3000,
    ProtectPointsRead = 3001,
    RawWrite = 4000, // its acknowledgement only says "Set successfully!"
};

// Which open maintenance dialog receives the replies (the reply hook's target).
enum ReplyTarget {
    TargetStatistics = 0,
    TargetFaultMemory = 1,
    TargetProtectPoints = 2,
    TargetRawRead = 3,
    TargetRawWrite = 4,
    TargetNobody = 5,
};

// One block of registers a dialog reads once.
struct RegisterRead {
    int code;
    int reg;
    int count;
};

namespace MaintenanceReads {

// The 17 reads of the statistics dialog and the 32 of the fault memory, in code order.
QList<RegisterRead> StatisticsReads();
QList<RegisterRead> FaultMemoryReads();
constexpr RegisterRead ProtectPoints{ProtectPointsRead, 0x1250, 16};

// Queues a one-shot read (or write of 2 * count bytes) on the inverter's own
// list, to its bus address; false, nothing queued, when the frame cannot be
// built or the inverter has no bus address.
bool QueueRead(QInverter& inverter, const RegisterRead& read);
bool QueueWrite(QInverter& inverter, int reg, int count, const QByteArray& data, int code);

// The data bytes of a read reply: as many as its byte count says, never more
// than the request asked for.
QByteArray ReplyData(const QMissionModel& mission);

} // namespace MaintenanceReads

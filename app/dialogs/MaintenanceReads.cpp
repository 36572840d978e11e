#include "MaintenanceReads.h"

#include "QInverter.h"
#include "QMissionModel.h"

#include <QByteArray>

namespace {

bool IsBusAddress(int address) {
    return address >= 1 && address <= 247;
}

bool Queue(QInverter& inverter, int reg, int count, int kind, const uchar* data, int code) {
    // The analog device and an inverter without an address have no bus to be asked on.
    if (!IsBusAddress(inverter.Address())) {
        return false;
    }
    auto* mission = new QMissionModel;
    if (!mission->BuildFrame(reg, inverter.Address(), count, kind, data)) {
        delete mission;
        return false;
    }
    mission->SetCode(code);
    inverter.QueueMission(mission);
    return true;
}

} // namespace

namespace MaintenanceReads {

QList<RegisterRead> StatisticsReads() {
    QList<RegisterRead> reads;
    for (int code = StatisticsBlockFirst; code <= StatisticsBlockLast; ++code) {
        reads.append({code, 0x1616 + 10 * (code - StatisticsBlockFirst), 10});
    }
    reads.append({VersionsRead, 0x1214, 4});
    reads.append({DescriptionRead, 0x121C, 20});
    reads.append({ManufactureRead, 0x1230, 3});
    reads.append({AddressSettingsRead, 0x1300, 4});
    reads.append({LabelTextRead, 0x1306, 16});
    reads.append({TariffPeriodsRead, 0x1316, 6});
    reads.append({PeakPowersRead, 0x1600, 18});
    reads.append({WorkHoursRead, 0x1612, 4});
    return reads;
}

QList<RegisterRead> FaultMemoryReads() {
    QList<RegisterRead> reads;
    for (int code = FaultRecordFirst; code <= FaultRecordLast; ++code) {
        reads.append({code, 0x1800 + 8 * (code - FaultRecordFirst), 8});
    }
    return reads;
}

bool QueueRead(QInverter& inverter, const RegisterRead& read) {
    return Queue(inverter, read.reg, read.count, MissionOnceRead, nullptr, read.code);
}

bool QueueWrite(QInverter& inverter, int reg, int count, const QByteArray& data, int code) {
    if (data.size() < 2 * count) {
        return false;
    }
    return Queue(inverter, reg, count, MissionOnceWrite, reinterpret_cast<const uchar*>(data.constData()),
                 code);
}

QByteArray ReplyData(const QMissionModel& mission) {
    // A byte count above what was asked for would read stale bytes, or past the
    // receive buffer.
    const int asked = qBound(0, mission.ExpectedLength() - 5, QMissionModel::BufferSize - 5);
    const int count = qMin(int(mission.RxBuffer()[2]), asked);
    return QByteArray(reinterpret_cast<const char*>(mission.ReplyData()), count);
}

} // namespace MaintenanceReads

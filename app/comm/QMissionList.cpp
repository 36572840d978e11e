#include "QMissionList.h"

#include "QMissionModel.h"
#include "SystemClock.h"

#include <algorithm>

QMissionList::QMissionList(QInverter* inverter) : m_pInverter(inverter) {}

QMissionList::~QMissionList() {
    ClearMissions();
}

void QMissionList::AddMission(QMissionModel* mission) {
    if (mission) {
        m_Missions.append(mission);
        QMissionModel::ScheduleChanged();
    }
}

void QMissionList::RemoveMission(QMissionModel* mission) {
    m_Missions.removeOne(mission);
    QMissionModel::ScheduleChanged();
}

void QMissionList::ClearMissions() {
    const QList<QMissionModel*> missions = m_Missions;
    m_Missions.clear();
    QMissionModel::ScheduleChanged();
    qDeleteAll(missions);
}

void QMissionList::SetEnabled(bool enabled) {
    m_bEnabled = enabled ? 1 : 0;
    QMissionModel::ScheduleChanged();
    if (enabled) {
        SetShortPeriods(1000);
    }
}

void QMissionList::SetShortPeriods(int ms) {
    if (ms == m_nFastPeriod) {
        return;
    }
    m_nFastPeriod = ms;
    for (QMissionModel* mission : m_Missions) {
        mission->SetPeriod(ms);
    }
}

void QMissionList::ResetTimers(const QTime& now) {
    for (QMissionModel* mission : m_Missions) {
        mission->SetLastTime(now);
        mission->SetBusy(false);
    }
}

QMissionModel* QMissionList::PickDue(const QTime& now, const MissionHold& held) const {
    if (!m_bEnabled) {
        return nullptr;
    }
    // Among equal kinds the most overdue goes first: taking simply the first due
    // one would, on a saturated bus, serve the head of the list again and again
    // and never reach the live values at its end.
    QMissionModel* candidate = nullptr;
    int candidateOverdue = 0;
    const int nowMs = QMissionModel::DayMsecs(now);
    for (QMissionModel* mission : m_Missions) {
        if (!mission->IsDueAt(nowMs) || (held && held(mission))) {
            continue;
        }
        const int overdue = mission->OverdueAt(nowMs);
        if (!candidate || mission->Kind() > candidate->Kind() ||
            (mission->Kind() == candidate->Kind() && overdue > candidateOverdue)) {
            candidate = mission;
            candidateOverdue = overdue;
            if (candidate->Kind() == MissionOnceWrite) {
                return candidate;
            }
        }
    }
    return candidate;
}

int QMissionList::MsecsUntilDue(const QTime& now) const {
    int wait = QMissionModel::NeverDue;
    if (!m_bEnabled) {
        return wait;
    }
    const int nowMs = QMissionModel::DayMsecs(now);
    for (const QMissionModel* mission : m_Missions) {
        wait = std::min(wait, mission->MsecsUntilDueAt(nowMs));
    }
    return wait;
}

void QMissionList::FinishMission(QMissionModel* mission, const QTime& now) {
    if (!mission) {
        return;
    }
    if (m_ReplyHandler) {
        m_ReplyHandler(mission, m_pInverter);
    }
    if (mission->IsOneShot()) {
        // The handler may already have let go of it (an inverter rebuilding its
        // list from a reply); delete it only while the list still holds it.
        if (m_Missions.removeOne(mission)) {
            QMissionModel::ScheduleChanged();
            delete mission;
        }
    } else {
        mission->SetBusy(false);
        mission->SetLastTime(now);
    }
}

bool QMissionList::Contains(const QMissionModel* mission) const {
    return m_Missions.contains(const_cast<QMissionModel*>(mission));
}

namespace {
struct PollEntry {
    int code;
    int reg;
    int count;
    int period; // 0: the list's short period
};

// The cyclic reads that keep an inverter's data current, in sending order.
const PollEntry kPollTable[] = {
    {0, 0x121C, 20, 60000},       // model name
    {9, 0x1600, 2, 0},            // peak power
    {10, 0x1616, 6, 0},           // today's generation and two counters
    {12, 0x1670, 14, 0},          // fault words, clock, status, logon state
    {13, 0x1690, 14, 0},          // PV and phase voltages and currents
    {14, 0x169E, 16, 0},          // frequency, powers, temperatures
    {11, 0x1648, 20, 0},          // total generation, CO2 and counters
    {1, 0x1301, 4, 600000},       // language, monetary unit, price
    {4, 0x131E, 2, 600000},       // maximum output power
    {15, 0x16F2, 8, 60000},       // daily statistics, today first
    {10015, 0x16FA, 8, 3600000},  //
    {20015, 0x1702, 8, 3600000},  //
    {30015, 0x170A, 8, 3600000},  //
    {40015, 0x1712, 8, 3600000},  //
    {50015, 0x171A, 8, 3600000},  //
    {60015, 0x1722, 8, 3600000},  //
    {70015, 0x172A, 8, 3600000},  //
    {16, 0x1730, 12, 60000},      // monthly statistics, this month first
    {10016, 0x173C, 12, 3600000}, //
    {26, 0x1306, 16, 3600000},    // user label text
};

struct IdentityEntry {
    int code;
    int reg;
    int count;
    int kind;
};

// Read once when a box model is first recognised; the box values keep polling.
const IdentityEntry kIdentityTable[] = {
    {8448, 0x2100, 16, MissionOnceRead}, // serial text
    {8464, 0x2110, 16, MissionOnceRead}, // second text
    {8480, 0x2120, 3, MissionOnceRead},  // production date and version
    {8484, 0x2124, 4, MissionPollRead},  // box output voltages
    {8488, 0x2128, 16, MissionPollRead}, // box input currents
};

bool IsBusAddress(int address) {
    return address >= 1 && address <= 247;
}
} // namespace

void QMissionList::BuildPollMissions(int address) {
    ClearMissions();
    if (!IsBusAddress(address)) {
        return;
    }
    for (const PollEntry& entry : kPollTable) {
        auto* mission = new QMissionModel;
        mission->BuildFrame(entry.reg, address, entry.count, MissionPollRead);
        mission->SetCode(entry.code);
        mission->SetPeriod(entry.period ? entry.period : 2000);
        mission->SetOwner(this);
        AddMission(mission);
    }
}

void QMissionList::BuildIdentityMissions(int address) {
    if (!IsBusAddress(address)) {
        return;
    }
    for (const IdentityEntry& entry : kIdentityTable) {
        auto* mission = new QMissionModel;
        mission->BuildFrame(entry.reg, address, entry.count, entry.kind);
        mission->SetCode(entry.code);
        mission->SetOwner(this);
        AddMission(mission);
    }
}

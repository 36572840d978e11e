#include "QSystemModel.h"

#include "QEventLog.h"
#include "QInverter.h"
#include "QMissionModel.h"
#include "SystemClock.h"

QSystemModel::QSystemModel() = default;

QSystemModel::~QSystemModel() {
    delete m_pSearchMission;
    const QList<QInverter*> inverters = m_Inverters;
    m_Inverters.clear();
    m_MissionLists.clear();
    for (QInverter* inverter : inverters) {
        if (QEventLog::CurrentInverter() == inverter) {
            QEventLog::SetCurrentInverter(nullptr);
        }
        delete inverter;
    }
}

bool QSystemModel::AddInverter(QInverter* inverter) {
    if (!inverter || m_Inverters.contains(inverter)) {
        return false;
    }
    const QString name = inverter->Name();
    for (const QInverter* other : m_Inverters) {
        if ((!name.isEmpty() && other->Name() == name) || other->Address() == inverter->Address()) {
            return false;
        }
    }
    m_Inverters.append(inverter);
    inverter->LogEvent(4);
    // The analog device replays a recording; it never goes on the bus.
    if (!inverter->IsAnalog()) {
        inverter->MissionList().SetEnabled(true);
        AddMissionList(&inverter->MissionList());
    }
    if (m_InverterAdded) {
        m_InverterAdded(inverter);
    }
    return true;
}

void QSystemModel::RemoveInverter(QInverter* inverter) {
    if (!inverter || !m_Inverters.removeOne(inverter)) {
        return;
    }
    RemoveMissionList(&inverter->MissionList());
    if (QEventLog::CurrentInverter() == inverter) {
        QEventLog::SetCurrentInverter(nullptr);
    }
    delete inverter;
}

QInverter* QSystemModel::FindByName(const QString& name) const {
    for (QInverter* inverter : m_Inverters) {
        if (inverter->Name() == name) {
            return inverter;
        }
    }
    return nullptr;
}

QInverter* QSystemModel::FindByAddress(int address) const {
    for (QInverter* inverter : m_Inverters) {
        if (inverter->Address() == address) {
            return inverter;
        }
    }
    return nullptr;
}

QInverter* QSystemModel::FindByTreeEntry(const QTreeEntry* entry) const {
    if (!entry) {
        return nullptr;
    }
    for (QInverter* inverter : m_Inverters) {
        if (inverter->TreeEntry() == entry) {
            return inverter;
        }
    }
    return nullptr;
}

bool QSystemModel::HasActiveFault() const {
    for (const QInverter* inverter : m_Inverters) {
        if (inverter->HasActiveFault()) {
            return true;
        }
    }
    return false;
}

void QSystemModel::SetInverterAddedHandler(std::function<void(QInverter*)> handler) {
    m_InverterAdded = std::move(handler);
}

void QSystemModel::AddMissionList(QMissionList* list) {
    if (list && !m_MissionLists.contains(list)) {
        m_MissionLists.append(list);
    }
}

void QSystemModel::RemoveMissionList(QMissionList* list) {
    m_MissionLists.removeAll(list);
}

void QSystemModel::SetSearchMission(QMissionModel* mission) {
    if (m_pSearchMission && m_pSearchMission != mission) {
        delete m_pSearchMission;
    }
    m_pSearchMission = mission;
}

QMissionModel* QSystemModel::NextMission() {
    if (m_pSearchMission) {
        QMissionModel* search = m_pSearchMission;
        m_pSearchMission = nullptr;
        return search;
    }
    QMissionModel* best = nullptr;
    int bestOverdue = 0;
    const QTime now = SystemClock::CurrentTime(); // once: reading the clock costs more than the comparisons
    for (QMissionList* list : m_MissionLists) {
        QMissionModel* candidate = list->PickDue(now);
        if (!candidate) {
            continue;
        }
        const int overdue = candidate->Overdue(now);
        if (!best || candidate->Kind() > best->Kind() ||
            (candidate->Kind() == best->Kind() && overdue > bestOverdue)) {
            best = candidate;
            bestOverdue = overdue;
        }
    }
    return best;
}

void QSystemModel::SetReplyHandler(ReplyHandler handler) {
    QMissionList::SetReplyHandler(std::move(handler));
}

void QSystemModel::SetSystemValue(const QString& key, const QString& value, bool save) {
    m_Settings.SetSystemValue(key, value, save);
}

QString QSystemModel::GetSystemValue(const QString& key, const QString& defaultValue) const {
    return m_Settings.GetSystemValue(key, defaultValue);
}

bool QSystemModel::SaveSystemFile() const {
    return m_Settings.SaveSystemFile();
}

bool QSystemModel::LoadSystemFile() {
    return m_Settings.LoadSystemFile();
}

void QSystemModel::InitSystemFile() {
    m_Settings.InitSystemFile();
}

void QSystemModel::SetSystemListener(SystemListener listener, void* context) {
    m_Settings.SetSystemListener(std::move(listener), context);
}

QPlantSums QSystemModel::PlantSums() const {
    QPlantSums sums;
    for (const QInverter* inverter : m_Inverters) {
        sums.m_nInput += inverter->ItemValue(0);
        sums.m_nOutput += inverter->ItemValue(1);
        if (inverter->PhaseCount() == 1) {
            ++sums.m_nSingle;
        } else if (inverter->PhaseCount() == 3) {
            ++sums.m_nThree;
        }
        sums.m_nToday += inverter->ItemValue(20);
        sums.m_nTotal += inverter->ItemValue(17);
    }
    return sums;
}

#include "QSystemModel.h"

#include "InverterFolder.h"
#include "QEventLog.h"
#include "QInverter.h"
#include "QInverterListener.h"
#include "QMissionModel.h"
#include "ReplyErrors.h"

#include <algorithm>

QSystemModel::QSystemModel() = default;

QSystemModel::~QSystemModel() {
    delete m_pSearchMission;
    const QList<QInverter*> inverters = m_Inverters;
    m_Inverters.clear();
    m_MissionLists.clear();
    for (QInverter* inverter : inverters) {
        for (QInverterListener* listener : std::as_const(m_Listeners)) {
            listener->OnLeaving(*inverter);
            inverter->RemoveListener(listener);
        }
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
    if (FindByAddress(inverter->Address()) || IsNameUsed(inverter->Name())) {
        return false;
    }
    m_Inverters.append(inverter);
    inverter->LogEvent(EventJoined);
    // The analog device replays a recording; it never goes on the bus.
    if (!inverter->IsAnalog()) {
        inverter->MissionList().SetEnabled(true);
        AddMissionList(&inverter->MissionList());
    }
    for (QInverterListener* listener : std::as_const(m_Listeners)) {
        inverter->AddListener(listener);
        listener->OnJoined(*inverter);
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
    for (QInverterListener* listener : std::as_const(m_Listeners)) {
        listener->OnLeaving(*inverter);
        inverter->RemoveListener(listener);
    }
    if (QEventLog::CurrentInverter() == inverter) {
        QEventLog::SetCurrentInverter(nullptr);
    }
    // A removal may come long after the operator asked for it (its mission was in
    // flight): views still showing the inverter would read it after it is gone.
    if (m_InverterRemoved) {
        m_InverterRemoved(inverter);
    }
    delete inverter;
}

bool QSystemModel::IsNameUsed(const QString& name, const QInverter* except) const {
    if (name.isEmpty()) {
        return false; // unnamed inverters keep no files and clash with nobody
    }
    for (const QInverter* other : m_Inverters) {
        // Two names with one folder would write into each other's files.
        if (other != except && !other->Name().isEmpty() && SameInverterFolder(other->Name(), name)) {
            return true;
        }
    }
    return false;
}

RenameResult QSystemModel::RenameInverter(QInverter* inverter, const QString& name) {
    if (!inverter || name.isEmpty() || name == inverter->Name()) {
        return RenameUnchanged;
    }
    if (IsNameUsed(name, inverter)) {
        return RenameNameUsed;
    }
    inverter->SetName(name);
    return inverter->Name() == name ? RenameDone : RenameFolderTaken;
}

void QSystemModel::SetInverterRemovedHandler(std::function<void(QInverter*)> handler) {
    m_InverterRemoved = std::move(handler);
}

void QSystemModel::AddInverterListener(QInverterListener* listener) {
    if (!listener || m_Listeners.contains(listener)) {
        return;
    }
    m_Listeners.append(listener);
    for (QInverter* inverter : std::as_const(m_Inverters)) {
        inverter->AddListener(listener);
        listener->OnJoined(*inverter);
    }
}

void QSystemModel::RemoveInverterListener(QInverterListener* listener) {
    if (!m_Listeners.removeOne(listener)) {
        return;
    }
    for (QInverter* inverter : std::as_const(m_Inverters)) {
        inverter->RemoveListener(listener);
    }
}

void QSystemModel::TakeBusOffline() {
    for (QInverter* inverter : std::as_const(m_Inverters)) {
        // The analog device would otherwise stay offline for good after any link change.
        if (inverter->IsAnalog()) {
            continue;
        }
        inverter->SetCommState(CommOffline);
        inverter->MissionList().SetEnabled(false);
    }
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
        QMissionModel::ScheduleChanged();
        list->SetReplyHandler(
            [this](QMissionModel* mission, QInverter* inverter) { HandleReply(mission, inverter); });
    }
}

void QSystemModel::RemoveMissionList(QMissionList* list) {
    if (m_MissionLists.removeAll(list) > 0) {
        QMissionModel::ScheduleChanged();
        list->SetReplyHandler(nullptr);
    }
}

void QSystemModel::SetSearchMission(QMissionModel* mission) {
    if (m_pSearchMission && m_pSearchMission != mission) {
        delete m_pSearchMission;
    }
    m_pSearchMission = mission;
}

QMissionModel* QSystemModel::NextMission(const QTime& now, const MissionHold& held) {
    if (m_pSearchMission) {
        QMissionModel* search = m_pSearchMission;
        m_pSearchMission = nullptr;
        return search;
    }
    // The time of day wraps at midnight as the missions' own reckoning does; a
    // clock set back looks like a day gone by, and the lists are scanned again.
    if (m_nQuietFor > 0 && now.isValid() && m_nQuietVersion == QMissionModel::ScheduleVersion() &&
        SystemClock::MsecsBetween(m_QuietFrom, now) < m_nQuietFor) {
        return nullptr;
    }
    QMissionModel* best = DueMission(now, held);
    m_nQuietFor = 0;
    if (!best && now.isValid()) {
        int wait = QMissionModel::NeverDue;
        for (const QMissionList* list : std::as_const(m_MissionLists)) {
            wait = std::min(wait, list->MsecsUntilDue(now));
        }
        m_QuietFrom = now;
        m_nQuietFor = wait;
        m_nQuietVersion = QMissionModel::ScheduleVersion();
    }
    return best;
}

QMissionModel* QSystemModel::DueMission(const QTime& now, const MissionHold& held) const {
    QMissionModel* best = nullptr;
    int bestOverdue = 0;
    for (QMissionList* list : m_MissionLists) {
        QMissionModel* candidate = list->PickDue(now, held);
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

void QSystemModel::HandleReply(QMissionModel* mission, QInverter* inverter) {
    if (!mission || !inverter) {
        return;
    }
    if (mission->IsErrorReply()) {
        QPlantEvents::Instance().PostReplyError(mission->RxBuffer()[2]);
        return;
    }
    QReplyHook::Call(mission);
    inverter->DecodeReply(mission);
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
    const QDate today = SystemClock::CurrentDate();
    for (const QInverter* inverter : m_Inverters) {
        // The last power of an inverter that went away hours ago is no power now.
        if (inverter->CommState() == CommOnline) {
            sums.m_nInput += inverter->ItemValue(InputPower);
            sums.m_nOutput += inverter->ItemValue(OutputPower);
        }
        if (inverter->PhaseCount() == 1) {
            ++sums.m_nSingle;
        } else if (inverter->PhaseCount() == 3) {
            ++sums.m_nThree;
        }
        sums.m_nToday += inverter->EnergyOfToday(today);
        sums.m_nTotal += inverter->ItemValue(TotalEnergy);
    }
    return sums;
}

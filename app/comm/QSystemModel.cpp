#include "QSystemModel.h"

#include "QMissionModel.h"

QSystemModel::QSystemModel() = default;

QSystemModel::~QSystemModel() { delete m_pSearchMission; }

void QSystemModel::AddMissionList(QMissionList* list) {
    if (list && !m_MissionLists.contains(list)) {
        m_MissionLists.append(list);
    }
}

void QSystemModel::RemoveMissionList(QMissionList* list) { m_MissionLists.removeAll(list); }

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
    for (QMissionList* list : m_MissionLists) {
        QMissionModel* candidate = list->PickDue();
        if (!candidate) {
            continue;
        }
        const int overdue = candidate->Overdue();
        if (!best || candidate->Kind() > best->Kind() ||
            (candidate->Kind() == best->Kind() && overdue > bestOverdue)) {
            best = candidate;
            bestOverdue = overdue;
        }
    }
    return best;
}

void QSystemModel::SetReplyHandler(ReplyHandler handler) { QMissionList::SetReplyHandler(std::move(handler)); }

void QSystemModel::SetSystemValue(const QString& key, const QString& value, bool save) {
    m_Settings.SetSystemValue(key, value, save);
}

QString QSystemModel::GetSystemValue(const QString& key, const QString& defaultValue) const {
    return m_Settings.GetSystemValue(key, defaultValue);
}

bool QSystemModel::SaveSystemFile() const { return m_Settings.SaveSystemFile(); }

bool QSystemModel::LoadSystemFile() { return m_Settings.LoadSystemFile(); }

void QSystemModel::InitSystemFile() { m_Settings.InitSystemFile(); }

void QSystemModel::SetSystemListener(SystemListener listener, void* context) {
    m_Settings.SetSystemListener(std::move(listener), context);
}

#pragma once

#include "QMissionList.h"
#include "QSystemSettings.h"

#include <QList>

class QMissionModel;

// The plant: its settings, the mission lists of its inverters and the search
// slot. The main window owns one.
class QSystemModel {
public:
    QSystemModel();
    ~QSystemModel();
    QSystemModel(const QSystemModel&) = delete;
    QSystemModel& operator=(const QSystemModel&) = delete;

    // Missions.
    void AddMissionList(QMissionList* list);
    void RemoveMissionList(QMissionList* list);
    const QList<QMissionList*>& MissionLists() const { return m_MissionLists; }
    // Takes ownership until NextMission hands it out; a probe already waiting
    // there is replaced and deleted.
    void SetSearchMission(QMissionModel* mission);
    QMissionModel* SearchMission() const { return m_pSearchMission; }
    // The search probe first; then the due mission of highest kind, the most
    // overdue among equal kinds, the earlier list among equal overdue times.
    QMissionModel* NextMission();
    void SetReplyHandler(ReplyHandler handler);

    // Settings.
    QSystemSettings& Settings() { return m_Settings; }
    const QSystemSettings& Settings() const { return m_Settings; }
    void SetSystemValue(const QString& key, const QString& value, bool save);
    QString GetSystemValue(const QString& key, const QString& defaultValue = QString()) const;
    bool SaveSystemFile() const;
    bool LoadSystemFile();
    void InitSystemFile();
    void SetSystemListener(SystemListener listener, void* context);

private:
    QSystemSettings m_Settings;
    QList<QMissionList*> m_MissionLists;
    QMissionModel* m_pSearchMission = nullptr;
};

#pragma once

#include "QMissionList.h"
#include "QSystemSettings.h"
#include "SystemClock.h"

#include <QList>
#include <functional>

class QInverter;
class QInverterListener;
class QMissionModel;
class QTreeEntry;

// The plant's live totals over all its inverters, as the home page and the mini
// window show them.
struct QPlantSums {
    qint64 m_nInput = 0;  // W, item 0
    qint64 m_nOutput = 0; // W, item 1
    int m_nSingle = 0;    // inverters with one phase
    int m_nThree = 0;     // inverters with three phases
    qint64 m_nToday = 0;  // 0.01 kWh, item 20
    qint64 m_nTotal = 0;  // 0.01 kWh, item 17
};

// How a rename ended.
enum RenameResult {
    RenameDone = 0,
    RenameUnchanged = 1,   // the same name, or an empty one
    RenameNameUsed = 2,    // another inverter of the plant has the name or its folder
    RenameFolderTaken = 3, // files of another owner lie in the new name's folder; the old name stays
};

// User levels of the program.
enum UserLevel {
    UserGuest = 0,
    UserAdministrator = 1,
};

// The plant: its settings, its inverters in joining order, their mission lists,
// the search slot and the user level. The main window owns one.
class QSystemModel {
public:
    QSystemModel();
    ~QSystemModel();
    QSystemModel(const QSystemModel&) = delete;
    QSystemModel& operator=(const QSystemModel&) = delete;

    // Inverters. The plant owns the inverters it accepted.
    // Refuses (returns false) an inverter whose address is already in the plant,
    // or whose non-empty name leads to the folder of another inverter's name
    // ("A/B", "A:B" and "A_B" share one folder). Otherwise appends it, logs its
    // joining, enables and registers its mission list unless it is the analog
    // device, attaches the plant's listeners (which hear OnJoined) and calls the
    // inverter-added handler.
    bool AddInverter(QInverter* inverter);
    // Takes the inverter out of the plant (and its list out of the scheduler),
    // tells the listeners and the inverter-removed handler, and deletes it.
    void RemoveInverter(QInverter* inverter);
    // Renames an inverter of the plant unless another one has the name or its folder.
    RenameResult RenameInverter(QInverter* inverter, const QString& name);
    // The name (or its folder) is used by an inverter of the plant other than except.
    bool IsNameUsed(const QString& name, const QInverter* except = nullptr) const;
    int InverterCount() const { return m_Inverters.size(); }
    QInverter* Inverter(int index) const { return m_Inverters.value(index); }
    const QList<QInverter*>& Inverters() const { return m_Inverters; }
    QInverter* FindByName(const QString& name) const;
    QInverter* FindByAddress(int address) const;
    QInverter* FindByTreeEntry(const QTreeEntry* entry) const;
    bool HasActiveFault() const;
    // Plain reads: the fresh flags belong to the writers of the records. An
    // inverter that does not communicate adds no power, and no energy of today
    // before it answered today.
    QPlantSums PlantSums() const;
    void SetInverterAddedHandler(std::function<void(QInverter*)> handler);
    // Called with an inverter taken out of the plant, just before it is deleted:
    // every view holding it lets go of it here.
    void SetInverterRemovedHandler(std::function<void(QInverter*)> handler);

    // Listeners (not owned) attached to every inverter of the plant, now and
    // later; removing one detaches it from all without telling it anything.
    void AddInverterListener(QInverterListener* listener);
    void RemoveInverterListener(QInverterListener* listener);

    // The link went away: every inverter on the bus goes offline and its list
    // stops; the analog device does not depend on the bus and stays as it is.
    void TakeBusOffline();

    int UserLevel() const { return m_nUserLevel; }
    void SetUserLevel(int level) { m_nUserLevel = level; }

    // Missions.
    // Takes a list into the scheduling and gives it the plant's reply handler.
    void AddMissionList(QMissionList* list);
    void RemoveMissionList(QMissionList* list);
    const QList<QMissionList*>& MissionLists() const { return m_MissionLists; }
    // Takes ownership until NextMission hands it out; a probe already waiting
    // there is replaced and deleted.
    void SetSearchMission(QMissionModel* mission);
    QMissionModel* SearchMission() const { return m_pSearchMission; }
    // The search probe first; then the due mission of highest kind, the most
    // overdue among equal kinds, the earlier list among equal overdue times.
    QMissionModel* NextMission() { return NextMission(SystemClock::CurrentTime()); }
    // Missions held back are passed over as if they were not due. Once a scan
    // found nothing due, the ticks after it return at once until the earliest
    // moment a mission can fall due, unless a mission or list changes first or
    // the clock is set back.
    QMissionModel* NextMission(const QTime& now, const MissionHold& held = nullptr);
    // The due mission NextMission chooses, by a scan of every list.
    QMissionModel* DueMission(const QTime& now, const MissionHold& held = nullptr) const;
    // The reply handler of every list in the plant: an error reply posts its
    // code for the main window; a normal reply goes to the reply hook (a
    // maintenance dialog waiting for it), then to the inverter's decoding.
    void HandleReply(QMissionModel* mission, QInverter* inverter);

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
    QList<QInverter*> m_Inverters;
    std::function<void(QInverter*)> m_InverterAdded;
    std::function<void(QInverter*)> m_InverterRemoved;
    QList<QInverterListener*> m_Listeners;
    int m_nUserLevel = UserGuest;
    QList<QMissionList*> m_MissionLists;
    // After a scan that found nothing due at m_QuietFrom, nothing can fall due
    // for m_nQuietFor ms while the schedule stays at m_nQuietVersion.
    QTime m_QuietFrom;
    int m_nQuietFor = 0;
    quint64 m_nQuietVersion = 0;
    QMissionModel* m_pSearchMission = nullptr;
};

#pragma once

#include "SystemClock.h"

#include <QList>
#include <functional>

class QInverter;
class QMissionModel;

// Called with every completed and accepted reply and the inverter it belongs to.
// The plant installs its own in every list it takes in.
using ReplyHandler = std::function<void(QMissionModel*, QInverter*)>;
// Missions that may not go out now although due (see QBusScheduler).
using MissionHold = std::function<bool(const QMissionModel*)>;

// The missions of one inverter: its repeating polls and any one-shot missions
// queued for it. Owns them.
class QMissionList {
public:
    explicit QMissionList(QInverter* inverter = nullptr);
    ~QMissionList();
    QMissionList(const QMissionList&) = delete;
    QMissionList& operator=(const QMissionList&) = delete;

    void AddMission(QMissionModel* mission);
    void RemoveMission(QMissionModel* mission);
    void ClearMissions();

    // Enabling also brings the short periods to 1000 ms.
    void SetEnabled(bool enabled);
    bool IsEnabled() const { return m_bEnabled != 0; }

    // Gives every short-period mission the new period; nothing when unchanged.
    void SetShortPeriods(int ms);
    int FastPeriod() const { return m_nFastPeriod; }

    // Every mission idle again, last sent now.
    void ResetTimers() { ResetTimers(SystemClock::CurrentTime()); }
    void ResetTimers(const QTime& now);

    // The due mission of highest kind; among equal kinds the most overdue, the
    // earlier in list order when equally overdue. A due one-shot write is taken
    // at once. None while disabled.
    QMissionModel* PickDue() const { return PickDue(SystemClock::CurrentTime()); }
    QMissionModel* PickDue(const QTime& now, const MissionHold& held = nullptr) const;

    // Milliseconds before any of its missions can fall due by the clock alone:
    // 0 when one is due now, QMissionModel::NeverDue while disabled, empty or
    // with every mission in flight.
    int MsecsUntilDue(const QTime& now) const;

    // Hands the mission to the reply handler, then re-arms a repeating mission
    // (last time = now) or deletes a one-shot one.
    void FinishMission(QMissionModel* mission) { FinishMission(mission, SystemClock::CurrentTime()); }
    void FinishMission(QMissionModel* mission, const QTime& now);

    // The poll list and the identity reads of an inverter at this address.
    void BuildPollMissions(int address);
    void BuildIdentityMissions(int address);

    const QList<QMissionModel*>& Missions() const { return m_Missions; }
    bool Contains(const QMissionModel* mission) const;
    QInverter* Inverter() const { return m_pInverter; }
    void SetInverter(QInverter* inverter) { m_pInverter = inverter; }

    void SetReplyHandler(ReplyHandler handler) { m_ReplyHandler = std::move(handler); }
    const ReplyHandler& GetReplyHandler() const { return m_ReplyHandler; }

private:
    QList<QMissionModel*> m_Missions;
    ReplyHandler m_ReplyHandler;
    QInverter* m_pInverter = nullptr;
    unsigned char m_bEnabled = 0;
    int m_nFastPeriod = 0;
};

#pragma once

#include "InverterData.h"
#include "ModelInfo.h"
#include "QEventLog.h"
#include "QItemRecord.h"
#include "QMissionList.h"

#include <QDate>
#include <QList>
#include <QString>
#include <functional>

class QInverterListener;
class QMissionModel;
class QTreeEntry;

// Communication states.
enum CommState {
    CommOnline = 0,
    CommConnecting = 1,
    CommOffline = 2,
};

// One device of the plant: identity, communication state, the decoded live
// values, statistics, fault words, today's minute history and its event log.
// Owns its mission list; points to (does not own) its entry in the navigation
// tree. It writes no file: what happens to it is told to its listeners (the
// recorder among them), which the plant attaches when it joins.
class QInverter {
public:
    static constexpr int ItemCount = 54;
    static constexpr int StatCount = 44;
    static constexpr int MinutesPerDay = 1440;
    static constexpr int SeriesCount = 3; // input power, output power, today's energy
    static constexpr int FaultSlotCount = 8;
    static constexpr int AnalogAddress = 255; // the analog signal device, never polled

    QInverter();
    ~QInverter();
    QInverter(const QInverter&) = delete;
    QInverter& operator=(const QInverter&) = delete;

    // --- model table
    // Looks the reported name up in the model table (first row whose name is a
    // substring); falls back to the box or the single-phase model.
    static ModelInfo LookupModel(const QString& reported);
    // Takes the ratings; the first box model seen adds the identity reads once.
    void SetModel(const ModelInfo& info);

    // --- identity
    QString Name() const { return m_strName; }
    // A new name is logged as a rename; a listener may refuse it (its files
    // cannot follow), and the old name stays. An empty name is ignored.
    void SetName(const QString& name);
    QString Location() const { return m_strLocation; }
    void SetLocation(const QString& location) { m_strLocation = location; }
    QString ModelName() const { return m_strModelName; }
    void SetModelName(const QString& model) { m_strModelName = model; }
    int Address() const { return m_nAddress; }
    // Rebuilds the poll list (none for 255 or an address outside 1..247).
    void SetAddress(int address);
    bool IsAnalog() const { return m_nAddress == AnalogAddress; }
    int PhaseCount() const { return m_nPhases; }
    void SetPhaseCount(int phases) { m_nPhases = phases; }
    int PictureCode() const { return m_nPicture; }
    int RatedPower() const { return m_nRatedPower; }
    bool IsBox() const { return m_bBox != 0; }
    bool IdentityDone() const { return m_bIdentityDone != 0; }

    // Texts from replies.
    QChar LanguageCode() const { return m_cLanguage; }
    QChar MonetaryCode() const { return m_cMonetary; }
    QString UserLabel() const { return m_strUserLabel; } // the 32-byte text
    QString SerialText() const { return m_strSerial; }
    QString SecondText() const { return m_strSecond; }
    QString ProductionDate() const { return m_strProductionDate; }
    QString VersionText() const { return m_strVersion; }

    QTreeEntry* TreeEntry() const { return m_pTreeEntry; }
    void SetTreeEntry(QTreeEntry* entry) { m_pTreeEntry = entry; }

    QMissionList& MissionList() { return m_MissionList; }
    const QMissionList& MissionList() const { return m_MissionList; }

    // --- listeners (not owned); each is told once however often it is added
    void AddListener(QInverterListener* listener);
    void RemoveListener(QInverterListener* listener);
    const QList<QInverterListener*>& Listeners() const { return m_Listeners; }

    // --- communication state
    int CommState() const { return m_nCommState; }
    // Going offline drops every one-shot mission still waiting in the list,
    // with a "Command not delivered!" event and a word to the listeners.
    void SetCommState(int state);
    int RetryCount() const { return m_nRetry; }
    void ResetRetry() { m_nRetry = 0; }
    // One more failed attempt; true (and the count back at 0) when more than three.
    bool AdvanceRetry();
    bool IsDeletePending() const { return m_bDeletePending != 0; }
    void SetDeletePending(bool pending) { m_bDeletePending = pending ? 1 : 0; }
    bool IsDataValid() const { return m_bDataValid != 0; }
    void SetDataValid(bool valid) { m_bDataValid = valid ? 1 : 0; }

    // --- live data, statistics, minute history
    void SetItem(int index, qint32 value);
    QItemRecord& Item(int index) { return m_Items[qBound(0, index, ItemCount - 1)]; }
    const QItemRecord& Item(int index) const { return m_Items[qBound(0, index, ItemCount - 1)]; }
    qint32 ItemValue(int index) const { return Item(index).m_nValue; }
    void SetStatItem(int index, qint32 value);
    QItemRecord& StatItem(int index) { return m_Stats[qBound(0, index, StatCount - 1)]; }
    const QItemRecord& StatItem(int index) const { return m_Stats[qBound(0, index, StatCount - 1)]; }
    // Minute history of one day: series 0 input power, 1 output power, 2 today's energy.
    qint32 MinuteValue(int series, int minute) const;
    // Stores a minute value; anything outside -1..500000 becomes -1.
    void SetMinuteValue(int series, int minute, qint32 value);
    const qint32* MinuteSeries(int series) const { return m_Minutes[qBound(0, series, SeriesCount - 1)]; }
    // The history belongs to this day from now on: the values of another day are cleared.
    void BeginDay(const QDate& day);
    QDate HistoryDay() const { return m_HistoryDay; }
    // Today's energy as the plant counts it: 0 until the value was written today.
    qint32 EnergyOfToday(const QDate& today) const;

    // --- faults
    const QItemRecord& FaultSlot(int slot) const { return m_Faults[qBound(0, slot, FaultSlotCount - 1)]; }
    bool HasActiveFault() const; // any slot holds a non-zero code
    // Compares a freshly read fault word with its slot: the end of the old
    // fault and the start of a new one are logged and told to the listeners.
    // A word without a known fault is no fault at all.
    void UpdateFaultSlot(int slot, const QItemRecord& record);

    // --- event log
    void LogEvent(int kind, const QString& argument = QString());
    QEventLog& EventLog() { return m_EventLog; }
    const QEventLog& EventLog() const { return m_EventLog; }

    // --- poll list and setting writes
    void QueueMission(QMissionModel* mission);
    void Logon(int password);
    void Logoff();
    void SetLanguage(char code);
    void SetMonetaryUnit(char code);
    void SetPrice(int value);
    void SetMaxOutputPower(int value);
    void SwitchOnOff(bool on);
    void ResetInverter();
    void FactoryReset();
    void SetUserLabel(const QString& text);
    void ClearStatistics();
    void SetTariffPeriod(int n, int start, int end);
    void SetInverterPassword(int value);
    void SetClock(int date, int time);

    // --- reply decoding
    // An accepted normal reply to one of this inverter's missions, decoded by
    // mission code (the plant's reply handler calls it after the reply hook).
    void DecodeReply(const QMissionModel* mission);

    // The translated name of an operating status 0..5 ("Unknown" beyond).
    static QString StatusName(int status);

private:
    void SetStatus(qint32 value);
    // Queues a one-shot write to this inverter's bus address; false (nothing
    // queued) when the inverter has no bus address.
    bool QueueWrite(int reg, int count, const uchar* data, int code);
    bool QueueWriteWord(int reg, quint16 value, int code);
    // False when the code is not a read this table knows or the reply is too short.
    bool DecodeRead(const QMissionModel* mission);
    void DecodeStatus(const uchar* data);
    void DropOneShotMissions();
    template <typename Call> void Tell(Call call);

    QString m_strName;
    QString m_strLocation;
    QString m_strModelName;
    int m_nAddress = 0;
    int m_nPhases = 1;
    int m_nPicture = 1;
    int m_nRatedPower = 5000;
    uchar m_bBox = 0;
    uchar m_bIdentityDone = 0;
    uchar m_bIdentityAgain = 0; // identity reads were dropped undelivered
    QChar m_cLanguage;
    QChar m_cMonetary;
    QString m_strUserLabel;
    QString m_strSerial;
    QString m_strSecond;
    QString m_strProductionDate;
    QString m_strVersion;

    QTreeEntry* m_pTreeEntry = nullptr;
    QMissionList m_MissionList;
    QList<QInverterListener*> m_Listeners;
    // One-shot missions dropped undelivered; kept until the next send, as the
    // scheduler may still hold the one it last sent.
    QList<QMissionModel*> m_Dropped;

    int m_nCommState = CommOffline;
    int m_nRetry = 0;
    uchar m_bDeletePending = 0;
    uchar m_bDataValid = 1;

    QItemRecord m_Items[ItemCount];
    QItemRecord m_Stats[StatCount];
    qint32 m_Minutes[SeriesCount][MinutesPerDay];
    QDate m_HistoryDay;
    QDate m_EnergyDay; // when TodayEnergy was last written
    QItemRecord m_Faults[FaultSlotCount];
    QEventLog m_EventLog;
};

// Replies that a maintenance dialog waits for go through this hook before they
// are decoded. The GUI installs the hook once; the target number says which
// dialog takes the replies: 0 statistics, 1 fault history, 2 protection points,
// 3 raw read, 4 raw write, anything else (5 at start) nobody.
class QReplyHook {
public:
    using Hook = std::function<void(QMissionModel*, int target)>;
    static void SetHook(Hook hook);
    static void SetTarget(int target);
    static int Target();
    static void Call(QMissionModel* mission);
    // A dialog waiting for a mission's answer hears through this hook when the
    // mission was dropped undelivered instead (same target number).
    using DropHook = std::function<void(const QMissionModel*, int target)>;
    static void SetDropHook(DropHook hook);
    static void CallDropped(const QMissionModel* mission);
};

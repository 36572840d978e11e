#pragma once

#include "QAlertTexts.h"
#include "QDaylight.h"
#include "QInverterListener.h"
#include "SystemClock.h"

#include <QDateTime>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <functional>

class QAlertQueue;
class QBusScheduler;
class QSystemModel;
struct QAlertSettings;

// Watches the plant for what the owner wants mailed (QAlertSettings, read
// afresh at every event) and hands the mails to the queue: a fault beginning
// and ending; an inverter offline for longer than the set minutes of daylight
// (offline at night is normal: the minutes count from sunrise at the
// earliest) and back again; the link down for longer than its minutes and back; the daily
// summary once feed-in has ended. At most one mail of a kind per inverter (or
// for the link, or the plant) an hour: what that holds back goes with the
// next mail of the same inverter, or on its own once the hour is over.
// What was mailed, what is held back and the day's readings are kept in
// alerts.json in the data directory, so a restart neither repeats nor forgets
// them. Its clock is injected; the program gives it the system clock.
class QAlertMonitor : public QObject, public QInverterListener {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;
    static constexpr int TickInterval = 5000; // ms
    static constexpr qint64 HoldSecs = 3600;
    static constexpr int SummaryDelayMinutes = 30; // after sunset
    static constexpr const char* StateFile = "alerts.json";

    QAlertMonitor(QSystemModel& plant, QAlertQueue& queue, Clock clock = &SystemClock::Now,
                  QObject* parent = nullptr);
    ~QAlertMonitor() override;

    // Follows the link's state from the bus's status.
    void Watch(QBusScheduler* bus);
    // Reads alerts.json of the data directory (the start).
    void Load();
    // Tests move the monitor's time by hand.
    void SetClock(Clock clock) { m_Clock = std::move(clock); }
    void Start();
    void Stop();
    // One tick (the timer's): the offline and link minutes, the held-back mails
    // whose hour is over, the daily summary.
    void OnTick();
    void OnLinkState(const QString& status, bool up);

    // When the daily summary of a date is due (invalid: none, a polar night).
    QDateTime SummaryTime(const QDate& date) const;

    void OnJoined(QInverter& inverter) override;
    void OnLeaving(QInverter& inverter) override;
    void OnReplyDecoded(QInverter& inverter, int code) override;
    void OnCommStateChanged(QInverter& inverter, int oldState, int newState) override;
    void OnFaultBegan(QInverter& inverter, int slot, qint32 code) override;
    void OnFaultEnded(QInverter& inverter, int slot, qint32 code) override;

private:
    struct Held {
        QString kind;
        QDateTime at;
        QString line;
    };

    QAlertSettings Settings() const;
    QString PlantName() const;
    // A mail of this kind for this source (an address, or 0 for the link and
    // the plant): queued, or held back within the hour after the last one.
    void Alert(const QString& kind, int source, const QAlertMail& mail, const QString& heldLine);
    void CheckOffline(const QDateTime& now, const QAlertSettings& settings);
    void CheckLink(const QDateTime& now, const QAlertSettings& settings);
    void FlushHeld(const QDateTime& now);
    void CheckSummary(const QDateTime& now, const QAlertSettings& settings);
    QString SourceName(int source) const;
    void Save();

    QSystemModel& m_Plant;
    QAlertQueue& m_Queue;
    Clock m_Clock;
    QTimer m_Timer;

    QHash<int, QDateTime> m_OfflineSince; // address -> left online (or joined without answering)
    QDateTime m_LinkDownSince;
    QString m_strLinkStatus;
    bool m_bLinkKnown = false;
    QHash<QString, QDateTime> m_FaultBegan; // "address/code" -> when it began

    // Kept in alerts.json.
    QHash<QString, QDateTime> m_LastSent; // "kind/source" -> last mail
    QMap<int, QList<Held>> m_Held;        // source -> held back, oldest first
    QSet<QString> m_Open;                 // mailed and not yet over: "offline/3", "link/0", "fault/3/E006"
    QDate m_SummaryDate;                  // the last date whose summary went
    QDate m_EnergyDate;                   // the date of the readings below
    QHash<int, qint64> m_Energy;          // address -> today's energy last read
    bool m_bDirty = false;
};

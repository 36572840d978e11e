#pragma once

#include "QAnalogDevice.h"
#include "QDayLogFiles.h"
#include "QGenerationStore.h"
#include "QInverterListener.h"
#include "QSaveInverterData.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <functional>
#include <memory>

class QSystemModel;
class QTimer;

// Writes down what the plant's inverters go through: the CSV day logs,
// hour.dat, alarm.dat, total.dat and generation.dat, the fault records, the
// minute records and the purges of old day logs; and it feeds the analog
// signal device. It listens to every inverter of the plant it is given and
// runs on its own timer, so nothing the windows do (a message box left open)
// holds it up. Its clock is injected; the program gives it the system clock.
// It must not outlive the plant.
class QInverterRecorder : public QObject, public QInverterListener {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;
    static constexpr int TickInterval = 100; // ms
    // hour.dat, total.dat and generation.dat are written at most this long after
    // a reading changed them, all that changed meanwhile at once.
    static constexpr int PendingWriteDelay = 1000; // ms

    explicit QInverterRecorder(QSystemModel& plant, Clock clock = &SystemClock::Now,
                               QObject* parent = nullptr);
    // Keeps every inverter's alarm slots and lets go of the plant.
    ~QInverterRecorder() override;

    void Start();
    void Stop();
    QTimer* Timer() const { return m_pTimer; }

    // One tick (the timer's): on a new day the minute histories start empty and
    // old day logs are purged; the analog device is fed; the minute record of
    // every inverter is written once a minute, at its start or at the first
    // tick after it; a day-log row every two seconds in the same way.
    void OnTick();

    // Rewrites the statistics of an inverter (selector 0 totals and the year,
    // 1 months, 2 days) from what it sent since start-up or since the date
    // changed, with the next pending write.
    void SaveTotal(QInverter* inverter, int mode);
    // Writes at once what waits: hour.dat and the statistics of every inverter.
    // Also done on stopping, on a day change, and before an inverter leaves or
    // its folder is renamed.
    void WritePending();

    // What is kept for an inverter of the plant, or none.
    const QHourReadings* HourReadings(const QInverter* inverter) const;
    const QAlarmSlots* AlarmSlots(const QInverter* inverter) const;
    const QAnalogDevice& Analog() const { return m_Analog; }

    // QInverterListener
    void OnJoined(QInverter& inverter) override;
    void OnLeaving(QInverter& inverter) override;
    void OnReplyDecoded(QInverter& inverter, int code) override;
    void OnCommStateChanged(QInverter& inverter, int oldState, int newState) override;
    void OnFaultBegan(QInverter& inverter, int slot, qint32 code) override;
    void OnFaultEnded(QInverter& inverter, int slot, qint32 code) override;
    bool OnRenaming(QInverter& inverter, const QString& newName) override;
    void OnRenamed(QInverter& inverter, const QString& oldName) override;

private:
    struct Track {
        QHourReadings hours;
        QAlarmSlots alarms;
        QSaveInverterData writer;
        QReceivedStats received;
        QDate receivedDay; // the day the received entries belong to
        int pendingParts = 0; // statistics to be written (bit 1 << selector)
        bool hoursPending = false;
    };

    Track& TrackOf(const QInverter& inverter);
    // The received entries of today: another day's are written if they wait, then forgotten.
    QReceivedStats& ReceivedToday(QInverter& inverter, Track& track, const QDate& today);
    void SchedulePendingWrite();
    // hour.dat written; the statistics added to `writes`.
    static void TakePending(QInverter& inverter, Track& track, QVector<QStatsWrite>& writes);
    void WritePendingOf(QInverter& inverter);
    void LoadNamedFiles(QInverter& inverter, Track& track, const QDate& today);
    void WriteMinuteRecords(const QDateTime& now);
    void WriteDayRows(const QDateTime& now);
    void StartNewDay(const QDate& day);

    QSystemModel& m_Plant;
    Clock m_Clock;
    QAnalogDevice m_Analog;
    QTimer* m_pTimer = nullptr;
    QTimer* m_pPendingTimer = nullptr;
    QHash<const QInverter*, std::shared_ptr<Track>> m_Tracks;

    QDate m_Day;                   // the day of the last tick
    qint64 m_nLastTickMinute = -1; // minute of the last tick
    qint64 m_nRecordedMinute = -1; // minute whose records are written
    qint64 m_nLastTickPair = -1;   // two-second step of the last tick
    qint64 m_nWrittenPair = -1;    // two-second step whose rows are written
};

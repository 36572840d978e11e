#pragma once

#include "QBrokerLink.h"
#include "QEnergyGuard.h"
#include "QInverterListener.h"
#include "QPublishSettings.h"
#include "QPublishTopics.h"
#include "SystemClock.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <functional>

class QInverter;
class QSystemModel;
class QTimer;

// Publishes the plant to an MQTT broker: every inverter's availability, live
// values (one plain number a topic, and one JSON object with a time stamp, at
// most once per poll of its live data), operating status and fault events,
// the plant's sums, and the discovery configs of a home-automation system.
// It listens to every inverter of the plant like the recorder does, and the
// broker link's own thread does the network work. Energies go out through an
// energy guard, so that no consumer ever sees a total fall. Off until the
// settings enable it. It must not outlive the plant.
class QPlantPublisher : public QObject, public QInverterListener {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;
    static constexpr int CheckInterval = 1000; // ms: midnight, the plant's sums, the energy file
    static constexpr int SaveDelayMs = 10000;  // the energy file is rewritten at most this often
    static constexpr int StopFlushMs = 2000;
    static constexpr int MaxLogLines = 100;
    static constexpr int TestTimeoutMs = 10000;
    static const char* const EnergyFileName;

    explicit QPlantPublisher(QSystemModel& plant, Clock clock = &SystemClock::Now, QObject* parent = nullptr);
    // Stops, keeps the energy file and lets go of the plant.
    ~QPlantPublisher() override;

    // The clock of the time stamps and of midnight; before the first ApplySettings.
    void SetClock(Clock clock);
    // Reads the publishing settings: (re)connects when they changed and
    // publishing is on, ends publishing when it is off.
    void ApplySettings();
    // Delivers what it can within flushMs, says "offline" and disconnects.
    void Stop(int flushMs = StopFlushMs);

    // One connection attempt with these settings, apart from the running
    // publisher; TestFinished tells the result.
    void TestConnection(const QPublishSettings& settings);

    bool IsActive() const;
    bool IsConnected() const;
    QString StatusText() const { return m_strStatus; }
    QStringList LogLines() const { return m_Log; }
    const QPublishTopics& Topics() const { return m_Topics; }
    const QPublishSettings& Settings() const { return m_Settings; }
    QBrokerLink& Link() { return *m_pLink; }
    const QEnergyGuard& Energy() const { return m_Energy; }

    // What a failure to connect means, in a sentence.
    static QString FailureText(int failure, const QString& detail, const QString& broker);

    // QInverterListener
    void OnJoined(QInverter& inverter) override;
    void OnLeaving(QInverter& inverter) override;
    void OnReplyDecoded(QInverter& inverter, int code) override;
    void OnCommStateChanged(QInverter& inverter, int oldState, int newState) override;
    void OnFaultBegan(QInverter& inverter, int slot, qint32 code) override;
    void OnFaultEnded(QInverter& inverter, int slot, qint32 code) override;
    void OnRenamed(QInverter& inverter, const QString& oldName) override;

signals:
    void StatusChanged(const QString& text);
    // One line of the publisher's log, with its time stamp, and its text alone.
    void LogLine(const QString& line);
    void Logged(const QString& text);
    void TestFinished(bool ok, const QString& text);

private slots:
    void OnLinkConnected();
    void OnLinkFailed(int failure, const QString& detail, int retryMs);
    void OnLinkLost(const QString& detail);
    void OnLinkMessage(const QString& topic, const QByteArray& payload);
    void OnCheckTick();

private:
    struct Track {
        int address = 0;
        QSet<int> received;    // reads decoded in this run
        QStringList configs;   // discovery configs announced
        QString identity;      // what the discovery configs were built from
        int availability = -1; // last published: 1 online, 0 offline
    };

    QBrokerLink::Options LinkOptions(const QPublishSettings& settings, const QPublishTopics& topics) const;
    QString Broker() const;
    void Log(const QString& text);
    void SetStatus(const QString& text);
    void Send(const QBrokerMessage& message);
    // Sends a retained value unless the broker holds it already.
    void SendValue(const QString& topic, const QByteArray& payload);
    void CheckDay();
    void CheckDay(const QDateTime& now);

    bool Publishes(const QInverter& inverter) const;
    // The inverter's track (none for the analog device); a changed bus address
    // withdraws the old address's topics first.
    Track* TrackOf(QInverter& inverter);
    void AnnounceAll();
    void Announce(QInverter& inverter, Track& track, bool force);
    void AnnounceDiscovery(QInverter& inverter, Track& track, bool force);
    void Withdraw(Track& track);
    void WithdrawDiscovery();
    void PublishAvailability(const QInverter& inverter, Track& track);
    void PublishState(const QInverter& inverter, const Track& track, const QDateTime& now);
    void PublishFault(const QInverter& inverter, int slot, qint32 code, bool began);
    void PublishPlant();

    QSystemModel& m_Plant;
    Clock m_Clock;
    QBrokerLink* m_pLink = nullptr;
    QBrokerLink* m_pProbe = nullptr;
    QTimer* m_pCheckTimer = nullptr;
    QPublishSettings m_Settings;
    QPublishTopics m_Topics;
    QString m_strPlantName;
    QEnergyGuard m_Energy;
    bool m_bEnergyLoaded = false;
    QElapsedTimer m_SinceSave;
    QHash<const QInverter*, Track> m_Tracks;
    QHash<QString, QByteArray> m_Retained; // topic -> payload last sent in this connection
    QStringList m_PlantConfigs;
    bool m_bPlantDirty = false;
    QString m_strStatus;
    QString m_strLastFailure; // logged once until it changes or a connection succeeds
    QStringList m_Log;
};

#pragma once

#include "QAlertMonitor.h"
#include "QAlertQueue.h"
#include "QInverterRecorder.h"
#include "QPlantPublisher.h"
#include "QSystemFile.h"
#include "QSystemModel.h"

#include <memory>

class QBusScheduler;

// The working plant without any window: its settings kept in system.dat, the
// inverters of inverter.dat, the bus scheduler that polls them, the recorder
// that writes what they report, the alerts that mail what the owner wants to
// know and the publisher that sends it all to a broker. The main window owns
// one and only shows it; the headless logger owns one just the same.
class QPlantRuntime {
public:
    QPlantRuntime();
    // Stops what still runs; the files are written by Shutdown.
    ~QPlantRuntime();
    QPlantRuntime(const QPlantRuntime&) = delete;
    QPlantRuntime& operator=(const QPlantRuntime&) = delete;

    QSystemModel& Plant() { return m_Plant; }
    QBusScheduler* Bus() const { return m_pBus.get(); }
    QInverterRecorder& Recorder() { return *m_pRecorder; }
    QPlantPublisher& Publisher() { return *m_pPublisher; }
    QSystemFile& SystemFile() { return m_SystemFile; }
    QAlertMonitor& Alerts() { return *m_pAlerts; }
    QAlertQueue& MailQueue() { return *m_pMailQueue; }

    // The start, in this order (the owner installs its handlers in between):
    // system.dat (and what the alerts keep) loaded or created, and publishing
    // started when it is on; the configured link opened; the inverters of
    // inverter.dat added; the recorder's and the alerts' timers started, mails
    // left from the last run sent.
    void LoadSettings();
    void OpenLink();
    void LoadInverters();
    void StartRecording();

    bool SaveInverters() const;
    bool SaveSettings() const;
    // Rewrites inverter.dat and system.dat, stops recording, publishing and the
    // alerts and closes the bus; false when one of the two files could not be
    // written. Mails not sent yet stay queued for the next start.
    bool Shutdown();

private:
    QSystemFile m_SystemFile;
    QSystemModel m_Plant;
    std::unique_ptr<QInverterRecorder> m_pRecorder;
    std::unique_ptr<QPlantPublisher> m_pPublisher;
    std::unique_ptr<QAlertQueue> m_pMailQueue;
    std::unique_ptr<QAlertMonitor> m_pAlerts;
    std::unique_ptr<QBusScheduler> m_pBus;
};

#pragma once

#include "QInverterRecorder.h"
#include "QPlantPublisher.h"
#include "QSystemFile.h"
#include "QSystemModel.h"

#include <memory>

class QBusScheduler;

// The working plant without any window: its settings kept in system.dat, the
// inverters of inverter.dat, the bus scheduler that polls them, the recorder
// that writes what they report and the publisher that sends it to a broker. The main window owns one and only
// shows it; a program without widgets can own one just the same.
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

    // The start, in this order (the owner installs its handlers in between):
    // system.dat loaded or created (and publishing started when it is on);
    // the configured link opened; the inverters of inverter.dat added; the
    // recorder's timer started.
    void LoadSettings();
    void OpenLink();
    void LoadInverters();
    void StartRecording();

    bool SaveInverters() const;
    bool SaveSettings() const;
    // Rewrites inverter.dat and system.dat, stops recording and publishing and
    // closes the bus; false when one of the two files could not be written.
    bool Shutdown();

private:
    QSystemFile m_SystemFile;
    QSystemModel m_Plant;
    std::unique_ptr<QInverterRecorder> m_pRecorder;
    std::unique_ptr<QPlantPublisher> m_pPublisher;
    std::unique_ptr<QBusScheduler> m_pBus;
};

#include "QPlantRuntime.h"

#include "QBusScheduler.h"
#include "QInverter.h"
#include "QInverterListFile.h"
#include "SystemClock.h"

QPlantRuntime::QPlantRuntime() {
    m_Plant.Settings().SetStore(&m_SystemFile);
    m_pRecorder = std::make_unique<QInverterRecorder>(m_Plant);
    m_pPublisher = std::make_unique<QPlantPublisher>(m_Plant);
    m_pMailQueue =
        std::make_unique<QAlertQueue>([this] { return QMailRecord::FromSettings(m_Plant.Settings()); });
    m_pAlerts = std::make_unique<QAlertMonitor>(m_Plant, *m_pMailQueue);
    m_pBus = std::make_unique<QBusScheduler>(&m_Plant, &SystemClock::Now);
    m_pAlerts->Watch(m_pBus.get());
}

QPlantRuntime::~QPlantRuntime() {
    // The bus first (it may still tell inverters they went offline), then the
    // publisher, the alerts and the recorder, which keeps the alarm slots, and
    // last the plant.
    m_pBus.reset();
    m_pPublisher.reset();
    m_pAlerts.reset();
    m_pMailQueue.reset();
    m_pRecorder.reset();
    m_Plant.Settings().SetStore(nullptr);
}

void QPlantRuntime::LoadSettings() {
    m_Plant.InitSystemFile();
    m_pPublisher->ApplySettings();
    m_pAlerts->Load();
}

void QPlantRuntime::OpenLink() {
    m_pBus->OpenConfiguredLink();
}

void QPlantRuntime::LoadInverters() {
    QInverterListFile::LoadInverterFile(m_Plant);
}

void QPlantRuntime::StartRecording() {
    m_pRecorder->Start();
    m_pAlerts->Start();
    m_pMailQueue->Kick();
}

bool QPlantRuntime::SaveInverters() const {
    return QInverterListFile::SaveInverterFile(m_Plant);
}

bool QPlantRuntime::SaveSettings() const {
    return m_Plant.SaveSystemFile();
}

bool QPlantRuntime::Shutdown() {
    const bool inverters = SaveInverters();
    const bool settings = SaveSettings();
    m_pRecorder->Stop();
    m_pPublisher->Stop();
    m_pAlerts->Stop();
    m_pBus.reset();
    return inverters && settings;
}

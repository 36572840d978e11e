#include "QPlantRuntime.h"

#include "QBusScheduler.h"
#include "QInverter.h"
#include "QInverterListFile.h"

QPlantRuntime::QPlantRuntime() {
    m_Plant.Settings().SetStore(&m_SystemFile);
    m_Plant.SetReplyHandler(&QInverter::HandleReply);
    m_pRecorder = std::make_unique<QInverterRecorder>(m_Plant);
    m_pPublisher = std::make_unique<QPlantPublisher>(m_Plant);
    m_pBus = std::make_unique<QBusScheduler>(&m_Plant);
}

QPlantRuntime::~QPlantRuntime() {
    // The bus first (it may still tell inverters they went offline), then the
    // publisher and the recorder, which keeps the alarm slots, and last the plant.
    m_pBus.reset();
    m_pPublisher.reset();
    m_pRecorder.reset();
    m_Plant.Settings().SetStore(nullptr);
}

void QPlantRuntime::LoadSettings() {
    m_Plant.InitSystemFile();
    m_pPublisher->ApplySettings();
}

void QPlantRuntime::OpenLink() {
    m_pBus->OpenConfiguredLink();
}

void QPlantRuntime::LoadInverters() {
    QInverterListFile::LoadInverterFile(m_Plant);
}

void QPlantRuntime::StartRecording() {
    m_pRecorder->Start();
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
    m_pBus.reset();
    return inverters && settings;
}

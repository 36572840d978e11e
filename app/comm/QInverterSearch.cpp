#include "QInverterSearch.h"

#include "QInverter.h"
#include "QMissionModel.h"
#include "QSystemModel.h"
#include "SystemClock.h"

#include <cstring>

QInverterSearch::~QInverterSearch() {
    // A probe still waiting in the slot is nobody's once the search is gone;
    // one already on the bus belongs to the scheduler.
    if (m_pProbe && m_pPlant->SearchMission() == m_pProbe) {
        m_pPlant->SetSearchMission(nullptr);
    }
}

bool QInverterSearch::IsRange(int start, int end) {
    return start < end && start >= FirstAddress && end <= LastAddress;
}

bool QInverterSearch::Start(int start, int end) {
    if (!IsRange(start, end)) {
        return false;
    }
    ++m_nRun;
    m_nCurrent = start - 1;
    m_nEnd = end;
    m_bRunning = true;
    return true;
}

QInverterSearch::Step QInverterSearch::Tick() {
    if (!m_bRunning || m_pProbe) {
        return Nothing;
    }
    if (m_bHadResult && SystemClock::MsecsBetween(m_LastResult, SystemClock::CurrentTime()) <= PauseMs) {
        return Nothing;
    }
    ++m_nCurrent;
    if (m_nCurrent > m_nEnd) {
        m_bRunning = false;
        return Finished;
    }
    auto* probe = new QMissionModel;
    probe->BuildFrame(ModelRegister, m_nCurrent, ModelRegisters, MissionPollRead);
    probe->SetCode(MissionCodeSearch);
    m_pProbe = probe;
    m_nProbeRun = m_nRun;
    m_nProbeAddress = m_nCurrent;
    m_nAddress = m_nCurrent;
    m_pPlant->SetSearchMission(probe);
    return Probing;
}

QInverterSearch::Step QInverterSearch::OnProbeDone(QMissionModel* mission) {
    if (!m_pProbe || (mission && mission != m_pProbe)) {
        return Nothing;
    }
    m_pProbe = nullptr;
    m_LastResult = SystemClock::CurrentTime();
    m_bHadResult = true;
    if (m_nProbeRun != m_nRun) {
        return Nothing; // the answer of a search that was stopped and started again
    }
    m_nAddress = m_nProbeAddress;
    m_strModel = mission ? ReplyModelText(mission) : QString();
    return mission ? Found : TimedOut;
}

QString QInverterSearch::ReplyModelText(const QMissionModel* mission) {
    if (mission->IsErrorReply()) {
        return QString();
    }
    const uchar* rx = mission->RxBuffer();
    const int count = qMin<int>(rx[2], qMin(2 * ModelRegisters, QMissionModel::BufferSize - 5));
    const uchar* data = mission->ReplyData();
    const void* end = std::memchr(data, 0, size_t(count));
    const int length = end ? int(static_cast<const uchar*>(end) - data) : count;
    return QString::fromUtf8(reinterpret_cast<const char*>(data), length);
}

QInverter* QInverterSearch::AddInverter(QSystemModel& plant, int address, const QString& name,
                                        const QString& model) {
    auto* inverter = new QInverter;
    inverter->SetAddress(address);
    inverter->SetName(name);
    inverter->SetModel(QInverter::LookupModel(model));
    if (!plant.AddInverter(inverter)) {
        delete inverter;
        return nullptr;
    }
    return inverter;
}

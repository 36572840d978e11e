#include "SimPlant.h"

#include "InverterRegisterMap.h"
#include "RtuFrameCodec.h"
#include "SimInverter.h"

namespace {
const int kTickMs = 250;
}

SimPlant::SimPlant(const SimOptions& options, quint32 seed, QObject* parent)
    : QObject(parent), m_clock(options.start, options.timeScale), m_solar(seed), m_silent(options.silent),
      m_refused(options.refused) {
    const QDateTime start = m_clock.Start();
    for (const InverterEntry& entry : options.inverters) {
        auto* inverter =
            new SimInverter(entry.address, ModelTable::Lookup(entry.model), options.password, seed, &m_solar);
        QList<ScheduledFault> faults;
        for (const ScheduledFault& fault : options.faults) {
            if (fault.address == entry.address) {
                faults.append(fault);
            }
        }
        inverter->SetSchedule(faults);
        inverter->Prime(start);
        m_inverters.insert(entry.address, inverter);
    }
    connect(&m_tick, &QTimer::timeout, this, &SimPlant::AdvanceAll);
    m_tick.start(kTickMs);
}

SimPlant::~SimPlant() {
    qDeleteAll(m_inverters);
}

SimInverter* SimPlant::Inverter(int address) const {
    return m_inverters.value(address, nullptr);
}

void SimPlant::AdvanceAll() {
    const QDateTime now = m_clock.Now();
    for (SimInverter* inverter : std::as_const(m_inverters)) {
        inverter->AdvanceTo(now);
    }
}

QByteArray SimPlant::Answer(const RtuRequest& request) {
    SimInverter* inverter = Inverter(request.address);
    if (!inverter || m_silent.contains(request.address)) {
        return QByteArray();
    }
    inverter->AdvanceTo(m_clock.Now());
    for (const RefusedRange& range : std::as_const(m_refused)) {
        if (range.Overlaps(request.address, request.start, request.count)) {
            return RtuFrameCodec::ErrorReply(request.address, request.function,
                                             quint8(ReplyError::IllegalAddress));
        }
    }

    ReplyError error = ReplyError::None;
    if (request.function == 0x03) {
        QVector<quint16> values;
        error = InverterRegisterMap::Read(*inverter, request.start, request.count, &values);
        if (error == ReplyError::None) {
            return RtuFrameCodec::ReadReply(request.address, values);
        }
    } else if (request.function == 0x10) {
        if (!request.byteCountMatches) {
            error = ReplyError::FrameError;
        } else {
            QVector<quint16> values;
            for (int i = 0; i + 1 < request.data.size(); i += 2) {
                values.append(quint16((quint8(request.data.at(i)) << 8) | quint8(request.data.at(i + 1))));
            }
            error = InverterRegisterMap::Write(*inverter, request.start, values);
            if (error == ReplyError::None) {
                return RtuFrameCodec::WriteReply(request.address, request.start, request.count);
            }
        }
    } else {
        error = ReplyError::IllegalFunction;
    }
    return RtuFrameCodec::ErrorReply(request.address, request.function, quint8(error));
}

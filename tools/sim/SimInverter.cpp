#include "SimInverter.h"

#include "SolarModel.h"

#include <algorithm>
#include <cmath>

namespace {
// The array is sized above the inverter's rating, so output clips at bright noons.
const double kOversize = 1.1;
const int kSelfTestSeconds = 120;
const double kNominalGridVoltage = 230.0;

double Efficiency(double load) {
    // High over most of the range, dropping at light load.
    return 0.975 - 0.12 * std::pow(1.0 - std::min(1.0, std::max(0.0, load)), 6.0);
}

// Fault codes of the 0xExxx family stop the inverter; the others only warn.
bool StopsGeneration(quint16 code) {
    return (code & 0xF000) == 0xE000;
}

const quint16 kPastFaultCodes[] = {0xA003, 0xA005, 0xA001, 0xE006, 0xA004, 0xE012, 0xE007};
} // namespace

SimInverter::SimInverter(int address, const SimModel& model, quint16 password, quint32 seed,
                         const SolarModel* solar)
    : m_address(address), m_model(model), m_solar(solar),
      m_random(quint32(seed * 2654435761u) ^ quint32(address * 40503u + 1)), m_defaultPassword(password) {
    m_arrayFactor = 0.92 + 0.08 * m_random.generateDouble();
    m_stringFactor = 0.92 + 0.12 * m_random.generateDouble();
    m_gridFactor = 0.99 + 0.02 * m_random.generateDouble();
    m_insulation = 12.0 + 18.0 * m_random.generateDouble();
    m_settings = DefaultSettings(password, QDate(2000, 1, 1));
}

InverterSettings SimInverter::DefaultSettings(quint16 password, const QDate& today) {
    InverterSettings settings;
    settings.password = password;
    const quint8 yy = quint8(std::max(0, today.year() - 2000));
    const quint8 periods[2][6] = {{yy, 1, 1, yy, 6, 30}, {yy, 7, 1, yy, 12, 31}};
    std::copy(&periods[0][0], &periods[0][0] + 12, &settings.tariff[0][0]);
    return settings;
}

double SimInverter::Noise(double amplitude) {
    return (m_random.generateDouble() * 2.0 - 1.0) * amplitude;
}

void SimInverter::Prime(const QDateTime& start) {
    const QDate today = start.date();
    m_settings = DefaultSettings(m_defaultPassword, today);
    const double rated = m_model.ratedPower;
    const double price = m_settings.price / 100.0;
    const int installYears = 2 + m_address % 3;
    m_manufactured = today.addDays(-(installYears * 365 + 40 + int(m_random.bounded(200))));

    // The days before the start, from the same sun and weather as the live day.
    for (int back = EnergyLedger::kKeptDays - 1; back >= 1; --back) {
        const QDate date = today.addDays(-back);
        const double fullLoadHours = m_solar->DayFullLoadHours(date, kOversize * m_arrayFactor);
        const double kwh = rated * fullLoadHours * 0.96 / 1000.0;
        DayTotals day;
        day.energy = kwh * 100.0;
        day.money = kwh * price * 100.0;
        day.co2 = kwh * EnergyLedger::kCo2PerKwh * 100.0;
        day.peakW = rated * m_solar->DayPeakShare(date, kOversize * m_arrayFactor) * 0.97;
        day.workHours = m_solar->SunsetHour(date) - m_solar->SunriseHour(date);
        day.gridHours = std::max(0.0, day.workHours - 0.5);
        m_ledger.SetPastDay(date, day);
    }
    // Years of service before the kept days.
    DayTotals base;
    const double baseKwh = rated / 1000.0 * 1150.0 * (installYears - 1);
    base.energy = std::floor(baseKwh * 100.0);
    base.money = std::floor(baseKwh * price * 100.0);
    base.co2 = std::floor(baseKwh * EnergyLedger::kCo2PerKwh * 100.0);
    base.peakW = rated * 0.98;
    base.workHours = 4380.0 * (installYears - 1);
    base.gridHours = base.workHours * 0.95;
    m_ledger.SetBase(base);

    // A few faults from the past weeks in the fault memory.
    const int pastFaults = 1 + int(m_random.bounded(4));
    QList<QDateTime> moments;
    for (int i = 0; i < pastFaults; ++i) {
        const QDate date = today.addDays(-1 - int(m_random.bounded(90)));
        moments << QDateTime(
            date, QTime(8 + int(m_random.bounded(9)), int(m_random.bounded(60)), int(m_random.bounded(60))),
            Qt::UTC);
    }
    std::sort(moments.begin(), moments.end());
    for (const QDateTime& moment : std::as_const(moments)) {
        const int pick = int(m_random.bounded(int(sizeof(kPastFaultCodes) / sizeof(kPastFaultCodes[0]))));
        m_faultMemory.Record(kPastFaultCodes[pick], moment, quint8(1 + m_random.bounded(20)));
    }

    // Today from midnight: the inverter slept through the night.
    m_ledger.BeginDay(today);
    m_now = QDateTime(today, QTime(0, 0), Qt::UTC);
    m_on = true;
    m_awake = false;
    Step(m_now, 0.0);
    AdvanceTo(start);
}

void SimInverter::AdvanceTo(const QDateTime& now) {
    if (!m_now.isValid()) {
        m_now = now;
    }
    while (m_now < now) {
        const qint64 ms = std::min<qint64>(60000, m_now.msecsTo(now));
        if (ms <= 0) {
            break;
        }
        Step(m_now.addMSecs(ms), ms / 1000.0);
    }
}

void SimInverter::UpdateFaultWords(int minuteOfDay) {
    for (int word = 0; word < 8; ++word) {
        quint16 code = 0;
        for (const ScheduledFault& fault : std::as_const(m_schedule)) {
            if (fault.word == word && fault.IsActiveAt(minuteOfDay)) {
                code = fault.code;
            }
        }
        if (code != 0 && code != m_faultWords[word]) {
            m_faultMemory.Record(code, ClockTime(), quint8(1 + m_random.bounded(20)));
        }
        m_faultWords[word] = code;
    }
}

void SimInverter::Step(const QDateTime& moment, double seconds) {
    m_now = moment;
    if (m_ledger.Today() != moment.date()) {
        m_ledger.BeginDay(moment.date());
    }
    const QTime time = moment.time();
    UpdateFaultWords(time.hour() * 60 + time.minute());

    bool stopFault = false;
    bool alarm = false;
    for (const quint16 word : m_faultWords) {
        if (word != 0) {
            (StopsGeneration(word) ? stopFault : alarm) = true;
        }
    }

    const double sun = m_solar->Irradiance(moment);
    if (sun <= 0.0) {
        m_awake = false;
    } else if (!m_awake) {
        // Waking up at dawn: the inverter checks itself before it connects.
        m_awake = true;
        m_selfTestUntil = moment.addSecs(kSelfTestSeconds);
    }
    if (stopFault) {
        m_stopped = true;
    } else if (m_stopped) {
        m_stopped = false;
        m_selfTestUntil = moment.addSecs(kSelfTestSeconds);
    }

    if (!m_on) {
        m_status = InverterStatus::Shutdown;
    } else if (!m_awake) {
        m_status = InverterStatus::Night;
    } else if (stopFault) {
        m_status = InverterStatus::Fault;
    } else if (m_selfTestUntil.isValid() && moment < m_selfTestUntil) {
        m_status = InverterStatus::SelfTest;
    } else {
        m_status = alarm ? InverterStatus::Alarm : InverterStatus::Running;
    }

    const double rated = m_model.ratedPower;
    double pac = 0.0;
    double pdc = 0.0;
    if (m_status == InverterStatus::Running || m_status == InverterStatus::Alarm) {
        const double available = rated * kOversize * m_arrayFactor * sun * (1.0 + Noise(0.01));
        const double limit = std::min(rated, rated * m_settings.maxOutput / 10000.0);
        const double efficiency = Efficiency(available / rated);
        pac = std::max(0.0, std::min(available * efficiency, limit));
        if (pac > 0.0) {
            // The tracker moves off the maximum point when the output is limited.
            pdc = pac / Efficiency(pac / rated) + 0.002 * rated;
        }
    }

    if (seconds > 0.0) {
        const double hours = seconds / 3600.0;
        m_ledger.AddEnergy(pac * hours, m_settings.price / 100.0);
        m_ledger.AddHours(m_awake && m_on ? hours : 0.0, pac > 0.0 ? hours : 0.0);
    }
    m_ledger.NotePower(pac);
    UpdateLiveValues(sun, pdc, pac, m_solar->AmbientTemperature(moment));
}

void SimInverter::UpdateLiveValues(double sun, double pdc, double pac, double ambient) {
    const double rated = m_model.ratedPower;
    const double load = pac / rated;
    LiveValues live;

    // PV strings: near the maximum power point while feeding in, open circuit
    // while lit but idle, nothing in the dark.
    const double cellTemperature = ambient + 28.0 * sun;
    const double vmpp =
        std::clamp(370.0 * m_stringFactor * (1.0 - 0.0035 * (cellTemperature - 25.0)), 260.0, 430.0);
    const double voc = std::min(450.0, vmpp * 1.17);
    const int strings = StringCount();
    double dcVoltage = 0.0;
    for (int s = 0; s < strings; ++s) {
        if (sun <= 0.0) {
            continue;
        }
        const double share = strings == 1 ? 1.0 : (s == 0 ? 0.51 : 0.49);
        const double voltage = (pdc > 0.0 ? vmpp : voc) * (1.0 + Noise(0.004)) * (s == 0 ? 1.0 : 0.985);
        live.pvVoltage[s] = voltage;
        live.pvCurrent[s] = pdc > 0.0 ? pdc * share / voltage : 0.0;
        dcVoltage = std::max(dcVoltage, voltage);
    }

    // Grid side: the voltage is there day and night; current only while feeding in.
    for (int phase = 0; phase < m_model.phases && phase < 3; ++phase) {
        const double voltage = kNominalGridVoltage * m_gridFactor * (1.0 + Noise(0.004));
        live.phaseVoltage[phase] = voltage;
        live.phaseCurrent[phase] = pac / m_model.phases / voltage;
    }
    live.frequency = 50.0 + Noise(0.03);
    live.inputPower = pdc;
    live.outputPower = pac;
    live.reactivePower = pac > 0.0 ? Noise(0.01 * rated) : 0.0;
    live.temperature1 = ambient + 25.0 * load + (m_awake ? 2.0 : 0.0) + Noise(0.15);
    live.temperature2 = ambient + 12.0 * load + (m_awake ? 4.0 : 1.0) + Noise(0.15);
    live.busVoltage = m_awake ? std::max(dcVoltage, 380.0) * (1.0 + Noise(0.003)) : 0.0;
    live.insulationMOhm = m_awake ? m_insulation * (1.0 + Noise(0.02)) : m_live.insulationMOhm;
    live.leakageMilliAmp = pac > 0.0 ? 5.0 + 20.0 * load + Noise(0.4) : 0.0;

    if (m_model.box) {
        const double current = dcVoltage > 0.0 ? pdc / dcVoltage : 0.0;
        for (double& voltage : live.boxVoltage) {
            voltage = dcVoltage * (1.0 + Noise(0.003));
        }
        for (double& input : live.boxCurrent) {
            input = current / 16.0 * (1.0 + Noise(0.03));
        }
    }
    m_live = live;
}

void SimInverter::SetClock(const QDateTime& moment) {
    m_clockOffsetMs = m_now.msecsTo(moment);
}

void SimInverter::SwitchOn(bool on) {
    if (on && !m_on) {
        m_selfTestUntil = m_now.addSecs(kSelfTestSeconds);
    }
    m_on = on;
    Step(m_now, 0.0);
}

void SimInverter::Restart() {
    m_selfTestUntil = m_now.addSecs(kSelfTestSeconds);
    m_loggedOn = false;
    Step(m_now, 0.0);
}

void SimInverter::FactoryReset() {
    m_settings = DefaultSettings(m_defaultPassword, m_now.date());
    m_clockOffsetMs = 0;
    m_on = true;
    Restart();
}

void SimInverter::ClearStatistics() {
    m_ledger.Clear();
}

QDate SimInverter::TariffStart(int period) const {
    const quint8* bytes = m_settings.tariff[period & 1];
    return QDate(2000 + bytes[0], bytes[1], bytes[2]);
}

QDate SimInverter::TariffEnd(int period) const {
    const quint8* bytes = m_settings.tariff[period & 1];
    return QDate(2000 + bytes[3], bytes[4], bytes[5]);
}

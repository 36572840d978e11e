#include "QPublishedValues.h"

#include "InverterData.h"
#include "QInverter.h"

#include <QStringList>
#include <cstring>

namespace {
// Names and units are those of the MQTT and home-automation world, not texts
// of the program's windows: they stay English whatever the window's language.
const QList<QPublishedValue> kValues = {
    {"input_power", "Input power", InputPower, 1, 0, "W", "power", "measurement", LiveRead,
     QPublishedValue::Always},
    {"output_power", "Output power", OutputPower, 1, 0, "W", "power", "measurement", LiveRead,
     QPublishedValue::Always},
    {"pv1_voltage", "PV1 voltage", String1Voltage, 10, 1, "V", "voltage", "measurement", StringsRead,
     QPublishedValue::Always},
    {"pv1_current", "PV1 current", String1Current, 10, 1, "A", "current", "measurement", StringsRead,
     QPublishedValue::Always},
    {"pv2_voltage", "PV2 voltage", String2Voltage, 10, 1, "V", "voltage", "measurement", StringsRead,
     QPublishedValue::SecondTrack},
    {"pv2_current", "PV2 current", String2Current, 10, 1, "A", "current", "measurement", StringsRead,
     QPublishedValue::SecondTrack},
    {"temperature1", "Temperature 1", Temperature1, 100, 2, "\u00b0C", "temperature", "measurement", LiveRead,
     QPublishedValue::Always},
    {"temperature2", "Temperature 2", Temperature2, 100, 2, "\u00b0C", "temperature", "measurement", LiveRead,
     QPublishedValue::Always},
    {"grid_frequency", "Grid frequency", GridFrequency, 100, 2, "Hz", "frequency", "measurement", LiveRead,
     QPublishedValue::Always},
    {"phase_u_voltage", "Phase U voltage", PhaseUVoltage, 10, 1, "V", "voltage", "measurement", StringsRead,
     QPublishedValue::Always},
    {"phase_u_current", "Phase U current", PhaseUCurrent, 10, 1, "A", "current", "measurement", StringsRead,
     QPublishedValue::Always},
    {"phase_v_voltage", "Phase V voltage", PhaseVVoltage, 10, 1, "V", "voltage", "measurement", StringsRead,
     QPublishedValue::ThreePhase},
    {"phase_v_current", "Phase V current", PhaseVCurrent, 10, 1, "A", "current", "measurement", StringsRead,
     QPublishedValue::ThreePhase},
    {"phase_w_voltage", "Phase W voltage", PhaseWVoltage, 10, 1, "V", "voltage", "measurement", StringsRead,
     QPublishedValue::ThreePhase},
    {"phase_w_current", "Phase W current", PhaseWCurrent, 10, 1, "A", "current", "measurement", StringsRead,
     QPublishedValue::ThreePhase},
    {"today_energy", "Energy today", TodayEnergy, 100, 2, "kWh", "energy", "total_increasing",
     TodayEnergyRead, QPublishedValue::Always},
    {"total_energy", "Energy total", TotalEnergy, 100, 2, "kWh", "energy", "total_increasing", TotalsRead,
     QPublishedValue::Always},
};

const char* const kStatusWords[] = {"unknown", "self_test", "running", "alarm", "fault", "shutdown"};
constexpr int kStatusCount = 6;
// The rated power above which a model has its second PV track, in W.
constexpr int kSecondTrackAbove = 3000;
} // namespace

bool QPublishedValue::IsEnergy() const {
    return item == TodayEnergy || item == TotalEnergy;
}

bool QPublishedValue::IsPower() const {
    return item == InputPower || item == OutputPower;
}

QByteArray QPublishedValue::Format(qint64 raw) const {
    if (divisor == 1) {
        return QByteArray::number(raw);
    }
    return QByteArray::number(Scaled(raw), 'f', decimals);
}

const QList<QPublishedValue>& QPublishedValues::All() {
    return kValues;
}

QList<QPublishedValue> QPublishedValues::Of(const QInverter& inverter) {
    const bool secondTrack = inverter.RatedPower() > kSecondTrackAbove;
    const bool threePhase = secondTrack && inverter.PhaseCount() == 3;
    QList<QPublishedValue> values;
    for (const QPublishedValue& value : kValues) {
        if ((value.presence == QPublishedValue::SecondTrack && !secondTrack) ||
            (value.presence == QPublishedValue::ThreePhase && !threePhase)) {
            continue;
        }
        values.append(value);
    }
    return values;
}

const QPublishedValue* QPublishedValues::Find(const char* key) {
    for (const QPublishedValue& value : kValues) {
        if (std::strcmp(value.key, key) == 0) {
            return &value;
        }
    }
    return nullptr;
}

QString QPublishedValues::StatusWord(int status) {
    return QLatin1String(kStatusWords[status >= 0 && status < kStatusCount ? status : 0]);
}

QStringList QPublishedValues::StatusWords() {
    QStringList words;
    for (const char* word : kStatusWords) {
        words.append(QLatin1String(word));
    }
    return words;
}

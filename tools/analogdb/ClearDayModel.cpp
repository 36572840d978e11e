#include "ClearDayModel.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double Pi = 3.14159265358979323846;
constexpr double ArrayPeakWatts = 5500.0;
constexpr double InverterMaxInput = 5200.0;
constexpr double StandbyWatts = 20.0;
constexpr double Track1Share = 12.0 / 23.0; // 12 and 11 modules on the two strings
constexpr int Track1Modules = 12;
constexpr int Track2Modules = 11;
constexpr double ModuleVmpp = 30.5; // volts at 1000 W/m2 and 25 degrees
constexpr double HeatSinkLagSeconds = 1200.0;

double Round(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

// Plane-of-array irradiance of a clear day with sunrise at 06:00 and sunset at 18:00.
double Irradiance(double hour) {
    const double s = std::sin(Pi * (hour - 6.0) / 12.0);
    return s <= 0.0 ? 0.0 : 1000.0 * std::pow(s, 1.25);
}

// Air temperature: coolest at sunrise, warmest in mid-afternoon.
double AmbientTemp(double hour) {
    return 17.0 + 9.0 * std::sin(Pi * (hour - 9.0) / 12.0);
}

// Maximum-power-point voltage of a string: lower in weak light and when the cells are hot.
double StringVoltage(int modules, double irradiance, double cellTemp) {
    const double light = 1.0 + 0.03 * std::log(std::max(irradiance, 5.0) / 1000.0);
    return modules * ModuleVmpp * light * (1.0 - 0.0037 * (cellTemp - 25.0));
}

// Conversion efficiency: about 96.7 % near full load, falling at part load.
double Efficiency(double inputWatts) {
    return 0.972 - 25.0 / (inputWatts + 100.0);
}
} // namespace

ClearDayModel::ClearDayModel(std::uint32_t seed) : m_Engine(seed) {
    m_dInverterTemp = AmbientTemp(StartHour);
}

double ClearDayModel::Noise() {
    return double(m_Engine()) / 2147483648.0 - 1.0;
}

AnalogSample ClearDayModel::Next() {
    const double hour = StartHour + double(m_nIndex) * StepSeconds / 3600.0;
    ++m_nIndex;
    AnalogSample sample;
    auto& d = sample.m_Data;

    // A clear sky still flickers a little (haze, the odd bird).
    const double irradiance = Irradiance(hour) * (1.0 + 0.003 * Noise());
    const double ambient = AmbientTemp(hour);
    const double cellTemp = ambient + irradiance / 800.0 * 25.0;
    const double dcAvailable =
        ArrayPeakWatts * irradiance / 1000.0 * (1.0 - 0.004 * (cellTemp - 25.0)) * 0.95;
    const double dcTarget = std::min(dcAvailable, InverterMaxInput);

    double inputWatts = 0.0;
    if (irradiance >= 5.0 && dcTarget >= StandbyWatts) {
        const double v1 = Round(StringVoltage(Track1Modules, irradiance, cellTemp), 1);
        const double v2 = Round(StringVoltage(Track2Modules, irradiance, cellTemp), 1);
        const double i1 = Round(dcTarget * Track1Share / v1, 2);
        const double i2 = Round(dcTarget * (1.0 - Track1Share) / v2, 2);
        d[0] = v1;
        d[1] = i1;
        d[2] = v2;
        d[3] = i2;
        // The input power is what the two trackers measure.
        inputWatts = std::round(v1 * i1 + v2 * i2);
    }
    const double outputWatts = inputWatts > 0.0 ? std::round(inputWatts * Efficiency(inputWatts)) : 0.0;
    d[4] = inputWatts;
    d[10] = outputWatts;

    // The heat sink follows the losses and the air slowly.
    const double sinkTarget = ambient + 0.004 * outputWatts + 0.02 * (inputWatts - outputWatts);
    m_dInverterTemp += (sinkTarget - m_dInverterTemp) * (StepSeconds / HeatSinkLagSeconds);
    d[5] = Round(m_dInverterTemp, 1);

    // The grid wanders a little; feeding in lifts the local voltage.
    m_dGridOffset = std::clamp(m_dGridOffset + 0.15 * Noise(), -2.0, 2.0);
    m_dFrequencyOffset = std::clamp(m_dFrequencyOffset + 0.004 * Noise(), -0.04, 0.04);
    const double gridVolts = Round(230.0 + m_dGridOffset + 2.5 * outputWatts / 5000.0, 1);
    d[6] = gridVolts;
    d[7] = Round(outputWatts / gridVolts, 2);
    d[8] = Round(50.0 + m_dFrequencyOffset, 2);
    d[9] =
        outputWatts > 0.0
            ? Round(std::min(1.0, 0.99 + 0.009 * std::min(1.0, outputWatts / 1500.0) + 0.0005 * Noise()), 3)
            : 0.0;

    m_dPeak = std::max(m_dPeak, outputWatts);
    d[11] = m_dPeak;
    m_dEnergy += outputWatts * StepSeconds / 3600.0 / 1000.0;
    d[12] = Round(m_dEnergy, 3);
    return sample;
}

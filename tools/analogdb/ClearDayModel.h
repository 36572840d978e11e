#pragma once

#include <array>
#include <cstdint>
#include <random>

// One sample of the recorded day, in the units the analog signal device reads:
// volts, amperes, watts, degrees Celsius, hertz, kilowatt-hours.
struct AnalogSample {
    static constexpr int Count = 13;
    // 0 track 1 voltage, 1 track 1 current, 2 track 2 voltage, 3 track 2 current,
    // 4 input power, 5 temperature, 6 U voltage, 7 U current, 8 grid frequency,
    // 9 power factor (three decimals), 10 output power, 11 peak power, 12 energy.
    std::array<double, Count> m_Data{};
};

// A clear day on a 5.5 kWp array with two strings feeding a 5 kW single-phase
// inverter, sampled every 6 seconds from 06:00. The weather noise comes from a
// fixed seed, so every run yields the same day.
class ClearDayModel {
public:
    static constexpr int StepSeconds = 6;
    static constexpr double StartHour = 6.0;

    explicit ClearDayModel(std::uint32_t seed);
    // The sample after the previous one (sample 0 first).
    AnalogSample Next();

private:
    // Uniform in [-1, 1), computed from the engine's raw output so that the
    // sequence does not depend on the standard library's distributions.
    double Noise();

    std::mt19937 m_Engine;
    int m_nIndex = 0;
    double m_dInverterTemp = 0.0;
    double m_dGridOffset = 0.0;
    double m_dFrequencyOffset = 0.0;
    double m_dPeak = 0.0;
    double m_dEnergy = 0.0;
};

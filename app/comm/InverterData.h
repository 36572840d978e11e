#pragma once

// The numbers an inverter's tables are known by: the items of its live data
// table, the entries of its statistics table and the codes of the reads that
// fill them. Decoding, recording and the views use these names.

// Live data table, 54 items. The unit is the one the device reports.
enum LiveItem {
    InputPower = 0,       // W
    OutputPower = 1,      // W
    String1Voltage = 2,   // 0.1 V
    String1Current = 3,   // 0.1 A
    String2Voltage = 4,   // 0.1 V
    String2Current = 5,   // 0.1 A
    Temperature1 = 6,     // 0.01 degrees, signed
    Temperature2 = 7,     // 0.01 degrees, signed
    GridFrequency = 8,    // 0.01 Hz
    GroundResistance = 9, // register 0x16AC
    LeakageCurrent = 10,  // register 0x16AD, signed
    PhaseUVoltage = 11,   // 0.1 V
    PhaseUCurrent = 12,   // 0.1 A
    PhaseVVoltage = 13,   // 0.1 V
    PhaseVCurrent = 14,   // 0.1 A
    PhaseWVoltage = 15,   // 0.1 V
    PhaseWCurrent = 16,   // 0.1 A
    TotalEnergy = 17,     // 0.01 kWh
    Co2Reduction = 18,    // 0.01 kg
    TotalsRegister1654 = 19,
    TodayEnergy = 20, // 0.01 kWh
    TodayRegister161A = 21,
    TodayRegister1618 = 22,
    YearEnergy = 23, // 0.01 kWh
    YearRegister164C = 24,
    YearRegister164A = 25,
    PeakPower = 26,    // W
    ClockTime = 27,    // hour*65536 + minute*256 + second
    ClockDate = 28,    // (year - 2000)*65536 + month*256 + day
    Register16A1 = 29, // signed
    PriceSetting = 30,
    MaxOutputSetting = 31,
    OperatingStatus = 32, // 0..5
    LogonState = 33,      // 1 logged off, 2 logged on
    BoxVoltageFirst = 34, // four box output voltages, 0.1 V
    BoxCurrentFirst = 38, // sixteen box input currents, 0.1 A
};

// Statistics table, 44 entries: the months (this month first), then the days
// (today first), in the units of TodayEnergy.
enum StatEntry {
    MonthStatFirst = 0,
    MonthStatCount = 12,
    DayStatFirst = 12,
    DayStatCount = 32,
};

// Codes of the reads that fill the tables. The statistics blocks repeat every
// StatBlockStep: block n of the days has the code DayStatsRead + n * StatBlockStep.
enum PollCode {
    ModelRead = 0,
    SettingsRead = 1,
    MaxPowerRead = 4,
    PeakPowerRead = 9,
    TodayEnergyRead = 10,
    TotalsRead = 11,
    StatusRead = 12,
    StringsRead = 13,
    LiveRead = 14,
    DayStatsRead = 15,   // blocks 0..7, four days each
    MonthStatsRead = 16, // blocks 0..1, six months each
    UserLabelRead = 26,
    SerialTextRead = 8448,
    SecondTextRead = 8464,
    ProductionRead = 8480,
    BoxVoltagesRead = 8484,
    BoxCurrentsRead = 8488,
    StatBlockStep = 10000,
    DayStatBlocks = 8,
    MonthStatBlocks = 2,
};

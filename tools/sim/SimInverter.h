#pragma once

#include "EnergyLedger.h"
#include "FaultMemory.h"
#include "ModelTable.h"
#include "ScheduledFault.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QRandomGenerator>

class SolarModel;

// Operating status codes the inverter reports (low byte of 0x167C).
enum class InverterStatus { Night = 0, SelfTest = 1, Running = 2, Alarm = 3, Fault = 4, Shutdown = 5 };

// Measured values of the last simulation step, in physical units.
struct LiveValues {
    double pvVoltage[2] = {0, 0};
    double pvCurrent[2] = {0, 0};
    double phaseVoltage[3] = {0, 0, 0};
    double phaseCurrent[3] = {0, 0, 0};
    double frequency = 50.0;
    double reactivePower = 0.0;
    double inputPower = 0.0;
    double outputPower = 0.0;
    double temperature1 = 20.0;
    double temperature2 = 20.0;
    double busVoltage = 0.0;
    double insulationMOhm = 0.0;
    double leakageMilliAmp = 0.0;
    double boxVoltage[4] = {0, 0, 0, 0};
    double boxCurrent[16] = {};
};

// What the operator can set on the inverter; a factory reset restores these.
struct InverterSettings {
    char language = 'E';       // code letters: C E G F I (Chinese .. Italian)
    char currency = 'U';       // code letters: R A B U D (CNY .. AUD)
    quint16 price = 100;       // hundredths of the currency per kWh
    QByteArray label;          // at most 32 bytes
    quint16 maxOutput = 10000; // percent of the rated power x 100
    quint16 password = 1234;
    quint8 tariff[2][6] = {}; // yy mm dd yy mm dd of T1 and T2
};

// One inverter on the bus: its model, settings, generation history and the
// physics of one day of sun, stepped along the plant's clock.
class SimInverter {
public:
    SimInverter(int address, const SimModel& model, quint16 password, quint32 seed, const SolarModel* solar);

    void SetSchedule(const QList<ScheduledFault>& faults) { m_schedule = faults; }
    // Fills in the days before the start and plays today from midnight to it.
    void Prime(const QDateTime& start);
    // Runs the simulation up to the plant time, in steps of at most a minute.
    void AdvanceTo(const QDateTime& now);

    int Address() const { return m_address; }
    const SimModel& Model() const { return m_model; }
    const LiveValues& Live() const { return m_live; }
    InverterStatus Status() const { return m_status; }
    const EnergyLedger& Ledger() const { return m_ledger; }
    const FaultMemory& Faults() const { return m_faultMemory; }
    quint16 FaultWord(int word) const { return m_faultWords[word]; }
    const InverterSettings& Settings() const { return m_settings; }
    InverterSettings& Settings() { return m_settings; }
    int StringCount() const { return m_model.ratedPower >= 3000 ? 2 : 1; }
    QDate ManufactureDate() const { return m_manufactured; }

    QDateTime PlantTime() const { return m_now; }
    QDateTime ClockTime() const { return m_now.addMSecs(m_clockOffsetMs); }
    void SetClock(const QDateTime& moment);

    bool IsLoggedOn() const { return m_loggedOn; }
    void SetLoggedOn(bool on) { m_loggedOn = on; }
    bool IsOn() const { return m_on; }
    void SwitchOn(bool on);
    void Restart();
    void FactoryReset();
    void ClearStatistics();

    // Periods of tariff T1 (0) and T2 (1); invalid dates when the stored bytes are not a date.
    QDate TariffStart(int period) const;
    QDate TariffEnd(int period) const;

    static InverterSettings DefaultSettings(quint16 password, const QDate& today);

private:
    void Step(const QDateTime& moment, double seconds);
    void UpdateFaultWords(int minuteOfDay);
    void UpdateLiveValues(double sun, double pdc, double pac, double ambient);
    double Noise(double amplitude);

    int m_address;
    SimModel m_model;
    const SolarModel* m_solar;
    QRandomGenerator m_random;
    quint16 m_defaultPassword;
    // Per-unit spread so that equal models do not show equal values.
    double m_arrayFactor;
    double m_stringFactor;
    double m_gridFactor;
    double m_insulation;
    QDate m_manufactured;

    InverterSettings m_settings;
    QList<ScheduledFault> m_schedule;
    EnergyLedger m_ledger;
    FaultMemory m_faultMemory;
    quint16 m_faultWords[8] = {};
    LiveValues m_live;
    InverterStatus m_status = InverterStatus::Night;

    QDateTime m_now;
    qint64 m_clockOffsetMs = 0;
    QDateTime m_selfTestUntil;
    bool m_on = true;
    bool m_awake = false;
    bool m_stopped = false; // a stopping fault was active at the last step
    bool m_loggedOn = false;
};

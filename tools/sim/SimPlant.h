#pragma once

#include "SimClock.h"
#include "SimOptions.h"
#include "SolarModel.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <memory>

class SimInverter;
struct RtuRequest;

// The inverters on the bus and the plant's clock. Every request is answered by
// the inverter it is addressed to, after that inverter has been brought up to
// the plant time; a timer keeps the others running between requests.
class SimPlant : public QObject {
    Q_OBJECT
public:
    SimPlant(const SimOptions& options, quint32 seed, QObject* parent = nullptr);
    ~SimPlant() override;

    // The reply bytes, or an empty array when nobody on the bus answers.
    QByteArray Answer(const RtuRequest& request);

    SimInverter* Inverter(int address) const;
    QList<int> Addresses() const { return m_inverters.keys(); }
    const SimClock& Clock() const { return m_clock; }

private:
    void AdvanceAll();

    SimClock m_clock;
    SolarModel m_solar;
    QMap<int, SimInverter*> m_inverters;
    QSet<int> m_silent;
    QList<RefusedRange> m_refused;
    QTimer m_tick;
};

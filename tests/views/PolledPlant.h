#pragma once

// The working plant (settings, recorder, bus scheduler) polled over a TCP link
// on the scheduler's own 20 ms tick, as the main window polls it: the settings point
// the link at a simulator on loopback.

#include "QBusScheduler.h"
#include "QInverter.h"
#include "QMissionList.h"
#include "QPlantRuntime.h"

#include <QTest>

namespace viewstest {

class PolledPlant {
public:
    explicit PolledPlant(int port) {
        QSystemModel& plant = m_Runtime.Plant();
        plant.SetSystemValue(QStringLiteral("CommunicationType"), QStringLiteral("1"), false);
        plant.SetSystemValue(QStringLiteral("IPAddress"), QStringLiteral("127.0.0.1"), false);
        plant.SetSystemValue(QStringLiteral("IP_number"), QString::number(port), false);
    }
    ~PolledPlant() {
        Bus()->Stop();
        Bus()->CloseTcpLink();
    }

    QSystemModel& Plant() { return m_Runtime.Plant(); }
    QBusScheduler* Bus() { return m_Runtime.Bus(); }

    // Opens the link and polls every inverter of the plant; false when the link
    // did not open.
    bool Start() {
        m_Runtime.OpenLink();
        if (!QTest::qWaitFor([this] { return Bus()->IsLinkOpen(); }, 5000)) {
            return false;
        }
        for (QInverter* inverter : Plant().Inverters()) {
            inverter->MissionList().SetEnabled(true);
        }
        Bus()->Start();
        return true;
    }
    // No new request goes out; the one in flight may still be answered.
    void Stop() { Bus()->Stop(); }

private:
    QPlantRuntime m_Runtime;
};

} // namespace viewstest

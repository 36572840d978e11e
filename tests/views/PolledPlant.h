#pragma once

// The working plant (settings, recorder, bus scheduler) polled over a TCP link
// from the real 20 ms timer, as the main window polls it: the settings point
// the link at a simulator on loopback.

#include "QBusScheduler.h"
#include "QInverter.h"
#include "QMissionList.h"
#include "QPlantRuntime.h"

#include <QTimer>

namespace viewstest {

class PolledPlant {
public:
    explicit PolledPlant(int port) {
        QSystemModel& plant = m_Runtime.Plant();
        plant.SetSystemValue(QStringLiteral("CommunicationType"), QStringLiteral("1"), false);
        plant.SetSystemValue(QStringLiteral("IPAddress"), QStringLiteral("127.0.0.1"), false);
        plant.SetSystemValue(QStringLiteral("IP_number"), QString::number(port), false);
        m_Tick.setInterval(20);
        QObject::connect(&m_Tick, &QTimer::timeout, Bus(), &QBusScheduler::OnCommunicateTimer);
    }
    ~PolledPlant() {
        m_Tick.stop();
        Bus()->CloseTcpLink();
        QMissionList::SetReplyHandler(nullptr);
    }

    QSystemModel& Plant() { return m_Runtime.Plant(); }
    QBusScheduler* Bus() { return m_Runtime.Bus(); }

    // Opens the link and polls every inverter of the plant; false when the link
    // did not open.
    bool Start() {
        m_Runtime.OpenLink();
        if (!Bus()->IsLinkOpen()) {
            return false;
        }
        for (QInverter* inverter : Plant().Inverters()) {
            inverter->MissionList().SetEnabled(true);
        }
        m_Tick.start();
        return true;
    }
    // No new request goes out; the one in flight may still be answered.
    void Stop() { m_Tick.stop(); }

private:
    QPlantRuntime m_Runtime;
    QTimer m_Tick;
};

} // namespace viewstest

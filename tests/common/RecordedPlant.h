#pragma once

// A plant with its recorder attached, the way the program runs them, for tests
// that follow what the inverters report into the files.

#include "QInverter.h"
#include "QInverterRecorder.h"
#include "QSystemModel.h"

#include <QString>

struct RecordedPlant {
    QSystemModel plant;
    QInverterRecorder recorder{plant};

    // A new inverter joins the plant (nullptr when refused).
    QInverter* Join(const QString& name, int address, const QString& model = QStringLiteral("Tivra PA5KS")) {
        auto* inverter = new QInverter;
        inverter->SetName(name);
        inverter->SetAddress(address);
        inverter->SetModelName(model);
        if (!plant.AddInverter(inverter)) {
            delete inverter;
            return nullptr;
        }
        return inverter;
    }
    const QHourReadings& Hours(const QInverter* inverter) const { return *recorder.HourReadings(inverter); }
    const QAlarmSlots& Alarms(const QInverter* inverter) const { return *recorder.AlarmSlots(inverter); }
};

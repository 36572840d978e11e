#pragma once

// Shared pieces of the maintenance dialog tests: modal dialogs driven while
// they run, and replies handed to the plant as the bus hands them over.

#include "../comm/InverterTestSupport.h"
#include "QInverter.h"
#include "QMissionList.h"
#include "QMissionModel.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <functional>

namespace maintenancetest {

// Runs act on the next modal dialog of type Dialog as soon as it runs (from
// inside its exec()); act must close it. Gives up after timeoutMs.
template <typename Dialog> void WhenModal(std::function<void(Dialog&)> act, int timeoutMs = 20000) {
    auto* timer = new QTimer;
    auto* waited = new int(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, act, timeoutMs]() {
        *waited += timer->interval();
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog && *waited < timeoutMs) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        delete waited;
        if (dialog) {
            act(*dialog);
        }
    });
    timer->start();
}

// The reply of a mission handed to the plant's reply handler, as the bus does
// once it accepted the reply; a one-shot mission is gone afterwards. The
// inverter must belong to a plant.
inline void Answer(QInverter& inverter, QMissionModel* mission, const QByteArray& reply) {
    QVERIFY(testsupport::Feed(*mission, reply));
    const ReplyHandler& handler = inverter.MissionList().GetReplyHandler();
    QVERIFY(handler);
    handler(mission, &inverter);
    if (mission->IsOneShot()) {
        inverter.MissionList().RemoveMission(mission);
        delete mission;
    }
}

// The one-shot missions waiting in the inverter's list.
inline QList<QMissionModel*> OneShotMissions(const QInverter& inverter) {
    QList<QMissionModel*> missions;
    for (QMissionModel* mission : inverter.MissionList().Missions()) {
        if (mission->IsOneShot()) {
            missions.append(mission);
        }
    }
    return missions;
}

} // namespace maintenancetest

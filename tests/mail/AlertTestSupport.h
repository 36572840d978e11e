#pragma once

#include "DataPaths.h"
#include "QAlertMonitor.h"
#include "QAlertQueue.h"
#include "QAlertSettings.h"
#include "QInverter.h"
#include "QSystemFile.h"
#include "QSystemModel.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <memory>

namespace alerttest {

// A plant of two inverters with its settings in a data directory of its own,
// a mail queue and the alert monitor on a clock the test moves by hand. The
// queue's account comes from the settings: without one the mails stay in the
// queue folder, where the test reads them.
struct AlertedPlant {
    QTemporaryDir dir;
    QSystemFile file;
    QSystemModel plant;
    QDateTime now = QDateTime(QDate(2025, 6, 21), QTime(10, 0));
    std::unique_ptr<QAlertQueue> queue;
    std::unique_ptr<QAlertMonitor> monitor;
    QInverter* roof = nullptr;
    QInverter* carport = nullptr;

    AlertedPlant() {
        DataPaths::SetDataDir(dir.path());
        plant.Settings().SetStore(&file);
        plant.InitSystemFile();
        plant.SetSystemValue(QStringLiteral("systemname"), QStringLiteral("Sunridge"), false);
        queue = std::make_unique<QAlertQueue>([this] { return QMailRecord::FromSettings(plant.Settings()); });
        Restart();
        roof = Join(QStringLiteral("Roof east"), 1);
        carport = Join(QStringLiteral("Carport"), 3);
        roof->SetCommState(CommOnline);
        carport->SetCommState(CommOnline);
    }
    ~AlertedPlant() {
        monitor.reset();
        queue.reset();
        plant.Settings().SetStore(nullptr);
        DataPaths::SetDataDir(QString());
    }

    // A new monitor reading what the last one kept, as after a restart of the program.
    void Restart() {
        monitor.reset();
        monitor = std::make_unique<QAlertMonitor>(plant, *queue, [this] { return now; });
        monitor->Load();
    }

    QInverter* Join(const QString& name, int address) {
        auto* inverter = new QInverter;
        inverter->SetName(name);
        inverter->SetAddress(address);
        inverter->SetModelName(QStringLiteral("Tivra PA5KS"));
        plant.AddInverter(inverter);
        return inverter;
    }

    void Set(const QAlertSettings& settings) { settings.Write(plant); }
    void At(const QTime& time, int days = 0) { now = QDateTime(QDate(2025, 6, 21).addDays(days), time); }
    void Tick() { monitor->OnTick(); }
    // The fault E006 of Roof east begins and ends every two minutes from 10:00, a tick after each.
    void Flaps(int count) {
        for (int flap = 0; flap < count; ++flap) {
            At(QTime(10, flap * 2));
            monitor->OnFaultBegan(*roof, 0, 0xE006);
            At(QTime(10, flap * 2 + 1));
            monitor->OnFaultEnded(*roof, 0, 0xE006);
            Tick();
        }
    }

    // The mails in the queue, oldest first: subject, then the body.
    QList<QPair<QString, QString>> Mails() const {
        QList<QPair<QString, QString>> mails;
        for (const QString& path : queue->Pending()) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            const QJsonObject mail = QJsonDocument::fromJson(file.readAll()).object();
            mails.append({mail.value("subject").toString(), mail.value("body").toString()});
        }
        return mails;
    }
    QStringList Subjects() const {
        QStringList subjects;
        for (const auto& mail : Mails()) {
            subjects.append(mail.first);
        }
        return subjects;
    }
};

} // namespace alerttest

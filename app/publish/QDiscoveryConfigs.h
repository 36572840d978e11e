#pragma once

#include "QPublishTopics.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

class QInverter;

// The retained config messages that announce the plant to a home-automation
// system in the common discovery format: a device per inverter (maker, model,
// serial number) with one sensor per value it has, and a device for the
// plant's sums. Every sensor names its unit, device class and state class,
// and is available while both the program and its inverter are.
class QDiscoveryConfigs {
public:
    using Config = QPair<QString, QByteArray>; // topic, payload

    static constexpr const char* Maker = "Tivra";

    static QList<Config> ForInverter(const QPublishTopics& topics, const QInverter& inverter);
    static QList<Config> ForPlant(const QPublishTopics& topics, const QString& plantName);
};

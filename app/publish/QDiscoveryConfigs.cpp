#include "QDiscoveryConfigs.h"

#include "QInverter.h"
#include "QPublishedValues.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
QJsonObject Origin() {
    QJsonObject origin{{"name", "Wattsight"}};
    const QString version = QCoreApplication::applicationVersion();
    if (!version.isEmpty()) {
        origin.insert("sw_version", version);
    }
    return origin;
}

QJsonArray Availability(const QStringList& topics) {
    QJsonArray list;
    for (const QString& topic : topics) {
        list.append(QJsonObject{{"topic", topic}});
    }
    return list;
}

QJsonObject Sensor(const QString& device, const char* key, const char* name, const QString& stateTopic,
                   const QJsonArray& availability, const QJsonObject& deviceInfo) {
    QJsonObject sensor{
        {"name", QLatin1String(name)}, {"unique_id", device + QLatin1Char('_') + QLatin1String(key)},
        {"state_topic", stateTopic},   {"availability", availability},
        {"availability_mode", "all"},  {"device", deviceInfo},
        {"origin", Origin()},
    };
    return sensor;
}

void AddValue(QJsonObject& sensor, const QPublishedValue& value) {
    sensor.insert("unit_of_measurement", QString::fromUtf8(value.unit));
    sensor.insert("device_class", QLatin1String(value.deviceClass));
    sensor.insert("state_class", QLatin1String(value.stateClass));
    sensor.insert("suggested_display_precision", value.decimals);
}

QByteArray Compact(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}
} // namespace

QList<QDiscoveryConfigs::Config> QDiscoveryConfigs::ForInverter(const QPublishTopics& topics,
                                                                const QInverter& inverter) {
    const int address = inverter.Address();
    const QString device = topics.InverterDevice(address);
    QJsonObject deviceInfo{
        {"identifiers", QJsonArray{device}},
        {"name", inverter.Name().isEmpty() ? QStringLiteral("Inverter %1").arg(address) : inverter.Name()},
        {"manufacturer", QLatin1String(Maker)},
        {"via_device", topics.PlantDevice()},
    };
    if (!inverter.ModelName().isEmpty()) {
        deviceInfo.insert("model", inverter.ModelName());
    }
    if (!inverter.SerialText().trimmed().isEmpty()) {
        deviceInfo.insert("serial_number", inverter.SerialText().trimmed());
    }
    if (!inverter.VersionText().isEmpty()) {
        deviceInfo.insert("sw_version", inverter.VersionText());
    }
    const QJsonArray availability = Availability({topics.Status(), topics.Availability(address)});

    QList<Config> configs;
    for (const QPublishedValue& value : QPublishedValues::Of(inverter)) {
        QJsonObject sensor =
            Sensor(device, value.key, value.name, topics.Value(address, value.key), availability, deviceInfo);
        AddValue(sensor, value);
        configs.append({QPublishTopics::SensorConfig(device, QLatin1String(value.key)), Compact(sensor)});
    }
    QJsonObject status =
        Sensor(device, "status", "Status", topics.OperatingStatus(address), availability, deviceInfo);
    status.insert("device_class", "enum");
    status.insert("options", QJsonArray::fromStringList(QPublishedValues::StatusWords()));
    configs.append({QPublishTopics::SensorConfig(device, QStringLiteral("status")), Compact(status)});
    return configs;
}

QList<QDiscoveryConfigs::Config> QDiscoveryConfigs::ForPlant(const QPublishTopics& topics,
                                                             const QString& plantName) {
    const QString device = topics.PlantDevice();
    const QJsonObject deviceInfo{
        {"identifiers", QJsonArray{device}},
        {"name", plantName},
        {"manufacturer", QLatin1String(Maker)},
        {"model", "Wattsight"},
    };
    const QJsonArray availability = Availability({topics.Status()});
    QList<Config> configs;
    for (const char* key : {"input_power", "output_power", "today_energy", "total_energy"}) {
        const QPublishedValue* value = QPublishedValues::Find(key);
        QJsonObject sensor =
            Sensor(device, key, value->name, topics.PlantValue(key), availability, deviceInfo);
        AddValue(sensor, *value);
        configs.append({QPublishTopics::SensorConfig(device, QLatin1String(key)), Compact(sensor)});
    }
    return configs;
}

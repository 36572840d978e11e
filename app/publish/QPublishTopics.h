#pragma once

#include <QString>

// The topics of one plant under its prefix P:
//   P/status                          the program: "online", or "offline" (also its last will)
//   P/inverter/<address>/availability "online" while the inverter communicates, else "offline"
//   P/inverter/<address>/state        every value as one JSON object with its time stamp
//   P/inverter/<address>/<value>      one value as a plain number (e.g. output_power)
//   P/inverter/<address>/status       the operating status as a word (e.g. running)
//   P/inverter/<address>/event        fault began or ended (not retained)
//   P/plant/state, P/plant/<value>    the plant's sums
// and the discovery configs under "homeassistant/".
class QPublishTopics {
public:
    static constexpr const char* DiscoveryPrefix = "homeassistant";

    QPublishTopics() = default;
    QPublishTopics(const QString& prefix, const QString& plantSlug)
        : m_strPrefix(prefix), m_strSlug(plantSlug) {}

    QString Prefix() const { return m_strPrefix; }
    QString PlantSlug() const { return m_strSlug; }

    QString Status() const { return m_strPrefix + QStringLiteral("/status"); }
    QString InverterBase(int address) const {
        return m_strPrefix + QStringLiteral("/inverter/") + QString::number(address);
    }
    QString Availability(int address) const {
        return InverterBase(address) + QStringLiteral("/availability");
    }
    QString State(int address) const { return InverterBase(address) + QStringLiteral("/state"); }
    QString Value(int address, const char* key) const {
        return InverterBase(address) + QLatin1Char('/') + QLatin1String(key);
    }
    QString OperatingStatus(int address) const { return InverterBase(address) + QStringLiteral("/status"); }
    QString Event(int address) const { return InverterBase(address) + QStringLiteral("/event"); }
    QString PlantState() const { return m_strPrefix + QStringLiteral("/plant/state"); }
    QString PlantValue(const char* key) const {
        return m_strPrefix + QStringLiteral("/plant/") + QLatin1String(key);
    }

    // Where the home-automation system says it (re)started.
    static QString DiscoveryStatus() { return QLatin1String(DiscoveryPrefix) + QStringLiteral("/status"); }
    // Device identifiers: one per inverter, one for the plant.
    QString InverterDevice(int address) const {
        return QStringLiteral("wattsight_") + m_strSlug + QStringLiteral("_") + QString::number(address);
    }
    QString PlantDevice() const { return QStringLiteral("wattsight_") + m_strSlug; }
    // homeassistant/sensor/<device>/<key>/config
    static QString SensorConfig(const QString& device, const QString& key) {
        return QLatin1String(DiscoveryPrefix) + QStringLiteral("/sensor/") + device + QLatin1Char('/') + key +
               QStringLiteral("/config");
    }

private:
    QString m_strPrefix;
    QString m_strSlug;
};

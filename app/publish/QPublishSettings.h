#pragma once

#include <QString>

class QSystemSettings;

// Where and how the plant's data goes out to an MQTT broker: the keys kept in
// system.dat after the standard ones (appended the first time they are set),
// read into one value with their defaults. Publishing is off until enabled.
struct QPublishSettings {
    static const char* const KeyEnabled;
    static const char* const KeyHost;
    static const char* const KeyPort;
    static const char* const KeyUser;
    static const char* const KeyPassword;
    static const char* const KeyTls;
    static const char* const KeyCaFile;
    static const char* const KeyPrefix;
    static const char* const KeyDiscovery;

    static constexpr int DefaultPort = 1883;
    static constexpr int DefaultTlsPort = 8883;

    bool enabled = false;
    QString host;
    int port = DefaultPort;
    QString user;
    QString password;
    bool tls = false;
    QString caFile; // empty with TLS: the system's certificate authorities
    QString prefix; // as stored; empty means the default prefix of the plant
    bool discovery = true;

    // Reads the keys; an empty or unreadable value takes its default.
    static QPublishSettings Load(const QSystemSettings& settings);
    // Writes every key, saving the file with the last one.
    void Store(QSystemSettings& settings) const;

    // "wattsight/<plant>", the plant's name reduced to letters, digits, '-' and '_'.
    static QString DefaultPrefix(const QString& plantName);
    // The plant's name as it may stand in a topic level or an identifier.
    static QString PlantSlug(const QString& plantName);
    // An empty text when the prefix can stand before the program's topics,
    // otherwise what is wrong with it.
    static QString PrefixProblem(const QString& prefix);

    // The prefix in use: the stored one, or the plant's default when it is
    // empty or unusable. Never ends with '/'.
    QString EffectivePrefix(const QString& plantName) const;
    QString ClientId(const QString& plantName) const;
    // Something to connect to: enabled with a host and a port in range.
    bool IsUsable() const;

    bool operator==(const QPublishSettings& other) const;
    bool operator!=(const QPublishSettings& other) const { return !(*this == other); }
};

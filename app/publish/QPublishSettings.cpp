#include "QPublishSettings.h"

#include "QSystemSettings.h"

#include <QCoreApplication>

const char* const QPublishSettings::KeyEnabled = "MqttEnabled";
const char* const QPublishSettings::KeyHost = "MqttHost";
const char* const QPublishSettings::KeyPort = "MqttPort";
const char* const QPublishSettings::KeyUser = "MqttUser";
const char* const QPublishSettings::KeyPassword = "MqttPassword";
const char* const QPublishSettings::KeyTls = "MqttTls";
const char* const QPublishSettings::KeyCaFile = "MqttCaFile";
const char* const QPublishSettings::KeyPrefix = "MqttPrefix";
const char* const QPublishSettings::KeyDiscovery = "MqttDiscovery";

namespace {
QString Value(const QSystemSettings& settings, const char* key) {
    return settings.GetSystemValue(QLatin1String(key)).trimmed();
}

QString Flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}
} // namespace

QPublishSettings QPublishSettings::Load(const QSystemSettings& settings) {
    QPublishSettings result;
    result.enabled = Value(settings, KeyEnabled) == QLatin1String("1");
    result.host = Value(settings, KeyHost);
    result.user = settings.GetSystemValue(QLatin1String(KeyUser));
    result.password = settings.GetSystemValue(QLatin1String(KeyPassword));
    result.tls = Value(settings, KeyTls) == QLatin1String("1");
    result.caFile = Value(settings, KeyCaFile);
    result.prefix = Value(settings, KeyPrefix);
    result.discovery = Value(settings, KeyDiscovery) != QLatin1String("0");
    bool ok = false;
    const int port = Value(settings, KeyPort).toInt(&ok);
    result.port = ok && port > 0 && port <= 65535 ? port : (result.tls ? DefaultTlsPort : DefaultPort);
    return result;
}

void QPublishSettings::Store(QSystemSettings& settings) const {
    settings.SetSystemValue(QLatin1String(KeyHost), host.trimmed(), false);
    settings.SetSystemValue(QLatin1String(KeyPort), QString::number(port), false);
    settings.SetSystemValue(QLatin1String(KeyUser), user, false);
    settings.SetSystemValue(QLatin1String(KeyPassword), password, false);
    settings.SetSystemValue(QLatin1String(KeyTls), Flag(tls), false);
    settings.SetSystemValue(QLatin1String(KeyCaFile), caFile.trimmed(), false);
    settings.SetSystemValue(QLatin1String(KeyPrefix), prefix.trimmed(), false);
    settings.SetSystemValue(QLatin1String(KeyDiscovery), Flag(discovery), false);
    settings.SetSystemValue(QLatin1String(KeyEnabled), Flag(enabled), false);
    settings.SaveSystemFile();
}

QString QPublishSettings::PlantSlug(const QString& plantName) {
    QString slug;
    for (const QChar c : plantName.toLower()) {
        const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-');
        if (plain) {
            slug += c;
        } else if (!slug.isEmpty() && !slug.endsWith(QLatin1Char('_'))) {
            slug += QLatin1Char('_');
        }
    }
    while (slug.endsWith(QLatin1Char('_'))) {
        slug.chop(1);
    }
    return slug.isEmpty() ? QStringLiteral("plant") : slug;
}

QString QPublishSettings::DefaultPrefix(const QString& plantName) {
    return QStringLiteral("wattsight/") + PlantSlug(plantName);
}

QString QPublishSettings::PrefixProblem(const QString& prefix) {
    QString trimmed = prefix.trimmed();
    while (trimmed.endsWith(QLatin1Char('/'))) {
        trimmed.chop(1);
    }
    if (trimmed.isEmpty()) {
        return QCoreApplication::translate("QPublishSettings", "The topic prefix is empty.");
    }
    if (trimmed.contains(QLatin1Char('+')) || trimmed.contains(QLatin1Char('#')) ||
        trimmed.contains(QChar(0))) {
        return QCoreApplication::translate("QPublishSettings", "A topic prefix may not contain '+' or '#'.");
    }
    if (trimmed.startsWith(QLatin1Char('$'))) {
        return QCoreApplication::translate("QPublishSettings", "A topic prefix may not begin with '$'.");
    }
    if (trimmed.toUtf8().size() > 1024) {
        return QCoreApplication::translate("QPublishSettings", "The topic prefix is too long.");
    }
    return QString();
}

QString QPublishSettings::EffectivePrefix(const QString& plantName) const {
    QString chosen = prefix.trimmed();
    while (chosen.endsWith(QLatin1Char('/'))) {
        chosen.chop(1);
    }
    return PrefixProblem(chosen).isEmpty() ? chosen : DefaultPrefix(plantName);
}

QString QPublishSettings::ClientId(const QString& plantName) const {
    return QStringLiteral("wattsight-") + PlantSlug(plantName);
}

bool QPublishSettings::IsUsable() const {
    return enabled && !host.isEmpty() && port > 0 && port <= 65535;
}

bool QPublishSettings::operator==(const QPublishSettings& other) const {
    return enabled == other.enabled && host == other.host && port == other.port && user == other.user &&
           password == other.password && tls == other.tls && caFile == other.caFile &&
           prefix == other.prefix && discovery == other.discovery;
}

#pragma once

#include <QByteArray>
#include <QString>

// One message for the broker. Live values may be given up while the broker is
// away (newer ones follow); kept messages (events, removals) are delivered
// with acknowledgement and survive a lost connection.
struct QBrokerMessage {
    enum Class { Live, Kept };

    QString topic;
    QByteArray payload;
    int qos = 0;
    bool retain = false;
    Class kind = Live;

    static QBrokerMessage Value(const QString& topic, const QByteArray& payload) {
        return {topic, payload, 0, true, Live};
    }
    static QBrokerMessage Event(const QString& topic, const QByteArray& payload) {
        return {topic, payload, 1, false, Kept};
    }
    // Retained and acknowledged: availability, discovery and their removal.
    static QBrokerMessage Announcement(const QString& topic, const QByteArray& payload) {
        return {topic, payload, 1, true, Kept};
    }
};

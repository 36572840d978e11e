#pragma once

// A subscriber that records everything arriving on its topics, in order, with
// its own libmosquitto thread. Its session outlives a restart of the broker
// (fixed client id, no clean session, QoS 1), so that nothing published
// while it reconnects is lost to it.

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QThread>
#include <functional>
#include <mosquitto.h>

struct ReceivedMessage {
    QString topic;
    QByteArray payload;
    bool retained = false;

    QJsonObject Json() const { return QJsonDocument::fromJson(payload).object(); }
};

class RecordingSubscriber {
public:
    RecordingSubscriber(const QString& clientId, const QStringList& topics) : m_Topics(topics) {
        mosquitto_lib_init();
        m_pClient = mosquitto_new(clientId.toUtf8().constData(), false, this);
        mosquitto_connect_callback_set(m_pClient, &RecordingSubscriber::OnConnect);
        mosquitto_message_callback_set(m_pClient, &RecordingSubscriber::OnMessage);
        mosquitto_subscribe_callback_set(m_pClient, &RecordingSubscriber::OnSubscribe);
        mosquitto_reconnect_delay_set(m_pClient, 1, 1, false);
    }
    ~RecordingSubscriber() {
        mosquitto_disconnect(m_pClient);
        mosquitto_loop_stop(m_pClient, false);
        mosquitto_destroy(m_pClient);
    }

    bool Connect(int port) {
        if (mosquitto_connect_async(m_pClient, "127.0.0.1", port, 30) != MOSQ_ERR_SUCCESS ||
            mosquitto_loop_start(m_pClient) != MOSQ_ERR_SUCCESS) {
            return false;
        }
        return WaitFor([this]() { return Subscribed(); }, 5000);
    }

    // Every topic's subscription was acknowledged at least once.
    bool Subscribed() const {
        QMutexLocker lock(&m_Mutex);
        return m_nSubscribed >= m_Topics.size();
    }
    int Connects() const {
        QMutexLocker lock(&m_Mutex);
        return m_nConnects;
    }

    QList<ReceivedMessage> Messages() const {
        QMutexLocker lock(&m_Mutex);
        return m_Messages;
    }
    QList<ReceivedMessage> On(const QString& topic) const {
        QList<ReceivedMessage> found;
        for (const ReceivedMessage& message : Messages()) {
            if (message.topic == topic) {
                found.append(message);
            }
        }
        return found;
    }
    // The last payload of a topic, or a null array.
    QByteArray Last(const QString& topic) const {
        const QList<ReceivedMessage> found = On(topic);
        return found.isEmpty() ? QByteArray() : found.last().payload;
    }
    bool Has(const QString& topic) const { return !On(topic).isEmpty(); }
    // Publishes as another client of the broker would (its thread sends it).
    void Publish(const QString& topic, const QByteArray& payload, bool retain = false) {
        mosquitto_publish(m_pClient, nullptr, topic.toUtf8().constData(), int(payload.size()),
                          payload.constData(), 1, retain);
    }
    void Clear() {
        QMutexLocker lock(&m_Mutex);
        m_Messages.clear();
    }

    // Runs the caller's event loop until the condition holds or the time is up.
    static bool WaitFor(const std::function<bool()>& condition, int ms) {
        QElapsedTimer timer;
        timer.start();
        while (!condition()) {
            if (timer.elapsed() > ms) {
                return false;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(5);
        }
        return true;
    }

private:
    static void OnConnect(mosquitto* client, void* self, int rc) {
        auto* me = static_cast<RecordingSubscriber*>(self);
        if (rc != 0) {
            return;
        }
        for (const QString& topic : me->m_Topics) {
            mosquitto_subscribe(client, nullptr, topic.toUtf8().constData(), 1);
        }
        QMutexLocker lock(&me->m_Mutex);
        ++me->m_nConnects;
    }
    static void OnSubscribe(mosquitto*, void* self, int, int, const int*) {
        auto* me = static_cast<RecordingSubscriber*>(self);
        QMutexLocker lock(&me->m_Mutex);
        ++me->m_nSubscribed;
    }
    static void OnMessage(mosquitto*, void* self, const mosquitto_message* message) {
        auto* me = static_cast<RecordingSubscriber*>(self);
        ReceivedMessage received{QString::fromUtf8(message->topic),
                                 QByteArray(static_cast<const char*>(message->payload), message->payloadlen),
                                 message->retain};
        QMutexLocker lock(&me->m_Mutex);
        me->m_Messages.append(received);
    }

    QStringList m_Topics;
    mosquitto* m_pClient = nullptr;
    mutable QMutex m_Mutex;
    QList<ReceivedMessage> m_Messages;
    int m_nConnects = 0;
    int m_nSubscribed = 0;
};

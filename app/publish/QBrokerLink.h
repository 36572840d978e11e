#pragma once

#include "QBrokerMessage.h"

#include <QObject>
#include <QStringList>
#include <deque>
#include <memory>
#include <thread>

// The connection to one MQTT broker (libmosquitto), kept by a thread of its
// own: the name look-up, connecting, TLS and a slow broker never hold up the
// thread that owns the link, which only queues messages. What happens comes
// back as signals on the owner's thread. A lost connection is made again with
// a growing pause; a broker that refuses the user name or password is asked
// again only after a long one. Messages wait in a bounded queue meanwhile, and
// kept messages leave it only once the broker acknowledged them.
class QBrokerLink : public QObject {
    Q_OBJECT
public:
    enum Failure {
        Unreachable = 0, // no connection: refused, unreachable, no answer, unknown host
        Refused = 1,     // the broker refused the user name or password
        Rejected = 2,    // the broker refused the connection for another reason
        TlsFailure = 3,  // the CA file, the certificate or the TLS handshake
    };
    Q_ENUM(Failure)

    struct Options {
        QString host;
        int port = 1883;
        QString user;
        QString password;
        bool tls = false;
        QString caFile; // empty with TLS: the system's certificate authorities
        QString clientId;
        // "online" here once connected, "offline" at a clean end and as the last will.
        QString statusTopic;
        QStringList subscriptions;
        int keepAliveSeconds = 30;
        bool singleAttempt = false; // a connection test: one attempt, then the thread ends
        int liveLimit = 20000;
        int keptLimit = 5000;
        int connectTimeoutMs = 10000;
        int firstRetryMs = 1000;
        int maxRetryMs = 60000;
        int refusedRetryMs = 300000;
    };

    explicit QBrokerLink(QObject* parent = nullptr);
    // Stops without waiting for the queue.
    ~QBrokerLink() override;

    // Starts the thread (ending a running one first, without flushing).
    void Start(const Options& options);
    // Delivers what is queued for at most flushMs, says "offline" on the
    // status topic, disconnects and ends the thread. A thread stuck in the
    // network beyond the flush time and a little more is left to end alone.
    void Stop(int flushMs = 0);
    bool IsRunning() const;
    // As last reported to the owner's thread.
    bool IsConnected() const { return m_bConnected; }

    // Queued until the broker can take it. On the owner's thread: what is
    // published while handling one event reaches the network thread together,
    // once control is back in the event loop (or at a stop).
    void Publish(const QBrokerMessage& message);
    int Queued() const;
    qint64 DroppedLive() const;
    qint64 DroppedKept() const;
    // Connection attempts since Start.
    int Attempts() const;

signals:
    void Connected();
    // retryMs: when the next attempt comes, or -1 when none will.
    void ConnectFailed(int failure, const QString& detail, int retryMs);
    void ConnectionLost(const QString& detail);
    void MessageReceived(const QString& topic, const QByteArray& payload);
    // The thread ended on its own (a single attempt is over).
    void Finished();

public:
    struct Shared;

private:
    // Hands the messages published since the last time to the network thread, waking it once.
    void HandPending();

    std::shared_ptr<Shared> m_pShared;
    std::deque<QBrokerMessage> m_Pending;
    bool m_bHandPosted = false;
    std::thread m_Thread;
    bool m_bConnected = false;
};

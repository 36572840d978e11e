#include "QBrokerLink.h"

#include "QOutbox.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <mosquitto.h>
#include <mutex>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

using SteadyClock = std::chrono::steady_clock;

// What the owner's thread and the network thread both reach.
struct QBrokerLink::Shared {
    std::mutex mutex;
    std::condition_variable wake; // stop requested
    std::condition_variable ended;
    QOutbox outbox;
    // Wakes the network thread out of its wait: messages after a quiet spell, or a stop.
    int wakeFd = -1;
    bool stop = false;
    bool done = false;
    int flushMs = 0;
    int attempts = 0;
    QBrokerLink* receiver = nullptr; // cleared when the owner lets go of the thread

    Shared(int liveLimit, int keptLimit)
        : outbox(liveLimit, keptLimit), wakeFd(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}
    ~Shared() {
        if (wakeFd >= 0) {
            close(wakeFd);
        }
    }
    Shared(const Shared&) = delete;
    Shared& operator=(const Shared&) = delete;

    void Wake() const {
        const quint64 one = 1;
        if (write(wakeFd, &one, sizeof(one)) < 0) {
            // Already signalled (the counter is full): the thread wakes anyway.
        }
    }
    void TakeWake() const {
        quint64 count = 0;
        if (read(wakeFd, &count, sizeof(count)) < 0) {
            // Nothing was signalled.
        }
    }

    bool StopRequested() {
        std::lock_guard<std::mutex> lock(mutex);
        return stop;
    }
    // Runs call on the owner's thread, unless the owner is gone by then.
    void Report(std::function<void(QBrokerLink*)> call) {
        std::lock_guard<std::mutex> lock(mutex);
        if (QBrokerLink* link = receiver) {
            QMetaObject::invokeMethod(
                link, [link, call]() { call(link); }, Qt::QueuedConnection);
        }
    }
};

namespace {

constexpr int LoopMs = 50;         // longest wait while connecting and at the end
constexpr int HandOverBatch = 200; // messages given to the library per loop pass
constexpr int MaxUnacknowledged = 100;
constexpr int GoodbyeMs = 1000; // the "offline" word and the disconnect at a clean end

void InitialiseLibrary() {
    static std::once_flag once;
    std::call_once(once, []() { mosquitto_lib_init(); });
}

QString ErrorText(int rc, int savedErrno) {
    if (rc == MOSQ_ERR_ERRNO) {
        return QString::fromLocal8Bit(std::strerror(savedErrno));
    }
    return QString::fromUtf8(mosquitto_strerror(rc));
}

// One connection: a fresh libmosquitto client, so that nothing of a lost
// connection is sent again behind the queue's back.
class Session {
public:
    using Options = QBrokerLink::Options;

    Session(const Options& options, QBrokerLink::Shared& shared) : m_Options(options), m_Shared(shared) {}
    ~Session() {
        if (m_pClient) {
            mosquitto_destroy(m_pClient);
        }
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Connects and waits for the broker's answer.
    bool Connect(int* failure, QString* detail);
    // Carries messages until the connection is lost (true) or a stop is asked (false).
    bool Run(QString* detail);
    // The clean end: delivers what it can within the flush time, says "offline", disconnects.
    void Finish(int flushMs);
    // Kept messages not acknowledged go back to the front of the queue.
    void GiveBackUnacknowledged();

private:
    static void OnConnect(mosquitto*, void* self, int rc) { static_cast<Session*>(self)->m_nConnack = rc; }
    static void OnDisconnect(mosquitto*, void* self, int) {
        static_cast<Session*>(self)->m_bDisconnected = true;
    }
    static void OnPublish(mosquitto*, void* self, int mid) {
        static_cast<Session*>(self)->m_Unacknowledged.erase(mid);
    }
    static void OnMessage(mosquitto*, void* self, const mosquitto_message* message);

    bool Configure(int* failure, QString* detail);
    // Waits at most timeoutMs for the socket or a wake, then reads, writes
    // and keeps the connection alive; the library's result.
    int Step(int timeoutMs);
    // Gives queued messages to the library; false when the connection is gone.
    bool HandOver();
    // Messages wait that the library could take now.
    bool MoreToHandOver();
    // Holds small writes back so that a batch leaves in one segment.
    void Cork(bool on);
    bool Send(const QBrokerMessage& message);

    const Options& m_Options;
    QBrokerLink::Shared& m_Shared;
    mosquitto* m_pClient = nullptr;
    int m_nConnack = -1;
    bool m_bDisconnected = false;
    qint64 m_nNextOrder = 0;
    std::deque<QBrokerMessage> m_Batch; // kept between passes: no allocation per pass
    // mid -> (order handed out, message) of kept messages awaiting acknowledgement
    std::map<int, std::pair<qint64, QBrokerMessage>> m_Unacknowledged;
};

void Session::OnMessage(mosquitto*, void* self, const mosquitto_message* message) {
    const QString topic = QString::fromUtf8(message->topic);
    const QByteArray payload(static_cast<const char*>(message->payload), message->payloadlen);
    static_cast<Session*>(self)->m_Shared.Report(
        [topic, payload](QBrokerLink* link) { emit link->MessageReceived(topic, payload); });
}

bool Session::Configure(int* failure, QString* detail) {
    m_pClient = mosquitto_new(m_Options.clientId.toUtf8().constData(), true, this);
    if (!m_pClient) {
        *failure = QBrokerLink::Unreachable;
        *detail = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    mosquitto_int_option(m_pClient, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
    mosquitto_connect_callback_set(m_pClient, &Session::OnConnect);
    mosquitto_disconnect_callback_set(m_pClient, &Session::OnDisconnect);
    mosquitto_publish_callback_set(m_pClient, &Session::OnPublish);
    mosquitto_message_callback_set(m_pClient, &Session::OnMessage);
    if (!m_Options.statusTopic.isEmpty()) {
        static const char offline[] = "offline";
        mosquitto_will_set(m_pClient, m_Options.statusTopic.toUtf8().constData(), int(sizeof(offline) - 1),
                           offline, 1, true);
    }
    if (!m_Options.user.isEmpty()) {
        const QByteArray password = m_Options.password.toUtf8();
        mosquitto_username_pw_set(m_pClient, m_Options.user.toUtf8().constData(),
                                  m_Options.password.isEmpty() ? nullptr : password.constData());
    }
    if (m_Options.tls) {
        int rc = MOSQ_ERR_SUCCESS;
        if (m_Options.caFile.isEmpty()) {
            rc = mosquitto_int_option(m_pClient, MOSQ_OPT_TLS_USE_OS_CERTS, 1);
        } else {
            rc = mosquitto_tls_set(m_pClient, m_Options.caFile.toLocal8Bit().constData(), nullptr, nullptr,
                                   nullptr, nullptr);
        }
        if (rc != MOSQ_ERR_SUCCESS) {
            *failure = QBrokerLink::TlsFailure;
            *detail =
                rc == MOSQ_ERR_INVAL ? QStringLiteral("the CA file cannot be read") : ErrorText(rc, errno);
            return false;
        }
    }
    return true;
}

bool Session::Connect(int* failure, QString* detail) {
    if (!Configure(failure, detail)) {
        return false;
    }
    *failure = QBrokerLink::Unreachable;
    int rc = mosquitto_connect_async(m_pClient, m_Options.host.toUtf8().constData(), m_Options.port,
                                     qMax(5, m_Options.keepAliveSeconds));
    if (rc != MOSQ_ERR_SUCCESS) {
        *failure = rc == MOSQ_ERR_TLS ? QBrokerLink::TlsFailure : QBrokerLink::Unreachable;
        *detail = ErrorText(rc, errno);
        return false;
    }
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(m_Options.connectTimeoutMs);
    while (m_nConnack < 0) {
        if (m_Shared.StopRequested()) {
            *detail = QStringLiteral("stopped");
            return false;
        }
        if (SteadyClock::now() > deadline) {
            *detail = QStringLiteral("no answer within %1 s").arg(m_Options.connectTimeoutMs / 1000.0);
            return false;
        }
        rc = mosquitto_loop(m_pClient, LoopMs, 1);
        if (rc != MOSQ_ERR_SUCCESS && m_nConnack < 0) {
            *failure = rc == MOSQ_ERR_TLS ? QBrokerLink::TlsFailure : QBrokerLink::Unreachable;
            *detail = ErrorText(rc, errno);
            return false;
        }
    }
    if (m_nConnack != 0) {
        // 4: bad user name or password; 5: not authorised (what a broker with a
        // password file answers to a wrong password).
        *failure = (m_nConnack == 4 || m_nConnack == 5) ? QBrokerLink::Refused : QBrokerLink::Rejected;
        *detail = QString::fromUtf8(mosquitto_connack_string(m_nConnack));
        return false;
    }
    return true;
}

bool Session::Send(const QBrokerMessage& message) {
    int mid = 0;
    const QByteArray topic = message.topic.toUtf8();
    const int rc = mosquitto_publish(m_pClient, &mid, topic.constData(), int(message.payload.size()),
                                     message.payload.constData(), message.qos, message.retain);
    if (rc == MOSQ_ERR_SUCCESS) {
        if (message.kind == QBrokerMessage::Kept && message.qos > 0) {
            m_Unacknowledged[mid] = {m_nNextOrder++, message};
        }
        return true;
    }
    if (rc == MOSQ_ERR_NO_CONN || rc == MOSQ_ERR_CONN_LOST || rc == MOSQ_ERR_NOMEM || rc == MOSQ_ERR_ERRNO) {
        return false;
    }
    // A message the broker could never take (bad topic, too large): given up,
    // so that it does not block everything behind it.
    return true;
}

bool Session::HandOver() {
    {
        std::lock_guard<std::mutex> lock(m_Shared.mutex);
        const int room = MaxUnacknowledged - int(m_Unacknowledged.size());
        // Nothing more while the socket still has bytes to write: a broker that
        // reads slowly leaves the messages in the bounded queue, not in the library.
        const int count = mosquitto_want_write(m_pClient) ? 0 : qMin(HandOverBatch, qMax(0, room));
        for (int i = 0; i < count && !m_Shared.outbox.IsEmpty(); ++i) {
            m_Batch.push_back(m_Shared.outbox.TakeFirst());
        }
    }
    if (m_Batch.empty()) {
        return true;
    }
    // Every message is a write of its own: corked, a poll's dozen values
    // cross to the broker together instead of one segment each.
    Cork(true);
    bool connected = true;
    while (!m_Batch.empty()) {
        if (!Send(m_Batch.front())) {
            std::lock_guard<std::mutex> lock(m_Shared.mutex);
            m_Shared.outbox.PushFront(m_Batch);
            m_Batch.clear();
            connected = false;
            break;
        }
        m_Batch.pop_front();
    }
    Cork(false);
    return connected;
}

bool Session::MoreToHandOver() {
    std::lock_guard<std::mutex> lock(m_Shared.mutex);
    return !m_Shared.outbox.IsEmpty() && int(m_Unacknowledged.size()) < MaxUnacknowledged &&
           !mosquitto_want_write(m_pClient);
}

void Session::Cork(bool on) {
    const int socket = mosquitto_socket(m_pClient);
    const int value = on ? 1 : 0;
    if (socket >= 0) {
        setsockopt(socket, IPPROTO_TCP, TCP_CORK, &value, sizeof(value));
    }
}

int Session::Step(int timeoutMs) {
    const int socket = mosquitto_socket(m_pClient);
    if (socket < 0) {
        return MOSQ_ERR_NO_CONN;
    }
    // The library's own loop would wake for every message handed to it (it
    // signals each one on a non-blocking pipe of its own, which this loop
    // leaves unread); this one wakes for the broker, for a stop, or once for
    // a burst of messages.
    pollfd fds[2] = {{socket, short(POLLIN | (mosquitto_want_write(m_pClient) ? POLLOUT : 0)), 0},
                     {m_Shared.wakeFd, POLLIN, 0}};
    if (poll(fds, 2, timeoutMs) < 0 && errno != EINTR) {
        return MOSQ_ERR_ERRNO;
    }
    if (fds[1].revents & POLLIN) {
        m_Shared.TakeWake();
    }
    int rc = MOSQ_ERR_SUCCESS;
    if (fds[0].revents & (POLLIN | POLLHUP | POLLERR)) {
        rc = mosquitto_loop_read(m_pClient, 1);
    }
    if (rc == MOSQ_ERR_SUCCESS && (fds[0].revents & POLLOUT)) {
        rc = mosquitto_loop_write(m_pClient, 1);
    }
    if (rc == MOSQ_ERR_SUCCESS) {
        rc = mosquitto_loop_misc(m_pClient);
    }
    return rc;
}

bool Session::Run(QString* detail) {
    if (!m_Options.statusTopic.isEmpty()) {
        Send(QBrokerMessage::Announcement(m_Options.statusTopic, "online"));
    }
    for (const QString& topic : m_Options.subscriptions) {
        mosquitto_subscribe(m_pClient, nullptr, topic.toUtf8().constData(), 1);
    }
    // Quiet, the thread sleeps; the keep-alive is looked after a few times per period.
    const int idleMs = qMax(5, m_Options.keepAliveSeconds) * 1000 / 4;
    while (!m_Shared.StopRequested()) {
        HandOver();
        const int rc = Step(MoreToHandOver() ? 0 : idleMs);
        if (rc != MOSQ_ERR_SUCCESS) {
            *detail = ErrorText(rc, errno);
            return true;
        }
    }
    return false;
}

void Session::Finish(int flushMs) {
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(flushMs);
    auto pending = [this]() {
        std::lock_guard<std::mutex> lock(m_Shared.mutex);
        return !m_Shared.outbox.IsEmpty() || !m_Unacknowledged.empty();
    };
    while (pending() && SteadyClock::now() < deadline) {
        HandOver();
        if (Step(LoopMs) != MOSQ_ERR_SUCCESS) {
            return;
        }
    }
    const auto goodbye = SteadyClock::now() + std::chrono::milliseconds(GoodbyeMs);
    if (!m_Options.statusTopic.isEmpty()) {
        Send(QBrokerMessage::Announcement(m_Options.statusTopic, "offline"));
        while (!m_Unacknowledged.empty() && SteadyClock::now() < goodbye) {
            if (Step(LoopMs) != MOSQ_ERR_SUCCESS) {
                return;
            }
        }
    }
    mosquitto_disconnect(m_pClient);
    while (!m_bDisconnected && SteadyClock::now() < goodbye) {
        if (Step(LoopMs) != MOSQ_ERR_SUCCESS) {
            return;
        }
    }
}

void Session::GiveBackUnacknowledged() {
    std::vector<std::pair<qint64, QBrokerMessage>> waiting;
    for (auto& entry : m_Unacknowledged) {
        waiting.push_back(std::move(entry.second));
    }
    m_Unacknowledged.clear();
    std::sort(waiting.begin(), waiting.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::deque<QBrokerMessage> messages;
    for (auto& entry : waiting) {
        // The will and the birth word are said again by the next connection.
        if (entry.second.topic != m_Options.statusTopic) {
            messages.push_back(std::move(entry.second));
        }
    }
    std::lock_guard<std::mutex> lock(m_Shared.mutex);
    m_Shared.outbox.PushFront(messages);
}

// Waits for the pause, or less when a stop is asked.
void Pause(QBrokerLink::Shared& shared, int ms) {
    std::unique_lock<std::mutex> lock(shared.mutex);
    shared.wake.wait_for(lock, std::chrono::milliseconds(ms), [&shared]() { return shared.stop; });
}

void RunLink(std::shared_ptr<QBrokerLink::Shared> shared, QBrokerLink::Options options) {
    int failures = 0;
    while (!shared->StopRequested()) {
        {
            std::lock_guard<std::mutex> lock(shared->mutex);
            ++shared->attempts;
        }
        Session session(options, *shared);
        int failure = QBrokerLink::Unreachable;
        QString detail;
        int retryMs = options.firstRetryMs;
        if (session.Connect(&failure, &detail)) {
            failures = 0;
            shared->Report([](QBrokerLink* link) { emit link->Connected(); });
            if (options.singleAttempt) {
                session.Finish(0);
                break;
            }
            if (!session.Run(&detail)) {
                int flushMs = 0;
                {
                    std::lock_guard<std::mutex> lock(shared->mutex);
                    flushMs = shared->flushMs;
                }
                session.Finish(flushMs);
                break;
            }
            session.GiveBackUnacknowledged();
            shared->Report([detail](QBrokerLink* link) { emit link->ConnectionLost(detail); });
        } else {
            if (shared->StopRequested()) {
                break;
            }
            if (failure == QBrokerLink::Refused) {
                retryMs = options.refusedRetryMs;
            } else {
                retryMs = qMin(options.maxRetryMs, options.firstRetryMs << qMin(failures, 16));
                ++failures;
            }
            const int next = options.singleAttempt ? -1 : retryMs;
            shared->Report([failure, detail, next](QBrokerLink* link) {
                emit link->ConnectFailed(failure, detail, next);
            });
            if (options.singleAttempt) {
                break;
            }
        }
        Pause(*shared, retryMs);
    }
    shared->Report([](QBrokerLink* link) { emit link->Finished(); });
    std::lock_guard<std::mutex> lock(shared->mutex);
    shared->done = true;
    shared->ended.notify_all();
}

} // namespace

QBrokerLink::QBrokerLink(QObject* parent) : QObject(parent) {
    // Connected first, so that every other receiver sees the new state.
    connect(this, &QBrokerLink::Connected, this, [this]() { m_bConnected = true; });
    connect(this, &QBrokerLink::ConnectionLost, this, [this]() { m_bConnected = false; });
    connect(this, &QBrokerLink::Finished, this, [this]() { m_bConnected = false; });
}

QBrokerLink::~QBrokerLink() {
    Stop(0);
}

void QBrokerLink::Start(const Options& options) {
    Stop(0);
    InitialiseLibrary();
    m_pShared = std::make_shared<Shared>(options.liveLimit, options.keptLimit);
    m_pShared->receiver = this;
    m_bConnected = false;
    m_Thread = std::thread(&RunLink, m_pShared, options);
}

void QBrokerLink::Stop(int flushMs) {
    if (!m_pShared) {
        return;
    }
    // What was published just before the stop is part of what it delivers.
    HandPending();
    std::shared_ptr<Shared> shared = std::move(m_pShared);
    std::unique_lock<std::mutex> lock(shared->mutex);
    shared->stop = true;
    shared->flushMs = qMax(0, flushMs);
    shared->wake.notify_all();
    shared->Wake();
    // The flush, the goodbye, and one network wait of the thread.
    const int graceMs = shared->flushMs + GoodbyeMs + 2 * LoopMs + 500;
    const bool ended = shared->ended.wait_for(lock, std::chrono::milliseconds(graceMs),
                                              [&shared]() { return shared->done; });
    shared->receiver = nullptr;
    lock.unlock();
    if (ended) {
        m_Thread.join();
    } else {
        // Stuck in a name look-up or a connect: it ends by itself and reports to nobody.
        m_Thread.detach();
    }
    // What the ended thread reported and was not yet seen belongs to it alone:
    // a late "connected" would otherwise outlive the stop.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    m_bHandPosted = false;
    m_bConnected = false;
}

bool QBrokerLink::IsRunning() const {
    if (!m_pShared) {
        return false;
    }
    std::lock_guard<std::mutex> lock(m_pShared->mutex);
    return !m_pShared->done;
}

void QBrokerLink::Publish(const QBrokerMessage& message) {
    if (!m_pShared) {
        return;
    }
    // Waking the network thread for each message would have it race the
    // publisher for the queue's lock, message after message.
    m_Pending.push_back(message);
    if (!m_bHandPosted) {
        m_bHandPosted = true;
        QMetaObject::invokeMethod(this, &QBrokerLink::HandPending, Qt::QueuedConnection);
    }
}

void QBrokerLink::HandPending() {
    m_bHandPosted = false;
    if (!m_pShared || m_Pending.empty()) {
        m_Pending.clear();
        return;
    }
    {
        std::lock_guard<std::mutex> lock(m_pShared->mutex);
        for (const QBrokerMessage& message : m_Pending) {
            m_pShared->outbox.Push(message);
        }
    }
    m_Pending.clear();
    m_pShared->Wake();
}

int QBrokerLink::Queued() const {
    if (!m_pShared) {
        return 0;
    }
    std::lock_guard<std::mutex> lock(m_pShared->mutex);
    return m_pShared->outbox.Size() + int(m_Pending.size());
}

qint64 QBrokerLink::DroppedLive() const {
    if (!m_pShared) {
        return 0;
    }
    std::lock_guard<std::mutex> lock(m_pShared->mutex);
    return m_pShared->outbox.DroppedLive();
}

qint64 QBrokerLink::DroppedKept() const {
    if (!m_pShared) {
        return 0;
    }
    std::lock_guard<std::mutex> lock(m_pShared->mutex);
    return m_pShared->outbox.DroppedKept();
}

int QBrokerLink::Attempts() const {
    if (!m_pShared) {
        return 0;
    }
    std::lock_guard<std::mutex> lock(m_pShared->mutex);
    return m_pShared->attempts;
}

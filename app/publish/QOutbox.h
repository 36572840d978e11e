#pragma once

#include "QBrokerMessage.h"

#include <deque>

// The messages waiting for the broker, oldest first, with a limit per class:
// beyond it the oldest live value, or the oldest kept message, is given up
// and counted. Not thread-safe: the broker link guards it.
class QOutbox {
public:
    static constexpr int DefaultLiveLimit = 20000;
    static constexpr int DefaultKeptLimit = 5000;

    explicit QOutbox(int liveLimit = DefaultLiveLimit, int keptLimit = DefaultKeptLimit);

    void Push(const QBrokerMessage& message);
    // Puts messages that were handed out but not delivered back in front of
    // everything else, in their old order (limits apply again).
    void PushFront(const std::deque<QBrokerMessage>& messages);
    bool IsEmpty() const { return m_Live.empty() && m_Kept.empty(); }
    int Size() const { return int(m_Live.size() + m_Kept.size()); }
    int KeptCount() const { return int(m_Kept.size()); }
    // The oldest message of either class.
    QBrokerMessage TakeFirst();
    void Clear();

    qint64 DroppedLive() const { return m_nDroppedLive; }
    qint64 DroppedKept() const { return m_nDroppedKept; }

private:
    struct Entry {
        qint64 order;
        QBrokerMessage message;
    };
    void Trim();

    std::deque<Entry> m_Live;
    std::deque<Entry> m_Kept;
    int m_nLiveLimit;
    int m_nKeptLimit;
    qint64 m_nNext = 0;  // order of the next pushed message
    qint64 m_nFront = 0; // order below every queued message, for PushFront
    qint64 m_nDroppedLive = 0;
    qint64 m_nDroppedKept = 0;
};

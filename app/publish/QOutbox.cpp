#include "QOutbox.h"

#include <QtGlobal>

QOutbox::QOutbox(int liveLimit, int keptLimit)
    : m_nLiveLimit(qMax(1, liveLimit)), m_nKeptLimit(qMax(1, keptLimit)) {}

void QOutbox::Push(const QBrokerMessage& message) {
    std::deque<Entry>& queue = message.kind == QBrokerMessage::Live ? m_Live : m_Kept;
    queue.push_back({m_nNext++, message});
    Trim();
}

void QOutbox::PushFront(const std::deque<QBrokerMessage>& messages) {
    // Walk backwards so that the first of them ends up first.
    for (auto it = messages.rbegin(); it != messages.rend(); ++it) {
        std::deque<Entry>& queue = it->kind == QBrokerMessage::Live ? m_Live : m_Kept;
        queue.push_front({--m_nFront, *it});
    }
    Trim();
}

QBrokerMessage QOutbox::TakeFirst() {
    const bool live = !m_Live.empty() && (m_Kept.empty() || m_Live.front().order < m_Kept.front().order);
    std::deque<Entry>& queue = live ? m_Live : m_Kept;
    if (queue.empty()) {
        return QBrokerMessage();
    }
    QBrokerMessage message = std::move(queue.front().message);
    queue.pop_front();
    return message;
}

void QOutbox::Clear() {
    m_Live.clear();
    m_Kept.clear();
}

void QOutbox::Trim() {
    while (int(m_Live.size()) > m_nLiveLimit) {
        m_Live.pop_front();
        ++m_nDroppedLive;
    }
    while (int(m_Kept.size()) > m_nKeptLimit) {
        m_Kept.pop_front();
        ++m_nDroppedKept;
    }
}

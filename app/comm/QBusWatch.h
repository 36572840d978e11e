#pragma once

#include "QBusObserver.h"

#include <QByteArray>

// The scheduler's line to the bus monitor. The scheduler tells it each request
// written and what came of it; it keeps the bytes heard for the request in
// flight, so that a garbled reply and stray bytes are shown whole. Without an
// observer every call returns at once and nothing is kept.
class QBusWatch {
public:
    void SetObserver(QBusObserver* observer);
    QBusObserver* Observer() const { return m_pObserver; }

    void Sent(const QMissionModel& mission);
    void Heard(const QByteArray& bytes) {
        if (m_pObserver) {
            m_Heard += bytes;
        }
    }
    // The codec took this reply out of what was heard.
    void Accepted(const QMissionModel& mission, const QByteArray& reply, int replyMs);
    // What was heard held a reply with a wrong checksum, and nothing usable behind it.
    void Garbled(const QMissionModel& mission, int replyMs);
    void TimedOut(const QMissionModel& mission, int waitedMs);

private:
    // Tells of what was heard apart from the reply, then forgets all of it.
    void ReportStray(const QMissionModel& mission, QByteArray stray, int ms);

    QBusObserver* m_pObserver = nullptr;
    QByteArray m_Heard;
};

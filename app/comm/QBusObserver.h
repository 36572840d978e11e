#pragma once

#include <QByteArray>

class QMissionModel;

// Told of everything the bus does with a request: the frame written, and what
// came of it (a reply taken, bytes refused, or no reply in time). The bus
// monitor is one; the scheduler has at most one and does no work for it while
// it has none.
class QBusObserver {
public:
    enum class Refusal {
        BadCrc,      // a reply of the right shape whose checksum is wrong
        NotMatching, // bytes that answer nothing in flight (noise, a late reply)
    };

    virtual ~QBusObserver() = default;

    virtual void OnRequestWritten(const QMissionModel& mission, const QByteArray& frame) = 0;
    // A reply that answers the request (a normal or an error reply), replyMs after the request.
    virtual void OnReplyAccepted(const QMissionModel& mission, const QByteArray& reply, int replyMs) = 0;
    // Bytes heard while the request was in flight that were not its reply.
    virtual void OnReplyRefused(const QMissionModel& mission, const QByteArray& bytes, Refusal why,
                                int replyMs) = 0;
    virtual void OnTimedOut(const QMissionModel& mission, int waitedMs) = 0;
};

#include "QBusWatch.h"

#include "QMissionModel.h"

void QBusWatch::SetObserver(QBusObserver* observer) {
    m_pObserver = observer;
    m_Heard.clear();
}

void QBusWatch::Sent(const QMissionModel& mission) {
    if (!m_pObserver) {
        return;
    }
    m_Heard.clear();
    m_pObserver->OnRequestWritten(
        mission, QByteArray(reinterpret_cast<const char*>(mission.TxBuffer()), mission.TxLength()));
}

void QBusWatch::Accepted(const QMissionModel& mission, const QByteArray& reply, int replyMs) {
    if (!m_pObserver) {
        return;
    }
    QByteArray stray = m_Heard;
    const int at = int(stray.indexOf(reply));
    if (at >= 0) {
        stray.remove(at, reply.size());
    }
    ReportStray(mission, stray, replyMs);
    m_pObserver->OnReplyAccepted(mission, reply, replyMs);
}

void QBusWatch::Garbled(const QMissionModel& mission, int replyMs) {
    if (!m_pObserver) {
        return;
    }
    const QByteArray heard = m_Heard;
    m_Heard.clear();
    m_pObserver->OnReplyRefused(mission, heard, QBusObserver::Refusal::BadCrc, replyMs);
}

void QBusWatch::TimedOut(const QMissionModel& mission, int waitedMs) {
    if (!m_pObserver) {
        return;
    }
    ReportStray(mission, m_Heard, waitedMs);
    m_pObserver->OnTimedOut(mission, waitedMs);
}

void QBusWatch::ReportStray(const QMissionModel& mission, QByteArray stray, int ms) {
    m_Heard.clear();
    if (!stray.isEmpty()) {
        m_pObserver->OnReplyRefused(mission, stray, QBusObserver::Refusal::NotMatching, ms);
    }
}

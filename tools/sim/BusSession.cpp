#include "BusSession.h"

#include "ReplyShaper.h"
#include "SimLog.h"
#include "SimPlant.h"

#include <QIODevice>
#include <algorithm>

BusSession::BusSession(QIODevice* device, const QString& name, SimPlant* plant, ReplyShaper* shaper,
                       bool verbose, QObject* parent)
    : QObject(parent), m_device(device), m_name(name), m_plant(plant), m_shaper(shaper), m_verbose(verbose) {
    m_elapsed.start();
    m_idleTimer.setSingleShot(true);
    m_idleTimer.setInterval(kLineIdleMs);
    m_sendTimer.setSingleShot(true);
    connect(&m_idleTimer, &QTimer::timeout, this, &BusSession::OnLineIdle);
    connect(&m_sendTimer, &QTimer::timeout, this, &BusSession::OnSendDue);
    connect(device, &QIODevice::readyRead, this, &BusSession::OnReadyRead);
}

void BusSession::Reset() {
    m_codec.Clear();
    m_outgoing.clear();
    m_idleTimer.stop();
    m_sendTimer.stop();
}

void BusSession::OnReadyRead() {
    if (!m_device) {
        return;
    }
    const QByteArray bytes = m_device->readAll();
    if (bytes.isEmpty()) {
        return;
    }
    if (m_verbose) {
        SimLog::Line(QStringLiteral("[%1] rx %2").arg(m_name, SimLog::Hex(bytes)));
    }
    m_codec.Append(bytes);
    TakeRequests(false);
    if (m_codec.Pending() > 0) {
        m_idleTimer.start();
    } else {
        m_idleTimer.stop();
    }
}

void BusSession::OnLineIdle() {
    const qint64 before = m_codec.DroppedBytes();
    TakeRequests(true);
    if (m_verbose && m_codec.DroppedBytes() > before) {
        SimLog::Line(QStringLiteral("[%1] dropped %2 unframed bytes")
                         .arg(m_name)
                         .arg(m_codec.DroppedBytes() - before));
    }
}

void BusSession::TakeRequests(bool lineIdle) {
    RtuRequest request;
    while (m_codec.TakeRequest(&request, lineIdle)) {
        const QByteArray reply = m_plant->Answer(request);
        if (reply.isEmpty()) {
            if (m_verbose) {
                SimLog::Line(
                    QStringLiteral("[%1] no answer from address %2").arg(m_name).arg(request.address));
            }
            continue;
        }
        Queue(reply, request.wireLength);
    }
}

void BusSession::Queue(const QByteArray& reply, int requestLength) {
    const QList<ReplyPiece> pieces = m_shaper->Shape(reply, requestLength);
    if (pieces.isEmpty()) {
        if (m_verbose) {
            SimLog::Line(QStringLiteral("[%1] tx dropped %2").arg(m_name, SimLog::Hex(reply)));
        }
        return;
    }
    // Replies leave in the order of their requests, even when one of them is late.
    qint64 due = m_elapsed.elapsed();
    if (!m_outgoing.isEmpty()) {
        due = std::max(due, m_outgoing.last().dueMs);
    }
    for (const ReplyPiece& piece : pieces) {
        due += piece.delayMs;
        m_outgoing.append({due, piece.bytes});
    }
    OnSendDue();
}

void BusSession::OnSendDue() {
    const qint64 now = m_elapsed.elapsed();
    while (!m_outgoing.isEmpty() && m_outgoing.first().dueMs <= now) {
        const Outgoing item = m_outgoing.takeFirst();
        if (!m_device || !m_device->isOpen()) {
            m_outgoing.clear();
            return;
        }
        if (m_verbose) {
            SimLog::Line(QStringLiteral("[%1] tx %2").arg(m_name, SimLog::Hex(item.bytes)));
        }
        m_device->write(item.bytes);
    }
    if (!m_outgoing.isEmpty()) {
        m_sendTimer.start(int(std::max<qint64>(0, m_outgoing.first().dueMs - now)));
    }
}

#include "GprsClientLink.h"

#include "BusSession.h"
#include "SimLog.h"

GprsClientLink::GprsClientLink(SimPlant* plant, ReplyShaper* shaper, bool verbose, QObject* parent)
    : QObject(parent),
      m_session(new BusSession(&m_socket, QStringLiteral("gprs"), plant, shaper, verbose, this)) {
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &GprsClientLink::Dial);
    connect(&m_socket, &QTcpSocket::connected, this, &GprsClientLink::OnConnected);
    connect(&m_socket, &QTcpSocket::disconnected, this, &GprsClientLink::OnDisconnected);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &GprsClientLink::OnError);
}

void GprsClientLink::Start(const QString& host, int port, int retryMs) {
    m_host = host;
    m_port = port;
    m_retry.setInterval(retryMs);
    Dial();
}

QString GprsClientLink::Description() const {
    return QStringLiteral("gprs %1:%2 (dialling out)").arg(m_host).arg(m_port);
}

void GprsClientLink::Dial() {
    m_session->Reset();
    m_socket.abort();
    m_socket.connectToHost(m_host, quint16(m_port));
}

void GprsClientLink::OnConnected() {
    m_session->Reset();
    m_failureReported = false;
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    SimLog::Line(QStringLiteral("gprs connected to %1:%2").arg(m_host).arg(m_port));
}

void GprsClientLink::OnDisconnected() {
    SimLog::Line(QStringLiteral("gprs connection to %1:%2 dropped").arg(m_host).arg(m_port));
    ScheduleRetry();
}

void GprsClientLink::OnError(QAbstractSocket::SocketError error) {
    // A drop of an open connection also reports disconnected(); failed dials only come here.
    if (m_socket.state() == QAbstractSocket::ConnectedState ||
        error == QAbstractSocket::RemoteHostClosedError) {
        return;
    }
    if (!m_failureReported) {
        SimLog::Line(QStringLiteral("gprs cannot reach %1:%2 (%3); dialling again every %4 ms")
                         .arg(m_host)
                         .arg(m_port)
                         .arg(m_socket.errorString())
                         .arg(m_retry.interval()));
        m_failureReported = true;
    }
    ScheduleRetry();
}

void GprsClientLink::ScheduleRetry() {
    if (!m_retry.isActive()) {
        m_retry.start();
    }
}

#include "QSocketLink.h"

#include <QTcpSocket>

void QSocketLink::AttachSocket(QTcpSocket* socket) {
    m_pSocket = socket;
    socket->setParent(this);
    connect(socket, &QTcpSocket::readyRead, this, &QSocketLink::ReadAvailable);
    connect(socket, &QTcpSocket::stateChanged, this, &QSocketLink::CheckState);
}

void QSocketLink::DropSocket() {
    if (!m_pSocket) {
        return;
    }
    QTcpSocket* socket = m_pSocket;
    m_pSocket = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

bool QSocketLink::CanCarry() const {
    return m_pSocket && m_pSocket->state() == QAbstractSocket::ConnectedState;
}

void QSocketLink::Write(const QByteArray& bytes) {
    if (m_pSocket && m_pSocket->write(bytes) != bytes.size()) {
        Close();
    }
}

void QSocketLink::ReadAvailable() {
    if (!m_pSocket) {
        return;
    }
    const QByteArray bytes = m_pSocket->readAll();
    if (bytes.isEmpty()) {
        // Nothing to read although the socket said so: the peer has gone.
        Close();
        return;
    }
    emit BytesArrived(bytes);
}

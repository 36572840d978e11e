#include "TcpServerLink.h"

#include "BusSession.h"
#include "SimLog.h"

#include <QTcpSocket>

TcpServerLink::TcpServerLink(SimPlant* plant, ReplyShaper* shaper, bool verbose, QObject* parent)
    : QObject(parent), m_plant(plant), m_shaper(shaper), m_verbose(verbose) {
    connect(&m_server, &QTcpServer::newConnection, this, &TcpServerLink::OnNewConnection);
}

bool TcpServerLink::Listen(const QString& address, int port, QString* error) {
    if (!m_server.listen(QHostAddress(address), quint16(port))) {
        *error = QStringLiteral("cannot listen on TCP %1:%2: %3")
                     .arg(address)
                     .arg(port)
                     .arg(m_server.errorString());
        return false;
    }
    return true;
}

QString TcpServerLink::Description() const {
    return QStringLiteral("tcp %1:%2").arg(m_server.serverAddress().toString()).arg(m_server.serverPort());
}

void TcpServerLink::OnNewConnection() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        const QString peer =
            QStringLiteral("tcp %1:%2").arg(socket->peerAddress().toString()).arg(socket->peerPort());
        SimLog::Line(QStringLiteral("%1 connected").arg(peer));
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        new BusSession(socket, peer, m_plant, m_shaper, m_verbose, socket);
        connect(socket, &QTcpSocket::disconnected, socket, [socket, peer]() {
            SimLog::Line(QStringLiteral("%1 disconnected").arg(peer));
            socket->deleteLater();
        });
    }
}

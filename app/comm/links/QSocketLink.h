#pragma once

#include "QBusLink.h"

class QTcpSocket;

// A link whose bytes travel on one TCP socket: the connection to an Ethernet
// converter, or the one a GPRS modem made to our server. A socket that cannot
// be written, or that reports bytes and has none, closes the link.
class QSocketLink : public QBusLink {
    Q_OBJECT
public:
    void Write(const QByteArray& bytes) override;
    void ReadAvailable() override;
    bool CanCarry() const override;

    QTcpSocket* Socket() const { return m_pSocket; }

protected:
    using QBusLink::QBusLink;

    // Takes the socket: its bytes and state changes come to this link.
    void AttachSocket(QTcpSocket* socket);
    // Lets go of the socket: no more signals from it, cut at once, deleted later.
    void DropSocket();

    QTcpSocket* m_pSocket = nullptr;
};

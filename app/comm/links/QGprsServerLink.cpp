#include "QGprsServerLink.h"

#include "QSystemSettings.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

QGprsServerLink::QGprsServerLink(const QSystemSettings& settings, int port, QObject* parent)
    : QSocketLink(settings, parent), m_nPort(port) {}

void QGprsServerLink::Open(bool) {
    if (m_pServer) {
        return;
    }
    auto* server = new QTcpServer(this);
    if (!server->listen(QHostAddress::Any, quint16(m_nPort))) {
        delete server;
        emit Message(QCoreApplication::translate("MainWindow", "Open GPRS server failed!"));
        return;
    }
    m_pServer = server;
    connect(m_pServer, &QTcpServer::newConnection, this, &QGprsServerLink::CheckState);
    ShowTexts([this] {
        SetStatus(QCoreApplication::translate("MainWindow", "waiting"), false);
        SetAction(QCoreApplication::translate("MainWindow", "Close GPRS server"));
    });
    m_bAccepting = true;
    m_nWaitingCounter = 0;
    SetOpen(true);
    emit Opened();
}

void QGprsServerLink::CheckState() {
    if (m_pSocket && m_pSocket->state() != QAbstractSocket::ConnectedState) {
        // The modem hung up: let go of its socket and wait for it to call again.
        DropSocket();
        ShowTexts([this] {
            SetStatus(QCoreApplication::translate("MainWindow", "waiting"), false,
                      QCoreApplication::translate("MainWindow", "waiting!"));
        });
        m_bAccepting = true;
        emit StreamLost();
    }
    // A call that came in while the last one was still hanging up is taken now.
    Accept();
}

void QGprsServerLink::Accept() {
    if (!m_pServer || !m_bAccepting) {
        return;
    }
    QTcpSocket* modem = m_pServer->nextPendingConnection();
    if (!modem) {
        return;
    }
    m_bAccepting = false;
    AttachSocket(modem);
    const quint32 ip = modem->peerAddress().toIPv4Address();
    const QString peer = QString::asprintf("%d.%d.%d.%d:%d", (ip >> 24) & 0xFF, (ip >> 16) & 0xFF,
                                           (ip >> 8) & 0xFF, ip & 0xFF, modem->peerPort());
    ShowTexts([this, peer] { SetStatus("GPRS(" + peer + ")!", true); });
}

void QGprsServerLink::Close() {
    DropSocket();
    if (m_pServer) {
        m_pServer->close();
        m_pServer->deleteLater();
        m_pServer = nullptr;
    }
    ShowTexts([this, number = m_Settings.GetSystemValue(QStringLiteral("GPRS_Number"))] {
        SetStatus(QCoreApplication::translate("MainWindow", "GPRS server") + "(" + number + ")" +
                      QCoreApplication::translate("MainWindow", "is closed!"),
                  false);
        SetAction(QCoreApplication::translate("MainWindow", "Open server"));
    });
    m_bAccepting = false;
    SetOpen(false);
    emit Closed();
}

void QGprsServerLink::OnWaitingTick() {
    if (!IsAccepting()) {
        return;
    }
    static const char* const dots[] = {" .", " ..", " ...", " ....", " ....."};
    QString text = QCoreApplication::translate("MainWindow", "waiting");
    if (m_nWaitingCounter >= 25) {
        m_nWaitingCounter = 0;
    } else {
        text += QLatin1String(dots[m_nWaitingCounter / 5]);
    }
    SetStatus(text, false);
    ++m_nWaitingCounter;
}

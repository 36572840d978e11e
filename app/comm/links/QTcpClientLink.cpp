#include "QTcpClientLink.h"

#include "QSystemSettings.h"

#include <QCoreApplication>
#include <QTcpSocket>

QTcpClientLink::QTcpClientLink(const QSystemSettings& settings, QObject* parent)
    : QSocketLink(settings, parent) {
    m_ConnectLimit.setSingleShot(true);
    m_ConnectLimit.setInterval(ConnectLimitMs);
    connect(&m_ConnectLimit, &QTimer::timeout, this, &QTcpClientLink::GiveUp);
}

QString QTcpClientLink::ServerText() const {
    return m_Settings.IPAddress() + "(" + QString::number(m_Settings.IPNumber()) + ")";
}

void QTcpClientLink::Open(bool showErrors) {
    Close();
    m_bShowErrors = showErrors;
    // Mended: waiting for the connection here froze the window for up to a
    // second on every retry while the converter was unreachable.
    AttachSocket(new QTcpSocket(this));
    m_ConnectLimit.start();
    // Unbuffered: a request goes to the converter within the tick that chose it.
    // Through Qt's write buffer each request switched a socket notifier on and
    // off again, and each switch woke the event loop once more.
    m_pSocket->connectToHost(m_Settings.IPAddress(), quint16(m_Settings.IPNumber()),
                             QIODevice::ReadWrite | QIODevice::Unbuffered);
}

void QTcpClientLink::CheckState() {
    if (!m_pSocket) {
        return;
    }
    switch (m_pSocket->state()) {
    case QAbstractSocket::ConnectedState:
        if (!IsOpen()) {
            m_ConnectLimit.stop();
            ShowTexts([this, server = ServerText()] {
                SetStatus(server + QCoreApplication::translate("MainWindow", "On-line!"), true);
                SetAction(QCoreApplication::translate("MainWindow", "Disconnect"));
            });
            SetOpen(true);
            emit Opened();
        }
        break;
    case QAbstractSocket::UnconnectedState:
        if (IsOpen()) {
            Close(); // the converter dropped the connection
        } else {
            GiveUp(); // the attempt failed before its time
        }
        break;
    default:
        break; // looking the host up, connecting, closing: wait
    }
}

void QTcpClientLink::GiveUp() {
    Close();
    if (m_bShowErrors) {
        emit Message(QCoreApplication::translate("MainWindow", "Failed to connect to server!"));
    }
}

void QTcpClientLink::Close() {
    m_ConnectLimit.stop();
    DropSocket();
    ShowTexts([this, server = ServerText()] {
        SetStatus(server + QCoreApplication::translate("MainWindow", "not online!"), false);
        SetAction(QCoreApplication::translate("MainWindow", "Connect to server"));
    });
    SetOpen(false);
    emit Closed();
}

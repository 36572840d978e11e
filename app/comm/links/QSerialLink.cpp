#include "QSerialLink.h"

#include "QSystemSettings.h"
#include "QWin_Serial.h"

#include <QCoreApplication>

QSerialLink::QSerialLink(const QSystemSettings& settings, QObject* parent) : QBusLink(settings, parent) {}

bool QSerialLink::IsActive() const {
    return m_pPort && m_pPort->isOpen();
}

void QSerialLink::Open(bool) {
    Close();
    tagPortSettings line; // 9600 8N1, no flow control; "Baud_rate" is not used for the port
    line.Timeout_Millisec = 500;
    auto* port = new QWin_Serial(m_Settings.ComNumber(), line, QSerialBase::EventDriven,
                                 m_Settings.GetSystemValue(QStringLiteral("Com_device")), this);
    if (!port->open()) {
        delete port;
        emit Message(QCoreApplication::translate("MainWindow", "Open the serial port failure!"));
        return;
    }
    m_pPort = port;
    connect(m_pPort, &QWin_Serial::readyRead, this, &QSerialLink::ReadAvailable);
    ShowTexts([this, name = m_pPort->SerialName()] {
        SetStatus(name + QCoreApplication::translate("MainWindow", "(9600,8,0,1) is open!"), true);
        SetAction(QCoreApplication::translate("MainWindow", "Close the serial port"));
    });
    SetOpen(true);
    emit Opened();
}

void QSerialLink::Close() {
    if (m_pPort) {
        m_pPort->disconnect(this);
        m_pPort->close();
        m_pPort->deleteLater();
        m_pPort = nullptr;
    }
    ShowTexts(
        [this, port = QString::asprintf("Com%d (%d,8,0,1)", m_Settings.ComNumber(), m_Settings.BaudRate())] {
            SetStatus(port + QCoreApplication::translate("MainWindow", "is closed!"), false);
            SetAction(QCoreApplication::translate("MainWindow", "Open the serial port"));
        });
    SetOpen(false);
    emit Closed();
}

void QSerialLink::Write(const QByteArray& bytes) {
    // A failed write is not noticed here: the request runs into its time-out.
    if (m_pPort) {
        m_pPort->write(bytes.constData(), bytes.size());
    }
}

void QSerialLink::ReadAvailable() {
    if (!m_pPort) {
        return;
    }
    const QByteArray bytes = m_pPort->readAll();
    if (!bytes.isEmpty()) {
        emit BytesArrived(bytes);
    }
}

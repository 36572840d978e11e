#include "SerialLink.h"

#include "BusSession.h"
#include "SimLog.h"

SerialLink::SerialLink(SimPlant* plant, ReplyShaper* shaper, bool verbose, QObject* parent)
    : QObject(parent), m_plant(plant), m_shaper(shaper), m_verbose(verbose) {
    m_reopen.setInterval(kReopenMs);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialLink::OnError);
    connect(&m_reopen, &QTimer::timeout, this, &SerialLink::Reopen);
}

bool SerialLink::Open(const QString& device, int baud, QString* error) {
    m_device = device;
    m_baud = baud > 0 ? baud : 9600;
    if (!OpenPort(error)) {
        return false;
    }
    m_session =
        new BusSession(&m_port, QStringLiteral("serial %1").arg(device), m_plant, m_shaper, m_verbose, this);
    return true;
}

bool SerialLink::OpenPort(QString* error) {
    m_port.setPortName(m_device);
    if (!m_port.open(QIODevice::ReadWrite)) {
        *error = QStringLiteral("cannot open the serial device %1: %2").arg(m_device, m_port.errorString());
        return false;
    }
    // Pseudo-terminals ignore the line settings; real adapters need them.
    m_port.setBaudRate(m_baud);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    return true;
}

QString SerialLink::Description() const {
    return QStringLiteral("serial %1 (%2 8N1)").arg(m_device).arg(m_baud);
}

void SerialLink::OnError(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError || m_reopen.isActive()) {
        return;
    }
    SimLog::Line(QStringLiteral("serial %1: %2").arg(m_device, m_port.errorString()));
    if (error == QSerialPort::ResourceError) {
        m_port.close();
        if (m_session) {
            m_session->Reset();
        }
        m_reopen.start();
    }
}

void SerialLink::Reopen() {
    QString error;
    if (OpenPort(&error)) {
        m_reopen.stop();
        SimLog::Line(QStringLiteral("serial %1 open again").arg(m_device));
    }
}

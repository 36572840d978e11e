#include "QWin_Serial.h"

#include <QSerialPort>

QWin_Serial::QWin_Serial(int comNumber, const tagPortSettings& settings, QSerialBase::QueryMode mode,
                         const QString& deviceOverride, QObject* parent)
    : QSerialBase(parent), m_strDevice(DeviceForCom(comNumber, deviceOverride)), m_Settings(settings),
      m_pPort(new QSerialPort(this)) {
    m_pPort->setPortName(m_strDevice);
    if (mode == EventDriven) {
        connect(m_pPort, &QSerialPort::readyRead, this, &QWin_Serial::readyRead);
    }
}

QWin_Serial::~QWin_Serial() {
    close();
}

QString QWin_Serial::DeviceForCom(int comNumber, const QString& deviceOverride) {
    if (!deviceOverride.isEmpty()) {
        return deviceOverride;
    }
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(comNumber);
#else
    return QStringLiteral("/dev/ttyUSB%1").arg(comNumber - 1);
#endif
}

bool QWin_Serial::open() {
    if (!m_pPort->open(QIODevice::ReadWrite)) {
        return false;
    }
    const bool ok =
        m_pPort->setBaudRate(m_Settings.BaudRate) &&
        m_pPort->setDataBits(QSerialPort::DataBits(m_Settings.DataBits)) &&
        m_pPort->setParity(m_Settings.Parity == 0 ? QSerialPort::NoParity : QSerialPort::EvenParity) &&
        m_pPort->setStopBits(m_Settings.StopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
        m_pPort->setFlowControl(QSerialPort::NoFlowControl);
    if (!ok) {
        m_pPort->close();
        return false;
    }
    return true;
}

void QWin_Serial::close() {
    if (m_pPort->isOpen()) {
        m_pPort->close();
    }
}

bool QWin_Serial::isOpen() const {
    return m_pPort->isOpen();
}

QByteArray QWin_Serial::readAll() {
    return m_pPort->readAll();
}

qint64 QWin_Serial::write(const char* data, qint64 length) {
    return m_pPort->write(data, length);
}

QString QWin_Serial::errorString() const {
    return m_pPort->errorString();
}

#pragma once

#include <QObject>
#include <QSerialPort>
#include <QTimer>

class BusSession;
class ReplyShaper;
class SimPlant;

// The bus on a serial device (an RS-485 adapter, or one end of a pseudo-terminal
// pair), 8N1. A device that goes away (an adapter pulled out) is opened again
// once a second until it is back.
class SerialLink : public QObject {
    Q_OBJECT
public:
    static const int kReopenMs = 1000;

    SerialLink(SimPlant* plant, ReplyShaper* shaper, bool verbose, QObject* parent = nullptr);

    bool Open(const QString& device, int baud, QString* error);
    QString Description() const;

private slots:
    void OnError(QSerialPort::SerialPortError error);
    void Reopen();

private:
    bool OpenPort(QString* error);

    QSerialPort m_port;
    QString m_device;
    int m_baud = 9600;
    SimPlant* m_plant;
    ReplyShaper* m_shaper;
    bool m_verbose;
    BusSession* m_session = nullptr;
    QTimer m_reopen;
};

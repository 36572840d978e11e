#pragma once

#include <QObject>
#include <QString>

class QSerialPort;

// Line settings of a serial port.
struct tagPortSettings {
    int BaudRate = 9600;
    int DataBits = 8;
    int Parity = 0; // 0 none
    int StopBits = 1;
    int FlowControl = 0; // 0 none
    long Timeout_Millisec = 500;
};

// Common face of the serial ports: a name to show and the query modes.
class QSerialBase : public QObject {
    Q_OBJECT
public:
    enum QueryMode { Polling, EventDriven };
    using QObject::QObject;
    // The device name the port opens (e.g. "COM3" or "/dev/ttyUSB2").
    virtual QString SerialName() const = 0;
};

// A serial port addressed by its COM number. COM n is "COMn" on Windows and
// "/dev/ttyUSB<n-1>" elsewhere, unless a device path is given explicitly (the
// "Com_device" setting, used for pseudo-terminals and unusual adapters).
class QWin_Serial : public QSerialBase {
    Q_OBJECT
public:
    QWin_Serial(int comNumber, const tagPortSettings& settings, QSerialBase::QueryMode mode,
                const QString& deviceOverride = QString(), QObject* parent = nullptr);
    ~QWin_Serial() override;

    static QString DeviceForCom(int comNumber, const QString& deviceOverride = QString());

    QString SerialName() const override { return m_strDevice; }
    bool open(); // read and write
    void close();
    bool isOpen() const;
    QByteArray readAll();
    qint64 write(const char* data, qint64 length);
    QString errorString() const;

signals:
    void readyRead();

private:
    QString m_strDevice;
    tagPortSettings m_Settings;
    QSerialPort* m_pPort;
};

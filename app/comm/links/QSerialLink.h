#pragma once

#include "QBusLink.h"

class QWin_Serial;

// The bus on a COM port ("Com_number", or the device in "Com_device"), always
// 9600 baud 8N1 without flow control: the inverters' fixed line.
class QSerialLink : public QBusLink {
    Q_OBJECT
public:
    static constexpr int ReplyTimeoutMs = 1000;

    QSerialLink(const QSystemSettings& settings, QObject* parent = nullptr);

    int Kind() const override { return LinkSerial; }
    void Open(bool showErrors) override;
    void Close() override;
    void Write(const QByteArray& bytes) override;
    void ReadAvailable() override;
    bool IsActive() const override;
    bool CanCarry() const override { return IsActive(); }
    int ReplyTimeout() const override { return ReplyTimeoutMs; }

    QWin_Serial* Port() const { return m_pPort; }

private:
    QWin_Serial* m_pPort = nullptr;
};

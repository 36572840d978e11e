#pragma once

#include "QSocketLink.h"

#include <QTimer>

// The bus behind an Ethernet-to-serial converter: a TCP connection to
// "IPAddress", port "IP_number". Connecting never blocks: the attempt runs in
// the background and is given up after ConnectLimitMs.
class QTcpClientLink : public QSocketLink {
    Q_OBJECT
public:
    static constexpr int ReplyTimeoutMs = 1000;
    static constexpr int ConnectLimitMs = 1000;

    QTcpClientLink(const QSystemSettings& settings, QObject* parent = nullptr);

    int Kind() const override { return LinkTcpClient; }
    void Open(bool showErrors) override;
    void Close() override;
    void CheckState() override;
    bool IsActive() const override { return m_pSocket != nullptr; }
    int ReplyTimeout() const override { return ReplyTimeoutMs; }

private:
    void GiveUp();
    // The converter as the texts name it: "address(port)".
    QString ServerText() const;

    QTimer m_ConnectLimit;
    bool m_bShowErrors = false;
};

#pragma once

#include "QSocketLink.h"

class QTcpServer;

// The bus behind a GPRS modem that calls in: a TCP server (port 10000) that
// takes one modem connection at a time and waits for the next call when the
// modem hangs up.
class QGprsServerLink : public QSocketLink {
    Q_OBJECT
public:
    static constexpr int ReplyTimeoutMs = 50000;
    static constexpr int DefaultPort = 10000;

    QGprsServerLink(const QSystemSettings& settings, int port = DefaultPort, QObject* parent = nullptr);

    int Kind() const override { return LinkGprs; }
    void Open(bool showErrors) override;
    void Close() override;
    void CheckState() override;
    bool IsActive() const override { return m_pServer != nullptr; }
    int ReplyTimeout() const override { return ReplyTimeoutMs; }
    bool IsAccepting() const override { return m_pServer && m_bAccepting; }
    // "waiting" with one to five dots, a step every five ticks, then none.
    void OnWaitingTick() override;

    QTcpServer* Server() const { return m_pServer; }

private:
    void Accept();

    int m_nPort;
    QTcpServer* m_pServer = nullptr;
    bool m_bAccepting = false;
    int m_nWaitingCounter = 0;
};

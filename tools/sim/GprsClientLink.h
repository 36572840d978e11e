#pragma once

#include <QObject>
#include <QTcpSocket>
#include <QTimer>

class BusSession;
class ReplyShaper;
class SimPlant;

// The bus behind a GPRS modem: connects out to the monitoring program's
// server and answers on that socket. A refused, failed or dropped connection
// is dialled again after a pause.
class GprsClientLink : public QObject {
    Q_OBJECT
public:
    GprsClientLink(SimPlant* plant, ReplyShaper* shaper, bool verbose, QObject* parent = nullptr);

    void Start(const QString& host, int port, int retryMs);
    QString Description() const;

private slots:
    void Dial();
    void OnConnected();
    void OnDisconnected();
    void OnError(QAbstractSocket::SocketError error);

private:
    void ScheduleRetry();

    QTcpSocket m_socket;
    QString m_host;
    int m_port = 0;
    BusSession* m_session;
    QTimer m_retry;
    bool m_failureReported = false;
};

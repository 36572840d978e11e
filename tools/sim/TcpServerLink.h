#pragma once

#include <QObject>
#include <QTcpServer>

class ReplyShaper;
class SimPlant;

// The bus behind an Ethernet-to-serial converter in transparent mode: raw RTU
// frames over TCP. Every client that connects talks to the same plant.
class TcpServerLink : public QObject {
    Q_OBJECT
public:
    TcpServerLink(SimPlant* plant, ReplyShaper* shaper, bool verbose, QObject* parent = nullptr);

    bool Listen(const QString& address, int port, QString* error);
    QString Description() const;
    int Port() const { return m_server.serverPort(); }

private slots:
    void OnNewConnection();

private:
    QTcpServer m_server;
    SimPlant* m_plant;
    ReplyShaper* m_shaper;
    bool m_verbose;
};

#pragma once

#include <QObject>
#include <QPointer>
#include <QTime>
#include <functional>

class QInverter;
class QMissionList;
class QMissionModel;
class QSystemModel;
class QTcpServer;
class QTcpSocket;
class QWin_Serial;

// Link kinds, the values of "CommunicationType".
enum LinkKind {
    LinkSerial = 0,
    LinkTcpClient = 1,
    LinkGprs = 3,
};

// What the link settings dialog returns.
struct CommunicateChoice {
    int m_nKind = LinkSerial;
    int m_nComNumber = 1;
    int m_nBaudRate = 9600;
    QString m_strIPAddress;
    int m_nIPNumber = 8011;
    int m_nGprsNumber = 0;
};

// The bus master: owns the one active link (serial port, TCP client to an
// Ethernet converter, or a TCP server a GPRS modem connects in to) and the one
// request in flight. A 20 ms tick sends the next due mission, watches the reply
// time-out and repeats a silent request three times before the inverter goes
// offline. Status texts and the connect action's text are reported by signals;
// messages for the user go through a callback the window provides.
class QBusScheduler : public QObject {
    Q_OBJECT
public:
    using SearchCallback = std::function<void(QMissionModel*)>;
    using MessageCallback = std::function<void(const QString&)>;

    static constexpr int SerialTimeout = 1000;
    static constexpr int TcpTimeout = 1000;
    static constexpr int GprsTimeout = 50000;
    static constexpr int DefaultGprsPort = 10000;

    explicit QBusScheduler(QSystemModel* plant, QObject* parent = nullptr);
    ~QBusScheduler() override;

    void SetMessageCallback(MessageCallback callback) { m_Message = std::move(callback); }
    void SetSearchCallback(SearchCallback callback) { m_Search = std::move(callback); }
    // The GPRS server listens on this port (10000; tests pick a free one).
    void SetGprsPort(int port) { m_nGprsPort = port; }
    int GprsPort() const { return m_nGprsPort; }

    // Opens the link of the stored "CommunicationType" (start-up).
    void OpenConfiguredLink();
    // Menu action: toggles the configured link.
    void Connect();
    // Applies what the link settings dialog returned: stores only what changed
    // and reopens the links concerned.
    void ApplyCommunicate(const CommunicateChoice& choice);
    // One flash tick while the GPRS server waits for its modem.
    void OnWaitingAnimation();
    // Writes the link's status and action texts again in the current language.
    void RetranslateTexts();
    // Forgets the mission if it is the one in flight (its owner is deleting it).
    void SetMissionDoing(QMissionModel* mission);
    // Removes an inverter now, or marks it for removal when its mission is in flight.
    void DeleteInverter(QInverter* inverter);

    void OpenSerialLink();
    void CloseSerialLink();
    void OpenTcpLink(bool showErrors);
    void CloseTcpLink();
    void OpenGprsLink();
    void CloseGprsLink();
    void WriteFrame(const uchar* bytes, int length);

    QMissionModel* CurrentMission() const { return m_pCurrent; }
    bool IsWaiting() const { return m_bWaiting; }
    bool IsLinkOpen() const { return m_bLinkOpen; }
    bool IsAccepting() const { return m_bAccepting; }
    int ReplyTimeout() const { return m_nReplyTimeout; }
    QString StatusText() const { return m_strStatus; }
    bool StatusConnected() const { return m_bStatusConnected; }
    QString MiniStatusText() const { return m_strMiniStatus; }
    QString ConnectActionText() const { return m_strAction; }
    QWin_Serial* SerialPort() const { return m_pSerial; }
    QTcpSocket* TcpClient() const { return m_pTcpClient; }
    QTcpServer* GprsServer() const { return m_pGprsServer; }
    QTcpSocket* GprsConnection() const { return m_pGprsConn; }

public slots:
    void OnCommunicateTimer();
    void OnAutoConnectTimer();
    void slotCOM_readData();
    void slotTCPClient_readData();
    void slotTCP_connect();
    void slotTCPClient_disconnect();
    void slotTCPServer_connect();
    void slotTCPServer_disconnect();

signals:
    // The home page's status line.
    void StatusChanged(const QString& text, bool connected);
    // The mini window's status line.
    void MiniStatusChanged(const QString& text);
    // The text of the main window's connect action.
    void ConnectActionChanged(const QString& text);
    // Every frame written on the link (monitoring and tests).
    void FrameWritten(const QByteArray& frame);

private:
    enum ReplyRoute { RouteNone, RouteDone, RouteResend };

    void SetStatus(const QString& text, bool connected, const QString& miniText);
    void SetStatus(const QString& text, bool connected) { SetStatus(text, connected, text); }
    void SetAction(const QString& text);
    void ShowLinkTexts(std::function<void()> texts);
    QString ServerText() const;
    void ShowMessage(const QString& text);
    void AllInvertersOffline();
    void LinkLost();
    // The inverter of the mission in flight, or none for a probe or when its
    // owner has let go of the mission in the meantime.
    QInverter* CurrentInverter() const;
    void ForgetCurrent();
    void SendCurrent();
    void RemoveInverter(QInverter* inverter);
    // A complete reply on any link; crcChecked tells whether a bad CRC counts as no reply.
    void HandleCompleteReply(bool checkCrc);

    QSystemModel* m_pPlant;
    QWin_Serial* m_pSerial = nullptr;
    QTcpSocket* m_pTcpClient = nullptr;
    QTcpServer* m_pGprsServer = nullptr;
    QTcpSocket* m_pGprsConn = nullptr;

    QMissionModel* m_pCurrent = nullptr;
    QMissionList* m_pCurrentList = nullptr; // owner of the current mission when it was sent
    QInverter* m_pCurrentInverter = nullptr;
    QTime m_SendTime;
    bool m_bWaiting = false;
    int m_nReplyTimeout = SerialTimeout;
    bool m_bLinkOpen = false;
    bool m_bAccepting = false;
    int m_nWaitingCounter = 0;
    int m_nGprsPort = DefaultGprsPort;

    SearchCallback m_Search;
    MessageCallback m_Message;

    QString m_strStatus;
    bool m_bStatusConnected = false;
    QString m_strMiniStatus;
    QString m_strAction;
    std::function<void()> m_LinkTexts;
};

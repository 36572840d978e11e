#include "QBusScheduler.h"

#include "QInverter.h"
#include "QMissionList.h"
#include "QMissionModel.h"
#include "QSystemModel.h"
#include "QWin_Serial.h"
#include "SystemClock.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

QBusScheduler::QBusScheduler(QSystemModel* plant, QObject* parent) : QObject(parent), m_pPlant(plant) {}

QBusScheduler::~QBusScheduler() {
    // A probe in flight belongs to the scheduler; list missions to their lists.
    if (m_pCurrent && !m_pCurrentList) {
        delete m_pCurrent;
    }
    m_pCurrent = nullptr;
    delete m_pSerial;
    delete m_pTcpClient;
    delete m_pGprsConn;
    delete m_pGprsServer;
}

void QBusScheduler::SetStatus(const QString& text, bool connected, const QString& miniText) {
    m_strStatus = text;
    m_bStatusConnected = connected;
    m_strMiniStatus = miniText;
    emit StatusChanged(text, connected);
    emit MiniStatusChanged(miniText);
}

void QBusScheduler::SetAction(const QString& text) {
    m_strAction = text;
    emit ConnectActionChanged(text);
}

// The texts of the link's state are kept as the step that writes them, so that a
// change of language can write them again in the new language.
void QBusScheduler::ShowLinkTexts(std::function<void()> texts) {
    m_LinkTexts = std::move(texts);
    m_LinkTexts();
}

void QBusScheduler::RetranslateTexts() {
    if (m_LinkTexts) {
        m_LinkTexts();
    }
}

// The converter as the link texts name it: "address(port)".
QString QBusScheduler::ServerText() const {
    const QSystemSettings& s = m_pPlant->Settings();
    return s.IPAddress() + "(" + QString::number(s.IPNumber()) + ")";
}

void QBusScheduler::ShowMessage(const QString& text) {
    if (m_Message) {
        m_Message(text);
    }
}

QInverter* QBusScheduler::CurrentInverter() const {
    if (!m_pCurrent || !m_pCurrentList || !m_pCurrentInverter) {
        return nullptr;
    }
    if (!m_pPlant->Inverters().contains(m_pCurrentInverter) || !m_pCurrentList->Contains(m_pCurrent)) {
        return nullptr;
    }
    return m_pCurrentInverter;
}

void QBusScheduler::ForgetCurrent() {
    m_pCurrent = nullptr;
    m_pCurrentList = nullptr;
    m_pCurrentInverter = nullptr;
    m_bWaiting = false;
}

void QBusScheduler::SendCurrent() {
    m_pCurrent->ResetReceive();
    WriteFrame(m_pCurrent->TxBuffer(), m_pCurrent->TxLength());
    m_SendTime = SystemClock::CurrentTime();
}

void QBusScheduler::RemoveInverter(QInverter* inverter) {
    if (m_pCurrentInverter == inverter) {
        ForgetCurrent();
    }
    inverter->ResetRetry();
    inverter->MissionList().ClearMissions();
    m_pPlant->RemoveInverter(inverter);
}

void QBusScheduler::DeleteInverter(QInverter* inverter) {
    if (!inverter) {
        return;
    }
    if (m_pCurrent && m_pCurrentList && CurrentInverter() == inverter) {
        inverter->SetDeletePending(true);
        return;
    }
    RemoveInverter(inverter);
}

void QBusScheduler::SetMissionDoing(QMissionModel* mission) {
    if (mission && mission == m_pCurrent) {
        ForgetCurrent();
    }
}

void QBusScheduler::OnCommunicateTimer() {
    if (!m_pSerial && !m_pTcpClient && !m_pGprsConn) {
        return;
    }
    if (m_pCurrent && m_bWaiting) {
        if (SystemClock::MsecsBetween(m_SendTime, SystemClock::CurrentTime()) <= m_nReplyTimeout) {
            return;
        }
        if (!m_pCurrentList) {
            // A probe that got no answer: the search hears of it and goes on.
            delete m_pCurrent;
            ForgetCurrent();
            if (m_Search) {
                m_Search(nullptr);
            }
        } else {
            QInverter* inverter = CurrentInverter();
            if (!inverter) {
                ForgetCurrent(); // its owner let go of it meanwhile
            } else if (inverter->IsDeletePending()) {
                RemoveInverter(inverter);
                return;
            } else if (inverter->AdvanceRetry()) {
                inverter->SetCommState(CommOffline);
                inverter->MissionList().ResetTimers();
                ForgetCurrent();
            } else {
                SendCurrent();
                return;
            }
        }
    }
    if (m_pCurrent) {
        return;
    }
    QMissionModel* next = m_pPlant->NextMission();
    if (!next) {
        return;
    }
    m_pCurrent = next;
    if (next->Code() == MissionCodeSearch || !next->Owner()) {
        m_pCurrentList = nullptr;
        m_pCurrentInverter = nullptr;
    } else {
        m_pCurrentList = next->Owner();
        m_pCurrentInverter = m_pCurrentList->Inverter();
    }
    next->SetBusy(true);
    SendCurrent();
    if (m_pCurrentInverter && m_pCurrentInverter->CommState() == CommOffline) {
        m_pCurrentInverter->SetCommState(CommConnecting);
    }
    m_bWaiting = true;
}

void QBusScheduler::HandleCompleteReply(bool checkCrc) {
    if (!m_pCurrentList) {
        QMissionModel* probe = m_pCurrent;
        ForgetCurrent();
        if (m_Search) {
            m_Search(probe);
        }
        delete probe;
        return;
    }
    QInverter* inverter = CurrentInverter();
    if (!inverter) {
        ForgetCurrent();
        return;
    }
    if (inverter->IsDeletePending()) {
        RemoveInverter(inverter);
        return;
    }
    if (checkCrc && !m_pCurrent->CheckCrc()) {
        // A garbled reply counts like a missing one, but is asked for again at once.
        if (inverter->AdvanceRetry()) {
            inverter->SetCommState(CommOffline);
            inverter->MissionList().ResetTimers();
            ForgetCurrent();
        } else {
            SendCurrent();
        }
        return;
    }
    QMissionModel* mission = m_pCurrent;
    QMissionList* list = m_pCurrentList;
    ForgetCurrent();
    inverter->ResetRetry();
    list->FinishMission(mission);
    if (inverter->CommState() == CommConnecting) {
        inverter->SetCommState(CommOnline);
    }
}

void QBusScheduler::slotCOM_readData() {
    if (!m_pSerial) {
        return;
    }
    const QByteArray bytes = m_pSerial->readAll();
    if (!m_pCurrent || bytes.isEmpty()) {
        return;
    }
    if (m_pCurrent->AppendReply(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size())) {
        HandleCompleteReply(false);
    }
}

void QBusScheduler::slotTCPClient_readData() {
    const bool fromGprs = m_pGprsConn != nullptr;
    QTcpSocket* source = fromGprs ? m_pGprsConn : m_pTcpClient;
    if (!source) {
        return;
    }
    const QByteArray bytes = source->readAll();
    if (bytes.isEmpty()) {
        // Nothing to read although the socket said so: the peer has gone.
        if (fromGprs) {
            CloseGprsLink();
        } else {
            CloseTcpLink();
        }
        return;
    }
    if (!m_pCurrent) {
        return;
    }
    if (m_pCurrent->AppendReply(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size())) {
        HandleCompleteReply(true);
    }
}

void QBusScheduler::WriteFrame(const uchar* bytes, int length) {
    emit FrameWritten(QByteArray(reinterpret_cast<const char*>(bytes), length));
    switch (m_pPlant->Settings().CommunicationType()) {
    case LinkSerial:
        if (m_pSerial) {
            m_pSerial->write(reinterpret_cast<const char*>(bytes), length);
        }
        break;
    case LinkTcpClient:
        if (m_pTcpClient && m_pTcpClient->write(reinterpret_cast<const char*>(bytes), length) != length) {
            CloseTcpLink();
        }
        break;
    case LinkGprs:
        if (m_pGprsConn && m_pGprsConn->write(reinterpret_cast<const char*>(bytes), length) != length) {
            CloseGprsLink();
        }
        break;
    default:
        break;
    }
}

void QBusScheduler::AllInvertersOffline() {
    m_pPlant->TakeBusOffline();
}

void QBusScheduler::OpenConfiguredLink() {
    switch (m_pPlant->Settings().CommunicationType()) {
    case LinkSerial:
        OpenSerialLink();
        break;
    case LinkTcpClient:
        OpenTcpLink(true);
        break;
    case LinkGprs:
        OpenGprsLink();
        break;
    default:
        break;
    }
}

void QBusScheduler::Connect() {
    switch (m_pPlant->Settings().CommunicationType()) {
    case LinkSerial:
        if (m_pSerial && m_pSerial->isOpen()) {
            CloseSerialLink();
        } else {
            CloseTcpLink();
            CloseGprsLink();
            OpenSerialLink();
        }
        break;
    case LinkTcpClient:
        if (m_pTcpClient) {
            CloseTcpLink();
        } else {
            CloseSerialLink();
            CloseTcpLink();
            OpenTcpLink(true);
        }
        break;
    case LinkGprs:
        if (m_pGprsServer) {
            CloseGprsLink();
        } else {
            CloseTcpLink();
            CloseSerialLink();
            OpenGprsLink();
        }
        break;
    default:
        break;
    }
}

void QBusScheduler::OnAutoConnectTimer() {
    if (m_bLinkOpen || m_pPlant->Settings().CommunicationType() != LinkTcpClient) {
        return;
    }
    OpenTcpLink(false);
    if (!m_bLinkOpen) {
        return;
    }
    for (QInverter* inverter : m_pPlant->Inverters()) {
        if (inverter->Address() >= 0 && inverter->Address() <= 254) {
            inverter->MissionList().SetEnabled(true);
        }
    }
}

// --- serial link

void QBusScheduler::OpenSerialLink() {
    CloseSerialLink();
    m_nReplyTimeout = SerialTimeout;
    tagPortSettings settings; // 9600 8N1, no flow control: the inverters' fixed line
    settings.Timeout_Millisec = 500;
    const int com = m_pPlant->Settings().ComNumber();
    auto* port = new QWin_Serial(com, settings, QSerialBase::EventDriven,
                                 m_pPlant->GetSystemValue(QStringLiteral("Com_device")));
    if (!port->open()) {
        delete port;
        m_bLinkOpen = false;
        ShowMessage(QCoreApplication::translate("MainWindow", "Open the serial port failure!"));
        return;
    }
    m_pSerial = port;
    connect(m_pSerial, &QWin_Serial::readyRead, this, &QBusScheduler::slotCOM_readData);
    ShowLinkTexts([this, name = m_pSerial->SerialName()] {
        SetStatus(name + QCoreApplication::translate("MainWindow", "(9600,8,0,1) is open!"), true);
        SetAction(QCoreApplication::translate("MainWindow", "Close the serial port"));
    });
    m_bLinkOpen = true;
}

void QBusScheduler::CloseSerialLink() {
    if (m_pSerial) {
        m_pSerial->disconnect(this);
        m_pSerial->close();
        m_pSerial->deleteLater();
        m_pSerial = nullptr;
    }
    const QSystemSettings& s = m_pPlant->Settings();
    ShowLinkTexts([this, port = QString::asprintf("Com%d (%d,8,0,1)", s.ComNumber(), s.BaudRate())] {
        SetStatus(port + QCoreApplication::translate("MainWindow", "is closed!"), false);
        SetAction(QCoreApplication::translate("MainWindow", "Open the serial port"));
    });
    m_bLinkOpen = false;
    AllInvertersOffline();
}

// --- TCP client to an Ethernet converter

void QBusScheduler::OpenTcpLink(bool showErrors) {
    CloseTcpLink();
    m_nReplyTimeout = TcpTimeout;
    m_pTcpClient = new QTcpSocket(this);
    connect(m_pTcpClient, &QTcpSocket::connected, this, &QBusScheduler::slotTCP_connect);
    connect(m_pTcpClient, &QTcpSocket::disconnected, this, &QBusScheduler::slotTCPClient_disconnect);
    connect(m_pTcpClient, &QTcpSocket::readyRead, this, &QBusScheduler::slotTCPClient_readData);
    const QSystemSettings& s = m_pPlant->Settings();
    m_pTcpClient->connectToHost(s.IPAddress(), quint16(s.IPNumber()), QIODevice::ReadWrite);
    if (!m_pTcpClient->waitForConnected(1000)) {
        CloseTcpLink();
        if (showErrors) {
            ShowMessage(QCoreApplication::translate("MainWindow", "Failed to connect to server!"));
        }
    }
}

void QBusScheduler::slotTCP_connect() {
    ShowLinkTexts([this, server = ServerText()] {
        SetStatus(server + QCoreApplication::translate("MainWindow", "On-line!"), true);
        SetAction(QCoreApplication::translate("MainWindow", "Disconnect"));
    });
    m_bLinkOpen = true;
}

void QBusScheduler::slotTCPClient_disconnect() {
    if (m_pTcpClient) {
        LinkLost();
    }
}

void QBusScheduler::CloseTcpLink() {
    if (m_pTcpClient) {
        QTcpSocket* socket = m_pTcpClient;
        m_pTcpClient = nullptr;
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
    LinkLost();
}

void QBusScheduler::LinkLost() {
    ShowLinkTexts([this, server = ServerText()] {
        SetStatus(server + QCoreApplication::translate("MainWindow", "not online!"), false);
        SetAction(QCoreApplication::translate("MainWindow", "Connect to server"));
    });
    m_bLinkOpen = false;
    AllInvertersOffline();
}

// --- GPRS server a modem connects in to

void QBusScheduler::OpenGprsLink() {
    if (m_pGprsServer) {
        return;
    }
    auto* server = new QTcpServer(this);
    if (!server->listen(QHostAddress::Any, quint16(m_nGprsPort))) {
        delete server;
        ShowMessage(QCoreApplication::translate("MainWindow", "Open GPRS server failed!"));
        return;
    }
    m_pGprsServer = server;
    connect(m_pGprsServer, &QTcpServer::newConnection, this, &QBusScheduler::slotTCPServer_connect);
    ShowLinkTexts([this] {
        SetStatus(QCoreApplication::translate("MainWindow", "waiting"), false);
        SetAction(QCoreApplication::translate("MainWindow", "Close GPRS server"));
    });
    m_bAccepting = true;
    m_bLinkOpen = true;
    m_nWaitingCounter = 0;
}

void QBusScheduler::slotTCPServer_connect() {
    if (!m_pGprsServer || !m_bAccepting) {
        return;
    }
    m_nReplyTimeout = GprsTimeout;
    m_bAccepting = false;
    QTcpSocket* conn = m_pGprsServer->nextPendingConnection();
    if (!conn) {
        return;
    }
    m_pGprsConn = conn;
    const quint32 ip = conn->peerAddress().toIPv4Address();
    const QString peer = QString::asprintf("%d.%d.%d.%d:%d", (ip >> 24) & 0xFF, (ip >> 16) & 0xFF,
                                           (ip >> 8) & 0xFF, ip & 0xFF, conn->peerPort());
    ShowLinkTexts([this, peer] { SetStatus("GPRS(" + peer + ")!", true); });
    connect(m_pGprsConn, &QTcpSocket::readyRead, this, &QBusScheduler::slotTCPClient_readData);
    connect(m_pGprsConn, &QTcpSocket::disconnected, this, &QBusScheduler::slotTCPServer_disconnect);
}

void QBusScheduler::slotTCPServer_disconnect() {
    // The modem went away: let go of its socket and wait for it to call again.
    if (m_pGprsConn) {
        m_pGprsConn->disconnect(this);
        m_pGprsConn->deleteLater();
        m_pGprsConn = nullptr;
    }
    ShowLinkTexts([this] {
        SetStatus(QCoreApplication::translate("MainWindow", "waiting"), false,
                  QCoreApplication::translate("MainWindow", "waiting!"));
    });
    m_bAccepting = true;
}

void QBusScheduler::CloseGprsLink() {
    if (m_pGprsConn) {
        m_pGprsConn->disconnect(this);
        m_pGprsConn->abort();
        m_pGprsConn->deleteLater();
        m_pGprsConn = nullptr;
    }
    if (m_pGprsServer) {
        m_pGprsServer->close();
        m_pGprsServer->deleteLater();
        m_pGprsServer = nullptr;
    }
    ShowLinkTexts([this, number = m_pPlant->GetSystemValue(QStringLiteral("GPRS_Number"))] {
        SetStatus(QCoreApplication::translate("MainWindow", "GPRS server") + "(" + number + ")" +
                      QCoreApplication::translate("MainWindow", "is closed!"),
                  false);
        SetAction(QCoreApplication::translate("MainWindow", "Open server"));
    });
    m_bLinkOpen = false;
    m_bAccepting = false;
    AllInvertersOffline();
}

void QBusScheduler::OnWaitingAnimation() {
    if (!m_pGprsServer || !m_bAccepting) {
        return;
    }
    static const char* const dots[] = {" .", " ..", " ...", " ....", " ....."};
    QString text = QCoreApplication::translate("MainWindow", "waiting");
    if (m_nWaitingCounter >= 25) {
        m_nWaitingCounter = 0;
    } else {
        text += QLatin1String(dots[m_nWaitingCounter / 5]);
    }
    SetStatus(text, false);
    ++m_nWaitingCounter;
}

// --- link settings

void QBusScheduler::ApplyCommunicate(const CommunicateChoice& choice) {
    const QSystemSettings& s = m_pPlant->Settings();
    const QString kindKey = QStringLiteral("CommunicationType");
    if (choice.m_nComNumber != s.ComNumber() || choice.m_nBaudRate != s.BaudRate()) {
        m_pPlant->SetSystemValue(QStringLiteral("Com_number"), QString::number(choice.m_nComNumber), false);
        m_pPlant->SetSystemValue(QStringLiteral("Baud_rate"), QString::number(choice.m_nBaudRate), true);
        if (choice.m_nKind == LinkSerial) {
            m_pPlant->SetSystemValue(kindKey, QStringLiteral("0"), true);
            OpenSerialLink();
        }
    }
    if (choice.m_strIPAddress != s.IPAddress() || choice.m_nIPNumber != s.IPNumber()) {
        m_pPlant->SetSystemValue(QStringLiteral("IPAddress"), choice.m_strIPAddress, false);
        m_pPlant->SetSystemValue(QStringLiteral("IP_number"), QString::number(choice.m_nIPNumber), true);
        if (choice.m_nKind == LinkTcpClient) {
            m_pPlant->SetSystemValue(kindKey, QStringLiteral("1"), true);
            OpenTcpLink(true);
        }
    }
    if (choice.m_nGprsNumber != m_pPlant->GetSystemValue(QStringLiteral("GPRS_Number")).toInt()) {
        m_pPlant->SetSystemValue(QStringLiteral("GPRS_Number"), QString::number(choice.m_nGprsNumber), true);
        if (choice.m_nKind == LinkGprs) {
            m_pPlant->SetSystemValue(kindKey, QStringLiteral("3"), true);
            CloseGprsLink();
            OpenGprsLink();
        }
    }
    if (choice.m_nKind != s.CommunicationType()) {
        m_pPlant->SetSystemValue(kindKey, QString::number(choice.m_nKind), true);
        switch (choice.m_nKind) {
        case LinkSerial:
            CloseTcpLink();
            CloseGprsLink();
            OpenSerialLink();
            break;
        case LinkTcpClient:
            CloseSerialLink();
            CloseGprsLink();
            OpenTcpLink(true);
            break;
        case LinkGprs:
            CloseSerialLink();
            CloseTcpLink();
            CloseGprsLink();
            OpenGprsLink();
            break;
        default:
            break;
        }
    }
}

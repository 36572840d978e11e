#include "QServer.h"

#include "QMailMessage.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QHostAddress>
#include <QScopedValueRollback>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

namespace {
bool OffersStartTls(const QByteArrayList& lines) {
    for (const QByteArray& line : lines) {
        if (line.mid(4).trimmed().toUpper() == "STARTTLS") {
            return true;
        }
    }
    return false;
}
} // namespace

QServer::QServer(const QMailRecord& record, QObject* parent)
    : QObject(parent), m_Record(record), m_Address(record.m_strServer), m_pReplyTimer(new QTimer(this)) {
    m_pReplyTimer->setSingleShot(true);
    connect(m_pReplyTimer, &QTimer::timeout, this, &QServer::OnReplyTimeout);
}

QServer::~QServer() = default;

bool QServer::IsAccepted(int code) {
    return code == 220 || code == 235 || code == 250 || code == 334 || code == 354;
}

bool QServer::Connect() {
    if (m_pSocket) {
        m_pSocket->disconnect(this);
        m_pSocket->close();
        delete m_pSocket;
        m_pSocket = nullptr;
    }
    m_eConnectFailure = NoConnection;
    if (!m_Address.IsValid()) {
        return false;
    }
    const QMailServerAddress::Security mode = m_Address.Mode();
    if (mode != QMailServerAddress::Plain && !QSslSocket::supportsSsl()) {
        qWarning("mail: TLS is not available on this system");
        m_eConnectFailure = NoEncryption;
        return false;
    }

    QSslSocket* tls = nullptr;
    if (mode == QMailServerAddress::Plain) {
        m_pSocket = new QTcpSocket(this);
    } else {
        tls = new QSslSocket(this);
        ConfigureTls(tls);
        connect(tls, &QSslSocket::encrypted, this, &QServer::OnEncrypted);
        connect(tls, &QSslSocket::sslErrors, this, &QServer::OnSslErrors);
        m_pSocket = tls;
    }
    connect(m_pSocket, &QTcpSocket::readyRead, this, &QServer::readdata);
    if (mode == QMailServerAddress::ImplicitTls) {
        m_bHandshaking = true;
        tls->connectToHostEncrypted(m_Address.Host(), m_Address.Port(), QIODevice::ReadWrite);
    } else {
        m_pSocket->connectToHost(m_Address.Host(), m_Address.Port(), QIODevice::ReadWrite);
    }
    if (!m_pSocket->waitForConnected(ConnectTimeout)) {
        m_pSocket->close();
        delete m_pSocket;
        m_pSocket = nullptr;
        m_bHandshaking = false;
        return false;
    }
    // Only now: a refused connection must not look like a dialogue that broke off.
    connect(m_pSocket, &QTcpSocket::disconnected, this, &QServer::OnSocketGone);
    connect(m_pSocket, &QTcpSocket::errorOccurred, this, &QServer::OnSocketGone);
    m_eTlsStage = mode == QMailServerAddress::StartTls ? TlsStage::Greeting : TlsStage::None;
    AwaitReply();
    return true;
}

void QServer::ConfigureTls(QSslSocket* socket) const {
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    config.setPeerVerifyMode(QSslSocket::VerifyPeer);
    if (!m_Record.m_strTrustedCaFile.isEmpty()) {
        const QList<QSslCertificate> extra =
            QSslCertificate::fromPath(m_Record.m_strTrustedCaFile, QSsl::Pem);
        if (extra.isEmpty()) {
            qWarning("mail: no certificate could be read from %s", qPrintable(m_Record.m_strTrustedCaFile));
        }
        // Setting the list replaces the system's store, so it goes in first.
        config.setCaCertificates(QSslConfiguration::systemCaCertificates() + extra);
    }
    socket->setSslConfiguration(config);
}

void QServer::readdata() {
    // Waiting for a write may deliver data; it is read once the message is out.
    if (m_bWriting) {
        return;
    }
    // Replies are read in a loop: data that arrived while a long write waited
    // for the socket brings no second readyRead.
    while (m_pSocket && m_pSocket->bytesAvailable() > 0) {
        const QByteArray bytes = m_pSocket->readAll();
        if (m_bFinished) {
            continue; // the answer to QUIT, or anything after a failure
        }
        if (!m_Replies.Append(bytes)) {
            Finish(Refused);
            continue;
        }
        while (m_Replies.HasReply() && !m_bFinished) {
            const QSmtpReplies::Reply reply = m_Replies.Take();
            if (m_eTlsStage != TlsStage::None) {
                HandleStartTls(reply);
            } else {
                HandleReply(reply);
            }
        }
    }
}

void QServer::HandleReply(const QSmtpReplies::Reply& reply) {
    if (!IsAccepted(reply.m_nCode)) {
        Finish(Refused);
        return;
    }
    ++m_nStep;
    if (m_nStep == LastStep) {
        Finish(Sent);
        return;
    }
    SendStep();
}

void QServer::HandleStartTls(const QSmtpReplies::Reply& reply) {
    switch (m_eTlsStage) {
    case TlsStage::Greeting:
        if (reply.m_nCode != 220) {
            Finish(Refused);
            return;
        }
        Write("EHLO " + GreetingName() + "\r\n");
        m_eTlsStage = TlsStage::Ehlo;
        AwaitReply();
        return;
    case TlsStage::Ehlo:
        if (reply.m_nCode != 250 || !OffersStartTls(reply.m_Lines)) {
            Finish(NoEncryption);
            return;
        }
        Write("STARTTLS\r\n");
        m_eTlsStage = TlsStage::StartTls;
        AwaitReply();
        return;
    case TlsStage::StartTls:
        if (reply.m_nCode != 220) {
            Finish(NoEncryption);
            return;
        }
        // Anything the server sent after its 220 came before the encryption and
        // must not be read as if it came through it.
        m_Replies.Clear();
        m_pSocket->readAll();
        m_eTlsStage = TlsStage::Handshake;
        m_bHandshaking = true;
        static_cast<QSslSocket*>(m_pSocket)->startClientEncryption();
        AwaitReply();
        return;
    case TlsStage::Handshake:
    case TlsStage::None:
        break;
    }
    Finish(NoEncryption); // plain text where the handshake was expected
}

void QServer::OnEncrypted() {
    m_bHandshaking = false;
    if (m_eTlsStage != TlsStage::Handshake) {
        return; // TLS from the first byte: the greeting comes next
    }
    // Inside TLS the server has forgotten the first greeting: the dialogue
    // starts again, with EHLO as its first command.
    m_eTlsStage = TlsStage::None;
    m_nStep = 1;
    SendStep();
}

void QServer::OnSslErrors(const QList<QSslError>& errors) {
    m_bCertificateRefused = true;
    for (const QSslError& error : errors) {
        qWarning("mail: certificate of %s refused: %s", qPrintable(m_Address.Host()),
                 qPrintable(error.errorString()));
    }
}

QByteArray QServer::GreetingName() const {
    const QHostAddress local = m_pSocket->localAddress();
    if (local.protocol() == QAbstractSocket::IPv6Protocol) {
        return "[IPv6:" + local.toString().toLatin1() + "]";
    }
    return "[" + local.toString().toLatin1() + "]";
}

void QServer::SendStep() {
    switch (m_nStep) {
    case 1:
        Write(m_Address.Mode() == QMailServerAddress::StartTls ? "EHLO " + GreetingName() + "\r\n"
                                                               : QByteArray("HELO []\r\n"));
        break;
    case 2:
        Write("AUTH LOGIN\r\n");
        break;
    case 3:
        Write(m_Record.m_strLogonName.toUtf8().toBase64() + "\r\n");
        break;
    case 4:
        Write(m_Record.m_strLogonKey.toUtf8().toBase64() + "\r\n");
        break;
    case 5:
        Write("MAIL FROM:<" + QMailMessage::OneLine(m_Record.m_strFrom) + ">\r\n");
        break;
    case 6:
        Write("RCPT TO:<" + QMailMessage::OneLine(m_Record.m_strTo) + ">\r\n");
        break;
    case 7:
        Write("DATA\r\n");
        break;
    case 8:
        SendMessage();
        break;
    default:
        return;
    }
    AwaitReply();
}

void QServer::SendMessage() {
    const QScopedValueRollback<bool> writing(m_bWriting, true);
    Write(QMailMessage::Header(m_Record));
    Write(QMailMessage::TextPart(m_Record.m_strBody));
    bool failed = false;
    for (const QString& path : std::as_const(m_Record.m_Attachments)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        QByteArray buffer = file.readAll();
        file.close();
        Write(QMailMessage::AttachmentHead(QMailMessage::AttachmentName(path)));
        for (qsizetype offset = 0; offset < buffer.size(); offset += QMailMessage::PieceSize) {
            // The owner is closing: the server drops a message that never ended.
            if (QThread::currentThread()->isInterruptionRequested()) {
                return;
            }
            const QByteArray piece = buffer.mid(offset, QMailMessage::PieceSize);
            m_nSentBytes += int(piece.size());
            emit Scroll(m_nSentBytes);
            if (!Flush()) {
                failed = true;
                break;
            }
            Write(piece.toBase64() + "\r\n");
        }
        buffer.clear();
        if (failed) {
            Finish(Refused);
            break;
        }
    }
    // Also after a failed attachment: the server gets a complete message.
    Write(QMailMessage::Closing());
    Write("QUIT\r\n");
}

void QServer::Write(const QByteArray& bytes) {
    if (m_pSocket) {
        m_pSocket->write(bytes);
    }
}

bool QServer::Flush() {
    const QDeadlineTimer deadline(WriteTimeout);
    while (m_pSocket && m_pSocket->bytesToWrite() > 0) {
        if (deadline.hasExpired() || !m_pSocket->waitForBytesWritten(int(deadline.remainingTime()))) {
            return false;
        }
    }
    return m_pSocket != nullptr;
}

void QServer::AwaitReply() {
    if (!m_bFinished) {
        m_pReplyTimer->start(m_nReplyTimeout);
    }
}

void QServer::OnReplyTimeout() {
    Finish(LostOutcome());
}

void QServer::OnSocketGone() {
    Finish(LostOutcome());
}

QServer::Outcome QServer::LostOutcome() const {
    if (m_bHandshaking) {
        return m_bCertificateRefused ? Untrusted : NoEncryption;
    }
    return Refused;
}

void QServer::Finish(Outcome outcome) {
    // One outcome per mail: the answer to QUIT after success, or a late 250
    // after a failed attachment, changes nothing any more.
    if (m_bFinished) {
        return;
    }
    m_bFinished = true;
    m_pReplyTimer->stop();
    emit Error(outcome);
}

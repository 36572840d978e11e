#pragma once

#include "QMailRecord.h"
#include "QMailServerAddress.h"
#include "QSmtpReplies.h"

#include <QList>
#include <QObject>
#include <QSslError>

class QSslSocket;
class QTcpSocket;
class QTimer;

// The SMTP client of one send. It lives in the mail thread: it connects, walks
// the command sequence one accepted reply at a time (HELO, AUTH LOGIN with the
// logon name and key, MAIL FROM, RCPT TO, DATA, the message and QUIT), writes
// the whole message at once, and tells the outcome through Error (exactly once)
// and the attachment bytes handed to the socket so far through Scroll.
// Port 465 runs the dialogue inside TLS; STARTTLS ports greet with EHLO, switch
// to TLS and greet again with EHLO in place of HELO (see QMailServerAddress).
class QServer : public QObject {
    Q_OBJECT
public:
    // What Error carries.
    enum Outcome {
        Sent = 0,         // the server accepted the message
        NoConnection = 1, // no connection to the server
        Refused = 2,      // the server refused a step, stopped answering, or a write failed
        Untrusted = 3,    // the server's certificate failed verification
        NoEncryption = 4, // no encrypted connection could be made with the server
    };
    static constexpr int ConnectTimeout = 3000;
    static constexpr int WriteTimeout = 3000;
    static constexpr int ReplyTimeout = 30000;
    // The step of the last accepted reply: the server accepted the message.
    static constexpr int LastStep = 9;

    explicit QServer(const QMailRecord& record, QObject* parent = nullptr);
    ~QServer() override;

    // Opens the connection (within ConnectTimeout); false with ConnectFailure()
    // telling why.
    bool Connect();
    Outcome ConnectFailure() const { return m_eConnectFailure; }
    // How long a step may wait for the server's reply.
    void SetReplyTimeout(int ms) { m_nReplyTimeout = ms; }
    int Step() const { return m_nStep; }

    // Accepted at every step; the client does not check that a reply fits its command.
    static bool IsAccepted(int code);

signals:
    void Error(int iError);
    void Scroll(int iValue);

public slots:
    void readdata();

private slots:
    void OnEncrypted();
    void OnSslErrors(const QList<QSslError>& errors);
    void OnSocketGone();
    void OnReplyTimeout();

private:
    void HandleReply(const QSmtpReplies::Reply& reply);
    void HandleStartTls(const QSmtpReplies::Reply& reply);
    void SendStep();
    void SendMessage();
    void Write(const QByteArray& bytes);
    // Waits up to WriteTimeout until everything written has left.
    bool Flush();
    void AwaitReply();
    void Finish(Outcome outcome);
    // Why the connection ended before the dialogue did.
    Outcome LostOutcome() const;
    QByteArray GreetingName() const;
    void ConfigureTls(QSslSocket* socket) const;

    // Before the dialogue on a STARTTLS port: greeting, EHLO, STARTTLS, handshake.
    enum class TlsStage { None, Greeting, Ehlo, StartTls, Handshake };

    QTcpSocket* m_pSocket = nullptr;
    int m_nStep = 0;
    QMailRecord m_Record;
    QMailServerAddress m_Address;
    QSmtpReplies m_Replies;
    QTimer* m_pReplyTimer;
    int m_nReplyTimeout = ReplyTimeout;
    TlsStage m_eTlsStage = TlsStage::None;
    bool m_bHandshaking = false;
    bool m_bCertificateRefused = false;
    bool m_bFinished = false;
    bool m_bWriting = false;
    Outcome m_eConnectFailure = NoConnection;
    int m_nSentBytes = 0;
};

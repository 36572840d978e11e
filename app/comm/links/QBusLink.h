#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QSystemSettings;

// Link kinds, the values of "CommunicationType".
enum LinkKind {
    LinkSerial = 0,
    LinkTcpClient = 1,
    LinkGprs = 3,
};

// One way to the inverters' bus (a serial port, a TCP connection to an
// Ethernet converter, or a GPRS modem calling in): it opens and closes,
// carries bytes both ways and keeps the status texts the home page and the
// mini window show. It knows nothing of frames or missions. The bus scheduler
// holds one at a time and reads its settings through it when it opens.
class QBusLink : public QObject {
    Q_OBJECT
public:
    // The link of a kind, or none for a kind that names no link.
    static QBusLink* Create(int kind, const QSystemSettings& settings, int gprsPort, QObject* parent);

    virtual int Kind() const = 0;
    // Opens the link; a connection may only be made later (Opened). Failures
    // the user should hear of come as Message when showErrors is set, and
    // always where the link has no quiet retry.
    virtual void Open(bool showErrors) = 0;
    // Closes and lets go of the device or sockets; always ends with Closed.
    virtual void Close() = 0;
    // Writes bytes; a link that cannot write closes itself.
    virtual void Write(const QByteArray& bytes) = 0;
    // Reads what the device holds and passes it on as BytesArrived.
    virtual void ReadAvailable() = 0;
    // Looks at its sockets again (a connection made, accepted or dropped).
    virtual void CheckState() {}
    // The device, socket or server exists: the connect action would close it.
    virtual bool IsActive() const = 0;
    // Bytes can go out and come back now.
    virtual bool CanCarry() const = 0;
    // How long a request may wait for its reply on this link.
    virtual int ReplyTimeout() const = 0;
    // Waiting for a peer to call in.
    virtual bool IsAccepting() const { return false; }
    // One flash tick: a link that waits for a peer shows it.
    virtual void OnWaitingTick() {}

    // Set once the link can be used (port open, connected, server listening).
    bool IsOpen() const { return m_bOpen; }
    QString StatusText() const { return m_strStatus; }
    bool StatusConnected() const { return m_bStatusConnected; }
    QString MiniStatusText() const { return m_strMiniStatus; }
    QString ActionText() const { return m_strAction; }
    // Writes the texts of the present state again in the current language.
    void RetranslateTexts();

signals:
    void BytesArrived(const QByteArray& bytes);
    void Opened();
    // The link went down or was closed: every inverter goes offline.
    void Closed();
    // The byte stream ended while the link stays up (a modem hung up): a
    // request in flight will get no answer.
    void StreamLost();
    void Message(const QString& text);
    void StatusChanged(const QString& text, bool connected);
    void MiniStatusChanged(const QString& text);
    void ActionChanged(const QString& text);

protected:
    QBusLink(const QSystemSettings& settings, QObject* parent);

    void SetOpen(bool open) { m_bOpen = open; }
    // Keeps the step that writes the texts of a state, so that a change of
    // language can write them again, and runs it.
    void ShowTexts(std::function<void()> texts);
    void SetStatus(const QString& text, bool connected, const QString& miniText);
    void SetStatus(const QString& text, bool connected) { SetStatus(text, connected, text); }
    void SetAction(const QString& text);

    const QSystemSettings& m_Settings;

private:
    bool m_bOpen = false;
    QString m_strStatus;
    bool m_bStatusConnected = false;
    QString m_strMiniStatus;
    QString m_strAction;
    std::function<void()> m_Texts;
};

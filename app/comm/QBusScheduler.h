#pragma once

#include "QBusLink.h"
#include "QBusWatch.h"
#include "RtuFrameCodec.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <functional>

class QInverter;
class QMissionList;
class QMissionModel;
class QSystemModel;

// What the link settings dialog returns.
struct CommunicateChoice {
    int m_nKind = LinkSerial;
    int m_nComNumber = 1;
    int m_nBaudRate = 9600;
    QString m_strIPAddress;
    int m_nIPNumber = 8011;
    int m_nGprsNumber = 0;
};

// The bus master: holds the one link in use and the one request in flight.
// Its 20 ms tick sends the next due mission, watches the reply time-out and
// repeats an unanswered request three times before the inverter goes offline.
// The link only carries bytes; the codec finds the reply to the request in
// flight among them, and only a reply that answers it reaches the plant's
// reply handler. Time comes from the clock it is given. Status texts and the
// connect action's text come from the link and are passed on by signals;
// messages for the user go through a callback the window provides.
class QBusScheduler : public QObject {
    Q_OBJECT
public:
    using SearchCallback = std::function<void(QMissionModel*)>;
    using MessageCallback = std::function<void(const QString&)>;
    using Clock = std::function<QDateTime()>;

    static constexpr int TickInterval = 20;
    static constexpr int DefaultGprsPort = 10000;

    // The program gives SystemClock::Now; a test a clock it moves by hand.
    QBusScheduler(QSystemModel* plant, Clock clock, QObject* parent = nullptr);
    ~QBusScheduler() override;

    // Starts and stops the 20 ms tick.
    void Start() { m_Tick.start(); }
    void Stop() { m_Tick.stop(); }
    QTimer* Timer() { return &m_Tick; }

    void SetMessageCallback(MessageCallback callback) { m_Message = std::move(callback); }
    void SetSearchCallback(SearchCallback callback) { m_Search = std::move(callback); }
    // The GPRS server listens on this port (10000; tests pick a free one), from
    // the next GPRS link on.
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

    // Opening a link of one kind closes the link of any other kind first.
    void OpenSerialLink();
    void CloseSerialLink();
    void OpenTcpLink(bool showErrors);
    void CloseTcpLink();
    void OpenGprsLink();
    void CloseGprsLink();
    void WriteFrame(const QByteArray& frame);
    // Bytes may be waiting on the link / its connection may have changed.
    void ReadLink();
    void CheckLink();

    QBusLink* Link() const { return m_pLink; }
    // The bus monitor's line: told of every exchange while a monitor is open.
    QBusWatch& Watch() { return m_Watch; }
    QMissionModel* CurrentMission() const { return m_pCurrent; }
    bool IsWaiting() const { return m_bWaiting; }
    bool IsLinkOpen() const { return m_pLink && m_pLink->IsOpen(); }
    bool IsAccepting() const { return m_pLink && m_pLink->IsAccepting(); }
    int ReplyTimeout() const;
    QString StatusText() const { return m_pLink ? m_pLink->StatusText() : QString(); }
    bool StatusConnected() const { return m_pLink && m_pLink->StatusConnected(); }
    QString MiniStatusText() const { return m_pLink ? m_pLink->MiniStatusText() : QString(); }
    QString ConnectActionText() const { return m_pLink ? m_pLink->ActionText() : QString(); }

public slots:
    void OnCommunicateTimer();
    void OnAutoConnectTimer();

signals:
    // The home page's status line.
    void StatusChanged(const QString& text, bool connected);
    // The mini window's status line.
    void MiniStatusChanged(const QString& text);
    // The text of the main window's connect action.
    void ConnectActionChanged(const QString& text);
    // Every frame written on the link (monitoring and tests).
    void FrameWritten(const QByteArray& frame);
    // A reply accepted for an inverter's mission, just before it is decoded.
    void ReplyAccepted(QMissionModel* mission);

private:
    // The time of day from the clock the scheduler was given.
    QTime TimeNow() const;
    // Makes the link of this kind the one in use (closing one of another kind) and opens it.
    void OpenLink(int kind, bool showErrors, bool enableListsOnOpen = false);
    void CloseLink(int kind);
    void UseLink(QBusLink* link);
    void ReleaseLink();
    void OnLinkOpened();
    void OnLinkClosed();
    void OnStreamLost();
    void OnBytesArrived(const QByteArray& bytes);

    void ShowMessage(const QString& text);
    void AllInvertersOffline();
    // The inverter of the mission in flight, or none for a probe or when its
    // owner has let go of the mission in the meantime.
    QInverter* CurrentInverter() const;
    void ForgetCurrent();
    void SendCurrent();
    void RemoveInverter(QInverter* inverter);
    void TakeReply();
    // Milliseconds since the request in flight was (last) sent.
    int SinceSent() const;
    // No reply in time, or a garbled one: the request is repeated until the
    // retries are used up. True when the next mission may go out at once.
    bool CountFailure(bool timedOut);
    // The link lost the stream the request went out on: no answer will come.
    void AbandonCurrent();

    // A device that missed the time-out answers the repeats too, in order: the
    // replies still owed for a request already answered hold back every
    // request whose reply would look the same, until they came or are too old.
    struct OwedReplies {
        QByteArray request;
        int count = 0;
        QTime since;
        RtuFrameCodec codec;
    };
    void OweReplies(const QByteArray& request, int count);
    void CountOwedReplies(const QByteArray& bytes);
    void ExpireOwedReplies(const QTime& now);
    bool IsHeld(const QMissionModel* mission) const;

    QSystemModel* m_pPlant;
    Clock m_Clock;
    // The system clock's time of day comes cheaper without the whole local date
    // and time (SystemClock::CurrentTime): the tick asks for it 50 times a second.
    bool m_bSystemClock = false;
    QTimer m_Tick;
    QBusLink* m_pLink = nullptr;
    RtuFrameCodec m_Codec;
    QBusWatch m_Watch;

    QMissionModel* m_pCurrent = nullptr;
    QMissionList* m_pCurrentList = nullptr; // owner of the current mission when it was sent
    QInverter* m_pCurrentInverter = nullptr;
    QTime m_SendTime;
    bool m_bWaiting = false;
    int m_nTimedOut = 0; // attempts of the request in flight that got no reply in time
    QList<OwedReplies> m_Owed;
    bool m_bEnableListsOnOpen = false;
    int m_nGprsPort = DefaultGprsPort;

    SearchCallback m_Search;
    MessageCallback m_Message;
};

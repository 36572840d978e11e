#include "QBusScheduler.h"

#include "QInverter.h"
#include "QMissionList.h"
#include "QMissionModel.h"
#include "QSerialLink.h"
#include "QSystemModel.h"
#include "SystemClock.h"

#include <algorithm>

QBusScheduler::QBusScheduler(QSystemModel* plant, Clock clock, QObject* parent)
    : QObject(parent), m_pPlant(plant), m_Clock(std::move(clock)) {
    auto* const* system = m_Clock.target<QDateTime (*)()>();
    m_bSystemClock = system && *system == &SystemClock::Now;
    m_Tick.setInterval(TickInterval);
    connect(&m_Tick, &QTimer::timeout, this, &QBusScheduler::OnCommunicateTimer);
}

QTime QBusScheduler::TimeNow() const {
    return m_bSystemClock ? SystemClock::CurrentTime() : m_Clock().time();
}

QBusScheduler::~QBusScheduler() {
    m_Tick.stop();
    // A probe in flight belongs to the scheduler; list missions to their lists.
    if (m_pCurrent && !m_pCurrentList) {
        delete m_pCurrent;
    }
    m_pCurrent = nullptr;
    if (m_pLink) {
        m_pLink->disconnect(this);
    }
}

void QBusScheduler::ShowMessage(const QString& text) {
    if (m_Message) {
        m_Message(text);
    }
}

int QBusScheduler::ReplyTimeout() const {
    return m_pLink ? m_pLink->ReplyTimeout() : QSerialLink::ReplyTimeoutMs;
}

// --- the request in flight

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
    m_Codec.ExpectReply(m_pCurrent->Request());
    m_SendTime = TimeNow();
    m_Watch.Sent(*m_pCurrent);
    // Last: a link that cannot write closes, and the mission is let go then.
    WriteFrame(m_pCurrent->Request());
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
    if (!m_pLink || !m_pLink->CanCarry()) {
        return;
    }
    const QTime now = TimeNow();
    if (m_pCurrent && m_bWaiting) {
        if (SystemClock::MsecsBetween(m_SendTime, now) <= m_pLink->ReplyTimeout()) {
            return;
        }
        m_Watch.TimedOut(*m_pCurrent, SinceSent());
        if (!CountFailure(true)) {
            return;
        }
    }
    if (m_pCurrent) {
        return;
    }
    ExpireOwedReplies(now);
    QMissionModel* next =
        m_Owed.isEmpty() ? m_pPlant->NextMission(now)
                         : m_pPlant->NextMission(now, [this](const QMissionModel* m) { return IsHeld(m); });
    if (!next) {
        return;
    }
    m_pCurrent = next;
    m_nTimedOut = 0;
    if (next->Code() == MissionCodeSearch || !next->Owner()) {
        m_pCurrentList = nullptr;
        m_pCurrentInverter = nullptr;
    } else {
        m_pCurrentList = next->Owner();
        m_pCurrentInverter = m_pCurrentList->Inverter();
    }
    next->SetBusy(true);
    m_bWaiting = true;
    if (m_pCurrentInverter && m_pCurrentInverter->CommState() == CommOffline) {
        m_pCurrentInverter->SetCommState(CommConnecting);
    }
    SendCurrent();
}

bool QBusScheduler::CountFailure(bool timedOut) {
    if (!m_pCurrentList) {
        // A probe that got no answer: the search hears of it and goes on.
        QMissionModel* probe = m_pCurrent;
        ForgetCurrent();
        delete probe;
        if (m_Search) {
            m_Search(nullptr);
        }
        return true;
    }
    QInverter* inverter = CurrentInverter();
    if (!inverter) {
        ForgetCurrent(); // its owner let go of it meanwhile
        return true;
    }
    if (inverter->IsDeletePending()) {
        RemoveInverter(inverter);
        return false;
    }
    if (inverter->AdvanceRetry()) {
        inverter->SetCommState(CommOffline);
        inverter->MissionList().ResetTimers(TimeNow());
        ForgetCurrent();
        return true;
    }
    // A garbled reply was the device's answer; a silent attempt may still be answered late.
    m_nTimedOut += timedOut ? 1 : 0;
    SendCurrent();
    return false;
}

void QBusScheduler::AbandonCurrent() {
    if (!m_pCurrent) {
        return;
    }
    if (!m_pCurrentList) {
        CountFailure(true);
        return;
    }
    QInverter* inverter = CurrentInverter();
    QMissionModel* mission = m_pCurrent;
    ForgetCurrent();
    if (!inverter) {
        return;
    }
    if (inverter->IsDeletePending()) {
        RemoveInverter(inverter);
        return;
    }
    // Its reply cannot come on another connection: it is sent again when due
    // instead of being waited for to the end of its time-out.
    mission->SetBusy(false);
}

void QBusScheduler::OnBytesArrived(const QByteArray& bytes) {
    if (!m_Owed.isEmpty()) {
        CountOwedReplies(bytes);
    }
    if (!m_pCurrent || !m_bWaiting) {
        return; // nothing in flight: nobody's reply
    }
    m_Watch.Heard(bytes);
    switch (m_Codec.AppendReply(bytes)) {
    case RtuReplyState::Complete:
        m_Watch.Accepted(*m_pCurrent, m_Codec.Reply(), SinceSent());
        TakeReply();
        break;
    case RtuReplyState::Rejected:
        m_Watch.Garbled(*m_pCurrent, SinceSent());
        // Mended: on the serial line a garbled reply was decoded as it stood.
        CountFailure(false);
        break;
    case RtuReplyState::NeedMore:
        break;
    }
}

int QBusScheduler::SinceSent() const {
    return SystemClock::MsecsBetween(m_SendTime, TimeNow());
}

void QBusScheduler::TakeReply() {
    QMissionModel* mission = m_pCurrent;
    if (!m_pCurrentList) {
        ForgetCurrent();
        mission->AcceptReply(m_Codec.Reply());
        if (m_Search) {
            m_Search(mission);
        }
        delete mission;
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
    QMissionList* list = m_pCurrentList;
    ForgetCurrent();
    if (!mission->AcceptReply(m_Codec.Reply())) {
        return; // cannot happen: the codec checked it against the same request
    }
    if (m_nTimedOut > 0) {
        OweReplies(mission->Request(), m_nTimedOut);
    }
    inverter->ResetRetry();
    emit ReplyAccepted(mission);
    list->FinishMission(mission, TimeNow());
    if (inverter->CommState() == CommConnecting) {
        inverter->SetCommState(CommOnline);
    }
}

void QBusScheduler::WriteFrame(const QByteArray& frame) {
    emit FrameWritten(frame);
    if (m_pLink) {
        m_pLink->Write(frame);
    }
}

// --- the link

void QBusScheduler::UseLink(QBusLink* link) {
    m_pLink = link;
    connect(link, &QBusLink::BytesArrived, this, &QBusScheduler::OnBytesArrived);
    connect(link, &QBusLink::Opened, this, &QBusScheduler::OnLinkOpened);
    connect(link, &QBusLink::Closed, this, &QBusScheduler::OnLinkClosed);
    connect(link, &QBusLink::StreamLost, this, &QBusScheduler::OnStreamLost);
    connect(link, &QBusLink::Message, this, &QBusScheduler::ShowMessage);
    connect(link, &QBusLink::StatusChanged, this, &QBusScheduler::StatusChanged);
    connect(link, &QBusLink::MiniStatusChanged, this, &QBusScheduler::MiniStatusChanged);
    connect(link, &QBusLink::ActionChanged, this, &QBusScheduler::ConnectActionChanged);
}

void QBusScheduler::ReleaseLink() {
    if (!m_pLink) {
        return;
    }
    QBusLink* link = m_pLink;
    link->Close();
    link->disconnect(this);
    m_pLink = nullptr;
    link->deleteLater();
}

void QBusScheduler::OpenLink(int kind, bool showErrors, bool enableListsOnOpen) {
    if (!m_pLink || m_pLink->Kind() != kind) {
        QBusLink* link = QBusLink::Create(kind, m_pPlant->Settings(), m_nGprsPort, this);
        if (!link) {
            return;
        }
        // Mended: the link of the kind used before stayed open beside the new
        // one, and a modem's socket could be read instead of the converter.
        ReleaseLink();
        UseLink(link);
    }
    m_bEnableListsOnOpen = enableListsOnOpen;
    m_pLink->Open(showErrors);
}

void QBusScheduler::CloseLink(int kind) {
    if (!m_pLink) {
        // Closing before anything was opened still shows the closed link and
        // takes every inverter off the bus.
        if (QBusLink* link = QBusLink::Create(kind, m_pPlant->Settings(), m_nGprsPort, this)) {
            UseLink(link);
        }
    }
    if (m_pLink && m_pLink->Kind() == kind) {
        m_pLink->Close();
    }
}

void QBusScheduler::OnLinkOpened() {
    if (!m_bEnableListsOnOpen) {
        return;
    }
    m_bEnableListsOnOpen = false;
    for (QInverter* inverter : m_pPlant->Inverters()) {
        if (inverter->Address() >= 0 && inverter->Address() <= 254) {
            inverter->MissionList().SetEnabled(true);
        }
    }
}

void QBusScheduler::OnLinkClosed() {
    OnStreamLost();
    AllInvertersOffline();
}

void QBusScheduler::OnStreamLost() {
    m_Owed.clear(); // nothing owed comes on a new connection
    AbandonCurrent();
}

// --- replies owed to earlier attempts

// Mended: the late answer to an earlier attempt completed the next request
// that looked the same, and was decoded as that request's data.
void QBusScheduler::OweReplies(const QByteArray& request, int count) {
    OwedReplies owed;
    owed.request = request;
    owed.count = count;
    owed.since = TimeNow();
    owed.codec.ExpectReply(request);
    m_Owed.append(owed);
}

void QBusScheduler::CountOwedReplies(const QByteArray& bytes) {
    for (auto it = m_Owed.begin(); it != m_Owed.end();) {
        if (it->codec.AppendReply(bytes) == RtuReplyState::Complete) {
            if (--it->count == 0) {
                it = m_Owed.erase(it);
                continue;
            }
            it->codec.ExpectReply(it->request);
        }
        ++it;
    }
}

void QBusScheduler::ExpireOwedReplies(const QTime& now) {
    // A device late enough to miss the time-out once may be as late with the
    // repeat: its reply is waited for over two time-outs.
    const int limit = 2 * ReplyTimeout();
    m_Owed.erase(std::remove_if(m_Owed.begin(), m_Owed.end(),
                                [&](const OwedReplies& owed) {
                                    return SystemClock::MsecsBetween(owed.since, now) > limit;
                                }),
                 m_Owed.end());
}

bool QBusScheduler::IsHeld(const QMissionModel* mission) const {
    for (const OwedReplies& owed : m_Owed) {
        if (RtuFrameCodec::RepliesAlike(owed.request, mission->Request())) {
            return true;
        }
    }
    return false;
}

void QBusScheduler::AllInvertersOffline() {
    m_pPlant->TakeBusOffline();
}

void QBusScheduler::ReadLink() {
    if (m_pLink) {
        m_pLink->ReadAvailable();
    }
}

void QBusScheduler::CheckLink() {
    if (m_pLink) {
        m_pLink->CheckState();
    }
}

void QBusScheduler::OpenConfiguredLink() {
    OpenLink(m_pPlant->Settings().CommunicationType(), true);
}

void QBusScheduler::Connect() {
    const int kind = m_pPlant->Settings().CommunicationType();
    if (m_pLink && m_pLink->Kind() == kind && m_pLink->IsActive()) {
        m_pLink->Close();
        return;
    }
    OpenLink(kind, true);
}

void QBusScheduler::OnAutoConnectTimer() {
    if (IsLinkOpen() || m_pPlant->Settings().CommunicationType() != LinkTcpClient) {
        return;
    }
    if (m_pLink && m_pLink->Kind() == LinkTcpClient && m_pLink->IsActive()) {
        return; // an attempt is still under way
    }
    // After a reconnect every inverter on the bus is polled again.
    OpenLink(LinkTcpClient, false, true);
}

void QBusScheduler::OpenSerialLink() {
    OpenLink(LinkSerial, true);
}

void QBusScheduler::CloseSerialLink() {
    CloseLink(LinkSerial);
}

void QBusScheduler::OpenTcpLink(bool showErrors) {
    OpenLink(LinkTcpClient, showErrors);
}

void QBusScheduler::CloseTcpLink() {
    CloseLink(LinkTcpClient);
}

void QBusScheduler::OpenGprsLink() {
    OpenLink(LinkGprs, true);
}

void QBusScheduler::CloseGprsLink() {
    CloseLink(LinkGprs);
}

void QBusScheduler::OnWaitingAnimation() {
    if (m_pLink) {
        m_pLink->OnWaitingTick();
    }
}

void QBusScheduler::RetranslateTexts() {
    if (m_pLink) {
        m_pLink->RetranslateTexts();
    }
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
            OpenLink(LinkSerial, true);
        }
    }
    if (choice.m_strIPAddress != s.IPAddress() || choice.m_nIPNumber != s.IPNumber()) {
        m_pPlant->SetSystemValue(QStringLiteral("IPAddress"), choice.m_strIPAddress, false);
        m_pPlant->SetSystemValue(QStringLiteral("IP_number"), QString::number(choice.m_nIPNumber), true);
        if (choice.m_nKind == LinkTcpClient) {
            m_pPlant->SetSystemValue(kindKey, QStringLiteral("1"), true);
            OpenLink(LinkTcpClient, true);
        }
    }
    if (choice.m_nGprsNumber != m_pPlant->GetSystemValue(QStringLiteral("GPRS_Number")).toInt()) {
        m_pPlant->SetSystemValue(QStringLiteral("GPRS_Number"), QString::number(choice.m_nGprsNumber), true);
        if (choice.m_nKind == LinkGprs) {
            m_pPlant->SetSystemValue(kindKey, QStringLiteral("3"), true);
            CloseLink(LinkGprs);
            OpenLink(LinkGprs, true);
        }
    }
    if (choice.m_nKind != s.CommunicationType()) {
        m_pPlant->SetSystemValue(kindKey, QString::number(choice.m_nKind), true);
        CloseLink(choice.m_nKind);
        OpenLink(choice.m_nKind, true);
    }
}

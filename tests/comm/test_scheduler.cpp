#include "../common/ManualClock.h"
#include "../common/WireCrc.h"
#include "DataPaths.h"
#include "QBusScheduler.h"
#include "QGprsServerLink.h"
#include "QInverter.h"
#include "QMissionModel.h"
#include "QSystemFile.h"
#include "QSystemModel.h"
#include "SystemClock.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <functional>

namespace {
QByteArray WithCrc(const QByteArray& frame) {
    return WireCrc::With(frame);
}

// A normal reply to a request: zeros for a read, the echo for a write.
QByteArray NormalReply(const QByteArray& request) {
    if (uchar(request[1]) == 0x03) {
        const int n = uchar(request[5]);
        return WithCrc(request.left(2) + char(2 * n) + QByteArray(2 * n, '\0'));
    }
    return WithCrc(request.left(6));
}

// The Ethernet converter's side of the link: a loopback server that hears every
// request and answers as the test tells it.
class FakeConverter : public QObject {
public:
    QTcpServer server;
    QTcpSocket* peer = nullptr;
    QList<QByteArray> requests;
    std::function<QByteArray(const QByteArray&)> answer = NormalReply;

    FakeConverter() {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, this, [this] {
            peer = server.nextPendingConnection();
            QObject::connect(peer, &QTcpSocket::readyRead, this, [this] {
                const QByteArray bytes = peer->readAll();
                // Requests of this test always arrive whole; a read is 8 bytes.
                requests.append(bytes);
                const QByteArray reply = answer ? answer(bytes) : QByteArray();
                if (!reply.isEmpty()) {
                    peer->write(reply);
                }
            });
        });
    }
    int Port() const { return server.serverPort(); }
    int AddressOf(int i) const { return uchar(requests.at(i).at(0)); }
};

QMissionModel* FindCode(QInverter* inverter, int code) {
    for (QMissionModel* mission : inverter->MissionList().Missions()) {
        if (mission->Code() == code) {
            return mission;
        }
    }
    return nullptr;
}

QInverter* NewInverter(QSystemModel& plant, const QString& name, int address) {
    auto* inverter = new QInverter;
    inverter->SetName(name);
    inverter->SetAddress(address);
    plant.AddInverter(inverter);
    return inverter;
}
} // namespace

class TestScheduler : public QObject {
    Q_OBJECT
    QTemporaryDir m_Dir;
    QSystemFile m_SystemFile; // system.dat in the test's data directory
    ManualClock m_Clock;
    QSystemModel* m_pPlant = nullptr;
    QBusScheduler* m_pBus = nullptr;
    FakeConverter* m_pConv = nullptr;
    QList<int> m_Handled; // mission codes that reached the reply handler
    QStringList m_Messages;

    void Tick(int ms = 20) {
        m_Clock.Advance(ms);
        m_pBus->OnCommunicateTimer();
    }
    // Opens the TCP link and waits for the connection.
    void OpenTcp() {
        m_pBus->OpenTcpLink(true);
        QTRY_VERIFY(m_pBus->IsLinkOpen());
    }
    QGprsServerLink* Gprs() const { return qobject_cast<QGprsServerLink*>(m_pBus->Link()); }
    QTcpServer* GprsServer() const { return Gprs() ? Gprs()->Server() : nullptr; }
    QTcpSocket* GprsModem() const { return Gprs() ? Gprs()->Socket() : nullptr; }
    bool HasLink(int kind) const {
        return m_pBus->Link() && m_pBus->Link()->Kind() == kind && m_pBus->Link()->IsActive();
    }
    // Ticks until the converter has seen n requests (the reply, if any, is processed too).
    void WaitForRequests(int n) {
        QTRY_COMPARE_WITH_TIMEOUT(m_pConv->requests.size(), n, 2000);
        QTest::qWait(20);
    }

private slots:
    void init() {
        DataPaths::SetDataDir(m_Dir.path());
        SystemClock::SetFixed(QDateTime(QDate(2026, 6, 15), QTime(12, 0)));
        m_Clock.Set(QDateTime(QDate(2026, 6, 15), QTime(12, 0)));
        m_pConv = new FakeConverter;
        m_pPlant = new QSystemModel;
        m_pPlant->Settings().SetStore(&m_SystemFile);
        m_pPlant->SetSystemValue("CommunicationType", "1", false);
        m_pPlant->SetSystemValue("IPAddress", "127.0.0.1", false);
        m_pPlant->SetSystemValue("IP_number", QString::number(m_pConv->Port()), false);
        m_Handled.clear();
        m_Messages.clear();
        m_pBus = new QBusScheduler(m_pPlant, m_Clock.Func());
        connect(m_pBus, &QBusScheduler::ReplyAccepted, this,
                [this](QMissionModel* m) { m_Handled.append(m->Code()); });
        m_pBus->SetMessageCallback([this](const QString& text) { m_Messages.append(text); });
    }
    void cleanup() {
        delete m_pBus;
        delete m_pPlant;
        delete m_pConv;
        SystemClock::UseSystem();
    }

    void nothingHappensWithoutALink() {
        NewInverter(*m_pPlant, "A", 1);
        QSignalSpy written(m_pBus, &QBusScheduler::FrameWritten);
        Tick();
        QCOMPARE(written.count(), 0);
        QCOMPARE(m_pBus->CurrentMission(), nullptr);
    }

    void tcpLinkStatusTexts() {
        OpenTcp();
        QCOMPARE(m_pBus->StatusText(), QString("127.0.0.1(%1)On-line!").arg(m_pConv->Port()));
        QVERIFY(m_pBus->StatusConnected());
        QCOMPARE(m_pBus->ConnectActionText(), QStringLiteral("Disconnect"));
        m_pBus->CloseTcpLink();
        QCOMPARE(m_pBus->StatusText(), QString("127.0.0.1(%1)not online!").arg(m_pConv->Port()));
        QCOMPARE(m_pBus->ConnectActionText(), QStringLiteral("Connect to server"));
        QVERIFY(m_Messages.isEmpty());
    }

    void failedConnectShowsAMessageOnlyFromTheMenu() {
        const int port = m_pConv->Port();
        m_pConv->server.close();
        m_pPlant->SetSystemValue("IP_number", QString::number(port), false);
        m_pBus->OpenTcpLink(false);
        QTRY_VERIFY(!HasLink(LinkTcpClient)); // the attempt has ended
        QVERIFY(m_Messages.isEmpty());
        QVERIFY(!m_pBus->IsLinkOpen());
        m_pBus->OnAutoConnectTimer();
        QTRY_VERIFY(!HasLink(LinkTcpClient));
        QVERIFY(m_Messages.isEmpty());
        m_pBus->OpenTcpLink(true);
        QTRY_COMPARE(m_Messages, QStringList{"Failed to connect to server!"});
    }

    void connectingNeverWaitsAndGivesUpAfterASecond() {
        // A converter that takes no more connections: the first call fills its
        // queue, ours is left without an answer.
        QTcpServer full;
        full.setListenBacklogSize(0);
        QVERIFY(full.listen(QHostAddress::LocalHost, 0));
        full.pauseAccepting();
        QTcpSocket first;
        first.connectToHost(QHostAddress::LocalHost, full.serverPort());
        QVERIFY(first.waitForConnected(1000));
        m_pPlant->SetSystemValue("IP_number", QString::number(full.serverPort()), false);

        QElapsedTimer elapsed;
        elapsed.start();
        m_pBus->OpenTcpLink(true);
        QVERIFY2(elapsed.elapsed() < 200, qPrintable(QString::number(elapsed.elapsed())));
        QVERIFY(m_Messages.isEmpty());
        QVERIFY(HasLink(LinkTcpClient)); // still trying
        QTRY_COMPARE_WITH_TIMEOUT(m_Messages, QStringList{"Failed to connect to server!"}, 5000);
        QVERIFY(elapsed.elapsed() >= 950);
        QCOMPARE(m_pBus->StatusText(), QString("127.0.0.1(%1)not online!").arg(full.serverPort()));
        QVERIFY(!HasLink(LinkTcpClient));
    }

    void pollOnlineAndOffline() {
        QInverter* a = NewInverter(*m_pPlant, "A", 1);
        OpenTcp();
        // Opening a link takes every inverter offline; the auto-connect or the
        // user enables them again.
        QVERIFY(!a->MissionList().IsEnabled());
        a->MissionList().SetEnabled(true);
        Tick();
        QCOMPARE(a->CommState(), int(CommConnecting));
        WaitForRequests(1);
        QCOMPARE(a->CommState(), int(CommOnline));
        QCOMPARE(m_Handled.size(), 1);
        QCOMPARE(m_pBus->CurrentMission(), nullptr);
    }

    void silentInverterGoesOfflineAfterFourSendsAndTheNextIsServed() {
        QInverter* a = NewInverter(*m_pPlant, "A", 1);
        QInverter* b = NewInverter(*m_pPlant, "B", 2);
        OpenTcp();
        a->MissionList().SetEnabled(true);
        b->MissionList().SetEnabled(true);
        m_pConv->answer = [](const QByteArray& req) { return req[0] == 1 ? QByteArray() : NormalReply(req); };
        // Make A's model read the most overdue so it goes first.
        a->MissionList().Missions().first()->SetLastTime(QTime(0, 0));
        Tick();
        WaitForRequests(1);
        QCOMPARE(m_pConv->AddressOf(0), 1);
        for (int repeat = 1; repeat <= 3; ++repeat) {
            Tick(1000); // 1000 ms since the send: not yet
            QCOMPARE(m_pConv->requests.size(), repeat);
            Tick(1); // 1001 ms: the same frame again
            WaitForRequests(repeat + 1);
            QCOMPARE(m_pConv->requests.last(), m_pConv->requests.first());
            QCOMPARE(a->RetryCount(), repeat);
        }
        QCOMPARE(a->CommState(), int(CommConnecting));
        Tick(1001); // the fourth time-out: offline, and B's turn in the same tick
        QCOMPARE(a->CommState(), int(CommOffline));
        QCOMPARE(a->RetryCount(), 0);
        QCOMPARE(a->MissionList().FastPeriod(), 59000);
        for (QMissionModel* m : a->MissionList().Missions()) {
            QVERIFY(!m->IsBusy());
            QCOMPARE(m->LastTime(), m_Clock.CurrentTime());
        }
        WaitForRequests(5);
        QCOMPARE(m_pConv->AddressOf(4), 2);
        QCOMPARE(b->CommState(), int(CommOnline));
    }

    void gprsWaitsFiftySeconds() {
        m_pPlant->SetSystemValue("CommunicationType", "3", false);
        m_pBus->SetGprsPort(0); // any free port
        m_pBus->OpenGprsLink();
        QVERIFY(GprsServer());
        QCOMPARE(m_pBus->StatusText(), QStringLiteral("waiting"));
        QCOMPARE(m_pBus->ConnectActionText(), QStringLiteral("Close GPRS server"));
        QTcpSocket modem;
        modem.connectToHost(QHostAddress::LocalHost, GprsServer()->serverPort());
        QVERIFY(modem.waitForConnected(1000));
        QTRY_VERIFY(GprsModem());
        QCOMPARE(m_pBus->ReplyTimeout(), 50000);
        QVERIFY(m_pBus->StatusText().startsWith("GPRS(127.0.0.1:"));
        QVERIFY(m_pBus->StatusText().endsWith(")!"));
        QInverter* a = NewInverter(*m_pPlant, "A", 1);
        Tick();
        QTRY_VERIFY(modem.bytesAvailable() >= 8);
        const QByteArray request = modem.readAll();
        Tick(50000);
        QVERIFY(!modem.waitForReadyRead(50)); // 50000 ms: still waiting
        Tick(1);
        QTRY_VERIFY(modem.bytesAvailable() >= 8);
        QCOMPARE(modem.readAll(), request);
        modem.write(NormalReply(request));
        QTRY_COMPARE(a->CommState(), int(CommOnline));

        // The modem hangs up with a request in flight and calls again: accepted
        // again, and the request goes out anew without waiting out its 50 s.
        Tick(2001);
        QTRY_VERIFY(modem.bytesAvailable() >= 8);
        modem.readAll();
        QVERIFY(m_pBus->CurrentMission());
        modem.disconnectFromHost();
        QTRY_VERIFY(!GprsModem());
        QCOMPARE(m_pBus->CurrentMission(), nullptr);
        QCOMPARE(a->CommState(), int(CommOnline)); // a hang-up takes nobody offline
        QCOMPARE(m_pBus->StatusText(), QStringLiteral("waiting"));
        QCOMPARE(m_pBus->MiniStatusText(), QStringLiteral("waiting!"));
        QVERIFY(m_pBus->IsAccepting());
        QTcpSocket again;
        again.connectToHost(QHostAddress::LocalHost, GprsServer()->serverPort());
        QVERIFY(again.waitForConnected(1000));
        QTRY_VERIFY(GprsModem());
        Tick(2001);
        QTRY_VERIFY(again.bytesAvailable() >= 8);
    }

    void waitingAnimation() {
        m_pPlant->SetSystemValue("CommunicationType", "3", false);
        m_pBus->SetGprsPort(0);
        m_pBus->OpenGprsLink();
        QStringList texts;
        for (int i = 0; i < 27; ++i) {
            m_pBus->OnWaitingAnimation();
            texts.append(m_pBus->StatusText());
        }
        QCOMPARE(texts[0], QStringLiteral("waiting ."));
        QCOMPARE(texts[4], QStringLiteral("waiting ."));
        QCOMPARE(texts[5], QStringLiteral("waiting .."));
        QCOMPARE(texts[10], QStringLiteral("waiting ..."));
        QCOMPARE(texts[15], QStringLiteral("waiting ...."));
        QCOMPARE(texts[24], QStringLiteral("waiting ....."));
        QCOMPARE(texts[25], QStringLiteral("waiting"));
        QCOMPARE(texts[26], QStringLiteral("waiting ."));
        QVERIFY(!m_pBus->StatusConnected());
    }

    void badCrcIsAskedForAgainAtOnceOnTcp() {
        QInverter* a = NewInverter(*m_pPlant, "A", 1);
        OpenTcp();
        a->MissionList().SetEnabled(true);
        int calls = 0;
        m_pConv->answer = [&calls](const QByteArray& req) {
            QByteArray reply = NormalReply(req);
            if (calls++ == 0) {
                reply[reply.size() - 1] = char(reply[reply.size() - 1] ^ 0x5A);
            }
            return reply;
        };
        Tick();
        WaitForRequests(2); // repeated without any tick
        QCOMPARE(m_pConv->requests[1], m_pConv->requests[0]);
        QTRY_COMPARE(a->CommState(), int(CommOnline));
        QCOMPARE(m_Handled.size(), 1);
        QCOMPARE(a->RetryCount(), 0);
    }

    void lateReplyAfterTheMissionWasAbandonedIsDropped() {
        QInverter* a = NewInverter(*m_pPlant, "A", 1);
        OpenTcp();
        a->MissionList().SetEnabled(true);
        m_pConv->answer = nullptr;
        Tick();
        WaitForRequests(1);
        for (int i = 0; i < 4; ++i) {
            Tick(1001);
        }
        QCOMPARE(a->CommState(), int(CommOffline));
        QCOMPARE(m_pBus->CurrentMission(), nullptr);
        m_pConv->peer->write(NormalReply(m_pConv->requests.first()));
        QTest::qWait(50);
        QVERIFY(m_Handled.isEmpty());
    }

    void partialReplyOfAnUnansweredAttemptDoesNotSpoilTheRepeat() {
        QInverter* a = NewInverter(*m_pPlant, "A", 1);
        OpenTcp();
        a->MissionList().SetEnabled(true);
        int calls = 0;
        m_pConv->answer = [&calls](const QByteArray& req) {
            return calls++ == 0 ? NormalReply(req).left(3) : NormalReply(req);
        };
        Tick();
        WaitForRequests(1);
        Tick(1001);
        WaitForRequests(2);
        QTRY_COMPARE(a->CommState(), int(CommOnline));
        QCOMPARE(m_Handled.size(), 1);
    }

    void repliesOwedToARepeatHoldBackLookAlikes_data() {
        QTest::addColumn<bool>("owedReplyComes");
        QTest::newRow("the owed reply comes") << true;
        QTest::newRow("the owed reply never comes") << false;
    }
    void repliesOwedToARepeatHoldBackLookAlikes() {
        // Two reads of two registers each from one inverter: their replies
        // cannot be told apart on the wire.
        QFETCH(bool, owedReplyComes);
        QInverter* a = NewInverter(*m_pPlant, "A", 1);
        a->MissionList().ClearMissions();
        for (int code : {901, 902}) {
            auto* mission = new QMissionModel;
            mission->BuildFrame(code == 901 ? 0x1600 : 0x1602, 1, 2, MissionPollRead);
            mission->SetCode(code);
            mission->SetOwner(&a->MissionList());
            a->MissionList().AddMission(mission);
        }
        OpenTcp();
        a->MissionList().SetEnabled(true);
        m_pConv->answer = nullptr;
        auto reply = [](const QByteArray& request, const char* data) {
            return WithCrc(request.left(2) + QByteArray::fromHex("04") + QByteArray::fromHex(data));
        };
        Tick();
        WaitForRequests(1);
        Tick(1001); // no answer in time: asked again
        WaitForRequests(2);
        const QByteArray first = m_pConv->requests.first();
        m_pConv->peer->write(reply(first, "11111111")); // the first attempt's answer, late
        QTRY_COMPARE(m_Handled, QList<int>{901});
        Tick();
        QTest::qWait(50);
        QCOMPARE(m_pConv->requests.size(), 2); // 902 waits for the repeat's answer
        if (owedReplyComes) {
            m_pConv->peer->write(reply(first, "22222222"));
            QTest::qWait(50);
            Tick();
        } else {
            Tick(1000);
            QCOMPARE(m_pConv->requests.size(), 2);
            Tick(1001); // two time-outs after the answer: no longer waited for
        }
        WaitForRequests(3);
        QCOMPARE(m_pConv->requests.last(), FindCode(a, 902)->Request());
        m_pConv->peer->write(reply(m_pConv->requests.last(), "33333333"));
        QTRY_COMPARE(m_Handled, (QList<int>{901, 902}));
        QCOMPARE(FindCode(a, 902)->RxBuffer()[3], uchar(0x33));
    }

    void deletePendingInverterGoesWhenItsMissionEnds() {
        QInverter* a = NewInverter(*m_pPlant, "A", 1);
        OpenTcp();
        a->MissionList().SetEnabled(true);
        m_pConv->answer = nullptr;
        Tick();
        WaitForRequests(1);
        m_pBus->DeleteInverter(a);
        QVERIFY(a->IsDeletePending());
        QCOMPARE(m_pPlant->InverterCount(), 1);
        m_pConv->peer->write(NormalReply(m_pConv->requests.first()));
        QTRY_COMPARE(m_pPlant->InverterCount(), 0);
        QVERIFY(m_Handled.isEmpty()); // the reply is not decoded
        QCOMPARE(m_pBus->CurrentMission(), nullptr);
        QVERIFY(m_pPlant->MissionLists().isEmpty());
    }

    void deletePendingInverterGoesOnTimeOut() {
        QInverter* a = NewInverter(*m_pPlant, "A", 1);
        QInverter* b = NewInverter(*m_pPlant, "B", 2);
        OpenTcp();
        a->MissionList().SetEnabled(true);
        m_pConv->answer = nullptr;
        Tick();
        WaitForRequests(1);
        m_pBus->DeleteInverter(a);
        m_pBus->DeleteInverter(b); // nothing in flight for B: at once
        QCOMPARE(m_pPlant->InverterCount(), 1);
        Tick(1001);
        QCOMPARE(m_pPlant->InverterCount(), 0);
        QCOMPARE(m_pBus->CurrentMission(), nullptr);
    }

    void searchProbeGoesFirstAndReachesTheCallback() {
        QInverter* a = NewInverter(*m_pPlant, "A", 1);
        OpenTcp();
        a->MissionList().SetEnabled(true);
        QList<int> found; // -1 for a time-out
        m_pBus->SetSearchCallback([&found](QMissionModel* m) { found.append(m ? m->Address() : -1); });
        auto* probe = new QMissionModel;
        probe->BuildFrame(0x121C, 9, 20, MissionPollRead);
        probe->SetCode(MissionCodeSearch);
        m_pPlant->SetSearchMission(probe);
        Tick();
        WaitForRequests(1);
        QCOMPARE(m_pConv->AddressOf(0), 9);
        QTRY_COMPARE(found, QList<int>{9});
        QCOMPARE(a->CommState(), int(CommOffline)); // untouched by the probe

        m_pConv->answer = [](const QByteArray& req) {
            return req[0] == 10 ? QByteArray() : NormalReply(req);
        };
        auto* silent = new QMissionModel;
        silent->BuildFrame(0x121C, 10, 20, MissionPollRead);
        silent->SetCode(MissionCodeSearch);
        m_pPlant->SetSearchMission(silent);
        Tick();
        WaitForRequests(2);
        QCOMPARE(m_pConv->AddressOf(1), 10);
        Tick(1001); // no retries for a probe: the callback hears of the time-out
        QCOMPARE(found, (QList<int>{9, -1}));
        // and the next mission goes out in the same tick
        WaitForRequests(3);
        QCOMPARE(m_pConv->AddressOf(2), 1);
    }

    void emptyReadClosesTheTcpLink() {
        NewInverter(*m_pPlant, "A", 1);
        OpenTcp();
        m_pBus->ReadLink(); // nothing there
        QVERIFY(!HasLink(LinkTcpClient));
        QVERIFY(!m_pBus->IsLinkOpen());
        QCOMPARE(m_pPlant->Inverter(0)->CommState(), int(CommOffline));
    }

    void autoConnectReopensADroppedLinkAndEnablesTheLists() {
        QInverter* a = NewInverter(*m_pPlant, "A", 1);
        OpenTcp();
        QTRY_VERIFY(m_pConv->peer);
        m_pConv->peer->disconnectFromHost();
        QTRY_VERIFY(!m_pBus->IsLinkOpen());
        QVERIFY(!a->MissionList().IsEnabled());
        m_pBus->OnAutoConnectTimer();
        QTRY_VERIFY(m_pBus->IsLinkOpen());
        QVERIFY(a->MissionList().IsEnabled());
    }

    void connectTogglesTheConfiguredLink() {
        m_pBus->Connect();
        QVERIFY(HasLink(LinkTcpClient));
        m_pBus->Connect();
        QVERIFY(!HasLink(LinkTcpClient));
        QCOMPARE(m_pBus->ConnectActionText(), QStringLiteral("Connect to server"));
    }

    void applyCommunicateStoresOnlyWhatChanged() {
        m_pPlant->SetSystemValue("CommunicationType", "3", false);
        m_pPlant->SetSystemValue("GPRS_Number", "5", false);
        m_pBus->SetGprsPort(0);
        m_pBus->OpenGprsLink();
        QTcpServer* before = GprsServer();
        QVERIFY(before);
        QStringList changed;
        m_pPlant->SetSystemListener([&changed](const QString& key, void*) { changed.append(key); }, nullptr);

        CommunicateChoice same;
        same.m_nKind = 3;
        same.m_nComNumber = 1;
        same.m_nBaudRate = 9600;
        same.m_strIPAddress = "127.0.0.1";
        same.m_nIPNumber = m_pConv->Port();
        same.m_nGprsNumber = 5;
        m_pBus->ApplyCommunicate(same);
        QVERIFY(changed.isEmpty());
        QCOMPARE(GprsServer(), before);

        CommunicateChoice gprs = same;
        gprs.m_nGprsNumber = 6;
        m_pBus->ApplyCommunicate(gprs);
        QCOMPARE(changed, QStringList{"GPRS_Number"});
        QVERIFY(GprsServer());
        QVERIFY(GprsServer() != before); // restarted
        QCOMPARE(m_pPlant->GetSystemValue("GPRS_Number"), QStringLiteral("6"));
        QVERIFY(QFile::exists(m_Dir.filePath("system.dat")));

        changed.clear();
        CommunicateChoice tcp = gprs;
        tcp.m_nKind = 1;
        m_pBus->ApplyCommunicate(tcp);
        QCOMPARE(changed, QStringList{"CommunicationType"});
        QVERIFY(!GprsServer());
        QVERIFY(HasLink(LinkTcpClient));
        QTRY_VERIFY(m_pBus->IsLinkOpen());
    }

    void changingTheConverterAddressClosesTheModemLink() {
        // The GPRS server with a modem on it; the user picks the TCP client with
        // a new converter address. The modem's socket must go with its server,
        // or its bytes would be read as the converter's.
        m_pPlant->SetSystemValue("CommunicationType", "3", false);
        m_pPlant->SetSystemValue("IP_number", "1", false);
        m_pBus->SetGprsPort(0);
        m_pBus->OpenGprsLink();
        QTcpSocket modem;
        modem.connectToHost(QHostAddress::LocalHost, GprsServer()->serverPort());
        QTRY_VERIFY(GprsModem());
        CommunicateChoice tcp;
        tcp.m_nKind = LinkTcpClient;
        tcp.m_strIPAddress = "127.0.0.1";
        tcp.m_nIPNumber = m_pConv->Port();
        m_pBus->ApplyCommunicate(tcp);
        QTRY_COMPARE(modem.state(), QAbstractSocket::UnconnectedState);
        QTRY_VERIFY(m_pBus->IsLinkOpen());
        QCOMPARE(m_pBus->Link()->Kind(), int(LinkTcpClient));
        QCOMPARE(m_pPlant->Settings().CommunicationType(), int(LinkTcpClient));

        QInverter* a = NewInverter(*m_pPlant, "A", 1);
        Tick();
        WaitForRequests(1);
        QTRY_COMPARE(a->CommState(), int(CommOnline));
    }

    void closingGprsReportsItsNumber() {
        m_pPlant->SetSystemValue("CommunicationType", "3", false);
        m_pPlant->SetSystemValue("GPRS_Number", "7", false);
        m_pBus->SetGprsPort(0);
        m_pBus->OpenGprsLink();
        m_pBus->CloseGprsLink();
        QCOMPARE(m_pBus->StatusText(), QStringLiteral("GPRS server(7)is closed!"));
        QCOMPARE(m_pBus->ConnectActionText(), QStringLiteral("Open server"));
    }

    void missingSerialPortShowsItsMessage() {
        m_pPlant->SetSystemValue("CommunicationType", "0", false);
        m_pPlant->SetSystemValue("Com_device", m_Dir.filePath("no-such-tty"), false);
        m_pBus->OpenSerialLink();
        QCOMPARE(m_Messages, QStringList{"Open the serial port failure!"});
        QVERIFY(!HasLink(LinkSerial));
        m_pBus->CloseSerialLink();
        QCOMPARE(m_pBus->StatusText(), QStringLiteral("Com1 (9600,8,0,1)is closed!"));
        QCOMPARE(m_pBus->ConnectActionText(), QStringLiteral("Open the serial port"));
    }
};

QTEST_GUILESS_MAIN(TestScheduler)
#include "test_scheduler.moc"

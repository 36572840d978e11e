// Every reply is checked against the request in flight before anything of it
// is decoded, on each kind of link: the test plays the inverter at the far end
// of a real serial line (socat pseudo-terminals), of a TCP connection to a
// converter, and of a GPRS modem's connection, and answers with replies that
// are wrong in one way each, then with the right one.

#include "../common/ManualClock.h"
#include "../common/PtyPair.h"
#include "../common/WireCrc.h"
#include "DataPaths.h"
#include "QBusScheduler.h"
#include "QGprsServerLink.h"
#include "QInverter.h"
#include "QMissionModel.h"
#include "QSystemModel.h"

#include <QSerialPort>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <memory>

namespace {
// A read reply to the request with every data byte set to fill.
QByteArray ReadReply(const QByteArray& request, char fill) {
    const int n = quint8(request.at(5));
    return WireCrc::With(request.left(2) + char(2 * n) + QByteArray(2 * n, fill));
}

QByteArray Faulty(const QByteArray& request, const QString& fault) {
    const int n = quint8(request.at(5));
    const char fill = '\xEE';
    if (fault == "address") {
        return WireCrc::With(QByteArray(1, char(request.at(0) + 1)) + char(0x03) + char(2 * n) +
                             QByteArray(2 * n, fill));
    }
    if (fault == "function") {
        return WireCrc::With(request.left(1) + char(0x04) + char(2 * n) + QByteArray(2 * n, fill));
    }
    if (fault == "byte count") {
        return WireCrc::With(request.left(2) + char(2 * n + 2) + QByteArray(2 * n + 2, fill));
    }
    QByteArray reply = ReadReply(request, fill); // a line hit flips the CRC
    reply[reply.size() - 1] = char(reply.at(reply.size() - 1) ^ 0x5A);
    return reply;
}
} // namespace

class TestReplyChecks : public QObject {
    Q_OBJECT
    QTemporaryDir m_Dir;
    PtyPair m_Line;
    QString m_strProgramEnd;
    QString m_strBusEnd;

private slots:
    void initTestCase() {
        DataPaths::SetDataDir(m_Dir.path());
        if (!PtyPair::Available()) {
            return; // the serial rows skip
        }
        QVERIFY(m_Line.Start(m_Dir.path()));
        m_strProgramEnd = m_Line.MasterEnd();
        m_strBusEnd = m_Line.SlaveEnd();
    }

    void wrongRepliesAreNeverDecoded_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("fault");
        const QList<QPair<const char*, int>> kinds = {
            {"serial", LinkSerial}, {"tcp", LinkTcpClient}, {"gprs", LinkGprs}};
        for (const auto& kind : kinds) {
            for (const char* fault : {"address", "function", "byte count", "CRC"}) {
                QTest::addRow("%s, wrong %s", kind.first, fault) << kind.second << QString(fault);
            }
        }
    }
    void wrongRepliesAreNeverDecoded() {
        QFETCH(int, kind);
        QFETCH(QString, fault);
        ManualClock clock;
        QSystemModel plant;
        plant.SetSystemValue("CommunicationType", QString::number(kind), false);
        QBusScheduler bus(&plant, clock.Func());
        QList<QByteArray> accepted;
        connect(&bus, &QBusScheduler::ReplyAccepted, this, [&accepted](QMissionModel* m) {
            accepted.append(QByteArray(reinterpret_cast<const char*>(m->RxBuffer()), m->ReplyLength()));
        });

        // The far end of the link, as the inverter sees it.
        QTcpServer converter;
        std::unique_ptr<QIODevice> peer;
        if (kind == LinkSerial) {
            if (m_strBusEnd.isEmpty()) {
                QSKIP("socat is not installed (scripts/setup installs it)");
            }
            plant.SetSystemValue("Com_device", m_strProgramEnd, false);
            bus.OpenSerialLink();
            auto* port = new QSerialPort(m_strBusEnd);
            peer.reset(port);
            QVERIFY(port->open(QIODevice::ReadWrite));
        } else if (kind == LinkTcpClient) {
            QVERIFY(converter.listen(QHostAddress::LocalHost, 0));
            plant.SetSystemValue("IPAddress", "127.0.0.1", false);
            plant.SetSystemValue("IP_number", QString::number(converter.serverPort()), false);
            bus.OpenTcpLink(true);
            QTRY_VERIFY(converter.hasPendingConnections());
            peer.reset(converter.nextPendingConnection());
        } else {
            bus.SetGprsPort(0);
            bus.OpenGprsLink();
            auto* modem = new QTcpSocket;
            peer.reset(modem);
            modem->connectToHost(QHostAddress::LocalHost,
                                 qobject_cast<QGprsServerLink*>(bus.Link())->Server()->serverPort());
            QVERIFY(modem->waitForConnected(1000));
        }
        QTRY_VERIFY(bus.Link()->CanCarry());

        auto* inverter = new QInverter;
        inverter->SetName("Roof");
        inverter->SetAddress(1);
        QVERIFY(plant.AddInverter(inverter));
        auto takeRequest = [&peer](QByteArray* request) {
            request->clear();
            QTRY_VERIFY_WITH_TIMEOUT((*request += peer->readAll()).size() >= 8, 3000);
        };
        auto send = [&peer](const QByteArray& bytes) {
            peer->write(bytes);
            if (auto* port = qobject_cast<QSerialPort*>(peer.get())) {
                port->waitForBytesWritten(500);
            }
        };

        clock.Advance(20);
        bus.OnCommunicateTimer();
        QByteArray request;
        takeRequest(&request);
        QCOMPARE(request.size(), 8);
        send(Faulty(request, fault));
        QTest::qWait(150);
        QVERIFY2(accepted.isEmpty(), "a wrong reply was taken");
        if (fault == "CRC") {
            // A garbled reply counts as a failed attempt and is asked for again at once.
            QByteArray repeated;
            takeRequest(&repeated);
            QCOMPARE(repeated, request);
            QCOMPARE(inverter->RetryCount(), 1);
        } else {
            // Somebody else's reply: dropped, and the real one is still awaited.
            QCOMPARE(peer->readAll(), QByteArray());
            QCOMPARE(inverter->RetryCount(), 0);
        }
        QVERIFY(bus.IsWaiting());
        send(ReadReply(request, '\x11'));
        QTRY_COMPARE(accepted.size(), 1);
        QCOMPARE(accepted.first(), ReadReply(request, '\x11'));
        QCOMPARE(inverter->CommState(), int(CommOnline));
        QCOMPARE(inverter->RetryCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestReplyChecks)
#include "test_reply_checks.moc"

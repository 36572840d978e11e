// The simulator as a GPRS modem: it dials out to our server, answers there,
// and dials again when the server drops it.

#include "SimTestSupport.h"

#include <QTcpServer>
#include <QtTest>

using namespace SimTest;

class TestSimGprs : public QObject {
    Q_OBJECT

private slots:
    void dialsAnswersAndDialsAgain();
    void keepsDiallingUntilTheServerIsUp();

private:
    static QTcpSocket* Accept(QTcpServer* server, int timeoutMs) {
        if (!server->hasPendingConnections() && !server->waitForNewConnection(timeoutMs)) {
            return nullptr;
        }
        return server->nextPendingConnection();
    }
};

void TestSimGprs::dialsAnswersAndDialsAgain() {
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    SimProcess sim;
    QVERIFY(sim.Start({"--gprs", QStringLiteral("127.0.0.1:%1").arg(server.serverPort()), "--gprs-retry-ms",
                       "200", "--inverters", "2", "--seed", "8"}));
    QVERIFY(sim.Lines().first().contains(QStringLiteral("gprs 127.0.0.1:%1").arg(server.serverPort())));

    QTcpSocket* modem = Accept(&server, 5000);
    QVERIFY(modem);
    QByteArray reply = Master(modem).Exchange(ReadRequest(2, 0x121C, 20));
    QCOMPARE(reply.size(), 45);
    QVERIFY(CrcOk(reply));
    QCOMPARE(Text(reply), QStringLiteral("Tivra PA5KS"));

    // Drop the modem while a request is half sent: the next connection starts clean.
    modem->write(ReadRequest(1, 0x121C, 20).left(4));
    modem->flush();
    modem->abort();
    delete modem;
    modem = Accept(&server, 5000);
    QVERIFY2(modem, "the modem should dial again after the drop");
    reply = Master(modem).Exchange(ReadRequest(1, 0x121C, 20));
    QCOMPARE(Text(reply), QStringLiteral("Tivra PA10KT & Box"));
    QVERIFY(CrcOk(reply));
    delete modem;
}

void TestSimGprs::keepsDiallingUntilTheServerIsUp() {
    // A port that is free now: nobody listens there yet.
    quint16 port = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        port = probe.serverPort();
    }
    SimProcess sim;
    QVERIFY(sim.Start(
        {"--gprs", QStringLiteral("127.0.0.1:%1").arg(port), "--gprs-retry-ms", "100", "--inverters", "1"}));
    QTest::qWait(400);
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost, port));
    QTcpSocket* modem = Accept(&server, 5000);
    QVERIFY(modem);
    QCOMPARE(Text(Master(modem).Exchange(ReadRequest(1, 0x121C, 20))), QStringLiteral("Tivra PA10KT & Box"));
    delete modem;
    QVERIFY(sim.Stop());
}

QTEST_GUILESS_MAIN(TestSimGprs)
#include "test_sim_gprs.moc"

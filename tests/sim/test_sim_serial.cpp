// The simulator on one end of a socat pseudo-terminal pair, a QSerialPort master on the other.

#include "SimTestSupport.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

using namespace SimTest;

class TestSimSerial : public QObject {
    Q_OBJECT

private slots:
    void answersOnTheSerialLine();
    void baudRateDelaysReplies();

private:
    bool OpenMaster(QSerialPort* port, const QString& device) {
        port->setPortName(device);
        if (!port->open(QIODevice::ReadWrite)) {
            return false;
        }
        port->setBaudRate(9600);
        port->setDataBits(QSerialPort::Data8);
        port->setParity(QSerialPort::NoParity);
        port->setStopBits(QSerialPort::OneStop);
        return true;
    }
};

void TestSimSerial::answersOnTheSerialLine() {
    if (!PtyPair::Available()) {
        QSKIP("socat is not installed (scripts/setup installs it)");
    }
    QTemporaryDir dir;
    PtyPair pty;
    QVERIFY(pty.Start(dir.path()));
    SimProcess sim;
    QVERIFY(sim.Start({"--serial", pty.SlaveEnd(), "--inverter", "5:Tivra PE4K6S", "--inverter",
                       "6:Tivra PA15KT", "--silent", "6", "--start", "2024-09-01 10:30:00", "--seed", "9"}));
    QVERIFY(sim.Lines().first().contains(pty.SlaveEnd()));
    QSerialPort port;
    QVERIFY(OpenMaster(&port, pty.MasterEnd()));
    Master master(&port);

    QByteArray reply = master.Exchange(ReadRequest(5, 0x121C, 20));
    QCOMPARE(reply.size(), 45);
    QVERIFY(CrcOk(reply));
    QCOMPARE(Text(reply), QStringLiteral("Tivra PE4K6S"));

    // The status poll: fault words, clock of the start day, status and logon state.
    reply = master.Exchange(ReadRequest(5, 0x1670, 14));
    QCOMPARE(reply.size(), 33);
    const QVector<quint16> status = Registers(reply);
    QCOMPARE(status.mid(0, 8), QVector<quint16>(8, 0));
    QCOMPARE(status[8], quint16(0x1809));
    QCOMPARE(status[9], quint16(0x0100));
    QCOMPARE(status[12] & 0xFF, 2);
    QCOMPARE(status[13] & 0xFF, 1);

    // A price write and its read-back.
    QCOMPARE(master.Exchange(WriteRequest(5, 0x1303, {1250})).toHex(),
             (QByteArray::fromHex("051013030001") + Crc(QByteArray::fromHex("051013030001"))).toHex());
    QCOMPARE(Registers(master.Exchange(ReadRequest(5, 0x1301, 4))).value(2), quint16(1250));

    // The silent inverter leaves the line quiet.
    port.write(ReadRequest(6, 0x121C, 20));
    QCOMPARE(master.Listen(500), QByteArray());
    QVERIFY(sim.Stop());
}

void TestSimSerial::baudRateDelaysReplies() {
    if (!PtyPair::Available()) {
        QSKIP("socat is not installed (scripts/setup installs it)");
    }
    QTemporaryDir dir;
    PtyPair pty;
    QVERIFY(pty.Start(dir.path()));
    SimProcess sim;
    QVERIFY(sim.Start({"--serial", pty.SlaveEnd(), "--inverters", "1", "--baud", "1200", "--seed", "9"}));
    QSerialPort port;
    QVERIFY(OpenMaster(&port, pty.MasterEnd()));
    Master master(&port);
    // 8 request bytes and 45 reply bytes at 1200 baud, 10 bits each: 442 ms on the wire.
    QElapsedTimer timer;
    timer.start();
    const QByteArray reply = master.Exchange(ReadRequest(1, 0x121C, 20));
    const qint64 elapsed = timer.elapsed();
    QCOMPARE(reply.size(), 45);
    QVERIFY(CrcOk(reply));
    QVERIFY2(elapsed >= 430 && elapsed < 3000, qPrintable(QString::number(elapsed)));
}

QTEST_GUILESS_MAIN(TestSimSerial)
#include "test_sim_serial.moc"

#include "../common/ManualClock.h"
#include "../common/PtyPair.h"
#include "../common/WireCrc.h"
#include "DataPaths.h"
#include "QBusScheduler.h"
#include "QInverter.h"
#include "QMissionModel.h"
#include "QSystemModel.h"
#include "QWin_Serial.h"
#include "SystemClock.h"

#include <QSerialPort>
#include <QtTest>

// The scheduler on a real serial line: one end of a socat pseudo-terminal pair
// is the program's port, the other end plays the inverters.
class TestSerialLink : public QObject {
    Q_OBJECT
    QTemporaryDir m_Dir;
    PtyPair m_Line;
    QString m_strProgramEnd;
    QString m_strBusEnd;

    static QByteArray WithCrc(const QByteArray& frame) { return WireCrc::With(frame); }

private slots:
    void initTestCase() {
        if (!PtyPair::Available()) {
            QSKIP("socat is not installed (scripts/setup installs it)");
        }
        QVERIFY(m_Line.Start(m_Dir.path()));
        m_strProgramEnd = m_Line.MasterEnd();
        m_strBusEnd = m_Line.SlaveEnd();
        DataPaths::SetDataDir(m_Dir.path());
    }
    void cleanupTestCase() {
        m_Line.Stop();
        SystemClock::UseSystem();
    }

    void comNumberMapsToADevice() {
        QCOMPARE(QWin_Serial::DeviceForCom(3, "/dev/pts/7"), QStringLiteral("/dev/pts/7"));
#ifndef Q_OS_WIN
        QCOMPARE(QWin_Serial::DeviceForCom(1), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(QWin_Serial::DeviceForCom(4), QStringLiteral("/dev/ttyUSB3"));
#endif
    }

    void pollsOverTheLineAndChecksTheCrc() {
        ManualClock clock;
        QSystemModel plant;
        plant.SetSystemValue("CommunicationType", "0", false);
        plant.SetSystemValue("Com_device", m_strProgramEnd, false);
        int handled = 0;
        QBusScheduler bus(&plant, clock.Func());
        connect(&bus, &QBusScheduler::ReplyAccepted, this, [&handled] { ++handled; });
        QStringList messages;
        bus.SetMessageCallback([&messages](const QString& m) { messages.append(m); });
        bus.OpenSerialLink();
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(',')));
        QCOMPARE(bus.StatusText(), m_strProgramEnd + "(9600,8,0,1) is open!");
        QCOMPARE(bus.ConnectActionText(), QStringLiteral("Close the serial port"));

        auto* inverter = new QInverter;
        inverter->SetName("Roof");
        inverter->SetAddress(5);
        plant.AddInverter(inverter);

        QSerialPort bus485;
        bus485.setPortName(m_strBusEnd);
        QVERIFY(bus485.open(QIODevice::ReadWrite));

        clock.Advance(20);
        bus.OnCommunicateTimer();
        QTRY_VERIFY(bus485.bytesAvailable() >= 8);
        const QByteArray request = bus485.readAll();
        QCOMPARE(request.size(), 8);
        QCOMPARE(uchar(request[0]), uchar(5));
        // A reply in two pieces with a wrong CRC, as noise on the line leaves it:
        // refused, and the request goes out again at once.
        const int n = uchar(request[5]);
        const QByteArray reply = WithCrc(request.left(2) + char(2 * n) + QByteArray(2 * n, '\x11'));
        QByteArray garbled = reply;
        garbled[7] = char(garbled[7] ^ 0x04);
        bus485.write(garbled.left(5));
        bus485.waitForBytesWritten(500);
        QTest::qWait(30);
        bus485.write(garbled.mid(5));
        bus485.waitForBytesWritten(500);
        QTRY_VERIFY(bus485.bytesAvailable() >= 8);
        QCOMPARE(bus485.readAll(), request);
        QCOMPARE(handled, 0);
        QCOMPARE(inverter->RetryCount(), 1);
        bus485.write(reply.left(5));
        bus485.waitForBytesWritten(500);
        QTest::qWait(30);
        bus485.write(reply.mid(5));
        bus485.waitForBytesWritten(500);
        QTRY_COMPARE(handled, 1);
        QCOMPARE(inverter->CommState(), int(CommOnline));

        bus.Connect(); // kind 0 with the port open: only closes it
        QVERIFY(!bus.Link()->IsActive());
        QCOMPARE(inverter->CommState(), int(CommOffline));
        QVERIFY(!inverter->MissionList().IsEnabled());
        bus.Connect(); // and opens it again; the inverter stays offline until connected by the user
        QVERIFY(bus.Link()->IsActive());
        QVERIFY(!inverter->MissionList().IsEnabled());
    }
};

QTEST_GUILESS_MAIN(TestSerialLink)
#include "test_serial_link.moc"

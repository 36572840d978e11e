#include "../common/WireCrc.h"
#include "DataPaths.h"
#include "QBusScheduler.h"
#include "QInverter.h"
#include "QMissionModel.h"
#include "QSystemModel.h"
#include "QWin_Serial.h"
#include "SystemClock.h"

#include <QProcess>
#include <QSerialPort>
#include <QStandardPaths>
#include <QtTest>

// The scheduler on a real serial line: one end of a socat pseudo-terminal pair
// is the program's port, the other end plays the inverters.
class TestSerialLink : public QObject {
    Q_OBJECT
    QTemporaryDir m_Dir;
    QProcess m_Socat;
    QString m_strProgramEnd;
    QString m_strBusEnd;

    static QByteArray WithCrc(const QByteArray& frame) { return WireCrc::With(frame); }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("socat").isEmpty()) {
            QSKIP("socat is not installed (scripts/setup installs it)");
        }
        m_strProgramEnd = m_Dir.filePath("ttyProgram");
        m_strBusEnd = m_Dir.filePath("ttyBus");
        m_Socat.start("socat", {"PTY,link=" + m_strProgramEnd + ",raw,echo=0",
                                "PTY,link=" + m_strBusEnd + ",raw,echo=0"});
        QVERIFY(m_Socat.waitForStarted());
        QTRY_VERIFY(QFile::exists(m_strProgramEnd) && QFile::exists(m_strBusEnd));
        DataPaths::SetDataDir(m_Dir.path());
    }
    void cleanupTestCase() {
        m_Socat.terminate();
        m_Socat.waitForFinished(2000);
        SystemClock::UseSystem();
    }

    void comNumberMapsToADevice() {
        QCOMPARE(QWin_Serial::DeviceForCom(3, "/dev/pts/7"), QStringLiteral("/dev/pts/7"));
#ifndef Q_OS_WIN
        QCOMPARE(QWin_Serial::DeviceForCom(1), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(QWin_Serial::DeviceForCom(4), QStringLiteral("/dev/ttyUSB3"));
#endif
    }

    void pollsOverTheLineAndTakesRepliesWithoutCrcCheck() {
        SystemClock::SetFixed(QDateTime(QDate(2026, 6, 15), QTime(12, 0)));
        QSystemModel plant;
        plant.SetSystemValue("CommunicationType", "0", false);
        plant.SetSystemValue("Com_device", m_strProgramEnd, false);
        int handled = 0;
        plant.SetReplyHandler([&handled](QMissionModel*, QInverter*) { ++handled; });
        QBusScheduler bus(&plant);
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

        SystemClock::Advance(20);
        bus.OnCommunicateTimer();
        QTRY_VERIFY(bus485.bytesAvailable() >= 8);
        const QByteArray request = bus485.readAll();
        QCOMPARE(request.size(), 8);
        QCOMPARE(uchar(request[0]), uchar(5));
        // A reply with a wrong CRC: the serial link takes it as it is.
        const int n = uchar(request[5]);
        QByteArray reply = WithCrc(request.left(2) + char(2 * n) + QByteArray(2 * n, '\x11'));
        reply[reply.size() - 1] = char(~reply[reply.size() - 1]);
        bus485.write(reply.left(5));
        bus485.waitForBytesWritten(500);
        QTest::qWait(30);
        bus485.write(reply.mid(5));
        bus485.waitForBytesWritten(500);
        QTRY_COMPARE(handled, 1);
        QCOMPARE(inverter->CommState(), int(CommOnline));

        bus.Connect(); // kind 0 with the port open: only closes it
        QVERIFY(!bus.SerialPort());
        QCOMPARE(inverter->CommState(), int(CommOffline));
        QVERIFY(!inverter->MissionList().IsEnabled());
        bus.Connect(); // and opens it again; the inverter stays offline until connected by the user
        QVERIFY(bus.SerialPort());
        QVERIFY(!inverter->MissionList().IsEnabled());
    }
};

QTEST_GUILESS_MAIN(TestSerialLink)
#include "test_serial_link.moc"

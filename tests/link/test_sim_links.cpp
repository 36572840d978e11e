#include "DataPaths.h"
#include "QBusScheduler.h"
#include "QDayLogFiles.h"
#include "QGenerationStore.h"
#include "QInverter.h"
#include "QInverterRecorder.h"
#include "QSystemModel.h"
#include "SimProcess.h"
#include "SystemClock.h"

#include <QStandardPaths>
#include <QTcpServer>
#include <QTimer>
#include <QtTest>

// The core polling the simulated plant end to end over each kind of link, with
// the real clock and the real 20 ms and 10 s timers.
class TestSimLinks : public QObject {
    Q_OBJECT
    QTemporaryDir* m_pDir = nullptr;
    QSystemModel* m_pPlant = nullptr;
    QInverterRecorder* m_pRecorder = nullptr;
    QBusScheduler* m_pBus = nullptr;
    QTimer* m_pTick = nullptr;

    QInverter* Add(const QString& name, int address) {
        auto* inverter = new QInverter;
        inverter->SetName(name);
        inverter->SetAddress(address);
        m_pPlant->AddInverter(inverter);
        return inverter;
    }
    void EnableAll() {
        for (QInverter* inverter : m_pPlant->Inverters()) {
            inverter->MissionList().SetEnabled(true);
        }
    }
    static QStringList Plant() {
        return {"--inverter", "1:Tivra PA10KT & Box", "--inverter", "2:Tivra PA5KS", "--seed", "7",
                "--start",    "2026-06-15 11:00:00"};
    }

private slots:
    void init() {
        m_pDir = new QTemporaryDir;
        DataPaths::SetDataDir(m_pDir->path());
        m_pPlant = new QSystemModel;
        m_pPlant->SetReplyHandler(&QInverter::HandleReply);
        m_pRecorder = new QInverterRecorder(*m_pPlant);
        m_pBus = new QBusScheduler(m_pPlant);
        m_pTick = new QTimer;
        m_pTick->setInterval(20);
        connect(m_pTick, &QTimer::timeout, m_pBus, &QBusScheduler::OnCommunicateTimer);
    }
    void cleanup() {
        delete m_pTick;
        delete m_pBus;
        delete m_pRecorder;
        delete m_pPlant;
        delete m_pDir;
        QMissionList::SetReplyHandler(nullptr);
    }

    void tcpConverter() {
        SimProcess sim;
        QVERIFY(sim.Start(Plant() << "--tcp-port"
                                  << "0"
                                  << "--silent"
                                  << "3"
                                  << "--inverter"
                                  << "3:Tivra PM3KS"));
        m_pPlant->SetSystemValue("CommunicationType", "1", false);
        m_pPlant->SetSystemValue("IPAddress", "127.0.0.1", false);
        m_pPlant->SetSystemValue("IP_number", QString::number(sim.TcpPort()), false);
        QInverter* box = Add("Box", 1);
        QInverter* small = Add("Small", 2);
        QInverter* silent = Add("Silent", 3);
        m_pBus->OpenConfiguredLink();
        QVERIFY(m_pBus->IsLinkOpen());
        EnableAll();
        m_pTick->start();

        QTRY_COMPARE_WITH_TIMEOUT(box->CommState(), int(CommOnline), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(small->CommState(), int(CommOnline), 5000);
        // The silent one goes offline after four unanswered sends, the others are served meanwhile.
        QTRY_COMPARE_WITH_TIMEOUT(silent->CommState(), int(CommOffline), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(box->ItemValue(1) > 0 && small->ItemValue(1) > 0, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(box->ModelName(), QStringLiteral("Tivra PA10KT & Box"), 5000);
        QCOMPARE(box->PhaseCount(), 3);
        QTRY_VERIFY_WITH_TIMEOUT(box->IdentityDone() && !box->SerialText().isEmpty(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(box->ItemValue(17) > 0, 5000); // total generation
        QVERIFY(box->ItemValue(1) <= box->ItemValue(0));        // output below input power
        QVERIFY(qAbs(box->ItemValue(8) - 5000) < 100);          // about 50.00 Hz

        // The records of the inverter fill in.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QGenerationStore::TotalFilePath()), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(DataPaths::FilePath("Box/hour.dat")), 5000);
        QDayLogFiles::WriteDayRow(*box, SystemClock::Now());
        const QDate today = SystemClock::CurrentDate();
        QVERIFY(QFile::exists(DataPaths::FilePath(QString("Box/%1/%2/%1_%3_%4.csv")
                                                      .arg(today.year())
                                                      .arg(today.month())
                                                      .arg(today.month(), 2, 10, QChar('0'))
                                                      .arg(today.day(), 2, 10, QChar('0')))));

        // The converter drops out: everything goes offline; the auto-connect brings it back.
        const int port = sim.TcpPort();
        sim.Stop();
        QTRY_VERIFY_WITH_TIMEOUT(!m_pBus->IsLinkOpen(), 5000);
        QCOMPARE(box->CommState(), int(CommOffline));
        SimProcess again;
        QVERIFY(again.Start(Plant() << "--tcp-port" << QString::number(port)));
        m_pBus->OnAutoConnectTimer();
        QVERIFY(m_pBus->IsLinkOpen());
        QTRY_COMPARE_WITH_TIMEOUT(box->CommState(), int(CommOnline), 5000);
    }

    void serialLine() {
        if (QStandardPaths::findExecutable("socat").isEmpty()) {
            QSKIP("socat is not installed (scripts/setup installs it)");
        }
        QProcess socat;
        const QString programEnd = m_pDir->filePath("ttyProgram");
        const QString simEnd = m_pDir->filePath("ttySim");
        socat.start("socat",
                    {"PTY,link=" + programEnd + ",raw,echo=0", "PTY,link=" + simEnd + ",raw,echo=0"});
        QVERIFY(socat.waitForStarted());
        QTRY_VERIFY(QFile::exists(programEnd) && QFile::exists(simEnd));
        SimProcess sim;
        QVERIFY(sim.Start(Plant() << "--serial" << simEnd));
        m_pPlant->SetSystemValue("CommunicationType", "0", false);
        m_pPlant->SetSystemValue("Com_device", programEnd, false);
        QInverter* box = Add("Box", 1);
        QInverter* small = Add("Small", 2);
        m_pBus->OpenConfiguredLink();
        QVERIFY(m_pBus->SerialPort());
        EnableAll();
        m_pTick->start();
        QTRY_COMPARE_WITH_TIMEOUT(box->CommState(), int(CommOnline), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(small->CommState(), int(CommOnline), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(small->ItemValue(1) > 0, 5000);
        m_pTick->stop();
        sim.Stop();
        socat.terminate();
        socat.waitForFinished(2000);
    }

    void gprsModem() {
        m_pPlant->SetSystemValue("CommunicationType", "3", false);
        m_pBus->SetGprsPort(0);
        m_pBus->OpenConfiguredLink();
        QVERIFY(m_pBus->GprsServer());
        const QString server = QString("127.0.0.1:%1").arg(m_pBus->GprsServer()->serverPort());
        QInverter* box = Add("Box", 1);
        m_pTick->start();
        SimProcess modem;
        QVERIFY(modem.Start(Plant() << "--gprs" << server << "--gprs-retry-ms"
                                    << "200",
                            0));
        QTRY_VERIFY_WITH_TIMEOUT(m_pBus->GprsConnection(), 5000);
        QVERIFY(m_pBus->StatusText().startsWith("GPRS(127.0.0.1:"));
        QTRY_COMPARE_WITH_TIMEOUT(box->CommState(), int(CommOnline), 5000);

        // The modem hangs up and calls again: it is accepted again and polling goes on.
        modem.Stop();
        QTRY_VERIFY_WITH_TIMEOUT(!m_pBus->GprsConnection(), 5000);
        QVERIFY(m_pBus->IsAccepting());
        SimProcess again;
        QVERIFY(again.Start(Plant() << "--gprs" << server, 0));
        QTRY_VERIFY_WITH_TIMEOUT(m_pBus->GprsConnection(), 5000);
        box->Item(1).m_bFresh = 0;
        // The request abandoned by the first modem waits out the long GPRS time-out;
        // drop it so the test need not wait 50 s.
        m_pBus->SetMissionDoing(m_pBus->CurrentMission());
        box->MissionList().ResetTimers();
        QTRY_VERIFY_WITH_TIMEOUT(box->Item(1).m_bFresh, 10000);
    }
};

QTEST_GUILESS_MAIN(TestSimLinks)
#include "test_sim_links.moc"

// Alert mails as the owner receives them, from a real SMTP server on loopback
// (smtp_server.py): the program run with --headless on wattsight-sim for a
// scheduled fault; the plant's runtime in the test with the simulator and a
// clock moved by hand for offline inverters by day and by night and for the
// daily summary; fault flaps; and the queue across a mail server that is down
// and a restart of the program.

#include "../headless/ProgramProcess.h"
#include "../link/SimProcess.h"
#include "AlertTestSupport.h"
#include "MailTestSupport.h"
#include "QBusScheduler.h"
#include "QHeadlessRunner.h"
#include "QMailMessage.h"
#include "QServer.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QtTest>

using namespace alerttest;
using namespace mailtest;

namespace {
const QString kLogon = QStringLiteral("plant@sunridge.test");
const QString kKey = QStringLiteral("k3y-of-the-plant");
const QString kOwner = QStringLiteral("owner@sunridge.test");

QStringList Account() {
    return {"--login", kLogon, "--password", kKey};
}

QByteArray Entry(const QString& key, const QString& value) {
    return key.toUtf8() + QByteArray("?\x02?", 3) + value.toUtf8() + QByteArray("?\x03?", 3);
}

QByteArray Record(const QByteArray& name, const QByteArray& model, int address) {
    const QByteArray sep("?\x01?", 3);
    return name + sep + "Roof" + sep + model + sep + QByteArray::number(address) + sep + "1" +
           QByteArray("?\x02?", 3);
}

// system.dat of a plant on the simulator's TCP port, mailing through the server.
QByteArray PlantSettings(int simPort, const QString& mailServer,
                         const QList<QPair<QString, QString>>& alerts) {
    QByteArray bytes = Entry("systemname", "Sunridge") + Entry("CommunicationType", "1") +
                       Entry("IPAddress", "127.0.0.1") + Entry("IP_number", QString::number(simPort)) +
                       Entry("EmailServer", mailServer) + Entry("EmailLogonName", kLogon) +
                       Entry("EmailLogonKey", kKey) + Entry("EmailFrom", kLogon) + Entry("EmailTo", kOwner);
    for (const auto& alert : alerts) {
        bytes += Entry(alert.first, alert.second);
    }
    return bytes;
}

// The server has received and written down count mails (the parsed form comes last).
bool WaitForMails(const SmtpTestServer& server, int count, int ms = 20000) {
    return QTest::qWaitFor([&] { return server.MessageCount() >= count && !server.Parsed(count).isEmpty(); },
                           ms);
}

QString Subject(const SmtpTestServer& server, int n) {
    return server.Parsed(n).value(QStringLiteral("subject")).toString();
}
// The text as written, with the line ends of the mail (CR LF) back to LF.
QString Body(const SmtpTestServer& server, int n) {
    return QString::fromUtf8(PartPayload(server.Parsed(n), 0))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QStringList SimPlant(const QString& start) {
    return {"--tcp-port",    "0",      "--bind", "127.0.0.1", "--inverter", "1:Tivra PA5KS", "--inverter",
            "2:Tivra PM3KS", "--seed", "11",     "--start",   start};
}

QString Today(const QString& time) {
    return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd ")) + time;
}
} // namespace

class TestAlertMails : public QObject {
    Q_OBJECT

    // The runtime of a plant in this process, as the headless logger runs it,
    // with the alerts on a clock of the test.
    struct LoggedPlant {
        QTemporaryDir dir;
        QBuffer lines;
        QDateTime now;
        std::unique_ptr<QHeadlessRunner> runner;

        LoggedPlant(const QByteArray& settings, const QByteArray& inverters) {
            DataPaths::SetDataDir(dir.path());
            WriteAll(dir.filePath(QStringLiteral("system.dat")), settings);
            WriteAll(dir.filePath(QStringLiteral("inverter.dat")), inverters);
            lines.open(QIODevice::WriteOnly);
            runner = std::make_unique<QHeadlessRunner>(&lines);
            runner->Runtime().Alerts().SetClock([this] { return now; });
            runner->Runtime().Alerts().Stop();
        }
        ~LoggedPlant() {
            runner.reset();
            DataPaths::SetDataDir(QString());
        }
        void Start() {
            runner->Start();
            // The test ticks the alerts itself, at the moments it chooses.
            runner->Runtime().Alerts().Stop();
        }
        QInverter* Inverter(int address) { return runner->Runtime().Plant().FindByAddress(address); }
        void TickAt(const QDateTime& moment) {
            now = moment;
            runner->Runtime().Alerts().OnTick();
        }
    };

private slots:
    // The shipped program on the simulator: one mail when the fault begins and
    // one when it ends, saying what, where, when, and the recorded values.
    void scheduledFaultFromTheLogger() {
        SmtpTestServer server;
        QVERIFY(server.Start(Account()));
        SimProcess sim;
        // A simulated minute lasts five seconds: the fault of 12:00 begins some
        // five seconds after the start and ends five seconds later.
        QVERIFY(sim.Start(SimPlant(Today(QStringLiteral("11:59:00"))) +
                          QStringList{"--time-scale", "12", "--fault", "1:0:E006:12:00-12:01"}));
        QTemporaryDir dir;
        WriteAll(dir.filePath(QStringLiteral("system.dat")),
                 PlantSettings(sim.TcpPort(), server.Plain(), {{"AlertFault", "1"}}));
        WriteAll(dir.filePath(QStringLiteral("inverter.dat")),
                 Record("Roof east", "Tivra PA5KS", 1) + Record("Roof west", "Tivra PM3KS", 2));
        ProgramProcess logger;
        QVERIFY(logger.Start(ProgramProcess::Logger, dir.path()));
        QVERIFY2(logger.WaitForLine(QRegularExpression(QStringLiteral("fault ended E006")), 40000),
                 qPrintable(logger.Out() + logger.Err()));
        QVERIFY(WaitForMails(server, 2));
        QCOMPARE(server.MessageCount(), 2);
        QVERIFY(logger.Terminate());

        QCOMPARE(Subject(server, 1),
                 QStringLiteral("[Sunridge] Fault began on Roof east: E006 Over temperature"));
        QCOMPARE(Subject(server, 2),
                 QStringLiteral("[Sunridge] Fault ended on Roof east: E006 Over temperature"));
        QCOMPARE(server.Parsed(1).value(QStringLiteral("to")).toString(),
                 QStringLiteral("\"%1\"<%2>").arg(QString::fromLatin1(QMailMessage::ToDisplayName), kOwner));
        const QString began = Body(server, 1);
        for (const QString& text :
             {QStringLiteral("Inverter: Roof east (address 1, Tivra PA5KS)"),
              QStringLiteral("Fault: E006 Over temperature"), QStringLiteral("Description: "),
              QStringLiteral("Began: ") + QDate::currentDate().toString(Qt::ISODate),
              QStringLiteral("Recorded values (now and the four readings before):"),
              QStringLiteral("Output power (W): "), QStringLiteral("Grid frequency (Hz): ")}) {
            QVERIFY2(began.contains(text), qPrintable(began));
        }
        const QString ended = Body(server, 2);
        QVERIFY2(ended.contains(QStringLiteral("Ended: ")) && ended.contains(QStringLiteral(" min)")),
                 qPrintable(ended));
        // Sent: nothing waits in the queue.
        QCOMPARE(QDir(dir.filePath(QStringLiteral("mailqueue"))).entryList(QDir::Files).size(), 0);
    }

    // An address that stops answering at night is no news; one that is not back
    // by sunrise and the minutes is, and so is its return.
    void silentAddressByNightAndByDay() {
        SmtpTestServer server;
        QVERIFY(server.Start(Account()));
        auto sim = std::make_unique<SimProcess>();
        QVERIFY(sim->Start(SimPlant(Today(QStringLiteral("12:00:00"))) + QStringList{"--silent", "2"}));
        const int port = sim->TcpPort();
        // Only the silent inverter is in the plant: a slow reply of another one
        // under load must not make a mail of its own.
        LoggedPlant plant(PlantSettings(port, server.Plain(), {{"AlertOffline", "1"}}),
                          Record("Roof west", "Tivra PM3KS", 2));
        const QDate today = QDate::currentDate();
        plant.now = QDateTime(today, QTime(21, 0)); // after sunset (18:00 without a position)
        plant.Start();
        QTRY_COMPARE_WITH_TIMEOUT(plant.Inverter(2)->CommState(), int(CommOffline), 15000);
        plant.TickAt(QDateTime(today, QTime(23, 59)));
        plant.TickAt(QDateTime(today.addDays(1), QTime(6, 0, 50)));
        QTest::qWait(1500);
        QCOMPARE(server.MessageCount(), 0);
        plant.TickAt(QDateTime(today.addDays(1), QTime(6, 1, 10)));
        QVERIFY(WaitForMails(server, 1));
        QCOMPARE(server.MessageCount(), 1);
        QCOMPARE(Subject(server, 1), QStringLiteral("[Sunridge] Roof west is offline"));
        QVERIFY(Body(server, 1).contains(QStringLiteral("Inverter: Roof west (address 2, Tivra PM3KS)")));

        // The inverter answers again: the simulator comes back without the silence.
        sim.reset();
        sim = std::make_unique<SimProcess>();
        QVERIFY(sim->Start({"--tcp-port", QString::number(port), "--bind", "127.0.0.1", "--inverter",
                            "1:Tivra PA5KS", "--inverter", "2:Tivra PM3KS", "--seed", "11"}));
        plant.now = QDateTime(today.addDays(1), QTime(6, 20));
        QTRY_COMPARE_WITH_TIMEOUT(plant.Inverter(2)->CommState(), int(CommOnline), 30000);
        QVERIFY(WaitForMails(server, 2));
        QCOMPARE(server.MessageCount(), 2);
        QCOMPARE(Subject(server, 2), QStringLiteral("[Sunridge] Roof west is back online"));
        QVERIFY(Body(server, 2).contains(QStringLiteral("after 9 h 20 min offline")));
        plant.TickAt(QDateTime(today.addDays(1), QTime(9, 0)));
        QTest::qWait(1000);
        QCOMPARE(server.MessageCount(), 2);
    }

    // Once, after feed-in ended, with the energies the inverters reported today.
    void dailySummaryOnce() {
        SmtpTestServer server;
        QVERIFY(server.Start(Account()));
        SimProcess sim;
        QVERIFY(sim.Start(SimPlant(Today(QStringLiteral("14:00:00")))));
        LoggedPlant plant(PlantSettings(sim.TcpPort(), server.Plain(), {{"AlertSummary", "1"}}),
                          Record("Roof east", "Tivra PA5KS", 1) + Record("Roof west", "Tivra PM3KS", 2));
        const QDate today = QDate::currentDate();
        plant.now = QDateTime(today, QTime(17, 0));
        plant.Start();
        QTRY_VERIFY_WITH_TIMEOUT(plant.Inverter(1)->ItemValue(TodayEnergy) > 0 &&
                                     plant.Inverter(2)->ItemValue(TodayEnergy) > 0,
                                 15000);
        // The readings reach the alerts with the next replies.
        QTest::qWait(3000);
        plant.TickAt(QDateTime(today, QTime(18, 29)));
        QTest::qWait(1000);
        QCOMPARE(server.MessageCount(), 0);
        const qint64 roof = plant.Inverter(1)->ItemValue(TodayEnergy);
        const qint64 west = plant.Inverter(2)->ItemValue(TodayEnergy);
        plant.TickAt(QDateTime(today, QTime(18, 31)));
        QVERIFY(WaitForMails(server, 1));
        QCOMPARE(server.MessageCount(), 1);
        QCOMPARE(Subject(server, 1),
                 QStringLiteral("[Sunridge] Daily summary ") + today.toString(Qt::ISODate));
        const QString body = Body(server, 1);
        const auto kwh = [](qint64 hundredths) { return QString::number(hundredths / 100.0, 'f', 2); };
        // The readings may have moved on by a hundredth between the test's look and the summary's.
        QVERIFY2(body.contains(QStringLiteral("Roof east (address 1, Tivra PA5KS): ")), qPrintable(body));
        QVERIFY2(body.contains(kwh(roof)) || body.contains(kwh(roof + 1)), qPrintable(body));
        QVERIFY2(body.contains(kwh(west)) || body.contains(kwh(west + 1)), qPrintable(body));
        QVERIFY(body.contains(QStringLiteral("Plant total: ")));
        QVERIFY2(body.contains(QStringLiteral("Inverters that did not produce:\n  none")), qPrintable(body));
        plant.TickAt(QDateTime(today, QTime(20, 0)));
        plant.TickAt(QDateTime(today, QTime(23, 59)));
        QTest::qWait(1000);
        QCOMPARE(server.MessageCount(), 1);
    }

    // Twenty flaps in an hour: the first fault began and ended, then what the hour held back.
    void faultFlaps() {
        SmtpTestServer server;
        QVERIFY(server.Start(Account()));
        AlertedPlant plant;
        for (const auto& [key, value] : QList<QPair<QString, QString>>{{"EmailServer", server.Plain()},
                                                                       {"EmailLogonName", kLogon},
                                                                       {"EmailLogonKey", kKey},
                                                                       {"EmailFrom", kLogon},
                                                                       {"EmailTo", kOwner},
                                                                       {"AlertFault", "1"}}) {
            plant.plant.SetSystemValue(key, value, false);
        }
        plant.Flaps(20);
        QVERIFY(WaitForMails(server, 2));
        QCOMPARE(server.MessageCount(), 2);
        plant.At(QTime(11, 0));
        plant.Tick();
        QVERIFY(WaitForMails(server, 3));
        QCOMPARE(server.MessageCount(), 3);
        QCOMPARE(Subject(server, 3),
                 QStringLiteral("[Sunridge] Roof east: alerts held back in the last hour (38)"));
        plant.At(QTime(12, 30));
        plant.Tick();
        QTest::qWait(1000);
        QCOMPARE(server.MessageCount(), 3);
    }

    // Mails wait in the queue while the server cannot be reached, through a
    // restart of the program, and arrive in order once it answers.
    void queueOutlivesTheServerAndARestart() {
        const quint16 port = ClosedPort();
        AlertedPlant plant;
        plant.plant.SetSystemValue(QStringLiteral("EmailServer"),
                                   QStringLiteral("smtp://127.0.0.1:%1").arg(port), false);
        plant.plant.SetSystemValue(QStringLiteral("EmailLogonName"), kLogon, false);
        plant.plant.SetSystemValue(QStringLiteral("EmailLogonKey"), kKey, false);
        plant.plant.SetSystemValue(QStringLiteral("EmailFrom"), kLogon, false);
        plant.plant.SetSystemValue(QStringLiteral("EmailTo"), kOwner, false);
        plant.queue->SetRetryMs(200, 400);
        QSignalSpy failed(plant.queue.get(), &QAlertQueue::Failed);
        for (int i = 1; i <= 3; ++i) {
            QVERIFY(
                plant.queue->Enqueue({QStringLiteral("Alert %1").arg(i), QStringLiteral("Body %1").arg(i)}));
        }
        QTRY_VERIFY_WITH_TIMEOUT(failed.count() >= 2, 15000);
        QCOMPARE(failed.first().at(1).toInt(), int(QServer::NoConnection));
        QCOMPARE(plant.queue->Pending().size(), 3);

        // The program ends with the mails unsent and starts again.
        plant.queue = std::make_unique<QAlertQueue>(
            [&plant] { return QMailRecord::FromSettings(plant.plant.Settings()); });
        plant.queue->SetRetryMs(200, 400);
        plant.Restart();
        QCOMPARE(plant.queue->Pending().size(), 3);
        QVERIFY(plant.queue->Enqueue({QStringLiteral("Alert 4"), QStringLiteral("Body 4")}));

        SmtpTestServer server;
        QVERIFY(server.Start(Account()));
        plant.plant.SetSystemValue(QStringLiteral("EmailServer"), server.Plain(), false);
        QVERIFY(WaitForMails(server, 4));
        QCOMPARE(server.MessageCount(), 4);
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(Subject(server, i), QStringLiteral("Alert %1").arg(i));
        }
        QTRY_COMPARE_WITH_TIMEOUT(plant.queue->Pending().size(), 0, 5000);
    }
};

QTEST_GUILESS_MAIN(TestAlertMails)
#include "test_alert_mails.moc"

#include "../common/PtyPair.h"
#include "DataPaths.h"
#include "QBusScheduler.h"
#include "QDayLogFiles.h"
#include "QGenerationStore.h"
#include "QGprsServerLink.h"
#include "QInverter.h"
#include "QInverterRecorder.h"
#include "QMissionModel.h"
#include "QSystemModel.h"
#include "RtuFrameCodec.h"
#include "SimProcess.h"
#include "SystemClock.h"

#include <QRegularExpression>
#include <QTcpServer>
#include <QTimer>
#include <QtEndian>
#include <QtTest>

namespace {
// What the simulator sent, read from its --verbose log: the register values of
// every read reply that left it with a right CRC, by bus address and register.
// Replies leave in the order of their requests, late ones too, so each reply
// answers the oldest request still unanswered.
class SentRegisters {
public:
    void Feed(const QByteArray& log) {
        for (const QByteArray& line : log.split('\n')) {
            static const QRegularExpression frame(QStringLiteral("\\] (rx|tx) ([0-9A-F ]+)$"));
            const QRegularExpressionMatch match = frame.match(QString::fromLatin1(line.trimmed()));
            if (!match.hasMatch()) {
                continue;
            }
            const QByteArray bytes = QByteArray::fromHex(match.captured(2).toLatin1().replace(' ', ""));
            if (match.captured(1) == QLatin1String("rx")) {
                m_Requests.Append(bytes);
                RtuRequest request;
                while (m_Requests.TakeRequest(&request)) {
                    m_Pending.append(request);
                }
            } else if (!m_Pending.isEmpty()) {
                Reply(m_Pending.takeFirst(), bytes);
            }
        }
    }
    bool Has(int address, int reg, quint16 value) const {
        return m_Words.value(Key(address, reg)).contains(value);
    }
    bool Has32(int address, int reg, quint32 value) const {
        return m_Longs.value(Key(address, reg)).contains(value);
    }
    int Replies() const { return m_nReplies; }
    int Garbled() const { return m_nGarbled; }

private:
    static quint32 Key(int address, int reg) { return quint32(address) << 16 | quint32(reg); }
    void Reply(const RtuRequest& request, const QByteArray& reply) {
        if (!RtuFrameCodec::HasGoodCrc(reply)) {
            ++m_nGarbled;
            return;
        }
        if (request.function != 0x03 || reply.size() != 5 + 2 * request.count) {
            return;
        }
        ++m_nReplies;
        for (int i = 0; i < request.count; ++i) {
            const quint16 word = quint16(quint8(reply.at(3 + 2 * i)) << 8 | quint8(reply.at(4 + 2 * i)));
            m_Words[Key(request.address, request.start + i)].insert(word);
            if (i > 0) {
                m_Longs[Key(request.address, request.start + i - 1)].insert(m_nLast << 16 | word);
            }
            m_nLast = word;
        }
    }

    RtuFrameCodec m_Requests;
    QList<RtuRequest> m_Pending;
    QHash<quint32, QSet<quint16>> m_Words;
    QHash<quint32, QSet<quint32>> m_Longs;
    quint32 m_nLast = 0;
    int m_nReplies = 0;
    int m_nGarbled = 0;
};

// Live items, the poll they come from and the registers behind them.
enum class Width { Unsigned16, Signed16, Unsigned32 };
struct ItemSource {
    int item;
    int code;
    int reg;
    Width width;
};
const ItemSource kSources[] = {
    {2, 13, 0x1690, Width::Unsigned16},  {3, 13, 0x1691, Width::Unsigned16},
    {4, 13, 0x1692, Width::Unsigned16},  {5, 13, 0x1693, Width::Unsigned16},
    {11, 13, 0x1698, Width::Unsigned16}, {12, 13, 0x1699, Width::Unsigned16},
    {13, 13, 0x169A, Width::Unsigned16}, {14, 13, 0x169B, Width::Unsigned16},
    {15, 13, 0x169C, Width::Unsigned16}, {16, 13, 0x169D, Width::Unsigned16},
    {8, 14, 0x16A0, Width::Unsigned16},  {0, 14, 0x16A2, Width::Unsigned32},
    {1, 14, 0x16A4, Width::Unsigned32},  {6, 14, 0x16A6, Width::Signed16},
    {7, 14, 0x16A7, Width::Signed16},    {17, 11, 0x1652, Width::Unsigned32},
    {19, 11, 0x1654, Width::Unsigned32}, {18, 11, 0x1656, Width::Unsigned32},
};
// The last fifteen columns of a day-log row: the item and the factor of its text.
const int kRowItems[15] = {2, 3, 4, 5, 0, 11, 12, 13, 14, 15, 16, 1, 6, 7, 8};
const int kRowScales[15] = {10, 10, 10, 10, 1, 10, 10, 10, 10, 10, 10, 1, 100, 100, 100};

const ItemSource* SourceOf(int item) {
    for (const ItemSource& source : kSources) {
        if (source.item == item) {
            return &source;
        }
    }
    return nullptr;
}

bool Sent(const SentRegisters& sent, int address, const ItemSource& source, qint64 value) {
    if (source.width == Width::Unsigned32) {
        return sent.Has32(address, source.reg, quint32(value));
    }
    return sent.Has(address, source.reg, quint16(value));
}
} // namespace

// The core polling the simulated plant end to end over each kind of link, with
// the real clock and the real 20 ms and 10 s timers.
class TestSimLinks : public QObject {
    Q_OBJECT
    QTemporaryDir* m_pDir = nullptr;
    QSystemModel* m_pPlant = nullptr;
    QInverterRecorder* m_pRecorder = nullptr;
    QBusScheduler* m_pBus = nullptr;

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
    QGprsServerLink* Gprs() const { return qobject_cast<QGprsServerLink*>(m_pBus->Link()); }

private slots:
    void init() {
        m_pDir = new QTemporaryDir;
        DataPaths::SetDataDir(m_pDir->path());
        m_pPlant = new QSystemModel;
        m_pRecorder = new QInverterRecorder(*m_pPlant);
        m_pBus = new QBusScheduler(m_pPlant, &SystemClock::Now);
    }
    void cleanup() {
        delete m_pBus;
        delete m_pRecorder;
        delete m_pPlant;
        delete m_pDir;
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
        QTRY_VERIFY(m_pBus->IsLinkOpen());
        EnableAll();
        m_pBus->Start();

        QTRY_COMPARE_WITH_TIMEOUT(box->CommState(), int(CommOnline), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(small->CommState(), int(CommOnline), 10000);
        // The silent one goes offline after four unanswered sends, the others are served meanwhile.
        QTRY_COMPARE_WITH_TIMEOUT(silent->CommState(), int(CommOffline), 20000);
        // Generous limits: on a loaded machine the silent one's time-outs stretch.
        QTRY_VERIFY_WITH_TIMEOUT(box->ItemValue(1) > 0 && small->ItemValue(1) > 0, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(box->ModelName(), QStringLiteral("Tivra PA10KT & Box"), 15000);
        QCOMPARE(box->PhaseCount(), 3);
        QTRY_VERIFY_WITH_TIMEOUT(box->IdentityDone() && !box->SerialText().isEmpty(), 15000);
        QTRY_VERIFY_WITH_TIMEOUT(box->ItemValue(17) > 0, 15000); // total generation
        QVERIFY(box->ItemValue(1) <= box->ItemValue(0));         // output below input power
        QVERIFY(qAbs(box->ItemValue(8) - 5000) < 100);           // about 50.00 Hz

        // The records of the inverter fill in.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QGenerationStore::TotalFilePath()), 5000);
        // Readings of the day's first hour belong to no bar of the hourly chart: no hour file then.
        if (SystemClock::CurrentTime().hour() >= 1) {
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(DataPaths::FilePath("Box/hour.dat")), 5000);
        }
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
        QTRY_VERIFY(m_pBus->IsLinkOpen());
        QTRY_COMPARE_WITH_TIMEOUT(box->CommState(), int(CommOnline), 5000);
    }

    void serialLine() {
        if (!PtyPair::Available()) {
            QSKIP("socat is not installed (scripts/setup installs it)");
        }
        PtyPair line;
        QVERIFY(line.Start(m_pDir->path()));
        SimProcess sim;
        QVERIFY(sim.Start(Plant() << "--serial" << line.SlaveEnd()));
        m_pPlant->SetSystemValue("CommunicationType", "0", false);
        m_pPlant->SetSystemValue("Com_device", line.MasterEnd(), false);
        QInverter* box = Add("Box", 1);
        QInverter* small = Add("Small", 2);
        m_pBus->OpenConfiguredLink();
        QVERIFY(m_pBus->Link()->IsActive());
        EnableAll();
        m_pBus->Start();
        QTRY_COMPARE_WITH_TIMEOUT(box->CommState(), int(CommOnline), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(small->CommState(), int(CommOnline), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(small->ItemValue(1) > 0, 5000);
        m_pBus->Stop();
        sim.Stop();
    }

    void gprsModem() {
        m_pPlant->SetSystemValue("CommunicationType", "3", false);
        m_pBus->SetGprsPort(0);
        m_pBus->OpenConfiguredLink();
        QVERIFY(Gprs() && Gprs()->Server());
        const QString server = QString("127.0.0.1:%1").arg(Gprs()->Server()->serverPort());
        QInverter* box = Add("Box", 1);
        m_pBus->Start();
        SimProcess modem;
        QVERIFY(modem.Start(Plant() << "--gprs" << server << "--gprs-retry-ms"
                                    << "200",
                            0));
        QTRY_VERIFY_WITH_TIMEOUT(Gprs()->Socket(), 5000);
        QVERIFY(m_pBus->StatusText().startsWith("GPRS(127.0.0.1:"));
        QTRY_COMPARE_WITH_TIMEOUT(box->CommState(), int(CommOnline), 5000);

        // The modem hangs up and calls again: it is accepted again and polling goes
        // on at once, without waiting out the long GPRS time-out of the request
        // the first modem left unanswered.
        modem.Stop();
        QTRY_VERIFY_WITH_TIMEOUT(!Gprs()->Socket(), 5000);
        QVERIFY(m_pBus->IsAccepting());
        SimProcess again;
        QVERIFY(again.Start(Plant() << "--gprs" << server, 0));
        QTRY_VERIFY_WITH_TIMEOUT(Gprs()->Socket(), 5000);
        box->Item(1).m_bFresh = 0;
        QTRY_VERIFY_WITH_TIMEOUT(box->Item(1).m_bFresh, 10000);
    }

    // Two inverters that can be told apart (one phase and 3 kW, three phases and
    // 10 kW) behind a bus whose replies come late or hit by noise. No value of
    // one may ever turn up in the other's live items, day log or total.dat, nor
    // any value the simulator did not send for that register.
    void troubledRepliesStayWithTheirInverter_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<bool>("noise"); // some replies come garbled
        const QStringList late = {"--late-rate", "0.3", "--late-ms", "1150"};
        QTest::newRow("late replies on the serial line") << int(LinkSerial) << late << false;
        QTest::newRow("late replies through the converter") << int(LinkTcpClient) << late << false;
        QTest::newRow("noise on the serial line")
            << int(LinkSerial) << QStringList{"--corrupt-rate", "0.1"} << true;
    }
    void troubledRepliesStayWithTheirInverter() {
        QFETCH(int, kind);
        QFETCH(QStringList, faults);
        QFETCH(bool, noise);
        const QStringList plant =
            QStringList{"--inverter", "1:Tivra PM3KS",       "--inverter", "2:Tivra PA10KT", "--seed",   "5",
                        "--start",    "2026-06-15 12:00:00", "--baud",     "9600",           "--verbose"} +
            faults;
        PtyPair line;
        SimProcess sim;
        if (kind == LinkSerial) {
            if (!PtyPair::Available()) {
                QSKIP("socat is not installed (scripts/setup installs it)");
            }
            QVERIFY(line.Start(m_pDir->path()));
            QVERIFY(sim.Start(plant + QStringList{"--serial", line.SlaveEnd()}));
            m_pPlant->SetSystemValue("CommunicationType", "0", false);
            m_pPlant->SetSystemValue("Com_device", line.MasterEnd(), false);
        } else {
            QVERIFY(sim.Start(plant + QStringList{"--tcp-port", "0"}));
            m_pPlant->SetSystemValue("CommunicationType", "1", false);
            m_pPlant->SetSystemValue("IPAddress", "127.0.0.1", false);
            m_pPlant->SetSystemValue("IP_number", QString::number(sim.TcpPort()), false);
        }
        QInverter* const inverters[2] = {Add("Single", 1), Add("Three", 2)};
        m_pBus->OpenConfiguredLink();
        QTRY_VERIFY(m_pBus->IsLinkOpen());
        EnableAll();

        // Which polls each inverter has had answered; what its items showed.
        QSet<int> answered[2];
        QSet<QPair<int, qint64>> shown[2];
        int offline = 0;
        connect(m_pBus, &QBusScheduler::ReplyAccepted, this, [&](QMissionModel* mission) {
            const int i = mission->Address() == 1 ? 0 : 1;
            answered[i].insert(mission->Code());
        });
        QTimer sample;
        connect(&sample, &QTimer::timeout, this, [&] {
            for (int i = 0; i < 2; ++i) {
                for (const ItemSource& source : kSources) {
                    if (answered[i].contains(source.code)) {
                        shown[i].insert({source.item, inverters[i]->ItemValue(source.item)});
                    }
                }
                if (answered[0].contains(14) && answered[1].contains(14) &&
                    inverters[i]->CommState() != CommOnline) {
                    ++offline;
                }
            }
        });
        QTimer rows; // the day log, as the main window writes it
        connect(&rows, &QTimer::timeout, this, [&] {
            for (int i = 0; i < 2; ++i) {
                if (answered[i].contains(13) && answered[i].contains(14)) {
                    QDayLogFiles::WriteDayRow(*inverters[i], SystemClock::Now());
                }
            }
        });
        m_pBus->Start();
        sample.start(50);
        rows.start(500);
        QTest::qWait(20000);
        m_pBus->Stop();
        sample.stop();
        rows.stop();
        sim.Stop();
        SentRegisters sent;
        sent.Feed(sim.Process().readAllStandardError());
        QVERIFY2(sent.Replies() > 30, qPrintable(QString::number(sent.Replies())));
        if (noise) {
            QVERIFY(sent.Garbled() > 0);
        } else {
            QCOMPARE(offline, 0); // both stayed online
        }

        // Every value shown or stored must be one the inverter itself sent for
        // that register; the message says when it was the other inverter's.
        QStringList wrong;
        auto check = [&](int i, const ItemSource& source, qint64 value, const QString& where) {
            if (!Sent(sent, i + 1, source, value)) {
                wrong.append(
                    QString("%1 item %2 = %3 in %4%5")
                        .arg(inverters[i]->Name())
                        .arg(source.item)
                        .arg(value)
                        .arg(where, Sent(sent, 2 - i, source, value) ? ", from the other inverter" : ""));
            }
        };
        for (int i = 0; i < 2; ++i) {
            QVERIFY(answered[i].contains(11) && answered[i].contains(13) && answered[i].contains(14));
            for (const auto& [item, value] : std::as_const(shown[i])) {
                check(i, *SourceOf(item), value, "live items");
            }
            QFile log(QDayLogFiles::DayLogPath(*inverters[i], SystemClock::CurrentDate()));
            QVERIFY(log.open(QIODevice::ReadOnly));
            int dataRows = 0;
            for (const QByteArray& line : log.readAll().split('\n')) {
                const QList<QByteArray> columns = line.split(',');
                bool number = columns.size() >= 18;
                double values[15] = {};
                for (int c = 0; c < 15 && number; ++c) {
                    values[c] = columns.at(columns.size() - 15 + c).toDouble(&number);
                }
                if (!number) {
                    continue; // headers and connection rows
                }
                ++dataRows;
                for (int c = 0; c < 15; ++c) {
                    check(i, *SourceOf(kRowItems[c]), qRound64(values[c] * kRowScales[c]), "the day log");
                }
            }
            QVERIFY2(dataRows >= 5, qPrintable(QString::number(dataRows)));
        }
        QFile total(QGenerationStore::TotalFilePath());
        QVERIFY(total.open(QIODevice::ReadOnly));
        const QByteArray bytes = total.readAll();
        int blocks = 0;
        for (int at = QGenerationStore::MagicSize; at + QGenerationStore::TotalBlockSize <= bytes.size();
             at += QGenerationStore::TotalBlockSize, ++blocks) {
            auto word = [&bytes](int offset) {
                return qFromLittleEndian<qint32>(bytes.constData() + offset);
            };
            const int i = word(at) == 1 ? 0 : 1;
            const int items[3] = {17, 18, 19};
            for (int k = 0; k < 3; ++k) {
                if (word(at + 4 + 4 * k) != -1) {
                    check(i, *SourceOf(items[k]), quint32(word(at + 4 + 4 * k)), "total.dat");
                }
            }
        }
        QCOMPARE(blocks, 2);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.mid(0, 10).join('\n')));
    }
};

QTEST_GUILESS_MAIN(TestSimLinks)
#include "test_sim_links.moc"

// The simulator as a process on a loopback TCP port, spoken to with frames
// built from the protocol tables.

#include "SimTestSupport.h"

#include <QTcpSocket>
#include <QtTest>

using namespace SimTest;

class TestSimTcp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void modelNameRegisters();
    void liveValuesHangTogether_data();
    void liveValuesHangTogether();
    void countersAgree();
    void protectedWriteNeedsLogon();
    void clockWriteReadsBack();
    void switchingOffStopsGeneration();
    void refusals_data();
    void refusals();
    void silentAndForeignAddressesStayQuiet();
    void requestsInPiecesAndWithGarbage();
    void corruptRateSpoilsEveryCrc();
    void splitRepliesStillArriveWhole();
    void droppedAndLateReplies();
    void timeScaleRunsTheDay();
    void badOptionsExitWithTwo_data();
    void badOptionsExitWithTwo();
    void helpDocumentsTheProtectedWrites();

private:
    QByteArray Ask(const QByteArray& request, int timeoutMs = 2000) {
        return Master(&m_socket).Exchange(request, timeoutMs);
    }
    QVector<quint16> Read(quint8 address, quint16 reg, quint16 count) {
        const QByteArray reply = Ask(ReadRequest(address, reg, count));
        if (reply.size() != 5 + 2 * count || !CrcOk(reply) || quint8(reply.at(1)) != 0x03) {
            qWarning() << "bad reply to" << Qt::hex << reg << reply.toHex(' ');
            return {};
        }
        return Registers(reply);
    }
    bool Connect(QTcpSocket* socket, int port) {
        socket->connectToHost(QStringLiteral("127.0.0.1"), quint16(port));
        return socket->waitForConnected(3000);
    }

    SimProcess m_sim;
    QTcpSocket m_socket;
};

void TestSimTcp::initTestCase() {
    QVERIFY2(QFileInfo::exists(SimPath()), qPrintable(SimPath()));
    QVERIFY(m_sim.Start({"--tcp-port", "0", "--bind", "127.0.0.1", "--inverter", "1:Tivra PA10KT & Box",
                         "--inverter", "2:Tivra PM3KS", "--inverter", "4:Tivra PA5KS", "--silent", "4",
                         "--start", "2024-06-21 12:00:00", "--seed", "11"}));
    QVERIFY(m_sim.TcpPort() > 0);
    QVERIFY(Connect(&m_socket, m_sim.TcpPort()));
}

void TestSimTcp::cleanupTestCase() {
    m_socket.close();
    QVERIFY2(m_sim.Stop(), "SIGTERM must end the simulator with exit code 0");
}

void TestSimTcp::modelNameRegisters() {
    // The bus search reads 20 registers from 0x121C: 45 reply bytes.
    const QByteArray reply = Ask(ReadRequest(1, 0x121C, 20));
    QCOMPARE(reply.size(), 45);
    QVERIFY(CrcOk(reply));
    QCOMPARE(quint8(reply.at(0)), quint8(1));
    QCOMPARE(quint8(reply.at(2)), quint8(40));
    QCOMPARE(Text(reply), QStringLiteral("Tivra PA10KT & Box"));
    QCOMPARE(Text(Ask(ReadRequest(2, 0x121C, 20))), QStringLiteral("Tivra PM3KS"));
}

void TestSimTcp::liveValuesHangTogether_data() {
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("phases");
    QTest::addColumn<int>("rated");
    QTest::newRow("three-phase") << 1 << 3 << 10000;
    QTest::newRow("single-phase") << 2 << 1 << 3000;
}

void TestSimTcp::liveValuesHangTogether() {
    QFETCH(int, address);
    QFETCH(int, phases);
    QFETCH(int, rated);
    const QVector<quint16> power = Read(quint8(address), 0x169E, 16);
    const QVector<quint16> lines = Read(quint8(address), 0x1690, 14);
    QCOMPARE(power.size(), 16);
    QCOMPARE(lines.size(), 14);

    const int frequency = power[2];
    QVERIFY2(frequency >= 4990 && frequency <= 5010, qPrintable(QString::number(frequency)));
    const quint32 input = Long(power, 4);
    const quint32 output = Long(power, 6);
    // Midsummer noon: the inverter feeds in, below its rating, and loses a little on the way.
    QVERIFY2(output > 0 && output <= quint32(rated), qPrintable(QString::number(output)));
    QVERIFY2(output < input, qPrintable(QStringLiteral("%1 < %2").arg(output).arg(input)));
    QVERIFY(input < output * 1.2);
    const int heatsink = Signed(power[8]);
    QVERIFY2(heatsink > 1000 && heatsink < 9000, qPrintable(QString::number(heatsink)));

    const int pv1 = lines[0];
    QVERIFY2(pv1 >= 2500 && pv1 <= 4500, qPrintable(QString::number(pv1)));
    double gridWatts = 0;
    for (int phase = 0; phase < 3; ++phase) {
        const int volts = lines[8 + 2 * phase];
        const int amps = lines[9 + 2 * phase];
        if (phase < phases) {
            QVERIFY2(volts > 2100 && volts < 2500, qPrintable(QString::number(volts)));
            gridWatts += volts / 10.0 * amps / 10.0;
        } else {
            QCOMPARE(volts, 0);
            QCOMPARE(amps, 0);
        }
    }
    QVERIFY2(qAbs(gridWatts - output) < 0.1 * output + 50,
             qPrintable(QStringLiteral("%1 vs %2").arg(gridWatts).arg(output)));
}

void TestSimTcp::countersAgree() {
    const QVector<quint16> today = Read(1, 0x1616, 6);
    const QVector<quint16> year = Read(1, 0x1648, 20);
    const QVector<quint16> daily = Read(1, 0x16F2, 16);
    const QVector<quint16> blocks = Read(1, 0x1616, 60);
    const QVector<quint16> months = Read(1, 0x1730, 12);
    const QVector<quint16> peak = Read(1, 0x1600, 2);
    QVERIFY(!today.isEmpty() && !year.isEmpty() && !daily.isEmpty() && !blocks.isEmpty() &&
            !months.isEmpty());

    const quint32 todayEnergy = Long(today, 0);
    QVERIFY(todayEnergy > 0);
    QCOMPARE(Long(daily, 0), todayEnergy);
    // Block 2 is the last seven days, block 3 this month, block 5 the year.
    quint32 week = 0;
    for (int day = 0; day < 7; ++day) {
        week += Long(daily, 2 * day);
    }
    QCOMPARE(Long(blocks, 20), week);
    QCOMPARE(Long(months, 0), Long(blocks, 30));
    const quint32 yearEnergy = Long(year, 0);
    QCOMPARE(Long(blocks, 50), yearEnergy);
    QVERIFY(yearEnergy >= Long(months, 0) && Long(months, 0) >= todayEnergy);
    const quint32 total = Long(year, 10);
    QVERIFY(total > yearEnergy);
    // Money at the default price of 1.00 a kWh, CO2 just under a kg a kWh.
    QVERIFY(qAbs(qint64(Long(today, 2)) - qint64(todayEnergy)) <= 1);
    QVERIFY(Long(today, 4) <= todayEnergy && Long(today, 4) > todayEnergy * 0.9);
    QVERIFY(Long(year, 14) > 0);
    // Today's peak is below the rating and above the present output.
    const quint32 output = Long(Read(1, 0x16A4, 2), 0);
    QVERIFY(Long(peak, 0) <= 10000);
    QVERIFY(Long(peak, 0) + 200 >= output);
}

void TestSimTcp::protectedWriteNeedsLogon() {
    const QVector<quint16> period = {0x1805, 0x0118, 0x061E}; // 2024-05-01 to 2024-06-30
    QByteArray reply = Ask(WriteRequest(1, 0x1316, period));
    QCOMPARE(reply.toHex(), (QByteArray("\x01\x90\x09", 3) + Crc(QByteArray("\x01\x90\x09", 3))).toHex());
    QCOMPARE(Read(1, 0x167D, 1).value(0), quint16(1));

    reply = Ask(WriteRequest(1, 0x131C, {4321}));
    QCOMPARE(reply.size(), 5);
    QCOMPARE(quint8(reply.at(2)), quint8(5)); // wrong password

    reply = Ask(WriteRequest(1, 0x131C, {1234}));
    QCOMPARE(reply.toHex(), QByteArray("0110131c0001") + Crc(QByteArray::fromHex("0110131c0001")).toHex());
    QCOMPARE(Read(1, 0x167D, 1).value(0), quint16(2));

    reply = Ask(WriteRequest(1, 0x1316, period));
    QCOMPARE(reply.size(), 8);
    QVERIFY(CrcOk(reply));
    QCOMPARE(Read(1, 0x1316, 3), period);
    // The T1 block now sums May and June.
    const QVector<quint16> blocks = Read(1, 0x1616, 80);
    const QVector<quint16> months = Read(1, 0x1730, 4);
    QCOMPARE(Long(blocks, 70), Long(months, 0) + Long(months, 2));

    // The logon of one inverter does not open another.
    QCOMPARE(ByteAt(Ask(WriteRequest(2, 0x1316, period)), 2), 9);

    QCOMPARE(Ask(WriteRequest(1, 0x131C, {0})).size(), 8);
    QCOMPARE(Read(1, 0x167D, 1).value(0), quint16(1));
    QCOMPARE(ByteAt(Ask(WriteRequest(1, 0x1316, period)), 2), 9);
}

void TestSimTcp::clockWriteReadsBack() {
    // 2023-02-28 23:59:30, packed as the settings dialog sends it.
    QCOMPARE(Ask(WriteRequest(2, 0x1678, {0x1702, 0x1C00, 0x173B, 0x1E00})).size(), 8);
    const QVector<quint16> clock = Read(2, 0x1678, 4);
    QCOMPARE(clock.mid(0, 2), QVector<quint16>({0x1702, 0x1C00}));
    QCOMPARE(clock[2], quint16(0x173B));
    QVERIFY((clock[3] >> 8) >= 30 && (clock[3] >> 8) <= 33);
    // Only the inverter's clock moved: the plant's sun did not.
    QVERIFY(Long(Read(2, 0x16A4, 2), 0) > 0);
    // February 30th is no date.
    QCOMPARE(ByteAt(Ask(WriteRequest(2, 0x1678, {0x1702, 0x1E00, 0x0C00, 0x0000})), 2), 3);
}

void TestSimTcp::switchingOffStopsGeneration() {
    QCOMPARE(Ask(WriteRequest(1, 0x131C, {1234})).size(), 8);
    QCOMPARE(Ask(WriteRequest(1, 0x1400, {0x5555})).size(), 8);
    QCOMPARE(Read(1, 0x167C, 1).value(0) & 0xFF, 5);
    QCOMPARE(Long(Read(1, 0x16A4, 2), 0), quint32(0));
    QCOMPARE(Ask(WriteRequest(1, 0x1400, {0xAAAA})).size(), 8);
    QCOMPARE(Read(1, 0x167C, 1).value(0) & 0xFF, 1); // self-test before it feeds in again
    QCOMPARE(ByteAt(Ask(WriteRequest(1, 0x1400, {0x1234})), 2), 3);
    QCOMPARE(Ask(WriteRequest(1, 0x131C, {0})).size(), 8);
}

void TestSimTcp::refusals_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("function");
    QTest::addColumn<int>("code");
    QTest::newRow("unknown register") << ReadRequest(1, 0x1234, 1) << 0x83 << 2;
    QTest::newRow("range running into unknown") << ReadRequest(1, 0x167C, 4) << 0x83 << 2;
    QTest::newRow("box registers without a box") << ReadRequest(2, 0x2124, 4) << 0x83 << 2;
    QTest::newRow("no registers") << ReadRequest(1, 0x121C, 0) << 0x83 << 10;
    QTest::newRow("read-only address") << WriteRequest(1, 0x1300, {7}) << 0x90 << 7;
    QTest::newRow("protection points") << WriteRequest(1, 0x1250, {1900}) << 0x90 << 8;
    QTest::newRow("part of the clock") << WriteRequest(1, 0x1678, {0x1801}) << 0x90 << 10;
    QTest::newRow("language letter") << WriteRequest(1, 0x1301, {'X'}) << 0x90 << 3;
    QTest::newRow("power limit above 100 %") << WriteRequest(1, 0x131E, {10001}) << 0x90 << 3;
    QTest::newRow("password unreadable") << ReadRequest(1, 0x1300, 8) << 0x83 << 11;
    QByteArray function6 = QByteArray::fromHex("010613030064");
    QTest::newRow("unknown function") << function6 + Crc(function6) << 0x86 << 1;
    // One register announced with a byte count of 3.
    const QByteArray badCount = QByteArray::fromHex("011013030001030064");
    QTest::newRow("byte count") << badCount + Crc(badCount) << 0x90 << 6;
}

void TestSimTcp::refusals() {
    QFETCH(QByteArray, request);
    QFETCH(int, function);
    QFETCH(int, code);
    const QByteArray reply = Ask(request);
    QCOMPARE(reply.size(), 5);
    QVERIFY(CrcOk(reply));
    QCOMPARE(int(quint8(reply.at(1))), function);
    QCOMPARE(int(quint8(reply.at(2))), code);
}

void TestSimTcp::silentAndForeignAddressesStayQuiet() {
    Master master(&m_socket);
    m_socket.write(ReadRequest(4, 0x121C, 20));
    m_socket.write(ReadRequest(9, 0x121C, 20));
    QCOMPARE(master.Listen(600), QByteArray());
    QCOMPARE(Text(Ask(ReadRequest(1, 0x121C, 20))), QStringLiteral("Tivra PA10KT & Box"));
}

void TestSimTcp::requestsInPiecesAndWithGarbage() {
    Master master(&m_socket);
    // One byte at a time.
    const QByteArray request = ReadRequest(1, 0x121C, 20);
    for (const char byte : request) {
        m_socket.write(&byte, 1);
        m_socket.flush();
        QTest::qWait(5);
    }
    QCOMPARE(Text(master.Collect(request)), QStringLiteral("Tivra PA10KT & Box"));

    // Noise in front, and two requests in one write.
    const QByteArray second = ReadRequest(2, 0x121C, 20);
    m_socket.write(QByteArray::fromHex("00ff1003aa55") + request + second);
    const QByteArray both = master.Listen(1500);
    QCOMPARE(both.size(), 90);
    QCOMPARE(Text(both.left(45)), QStringLiteral("Tivra PA10KT & Box"));
    QCOMPARE(Text(both.mid(45)), QStringLiteral("Tivra PM3KS"));
    QVERIFY(CrcOk(both.left(45)) && CrcOk(both.mid(45)));

    // A frame cut short is given up once the line is quiet; the next one is answered.
    m_socket.write(request.left(5));
    QTest::qWait(500);
    QCOMPARE(Text(Ask(request)), QStringLiteral("Tivra PA10KT & Box"));
}

void TestSimTcp::corruptRateSpoilsEveryCrc() {
    SimProcess sim;
    QVERIFY(sim.Start({"--tcp-port", "0", "--bind", "127.0.0.1", "--inverters", "2", "--corrupt-rate", "1",
                       "--seed", "3"}));
    QTcpSocket socket;
    QVERIFY(Connect(&socket, sim.TcpPort()));
    Master master(&socket);
    // The model name as the table writes it, zero-padded to 20 registers.
    const QByteArray clean =
        WireCrc::With(QByteArray::fromHex("020328") + QByteArray("Tivra PA5KS").leftJustified(40, '\0'));
    for (int i = 0; i < 3; ++i) {
        const QByteArray reply = master.Exchange(ReadRequest(2, 0x121C, 20));
        QCOMPARE(reply.size(), 45);
        QVERIFY(!CrcOk(reply));
        // One byte hit behind the function code; the CRC is the clean reply's.
        QList<int> hit;
        for (int at = 0; at < reply.size(); ++at) {
            if (reply.at(at) != clean.at(at)) {
                hit.append(at);
            }
        }
        QCOMPARE(hit.size(), 1);
        QVERIFY2(hit.first() >= 2 && hit.first() < 43, qPrintable(QString::number(hit.first())));
    }
}

void TestSimTcp::splitRepliesStillArriveWhole() {
    SimProcess sim;
    QVERIFY(sim.Start({"--tcp-port", "0", "--bind", "127.0.0.1", "--inverters", "1", "--split", "--verbose",
                       "--seed", "3"}));
    QTcpSocket socket;
    QVERIFY(Connect(&socket, sim.TcpPort()));
    Master master(&socket);
    const int replies = 5;
    for (int i = 0; i < replies; ++i) {
        const QByteArray reply = master.Exchange(ReadRequest(1, 0x169E, 16));
        QCOMPARE(reply.size(), 37);
        QVERIFY(CrcOk(reply));
    }
    QVERIFY(sim.Stop());
    // Each reply left in two or three writes.
    const QString log = QString::fromLocal8Bit(sim.Process().readAllStandardError());
    const int writes = int(log.count(QLatin1String("] tx ")));
    QVERIFY2(writes >= 2 * replies && writes <= 3 * replies, qPrintable(log));
}

void TestSimTcp::droppedAndLateReplies() {
    SimProcess dropping;
    QVERIFY(
        dropping.Start({"--tcp-port", "0", "--bind", "127.0.0.1", "--inverters", "1", "--drop-rate", "1"}));
    QTcpSocket first;
    QVERIFY(Connect(&first, dropping.TcpPort()));
    QCOMPARE(Master(&first).Exchange(ReadRequest(1, 0x121C, 20), 600), QByteArray());

    SimProcess late;
    QVERIFY(late.Start({"--tcp-port", "0", "--bind", "127.0.0.1", "--inverters", "1", "--late-rate", "1",
                        "--late-ms", "700", "--verbose"}));
    QTcpSocket second;
    QVERIFY(Connect(&second, late.TcpPort()));
    Master master(&second);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(master.Exchange(ReadRequest(1, 0x121C, 20), 400), QByteArray());
    const QByteArray reply = master.Collect(ReadRequest(1, 0x121C, 20), 2000);
    QVERIFY2(timer.elapsed() >= 690, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(Text(reply), QStringLiteral("Tivra PA10KT & Box"));
    QVERIFY(late.Stop());
    // --verbose logs both directions.
    const QString log = QString::fromLocal8Bit(late.Process().readAllStandardError());
    QVERIFY2(log.contains(QLatin1String("] rx 01 03 12 1C 00 14")) &&
                 log.contains(QLatin1String("] tx 01 03 28 54 69")),
             qPrintable(log));
}

void TestSimTcp::timeScaleRunsTheDay() {
    // An hour a second from 09:00: the clock and today's energy move on.
    SimProcess sim;
    QVERIFY(sim.Start({"--tcp-port", "0", "--bind", "127.0.0.1", "--inverter", "7:Tivra PA8KT",
                       "--time-scale", "3600", "--start", "2024-04-10 09:00:00", "--seed", "5"}));
    QTcpSocket socket;
    QVERIFY(Connect(&socket, sim.TcpPort()));
    Master master(&socket);
    const quint32 before = Long(Registers(master.Exchange(ReadRequest(7, 0x1616, 2))), 0);
    QTest::qWait(1500);
    const QVector<quint16> clock = Registers(master.Exchange(ReadRequest(7, 0x1678, 4)));
    const quint32 after = Long(Registers(master.Exchange(ReadRequest(7, 0x1616, 2))), 0);
    QCOMPARE(clock.value(0), quint16(0x1804));
    const int hour = clock.value(2) >> 8;
    QVERIFY2(hour >= 10 && hour <= 12, qPrintable(QString::number(hour)));
    QVERIFY2(after > before, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(after)));
}

void TestSimTcp::badOptionsExitWithTwo_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no link") << QStringList{"--inverters", "2"};
    QTest::newRow("unknown option") << QStringList{"--tcp-port", "0", "--colour"};
    QTest::newRow("missing value") << QStringList{"--tcp-port"};
    QTest::newRow("port out of range") << QStringList{"--tcp-port", "70000"};
    QTest::newRow("address 0") << QStringList{"--tcp-port", "0", "--inverter", "0:Tivra PA5KS"};
    QTest::newRow("address twice") << QStringList{"--tcp-port",    "0",          "--inverter",
                                                  "3:Tivra PA5KS", "--inverter", "3:Tivra PM3KS"};
    QTest::newRow("count and list") << QStringList{"--tcp-port", "0",          "--inverters",
                                                   "2",          "--inverter", "5:Tivra PA5KS"};
    QTest::newRow("rate above 1") << QStringList{"--tcp-port", "0", "--drop-rate", "1.5"};
    QTest::newRow("bad start") << QStringList{"--tcp-port", "0", "--start", "2024-13-01 10:00:00"};
    QTest::newRow("bad time scale") << QStringList{"--tcp-port", "0", "--time-scale", "0"};
    QTest::newRow("bad fault") << QStringList{"--tcp-port", "0", "--fault", "1:9:E006:10:00-11:00"};
    QTest::newRow("silent stranger") << QStringList{"--tcp-port", "0", "--inverters", "2", "--silent", "5"};
    QTest::newRow("missing config") << QStringList{"--tcp-port", "0", "--config", "/nonexistent/plant.txt"};
    QTest::newRow("gprs without port") << QStringList{"--gprs", "localhost"};
    QTest::newRow("stray argument") << QStringList{"--tcp-port", "0", "extra"};
}

void TestSimTcp::badOptionsExitWithTwo() {
    QFETCH(QStringList, arguments);
    QProcess process;
    process.start(SimPath(), arguments);
    QVERIFY(process.waitForFinished(5000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 2);
    const QString message = QString::fromLocal8Bit(process.readAllStandardError());
    QVERIFY2(message.startsWith(QLatin1String("wattsight-sim: ")), qPrintable(message));
    QVERIFY(process.readAllStandardOutput().isEmpty());
}

void TestSimTcp::helpDocumentsTheProtectedWrites() {
    QProcess process;
    process.start(SimPath(), {"--help"});
    QVERIFY(process.waitForFinished(5000));
    QCOMPARE(process.exitCode(), 0);
    const QString help = QString::fromLocal8Bit(process.readAllStandardOutput());
    for (const char* text :
         {"--inverters", "--inverter", "--config", "--tcp-port", "--serial", "--gprs", "--time-scale",
          "--start", "--fault", "--silent", "--drop-rate", "--corrupt-rate", "--late-rate", "--late-ms",
          "--split", "--baud", "--seed", "--verbose", "Password protection"}) {
        QVERIFY2(help.contains(QLatin1String(text)), text);
    }
}

QTEST_GUILESS_MAIN(TestSimTcp)
#include "test_sim_tcp.moc"

// Framing of the bus byte stream: pieces, bursts, noise, truncation, floods.

#include "../common/WireCrc.h"
#include "RtuFrameCodec.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {
// Frames written out from the protocol tables, CRC as documented (low byte first).
QByteArray WithCrc(const QByteArray& body) {
    return WireCrc::With(body);
}

const QByteArray kRead = WithCrc(QByteArray::fromHex("0103169e0014"));
const QByteArray kWrite = WithCrc(QByteArray::fromHex("0310131c0001020002"));
} // namespace

class TestSimCodec : public QObject {
    Q_OBJECT

private slots:
    void crcMatchesTheDocumentedExample();
    void readAndWriteRequestsAreTaken();
    void requestInPiecesCompletesWithItsLastByte();
    void burstOfRequests();
    void noiseInFrontIsDropped();
    void badCrcIsSkippedForTheNextFrame();
    void truncatedFrameIsGivenUpWhenTheLineIsQuiet();
    void bogusLengthDoesNotSwallowTheFrameBehind();
    void otherFunctionsAreFramedForRefusal();
    void floodsAreBounded();
    void randomStreamsOnlyYieldGoodFrames();
    void frameHiddenInNoiseIsFound();
    void repliesFollowTheTables();
};

void TestSimCodec::crcMatchesTheDocumentedExample() {
    QByteArray frame("abc");
    RtuFrameCodec::AppendCrc(&frame);
    QCOMPARE(frame.toHex(), QByteArray("6162634957"));
    QVERIFY(RtuFrameCodec::HasGoodCrc(frame));
    frame[1] = 'B';
    QVERIFY(!RtuFrameCodec::HasGoodCrc(frame));
}

void TestSimCodec::readAndWriteRequestsAreTaken() {
    RtuFrameCodec codec;
    codec.Append(kRead + kWrite);
    RtuRequest request;
    QVERIFY(codec.TakeRequest(&request));
    QCOMPARE(request.address, quint8(1));
    QCOMPARE(request.function, quint8(0x03));
    QCOMPARE(request.start, quint16(0x169E));
    QCOMPARE(request.count, quint16(20));
    QCOMPARE(request.wireLength, 8);
    QVERIFY(codec.TakeRequest(&request));
    QCOMPARE(request.address, quint8(3));
    QCOMPARE(request.function, quint8(0x10));
    QCOMPARE(request.start, quint16(0x131C));
    QCOMPARE(request.data, QByteArray::fromHex("0002"));
    QVERIFY(request.byteCountMatches);
    QCOMPARE(request.wireLength, 11);
    QVERIFY(!codec.TakeRequest(&request));
    QCOMPARE(codec.DroppedBytes(), 0);
}

void TestSimCodec::requestInPiecesCompletesWithItsLastByte() {
    RtuFrameCodec codec;
    RtuRequest request;
    for (int i = 0; i < kWrite.size() - 1; ++i) {
        codec.Append(kWrite.mid(i, 1));
        QVERIFY(!codec.TakeRequest(&request));
    }
    codec.Append(kWrite.right(1));
    QVERIFY(codec.TakeRequest(&request));
    QCOMPARE(request.start, quint16(0x131C));
    QCOMPARE(codec.Pending(), 0);
}

void TestSimCodec::burstOfRequests() {
    RtuFrameCodec codec;
    QByteArray burst;
    for (int i = 0; i < 50; ++i) {
        burst += (i % 2) ? kWrite : kRead;
    }
    codec.Append(burst);
    RtuRequest request;
    int taken = 0;
    while (codec.TakeRequest(&request)) {
        QCOMPARE(request.function, quint8((taken % 2) ? 0x10 : 0x03));
        ++taken;
    }
    QCOMPARE(taken, 50);
}

void TestSimCodec::noiseInFrontIsDropped() {
    RtuFrameCodec codec;
    codec.Append(QByteArray::fromHex("ff0003") + kRead);
    RtuRequest request;
    QVERIFY(codec.TakeRequest(&request));
    QCOMPARE(request.start, quint16(0x169E));
    QCOMPARE(codec.DroppedBytes(), 3);
}

void TestSimCodec::badCrcIsSkippedForTheNextFrame() {
    QByteArray spoilt = kRead;
    spoilt[7] = char(spoilt.at(7) ^ 0x01);
    RtuFrameCodec codec;
    codec.Append(spoilt + kWrite);
    RtuRequest request;
    QVERIFY(codec.TakeRequest(&request));
    QCOMPARE(request.function, quint8(0x10));
    QCOMPARE(codec.DroppedBytes(), 8);
}

void TestSimCodec::truncatedFrameIsGivenUpWhenTheLineIsQuiet() {
    RtuFrameCodec codec;
    codec.Append(kRead.left(6));
    RtuRequest request;
    QVERIFY(!codec.TakeRequest(&request));
    QCOMPARE(codec.Pending(), 6);
    QVERIFY(!codec.TakeRequest(&request, true));
    QCOMPARE(codec.Pending(), 0);
    codec.Append(kRead);
    QVERIFY(codec.TakeRequest(&request));
}

void TestSimCodec::bogusLengthDoesNotSwallowTheFrameBehind() {
    // A stray header announcing 100 registers, then a real read.
    RtuFrameCodec codec;
    codec.Append(QByteArray::fromHex("05100000006400") + kRead);
    RtuRequest request;
    QVERIFY(!codec.TakeRequest(&request)); // could still be a long write
    QVERIFY(codec.TakeRequest(&request, true));
    QCOMPARE(request.address, quint8(1));
    QCOMPARE(request.start, quint16(0x169E));
}

void TestSimCodec::otherFunctionsAreFramedForRefusal() {
    RtuFrameCodec codec;
    codec.Append(WithCrc(QByteArray::fromHex("010613030064")) + kRead);
    RtuRequest request;
    QVERIFY(codec.TakeRequest(&request));
    QCOMPARE(request.function, quint8(0x06));
    QVERIFY(codec.TakeRequest(&request));
    QCOMPARE(request.function, quint8(0x03));
}

void TestSimCodec::floodsAreBounded() {
    RtuFrameCodec codec;
    codec.Append(QByteArray(100000, char(0x10)));
    QVERIFY(codec.Pending() <= 4096);
    RtuRequest request;
    QVERIFY(!codec.TakeRequest(&request, true));
    QCOMPARE(codec.Pending(), 0);
    codec.Append(kRead);
    QVERIFY(codec.TakeRequest(&request));
}

void TestSimCodec::randomStreamsOnlyYieldGoodFrames() {
    QRandomGenerator random(20240621);
    RtuFrameCodec codec;
    RtuRequest request;
    for (int round = 0; round < 2000; ++round) {
        QByteArray chunk(int(random.bounded(64)), '\0');
        for (char& c : chunk) {
            // Mostly plausible header bytes so that candidates form often.
            c = char(random.bounded(4) == 0 ? random.bounded(256) : (random.bounded(2) ? 0x03 : 0x10));
        }
        codec.Append(chunk);
        while (codec.TakeRequest(&request, round % 7 == 0)) {
            QVERIFY(request.function == 0x10 ? request.wireLength == 9 + 2 * request.count
                                             : request.wireLength == 8);
        }
        QVERIFY(codec.Pending() <= 4096);
    }
}

void TestSimCodec::frameHiddenInNoiseIsFound() {
    // Noise can hold a stray frame whose CRC happens to match (1 in 65536 per
    // position) and that runs into the real one, as on a real bus; all other
    // rounds must find the frame.
    QRandomGenerator random(7);
    int found = 0;
    const int rounds = 500;
    for (int round = 0; round < rounds; ++round) {
        QByteArray noise(int(random.bounded(40)), '\0');
        for (char& c : noise) {
            c = char(random.bounded(256));
        }
        RtuFrameCodec codec;
        codec.Append(noise + kRead);
        RtuRequest request;
        bool hit = false;
        while (codec.TakeRequest(&request, true)) {
            hit = hit || (request.address == 1 && request.start == 0x169E && request.count == 20);
        }
        found += hit ? 1 : 0;
        QCOMPARE(codec.Pending(), 0);
    }
    QVERIFY2(found >= rounds - 5, qPrintable(QString::number(found)));
}

void TestSimCodec::repliesFollowTheTables() {
    const QByteArray read = RtuFrameCodec::ReadReply(7, {0x1234, 0xABCD});
    QCOMPARE(read, WithCrc(QByteArray::fromHex("0703041234abcd")));
    const QByteArray ack = RtuFrameCodec::WriteReply(3, 0x131C, 1);
    QCOMPARE(ack, WithCrc(QByteArray::fromHex("0310131c0001")));
    const QByteArray error = RtuFrameCodec::ErrorReply(1, 0x03, 2);
    QCOMPARE(error, WithCrc(QByteArray::fromHex("018302")));
    QCOMPARE(RtuFrameCodec::ErrorReply(1, 0x10, 9), WithCrc(QByteArray::fromHex("019009")));
}

QTEST_GUILESS_MAIN(TestSimCodec)
#include "test_sim_codec.moc"

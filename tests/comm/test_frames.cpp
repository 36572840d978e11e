// The wire format of the bus, both ends: requests as the missions build them,
// replies taken out of a byte stream and checked against their request, and
// the error replies with their texts. Frames are written out from the protocol
// tables with an independent CRC (WireCrc), not with the code under test.

#include "../common/WireCrc.h"
#include "Crc.h"
#include "PlantEvent.h"
#include "QMissionModel.h"
#include "ReplyErrors.h"
#include "RtuFrameCodec.h"
#include "SystemClock.h"

#include <QtTest>

Q_DECLARE_METATYPE(RtuReplyState)

namespace {
QByteArray Tx(const QMissionModel& m) {
    return QByteArray(reinterpret_cast<const char*>(m.TxBuffer()), m.TxLength());
}

QByteArray WithCrc(const QByteArray& frame) {
    return WireCrc::With(frame);
}

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}

// The two requests of the protocol's examples and replies to them.
const QByteArray kRead20 = WithCrc(Hex("01 03 169E 0014"));         // inverter 1, 20 registers from 0x169E
const QByteArray kWrite1 = WithCrc(Hex("03 10 131C 0001 02 0002")); // inverter 3, 0x131C = 2
const QByteArray kRead2 = WithCrc(Hex("01 03 1600 0002"));
const QByteArray kReply2 = WithCrc(Hex("01 03 04 0000 1388"));
const QByteArray kEcho = WithCrc(Hex("03 10 131C 0001"));

QByteArray Reply20(char fill) {
    return WithCrc(Hex("01 03 28") + QByteArray(40, fill));
}

QByteArray SpoilLastByte(QByteArray frame) {
    frame[frame.size() - 1] = char(frame.at(frame.size() - 1) ^ 0x5A);
    return frame;
}

class EventCatcher : public QObject {
public:
    QList<int> types;
    QList<qintptr> values;

protected:
    void customEvent(QEvent* event) override {
        types.append(event->type());
        values.append(static_cast<QPlantEvent*>(event)->m_nValue1);
    }
};
} // namespace

class TestFrames : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { SystemClock::UseSystem(); }

    void crcOfAbcComesBackSwapped() {
        const uchar abc[] = {'a', 'b', 'c'};
        QCOMPARE(CalcCrc(abc, 3), quint16(0x4957));
        QCOMPARE(CalcCrc(abc, 0), quint16(0xFFFF));
        QByteArray frame("abc");
        RtuFrameCodec::AppendCrc(&frame);
        QCOMPARE(frame.toHex(), QByteArray("6162634957"));
        QVERIFY(RtuFrameCodec::HasGoodCrc(frame));
    }

    // --- requests

    void readRequestOf20RegistersFrom0x169E() {
        QMissionModel m;
        QVERIFY(m.BuildFrame(0x169E, 1, 20, MissionPollRead));
        QCOMPARE(Tx(m), kRead20);
        QCOMPARE(m.TxLength(), 8);
        QCOMPARE(m.ExpectedLength(), 45);
        QCOMPARE(m.TxBuffer()[8], uchar(0)); // kept behind the frame
        QCOMPARE(m.LastTime(), QTime(0, 0));
        QCOMPARE(m.Period(), 2000);
    }

    void writeRequestOfOneRegister() {
        QMissionModel m;
        const uchar value[] = {0x00, 0x02};
        QVERIFY(m.BuildFrame(0x131C, 3, 1, MissionOnceWrite, value));
        QCOMPARE(Tx(m), kWrite1);
        QCOMPARE(m.ExpectedLength(), 8);
        QCOMPARE(m.Period(), 10000); // one-shot kinds
        QCOMPARE(m.Kind(), int(MissionOnceWrite));
    }

    void writeCopiesTheCallersBytesUnchanged() {
        QMissionModel m;
        QByteArray data;
        for (int i = 0; i < 40; ++i) {
            data.append(char(0xF0 + i % 16));
        }
        QVERIFY(m.BuildFrame(0x1306, 247, 20, MissionPollWrite,
                             reinterpret_cast<const uchar*>(data.constData())));
        QCOMPARE(m.TxLength(), 9 + 40);
        QCOMPARE(Tx(m).mid(7, 40), data);
        QCOMPARE(Tx(m).left(7), Hex("F7 10 1306 0014 28"));
        QCOMPARE(Tx(m), WithCrc(Tx(m).left(47)));
    }

    void addressTakenModulo256() {
        QMissionModel m;
        QVERIFY(m.BuildFrame(0x1600, 258, 2, MissionOnceRead));
        QCOMPARE(m.TxBuffer()[0], uchar(2));
        QCOMPARE(m.Period(), 10000);
    }

    void refusedFramesLeaveTheMissionUntouched_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("kind");
        QTest::newRow("count 0") << 0 << 0;
        QTest::newRow("count 21") << 21 << 0;
        QTest::newRow("kind -1") << 2 << -1;
        QTest::newRow("kind 4") << 2 << 4;
    }
    void refusedFramesLeaveTheMissionUntouched() {
        QFETCH(int, count);
        QFETCH(int, kind);
        QMissionModel m;
        QVERIFY(m.BuildFrame(0x1600, 1, 2, MissionPollRead));
        const QByteArray before = Tx(m);
        QVERIFY(!m.BuildFrame(0x1700, 2, count, kind));
        QCOMPARE(Tx(m), before);
        QCOMPARE(m.ExpectedLength(), 9);
    }

    // --- one whole reply against its request

    void checkReply_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<RtuReplyState>("state");
        const RtuReplyState ok = RtuReplyState::Complete;
        const RtuReplyState no = RtuReplyState::Rejected;
        const RtuReplyState more = RtuReplyState::NeedMore;
        QTest::newRow("read reply") << kRead20 << Reply20('\x11') << ok;
        QTest::newRow("write echo") << kWrite1 << kEcho << ok;
        QTest::newRow("error 0x83 to a read that expected 45") << kRead20 << WithCrc(Hex("01 83 02")) << ok;
        QTest::newRow("error 0x90 to a write") << kWrite1 << WithCrc(Hex("03 90 09")) << ok;
        QTest::newRow("wrong address") << kRead2 << WithCrc(Hex("02 03 04 0000 1388")) << no;
        QTest::newRow("wrong function") << kRead2 << WithCrc(Hex("01 04 04 0000 1388")) << no;
        QTest::newRow("error form of another function") << kRead2 << WithCrc(Hex("01 90 02")) << no;
        QTest::newRow("wrong byte count") << kRead2 << WithCrc(Hex("01 03 06 0000 1388 0000")) << no;
        QTest::newRow("echo of another register") << kWrite1 << WithCrc(Hex("03 10 131D 0001")) << no;
        QTest::newRow("echo of another count") << kWrite1 << WithCrc(Hex("03 10 131C 0002")) << no;
        QTest::newRow("wrong CRC") << kRead2 << SpoilLastByte(kReply2) << no;
        QTest::newRow("wrong CRC of an error reply")
            << kRead2 << SpoilLastByte(WithCrc(Hex("01 83 02"))) << no;
        QTest::newRow("surplus behind the reply") << kRead2 << kReply2 + Hex("55") << no;
        QTest::newRow("five bytes of a normal reply") << kRead20 << Hex("01 03 28 0000") << more;
        QTest::newRow("nothing") << kRead2 << QByteArray() << more;
        QTest::newRow("no request") << QByteArray() << kReply2 << no;
    }
    void checkReply() {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        QFETCH(RtuReplyState, state);
        QCOMPARE(RtuFrameCodec::CheckReply(request, reply), state);
    }

    // --- replies taken out of a byte stream

    void replyStream_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<RtuReplyState>("state");
        QTest::addColumn<QByteArray>("reply"); // what is accepted; empty when nothing
        const RtuReplyState ok = RtuReplyState::Complete;
        const RtuReplyState more = RtuReplyState::NeedMore;
        const QByteArray good = Reply20('\x11');
        const QByteArray late = WithCrc(Hex("02 03 28") + QByteArray(40, '\x22')); // another inverter's
        const QByteArray error = WithCrc(Hex("01 83 02"));

        QTest::newRow("alone") << kRead20 << good << ok << good;
        QTest::newRow("behind stray bytes") << kRead20 << Hex("00 FF 10 03") + good << ok << good;
        QTest::newRow("behind a whole late reply of another address") << kRead20 << late + good << ok << good;
        QTest::newRow("behind half a frame of an earlier attempt")
            << kRead20 << good.left(20) + good << ok << good;
        QTest::newRow("behind a late reply of the same address to a shorter read")
            << kRead20 << kReply2 + good << ok << good;
        QTest::newRow("behind a garbled copy of itself")
            << kRead20 << SpoilLastByte(good) + good << ok << good;
        QTest::newRow("error reply behind half a frame") << kRead20 << good.left(10) + error << ok << error;
        QTest::newRow("surplus behind is dropped") << kRead2 << kReply2 + late << ok << kReply2;
        QTest::newRow("write echo behind noise") << kWrite1 << Hex("03 10 13") + kEcho << ok << kEcho;

        QTest::newRow("wrong address") << kRead20 << late << more << QByteArray();
        QTest::newRow("wrong function")
            << kRead2 << WithCrc(Hex("01 04 04 0000 1388")) << more << QByteArray();
        QTest::newRow("wrong byte count") << kRead20 << kReply2 << more << QByteArray();
        QTest::newRow("echo of another register")
            << kWrite1 << WithCrc(Hex("03 10 131D 0001")) << more << QByteArray();
        QTest::newRow("wrong CRC") << kRead20 << SpoilLastByte(good) << RtuReplyState::Rejected
                                   << QByteArray();
        QTest::newRow("wrong CRC of an error reply")
            << kRead20 << SpoilLastByte(error) << RtuReplyState::Rejected << QByteArray();
        QTest::newRow("garbled reply with the real one still coming")
            << kRead20 << good.left(20) + good.left(30) << more << QByteArray();
        QTest::newRow("five bytes of a normal reply") << kRead20 << good.left(5) << more << QByteArray();
        QTest::newRow("nothing") << kRead20 << QByteArray() << more << QByteArray();
        QTest::newRow("a flood of junk") << kRead20 << QByteArray(10000, '\x01') << more << QByteArray();
    }
    void replyStream() {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, stream);
        QFETCH(RtuReplyState, state);
        QFETCH(QByteArray, reply);
        RtuFrameCodec codec;
        codec.ExpectReply(request);
        QCOMPARE(codec.AppendReply(stream), state);
        QCOMPARE(codec.Reply(), reply);
        QVERIFY(codec.Pending() <= 4096);
        if (state == RtuReplyState::Complete) {
            // Answered: a second copy finds nothing awaiting it.
            QCOMPARE(codec.Pending(), 0);
            QCOMPARE(codec.AppendReply(reply), RtuReplyState::NeedMore);
            QCOMPARE(codec.Pending(), 0);
        }
    }

    void everySplitCompletesWithItsLastPiece_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("read of 20") << kRead20 << Reply20('\x01');
        QTest::newRow("read of 2") << kRead2 << kReply2;
        QTest::newRow("write echo") << kWrite1 << kEcho;
        QTest::newRow("error reply") << kRead20 << WithCrc(Hex("01 83 02"));
    }
    void everySplitCompletesWithItsLastPiece() {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        const int n = int(reply.size());
        // Every way to cut the reply into two or three pieces.
        for (int first = 1; first < n; ++first) {
            for (int second = first; second < n; ++second) {
                RtuFrameCodec codec;
                codec.ExpectReply(request);
                QCOMPARE(codec.AppendReply(reply.left(first)), RtuReplyState::NeedMore);
                if (second > first) {
                    QCOMPARE(codec.AppendReply(reply.mid(first, second - first)), RtuReplyState::NeedMore);
                }
                QCOMPARE(codec.AppendReply(reply.mid(second)), RtuReplyState::Complete);
                QCOMPARE(codec.Reply(), reply);
            }
        }
    }

    void missionKeepsOnlyARightReply() {
        QMissionModel m;
        m.BuildFrame(0x1600, 1, 2, MissionPollRead);
        // Before any reply the buffer reads as zeros: no function, an error to callers.
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(m.RxBuffer()), QMissionModel::BufferSize),
                 QByteArray(QMissionModel::BufferSize, '\0'));
        QVERIFY(m.IsErrorReply());
        QVERIFY(m.AcceptReply(kReply2));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(m.RxBuffer()), 9), kReply2);
        QCOMPARE(m.ReplyLength(), 9);
        QVERIFY(!m.IsErrorReply());
        QVERIFY(!m.AcceptReply(SpoilLastByte(kReply2)));
        QVERIFY(!m.AcceptReply(WithCrc(Hex("02 03 04 0000 1388"))));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(m.RxBuffer()), 9), kReply2);
        QVERIFY(m.AcceptReply(WithCrc(Hex("01 83 02"))));
        QVERIFY(m.IsErrorReply());
        QCOMPARE(m.RxBuffer()[5], uchar(0)); // nothing of the longer reply stays behind
    }

    // --- the inverter's side and the error codes

    void everyErrorCodeHasItsText_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << QString();
        QTest::newRow("1") << 1 << "Enter the illegal instruction!";
        QTest::newRow("2") << 2 << "The data address is illegal!";
        QTest::newRow("3") << 3 << "Data value is illegal!";
        QTest::newRow("4") << 4 << "The operation failed!";
        QTest::newRow("5") << 5 << "Password is incorrect!";
        QTest::newRow("6") << 6 << "Data frame error!";
        QTest::newRow("7") << 7 << "Parameter is read-only!";
        QTest::newRow("8") << 8 << "Parameters of the operation can not be change!";
        QTest::newRow("9") << 9 << "Password protection!";
        QTest::newRow("10") << 10 << "Length error!";
        QTest::newRow("11") << 11 << "You do not have permission to do this!";
        QTest::newRow("12") << 12 << QString();
    }
    void everyErrorCodeHasItsText() {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(ReplyErrorText(code), text);
        if (code <= 11) {
            QCOMPARE(QString::fromLatin1(g_ReplyErrorTexts[code]), text);
        }
        // As an inverter sends it, and as a read or write request takes it.
        const QByteArray read = RtuFrameCodec::ErrorReply(1, 0x03, quint8(code));
        QCOMPARE(read, WithCrc(Hex("01 83") + QByteArray(1, char(code))));
        QMissionModel m;
        m.BuildFrame(0x169E, 1, 20, MissionPollRead);
        QVERIFY(m.AcceptReply(read));
        QCOMPARE(int(m.RxBuffer()[2]), code);
        QMissionModel w;
        const uchar value[] = {0, 2};
        w.BuildFrame(0x131C, 1, 1, MissionOnceWrite, value);
        QVERIFY(w.AcceptReply(RtuFrameCodec::ErrorReply(1, 0x10, quint8(code))));
        QVERIFY(!w.AcceptReply(read));
    }

    void errorEventsAtMostOneIn5000ms() {
        EventCatcher catcher;
        QPlantEvents& events = QPlantEvents::Instance();
        events.Reset();
        events.SetTarget(&catcher);
        SystemClock::SetFixed(QDateTime(QDate(2026, 5, 1), QTime(12, 0)));

        QVERIFY(events.PostReplyError(9)); // the first is shown
        SystemClock::Advance(3000);
        QVERIFY(!events.PostReplyError(5)); // 3 s later: dropped
        SystemClock::Advance(2000);
        QVERIFY(!events.PostReplyError(5)); // exactly 5000 ms: still inside
        SystemClock::Advance(1000);
        QVERIFY(events.PostReplyError(2)); // 6 s after the first
        QCoreApplication::sendPostedEvents(&catcher);
        QCOMPARE(catcher.types, (QList<int>{EventReplyError, EventReplyError}));
        QCOMPARE(catcher.values, (QList<qintptr>{9, 2}));

        events.PostSetSuccess();
        QCoreApplication::sendPostedEvents(&catcher);
        QCOMPARE(catcher.types.last(), int(EventSetSuccess));
        events.SetTarget(nullptr);
    }
};

QTEST_GUILESS_MAIN(TestFrames)
#include "test_frames.moc"

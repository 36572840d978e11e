#include "../common/WireCrc.h"
#include "Crc.h"
#include "PlantEvent.h"
#include "QMissionModel.h"
#include "ReplyErrors.h"
#include "SystemClock.h"

#include <QtTest>

namespace {
QByteArray Tx(const QMissionModel& m) {
    return QByteArray(reinterpret_cast<const char*>(m.TxBuffer()), m.TxLength());
}

// Appends the wire CRC (low byte first) computed independently of CalcCrc's swap.
QByteArray WithCrc(const QByteArray& frame) {
    return WireCrc::With(frame);
}

bool Append(QMissionModel& m, const QByteArray& bytes) {
    return m.AppendReply(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size());
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
    }

    void readRequestOf20RegistersFrom0x169E() {
        QMissionModel m;
        QVERIFY(m.BuildFrame(0x169E, 1, 20, MissionPollRead));
        QCOMPARE(Tx(m), WithCrc(QByteArray::fromHex("0103169E0014")));
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
        QCOMPARE(Tx(m), WithCrc(QByteArray::fromHex("0310131C00010200 02").replace(' ', "")));
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
        QCOMPARE(Tx(m).left(7), QByteArray::fromHex("F71013060014 28").replace(' ', ""));
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

    void errorReplyCompletesAReadThatExpected45() {
        QMissionModel m;
        m.BuildFrame(0x169E, 1, 20, MissionPollRead);
        QVERIFY(Append(m, WithCrc(QByteArray::fromHex("018302"))));
        QVERIFY(m.IsErrorReply());
        QCOMPARE(m.RxBuffer()[2], uchar(2));
        QCOMPARE(m.Received(), 0);
        QVERIFY(m.CheckCrc());
    }

    void errorReplyToAWrite() {
        QMissionModel m;
        const uchar v[] = {0, 1};
        m.BuildFrame(0x131C, 1, 1, MissionOnceWrite, v);
        QVERIFY(Append(m, WithCrc(QByteArray::fromHex("019009"))));
        QVERIFY(m.CheckCrc());
    }

    void fiveBytesOfANormalReplyDoNotComplete() {
        QMissionModel m;
        m.BuildFrame(0x169E, 1, 20, MissionPollRead);
        QVERIFY(!Append(m, QByteArray::fromHex("0103280000")));
        QCOMPARE(m.Received(), 5);
    }

    void replyInPiecesCompletesWithTheLastPiece() {
        QMissionModel m;
        m.BuildFrame(0x1600, 1, 2, MissionPollRead);
        const QByteArray reply = WithCrc(QByteArray::fromHex("01030400001388"));
        QCOMPARE(reply.size(), 9);
        QVERIFY(!Append(m, reply.left(2)));
        QVERIFY(!Append(m, reply.mid(2, 3)));
        QVERIFY(!Append(m, reply.mid(5, 3)));
        QVERIFY(Append(m, reply.mid(8)));
        QCOMPARE(m.Received(), 0);
        QVERIFY(m.CheckCrc());
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(m.RxBuffer()), 9), reply);
    }

    void surplusBytesAreKeptBehindAndIgnored() {
        QMissionModel m;
        m.BuildFrame(0x1600, 1, 2, MissionPollRead);
        QByteArray reply = WithCrc(QByteArray::fromHex("01030400001388"));
        QVERIFY(Append(m, reply + QByteArray(10, '\x55')));
        QVERIFY(m.CheckCrc());
        QCOMPARE(m.Received(), 0);
    }

    void emptyOrNullInputIsNotAReply() {
        QMissionModel m;
        m.BuildFrame(0x1600, 1, 2, MissionPollRead);
        QVERIFY(!m.AppendReply(nullptr, 5));
        const uchar b = 1;
        QVERIFY(!m.AppendReply(&b, 0));
        QCOMPARE(m.Received(), 0);
    }

    void neverWritesPastItsBuffer() {
        QMissionModel m;
        // A frame that never completes (its length byte field is ignored; the
        // expected length is the request's), fed far more than the buffer holds.
        m.BuildFrame(0x169E, 1, 20, MissionPollRead);
        const QByteArray junk(1000, '\x01');
        QVERIFY(Append(m, junk)); // complete once 45 bytes are in
        QCOMPARE(m.Received(), 0);
    }

    void badCrcIsDetected() {
        QMissionModel m;
        m.BuildFrame(0x1600, 1, 2, MissionPollRead);
        QByteArray reply = WithCrc(QByteArray::fromHex("01030400001388"));
        reply[7] = char(reply[7] ^ 0x01);
        QVERIFY(Append(m, reply));
        QVERIFY(!m.CheckCrc());

        QMissionModel e;
        e.BuildFrame(0x1600, 1, 2, MissionPollRead);
        QByteArray err = WithCrc(QByteArray::fromHex("018302"));
        err[4] = char(err[4] ^ 0x80);
        QVERIFY(Append(e, err));
        QVERIFY(!e.CheckCrc());
    }

    void errorTextTable() {
        QCOMPARE(QString::fromLatin1(g_ReplyErrorTexts[0]), QString());
        QCOMPARE(ReplyErrorText(1), QStringLiteral("Enter the illegal instruction!"));
        QCOMPARE(ReplyErrorText(9), QStringLiteral("Password protection!"));
        QCOMPARE(ReplyErrorText(11), QStringLiteral("You do not have permission to do this!"));
        QCOMPARE(ReplyErrorText(0), QString());
        QCOMPARE(ReplyErrorText(12), QString());
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

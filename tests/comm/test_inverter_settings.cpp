// The inverter's own bookkeeping and the one-shot writes it queues for the
// settings dialogs. Request bytes are checked against frames laid out here
// from the protocol table of a write (address, 0x10, register, count, byte
// count, data, CRC).

#include "InverterTestSupport.h"

#include "DataPaths.h"
#include "QInverter.h"
#include "SystemClock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace testsupport;

namespace {
QByteArray Write(int address, int reg, const QByteArray& data) {
    QByteArray frame;
    frame.append(char(address));
    frame.append(char(0x10));
    frame.append(char(reg >> 8));
    frame.append(char(reg & 0xFF));
    frame.append(char(0));
    frame.append(char(data.size() / 2));
    frame.append(char(data.size()));
    frame.append(data);
    AppendCrc(frame);
    return frame;
}

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (int v : values) {
        bytes.append(char(v));
    }
    return bytes;
}
} // namespace

class TestInverterSettings : public QObject {
    Q_OBJECT
    QTemporaryDir m_Dir;

    // The write just queued: one-shot write, its code, the exact frame.
    void CheckQueued(const QInverter& inv, int code, int reg, const QByteArray& data) {
        const QMissionModel* m = LastMission(inv);
        QVERIFY(m);
        QCOMPARE(m->Kind(), int(MissionOnceWrite));
        QCOMPARE(m->Code(), code);
        QCOMPARE(m->Period(), 10000);
        QCOMPARE(m->Owner(), &inv.MissionList());
        QCOMPARE(TxFrame(*m), Write(inv.Address(), reg, data));
        QCOMPARE(m->ExpectedLength(), 8);
    }

private slots:
    void initTestCase() {
        QVERIFY(m_Dir.isValid());
        DataPaths::SetDataDir(m_Dir.path());
    }
    void init() { SystemClock::SetFixed(QDateTime(QDate(2026, 6, 15), QTime(8, 5, 30))); }
    void cleanupTestCase() { SystemClock::UseSystem(); }

    void constructedState() {
        QInverter inv;
        QCOMPARE(inv.Address(), 0);
        QCOMPARE(inv.CommState(), int(CommOffline));
        QVERIFY(inv.IsDataValid());
        QCOMPARE(inv.PhaseCount(), 1);
        QCOMPARE(inv.PictureCode(), 1);
        QCOMPARE(inv.RatedPower(), 5000);
        QVERIFY(inv.MissionList().Missions().isEmpty());
        QCOMPARE(inv.MissionList().Inverter(), &inv);
        for (int s = 0; s < QInverter::SeriesCount; ++s) {
            for (int m = 0; m < QInverter::MinutesPerDay; ++m) {
                QCOMPARE(inv.MinuteValue(s, m), -1);
            }
        }
        QVERIFY(!inv.HasActiveFault());
    }

    void itemsKeepTheirHistory() {
        QInverter inv;
        inv.SetItem(8, 5000);
        inv.Item(8).Take();
        inv.SetItem(8, 5001);
        const QItemRecord& item = inv.Item(8);
        QCOMPARE(item.m_nValue, 5001);
        for (qint32 old : item.m_nOld) {
            QCOMPARE(old, 5000);
        }
        QCOMPARE(item.m_bFresh, uchar(1));
        QCOMPARE(item.m_nTime, 8 * 65536 + 5 * 256 + 30);
        // Out of range indexes change nothing.
        inv.SetItem(54, 1);
        inv.SetItem(-1, 1);
        inv.SetStatItem(44, 1);
        inv.SetStatItem(-1, 1);
        QCOMPARE(inv.ItemValue(53), 0);
        QCOMPARE(inv.ItemValue(0), 0);
        QCOMPARE(inv.StatItem(43).m_nValue, 0);
        inv.SetStatItem(43, 9);
        QCOMPARE(inv.StatItem(43).m_nValue, 9);
        // Statistics do not feed today's curves.
        QCOMPARE(inv.MinuteValue(0, 8 * 60 + 5), -1);
    }

    void minuteHistory() {
        QInverter inv;
        inv.SetItem(0, 3000);
        inv.SetItem(1, 2900);
        inv.SetItem(20, 150);
        const int minute = 8 * 60 + 5;
        QCOMPARE(inv.MinuteValue(0, minute), 3000);
        QCOMPARE(inv.MinuteValue(1, minute), 2900);
        QCOMPARE(inv.MinuteValue(2, minute), 150);
        QCOMPARE(inv.MinuteValue(0, minute + 1), -1);
        SystemClock::Advance(60 * 1000);
        inv.SetItem(0, 3100);
        QCOMPARE(inv.MinuteValue(0, minute), 3000);
        QCOMPARE(inv.MinuteValue(0, minute + 1), 3100);
        // Items other than 0, 1 and 20 leave the curves alone.
        inv.SetItem(2, 4000);
        QCOMPARE(inv.MinuteValue(2, minute + 1), -1);
        // Values outside -1..500000 are no data.
        inv.SetItem(0, 600000);
        QCOMPARE(inv.MinuteValue(0, minute + 1), -1);
        QCOMPARE(inv.ItemValue(0), 600000);
        inv.SetMinuteValue(1, 0, 500000);
        inv.SetMinuteValue(1, 1, 500001);
        inv.SetMinuteValue(1, 2, -2);
        inv.SetMinuteValue(1, 3, -1);
        QCOMPARE(inv.MinuteValue(1, 0), 500000);
        QCOMPARE(inv.MinuteValue(1, 1), -1);
        QCOMPARE(inv.MinuteValue(1, 2), -1);
        QCOMPARE(inv.MinuteValue(1, 3), -1);
        inv.SetMinuteValue(1, 1440, 5);
        inv.SetMinuteValue(3, 0, 5);
        inv.SetMinuteValue(-1, 0, 5);
        QCOMPARE(inv.MinuteValue(1, 1440), -1);
        QCOMPARE(inv.MinuteValue(3, 0), -1);
        QCOMPARE(inv.MinuteSeries(1)[0], 500000);
        // The last minute of the day is a real slot.
        SystemClock::SetFixed(QDateTime(QDate(2026, 6, 15), QTime(23, 59, 59)));
        inv.SetItem(20, 4321);
        QCOMPARE(inv.MinuteValue(2, 1439), 4321);
    }

    void retriesRunOutOnTheFourth() {
        QInverter inv;
        QVERIFY(!inv.AdvanceRetry());
        QVERIFY(!inv.AdvanceRetry());
        QVERIFY(!inv.AdvanceRetry());
        QCOMPARE(inv.RetryCount(), 3);
        QVERIFY(inv.AdvanceRetry());
        QCOMPARE(inv.RetryCount(), 0);
        QVERIFY(!inv.AdvanceRetry());
    }

    void addressRebuildsThePollList() {
        QInverter inv;
        inv.SetAddress(5);
        QCOMPARE(inv.MissionList().Missions().size(), 20);
        inv.SetPrice(10);
        QCOMPARE(inv.MissionList().Missions().size(), 21);
        inv.SetAddress(6);
        QCOMPARE(inv.MissionList().Missions().size(), 20);
        for (const QMissionModel* m : inv.MissionList().Missions()) {
            QCOMPARE(m->Address(), 6);
            QCOMPARE(m->Kind(), int(MissionPollRead));
        }
        // The analog device is never polled.
        QInverter analog;
        analog.SetAddress(255);
        QVERIFY(analog.IsAnalog());
        QVERIFY(analog.MissionList().Missions().isEmpty());
        inv.SetAddress(0);
        QVERIFY(inv.MissionList().Missions().isEmpty());
        // An address is one byte.
        inv.SetAddress(256 + 7);
        QCOMPARE(inv.Address(), 7);
    }

    void logonAndLogoff() {
        QInverter inv;
        inv.SetAddress(3);
        inv.Logon(1234);
        CheckQueued(inv, 4892, 0x131C, Bytes({0x04, 0xD2}));
        const int queued = inv.MissionList().Missions().size();
        // Not logged on (item 33 is 1, or never read): no write, but the flag is read.
        inv.SetItem(33, 1);
        inv.Logoff();
        QCOMPARE(inv.MissionList().Missions().size(), queued);
        QCOMPARE(inv.Item(33).m_bFresh, uchar(0));
        inv.SetItem(33, 2);
        inv.Logoff();
        QCOMPARE(inv.MissionList().Missions().size(), queued + 1);
        CheckQueued(inv, 4893, 0x131C, Bytes({0, 0}));
        QCOMPARE(inv.Item(33).m_bFresh, uchar(0));
        // Passwords keep their low 16 bits.
        inv.Logon(0x12345);
        CheckQueued(inv, 4892, 0x131C, Bytes({0x23, 0x45}));
    }

    void simpleSettings() {
        QInverter inv;
        inv.SetAddress(9);
        inv.SetLanguage('G');
        CheckQueued(inv, 19, 0x1301, Bytes({0x00, 'G'}));
        QCOMPARE(inv.LanguageCode(), QChar('G'));
        inv.SetMonetaryUnit('U');
        CheckQueued(inv, 20, 0x1302, Bytes({0x00, 'U'}));
        QCOMPARE(inv.MonetaryCode(), QChar('U'));
        inv.SetPrice(0x0123);
        CheckQueued(inv, 21, 0x1303, Bytes({0x01, 0x23}));
        QCOMPARE(inv.ItemValue(30), 0x0123);
        inv.SetMaxOutputPower(9000);
        CheckQueued(inv, 22, 0x131E, Bytes({0x23, 0x28}));
        QCOMPARE(inv.ItemValue(31), 9000);
        inv.SwitchOnOff(true);
        CheckQueued(inv, 23, 0x1400, Bytes({0xAA, 0xAA}));
        inv.SwitchOnOff(false);
        CheckQueued(inv, 23, 0x1400, Bytes({0x55, 0x55}));
        inv.ResetInverter();
        CheckQueued(inv, 24, 0x1401, Bytes({0xAA, 0xAA}));
        inv.FactoryReset();
        CheckQueued(inv, 25, 0x1402, Bytes({0xAA, 0xAA}));
        inv.ClearStatistics();
        CheckQueued(inv, 28, 0x1404, Bytes({0xAA, 0xAA}));
        inv.SetInverterPassword(4711);
        CheckQueued(inv, 31, 0x1305, Bytes({0x12, 0x67}));
    }

    void userLabel() {
        QInverter inv;
        inv.SetAddress(4);
        inv.SetUserLabel(QStringLiteral("Roof1"));
        CheckQueued(inv, 27, 0x1306, QByteArray("Roof1") + QByteArray(27, '\0'));
        QCOMPARE(inv.UserLabel(), QStringLiteral("Roof1"));
        QCOMPARE(LastMission(inv)->RegisterCount(), 16);

        const QString forty = QStringLiteral("0123456789abcdefghijABCDEFGHIJ!@#$%^&*()");
        QCOMPARE(forty.size(), 40);
        inv.SetUserLabel(forty);
        CheckQueued(inv, 27, 0x1306, forty.left(32).toLatin1());
        QCOMPARE(inv.UserLabel(), forty.left(32));

        // A character whose bytes would straddle byte 32 is left out whole.
        const QString accented = QString(31, QChar('x')) + QStringLiteral("\u00e9z");
        inv.SetUserLabel(accented);
        CheckQueued(inv, 27, 0x1306, QByteArray(31, 'x') + QByteArray(1, '\0'));
        QCOMPARE(inv.UserLabel(), QString(31, QChar('x')));

        inv.SetUserLabel(QString());
        CheckQueued(inv, 27, 0x1306, QByteArray(32, '\0'));
    }

    void tariffPeriods() {
        QInverter inv;
        inv.SetAddress(2);
        const int start = 2013 * 65536 + 5 * 256 + 1; // packed dates with the four-digit year
        const int end = 2013 * 65536 + 9 * 256 + 30;
        inv.SetTariffPeriod(0, start, end);
        CheckQueued(inv, 29, 0x1316, Bytes({13, 5, 1, 13, 9, 30}));
        inv.SetTariffPeriod(1, 2000 * 65536 + 1 * 256 + 1, 2099 * 65536 + 12 * 256 + 31);
        CheckQueued(inv, 30, 0x1319, Bytes({0, 1, 1, 99, 12, 31}));
        const int queued = inv.MissionList().Missions().size();
        inv.SetTariffPeriod(2, start, end);
        inv.SetTariffPeriod(-1, start, end);
        QCOMPARE(inv.MissionList().Missions().size(), queued);
    }

    void clock() {
        QInverter inv;
        inv.SetAddress(8);
        const int date = 26 * 65536 + 6 * 256 + 15;
        const int time = 13 * 65536 + 7 * 256 + 59;
        inv.SetClock(date, time);
        CheckQueued(inv, 18, 0x1678, Bytes({26, 6, 15, 0, 13, 7, 59, 0}));
        QCOMPARE(inv.ItemValue(28), date);
        QCOMPARE(inv.ItemValue(27), time);
    }

    void noWritesWithoutABusAddress() {
        // Address 0 would reach every device on the bus; 255 is not on the bus at all.
        for (int address : {0, 255}) {
            QInverter inv;
            inv.SetAddress(address);
            inv.SetItem(33, 2);
            inv.Logon(1);
            inv.Logoff();
            inv.SetPrice(5);
            inv.SetClock(1, 2);
            inv.SetUserLabel(QStringLiteral("x"));
            inv.SwitchOnOff(false);
            inv.SetTariffPeriod(0, 1, 2);
            QVERIFY(inv.MissionList().Missions().isEmpty());
            QCOMPARE(inv.ItemValue(30), 0);
        }
    }

    void queueMissionTakesOwnership() {
        QInverter inv;
        inv.SetAddress(3);
        auto* mission = new QMissionModel;
        mission->BuildFrame(0x1250, 3, 16, MissionOnceRead);
        mission->SetCode(3001);
        inv.QueueMission(mission);
        QCOMPARE(mission->Owner(), &inv.MissionList());
        QCOMPARE(LastMission(inv), mission);
        inv.QueueMission(nullptr);
        QCOMPARE(LastMission(inv), mission);
    }

    void undeliveredOneShotsAreDroppedWhenGoingOffline() {
        QInverter inv;
        inv.SetAddress(3);
        inv.SetCommState(CommOnline);
        QList<QPair<int, int>> told; // (code, target)
        QReplyHook::SetDropHook([&told](const QMissionModel* m, int target) {
            told.append({m->Code(), target});
        });
        QReplyHook::SetTarget(1);
        inv.ResetInverter();
        inv.SetPrice(70);
        auto* raw = new QMissionModel;
        raw->BuildFrame(0x1250, 3, 2, MissionOnceRead);
        raw->SetCode(3001);
        inv.QueueMission(raw);
        inv.SetModel(QInverter::LookupModel(QStringLiteral("Tivra PA10KT & Box")));
        QCOMPARE(CountMissions(inv, 8448), 1);
        const int before = inv.EventLog().Lines().size();

        inv.SetCommState(CommOffline); // the fourth failed send
        for (const QMissionModel* m : inv.MissionList().Missions()) {
            QVERIFY2(!m->IsOneShot(), qPrintable(QString::number(m->Code())));
        }
        QCOMPARE(inv.MissionList().Missions().size(), 20 + 2); // the polls, and the box values
        const QStringList lines = LinesSince(inv, before);
        QCOMPARE(lines.count(QStringLiteral("   Command not delivered!")), 6);
        QVERIFY(lines.contains(QStringLiteral("      Reset")));
        QVERIFY(lines.contains(QStringLiteral("      Set the price")));
        QVERIFY(lines.contains(QStringLiteral("      Read 2 registers from 1250")));
        QCOMPARE(told.size(), 6);
        QVERIFY(told.contains(qMakePair(24, 1)));

        // Back online, nothing comes back by itself; the identity reads are asked for again.
        inv.SetCommState(CommConnecting);
        inv.SetCommState(CommOnline);
        QCOMPARE(CountMissions(inv, 24), 0);
        inv.SetModel(QInverter::LookupModel(QStringLiteral("Tivra PA10KT & Box")));
        QCOMPARE(CountMissions(inv, 8448), 1);
        QCOMPARE(CountMissions(inv, 8488), 1);
        QReplyHook::SetDropHook(nullptr);
        QReplyHook::SetTarget(5);
    }

    void renameIsLoggedUnlessRefused() {
        QInverter inv;
        inv.SetName(QStringLiteral("Old"));
        QVERIFY(inv.EventLog().Lines().isEmpty()); // a first name is no rename
        inv.SetName(QStringLiteral("New"));
        QCOMPARE(LinesSince(inv, 0),
                 QStringList({"   Change the inverter name.", "      The original name:Old",
                              "      The current name:New"}));
        inv.SetName(QString());
        inv.SetName(QStringLiteral("New"));
        QCOMPARE(inv.Name(), QStringLiteral("New"));
        QCOMPARE(inv.EventLog().Lines().size(), 4);
    }
};

QTEST_GUILESS_MAIN(TestInverterSettings)
#include "test_inverter_settings.moc"

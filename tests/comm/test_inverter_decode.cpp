// Replies travelling the way the scheduler hands them over: a frame accepted
// by a mission of the inverter's own list, then FinishMission with the plant's
// reply handler installed.

#include "InverterTestSupport.h"

#include "../common/RecordedPlant.h"
#include "DataPaths.h"
#include "QFaultFile.h"
#include "QFaultTable.h"
#include "QInverter.h"
#include "QMissionList.h"
#include "QSystemModel.h"
#include "ReplyErrors.h"
#include "SystemClock.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace testsupport;

namespace {
const QDateTime kNoon(QDate(2026, 6, 15), QTime(12, 34, 56));
const int kNoonMinute = 12 * 60 + 34;

// An inverter at address 3 with its poll list, in a plant with its recorder,
// named so its files have a home.
struct Unit {
    RecordedPlant recorded;
    QInverter& inverter;
    explicit Unit(const QString& name = QStringLiteral("Roof"), int address = 3)
        : inverter(*recorded.Join(name, address)) {}
    // Answers the poll mission of this code with these registers.
    void Answer(int code, const QMap<int, quint16>& registers) {
        QMissionModel* mission = FindMission(inverter, code);
        QVERIFY2(mission, qPrintable(QStringLiteral("no mission %1").arg(code)));
        QVERIFY(Feed(*mission, ReadReply(*mission, registers)));
        inverter.MissionList().FinishMission(mission);
    }
    void AnswerBytes(int code, const QByteArray& data) {
        QMissionModel* mission = FindMission(inverter, code);
        QVERIFY2(mission, qPrintable(QStringLiteral("no mission %1").arg(code)));
        QVERIFY(Feed(*mission, ReadReplyBytes(*mission, data)));
        inverter.MissionList().FinishMission(mission);
    }
    // Answers the status read (0x1670..0x167D) with fault words, clock, status and logon.
    void AnswerStatus(const QList<quint16>& faults, int status = 2, int logon = 1) {
        QMap<int, quint16> regs;
        for (int i = 0; i < faults.size(); ++i) {
            regs[0x1670 + i] = faults[i];
        }
        regs[0x1678] = (26 << 8) | 6;  // year - 2000, month
        regs[0x1679] = 15 << 8;        // day
        regs[0x167A] = (12 << 8) | 34; // hour, minute
        regs[0x167B] = 56 << 8;        // second
        regs[0x167C] = quint16(status);
        regs[0x167D] = quint16(logon);
        Answer(12, regs);
    }
};
} // namespace

class TestInverterDecode : public QObject {
    Q_OBJECT
    QTemporaryDir m_Dir;
    EventCatcher m_Events;
    QList<QPair<int, int>> m_Hooked; // (code, target)

private slots:
    void initTestCase() {
        QVERIFY(m_Dir.isValid());
        DataPaths::SetDataDir(m_Dir.path());
        QPlantEvents::Instance().SetTarget(&m_Events);
        QReplyHook::SetHook([this](QMissionModel* m, int target) { m_Hooked.append({m->Code(), target}); });
    }
    void init() {
        SystemClock::SetFixed(kNoon);
        QPlantEvents::Instance().Reset();
        QReplyHook::SetTarget(5);
        m_Events.Drain();
        m_Events.Clear();
        m_Hooked.clear();
    }
    void cleanupTestCase() {
        SystemClock::UseSystem();
        QReplyHook::SetHook(nullptr);
    }

    // --- measured values
    void powersTemperaturesAndSignedRegisters() {
        Unit u;
        u.inverter.SetDataValid(false);
        QCOMPARE(u.inverter.MinuteValue(0, kNoonMinute), -1);
        u.Answer(14, {{0x16A0, 5002},
                      {0x16A1, 0xFFFE},
                      {0x16A2, 0x0001},
                      {0x16A3, 0x86A0}, // 100000 W: high word first
                      {0x16A4, 0x0000},
                      {0x16A5, 0x2710},
                      {0x16A6, 0xFF9C}, // -1.00 degrees
                      {0x16A7, 0x0BB8},
                      {0x16AC, 0xFFFF}, // unsigned
                      {0x16AD, 0x8000}});
        const QInverter& inv = u.inverter;
        QCOMPARE(inv.ItemValue(8), 5002);
        QCOMPARE(inv.ItemValue(29), -2);
        QCOMPARE(inv.ItemValue(0), 100000);
        QCOMPARE(inv.ItemValue(1), 10000);
        QCOMPARE(inv.ItemValue(6), -100);
        QCOMPARE(inv.ItemValue(7), 3000);
        QCOMPARE(inv.ItemValue(9), 65535);
        QCOMPARE(inv.ItemValue(10), -32768);
        QVERIFY(inv.IsDataValid());
        QCOMPARE(inv.Item(0).m_bFresh, uchar(1));
        QCOMPARE(inv.Item(0).m_nTime, 12 * 65536 + 34 * 256 + 56);
        // Powers land in today's curves at the current minute, nowhere else.
        QCOMPARE(inv.MinuteValue(0, kNoonMinute), 100000);
        QCOMPARE(inv.MinuteValue(1, kNoonMinute), 10000);
        QCOMPARE(inv.MinuteValue(0, kNoonMinute - 1), -1);
        QCOMPARE(inv.MinuteValue(2, kNoonMinute), -1);
    }

    void stringAndPhaseValues() {
        Unit u;
        u.Answer(13, {{0x1690, 3501},
                      {0x1691, 52},
                      {0x1692, 3499},
                      {0x1693, 48},
                      {0x1694, 7777},
                      {0x1698, 2301},
                      {0x1699, 101},
                      {0x169A, 2302},
                      {0x169B, 102},
                      {0x169C, 2303},
                      {0x169D, 103}});
        const int expected[][2] = {{2, 3501}, {3, 52},    {4, 3499}, {5, 48},    {11, 2301},
                                   {12, 101}, {13, 2302}, {14, 102}, {15, 2303}, {16, 103}};
        for (const auto& e : expected) {
            QCOMPARE(u.inverter.ItemValue(e[0]), e[1]);
        }
    }

    void energyCounters() {
        Unit u;
        u.Answer(10, {{0x1616, 0x0000},
                      {0x1617, 0x3039},
                      {0x1618, 0x0001},
                      {0x1619, 0x0002},
                      {0x161A, 0x0003},
                      {0x161B, 0x0004}});
        QCOMPARE(u.inverter.ItemValue(20), 12345);
        QCOMPARE(u.inverter.ItemValue(22), 0x00010002);
        QCOMPARE(u.inverter.ItemValue(21), 0x00030004);
        QCOMPARE(u.inverter.MinuteValue(2, kNoonMinute), 12345);
        // The hourly reading of today's energy follows at once (hour 12 is slot 11).
        QCOMPARE(u.recorded.Hours(&u.inverter).m_nLast[11], 12345);

        u.Answer(11, {{0x1648, 0x0002},
                      {0x1649, 0x0000},
                      {0x164A, 0},
                      {0x164B, 25},
                      {0x164C, 0},
                      {0x164D, 24},
                      {0x1652, 0x00BC},
                      {0x1653, 0x614E},
                      {0x1654, 0},
                      {0x1655, 19},
                      {0x1656, 0xFFFF},
                      {0x1657, 0xFFFF}});
        QCOMPARE(u.inverter.ItemValue(23), 0x20000);
        QCOMPARE(u.inverter.ItemValue(25), 25);
        QCOMPARE(u.inverter.ItemValue(24), 24);
        QCOMPARE(u.inverter.ItemValue(17), 12345678);
        QCOMPARE(u.inverter.ItemValue(19), 19);
        QCOMPARE(u.inverter.ItemValue(18), -1); // 32 bits stored as they come

        u.Answer(9, {{0x1600, 0x0001}, {0x1601, 0x0000}});
        QCOMPARE(u.inverter.ItemValue(26), 65536);
    }

    void settingsReadBack() {
        Unit u;
        u.Answer(1, {{0x1301, 'G'}, {0x1302, 'U'}, {0x1303, 125}});
        QCOMPARE(u.inverter.LanguageCode(), QChar('G'));
        QCOMPARE(u.inverter.MonetaryCode(), QChar('U'));
        QCOMPARE(u.inverter.ItemValue(30), 125);
        u.Answer(4, {{0x131E, 9000}});
        QCOMPARE(u.inverter.ItemValue(31), 9000);
    }

    void statisticsBlocks() {
        Unit u;
        // Daily block n = 0 (today first) and n = 7 (the oldest days).
        u.Answer(15, {{0x16F2, 0},
                      {0x16F3, 100},
                      {0x16F4, 0},
                      {0x16F5, 200},
                      {0x16F6, 1},
                      {0x16F7, 0},
                      {0x16F8, 0},
                      {0x16F9, 400}});
        QCOMPARE(u.inverter.StatItem(12).m_nValue, 100);
        QCOMPARE(u.inverter.StatItem(13).m_nValue, 200);
        QCOMPARE(u.inverter.StatItem(14).m_nValue, 65536);
        QCOMPARE(u.inverter.StatItem(15).m_nValue, 400);
        u.Answer(70015, {{0x172A, 0}, {0x172B, 7}, {0x1730, 0}, {0x1731, 8}});
        QCOMPARE(u.inverter.StatItem(40).m_nValue, 7);
        QCOMPARE(u.inverter.StatItem(43).m_nValue, 8);
        u.Answer(30015, {{0x170A, 0}, {0x170B, 31}});
        QCOMPARE(u.inverter.StatItem(24).m_nValue, 31);
        // Monthly blocks: six values each, this month first.
        u.Answer(16, {{0x1730, 0}, {0x1731, 1000}, {0x173A, 0}, {0x173B, 6000}});
        QCOMPARE(u.inverter.StatItem(0).m_nValue, 1000);
        QCOMPARE(u.inverter.StatItem(5).m_nValue, 6000);
        u.Answer(10016, {{0x173C, 0}, {0x173D, 7000}, {0x1746, 0}, {0x1747, 12000}});
        QCOMPARE(u.inverter.StatItem(6).m_nValue, 7000);
        QCOMPARE(u.inverter.StatItem(11).m_nValue, 12000);
        // The live table is not touched by statistics.
        QCOMPARE(u.inverter.ItemValue(12), 0);
    }

    void userLabelText() {
        Unit u;
        u.AnswerBytes(26, QByteArray("Garage\0junk", 11));
        QCOMPARE(u.inverter.UserLabel(), QStringLiteral("Garage"));
        // A label filling all 32 bytes has no terminator; it stops at the reply's end.
        u.AnswerBytes(26, QByteArray(32, 'L'));
        QCOMPARE(u.inverter.UserLabel(), QString(32, QChar('L')));
    }

    // --- status word, clock, logon, faults
    void statusClockAndLogon() {
        Unit u;
        RecordingEntry entry;
        u.inverter.SetTreeEntry(&entry);
        u.AnswerStatus({0, 0, 0, 0, 0, 0, 0, 0}, 2, 2);
        QCOMPARE(u.inverter.ItemValue(28), 26 * 65536 + 6 * 256 + 15);
        QCOMPARE(u.inverter.ItemValue(27), 12 * 65536 + 34 * 256 + 56);
        QCOMPARE(u.inverter.ItemValue(32), 2);
        QCOMPARE(u.inverter.ItemValue(33), 2);
        QCOMPARE(entry.m_nNormal, 1);
        u.AnswerStatus({0, 0, 0, 0, 0, 0, 0, 0}, 7, 1);
        QCOMPARE(u.inverter.ItemValue(32), 0); // unknown status codes read as "Unknown"
        QCOMPARE(QInverter::StatusName(u.inverter.ItemValue(32)), QStringLiteral("Unknown"));
        QCOMPARE(u.inverter.ItemValue(33), 1);
        u.inverter.SetTreeEntry(nullptr);
    }

    void statusChangesAreLogged() {
        Unit u;
        u.AnswerStatus({}, 2);
        const int before = u.inverter.EventLog().Lines().size();
        u.AnswerStatus({}, 4);
        QCOMPARE(LinesSince(u.inverter, before),
                 QStringList({"   Inverter status change!", "      Running to Fault"}));
        // Into or out of "Unknown" is not a change worth a line.
        Unit fresh(QStringLiteral("Fresh"), 4);
        const int freshBefore = fresh.inverter.EventLog().Lines().size();
        fresh.AnswerStatus({}, 2);
        fresh.AnswerStatus({}, 2);
        fresh.AnswerStatus({}, 0);
        QCOMPARE(fresh.inverter.EventLog().Lines().size(), freshBefore);
        QCOMPARE(QInverter::StatusName(6), QStringLiteral("Unknown"));
        QCOMPARE(QInverter::StatusName(5), QStringLiteral("Shutdown"));
    }

    void faultBeginsAndEnds() {
        Unit u(QStringLiteral("Faulty"), 9);
        RecordingEntry entry;
        u.inverter.SetTreeEntry(&entry);
        QFile::remove(QFaultFile::FilePath());
        for (int i = 0; i < 10; ++i) {
            u.inverter.SetItem(i, 100 + i);
        }
        u.AnswerStatus({0, 0xA001});
        QVERIFY(u.inverter.HasActiveFault());
        QCOMPARE(u.inverter.FaultSlot(1).m_nValue, 0xA001);
        QCOMPARE(u.recorded.Alarms(&u.inverter).m_nCode[1], quint16(0xA001));
        QCOMPARE(entry.m_nNormal, 0);
        QCOMPARE(QFileInfo(QFaultFile::FilePath()).size(), qint64(QFaultFile::RecordSize));
        QVERIFY(LinesSince(u.inverter, 0).contains("      The fault code: A001"));

        // The same word again changes nothing.
        int before = u.inverter.EventLog().Lines().size();
        u.AnswerStatus({0, 0xA001});
        QCOMPARE(u.inverter.EventLog().Lines().size(), before);
        QCOMPARE(QFileInfo(QFaultFile::FilePath()).size(), qint64(QFaultFile::RecordSize));

        // One fault replaces another in the same word: end, record, begin.
        u.AnswerStatus({0, 0xE004});
        QCOMPARE(LinesSince(u.inverter, before),
                 QStringList({"   Fault end!", "      The fault code: A001", "   Fault began!",
                              "      The fault code: E004"}));
        QCOMPARE(QFileInfo(QFaultFile::FilePath()).size(), qint64(2 * QFaultFile::RecordSize));
        const QVector<QFaultRecord> records = QFaultFile::ReadRecords(9);
        QCOMPARE(records.size(), 2);
        QCOMPARE(records[1].m_nCode, 0xE004);
        QCOMPARE(records[1].m_Snapshot[0][0], 100);

        // Cleared: the fault ends, the light goes back to normal.
        before = u.inverter.EventLog().Lines().size();
        u.AnswerStatus({});
        QCOMPARE(LinesSince(u.inverter, before),
                 QStringList({"   Fault end!", "      The fault code: E004"}));
        QVERIFY(!u.inverter.HasActiveFault());
        QCOMPARE(u.recorded.Alarms(&u.inverter).m_nCode[1], quint16(0));
        QCOMPARE(entry.m_nNormal, 1);
        u.inverter.SetTreeEntry(nullptr);
    }

    void unknownFaultWordIsNoFault() {
        Unit u(QStringLiteral("Odd"), 10);
        QFile::remove(QFaultFile::FilePath());
        const int before = u.inverter.EventLog().Lines().size();
        u.AnswerStatus({0x0020, 0, 0, 0, 0, 0, 0, 0xE002});
        QCOMPARE(u.inverter.EventLog().Lines().size(), before);
        QVERIFY(!QFile::exists(QFaultFile::FilePath()));
        QCOMPARE(u.inverter.FaultSlot(0).m_nValue, 0);
        QCOMPARE(u.inverter.FaultSlot(7).m_nValue, 0);
        QVERIFY(!u.inverter.HasActiveFault());
    }

    void faultRecordedBeforeRestartIsNotRecordedAgain() {
        // Recorded before the restart: alarm.dat still holds it.
        QVERIFY(QDir().mkpath(DataPaths::InverterDir(QStringLiteral("Restarted"))));
        QFile alarm(DataPaths::InverterDir(QStringLiteral("Restarted")) + QStringLiteral("/alarm.dat"));
        QVERIFY(alarm.open(QIODevice::WriteOnly));
        alarm.write(QByteArray("\x12\xE0", 2));
        alarm.close();
        Unit u(QStringLiteral("Restarted"), 11);
        QFile::remove(QFaultFile::FilePath());
        const int before = u.inverter.EventLog().Lines().size();
        u.AnswerStatus({0xE012});
        QCOMPARE(LinesSince(u.inverter, before),
                 QStringList({"   Fault began!", "      The fault code: E012"}));
        QVERIFY(!QFile::exists(QFaultFile::FilePath()));
        // Slots beyond the eight fault words are ignored.
        QItemRecord record;
        record.m_nValue = 0xA001;
        u.inverter.UpdateFaultSlot(8, record);
        u.inverter.UpdateFaultSlot(-1, record);
        QVERIFY(!QFile::exists(QFaultFile::FilePath()));
    }

    void faultTableTexts() {
        QCOMPARE(FaultName(0xA001), QStringLiteral("Input under volt."));
        QCOMPARE(FaultDescription(0xA002),
                 QStringLiteral("Caused by PV system or Invert.Recoverable failure!"));
        QCOMPARE(FaultName(0xA009), QStringLiteral("Cmd shut down"));
        for (int code = 0xA020; code <= 0xA02F; ++code) {
            QCOMPARE(FaultName(code), QStringLiteral("Current anomaly"));
            QCOMPARE(FaultDescription(code), QStringLiteral("Caused by Current anomaly"));
        }
        QCOMPARE(FaultName(0xA034), QStringLiteral("SPD4 Fault"));
        QCOMPARE(FaultName(0xE001), QStringLiteral("Input over volt."));
        QCOMPARE(FaultDescription(0xE007), QStringLiteral("Caused by PV System.!"));
        QCOMPARE(FaultName(0xE016), QStringLiteral("Zero drift."));
        QCOMPARE(FaultName(0xE020), QStringLiteral("Power reversed"));
        int known = 0;
        for (int code = 0; code <= 0xFFFF; ++code) {
            const bool named = !FaultName(code).isEmpty();
            QCOMPARE(named, !FaultDescription(code).isEmpty());
            known += named ? 1 : 0;
        }
        // 9 + 16 + 5 codes of the A series, 19 of the E series (E002 has none).
        QCOMPARE(known, 49);
        for (int code : {0, 0xA00A, 0xA01F, 0xA035, 0xE002, 0xE021, -1, 0x1A001}) {
            QVERIFY(FaultName(code).isEmpty());
            QVERIFY(FaultDescription(code).isEmpty());
        }
    }

    // --- model and identity
    void boxModelAddsIdentityReadsOnce() {
        Unit u(QStringLiteral("Boxed"), 12);
        const int polls = u.inverter.MissionList().Missions().size();
        u.AnswerBytes(0, QByteArray("Tivra PA10KT & Box"));
        QCOMPARE(u.inverter.ModelName(), QStringLiteral("Tivra PA10KT & Box"));
        QCOMPARE(u.inverter.PhaseCount(), 3);
        QCOMPARE(u.inverter.RatedPower(), 10000);
        QCOMPARE(u.inverter.PictureCode(), 3);
        QVERIFY(u.inverter.IsBox());
        QVERIFY(u.inverter.IdentityDone());
        QCOMPARE(u.inverter.MissionList().Missions().size(), polls + 5);
        u.AnswerBytes(0, QByteArray("Tivra PA10KT & Box"));
        QCOMPARE(CountMissions(u.inverter, 8448), 1);
        QCOMPARE(CountMissions(u.inverter, 8488), 1);
        QCOMPARE(FindMission(u.inverter, 8480)->Address(), 12);

        // The identity answers.
        u.AnswerBytes(8448, QByteArray("SN-0042"));
        QCOMPARE(u.inverter.SerialText(), QStringLiteral("SN-0042"));
        QCOMPARE(CountMissions(u.inverter, 8448), 0); // one-shot, gone after its reply
        u.AnswerBytes(8464, QByteArray("Second"));
        QCOMPARE(u.inverter.SecondText(), QStringLiteral("Second"));
        u.AnswerBytes(8480, QByteArray("\x13\x03\x07\x00\x01\x0C", 6));
        QCOMPARE(u.inverter.ProductionDate(), QStringLiteral("2019.03.07"));
        QCOMPARE(u.inverter.VersionText(), QStringLiteral("01.12"));
        u.Answer(8484, {{0x2124, 401}, {0x2127, 404}});
        QCOMPARE(u.inverter.ItemValue(34), 401);
        QCOMPARE(u.inverter.ItemValue(37), 404);
        u.Answer(8488, {{0x2128, 11}, {0x2137, 26}});
        QCOMPARE(u.inverter.ItemValue(38), 11);
        QCOMPARE(u.inverter.ItemValue(53), 26);
        QCOMPARE(CountMissions(u.inverter, 8488), 1); // the box values keep polling
    }

    void modelTable() {
        Unit u(QStringLiteral("Model"), 13);
        const int polls = u.inverter.MissionList().Missions().size();
        u.AnswerBytes(0, QByteArray("Tivra PA20KT-X"));
        QCOMPARE(u.inverter.ModelName(), QStringLiteral("Tivra PA20KT-X"));
        QCOMPARE(u.inverter.RatedPower(), 20000);
        QCOMPARE(u.inverter.PhaseCount(), 3);
        QVERIFY(!u.inverter.IsBox());
        QCOMPARE(u.inverter.MissionList().Missions().size(), polls);

        struct Row {
            const char* reported;
            const char* name;
            int phases, picture, power;
            bool box;
        };
        const Row rows[] = {
            {"Tivra PA1K5S", "Tivra PA1K5S", 1, 1, 1500, false},
            {"Tivra PA6KS", "Tivra PA6KS", 1, 2, 6000, false},
            {"Tivra PA40KT", "Tivra PA40KT", 3, 3, 40000, false},
            {"Tivra PE4K6S-D", "Tivra PE4K6S-D", 1, 4, 4600, false},
            {"Tivra PM750S", "Tivra PM750S", 1, 5, 750, false},
            {"Tivra PM5KS-D", "Tivra PM5KS-D", 1, 5, 5000, false},
            {"xTivra PM2KS Box", "xTivra PM2KS Box", 1, 5, 2000, true},
            {"tivra pa10kt", "Tivra PA5KS", 1, 2, 5000, false}, // case matters
            {"Unknown Box", "Tivra PA10KT & Box", 3, 3, 10000, true},
            {"", "Tivra PA5KS", 1, 2, 5000, false},
        };
        for (const Row& row : rows) {
            const ModelInfo info = QInverter::LookupModel(QString::fromLatin1(row.reported));
            QCOMPARE(info.m_strName, QString::fromLatin1(row.name));
            QCOMPARE(info.m_nPhases, row.phases);
            QCOMPARE(info.m_nPicture, row.picture);
            QCOMPARE(info.m_nRatedPower, row.power);
            QCOMPARE(info.m_bBox, row.box);
        }
        // A model text filling the whole reply has no terminator and still decodes.
        u.AnswerBytes(0, QByteArray(40, 'Z'));
        QCOMPARE(u.inverter.ModelName(), QStringLiteral("Tivra PA5KS"));
        QCOMPARE(u.inverter.PhaseCount(), 1);
    }

    // --- writes, errors, hook
    void acknowledgedWritesAreReported() {
        Unit u(QStringLiteral("Writer"), 14);
        u.inverter.SetPrice(77);
        QMissionModel* price = LastMission(u.inverter);
        QCOMPARE(price->Code(), 21);
        const int before = u.inverter.EventLog().Lines().size();
        QVERIFY(Feed(*price, WriteAck(*price)));
        u.inverter.MissionList().FinishMission(price);
        m_Events.Drain();
        QCOMPARE(m_Events.m_Types, QList<int>({EventSetSuccess}));
        QCOMPARE(LinesSince(u.inverter, before), QStringList({"   Setting the price!"}));
        QVERIFY(!u.inverter.MissionList().Missions().contains(price));

        // Every setting code 18..25 and 27..31 confirms; 26 is a read and does not.
        m_Events.Clear();
        for (int code : {18, 19, 20, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31}) {
            QMissionModel write;
            const uchar value[2] = {0, 1};
            write.BuildFrame(0x1400, 14, 1, MissionOnceWrite, value);
            write.SetCode(code);
            QVERIFY(Feed(write, WriteAck(write)));
            u.recorded.plant.HandleReply(&write, &u.inverter);
        }
        m_Events.Drain();
        QCOMPARE(m_Events.m_Types.size(), 12);
        QVERIFY(LinesSince(u.inverter, before).contains("   Setting time of inverter!"));
        QVERIFY(LinesSince(u.inverter, before).contains("   Setting the user label!"));

        // A dialog's own write (code 4000) only confirms.
        m_Events.Clear();
        QMissionModel raw;
        const uchar bytes[2] = {0x12, 0x34};
        raw.BuildFrame(0x1250, 14, 1, MissionOnceWrite, bytes);
        raw.SetCode(MissionCodeSetSuccess);
        QVERIFY(Feed(raw, WriteAck(raw)));
        u.recorded.plant.HandleReply(&raw, &u.inverter);
        m_Events.Drain();
        QCOMPARE(m_Events.m_Types, QList<int>({EventSetSuccess}));
    }

    void logonStateFollowsAnsweredWrites() {
        Unit u(QStringLiteral("Logon"), 15);
        u.inverter.Logon(1234);
        QMissionModel* logon = LastMission(u.inverter);
        QVERIFY(Feed(*logon, WriteAck(*logon)));
        u.inverter.MissionList().FinishMission(logon);
        QCOMPARE(u.inverter.ItemValue(33), 2);
        u.inverter.Logoff();
        QMissionModel* logoff = LastMission(u.inverter);
        QCOMPARE(logoff->Code(), 4893);
        QVERIFY(Feed(*logoff, WriteAck(*logoff)));
        u.inverter.MissionList().FinishMission(logoff);
        QCOMPARE(u.inverter.ItemValue(33), 1);
        // A refused logon leaves the state alone.
        u.inverter.Logon(1);
        QMissionModel* refused = LastMission(u.inverter);
        QVERIFY(Feed(*refused, ErrorReply(*refused, 0x10, 5)));
        u.inverter.MissionList().FinishMission(refused);
        QCOMPARE(u.inverter.ItemValue(33), 1);
    }

    void errorRepliesAreRateLimited() {
        Unit u(QStringLiteral("Errors"), 16);
        QMissionModel* live = FindMission(u.inverter, 14);
        QVERIFY(Feed(*live, ErrorReply(*live, 0x03, 2)));
        u.inverter.MissionList().FinishMission(live);
        m_Events.Drain();
        QCOMPARE(m_Events.m_Types, QList<int>({EventReplyError}));
        QCOMPARE(m_Events.m_Values, QList<qintptr>({2}));
        QCOMPARE(u.inverter.ItemValue(0), 0); // not decoded
        QVERIFY(m_Hooked.isEmpty());          // nor shown to a dialog

        SystemClock::Advance(3000);
        QVERIFY(Feed(*live, ErrorReply(*live, 0x03, 4)));
        u.inverter.MissionList().FinishMission(live);
        m_Events.Drain();
        QCOMPARE(m_Events.m_Types.size(), 1);

        SystemClock::Advance(3000); // 6 s after the first one
        QVERIFY(Feed(*live, ErrorReply(*live, 0x03, 11)));
        u.inverter.MissionList().FinishMission(live);
        m_Events.Drain();
        QCOMPARE(m_Events.m_Values, QList<qintptr>({2, 11}));
    }

    void replyHookSeesAnswersOfTheSelectedDialog() {
        Unit u(QStringLiteral("Hooked"), 17);
        u.Answer(9, {{0x1601, 5}});
        QVERIFY(m_Hooked.isEmpty()); // target 5: nobody
        QReplyHook::SetTarget(3);
        QCOMPARE(QReplyHook::Target(), 3);
        u.Answer(9, {{0x1601, 6}});
        QCOMPARE(m_Hooked, (QList<QPair<int, int>>{{9, 3}}));
        QCOMPARE(u.inverter.ItemValue(26), 6); // still decoded
        QReplyHook::SetTarget(0);
        auto* stats = new QMissionModel;
        stats->BuildFrame(0x1616, 17, 10, MissionOnceRead);
        stats->SetCode(1000);
        u.inverter.QueueMission(stats);
        QCOMPARE(stats->Owner(), &u.inverter.MissionList());
        QVERIFY(Feed(*stats, ReadReply(*stats, {{0x1617, 9}})));
        u.inverter.MissionList().FinishMission(stats);
        QCOMPARE(m_Hooked.last(), qMakePair(1000, 0));
        QCOMPARE(u.inverter.ItemValue(20), 0); // dialog codes are not live data
        QReplyHook::SetTarget(5);
    }

    void shortRepliesAreNotDecoded() {
        // A mission carrying a poll code but fewer registers than that code's layout.
        Unit u(QStringLiteral("Short"), 18);
        u.inverter.SetItem(8, 4242);
        QMissionModel partial;
        partial.BuildFrame(0x169E, 18, 2, MissionOnceRead);
        partial.SetCode(14);
        QVERIFY(Feed(partial, ReadReply(partial, {{0x169E, 1}, {0x169F, 2}})));
        u.recorded.plant.HandleReply(&partial, &u.inverter);
        QCOMPARE(u.inverter.ItemValue(8), 4242);
        for (int code : {1, 9, 10, 11, 12, 13, 15, 16, 8480, 8484, 8488, 70015}) {
            QMissionModel tiny;
            tiny.BuildFrame(0x1000, 18, 1, MissionOnceRead);
            tiny.SetCode(code);
            QVERIFY(Feed(tiny, ReadReply(tiny, {{0x1000, 0xFFFF}})));
            u.recorded.plant.HandleReply(&tiny, &u.inverter);
        }
        QCOMPARE(u.inverter.ItemValue(26), 0);
        QCOMPARE(u.inverter.ItemValue(30), 0);
        QCOMPARE(u.inverter.ItemValue(34), 0);
        QCOMPARE(u.inverter.StatItem(12).m_nValue, 0);
        QCOMPARE(u.inverter.StatItem(0).m_nValue, 0);
        QVERIFY(u.inverter.ProductionDate().isEmpty());
        QVERIFY(!u.inverter.HasActiveFault());
        u.recorded.plant.HandleReply(nullptr, &u.inverter);
        u.recorded.plant.HandleReply(&partial, nullptr);
    }

    // --- communication state
    void communicationStateChanges() {
        Unit u(QStringLiteral("Link"), 19);
        // The year folder comes from the generation statistics; the day log adds the month.
        QVERIFY(QDir().mkpath(DataPaths::InverterDir(QStringLiteral("Link")) + QStringLiteral("/2026")));
        RecordingEntry entry;
        u.inverter.SetTreeEntry(&entry);
        u.inverter.MissionList().SetEnabled(true);
        QCOMPARE(u.inverter.CommState(), int(CommOffline));
        const int before = u.inverter.EventLog().Lines().size();

        u.inverter.AdvanceRetry();
        u.inverter.SetCommState(CommConnecting);
        QCOMPARE(u.inverter.RetryCount(), 0);
        QCOMPARE(u.inverter.EventLog().Lines().size(), before);
        u.inverter.SetCommState(CommOnline);
        QCOMPARE(LinesSince(u.inverter, before),
                 QStringList({"   Communication status change.", "      Inverter Already connected!"}));
        QCOMPARE(entry.m_nConnect, 1);
        QCOMPARE(entry.m_nNormal, 1);
        QCOMPARE(FindMission(u.inverter, 14)->Period(), 2000);
        QCOMPARE(FindMission(u.inverter, 0)->Period(), 60000);

        const int online = u.inverter.EventLog().Lines().size();
        u.inverter.SetCommState(CommOffline);
        QCOMPARE(LinesSince(u.inverter, online),
                 QStringList({"   Communication status change.", "      Inverter Disconnect"}));
        QVERIFY(!u.inverter.IsDataValid());
        QCOMPARE(entry.m_nConnect, 0);
        QCOMPARE(entry.m_nNormal, 0);
        QCOMPARE(FindMission(u.inverter, 14)->Period(), 59000);
        QCOMPARE(FindMission(u.inverter, 26)->Period(), 3600000);

        // Offline to offline, and offline straight to online, write no event.
        const int offline = u.inverter.EventLog().Lines().size();
        u.inverter.SetCommState(CommOffline);
        u.inverter.SetCommState(CommOnline);
        QCOMPARE(u.inverter.EventLog().Lines().size(), offline);

        // The day log got its connect and lost rows.
        QFile log(
            QStringLiteral("%1/2026/6/2026_06_15.csv").arg(DataPaths::InverterDir(QStringLiteral("Link"))));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray text = log.readAll();
        QCOMPARE(text.count(",Connected\n"), 2);
        QCOMPARE(text.count(",Communicate lost\n"), 1);
        u.inverter.SetTreeEntry(nullptr);
    }
};

QTEST_GUILESS_MAIN(TestInverterDecode)
#include "test_inverter_decode.moc"

// One simulated inverter through its register map: the day's curve, the
// counters, the schedule of faults and every setting write.

#include "InverterRegisterMap.h"
#include "SimInverter.h"
#include "SolarModel.h"

#include <QtTest>
#include <memory>

namespace {
const quint32 kSeed = 42;
const quint16 kPassword = 1234;

// Plant time: wall-clock fields on a UTC time line, as the simulator keeps it.
QDateTime At(const char* text) {
    const QDateTime parsed = QDateTime::fromString(QString::fromLatin1(text), "yyyy-MM-dd HH:mm:ss");
    return QDateTime(parsed.date(), parsed.time(), Qt::UTC);
}
} // namespace

class TestSimInverter : public QObject {
    Q_OBJECT

private slots:
    void nightIsDark();
    void dayCurveRisesPeaksAndFalls();
    void midnightMovesTodayIntoYesterday();
    void stoppingFaultOnSchedule();
    void alarmKeepsGenerating();
    void powerLimitCapsOutput();
    void combinerCurrentsCarryTheInput();
    void tariffBlockSumsItsDays();
    void thirtySecondDayIsThisMonth();
    void clearStatisticsKeepsTheLifetimeCounters();
    void passwordChangeAndFactoryReset();
    void labelCanBeWrittenInPart();
    void refusedWriteChangesNothing();
    void maintenanceReadsAnswer();

private:
    std::unique_ptr<SimInverter> Make(const QString& model, const QDateTime& start,
                                      const QList<ScheduledFault>& faults = {}) {
        auto inverter =
            std::make_unique<SimInverter>(1, ModelTable::Lookup(model), kPassword, kSeed, &m_solar);
        inverter->SetSchedule(faults);
        inverter->Prime(start);
        return inverter;
    }
    static QVector<quint16> Read(const SimInverter& inverter, quint16 reg, int count) {
        QVector<quint16> values;
        const ReplyError error = InverterRegisterMap::Read(inverter, reg, count, &values);
        if (error != ReplyError::None) {
            qWarning() << "read" << Qt::hex << reg << "refused with" << int(error);
        }
        return values;
    }
    static ReplyError Write(SimInverter& inverter, quint16 reg, const QVector<quint16>& values) {
        return InverterRegisterMap::Write(inverter, reg, values);
    }
    static quint32 Long(const QVector<quint16>& regs, int index) {
        return (quint32(regs.value(index)) << 16) | regs.value(index + 1);
    }
    static quint32 Output(const SimInverter& inverter) { return Long(Read(inverter, 0x16A4, 2), 0); }
    static int Status(const SimInverter& inverter) { return Read(inverter, 0x167C, 1).value(0) & 0xFF; }

    SolarModel m_solar{kSeed};
};

void TestSimInverter::nightIsDark() {
    auto inverter = Make("Tivra PA5KS", At("2024-06-21 02:00:00"));
    QCOMPARE(Status(*inverter), 0);
    QCOMPARE(Output(*inverter), quint32(0));
    const QVector<quint16> lines = Read(*inverter, 0x1690, 14);
    QCOMPARE(lines[0], quint16(0));
    QVERIFY(lines[8] > 2100); // the grid is there at night
    QCOMPARE(Long(Read(*inverter, 0x1616, 2), 0), quint32(0));
    QVERIFY(Long(Read(*inverter, 0x16F2 + 2, 2), 0) > 0); // yesterday produced
}

void TestSimInverter::dayCurveRisesPeaksAndFalls() {
    auto inverter = Make("Tivra PA10KT", At("2024-06-21 00:00:00"));
    const QDateTime moment = At("2024-06-21 00:00:00");
    QMap<int, quint32> output;
    quint32 energy = 0;
    quint32 highest = 0;
    for (int hour = 1; hour <= 23; ++hour) {
        inverter->AdvanceTo(moment.addSecs(hour * 3600));
        output[hour] = Output(*inverter);
        highest = qMax(highest, output[hour]);
        const quint32 now = Long(Read(*inverter, 0x1616, 2), 0);
        QVERIFY2(now >= energy, "today's energy never falls during the day");
        energy = now;
        if (output[hour] > 0) {
            const int status = Status(*inverter);
            QVERIFY(status == 2);
        }
    }
    QCOMPARE(output[3], quint32(0));
    QCOMPARE(output[22], quint32(0));
    QVERIFY(output[12] > output[8] && output[12] > output[17]);
    QVERIFY(output[12] <= 10000);
    const quint32 peak = Long(Read(*inverter, 0x1600, 2), 0);
    QVERIFY(peak >= highest && peak <= 10000);
    // A summer day of a 10 kW inverter: tens of kWh, not hundreds.
    QVERIFY2(energy > 1500 && energy < 9000, qPrintable(QString::number(energy)));
}

void TestSimInverter::midnightMovesTodayIntoYesterday() {
    auto inverter = Make("Tivra PA8KT", At("2024-03-31 23:50:00"));
    const quint32 today = Long(Read(*inverter, 0x16F2, 2), 0);
    const quint32 total = Long(Read(*inverter, 0x1652, 2), 0);
    const quint32 march = Long(Read(*inverter, 0x1730, 2), 0);
    QVERIFY(today > 0);
    inverter->AdvanceTo(At("2024-04-01 00:05:00"));
    const QVector<quint16> daily = Read(*inverter, 0x16F2, 4);
    QCOMPARE(Long(daily, 0), quint32(0));
    QCOMPARE(Long(daily, 2), today);
    QCOMPARE(Long(Read(*inverter, 0x1652, 2), 0), total);
    const QVector<quint16> months = Read(*inverter, 0x1730, 4);
    QCOMPARE(Long(months, 0), quint32(0));
    QCOMPARE(Long(months, 2), march);
    QCOMPARE(Read(*inverter, 0x1678, 2), QVector<quint16>({0x1804, 0x0100}));
}

void TestSimInverter::stoppingFaultOnSchedule() {
    ScheduledFault fault;
    QString error;
    QVERIFY(ScheduledFault::Parse("1:2:E006:10:00-10:30", &fault, &error));
    auto inverter = Make("Tivra PA5KS", At("2024-06-21 10:15:00"), {fault});
    QCOMPARE(Status(*inverter), 4);
    QCOMPARE(Output(*inverter), quint32(0));
    const QVector<quint16> words = Read(*inverter, 0x1670, 8);
    QCOMPARE(words, QVector<quint16>({0, 0, 0xE006, 0, 0, 0, 0, 0}));
    // The fault memory holds its start, newest first: code, 24-06-21, 10:00:00.
    const QVector<quint16> record = Read(*inverter, 0x1800, 8);
    QCOMPARE(record.mid(0, 4), QVector<quint16>({0xE006, 0x1806, 0x1500, 0x0A00}));
    QCOMPARE(record[4] >> 8, 0);

    inverter->AdvanceTo(At("2024-06-21 10:31:00"));
    QCOMPARE(Read(*inverter, 0x1672, 1).value(0), quint16(0));
    QCOMPARE(Status(*inverter), 1);
    inverter->AdvanceTo(At("2024-06-21 10:40:00"));
    QCOMPARE(Status(*inverter), 2);
    QVERIFY(Output(*inverter) > 0);
}

void TestSimInverter::alarmKeepsGenerating() {
    ScheduledFault fault;
    QString error;
    QVERIFY(ScheduledFault::Parse("1:0:0xA003:23:00-14:00", &fault, &error)); // over midnight
    auto inverter = Make("Tivra PM3KS", At("2024-06-21 12:00:00"), {fault});
    QCOMPARE(Status(*inverter), 3);
    QVERIFY(Output(*inverter) > 0);
    QCOMPARE(Read(*inverter, 0x1670, 1).value(0), quint16(0xA003));
}

void TestSimInverter::powerLimitCapsOutput() {
    auto inverter = Make("Tivra PA10KT", At("2024-06-21 12:00:00"));
    QVERIFY(Output(*inverter) > 3000);
    QCOMPARE(Write(*inverter, 0x131E, {2000}), ReplyError::None);
    QCOMPARE(Read(*inverter, 0x131E, 1).value(0), quint16(2000));
    inverter->AdvanceTo(At("2024-06-21 12:01:00"));
    const QVector<quint16> power = Read(*inverter, 0x16A2, 4);
    QVERIFY(Long(power, 2) <= 2000 && Long(power, 2) > 1800);
    QVERIFY(Long(power, 0) > Long(power, 2));
}

void TestSimInverter::combinerCurrentsCarryTheInput() {
    auto inverter = Make("Tivra PA10KT & Box", At("2024-06-21 12:00:00"));
    const double input = Long(Read(*inverter, 0x16A2, 2), 0);
    const QVector<quint16> volts = Read(*inverter, 0x2124, 4);
    const QVector<quint16> amps = Read(*inverter, 0x2128, 16);
    double current = 0;
    for (const quint16 a : amps) {
        current += a / 10.0;
    }
    QVERIFY2(qAbs(current * volts[0] / 10.0 - input) < 0.1 * input,
             qPrintable(QStringLiteral("%1 A x %2 V vs %3 W").arg(current).arg(volts[0]).arg(input)));
    QVector<quint16> none;
    QCOMPARE(InverterRegisterMap::Read(*Make("Tivra PA10KT", At("2024-06-21 12:00:00")), 0x2124, 4, &none),
             ReplyError::IllegalAddress);
}

void TestSimInverter::tariffBlockSumsItsDays() {
    auto inverter = Make("Tivra PE5KS", At("2024-06-21 15:00:00"));
    QCOMPARE(Write(*inverter, 0x131C, {kPassword}), ReplyError::None);
    // T2 from 2024-06-19 to 2024-06-21.
    QCOMPARE(Write(*inverter, 0x1319, {0x1806, 0x1318, 0x0615}), ReplyError::None);
    const QVector<quint16> daily = Read(*inverter, 0x16F2, 6);
    const QVector<quint16> block = Read(*inverter, 0x1616 + 80, 6);
    QCOMPARE(Long(block, 0), Long(daily, 0) + Long(daily, 2) + Long(daily, 4));
    // An end before the start is refused.
    QCOMPARE(Write(*inverter, 0x1319, {0x1806, 0x1518, 0x0601}), ReplyError::IllegalValue);
}

void TestSimInverter::thirtySecondDayIsThisMonth() {
    // The daily table holds 31 days; a poll of the eighth group of four days
    // (0x172A, 8 registers) ends on the first register of the monthly table.
    auto inverter = Make("Tivra PA5KS", At("2024-06-21 12:00:00"));
    const QVector<quint16> group = Read(*inverter, 0x172A, 8);
    QCOMPARE(Long(group, 6), Long(Read(*inverter, 0x1730, 2), 0));
    QCOMPARE(Long(group, 4), Long(Read(*inverter, 0x16F2 + 60, 2), 0));
}

void TestSimInverter::clearStatisticsKeepsTheLifetimeCounters() {
    auto inverter = Make("Tivra PA6KT", At("2024-06-21 16:00:00"));
    const QVector<quint16> before = Read(*inverter, 0x1648, 20);
    const quint32 work = Long(Read(*inverter, 0x1612, 2), 0);
    QCOMPARE(Write(*inverter, 0x1404, {0xAAAA}), ReplyError::PasswordProtection);
    QCOMPARE(Write(*inverter, 0x131C, {kPassword}), ReplyError::None);
    QCOMPARE(Write(*inverter, 0x1404, {0x5555}), ReplyError::IllegalValue);
    QCOMPARE(Write(*inverter, 0x1404, {0xAAAA}), ReplyError::None);
    const QVector<quint16> after = Read(*inverter, 0x1648, 20);
    QCOMPARE(Long(after, 0), quint32(0));
    QCOMPARE(Long(Read(*inverter, 0x1616, 2), 0), quint32(0));
    QCOMPARE(Long(Read(*inverter, 0x1730, 2), 0), quint32(0));
    QCOMPARE(Long(Read(*inverter, 0x1600, 2), 0), quint32(0));
    QVERIFY(qAbs(qint64(Long(after, 10)) - qint64(Long(before, 10))) <=
            400); // whole-unit rounding of 400 days
    QVERIFY(Long(Read(*inverter, 0x1612, 2), 0) + 1 >= work);
}

void TestSimInverter::passwordChangeAndFactoryReset() {
    auto inverter = Make("Tivra PA5KS", At("2024-06-21 12:00:00"));
    QVector<quint16> values;
    QCOMPARE(InverterRegisterMap::Read(*inverter, 0x1305, 1, &values), ReplyError::NoPermission);
    QCOMPARE(Write(*inverter, 0x1305, {4711}), ReplyError::PasswordProtection);
    QCOMPARE(Write(*inverter, 0x131C, {kPassword}), ReplyError::None);
    QCOMPARE(Write(*inverter, 0x1305, {0}), ReplyError::IllegalValue);
    QCOMPARE(Write(*inverter, 0x1305, {4711}), ReplyError::None);
    QCOMPARE(Read(*inverter, 0x1305, 1).value(0), quint16(4711));
    QCOMPARE(Write(*inverter, 0x1301, {'G', 'B', 250}), ReplyError::None);
    QCOMPARE(Read(*inverter, 0x1301, 4), QVector<quint16>({'G', 'B', 250, 0}));
    QCOMPARE(Write(*inverter, 0x131C, {0}), ReplyError::None);
    QCOMPARE(Write(*inverter, 0x131C, {kPassword}), ReplyError::WrongPassword);
    QCOMPARE(Write(*inverter, 0x131C, {4711}), ReplyError::None);

    QCOMPARE(Write(*inverter, 0x1402, {0xAAAA}), ReplyError::None);
    QCOMPARE(Read(*inverter, 0x1301, 3), QVector<quint16>({'E', 'U', 100}));
    QCOMPARE(Read(*inverter, 0x167D, 1).value(0), quint16(1));
    QCOMPARE(Status(*inverter), 1);
    QCOMPARE(Write(*inverter, 0x131C, {kPassword}), ReplyError::None);
}

void TestSimInverter::labelCanBeWrittenInPart() {
    auto inverter = Make("Tivra PA5KS", At("2024-06-21 12:00:00"));
    QVector<quint16> label(16, 0);
    label[0] = ('R' << 8) | 'o';
    label[1] = ('o' << 8) | 'f';
    label[2] = (' ' << 8) | 'E';
    QCOMPARE(Write(*inverter, 0x1306, label), ReplyError::None);
    QCOMPARE(Read(*inverter, 0x1306, 16), label);
    QCOMPARE(Write(*inverter, 0x1308, {('-' << 8) | 'W'}), ReplyError::None);
    QCOMPARE(Read(*inverter, 0x1306, 4), QVector<quint16>({label[0], label[1], ('-' << 8) | 'W', 0}));
}

void TestSimInverter::refusedWriteChangesNothing() {
    auto inverter = Make("Tivra PA5KS", At("2024-06-21 12:00:00"));
    // Price and a bad language letter in one request: neither is taken.
    QCOMPARE(Write(*inverter, 0x1301, {'Q', 'U', 999}), ReplyError::IllegalValue);
    QCOMPARE(Read(*inverter, 0x1301, 3), QVector<quint16>({'E', 'U', 100}));
    // A write running from the price into the password needs the logon, and stops at the reserved 0x1304.
    QCOMPARE(Write(*inverter, 0x1303, {5, 0}), ReplyError::ReadOnly);
    QCOMPARE(Read(*inverter, 0x1303, 1).value(0), quint16(100));
    QVector<quint16> values;
    QCOMPARE(InverterRegisterMap::Read(*inverter, 0x121C, 126, &values), ReplyError::LengthError);
    QCOMPARE(InverterRegisterMap::Read(*inverter, 0xFFFF, 2, &values), ReplyError::LengthError);
}

void TestSimInverter::maintenanceReadsAnswer() {
    auto inverter = Make("Tivra PA10KT & Box", At("2024-06-21 12:00:00"));
    // Every read of the statistics, fault history and protection point dialogs, and the box identity.
    struct Block {
        quint16 reg;
        int count;
    };
    QList<Block> blocks = {{0x1214, 4},  {0x121C, 20}, {0x1230, 3},  {0x1300, 4},  {0x1306, 16}, {0x1316, 6},
                           {0x1600, 18}, {0x1612, 4},  {0x1250, 16}, {0x2100, 16}, {0x2110, 16}, {0x2120, 3}};
    for (int k = 0; k < 9; ++k) {
        blocks.append({quint16(0x1616 + 10 * k), 10});
    }
    for (int k = 0; k < 32; ++k) {
        blocks.append({quint16(0x1800 + 8 * k), 8});
    }
    for (const Block& block : std::as_const(blocks)) {
        QVector<quint16> values;
        QCOMPARE(InverterRegisterMap::Read(*inverter, block.reg, block.count, &values), ReplyError::None);
        QCOMPARE(values.size(), block.count);
    }
    // Address, language 'E', currency 'U', price 1.00.
    QCOMPARE(Read(*inverter, 0x1300, 4), QVector<quint16>({1, 'E', 'U', 100}));
    // Made before the start, at the known site.
    const QVector<quint16> made = Read(*inverter, 0x1230, 3);
    const QDate date(2000 + (made[0] >> 8), made[0] & 0xFF, made[1] >> 8);
    QVERIFY(date.isValid() && date < QDate(2024, 6, 21));
    QCOMPARE(made[2] & 0xFF, 1);
    // Under-voltage trip below 230 V, over-voltage above, under-frequency below 50 Hz.
    const QVector<quint16> points = Read(*inverter, 0x1250, 16);
    QVERIFY(points[0] < 2300 && points[4] > 2300 && points[8] < 5000 && points[12] > 5000);
    // The fault memory has a few past faults, newest first, then empty records.
    const QVector<quint16> newest = Read(*inverter, 0x1800, 8);
    QVERIFY(newest[0] != 0);
    QCOMPARE(Read(*inverter, 0x1800 + 8 * 31, 8), QVector<quint16>(8, 0));
    // Peaks: today within the 7 days, the 7 days within the year, the all-time highest on top.
    const QVector<quint16> peaks = Read(*inverter, 0x1600, 18);
    QVERIFY(Long(peaks, 0) <= Long(peaks, 2) && Long(peaks, 2) <= Long(peaks, 8) &&
            Long(peaks, 8) <= Long(peaks, 12));
    QVERIFY(Long(peaks, 12) <= 10000);
}

QTEST_GUILESS_MAIN(TestSimInverter)
#include "test_sim_inverter.moc"

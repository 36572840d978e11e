// A Modbus master we did not write (mbpoll) polls the simulator through a
// socat pseudo-terminal pair in RTU mode. mbpoll checks every CRC itself and
// reports a bad one as a failed read.

#include "SimTestSupport.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace SimTest;

class TestSimMbpoll : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void readsTheModelName();
    void readsThirtyTwoBitPowers();
    void writesSeveralRegisters();
    void refusalsArriveAsModbusExceptions();

private:
    // Runs mbpoll once against the pseudo-terminal (writing the values, if
    // any, which follow the device); returns its standard output.
    QString Poll(const QStringList& arguments, QString* errors = nullptr,
                 const QStringList& writeValues = {}) {
        QProcess process;
        process.start(QStringLiteral("mbpoll"),
                      QStringList{"-m", "rtu", "-b", "9600", "-P", "none", "-0", "-1", "-o", "2"} +
                          arguments + QStringList{m_pty.MasterEnd()} + writeValues);
        if (!process.waitForFinished(15000)) {
            process.kill();
            process.waitForFinished();
        }
        if (errors) {
            *errors = QString::fromLocal8Bit(process.readAllStandardError());
        }
        return QString::fromLocal8Bit(process.readAllStandardOutput());
    }
    // The values mbpoll printed, by reference number ("[4636]: 	0x5469").
    static QMap<int, qlonglong> Values(const QString& output) {
        static const QRegularExpression line(QStringLiteral("^\\[(\\d+)\\]:\\s+(\\S+)"),
                                             QRegularExpression::MultilineOption);
        QMap<int, qlonglong> values;
        auto it = line.globalMatch(output);
        while (it.hasNext()) {
            const QRegularExpressionMatch match = it.next();
            values.insert(match.captured(1).toInt(), match.captured(2).toLongLong(nullptr, 0));
        }
        return values;
    }

    QTemporaryDir m_dir;
    PtyPair m_pty;
    SimProcess m_sim;
};

void TestSimMbpoll::initTestCase() {
    if (QStandardPaths::findExecutable(QStringLiteral("mbpoll")).isEmpty() || !PtyPair::Available()) {
        QSKIP("mbpoll or socat is not installed (scripts/setup installs both)");
    }
    QVERIFY(m_pty.Start(m_dir.path()));
    QVERIFY(m_sim.Start({"--serial", m_pty.SlaveEnd(), "--inverter", "1:Tivra PA10KT & Box", "--inverter",
                         "2:Tivra PM3KS", "--start", "2024-06-21 12:00:00", "--seed", "4"}));
}

void TestSimMbpoll::cleanupTestCase() {
    m_sim.Stop();
}

void TestSimMbpoll::readsTheModelName() {
    const QMap<int, qlonglong> values = Values(Poll({"-a", "1", "-r", "4636", "-c", "20", "-t", "4:hex"}));
    QCOMPARE(values.size(), 20);
    QByteArray text;
    for (int reg = 0x121C; reg < 0x121C + 20; ++reg) {
        text.append(char(values.value(reg) >> 8)).append(char(values.value(reg) & 0xFF));
    }
    QCOMPARE(QString::fromLatin1(text.left(text.indexOf('\0'))), QStringLiteral("Tivra PA10KT & Box"));
}

void TestSimMbpoll::readsThirtyTwoBitPowers() {
    // Input and output power, 32-bit, high word first (-B).
    const QMap<int, qlonglong> values =
        Values(Poll({"-a", "1", "-r", "5794", "-c", "2", "-t", "4:int", "-B"}));
    QCOMPARE(values.size(), 2);
    const qlonglong input = values.value(0x16A2);
    const qlonglong output = values.value(0x16A4);
    QVERIFY2(output > 0 && output < input && input < 12000,
             qPrintable(QStringLiteral("%1 %2").arg(input).arg(output)));
}

void TestSimMbpoll::writesSeveralRegisters() {
    // Currency 'R' and price 2.50, in one write (function 0x10).
    QString errors;
    Poll({"-a", "2", "-r", "4866"}, &errors, {"82", "250"});
    QVERIFY2(!errors.contains(QLatin1String("failed")), qPrintable(errors));
    const QMap<int, qlonglong> values = Values(Poll({"-a", "2", "-r", "4865", "-c", "3"}));
    QCOMPARE(values.value(0x1301), qlonglong('E'));
    QCOMPARE(values.value(0x1302), qlonglong('R'));
    QCOMPARE(values.value(0x1303), qlonglong(250));
}

void TestSimMbpoll::refusalsArriveAsModbusExceptions() {
    QString errors;
    QVERIFY(Values(Poll({"-a", "1", "-r", "4660"}, &errors)).isEmpty());
    QVERIFY2(errors.contains(QLatin1String("Illegal data address")), qPrintable(errors));
    // A single value goes out as function 6, which these inverters do not know.
    Poll({"-a", "2", "-r", "4867"}, &errors, {"300"});
    QVERIFY2(errors.contains(QLatin1String("Illegal function")), qPrintable(errors));
}

QTEST_GUILESS_MAIN(TestSimMbpoll)
#include "test_sim_mbpoll.moc"

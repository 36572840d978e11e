#include "DataPaths.h"
#include "QFaultFile.h"
#include "QInverter.h"
#include "StorageTestSupport.h"
#include "SystemClock.h"

#include <QtTest>
#include <memory>

using namespace storagetest;

namespace {
QByteArray Record(quint8 address, qint32 code, qint32 date, qint32 time, int seed) {
    return FaultRecord(address, code, date, time, seed);
}
} // namespace

class TestFaultFile : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_pDir;

    QString FaultPath() const { return m_pDir->path() + "/fault.dat"; }

private slots:
    void init() {
        m_pDir = std::make_unique<QTemporaryDir>();
        DataPaths::SetDataDir(m_pDir->path());
        SystemClock::SetFixed(QDateTime(QDate(2015, 3, 15), QTime(14, 5, 8)));
    }
    void cleanup() {
        SystemClock::UseSystem();
        m_pDir.reset();
    }

    void appendedRecordFollowsTheTable() {
        QInverter inverter;
        inverter.SetAddress(7);
        // Items 0..10 get two writes each: the earlier-value fields hold the first.
        for (int item = 0; item <= 10; ++item) {
            inverter.SetItem(item, item * 100 - 50);
            inverter.SetItem(item, item * 100 + 1);
        }
        inverter.SetItem(11, 999); // outside the snapshot
        QVERIFY(QFaultFile::AppendRecord(inverter, 0xE010, SystemClock::Now()));

        Bytes expected;
        expected.U8(7).I32(0xE010).I32(DateWord(2015, 3, 15)).I32(TimeWord(14, 5, 8));
        for (int item = 0; item <= 10; ++item) {
            expected.I32(item * 100 + 1);
            for (int k = 0; k < 4; ++k) {
                expected.I32(item * 100 - 50);
            }
        }
        QCOMPARE(expected.Data().size(), QFaultFile::RecordSize);
        QCOMPARE(ReadFile(FaultPath()), expected.Data());
    }

    void twoRecordsMake466BytesAndReadBackByAddress() {
        QInverter first;
        first.SetAddress(3);
        first.SetItem(8, 5001);
        QInverter second;
        second.SetAddress(200);
        QVERIFY(QFaultFile::AppendRecord(first, 0xA001, SystemClock::Now()));
        SystemClock::Advance(61000);
        QVERIFY(QFaultFile::AppendRecord(second, 0xA003, SystemClock::Now()));
        QCOMPARE(QFileInfo(FaultPath()).size(), qint64(466));

        const QVector<QFaultRecord> records = QFaultFile::ReadRecords(200);
        QCOMPARE(records.size(), 1);
        QCOMPARE(records[0].m_nAddress, 200);
        QCOMPARE(records[0].m_nCode, 0xA003);
        QCOMPARE(records[0].m_nDate, DateWord(2015, 3, 15));
        QCOMPARE(records[0].m_nTime, TimeWord(14, 6, 9));
        QCOMPARE(records[0].m_nOffset, qint64(233));
        QCOMPARE(QFaultFile::ReadRecords(3).at(0).m_Snapshot[8][0], 5001);
        QVERIFY(QFaultFile::ReadRecords(4).isEmpty());
    }

    void readerDecodesAFixtureFieldByField() {
        QVERIFY(WriteFile(FaultPath(), Record(9, 0xA025, DateWord(2014, 12, 31), TimeWord(23, 59, 58), 4) +
                                           Record(9, -2, 0, 0, 5)));
        const QVector<QFaultRecord> records = QFaultFile::ReadRecords(9);
        QCOMPARE(records.size(), 2);
        QCOMPARE(records[0].m_nCode, 0xA025);
        QCOMPARE(records[0].m_nDate, DateWord(2014, 12, 31));
        QCOMPARE(records[0].m_nTime, TimeWord(23, 59, 58));
        for (int item = 0; item < 11; ++item) {
            for (int k = 0; k < 5; ++k) {
                QCOMPARE(records[0].m_Snapshot[item][k], 4000 + item * 10 + k);
            }
        }
        QCOMPARE(records[1].m_nCode, -2);
        QCOMPARE(records[1].m_Snapshot[10][4], 5104);
    }

    void partialRecordsAreNeverReadAndNeverShiftLaterOnes() {
        const QByteArray whole = Record(5, 0xA001, DateWord(2015, 1, 2), TimeWord(8, 0, 0), 1);
        QVERIFY(WriteFile(FaultPath(), whole + Record(5, 0xA002, 0, 0, 2).left(100)));
        QCOMPARE(QFaultFile::ReadRecords(5).size(), 1);

        QInverter inverter;
        inverter.SetAddress(5);
        QVERIFY(QFaultFile::AppendRecord(inverter, 0xA004, SystemClock::Now()));
        const QByteArray after = ReadFile(FaultPath());
        QCOMPARE(after.size(), 466);
        QCOMPARE(after.left(233), whole);
        const QVector<QFaultRecord> records = QFaultFile::ReadRecords(5);
        QCOMPARE(records.size(), 2);
        QCOMPARE(records[1].m_nCode, 0xA004);
    }

    void deletingOneRowKeepsEveryOtherRecordInOrder() {
        QVERIFY(!QFaultFile::DeleteRecords(3, 0)); // no file: nothing to do, nothing created
        QVERIFY(!QFile::exists(FaultPath()));
        const QByteArray a1 = Record(3, 0xA001, 1, 1, 1), b1 = Record(4, 0xA002, 2, 2, 2),
                         a2 = Record(3, 0xA003, 3, 3, 3), b2 = Record(4, 0xA004, 4, 4, 4),
                         a3 = Record(3, 0xA005, 5, 5, 5);
        QVERIFY(WriteFile(FaultPath(), a1 + b1 + a2 + b2 + a3));
        QVERIFY(QFaultFile::DeleteRecords(3, 2));
        QCOMPARE(ReadFile(FaultPath()), a1 + b1 + b2 + a3);
        QVERIFY(!QFaultFile::DeleteRecords(3, 3));
        QCOMPARE(ReadFile(FaultPath()), a1 + b1 + b2 + a3);
        QVERIFY(!QFaultFile::DeleteRecords(3, -1));
        QVERIFY(QFaultFile::DeleteRecords(3, 0));
        QCOMPARE(ReadFile(FaultPath()), b1 + b2);
        QVERIFY(!QFaultFile::DeleteRecords(3, 0));
        QVERIFY(!QFaultFile::DeleteRecords(77, 1));
        QCOMPARE(ReadFile(FaultPath()), b1 + b2);
    }

    void deletesKeepAPartialLastRecord_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("keptRecords"); // of a1 b1 a2, which ones stay (bit per record)
        QTest::newRow("second row") << 2 << 0b011;
        QTest::newRow("first row") << 1 << 0b110;
        QTest::newRow("all rows") << 0 << 0b010;
    }
    void deletesKeepAPartialLastRecord() {
        QFETCH(int, row);
        QFETCH(int, keptRecords);
        const QByteArray records[3] = {Record(3, 0xA001, 1, 1, 1), Record(4, 0xA002, 2, 2, 2),
                                       Record(3, 0xA003, 3, 3, 3)};
        const QByteArray tail = Record(3, 0xA004, 4, 4, 4).left(57);
        QVERIFY(WriteFile(FaultPath(), records[0] + records[1] + records[2] + tail));
        QVERIFY(QFaultFile::DeleteRecords(3, row));
        QByteArray expected;
        for (int i = 0; i < 3; ++i) {
            if (keptRecords & (1 << i)) {
                expected += records[i];
            }
        }
        QCOMPARE(ReadFile(FaultPath()), expected + tail);
        bool readable = false;
        QCOMPARE(QFaultFile::ReadRecords(3, &readable).size(),
                 keptRecords == 0b011 || keptRecords == 0b110 ? 1 : 0);
        QVERIFY(readable);
        QVERIFY(QFile::remove(FaultPath()));
        QVERIFY(QFaultFile::ReadRecords(3, &readable).isEmpty());
        QVERIFY(!readable);
    }

    void randomAndOversizedFilesAreReadSafely_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("random 1000") << RandomBytes(1000, 11);
        QTest::newRow("random 232") << RandomBytes(232, 12);
        QTest::newRow("random 100000") << RandomBytes(100000, 13);
        QTest::newRow("one byte") << QByteArray(1, '\x03');
    }
    void randomAndOversizedFilesAreReadSafely() {
        QFETCH(QByteArray, content);
        QVERIFY(WriteFile(FaultPath(), content));
        int total = 0;
        for (int address = 0; address < 256; ++address) {
            const QVector<QFaultRecord> records = QFaultFile::ReadRecords(address);
            for (const QFaultRecord& record : records) {
                QCOMPARE(record.m_nAddress, address);
                QVERIFY(record.m_nOffset + QFaultFile::RecordSize <= content.size());
            }
            total += records.size();
        }
        QCOMPARE(total, int(content.size() / QFaultFile::RecordSize));
        QFaultFile::DeleteRecords(uchar(content[0]), 1);
        QCOMPARE(QFileInfo(FaultPath()).size(),
                 qint64(content.size() >= 233 ? content.size() - 233 : content.size()));
    }
};

QTEST_GUILESS_MAIN(TestFaultFile)
#include "test_fault_file.moc"

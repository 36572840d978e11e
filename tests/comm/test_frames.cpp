#include "Crc.h"
#include "QMissionModel.h"

#include <QtTest>

class TestFrames : public QObject {
    Q_OBJECT
private slots:
    void crcOfAbc() {
        const uchar abc[] = {'a', 'b', 'c'};
        QCOMPARE(CalcCrc(abc, 3), quint16(0x4957));
    }
};

QTEST_GUILESS_MAIN(TestFrames)
#include "test_frames.moc"

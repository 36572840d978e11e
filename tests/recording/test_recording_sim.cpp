// The program's core (plant, scheduler, recorder) polling wattsight-sim over
// loopback TCP with the real clock and the real 20 ms tick.

#include "../common/RecordedPlant.h"
#include "../link/SimProcess.h"
#include "../storage/StorageTestSupport.h"
#include "DataPaths.h"
#include "QBusScheduler.h"
#include "QGenerationStore.h"
#include "SystemClock.h"

#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <memory>

using namespace storagetest;

namespace {
constexpr qint32 kStored = 777;

QByteArray GenerationFile(qint32 value) {
    Bytes bytes;
    bytes.Raw("KOVA_DATA_FILE").I32(value);
    for (int m = 0; m < 12; ++m) {
        bytes.I32(value);
    }
    bytes.I32(-1);
    for (int d = 1; d <= 365; ++d) {
        bytes.I32(value);
    }
    return bytes;
}

// A request as written on the wire: function and first register.
bool IsRequest(const QByteArray& frame, int function, int reg) {
    return frame.size() >= 4 && quint8(frame[1]) == function &&
           (quint8(frame[2]) << 8 | quint8(frame[3])) == reg;
}
} // namespace

class TestRecordingSim : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_pDir;
    std::unique_ptr<RecordedPlant> m_pPlant;
    std::unique_ptr<QBusScheduler> m_pBus;
    QList<QByteArray> m_Frames;

    void Connect(int port) {
        m_pPlant->plant.SetSystemValue("CommunicationType", "1", false);
        m_pPlant->plant.SetSystemValue("IPAddress", "127.0.0.1", false);
        m_pPlant->plant.SetSystemValue("IP_number", QString::number(port), false);
        m_pBus->OpenConfiguredLink();
        QTRY_VERIFY(m_pBus->IsLinkOpen());
        // Opening a link closes the one before, which stops every list.
        for (QInverter* inverter : m_pPlant->plant.Inverters()) {
            inverter->MissionList().SetEnabled(true);
        }
        m_pBus->Start();
    }
    int Count(int function, int reg) const {
        return int(std::count_if(m_Frames.begin(), m_Frames.end(),
                                 [&](const QByteArray& f) { return IsRequest(f, function, reg); }));
    }

private slots:
    void init() {
        SystemClock::UseSystem();
        m_pDir = std::make_unique<QTemporaryDir>();
        DataPaths::SetDataDir(m_pDir->path());
        m_pPlant = std::make_unique<RecordedPlant>();
        m_pBus = std::make_unique<QBusScheduler>(&m_pPlant->plant, &SystemClock::Now);
        m_Frames.clear();
        connect(m_pBus.get(), &QBusScheduler::FrameWritten, this,
                [this](const QByteArray& frame) { m_Frames.append(frame); });
    }
    void cleanup() {
        m_pBus.reset();
        m_pPlant.reset();
        m_pDir.reset();
    }

    void historySurvivesAnInverterWithoutStatistics() {
        const int year = SystemClock::CurrentDate().year();
        const QString path = m_pDir->filePath(QStringLiteral("Roof/%1/generation.dat").arg(year));
        QVERIFY(WriteFile(path, GenerationFile(kStored)));
        SimProcess sim;
        QVERIFY(sim.Start(
            {"--tcp-port", "0", "--inverter", "1:Tivra PA5KS", "--seed", "3", "--refuse", "1:16F2-1747"}));
        QInverter* roof = m_pPlant->Join(QStringLiteral("Roof"), 1);
        Connect(sim.TcpPort());
        // The totals arrive; the day and month records are asked for and refused.
        QTRY_VERIFY_WITH_TIMEOUT(roof->ItemValue(TotalEnergy) > 0, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(Count(0x03, 0x16F2) > 0 && Count(0x03, 0x1730) > 0, 10000);
        QTest::qWait(500);
        QTRY_VERIFY_WITH_TIMEOUT(I32At(ReadFile(path), 14) == roof->ItemValue(YearEnergy), 5000);
        QCOMPARE(roof->CommState(), int(CommOnline));

        const QByteArray file = ReadFile(path);
        QCOMPARE(file.size(), QGenerationStore::GenerationFileSize);
        const QDate today = SystemClock::CurrentDate();
        for (int back = 0; back < 32 && back < today.dayOfYear(); ++back) {
            QCOMPARE(I32At(file, 66 + 4 * today.addDays(-back).dayOfYear()), kStored);
        }
        for (int month = 1; month <= today.month(); ++month) {
            QCOMPARE(I32At(file, 18 + 4 * (month - 1)), kStored);
        }
    }

    void aWriteNotDeliveredNeverRunsLater() {
        SimProcess silent;
        QVERIFY(silent.Start({"--tcp-port", "0", "--inverter", "1:Tivra PA5KS", "--silent", "1"}));
        const int port = silent.TcpPort();
        QInverter* roof = m_pPlant->Join(QStringLiteral("Roof"), 1);
        Connect(port);
        roof->ResetInverter();
        // Four sends, no answer: the inverter goes offline and the reset is dropped.
        QTRY_COMPARE_WITH_TIMEOUT(Count(0x10, 0x1401), 4, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(roof->CommState(), int(CommOffline), 5000);
        QVERIFY(roof->EventLog().Lines().contains(QStringLiteral("      Reset")));

        // Days later the inverter answers again: polls resume, the reset stays undone.
        silent.Stop();
        QTRY_VERIFY_WITH_TIMEOUT(!m_pBus->IsLinkOpen(), 5000);
        SimProcess answering;
        QVERIFY(answering.Start({"--tcp-port", QString::number(port), "--inverter", "1:Tivra PA5KS"}));
        m_pBus->OnAutoConnectTimer();
        QTRY_VERIFY(m_pBus->IsLinkOpen());
        QTRY_COMPARE_WITH_TIMEOUT(roof->CommState(), int(CommOnline), 10000);
        const int polls = m_Frames.size();
        QTRY_VERIFY_WITH_TIMEOUT(m_Frames.size() > polls + 20, 10000);
        QCOMPARE(Count(0x10, 0x1401), 4);
    }
};

QTEST_GUILESS_MAIN(TestRecordingSim)
#include "test_recording_sim.moc"

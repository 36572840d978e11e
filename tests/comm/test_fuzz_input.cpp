#include "DataPaths.h"
#include "QMissionModel.h"
#include "QSystemFile.h"
#include "QSystemModel.h"
#include "RtuFrameCodec.h"

#include <QRandomGenerator>
#include <QtTest>

// Thousands of random, truncated and oversized inputs for the reply codec
// and the settings loader: neither may crash, overrun or lose complete entries.
// Run under -DWATTSIGHT_SANITIZE=ON to catch memory errors.
class TestFuzzInput : public QObject {
    Q_OBJECT
private slots:
    void replyAssemblerTakesAnyByteStream() {
        QRandomGenerator rng(20261208);
        for (int round = 0; round < 5000; ++round) {
            QMissionModel m;
            const int kind = rng.bounded(4);
            const int count = 1 + rng.bounded(20);
            QByteArray data(2 * count, '\0');
            QVERIFY(m.BuildFrame(rng.bounded(0x8000), 1 + rng.bounded(247), count, kind,
                                 reinterpret_cast<const uchar*>(data.constData())));
            RtuFrameCodec codec;
            codec.ExpectReply(m.Request());
            int pieces = 1 + rng.bounded(12);
            while (pieces-- > 0) {
                QByteArray chunk(rng.bounded(600), '\0');
                for (char& c : chunk) {
                    c = char(rng.bounded(256));
                }
                // Often the right address and function, so that candidates form.
                if (rng.bounded(2) == 0 && chunk.size() > 2) {
                    chunk[0] = char(m.Address());
                    chunk[1] = char(rng.bounded(2) ? m.Request().at(1) : char(m.Request().at(1) | 0x80));
                }
                if (codec.AppendReply(chunk) == RtuReplyState::Complete) {
                    // Only a reply that answers the request ever comes out.
                    QVERIFY(m.AcceptReply(codec.Reply()));
                    codec.ExpectReply(m.Request());
                }
                QVERIFY(codec.Pending() <= 4096);
            }
        }
    }

    void settingsLoaderTakesAnyFile() {
        QTemporaryDir dir;
        DataPaths::SetDataDir(dir.path());
        const QString path = DataPaths::FilePath("system.dat");
        QRandomGenerator rng(77);
        const QByteArray alphabet("?\x02\x03\x01"
                                  "abcXYZ019 \xc3\xa9\xe5\x85\x89\xff");
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes;
            const int len = round % 50 == 0 ? 200000 : rng.bounded(300);
            bytes.reserve(len);
            for (int i = 0; i < len; ++i) {
                bytes.append(alphabet.at(rng.bounded(alphabet.size())));
            }
            // Also a valid entry in the middle, which must always survive; the letter in
            // front keeps random bytes from forming a terminator with its first mark.
            const int at = bytes.isEmpty() ? 0 : rng.bounded(bytes.size());
            bytes.insert(at, QByteArray("Z?\x03?marker?\x02?kept?\x03?", 20));
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bytes);
            f.close();

            QSystemModel plant;
            QSystemFile file;
            plant.Settings().SetStore(&file);
            QVERIFY(plant.LoadSystemFile());
            QCOMPARE(plant.GetSystemValue("marker"), QStringLiteral("kept"));
            QVERIFY(plant.SaveSystemFile());
        }
    }
};

QTEST_GUILESS_MAIN(TestFuzzInput)
#include "test_fuzz_input.moc"

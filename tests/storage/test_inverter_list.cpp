// inverter.dat against fixtures laid out from its documented format: five
// fields per record, fields separated by the bytes 3F 01 3F, every record
// (the last one too) ended by 3F 02 3F, UTF-8 without a byte-order mark.

#include "../common/RecordedPlant.h"
#include "DataPaths.h"
#include "QInverter.h"
#include "QInverterListFile.h"
#include "QSystemModel.h"
#include "SystemClock.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QByteArray kSep("\x3F\x01\x3F", 3);
const QByteArray kEnd("\x3F\x02\x3F", 3);

QByteArray Record(const QList<QByteArray>& fields) {
    QByteArray record;
    for (int i = 0; i < fields.size(); ++i) {
        record += fields[i];
        record += (i + 1 < fields.size()) ? kSep : kEnd;
    }
    return record;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

QInverter* Make(const QString& name, const QString& location, const QString& model, int address) {
    auto* inverter = new QInverter;
    inverter->SetName(name);
    inverter->SetLocation(location);
    inverter->SetAddress(address);
    inverter->SetModel(QInverter::LookupModel(model));
    return inverter;
}
} // namespace

class TestInverterList : public QObject {
    Q_OBJECT
    QTemporaryDir m_Dir;

    // Each test gets a data folder of its own.
    void FreshDataDir(const QString& name) {
        const QString dir = m_Dir.filePath(name);
        QVERIFY(QDir().mkpath(dir));
        DataPaths::SetDataDir(dir);
    }

    // Loads the file into a plant that rewrites the file whenever an inverter
    // joins, as the main window's inverter-added handler does.
    static bool Load(QSystemModel& plant) {
        plant.SetInverterAddedHandler([&plant](QInverter*) { QInverterListFile::SaveInverterFile(plant); });
        return QInverterListFile::LoadInverterFile(plant);
    }

private slots:
    void initTestCase() {
        QVERIFY(m_Dir.isValid());
        SystemClock::SetFixed(QDateTime(QDate(2026, 6, 15), QTime(9, 30)));
    }
    void cleanupTestCase() { SystemClock::UseSystem(); }

    void savesTheDocumentedBytes() {
        FreshDataDir(QStringLiteral("save"));
        QSystemModel plant;
        QVERIFY(plant.AddInverter(
            Make(QStringLiteral("Roof east"), QStringLiteral("Garage"), QStringLiteral("Tivra PA10KT"), 3)));
        QVERIFY(
            plant.AddInverter(Make(QStringLiteral("Süd"), QString(), QStringLiteral("Tivra PM750S"), 17)));
        QVERIFY(QInverterListFile::SaveInverterFile(plant));
        QCOMPARE(QInverterListFile::FilePath(), DataPaths::FilePath(QStringLiteral("inverter.dat")));
        const QByteArray expected = Record({"Roof east", "Garage", "Tivra PA10KT", "3", "3"}) +
                                    Record({QByteArray("S\xC3\xBC"
                                                       "d"),
                                            "", "Tivra PM750S", "17", "1"});
        QCOMPARE(ReadAll(QInverterListFile::FilePath()), expected);
        // Nothing is left behind next to the file.
        QCOMPARE(QDir(DataPaths::DataDir()).entryList(QDir::Files), QStringList({"inverter.dat"}));
    }

    void emptyPlantGivesEmptyFile() {
        FreshDataDir(QStringLiteral("empty-plant"));
        WriteFile(QInverterListFile::FilePath(), Record({"Old", "", "Tivra PA5KS", "1", "1"}));
        QSystemModel plant;
        QVERIFY(QInverterListFile::SaveInverterFile(plant));
        QCOMPARE(ReadAll(QInverterListFile::FilePath()), QByteArray());
    }

    void saveFailureKeepsTheOldFile() {
        FreshDataDir(QStringLiteral("readonly"));
        const QByteArray old = Record({"Old", "", "Tivra PA5KS", "1", "1"});
        WriteFile(QInverterListFile::FilePath(), old);
        QFile::setPermissions(DataPaths::DataDir(), QFile::ReadOwner | QFile::ExeOwner);
        QSystemModel plant;
        const bool saved = QInverterListFile::SaveInverterFile(plant);
        QFile::setPermissions(DataPaths::DataDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // Whoever may still write there (root) gets the new list, anyone else keeps the old one.
        QCOMPARE(ReadAll(QInverterListFile::FilePath()), saved ? QByteArray() : old);
        // A data folder that does not exist cannot take the file either.
        DataPaths::SetDataDir(m_Dir.filePath(QStringLiteral("no/such/folder")));
        QVERIFY(!QInverterListFile::SaveInverterFile(plant));
    }

    void loadsAsIfAddedByHand() {
        FreshDataDir(QStringLiteral("load"));
        WriteFile(QInverterListFile::FilePath(), Record({"Roof east", "Garage", "Tivra PA10KT", "3", "3"}) +
                                                     Record({"West", "Barn", "Tivra PA20KT-X", "4", "3"}));
        RecordedPlant recorded; // the recorder makes the folders of each inverter that joins
        QSystemModel& plant = recorded.plant;
        QVERIFY(Load(plant));
        QCOMPARE(plant.InverterCount(), 2);
        const QInverter* a = plant.Inverter(0);
        QCOMPARE(a->Name(), QStringLiteral("Roof east"));
        QCOMPARE(a->Location(), QStringLiteral("Garage"));
        QCOMPARE(a->ModelName(), QStringLiteral("Tivra PA10KT"));
        QCOMPARE(a->Address(), 3);
        QCOMPARE(a->PhaseCount(), 3);
        QCOMPARE(a->RatedPower(), 10000);
        QVERIFY(a->MissionList().IsEnabled());
        QCOMPARE(plant.Inverter(1)->RatedPower(), 20000);
        QCOMPARE(plant.MissionLists().size(), 2);
        // Each accepted inverter has its folder and this year's folder.
        QVERIFY(
            QFileInfo(DataPaths::InverterDir(QStringLiteral("Roof east")) + QStringLiteral("/2026")).isDir());
        QVERIFY(QFileInfo(DataPaths::InverterDir(QStringLiteral("West")) + QStringLiteral("/2026")).isDir());
        // The rewrite during loading gives back the same bytes.
        QCOMPARE(ReadAll(QInverterListFile::FilePath()),
                 Record({"Roof east", "Garage", "Tivra PA10KT", "3", "3"}) +
                     Record({"West", "Barn", "Tivra PA20KT-X", "4", "3"}));
    }

    void repeatedAddressIsDropped() {
        FreshDataDir(QStringLiteral("duplicate"));
        WriteFile(QInverterListFile::FilePath(), Record({"First", "", "Tivra PA5KS", "1", "1"}) +
                                                     Record({"Second", "", "Tivra PA5KS", "1", "1"}) +
                                                     Record({"First", "", "Tivra PA5KS", "2", "1"}));
        QSystemModel plant;
        QVERIFY(Load(plant));
        QCOMPARE(plant.InverterCount(), 1);
        QCOMPARE(plant.Inverter(0)->Name(), QStringLiteral("First"));
        QCOMPARE(ReadAll(QInverterListFile::FilePath()), Record({"First", "", "Tivra PA5KS", "1", "1"}));
    }

    void fieldRules() {
        FreshDataDir(QStringLiteral("fields"));
        WriteFile(QInverterListFile::FilePath(),
                  Record({"Six", "Loc", "Tivra PA5KS", "5", "1", "extra"}) + // sixth field ignored
                      Record({"Four", "Loc", "Tivra PA5KS", "6"}) +          // too few: skipped
                      Record({"Phases", "", "Tivra PA10KT", "7", "1"}) +     // table wins: 3 phases
                      Record({"Wrapped", "", "Tivra PA5KS", "264", "1"}) +   // 264 mod 256 = 8
                      Record({"Words", "", "Tivra PA5KS", "nine", "x"}) +    // not numbers: 0
                      Record({"", "", "Tivra PA5KS", "10", "1"}) +           // no name: skipped
                      Record({"Boxed", "", "Tivra PA10KT & Box", "11", "3"}) +
                      Record({"Analog signal", "", "Tivra PA5KS", "255", "1"}));
        QSystemModel plant;
        QVERIFY(Load(plant));
        QStringList names;
        for (const QInverter* inverter : plant.Inverters()) {
            names << inverter->Name();
        }
        QCOMPARE(names, QStringList({"Six", "Phases", "Wrapped", "Words", "Boxed", "Analog signal"}));
        QCOMPARE(plant.FindByName(QStringLiteral("Six"))->Location(), QStringLiteral("Loc"));
        QCOMPARE(plant.FindByName(QStringLiteral("Phases"))->PhaseCount(), 3);
        QCOMPARE(plant.FindByName(QStringLiteral("Wrapped"))->Address(), 8);
        const QInverter* words = plant.FindByName(QStringLiteral("Words"));
        QCOMPARE(words->Address(), 0);
        QVERIFY(words->MissionList().Missions().isEmpty());
        const QInverter* boxed = plant.FindByName(QStringLiteral("Boxed"));
        QVERIFY(boxed->IsBox());
        QCOMPARE(boxed->MissionList().Missions().size(), 25); // polls and the identity reads
        const QInverter* analog = plant.FindByName(QStringLiteral("Analog signal"));
        QVERIFY(analog->IsAnalog());
        QVERIFY(!plant.MissionLists().contains(const_cast<QMissionList*>(&analog->MissionList())));
        QCOMPARE(plant.MissionLists().size(), 5);
        // The model field goes through the model table: unknown names get the fallback.
        WriteFile(QInverterListFile::FilePath(), Record({"Strange", "", "Mystery 9000", "1", "3"}));
        QSystemModel second;
        QVERIFY(QInverterListFile::LoadInverterFile(second));
        QCOMPARE(second.Inverter(0)->ModelName(), QStringLiteral("Tivra PA5KS"));
        QCOMPARE(second.Inverter(0)->PhaseCount(), 1);
    }

    void emptyShortAndMissingFiles() {
        FreshDataDir(QStringLiteral("short"));
        QSystemModel plant;
        QVERIFY(!QInverterListFile::LoadInverterFile(plant)); // no file
        for (const QByteArray& bytes : {QByteArray(), QByteArray("ab"), QByteArray("\x3F\x02", 2), kEnd}) {
            WriteFile(QInverterListFile::FilePath(), bytes);
            QVERIFY(QInverterListFile::LoadInverterFile(plant));
            QCOMPARE(plant.InverterCount(), 0);
        }
        // Without its terminator the last record loses its last three characters instead.
        WriteFile(QInverterListFile::FilePath(), Record({"Cut", "", "Tivra PA5KS", "1", "100"}).chopped(3));
        QVERIFY(QInverterListFile::LoadInverterFile(plant));
        QCOMPARE(plant.InverterCount(), 1);
        QCOMPARE(plant.Inverter(0)->Name(), QStringLiteral("Cut"));
        QCOMPARE(plant.Inverter(0)->PhaseCount(), 1);
    }

    void truncatedFilesNeverCrash() {
        FreshDataDir(QStringLiteral("truncated"));
        const QByteArray full = Record({"One", "L1", "Tivra PA10KT", "1", "3"}) +
                                Record({"Two", "L2", "Tivra PM2KS", "2", "1"}) +
                                Record({"Three", "L3", "Tivra PE5KS-D", "3", "1"});
        for (int length = 0; length <= full.size(); ++length) {
            WriteFile(QInverterListFile::FilePath(), full.left(length));
            QSystemModel plant;
            QVERIFY(QInverterListFile::LoadInverterFile(plant));
            QVERIFY(plant.InverterCount() <= 3);
            for (const QInverter* inverter : plant.Inverters()) {
                QVERIFY(!inverter->Name().isEmpty());
            }
        }
    }

    void randomFilesNeverCrash() {
        FreshDataDir(QStringLiteral("random"));
        QRandomGenerator random(4711);
        // Plain random bytes, including invalid UTF-8.
        for (int round = 0; round < 200; ++round) {
            QByteArray bytes(int(random.bounded(600)), '\0');
            for (char& c : bytes) {
                c = char(random.bounded(256));
            }
            WriteFile(QInverterListFile::FilePath(), bytes);
            QSystemModel plant;
            QVERIFY(QInverterListFile::LoadInverterFile(plant));
        }
        // Records of random shape: field counts, numbers and junk in every field but
        // the name (a name is a folder name and stays inside the test folder).
        const QByteArray junk("\x00?\xFF\xC3-+ 9z", 10);
        for (int round = 0; round < 100; ++round) {
            QByteArray bytes;
            const int records = int(random.bounded(6));
            for (int r = 0; r < records; ++r) {
                QList<QByteArray> fields;
                fields << QByteArray("n") + QByteArray::number(random.bounded(4));
                const int more = int(random.bounded(7));
                for (int f = 0; f < more; ++f) {
                    QByteArray field;
                    const int length = int(random.bounded(12));
                    for (int i = 0; i < length; ++i) {
                        field += junk.at(int(random.bounded(junk.size())));
                    }
                    if (random.bounded(3) == 0) {
                        field = QByteArray::number(qint64(random.generate64()) >> random.bounded(64));
                    }
                    fields << field;
                }
                bytes += Record(fields);
            }
            if (random.bounded(2) == 0) {
                bytes.chop(int(random.bounded(4)));
            }
            WriteFile(QInverterListFile::FilePath(), bytes);
            QSystemModel plant;
            QVERIFY(Load(plant));
            QVERIFY(plant.InverterCount() <= 4); // names n0..n3
            // Whatever was accepted is written back as well-formed records.
            QSystemModel again;
            QVERIFY(QInverterListFile::LoadInverterFile(again));
            QCOMPARE(again.InverterCount(), plant.InverterCount());
        }
        // Separators and terminators in random places.
        const QList<QByteArray> tokens = {kSep,
                                          kEnd,
                                          "a",
                                          "b",
                                          "1",
                                          "2",
                                          "255",
                                          "Tivra PA5KS",
                                          "Box",
                                          "?",
                                          QByteArray("\x01", 1),
                                          QByteArray("\x02", 1)};
        for (int round = 0; round < 300; ++round) {
            QByteArray bytes;
            const int count = int(random.bounded(40));
            for (int i = 0; i < count; ++i) {
                bytes += tokens.at(int(random.bounded(tokens.size())));
            }
            WriteFile(QInverterListFile::FilePath(), bytes);
            QSystemModel plant;
            QVERIFY(Load(plant));
            for (const QInverter* inverter : plant.Inverters()) {
                QVERIFY(!inverter->Name().isEmpty());
                QVERIFY(inverter->Address() >= 0 && inverter->Address() <= 255);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestInverterList)
#include "test_inverter_list.moc"

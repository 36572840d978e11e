#include "DataPaths.h"
#include "QSystemFile.h"
#include "QSystemModel.h"

#include <QtTest>

namespace {
const QByteArray Sep("?\x02?", 3);
const QByteArray End("?\x03?", 3);

QByteArray Entry(const QByteArray& key, const QByteArray& value) {
    return key + Sep + value + End;
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A plant whose settings are kept in system.dat, as the program's are.
struct FilePlant : QSystemModel {
    QSystemFile file;
    FilePlant() { Settings().SetStore(&file); }
    ~FilePlant() { Settings().SetStore(nullptr); }
};

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}
} // namespace

class TestSettings : public QObject {
    Q_OBJECT
    QTemporaryDir m_Dir;
    QString m_strPath;

private slots:
    void init() {
        QVERIFY(m_Dir.isValid());
        DataPaths::SetDataDir(m_Dir.path());
        m_strPath = DataPaths::FilePath("system.dat");
        QFile::remove(m_strPath);
    }

    void firstRunWritesTheStandardKeysByteForByte() {
        FilePlant plant;
        plant.InitSystemFile();
        const char* keys[] = {"systemname",   "systemexplain", "language",          "Country",
                              "City",         "price",         "Latitude",          "Longitude",
                              "Wind",         "SystemType",    "CommunicationType", "Com_number",
                              "Baud_rate",    "IPAddress",     "IP_number",         "DataSavePath",
                              "CurrencyUnit", "EmailServer",   "EmailLogonName",    "EmailLogonKey",
                              "EmailFrom",    "EmailTo",       "PassWord",          "SolarManufacturer",
                              "SolarModel",   "SolarType",     "SolarPower",        "SolarCount",
                              "SolarAngel",   "SolarAzimuth",  "InverterType_1",    "InverterType_3",
                              "GridWiring_1", "GridWiring_3",  "GridVoltage_1",     "GridVoltage_3",
                              "GridFre_1",    "GridFre_3",     "GPRS_Number"};
        QByteArray expected;
        for (const char* key : keys) {
            expected += Entry(key, qstrcmp(key, "CurrencyUnit") == 0 ? "$" : "");
        }
        QCOMPARE(ReadFile(m_strPath), expected);
        QCOMPARE(expected.left(16), QByteArray("systemname?\x02??\x03?s", 17).left(16));

        const QSystemSettings& s = plant.Settings();
        QCOMPARE(s.SystemName(), QStringLiteral("System Name"));
        QCOMPARE(s.Price(), 68);
        QCOMPARE(s.IPNumber(), 8011);
        QCOMPARE(s.IPAddress(), QStringLiteral("192.168.16.254"));
        QCOMPARE(s.ComNumber(), 1);
        QCOMPARE(s.BaudRate(), 9600);
        QCOMPARE(s.PassWord(), QStringLiteral("739146"));
        QCOMPARE(s.DataSavePath(), QStringLiteral("data\\"));
        QCOMPARE(s.CurrencyUnit(), QStringLiteral("$"));
        QCOMPARE(plant.GetSystemValue("systemname", "x"), QStringLiteral("x")); // stored value stays empty
    }

    void secondRunLoadsInsteadOfCreating() {
        WriteFile(m_strPath, Entry("systemname", "Roof") + Entry("price", "75"));
        FilePlant plant;
        plant.InitSystemFile();
        QCOMPARE(plant.Settings().SystemName(), QStringLiteral("Roof"));
        QCOMPARE(plant.Settings().Price(), 75);
        QCOMPARE(plant.Settings().Entries().size(), 2);
        QCOMPARE(ReadFile(m_strPath), Entry("systemname", "Roof") + Entry("price", "75"));
    }

    void unchangedValueDoesNothing() {
        FilePlant plant;
        plant.InitSystemFile();
        QStringList heard;
        plant.SetSystemListener([&](const QString& key, void*) { heard.append(key); }, nullptr);
        QFile::remove(m_strPath);
        plant.SetSystemValue("City", "", true);
        QVERIFY(heard.isEmpty());
        QVERIFY(!QFile::exists(m_strPath)); // no save either
        plant.SetSystemValue("City", "Padova", true);
        QCOMPARE(heard, QStringList{"City"});
        QVERIFY(ReadFile(m_strPath).contains(Entry("City", "Padova")));
    }

    void listenerGetsItsContext() {
        FilePlant plant;
        int marker = 0;
        void* seen = nullptr;
        plant.SetSystemListener([&](const QString&, void* context) { seen = context; }, &marker);
        plant.SetSystemValue("Country", "Italy", false);
        QCOMPARE(seen, static_cast<void*>(&marker));
    }

    void emptyPriceLoadsAs68AndIsWrittenBackEmpty() {
        const QByteArray bytes = Entry("systemname", "") + Entry("price", "") + Entry("CurrencyUnit", "EUR");
        WriteFile(m_strPath, bytes);
        FilePlant plant;
        QVERIFY(plant.LoadSystemFile());
        QCOMPARE(plant.Settings().Price(), 68);
        QCOMPARE(plant.GetSystemValue("price"), QString());
        QVERIFY(plant.SaveSystemFile());
        QCOMPARE(ReadFile(m_strPath), bytes);
    }

    void emptyCurrencyIsStoredBackAsDollar() {
        WriteFile(m_strPath, Entry("CurrencyUnit", ""));
        FilePlant plant;
        QStringList heard;
        plant.SetSystemListener([&](const QString& key, void*) { heard.append(key); }, nullptr);
        QVERIFY(plant.LoadSystemFile());
        QCOMPARE(plant.GetSystemValue("CurrencyUnit"), QStringLiteral("$"));
        QCOMPARE(heard, QStringList{"CurrencyUnit"}); // once, from the inner store
        plant.SaveSystemFile();
        QCOMPARE(ReadFile(m_strPath), Entry("CurrencyUnit", "$"));
    }

    void unknownKeyRoundTripsInPlace() {
        const QByteArray bytes = Entry("systemname", "A") + Entry("Mystery", "42") + Entry("City", "B");
        WriteFile(m_strPath, bytes);
        FilePlant plant;
        plant.LoadSystemFile();
        plant.SaveSystemFile();
        QCOMPARE(ReadFile(m_strPath), bytes);
    }

    void begintimeIsAppendedAfterTheStandardKeys() {
        FilePlant plant;
        plant.InitSystemFile();
        QVERIFY(!ReadFile(m_strPath).contains("begintime"));
        plant.SetSystemValue("begintime", "7", true);
        QVERIFY(ReadFile(m_strPath).endsWith(Entry("GPRS_Number", "") + Entry("begintime", "7")));
        QCOMPARE(plant.GetSystemValue("begintime").toInt(), 7);
        QCOMPARE(plant.GetSystemValue("GPRS_Number").toInt(), 0);
    }

    void totalPowerFollowsBothFactors() {
        FilePlant plant;
        plant.SetSystemValue("SolarPower", "250", false);
        QCOMPARE(plant.Settings().TotalPower(), qint64(0));
        plant.SetSystemValue("SolarCount", "40", false);
        QCOMPARE(plant.Settings().TotalPower(), qint64(10000));
        plant.SetSystemValue("SolarPower", "300", false);
        QCOMPARE(plant.Settings().TotalPower(), qint64(12000));
    }

    void typedCopies() {
        FilePlant plant;
        plant.SetSystemValue("Latitude", "-3456", false);
        QCOMPARE(plant.Settings().Latitude(), -3456);
        plant.SetSystemValue("SystemType", "flat", false);
        QCOMPARE(plant.Settings().SystemType(), 0);
        QCOMPARE(plant.GetSystemValue("SystemType"), QStringLiteral("flat")); // text kept
        plant.SetSystemValue("InverterType_1", "Tivra PA5KS", false);
        plant.SetSystemValue("InverterType_1", "", false);
        QCOMPARE(plant.Settings().InverterType1(), QStringLiteral("Tivra PA5KS"));
        plant.SetSystemValue("Com_number", "", false);
        QCOMPARE(plant.Settings().ComNumber(), 1);
        plant.SetSystemValue("Com_number", "3", false);
        QCOMPARE(plant.Settings().ComNumber(), 3);
        plant.SetSystemValue("PassWord", "1234", false);
        QCOMPARE(plant.Settings().PassWord(), QStringLiteral("1234"));
        plant.SetSystemValue("PassWord", "", false);
        QCOMPARE(plant.Settings().PassWord(), QStringLiteral("739146"));
    }

    void utf8WithoutBom() {
        FilePlant plant;
        plant.SetSystemValue("systemname", QString::fromUtf8("光伏电站 Müller"), true);
        const QByteArray bytes = ReadFile(m_strPath);
        QCOMPARE(bytes, Entry("systemname", QString::fromUtf8("光伏电站 Müller").toUtf8()));
        FilePlant again;
        again.LoadSystemFile();
        QCOMPARE(again.Settings().SystemName(), QString::fromUtf8("光伏电站 Müller"));
    }

    void fileCutShortKeepsEveryCompleteEntry() {
        const QByteArray whole = Entry("systemname", "Roof") + Entry("City", "Bari") + Entry("price", "70");
        for (int cut = 0; cut <= whole.size(); ++cut) {
            WriteFile(m_strPath, whole.left(cut));
            FilePlant plant;
            QVERIFY(plant.LoadSystemFile());
            const int complete = whole.left(cut).count(End);
            QCOMPARE(plant.Settings().Entries().size(), complete);
        }
    }

    void entryWithoutSeparatorIsSkipped() {
        WriteFile(m_strPath,
                  Entry("systemname", "Roof") + QByteArray("garbage") + End + Entry("City", "Bari"));
        FilePlant plant;
        QVERIFY(plant.LoadSystemFile());
        QCOMPARE(plant.Settings().SystemName(), QStringLiteral("Roof"));
        QCOMPARE(plant.Settings().City(), QStringLiteral("Bari"));
        QCOMPARE(plant.Settings().Entries().size(), 2);
    }

    void emptyFileLoadsNothing() {
        WriteFile(m_strPath, QByteArray());
        FilePlant plant;
        QVERIFY(plant.LoadSystemFile());
        QVERIFY(plant.Settings().Entries().isEmpty());
    }

    void missingFileAndUnwritableFolder() {
        FilePlant plant;
        QVERIFY(!plant.LoadSystemFile());
        plant.file.SetFilePath(m_Dir.filePath("no/such/folder/system.dat"));
        plant.SetSystemValue("City", "x", false);
        QVERIFY(!plant.SaveSystemFile());
        QCOMPARE(plant.Settings().City(), QStringLiteral("x")); // memory stays authoritative
    }

    void inverterFoldersStayInsideTheDataDirectory() {
        const QString root = QDir(m_Dir.path()).absolutePath();
        QCOMPARE(DataPaths::InverterDir("Roof east"), root + "/Roof east");
        QCOMPARE(DataPaths::InverterDir(QString::fromUtf8("屋顶")), root + QString::fromUtf8("/屋顶"));
        QCOMPARE(DataPaths::InverterDir("../etc"), root + "/.._etc");
        QCOMPARE(DataPaths::InverterDir(".."), root + "/__");
        QCOMPARE(DataPaths::InverterDir("a\\b:c"), root + "/a_b_c");
    }

    void saveReplacesTheFileWhole() {
        // A save never leaves a temporary file behind and never appends.
        FilePlant plant;
        plant.SetSystemValue("City", "A", true);
        plant.SetSystemValue("City", "B", true);
        QCOMPARE(ReadFile(m_strPath), Entry("City", "B"));
        QCOMPARE(QDir(m_Dir.path()).entryList(QDir::Files), QStringList{"system.dat"});
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"

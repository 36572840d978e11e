// The technical data tab: specification.db as shipped and as installed, the row
// a model finds, the per-language texts, and the sheet following the inverter.

#include "Page24.h"
#include "QDataSheetTable.h"
#include "ViewsTestSupport.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

using namespace viewstest;

namespace {
const QString kShipped = QStringLiteral(":/data/specification.db");

QString Model(const QDataSheetTable& table, int row) {
    return row >= 0 ? table.Value(row, 0) : QStringLiteral("<none>");
}

// The number at the start of a value such as "5000W" or "3 x 15.9A".
double Leading(const QString& text, int skip = 0) {
    const QRegularExpression number(QStringLiteral("\\d+(\\.\\d+)?"));
    auto it = number.globalMatch(text);
    for (int i = 0; it.hasNext(); ++i) {
        const double value = it.next().captured().toDouble();
        if (i == skip) {
            return value;
        }
    }
    return -1;
}
} // namespace

class TestTechnicalPage : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void shippedTableAgreesWithTheModelTable();
    void installPutsTheShippedFileOnlyWhereNoneIs();
    void unreadableFileLeavesAnEmptySheet();
    void rowOfAModel_data();
    void rowOfAModel();
    void perLanguageItem_data();
    void perLanguageItem();
    void sheetFollowsTheInverterAndItsModel();
    void languageIndexPicksTheItem();
    void reportWithoutInverterSaysSo();
    void bmpReportIsOnePortraitPage();

private:
    std::unique_ptr<DataDir> m_pData;
    std::unique_ptr<Messages> m_pMessages;
};

void TestTechnicalPage::init() {
    m_pData = std::make_unique<DataDir>();
    m_pMessages = std::make_unique<Messages>();
}

void TestTechnicalPage::cleanup() {
    m_pMessages.reset();
    m_pData.reset();
}

void TestTechnicalPage::shippedTableAgreesWithTheModelTable() {
    QDataSheetTable table;
    QVERIFY(QDataSheetTable::InstallIfMissing(kShipped, m_pData->File("sheets.db")));
    QVERIFY2(table.Load(m_pData->File("sheets.db")), qPrintable(table.Error()));
    QCOMPARE(table.RowCount(), 37);
    QStringList keys;
    for (int row = 0; row < table.RowCount(); ++row) {
        const QStringList& values = table.Row(row);
        QCOMPARE(values.size(), QDataSheetTable::ColumnCount);
        for (const QString& value : values) {
            QVERIFY2(!value.isEmpty(), qPrintable(values.first()));
        }
        const QString key = values.first();
        QVERIFY2(!keys.contains(key), qPrintable(key));
        keys << key;
        // The model table knows the key, with the same rating and phases.
        const ModelInfo info = QInverter::LookupModel(key);
        QCOMPARE(Leading(values.at(9)), double(info.m_nRatedPower));
        QCOMPARE(values.at(15).startsWith(QLatin1String("3W")), info.m_nPhases == 3);
        // A plausible sheet: more DC power than AC, a start below the MPPT range
        // below the maximum voltage, an AC current that carries the rated power.
        QVERIFY2(Leading(values.at(6)) > info.m_nRatedPower, qPrintable(key));
        QVERIFY2(Leading(values.at(2)) < Leading(values.at(3)), qPrintable(key));
        QVERIFY2(Leading(values.at(3), 1) < Leading(values.at(1)), qPrintable(key));
        const double current = Leading(values.at(10), info.m_nPhases == 3 ? 1 : 0);
        const double volts = info.m_nPhases == 3 ? 3 * 230.0 : 230.0;
        QVERIFY2(current * volts >= info.m_nRatedPower && current * volts < 1.2 * info.m_nRatedPower,
                 qPrintable(key));
        QCOMPARE(values.at(8).split(QLatin1Char('#')).size(), 4);
        QCOMPARE(values.at(15).split(QLatin1Char('#')).size(), 4);
    }
}

void TestTechnicalPage::installPutsTheShippedFileOnlyWhereNoneIs() {
    const QString target = QDataSheetTable::FilePath();
    QVERIFY(!QFile::exists(target));
    Page24 page;
    QCOMPARE(page.Table().RowCount(), 37);
    QFile copy(target);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QFile shipped(kShipped);
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), shipped.readAll());
    QVERIFY(QFileInfo(target).isWritable());

    // An operator's own file stays as it is.
    QVERIFY(QFile::remove(target));
    QVERIFY(QFile::copy(kShipped, target));
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QDataSheetTable own;
    QVERIFY(own.Load(target));
    {
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.seek(file.size());
        file.write(QByteArray(1024, '\0'));
    }
    const qint64 size = QFileInfo(target).size();
    QVERIFY(QDataSheetTable::InstallIfMissing(kShipped, target));
    QCOMPARE(QFileInfo(target).size(), size);
}

void TestTechnicalPage::unreadableFileLeavesAnEmptySheet() {
    for (const QByteArray& bytes : {QByteArray("not a database at all"), QByteArray()}) {
        QFile file(QDataSheetTable::FilePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        Page24 page;
        QCOMPARE(page.Table().RowCount(), 0);
        QVERIFY(!page.Table().Error().isEmpty());
        std::unique_ptr<QInverter> inverter(
            MakeInverter(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS")));
        page.SetCurrentInverter(inverter.get());
        QCOMPARE(Text(&page, "model"), QStringLiteral("Tivra PA5KS"));
        QCOMPARE(Text(&page, "MaxVoltage"), QString());
        // Read only: the file is as it was.
        QCOMPARE(QFileInfo(QDataSheetTable::FilePath()).size(), qint64(bytes.size()));
    }
}

void TestTechnicalPage::rowOfAModel_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("row");
    QTest::newRow("plain") << "Tivra PA5KS"
                           << "Tivra PA5KS";
    QTest::newRow("box through its key") << "Tivra PA10KT & Box"
                                         << "Tivra PA10KT";
    QTest::newRow("key itself") << "Tivra PA10KT"
                                << "Tivra PA10KT";
    QTest::newRow("variant has its own row") << "Tivra PA20KT-X"
                                             << "Tivra PA20KT-X";
    QTest::newRow("box of another key") << "Tivra PA5KS & Box"
                                        << "Tivra PA5KS";
    QTest::newRow("Box without the joint") << "Tivra PA10KT Box"
                                           << "<none>";
    QTest::newRow("box is case-sensitive") << "Tivra PA10KT & box"
                                           << "<none>";
    QTest::newRow("substring is not enough") << "Tivra PA5KS v2"
                                             << "<none>";
    QTest::newRow("unknown") << "Other 3000"
                             << "<none>";
    QTest::newRow("empty") << ""
                           << "<none>";
}

void TestTechnicalPage::rowOfAModel() {
    QFETCH(QString, model);
    QFETCH(QString, row);
    QDataSheetTable table;
    QVERIFY(QDataSheetTable::InstallIfMissing(kShipped, m_pData->File("sheets.db")));
    QVERIFY(table.Load(m_pData->File("sheets.db")));
    QCOMPARE(Model(table, table.FindRow(model)), row);
}

void TestTechnicalPage::perLanguageItem_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("shown");
    QTest::newRow("English") << "Optional#可选#選配#Opzionale" << 0 << "Optional";
    QTest::newRow("traditional Chinese") << "Optional#可选#選配#Opzionale" << 2 << "選配";
    QTest::newRow("Italian") << "Optional#可选#選配#Opzionale" << 3 << "Opzionale";
    QTest::newRow("two items, index 2") << "Yes#是" << 2 << "Yes";
    QTest::newRow("one item") << "IP65" << 3 << "IP65";
    QTest::newRow("empty item") << "A##C" << 1 << "";
    QTest::newRow("nothing") << "" << 1 << "";
}

void TestTechnicalPage::perLanguageItem() {
    QFETCH(QString, text);
    QFETCH(int, language);
    QFETCH(QString, shown);
    QCOMPARE(QDataSheetTable::PerLanguage(text, language), shown);
}

void TestTechnicalPage::sheetFollowsTheInverterAndItsModel() {
    Page24 page;
    std::unique_ptr<QInverter> carport(
        MakeInverter(QStringLiteral("Carport"), 3, QStringLiteral("Tivra PA10KT")));
    carport->SetLocation(QStringLiteral("Row B"));
    page.SetCurrentInverter(carport.get());
    QCOMPARE(Text(&page, "name"), QStringLiteral("Carport"));
    QCOMPARE(Text(&page, "addr"), QStringLiteral("003"));
    QCOMPARE(Text(&page, "location"), QStringLiteral("Row B"));
    QCOMPARE(Text(&page, "Company"), QStringLiteral("KOVA Power Electronics Co., Ltd."));
    // The maximum voltage, not the model's key.
    QCOMPARE(Text(&page, "MaxVoltage"), QStringLiteral("1000V"));
    QCOMPARE(Text(&page, "output"), QStringLiteral("10000W"));
    QCOMPARE(Text(&page, "connection"), QStringLiteral("3W+N+PE"));
    QCOMPARE(Text(&page, "efficie"), QStringLiteral("98.1%"));
    QCOMPARE(Style(&page, "picture"), QStringLiteral("border-image: url(:/skin/solar3b.png);"));

    // A model not yet reported: identity changes, the sheet stays as it was.
    QInverter fresh;
    fresh.SetName(QStringLiteral("New"));
    fresh.SetAddress(9);
    page.SetCurrentInverter(&fresh);
    QCOMPARE(Text(&page, "model"), QString());
    QCOMPARE(Text(&page, "name"), QStringLiteral("New"));
    QCOMPARE(Text(&page, "MaxVoltage"), QStringLiteral("1000V"));
    page.Refresh();
    QCOMPARE(Text(&page, "output"), QStringLiteral("10000W"));

    // The model arrives with the inverter's answer; the next refresh shows it.
    fresh.SetModel(QInverter::LookupModel(QStringLiteral("Tivra PM3KS")));
    QCOMPARE(Text(&page, "output"), QStringLiteral("10000W"));
    page.Refresh();
    QCOMPARE(Text(&page, "model"), QStringLiteral("Tivra PM3KS"));
    QCOMPARE(Text(&page, "output"), QStringLiteral("3000W"));
    QCOMPARE(Style(&page, "picture"), QStringLiteral("border-image: url(:/skin/solarpm.png);"));

    // No inverter: identity empty, the sheet as it was.
    page.SetCurrentInverter(nullptr);
    QCOMPARE(Text(&page, "name"), QString());
    QCOMPARE(Text(&page, "Company"), QString());
    QCOMPARE(Text(&page, "output"), QStringLiteral("3000W"));
    page.Refresh();
}

void TestTechnicalPage::languageIndexPicksTheItem() {
    Page24 page;
    std::unique_ptr<QInverter> east(MakeInverter(QStringLiteral("East"), 1, QStringLiteral("Tivra PE4KS-D")));
    page.SetCurrentInverter(east.get());
    const QStringList switches = {"Integrated", "内置", "內置", "Integrato"};
    for (int language : {2, 1, 3, 0}) {
        page.SetLanguage(language);
        QCOMPARE(Text(&page, "DCswitch"), switches.at(language));
    }
    QCOMPARE(Text(&page, "connection"), QStringLiteral("L+N+PE"));
    QCOMPARE(Style(&page, "picture"), QStringLiteral("border-image: url(:/skin/solarpe.png);"));
}

void TestTechnicalPage::reportWithoutInverterSaysSo() {
    Page24 page;
    for (int kind : {1, 2, 3}) {
        page.Report(m_pData->File("sheet"), kind);
    }
    QCOMPARE(m_pMessages->Texts(), QStringList(3, QStringLiteral("No selected inverter!")));
    QCOMPARE(m_pMessages->LastParent(), &page);
    QVERIFY(!QFile::exists(m_pData->File("sheet.pdf")));
    QVERIFY(!QFile::exists(m_pData->File("sheet.bmp")));
}

void TestTechnicalPage::bmpReportIsOnePortraitPage() {
    Page24 page;
    std::unique_ptr<QInverter> box(
        MakeInverter(QStringLiteral("Box"), 4, QStringLiteral("Tivra PA10KT & Box")));
    page.SetCurrentInverter(box.get());
    page.Report(m_pData->File("sheet"), Page24::ReportBmp);
    QCOMPARE(m_pMessages->Texts(), QStringList{QStringLiteral("Successfully saved!")});
    const QImage image(m_pData->File("sheet.bmp"), "BMP");
    QCOMPARE(image.size(), QSize(630, 891));
    QCOMPARE(image.pixelColor(1, 1), QColor(Qt::white));
    // The product picture is on the page: its dark display somewhere in the top third.
    bool dark = false;
    for (int y = 0; y < 300 && !dark; ++y) {
        for (int x = 315; x < 630 && !dark; ++x) {
            dark = qGray(image.pixel(x, y)) < 80;
        }
    }
    QVERIFY(dark);
}

QTEST_MAIN(TestTechnicalPage)
#include "test_technical_page.moc"

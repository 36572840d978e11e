// The three reports as real PDF files, read back with poppler: a generation
// report, an inverter's data sheet and the plant sheet carry their titles,
// values and totals, and long reports run over the expected number of pages.
// With WATTSIGHT_SCREENSHOT_DIR set, their first pages are saved there as PNG.

#include "../common/LookSupport.h"
#include "Page23.h"
#include "Page24.h"
#include "Page3.h"
#include "QInverter.h"
#include "QSystemModel.h"
#include "ReportsTestSupport.h"

#include <QStandardPaths>
#include <QtTest>

#include <memory>

using namespace reportstest;

namespace {
// The first page as a picture for review, when asked for.
void SaveFirstPage(const QString& pdf, const QString& name) {
    const QString dir = looktest::ScreenshotDir();
    if (dir.isEmpty()) {
        return;
    }
    QDir().mkpath(dir);
    const QString base = QDir(dir).filePath(name);
    Poppler(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"),
             QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"), pdf, base});
    QVERIFY(QFile::exists(base + QStringLiteral(".png")));
}
} // namespace

class TestReportPdf : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void generationReport_data();
    void generationReport();
    void dataSheet_data();
    void dataSheet();
    void plantSheet();

private:
    std::unique_ptr<DataDir> m_pData;
    std::unique_ptr<Messages> m_pMessages;
    QSystemModel m_Plant;
};

void TestReportPdf::initTestCase() {
    for (const char* tool : {"pdftotext", "pdfinfo", "pdftoppm"}) {
        QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(),
                 "poppler-utils (scripts/setup installs them)");
    }
    m_pData = std::make_unique<DataDir>();
    m_pMessages = std::make_unique<Messages>();
    m_Plant.SetSystemValue(QStringLiteral("CurrencyUnit"), QStringLiteral("EUR"), false);
    m_Plant.SetSystemValue(QStringLiteral("price"), QStringLiteral("68"), false);
}

void TestReportPdf::generationReport_data() {
    QTest::addColumn<int>("scope");
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("forty days of one inverter") << 3 << 40 << 2
                                                << QStringList{"Inverter Generation",
                                                               "Roof east",
                                                               "Daily 01/06/2024 - 10/07/2024",
                                                               "Date",
                                                               "Generation Benefits",
                                                               "(kWh) (EUR)",
                                                               "2024-06-01 12.00 8.16",
                                                               "2024-06-03 - -",
                                                               "2024-07-10 51.00 34.68",
                                                               "Total: 1246.00 847.28",
                                                               "-1-",
                                                               "-2-"};
    QTest::newRow("no entries at all")
        << 2 << 0 << 1 << QStringList{"All Inverter Generation", "All Inverter", "Total: 0.00 0.00", "-1-"};
}

void TestReportPdf::generationReport() {
    QFETCH(int, scope);
    QFETCH(int, entries);
    QFETCH(int, pages);
    QFETCH(QStringList, texts);
    QInverter inverter;
    inverter.SetName(QStringLiteral("Roof east"));
    QList<qint32> values;
    for (int i = 0; i < entries; ++i) {
        values << (i == 2 ? -1 : 1200 + 100 * i);
    }
    GenerationReport request;
    request.m_Entries = DailyEntries(QDate(2024, 6, 1), values);
    request.m_nScope = scope;
    request.m_pInverter = &inverter;
    request.m_Start = QDate(2024, 6, 1);
    request.m_End = QDate(2024, 7, 10);
    request.m_nOutput = GenerationReport::Pdf;
    request.m_nPeriod = GenerationReport::Daily;
    Page23 page;
    page.SetSystemModel(&m_Plant);
    const QString base = m_pData->File(QStringLiteral("generation-%1").arg(entries));
    m_pMessages->Clear();
    page.Report(base, request);
    QCOMPARE(m_pMessages->Texts(), QStringList{QStringLiteral("Successfully saved!")});
    const QString pdf = base + QStringLiteral(".pdf");
    QCOMPARE(PdfPages(pdf), pages);
    const QString text = PdfText(pdf);
    for (const QString& expected : texts) {
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" not in:\n") + text));
    }
    SaveFirstPage(pdf, QStringLiteral("report-generation-%1").arg(entries));
}

void TestReportPdf::dataSheet_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("three-phase with box") << "Tivra PA10KT & Box"
                                          << QStringList{"Tivra PA10KT & Box",
                                                         "Manufacturer: KOVA Power Electronics Co., Ltd.",
                                                         "Address: 004",
                                                         "DC parameters",
                                                         "Max Voltage: 1000V",
                                                         "MPPT Range: 250V - 850V",
                                                         "AC parameters",
                                                         "Connection: 3W+N+PE",
                                                         "Mechanical parameters",
                                                         "Weight: 26kg",
                                                         "Efficiency",
                                                         "Max efficie: 98.1%"};
    QTest::newRow("single-phase") << "Tivra PM3KS"
                                  << QStringList{"Tivra PM3KS", "Max Voltage: 500V", "Output power: 3000W",
                                                 "L+N+PE"};
}

void TestReportPdf::dataSheet() {
    QFETCH(QString, model);
    QFETCH(QStringList, texts);
    auto inverter = std::make_unique<QInverter>();
    inverter->SetName(QStringLiteral("Field box"));
    inverter->SetModel(QInverter::LookupModel(model));
    inverter->SetAddress(4);
    Page24 page;
    page.SetCurrentInverter(inverter.get());
    const QString base = m_pData->File(QStringLiteral("sheet-") + QString::number(inverter->PictureCode()));
    m_pMessages->Clear();
    page.Report(base, Page24::ReportPdf);
    QCOMPARE(m_pMessages->Texts(), QStringList{QStringLiteral("Successfully saved!")});
    const QString pdf = base + QStringLiteral(".pdf");
    QCOMPARE(PdfPages(pdf), 1);
    const QString text = PdfText(pdf);
    for (const QString& expected : texts) {
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" not in:\n") + text));
    }
    SaveFirstPage(pdf, QStringLiteral("report-data-sheet-%1").arg(inverter->PictureCode()));
}

void TestReportPdf::plantSheet() {
    QSystemModel plant;
    const QList<QPair<QString, QString>> description = {
        {"systemname", "Hillside plant"},
        {"Latitude", "-2250"},
        {"Longitude", "11380"},
        {"SolarModel", "HM-330P"},
        {"SolarPower", "330"},
        {"SolarCount", "84"},
        {"InverterType_3", "Tivra PA10KT"},
        {"GridVoltage_3", "400"},
        {"systemexplain", "South field, row B."},
    };
    for (const auto& entry : description) {
        plant.SetSystemValue(entry.first, entry.second, false);
    }
    QVERIFY(plant.AddInverter([] {
        auto* inverter = new QInverter;
        inverter->SetName(QStringLiteral("Carport"));
        inverter->SetModel(QInverter::LookupModel(QStringLiteral("Tivra PA10KT")));
        inverter->SetAddress(3);
        return inverter;
    }()));
    Page3 page;
    page.SetSystemModel(&plant);
    const QString base = m_pData->File(QStringLiteral("plant"));
    m_pMessages->Clear();
    page.Report(base, Page3::ReportPdf);
    QCOMPARE(m_pMessages->Texts(), QStringList{QStringLiteral("Successfully saved!")});
    const QString pdf = base + QStringLiteral(".pdf");
    QCOMPARE(PdfPages(pdf), 1);
    // Printed turned: a portrait page whose text runs along its long side.
    const QString info = Poppler(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QStringLiteral("595 x 842 pts")), qPrintable(info));
    const QString text = PdfText(pdf);
    for (const char* expected :
         {"Hillside plant", "Latitude 22.50S", "Longitude 113.80E", "Solar cells", "Total power(W) 27720",
          "3-ph inverter model Tivra PA10KT", "Rated output power(W) 10000", "Public grid",
          "Rated voltage(Vac) 400", "South field, row B."}) {
        QVERIFY2(text.contains(QLatin1String(expected)),
                 qPrintable(QLatin1String(expected) + " not in:\n" + text));
    }
    SaveFirstPage(pdf, QStringLiteral("report-plant-sheet"));
}

QTEST_MAIN(TestReportPdf)
#include "test_report_pdf.moc"

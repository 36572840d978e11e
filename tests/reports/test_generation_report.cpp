// The generation report: its CSV/TXT text byte for byte, how its entries are
// spread over pages, the BMP pictures' names, the preview, and what the user is
// told when a file is or is not saved.

#include "GenerationReport.h"
#include "Page23.h"
#include "QGenerationCsv.h"
#include "QGenerationPagePainter.h"
#include "QInverter.h"
#include "QReportOutput.h"
#include "QSystemModel.h"
#include "ReportsTestSupport.h"

#include <QImage>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QtTest>

using namespace reportstest;

namespace {
GenerationReport Report(int period, const QVector<GenerationEntry>& entries, const QDate& start,
                        const QDate& end) {
    GenerationReport report;
    report.m_nPeriod = period;
    report.m_Entries = entries;
    report.m_Start = start;
    report.m_End = end;
    report.m_strInverterName = QStringLiteral("Roof east");
    report.m_strCurrency = QStringLiteral("EUR");
    report.m_nPrice = 68;
    return report;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The entries each page of a report starts with, as the painter hands them on.
QList<int> PageStarts(const GenerationReport& report, const QRect& page) {
    QImage image(page.size(), QImage::Format_RGB32);
    const QGenerationPagePainter painter(report, QDateTime(QDate(2024, 6, 15), QTime(9, 0)));
    QList<int> starts{0};
    for (int next = 0;;) {
        QPainter p(&image);
        next = painter.PaintPage(p, page, next);
        if (next <= 0 || starts.size() > 1000) {
            break;
        }
        starts << next;
    }
    return starts;
}
} // namespace

class TestGenerationReport : public QObject {
    Q_OBJECT

private slots:
    void csvText_data();
    void csvText();
    void pageSavesCsvAndTxtWithThePlantsPrice();
    void failedSaveSaysSoAndLeavesNoFile();
    void entriesSpreadOverPages_data();
    void entriesSpreadOverPages();
    void bmpPageNames_data();
    void bmpPageNames();
    void previewPaintsEveryPage();
};

void TestGenerationReport::csvText_data() {
    QTest::addColumn<int>("scope");
    QTest::addColumn<int>("period");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<int>("price");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QVector<GenerationEntry>>("entries");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("daily, one inverter, a day without value")
        << 3 << 1 << "EUR" << 68 << QDate(2024, 6, 1) << QDate(2024, 6, 4)
        << DailyEntries(QDate(2024, 6, 1), {1234, -1, 0, 5000})
        << QByteArray("Roof east,Daily,01/06/2024-04/06/2024\n"
                      "Date,Generation(kWh),Benefits(EUR)\n"
                      " 2024-06-01,12.34,8.39\n"
                      " 2024-06-02,-,-\n"
                      " 2024-06-03,0.00,0.00\n"
                      " 2024-06-04,50.00,34.00\n"
                      "Total,62.34,42.39\n");
    QTest::newRow("monthly, all inverters")
        << 2 << 2 << "$" << 100 << QDate(2023, 11, 20) << QDate(2024, 1, 15)
        << QVector<GenerationEntry>{{QDate(2023, 11, 1), -1},
                                    {QDate(2023, 12, 1), 150000},
                                    {QDate(2024, 1, 1), 99}}
        << QByteArray("All Inverter,Monthly,01/11/2023-31/01/2024\n"
                      "Month,Generation(kWh),Benefits($)\n"
                      " 2023-11,-,-\n"
                      " 2023-12,1500.00,1500.00\n"
                      " 2024-01,0.99,0.99\n"
                      "Total,1500.99,1500.99\n");
    QTest::newRow("yearly, no currency") << 3 << 3 << "" << 55 << QDate(2022, 3, 4) << QDate(2024, 6, 15)
                                         << QVector<GenerationEntry>{{QDate(2022, 1, 1), 1000000},
                                                                     {QDate(2023, 1, 1), -1},
                                                                     {QDate(2024, 1, 1), 124}}
                                         << QByteArray("Roof east,Yearly,01/01/2022-31/12/2024\n"
                                                       "Year,Generation(kWh),Benefits()\n"
                                                       " 2022,10000.00,5500.00\n"
                                                       " 2023,-,-\n"
                                                       " 2024,1.24,0.68\n"
                                                       "Total,10001.24,5500.68\n");
    QTest::newRow("no entries") << 3 << 1 << "EUR" << 68 << QDate(2024, 6, 1) << QDate(2024, 5, 1)
                                << QVector<GenerationEntry>()
                                << QByteArray("Roof east,Daily,01/06/2024-01/05/2024\n"
                                              "Date,Generation(kWh),Benefits(EUR)\n"
                                              "Total,0.00,0.00\n");
    QTest::newRow("name and currency beyond ASCII")
        << 3 << 1 << "€" << 68 << QDate(2024, 6, 1) << QDate(2024, 6, 1)
        << DailyEntries(QDate(2024, 6, 1), {100})
        << QByteArray("Roof east,Daily,01/06/2024-01/06/2024\n"
                      "Date,Generation(kWh),Benefits(\xE2\x82\xAC)\n"
                      " 2024-06-01,1.00,0.68\n"
                      "Total,1.00,0.68\n");
}

void TestGenerationReport::csvText() {
    QFETCH(int, scope);
    QFETCH(int, period);
    QFETCH(QString, currency);
    QFETCH(int, price);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QVector<GenerationEntry>, entries);
    QFETCH(QByteArray, text);
    GenerationReport report = Report(period, entries, start, end);
    report.m_nScope = scope;
    report.m_strCurrency = currency;
    report.m_nPrice = price;
    QCOMPARE(QGenerationCsv::Text(report), text);
}

void TestGenerationReport::pageSavesCsvAndTxtWithThePlantsPrice() {
    DataDir data;
    Messages messages;
    QSystemModel plant;
    plant.SetSystemValue(QStringLiteral("CurrencyUnit"), QStringLiteral("EUR"), false);
    Page23 page;
    page.SetSystemModel(&plant);
    QInverter inverter;
    inverter.SetName(QStringLiteral("Roof east"));

    GenerationReport request =
        Report(1, DailyEntries(QDate(2024, 6, 1), {1234, -1}), QDate(2024, 6, 1), QDate(2024, 6, 2));
    request.m_strInverterName.clear();
    request.m_strCurrency.clear();
    request.m_nPrice = 0;
    request.m_pInverter = &inverter;
    const QByteArray expected("Roof east,Daily,01/06/2024-02/06/2024\n"
                              "Date,Generation(kWh),Benefits(EUR)\n"
                              " 2024-06-01,12.34,8.39\n"
                              " 2024-06-02,-,-\n"
                              "Total,12.34,8.39\n");
    // No "price" setting: 68 hundredths per kWh.
    request.m_nOutput = GenerationReport::Csv;
    page.Report(data.File(QStringLiteral("june")), request);
    QCOMPARE(ReadFile(data.File(QStringLiteral("june.csv"))), expected);
    request.m_nOutput = GenerationReport::Txt;
    page.Report(data.File(QStringLiteral("june")), request);
    QCOMPARE(ReadFile(data.File(QStringLiteral("june.txt"))), expected);
    QCOMPARE(messages.Texts(), QStringList(2, QStringLiteral("Successfully saved!")));

    // A price set through the settings, stored the next time.
    plant.SetSystemValue(QStringLiteral("price"), QStringLiteral("100"), false);
    request.m_nOutput = GenerationReport::Csv;
    page.Report(data.File(QStringLiteral("june")), request);
    QVERIFY(ReadFile(data.File(QStringLiteral("june.csv"))).endsWith("Total,12.34,12.34\n"));
    QCOMPARE(page.LastReport().m_strPath, data.File(QStringLiteral("june")));
}

void TestGenerationReport::failedSaveSaysSoAndLeavesNoFile() {
    DataDir data;
    Messages messages;
    Page23 page;
    GenerationReport request =
        Report(1, DailyEntries(QDate(2024, 6, 1), {1234}), QDate(2024, 6, 1), QDate(2024, 6, 1));
    const QString missing = data.File(QStringLiteral("no such folder/report"));
    for (int output :
         {GenerationReport::Pdf, GenerationReport::Bmp, GenerationReport::Csv, GenerationReport::Txt}) {
        request.m_nOutput = output;
        page.Report(missing, request);
    }
    QCOMPARE(messages.Texts(), QStringList(4, QStringLiteral("Save failed!")));
    QVERIFY(QDir(data.Path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());

    // A report that cannot replace its file leaves the old one as it was.
    const QString blocked = data.File(QStringLiteral("blocked"));
    QVERIFY(QDir().mkpath(blocked + QStringLiteral(".csv")));
    request.m_nOutput = GenerationReport::Csv;
    page.Report(blocked, request);
    QCOMPARE(messages.Texts().last(), QStringLiteral("Save failed!"));
    QVERIFY(QFileInfo(blocked + QStringLiteral(".csv")).isDir());
}

void TestGenerationReport::entriesSpreadOverPages_data() {
    QTest::addColumn<int>("entries");
    QTest::addColumn<QList<int>>("starts");
    QTest::newRow("none: one page with the total") << 0 << QList<int>{0};
    QTest::newRow("one") << 1 << QList<int>{0};
    QTest::newRow("one short of a full page") << 28 << QList<int>{0};
    QTest::newRow("a full page: the total goes on") << 29 << QList<int>{0, 29};
    QTest::newRow("forty") << 40 << QList<int>{0, 29};
    QTest::newRow("sixty") << 60 << QList<int>{0, 29, 58};
    QTest::newRow("ten years of days") << 3650 << QList<int>();
}

void TestGenerationReport::entriesSpreadOverPages() {
    QFETCH(int, entries);
    QFETCH(QList<int>, starts);
    QList<qint32> values;
    for (int i = 0; i < entries; ++i) {
        values << (i % 7 == 3 ? -1 : 1000 + i);
    }
    const GenerationReport report = Report(1, DailyEntries(QDate(2015, 1, 1), values), QDate(2015, 1, 1),
                                           QDate(2015, 1, 1).addDays(entries - 1));
    QCOMPARE(QGenerationPagePainter::RowsPerPage(QRect(0, 0, 630, 891)), 29);
    for (const QRect& page : {QRect(0, 0, 630, 891), QRect(0, 0, 1240, 1754), QRect(0, 0, 718, 1047)}) {
        const QGenerationPagePainter painter(report, QDateTime());
        const QList<int> actual = PageStarts(report, page);
        if (!starts.isEmpty()) {
            QCOMPARE(actual, starts);
        }
        QCOMPARE(actual.size(), painter.PageCount(page));
        for (int i = 1; i < actual.size(); ++i) {
            QVERIFY(actual.at(i) > actual.at(i - 1));
        }
    }
}

void TestGenerationReport::bmpPageNames_data() {
    QTest::addColumn<int>("entries");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("one page") << 10 << QStringList{QStringLiteral("june.bmp")};
    QTest::newRow("three pages") << 60
                                 << QStringList{QStringLiteral("june_1.bmp"), QStringLiteral("june_2.bmp"),
                                                QStringLiteral("june_3.bmp")};
}

void TestGenerationReport::bmpPageNames() {
    QFETCH(int, entries);
    QFETCH(QStringList, files);
    DataDir data;
    Messages messages;
    Page23 page;
    GenerationReport request = Report(1, DailyEntries(QDate(2024, 6, 1), QList<qint32>(entries, 420)),
                                      QDate(2024, 6, 1), QDate(2024, 6, 1).addDays(entries - 1));
    request.m_nOutput = GenerationReport::Bmp;
    page.Report(data.File(QStringLiteral("june")), request);
    QCOMPARE(messages.Texts(), QStringList{QStringLiteral("Successfully saved!")});
    QCOMPARE(QDir(data.Path()).entryList(QDir::Files, QDir::Name), files);
    for (const QString& file : files) {
        QImage image(data.File(file), "BMP");
        QCOMPARE(image.size(), QSize(630, 891));
        // White paper with the report on it.
        QCOMPARE(image.pixelColor(2, 2), QColor(Qt::white));
        QVERIFY(image.convertToFormat(QImage::Format_Grayscale8) !=
                QImage(image.size(), QImage::Format_Grayscale8));
    }
}

void TestGenerationReport::previewPaintsEveryPage() {
    Page23 page;
    int pages = -1;
    QSize size;
    QReportOutput::SetPreviewHook([&](QPrintPreviewDialog& dialog) {
        size = dialog.size();
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        QVERIFY(preview);
        preview->updatePreview();
        pages = preview->pageCount();
    });
    GenerationReport request = Report(1, DailyEntries(QDate(2024, 1, 1), QList<qint32>(40, 1000)),
                                      QDate(2024, 1, 1), QDate(2024, 2, 9));
    request.m_nOutput = GenerationReport::Preview;
    page.Report(QString(), request);
    QReportOutput::SetPreviewHook(nullptr);
    QCOMPARE(size, QSize(600, 400));
    QCOMPARE(pages, 2);
}

QTEST_MAIN(TestGenerationReport)
#include "test_generation_report.moc"

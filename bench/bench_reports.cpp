// Report rendering: a generation report of ten years of days (3650 entries)
// written as PDF and as CSV, each several times; prints the best and the median
// time of each and the size of the result.
//
//   wattsight-bench-reports [--runs N] [--entries N]

#include "GenerationReport.h"
#include "QGenerationCsv.h"
#include "QGenerationPagePainter.h"
#include "QReportOutput.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {
GenerationReport TenYears(int count) {
    GenerationReport report;
    report.m_nPeriod = GenerationReport::Daily;
    report.m_Start = QDate(2014, 1, 1);
    report.m_End = report.m_Start.addDays(count - 1);
    report.m_strInverterName = QStringLiteral("Carport");
    report.m_strCurrency = QStringLiteral("EUR");
    report.m_nPrice = 68;
    for (int i = 0; i < count; ++i) {
        // A day in ten without a value, the rest a seasonal curve around 30 kWh.
        const QDate date = report.m_Start.addDays(i);
        const int value = i % 10 == 7 ? -1 : 3000 + (date.dayOfYear() * 37) % 2500;
        report.m_Entries.append({date, value});
    }
    return report;
}

// Runs the job n times; prints best and median in ms and returns whether every run succeeded.
bool Measure(const char* what, int runs, const std::function<bool()>& job, const QString& file) {
    QList<double> times;
    bool ok = true;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        ok = job() && ok;
        times << timer.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    std::printf("%-4s best %8.1f ms   median %8.1f ms   %lld bytes%s\n", what, times.first(),
                times.at(times.size() / 2), static_cast<long long>(QFileInfo(file).size()),
                ok ? "" : "   FAILED");
    return ok;
}
} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"runs", "Runs of each measurement.", "N", "5"});
    parser.addOption({"entries", "Entries of the report.", "N", "3650"});
    parser.process(app);
    const int runs = qMax(1, parser.value("runs").toInt());
    const int entries = qMax(0, parser.value("entries").toInt());

    QTemporaryDir dir;
    const GenerationReport report = TenYears(entries);
    const QGenerationPagePainter pages(report, QDateTime::currentDateTime());
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    const QString csv = dir.filePath(QStringLiteral("report.csv"));
    std::printf("generation report of %d daily entries, %d pages\n", entries,
                pages.PageCount(QRect(0, 0, 718, 1047)));
    const bool pdfOk = Measure(
        "PDF", runs, [&] { return QReportOutput::WritePdf(pdf, pages.Pages()); }, pdf);
    const bool csvOk = Measure(
        "CSV", runs, [&] { return QReportOutput::WriteText(csv, QGenerationCsv::Text(report)); }, csv);
    return pdfOk && csvOk ? 0 : 1;
}

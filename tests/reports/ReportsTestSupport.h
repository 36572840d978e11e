#pragma once

// Shared pieces of the report tests: the view tests' data directory and
// message recorder, poppler's view of a PDF (its text and its page count), and
// daily entries of a generation report.

#include "../views/ViewsTestSupport.h"
#include "QGenerationStore.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

namespace reportstest {

using viewstest::DataDir;
using viewstest::Messages;

// Runs a poppler tool on a file; its standard output, empty when it failed.
inline QString Poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF's text in reading order, with runs of blanks folded to one space.
inline QString PdfText(const QString& file) {
    QString text =
        Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    return text.replace(QRegularExpression(QStringLiteral("[ \\t]+")), QStringLiteral(" "));
}

inline int PdfPages(const QString& file) {
    const QString info = Poppler(QStringLiteral("pdfinfo"), {file});
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Daily entries from a first date on, values as given (-1: none).
inline QVector<GenerationEntry> DailyEntries(const QDate& first, const QList<qint32>& values) {
    QVector<GenerationEntry> entries;
    for (int i = 0; i < values.size(); ++i) {
        entries.append({first.addDays(i), values.at(i)});
    }
    return entries;
}

} // namespace reportstest

#pragma once

#include <QByteArray>

struct GenerationReport;

// The text of a generation report as saved in .csv and .txt files: a line with
// the scope, the period and its dates, the column heads with the currency, one
// line per entry ("-,-" for an entry without a value) and the total of the
// entries that have one. UTF-8, lines ending with a line feed.
class QGenerationCsv {
public:
    static QByteArray Text(const GenerationReport& report);
};

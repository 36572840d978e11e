// Writes specification.db from its readable source table:
//   wattsight-datasheets SOURCE.tsv OUTPUT.db
#include "DatasheetTable.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: wattsight-datasheets SOURCE.tsv OUTPUT.db\n");
        return 2;
    }
    QFile source(args.at(1));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "wattsight-datasheets: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    DatasheetTable table;
    if (!table.Parse(source.readAll())) {
        std::fprintf(stderr, "wattsight-datasheets: %s: %s\n", qPrintable(args.at(1)),
                     qPrintable(table.Error()));
        return 1;
    }
    if (!table.WriteDatabase(args.at(2))) {
        std::fprintf(stderr, "wattsight-datasheets: %s: %s\n", qPrintable(args.at(2)),
                     qPrintable(table.Error()));
        return 1;
    }
    return 0;
}

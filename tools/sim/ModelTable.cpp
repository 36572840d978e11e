#include "ModelTable.h"

namespace {
struct Row {
    const char* name;
    int phases;
    int power;
};

// In table order: the substring match takes the first hit, so "Tivra PA20KT-X"
// lands on "Tivra PA20KT" and the "-D" variants on their plain rows.
const Row kRows[] = {
    {"Tivra PA1K5S", 1, 1500},    {"Tivra PA2K2S", 1, 2200},  {"Tivra PA3KS", 1, 3000},
    {"Tivra PA4KS", 1, 4000},     {"Tivra PA5KS", 1, 5000},   {"Tivra PA6KS", 1, 6000},
    {"Tivra PA4KT", 3, 4000},     {"Tivra PA5KT", 3, 5000},   {"Tivra PA6KT", 3, 6000},
    {"Tivra PA8KT", 3, 8000},     {"Tivra PA10KT", 3, 10000}, {"Tivra PA12KT", 3, 12000},
    {"Tivra PA15KT", 3, 15000},   {"Tivra PA17KT", 3, 17000}, {"Tivra PA20KT", 3, 20000},
    {"Tivra PA20KT-X", 3, 20000}, {"Tivra PA25KT", 3, 25000}, {"Tivra PA30KT", 3, 30000},
    {"Tivra PA40KT", 3, 40000},   {"Tivra PE4KS", 1, 4000},   {"Tivra PE4K6S", 1, 4600},
    {"Tivra PE5KS", 1, 5000},     {"Tivra PE4KS-D", 1, 4000}, {"Tivra PE4K6S-D", 1, 4600},
    {"Tivra PE5KS-D", 1, 5000},   {"Tivra PM750S", 1, 750},   {"Tivra PM1K1S", 1, 1100},
    {"Tivra PM1K5S", 1, 1500},    {"Tivra PM2KS", 1, 2000},   {"Tivra PM3KS", 1, 3000},
    {"Tivra PM4KS", 1, 4000},     {"Tivra PM4K6S", 1, 4600},  {"Tivra PM5KS", 1, 5000},
    {"Tivra PM3KS-D", 1, 3000},   {"Tivra PM4KS-D", 1, 4000}, {"Tivra PM4K6S-D", 1, 4600},
    {"Tivra PM5KS-D", 1, 5000},
};

const char* const kDefaultMix[] = {
    "Tivra PA10KT & Box", "Tivra PA5KS", "Tivra PM3KS",   "Tivra PA20KT", "Tivra PE4K6S",
    "Tivra PA1K5S",       "Tivra PA8KT", "Tivra PM5KS-D", "Tivra PA30KT", "Tivra PE5KS",
};
} // namespace

SimModel ModelTable::Lookup(const QString& reportedName) {
    SimModel model;
    model.name = reportedName;
    model.box = reportedName.contains(QLatin1String("Box"));
    for (const Row& row : kRows) {
        if (reportedName.contains(QLatin1String(row.name))) {
            model.phases = row.phases;
            model.ratedPower = row.power;
            return model;
        }
    }
    // Unknown names get the ratings the monitoring program falls back to.
    model.known = false;
    model.phases = model.box ? 3 : 1;
    model.ratedPower = model.box ? 10000 : 5000;
    return model;
}

QStringList ModelTable::Names() {
    QStringList names;
    for (const Row& row : kRows) {
        names << QString::fromLatin1(row.name);
    }
    return names;
}

QString ModelTable::DefaultModel(int index) {
    const int count = int(sizeof(kDefaultMix) / sizeof(kDefaultMix[0]));
    return QString::fromLatin1(kDefaultMix[index % count]);
}

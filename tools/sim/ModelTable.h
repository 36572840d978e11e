#pragma once

#include <QString>
#include <QStringList>

// Ratings of one inverter model as the simulator plays it.
struct SimModel {
    QString name;          // the text the inverter reports in its model registers
    int phases = 1;        // 1 or 3
    int ratedPower = 5000; // W
    bool box = false;      // a combiner box is attached (the name contains "Box")
    bool known = true;     // the name matched a row of the model table
};

// The inverter models of the product line. A reported name is matched the way
// the monitoring program matches it: the first row whose name is a substring.
class ModelTable {
public:
    static SimModel Lookup(const QString& reportedName);
    static QStringList Names();
    // The model of the i-th inverter (0-based) of a default plant: a mix of
    // series and sizes, the first one with a combiner box.
    static QString DefaultModel(int index);
};

#pragma once

class QSystemModel;
class QString;

// inverter.dat: name, location, model, address and phase count of every
// inverter of the plant, in plant order.
class QInverterListFile {
public:
    static QString FilePath();
    // Adds every record to the plant as if added by hand; false when the file
    // cannot be read.
    static bool LoadInverterFile(QSystemModel& plant);
    static bool SaveInverterFile(const QSystemModel& plant);
};

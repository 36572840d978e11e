#pragma once

#include <QString>

// Where the program keeps its files. By default the folder "data" below the
// executable's folder; the entry point may point it elsewhere (--data-dir,
// WATTSIGHT_DATA_DIR) for tests, the demo and read-only installs.
class DataPaths {
public:
    static QString DataDir();
    static void SetDataDir(const QString& dir);
    // A path below the data directory, parts joined with '/'.
    static QString FilePath(const QString& relative);
    // The folder of one inverter's files, named after the inverter; characters
    // that cannot stand in a folder name ('/', '\\', ':', controls) become '_'.
    static QString InverterDir(const QString& name);
    // Creates the data directory when missing; false when it cannot be created.
    static bool EnsureDataDir();
};

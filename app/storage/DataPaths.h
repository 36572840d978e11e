#pragma once

#include <QString>
#include <QStringList>

// Where the program keeps its files. By default the folder "data" below the
// executable's folder; an installed program (or one whose folder it may not
// write) keeps them in the user's data folder or the service's state folder
// instead. The entry point may point it elsewhere (--data-dir,
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

    // The folder of the executable (the current folder before the application object exists).
    static QString ProgramDir();
    // An installed program lives in <prefix>/bin beside <prefix>/share/wattsight.
    static bool IsInstalled(const QString& programDir = ProgramDir());
    // The files shipped with the program (analog.db, specification.db):
    // <prefix>/share/wattsight once installed, else the program's folder.
    static QString ShippedDir(const QString& programDir = ProgramDir());
    // The data directory when neither --data-dir nor WATTSIGHT_DATA_DIR names
    // one: "data" beside a program that is not installed and may write there
    // (or that already has one); otherwise the service's state directory
    // (STATE_DIRECTORY, which systemd sets: /var/lib/wattsight), else
    // $XDG_DATA_HOME/wattsight (by default ~/.local/share/wattsight).
    static QString DefaultDataDir(const QString& programDir = ProgramDir());
    // The shipped files a data directory starts with.
    static QStringList ShippedFiles();
    // Copies every shipped file the data directory lacks from the shipped
    // folder; returns the names that were missing and could not be copied.
    static QStringList SeedShippedFiles(const QString& programDir = ProgramDir());
};

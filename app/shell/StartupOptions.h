#pragma once

#include <QString>
#include <QStringList>

// The command line of the program: where its data lives, whether it runs
// without a window, and the usual --help and --version.
class StartupOptions {
public:
    static constexpr const char* Version = "2.4.5";

    // Parses the arguments (the first is the program) as they stand in argv:
    // unknown "--" options and a missing directory after --data-dir are
    // errors; single-dash options are left to Qt.
    bool Parse(const QStringList& arguments);

    bool WantsHelp() const { return m_bHelp; }
    bool WantsVersion() const { return m_bVersion; }
    // --headless: the plant logged without a window or a display.
    bool Headless() const { return m_bHeadless; }
    QString Error() const { return m_strError; }
    // --data-dir, else WATTSIGHT_DATA_DIR, else empty (the default folder).
    QString DataDir() const { return m_strDataDir; }
    // The data directory to use: DataDir(), else the default one (DataPaths).
    QString EffectiveDataDir() const;
    // Where the windows are grabbed to and the program then ends (screenshots).
    QString ScreenshotDir() const { return m_strScreenshotDir; }

    static QString HelpText();

private:
    bool m_bHelp = false;
    bool m_bVersion = false;
    bool m_bHeadless = false;
    QString m_strError;
    QString m_strDataDir;
    QString m_strScreenshotDir;
};

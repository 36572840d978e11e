#include "DataPaths.h"
#include "HeadlessMain.h"
#include "MainWindow.h"
#include "QUserActivity.h"
#include "QuitSignalWatcher.h"
#include "ScreenshotTaker.h"
#include "SingleInstance.h"
#include "StartupOptions.h"
#include "StartupPlugins.h"
#include "SystemClock.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTextStream>

namespace {
// Without a screen nobody could press OK: the notice is printed instead.
void ShowAlreadyRunning(const QString& notice) {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal") ||
        !qEnvironmentVariableIsEmpty("WATTSIGHT_MESSAGE_ANSWER")) {
        QTextStream(stdout) << notice << Qt::endl;
        return;
    }
    QMessageBox::information(nullptr, QStringLiteral("Information"), notice);
}

// The program cannot keep anything without its data directory: it says which
// one and stops.
void ShowDataDirNotWritable(const QString& dir) {
    const QString text =
        QStringLiteral("The data directory cannot be written: %1").arg(QDir::toNativeSeparators(dir));
    QTextStream(stderr) << text << Qt::endl;
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal") ||
        !qEnvironmentVariableIsEmpty("WATTSIGHT_MESSAGE_ANSWER")) {
        return;
    }
    QMessageBox::critical(nullptr, QStringLiteral("Tivra Wattsight"), text);
}
} // namespace

int main(int argc, char* argv[]) {
    // Help and version are answered before any application object exists: they
    // must work on a box without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    StartupOptions options;
    if (!options.Parse(arguments)) {
        QTextStream(stderr) << "wattsight: " << options.Error() << "\n\n" << StartupOptions::HelpText();
        return 2;
    }
    if (options.WantsHelp()) {
        QTextStream(stdout) << StartupOptions::HelpText();
        return 0;
    }
    if (options.WantsVersion()) {
        QTextStream(stdout) << "Tivra Wattsight " << StartupOptions::Version << Qt::endl;
        return 0;
    }

    // While TZ is unset the C library looks at /etc/localtime again on every
    // conversion to local time, several hundred times a second here. Naming the
    // zone file reads it once; a zone changed while the program runs is taken at
    // the next start. Before any thread starts: the environment is not thread-safe.
    if (qEnvironmentVariableIsEmpty("TZ") && QFileInfo::exists(QStringLiteral("/etc/localtime"))) {
        qputenv("TZ", ":/etc/localtime");
    }

    // A simulated plant whose days pass in minutes (bench/soak) gives the program its clock.
    const QString clock = qEnvironmentVariable("WATTSIGHT_CLOCK");
    if (!clock.isEmpty() && !SystemClock::SetScaled(clock)) {
        QTextStream(stderr) << "wattsight: WATTSIGHT_CLOCK needs \"YYYY-MM-DDTHH:MM:SS,UNIXMSECS,SCALE\"\n";
        return 2;
    }

    // The logger never creates the GUI application: it needs no display.
    if (options.Headless()) {
        return RunHeadless(argc, argv, options);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tivra Wattsight"));
    QApplication::setApplicationVersion(QLatin1String(StartupOptions::Version));

    DataPaths::SetDataDir(options.EffectiveDataDir());
    if (!QDir(DataPaths::DataDir()).isReadable()) {
        DataPaths::EnsureDataDir();
    }

    SingleInstance instance(DataPaths::DataDir());
    switch (instance.Acquire()) {
    case SingleInstance::Acquired:
        break;
    case SingleInstance::Running:
        ShowAlreadyRunning(
            SingleInstance::RunningNotice(instance.CurrentHolder(), DataPaths::DataDir(), false));
        return 0;
    case SingleInstance::NotWritable:
        ShowDataDirNotWritable(DataPaths::DataDir());
        return 1;
    }
    QUserActivity::SetStartupDone(true);
    DataPaths::SeedShippedFiles();

    QuitSignalWatcher quitWatcher;
    StartupPlugins::Run(StartupPlugins::DefaultDir());
    if (quitWatcher.IsQuitRequested()) {
        return 0;
    }

    int result = 0;
    {
        MainWindow window;
        window.show();
        ScreenshotTaker screenshots(&window, options.ScreenshotDir());
        if (!quitWatcher.IsQuitRequested()) {
            result = app.exec();
        }
    }
    return result;
}

#include "HeadlessMain.h"

#include "DataPaths.h"
#include "QHeadlessRunner.h"
#include "QuitSignalWatcher.h"
#include "SingleInstance.h"
#include "StartupOptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <csignal>

int RunHeadless(int& argc, char** argv, const StartupOptions& options) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tivra Wattsight"));
    QCoreApplication::setApplicationVersion(QLatin1String(StartupOptions::Version));
    QTextStream err(stderr);

    DataPaths::SetDataDir(options.EffectiveDataDir());
    if (!DataPaths::EnsureDataDir()) {
        err << "wattsight: cannot create the data directory "
            << QDir::toNativeSeparators(DataPaths::DataDir()) << Qt::endl;
        return 1;
    }
    SingleInstance instance(DataPaths::DataDir());
    switch (instance.Acquire()) {
    case SingleInstance::Acquired:
        break;
    case SingleInstance::Running:
        err << "wattsight: "
            << SingleInstance::RunningNotice(instance.CurrentHolder(), DataPaths::DataDir(), true)
            << Qt::endl;
        return 1;
    case SingleInstance::NotWritable:
        err << "wattsight: The data directory cannot be written: "
            << QDir::toNativeSeparators(DataPaths::DataDir()) << Qt::endl;
        return 1;
    }
    const QStringList notSeeded = DataPaths::SeedShippedFiles();

#ifdef Q_OS_UNIX
    // A reader of the lines that goes away (a closed pipe) must not end the
    // logger before it has written its files: the lost lines are only lost.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    QuitSignalWatcher quitWatcher;
    QFile out;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    QHeadlessRunner runner(&out);
    QString why;
    QObject::connect(&quitWatcher, &QuitSignalWatcher::QuitRequested, &runner, [&why](int signal) {
        why = signal == SIGINT ? QStringLiteral("SIGINT") : QStringLiteral("SIGTERM");
    });
    runner.Start();
    for (const QString& name : notSeeded) {
        runner.Printer().OnFileError(DataPaths::FilePath(name),
                                     QStringLiteral("the shipped copy could not be put here"));
    }
    const int result = quitWatcher.IsQuitRequested() ? 0 : app.exec();
    runner.Stop(why);
    return result;
}

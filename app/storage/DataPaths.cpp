#include "DataPaths.h"

#include "InverterFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString& Override() {
    static QString dir;
    return dir;
}

// The first absolute path of a colon-separated list, as systemd and XDG give them.
QString FirstAbsolute(const QString& list) {
    for (const QString& part : list.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(part)) {
            return part;
        }
    }
    return QString();
}
} // namespace

QString DataPaths::DataDir() {
    if (!Override().isEmpty()) {
        return Override();
    }
    return DefaultDataDir();
}

void DataPaths::SetDataDir(const QString& dir) {
    Override() = dir.isEmpty() ? QString() : QDir(dir).absolutePath();
}

QString DataPaths::FilePath(const QString& relative) {
    return QDir(DataDir()).filePath(relative);
}

bool DataPaths::EnsureDataDir() {
    return QDir().mkpath(DataDir());
}

QString DataPaths::InverterDir(const QString& name) {
    return QDir(DataDir()).filePath(InverterFolderName(name));
}

QString DataPaths::ProgramDir() {
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

bool DataPaths::IsInstalled(const QString& programDir) {
    return QFileInfo(QDir(programDir).filePath(QStringLiteral("../share/wattsight"))).isDir();
}

QString DataPaths::ShippedDir(const QString& programDir) {
    if (IsInstalled(programDir)) {
        return QDir::cleanPath(QDir(programDir).filePath(QStringLiteral("../share/wattsight")));
    }
    return programDir;
}

QString DataPaths::DefaultDataDir(const QString& programDir) {
    const QString beside = QDir(programDir).filePath(QStringLiteral("data"));
    // An installed program never writes below its prefix, not even as root.
    if (QFileInfo(beside).isDir() || (!IsInstalled(programDir) && QFileInfo(programDir).isWritable())) {
        return beside;
    }
    const QString state = FirstAbsolute(qEnvironmentVariable("STATE_DIRECTORY"));
    if (!state.isEmpty()) {
        return QDir::cleanPath(state);
    }
    QString home = FirstAbsolute(qEnvironmentVariable("XDG_DATA_HOME"));
    if (home.isEmpty()) {
        home = QDir::homePath() + QStringLiteral("/.local/share");
    }
    return QDir::cleanPath(home + QStringLiteral("/wattsight"));
}

QStringList DataPaths::ShippedFiles() {
    return {QStringLiteral("analog.db"), QStringLiteral("specification.db")};
}

QStringList DataPaths::SeedShippedFiles(const QString& programDir) {
    QStringList failed;
    const QDir shipped(ShippedDir(programDir));
    for (const QString& name : ShippedFiles()) {
        const QString source = shipped.filePath(name);
        const QString target = FilePath(name);
        if (QFileInfo::exists(target) || !QFileInfo::exists(source)) {
            continue;
        }
        // QFile::copy writes a temporary file and renames it: never half a database.
        if (!QFile::copy(source, target)) {
            failed.append(name);
            continue;
        }
        // A copy of a read-only shipped file must still be the user's to replace.
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    }
    return failed;
}

#include "DataPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& Override() {
    static QString dir;
    return dir;
}
} // namespace

QString DataPaths::DataDir() {
    if (!Override().isEmpty()) {
        return Override();
    }
    const QString appDir =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return QDir(appDir).filePath(QStringLiteral("data"));
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
    // The name is the operator's free text: it must never reach outside the data
    // directory or into another folder. Separators and the names "." and ".."
    // cannot be folder names, so they are replaced; every other name stays as it is.
    QString folder = name;
    for (QChar& c : folder) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.unicode() < 0x20) {
            c = QLatin1Char('_');
        }
    }
    if (folder == QLatin1String(".") || folder == QLatin1String("..")) {
        folder.replace(QLatin1Char('.'), QLatin1Char('_'));
    }
    return QDir(DataDir()).filePath(folder);
}

#include "DataPaths.h"

#include "InverterFolder.h"

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
    return QDir(DataDir()).filePath(InverterFolderName(name));
}

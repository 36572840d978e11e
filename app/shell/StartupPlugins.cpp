#include "StartupPlugins.h"

#include "PluginInterface.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDialog>
#include <QDir>
#include <QPluginLoader>

QString StartupPlugins::DefaultDir() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/plugins");
}

QStringList StartupPlugins::Run(const QString& dir) {
    QStringList shown;
    const QFileInfoList files = QDir(dir).entryInfoList(QDir::Files, QDir::Unsorted);
    for (const QFileInfo& file : files) {
        const QString path = file.absoluteFilePath();
        qDebug() << "path:" << path;
        QPluginLoader loader(path);
        QObject* root = loader.instance();
        auto* plugin = root ? qobject_cast<PluginWidgetInterface*>(root) : nullptr;
        if (!plugin) {
            qDebug() << "error";
            continue;
        }
        QDialog* dialog = plugin->CreateDialog(nullptr);
        if (!dialog) {
            qDebug() << "error";
            continue;
        }
        shown.append(path);
        dialog->setVisible(true);
        dialog->exec();
        // The dialog belongs to the plug-in; the library stays loaded with it.
    }
    return shown;
}

#include "StartupPlugins.h"

#include "DataPaths.h"
#include "PluginInterface.h"

#include <QDebug>
#include <QDialog>
#include <QDir>
#include <QPluginLoader>

QString StartupPlugins::DefaultDir() {
    const QString programDir = DataPaths::ProgramDir();
    // Libraries do not belong in <prefix>/bin: an installed program takes them from its library folder.
    if (DataPaths::IsInstalled(programDir)) {
        return QDir::cleanPath(programDir + QStringLiteral("/../lib/wattsight/plugins"));
    }
    return programDir + QStringLiteral("/plugins");
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

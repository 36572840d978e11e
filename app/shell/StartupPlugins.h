#pragma once

#include <QString>
#include <QStringList>

// Offers every plug-in file of a folder the chance to show its dialog, one after
// another, each run modally. Files that are not such plug-ins are passed over.
class StartupPlugins {
public:
    // The "plugins" folder below the executable's folder; <prefix>/lib/wattsight/plugins once installed.
    static QString DefaultDir();
    // Returns the files whose dialog was shown, in the order shown.
    static QStringList Run(const QString& dir);
};

#pragma once

#include <QString>

// The name of the folder that holds an inverter's files, from the inverter's
// name. The name is the operator's free text: it must never reach outside the
// data directory or into another folder, so separators, ':' and control
// characters become '_', and the names "." and ".." become "_" and "__".
// Two inverter names with the same folder name would share one folder.
inline QString InverterFolderName(const QString& name) {
    QString folder = name;
    for (QChar& c : folder) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.unicode() < 0x20) {
            c = QLatin1Char('_');
        }
    }
    if (folder == QLatin1String(".") || folder == QLatin1String("..")) {
        folder.replace(QLatin1Char('.'), QLatin1Char('_'));
    }
    return folder;
}

// Whether two inverter names lead to the same folder (on Windows, folder names
// differ in more than letter case only).
inline bool SameInverterFolder(const QString& a, const QString& b) {
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    return InverterFolderName(a).compare(InverterFolderName(b), cs) == 0;
}

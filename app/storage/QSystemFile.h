#pragma once

#include "QSystemSettings.h"

#include <QString>

// system.dat: the settings as "key?\x02?value?\x03?" entries in their order,
// UTF-8 without a byte order mark. The plant's settings load from and save
// through it once it is given to them as their store.
class QSystemFile : public QSettingsStore {
public:
    static const QString KeyValueSeparator; // "?\x02?"
    static const QString EntryTerminator;   // "?\x03?"

    bool Load(QSystemSettings& settings) override;
    // Written aside and renamed over the old file: a crash or power cut never
    // leaves the settings half written.
    bool Save(const QSystemSettings& settings) override;

    // system.dat in the data directory unless a test points elsewhere.
    QString FilePath() const;
    void SetFilePath(const QString& path) { m_strFilePath = path; }

private:
    QString m_strFilePath;
};

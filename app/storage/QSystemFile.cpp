#include "QSystemFile.h"

#include "BinaryFile.h"
#include "DataPaths.h"

#include <QStringList>

const QString QSystemFile::KeyValueSeparator = QStringLiteral("?\x02?");
const QString QSystemFile::EntryTerminator = QStringLiteral("?\x03?");

QString QSystemFile::FilePath() const {
    return m_strFilePath.isEmpty() ? DataPaths::FilePath(QStringLiteral("system.dat")) : m_strFilePath;
}

bool QSystemFile::Save(const QSystemSettings& settings) {
    QString text;
    for (const auto& entry : settings.Entries()) {
        text += entry.first;
        text += KeyValueSeparator;
        text += entry.second;
        text += EntryTerminator;
    }
    return BinaryFile::WriteAtomically(FilePath(), text.toUtf8());
}

bool QSystemFile::Load(QSystemSettings& settings) {
    QByteArray bytes;
    if (!BinaryFile::ReadAll(FilePath(), &bytes)) {
        return false;
    }
    const QString text = QString::fromUtf8(bytes);
    // Every entry ends with its terminator. A file cut short leaves its last
    // entry unterminated: that piece is incomplete and skipped, the others load.
    QStringList pieces = text.split(EntryTerminator, Qt::KeepEmptyParts);
    pieces.removeLast(); // after the final terminator, or the unterminated tail
    for (const QString& piece : pieces) {
        const int sep = piece.indexOf(KeyValueSeparator);
        if (sep < 0) {
            continue; // no key/value separator: not an entry
        }
        const QString key = piece.left(sep);
        QString value = piece.mid(sep + KeyValueSeparator.size());
        const int extra = value.indexOf(KeyValueSeparator);
        if (extra >= 0) {
            value.truncate(extra);
        }
        settings.SetSystemValue(key, value, false);
    }
    return true;
}

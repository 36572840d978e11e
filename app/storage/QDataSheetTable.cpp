#include "QDataSheetTable.h"

#include "DataPaths.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

const char* const QDataSheetTable::ConnectionName = "connect1";

QString QDataSheetTable::FilePath() {
    return DataPaths::FilePath(QStringLiteral("specification.db"));
}

bool QDataSheetTable::InstallIfMissing(const QString& shipped, const QString& target) {
    if (QFileInfo::exists(target)) {
        return true;
    }
    if (!QFile::copy(shipped, target)) {
        return false;
    }
    // A copy out of the program's resources comes read-only; the operator may
    // want to replace the file with a newer one.
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                      QFileDevice::ReadOther);
    return true;
}

bool QDataSheetTable::Load(const QString& path) {
    m_Rows.clear();
    m_strError.clear();
    const QString connection = QLatin1String(ConnectionName);
    bool loaded = false;
    {
        QSqlDatabase db = QSqlDatabase::contains(connection)
                              ? QSqlDatabase::database(connection, false)
                              : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        // Read-only: a missing file is an error rather than a new empty database
        // that would stand in the way of the shipped one.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            m_strError = db.lastError().text();
        } else {
            QSqlQuery query(db);
            if (!query.exec(QStringLiteral("select * from Para"))) {
                m_strError = query.lastError().text();
            } else {
                while (query.next()) {
                    QStringList row;
                    for (int column = 0; column < ColumnCount; ++column) {
                        row << query.value(column).toString();
                    }
                    m_Rows << row;
                }
                loaded = true;
            }
            query.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return loaded;
}

int QDataSheetTable::FindRow(const QString& modelName) const {
    const bool box = modelName.contains(QLatin1String("Box"), Qt::CaseSensitive);
    for (int i = 0; i < m_Rows.size(); ++i) {
        QString key = m_Rows.at(i).value(0);
        if (box) {
            key += QStringLiteral(" & Box");
        }
        if (key == modelName) {
            return i;
        }
    }
    return -1;
}

QString QDataSheetTable::PerLanguage(const QString& text, int language) {
    const QStringList items = text.split(QLatin1Char('#'));
    return language >= 0 && language < items.size() ? items.at(language) : items.value(0);
}

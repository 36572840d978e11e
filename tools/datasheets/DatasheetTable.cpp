#include "DatasheetTable.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

bool DatasheetTable::Parse(const QByteArray& text) {
    m_Columns.clear();
    m_Rows.clear();
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    const QRegularExpression name(QStringLiteral("^[A-Za-z][A-Za-z0-9_]*$"));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (m_Columns.isEmpty()) {
            for (const QString& column : fields) {
                if (!name.match(column).hasMatch() || m_Columns.contains(column)) {
                    m_strError = QStringLiteral("line %1: bad column name \"%2\"").arg(i + 1).arg(column);
                    return false;
                }
                m_Columns << column;
            }
            continue;
        }
        if (fields.size() != m_Columns.size()) {
            m_strError = QStringLiteral("line %1: %2 fields, the head names %3")
                             .arg(i + 1)
                             .arg(fields.size())
                             .arg(m_Columns.size());
            return false;
        }
        for (const QStringList& row : m_Rows) {
            if (row.first() == fields.first()) {
                m_strError = QStringLiteral("line %1: \"%2\" is there twice").arg(i + 1).arg(fields.first());
                return false;
            }
        }
        m_Rows << fields;
    }
    if (m_Columns.isEmpty()) {
        m_strError = QStringLiteral("no head line");
        return false;
    }
    return true;
}

bool DatasheetTable::WriteDatabase(const QString& path) {
    QFile::remove(path);
    const QString connection = QStringLiteral("datasheets");
    bool written = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            QStringList columns;
            QStringList holders;
            for (const QString& column : m_Columns) {
                columns << column + QStringLiteral(" TEXT NOT NULL");
                holders << QStringLiteral("?");
            }
            written = db.transaction() &&
                      query.exec(
                          QStringLiteral("CREATE TABLE Para (%1)").arg(columns.join(QStringLiteral(", ")))) &&
                      query.prepare(
                          QStringLiteral("INSERT INTO Para VALUES (%1)").arg(holders.join(QLatin1Char(','))));
            for (int r = 0; written && r < m_Rows.size(); ++r) {
                for (const QString& field : m_Rows.at(r)) {
                    query.addBindValue(field);
                }
                written = query.exec();
            }
            written = written && db.commit();
            if (!written) {
                m_strError =
                    query.lastError().text().isEmpty() ? db.lastError().text() : query.lastError().text();
            }
            db.close();
        } else {
            m_strError = db.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (!written) {
        QFile::remove(path);
    }
    return written;
}

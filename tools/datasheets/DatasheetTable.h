#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The readable source of specification.db: a UTF-8 text with one line per model,
// fields separated by tabs. Lines starting with '#' and empty lines are notes;
// the first other line names the columns. Every line must have as many fields
// as the head.
class DatasheetTable {
public:
    bool Parse(const QByteArray& text);
    QString Error() const { return m_strError; }

    const QStringList& Columns() const { return m_Columns; }
    const QList<QStringList>& Rows() const { return m_Rows; }

    // Writes the table Para (every column text) into a new SQLite file; an
    // existing file is replaced.
    bool WriteDatabase(const QString& path);

private:
    QStringList m_Columns;
    QList<QStringList> m_Rows;
    QString m_strError;
};

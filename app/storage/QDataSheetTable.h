#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The models' data sheets: the table Para of specification.db, one row per
// model, 29 text columns, column 0 the model's key. Read once through Qt's
// SQLite driver under the connection "connect1"; the file is never written.
class QDataSheetTable {
public:
    static constexpr int ColumnCount = 29;
    static const char* const ConnectionName; // "connect1"

    // specification.db in the data directory.
    static QString FilePath();
    // Copies the shipped file to target when there is nothing at target yet; an
    // existing file is never replaced. True when target exists afterwards.
    static bool InstallIfMissing(const QString& shipped, const QString& target);

    // Reads every row of Para. False, with the driver's error text, when the
    // file cannot be opened or the table read; the table is empty then.
    bool Load(const QString& path);
    QString Error() const { return m_strError; }

    int RowCount() const { return m_Rows.size(); }
    const QStringList& Row(int index) const { return m_Rows.at(index); }
    QString Value(int row, int column) const { return m_Rows.value(row).value(column); }
    // The row of a model: the first whose key equals the model name, where a
    // model whose name contains "Box" is matched as key + " & Box". -1 for none.
    int FindRow(const QString& modelName) const;

    // One text of a column that holds a text per language separated by "#":
    // the item of the language index, or the first when there are fewer.
    static QString PerLanguage(const QString& text, int language);

private:
    QList<QStringList> m_Rows;
    QString m_strError;
};

#pragma once

#include "TessaGlobal.h"

#include <QList>
#include <QString>
#include <QWidget>

class QGridItem;

// A table of text cells under a row of column heads. A press selects a whole row
// (or, on a head, a whole column) - one selection in the whole process; a double
// click (4145) or a right click (4146) on a row is reported to the owner with the
// row number. Columns size themselves to their widest text; the last one
// stretches to the grid's least width.
class TESSA_EXPORT QGrid : public QWidget {
    Q_OBJECT

public:
    explicit QGrid(QWidget* parent = nullptr);
    ~QGrid() override;

    void AddHead(const QString& text);
    // One row: the texts of the cells separated by "?", e.g. "Today????". A text
    // with fewer parts than there are columns is refused.
    void AddItem(const QString& row);
    void SetText(int column, int row, const QString& text);
    QString getText(int column, int row) const;
    void DeleteItem(int row);
    void Clear();
    void SetWidth(int width);
    void SetHeight(int height);
    void SetMinWidth(int width);
    void SetTip(const QString& tip);
    void CalcSize();

    int GetRows() const { return m_nRows; }
    int GetColumns() const { return m_HeadList.size(); }
    int GetColumnWidth(int column) const;
    // The head (row 0) or cell of a column; null out of range.
    QGridItem* Item(int column, int row) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DeleteCells();

    QList<QGridItem*> m_HeadList;
    QList<int> m_WidthList;
    int m_nRows = 0;
    int m_nWidth = 460;
    int m_nHeight = 194;
    int m_nMinWidth = 0;
    QString m_strTip;
};

#pragma once

#include "TessaGlobal.h"

#include <QEnterEvent>
#include <QEvent>
#include <QList>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QString>
#include <QWidget>

enum enGridItemType {
    GridHead = 0, // a column head
    GridCell = 1, // a data cell
};

// Events a grid sends its owner (the widget four levels up from a cell: cell ->
// grid -> scroll area viewport -> scroll area -> owner), carrying the row number.
enum enGridEvent {
    EventGridDoubleClick = 4145, // sent at once
    EventGridRightClick = 4146,  // posted
};

// A head or a cell of a QGrid. Each column is a circle through up/down that starts
// at its head; each row a circle of its cells through left/right. Row 1 is the
// first cell under the head.
class TESSA_EXPORT QGridItem : public QWidget {
    Q_OBJECT

public:
    explicit QGridItem(QWidget* parent);
    ~QGridItem() override;

    void SetHeadString(const QString& text);
    QString getText() const;
    void SetType(enGridItemType type, const QString& tip);
    void SetLeft(QGridItem* item) { m_pLeft = item; }
    void SetRight(QGridItem* item) { m_pRight = item; }
    void SetUp(QGridItem* item) { m_pUp = item; }
    void SetDown(QGridItem* item) { m_pDown = item; }
    QGridItem* GetLeft() const { return m_pLeft; }
    QGridItem* GetRight() const { return m_pRight; }
    QGridItem* GetUp() const { return m_pUp; }
    QGridItem* GetDown() const { return m_pDown; }
    enGridItemType GetType() const { return m_Type; }
    int GetLook() const { return m_nLook; }
    int GetTextWidth() const { return m_nTextWidth; }

    int GetRectWidth() const;
    void Allmove(int x, int y);
    void Allresize(int w, int h);
    bool IsSelect() const;
    // 1 for the first cell under the head, 0 for the head itself.
    int RowNumber() const;

    static void AddSelect(QGridItem* item);
    static void DeleteAllSelect();
    static const QList<QGridItem*>& SelectList() { return m_SelectList; }

protected slots:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QWidget* Owner() const;
    int TextLeft(int wanted, int itemWidth) const;

    QString m_strText;
    int m_nTextWidth = 100;
    int m_nLook = 1; // 0 the pointer is over it, 1 normal, 2 selected
    enGridItemType m_Type = GridHead;
    QGridItem* m_pLeft;
    QGridItem* m_pRight;
    QGridItem* m_pUp;
    QGridItem* m_pDown;

    static QList<QGridItem*> m_SelectList;
};

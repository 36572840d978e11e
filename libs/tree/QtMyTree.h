#pragma once

#include "RamuloGlobal.h"

#include <QList>
#include <QWidget>

class QtMyTreeHead;
class QtMyTreeItem;

// The inverter list of the inverter browser: two fixed group heads (single and
// three phase) with the plant's inverters as entries. It does no work on a click;
// it tells its owner, the widget three levels up (tree -> scroll area viewport ->
// scroll area -> owner), through QMyEvent 1003 to 1006.
class RAMULO_EXPORT QtMyTree : public QWidget {
    Q_OBJECT

public:
    explicit QtMyTree(QWidget* parent = nullptr);
    ~QtMyTree() override;

    void Init();
    // head 0 lists single-phase inverters, head 1 all others; null for another index.
    QtMyTreeItem* AddItem(const QString& text, int head);
    // The caller moves the selection away from the entry first.
    void DeleteItem(QtMyTreeItem* item);
    void SelectTheFirstItem(QtMyTreeItem* except);
    void Open(bool open, int head);
    void CalcSize();
    void Language();

    int HeadCount() const { return m_HeadList.size(); }
    // Caption and closed flag of a head; empty and false for a bad index.
    QString HeadCaption(int head) const;
    bool IsHeadClosed(int head) const;
    // The entries under a head, in the order they were added; empty for a bad index.
    QList<QtMyTreeItem*> Items(int head) const;

    bool event(QEvent* event) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* Owner() const;

    QList<QtMyTreeHead*> m_HeadList;
    int m_nWidth = 200;
};

#pragma once

#include "QTreeEntry.h"
#include "RamuloGlobal.h"

#include <QEnterEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QString>
#include <QWidget>

class QPushButton;

enum enItemState {
    ItemHover = 0,    // the pointer is over the entry: 40 high
    ItemNormal = 1,   // plain: 25 high
    ItemSelected = 2, // the selected entry: 40 high
};

// Custom event types of the tree. 1001 and 1002 travel from heads and entries to
// the tree; the tree passes 1003 to 1006 on to its owner.
enum enTreeEvent {
    EventHeadToggle = 1001,
    EventItemChange = 1002,
    EventItemSelect = 1003,
    EventItemConnect = 1004,
    EventItemEdit = 1005,
    EventItemDelete = 1006,
};

// One inverter in the navigation tree. Owned by the tree (created by
// QtMyTree::AddItem, deleted by QtMyTree::DeleteItem); the inverter object only
// sees it through QTreeEntry.
class RAMULO_EXPORT QtMyTreeItem : public QWidget, public QTreeEntry {
    Q_OBJECT

public:
    explicit QtMyTreeItem(QWidget* parent);
    ~QtMyTreeItem() override;

    void SetItemText(const QString& text) override;
    void SetIcon(const QString& icon);
    void SetExplain(const QString& text) override;
    void SetConnect(bool connected) override;
    void SetNormal(bool normal) override;
    void SetShow(bool show);
    void SetNext(QtMyTreeItem* next);
    void SetItemState(enItemState state);
    int GetStringWidth() const;

    QtMyTreeItem* GetNext() const { return m_pNext; }
    QString GetIcon() const { return m_strIcon; }
    QString GetText() const { return m_strText; }
    QString GetExplain() const { return m_strExplain; }
    enItemState GetItemState() const { return m_State; }
    bool IsShow() const { return m_bShow; }
    bool IsNormal() const { return m_bNormal; }
    bool IsConnect() const { return m_bConnect; }

    static QtMyTreeItem* GetSelectItem();
    static void SetSelectitem(QtMyTreeItem* item);

protected slots:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

public slots:
    void ConnectClick();
    void EditClick();
    void DeleteClick();

private:
    void SendToTree(QEvent* event);
    void ShowButtons(bool show);

    QtMyTreeItem* m_pNext = nullptr;
    QString m_strIcon;
    QString m_strText;
    QString m_strExplain;
    enItemState m_State = ItemNormal;
    bool m_bShow = true;
    QPushButton* m_pConnectBtn = nullptr;
    QPushButton* m_pEditBtn = nullptr;
    QPushButton* m_pDeleteBtn = nullptr;
    bool m_bNormal = true;
    bool m_bConnect = false;

    static QtMyTreeItem* m_pSelect;
};

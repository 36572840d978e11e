#pragma once

#include <QEnterEvent>
#include <QString>
#include <QWidget>

class QtMyTreeItem;

// A group head of the navigation tree ("Single phase inverter", "Three phase
// inverter") holding the chain of its entries. Internal to the tree library.
class QtMyTreeHead : public QWidget {
    Q_OBJECT

public:
    QtMyTreeHead(QWidget* parent, const QString& caption);

    QString GetCaption() const { return m_strCaption; }
    void SetCaption(const QString& caption);
    bool IsClosed() const { return m_nClosed != 0; }
    void SetClosed(bool closed);
    QtMyTreeItem* GetFirstItem() const { return m_pFirst; }
    void SetFirstItem(QtMyTreeItem* item) { m_pFirst = item; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_nLook = 1;   // 1 normal, 0 the pointer is inside
    int m_nClosed = 0; // 0 open, 1 closed
    QString m_strCaption;
    QtMyTreeItem* m_pFirst = nullptr;
};

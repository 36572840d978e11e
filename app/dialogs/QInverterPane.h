#pragma once

#include <QList>
#include <QWidget>

class QFindInverterItem;
class QScrollBar;

// The search's list of answering addresses: rows 33 pixels apart with grey
// lines between them, scrolled by the bar at the right edge or the mouse
// wheel (10 pixels a notch). A row's add button is passed on as add(address,
// name, model).
class QInverterPane : public QWidget {
    Q_OBJECT
public:
    static constexpr int PaneWidth = 400;
    static constexpr int RowPitch = 33;
    static constexpr int ScrollStep = 10;

    explicit QInverterPane(QWidget* parent = nullptr);

    QFindInverterItem* AddItem(int address, const QString& model, const QString& name, bool addable);
    void Clear();
    int Count() const { return m_Items.size(); }
    QFindInverterItem* Item(int index) const { return m_Items.value(index); }
    QFindInverterItem* ItemFor(int address) const;
    QScrollBar* ScrollBar() const { return m_pScroll; }
    void Retranslate();

signals:
    void add(int address, const QString& name, const QString& model);

public slots:
    void addInverter();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Place();

    QList<QFindInverterItem*> m_Items;
    QScrollBar* m_pScroll;
    int m_nWheelRest = 0;
};

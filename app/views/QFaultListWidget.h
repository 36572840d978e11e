#pragma once

#include <QWidget>

class QFaultPane;
class QLabel;
class QSystemModel;

// The home page's panel of inverters in failure: a title, the number of active
// faults and the list of them, one entry per active fault slot of every inverter.
class QFaultListWidget : public QWidget {
    Q_OBJECT

public:
    explicit QFaultListWidget(QWidget* parent = nullptr);
    ~QFaultListWidget() override;

    void SetSystemModel(QSystemModel* model) { m_pSystem = model; }
    // Collects the active faults of the plant; run by the home page's timer.
    void Refresh();
    void Retranslate();

    QFaultPane* FaultPane() const { return m_pFaultPane; }
    int FaultCount() const { return m_nCount; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QSystemModel* m_pSystem = nullptr;
    QLabel* m_pTitle = nullptr;
    QLabel* m_pQuantity = nullptr;
    QFaultPane* m_pFaultPane = nullptr;
    int m_nCount = 0;
};

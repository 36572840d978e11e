#pragma once

#include <QList>
#include <QWidget>

class QInverter;
class QOutputTrend;
class QScrollBar;
class QSystemModel;
class QTimer;

// The home page's column of output power curves, one per inverter in the order
// the inverters joined, with a scroll bar when they do not fit.
class QOutputPane : public QWidget {
    Q_OBJECT

public:
    static constexpr int ScrollBarWidth = 16;

    explicit QOutputPane(QWidget* parent = nullptr);
    ~QOutputPane() override;

    void SetSystemModel(QSystemModel* model) { m_pSystem = model; }
    // An inverter that already has a curve (or none) is ignored.
    void AddInverter(QInverter* inverter);
    void RemoveInverter(QInverter* inverter);
    void SetStartHour(int hour);
    int StartHour() const { return m_nStartHour; }
    // Keeps exactly the plant's inverters, in the plant's order.
    void SyncWithPlant();
    void Retranslate();

    int ItemCount() const { return m_Items.size(); }
    QOutputTrend* Item(int index) const { return m_Items.value(index); }
    QScrollBar* ScrollBar() const { return m_pScrollBar; }

public slots:
    void OnTimer();

protected:
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void OnScroll(int value);

private:
    void LayoutItems();
    void PlaceItems();

    QSystemModel* m_pSystem = nullptr;
    QList<QOutputTrend*> m_Items;
    QScrollBar* m_pScrollBar = nullptr;
    QTimer* m_pTimer = nullptr;
    int m_nOffset = 0;
    int m_nStartHour = 6;
};

#pragma once

#include "QBusMonitorModel.h"
#include "QMaintenanceDlg.h"

#include <QTimer>

class QBusWatch;
class QComboBox;
class QLabel;
class QSortFilterProxyModel;
class QSystemModel;
class QTableView;
class QTableWidget;

// The bus monitor: every frame written on the bus and every reply received,
// refused or missed, live, with per-address counters; pause, clear, a filter
// by address and a CSV save. It watches the bus only while it is open, and it
// closes itself (and is deleted) when closed, so a closed monitor costs nothing.
class QBusMonitorWindow : public QMaintenanceDlg {
    Q_OBJECT
public:
    QBusMonitorWindow(QBusWatch& watch, const QSystemModel& plant, QWidget* parent = nullptr,
                      int capacity = QBusMonitorModel::DefaultCapacity);
    ~QBusMonitorWindow() override;

    QBusMonitorModel& Model() { return m_Model; }
    QTableView* Rows() const { return m_pRows; }
    QTableWidget* CountersTable() const { return m_pCounters; }
    QComboBox* AddressFilter() const { return m_pFilter; }
    // The bus address shown, -1 for all.
    int FilterAddress() const;

    // Writes the rows shown to the file as CSV and says whether that worked.
    void SaveTo(const QString& path);

private slots:
    void on_PauseBtn_toggled(bool paused);
    void on_ClearBtn_clicked();
    void on_SaveBtn_clicked();
    void OnFilterChanged();
    void RefreshCounters();

private:
    void BuildForm();
    void Retranslate();
    void FollowNewRows();
    QString AddressName(int address) const;

    QBusWatch& m_Watch;
    const QSystemModel& m_Plant;
    QBusMonitorModel m_Model;
    QSortFilterProxyModel* m_pShown = nullptr;
    QTableView* m_pRows = nullptr;
    QTableWidget* m_pCounters = nullptr;
    QComboBox* m_pFilter = nullptr;
    QLabel* m_pFilterLabel = nullptr;
    QLabel* m_pRowCount = nullptr;
    QPushButton* m_pPauseBtn = nullptr;
    QPushButton* m_pClearBtn = nullptr;
    QPushButton* m_pSaveBtn = nullptr;
    // The counters are redrawn at most twice a second, whatever the bus does.
    QTimer m_CounterTimer;
    bool m_bCountersDirty = true;
    // The view follows the newest row until the user scrolls up.
    bool m_bFollow = true;
};

#pragma once

#include "QMaintenanceDlg.h"

class QGrid;
class QMissionModel;
class QScrollArea;

// The inverter's own fault memory: 32 records of fault code, time of the
// failure and detail code, read once on demand and saved as CSV (the first 20).
// Opened by the inverter settings dialog, which routes the replies here.
class QAllFaultDlg : public QMaintenanceDlg {
    Q_OBJECT
public:
    static constexpr int SavedRows = 20;

    explicit QAllFaultDlg(QWidget* parent = nullptr);
    ~QAllFaultDlg() override;

    // The open dialog, or none.
    static QAllFaultDlg* Current();
    // Shows a reply to one of the dialog's reads (codes 2000 to 2031); ignores any other.
    void Decode(const QMissionModel* mission);

    QGrid* Grid() const { return m_pGrid; }
    QList<QStringList> CsvRows() const;

public slots:
    void on_ReadBtn_clicked();
    void on_ClearBtn_clicked();

private:
    QScrollArea* m_pArea = nullptr;
    QGrid* m_pGrid = nullptr;
    QPushButton* m_pReadBtn = nullptr;
    QPushButton* m_pSaveBtn = nullptr;
};

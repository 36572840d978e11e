#pragma once

#include "QMaintenanceDlg.h"

class QGrid;
class QGroupBox;
class QMissionModel;
class QScrollArea;

// The inverter's own statistics (energy, money and CO2 by period) and other
// items it keeps (versions, description, manufacturing, settings, tariff
// periods, peak powers, hours), read once on demand and saved as CSV. Opened
// by the inverter settings dialog, which routes the replies here while it is open.
class QDataDlg : public QMaintenanceDlg {
    Q_OBJECT
public:
    explicit QDataDlg(QWidget* parent = nullptr);
    ~QDataDlg() override;

    // The open dialog, or none.
    static QDataDlg* Current();
    // Shows a reply to one of the dialog's reads (codes 1000 to 1016); ignores any other.
    void Decode(const QMissionModel* mission);

    QGrid* StatisticsGrid() const { return m_pStatGrid; }
    QGrid* OtherItemsGrid() const { return m_pOtherGrid; }
    // The lines of cells the CSV file holds.
    QList<QStringList> CsvRows() const;

public slots:
    void on_ReadBtn_clicked();
    void on_pushButton_2_clicked();

private:
    void BuildForm();
    void Retranslate();

    QGroupBox* m_pStatBox = nullptr;
    QGroupBox* m_pOtherBox = nullptr;
    QScrollArea* m_pStatArea = nullptr;
    QGrid* m_pStatGrid = nullptr;
    QScrollArea* m_pOtherArea = nullptr;
    QGrid* m_pOtherGrid = nullptr;
    QPushButton* m_pReadBtn = nullptr;
    QPushButton* m_pSaveBtn = nullptr;
};

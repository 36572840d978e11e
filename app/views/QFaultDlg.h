#pragma once

#include "BaseDlg.h"

class QGrid;
class QGridLayout;
class QInverter;
class QLabel;
class QScrollArea;

// The details of one fault record: which inverter, which fault and when, and the
// inverter's main measurements recorded as the fault began (the value at that
// moment and the four before it). Opened by a double click in the status tab.
class QFaultDlg : public BaseDlg {
    Q_OBJECT

public:
    explicit QFaultDlg(QWidget* parent = nullptr);
    ~QFaultDlg() override;

    // Shows the row-th (1-based) record of the inverter in fault.dat. False when
    // there is no inverter, the row is negative or the file cannot be read; a
    // record that is no longer there leaves the fault fields empty.
    bool Load(const QInverter* inverter, int row);

    QGrid* SampleGrid() const { return m_pGrid; }

private:
    void BuildForm();
    QLabel* AddField(QGridLayout* layout, int row, int column, const char* caption, const char* name);
    void FitToGrid();

    QLabel* m_pName = nullptr;
    QLabel* m_pAddress = nullptr;
    QLabel* m_pCode = nullptr;
    QLabel* m_pFaultName = nullptr;
    QLabel* m_pTime = nullptr;
    QScrollArea* m_pScrollArea = nullptr;
    QGrid* m_pGrid = nullptr;
};

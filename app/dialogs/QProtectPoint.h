#pragma once

#include "QMaintenanceDlg.h"

class QGrid;
class QMissionModel;
class QScrollArea;

// The inverter's sixteen grid protection points (under- and over-voltage,
// under- and over-frequency trip points, each with its delay), read once when
// the dialog is given its inverter. Read-only; opened by the inverter settings
// dialog, which routes the reply here.
class QProtectPoint : public QMaintenanceDlg {
    Q_OBJECT
public:
    explicit QProtectPoint(QWidget* parent = nullptr);
    ~QProtectPoint() override;

    static QProtectPoint* Current();
    // Remembers the inverter and asks it for its protection points.
    void SetCurrentInverter(QInverter* inverter) override;
    // Shows the reply of that read (code 3001); ignores any other.
    void ShowProtectPoints(const QMissionModel* mission);

    QGrid* Grid() const { return m_pGrid; }

private:
    QScrollArea* m_pArea = nullptr;
    QGrid* m_pGrid = nullptr;
};

#pragma once

#include "QFormDlg.h"

class QInverter;
class QRadioButton;
class QSystemModel;

// Adds one device to the plant by hand: an inverter with its name, bus
// address and phases, or the analog signal device (address 255). The plant
// refuses a name or an address it has already.
class DlgAddInverter : public QFormDlg {
    Q_OBJECT
public:
    explicit DlgAddInverter(QWidget* parent = nullptr);
    ~DlgAddInverter() override;

    void SetSystemModel(QSystemModel* system) { m_pSystem = system; }
    // 1 once a device joined the plant; it is the new inverter.
    int Accepted() const { return m_nAccepted; }
    QInverter* NewInverter() const { return m_pInverter; }

public slots:
    void on_yesbtn_clicked();
    void on_nobtn_clicked();
    void on_Analogbtn_clicked();
    void on_Threebtn_clicked();
    void on_Singlebtn_clicked();

private:
    void Retranslate();
    // Single- or three-phase after the analog choice: both fields are free again.
    void LeaveAnalog();

    QSystemModel* m_pSystem = nullptr;
    QInverter* m_pInverter = nullptr;
    int m_nAccepted = 0;
    QLabel* m_pName;
    QLineEdit* m_pNameEdit;
    QLabel* m_pAddr;
    QLineEdit* m_pAddrEdit;
    QRadioButton* m_pSingle;
    QRadioButton* m_pThree;
    QRadioButton* m_pAnalog;
    QPushButton* m_pYes;
    QPushButton* m_pNo;
};

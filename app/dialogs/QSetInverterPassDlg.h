#pragma once

#include "QMaintenanceDlg.h"

class QLabel;
class QLineEdit;

// Asks for the inverter's new password, typed twice; the opener writes it.
class QSetInverterPassDlg : public QMaintenanceDlg {
    Q_OBJECT
public:
    explicit QSetInverterPassDlg(QWidget* parent = nullptr);

    bool IsAccepted() const { return m_bAccepted; }
    int NewPassword() const { return m_nPassword; }
    QLineEdit* NewKeyEdit() const { return m_pNew; }
    QLineEdit* ConfirmEdit() const { return m_pConfirm; }

public slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

private:
    QLabel* m_pNewLabel = nullptr;
    QLabel* m_pConfirmLabel = nullptr;
    QLineEdit* m_pNew = nullptr;
    QLineEdit* m_pConfirm = nullptr;
    QPushButton* m_pSaveBtn = nullptr;
    QPushButton* m_pCancelBtn = nullptr;
    bool m_bAccepted = false;
    int m_nPassword = 0;
};

#pragma once

#include "QMaintenanceDlg.h"

class QLabel;
class QLineEdit;

// Asks for the inverter's password before the settings dialog logs on with it.
// It only checks and returns the number; the opener writes it.
class QInverterLogonDlg : public QMaintenanceDlg {
    Q_OBJECT
public:
    // The inverter holds its password in one 16-bit register.
    static constexpr int MaxPassword = 65535;

    explicit QInverterLogonDlg(QWidget* parent = nullptr);

    // A typed password as the register takes it: "0123" is 123 and an empty
    // text 0; false for anything that is not a number from 0 to 65535, which
    // the register would otherwise cut to its low 16 bits.
    static bool PasswordValue(const QString& text, int* value);

    bool IsAccepted() const { return m_bAccepted; }
    int Password() const { return m_nPassword; }
    QLineEdit* PasswordEdit() const { return m_pEdit; }

public slots:
    void on_OkBtn_clicked();
    void on_CancelBtn_clicked();

private:
    QLabel* m_pLabel = nullptr;
    QLineEdit* m_pEdit = nullptr;
    QPushButton* m_pOkBtn = nullptr;
    QPushButton* m_pCancelBtn = nullptr;
    bool m_bAccepted = false;
    int m_nPassword = 0;
};

#pragma once

#include "QFormDlg.h"

class QSystemModel;

// The mail account "Contact us" sends with: the SMTP server (with the port
// that chooses how the connection is protected), the logon name, which is
// also the sender, and its password.
class QSetMailDlg : public QFormDlg {
    Q_OBJECT
public:
    explicit QSetMailDlg(QWidget* parent = nullptr);
    ~QSetMailDlg() override;

    void SetSystemModel(QSystemModel* system);

public slots:
    void on_saveBtn_clicked();
    void on_CancelBtn_clicked();

private:
    void Retranslate();
    // The server hint turns red while the text is no server the sender can reach.
    void CheckServer();

    QSystemModel* m_pSystem = nullptr;
    QLineEdit* m_pServer;
    QLineEdit* m_pName;
    QLineEdit* m_pPassword;
    QLabel* m_pServerCaption;
    QLabel* m_pNameCaption;
    QLabel* m_pPasswordCaption;
    QLabel* m_pServerHint;
    QLabel* m_pNameHint;
    QPushButton* m_pSave;
    QPushButton* m_pCancel;
};

#pragma once

#include "QFormDlg.h"

class QSystemModel;

// The administrator's password of the program: the existing one, then the new
// one twice. No field shows what is typed.
class QSetPasswordDlg : public QFormDlg {
    Q_OBJECT
public:
    explicit QSetPasswordDlg(QWidget* parent = nullptr);
    ~QSetPasswordDlg() override;

    void SetSystemModel(QSystemModel* system) { m_pSystem = system; }

public slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

private:
    void Retranslate();

    QSystemModel* m_pSystem = nullptr;
    QLabel* m_pUser;
    QLineEdit* m_pExisting;
    QLineEdit* m_pNew;
    QLineEdit* m_pConfirm;
    QList<QLabel*> m_Captions;
    QPushButton* m_pSave;
    QPushButton* m_pCancel;
};

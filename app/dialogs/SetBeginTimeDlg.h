#pragma once

#include "QFormDlg.h"

// The hour of sunrise (0 to 9) from which the day's curves are drawn. The main
// window fills it and stores what was chosen.
class SetBeginTimeDlg : public QFormDlg {
    Q_OBJECT
public:
    explicit SetBeginTimeDlg(QWidget* parent = nullptr);
    ~SetBeginTimeDlg() override;

    void SetValue(int hour);
    int Value() const { return m_nValue; }
    bool IsAccepted() const { return m_bAccepted; }

public slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

private:
    void Retranslate();

    int m_nValue = 0;
    bool m_bAccepted = false;
    QLineEdit* m_pEdit;
    QLabel* m_pCaption;
    QLabel* m_pHint;
    QPushButton* m_pSave;
    QPushButton* m_pCancel;
};

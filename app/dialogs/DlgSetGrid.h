#pragma once

#include "QFormDlg.h"

class QSystemModel;

// The public grid the plant feeds: AC wiring, rated voltage and frequency, for
// the single-phase and the three-phase connection side by side.
class DlgSetGrid : public QFormDlg {
    Q_OBJECT
public:
    explicit DlgSetGrid(QWidget* parent = nullptr);
    ~DlgSetGrid() override;

    void SetSystemModel(QSystemModel* system);

public slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

private:
    void Retranslate();

    QSystemModel* m_pSystem = nullptr;
    QLineEdit* m_pWiring1;
    QLineEdit* m_pWiring3;
    QLineEdit* m_pVoltage1;
    QLineEdit* m_pVoltage3;
    QLineEdit* m_pFre1;
    QLineEdit* m_pFre3;
    QList<QLabel*> m_Captions;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
};

#pragma once

#include "QFormDlg.h"

class QSystemModel;

// The electricity tariff the benefits are counted with: a currency unit and a
// price per kWh with two decimals (kept in hundredths).
class QMiscellaneousDlg : public QFormDlg {
    Q_OBJECT
public:
    explicit QMiscellaneousDlg(QWidget* parent = nullptr);
    ~QMiscellaneousDlg() override;

    void SetSystemModel(QSystemModel* system);

public slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

private:
    void Retranslate();

    QSystemModel* m_pSystem = nullptr;
    QLineEdit* m_pUnit;
    QLineEdit* m_pPrice;
    QLabel* m_pUnitCaption;
    QLabel* m_pPriceCaption;
    QPushButton* m_pSave;
    QPushButton* m_pCancel;
};

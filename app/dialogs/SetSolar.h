#pragma once

#include "QFormDlg.h"

class QSystemModel;

// The solar array: module maker, model and type, the power of one module and
// their number (the total follows as they are typed), azimuth and tilt angle.
class SetSolar : public QFormDlg {
    Q_OBJECT
public:
    explicit SetSolar(QWidget* parent = nullptr);
    ~SetSolar() override;

    void SetSystemModel(QSystemModel* system);

public slots:
    void on_C_Power_textChanged(const QString& text);
    void on_Quantity_textChanged(const QString& text);
    void on_Okbtn_clicked();
    void on_Cancelbtn_clicked();

private:
    void Retranslate();
    void ShowTotal();

    QSystemModel* m_pSystem = nullptr;
    QLineEdit* m_pManu;
    QLineEdit* m_pPower;
    QLineEdit* m_pQuantity;
    QLineEdit* m_pTotal;
    QLineEdit* m_pModel;
    QLineEdit* m_pType;
    QLineEdit* m_pAzimuth;
    QLineEdit* m_pAngle;
    QList<QLabel*> m_Captions;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
};

#pragma once

#include "QFormDlg.h"

class QComboBox;
class QSystemModel;

// The inverter models the plant is built with: one single-phase and one
// three-phase model, each shown with its rated output power.
class DlgSetInverter : public QFormDlg {
    Q_OBJECT
public:
    explicit DlgSetInverter(QWidget* parent = nullptr);
    ~DlgSetInverter() override;

    void SetSystemModel(QSystemModel* system);

    // The model names offered, untranslated, in their order.
    static QStringList SinglePhaseModels();
    static QStringList ThreePhaseModels();

public slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_model_1_currentIndexChanged(int index);
    void on_model_3_currentIndexChanged(int index);

private:
    void Retranslate();
    static void Select(QComboBox* combo, const QString& text);

    QSystemModel* m_pSystem = nullptr;
    QComboBox* m_pCompany;
    QComboBox* m_pModel1;
    QComboBox* m_pModel3;
    QLineEdit* m_pPower1;
    QLineEdit* m_pPower3;
    QList<QLabel*> m_Captions;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
};

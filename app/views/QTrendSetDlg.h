#pragma once

#include "BaseDlg.h"
#include "TrendSettings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The trend settings: the three curve colours, an optional fixed Y maximum and
// the width of the time window.
class QTrendSetDlg : public BaseDlg {
    Q_OBJECT

public:
    // Smallest fixed Y maximum, in thousandths.
    static constexpr int MinMaxValue = 2000;

    explicit QTrendSetDlg(QWidget* parent = nullptr);
    ~QTrendSetDlg() override;

    void Load(const TrendSettings& settings);
    TrendSettings Settings() const { return m_Settings; }
    bool IsAccepted() const { return m_bAccepted; }

private slots:
    void on_Input_clicked();
    void on_checkBox_clicked();
    void on_Default_clicked();
    void on_Output_clicked();
    void on_Energy_clicked();
    void on_OkBtn_clicked();
    void on_pushButton_2_clicked();

private:
    void BuildForm();
    void Retranslate();
    // Lets the user choose a colour for one curve; false when cancelled.
    bool ChooseColour(QPushButton* swatch, qint32* colour);

    TrendSettings m_Settings;
    bool m_bAccepted = false;
    QLabel* m_pCaption = nullptr;
    QLabel* m_pInputLabel = nullptr;
    QLabel* m_pOutputLabel = nullptr;
    QLabel* m_pEnergyLabel = nullptr;
    QLabel* m_pMaxLabel = nullptr;
    QLabel* m_pTimeLabel = nullptr;
    QPushButton* m_pInput = nullptr;
    QPushButton* m_pOutput = nullptr;
    QPushButton* m_pEnergy = nullptr;
    QCheckBox* m_pCheckBox = nullptr;
    QLineEdit* m_pMaxValue = nullptr;
    QComboBox* m_pTimeCom = nullptr;
    QCheckBox* m_pDefault = nullptr;
    QPushButton* m_pOkBtn = nullptr;
    QPushButton* m_pCancelBtn = nullptr;
};

#pragma once

#include "BaseDlg.h"
#include "SaveRequest.h"

#include <functional>

class QComboBox;
class QDateEdit;
class QInverter;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSystemModel;

// The dialog behind the main window's Print action: which of the four reports
// (system information, inverter information, system generation, inverter
// generation), for which inverter and period, and where to save it in which
// format, or whether to print it. The opener reads the action and the request
// after it closed.
class QSaveDialog : public BaseDlg {
    Q_OBJECT

public:
    static constexpr int KindCount = 4;
    // Tests answer the dialog without a modal loop: the hook gets it instead of exec().
    using Hook = std::function<void(QSaveDialog& dialog)>;

    explicit QSaveDialog(QWidget* parent = nullptr);

    // The plant's inverters into the inverter box, the given one chosen (else
    // the first). Without inverters nothing can be printed or saved.
    void Fill(QSystemModel* plant, QInverter* inverter = nullptr);
    // Runs the dialog modally (or through the hook).
    void Run();
    static void SetHook(Hook hook);

    SaveRequest Request() const;
    int Action() const { return m_nAction; }
    QInverter* ChosenInverter() const { return m_pInverter; }

public slots:
    void on_cancelbtn_clicked();
    void on_filebtn_clicked();
    void on_com_inverter_currentIndexChanged(int index);
    void on_com_select_currentIndexChanged(int index);
    void on_printbtn_clicked();
    void on_savebtn_clicked();

private:
    void BuildForm();
    void Retranslate();
    void ApplyKind(int kind);
    QString DefaultName(int kind) const;
    void Finish(int action);

    QLabel* m_pCaption = nullptr;
    QLabel* m_pSelectLabel = nullptr;
    QComboBox* m_pSelect = nullptr;
    QLabel* m_pInverterLabel = nullptr;
    QComboBox* m_pInverterBox = nullptr;
    QLabel* m_pTimeLabel = nullptr;
    QDateEdit* m_pFrom = nullptr;
    QDateEdit* m_pTo = nullptr;
    QRadioButton* m_pDaily = nullptr;
    QRadioButton* m_pMonthly = nullptr;
    QRadioButton* m_pYearly = nullptr;
    QLabel* m_pPathLabel = nullptr;
    QLineEdit* m_pPath = nullptr;
    QPushButton* m_pFileBtn = nullptr;
    QLabel* m_pNameLabel = nullptr;
    QLineEdit* m_pName = nullptr;
    QLabel* m_pSaveAsLabel = nullptr;
    QComboBox* m_pSaveAs = nullptr;
    QPushButton* m_pPrintBtn = nullptr;
    QPushButton* m_pSaveBtn = nullptr;
    QPushButton* m_pCancelBtn = nullptr;

    QSystemModel* m_pSystem = nullptr;
    QInverter* m_pInverter = nullptr;
    int m_nAction = SaveRequest::ActionNone;
};

#pragma once

#include "QMaintenanceDlg.h"

class QComboBox;
class QDateTimeEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMissionModel;
class QSystemModel;
class QTimer;

// The settings of one inverter, opened from the inverter browser: its name and
// location, its clock, language, monetary unit, price, user label and power
// limit, on/off, resets, logon, password and tariff period, and the
// maintenance dialogs (statistics, fault memory, raw reads and writes,
// protection points). Every change to the device goes through the inverter's
// setting operations, which queue one-shot writes; the answer comes later
// through the main window ("Set successfully!" or the error text). A logon
// lasts while the dialog is open: closing it logs off.
class QInverterSetDlg : public QMaintenanceDlg {
    Q_OBJECT
public:
    static constexpr int FlashInterval = 200;
    // Sent at once to the opener after Save; carries the inverter in its first value.
    static constexpr int EventInverterEdited = 4665;

    explicit QInverterSetDlg(QWidget* parent = nullptr);
    ~QInverterSetDlg() override;

    // The plant the inverter belongs to, for renaming it.
    void SetSystemModel(QSystemModel* plant) { m_pPlant = plant; }
    // Without an inverter the dialog closes; otherwise its fields are loaded.
    void SetCurrentInverter(QInverter* inverter) override;

    // The reply hook: hands a reply to the maintenance dialog the target names
    // (0 statistics, 1 fault memory, 2 protection points, 3 raw read), if it is open.
    static void RouteReply(QMissionModel* mission, int target);

public slots:
    void on_Local_Time_clicked();
    void on_pushButton_clicked();
    void on_SetTime_clicked();
    void on_PriceBtn_clicked();
    void on_LanguageBtn_clicked();
    void on_UnitBtn_clicked();
    void on_ShutDownBtn_2_clicked();
    void on_ShutDownBtn_clicked();
    void on_ResetBtn_clicked();
    void on_AllFault_clicked();
    void on_User_Label_Btn_clicked();
    void on_ResetBtn_2_clicked();
    void on_ResetBtn_3_clicked();
    void on_pushButton_2_clicked();
    void OnFlashTimer();
    void on_ResetBtn_4_clicked();
    void on_ResetBtn_5_clicked();
    void on_ShutDownBtn_3_clicked();
    void on_AllFault_2_clicked();
    void on_startBtn_clicked();
    void on_MaxOutputPower_Btn_clicked();

private:
    void BuildForm();
    void BuildIdentity(QGroupBox* box);
    void BuildSettings(QGroupBox* box);
    void BuildMaintenance(QGroupBox* box);
    QPushButton* AddButton(const char* objectName, const char* text, void (QInverterSetDlg::*slot)());
    // "The inverter is offline!" unless it communicates.
    bool CheckOnline();
    // "You need to enter the password of the inverter!" while it is logged off.
    bool CheckLogon();
    // Asks before a command that changes a live device for good.
    bool Confirm(const QString& question);
    // Runs a maintenance dialog with the replies routed to it, then to nobody.
    void RunChild(QMaintenanceDlg& child, int target);

    QSystemModel* m_pPlant = nullptr;
    QTimer* m_pFlashTimer = nullptr;

    QLineEdit* m_pName = nullptr;
    QLineEdit* m_pLocation = nullptr;
    QDateTimeEdit* m_pDateTime = nullptr;
    QComboBox* m_pLanguage = nullptr;
    QComboBox* m_pUnit = nullptr;
    QLineEdit* m_pPrice = nullptr;
    QLineEdit* m_pUserLabel = nullptr;
    QLineEdit* m_pMaxPower = nullptr;
    QLabel* m_pLogonState = nullptr;
};

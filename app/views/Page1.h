#pragma once

#include <QStringList>
#include <QTranslator>
#include <QWidget>

class NameFrame;
class QComboBox;
class QFaultListWidget;
class QGridLayout;
class QGroupBox;
class QInverter;
class QLabel;
class QLineEdit;
class QOutputPane;
class QPushButton;
class QSystemModel;
class QTimer;
class TimeWidget;

// The home page: plant summary, operator logon, language choice, link and plant
// lights, the panel of inverters in failure and the output curves. It owns the
// operator's user level (held by the plant): logging the administrator on and off.
class Page1 : public QWidget {
    Q_OBJECT

public:
    // The event the main window receives (sent at once) after every logon decision.
    static constexpr int EventUserLevelChanged = 4627;
    // Shown, masked, in the password field while the guest is selected.
    static const QString GuestFiller;
    // The "language" setting's values, by language index.
    static const char* const LanguageSettings[4];

    explicit Page1(QWidget* parent = nullptr);
    ~Page1() override;

    void SetSystemModel(QSystemModel* model);
    void SetMainWindow(QObject* target);
    // Logs the administrator on with the stored password (end of start-up).
    void LogonAdministrator();
    // The logon/logoff decision; also run by the main window's idle check.
    void LogonCore();
    void SetPlantName(const QString& name);
    void SetLinkState(const QString& text, bool ok);
    void AddOutputInverter(QInverter* inverter);
    void SetBeginTime(int hour);
    void SyncOutputInverters();
    void Retranslate();

    // Index 0 .. 3 of the last language whose translation loaded, else 0.
    int CurrentLanguage() const { return m_nLanguage; }
    // Translated weekday name, 0 = Sunday.
    QString WeekdayName(int day) const { return m_Weekdays.value(day); }
    QFaultListWidget* FaultList() const { return m_pFaultList; }
    QOutputPane* OutputPane() const { return m_pOutputList; }

signals:
    // Emitted after the translation files of the chosen language were loaded and
    // this page retranslated itself.
    void LanguageChanged(int index);

private slots:
    void on_Language_combo_currentIndexChanged(int index);
    void on_UserCombo_currentIndexChanged(int index);
    void on_LogonBtn_clicked();
    void OnFlashTimer();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildForm();
    QWidget* BuildLogonCard();
    QWidget* BuildPlantCard();
    QWidget* BuildStatusCard();
    QLabel* AddValueRow(QWidget* parent, QGridLayout* grid, int row, int column, const char* name,
                        QLabel** caption, QLabel** unit);
    void ApplyLanguage(int index);
    void SetComboTexts();
    void SetPlantStateTexts(bool failure);
    void SetLevelTexts();

    QSystemModel* m_pSystem = nullptr;
    QObject* m_pMainWindow = nullptr;
    QTranslator m_ProgramTranslator;
    QTranslator m_QtTranslator;
    QStringList m_Weekdays;
    int m_nLanguage = 0;
    bool m_bFailure = false;
    QTimer* m_pTimer = nullptr;

    NameFrame* m_pNameLabel = nullptr;
    TimeWidget* m_pClock = nullptr;
    QLabel* m_pUserCaption = nullptr;
    QComboBox* m_pUserCombo = nullptr;
    QLabel* m_pPassCaption = nullptr;
    QLineEdit* m_pPassEdit = nullptr;
    QPushButton* m_pLogonBtn = nullptr;
    QLabel* m_pLanguageCaption = nullptr;
    QComboBox* m_pLanguageCombo = nullptr;
    QLabel* m_pLogonTitle = nullptr;
    QLabel* m_pPlantTitle = nullptr;
    QGroupBox* m_pSystemData = nullptr;

    QLabel* m_pInput = nullptr;
    QLabel* m_pOutput = nullptr;
    QLabel* m_pSingle = nullptr;
    QLabel* m_pThree = nullptr;
    QLabel* m_pTotal = nullptr;
    QLabel* m_pToday = nullptr;
    QLabel* m_pCo2 = nullptr;
    QLabel* m_pBenefit = nullptr;
    QLabel* m_pCurrency = nullptr;
    QLabel* m_pInputCaption = nullptr;
    QLabel* m_pOutputCaption = nullptr;
    QLabel* m_pSingleCaption = nullptr;
    QLabel* m_pThreeCaption = nullptr;
    QLabel* m_pTotalCaption = nullptr;
    QLabel* m_pTodayCaption = nullptr;
    QLabel* m_pCo2Caption = nullptr;
    QLabel* m_pBenefitCaption = nullptr;
    QLabel* m_pSingleUnit = nullptr;
    QLabel* m_pThreeUnit = nullptr;

    QLabel* m_pLightConnect = nullptr;
    QLabel* m_pConnect = nullptr;
    QLabel* m_pLightUptime = nullptr;
    QLabel* m_pUptime = nullptr;
    QFaultListWidget* m_pFaultList = nullptr;
    QOutputPane* m_pOutputList = nullptr;
};

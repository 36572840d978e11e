#pragma once

#include <QWidget>

class QInverter;
class QSystemModel;

// The home page: plant summary, operator logon, language choice, link and plant
// lights, the panel of inverters in failure and the output curves. It owns the
// operator's user level (held by the plant): logging the administrator on and off.
class Page1 : public QWidget {
    Q_OBJECT

public:
    // The event the main window receives (sent at once) after every logon decision.
    static constexpr int EventUserLevelChanged = 4627;

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

signals:
    // Emitted after the translation files of the chosen language were loaded and
    // this page retranslated itself.
    void LanguageChanged(int index);

private slots:
    void on_Language_combo_currentIndexChanged(int index);
    void on_UserCombo_currentIndexChanged(int index);
    void on_LogonBtn_clicked();
    void OnFlashTimer();

private:
    QSystemModel* m_pSystem = nullptr;
    QObject* m_pMainWindow = nullptr;
};

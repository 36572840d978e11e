#pragma once

#include "QPlantRuntime.h"

#include <QDateTime>
#include <QList>
#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <functional>

class MiniWindow;
class Page1;
class Page2;
class Page3;
class QAction;
class QBusMonitorWindow;
class QBusScheduler;
class QCloseEvent;
class QInverter;
class QLabel;
class QMissionModel;
class QMyButton;
class QPrinter;
class QPushButton;
class QStackedWidget;
class QTimer;

// The one top-level window. It owns the working plant (plant, bus scheduler
// with its link and its own 20 ms tick, recorder), the three pages and the
// mini window, and shows them: the 20 ms flash timer (title line, GPRS
// waiting, idle logout) and the 10 s reconnect. It writes no records: the
// recorder does, on its own timer.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int FlashInterval = 20;
    static constexpr int CommunicateInterval = 20;
    static constexpr int AutoConnectInterval = 10000;
    static constexpr int IdleLogoutSeconds = 300;
    static constexpr int TopBandHeight = 69; // press and drag the window within this band
    static constexpr int EventDeleteInverter = 1006;
    static constexpr int EventUserLevelChanged = 4627;
    static constexpr int EventInverterEdited = 4665;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    QSystemModel& System() { return m_Runtime.Plant(); }
    QBusScheduler* Bus() const { return m_pBus; }
    // The bus monitor while it is open.
    QBusMonitorWindow* BusMonitorWindow() const;
    QPlantRuntime& Runtime() { return m_Runtime; }
    Page1* HomePage() const { return m_pPage1; }
    Page2* BrowserPage() const { return m_pPage2; }
    Page3* InformationPage() const { return m_pPage3; }
    MiniWindow* Mini() const { return m_pMiniWindow; }
    QTimer* FlashTimer() const { return m_pFlashTimer; }
    QTimer* CommunicateTimer() const;
    QTimer* AutoConnectTimer() const { return m_pAutoConnectTimer; }
    QList<QAction*> Actions() const { return m_Actions; }
    QAction* FindAction(const QString& sourceText) const;
    QString TitleText() const;
    QDateTime LogonMoment() const { return m_LogonMoment; }

    // The duration part of the title line: days only from one day on, hours from
    // one hour or a day on, minutes from one minute or when hours are shown,
    // seconds always.
    static QString DurationText(qint64 seconds, const QString& day, const QString& hour, const QString& min,
                                const QString& sec);

    // Part of a language change, after the home page installed the translations:
    // title fragments, the "language" setting and every text of the window.
    void ChangeLanguage(int index);
    // The settings listener: what a changed key means to the pages.
    void OnSystemValue(const QString& key);
    // Called with each inverter that joined the plant, or with none.
    void OnInverterAdded(QInverter* inverter);
    // Called with an inverter leaving the plant, before it is deleted.
    void OnInverterRemoved(QInverter* inverter);

    bool event(QEvent* event) override;

public slots:
    void on_CloseBtn_clicked();
    void on_CloseWindowBtn_clicked();
    void on_MiniWindow_clicked();
    void on_MaxWindow_clicked();
    void on_Page1Btn_clicked();
    void on_Page2Btn_clicked();
    void on_Page3Btn_clicked();
    void OnFlashTimer();
    void OnCommunicateTimer();
    void OnAutoConnectTimer();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

public slots:
    void SetMissionDoing(QMissionModel* mission);
    void AddInverter();
    void SetSystemMessage();
    void SetSystemSoloar();
    void SetInverter();
    void SetGrid();
    void SetRemark();
    void Print();
    void E_Mail();
    void SetMailInfo();
    void SetAlerts();
    void SetCommunicate();
    void Connect();
    void SetPassWord();
    void Miscellaneous();
    void Search();
    void Instructions();
    void AboutTivra();
    void Operating();
    void SetBegin();
    void SetPublishing();
    void BusMonitor();
    void createActions();
    void showtitle();
    void slotCOM_readData();
    void slotTCP_connect();
    void slotTCPClient_disconnect();
    void slotTCPClient_readData();
    void slotTCPServer_connect();
    void slotTCPServer_disconnect();
    void SaveTotal(QInverter* inverter, int mode);
    void printPreview(QPrinter* printer);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The moment the user on duty changed, and whole seconds since.
    void SetLogonMoment();
    qint64 LogonSeconds() const;
    void BuildForm();
    void ApplyStyle();
    void Retranslate();
    void RetranslateTitleFragments();
    void ShowPage(int index);
    void UpdateAdministratorActions();
    // Runs a modal dialog the way every menu dialog runs: the idle logout waits
    // while it is open, and closing it counts as activity.
    void RunDialog(const std::function<void()>& run);
    // Runs a menu dialog that works on the plant, prepared as given.
    template <typename Dialog> void RunPlantDialog(const std::function<void(Dialog&)>& prepare = nullptr);
    void ShowReplyError(int code);
    QAction* AddAction(const char* text, void (MainWindow::*slot)(), bool administrator);

    QPlantRuntime m_Runtime;
    QSystemModel& m_System;
    QBusScheduler* m_pBus = nullptr;
    QPointer<QBusMonitorWindow> m_pBusMonitor;

    QWidget* m_pForm = nullptr;
    QPushButton* m_pSystemBtn = nullptr;
    QLabel* m_pTitleLabel = nullptr;
    QLabel* m_pDateLabel = nullptr;
    QLabel* m_pLogonTime = nullptr;
    QPushButton* m_pMiniBtn = nullptr;
    QPushButton* m_pMinimizeBtn = nullptr;
    QPushButton* m_pMaxBtn = nullptr;
    QPushButton* m_pCloseBtn = nullptr;
    QMyButton* m_pMenuFileBtn = nullptr;
    QMyButton* m_pMenuSetBtn = nullptr;
    QMyButton* m_pMenuHelpBtn = nullptr;
    QPushButton* m_pPageBtn[3] = {nullptr, nullptr, nullptr};
    QStackedWidget* m_pStack = nullptr;
    Page1* m_pPage1 = nullptr;
    Page2* m_pPage2 = nullptr;
    Page3* m_pPage3 = nullptr;
    MiniWindow* m_pMiniWindow = nullptr;

    QList<QAction*> m_Actions;
    QList<QAction*> m_AdminActions;
    QList<const char*> m_ActionTexts; // source texts, parallel to m_Actions
    QAction* m_pConnectAction = nullptr;

    QTimer* m_pFlashTimer = nullptr;
    QTimer* m_pAutoConnectTimer = nullptr;

    QDateTime m_LogonMoment;
    qint64 m_nLogonMs = 0; // the same, in milliseconds since 1970 UTC
    int m_nLastUserLevel = -1;
    QString m_strCurrentUser;
    QString m_strLogonDuration;
    QString m_strDay;
    QString m_strHour;
    QString m_strMin;
    QString m_strSec;
    qint64 m_nTitleSeconds = -1; // what the title line shows
    int m_nTitleLevel = -1;

    bool m_bMaximized = false;
    bool m_bDragging = false;
    QPoint m_PressPos;
    bool m_bErrorBoxOpen = false;
    bool m_bLoadingInverters = false; // the list is being read at start-up
};

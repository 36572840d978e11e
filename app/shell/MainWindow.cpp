#include "MainWindow.h"

#include "DataPaths.h"
#include "DlgAddInverter.h"
#include "DlgEditRemark.h"
#include "DlgSetGrid.h"
#include "DlgSetInverter.h"
#include "MessageBox.h"
#include "MiniWindow.h"
#include "Page1.h"
#include "Page2.h"
#include "Page23.h"
#include "Page24.h"
#include "Page3.h"
#include "PlantEvent.h"
#include "QAboutTivraDlg.h"
#include "QAlertsDlg.h"
#include "QBusMonitorWindow.h"
#include "QBusScheduler.h"
#include "QE_Mail.h"
#include "QFindInverterDlg.h"
#include "QInstructionsDlg.h"
#include "QInverter.h"
#include "QMailRecord.h"
#include "QMiscellaneousDlg.h"
#include "QMissionModel.h"
#include "QMyButton.h"
#include "QMyEvent.h"
#include "QMyMenu.h"
#include "QOutputPane.h"
#include "QSaveDialog.h"
#include "QSetCommunicateDlg.h"
#include "QSetMailDlg.h"
#include "QSetPasswordDlg.h"
#include "QSetPublishDlg.h"
#include "QUserActivity.h"
#include "QtMyTreeItem.h"
#include "ReplyErrors.h"
#include "SetBeginTimeDlg.h"
#include "SetSolar.h"
#include "SetSystem.h"
#include "SystemClock.h"
#include "WidgetUpdates.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {
// The values of the "language" setting, by the home page's language index.
const char* const LanguageNames[4] = {"English", "Chinese", "Frensh", "Italian"};

constexpr int DefaultWidth = 1024;
constexpr int DefaultHeight = 700;
constexpr int TopRowHeight = 36;
constexpr int PageRowHeight = 34;

QPushButton* WindowButton(const QString& name, const QString& image, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setFixedSize(28, 22);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    const QString skin = QStringLiteral(":/skin/") + image;
    button->setStyleSheet(QStringLiteral("QPushButton{border:none;border-image:url(") + skin +
                          QStringLiteral("1.png);}QPushButton:hover{border-image:url(") + skin +
                          QStringLiteral("2.png);}QPushButton:pressed{border-image:url(") + skin +
                          QStringLiteral("3.png);}"));
    return button;
}
} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent, Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint),
      m_System(m_Runtime.Plant()) {
    setObjectName(QStringLiteral("MainWindow"));
    m_pBus = m_Runtime.Bus();
    // Shown once the caller has returned: a link that fails at start would otherwise
    // hold the start-up, and with it all recording, until someone presses OK.
    m_pBus->SetMessageCallback([this](const QString& text) {
        QMetaObject::invokeMethod(
            this, [this, text] { ShowMessage(text, MessageBox::TypeOk, this); }, Qt::QueuedConnection);
    });
    BuildForm();
    createActions();
    m_pMiniWindow = new MiniWindow(nullptr);
    m_pMiniWindow->SetSystemModel(&m_System);
    m_pMiniWindow->SetMainWindow(this);

    m_Runtime.LoadSettings();
    m_System.SetInverterAddedHandler([this](QInverter* inverter) { OnInverterAdded(inverter); });
    m_System.SetInverterRemovedHandler([this](QInverter* inverter) { OnInverterRemoved(inverter); });
    m_System.SetSystemListener(
        [](const QString& key, void* context) { static_cast<MainWindow*>(context)->OnSystemValue(key); },
        this);
    QPlantEvents::Instance().SetTarget(this);

    connect(m_pBus, &QBusScheduler::StatusChanged, this,
            [this](const QString& text, bool connected) { m_pPage1->SetLinkState(text, connected); });
    connect(m_pBus, &QBusScheduler::MiniStatusChanged, this,
            [this](const QString& text) { m_pMiniWindow->SetStatusText(text, m_pBus->StatusConnected()); });
    connect(m_pBus, &QBusScheduler::ConnectActionChanged, this,
            [this](const QString& text) { m_pConnectAction->setText(text); });
    connect(m_pPage1, &Page1::LanguageChanged, this, &MainWindow::ChangeLanguage);

    m_pPage1->SetMainWindow(this);
    m_pPage2->SetMainWindow(this);
    m_pPage2->SetSystemModel(&m_System);
    m_pPage2->HistoryTab()->SetHourSource(
        [this](const QInverter* inverter) { return m_Runtime.Recorder().HourReadings(inverter); });
    m_pPage3->SetSystemModel(&m_System);
    m_pPage1->SetSystemModel(&m_System);
    ShowPage(0);

    m_Runtime.OpenLink();
    // Written once the whole list is in: rewritten after each inverter, a kill
    // during the start-up would leave only the inverters loaded so far.
    m_bLoadingInverters = true;
    m_Runtime.LoadInverters();
    m_bLoadingInverters = false;
    if (m_System.InverterCount() > 0) {
        m_Runtime.SaveInverters();
    }
    m_pPage3->RefreshFromPlant();
    m_Runtime.StartRecording();

    m_pFlashTimer = new QTimer(this);
    m_pAutoConnectTimer = new QTimer(this);
    connect(m_pFlashTimer, &QTimer::timeout, this, &MainWindow::OnFlashTimer);
    connect(m_pAutoConnectTimer, &QTimer::timeout, this, &MainWindow::OnAutoConnectTimer);
    m_pFlashTimer->start(FlashInterval);
    m_pBus->Start();
    m_pAutoConnectTimer->start(AutoConnectInterval);

    Retranslate();
    for (const QString& key : QSystemSettings::StandardKeys()) {
        OnSystemValue(key);
    }
    UpdateAdministratorActions();
    SetLogonMoment();
    m_pPage1->LogonAdministrator();
    // The idle logout runs from the end of start-up on; without it an
    // administrator logged on at start would stay logged on however long the
    // program stands unattended.
    QUserActivity::Touch();
    QUserActivity::SetIdleCheck(true);
    showtitle();
}

MainWindow::~MainWindow() {
    // The monitor watches the bus, which goes before the window's children do.
    delete m_pBusMonitor;
    m_pFlashTimer->stop();
    m_pBus->Stop();
    m_pAutoConnectTimer->stop();
    delete m_pFlashTimer;
    delete m_pAutoConnectTimer;
    // inverter.dat and system.dat rewritten; the bus goes before the pages it reports to.
    m_Runtime.Shutdown();
    m_pBus = nullptr;
    delete m_pMiniWindow;
    m_pMiniWindow = nullptr;
    // The pages point into the plant: they go before it does.
    delete m_pForm;
    m_pForm = nullptr;
    if (QPlantEvents::Instance().Target() == this) {
        QPlantEvents::Instance().SetTarget(nullptr);
    }
    m_System.SetInverterAddedHandler(nullptr);
    m_System.SetInverterRemovedHandler(nullptr);
    m_System.SetSystemListener(nullptr, nullptr);
}

// --- form

void MainWindow::BuildForm() {
    setWindowTitle(QStringLiteral("Tivra Wattsight"));
    setWindowIcon(QIcon(QStringLiteral(":/skin/logo32.png")));
    resize(DefaultWidth, DefaultHeight);
    setMinimumSize(900, 620);

    m_pForm = new QWidget(this);
    m_pForm->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(m_pForm);
    auto* outer = new QVBoxLayout(m_pForm);
    outer->setContentsMargins(1, 1, 1, 1);
    outer->setSpacing(0);

    // Top row: logo, name, menu bar, title line, window buttons.
    auto* topRow = new QWidget(m_pForm);
    topRow->setObjectName(QStringLiteral("TopRow"));
    topRow->setFixedHeight(TopRowHeight);
    auto* top = new QHBoxLayout(topRow);
    top->setContentsMargins(10, 0, 6, 0);
    top->setSpacing(6);
    m_pSystemBtn = new QPushButton(topRow);
    m_pSystemBtn->setObjectName(QStringLiteral("SystemBtn"));
    m_pSystemBtn->setFixedSize(24, 24);
    m_pSystemBtn->setFocusPolicy(Qt::NoFocus);
    m_pSystemBtn->setIcon(QIcon(QStringLiteral(":/skin/logo32.png")));
    m_pSystemBtn->setIconSize(QSize(22, 22));
    m_pTitleLabel = new QLabel(QStringLiteral("Tivra Wattsight"), topRow);
    m_pTitleLabel->setObjectName(QStringLiteral("TitleLabel"));
    m_pDateLabel = new QLabel(QStringLiteral("2014-06-06"), topRow);
    m_pDateLabel->setObjectName(QStringLiteral("DateLabel"));
    top->addWidget(m_pSystemBtn);
    top->addWidget(m_pTitleLabel);
    top->addWidget(m_pDateLabel, 0, Qt::AlignBottom);
    top->addSpacing(18);

    m_pMenuFileBtn = new QMyButton(tr("Operate"), topRow);
    m_pMenuFileBtn->setObjectName(QStringLiteral("MenuFileBtn"));
    m_pMenuSetBtn = new QMyButton(tr("Set"), topRow);
    m_pMenuSetBtn->setObjectName(QStringLiteral("MenuSetBtn"));
    m_pMenuHelpBtn = new QMyButton(tr("Help"), topRow);
    m_pMenuHelpBtn->setObjectName(QStringLiteral("MenuHelpBtn"));
    const QList<QMyButton*> ring = {m_pMenuFileBtn, m_pMenuSetBtn, m_pMenuHelpBtn};
    for (QMyButton* button : ring) {
        button->SetRing(ring);
        top->addWidget(button);
    }
    top->addStretch(1);
    m_pLogonTime = new QLabel(topRow);
    m_pLogonTime->setObjectName(QStringLiteral("LogonTime"));
    m_pLogonTime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    KeepLabelSteady(m_pLogonTime, QString());
    top->addWidget(m_pLogonTime, 0, Qt::AlignVCenter);
    top->addSpacing(12);
    m_pMiniBtn = WindowButton(QStringLiteral("MiniWindow"), QStringLiteral("mini"), topRow);
    m_pMinimizeBtn = WindowButton(QStringLiteral("CloseWindowBtn"), QStringLiteral("min"), topRow);
    m_pMaxBtn = WindowButton(QStringLiteral("MaxWindow"), QStringLiteral("max"), topRow);
    m_pCloseBtn = WindowButton(QStringLiteral("CloseBtn"), QStringLiteral("close"), topRow);
    for (QPushButton* button : {m_pMiniBtn, m_pMinimizeBtn, m_pMaxBtn, m_pCloseBtn}) {
        top->addWidget(button);
    }
    connect(m_pMiniBtn, &QPushButton::clicked, this, &MainWindow::on_MiniWindow_clicked);
    connect(m_pMinimizeBtn, &QPushButton::clicked, this, &MainWindow::on_CloseWindowBtn_clicked);
    connect(m_pMaxBtn, &QPushButton::clicked, this, &MainWindow::on_MaxWindow_clicked);
    connect(m_pCloseBtn, &QPushButton::clicked, this, &MainWindow::on_CloseBtn_clicked);
    outer->addWidget(topRow);

    // Page row: the three page buttons as tabs.
    auto* pageRow = new QWidget(m_pForm);
    pageRow->setObjectName(QStringLiteral("PageRow"));
    pageRow->setFixedHeight(PageRowHeight);
    auto* pages = new QHBoxLayout(pageRow);
    pages->setContentsMargins(12, 0, 12, 0);
    pages->setSpacing(4);
    const char* const pageNames[3] = {"Page1Btn", "Page2Btn", "Page3Btn"};
    for (int i = 0; i < 3; ++i) {
        m_pPageBtn[i] = new QPushButton(pageRow);
        m_pPageBtn[i]->setObjectName(QLatin1String(pageNames[i]));
        m_pPageBtn[i]->setFocusPolicy(Qt::NoFocus);
        m_pPageBtn[i]->setCursor(Qt::PointingHandCursor);
        m_pPageBtn[i]->setMinimumWidth(110);
        m_pPageBtn[i]->setFixedHeight(PageRowHeight);
        pages->addWidget(m_pPageBtn[i]);
    }
    pages->addStretch(1);
    connect(m_pPageBtn[0], &QPushButton::clicked, this, &MainWindow::on_Page1Btn_clicked);
    connect(m_pPageBtn[1], &QPushButton::clicked, this, &MainWindow::on_Page2Btn_clicked);
    connect(m_pPageBtn[2], &QPushButton::clicked, this, &MainWindow::on_Page3Btn_clicked);
    outer->addWidget(pageRow);

    m_pStack = new QStackedWidget(m_pForm);
    m_pStack->setObjectName(QStringLiteral("stackedWidget"));
    m_pPage1 = new Page1(m_pStack);
    m_pPage1->setObjectName(QStringLiteral("page1"));
    m_pPage2 = new Page2(m_pStack);
    m_pPage2->setObjectName(QStringLiteral("page2"));
    m_pPage3 = new Page3(m_pStack);
    m_pPage3->setObjectName(QStringLiteral("page3"));
    m_pStack->addWidget(m_pPage1);
    m_pStack->addWidget(m_pPage2);
    m_pStack->addWidget(m_pPage3);
    outer->addWidget(m_pStack, 1);
    ApplyStyle();
}

void MainWindow::ApplyStyle() {
    // Only the window's own frame is styled here; the pages bring their own look.
    m_pForm->setStyleSheet(QStringLiteral(
        "QWidget#centralWidget{background:rgb(246,247,249);border:1px solid rgb(204,208,215);}"
        "QWidget#TopRow{background:white;}"
        "QWidget#PageRow{background:white;border-bottom:1px solid rgb(220,224,230);}"
        "QPushButton#SystemBtn{border:none;background:transparent;}"
        "QLabel#TitleLabel{font-weight:bold;font-size:15px;color:rgb(40,46,56);}"
        "QLabel#DateLabel{color:rgb(150,158,170);font-size:11px;padding-bottom:9px;}"
        "QLabel#LogonTime{color:rgb(84,94,108);}"
        "QMyButton{border:none;border-radius:3px;color:rgb(40,46,56);background:transparent;}"
        "QMyButton:hover{border-image:url(:/skin/menu_text2.png);}"
        "QMyButton:pressed{border-image:url(:/skin/menu_text3.png);}"
        "QWidget#PageRow QPushButton{border:none;border-bottom:3px solid transparent;color:rgb(84,94,108);"
        "font-size:14px;padding:0 14px;background:transparent;}"
        "QWidget#PageRow QPushButton:hover{color:rgb(47,127,208);}"
        "QWidget#PageRow QPushButton:disabled{color:rgb(30,96,166);border-bottom:3px solid "
        "rgb(47,127,208);}"));
    const QString menuStyle = QStringLiteral(
        "QMenu{border:6px solid transparent;border-image:url(:/skin/back.png) 6 6 6 6 stretch;"
        "padding:2px;background:transparent;}"
        "QMenu::item{padding:6px 28px 6px 20px;color:rgb(40,46,56);background:transparent;}"
        "QMenu::item:selected{border-image:url(:/skin/select.png) 6 6 6 6 stretch;border-width:0;}"
        "QMenu::item:disabled{color:rgb(170,176,186);}"
        "QMenu::separator{height:1px;background:rgb(220,224,230);margin:4px 8px;}");
    for (QMyButton* button : {m_pMenuFileBtn, m_pMenuSetBtn, m_pMenuHelpBtn}) {
        button->Menu()->setStyleSheet(menuStyle);
        button->Menu()->setAttribute(Qt::WA_TranslucentBackground);
        button->Menu()->setWindowFlags(button->Menu()->windowFlags() | Qt::FramelessWindowHint |
                                       Qt::NoDropShadowWindowHint);
    }
}

QAction* MainWindow::AddAction(const char* text, void (MainWindow::*slot)(), bool administrator) {
    auto* action = new QAction(tr(text), this);
    connect(action, &QAction::triggered, this, slot);
    m_Actions.append(action);
    m_ActionTexts.append(text);
    if (administrator) {
        m_AdminActions.append(action);
    }
    return action;
}

void MainWindow::createActions() {
    QMenu* file = m_pMenuFileBtn->Menu();
    QMenu* set = m_pMenuSetBtn->Menu();
    QMenu* help = m_pMenuHelpBtn->Menu();

    m_pConnectAction = AddAction(QT_TR_NOOP("Connect"), &MainWindow::Connect, true);
    file->addAction(m_pConnectAction);
    file->addAction(AddAction(QT_TR_NOOP("Add new inverter"), &MainWindow::AddInverter, true));
    file->addAction(AddAction(QT_TR_NOOP("Search inverter"), &MainWindow::Search, true));
    file->addAction(AddAction(QT_TR_NOOP("Print"), &MainWindow::Print, true));
    file->addAction(AddAction(QT_TR_NOOP("Bus monitor"), &MainWindow::BusMonitor, true));
    file->addSeparator();
    file->addAction(AddAction(QT_TR_NOOP("Exit"), &MainWindow::on_CloseBtn_clicked, false));

    set->addAction(AddAction(QT_TR_NOOP("Set communicate information"), &MainWindow::SetCommunicate, true));
    set->addAction(AddAction(QT_TR_NOOP("Edit mail information"), &MainWindow::SetMailInfo, true));
    set->addAction(AddAction(QT_TR_NOOP("Alerts"), &MainWindow::SetAlerts, true));
    set->addAction(AddAction(QT_TR_NOOP("Password setting"), &MainWindow::SetPassWord, true));
    set->addAction(AddAction(QT_TR_NOOP("Set electricity price"), &MainWindow::Miscellaneous, true));
    set->addSeparator();
    set->addAction(AddAction(QT_TR_NOOP("Set system information"), &MainWindow::SetSystemMessage, true));
    set->addAction(AddAction(QT_TR_NOOP("Set system solar information"), &MainWindow::SetSystemSoloar, true));
    set->addAction(AddAction(QT_TR_NOOP("Set inverter information"), &MainWindow::SetInverter, true));
    set->addAction(AddAction(QT_TR_NOOP("Set public grid information"), &MainWindow::SetGrid, true));
    set->addAction(AddAction(QT_TR_NOOP("Edit system description"), &MainWindow::SetRemark, true));
    set->addAction(AddAction(QT_TR_NOOP("Set sunrise time"), &MainWindow::SetBegin, true));
    set->addAction(AddAction(QT_TR_NOOP("Publishing"), &MainWindow::SetPublishing, true));

    help->addAction(AddAction(QT_TR_NOOP("About KOVA"), &MainWindow::Instructions, false));
    help->addAction(AddAction(QT_TR_NOOP("About Tivra Wattsight"), &MainWindow::AboutTivra, false));
    help->addAction(AddAction(QT_TR_NOOP("Contact us"), &MainWindow::E_Mail, false));
    help->addSeparator();
    help->addAction(AddAction(QT_TR_NOOP("Operating instructions"), &MainWindow::Operating, false));
}

QAction* MainWindow::FindAction(const QString& sourceText) const {
    for (int i = 0; i < m_Actions.size(); ++i) {
        if (QLatin1String(m_ActionTexts.at(i)) == sourceText) {
            return m_Actions.at(i);
        }
    }
    return nullptr;
}

void MainWindow::RetranslateTitleFragments() {
    m_strCurrentUser = tr("Current user:");
    m_strLogonDuration = tr("Logon duration:");
    m_strDay = tr("day");
    m_strHour = tr("hour");
    m_strMin = tr("min");
    m_strSec = tr("sec");
}

void MainWindow::Retranslate() {
    RetranslateTitleFragments();
    m_pMiniBtn->setToolTip(tr("Streamline model"));
    m_pMinimizeBtn->setToolTip(tr("Minimize"));
    m_pMaxBtn->setToolTip(m_bMaximized ? tr("Restore") : tr("Maximize"));
    m_pCloseBtn->setToolTip(tr("Close"));
    m_pMenuFileBtn->setText(tr("Operate"));
    m_pMenuSetBtn->setText(tr("Set"));
    m_pMenuHelpBtn->setText(tr("Help"));
    m_pPageBtn[0]->setText(tr("Home"));
    m_pPageBtn[1]->setText(tr("Inverter"));
    m_pPageBtn[2]->setText(tr("Information"));
    for (int i = 0; i < m_Actions.size(); ++i) {
        // The connect action shows the link's state once a link has reported it.
        if (m_Actions.at(i) == m_pConnectAction && !m_pBus->ConnectActionText().isEmpty()) {
            continue;
        }
        m_Actions.at(i)->setText(tr(m_ActionTexts.at(i)));
    }
}

void MainWindow::ChangeLanguage(int index) {
    if (index < 0 || index > 3) {
        return;
    }
    RetranslateTitleFragments();
    m_System.SetSystemValue(QStringLiteral("language"), QLatin1String(LanguageNames[index]), false);
    showtitle();
    QUserActivity::Touch();
    Retranslate();
    m_pPage2->TechnicalTab()->SetLanguage(index);
    m_pPage2->Retranslate();
    m_pPage3->Retranslate();
    m_pMiniWindow->Retranslate();
    m_pBus->RetranslateTexts();
}

// --- title line and timers

QString MainWindow::DurationText(qint64 seconds, const QString& day, const QString& hour, const QString& min,
                                 const QString& sec) {
    seconds = qMax<qint64>(0, seconds);
    const qint64 days = seconds / 86400;
    const qint64 hours = seconds % 86400 / 3600;
    const qint64 minutes = seconds % 3600 / 60;
    const qint64 secs = seconds % 60;
    QString text;
    if (days >= 1) {
        text += QString::number(days) + day;
    }
    const bool showHours = hours >= 1 || days >= 1;
    if (showHours) {
        text += QString::number(hours) + hour;
    }
    if (minutes >= 1 || showHours) {
        text += QString::number(minutes) + min;
    }
    text += QString::number(secs) + sec;
    return text;
}

void MainWindow::SetLogonMoment() {
    m_LogonMoment = SystemClock::Now();
    m_nLogonMs = m_LogonMoment.toMSecsSinceEpoch();
}

qint64 MainWindow::LogonSeconds() const {
    return (SystemClock::MSecsSinceEpoch() - m_nLogonMs) / 1000;
}

QString MainWindow::TitleText() const {
    const qint64 seconds = LogonSeconds();
    const QString user = m_System.UserLevel() != 0 ? tr("Administrator") : tr("Guest");
    return m_strCurrentUser + user + QStringLiteral("  ") + m_strLogonDuration + QLatin1Char(' ') +
           DurationText(seconds, m_strDay, m_strHour, m_strMin, m_strSec);
}

void MainWindow::showtitle() {
    m_nTitleSeconds = LogonSeconds();
    m_nTitleLevel = m_System.UserLevel();
    const QString text = TitleText();
    SetSteadyText(m_pLogonTime, text);
}

void MainWindow::OnFlashTimer() {
    // The title line shows whole seconds: most ticks (50 a second) would build
    // the same text again, and working out the local time for each would cost.
    if (LogonSeconds() != m_nTitleSeconds ||
        m_System.UserLevel() != m_nTitleLevel) {
        showtitle();
    }
    m_pBus->OnWaitingAnimation();
    // The logout box holds only this timer while it is open; recording runs on its own.
    if (m_System.UserLevel() == 1 && QUserActivity::IdleCheck() &&
        QUserActivity::IdleSeconds() > IdleLogoutSeconds) {
        m_pPage1->LogonCore();
    }
}

QTimer* MainWindow::CommunicateTimer() const {
    return m_pBus->Timer();
}

void MainWindow::OnCommunicateTimer() {
    m_pBus->OnCommunicateTimer();
}

void MainWindow::OnAutoConnectTimer() {
    m_pBus->OnAutoConnectTimer();
}

void MainWindow::SetMissionDoing(QMissionModel* mission) {
    m_pBus->SetMissionDoing(mission);
}

void MainWindow::Connect() {
    m_pBus->Connect();
}

void MainWindow::slotCOM_readData() {
    m_pBus->ReadLink();
}

void MainWindow::slotTCP_connect() {
    m_pBus->CheckLink();
}

void MainWindow::slotTCPClient_disconnect() {
    m_pBus->CheckLink();
}

void MainWindow::slotTCPClient_readData() {
    m_pBus->ReadLink();
}

void MainWindow::slotTCPServer_connect() {
    m_pBus->CheckLink();
}

void MainWindow::slotTCPServer_disconnect() {
    m_pBus->CheckLink();
}

void MainWindow::SaveTotal(QInverter* inverter, int mode) {
    m_Runtime.Recorder().SaveTotal(inverter, mode);
}

void MainWindow::printPreview(QPrinter*) {}

// --- plant

void MainWindow::OnInverterAdded(QInverter* inverter) {
    if (inverter) {
        m_pPage2->AddInverterItem(inverter);
        m_pPage2->SelectInverter(inverter);
        // The recorder tried the recording when the device joined; without it the device stays offline.
        if (inverter->IsAnalog() && inverter->CommState() != CommOnline) {
            ShowMessage(tr("Load analog data failed!"), MessageBox::TypeOk, this);
        }
        m_pPage3->RefreshFromPlant();
        m_pPage1->AddOutputInverter(inverter);
    } else {
        m_pPage1->SyncOutputInverters();
    }
    if (!m_bLoadingInverters) {
        m_Runtime.SaveInverters();
    }
}

void MainWindow::OnInverterRemoved(QInverter* inverter) {
    if (m_pPage2->CurrentInverter() == inverter) {
        m_pPage2->SelectInverter(nullptr);
    }
    m_pPage1->OutputPane()->RemoveInverter(inverter);
    m_pPage3->RefreshFromPlant();
}

void MainWindow::OnSystemValue(const QString& key) {
    if (key == QLatin1String("systemname")) {
        m_pPage1->SetPlantName(m_System.Settings().SystemName());
    } else if (key == QLatin1String("begintime")) {
        const int begin = m_System.GetSystemValue(key).toInt();
        m_pPage1->SetBeginTime(begin);
        m_pPage2->SetBeginTime(begin);
    }
    m_pPage3->OnSystemValue(key);
}

bool MainWindow::event(QEvent* event) {
    switch (int(event->type())) {
    case EventDeleteInverter: {
        auto* item = reinterpret_cast<QtMyTreeItem*>(static_cast<QMyEvent*>(event)->m_nValue1);
        QInverter* inverter = m_System.FindByTreeEntry(item);
        if (inverter) {
            m_pBus->DeleteInverter(inverter);
            m_pPage1->SyncOutputInverters();
            m_pPage3->RefreshFromPlant();
        }
        return true;
    }
    case EventUserLevelChanged:
        UpdateAdministratorActions();
        return true;
    case EventInverterEdited:
        m_Runtime.SaveInverters();
        return true;
    case EventSetSuccess:
        ShowMessage(tr("Set successfully!"), MessageBox::TypeOk, this);
        return true;
    case EventReplyError:
        ShowReplyError(int(static_cast<QPlantEvent*>(event)->m_nValue1));
        return true;
    default:
        return QMainWindow::event(event);
    }
}

void MainWindow::ShowReplyError(int code) {
    const QString text = ReplyErrorText(code);
    if (text.isEmpty() || m_bErrorBoxOpen) {
        return;
    }
    m_bErrorBoxOpen = true;
    ShowMessage(text, MessageBox::TypeOk, this);
    m_bErrorBoxOpen = false;
}

void MainWindow::UpdateAdministratorActions() {
    const int level = m_System.UserLevel();
    const bool administrator = level != 0;
    for (QAction* action : m_AdminActions) {
        action->setEnabled(administrator);
    }
    if (!administrator && m_pBusMonitor) {
        m_pBusMonitor->close();
    }
    // The title line counts from the moment the user on duty changed.
    if (level != m_nLastUserLevel) {
        m_nLastUserLevel = level;
        SetLogonMoment();
    }
    showtitle();
}

// --- window buttons and dragging

void MainWindow::on_CloseBtn_clicked() {
    close();
}

void MainWindow::on_CloseWindowBtn_clicked() {
    showMinimized();
}

void MainWindow::on_MiniWindow_clicked() {
    hide();
    m_pMiniWindow->show();
    m_pMiniWindow->raise();
}

void MainWindow::on_MaxWindow_clicked() {
    m_bMaximized = !m_bMaximized;
    if (m_bMaximized) {
        showMaximized();
        m_pMaxBtn->setToolTip(tr("Restore"));
        m_pMaxBtn->setStyleSheet(
            m_pMaxBtn->styleSheet().replace(QLatin1String("max"), QLatin1String("restore")));
    } else {
        showNormal();
        m_pMaxBtn->setToolTip(tr("Maximize"));
        m_pMaxBtn->setStyleSheet(
            m_pMaxBtn->styleSheet().replace(QLatin1String("restore"), QLatin1String("max")));
        if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
    }
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && event->position().y() <= TopBandHeight) {
        m_bDragging = true;
        m_PressPos = event->position().toPoint();
        event->accept();
        return;
    }
    QMainWindow::mousePressEvent(event);
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && event->position().y() <= TopBandHeight) {
        m_bDragging = false;
        on_MaxWindow_clicked();
        event->accept();
        return;
    }
    QMainWindow::mouseDoubleClickEvent(event);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    if (m_bDragging && !m_bMaximized && event->position().y() <= TopBandHeight) {
        move(event->globalPosition().toPoint() - m_PressPos);
        event->accept();
        return;
    }
    QMainWindow::mouseMoveEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    m_bDragging = false;
    QMainWindow::mouseReleaseEvent(event);
}

void MainWindow::on_Page1Btn_clicked() {
    ShowPage(0);
}

void MainWindow::on_Page2Btn_clicked() {
    ShowPage(1);
}

void MainWindow::on_Page3Btn_clicked() {
    ShowPage(2);
}

void MainWindow::ShowPage(int index) {
    for (int i = 0; i < 3; ++i) {
        m_pPageBtn[i]->setEnabled(i != index);
    }
    m_pStack->setCurrentIndex(index);
    QUserActivity::Touch();
}

// --- closing

void MainWindow::closeEvent(QCloseEvent* event) {
    for (int i = 0; i < m_System.InverterCount(); ++i) {
        const QInverter* inverter = m_System.Inverter(i);
        if (!inverter->IsAnalog() && inverter->CommState() == CommOnline) {
            if (ShowMessage(tr("The inverter is communication, are you sure you want to close?"),
                            MessageBox::TypeYesNo, this) != 1) {
                event->ignore();
                return;
            }
            break;
        }
    }
    m_pMiniWindow->hide();
    event->accept();
}

// --- dialogs

void MainWindow::RunDialog(const std::function<void()>& run) {
    QUserActivity::SetIdleCheck(false);
    run();
    QUserActivity::SetIdleCheck(true);
    QUserActivity::Touch();
}

void MainWindow::Instructions() {
    RunDialog([this] {
        QInstructionsDlg dialog(this);
        dialog.exec();
    });
}

void MainWindow::AboutTivra() {
    RunDialog([this] {
        QAboutTivraDlg dialog(this);
        dialog.exec();
    });
}

void MainWindow::E_Mail() {
    RunDialog([this] {
        QE_Mail dialog(this);
        dialog.SetMailRecord(QMailRecord::FromSettings(m_System.Settings()));
        dialog.SetSystem(&m_System);
        dialog.exec();
    });
}

QBusMonitorWindow* MainWindow::BusMonitorWindow() const {
    return m_pBusMonitor;
}

void MainWindow::BusMonitor() {
    if (!m_pBusMonitor) {
        m_pBusMonitor = new QBusMonitorWindow(m_pBus->Watch(), m_System, this);
    }
    m_pBusMonitor->show();
    m_pBusMonitor->raise();
    m_pBusMonitor->activateWindow();
}

void MainWindow::SetPublishing() {
    RunDialog([this] {
        QSetPublishDlg dialog(m_Runtime.Publisher(), m_System, this);
        dialog.exec();
    });
}

void MainWindow::SetAlerts() {
    RunDialog([this] {
        QAlertsDlg dialog(this);
        dialog.SetSystem(&m_System, m_Runtime.MailQueue().Pending().size());
        if (dialog.exec() == QDialog::Accepted) {
            // Mails that waited for an account or a recipient try again at once.
            m_Runtime.MailQueue().Kick();
        }
    });
}

void MainWindow::Operating() {
    const bool chinese = m_System.GetSystemValue(QStringLiteral("language")) == QLatin1String("Chinese");
    const QString path =
        QCoreApplication::applicationDirPath() +
        (chinese ? QStringLiteral("/User Manual CN.pdf") : QStringLiteral("/User Manual EN.pdf"));
    // A missing manual would otherwise make the menu entry do nothing at all.
    if (!QFileInfo::exists(path) || !QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        ShowMessage(tr("The user manual cannot be opened!"), MessageBox::TypeOk, this);
    }
}

void MainWindow::Print() {
    RunDialog([this] {
        QSaveDialog dialog(this);
        dialog.Fill(&m_System, nullptr);
        dialog.Run();
        if (dialog.Action() == SaveRequest::ActionNone) {
            return;
        }
        const SaveRequest request = dialog.Request();
        // The browser shows the inverter the report is about.
        if (request.m_pInverter) {
            if (auto* entry = dynamic_cast<QtMyTreeItem*>(request.m_pInverter->TreeEntry())) {
                QtMyTreeItem::SetSelectitem(entry);
            }
        }
        const int output = request.OutputFor(dialog.Action());
        switch (request.m_nKind) {
        case SaveRequest::SystemInformation:
            m_pPage3->Report(request.TargetPath(), output);
            break;
        case SaveRequest::InverterInformation:
            m_pPage2->TechnicalTab()->Report(request.TargetPath(), output);
            break;
        default:
            m_pPage2->HistoryTab()->Report(request.TargetPath(), request.Generation(m_System, output));
            break;
        }
    });
}

template <typename Dialog> void MainWindow::RunPlantDialog(const std::function<void(Dialog&)>& prepare) {
    RunDialog([this, &prepare] {
        Dialog dialog(this);
        dialog.SetSystemModel(&m_System);
        if (prepare) {
            prepare(dialog);
        }
        dialog.exec();
    });
}

// A device added here has been shown and stored by the plant's added handler.
void MainWindow::AddInverter() {
    RunPlantDialog<DlgAddInverter>();
}

void MainWindow::SetSystemMessage() {
    RunPlantDialog<SetSystem>([this](SetSystem& dialog) {
        if (QWidget* title = m_pPage1->findChild<QWidget*>(QStringLiteral("NameLabel"))) {
            title->ensurePolished();
            dialog.SetNameFont(title->font());
        }
    });
}

void MainWindow::SetSystemSoloar() {
    RunPlantDialog<SetSolar>();
}

void MainWindow::SetInverter() {
    RunPlantDialog<DlgSetInverter>();
}

void MainWindow::SetGrid() {
    RunPlantDialog<DlgSetGrid>();
}

void MainWindow::SetRemark() {
    RunPlantDialog<DlgEditRemark>([this](DlgEditRemark& dialog) {
        if (QLabel* remarks = m_pPage3->Value(QStringLiteral("systemexplain"))) {
            remarks->ensurePolished();
            dialog.SetRemarkFont(remarks->font());
        }
    });
}

void MainWindow::SetMailInfo() {
    RunPlantDialog<QSetMailDlg>();
}

void MainWindow::SetCommunicate() {
    RunDialog([this] {
        QSetCommunicateDlg dialog(this);
        dialog.SetSystemModel(&m_System);
        dialog.exec();
        if (dialog.IsAccepted()) {
            m_pBus->ApplyCommunicate(dialog.Choice());
        }
    });
}

void MainWindow::SetPassWord() {
    RunPlantDialog<QSetPasswordDlg>();
}

void MainWindow::Miscellaneous() {
    RunPlantDialog<QMiscellaneousDlg>();
}

void MainWindow::Search() {
    RunDialog([this] {
        QFindInverterDlg dialog(this);
        dialog.SetSystemModel(&m_System);
        m_pBus->SetSearchCallback([&dialog](QMissionModel* probe) { dialog.OnProbeDone(probe); });
        dialog.exec();
        // From here on a probe still on the bus ends without anyone told.
        m_pBus->SetSearchCallback(nullptr);
    });
}

void MainWindow::SetBegin() {
    RunDialog([this] {
        SetBeginTimeDlg dialog(this);
        dialog.SetValue(m_System.GetSystemValue(QStringLiteral("begintime")).toInt());
        dialog.exec();
        if (dialog.IsAccepted()) {
            m_System.SetSystemValue(QStringLiteral("begintime"), QString::number(dialog.Value()), true);
        }
    });
}

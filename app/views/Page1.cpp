#include "Page1.h"

#include "MessageBox.h"
#include "NameFrame.h"
#include "QFaultListWidget.h"
#include "QInverter.h"
#include "QOpaqueLabel.h"
#include "QOutputPane.h"
#include "QSystemModel.h"
#include "QUserActivity.h"
#include "TimeWidget.h"
#include "WidgetUpdates.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

const QString Page1::GuestFiller = QStringLiteral("739146");
const char* const Page1::LanguageSettings[4] = {"English", "Chinese", "Frensh", "Italian"};

namespace {
const char* const kProgramFiles[4] = {"Language_E.qm", "Language_C.qm", "Language_T.qm", "Language_I.qm"};
const char* const kQtFiles[4] = {"", "qt_zh_CN.qm", "qt_zh_TW.qm", ""};
const QString kLightGreen = QStringLiteral("border-image: url(:/skin/light_g.png);");
const QString kLightRed = QStringLiteral("border-image: url(:/skin/light_r.png);");
constexpr int kAdministratorIndex = 0;
constexpr int kGuestIndex = 1;
} // namespace

Page1::Page1(QWidget* parent) : QWidget(parent) {
    BuildForm();
    m_pNameLabel->show();
    Retranslate(); // fills the two combo boxes too
    m_pUserCombo->setCurrentIndex(kGuestIndex);
    on_UserCombo_currentIndexChanged(kGuestIndex);
    m_pNameLabel->setText(QString());
    // Signals by name only once the initial state is in place.
    connect(m_pUserCombo, &QComboBox::currentIndexChanged, this, &Page1::on_UserCombo_currentIndexChanged);
    connect(m_pLanguageCombo, &QComboBox::currentIndexChanged, this,
            &Page1::on_Language_combo_currentIndexChanged);
    connect(m_pLogonBtn, &QPushButton::clicked, this, &Page1::on_LogonBtn_clicked);
    m_pTimer = new QTimer(this);
    connect(m_pTimer, &QTimer::timeout, this, &Page1::OnFlashTimer);
    m_pTimer->start(200);
}

Page1::~Page1() {
    QCoreApplication::removeTranslator(&m_ProgramTranslator);
    QCoreApplication::removeTranslator(&m_QtTranslator);
}

void Page1::BuildForm() {
    setObjectName(QStringLiteral("Page1"));
    setStyleSheet(QStringLiteral(
        "QFrame#logonCard, QFrame#plantCard, QFrame#statusCard { background: white;"
        " border: 1px solid rgb(204,208,215); border-radius: 4px; }"
        "QFrame#logonCard QLabel, QFrame#plantCard QLabel, QFrame#statusCard QLabel { border: none; }"
        "QLabel#logonTitle, QLabel#plantTitle { font-weight: bold; color: rgb(40,44,52); }"
        "QGroupBox#systemData { border: none; border-top: 1px solid rgb(222,225,230); margin-top: 16px;"
        " padding-top: 10px; font-weight: bold; }"
        "QGroupBox#systemData::title { subcontrol-origin: margin; subcontrol-position: top left; left: 0px;"
        " padding: 0px; color: rgb(40,44,52); }"
        "QPushButton#LogonBtn { border: none; border-image: url(:/skin/btn1.png); min-width: 80px;"
        " min-height: 26px; color: rgb(40,44,52); }"
        "QPushButton#LogonBtn:hover { border-image: url(:/skin/btn2.png); }"
        "QPushButton#LogonBtn:pressed { border-image: url(:/skin/btn3.png); }"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);

    auto* left = new QVBoxLayout;
    left->setSpacing(10);
    auto* title = new QHBoxLayout;
    m_pNameLabel = new NameFrame(this);
    m_pNameLabel->setObjectName(QStringLiteral("NameLabel"));
    m_pClock = new TimeWidget(this);
    m_pClock->setObjectName(QStringLiteral("timeWidget"));
    title->addWidget(m_pNameLabel, 1);
    title->addWidget(m_pClock);
    left->addLayout(title);
    left->addWidget(BuildLogonCard());
    left->addWidget(BuildPlantCard(), 1);
    left->addWidget(BuildStatusCard());
    layout->addLayout(left, 3);

    m_pFaultList = new QFaultListWidget(this);
    m_pFaultList->setObjectName(QStringLiteral("fault_List"));
    m_pFaultList->setFixedWidth(160);
    m_pFaultList->setMinimumHeight(300);
    layout->addWidget(m_pFaultList);

    m_pOutputList = new QOutputPane(this);
    m_pOutputList->setObjectName(QStringLiteral("output_list"));
    m_pOutputList->setMinimumWidth(260);
    layout->addWidget(m_pOutputList, 2);
}

QWidget* Page1::BuildLogonCard() {
    auto* card = new QFrame(this);
    card->setObjectName(QStringLiteral("logonCard"));
    auto* grid = new QGridLayout(card);
    grid->setContentsMargins(14, 10, 14, 12);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    m_pLogonTitle = new QLabel(card);
    m_pLogonTitle->setObjectName(QStringLiteral("logonTitle"));
    grid->addWidget(m_pLogonTitle, 0, 0, 1, 4);

    m_pUserCaption = new QLabel(card);
    m_pUserCombo = new QComboBox(card);
    m_pUserCombo->setObjectName(QStringLiteral("UserCombo"));
    m_pUserCombo->setMinimumWidth(130);
    m_pPassCaption = new QLabel(card);
    m_pPassEdit = new QLineEdit(card);
    m_pPassEdit->setObjectName(QStringLiteral("Pass_edit"));
    m_pPassEdit->setEchoMode(QLineEdit::Password);
    m_pPassEdit->setMinimumWidth(130);
    m_pLogonBtn = new QPushButton(card);
    m_pLogonBtn->setObjectName(QStringLiteral("LogonBtn"));
    m_pLogonBtn->setShortcut(QKeySequence(Qt::Key_Return));
    m_pLogonBtn->setCursor(Qt::PointingHandCursor);
    m_pLanguageCaption = new QLabel(card);
    m_pLanguageCombo = new QComboBox(card);
    m_pLanguageCombo->setObjectName(QStringLiteral("Language_combo"));
    m_pLanguageCombo->setMinimumWidth(130);

    grid->addWidget(m_pUserCaption, 1, 0);
    grid->addWidget(m_pUserCombo, 1, 1);
    grid->addWidget(m_pLanguageCaption, 1, 2);
    grid->addWidget(m_pLanguageCombo, 1, 3);
    grid->addWidget(m_pPassCaption, 2, 0);
    grid->addWidget(m_pPassEdit, 2, 1);
    grid->addWidget(m_pLogonBtn, 2, 3, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return card;
}

QLabel* Page1::AddValueRow(QWidget* parent, QGridLayout* grid, int row, int column, const char* name,
                           QLabel** caption, QLabel** unit) {
    *caption = new QLabel(parent);
    (*caption)->setStyleSheet(QStringLiteral("color: rgb(0,0,0);"));
    auto* value = new QOpaqueLabel(Qt::white, parent); // on the white card
    value->setObjectName(QLatin1String(name));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setStyleSheet(QStringLiteral("color: rgb(255,0,0); font-weight: bold; font-size: 12pt;"));
    // Room for a large plant's figures, so the rows do not shift as the values grow.
    KeepLabelSteady(value, QStringLiteral("888888.88"));
    *unit = new QLabel(parent);
    (*unit)->setStyleSheet(QStringLiteral("color: rgb(84,94,108);"));
    (*unit)->setMinimumWidth(28);
    grid->addWidget(*caption, row, column);
    grid->addWidget(value, row, column + 1, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(*unit, row, column + 2);
    grid->setRowMinimumHeight(row, 34);
    return value;
}

QWidget* Page1::BuildPlantCard() {
    auto* card = new QFrame(this);
    card->setObjectName(QStringLiteral("plantCard"));
    auto* layout = new QVBoxLayout(card);
    layout->setContentsMargins(14, 10, 14, 12);
    layout->setSpacing(6);
    m_pPlantTitle = new QLabel(card);
    m_pPlantTitle->setObjectName(QStringLiteral("plantTitle"));
    layout->addWidget(m_pPlantTitle);
    layout->addSpacing(8);

    auto* powers = new QGridLayout;
    powers->setHorizontalSpacing(8);
    powers->setVerticalSpacing(10);
    QLabel* unit = nullptr;
    m_pInput = AddValueRow(card, powers, 0, 0, "Input", &m_pInputCaption, &unit);
    unit->setText(QStringLiteral("W"));
    m_pOutput = AddValueRow(card, powers, 1, 0, "Output", &m_pOutputCaption, &unit);
    unit->setText(QStringLiteral("W"));
    m_pSingle = AddValueRow(card, powers, 0, 3, "Single", &m_pSingleCaption, &m_pSingleUnit);
    m_pThree = AddValueRow(card, powers, 1, 3, "Three", &m_pThreeCaption, &m_pThreeUnit);
    powers->setColumnMinimumWidth(3, 110);
    powers->setColumnStretch(0, 1);
    powers->setColumnStretch(3, 1);
    layout->addLayout(powers);
    layout->addStretch(1);

    m_pSystemData = new QGroupBox(card);
    m_pSystemData->setObjectName(QStringLiteral("systemData"));
    auto* data = new QGridLayout(m_pSystemData);
    data->setContentsMargins(0, 8, 0, 0);
    data->setHorizontalSpacing(8);
    data->setVerticalSpacing(10);
    m_pTotal = AddValueRow(m_pSystemData, data, 0, 0, "Total", &m_pTotalCaption, &unit);
    unit->setText(QStringLiteral("kWh"));
    m_pToday = AddValueRow(m_pSystemData, data, 1, 0, "Today", &m_pTodayCaption, &unit);
    unit->setText(QStringLiteral("kWh"));
    m_pCo2 = AddValueRow(m_pSystemData, data, 0, 3, "Co2", &m_pCo2Caption, &unit);
    unit->setText(QStringLiteral("Kg"));
    m_pBenefit = AddValueRow(m_pSystemData, data, 1, 3, "Benefit", &m_pBenefitCaption, &m_pCurrency);
    m_pCurrency->setObjectName(QStringLiteral("Currency"));
    data->setColumnMinimumWidth(3, 110);
    data->setColumnStretch(0, 1);
    data->setColumnStretch(3, 1);
    layout->addWidget(m_pSystemData);
    layout->addStretch(2);

    for (QLabel* label : {m_pInput, m_pOutput, m_pSingle, m_pThree}) {
        label->setText(QStringLiteral("0"));
    }
    for (QLabel* label : {m_pTotal, m_pToday, m_pCo2, m_pBenefit}) {
        label->setText(QStringLiteral("0.00"));
    }
    return card;
}

QWidget* Page1::BuildStatusCard() {
    auto* card = new QFrame(this);
    card->setObjectName(QStringLiteral("statusCard"));
    auto* row = new QHBoxLayout(card);
    row->setContentsMargins(14, 10, 14, 10);
    row->setSpacing(8);
    auto makeLight = [card](const char* name) {
        auto* light = new QLabel(card);
        light->setObjectName(QLatin1String(name));
        light->setFixedSize(18, 18);
        return light;
    };
    m_pLightConnect = makeLight("light_connect");
    m_pLightConnect->setStyleSheet(kLightRed);
    m_pConnect = new QLabel(card);
    m_pConnect->setObjectName(QStringLiteral("Connect"));
    m_pLightUptime = makeLight("light_uptime");
    m_pLightUptime->setStyleSheet(kLightGreen);
    m_pUptime = new QLabel(card);
    m_pUptime->setObjectName(QStringLiteral("Uptime"));
    row->addWidget(m_pLightConnect);
    row->addWidget(m_pConnect, 1);
    row->addSpacing(12);
    row->addWidget(m_pLightUptime);
    row->addWidget(m_pUptime, 1);
    return card;
}

void Page1::SetComboTexts() {
    const QSignalBlocker userBlock(m_pUserCombo);
    const QSignalBlocker languageBlock(m_pLanguageCombo);
    const QStringList users = {tr("Administrator"), tr("Guest")};
    const QStringList languages = {tr("English"), tr("简体中文"), tr("繁體中文")};
    if (m_pUserCombo->count() == 0) {
        m_pUserCombo->addItems(users);
        m_pLanguageCombo->addItems(languages);
        m_pLanguageCombo->setCurrentIndex(-1);
        return;
    }
    for (int i = 0; i < users.size(); ++i) {
        m_pUserCombo->setItemText(i, users[i]);
    }
    for (int i = 0; i < languages.size(); ++i) {
        m_pLanguageCombo->setItemText(i, languages[i]);
    }
}

void Page1::SetPlantStateTexts(bool failure) {
    m_bFailure = failure;
    const QString& style = failure ? kLightRed : kLightGreen;
    if (m_pLightUptime->styleSheet() != style) {
        m_pLightUptime->setStyleSheet(style);
    }
    SetTextIfChanged(m_pUptime, failure ? tr("System failure!") : tr("System uptime!"));
}

void Page1::SetLevelTexts() {
    const bool administrator = m_pSystem && m_pSystem->UserLevel() == UserAdministrator;
    m_pLogonBtn->setText(administrator ? tr("Off") : tr("Logon"));
}

void Page1::Retranslate() {
    m_pLogonTitle->setText(tr("User logon"));
    m_pUserCaption->setText(tr("User:"));
    m_pPassCaption->setText(tr("Password:"));
    m_pLanguageCaption->setText(tr("Language:"));
    m_pPlantTitle->setText(tr("Plant overview"));
    m_pInputCaption->setText(tr("Input Power:"));
    m_pOutputCaption->setText(tr("Output Power:"));
    m_pSingleCaption->setText(tr("Single Phase:"));
    m_pThreeCaption->setText(tr("Three Phase:"));
    m_pSingleUnit->setText(tr("pcs"));
    m_pThreeUnit->setText(tr("pcs"));
    m_pSystemData->setTitle(tr("System Data"));
    m_pTotalCaption->setText(tr("Total gen.:"));
    m_pTodayCaption->setText(tr("Today gen.:"));
    m_pCo2Caption->setText(tr("CO2 Reduce:"));
    m_pBenefitCaption->setText(tr("Benefits:"));
    SetComboTexts();
    SetPlantStateTexts(m_bFailure);
    SetLevelTexts();
    m_pFaultList->Retranslate();
    m_pOutputList->Retranslate();
}

void Page1::SetSystemModel(QSystemModel* model) {
    m_pSystem = model;
    m_pFaultList->SetSystemModel(model);
    m_pOutputList->SetSystemModel(model);
    if (!model) {
        return;
    }
    const QString stored = model->GetSystemValue(QStringLiteral("language"));
    int index = 0;
    for (int i = 0; i < 4; ++i) {
        if (stored == QLatin1String(LanguageSettings[i])) {
            index = i;
        }
    }
    if (index < m_pLanguageCombo->count()) {
        if (m_pLanguageCombo->currentIndex() == index) {
            on_Language_combo_currentIndexChanged(index);
        } else {
            m_pLanguageCombo->setCurrentIndex(index);
        }
    } else {
        // Italian is not offered in the combo; the stored setting still applies it.
        on_Language_combo_currentIndexChanged(index);
    }
}

void Page1::SetMainWindow(QObject* target) {
    m_pMainWindow = target;
}

void Page1::on_Language_combo_currentIndexChanged(int index) {
    if (!QUserActivity::StartupDone()) {
        return;
    }
    ApplyLanguage(index);
}

void Page1::ApplyLanguage(int index) {
    if (index < 0 || index > 3) {
        return;
    }
    const QString folder = QStringLiteral(":/lan/");
    QCoreApplication::removeTranslator(&m_ProgramTranslator);
    const bool loaded = m_ProgramTranslator.load(QLatin1String(kProgramFiles[index]), folder);
    QCoreApplication::installTranslator(&m_ProgramTranslator);
    QCoreApplication::removeTranslator(&m_QtTranslator);
    if (!m_QtTranslator.load(QLatin1String(kQtFiles[index]), folder)) {
        // No Qt texts for this language: an older translation must not linger.
        (void)m_QtTranslator.load(QString());
    }
    QCoreApplication::installTranslator(&m_QtTranslator);

    Retranslate();
    m_Weekdays = {tr("Sunday"),   tr("Monday"), tr("Tuesday"), tr("Wednesday"),
                  tr("Thursday"), tr("Friday"), tr("Saturday")};
    m_nLanguage = loaded ? index : 0;
    // Italian has no entry of its own in the combo; its name stands in the empty box.
    m_pLanguageCombo->setPlaceholderText(m_nLanguage == 3 ? tr("Italiano") : QString());
    emit LanguageChanged(m_nLanguage);
    SetComboTexts();
    if (m_pSystem) {
        SetPlantStateTexts(m_pSystem->HasActiveFault());
        SetLevelTexts();
    }
}

void Page1::on_UserCombo_currentIndexChanged(int index) {
    if (index != kAdministratorIndex) {
        m_pPassEdit->setEnabled(false);
        m_pPassEdit->setText(GuestFiller);
    } else {
        m_pPassEdit->setEnabled(true);
        m_pPassEdit->clear();
    }
    QUserActivity::Touch();
}

void Page1::on_LogonBtn_clicked() {
    QUserActivity::Touch();
    LogonCore();
}

void Page1::LogonAdministrator() {
    m_pUserCombo->setCurrentIndex(kAdministratorIndex);
    on_UserCombo_currentIndexChanged(kAdministratorIndex);
    m_pPassEdit->setText(m_pSystem ? m_pSystem->Settings().PassWord() : QString());
    QUserActivity::Touch();
    LogonCore();
}

void Page1::LogonCore() {
    auto setLevel = [this](int level) {
        if (m_pSystem) {
            m_pSystem->SetUserLevel(level);
        }
    };
    if (m_pLogonBtn->text() != tr("Logon")) {
        m_pPassEdit->setText(GuestFiller);
        m_pUserCombo->setCurrentIndex(kGuestIndex);
        m_pPassEdit->setEnabled(false);
        m_pLogonBtn->setText(tr("Logon"));
        setLevel(UserGuest);
        ShowMessage(tr("Logout successful!"), MessageBox::TypeOk, this);
    } else if (m_pUserCombo->currentIndex() != kAdministratorIndex) {
        setLevel(UserGuest);
    } else if (m_pSystem && m_pPassEdit->text() == m_pSystem->Settings().PassWord()) {
        m_pLogonBtn->setText(tr("Off"));
        m_pPassEdit->setEnabled(false);
        setLevel(UserAdministrator);
    } else {
        m_pLogonBtn->setText(tr("Logon"));
        setLevel(UserGuest);
        ShowMessage(tr("Login failed!"), MessageBox::TypeOk, this);
    }
    if (m_pMainWindow) {
        QEvent changed{QEvent::Type(EventUserLevelChanged)};
        QCoreApplication::sendEvent(m_pMainWindow, &changed);
    }
}

void Page1::SetPlantName(const QString& name) {
    m_pNameLabel->setText(name);
}

void Page1::SetLinkState(const QString& text, bool ok) {
    m_pConnect->setText(text);
    m_pLightConnect->setStyleSheet(ok ? kLightGreen : kLightRed);
}

void Page1::AddOutputInverter(QInverter* inverter) {
    m_pOutputList->AddInverter(inverter);
}

void Page1::SetBeginTime(int hour) {
    m_pOutputList->SetStartHour(hour);
}

void Page1::SyncOutputInverters() {
    m_pOutputList->SyncWithPlant();
}

void Page1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    OnFlashTimer();
}

void Page1::OnFlashTimer() {
    if (!m_pSystem || IsHiddenInItsWindow(this)) {
        return;
    }
    const QPlantSums sums = m_pSystem->PlantSums();
    const qint64 total = sums.m_nTotal;
    const float co2 = float(total * 0.997);
    const double benefit = double(total) * m_pSystem->Settings().Price() / 10000.0;
    SetSteadyText(m_pInput, QString::number(sums.m_nInput));
    SetSteadyText(m_pOutput, QString::number(sums.m_nOutput));
    SetSteadyText(m_pSingle, QString::number(sums.m_nSingle));
    SetSteadyText(m_pThree, QString::number(sums.m_nThree));
    SetSteadyText(m_pToday, QString::asprintf("%0.2f", sums.m_nToday / 100.0));
    SetSteadyText(m_pTotal, QString::asprintf("%0.2f", total / 100.0));
    SetSteadyText(m_pCo2, QString::asprintf("%0.2f", co2 / 100.0));
    SetSteadyText(m_pBenefit, QString::asprintf("%0.2f", benefit));
    SetTextIfChanged(m_pCurrency, m_pSystem->Settings().CurrencyUnit());
    SetPlantStateTexts(m_pSystem->HasActiveFault());
    m_pFaultList->Refresh();
}

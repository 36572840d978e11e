#include "QInverterSetDlg.h"

#include "InverterCodeLetters.h"
#include "InverterData.h"
#include "MaintenanceReads.h"
#include "MessageBox.h"
#include "QAllFaultDlg.h"
#include "QDataDlg.h"
#include "QInverter.h"
#include "QInverterLogonDlg.h"
#include "QMyEvent.h"
#include "QProtectPoint.h"
#include "QReadDlg.h"
#include "QSetInverterPassDlg.h"
#include "QSetInverterTdlg.h"
#include "QSystemModel.h"
#include "QWriteDlg.h"
#include "SettingText.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char* const kLanguages[InverterCodeLetters::LanguageCount] = {
    QT_TRANSLATE_NOOP("QInverterSetDlg", "Chinese"), QT_TRANSLATE_NOOP("QInverterSetDlg", "English"),
    QT_TRANSLATE_NOOP("QInverterSetDlg", "German"),  QT_TRANSLATE_NOOP("QInverterSetDlg", "French"),
    QT_TRANSLATE_NOOP("QInverterSetDlg", "Italian"),
};
const char* const kUnits[InverterCodeLetters::UnitCount] = {
    QT_TRANSLATE_NOOP("QInverterSetDlg", "CNY"), QT_TRANSLATE_NOOP("QInverterSetDlg", "USD"),
    QT_TRANSLATE_NOOP("QInverterSetDlg", "GBP"), QT_TRANSLATE_NOOP("QInverterSetDlg", "EUR"),
    QT_TRANSLATE_NOOP("QInverterSetDlg", "AUD"),
};

constexpr int kShutdownStatus = 5;
constexpr int kLoggedOff = 1;
constexpr int kLoggedOn = 2;
constexpr int kMaxPowerPercent = 100;

// The device counts years from 2000 in one byte and shows them as "20yy".
const QDateTime kFirstClock(QDate(2000, 1, 1), QTime(0, 0, 0));
const QDateTime kLastClock(QDate(2099, 12, 31), QTime(23, 59, 59));

QLabel* AddRow(QGridLayout* grid, int row, QWidget* field, QWidget* button = nullptr) {
    auto* label = new QLabel(field->parentWidget());
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    if (button) {
        grid->addWidget(button, row, 2);
    }
    return label;
}

} // namespace

QInverterSetDlg::QInverterSetDlg(QWidget* parent) : QMaintenanceDlg(parent, "QInverterSetDlg") {
    BuildForm();
    QReplyHook::SetHook(&QInverterSetDlg::RouteReply);
    m_pFlashTimer = new QTimer(this);
    m_pFlashTimer->setInterval(FlashInterval);
    connect(m_pFlashTimer, &QTimer::timeout, this, &QInverterSetDlg::OnFlashTimer);
    m_pFlashTimer->start();
}

QInverterSetDlg::~QInverterSetDlg() {
    QReplyHook::SetTarget(TargetNobody);
    // A logon lasts only while the dialog is open.
    if (m_pInverter && (!m_pPlant || m_pPlant->Inverters().contains(m_pInverter))) {
        m_pInverter->Logoff();
    }
}

// ---------------------------------------------------------------- form

void QInverterSetDlg::BuildForm() {
    setWindowTitle(tr("Form"));
    QVBoxLayout* layout = StartForm();

    auto* columns = new QHBoxLayout;
    columns->setSpacing(16);
    auto* left = new QVBoxLayout;
    left->setSpacing(10);
    auto* identity = new QGroupBox(tr("Inverter"), this);
    identity->setObjectName(QStringLiteral("identityBox"));
    BuildIdentity(identity);
    left->addWidget(identity);
    auto* settings = new QGroupBox(tr("Settings"), this);
    settings->setObjectName(QStringLiteral("settingsBox"));
    BuildSettings(settings);
    left->addWidget(settings);
    left->addStretch(1);
    columns->addLayout(left, 3);

    auto* maintenance = new QGroupBox(tr("Maintenance"), this);
    maintenance->setObjectName(QStringLiteral("maintenanceBox"));
    BuildMaintenance(maintenance);
    columns->addWidget(maintenance, 2);
    layout->addLayout(columns);

    // The captions of both boxes in one column width, so their fields line up.
    int captionWidth = 0;
    const QList<QLabel*> captions = identity->findChildren<QLabel*>() + settings->findChildren<QLabel*>();
    for (QLabel* caption : captions) {
        captionWidth = qMax(captionWidth, caption->sizeHint().width());
    }
    for (QLabel* caption : captions) {
        caption->setMinimumWidth(captionWidth);
    }
}

QPushButton* QInverterSetDlg::AddButton(const char* objectName, const char* text,
                                        void (QInverterSetDlg::*slot)()) {
    QPushButton* button = NewButton(objectName);
    button->setText(QCoreApplication::translate("QInverterSetDlg", text));
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

void QInverterSetDlg::BuildIdentity(QGroupBox* box) {
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    m_pName = NewEdit("Edit_Name");
    m_pLocation = NewEdit("Edit_Location");
    AddRow(grid, 0, m_pName)->setText(tr("Inverter Name:"));
    AddRow(grid, 1, m_pLocation)->setText(tr("Location:"));
    // Save keeps both the name and the location.
    grid->addWidget(AddButton("pushButton", QT_TR_NOOP("Save"), &QInverterSetDlg::on_pushButton_clicked), 0,
                    2, 2, 1, Qt::AlignVCenter);

    m_pDateTime = new QDateTimeEdit(box);
    m_pDateTime->setObjectName(QStringLiteral("dateTimeEdit"));
    m_pDateTime->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    m_pDateTime->setDateTimeRange(kFirstClock, kLastClock);
    m_pDateTime->setCalendarPopup(true);
    auto* clock = new QHBoxLayout;
    clock->setSpacing(8);
    clock->addWidget(m_pDateTime, 1);
    clock->addWidget(
        AddButton("Local_Time", QT_TR_NOOP("Local Time"), &QInverterSetDlg::on_Local_Time_clicked));
    auto* clockLabel = new QLabel(tr("Inverter time:"), box);
    grid->addWidget(clockLabel, 2, 0);
    grid->addLayout(clock, 2, 1);
    grid->addWidget(AddButton("SetTime", QT_TR_NOOP("Set"), &QInverterSetDlg::on_SetTime_clicked), 2, 2);
    grid->setColumnStretch(1, 1);
}

void QInverterSetDlg::BuildSettings(QGroupBox* box) {
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    m_pLanguage = new QComboBox(box);
    m_pLanguage->setObjectName(QStringLiteral("com_language"));
    for (const char* language : kLanguages) {
        m_pLanguage->addItem(tr(language));
    }
    m_pUnit = new QComboBox(box);
    m_pUnit->setObjectName(QStringLiteral("com_unit"));
    for (const char* unit : kUnits) {
        m_pUnit->addItem(tr(unit));
    }
    m_pPrice = NewEdit("Edit_Price");
    m_pPrice->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^[0-9]{1,9}[.]{1}[0-9]{0,2}$")), this));
    m_pUserLabel = NewEdit("Edit_User_label");
    m_pMaxPower = NewEdit("Edit_MaxOutputPower");
    m_pMaxPower->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^[0-9]*$")), this));

    AddRow(grid, 0, m_pLanguage,
           AddButton("LanguageBtn", QT_TR_NOOP("Set"), &QInverterSetDlg::on_LanguageBtn_clicked))
        ->setText(tr("Language:"));
    AddRow(grid, 1, m_pUnit, AddButton("UnitBtn", QT_TR_NOOP("Set"), &QInverterSetDlg::on_UnitBtn_clicked))
        ->setText(tr("Monetary unit:"));
    AddRow(grid, 2, m_pPrice, AddButton("PriceBtn", QT_TR_NOOP("Set"), &QInverterSetDlg::on_PriceBtn_clicked))
        ->setText(tr("Price:"));
    AddRow(grid, 3, m_pUserLabel,
           AddButton("User_Label_Btn", QT_TR_NOOP("Set"), &QInverterSetDlg::on_User_Label_Btn_clicked))
        ->setText(tr("User label:"));
    AddRow(
        grid, 4, m_pMaxPower,
        AddButton("MaxOutputPower_Btn", QT_TR_NOOP("Set"), &QInverterSetDlg::on_MaxOutputPower_Btn_clicked))
        ->setText(tr("Max output power(%):"));
    grid->setColumnStretch(1, 1);
}

void QInverterSetDlg::BuildMaintenance(QGroupBox* box) {
    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(6);
    auto* state = new QHBoxLayout;
    auto* stateCaption = new QLabel(tr("Logon state:"), box);
    m_pLogonState = new QLabel(box);
    m_pLogonState->setObjectName(QStringLiteral("LogonState"));
    state->addWidget(stateCaption);
    state->addWidget(m_pLogonState, 1);
    layout->addLayout(state);

    struct ActionButton {
        const char* name;
        const char* text;
        void (QInverterSetDlg::*slot)();
    };
    // The logon and what it allows, the reads, and apart the commands that
    // act on the device at once.
    const ActionButton access[] = {
        {"pushButton_2", QT_TR_NOOP("Logon"), &QInverterSetDlg::on_pushButton_2_clicked},
        {"ResetBtn_5", QT_TR_NOOP("Set password"), &QInverterSetDlg::on_ResetBtn_5_clicked},
        {"ShutDownBtn_3", QT_TR_NOOP("Set T1"), &QInverterSetDlg::on_ShutDownBtn_3_clicked},
    };
    const ActionButton memory[] = {
        {"ShutDownBtn_2", QT_TR_NOOP("All data"), &QInverterSetDlg::on_ShutDownBtn_2_clicked},
        {"AllFault", QT_TR_NOOP("All fault"), &QInverterSetDlg::on_AllFault_clicked},
        {"AllFault_2", QT_TR_NOOP("Pro-point"), &QInverterSetDlg::on_AllFault_2_clicked},
        {"ResetBtn_2", QT_TR_NOOP("Read"), &QInverterSetDlg::on_ResetBtn_2_clicked},
    };
    const ActionButton commands[] = {
        {"ShutDownBtn", QT_TR_NOOP("ON/OFF"), &QInverterSetDlg::on_ShutDownBtn_clicked},
        {"ResetBtn", QT_TR_NOOP("Reset"), &QInverterSetDlg::on_ResetBtn_clicked},
        {"ResetBtn_4", QT_TR_NOOP("Clear-stati"), &QInverterSetDlg::on_ResetBtn_4_clicked},
        {"startBtn", QT_TR_NOOP("Fac-Reset"), &QInverterSetDlg::on_startBtn_clicked},
        {"ResetBtn_3", QT_TR_NOOP("Write"), &QInverterSetDlg::on_ResetBtn_3_clicked},
    };
    auto addSection = [&](const QString& caption, const ActionButton* buttons, int count) {
        layout->addSpacing(6);
        auto* label = new QLabel(caption, box);
        label->setObjectName(QStringLiteral("captionLabel"));
        layout->addWidget(label);
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(10);
        grid->setVerticalSpacing(8);
        for (int i = 0; i < count; ++i) {
            QPushButton* button = AddButton(buttons[i].name, buttons[i].text, buttons[i].slot);
            button->setMinimumWidth(112);
            grid->addWidget(button, i / 2, i % 2);
        }
        layout->addLayout(grid);
    };
    addSection(tr("Password"), access, 3);
    addSection(tr("Information"), memory, 4);
    addSection(tr("Commands"), commands, 5);
    layout->addStretch(1);
}

// ---------------------------------------------------------------- loading

void QInverterSetDlg::SetCurrentInverter(QInverter* inverter) {
    if (!inverter) {
        close();
        return;
    }
    QMaintenanceDlg::SetCurrentInverter(inverter);
    m_pName->setText(inverter->Name());
    m_pLocation->setText(inverter->Location());

    const int time = inverter->ItemValue(ClockTime);
    const int date = inverter->ItemValue(ClockDate);
    const QDateTime clock(QDate(2000 + (date >> 16 & 0xFF), date >> 8 & 0xFF, date & 0xFF),
                          QTime(time >> 16 & 0xFF, time >> 8 & 0xFF, time & 0xFF));
    if (clock.isValid()) {
        m_pDateTime->setDateTime(clock);
    }
    m_pPrice->setText(QString::asprintf("%0.2f", inverter->ItemValue(PriceSetting) / 100.0));
    m_pMaxPower->setText(QString::asprintf("%d", inverter->ItemValue(MaxOutputSetting) / 100));
    m_pUserLabel->setText(inverter->UserLabel());
    m_pLanguage->setCurrentIndex(InverterCodeLetters::LanguageIndex(inverter->LanguageCode()));
    m_pUnit->setCurrentIndex(InverterCodeLetters::UnitIndex(inverter->MonetaryCode()));
    OnFlashTimer();
}

void QInverterSetDlg::OnFlashTimer() {
    if (!m_pInverter) {
        return;
    }
    switch (m_pInverter->ItemValue(LogonState)) {
    case kLoggedOn:
        m_pLogonState->setText(tr("Logged in"));
        m_pLogonState->setStyleSheet(QStringLiteral("color: rgb(0,255,0);"));
        break;
    case kLoggedOff:
        m_pLogonState->setText(tr("No login"));
        m_pLogonState->setStyleSheet(QStringLiteral("color: rgb(255,0,0);"));
        break;
    default:
        m_pLogonState->setText(tr("No password"));
        m_pLogonState->setStyleSheet(QStringLiteral("color: rgb(0,0,0);"));
        break;
    }
}

// ---------------------------------------------------------------- checks

bool QInverterSetDlg::CheckOnline() {
    if (!m_pInverter) {
        return false;
    }
    if (m_pInverter->CommState() != CommOnline) {
        ShowMessage(tr("The inverter is offline!"), MessageBox::TypeOk, this);
        return false;
    }
    return true;
}

bool QInverterSetDlg::CheckLogon() {
    if (m_pInverter->ItemValue(LogonState) == kLoggedOff) {
        ShowMessage(tr("You need to enter the password of the inverter!"), MessageBox::TypeOk, this);
        return false;
    }
    return true;
}

bool QInverterSetDlg::Confirm(const QString& question) {
    return ShowMessage(question, MessageBox::TypeYesNo, this) == 1;
}

// ---------------------------------------------------------------- identity and clock

void QInverterSetDlg::on_Local_Time_clicked() {
    m_pDateTime->setDateTime(QDateTime::currentDateTime());
}

void QInverterSetDlg::on_pushButton_clicked() {
    if (!m_pInverter) {
        return;
    }
    // inverter.dat separates its fields with control characters: a pasted one would split the record.
    const QString name = SettingText::WithoutControls(m_pName->text());
    if (name.isEmpty()) {
        ShowMessage(tr("Inverter name cannot be empty!"), MessageBox::TypeOk, this);
        return;
    }
    if (name != m_pInverter->Name() && m_pPlant) {
        // The inverter's data folder moves with the name, unless another inverter has it.
        const RenameResult result = m_pPlant->RenameInverter(m_pInverter, name);
        // "Successfully saved!" would be shown although the name stayed as it was.
        if (result == RenameNameUsed) {
            ShowMessage(tr("The name is used by another inverter!"), MessageBox::TypeOk, this);
            return;
        }
        if (result == RenameFolderTaken) {
            ShowMessage(tr("The files of the inverter cannot move to this name!"), MessageBox::TypeOk, this);
            return;
        }
    }
    m_pInverter->SetLocation(SettingText::WithoutControls(m_pLocation->text()));
    if (QObject* opener = parent()) {
        QMyEvent edited(QEvent::Type(EventInverterEdited), reinterpret_cast<qintptr>(m_pInverter), 0);
        QCoreApplication::sendEvent(opener, &edited);
    }
    ShowMessage(tr("Successfully saved!"), MessageBox::TypeOk, this);
}

void QInverterSetDlg::on_SetTime_clicked() {
    if (!CheckOnline()) {
        return;
    }
    const QDateTime chosen = m_pDateTime->dateTime();
    const QDate d = chosen.date();
    const QTime t = chosen.time();
    m_pInverter->SetClock((d.year() - 2000) * 65536 + d.month() * 256 + d.day(),
                          t.hour() * 65536 + t.minute() * 256 + t.second());
}

// ---------------------------------------------------------------- settings

void QInverterSetDlg::on_PriceBtn_clicked() {
    if (!CheckOnline()) {
        return;
    }
    bool ok = false;
    const qint64 hundredths = SettingText::Hundredths(m_pPrice->text(), &ok);
    // The price register holds 0 to 655.35: a larger price would arrive cut to its low 16 bits.
    if (!ok || hundredths < 0 || hundredths > 0xFFFF) {
        ShowMessage(tr("Failed to set the price!"), MessageBox::TypeOk, this);
        return;
    }
    m_pInverter->SetPrice(int(hundredths));
}

void QInverterSetDlg::on_MaxOutputPower_Btn_clicked() {
    if (!CheckOnline()) {
        return;
    }
    bool ok = false;
    const int percent = m_pMaxPower->text().toInt(&ok);
    // An empty or overlong text is no number; read as 0 it would stop the inverter feeding in.
    if (!ok || percent < 0 || percent > kMaxPowerPercent) {
        ShowMessage(tr("Failed to set the max output power!"), MessageBox::TypeOk, this);
        return;
    }
    m_pInverter->SetMaxOutputPower(percent * 100);
}

void QInverterSetDlg::on_LanguageBtn_clicked() {
    if (CheckOnline()) {
        m_pInverter->SetLanguage(InverterCodeLetters::LanguageLetter(m_pLanguage->currentIndex()));
    }
}

void QInverterSetDlg::on_UnitBtn_clicked() {
    if (CheckOnline()) {
        m_pInverter->SetMonetaryUnit(InverterCodeLetters::UnitLetter(m_pUnit->currentIndex()));
    }
}

void QInverterSetDlg::on_User_Label_Btn_clicked() {
    if (CheckOnline()) {
        m_pInverter->SetUserLabel(m_pUserLabel->text());
    }
}

// ---------------------------------------------------------------- commands

void QInverterSetDlg::on_ShutDownBtn_clicked() {
    if (!CheckOnline() || !CheckLogon()) {
        return;
    }
    const bool switchOn = m_pInverter->ItemValue(OperatingStatus) == kShutdownStatus;
    const QString question =
        switchOn ? tr("Switch on the inverter %1? It starts feeding into the grid.").arg(m_pInverter->Name())
                 : tr("Switch off the inverter %1? It stops feeding into the grid.").arg(m_pInverter->Name());
    if (Confirm(question)) {
        m_pInverter->SwitchOnOff(switchOn);
    }
}

void QInverterSetDlg::on_ResetBtn_clicked() {
    if (CheckOnline() && CheckLogon() &&
        Confirm(tr("Restart the inverter %1? It stops feeding in until its self-test is over.")
                    .arg(m_pInverter->Name()))) {
        m_pInverter->ResetInverter();
    }
}

void QInverterSetDlg::on_startBtn_clicked() {
    if (CheckOnline() && CheckLogon() &&
        Confirm(
            tr("Reset the inverter %1 to its factory settings? Its settings, password and clock are lost.")
                .arg(m_pInverter->Name()))) {
        m_pInverter->FactoryReset();
    }
}

void QInverterSetDlg::on_ResetBtn_4_clicked() {
    if (CheckOnline() && CheckLogon() &&
        Confirm(tr("Clear the statistics of the inverter %1? Its daily, monthly and peak values are erased.")
                    .arg(m_pInverter->Name()))) {
        m_pInverter->ClearStatistics();
    }
}

// ---------------------------------------------------------------- logon, password, tariff

void QInverterSetDlg::on_pushButton_2_clicked() {
    if (!CheckOnline()) {
        return;
    }
    QInverterLogonDlg dialog(this);
    dialog.SetCurrentInverter(m_pInverter);
    dialog.exec();
    if (dialog.IsAccepted()) {
        m_pInverter->Logon(dialog.Password());
    }
}

void QInverterSetDlg::on_ResetBtn_5_clicked() {
    if (!CheckOnline() || !CheckLogon()) {
        return;
    }
    QSetInverterPassDlg dialog(this);
    dialog.SetCurrentInverter(m_pInverter);
    dialog.exec();
    if (dialog.IsAccepted()) {
        m_pInverter->SetInverterPassword(dialog.NewPassword());
    }
}

void QInverterSetDlg::on_ShutDownBtn_3_clicked() {
    if (!CheckOnline() || !CheckLogon()) {
        return;
    }
    QSetInverterTdlg dialog(this);
    dialog.SetCurrentInverter(m_pInverter);
    dialog.exec();
    if (dialog.IsAccepted()) {
        m_pInverter->SetTariffPeriod(0, dialog.Start(), dialog.End());
    }
}

// ---------------------------------------------------------------- maintenance dialogs

void QInverterSetDlg::RunChild(QMaintenanceDlg& child, int target) {
    child.SetCurrentInverter(m_pInverter);
    QReplyHook::SetTarget(target);
    child.exec();
    // Replies still on their way when the child closed reach nobody.
    QReplyHook::SetTarget(TargetNobody);
}

void QInverterSetDlg::on_ShutDownBtn_2_clicked() {
    if (CheckOnline()) {
        QDataDlg dialog(this);
        RunChild(dialog, TargetStatistics);
    }
}

void QInverterSetDlg::on_AllFault_clicked() {
    if (CheckOnline()) {
        QAllFaultDlg dialog(this);
        RunChild(dialog, TargetFaultMemory);
    }
}

void QInverterSetDlg::on_AllFault_2_clicked() {
    if (CheckOnline()) {
        QProtectPoint dialog(this);
        RunChild(dialog, TargetProtectPoints);
    }
}

void QInverterSetDlg::on_ResetBtn_2_clicked() {
    if (CheckOnline()) {
        QReadDlg dialog(this);
        RunChild(dialog, TargetRawRead);
    }
}

void QInverterSetDlg::on_ResetBtn_3_clicked() {
    if (CheckOnline()) {
        QWriteDlg dialog(this);
        RunChild(dialog, TargetRawWrite);
    }
}

void QInverterSetDlg::RouteReply(QMissionModel* mission, int target) {
    switch (target) {
    case TargetStatistics:
        if (QDataDlg* dialog = QDataDlg::Current()) {
            dialog->Decode(mission);
        }
        break;
    case TargetFaultMemory:
        if (QAllFaultDlg* dialog = QAllFaultDlg::Current()) {
            dialog->Decode(mission);
        }
        break;
    case TargetProtectPoints:
        if (QProtectPoint* dialog = QProtectPoint::Current()) {
            dialog->ShowProtectPoints(mission);
        }
        break;
    case TargetRawRead:
    case TargetRawWrite:
        // A write's answer only says "Set successfully!", which the main window shows.
        if (QReadDlg* dialog = QReadDlg::Current()) {
            dialog->ShowReadReply(mission);
        }
        break;
    default:
        break;
    }
}

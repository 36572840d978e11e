#include "QSaveDialog.h"

#include "MessageBox.h"
#include "QInverter.h"
#include "QSystemModel.h"
#include "SystemClock.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const char* const kKinds[QSaveDialog::KindCount] = {
    QT_TRANSLATE_NOOP("QSaveDialog", "System information"),
    QT_TRANSLATE_NOOP("QSaveDialog", "Inverter information"),
    QT_TRANSLATE_NOOP("QSaveDialog", "System generation"),
    QT_TRANSLATE_NOOP("QSaveDialog", "Inverter generation"),
};
const QDate kFirstDate(2011, 1, 1);
const QString kButtonSkin = QStringLiteral("QPushButton{border-image: url(:/skin/btn1.png);}\n"
                                           "QPushButton::hover {border-image: url(:/skin/btn2.png);}\n"
                                           "QPushButton::pressed {border-image: url(:/skin/btn3.png);}");

QSaveDialog::Hook& TheHook() {
    static QSaveDialog::Hook hook;
    return hook;
}

bool UsesInverter(int kind) {
    return kind == SaveRequest::InverterInformation || kind == SaveRequest::InverterGeneration;
}

bool UsesPeriod(int kind) {
    return kind == SaveRequest::SystemGeneration || kind == SaveRequest::InverterGeneration;
}
} // namespace

QSaveDialog::QSaveDialog(QWidget* parent) : BaseDlg(parent) {
    setObjectName(QStringLiteral("QSaveDialog"));
    BuildForm();
    Retranslate();
    m_pDaily->setChecked(true);
    m_pPath->setText(QDir::currentPath());
    m_pPath->setToolTip(QDir::currentPath());
    const QDate today = SystemClock::CurrentDate();
    for (QDateEdit* edit : {m_pFrom, m_pTo}) {
        edit->setDateRange(kFirstDate, today);
        edit->setDate(today);
    }
    on_com_select_currentIndexChanged(m_pSelect->currentIndex());
}

void QSaveDialog::BuildForm() {
    setStyleSheet(QStringLiteral("QSaveDialog { background: white; }"
                                 "QLabel#caption { color: rgb(110,118,130); }"
                                 "QPushButton#printbtn, QPushButton#savebtn, QPushButton#cancelbtn {"
                                 " min-width: 80px; min-height: 26px; border: none; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 12, 20, 16);
    layout->setSpacing(10);
    m_pCaption = new QLabel(this);
    m_pCaption->setObjectName(QStringLiteral("caption"));
    layout->addWidget(m_pCaption);
    layout->addSpacing(4);

    auto label = [this](QLabel*& field) {
        field = new QLabel(this);
        return field;
    };
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    grid->setColumnStretch(1, 1);

    m_pSelect = new QComboBox(this);
    m_pSelect->setObjectName(QStringLiteral("com_select"));
    grid->addWidget(label(m_pSelectLabel), 0, 0);
    grid->addWidget(m_pSelect, 0, 1, 1, 3);

    m_pInverterBox = new QComboBox(this);
    m_pInverterBox->setObjectName(QStringLiteral("com_inverter"));
    grid->addWidget(label(m_pInverterLabel), 1, 0);
    grid->addWidget(m_pInverterBox, 1, 1, 1, 3);

    m_pFrom = new QDateEdit(this);
    m_pFrom->setObjectName(QStringLiteral("dateEdit"));
    m_pTo = new QDateEdit(this);
    m_pTo->setObjectName(QStringLiteral("dateEdit_2"));
    for (QDateEdit* edit : {m_pFrom, m_pTo}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    }
    auto* dash = new QLabel(QStringLiteral("-"), this);
    dash->setAlignment(Qt::AlignCenter);
    grid->addWidget(label(m_pTimeLabel), 2, 0);
    grid->addWidget(m_pFrom, 2, 1);
    grid->addWidget(dash, 2, 2);
    grid->addWidget(m_pTo, 2, 3);

    m_pDaily = new QRadioButton(this);
    m_pDaily->setObjectName(QStringLiteral("radioButton"));
    m_pMonthly = new QRadioButton(this);
    m_pMonthly->setObjectName(QStringLiteral("radioButton_2"));
    m_pYearly = new QRadioButton(this);
    m_pYearly->setObjectName(QStringLiteral("radioButton_3"));
    auto* periods = new QHBoxLayout;
    periods->setSpacing(18);
    periods->addWidget(m_pDaily);
    periods->addWidget(m_pMonthly);
    periods->addWidget(m_pYearly);
    periods->addStretch(1);
    grid->addLayout(periods, 3, 1, 1, 3);
    layout->addLayout(grid);

    auto* line = new QWidget(this);
    line->setObjectName(QStringLiteral("widget"));
    line->setStyleSheet(QStringLiteral("background-color: rgb(0, 0, 0);"));
    line->setFixedHeight(1);
    layout->addWidget(line);

    auto* files = new QGridLayout;
    files->setHorizontalSpacing(10);
    files->setVerticalSpacing(10);
    files->setColumnStretch(1, 1);
    m_pPath = new QLineEdit(this);
    m_pPath->setObjectName(QStringLiteral("filePath"));
    m_pPath->setReadOnly(true);
    m_pFileBtn = new QPushButton(this);
    m_pFileBtn->setObjectName(QStringLiteral("filebtn"));
    m_pFileBtn->setCursor(Qt::PointingHandCursor);
    files->addWidget(label(m_pPathLabel), 0, 0);
    files->addWidget(m_pPath, 0, 1, 1, 2);
    files->addWidget(m_pFileBtn, 0, 3);
    m_pName = new QLineEdit(this);
    m_pName->setObjectName(QStringLiteral("name_edit"));
    m_pSaveAs = new QComboBox(this);
    m_pSaveAs->setObjectName(QStringLiteral("com_save_as"));
    m_pSaveAs->setMinimumWidth(70);
    files->addWidget(label(m_pNameLabel), 1, 0);
    files->addWidget(m_pName, 1, 1);
    files->addWidget(label(m_pSaveAsLabel), 1, 2, Qt::AlignRight);
    files->addWidget(m_pSaveAs, 1, 3);
    layout->addLayout(files);
    layout->addSpacing(6);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(16);
    buttons->addStretch(1);
    m_pPrintBtn = new QPushButton(this);
    m_pPrintBtn->setObjectName(QStringLiteral("printbtn"));
    m_pSaveBtn = new QPushButton(this);
    m_pSaveBtn->setObjectName(QStringLiteral("savebtn"));
    m_pSaveBtn->setDefault(true);
    m_pCancelBtn = new QPushButton(this);
    m_pCancelBtn->setObjectName(QStringLiteral("cancelbtn"));
    m_pCancelBtn->setShortcut(QKeySequence(Qt::Key_Escape));
    for (QPushButton* button : {m_pPrintBtn, m_pSaveBtn, m_pCancelBtn}) {
        button->setStyleSheet(kButtonSkin);
        button->setCursor(Qt::PointingHandCursor);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);

    for (int kind = 0; kind < KindCount; ++kind) {
        m_pSelect->addItem(QString());
    }
    connect(m_pCancelBtn, &QPushButton::clicked, this, &QSaveDialog::on_cancelbtn_clicked);
    connect(m_pFileBtn, &QPushButton::clicked, this, &QSaveDialog::on_filebtn_clicked);
    connect(m_pInverterBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &QSaveDialog::on_com_inverter_currentIndexChanged);
    connect(m_pSelect, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &QSaveDialog::on_com_select_currentIndexChanged);
    connect(m_pPrintBtn, &QPushButton::clicked, this, &QSaveDialog::on_printbtn_clicked);
    connect(m_pSaveBtn, &QPushButton::clicked, this, &QSaveDialog::on_savebtn_clicked);
    setFixedWidth(470);
}

void QSaveDialog::Retranslate() {
    setWindowTitle(tr("Dialog"));
    m_pCaption->setText(tr("Save and print"));
    m_pSelectLabel->setText(tr("Select:"));
    m_pInverterLabel->setText(tr("Inverter:"));
    m_pTimeLabel->setText(tr("Time:"));
    m_pDaily->setText(tr("Daily"));
    m_pMonthly->setText(tr("Monthly"));
    m_pYearly->setText(tr("Yearly"));
    m_pPathLabel->setText(tr("Save to:"));
    m_pFileBtn->setText(tr("Browse..."));
    m_pNameLabel->setText(tr("Name:"));
    m_pSaveAsLabel->setText(tr("Save as:"));
    m_pPrintBtn->setText(tr("Print"));
    m_pSaveBtn->setText(tr("Save"));
    m_pCancelBtn->setText(tr("Cancel"));
    for (int kind = 0; kind < KindCount; ++kind) {
        m_pSelect->setItemText(kind, tr(kKinds[kind]));
    }
}

void QSaveDialog::Fill(QSystemModel* plant, QInverter* inverter) {
    m_pSystem = plant;
    const QSignalBlocker quiet(m_pInverterBox);
    m_pInverterBox->clear();
    if (plant) {
        for (const QInverter* each : plant->Inverters()) {
            m_pInverterBox->addItem(each->Name());
        }
    }
    int index = m_pInverterBox->count() > 0 ? 0 : -1;
    if (inverter) {
        // An inverter not in the box leaves the choice as it is: relabelling an
        // item would report on one inverter under another's name.
        const int found =
            m_pInverterBox->findText(inverter->Name(), Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (found >= 0) {
            index = found;
        }
    }
    m_pInverterBox->setCurrentIndex(index);
    on_com_inverter_currentIndexChanged(index);
    const bool any = m_pInverterBox->count() > 0;
    m_pPrintBtn->setEnabled(any);
    m_pSaveBtn->setEnabled(any);
}

void QSaveDialog::on_com_select_currentIndexChanged(int index) {
    ApplyKind(index);
}

void QSaveDialog::ApplyKind(int kind) {
    m_pInverterBox->setEnabled(UsesInverter(kind));
    for (QWidget* widget :
         {static_cast<QWidget*>(m_pFrom), static_cast<QWidget*>(m_pTo), static_cast<QWidget*>(m_pDaily),
          static_cast<QWidget*>(m_pMonthly), static_cast<QWidget*>(m_pYearly)}) {
        widget->setEnabled(UsesPeriod(kind));
    }
    m_pSaveAs->clear();
    m_pSaveAs->addItems({QStringLiteral(".pdf"), QStringLiteral(".bmp")});
    if (UsesPeriod(kind)) {
        m_pSaveAs->addItems({QStringLiteral(".csv"), QStringLiteral(".txt")});
    }
    m_pName->setText(DefaultName(kind));
}

QString QSaveDialog::DefaultName(int kind) const {
    if (kind < 0 || kind >= KindCount) {
        return QString();
    }
    if (!UsesInverter(kind)) {
        return tr(kKinds[kind]);
    }
    return m_pInverter ? m_pInverter->Name() + QLatin1Char('-') + tr(kKinds[kind]) : QString();
}

void QSaveDialog::on_com_inverter_currentIndexChanged(int index) {
    if (!m_pSystem) {
        return;
    }
    m_pInverter = m_pSystem->Inverter(index);
    // The name follows the inverter, or the file would carry another inverter's name.
    if (UsesInverter(m_pSelect->currentIndex())) {
        m_pName->setText(DefaultName(m_pSelect->currentIndex()));
    }
}

void QSaveDialog::on_filebtn_clicked() {
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Save path"), QDir::currentPath(),
                                                             QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty()) {
        m_pPath->setText(folder);
        m_pPath->setToolTip(folder);
    }
}

void QSaveDialog::Finish(int action) {
    if (m_pName->text().isEmpty()) {
        ShowMessage(tr("File name cann't be empty!"), MessageBox::TypeOk, this);
        return;
    }
    m_nAction = action;
    accept();
}

void QSaveDialog::on_printbtn_clicked() {
    Finish(SaveRequest::ActionPrint);
}

void QSaveDialog::on_savebtn_clicked() {
    Finish(SaveRequest::ActionSave);
}

void QSaveDialog::on_cancelbtn_clicked() {
    m_nAction = SaveRequest::ActionNone;
    reject();
}

SaveRequest QSaveDialog::Request() const {
    SaveRequest request;
    request.m_nKind = m_pSelect->currentIndex();
    request.m_strFolder = m_pPath->text();
    request.m_strName = m_pName->text();
    request.m_From = m_pFrom->date();
    request.m_To = m_pTo->date();
    request.m_pInverter = m_pInverter;
    request.m_nOutput = m_pSaveAs->currentIndex() + 2;
    request.m_nPeriod = m_pDaily->isChecked()     ? 1
                        : m_pMonthly->isChecked() ? 2
                        : m_pYearly->isChecked()  ? 3
                                                  : 0;
    return request;
}

void QSaveDialog::Run() {
    if (TheHook()) {
        TheHook()(*this);
        return;
    }
    raise();
    exec();
}

void QSaveDialog::SetHook(Hook hook) {
    TheHook() = std::move(hook);
}

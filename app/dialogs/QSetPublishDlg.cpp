#include "QSetPublishDlg.h"

#include "QPlantPublisher.h"
#include "QSystemModel.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
const char* const kResultOk = "color: rgb(0,128,0);";
const char* const kResultBad = "color: rgb(200,0,0);";
} // namespace

QSetPublishDlg::QSetPublishDlg(QPlantPublisher& publisher, QSystemModel& plant, QWidget* parent)
    : BaseDlg(parent), m_Publisher(publisher), m_Plant(plant) {
    setObjectName(QStringLiteral("QSetPublishDlg"));
    BuildForm();
    Retranslate();
    Load(QPublishSettings::Load(m_Plant.Settings()));
    ShowStatus(m_Publisher.StatusText());
    m_pLog->setPlainText(m_Publisher.LogLines().join(QLatin1Char('\n')));
    connect(&m_Publisher, &QPlantPublisher::StatusChanged, this, &QSetPublishDlg::ShowStatus);
    connect(&m_Publisher, &QPlantPublisher::LogLine, m_pLog, &QPlainTextEdit::appendPlainText);
    connect(&m_Publisher, &QPlantPublisher::TestFinished, this, &QSetPublishDlg::OnTestFinished);
}

QSetPublishDlg::~QSetPublishDlg() = default;

void QSetPublishDlg::BuildForm() {
    setStyleSheet(QStringLiteral(
        "QSetPublishDlg { background: white; }"
        "QLabel#captionLabel { color: rgb(110,118,130); }"
        "QPushButton#OkBtn, QPushButton#CancelBtn, QPushButton#TestBtn { border: none;"
        " border-image: url(:/skin/btn1.png); min-width: 80px; min-height: 26px; padding: 0 8px; }"
        "QPushButton#OkBtn:hover, QPushButton#CancelBtn:hover, QPushButton#TestBtn:hover {"
        " border-image: url(:/skin/btn2.png); }"
        "QPushButton#OkBtn:pressed, QPushButton#CancelBtn:pressed, QPushButton#TestBtn:pressed {"
        " border-image: url(:/skin/btn3.png); }"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 12, 20, 16);
    layout->setSpacing(8);

    m_pCaption = new QLabel(this);
    m_pCaption->setObjectName(QStringLiteral("captionLabel"));
    layout->addWidget(m_pCaption);
    m_pEnabled = new QCheckBox(this);
    m_pEnabled->setObjectName(QStringLiteral("Enabled"));
    layout->addWidget(m_pEnabled);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(1, 1);
    auto addRow = [this, grid](int row, QLabel** label, QWidget* field) {
        *label = new QLabel(this);
        grid->addWidget(*label, row, 0);
        grid->addWidget(field, row, 1);
    };
    m_pHost = new QLineEdit(this);
    m_pHost->setObjectName(QStringLiteral("Host_edit"));
    addRow(0, &m_pHostLabel, m_pHost);
    m_pPort = new QSpinBox(this);
    m_pPort->setObjectName(QStringLiteral("Port_edit"));
    m_pPort->setRange(1, 65535);
    m_pPort->setFixedWidth(100);
    addRow(1, &m_pPortLabel, m_pPort);
    m_pUser = new QLineEdit(this);
    m_pUser->setObjectName(QStringLiteral("User_edit"));
    addRow(2, &m_pUserLabel, m_pUser);
    m_pPassword = new QLineEdit(this);
    m_pPassword->setObjectName(QStringLiteral("Password_edit"));
    m_pPassword->setEchoMode(QLineEdit::Password);
    addRow(3, &m_pPasswordLabel, m_pPassword);
    m_pTls = new QCheckBox(this);
    m_pTls->setObjectName(QStringLiteral("Tls"));
    grid->addWidget(m_pTls, 4, 1);
    auto* caRow = new QHBoxLayout;
    m_pCaFile = new QLineEdit(this);
    m_pCaFile->setObjectName(QStringLiteral("CaFile_edit"));
    m_pBrowseBtn = new QPushButton(this);
    m_pBrowseBtn->setObjectName(QStringLiteral("BrowseBtn"));
    caRow->addWidget(m_pCaFile, 1);
    caRow->addWidget(m_pBrowseBtn);
    m_pCaLabel = new QLabel(this);
    grid->addWidget(m_pCaLabel, 5, 0);
    grid->addLayout(caRow, 5, 1);
    m_pPrefix = new QLineEdit(this);
    m_pPrefix->setObjectName(QStringLiteral("Prefix_edit"));
    addRow(6, &m_pPrefixLabel, m_pPrefix);
    m_pDiscovery = new QCheckBox(this);
    m_pDiscovery->setObjectName(QStringLiteral("Discovery"));
    grid->addWidget(m_pDiscovery, 7, 1);
    layout->addLayout(grid);

    auto* testRow = new QHBoxLayout;
    m_pTestBtn = new QPushButton(this);
    m_pTestBtn->setObjectName(QStringLiteral("TestBtn"));
    m_pTestBtn->setCursor(Qt::PointingHandCursor);
    m_pResult = new QLabel(this);
    m_pResult->setObjectName(QStringLiteral("TestResult"));
    m_pResult->setWordWrap(true);
    testRow->addWidget(m_pTestBtn);
    testRow->addWidget(m_pResult, 1);
    layout->addLayout(testRow);

    m_pStatus = new QLabel(this);
    m_pStatus->setObjectName(QStringLiteral("Status"));
    m_pStatus->setWordWrap(true);
    layout->addWidget(m_pStatus);
    m_pLogLabel = new QLabel(this);
    layout->addWidget(m_pLogLabel);
    m_pLog = new QPlainTextEdit(this);
    m_pLog->setObjectName(QStringLiteral("Log"));
    m_pLog->setReadOnly(true);
    m_pLog->setMaximumBlockCount(QPlantPublisher::MaxLogLines);
    m_pLog->setMinimumHeight(90);
    layout->addWidget(m_pLog, 1);

    m_pOkBtn = new QPushButton(this);
    m_pOkBtn->setObjectName(QStringLiteral("OkBtn"));
    m_pOkBtn->setDefault(true);
    m_pCancelBtn = new QPushButton(this);
    m_pCancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    m_pCancelBtn->setShortcut(QKeySequence(Qt::Key_Escape));
    layout->addLayout(ButtonRow({m_pOkBtn, m_pCancelBtn}));

    connect(m_pTestBtn, &QPushButton::clicked, this, &QSetPublishDlg::on_TestBtn_clicked);
    connect(m_pBrowseBtn, &QPushButton::clicked, this, &QSetPublishDlg::on_BrowseBtn_clicked);
    connect(m_pOkBtn, &QPushButton::clicked, this, &QSetPublishDlg::on_OkBtn_clicked);
    connect(m_pCancelBtn, &QPushButton::clicked, this, &QSetPublishDlg::on_CancelBtn_clicked);
    connect(m_pTls, &QCheckBox::toggled, this, &QSetPublishDlg::OnTlsToggled);
    resize(480, 560);
}

void QSetPublishDlg::Retranslate() {
    setWindowTitle(tr("Publishing"));
    m_pCaption->setText(tr("Publishing"));
    m_pEnabled->setText(tr("Publish the plant's data to an MQTT broker"));
    m_pHostLabel->setText(tr("Broker:"));
    m_pHost->setPlaceholderText(tr("host name or IP address"));
    m_pPortLabel->setText(tr("Port:"));
    m_pUserLabel->setText(tr("User:"));
    m_pPasswordLabel->setText(tr("Password:"));
    m_pTls->setText(tr("Secure connection (TLS)"));
    m_pCaLabel->setText(tr("CA file:"));
    m_pCaFile->setPlaceholderText(tr("the system's certificate authorities"));
    m_pBrowseBtn->setText(tr("Browse..."));
    m_pPrefixLabel->setText(tr("Topic prefix:"));
    m_pPrefix->setPlaceholderText(QPublishSettings::DefaultPrefix(m_Plant.Settings().SystemName()));
    m_pDiscovery->setText(tr("Announce the devices to home automation (discovery)"));
    m_pTestBtn->setText(tr("Test connection"));
    m_pLogLabel->setText(tr("Publishing log:"));
    m_pOkBtn->setText(tr("Ok"));
    m_pCancelBtn->setText(tr("Cancel"));
}

void QSetPublishDlg::Load(const QPublishSettings& settings) {
    m_pEnabled->setChecked(settings.enabled);
    m_pHost->setText(settings.host);
    m_pUser->setText(settings.user);
    m_pPassword->setText(settings.password);
    m_pTls->setChecked(settings.tls);
    m_pPort->setValue(settings.port); // after TLS, which suggests its own port
    m_pCaFile->setText(settings.caFile);
    m_pCaFile->setEnabled(settings.tls);
    m_pBrowseBtn->setEnabled(settings.tls);
    m_pPrefix->setText(settings.prefix);
    m_pDiscovery->setChecked(settings.discovery);
}

QPublishSettings QSetPublishDlg::FormSettings() const {
    QPublishSettings settings;
    settings.enabled = m_pEnabled->isChecked();
    settings.host = m_pHost->text().trimmed();
    settings.port = m_pPort->value();
    settings.user = m_pUser->text();
    settings.password = m_pPassword->text();
    settings.tls = m_pTls->isChecked();
    settings.caFile = m_pCaFile->text().trimmed();
    settings.prefix = m_pPrefix->text().trimmed();
    settings.discovery = m_pDiscovery->isChecked();
    return settings;
}

QString QSetPublishDlg::Problem() const {
    const QPublishSettings settings = FormSettings();
    if (settings.enabled && settings.host.isEmpty()) {
        return tr("Enter the broker's host name or address.");
    }
    if (!settings.prefix.isEmpty()) {
        return QPublishSettings::PrefixProblem(settings.prefix);
    }
    return QString();
}

void QSetPublishDlg::ShowStatus(const QString& text) {
    m_pStatus->setText(tr("Status:") + QLatin1Char(' ') + text);
}

void QSetPublishDlg::ShowResult(const QString& text, bool ok) {
    m_pResult->setStyleSheet(QLatin1String(ok ? kResultOk : kResultBad));
    m_pResult->setText(text);
}

void QSetPublishDlg::on_TestBtn_clicked() {
    const QPublishSettings settings = FormSettings();
    if (settings.host.isEmpty()) {
        ShowResult(tr("Enter the broker's host name or address."), false);
        return;
    }
    m_pTestBtn->setEnabled(false);
    m_pResult->setStyleSheet(QString());
    m_pResult->setText(tr("Testing the connection..."));
    m_Publisher.TestConnection(settings);
}

void QSetPublishDlg::OnTestFinished(bool ok, const QString& text) {
    m_pTestBtn->setEnabled(true);
    ShowResult(text, ok);
}

void QSetPublishDlg::on_BrowseBtn_clicked() {
    const QString path = QFileDialog::getOpenFileName(this, tr("CA file"), m_pCaFile->text(),
                                                      tr("Certificates (*.crt *.pem);;All files (*)"));
    if (!path.isEmpty()) {
        m_pCaFile->setText(path);
    }
}

void QSetPublishDlg::OnTlsToggled(bool on) {
    m_pCaFile->setEnabled(on);
    m_pBrowseBtn->setEnabled(on);
    // The usual ports follow the choice, unless another one was entered.
    if (on && m_pPort->value() == QPublishSettings::DefaultPort) {
        m_pPort->setValue(QPublishSettings::DefaultTlsPort);
    } else if (!on && m_pPort->value() == QPublishSettings::DefaultTlsPort) {
        m_pPort->setValue(QPublishSettings::DefaultPort);
    }
}

void QSetPublishDlg::on_OkBtn_clicked() {
    const QString problem = Problem();
    if (!problem.isEmpty()) {
        ShowResult(problem, false);
        return;
    }
    FormSettings().Store(m_Plant.Settings());
    m_Publisher.ApplySettings();
    m_bAccepted = true;
    close();
}

void QSetPublishDlg::on_CancelBtn_clicked() {
    close();
}

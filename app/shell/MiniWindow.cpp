#include "MiniWindow.h"

#include "QInverter.h"
#include "QSystemModel.h"
#include "SystemClock.h"
#include "WidgetUpdates.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
bool g_pinned = true;

const char* const LightGreen = ":/skin/light_g.png";
const char* const LightRed = ":/skin/light_r.png";

QLabel* ValueLabel(QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("0"), parent);
    label->setObjectName(QStringLiteral("value"));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    KeepLabelSteady(label, QStringLiteral("888888.88"));
    return label;
}
} // namespace

bool MiniWindow::IsPinned() {
    return g_pinned;
}

MiniWindow::MiniWindow(QWidget* parent) : BaseDlg(parent), m_pTimer(new QTimer(this)) {
    setObjectName(QStringLiteral("MiniWindow"));
    setWindowTitle(QStringLiteral("MiniWindow"));
    setWindowFlags(windowFlags() | Qt::Tool | (g_pinned ? Qt::WindowStaysOnTopHint : Qt::WindowType(0)));
    setFixedSize(330, 256);
    setStyleSheet(QStringLiteral(
        "MiniWindow{background:white;}"
        "QLabel{color:rgb(84,94,108);}"
        "QLabel#value{color:rgb(208,64,58);font-weight:bold;}"
        "QLabel#MiniTitle{color:rgb(40,46,56);font-weight:bold;}"
        "QLabel#Clock{color:rgb(120,128,140);}"
        "QPushButton#pushButton_2,QPushButton#pushButton_3{border:none;border-bottom:2px solid transparent;"
        "color:rgb(84,94,108);padding:2px 8px;background:transparent;}"
        "QPushButton#pushButton_2:hover,QPushButton#pushButton_3:hover{color:rgb(47,127,208);}"
        "QPushButton#pushButton_2:disabled,QPushButton#pushButton_3:disabled{color:rgb(30,96,166);"
        "border-bottom:2px solid rgb(47,127,208);}"
        "QWidget#panes{background:rgb(246,247,249);border:1px solid rgb(220,224,230);border-radius:4px;}"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 10);
    layout->setSpacing(6);

    auto* top = new QHBoxLayout;
    auto* logo = new QLabel(this);
    logo->setPixmap(QPixmap(QStringLiteral(":/skin/logo16.png")));
    m_pTitle = new QLabel(QStringLiteral("Tivra Wattsight"), this);
    m_pTitle->setObjectName(QStringLiteral("MiniTitle"));
    m_pPin = new QPushButton(this);
    m_pPin->setObjectName(QStringLiteral("pushButton"));
    m_pPin->setFixedSize(20, 20);
    m_pPin->setFocusPolicy(Qt::NoFocus);
    top->addWidget(logo);
    top->addWidget(m_pTitle);
    top->addStretch(1);
    top->addWidget(m_pPin);
    top->addSpacing(34); // the corner close button sits here
    layout->addLayout(top);

    auto* tabs = new QHBoxLayout;
    m_pDataBtn = new QPushButton(this);
    m_pDataBtn->setObjectName(QStringLiteral("pushButton_3"));
    m_pBenefitBtn = new QPushButton(this);
    m_pBenefitBtn->setObjectName(QStringLiteral("pushButton_2"));
    for (QPushButton* button : {m_pDataBtn, m_pBenefitBtn}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setCursor(Qt::PointingHandCursor);
        tabs->addWidget(button);
    }
    tabs->addStretch(1);
    layout->addLayout(tabs);

    m_pPanes = new QStackedWidget(this);
    m_pPanes->setObjectName(QStringLiteral("panes"));
    m_pDataPane = new QWidget(m_pPanes);
    m_pBenefitPane = new QWidget(m_pPanes);
    for (QWidget* pane : {m_pDataPane, m_pBenefitPane}) {
        auto* grid = new QGridLayout(pane);
        grid->setContentsMargins(10, 6, 10, 6);
        grid->setVerticalSpacing(3);
        grid->setColumnStretch(1, 1);
        m_pPanes->addWidget(pane);
    }
    m_pInput = AddRow(m_pDataPane, 0, &m_pInputCaption, QStringLiteral("W"));
    m_pOutput = AddRow(m_pDataPane, 1, &m_pOutputCaption, QStringLiteral("W"));
    m_pSingle = AddRow(m_pDataPane, 2, &m_pSingleCaption);
    m_pThree = AddRow(m_pDataPane, 3, &m_pThreeCaption);
    m_pToday = AddRow(m_pBenefitPane, 0, &m_pTodayCaption, QStringLiteral("kWh"));
    m_pTotal = AddRow(m_pBenefitPane, 1, &m_pTotalCaption, QStringLiteral("kWh"));
    m_pCo2 = AddRow(m_pBenefitPane, 2, &m_pCo2Caption, QStringLiteral("Kg"));
    m_pBenefit = AddRow(m_pBenefitPane, 3, &m_pBenefitCaption);
    m_pUnit = static_cast<QLabel*>(
        static_cast<QGridLayout*>(m_pBenefitPane->layout())->itemAtPosition(3, 2)->widget());
    layout->addWidget(m_pPanes, 1);

    auto* status = new QHBoxLayout;
    m_pLight = new QLabel(this);
    m_pLight->setFixedSize(14, 14);
    m_pStatus = new QLabel(this);
    m_pStatus->setObjectName(QStringLiteral("StatusText"));
    status->addWidget(m_pLight);
    status->addWidget(m_pStatus, 1);
    layout->addLayout(status);

    auto* bottom = new QHBoxLayout;
    m_pUserCaption = new QLabel(this);
    m_pUser = new QLabel(this);
    m_pClock = new QLabel(this);
    m_pClock->setObjectName(QStringLiteral("Clock"));
    bottom->addWidget(m_pUserCaption);
    bottom->addWidget(m_pUser);
    bottom->addStretch(1);
    layout->addLayout(bottom);
    layout->addWidget(m_pClock);

    connect(m_pPin, &QPushButton::clicked, this, &MiniWindow::on_pushButton_clicked);
    connect(m_pDataBtn, &QPushButton::clicked, this, &MiniWindow::on_pushButton_3_clicked);
    connect(m_pBenefitBtn, &QPushButton::clicked, this, &MiniWindow::on_pushButton_2_clicked);
    // Runs while the panel is shown; it is brought up to date as it comes up.
    connect(m_pTimer, &QTimer::timeout, this, &MiniWindow::FlashTimer);

    ApplyPinStyle();
    SetLight(QLatin1String(LightGreen));
    Retranslate();
    on_pushButton_3_clicked();
}

MiniWindow::~MiniWindow() = default;

QLabel* MiniWindow::AddRow(QWidget* pane, int row, QLabel** caption, const QString& unit) {
    auto* grid = static_cast<QGridLayout*>(pane->layout());
    *caption = new QLabel(pane);
    QLabel* value = ValueLabel(pane);
    auto* unitLabel = new QLabel(unit, pane);
    unitLabel->setMinimumWidth(28);
    grid->addWidget(*caption, row, 0);
    grid->addWidget(value, row, 1, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(unitLabel, row, 2);
    return value;
}

void MiniWindow::SetSystemModel(QSystemModel* model) {
    m_pSystem = model;
    FlashTimer();
}

void MiniWindow::Retranslate() {
    m_pInputCaption->setText(tr("Input Power:"));
    m_pOutputCaption->setText(tr("Output Power:"));
    m_pSingleCaption->setText(tr("Single Phase:"));
    m_pThreeCaption->setText(tr("Three Phase:"));
    m_pCo2Caption->setText(tr("CO2 Reduce:"));
    m_pTotalCaption->setText(tr("Total gen.:"));
    m_pBenefitCaption->setText(tr("Benefits:"));
    m_pTodayCaption->setText(tr("Today gen.:"));
    m_pUserCaption->setText(tr("Current User:"));
    m_pDataBtn->setText(tr("System Data"));
    m_pBenefitBtn->setText(tr("Benefits"));
    m_pPin->setToolTip(tr("Stick"));
    FlashTimer();
}

void MiniWindow::SetLight(const QString& image) {
    if (image == m_strLight) {
        return;
    }
    m_strLight = image;
    m_pLight->setStyleSheet(QStringLiteral("border-image: url(%1);").arg(image));
}

void MiniWindow::SetStatusText(const QString& text, bool ok) {
    SetTextIfChanged(m_pStatus, text);
    SetLight(QLatin1String(ok ? LightGreen : LightRed));
}

void MiniWindow::FlashTimer() {
    if (!m_pSystem) {
        return;
    }
    const QPlantSums sums = m_pSystem->PlantSums();
    const double total = double(sums.m_nTotal);
    SetSteadyText(m_pInput, QString::number(sums.m_nInput));
    SetSteadyText(m_pOutput, QString::number(sums.m_nOutput));
    SetSteadyText(m_pSingle, QString::number(sums.m_nSingle));
    SetSteadyText(m_pThree, QString::number(sums.m_nThree));
    SetSteadyText(m_pToday, QString::asprintf("%0.2f", sums.m_nToday / 100.0));
    SetSteadyText(m_pTotal, QString::asprintf("%0.2f", total / 100.0));
    SetSteadyText(m_pCo2, QString::asprintf("%0.2f", total * 0.997 / 100.0));
    SetSteadyText(m_pBenefit, QString::asprintf("%0.2f", total * m_pSystem->Settings().Price() / 10000.0));
    SetTextIfChanged(m_pUnit, m_pSystem->GetSystemValue(QStringLiteral("CurrencyUnit")));

    if (m_pSystem->HasActiveFault()) {
        SetLight(QLatin1String(LightRed));
        SetTextIfChanged(m_pStatus, tr("System failure!"));
    } else {
        SetLight(QLatin1String(LightGreen));
        SetTextIfChanged(m_pStatus, tr("System uptime!"));
    }
    const QDateTime now = SystemClock::Now();
    SetTextIfChanged(m_pClock, QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", now.date().year(),
                                                 now.date().month(), now.date().day(), now.time().hour(),
                                                 now.time().minute(), now.time().second()));
    SetTextIfChanged(m_pUser, m_pSystem->UserLevel() != 0 ? tr("Administrator") : tr("Guest"));
}

void MiniWindow::showEvent(QShowEvent* event) {
    BaseDlg::showEvent(event);
    FlashTimer();
    m_pTimer->start(RefreshInterval);
}

void MiniWindow::hideEvent(QHideEvent* event) {
    // No wake-ups for a panel nobody sees.
    m_pTimer->stop();
    BaseDlg::hideEvent(event);
}

QString MiniWindow::Value(const QString& name) const {
    const QList<QPair<const char*, QLabel*>> labels = {
        {"input", m_pInput}, {"output", m_pOutput}, {"single", m_pSingle}, {"three", m_pThree},
        {"today", m_pToday}, {"total", m_pTotal},   {"co2", m_pCo2},       {"benefit", m_pBenefit},
        {"unit", m_pUnit},   {"status", m_pStatus}, {"clock", m_pClock},   {"user", m_pUser}};
    for (const auto& entry : labels) {
        if (name == QLatin1String(entry.first)) {
            return entry.second->text();
        }
    }
    return QString();
}

void MiniWindow::ApplyPinStyle() {
    const QString set = g_pinned ? QStringLiteral("Pin1") : QStringLiteral("Pin2");
    m_pPin->setStyleSheet(QStringLiteral("QPushButton{border:none;border-image:url(:/skin/%1_1.png);}"
                                         "QPushButton:hover{border-image:url(:/skin/%1_2.png);}"
                                         "QPushButton:pressed{border-image:url(:/skin/%1_3.png);}")
                              .arg(set));
}

void MiniWindow::on_pushButton_clicked() {
    hide();
    g_pinned = !g_pinned;
    ApplyPinStyle();
    setWindowFlag(Qt::WindowStaysOnTopHint, g_pinned);
    show();
    raise();
}

void MiniWindow::on_closebtn_clicked() {
    close();
    if (m_pMainWindow) {
        m_pMainWindow->show();
        m_pMainWindow->raise();
        m_pMainWindow->activateWindow();
    }
}

void MiniWindow::on_pushButton_2_clicked() {
    m_pPanes->setCurrentWidget(m_pBenefitPane);
    m_pBenefitBtn->setEnabled(false);
    m_pDataBtn->setEnabled(true);
}

void MiniWindow::on_pushButton_3_clicked() {
    m_pPanes->setCurrentWidget(m_pDataPane);
    m_pDataBtn->setEnabled(false);
    m_pBenefitBtn->setEnabled(true);
}

void MiniWindow::keyPressEvent(QKeyEvent* event) {
    // Esc would only hide the panel, leaving the program with no window and no taskbar entry.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        on_closebtn_clicked();
        event->accept();
        return;
    }
    BaseDlg::keyPressEvent(event);
}

void MiniWindow::mousePressEvent(QMouseEvent* event) {
    raise();
    BaseDlg::mousePressEvent(event);
}

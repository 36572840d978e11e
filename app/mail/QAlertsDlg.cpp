#include "QAlertsDlg.h"

#include "MessageBox.h"
#include "QAlertSettings.h"
#include "QAlertTexts.h"
#include "QDaylight.h"
#include "QE_Mail.h"
#include "QMailThread.h"
#include "QSystemModel.h"
#include "SystemClock.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
const char* const kButtonStyle = "QPushButton{border-image: url(:/skin/btn1.png);}\n"
                                 "QPushButton::hover {border-image: url(:/skin/btn2.png);}\n"
                                 "QPushButton::pressed {border-image: url(:/skin/btn3.png);}";

QSpinBox* MinutesBox(const QString& name, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(1, QAlertSettings::MaxMinutes);
    box->setMinimumWidth(70);
    return box;
}
} // namespace

QAlertsDlg::QAlertsDlg(QWidget* parent) : BaseDlg(parent) {
    setObjectName(QStringLiteral("QAlertsDlg"));
    setWindowTitle(tr("Alerts"));
    BuildForm();
}

QAlertsDlg::~QAlertsDlg() {
    // Before the widgets go: the thread may still relay an outcome until it ends.
    delete m_pThread;
}

void QAlertsDlg::BuildForm() {
    setStyleSheet(QStringLiteral("QAlertsDlg { background: white; }"
                                 "QLabel#captionLabel { color: rgb(110,118,130); }"
                                 "QLabel#Daylight, QLabel#Queue { color: rgb(84,94,108); }"
                                 "QLineEdit { border: 1px solid rgb(190,196,206); padding: 2px; }"
                                 "QLineEdit:focus { border-color: rgb(96,140,200); }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 12, 24, 18);
    layout->setSpacing(10);
    auto* caption = new QLabel(tr("Alerts"), this);
    caption->setObjectName(QStringLiteral("captionLabel"));
    layout->addWidget(caption);

    auto* toRow = new QHBoxLayout;
    toRow->addWidget(new QLabel(tr("Send alerts to:"), this));
    m_pTo = new QLineEdit(this);
    m_pTo->setObjectName(QStringLiteral("To"));
    m_pTo->setPlaceholderText(QStringLiteral("owner@example.com"));
    toRow->addWidget(m_pTo, 1);
    layout->addLayout(toRow);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(3, 1);
    m_pFault = new QCheckBox(tr("Mail when a fault begins and when it ends"), this);
    m_pFault->setObjectName(QStringLiteral("Fault"));
    grid->addWidget(m_pFault, 0, 0, 1, 4);
    m_pOffline = new QCheckBox(tr("Mail when an inverter is offline in daylight for more than"), this);
    m_pOffline->setObjectName(QStringLiteral("Offline"));
    m_pOfflineMinutes = MinutesBox(QStringLiteral("OfflineMinutes"), this);
    grid->addWidget(m_pOffline, 1, 0);
    grid->addWidget(m_pOfflineMinutes, 1, 1);
    grid->addWidget(new QLabel(tr("minutes"), this), 1, 2);
    m_pLink = new QCheckBox(tr("Mail when the link to the inverters is down for more than"), this);
    m_pLink->setObjectName(QStringLiteral("Link"));
    m_pLinkMinutes = MinutesBox(QStringLiteral("LinkMinutes"), this);
    grid->addWidget(m_pLink, 2, 0);
    grid->addWidget(m_pLinkMinutes, 2, 1);
    grid->addWidget(new QLabel(tr("minutes"), this), 2, 2);
    m_pSummary = new QCheckBox(tr("Mail a summary of the day after feed-in ends"), this);
    m_pSummary->setObjectName(QStringLiteral("Summary"));
    grid->addWidget(m_pSummary, 3, 0, 1, 4);
    layout->addLayout(grid);
    connect(m_pOffline, &QCheckBox::toggled, m_pOfflineMinutes, &QSpinBox::setEnabled);
    connect(m_pLink, &QCheckBox::toggled, m_pLinkMinutes, &QSpinBox::setEnabled);

    m_pDaylight = new QLabel(this);
    m_pDaylight->setObjectName(QStringLiteral("Daylight"));
    m_pDaylight->setWordWrap(true);
    layout->addWidget(m_pDaylight);
    m_pQueue = new QLabel(this);
    m_pQueue->setObjectName(QStringLiteral("Queue"));
    layout->addWidget(m_pQueue);
    layout->addStretch(1);

    m_pTestBtn = new QPushButton(tr("Send test mail"), this);
    m_pTestBtn->setObjectName(QStringLiteral("TestBtn"));
    m_pSaveBtn = new QPushButton(tr("Save"), this);
    m_pSaveBtn->setObjectName(QStringLiteral("SaveBtn"));
    m_pCancelBtn = new QPushButton(tr("Cancel"), this);
    m_pCancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(16);
    buttons->addWidget(m_pTestBtn);
    buttons->addStretch(1);
    for (QPushButton* button : {m_pTestBtn, m_pSaveBtn, m_pCancelBtn}) {
        button->setStyleSheet(QLatin1String(kButtonStyle));
        button->setCursor(Qt::PointingHandCursor);
        button->setMinimumHeight(28);
        button->setMinimumWidth(qMax(90, button->fontMetrics().horizontalAdvance(button->text()) + 28));
    }
    buttons->addWidget(m_pSaveBtn);
    buttons->addWidget(m_pCancelBtn);
    layout->addLayout(buttons);
    connect(m_pTestBtn, &QPushButton::clicked, this, &QAlertsDlg::on_TestBtn_clicked);
    connect(m_pSaveBtn, &QPushButton::clicked, this, &QAlertsDlg::on_SaveBtn_clicked);
    connect(m_pCancelBtn, &QPushButton::clicked, this, &QAlertsDlg::on_CancelBtn_clicked);
    setMinimumSize(600, 330);
}

void QAlertsDlg::SetSystem(QSystemModel* system, int pending) {
    m_pSystem = system;
    const QAlertSettings settings = QAlertSettings::Read(system->Settings());
    m_pTo->setText(settings.m_strTo);
    m_pFault->setChecked(settings.m_bFault);
    m_pOffline->setChecked(settings.m_nOfflineMinutes > 0);
    m_pOfflineMinutes->setValue(settings.m_nOfflineMinutes > 0 ? settings.m_nOfflineMinutes
                                                               : DefaultOfflineMinutes);
    m_pOfflineMinutes->setEnabled(m_pOffline->isChecked());
    m_pLink->setChecked(settings.m_nLinkMinutes > 0);
    m_pLinkMinutes->setValue(settings.m_nLinkMinutes > 0 ? settings.m_nLinkMinutes : DefaultLinkMinutes);
    m_pLinkMinutes->setEnabled(m_pLink->isChecked());
    m_pSummary->setChecked(settings.m_bSummary);
    m_pDaylight->setText(DaylightText());
    m_pQueue->setText(pending > 0 ? tr("Mails waiting to be sent: %1").arg(pending) : QString());
}

QString QAlertsDlg::DaylightText() const {
    const QDaylight daylight = QDaylight::FromSettings(m_pSystem->Settings());
    const QDate today = SystemClock::CurrentDate();
    const QDateTime sunrise = daylight.Sunrise(today);
    const QDateTime sunset = daylight.Sunset(today);
    QString text;
    if (sunset <= sunrise) {
        text = tr("The sun does not rise today.");
    } else if (sunrise.time() == QTime(0, 0) && sunset.date() > today) {
        text = tr("The sun does not set today.");
    } else {
        text = tr("Daylight today: %1 to %2.")
                   .arg(sunrise.toString(QStringLiteral("HH:mm")), sunset.toString(QStringLiteral("HH:mm")));
    }
    if (daylight.HasPosition()) {
        return text + QLatin1Char(' ') + tr("(From the plant's latitude and longitude.)");
    }
    return text + QLatin1Char(' ') +
           tr("(From the sunrise time and 18:00: give the plant its latitude and longitude for the sun's "
              "times.)");
}

void QAlertsDlg::on_TestBtn_clicked() {
    delete m_pThread;
    m_pThread = nullptr;
    QMailRecord record = QMailRecord::FromSettings(m_pSystem->Settings());
    record.m_strTo = m_pTo->text().trimmed();
    if (!record.HasAccount() || record.m_strTo.isEmpty()) {
        ShowMessage(tr("Information is incomplete!"), MessageBox::TypeOk, this);
        return;
    }
    const QAlertMail mail = QAlertTexts::Test(m_pSystem->Settings().SystemName(), SystemClock::Now());
    record.m_strSubject = mail.m_strSubject;
    record.m_strBody = mail.m_strBody;
    m_pThread = new QMailThread(this);
    connect(m_pThread, &QMailThread::Error, this, &QAlertsDlg::SendError);
    m_pThread->SetRecord(record);
    m_pThread->start();
}

void QAlertsDlg::SendError(int iError) {
    const QString text = QE_Mail::OutcomeText(iError);
    if (!text.isEmpty()) {
        ShowMessage(text, MessageBox::TypeOk, this);
    }
}

void QAlertsDlg::on_SaveBtn_clicked() {
    QAlertSettings settings;
    settings.m_strTo = m_pTo->text();
    settings.m_bFault = m_pFault->isChecked();
    settings.m_nOfflineMinutes = m_pOffline->isChecked() ? m_pOfflineMinutes->value() : 0;
    settings.m_nLinkMinutes = m_pLink->isChecked() ? m_pLinkMinutes->value() : 0;
    settings.m_bSummary = m_pSummary->isChecked();
    settings.Write(*m_pSystem);
    accept();
}

void QAlertsDlg::on_CancelBtn_clicked() {
    reject();
}

#include "QE_Mail.h"

#include "MessageBox.h"
#include "QFileList.h"
#include "QMailThread.h"
#include "QProgressDlg.h"
#include "QServer.h"
#include "QSystemModel.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
const char* const kButtonStyle = "QPushButton{border-image: url(:/skin/btn1.png);}\n"
                                 "QPushButton::hover {border-image: url(:/skin/btn2.png);}\n"
                                 "QPushButton::pressed {border-image: url(:/skin/btn3.png);}";
} // namespace

QE_Mail::QE_Mail(QWidget* parent) : BaseDlg(parent) {
    setObjectName(QStringLiteral("QE_Mail"));
    BuildForm();
    Retranslate();
}

QE_Mail::~QE_Mail() {
    // Before the widgets go: the thread may still relay an outcome until it ends.
    delete m_pThread;
}

void QE_Mail::BuildForm() {
    setStyleSheet(QStringLiteral("QE_Mail { background: white; }"
                                 "QLabel#captionLabel { color: rgb(110,118,130); }"
                                 "QLineEdit, QTextEdit { border: 1px solid rgb(190,196,206); padding: 2px; }"
                                 "QLineEdit:focus, QTextEdit:focus { border-color: rgb(96,140,200); }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 12, 24, 18);
    layout->setSpacing(10);

    m_pCaption = new QLabel(this);
    m_pCaption->setObjectName(QStringLiteral("captionLabel"));
    layout->addWidget(m_pCaption);
    layout->addSpacing(4);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    grid->setColumnStretch(1, 1);
    m_pTitleLabel = new QLabel(this);
    m_pTitle = new QLineEdit(this);
    m_pTitle->setObjectName(QStringLiteral("Title"));
    m_pSenderLabel = new QLabel(this);
    m_pSender = new QLineEdit(this);
    m_pSender->setObjectName(QStringLiteral("Sender"));
    m_pTextEdit = new QTextEdit(this);
    m_pTextEdit->setObjectName(QStringLiteral("textEdit"));
    m_pTextEdit->setAcceptRichText(false);
    m_pTextEdit->setMinimumHeight(150);
    grid->addWidget(m_pTitleLabel, 0, 0);
    grid->addWidget(m_pTitle, 0, 1);
    grid->addWidget(m_pSenderLabel, 1, 0);
    grid->addWidget(m_pSender, 1, 1);
    grid->addWidget(m_pTextEdit, 2, 0, 1, 2);

    m_pAttachmentLabel = new QLabel(this);
    m_pAttachment = new QFileList(this);
    m_pAttachment->setObjectName(QStringLiteral("Attachment"));
    m_pAdd = new QPushButton(this);
    m_pAdd->setObjectName(QStringLiteral("Add"));
    auto* attachmentRow = new QHBoxLayout;
    attachmentRow->setSpacing(12);
    attachmentRow->addWidget(m_pAttachment, 0, Qt::AlignTop);
    attachmentRow->addWidget(m_pAdd, 0, Qt::AlignTop);
    attachmentRow->addStretch(1);
    grid->addWidget(m_pAttachmentLabel, 3, 0, Qt::AlignTop);
    grid->addLayout(attachmentRow, 3, 1);
    layout->addLayout(grid);
    layout->addSpacing(4);

    m_pSend = new QPushButton(this);
    m_pSend->setObjectName(QStringLiteral("pushButton"));
    m_pClear = new QPushButton(this);
    m_pClear->setObjectName(QStringLiteral("pushButton_2"));
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(16);
    buttons->addStretch(1);
    for (QPushButton* button : {m_pAdd, m_pSend, m_pClear}) {
        button->setStyleSheet(QLatin1String(kButtonStyle));
        button->setCursor(Qt::PointingHandCursor);
        button->setMinimumHeight(28);
    }
    buttons->addWidget(m_pSend);
    buttons->addWidget(m_pClear);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    connect(m_pAdd, &QPushButton::clicked, this, &QE_Mail::on_Add_clicked);
    connect(m_pSend, &QPushButton::clicked, this, &QE_Mail::on_pushButton_clicked);
    connect(m_pClear, &QPushButton::clicked, this, &QE_Mail::on_pushButton_2_clicked);
    setFixedSize(580, 470);
}

void QE_Mail::Retranslate() {
    setWindowTitle(tr("Dialog"));
    m_pCaption->setText(tr("Contact us"));
    m_pTitleLabel->setText(tr("Title:"));
    m_pSenderLabel->setText(tr("Receiver:"));
    m_pAttachmentLabel->setText(tr("Attachment:"));
    m_pAdd->setText(tr("Add attachment"));
    m_pSend->setText(tr("Send"));
    m_pClear->setText(tr("Clear"));
    for (QPushButton* button : {m_pAdd, m_pSend, m_pClear}) {
        button->setMinimumWidth(qMax(90, button->fontMetrics().horizontalAdvance(button->text()) + 28));
    }
}

void QE_Mail::SetMailRecord(const QMailRecord& record) {
    m_Record = record;
    if (!m_Record.HasAccount()) {
        ShowMessage(tr("Information is incomplete!Mail will not be successful!"), MessageBox::TypeOk, this);
    }
    m_pSender->setText(m_Record.m_strTo);
}

void QE_Mail::AddAttachments(const QStringList& paths) {
    for (const QString& path : paths) {
        if (!m_pAttachment->AddPath(path)) {
            ShowMessage(tr("The file has been added!"), MessageBox::TypeOk, this);
        }
    }
}

void QE_Mail::on_Add_clicked() {
    AddAttachments(QFileDialog::getOpenFileNames(this, tr("Get Files"), QDir::currentPath(), QString()));
}

void QE_Mail::on_pushButton_clicked() {
    delete m_pThread;
    m_pThread = nullptr;
    m_Record.m_strBody = m_pTextEdit->toPlainText();
    m_Record.m_strTo = m_pSender->text();
    m_Record.m_strSubject = m_pTitle->text();
    if (!m_Record.HasAccount() || m_Record.m_strTo.isEmpty()) {
        ShowMessage(tr("Information is incomplete!"), MessageBox::TypeOk, this);
        return;
    }
    m_pThread = new QMailThread(this);
    connect(m_pThread, &QMailThread::Error, this, &QE_Mail::SendError);
    connect(m_pThread, &QMailThread::Scroll, this, &QE_Mail::SendScroll);
    m_Record.m_Attachments = m_pAttachment->Paths();
    m_nTotal = m_pAttachment->TotalSize();
    m_pThread->SetRecord(m_Record);
    m_pThread->start();
    if (m_Record.m_Attachments.isEmpty()) {
        return;
    }
    m_pProgress = new QProgressDlg(this);
    m_pProgress->exec();
    delete m_pProgress;
    m_pProgress = nullptr;
}

void QE_Mail::on_pushButton_2_clicked() {
    m_pSender->clear();
    m_pTitle->clear();
    m_pTextEdit->clear();
    m_pAttachment->Clear();
    m_nTotal = InitialTotal;
}

int QE_Mail::Percent(int sent, qint64 total) {
    // Files that were empty or unreadable when added leave no total to divide
    // by; 64 bits keep sent * 100 from overflowing beyond 21 MB.
    return total > 0 ? int(qint64(sent) * 100 / total) : -1;
}

void QE_Mail::SendScroll(int iValue) {
    const int percent = Percent(iValue, m_nTotal);
    if (m_pProgress && percent >= 0) {
        m_pProgress->SetValue(percent);
    }
}

QString QE_Mail::OutcomeText(int outcome) {
    switch (outcome) {
    case QServer::Sent:
        return tr("Send success!");
    case QServer::NoConnection:
        return tr("Failed to connect to server!");
    case QServer::Refused:
        return tr("Failed to send message!");
    case QServer::Untrusted:
        return tr("Failed to connect to server: its certificate could not be verified!");
    case QServer::NoEncryption:
        return tr("Failed to connect to server: no encrypted connection could be made!");
    default:
        return QString();
    }
}

void QE_Mail::SendError(int iError) {
    if (iError == QServer::Sent) {
        // Also when the percentage never reached 100 (files changed since added).
        if (m_pProgress) {
            m_pProgress->close();
        }
        if (m_pSystem) {
            m_pSystem->SetSystemValue(QStringLiteral("EmailTo"), m_pSender->text(), false);
        }
    }
    const QString text = OutcomeText(iError);
    if (!text.isEmpty()) {
        ShowMessage(text, MessageBox::TypeOk, this);
    }
}

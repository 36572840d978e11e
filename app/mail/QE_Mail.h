#pragma once

#include "BaseDlg.h"
#include "QMailRecord.h"

class QFileList;
class QLabel;
class QLineEdit;
class QMailThread;
class QProgressDlg;
class QPushButton;
class QSystemModel;
class QTextEdit;

// The "Contact us" dialog: subject, recipient, text and attachments of one
// mail, sent through the SMTP sender with the account of the settings. The
// outcome comes back as a message; a successful send keeps the recipient as
// the next mail's. Each send has its own mail thread, replaced by the next and
// ended with the dialog.
class QE_Mail : public BaseDlg {
    Q_OBJECT
public:
    static constexpr int InitialTotal = 100;

    explicit QE_Mail(QWidget* parent = nullptr);
    ~QE_Mail() override;

    // Takes the account and the recipient; says at once when the account is
    // incomplete.
    void SetMailRecord(const QMailRecord& record);
    // The plant whose settings keep the recipient.
    void SetSystem(QSystemModel* system) { m_pSystem = system; }

    // What the user is told of a send's outcome (QServer::Outcome); empty for none.
    static QString OutcomeText(int outcome);

    // The share of total that sent is, in percent; -1 without a total to divide by.
    static int Percent(int sent, qint64 total);

    // Adds the paths in order; a path listed already is refused with a message.
    void AddAttachments(const QStringList& paths);

    const QMailRecord& Record() const { return m_Record; }
    QMailThread* MailThread() const { return m_pThread; }
    QProgressDlg* ProgressDlg() const { return m_pProgress; }
    QFileList* AttachmentList() const { return m_pAttachment; }
    qint64 Total() const { return m_nTotal; }

public slots:
    void on_Add_clicked();
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void SendError(int iError);
    void SendScroll(int iValue);

private:
    void BuildForm();
    void Retranslate();

    QMailRecord m_Record;
    QProgressDlg* m_pProgress = nullptr;
    qint64 m_nTotal = InitialTotal;
    QMailThread* m_pThread = nullptr;
    QSystemModel* m_pSystem = nullptr;

    QLabel* m_pCaption = nullptr;
    QLabel* m_pTitleLabel = nullptr;
    QLabel* m_pSenderLabel = nullptr;
    QLabel* m_pAttachmentLabel = nullptr;
    QLineEdit* m_pTitle = nullptr;
    QLineEdit* m_pSender = nullptr;
    QTextEdit* m_pTextEdit = nullptr;
    QFileList* m_pAttachment = nullptr;
    QPushButton* m_pAdd = nullptr;
    QPushButton* m_pSend = nullptr;
    QPushButton* m_pClear = nullptr;
};

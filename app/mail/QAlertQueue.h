#pragma once

#include "QAlertTexts.h"
#include "QMailRecord.h"
#include "QMailThread.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

// Alert mails on their way out: one file each in the folder "mailqueue" of the
// data directory, so that none is lost while the mail server cannot be
// reached or the program restarts. The oldest goes first, one at a time, in a
// mail thread of its own (polling never waits for it); its file is deleted
// only when the server accepted it. After a failure the queue tries again
// later, waiting twice as long each time up to a quarter of an hour. The
// account and the recipient are those of the settings at the time of sending.
class QAlertQueue : public QObject {
    Q_OBJECT
public:
    using Account = std::function<QMailRecord()>;
    static constexpr int FirstRetryMs = 30000;
    static constexpr int LastRetryMs = 900000;
    static constexpr const char* Folder = "mailqueue";
    // The outcome Failed tells when there is no mail account or recipient to send with.
    static constexpr int NoAccount = -1;

    explicit QAlertQueue(Account account, QObject* parent = nullptr);
    ~QAlertQueue() override;

    // Writes the mail into the queue and starts sending when idle; false when
    // it could not be written (the file error is reported).
    bool Enqueue(const QAlertMail& mail);
    // The mails waiting, oldest first (file paths).
    QStringList Pending() const;
    bool IsSending() const { return m_pThread != nullptr; }
    // Starts sending now (after a settings change or at start), unless a send runs.
    void Kick();
    // Tests shorten the waits.
    void SetRetryMs(int first, int last);
    void SetReplyTimeout(int ms) { m_nReplyTimeout = ms; }

    static QString FolderPath();

signals:
    // The outcome of one send (QServer::Outcome), with the mail's subject.
    void Sent(const QString& subject);
    void Failed(const QString& subject, int outcome);

private:
    void SendNext();
    void OnOutcome(int outcome);
    void Retry(const QString& subject, int outcome);
    static bool Read(const QString& path, QAlertMail* mail);

    Account m_Account;
    QTimer m_Retry;
    QPointer<QMailThread> m_pThread;
    QString m_strSending; // the file of the mail in flight
    QString m_strSubject;
    int m_nFirstRetryMs = FirstRetryMs;
    int m_nLastRetryMs = LastRetryMs;
    int m_nRetryMs = FirstRetryMs;
    int m_nReplyTimeout = 30000;
};

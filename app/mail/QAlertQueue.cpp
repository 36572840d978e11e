#include "QAlertQueue.h"

#include "BinaryFile.h"
#include "DataPaths.h"
#include "QFileErrors.h"
#include "QMailThread.h"
#include "QServer.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
constexpr int kNameDigits = 12;
const QString kSuffix = QStringLiteral(".mail");
} // namespace

QAlertQueue::QAlertQueue(Account account, QObject* parent) : QObject(parent), m_Account(std::move(account)) {
    m_Retry.setSingleShot(true);
    connect(&m_Retry, &QTimer::timeout, this, &QAlertQueue::SendNext);
}

QAlertQueue::~QAlertQueue() {
    // A send still running is broken off; its mail stays in the queue for the next start.
    delete m_pThread.data();
}

QString QAlertQueue::FolderPath() {
    return DataPaths::FilePath(QLatin1String(Folder));
}

void QAlertQueue::SetRetryMs(int first, int last) {
    m_nFirstRetryMs = first;
    m_nLastRetryMs = last;
    m_nRetryMs = first;
}

QStringList QAlertQueue::Pending() const {
    const QDir folder(FolderPath());
    QStringList paths;
    // The names are zero-padded sequence numbers: their order is the queue's.
    for (const QString& name : folder.entryList({QStringLiteral("*") + kSuffix}, QDir::Files, QDir::Name)) {
        paths.append(folder.filePath(name));
    }
    return paths;
}

bool QAlertQueue::Enqueue(const QAlertMail& mail) {
    QDir().mkpath(FolderPath());
    const QStringList pending = Pending();
    qint64 next = 1;
    if (!pending.isEmpty()) {
        next = QFileInfo(pending.last()).completeBaseName().toLongLong() + 1;
    }
    const QString path =
        QDir(FolderPath())
            .filePath(QStringLiteral("%1").arg(next, kNameDigits, 10, QLatin1Char('0')) + kSuffix);
    QJsonObject object;
    object.insert(QStringLiteral("subject"), mail.m_strSubject);
    object.insert(QStringLiteral("body"), mail.m_strBody);
    if (!BinaryFile::WriteAtomically(path, QJsonDocument(object).toJson())) {
        return false;
    }
    if (!IsSending() && !m_Retry.isActive()) {
        SendNext();
    }
    return true;
}

bool QAlertQueue::Read(const QString& path, QAlertMail* mail) {
    QByteArray bytes;
    if (!BinaryFile::ReadAll(path, &bytes)) {
        return false;
    }
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isObject()) {
        return false;
    }
    mail->m_strSubject = document.object().value(QStringLiteral("subject")).toString();
    mail->m_strBody = document.object().value(QStringLiteral("body")).toString();
    return true;
}

void QAlertQueue::Kick() {
    if (IsSending()) {
        return;
    }
    m_Retry.stop();
    m_nRetryMs = m_nFirstRetryMs;
    SendNext();
}

void QAlertQueue::SendNext() {
    if (IsSending()) {
        return;
    }
    QAlertMail mail;
    QString path;
    for (const QString& candidate : Pending()) {
        if (Read(candidate, &mail)) {
            path = candidate;
            break;
        }
        // A file that is no mail would stop the queue for good: it is set aside, not deleted.
        QFile::rename(candidate, candidate + QStringLiteral(".unreadable"));
    }
    if (path.isEmpty()) {
        return;
    }
    QMailRecord record = m_Account();
    if (!record.HasAccount() || record.m_strTo.isEmpty()) {
        // Nothing can go without an account: the mails wait for one.
        Retry(mail.m_strSubject, NoAccount);
        return;
    }
    record.m_strSubject = mail.m_strSubject;
    record.m_strBody = mail.m_strBody;
    m_strSending = path;
    m_strSubject = mail.m_strSubject;
    auto* thread = new QMailThread(this);
    thread->SetRecord(record);
    thread->SetReplyTimeout(m_nReplyTimeout);
    connect(thread, &QMailThread::Error, this, &QAlertQueue::OnOutcome);
    m_pThread = thread;
    thread->start();
}

void QAlertQueue::OnOutcome(int outcome) {
    QMailThread* thread = m_pThread.data();
    m_pThread = nullptr;
    if (thread) {
        thread->deleteLater();
    }
    const QString subject = m_strSubject;
    if (outcome == QServer::Sent) {
        if (!QFile::remove(m_strSending)) {
            // Left in place it would go a second time: set aside instead.
            QFile::rename(m_strSending, m_strSending + QStringLiteral(".sent"));
        }
        m_nRetryMs = m_nFirstRetryMs;
        emit Sent(subject);
        SendNext();
        return;
    }
    Retry(subject, outcome);
}

void QAlertQueue::Retry(const QString& subject, int outcome) {
    emit Failed(subject, outcome);
    m_Retry.start(m_nRetryMs);
    m_nRetryMs = qMin(m_nRetryMs * 2, m_nLastRetryMs);
}

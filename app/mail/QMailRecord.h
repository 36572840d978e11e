#pragma once

#include <QString>
#include <QStringList>

class QSystemSettings;

// One mail as the dialog hands it to the sender: the account, the addresses,
// the subject, the attachments and the text. Copied by value into the mail
// thread and from there into the client, so nothing is shared between threads.
struct QMailRecord {
    QString m_strLogonName;     // "EmailLogonName"
    QString m_strLogonKey;      // "EmailLogonKey"; never written to a log
    QString m_strFrom;          // "EmailFrom"
    QString m_strTo;            // the receiver field, first "EmailTo"
    QString m_strSubject;       // the title field
    QStringList m_Attachments;  // file paths, in the order of the list
    QString m_strBody;          // the text field, plain text
    QString m_strServer;        // "EmailServer": host, host:port or smtps://host:port
    QString m_strTrustedCaFile; // "EmailCAFile": PEM certificates trusted beside the system's

    // The account of the settings with no subject, text or attachment.
    static QMailRecord FromSettings(const QSystemSettings& settings);
    // Setting with the certificates a private mail server's certificate is
    // checked against, beside the system's own trust store.
    static const QString TrustedCaKey;

    // The account data a mail needs besides the recipient.
    bool HasAccount() const;
};

#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QList>

// Gathers what the mail server sends into whole replies. A reply is one line
// "250 text", or several lines "250-text" ... "250 text" of which the last has
// no hyphen. A reply may arrive in pieces and one arrival may carry several, so
// replies are judged only once their last line is complete.
class QSmtpReplies {
public:
    struct Reply {
        int m_nCode = 0;        // the decimal value of the first three characters, 0 if none
        QByteArrayList m_Lines; // without their line ends
    };
    // A server that sends more than this without ending a line is not a mail server.
    static constexpr int MaxPending = 64 * 1024;

    // Adds one arrival, read as 8-bit text up to its first zero byte. False
    // when the unfinished part has grown beyond MaxPending.
    bool Append(const QByteArray& bytes);
    bool HasReply() const { return !m_Complete.isEmpty(); }
    Reply Take();
    // Forgets everything received, complete or not.
    void Clear();

private:
    QByteArray m_Pending;   // an unfinished line
    QByteArrayList m_Lines; // finished lines of an unfinished reply
    QList<Reply> m_Complete;
};

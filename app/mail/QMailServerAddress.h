#pragma once

#include <QString>

// Where the mail goes and how the connection is protected, read from the
// "EmailServer" setting:
//   "host" or "host:25"   plain SMTP on port 25, the dialogue the sender always had
//   "host:465"            the same dialogue inside TLS from the first byte
//   "host:587", any other port   EHLO, STARTTLS, then the dialogue inside TLS
// Two explicit forms choose the protection whatever the port:
//   "smtp://host:port" plain, "smtps://host:port" TLS from the first byte.
// An IPv6 address with a port is written in brackets: "[::1]:587".
class QMailServerAddress {
public:
    enum Security { Plain, ImplicitTls, StartTls };
    static constexpr quint16 PlainPort = 25;
    static constexpr quint16 ImplicitTlsPort = 465;
    static constexpr quint16 SubmissionPort = 587;

    explicit QMailServerAddress(const QString& text);

    bool IsValid() const { return m_bValid; }
    QString Host() const { return m_strHost; }
    quint16 Port() const { return m_nPort; }
    Security Mode() const { return m_eSecurity; }

    // The three ways of writing the setting, for hints: a name alone, with the
    // TLS port and with the submission port.
    static QString Example(Security security);

private:
    QString m_strHost;
    quint16 m_nPort = PlainPort;
    Security m_eSecurity = Plain;
    bool m_bValid = false;
};

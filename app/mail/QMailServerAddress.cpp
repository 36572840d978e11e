#include "QMailServerAddress.h"

namespace {
bool ParsePort(const QString& text, quint16* port) {
    bool ok = false;
    const uint value = text.toUInt(&ok, 10);
    if (!ok || value == 0 || value > 65535) {
        return false;
    }
    *port = quint16(value);
    return true;
}
} // namespace

QMailServerAddress::QMailServerAddress(const QString& text) {
    QString rest = text.trimmed();
    enum { ByPort, ForcePlain, ForceTls } scheme = ByPort;
    if (rest.startsWith(QLatin1String("smtps://"), Qt::CaseInsensitive)) {
        scheme = ForceTls;
        rest = rest.mid(8);
    } else if (rest.startsWith(QLatin1String("smtp://"), Qt::CaseInsensitive)) {
        scheme = ForcePlain;
        rest = rest.mid(7);
    }
    if (rest.endsWith(QLatin1Char('/'))) {
        rest.chop(1);
    }

    QString host = rest;
    QString port;
    if (rest.startsWith(QLatin1Char('['))) {
        const int close = rest.indexOf(QLatin1Char(']'));
        if (close < 0) {
            return;
        }
        host = rest.mid(1, close - 1);
        const QString after = rest.mid(close + 1);
        if (!after.isEmpty()) {
            if (!after.startsWith(QLatin1Char(':'))) {
                return;
            }
            port = after.mid(1);
        }
    } else if (rest.count(QLatin1Char(':')) == 1) {
        const int colon = rest.indexOf(QLatin1Char(':'));
        host = rest.left(colon);
        port = rest.mid(colon + 1);
    } // more than one colon without brackets: a bare IPv6 address

    if (host.isEmpty() || host.contains(QLatin1Char(' ')) || host.contains(QLatin1Char('/'))) {
        return;
    }
    m_strHost = host;
    m_nPort = scheme == ForceTls ? ImplicitTlsPort : PlainPort;
    if (!port.isEmpty() && !ParsePort(port, &m_nPort)) {
        return;
    }
    switch (scheme) {
    case ForcePlain:
        m_eSecurity = Plain;
        break;
    case ForceTls:
        m_eSecurity = ImplicitTls;
        break;
    case ByPort:
        m_eSecurity = m_nPort == PlainPort ? Plain : m_nPort == ImplicitTlsPort ? ImplicitTls : StartTls;
        break;
    }
    m_bValid = true;
}

QString QMailServerAddress::Example(Security security) {
    switch (security) {
    case ImplicitTls:
        return QStringLiteral("smtp.example.com:465");
    case StartTls:
        return QStringLiteral("smtp.example.com:587");
    case Plain:
        break;
    }
    return QStringLiteral("smtp.example.com");
}

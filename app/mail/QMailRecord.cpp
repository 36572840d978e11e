#include "QMailRecord.h"

#include "QSystemSettings.h"

const QString QMailRecord::TrustedCaKey = QStringLiteral("EmailCAFile");

QMailRecord QMailRecord::FromSettings(const QSystemSettings& settings) {
    QMailRecord record;
    record.m_strLogonName = settings.EmailLogonName();
    record.m_strLogonKey = settings.EmailLogonKey();
    record.m_strFrom = settings.EmailFrom();
    record.m_strTo = settings.EmailTo();
    record.m_strServer = settings.EmailServer();
    record.m_strTrustedCaFile = settings.GetSystemValue(TrustedCaKey);
    return record;
}

bool QMailRecord::HasAccount() const {
    return !m_strFrom.isEmpty() && !m_strLogonName.isEmpty() && !m_strLogonKey.isEmpty() &&
           !m_strServer.isEmpty();
}

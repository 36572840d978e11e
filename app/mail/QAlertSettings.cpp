#include "QAlertSettings.h"

#include "QSystemModel.h"

const char* const QAlertSettings::FaultKey = "AlertFault";
const char* const QAlertSettings::OfflineKey = "AlertOffline";
const char* const QAlertSettings::LinkKey = "AlertLink";
const char* const QAlertSettings::SummaryKey = "AlertSummary";

namespace {
int Minutes(const QString& text) {
    bool ok = false;
    const int minutes = text.toInt(&ok);
    return ok ? qBound(0, minutes, QAlertSettings::MaxMinutes) : 0;
}
} // namespace

QAlertSettings QAlertSettings::Read(const QSystemSettings& settings) {
    QAlertSettings alerts;
    alerts.m_bFault = settings.GetSystemValue(QLatin1String(FaultKey)).toInt() == 1;
    alerts.m_nOfflineMinutes = Minutes(settings.GetSystemValue(QLatin1String(OfflineKey)));
    alerts.m_nLinkMinutes = Minutes(settings.GetSystemValue(QLatin1String(LinkKey)));
    alerts.m_bSummary = SummaryOn(settings);
    alerts.m_strTo = settings.EmailTo();
    return alerts;
}

bool QAlertSettings::SummaryOn(const QSystemSettings& settings) {
    return settings.GetSystemValue(QLatin1String(SummaryKey)).toInt() == 1;
}

void QAlertSettings::Write(QSystemModel& plant) const {
    const QAlertSettings before = Read(plant.Settings());
    plant.SetSystemValue(QStringLiteral("EmailTo"), m_strTo.trimmed(), false);
    plant.SetSystemValue(QLatin1String(FaultKey), QString::number(m_bFault ? 1 : 0), false);
    plant.SetSystemValue(QLatin1String(OfflineKey), QString::number(qBound(0, m_nOfflineMinutes, MaxMinutes)),
                         false);
    plant.SetSystemValue(QLatin1String(LinkKey), QString::number(qBound(0, m_nLinkMinutes, MaxMinutes)),
                         false);
    plant.SetSystemValue(QLatin1String(SummaryKey), QString::number(m_bSummary ? 1 : 0), false);
    const QAlertSettings after = Read(plant.Settings());
    // Saving only with the last key would lose the others whenever that one
    // kept its value: the file is written once when anything changed.
    if (before.m_bFault != after.m_bFault || before.m_nOfflineMinutes != after.m_nOfflineMinutes ||
        before.m_nLinkMinutes != after.m_nLinkMinutes || before.m_bSummary != after.m_bSummary ||
        before.m_strTo != after.m_strTo) {
        plant.SaveSystemFile();
    }
}

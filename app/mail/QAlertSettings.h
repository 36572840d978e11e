#pragma once

#include <QString>

class QSystemModel;
class QSystemSettings;

// What the owner wants to be mailed about. Kept in system.dat after the
// standard keys, as "begintime" is: "AlertFault" 1 to mail faults beginning
// and ending; "AlertOffline" and "AlertLink" the minutes an inverter may stay
// offline in daylight and the link may stay down before a mail goes (0:
// never); "AlertSummary" 1 for the daily summary. The mails go to "EmailTo"
// through the mail account of the settings.
struct QAlertSettings {
    static const char* const FaultKey;
    static const char* const OfflineKey;
    static const char* const LinkKey;
    static const char* const SummaryKey;
    static constexpr int MaxMinutes = 1440;

    bool m_bFault = false;
    int m_nOfflineMinutes = 0;
    int m_nLinkMinutes = 0;
    bool m_bSummary = false;
    QString m_strTo;

    bool Any() const { return m_bFault || m_nOfflineMinutes > 0 || m_nLinkMinutes > 0 || m_bSummary; }

    static QAlertSettings Read(const QSystemSettings& settings);
    // Only whether the daily summary is on: asked with every reply.
    static bool SummaryOn(const QSystemSettings& settings);
    // Stores every key and writes system.dat once when any of them changed.
    void Write(QSystemModel& plant) const;
};

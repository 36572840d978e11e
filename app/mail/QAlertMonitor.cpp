#include "QAlertMonitor.h"

#include "BinaryFile.h"
#include "DataPaths.h"
#include "QAlertQueue.h"
#include "QAlertSettings.h"
#include "QBusScheduler.h"
#include "QFaultFile.h"
#include "QInverter.h"
#include "QSystemModel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
const QString kFaultBegan = QStringLiteral("fault-began");
const QString kFaultEnded = QStringLiteral("fault-ended");
const QString kOffline = QStringLiteral("offline");
const QString kOnline = QStringLiteral("online");
const QString kLinkDown = QStringLiteral("link-down");
const QString kLinkUp = QStringLiteral("link-up");
constexpr int kLinkSource = 0;

QString FaultKey(const QInverter& inverter, qint32 code) {
    return QStringLiteral("%1/%2").arg(inverter.Address()).arg(quint16(code), 4, 16, QLatin1Char('0'));
}
QString OfflineKey(int address) {
    return QStringLiteral("offline/%1").arg(address);
}
const QString kLinkKey = QStringLiteral("link/0");

QString Iso(const QDateTime& moment) {
    return moment.toString(Qt::ISODate);
}
QDateTime FromIso(const QJsonValue& value) {
    return QDateTime::fromString(value.toString(), Qt::ISODate);
}
} // namespace

QAlertMonitor::QAlertMonitor(QSystemModel& plant, QAlertQueue& queue, Clock clock, QObject* parent)
    : QObject(parent), m_Plant(plant), m_Queue(queue),
      m_Clock(clock ? std::move(clock) : Clock(&SystemClock::Now)) {
    m_Timer.setInterval(TickInterval);
    connect(&m_Timer, &QTimer::timeout, this, &QAlertMonitor::OnTick);
    m_Plant.AddInverterListener(this);
}

QAlertMonitor::~QAlertMonitor() {
    m_Plant.RemoveInverterListener(this);
    if (m_bDirty) {
        Save();
    }
}

void QAlertMonitor::Watch(QBusScheduler* bus) {
    connect(bus, &QBusScheduler::StatusChanged, this, &QAlertMonitor::OnLinkState);
}

void QAlertMonitor::Start() {
    m_Timer.start();
}

void QAlertMonitor::Stop() {
    m_Timer.stop();
}

QAlertSettings QAlertMonitor::Settings() const {
    return QAlertSettings::Read(m_Plant.Settings());
}

QString QAlertMonitor::PlantName() const {
    return m_Plant.Settings().SystemName();
}

QString QAlertMonitor::SourceName(int source) const {
    if (source == kLinkSource) {
        return QAlertTexts::tr("the link");
    }
    const QInverter* inverter = m_Plant.FindByAddress(source);
    return inverter ? inverter->Name() : QAlertTexts::tr("inverter %1").arg(source);
}

// ---------------------------------------------------------------- mails

void QAlertMonitor::Alert(const QString& kind, int source, const QAlertMail& mail, const QString& heldLine) {
    const QDateTime now = m_Clock();
    const QString key = kind + QLatin1Char('/') + QString::number(source);
    const QDateTime last = m_LastSent.value(key);
    // A clock set back must not hold mails for longer than an hour.
    if (last.isValid() && last <= now && last.secsTo(now) < HoldSecs) {
        m_Held[source].append({kind, now, heldLine});
        Save();
        return;
    }
    m_LastSent.insert(key, now);
    QAlertMail out = mail;
    QStringList lines;
    for (const Held& held : m_Held.take(source)) {
        lines.append(held.line);
    }
    out.m_strBody += QAlertTexts::HeldBackNote(lines);
    m_Queue.Enqueue(out);
    Save();
}

void QAlertMonitor::FlushHeld(const QDateTime& now) {
    for (auto it = m_Held.begin(); it != m_Held.end();) {
        bool due = false;
        for (const Held& held : it.value()) {
            const QDateTime last = m_LastSent.value(held.kind + QLatin1Char('/') + QString::number(it.key()));
            due = due || !last.isValid() || last > now || last.secsTo(now) >= HoldSecs;
        }
        if (!due) {
            ++it;
            continue;
        }
        QStringList lines;
        for (const Held& held : it.value()) {
            lines.append(held.line);
        }
        m_Queue.Enqueue(QAlertTexts::HeldBack(PlantName(), SourceName(it.key()), lines));
        it = m_Held.erase(it);
        m_bDirty = true;
    }
}

// ---------------------------------------------------------------- what the plant tells

void QAlertMonitor::OnJoined(QInverter& inverter) {
    if (!inverter.IsAnalog() && inverter.CommState() != CommOnline) {
        m_OfflineSince.insert(inverter.Address(), m_Clock());
    }
}

void QAlertMonitor::OnLeaving(QInverter& inverter) {
    m_OfflineSince.remove(inverter.Address());
}

void QAlertMonitor::OnReplyDecoded(QInverter& inverter, int) {
    // Only the summary needs the readings; without it nothing is kept.
    if (inverter.IsAnalog() || inverter.CommState() != CommOnline || !inverter.IsDataValid() ||
        !QAlertSettings::SummaryOn(m_Plant.Settings())) {
        return;
    }
    const QDate today = m_Clock().date();
    if (m_EnergyDate != today) {
        m_EnergyDate = today;
        m_Energy.clear();
    }
    const qint64 energy = inverter.ItemValue(TodayEnergy);
    if (energy >= 0 && m_Energy.value(inverter.Address(), -1) != energy) {
        m_Energy.insert(inverter.Address(), energy);
        m_bDirty = true; // kept with the next tick: replies come every few seconds
    }
}

void QAlertMonitor::OnCommStateChanged(QInverter& inverter, int oldState, int newState) {
    if (inverter.IsAnalog()) {
        return;
    }
    const int address = inverter.Address();
    const QDateTime now = m_Clock();
    if (newState == CommOnline) {
        const QDateTime since = m_OfflineSince.take(address);
        if (m_Open.remove(OfflineKey(address))) {
            Alert(kOnline, address, QAlertTexts::BackOnline(PlantName(), inverter, since, now),
                  QAlertTexts::StateLine(inverter.Name(), true, now));
        }
    } else if (oldState == CommOnline || !m_OfflineSince.contains(address)) {
        m_OfflineSince.insert(address, now);
    }
}

void QAlertMonitor::OnFaultBegan(QInverter& inverter, int, qint32 code) {
    const QString key = FaultKey(inverter, code);
    const QDateTime now = m_Clock();
    m_FaultBegan.insert(key, now);
    // Mailed before a restart, the fault is reported again when it is read again.
    if (!Settings().m_bFault || m_Open.contains(QStringLiteral("fault/") + key)) {
        return;
    }
    m_Open.insert(QStringLiteral("fault/") + key);
    Alert(kFaultBegan, inverter.Address(), QAlertTexts::FaultBegan(PlantName(), inverter, code, now),
          QAlertTexts::FaultLine(inverter, code, true, now));
}

void QAlertMonitor::OnFaultEnded(QInverter& inverter, int, qint32 code) {
    const QString key = FaultKey(inverter, code);
    const QDateTime began = m_FaultBegan.take(key);
    const bool mailed = m_Open.remove(QStringLiteral("fault/") + key);
    if (!mailed && !Settings().m_bFault) {
        return;
    }
    const QDateTime now = m_Clock();
    Alert(kFaultEnded, inverter.Address(), QAlertTexts::FaultEnded(PlantName(), inverter, code, began, now),
          QAlertTexts::FaultLine(inverter, code, false, now));
}

void QAlertMonitor::OnLinkState(const QString& status, bool up) {
    const QDateTime now = m_Clock();
    m_strLinkStatus = status;
    if (!up) {
        if (!m_LinkDownSince.isValid()) {
            m_LinkDownSince = now;
        }
        return;
    }
    const QDateTime since = m_LinkDownSince;
    m_LinkDownSince = QDateTime();
    if (m_Open.remove(kLinkKey)) {
        Alert(kLinkUp, kLinkSource, QAlertTexts::LinkUp(PlantName(), status, since, now),
              QAlertTexts::StateLine(QAlertTexts::tr("the link"), true, now));
    }
}

// ---------------------------------------------------------------- the tick

void QAlertMonitor::OnTick() {
    const QDateTime now = m_Clock();
    const QAlertSettings settings = Settings();
    CheckLink(now, settings);
    CheckOffline(now, settings);
    FlushHeld(now);
    CheckSummary(now, settings);
    if (m_bDirty) {
        Save();
    }
}

void QAlertMonitor::CheckLink(const QDateTime& now, const QAlertSettings& settings) {
    if (!m_LinkDownSince.isValid() || settings.m_nLinkMinutes <= 0 || m_Open.contains(kLinkKey) ||
        m_LinkDownSince.secsTo(now) < qint64(settings.m_nLinkMinutes) * 60) {
        return;
    }
    m_Open.insert(kLinkKey);
    Alert(kLinkDown, kLinkSource, QAlertTexts::LinkDown(PlantName(), m_strLinkStatus, m_LinkDownSince, now),
          QAlertTexts::StateLine(QAlertTexts::tr("the link"), false, now));
}

void QAlertMonitor::CheckOffline(const QDateTime& now, const QAlertSettings& settings) {
    // Without the link every inverter is offline: the link's own mail says it once.
    if (settings.m_nOfflineMinutes <= 0 || m_LinkDownSince.isValid()) {
        return;
    }
    const QDaylight daylight = QDaylight::FromSettings(m_Plant.Settings());
    if (!daylight.IsDay(now)) {
        return;
    }
    const qint64 limit = qint64(settings.m_nOfflineMinutes) * 60;
    for (auto it = m_OfflineSince.constBegin(); it != m_OfflineSince.constEnd(); ++it) {
        const int address = it.key();
        QInverter* inverter = m_Plant.FindByAddress(address);
        // The minutes count in today's daylight: an inverter that switched off
        // at dusk is missed only when it is not back by sunrise plus the minutes.
        const QDateTime from = qMax(it.value(), daylight.Sunrise(now.date()));
        if (!inverter || inverter->IsAnalog() || inverter->CommState() == CommOnline ||
            m_Open.contains(OfflineKey(address)) || from.secsTo(now) < limit) {
            continue;
        }
        m_Open.insert(OfflineKey(address));
        Alert(kOffline, address, QAlertTexts::Offline(PlantName(), *inverter, it.value(), now),
              QAlertTexts::StateLine(inverter->Name(), false, now));
    }
}

QDateTime QAlertMonitor::SummaryTime(const QDate& date) const {
    const QDaylight daylight = QDaylight::FromSettings(m_Plant.Settings());
    const QDateTime sunrise = daylight.Sunrise(date);
    const QDateTime sunset = daylight.Sunset(date);
    if (sunset <= sunrise) {
        return QDateTime(); // the sun did not rise: nothing was fed in
    }
    return qMin(sunset.addSecs(SummaryDelayMinutes * 60), QDateTime(date, QTime(23, 59)));
}

void QAlertMonitor::CheckSummary(const QDateTime& now, const QAlertSettings& settings) {
    const QDate today = now.date();
    if (!settings.m_bSummary || m_SummaryDate == today) {
        return;
    }
    const QDateTime due = SummaryTime(today);
    if (!due.isValid() || now < due) {
        return;
    }
    QList<QAlertTexts::SummaryLine> lines;
    QStringList faults;
    for (QInverter* inverter : m_Plant.Inverters()) {
        if (inverter->IsAnalog()) {
            continue;
        }
        QAlertTexts::SummaryLine line;
        line.m_strInverter = QAlertTexts::Who(*inverter);
        line.m_nEnergy = m_EnergyDate == today ? m_Energy.value(inverter->Address(), -1) : -1;
        lines.append(line);
        const qint32 dateWord = today.year() * 65536 + today.month() * 256 + today.day();
        for (const QFaultRecord& record : QFaultFile::ReadRecords(inverter->Address())) {
            if (record.m_nDate == dateWord) {
                faults.append(QAlertTexts::FaultRecordLine(inverter->Name(), record));
            }
        }
    }
    faults.sort();
    m_SummaryDate = today;
    m_Queue.Enqueue(QAlertTexts::Summary(PlantName(), today, lines, faults));
    Save();
}

// ---------------------------------------------------------------- alerts.json

void QAlertMonitor::Load() {
    m_LastSent.clear();
    m_Held.clear();
    m_Open.clear();
    m_Energy.clear();
    QByteArray bytes;
    if (!BinaryFile::ReadAll(DataPaths::FilePath(QLatin1String(StateFile)), &bytes)) {
        return;
    }
    const QJsonObject state = QJsonDocument::fromJson(bytes).object();
    const QJsonObject sent = state.value(QStringLiteral("sent")).toObject();
    for (auto it = sent.constBegin(); it != sent.constEnd(); ++it) {
        m_LastSent.insert(it.key(), FromIso(it.value()));
    }
    const QJsonObject held = state.value(QStringLiteral("held")).toObject();
    for (auto it = held.constBegin(); it != held.constEnd(); ++it) {
        for (const QJsonValue& value : it.value().toArray()) {
            const QJsonObject entry = value.toObject();
            m_Held[it.key().toInt()].append({entry.value(QStringLiteral("kind")).toString(),
                                             FromIso(entry.value(QStringLiteral("at"))),
                                             entry.value(QStringLiteral("line")).toString()});
        }
    }
    for (const QJsonValue& value : state.value(QStringLiteral("open")).toArray()) {
        m_Open.insert(value.toString());
    }
    m_SummaryDate = QDate::fromString(state.value(QStringLiteral("summary")).toString(), Qt::ISODate);
    m_EnergyDate = QDate::fromString(state.value(QStringLiteral("energyDate")).toString(), Qt::ISODate);
    const QJsonObject energy = state.value(QStringLiteral("energy")).toObject();
    for (auto it = energy.constBegin(); it != energy.constEnd(); ++it) {
        m_Energy.insert(it.key().toInt(), qint64(it.value().toDouble(-1)));
    }
}

void QAlertMonitor::Save() {
    QJsonObject sent;
    for (auto it = m_LastSent.constBegin(); it != m_LastSent.constEnd(); ++it) {
        sent.insert(it.key(), Iso(it.value()));
    }
    QJsonObject held;
    for (auto it = m_Held.constBegin(); it != m_Held.constEnd(); ++it) {
        QJsonArray entries;
        for (const Held& entry : it.value()) {
            entries.append(QJsonObject{{QStringLiteral("kind"), entry.kind},
                                       {QStringLiteral("at"), Iso(entry.at)},
                                       {QStringLiteral("line"), entry.line}});
        }
        held.insert(QString::number(it.key()), entries);
    }
    QStringList open = m_Open.values();
    open.sort();
    QJsonObject energy;
    for (auto it = m_Energy.constBegin(); it != m_Energy.constEnd(); ++it) {
        energy.insert(QString::number(it.key()), double(it.value()));
    }
    const QJsonObject state{{QStringLiteral("sent"), sent},
                            {QStringLiteral("held"), held},
                            {QStringLiteral("open"), QJsonArray::fromStringList(open)},
                            {QStringLiteral("summary"), m_SummaryDate.toString(Qt::ISODate)},
                            {QStringLiteral("energyDate"), m_EnergyDate.toString(Qt::ISODate)},
                            {QStringLiteral("energy"), energy}};
    BinaryFile::WriteAtomically(DataPaths::FilePath(QLatin1String(StateFile)), QJsonDocument(state).toJson());
    m_bDirty = false;
}

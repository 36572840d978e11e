#include "QPlantPublisher.h"

#include "DataPaths.h"
#include "InverterData.h"
#include "QDiscoveryConfigs.h"
#include "QFaultTable.h"
#include "QInverter.h"
#include "QPublishedValues.h"
#include "QSystemModel.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <climits>

const char* const QPlantPublisher::EnergyFileName = "published.dat";

namespace {
QByteArray Compact(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// Local time with its offset from UTC, e.g. 2026-06-15T12:00:02+02:00.
QString TimeText(const QDateTime& moment) {
    return moment.toOffsetFromUtc(moment.offsetFromUtc()).toString(Qt::ISODate);
}

bool IsPublishedAddress(int address) {
    return address >= 1 && address <= 247;
}

QString Identity(const QInverter& inverter) {
    return QStringList{inverter.Name(),
                       inverter.ModelName(),
                       inverter.SerialText(),
                       inverter.VersionText(),
                       QString::number(inverter.PhaseCount()),
                       QString::number(inverter.RatedPower())}
        .join(QChar(0));
}
} // namespace

QPlantPublisher::QPlantPublisher(QSystemModel& plant, Clock clock, QObject* parent)
    : QObject(parent), m_Plant(plant), m_Clock(clock ? std::move(clock) : Clock(&SystemClock::Now)) {
    m_pLink = new QBrokerLink(this);
    connect(m_pLink, &QBrokerLink::Connected, this, &QPlantPublisher::OnLinkConnected);
    connect(m_pLink, &QBrokerLink::ConnectFailed, this, &QPlantPublisher::OnLinkFailed);
    connect(m_pLink, &QBrokerLink::ConnectionLost, this, &QPlantPublisher::OnLinkLost);
    connect(m_pLink, &QBrokerLink::MessageReceived, this, &QPlantPublisher::OnLinkMessage);
    m_pCheckTimer = new QTimer(this);
    m_pCheckTimer->setInterval(CheckInterval);
    connect(m_pCheckTimer, &QTimer::timeout, this, &QPlantPublisher::OnCheckTick);
    m_strStatus = tr("Publishing is off.");
    m_Plant.AddInverterListener(this);
}

QPlantPublisher::~QPlantPublisher() {
    Stop(0);
    m_Plant.RemoveInverterListener(this);
}

void QPlantPublisher::SetClock(Clock clock) {
    m_Clock = clock ? std::move(clock) : Clock(&SystemClock::Now);
}

bool QPlantPublisher::IsActive() const {
    return m_pLink->IsRunning();
}

bool QPlantPublisher::IsConnected() const {
    return m_pLink->IsConnected();
}

QString QPlantPublisher::Broker() const {
    return m_Settings.host + QLatin1Char(':') + QString::number(m_Settings.port);
}

QBrokerLink::Options QPlantPublisher::LinkOptions(const QPublishSettings& settings,
                                                  const QPublishTopics& topics) const {
    QBrokerLink::Options options;
    options.host = settings.host;
    options.port = settings.port;
    options.user = settings.user;
    options.password = settings.password;
    options.tls = settings.tls;
    options.caFile = settings.caFile;
    options.clientId = settings.ClientId(m_Plant.Settings().SystemName());
    options.statusTopic = topics.Status();
    if (settings.discovery) {
        options.subscriptions = QStringList{QPublishTopics::DiscoveryStatus()};
    }
    return options;
}

// ---------------------------------------------------------------- settings and the link

void QPlantPublisher::ApplySettings() {
    const QPublishSettings settings = QPublishSettings::Load(m_Plant.Settings());
    const QString plantName = m_Plant.Settings().SystemName();
    const QPublishTopics topics(settings.EffectivePrefix(plantName), QPublishSettings::PlantSlug(plantName));
    if (!settings.IsUsable()) {
        if (IsActive()) {
            Stop(StopFlushMs);
            Log(tr("Publishing stopped."));
        }
        m_Settings = settings;
        m_Topics = topics;
        SetStatus(settings.enabled ? tr("No broker is set.") : tr("Publishing is off."));
        return;
    }
    if (IsActive() && settings == m_Settings && topics.Prefix() == m_Topics.Prefix() &&
        plantName == m_strPlantName) {
        return;
    }
    if (IsActive()) {
        // The devices move or go: a home-automation system would keep the old ones.
        if (m_Settings.discovery && (!settings.discovery || topics.Prefix() != m_Topics.Prefix() ||
                                     topics.PlantSlug() != m_Topics.PlantSlug())) {
            WithdrawDiscovery();
        }
        m_pLink->Stop(StopFlushMs);
    }
    if (!m_bEnergyLoaded) {
        m_Energy = QEnergyGuard(DataPaths::FilePath(QLatin1String(EnergyFileName)));
        if (!m_Energy.Load(m_Clock().date())) {
            Log(tr("The file %1 cannot be read: energies start again from what the inverters report.")
                    .arg(m_Energy.Path()));
        }
        m_bEnergyLoaded = true;
        m_SinceSave.start();
    }
    m_Settings = settings;
    m_Topics = topics;
    m_strPlantName = plantName;
    m_strLastFailure.clear();
    m_pLink->Start(LinkOptions(settings, topics));
    m_pCheckTimer->start();
    Log(tr("Publishing to the broker %1 under %2.").arg(Broker(), topics.Prefix()));
    SetStatus(tr("Connecting to %1...").arg(Broker()));
}

void QPlantPublisher::Stop(int flushMs) {
    m_pCheckTimer->stop();
    if (m_bEnergyLoaded && !m_Energy.Save()) {
        Log(tr("The file %1 cannot be written.").arg(m_Energy.Path()));
    }
    if (m_pProbe) {
        m_pProbe->Stop(0);
    }
    if (!IsActive()) {
        return;
    }
    m_pLink->Stop(flushMs);
    SetStatus(tr("Publishing is off."));
}

void QPlantPublisher::TestConnection(const QPublishSettings& settings) {
    if (settings.host.trimmed().isEmpty()) {
        emit TestFinished(false, tr("No broker is set."));
        return;
    }
    if (!m_pProbe) {
        m_pProbe = new QBrokerLink(this);
        connect(m_pProbe, &QBrokerLink::Connected, this, [this]() {
            emit TestFinished(true,
                              tr("Connected to the broker %1.").arg(m_pProbe->property("broker").toString()));
        });
        connect(m_pProbe, &QBrokerLink::ConnectFailed, this, [this](int failure, const QString& detail) {
            emit TestFinished(false, FailureText(failure, detail, m_pProbe->property("broker").toString()));
        });
    }
    const QString plantName = m_Plant.Settings().SystemName();
    QBrokerLink::Options options =
        LinkOptions(settings, QPublishTopics(settings.EffectivePrefix(plantName), QString()));
    options.host = settings.host.trimmed();
    options.clientId += QStringLiteral("-test");
    options.statusTopic.clear();
    options.subscriptions.clear();
    options.singleAttempt = true;
    options.connectTimeoutMs = TestTimeoutMs;
    m_pProbe->setProperty("broker", options.host + QLatin1Char(':') + QString::number(options.port));
    m_pProbe->Start(options);
}

QString QPlantPublisher::FailureText(int failure, const QString& detail, const QString& broker) {
    switch (failure) {
    case QBrokerLink::Refused:
        return tr("The broker %1 refused the user name or password.").arg(broker);
    case QBrokerLink::Rejected:
        return tr("The broker %1 refused the connection: %2").arg(broker, detail);
    case QBrokerLink::TlsFailure:
        return tr("No secure connection to the broker %1: %2").arg(broker, detail);
    default:
        return tr("Cannot connect to the broker %1: %2").arg(broker, detail);
    }
}

void QPlantPublisher::OnLinkConnected() {
    m_strLastFailure.clear();
    Log(tr("Connected to the broker %1.").arg(Broker()));
    SetStatus(tr("Connected to %1.").arg(Broker()));
    AnnounceAll();
}

void QPlantPublisher::OnLinkFailed(int failure, const QString& detail, int retryMs) {
    const QString text = FailureText(failure, detail, Broker());
    // Logged once: a broker that stays away must not fill the log.
    if (text != m_strLastFailure) {
        Log(text);
        m_strLastFailure = text;
    }
    SetStatus(retryMs > 0 ? text + QLatin1Char(' ') + tr("Next attempt in %1 s.").arg((retryMs + 999) / 1000)
                          : text);
}

void QPlantPublisher::OnLinkLost(const QString& detail) {
    Log(tr("The connection to the broker %1 was lost (%2); connecting again.").arg(Broker(), detail));
    SetStatus(tr("Connecting to %1...").arg(Broker()));
}

void QPlantPublisher::OnLinkMessage(const QString& topic, const QByteArray& payload) {
    // The home-automation system (re)started: it forgets what it was told.
    if (topic == QPublishTopics::DiscoveryStatus() && payload.trimmed() == "online" && m_Settings.discovery) {
        for (QInverter* inverter : m_Plant.Inverters()) {
            if (Track* track = TrackOf(*inverter)) {
                AnnounceDiscovery(*inverter, *track, true);
            }
        }
        m_PlantConfigs.clear();
        for (const auto& config : QDiscoveryConfigs::ForPlant(m_Topics, m_strPlantName)) {
            Send(QBrokerMessage::Announcement(config.first, config.second));
            m_PlantConfigs.append(config.first);
        }
    }
}

void QPlantPublisher::OnCheckTick() {
    CheckDay();
    if (m_bPlantDirty && IsActive()) {
        PublishPlant();
    }
    if (m_Energy.IsDirty() && m_SinceSave.elapsed() >= SaveDelayMs) {
        if (!m_Energy.Save()) {
            Log(tr("The file %1 cannot be written.").arg(m_Energy.Path()));
        }
        m_SinceSave.restart();
    }
}

void QPlantPublisher::Log(const QString& text) {
    const QString line =
        m_Clock().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) + QStringLiteral("  ") + text;
    m_Log.append(line);
    while (m_Log.size() > MaxLogLines) {
        m_Log.removeFirst();
    }
    emit LogLine(line);
    emit Logged(text);
}

void QPlantPublisher::SetStatus(const QString& text) {
    if (text != m_strStatus) {
        m_strStatus = text;
        emit StatusChanged(text);
    }
}

void QPlantPublisher::Send(const QBrokerMessage& message) {
    m_pLink->Publish(message);
}

void QPlantPublisher::SendValue(const QString& topic, const QByteArray& payload) {
    const auto it = m_Retained.constFind(topic);
    if (it != m_Retained.constEnd() && it.value() == payload) {
        return;
    }
    m_Retained.insert(topic, payload);
    Send(QBrokerMessage::Value(topic, payload));
}

void QPlantPublisher::CheckDay() {
    if (m_bEnergyLoaded) {
        CheckDay(m_Clock());
    }
}

void QPlantPublisher::CheckDay(const QDateTime& now) {
    if (!m_bEnergyLoaded) {
        return;
    }
    const QList<int> fallen = m_Energy.BeginDay(now.date());
    for (const int key : fallen) {
        if (key == QEnergyGuard::PlantKey) {
            m_bPlantDirty = true;
        } else if (QInverter* inverter = m_Plant.FindByAddress(key)) {
            if (Track* track = TrackOf(*inverter); track && IsActive()) {
                PublishState(*inverter, *track, now);
            }
        }
    }
}

// ---------------------------------------------------------------- the inverters

bool QPlantPublisher::Publishes(const QInverter& inverter) const {
    return !inverter.IsAnalog() && IsPublishedAddress(inverter.Address());
}

QPlantPublisher::Track* QPlantPublisher::TrackOf(QInverter& inverter) {
    if (!Publishes(inverter)) {
        return nullptr;
    }
    auto it = m_Tracks.find(&inverter);
    if (it == m_Tracks.end()) {
        it = m_Tracks.insert(&inverter, Track());
        it->address = inverter.Address();
    } else if (it->address != inverter.Address()) {
        // A new bus address: the old one's topics and device go, the new ones follow.
        if (IsActive()) {
            Withdraw(it.value());
        }
        m_Energy.Forget(it->address);
        *it = Track();
        it->address = inverter.Address();
        if (IsConnected()) {
            Announce(inverter, it.value(), true);
        }
    }
    return &it.value();
}

void QPlantPublisher::OnJoined(QInverter& inverter) {
    Track* track = TrackOf(inverter);
    if (track && IsConnected()) {
        Announce(inverter, *track, true);
    }
}

void QPlantPublisher::OnLeaving(QInverter& inverter) {
    const auto it = m_Tracks.find(&inverter);
    if (it == m_Tracks.end()) {
        return;
    }
    if (IsActive()) {
        Withdraw(it.value());
    }
    m_Energy.Forget(it->address);
    m_Tracks.erase(it);
    m_bPlantDirty = true;
}

void QPlantPublisher::OnReplyDecoded(QInverter& inverter, int code) {
    if (!IsActive()) {
        return;
    }
    Track* track = TrackOf(inverter);
    if (!track) {
        return;
    }
    // The reads whose energies go out see midnight first; for the others the
    // check timer is soon enough. The clock is read once: the local time costs.
    const bool energies = code == TodayEnergyRead || code == TotalsRead || code == LiveRead;
    const QDateTime now = energies ? m_Clock() : QDateTime();
    if (energies) {
        CheckDay(now);
    }
    track->received.insert(code);
    const int address = inverter.Address();
    switch (code) {
    case TodayEnergyRead:
        m_Energy.OfferToday(address, inverter.ItemValue(TodayEnergy), now);
        m_bPlantDirty = true;
        break;
    case TotalsRead:
        m_Energy.OfferTotal(address, inverter.ItemValue(TotalEnergy));
        m_bPlantDirty = true;
        break;
    case LiveRead:
        if (inverter.ItemValue(OutputPower) > 0) {
            m_Energy.NoteProducing(address, now);
        }
        PublishState(inverter, *track, now);
        m_bPlantDirty = true;
        break;
    case ModelRead:
    case SerialTextRead:
    case ProductionRead:
        if (IsConnected()) {
            AnnounceDiscovery(inverter, *track, false);
        }
        break;
    default:
        break;
    }
}

void QPlantPublisher::OnCommStateChanged(QInverter& inverter, int, int newState) {
    if (!IsActive() || newState == CommConnecting) {
        return;
    }
    if (Track* track = TrackOf(inverter)) {
        PublishAvailability(inverter, *track);
        if (newState == CommOffline) {
            PublishState(inverter, *track, m_Clock());
        }
        m_bPlantDirty = true;
    }
}

void QPlantPublisher::OnFaultBegan(QInverter& inverter, int slot, qint32 code) {
    if (IsActive() && TrackOf(inverter)) {
        PublishFault(inverter, slot, code, true);
    }
}

void QPlantPublisher::OnFaultEnded(QInverter& inverter, int slot, qint32 code) {
    if (IsActive() && TrackOf(inverter)) {
        PublishFault(inverter, slot, code, false);
    }
}

void QPlantPublisher::OnRenamed(QInverter& inverter, const QString&) {
    Track* track = TrackOf(inverter);
    if (track && IsConnected()) {
        AnnounceDiscovery(inverter, *track, false);
    }
}

// ---------------------------------------------------------------- what goes out

void QPlantPublisher::AnnounceAll() {
    m_Retained.clear();
    for (QInverter* inverter : m_Plant.Inverters()) {
        if (Track* track = TrackOf(*inverter)) {
            Announce(*inverter, *track, true);
        }
    }
    if (m_Settings.discovery) {
        m_PlantConfigs.clear();
        for (const auto& config : QDiscoveryConfigs::ForPlant(m_Topics, m_strPlantName)) {
            Send(QBrokerMessage::Announcement(config.first, config.second));
            m_PlantConfigs.append(config.first);
        }
    }
    PublishPlant();
}

void QPlantPublisher::Announce(QInverter& inverter, Track& track, bool force) {
    AnnounceDiscovery(inverter, track, force);
    if (force) {
        track.availability = -1;
    }
    PublishAvailability(inverter, track);
    PublishState(inverter, track, m_Clock());
}

void QPlantPublisher::AnnounceDiscovery(QInverter& inverter, Track& track, bool force) {
    if (!m_Settings.discovery) {
        return;
    }
    const QString identity = Identity(inverter);
    if (!force && identity == track.identity) {
        return;
    }
    QStringList topics;
    for (const auto& config : QDiscoveryConfigs::ForInverter(m_Topics, inverter)) {
        Send(QBrokerMessage::Announcement(config.first, config.second));
        topics.append(config.first);
    }
    // Values the model turned out not to have.
    for (const QString& old : std::as_const(track.configs)) {
        if (!topics.contains(old)) {
            Send(QBrokerMessage::Announcement(old, QByteArray()));
        }
    }
    track.configs = topics;
    track.identity = identity;
}

void QPlantPublisher::Withdraw(Track& track) {
    for (const QString& config : std::as_const(track.configs)) {
        Send(QBrokerMessage::Announcement(config, QByteArray()));
    }
    track.configs.clear();
    // An empty retained message removes what the broker keeps for the topic.
    QStringList topics{m_Topics.Availability(track.address), m_Topics.State(track.address),
                       m_Topics.OperatingStatus(track.address)};
    for (const QPublishedValue& value : QPublishedValues::All()) {
        topics.append(m_Topics.Value(track.address, value.key));
    }
    for (const QString& topic : std::as_const(topics)) {
        Send(QBrokerMessage::Announcement(topic, QByteArray()));
        m_Retained.remove(topic);
    }
}

void QPlantPublisher::WithdrawDiscovery() {
    for (Track& track : m_Tracks) {
        for (const QString& config : std::as_const(track.configs)) {
            Send(QBrokerMessage::Announcement(config, QByteArray()));
        }
        track.configs.clear();
        track.identity.clear();
    }
    for (const QString& config : std::as_const(m_PlantConfigs)) {
        Send(QBrokerMessage::Announcement(config, QByteArray()));
    }
    m_PlantConfigs.clear();
}

void QPlantPublisher::PublishAvailability(const QInverter& inverter, Track& track) {
    const int available = inverter.CommState() == CommOnline ? 1 : 0;
    if (available == track.availability) {
        return;
    }
    track.availability = available;
    Send(QBrokerMessage::Announcement(m_Topics.Availability(track.address),
                                      available ? QByteArray("online") : QByteArray("offline")));
}

void QPlantPublisher::PublishState(const QInverter& inverter, const Track& track, const QDateTime& now) {
    const int address = track.address;
    // Offline (at night, or off the bus) an inverter feeds nothing in; its
    // other readings are old, and only the energies keep their values.
    const bool live = inverter.CommState() != CommOffline;
    QJsonObject state{{"time", TimeText(now)}};
    if (live && track.received.contains(StatusRead)) {
        const int status = inverter.ItemValue(OperatingStatus);
        const QString word = QPublishedValues::StatusWord(status);
        state.insert("status", word);
        state.insert("status_code", status);
        SendValue(m_Topics.OperatingStatus(address), word.toUtf8());
    }
    for (const QPublishedValue& value : QPublishedValues::Of(inverter)) {
        qint64 raw = 0;
        if (value.IsEnergy()) {
            raw = value.item == TodayEnergy ? m_Energy.Today(address) : m_Energy.Total(address);
            if (raw < 0) {
                continue;
            }
        } else if (!live) {
            if (!value.IsPower()) {
                continue;
            }
        } else if (track.received.contains(value.sourceRead)) {
            raw = inverter.ItemValue(value.item);
        } else {
            continue;
        }
        state.insert(QLatin1String(value.key),
                     value.divisor == 1 ? QJsonValue(raw) : QJsonValue(value.Scaled(raw)));
        SendValue(m_Topics.Value(address, value.key), value.Format(raw));
    }
    Send(QBrokerMessage::Value(m_Topics.State(address), Compact(state)));
}

void QPlantPublisher::PublishFault(const QInverter& inverter, int slot, qint32 code, bool began) {
    const QJsonObject event{
        {"event", began ? "fault_began" : "fault_ended"},
        {"code", QString::asprintf("%04X", uint(code) & 0xFFFF)},
        {"code_value", code},
        {"name", FaultName(code)},
        {"description", FaultDescription(code)},
        {"slot", slot},
        {"inverter", inverter.Name()},
        {"address", inverter.Address()},
        {"time", TimeText(m_Clock())},
    };
    Send(QBrokerMessage::Event(m_Topics.Event(inverter.Address()), Compact(event)));
}

void QPlantPublisher::PublishPlant() {
    m_bPlantDirty = false;
    qint64 input = 0;
    qint64 output = 0;
    qint64 total = 0;
    qint64 today = 0;
    bool totalReceived = false;
    bool todayReceived = false;
    for (QInverter* inverter : m_Plant.Inverters()) {
        const auto found = m_Tracks.constFind(inverter);
        if (found == m_Tracks.constEnd()) {
            continue;
        }
        const Track* track = &found.value();
        if (inverter->CommState() == CommOnline && track->received.contains(LiveRead)) {
            input += inverter->ItemValue(InputPower);
            output += inverter->ItemValue(OutputPower);
        }
        total += qMax(0, m_Energy.LastTotal(track->address));
        today += qMax(0, m_Energy.LastToday(track->address));
        totalReceived = totalReceived || m_Energy.Total(track->address) >= 0;
        todayReceived = todayReceived || m_Energy.Today(track->address) >= 0;
    }
    QJsonObject state{{"time", TimeText(m_Clock())}, {"input_power", input}, {"output_power", output}};
    const QPublishedValue* inputValue = QPublishedValues::Find("input_power");
    const QPublishedValue* outputValue = QPublishedValues::Find("output_power");
    SendValue(m_Topics.PlantValue("input_power"), inputValue->Format(input));
    SendValue(m_Topics.PlantValue("output_power"), outputValue->Format(output));
    if (todayReceived) {
        const QPublishedValue* value = QPublishedValues::Find("today_energy");
        const qint32 sum =
            m_Energy.OfferToday(QEnergyGuard::PlantKey, qint32(qMin<qint64>(today, INT_MAX)), m_Clock());
        state.insert("today_energy", value->Scaled(sum));
        SendValue(m_Topics.PlantValue("today_energy"), value->Format(sum));
    }
    if (totalReceived) {
        const QPublishedValue* value = QPublishedValues::Find("total_energy");
        const qint32 sum = m_Energy.OfferTotal(QEnergyGuard::PlantKey, qint32(qMin<qint64>(total, INT_MAX)));
        state.insert("total_energy", value->Scaled(sum));
        SendValue(m_Topics.PlantValue("total_energy"), value->Format(sum));
    }
    Send(QBrokerMessage::Value(m_Topics.PlantState(), Compact(state)));
}

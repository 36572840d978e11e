#include "QInverter.h"

#include "QFaultTable.h"
#include "QInverterListener.h"
#include "QMissionModel.h"
#include "QTreeEntry.h"
#include "ReplyErrors.h"
#include "SystemClock.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>

namespace {

// Operating status names, indexed by item 32; shown by the main window and the
// day log, so they are translated in the main window's context.
const char* const kStatusNames[] = {
    QT_TRANSLATE_NOOP("MainWindow", "Unknown"), QT_TRANSLATE_NOOP("MainWindow", "Self-test"),
    QT_TRANSLATE_NOOP("MainWindow", "Running"), QT_TRANSLATE_NOOP("MainWindow", "Alarm"),
    QT_TRANSLATE_NOOP("MainWindow", "Fault"),   QT_TRANSLATE_NOOP("MainWindow", "Shutdown"),
};
constexpr int kStatusCount = 6;

const char* const kAlreadyConnected = QT_TRANSLATE_NOOP("QInverter", "Already connected!");
const char* const kDisconnect = QT_TRANSLATE_NOOP("QInverter", "Disconnect");

struct ModelRow {
    const char* name;
    int phases;
    int picture;
    int power;
};

// Searched in this order: the first name found inside the reported text wins,
// so "Tivra PA20KT-X" lands on the "Tivra PA20KT" row (same ratings).
const ModelRow kModelTable[] = {
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PA1K5S"), 1, 1, 1500},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PA2K2S"), 1, 1, 2200},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PA3KS"), 1, 1, 3000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PA4KS"), 1, 2, 4000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PA5KS"), 1, 2, 5000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PA6KS"), 1, 2, 6000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PA4KT"), 3, 3, 4000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PA5KT"), 3, 3, 5000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PA6KT"), 3, 3, 6000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PA8KT"), 3, 3, 8000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PA10KT"), 3, 3, 10000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PA12KT"), 3, 3, 12000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PA15KT"), 3, 3, 15000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PA17KT"), 3, 3, 17000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PA20KT"), 3, 3, 20000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PA20KT-X"), 3, 3, 20000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PA25KT"), 3, 3, 25000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PA30KT"), 3, 3, 30000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PA40KT"), 3, 3, 40000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PE4KS"), 1, 4, 4000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PE4K6S"), 1, 4, 4600},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PE5KS"), 1, 4, 5000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PE4KS-D"), 1, 4, 4000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PE4K6S-D"), 1, 4, 4600},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PE5KS-D"), 1, 4, 5000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PM750S"), 1, 5, 750},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PM1K1S"), 1, 5, 1100},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PM1K5S"), 1, 5, 1500},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PM2KS"), 1, 5, 2000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PM3KS"), 1, 5, 3000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PM4KS"), 1, 5, 4000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PM4K6S"), 1, 5, 4600},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PM5KS"), 1, 5, 5000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PM3KS-D"), 1, 5, 3000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PM4KS-D"), 1, 5, 4000},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PM4K6S-D"), 1, 5, 4600},
    {QT_TRANSLATE_NOOP("QInverter", "Tivra PM5KS-D"), 1, 5, 5000},
};

const char* const kBoxFallback = "Tivra PA10KT & Box";
const char* const kPlainFallback = "Tivra PA5KS";

// Registers written as a flag: the device acts on this pattern only.
constexpr quint16 kActionPattern = 0xAAAA;
constexpr quint16 kSwitchOffPattern = 0x5555;

// Setting writes and the replies that acknowledge them.
enum SettingCode {
    CodeSetClock = 18,
    CodeSetLanguage = 19,
    CodeSetMonetaryUnit = 20,
    CodeSetPrice = 21,
    CodeSetMaxPower = 22,
    CodeSwitchOnOff = 23,
    CodeResetInverter = 24,
    CodeFactoryReset = 25,
    CodeSetUserLabel = 27,
    CodeClearStatistics = 28,
    CodeSetTariff = 29, // + period number
    CodeSetPassword = 31,
    CodeLogon = 4892,
    CodeLogoff = 4893,
};

constexpr int kLogonItem = LogonState;
constexpr int kStatusItem = OperatingStatus;
constexpr int kUserLabelBytes = 32;

// What a one-shot mission was, for the line that says it was not delivered.
const char* const kCommandTexts[][2] = {
    {"18", QT_TRANSLATE_NOOP("QInverter", "Set the inverter's clock")},
    {"19", QT_TRANSLATE_NOOP("QInverter", "Set the inverter's language")},
    {"20", QT_TRANSLATE_NOOP("QInverter", "Set the monetary unit")},
    {"21", QT_TRANSLATE_NOOP("QInverter", "Set the price")},
    {"22", QT_TRANSLATE_NOOP("QInverter", "Set the max output power")},
    {"23", QT_TRANSLATE_NOOP("QInverter", "Switch on or off")},
    {"24", QT_TRANSLATE_NOOP("QInverter", "Reset")},
    {"25", QT_TRANSLATE_NOOP("QInverter", "Factory reset")},
    {"27", QT_TRANSLATE_NOOP("QInverter", "Set the user label")},
    {"28", QT_TRANSLATE_NOOP("QInverter", "Clear the statistics")},
    {"29", QT_TRANSLATE_NOOP("QInverter", "Set tariff period 1")},
    {"30", QT_TRANSLATE_NOOP("QInverter", "Set tariff period 2")},
    {"31", QT_TRANSLATE_NOOP("QInverter", "Set the inverter password")},
    {"4892", QT_TRANSLATE_NOOP("QInverter", "Logon")},
    {"4893", QT_TRANSLATE_NOOP("QInverter", "Logoff")},
};

QString CommandText(const QMissionModel& mission) {
    const QByteArray code = QByteArray::number(mission.Code());
    for (const auto& entry : kCommandTexts) {
        if (code == entry[0]) {
            return QCoreApplication::translate("QInverter", entry[1]);
        }
    }
    const QString reg = QString::asprintf("%04X", unsigned(mission.Register()));
    if (mission.Kind() == MissionOnceWrite || mission.Kind() == MissionPollWrite) {
        return QCoreApplication::translate("QInverter", "Write %1 registers from %2")
            .arg(mission.RegisterCount())
            .arg(reg);
    }
    return QCoreApplication::translate("QInverter", "Read %1 registers from %2")
        .arg(mission.RegisterCount())
        .arg(reg);
}

// The identity reads are queued once per inverter; when they are dropped they
// must be queued again.
bool IsIdentityRead(int code) {
    return code == SerialTextRead || code == SecondTextRead || code == ProductionRead;
}

qint32 TimeWord(const QTime& time) {
    return time.hour() * 65536 + time.minute() * 256 + time.second();
}

// The reply's data: register values high byte first from offset 3.
class ReplyData {
public:
    explicit ReplyData(const QMissionModel* mission)
        : m_d(mission->ReplyData()),
          m_nBytes(qBound(0, mission->ExpectedLength() - 5, QMissionModel::BufferSize - 5)) {}

    int Registers() const { return m_nBytes / 2; }
    int Bytes() const { return m_nBytes; }
    uchar Byte(int i) const { return m_d[i]; }
    qint32 Reg(int i) const { return m_d[2 * i] * 256 + m_d[2 * i + 1]; }
    qint32 Signed(int i) const { return qint16(quint16(Reg(i))); }
    qint32 Reg32(int i) const { return qint32((quint32(Reg(i)) << 16) | quint32(Reg(i + 1))); }
    // The data as a zero-terminated text, never read past the reply.
    QString Text() const {
        const void* end = std::memchr(m_d, 0, size_t(m_nBytes));
        const int length = end ? int(static_cast<const uchar*>(end) - m_d) : m_nBytes;
        return QString::fromUtf8(reinterpret_cast<const char*>(m_d), length);
    }

private:
    const uchar* m_d;
    int m_nBytes;
};

struct ReplyHookState {
    QReplyHook::Hook hook;
    QReplyHook::DropHook dropHook;
    int target = 5;
};

ReplyHookState& HookState() {
    static ReplyHookState state;
    return state;
}

bool IsBusAddress(int address) {
    return address >= 1 && address <= 247;
}

} // namespace

// ---------------------------------------------------------------- construction

QInverter::QInverter() {
    m_MissionList.SetInverter(this);
    for (auto& series : m_Minutes) {
        for (qint32& value : series) {
            value = -1;
        }
    }
}

QInverter::~QInverter() {
    qDeleteAll(m_Dropped);
}

void QInverter::AddListener(QInverterListener* listener) {
    if (listener && !m_Listeners.contains(listener)) {
        m_Listeners.append(listener);
    }
}

void QInverter::RemoveListener(QInverterListener* listener) {
    m_Listeners.removeAll(listener);
}

// A copy of the list: a listener may add or remove listeners while it is told.
template <typename Call> void QInverter::Tell(Call call) {
    const QList<QInverterListener*> listeners = m_Listeners;
    for (QInverterListener* listener : listeners) {
        if (m_Listeners.contains(listener)) {
            call(*listener);
        }
    }
}

// ---------------------------------------------------------------- model table

ModelInfo QInverter::LookupModel(const QString& reported) {
    ModelInfo info;
    info.m_bBox = reported.contains(QLatin1String("Box"));
    for (const ModelRow& row : kModelTable) {
        const QString name = QCoreApplication::translate("QInverter", row.name);
        if (!name.isEmpty() && reported.contains(name, Qt::CaseSensitive)) {
            info.m_strName = reported;
            info.m_nPhases = row.phases;
            info.m_nPicture = row.picture;
            info.m_nRatedPower = row.power;
            return info;
        }
    }
    if (info.m_bBox) {
        info.m_strName = QString::fromLatin1(kBoxFallback);
        info.m_nPhases = 3;
        info.m_nPicture = 3;
        info.m_nRatedPower = 10000;
    } else {
        info.m_strName = QString::fromLatin1(kPlainFallback);
        info.m_nPhases = 1;
        info.m_nPicture = 2;
        info.m_nRatedPower = 5000;
    }
    return info;
}

void QInverter::SetModel(const ModelInfo& info) {
    m_strModelName = info.m_strName;
    m_nPhases = info.m_nPhases;
    m_nPicture = info.m_nPicture;
    m_nRatedPower = info.m_nRatedPower;
    m_bBox = info.m_bBox ? 1 : 0;
    // The model is polled every minute; the box reads join the list only once,
    // and the one-shot reads again after they were dropped undelivered.
    if ((!m_bIdentityDone || m_bIdentityAgain) && info.m_bBox) {
        const QList<QMissionModel*> before = m_MissionList.Missions();
        m_MissionList.BuildIdentityMissions(m_nAddress);
        const QList<QMissionModel*> after = m_MissionList.Missions();
        for (QMissionModel* added : after) {
            const bool known = std::any_of(before.begin(), before.end(), [added](const QMissionModel* m) {
                return m->Code() == added->Code();
            });
            if (!before.contains(added) && known) {
                m_MissionList.RemoveMission(added);
                delete added;
            }
        }
        m_bIdentityDone = 1;
        m_bIdentityAgain = 0;
    }
}

// ---------------------------------------------------------------- identity

void QInverter::SetName(const QString& name) {
    if (name.isEmpty() || name == m_strName) {
        // An empty name would put the inverter's files into the data folder itself.
        return;
    }
    const QString oldName = m_strName;
    if (!oldName.isEmpty()) {
        bool accepted = true;
        Tell([&](QInverterListener& l) { accepted = accepted && l.OnRenaming(*this, name); });
        if (!accepted) {
            return;
        }
    }
    m_strName = name;
    if (!oldName.isEmpty()) {
        LogEvent(EventRename, oldName + QLatin1Char('/') + name);
    }
    Tell([&](QInverterListener& l) { l.OnRenamed(*this, oldName); });
}

void QInverter::SetAddress(int address) {
    m_nAddress = address & 0xFF;
    m_MissionList.BuildPollMissions(m_nAddress);
}

// ---------------------------------------------------------------- communication state

void QInverter::SetCommState(int state) {
    m_nRetry = 0;
    const int oldState = m_nCommState;
    QString logText;
    if (state != CommOffline) {
        // A mission of this inverter is on its way: none of the dropped ones is in flight any more.
        qDeleteAll(m_Dropped);
        m_Dropped.clear();
    }
    if (state == CommOnline) {
        if (oldState == CommConnecting) {
            logText = QCoreApplication::translate("QInverter", kAlreadyConnected);
        }
        m_MissionList.SetShortPeriods(2000);
        if (m_pTreeEntry) {
            m_pTreeEntry->SetConnect(true);
            m_pTreeEntry->SetNormal(true);
        }
    } else if (state == CommOffline) {
        if (oldState == CommOnline) {
            logText = QCoreApplication::translate("QInverter", kDisconnect);
        }
        m_MissionList.SetShortPeriods(59000);
        if (m_pTreeEntry) {
            m_pTreeEntry->SetConnect(false);
            m_pTreeEntry->SetNormal(false);
        }
        m_bDataValid = 0;
    }
    m_nCommState = state;
    if (!logText.isEmpty()) {
        LogEvent(EventCommStatus, logText);
    }
    if (state != oldState) {
        Tell([&](QInverterListener& l) { l.OnCommStateChanged(*this, oldState, state); });
    }
    if (state == CommOffline) {
        DropOneShotMissions();
    }
}

void QInverter::DropOneShotMissions() {
    // A write or read asked for once would otherwise wait in the list and run
    // whenever the inverter answers again, possibly days later.
    const QList<QMissionModel*> missions = m_MissionList.Missions();
    for (QMissionModel* mission : missions) {
        if (!mission->IsOneShot()) {
            continue;
        }
        m_MissionList.RemoveMission(mission);
        m_Dropped.append(mission);
        if (IsIdentityRead(mission->Code())) {
            m_bIdentityAgain = 1; // asked for again with the next model reply
        }
        LogEvent(EventNotDelivered, CommandText(*mission));
        QReplyHook::CallDropped(mission);
        Tell([&](QInverterListener& l) { l.OnMissionDropped(*this, *mission); });
    }
}

bool QInverter::AdvanceRetry() {
    ++m_nRetry;
    if (m_nRetry > 3) {
        m_nRetry = 0;
        return true;
    }
    return false;
}

// ---------------------------------------------------------------- live data

void QInverter::SetItem(int index, qint32 value) {
    if (index < 0 || index >= ItemCount) {
        return;
    }
    if (index == kStatusItem) {
        SetStatus(value);
        return;
    }
    const QDateTime moment = SystemClock::Now();
    const QTime now = moment.time();
    QItemRecord& item = m_Items[index];
    item.Write(value);
    item.m_nTime = TimeWord(now);
    const int series = index == InputPower ? 0 : index == OutputPower ? 1 : index == TodayEnergy ? 2 : -1;
    if (series >= 0) {
        BeginDay(moment.date());
        SetMinuteValue(series, now.hour() * 60 + now.minute(), value);
    }
    if (index == TodayEnergy) {
        m_EnergyDay = moment.date();
    }
}

void QInverter::SetStatus(qint32 value) {
    const qint32 status = (value >= 0 && value < kStatusCount) ? value : 0;
    QItemRecord& item = m_Items[kStatusItem];
    const qint32 old = item.m_nValue;
    if (status != old && status != 0 && old != 0) {
        LogEvent(EventStatusChange, StatusName(old) + QLatin1Char('/') + StatusName(status));
    }
    item.Write(status);
    item.m_nTime = TimeWord(SystemClock::CurrentTime());
}

QString QInverter::StatusName(int status) {
    if (status < 0 || status >= kStatusCount) {
        status = 0;
    }
    return QCoreApplication::translate("MainWindow", kStatusNames[status]);
}

void QInverter::SetStatItem(int index, qint32 value) {
    if (index < 0 || index >= StatCount) {
        return;
    }
    m_Stats[index].Write(value);
    m_Stats[index].m_nTime = TimeWord(SystemClock::CurrentTime());
}

qint32 QInverter::MinuteValue(int series, int minute) const {
    if (series < 0 || series >= SeriesCount || minute < 0 || minute >= MinutesPerDay) {
        return -1;
    }
    return m_Minutes[series][minute];
}

void QInverter::SetMinuteValue(int series, int minute, qint32 value) {
    if (series < 0 || series >= SeriesCount || minute < 0 || minute >= MinutesPerDay) {
        return;
    }
    m_Minutes[series][minute] = (value < -1 || value > 500000) ? -1 : value;
}

void QInverter::BeginDay(const QDate& day) {
    if (day == m_HistoryDay) {
        return;
    }
    // Yesterday's samples would otherwise show as today's for the minutes not reached yet.
    if (m_HistoryDay.isValid()) {
        for (auto& series : m_Minutes) {
            for (qint32& value : series) {
                value = -1;
            }
        }
    }
    m_HistoryDay = day;
}

qint32 QInverter::EnergyOfToday(const QDate& today) const {
    return m_EnergyDay == today ? m_Items[TodayEnergy].m_nValue : 0;
}

// ---------------------------------------------------------------- faults

bool QInverter::HasActiveFault() const {
    for (const QItemRecord& slot : m_Faults) {
        if (slot.m_nValue != 0) {
            return true;
        }
    }
    return false;
}

void QInverter::UpdateFaultSlot(int slot, const QItemRecord& record) {
    if (slot < 0 || slot >= FaultSlotCount) {
        return;
    }
    const qint32 code = record.m_nValue;
    QItemRecord& current = m_Faults[slot];
    if (code == current.m_nValue) {
        return;
    }
    const qint32 ended = current.m_nValue;
    if (ended != 0) {
        LogEvent(EventFaultEnded, QString::asprintf("%04X", uint(ended)));
    }
    if (code != 0 && FaultName(code).isEmpty()) {
        // Words without a known fault are no fault at all.
        current = QItemRecord();
    } else {
        current = record;
    }
    if (ended != 0) {
        Tell([&](QInverterListener& l) { l.OnFaultEnded(*this, slot, ended); });
    }
    if (current.m_nValue != 0) {
        Tell([&](QInverterListener& l) { l.OnFaultBegan(*this, slot, code); });
        LogEvent(EventFaultBegan, QString::asprintf("%04X", uint(code)));
    }
}

// ---------------------------------------------------------------- event log

void QInverter::LogEvent(int kind, const QString& argument) {
    m_EventLog.LogEvent(this, kind, argument);
}

// ---------------------------------------------------------------- setting writes

void QInverter::QueueMission(QMissionModel* mission) {
    if (!mission) {
        return;
    }
    mission->SetOwner(&m_MissionList);
    m_MissionList.AddMission(mission);
}

bool QInverter::QueueWrite(int reg, int count, const uchar* data, int code) {
    // Address 0 would be a broadcast and 255 is the analog device: neither
    // may ever receive a write.
    if (!IsBusAddress(m_nAddress)) {
        return false;
    }
    auto* mission = new QMissionModel;
    if (!mission->BuildFrame(reg, m_nAddress, count, MissionOnceWrite, data)) {
        delete mission;
        return false;
    }
    mission->SetCode(code);
    QueueMission(mission);
    return true;
}

bool QInverter::QueueWriteWord(int reg, quint16 value, int code) {
    const uchar data[2] = {uchar(value >> 8), uchar(value & 0xFF)};
    return QueueWrite(reg, 1, data, code);
}

void QInverter::Logon(int password) {
    QueueWriteWord(0x131C, quint16(password), CodeLogon);
}

void QInverter::Logoff() {
    m_Items[kLogonItem].m_bFresh = 0;
    if (m_Items[kLogonItem].m_nValue == 2) {
        QueueWriteWord(0x131C, 0, CodeLogoff);
    }
}

void QInverter::SetLanguage(char code) {
    if (QueueWriteWord(0x1301, uchar(code), CodeSetLanguage)) {
        m_cLanguage = QChar(uchar(code));
    }
}

void QInverter::SetMonetaryUnit(char code) {
    if (QueueWriteWord(0x1302, uchar(code), CodeSetMonetaryUnit)) {
        m_cMonetary = QChar(uchar(code));
    }
}

void QInverter::SetPrice(int value) {
    if (QueueWriteWord(0x1303, quint16(value), CodeSetPrice)) {
        SetItem(PriceSetting, value);
    }
}

void QInverter::SetMaxOutputPower(int value) {
    if (QueueWriteWord(0x131E, quint16(value), CodeSetMaxPower)) {
        SetItem(MaxOutputSetting, value);
    }
}

void QInverter::SwitchOnOff(bool on) {
    QueueWriteWord(0x1400, on ? kActionPattern : kSwitchOffPattern, CodeSwitchOnOff);
}

void QInverter::ResetInverter() {
    QueueWriteWord(0x1401, kActionPattern, CodeResetInverter);
}

void QInverter::FactoryReset() {
    QueueWriteWord(0x1402, kActionPattern, CodeFactoryReset);
}

void QInverter::SetUserLabel(const QString& text) {
    // The device keeps 32 bytes; a character that does not fit whole is left
    // out rather than cut in the middle of its bytes.
    QByteArray bytes;
    for (int i = 0; i < text.size();) {
        const int step = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QByteArray piece = text.mid(i, step).toUtf8();
        if (bytes.size() + piece.size() > kUserLabelBytes) {
            break;
        }
        bytes += piece;
        i += step;
    }
    uchar data[kUserLabelBytes] = {};
    std::memcpy(data, bytes.constData(), size_t(bytes.size()));
    if (QueueWrite(0x1306, kUserLabelBytes / 2, data, CodeSetUserLabel)) {
        m_strUserLabel = QString::fromUtf8(bytes);
    }
}

void QInverter::ClearStatistics() {
    QueueWriteWord(0x1404, kActionPattern, CodeClearStatistics);
}

void QInverter::SetTariffPeriod(int n, int start, int end) {
    if (n != 0 && n != 1) {
        return;
    }
    // Dates come packed with the four-digit year; the device counts years from
    // 2000, which is the year's low byte plus 48 (2000 & 0xFF is 208).
    const uchar data[6] = {
        uchar(((start >> 16) & 0xFF) + 48), uchar((start >> 8) & 0xFF), uchar(start & 0xFF),
        uchar(((end >> 16) & 0xFF) + 48),   uchar((end >> 8) & 0xFF),   uchar(end & 0xFF),
    };
    QueueWrite(n == 0 ? 0x1316 : 0x1319, 3, data, CodeSetTariff + n);
}

void QInverter::SetInverterPassword(int value) {
    QueueWriteWord(0x1305, quint16(value), CodeSetPassword);
}

void QInverter::SetClock(int date, int time) {
    const uchar data[8] = {
        uchar((date >> 16) & 0xFF), uchar((date >> 8) & 0xFF), uchar(date & 0xFF), 0,
        uchar((time >> 16) & 0xFF), uchar((time >> 8) & 0xFF), uchar(time & 0xFF), 0,
    };
    if (QueueWrite(0x1678, 4, data, CodeSetClock)) {
        SetItem(ClockDate, date);
        SetItem(ClockTime, time);
    }
}

// ---------------------------------------------------------------- reply decoding

void QInverter::DecodeReply(const QMissionModel* mission) {
    if (!mission || mission->IsErrorReply()) {
        return;
    }
    const int function = mission->ReplyFunction();
    const int code = mission->Code();
    if (code == CodeLogon) {
        SetItem(kLogonItem, 2);
    } else if (code == CodeLogoff) {
        SetItem(kLogonItem, 1);
    }
    if (code == MissionCodeSetSuccess) {
        QPlantEvents::Instance().PostSetSuccess();
        return;
    }
    if ((code >= CodeSetClock && code <= CodeFactoryReset) ||
        (code >= CodeSetUserLabel && code <= CodeSetPassword)) {
        if (function == 0x10) {
            QPlantEvents::Instance().PostSetSuccess();
            LogEvent(EventSettingWritten + code, QString());
        }
        return;
    }
    if (function == 0x03 && DecodeRead(mission)) {
        Tell([&](QInverterListener& l) { l.OnReplyDecoded(*this, code); });
    }
}

bool QInverter::DecodeRead(const QMissionModel* mission) {
    const ReplyData d(mission);
    const int code = mission->Code();
    // A reply shorter than its code's layout (a mission built elsewhere with
    // fewer registers) is not decoded: its missing part would be stale bytes.
    auto has = [&d](int registers) { return d.Registers() >= registers; };
    const int block = code / StatBlockStep;

    if (code % StatBlockStep == DayStatsRead && block < DayStatBlocks) {
        if (!has(8)) {
            return false;
        }
        for (int i = 0; i < 4; ++i) {
            SetStatItem(DayStatFirst + 4 * block + i, d.Reg32(2 * i));
        }
        return true;
    }
    if (code % StatBlockStep == MonthStatsRead && block < MonthStatBlocks) {
        if (!has(12)) {
            return false;
        }
        for (int i = 0; i < 6; ++i) {
            SetStatItem(MonthStatFirst + 6 * block + i, d.Reg32(2 * i));
        }
        return true;
    }
    switch (code) {
    case ModelRead:
        SetModel(LookupModel(d.Text()));
        return true;
    case SettingsRead:
        if (!has(3)) {
            return false;
        }
        m_cLanguage = QChar(d.Byte(1));
        m_cMonetary = QChar(d.Byte(3));
        SetItem(PriceSetting, d.Reg(2));
        return true;
    case MaxPowerRead:
        if (!has(1)) {
            return false;
        }
        SetItem(MaxOutputSetting, d.Reg(0));
        return true;
    case PeakPowerRead:
        if (!has(2)) {
            return false;
        }
        SetItem(PeakPower, d.Reg32(0));
        return true;
    case TodayEnergyRead:
        if (!has(6)) {
            return false;
        }
        SetItem(TodayEnergy, d.Reg32(0));
        SetItem(TodayRegister1618, d.Reg32(2));
        SetItem(TodayRegister161A, d.Reg32(4));
        return true;
    case TotalsRead:
        if (!has(16)) {
            return false;
        }
        SetItem(YearEnergy, d.Reg32(0));
        SetItem(YearRegister164A, d.Reg32(2));
        SetItem(YearRegister164C, d.Reg32(4));
        SetItem(TotalEnergy, d.Reg32(10));
        SetItem(TotalsRegister1654, d.Reg32(12));
        SetItem(Co2Reduction, d.Reg32(14));
        return true;
    case StatusRead:
        if (!has(14)) {
            return false;
        }
        DecodeStatus(mission->ReplyData());
        return true;
    case StringsRead:
        if (!has(14)) {
            return false;
        }
        SetItem(String1Voltage, d.Reg(0));
        SetItem(String1Current, d.Reg(1));
        SetItem(String2Voltage, d.Reg(2));
        SetItem(String2Current, d.Reg(3));
        for (int i = 0; i < 6; ++i) {
            SetItem(PhaseUVoltage + i, d.Reg(8 + i));
        }
        return true;
    case LiveRead:
        if (!has(16)) {
            return false;
        }
        SetItem(GridFrequency, d.Reg(2));
        SetItem(Register16A1, d.Signed(3));
        SetItem(InputPower, d.Reg32(4));
        SetItem(OutputPower, d.Reg32(6));
        SetItem(Temperature1, d.Signed(8));
        SetItem(Temperature2, d.Signed(9));
        SetItem(GroundResistance, d.Reg(14));
        SetItem(LeakageCurrent, d.Signed(15));
        m_bDataValid = 1;
        return true;
    case UserLabelRead:
        m_strUserLabel = d.Text();
        return true;
    case SerialTextRead:
        m_strSerial = d.Text();
        return true;
    case SecondTextRead:
        m_strSecond = d.Text();
        return true;
    case ProductionRead:
        if (!has(3)) {
            return false;
        }
        m_strProductionDate = QString::asprintf("%d.%02d.%02d", d.Byte(0) + 2000, d.Byte(1), d.Byte(2));
        m_strVersion = QString::asprintf("%02d.%02d", d.Byte(4), d.Byte(5));
        return true;
    case BoxVoltagesRead:
        if (!has(4)) {
            return false;
        }
        for (int i = 0; i < 4; ++i) {
            SetItem(BoxVoltageFirst + i, d.Reg(i));
        }
        return true;
    case BoxCurrentsRead:
        if (!has(16)) {
            return false;
        }
        for (int i = 0; i < 16; ++i) {
            SetItem(BoxCurrentFirst + i, d.Reg(i));
        }
        return true;
    default:
        return false;
    }
}

void QInverter::DecodeStatus(const uchar* d) {
    bool allClear = true;
    for (int i = 0; i < FaultSlotCount; ++i) {
        QItemRecord record;
        record.m_bActive = 1;
        record.m_bFresh = 1;
        record.m_nValue = d[2 * i] * 256 + d[2 * i + 1];
        record.m_nTime = TimeWord(SystemClock::CurrentTime());
        if (record.m_nValue != 0) {
            allClear = false;
        }
        UpdateFaultSlot(i, record);
    }
    if (m_pTreeEntry) {
        m_pTreeEntry->SetNormal(allClear);
    }
    SetItem(ClockDate, d[16] * 65536 + d[17] * 256 + d[18]);
    SetItem(ClockTime, d[20] * 65536 + d[21] * 256 + d[22]);
    SetItem(kStatusItem, d[25]);
    SetItem(kLogonItem, d[27]);
}

// ---------------------------------------------------------------- reply hook

void QReplyHook::SetHook(Hook hook) {
    HookState().hook = std::move(hook);
}

void QReplyHook::SetTarget(int target) {
    HookState().target = target;
}

int QReplyHook::Target() {
    return HookState().target;
}

void QReplyHook::SetDropHook(DropHook hook) {
    HookState().dropHook = std::move(hook);
}

void QReplyHook::CallDropped(const QMissionModel* mission) {
    const ReplyHookState& state = HookState();
    if (mission && state.dropHook && state.target >= 0 && state.target <= 4) {
        state.dropHook(mission, state.target);
    }
}

void QReplyHook::Call(QMissionModel* mission) {
    const ReplyHookState& state = HookState();
    if (mission && state.hook && state.target >= 0 && state.target <= 4) {
        state.hook(mission, state.target);
    }
}

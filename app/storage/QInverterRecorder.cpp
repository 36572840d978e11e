#include "QInverterRecorder.h"

#include "DataPaths.h"
#include "InverterFolder.h"
#include "QFaultFile.h"
#include "QFileErrors.h"
#include "QInverter.h"
#include "QMinuteFiles.h"
#include "QSystemModel.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace {
constexpr qint64 MinutesPerDay = 24 * 60;
constexpr qint64 PairsPerDay = 24 * 60 * 30; // two-second steps
constexpr int RowWindowMs = 100;             // rows are due in the first 100 ms of an even second

qint64 MinuteKey(const QDateTime& now) {
    const QTime t = now.time();
    return now.date().toJulianDay() * MinutesPerDay + t.hour() * 60 + t.minute();
}

qint64 PairKey(const QDateTime& now) {
    return now.date().toJulianDay() * PairsPerDay + now.time().msecsSinceStartOfDay() / 2000;
}
} // namespace

QInverterRecorder::QInverterRecorder(QSystemModel& plant, Clock clock, QObject* parent)
    : QObject(parent), m_Plant(plant), m_Clock(clock ? std::move(clock) : Clock(&SystemClock::Now)) {
    m_pTimer = new QTimer(this);
    connect(m_pTimer, &QTimer::timeout, this, &QInverterRecorder::OnTick);
    m_pPendingTimer = new QTimer(this);
    m_pPendingTimer->setSingleShot(true);
    m_pPendingTimer->setInterval(PendingWriteDelay);
    connect(m_pPendingTimer, &QTimer::timeout, this, &QInverterRecorder::WritePending);
    m_Plant.AddInverterListener(this);
}

QInverterRecorder::~QInverterRecorder() {
    WritePending();
    for (QInverter* inverter : m_Plant.Inverters()) {
        if (const QAlarmSlots* alarms = AlarmSlots(inverter)) {
            QDayLogFiles::SaveAlarmFile(*inverter, *alarms);
        }
    }
    m_Plant.RemoveInverterListener(this);
}

void QInverterRecorder::Start() {
    m_pTimer->start(TickInterval);
}

void QInverterRecorder::Stop() {
    m_pTimer->stop();
    WritePending();
}

QInverterRecorder::Track& QInverterRecorder::TrackOf(const QInverter& inverter) {
    std::shared_ptr<Track>& track = m_Tracks[&inverter];
    if (!track) {
        track = std::make_shared<Track>();
    }
    return *track;
}

QReceivedStats& QInverterRecorder::ReceivedToday(QInverter& inverter, Track& track, const QDate& today) {
    if (track.receivedDay != today) {
        // What waits belongs to the day before: written with its own date.
        if (track.pendingParts != 0) {
            QVector<QStatsWrite> writes;
            TakePending(inverter, track, writes);
            QGenerationStore::SaveTotals(writes);
        }
        // Entries are counted back from the inverter's today: yesterday's table is
        // one day out of step until it is read again.
        track.received = QReceivedStats();
        track.receivedDay = today;
    }
    return track.received;
}

const QHourReadings* QInverterRecorder::HourReadings(const QInverter* inverter) const {
    const auto it = m_Tracks.constFind(inverter);
    return it == m_Tracks.constEnd() ? nullptr : &it.value()->hours;
}

const QAlarmSlots* QInverterRecorder::AlarmSlots(const QInverter* inverter) const {
    const auto it = m_Tracks.constFind(inverter);
    return it == m_Tracks.constEnd() ? nullptr : &it.value()->alarms;
}

// ---------------------------------------------------------------- the tick

void QInverterRecorder::OnTick() {
    const QDateTime now = m_Clock();
    if (m_Day.isValid() && now.date() != m_Day) {
        WritePending();
        StartNewDay(now.date());
    }
    m_Day = now.date();
    // By index: the list may change under a listener.
    for (int i = 0; i < m_Plant.InverterCount(); ++i) {
        QInverter* inverter = m_Plant.Inverter(i);
        if (inverter->IsAnalog()) {
            m_Analog.FeedAnalogSample(inverter, now);
        }
    }
    WriteMinuteRecords(now);
    WriteDayRows(now);
}

void QInverterRecorder::StartNewDay(const QDate& day) {
    for (int i = 0; i < m_Plant.InverterCount(); ++i) {
        QInverter* inverter = m_Plant.Inverter(i);
        // Without this the trend of a new day would show yesterday's samples
        // for every minute not reached yet, and day logs would only be purged
        // at the next start.
        inverter->BeginDay(day);
        QDayLogFiles::PurgeDayLogs(*inverter, day);
    }
}

void QInverterRecorder::WriteMinuteRecords(const QDateTime& now) {
    const qint64 minute = MinuteKey(now);
    // Due at the start of a minute, or at the first tick after one that was
    // missed (the program was busy): a tick that is late never loses a minute.
    const bool crossed = m_nLastTickMinute >= 0 && m_nLastTickMinute != minute;
    const bool due = minute != m_nRecordedMinute && (now.time().second() <= 1 || crossed);
    m_nLastTickMinute = minute;
    if (!due) {
        return;
    }
    m_nRecordedMinute = minute;
    for (int i = 0; i < m_Plant.InverterCount(); ++i) {
        QInverter* inverter = m_Plant.Inverter(i);
        if (!inverter->IsAnalog()) {
            QMinuteFiles::SaveMinuteRecord(*inverter, TrackOf(*inverter).writer, now);
        }
    }
}

void QInverterRecorder::WriteDayRows(const QDateTime& now) {
    const qint64 pair = PairKey(now);
    const bool crossed = m_nLastTickPair >= 0 && m_nLastTickPair != pair;
    const bool inWindow = now.time().msecsSinceStartOfDay() % 2000 < RowWindowMs;
    const bool due = pair != m_nWrittenPair && (inWindow || crossed);
    m_nLastTickPair = pair;
    if (!due) {
        return;
    }
    m_nWrittenPair = pair;
    for (int i = 0; i < m_Plant.InverterCount(); ++i) {
        QInverter* inverter = m_Plant.Inverter(i);
        if (!inverter->IsAnalog()) {
            QDayLogFiles::WriteDayRow(*inverter, now);
        }
    }
}

// ---------------------------------------------------------------- statistics

void QInverterRecorder::SaveTotal(QInverter* inverter, int mode) {
    if (!inverter || !m_Tracks.contains(inverter) || mode < 0 || mode > 2) {
        return;
    }
    Track& track = TrackOf(*inverter);
    ReceivedToday(*inverter, track, m_Clock().date());
    track.pendingParts |= 1 << mode;
    SchedulePendingWrite();
}

// ---------------------------------------------------------------- pending writes

// The statistics and today's energy arrive several times a second on a busy bus,
// each changing a file that is rewritten whole and synced: gathered for a second,
// total.dat is written once for the whole plant, and each other file once.
// Nothing is lost by a crash in between: the inverters still hold those values.
void QInverterRecorder::SchedulePendingWrite() {
    if (!m_pPendingTimer->isActive()) {
        m_pPendingTimer->start();
    }
}

void QInverterRecorder::TakePending(QInverter& inverter, Track& track, QVector<QStatsWrite>& writes) {
    if (track.hoursPending) {
        track.hoursPending = false;
        QDayLogFiles::SaveHourFile(inverter, track.hours);
    }
    if (track.pendingParts != 0) {
        writes.append(QStatsWrite{&inverter, track.pendingParts, track.received, track.receivedDay});
        track.pendingParts = 0;
    }
}

void QInverterRecorder::WritePending() {
    m_pPendingTimer->stop();
    QVector<QStatsWrite> writes;
    for (QInverter* inverter : m_Plant.Inverters()) {
        const auto it = m_Tracks.find(inverter);
        if (inverter != nullptr && it != m_Tracks.end()) {
            TakePending(*inverter, *it.value(), writes);
        }
    }
    QGenerationStore::SaveTotals(writes);
}

void QInverterRecorder::WritePendingOf(QInverter& inverter) {
    const auto it = m_Tracks.find(&inverter);
    if (it == m_Tracks.end()) {
        return;
    }
    QVector<QStatsWrite> writes;
    TakePending(inverter, *it.value(), writes);
    QGenerationStore::SaveTotals(writes);
}

// ---------------------------------------------------------------- what the inverters tell

void QInverterRecorder::LoadNamedFiles(QInverter& inverter, Track& track, const QDate& today) {
    if (inverter.Name().isEmpty()) {
        return;
    }
    QDayLogFiles::LoadAlarmFile(inverter, track.alarms);
    QDayLogFiles::LoadHourFile(inverter, track.hours, today);
    QDayLogFiles::PurgeDayLogs(inverter, today);
    QGenerationStore::UpdateGenerationFile(-1, &inverter, track.received, today);
}

void QInverterRecorder::OnJoined(QInverter& inverter) {
    Track& track = TrackOf(inverter);
    const QDateTime now = m_Clock();
    LoadNamedFiles(inverter, track, now.date());
    if (inverter.IsAnalog()) {
        m_Analog.LoadAnalogDay(&inverter, now);
    } else {
        track.writer.OpenFile(inverter.Address());
        QMinuteFiles::LoadTodayMinutes(inverter, now.date());
    }
}

void QInverterRecorder::OnLeaving(QInverter& inverter) {
    const auto it = m_Tracks.find(&inverter);
    if (it == m_Tracks.end()) {
        return;
    }
    WritePendingOf(inverter);
    QDayLogFiles::SaveAlarmFile(inverter, it.value()->alarms);
    m_Tracks.erase(it);
}

void QInverterRecorder::OnReplyDecoded(QInverter& inverter, int code) {
    const QDateTime now = m_Clock();
    Track& track = TrackOf(inverter);
    const int block = code / StatBlockStep;
    if (code == TodayEnergyRead) {
        if (QDayLogFiles::TakeHourReading(inverter, track.hours, now)) {
            track.hoursPending = true;
            SchedulePendingWrite();
        }
    } else if (code == TotalsRead) {
        ReceivedToday(inverter, track, now.date()).m_bYear = true;
        SaveTotal(&inverter, 0);
    } else if (code % StatBlockStep == DayStatsRead && block < DayStatBlocks) {
        QReceivedStats& received = ReceivedToday(inverter, track, now.date());
        for (int i = 0; i < 4; ++i) {
            received.m_bDay[4 * block + i] = true;
        }
        // The first block brings today, the last one completes the window.
        if (block == 0 || block == DayStatBlocks - 1) {
            SaveTotal(&inverter, 2);
        }
    } else if (code % StatBlockStep == MonthStatsRead && block < MonthStatBlocks) {
        QReceivedStats& received = ReceivedToday(inverter, track, now.date());
        for (int i = 0; i < 6; ++i) {
            received.m_bMonth[6 * block + i] = true;
        }
        SaveTotal(&inverter, 1);
    }
}

void QInverterRecorder::OnCommStateChanged(QInverter& inverter, int oldState, int newState) {
    // The analog device takes part in no day log.
    if (inverter.IsAnalog()) {
        return;
    }
    if (newState == CommOnline) {
        QDayLogFiles::WriteConnectRow(inverter, true, m_Clock());
    } else if (oldState == CommOnline && newState == CommOffline) {
        QDayLogFiles::WriteConnectRow(inverter, false, m_Clock());
    }
}

void QInverterRecorder::OnFaultBegan(QInverter& inverter, int slot, qint32 code) {
    if (slot < 0 || slot >= QAlarmSlots::Slots) {
        return;
    }
    Track& track = TrackOf(inverter);
    // A fault recorded before a restart is still in its alarm slot: no second record.
    if (track.alarms.m_nCode[slot] != quint16(code) && !QFaultFile::AppendRecord(inverter, code, m_Clock())) {
        QFileErrors::Report(QFaultFile::FilePath(), tr("the fault record could not be appended"));
    }
    track.alarms.m_nCode[slot] = quint16(code);
    // Kept at once: after a crash the same fault would be recorded a second time.
    QDayLogFiles::SaveAlarmFile(inverter, track.alarms);
}

void QInverterRecorder::OnFaultEnded(QInverter& inverter, int slot, qint32) {
    if (slot < 0 || slot >= QAlarmSlots::Slots) {
        return;
    }
    Track& track = TrackOf(inverter);
    track.alarms.m_nCode[slot] = 0;
    QDayLogFiles::SaveAlarmFile(inverter, track.alarms);
}

bool QInverterRecorder::OnRenaming(QInverter& inverter, const QString& newName) {
    // What waits goes into the folder of the name it was read under.
    WritePendingOf(inverter);
    const auto it = m_Tracks.constFind(&inverter);
    if (it != m_Tracks.constEnd()) {
        QDayLogFiles::SaveAlarmFile(inverter, it.value()->alarms);
    }
    if (SameInverterFolder(inverter.Name(), newName)) {
        return true;
    }
    const QString oldDir = DataPaths::InverterDir(inverter.Name());
    const QString newDir = DataPaths::InverterDir(newName);
    // A folder of the new name holds someone else's files: moving onto it would
    // mix or lose them, and taking the name would write into them.
    if (QFileInfo::exists(newDir)) {
        return false;
    }
    return !QFileInfo::exists(oldDir) || QDir().rename(oldDir, newDir);
}

void QInverterRecorder::OnRenamed(QInverter& inverter, const QString& oldName) {
    if (oldName.isEmpty()) {
        LoadNamedFiles(inverter, TrackOf(inverter), m_Clock().date());
    }
}

#include "QEnergyGuard.h"

#include "BinaryFile.h"

#include <QFileInfo>
#include <algorithm>

namespace {
qint32 DayWord(const QDate& day) {
    return day.isValid() ? day.year() * 65536 + day.month() * 256 + day.day() : 0;
}

QDate DayOfWord(qint32 word) {
    return QDate(word / 65536, (word / 256) % 256, word % 256);
}
} // namespace

QEnergyGuard::QEnergyGuard(const QString& path) : m_strPath(path) {}

QEnergyGuard::Entry& QEnergyGuard::EntryOf(int key) {
    auto it = m_Entries.find(key);
    if (it == m_Entries.end()) {
        it = m_Entries.insert(key, Entry());
        it->day = m_Day;
    }
    return *it;
}

bool QEnergyGuard::Load(const QDate& today) {
    m_Entries.clear();
    QByteArray bytes;
    bool ok = true;
    if (!m_strPath.isEmpty() && !BinaryFile::ReadAll(m_strPath, &bytes)) {
        ok = !QFileInfo::exists(m_strPath);
    }
    Deserialise(bytes);
    m_bDirty = false;
    m_Day = QDate();
    BeginDay(today);
    return ok;
}

bool QEnergyGuard::Save() {
    if (!m_bDirty || m_strPath.isEmpty()) {
        return true;
    }
    if (!BinaryFile::WriteAtomically(m_strPath, Serialise())) {
        return false;
    }
    m_bDirty = false;
    return true;
}

QByteArray QEnergyGuard::Serialise() const {
    QList<int> keys = m_Entries.keys();
    std::sort(keys.begin(), keys.end());
    QByteArray bytes;
    for (const int key : keys) {
        const Entry& entry = m_Entries[key];
        BinaryFile::AppendInt32(bytes, key);
        BinaryFile::AppendInt32(bytes, entry.total);
        BinaryFile::AppendInt32(bytes, entry.today);
        BinaryFile::AppendInt32(bytes, DayWord(entry.day));
    }
    return bytes;
}

void QEnergyGuard::Deserialise(const QByteArray& bytes) {
    // A record cut short at the end (a full disk) is left out; the others count.
    for (qint64 offset = 0; offset + RecordSize <= bytes.size(); offset += RecordSize) {
        const qint32 key = BinaryFile::Int32At(bytes, offset);
        if (key < 0 || key > 255) {
            continue;
        }
        Entry entry;
        entry.total = qMax(-1, BinaryFile::Int32At(bytes, offset + 4));
        entry.today = qMax(-1, BinaryFile::Int32At(bytes, offset + 8));
        entry.day = DayOfWord(BinaryFile::Int32At(bytes, offset + 12, 0));
        if (!entry.day.isValid()) {
            entry.today = -1;
        }
        m_Entries.insert(key, entry);
    }
}

QList<int> QEnergyGuard::BeginDay(const QDate& day) {
    QList<int> fallen;
    if (!day.isValid() || day == m_Day) {
        return fallen;
    }
    m_Day = day;
    for (auto it = m_Entries.begin(); it != m_Entries.end(); ++it) {
        Entry& entry = it.value();
        entry.producingSince = QDateTime();
        if (entry.day == day) {
            continue;
        }
        if (entry.today >= 0) {
            if (it.key() != PlantKey && entry.today > 0) {
                entry.stale = entry.today;
            }
            entry.today = 0;
            entry.todayLive = true;
            fallen.append(it.key());
        }
        entry.day = day;
        m_bDirty = true;
    }
    std::sort(fallen.begin(), fallen.end());
    return fallen;
}

qint32 QEnergyGuard::OfferTotal(int key, qint32 value) {
    if (value < 0) {
        return Total(key);
    }
    Entry& entry = EntryOf(key);
    entry.totalLive = true;
    if (value > entry.total) {
        entry.total = value;
        m_bDirty = true;
    }
    return entry.total;
}

qint32 QEnergyGuard::OfferToday(int key, qint32 value, const QDateTime& now) {
    if (value < 0) {
        return Today(key);
    }
    Entry& entry = EntryOf(key);
    if (entry.stale >= 0) {
        const bool restarted = value < entry.stale;
        const bool fedInLong =
            entry.producingSince.isValid() && entry.producingSince.secsTo(now) >= StaleGraceSeconds;
        if (!restarted && !fedInLong) {
            return Today(key);
        }
        entry.stale = -1;
    }
    entry.todayLive = true;
    if (value > entry.today) {
        entry.today = value;
        m_bDirty = true;
    }
    return entry.today;
}

void QEnergyGuard::NoteProducing(int key, const QDateTime& now) {
    Entry& entry = EntryOf(key);
    if (!entry.producingSince.isValid()) {
        entry.producingSince = now;
    }
}

qint32 QEnergyGuard::Total(int key) const {
    const auto it = m_Entries.constFind(key);
    return it != m_Entries.constEnd() && it->totalLive ? it->total : -1;
}

qint32 QEnergyGuard::Today(int key) const {
    const auto it = m_Entries.constFind(key);
    return it != m_Entries.constEnd() && it->todayLive ? it->today : -1;
}

qint32 QEnergyGuard::LastTotal(int key) const {
    const auto it = m_Entries.constFind(key);
    return it != m_Entries.constEnd() ? it->total : -1;
}

qint32 QEnergyGuard::LastToday(int key) const {
    const auto it = m_Entries.constFind(key);
    return it != m_Entries.constEnd() && it->day == m_Day ? it->today : -1;
}

void QEnergyGuard::Forget(int key) {
    if (m_Entries.remove(key) > 0) {
        m_bDirty = true;
    }
}

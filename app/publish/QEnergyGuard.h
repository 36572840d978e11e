#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

// The energies as consumers of the broker have seen them. A consumer takes a
// falling total for a meter that was reset and counts the whole total again,
// so a total or today's energy goes out only from a value received from the
// inverter in this run, and never lower than the last one that went out;
// today's energy alone falls, to 0, at local midnight (not when an inverter
// wakes up and starts its own day). What went out last is kept in a small file
// across restarts. Values are in 0.01 kWh, as the inverter reports them;
// inverters are kept by bus address, the plant's sums under PlantKey.
class QEnergyGuard {
public:
    static constexpr int PlantKey = 0;
    static constexpr int RecordSize = 16;
    // After midnight an inverter may still report yesterday's energy until it
    // starts its day; once it has fed in this long, what it reports is today's.
    static constexpr qint64 StaleGraceSeconds = 15 * 60;

    explicit QEnergyGuard(const QString& path = QString());

    // Reads the file (a missing one is an empty start) and moves every entry
    // to today. False only when the file exists and cannot be read.
    bool Load(const QDate& today);
    // Rewrites the file atomically; true when nothing needed writing.
    bool Save();
    bool IsDirty() const { return m_bDirty; }
    QString Path() const { return m_strPath; }

    // Moves every entry to this day: today's energy of the others falls to 0.
    // Returns the keys whose today's energy went out before and is 0 now.
    QList<int> BeginDay(const QDate& day);
    QDate Day() const { return m_Day; }

    // A value read from the inverter; returns what may go out now (-1: nothing).
    qint32 OfferTotal(int key, qint32 value);
    qint32 OfferToday(int key, qint32 value, const QDateTime& now);
    // A reading at now showed the inverter feeding in.
    void NoteProducing(int key, const QDateTime& now);

    // What may go out now in this run, or -1.
    qint32 Total(int key) const;
    qint32 Today(int key) const;
    // The last values that went out, in this run or an earlier one, or -1.
    qint32 LastTotal(int key) const;
    qint32 LastToday(int key) const;

    // The inverter left the plant: its history goes with it.
    void Forget(int key);
    QList<int> Keys() const { return m_Entries.keys(); }

    // The file's bytes for these entries, and back; for the file and its tests.
    QByteArray Serialise() const;
    void Deserialise(const QByteArray& bytes);

private:
    struct Entry {
        qint32 total = -1;
        qint32 today = -1;
        QDate day;                // the day today's energy belongs to
        bool totalLive = false;   // a total was received in this run
        bool todayLive = false;   // today's energy was received, or reset at midnight, in this run
        qint32 stale = -1;        // the device may still report this (yesterday's) value
        QDateTime producingSince; // first reading with power of the day
    };
    Entry& EntryOf(int key);

    QString m_strPath;
    QHash<int, Entry> m_Entries;
    QDate m_Day;
    bool m_bDirty = false;
};

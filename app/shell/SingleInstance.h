#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QLockFile;

// Keeps a second copy of the program off the same data. The lock is a file in
// the data directory named from the instance key; it is released when the
// program ends, and a lock left behind by a copy that crashed or was killed is
// recognised as stale and taken over, so a crash never blocks the next start.
class SingleInstance {
public:
    static const char* const SemaphoreKey; // "Only One For Tivra_Wattsight_1"
    static const char* const MemoryKey;    // "Only One For Tivra_Wattsight_2"

    explicit SingleInstance(const QString& dataDir);
    ~SingleInstance();

    enum Outcome {
        Acquired,    // this copy is the only one
        Running,     // another copy holds the lock
        NotWritable, // the lock cannot be made: the data directory cannot be written
    };
    Outcome Acquire();
    QString LockPath() const { return m_strPath; }

    // The copy that holds the lock: its process id as the lock file tells it
    // (0 when unknown) and, where its command line can be read, its kind.
    enum Kind { UnknownKind, WindowKind, LoggerKind };
    struct Holder {
        qint64 pid = 0;
        Kind kind = UnknownKind;
    };
    Holder CurrentHolder() const;
    // The kind of copy a command line starts.
    static Kind KindOf(const QStringList& arguments);
    // What a copy that found the data directory taken says: "The application is
    // running!", and, when it met the other kind of copy or is the logger
    // itself, which copy holds the directory and what to do.
    static QString RunningNotice(const Holder& holder, const QString& dataDir, bool asLogger);

private:
    QString m_strPath;
    std::unique_ptr<QLockFile> m_pLock;
};

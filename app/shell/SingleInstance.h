#pragma once

#include <QString>
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

private:
    QString m_strPath;
    std::unique_ptr<QLockFile> m_pLock;
};

#include "SingleInstance.h"

#include <QDir>
#include <QLockFile>

const char* const SingleInstance::SemaphoreKey = "Only One For Tivra_Wattsight_1";
const char* const SingleInstance::MemoryKey = "Only One For Tivra_Wattsight_2";

SingleInstance::SingleInstance(const QString& dataDir) {
    QString name = QLatin1String(MemoryKey);
    name.replace(QLatin1Char(' '), QLatin1Char('_'));
    m_strPath = QDir(dataDir).filePath(QLatin1Char('.') + name + QStringLiteral(".lock"));
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Outcome SingleInstance::Acquire() {
    m_pLock = std::make_unique<QLockFile>(m_strPath);
    // A lock whose owner process no longer exists is removed by tryLock; a live
    // owner keeps it however old it is.
    m_pLock->setStaleLockTime(0);
    if (m_pLock->tryLock(0)) {
        return Acquired;
    }
    // Only a lock held by someone else means another copy; a lock that cannot be
    // made at all would otherwise be reported as a copy that is not there.
    const bool held = m_pLock->error() == QLockFile::LockFailedError;
    m_pLock.reset();
    return held ? Running : NotWritable;
}

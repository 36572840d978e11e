#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>

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

SingleInstance::Holder SingleInstance::CurrentHolder() const {
    Holder holder;
    QString host;
    QString application;
    if (!QLockFile(m_strPath).getLockInfo(&holder.pid, &host, &application) || holder.pid <= 0) {
        return Holder();
    }
    // The lock file only names the executable; the holder's command line tells its kind.
    QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(holder.pid));
    if (host == QSysInfo::machineHostName() && commandLine.open(QIODevice::ReadOnly)) {
        QStringList arguments;
        for (const QByteArray& argument : commandLine.readAll().split('\0')) {
            arguments.append(QString::fromLocal8Bit(argument));
        }
        holder.kind = KindOf(arguments);
    }
    return holder;
}

SingleInstance::Kind SingleInstance::KindOf(const QStringList& arguments) {
    return arguments.mid(1).contains(QLatin1String("--headless")) ? LoggerKind : WindowKind;
}

QString SingleInstance::RunningNotice(const Holder& holder, const QString& dataDir, bool asLogger) {
    const QString running = QStringLiteral("The application is running!");
    const QString dir = QDir::toNativeSeparators(dataDir);
    const QString process = holder.pid > 0 ? QStringLiteral(" (process %1)").arg(holder.pid) : QString();
    const bool heldByLogger = holder.kind == LoggerKind;
    const bool heldByWindow = holder.kind == WindowKind;
    if (!asLogger) {
        if (!heldByLogger) {
            return running;
        }
        return running + QStringLiteral("\n\nThe headless logger") + process +
               QStringLiteral(" is recording this plant in ") + dir +
               QStringLiteral(". Stop it first (systemctl stop wattsight, when it runs as the service).");
    }
    if (heldByWindow) {
        return running + QStringLiteral(" The window of Tivra Wattsight") + process +
               QStringLiteral(" has the data directory ") + dir +
               QStringLiteral(" open: close it before starting the headless logger.");
    }
    if (heldByLogger) {
        return running + QStringLiteral(" Another headless logger") + process +
               QStringLiteral(" is recording the plant in ") + dir + QLatin1Char('.');
    }
    return running + QStringLiteral(" Another copy") + process + QStringLiteral(" uses the data directory ") +
           dir + QLatin1Char('.');
}

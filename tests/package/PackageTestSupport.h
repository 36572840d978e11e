#pragma once

#include <QFile>
#include <QProcess>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QtEndian>

// Runs a command to its end; its standard output and error together, or the
// reason it could not run. ok tells a zero exit.
struct CommandResult {
    bool ok = false;
    QString output;
};

inline CommandResult RunCommand(const QString& program, const QStringList& arguments, int timeoutMs = 180000,
                                const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(10000)) {
        return {false, program + QStringLiteral(": ") + process.errorString()};
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        return {false, program + QStringLiteral(": did not finish")};
    }
    const QString output = QString::fromUtf8(process.readAll());
    return {process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0, output};
}

// Width and height from a PNG's header (IHDR), or (0, 0) when it is none.
inline QSize PngSize(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QSize();
    }
    const QByteArray head = file.read(24);
    if (head.size() < 24 || !head.startsWith("\x89PNG\r\n\x1a\n") || head.mid(12, 4) != "IHDR") {
        return QSize();
    }
    return QSize(int(qFromBigEndian<quint32>(head.constData() + 16)),
                 int(qFromBigEndian<quint32>(head.constData() + 20)));
}

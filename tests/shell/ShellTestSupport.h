#pragma once

#include "DataPaths.h"
#include "MessageBox.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QPair>
#include <QStringList>
#include <QTemporaryDir>

// Bytes of the two list files, from their documented layout: system.dat entries
// are key, 3F 02 3F, value, 3F 03 3F; inverter.dat fields are separated by
// 3F 01 3F and every record ends with 3F 02 3F.
inline QByteArray SystemFileBytes(const QList<QPair<QByteArray, QByteArray>>& entries) {
    QByteArray bytes;
    for (const auto& entry : entries) {
        bytes += entry.first + QByteArray("\x3F\x02\x3F", 3) + entry.second + QByteArray("\x3F\x03\x3F", 3);
    }
    return bytes;
}

inline QByteArray InverterRecord(const QByteArray& name, const QByteArray& location, const QByteArray& model,
                                 int address, int phases) {
    const QByteArray sep("\x3F\x01\x3F", 3);
    return name + sep + location + sep + model + sep + QByteArray::number(address) + sep +
           QByteArray::number(phases) + QByteArray("\x3F\x02\x3F", 3);
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A data directory of its own for one test, with a TCP link to a port nobody
// listens on, so the window opens quickly and without a serial port.
struct ShellDataDir {
    QTemporaryDir dir;

    ShellDataDir() {
        DataPaths::SetDataDir(dir.path());
        WriteBytes(dir.filePath(QStringLiteral("system.dat")), SystemFileBytes({{"systemname", "Test plant"},
                                                                                {"CommunicationType", "1"},
                                                                                {"IPAddress", "127.0.0.1"},
                                                                                {"IP_number", "9"}}));
    }
    ~ShellDataDir() { DataPaths::SetDataDir(QString()); }
    QString FilePath(const QString& name) const { return dir.filePath(name); }
};

// Answers every message box at once and remembers what it was asked.
struct MessageRecorder {
    struct Asked {
        QString text;
        int type;
        QSize size;
    };
    QList<Asked> asked;
    int answer = 1;
    std::function<void(MessageBox&)> during;

    MessageRecorder() {
        MessageBox::SetHook([this](MessageBox& box) {
            asked.append({box.Text(), box.Type(), box.size()});
            if (during) {
                during(box);
            }
            return answer;
        });
    }
    ~MessageRecorder() { MessageBox::SetHook(nullptr); }
    QStringList Texts() const {
        QStringList texts;
        for (const Asked& a : asked) {
            texts.append(a.text);
        }
        return texts;
    }
};

#pragma once

// Reply frames and small receivers shared by the inverter tests. Frames are
// laid out from the protocol tables (address, function, byte count, registers
// high byte first, CRC low byte first), not taken from the code under test.

#include "Crc.h"
#include "PlantEvent.h"
#include "QInverter.h"
#include "QMissionModel.h"
#include "QTreeEntry.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QEvent>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

namespace testsupport {

inline void AppendCrc(QByteArray& frame) {
    const quint16 crc = CalcCrc(reinterpret_cast<const uchar*>(frame.constData()), frame.size());
    frame.append(char(crc >> 8)); // the swapped result, high byte first, is the CRC low byte
    frame.append(char(crc & 0xFF));
}

// A read reply for the registers the mission asked for; registers not named
// in the map read as zero.
inline QByteArray ReadReply(const QMissionModel& mission, const QMap<int, quint16>& registers) {
    QByteArray frame;
    frame.append(char(mission.Address()));
    frame.append(char(0x03));
    frame.append(char(2 * mission.RegisterCount()));
    for (int reg = mission.Register(); reg < mission.Register() + mission.RegisterCount(); ++reg) {
        const quint16 value = registers.value(reg, 0);
        frame.append(char(value >> 8));
        frame.append(char(value & 0xFF));
    }
    AppendCrc(frame);
    return frame;
}

// A read reply whose data bytes are given as they stand (texts, byte fields).
inline QByteArray ReadReplyBytes(const QMissionModel& mission, QByteArray data) {
    data = data.leftJustified(2 * mission.RegisterCount(), '\0', true);
    QByteArray frame;
    frame.append(char(mission.Address()));
    frame.append(char(0x03));
    frame.append(char(data.size()));
    frame.append(data);
    AppendCrc(frame);
    return frame;
}

// The normal answer to a write: address, 0x10, register, count.
inline QByteArray WriteAck(const QMissionModel& mission) {
    QByteArray frame;
    frame.append(char(mission.Address()));
    frame.append(char(0x10));
    frame.append(char(mission.Register() >> 8));
    frame.append(char(mission.Register() & 0xFF));
    frame.append(char(0));
    frame.append(char(mission.RegisterCount()));
    AppendCrc(frame);
    return frame;
}

// An error reply: the function with bit 7 set and the error code.
inline QByteArray ErrorReply(const QMissionModel& mission, int function, int code) {
    QByteArray frame;
    frame.append(char(mission.Address()));
    frame.append(char(function | 0x80));
    frame.append(char(code));
    AppendCrc(frame);
    return frame;
}

inline bool Feed(QMissionModel& mission, const QByteArray& frame) {
    return mission.AcceptReply(frame);
}

// The first mission of the inverter's list with this code, or none.
inline QMissionModel* FindMission(const QInverter& inverter, int code) {
    for (QMissionModel* mission : inverter.MissionList().Missions()) {
        if (mission->Code() == code) {
            return mission;
        }
    }
    return nullptr;
}

inline int CountMissions(const QInverter& inverter, int code) {
    int count = 0;
    for (QMissionModel* mission : inverter.MissionList().Missions()) {
        count += mission->Code() == code ? 1 : 0;
    }
    return count;
}

// The last mission queued on the inverter (the setting writes append).
inline QMissionModel* LastMission(const QInverter& inverter) {
    const QList<QMissionModel*>& missions = inverter.MissionList().Missions();
    return missions.isEmpty() ? nullptr : missions.last();
}

// The data bytes of a write request (from offset 7, 2 * count of them).
inline QByteArray WriteData(const QMissionModel& mission) {
    return QByteArray(reinterpret_cast<const char*>(mission.TxBuffer()) + 7, 2 * mission.RegisterCount());
}

// The whole request as sent, CRC included.
inline QByteArray TxFrame(const QMissionModel& mission) {
    return QByteArray(reinterpret_cast<const char*>(mission.TxBuffer()), mission.TxLength());
}

// Collects the types and first values of the events posted to it.
class EventCatcher : public QObject {
public:
    QList<int> m_Types;
    QList<qintptr> m_Values;

    bool event(QEvent* e) override {
        if (e->type() >= QEvent::User) {
            m_Types.append(int(e->type()));
            m_Values.append(static_cast<QPlantEvent*>(e)->m_nValue1);
            return true;
        }
        return QObject::event(e);
    }
    void Drain() { QCoreApplication::sendPostedEvents(this); }
    void Clear() {
        m_Types.clear();
        m_Values.clear();
    }
};

// The face of a tree entry, remembering what the inverter told it last.
class RecordingEntry : public QTreeEntry {
public:
    int m_nConnect = -1; // -1: never called
    int m_nNormal = -1;
    int m_nNormalCalls = 0;

    void SetConnect(bool connected) override { m_nConnect = connected ? 1 : 0; }
    void SetNormal(bool normal) override {
        m_nNormal = normal ? 1 : 0;
        ++m_nNormalCalls;
    }
    void SetItemText(const QString&) override {}
    void SetExplain(const QString&) override {}
};

// The event lines after the given index, without their time stamp lines.
inline QStringList LinesSince(const QInverter& inverter, int from) {
    QStringList lines = inverter.EventLog().Lines().mid(from);
    QStringList texts;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char(' '))) {
            texts.append(line);
        }
    }
    return texts;
}

} // namespace testsupport

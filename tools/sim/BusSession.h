#pragma once

#include "RtuFrameCodec.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QIODevice;
class ReplyShaper;
class SimPlant;

// One byte stream to the bus master (a serial port or a TCP connection): takes
// requests out of the incoming bytes, lets the plant answer them and writes
// the replies, in order, when they are due.
class BusSession : public QObject {
    Q_OBJECT
public:
    // A frame still waiting for its rest after this much silence is given up.
    static const int kLineIdleMs = 300;

    BusSession(QIODevice* device, const QString& name, SimPlant* plant, ReplyShaper* shaper, bool verbose,
               QObject* parent = nullptr);

    // Forgets bytes received and replies not yet written (a new connection).
    void Reset();
    QString Name() const { return m_name; }

private slots:
    void OnReadyRead();
    void OnLineIdle();
    void OnSendDue();

private:
    void TakeRequests(bool lineIdle);
    void Queue(const QByteArray& reply, int requestLength);

    struct Outgoing {
        qint64 dueMs;
        QByteArray bytes;
    };
    QPointer<QIODevice> m_device;
    QString m_name;
    SimPlant* m_plant;
    ReplyShaper* m_shaper;
    bool m_verbose;
    RtuFrameCodec m_codec;
    QTimer m_idleTimer;
    QTimer m_sendTimer;
    QElapsedTimer m_elapsed;
    QList<Outgoing> m_outgoing;
};

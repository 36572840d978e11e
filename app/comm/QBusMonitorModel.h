#pragma once

#include "QBusObserver.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QMap>
#include <deque>
#include <functional>

// What the bus monitor shows: one row for every frame written and every reply
// received or refused, and one for every request that got no reply in time,
// newest last; and per bus address the count of requests, answers, time-outs
// and errors with the mean reply time. It keeps at most Capacity rows (the
// oldest go first), so that it can stay open for days. A table model for the
// monitor window; fed as the scheduler's observer.
class QBusMonitorModel : public QAbstractTableModel, public QBusObserver {
    Q_OBJECT
public:
    static constexpr int DefaultCapacity = 10000;

    enum Column {
        ColTime,
        ColDirection,
        ColAddress,
        ColFunction,
        ColRegister,
        ColCount,
        ColCode,
        ColWhat,
        ColReplyTime,
        ColStatus,
        ColBytes,
        ColumnCount,
    };
    enum Status {
        StatusSent,
        StatusAnswered,
        StatusErrorReply,
        StatusTimedOut,
        StatusBadCrc,
        StatusRejected,
    };

    // Roles beside the texts: the row's bus address and its Status.
    enum Role { AddressRole = Qt::UserRole, StatusRole };

    struct Row {
        QDateTime time;
        bool received = false; // a reply (or the lack of one) rather than a request
        int address = 0;
        int function = 0;
        int reg = -1; // -1: the frame does not say
        int count = -1;
        int code = -1;
        int replyMs = -1;
        Status status = StatusSent;
        int errorCode = 0;
        QByteArray bytes;
    };

    struct Counters {
        int requests = 0;
        int answers = 0;
        int timeouts = 0;
        int errors = 0; // error replies, bad checksums and refused replies
        qint64 replyMsTotal = 0;
        // The mean time from request to answer, -1 before the first answer.
        int MeanReplyMs() const { return answers > 0 ? int(replyMsTotal / answers) : -1; }
    };

    explicit QBusMonitorModel(int capacity = DefaultCapacity, QObject* parent = nullptr);

    // Where the time of a row comes from (the system clock unless a test says otherwise).
    void SetClock(std::function<QDateTime()> clock) { m_Clock = std::move(clock); }
    // Nothing is recorded while paused, neither rows nor counts.
    void SetPaused(bool paused) { m_bPaused = paused; }
    bool IsPaused() const { return m_bPaused; }
    void Clear();

    int Capacity() const { return m_nCapacity; }
    int RowCount() const { return int(m_Rows.size()); }
    const Row& RowAt(int row) const { return m_Rows.at(size_t(row)); }
    const QMap<int, Counters>& CountersByAddress() const { return m_Counters; }

    // The rows (of one bus address, or all with -1) as CSV in UTF-8, a header
    // line first, one line per row; lines end with "\r\n".
    QByteArray CsvText(int address = -1) const;

    // What a mission code asks for ("live data", "write clock", ...), translated.
    static QString CodeText(int code);
    static QString StatusText(Status status, int errorCode);

    // QBusObserver
    void OnRequestWritten(const QMissionModel& mission, const QByteArray& frame) override;
    void OnReplyAccepted(const QMissionModel& mission, const QByteArray& reply, int replyMs) override;
    void OnReplyRefused(const QMissionModel& mission, const QByteArray& bytes, Refusal why,
                        int replyMs) override;
    void OnTimedOut(const QMissionModel& mission, int waitedMs) override;

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // A row was added or the rows were cleared; the counters changed with them.
    void Changed();

private:
    // A row from the request it belongs to; the reply's own bytes where it has some.
    Row RowOf(const QMissionModel& mission, bool received) const;
    void Append(Row row);
    QString CellText(const Row& row, int column, bool forFile) const;

    std::deque<Row> m_Rows;
    QMap<int, Counters> m_Counters;
    int m_nCapacity;
    bool m_bPaused = false;
    std::function<QDateTime()> m_Clock;
};

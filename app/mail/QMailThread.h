#pragma once

#include "QMailRecord.h"

#include <QThread>

// One send: a thread of its own in which a QServer walks the SMTP dialogue with
// a copy of the mail record. Error and Scroll are emitted in the thread that
// owns this object (the dialog's, or the headless runner's), relayed from the
// client; the thread keeps its event loop until this object is destroyed.
class QMailThread : public QThread {
    Q_OBJECT
public:
    explicit QMailThread(QObject* parent = nullptr);
    // Ends the event loop and waits for the thread, however the send went; a
    // message still being written is broken off.
    ~QMailThread() override;

    // Before start().
    void SetRecord(const QMailRecord& record) { m_Record = record; }
    const QMailRecord& Record() const { return m_Record; }
    void SetReplyTimeout(int ms) { m_nReplyTimeout = ms; }

signals:
    void Error(int iError);
    void Scroll(int iValue);

public slots:
    void SendError(int iError);
    void SendScroll(int iValue);

protected:
    void run() override;

private:
    QMailRecord m_Record;
    int m_nReplyTimeout;
};

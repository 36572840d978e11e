#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT and SIGTERM into a Qt signal on the event loop, so that the
// program ends through its normal shutdown path.
class SignalWatcher : public QObject {
    Q_OBJECT
public:
    explicit SignalWatcher(QObject* parent = nullptr);
    ~SignalWatcher() override;
    bool IsActive() const { return m_notifier != nullptr; }

signals:
    void Terminated(int signal);

private slots:
    void OnSignal();

private:
    QSocketNotifier* m_notifier = nullptr;
};

#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT into a normal end of the program: the signal handler
// only writes a byte into a socket pair, and the event loop, seeing it, quits as
// if the window had been closed without asking (the files are written on the
// way out).
class QuitSignalWatcher : public QObject {
    Q_OBJECT
public:
    explicit QuitSignalWatcher(QObject* parent = nullptr);
    ~QuitSignalWatcher() override;

    bool IsInstalled() const { return m_pNotifier != nullptr; }
    bool IsQuitRequested() const { return m_bQuit; }

signals:
    void QuitRequested(int signal);

private:
    void OnSignal();

    QSocketNotifier* m_pNotifier = nullptr;
    bool m_bQuit = false;
};

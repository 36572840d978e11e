#include "QuitSignalWatcher.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int g_pipe[2] = {-1, -1};

extern "C" void OnQuitSignal(int signal) {
    const unsigned char byte = static_cast<unsigned char>(signal);
    // write() is async-signal-safe; a full pipe only means a quit is pending anyway.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[0], &byte, 1);
}
} // namespace
#endif

QuitSignalWatcher::QuitSignalWatcher(QObject* parent) : QObject(parent) {
#ifdef Q_OS_UNIX
    if (g_pipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_pipe) != 0) {
        g_pipe[0] = g_pipe[1] = -1;
        return;
    }
    m_pNotifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
    connect(m_pNotifier, &QSocketNotifier::activated, this, &QuitSignalWatcher::OnSignal);
    struct sigaction action = {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
#endif
}

QuitSignalWatcher::~QuitSignalWatcher() {
#ifdef Q_OS_UNIX
    if (m_pNotifier) {
        struct sigaction action = {};
        action.sa_handler = SIG_DFL;
        sigemptyset(&action.sa_mask);
        sigaction(SIGTERM, &action, nullptr);
        sigaction(SIGINT, &action, nullptr);
    }
#endif
}

void QuitSignalWatcher::OnSignal() {
#ifdef Q_OS_UNIX
    unsigned char byte = 0;
    if (::read(g_pipe[1], &byte, 1) != 1) {
        return;
    }
    m_bQuit = true;
    emit QuitRequested(byte);
    // Leaves every event loop running now, an open dialog's included, even
    // before the main loop has started (quit() would ignore it then).
    QCoreApplication::exit(0);
#endif
}

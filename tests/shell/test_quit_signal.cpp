#include "QuitSignalWatcher.h"

#include <QEventLoop>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <csignal>

// SIGTERM and SIGINT reach the event loop as a request to end; a modal loop that
// runs before the main loop (a box during start-up) ends too.
class TestQuitSignal : public QObject {
    Q_OBJECT
private slots:
    void signalEndsNestedLoopBeforeMainLoop();
};

// Once per process: leaving every loop leaves later ones too, as it should in
// the program (SIGTERM's way out is tested on the program itself).
void TestQuitSignal::signalEndsNestedLoopBeforeMainLoop() {
    const int signal = SIGINT;
    QuitSignalWatcher watcher;
    QVERIFY(watcher.IsInstalled());
    QSignalSpy spy(&watcher, &QuitSignalWatcher::QuitRequested);
    QEventLoop loop;
    bool timedOut = false;
    QTimer::singleShot(0, [signal] { ::raise(signal); });
    QTimer::singleShot(5000, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    loop.exec();
    QVERIFY(!timedOut);
    QVERIFY(watcher.IsQuitRequested());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), signal);
}

QTEST_GUILESS_MAIN(TestQuitSignal)
#include "test_quit_signal.moc"

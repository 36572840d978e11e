// The program left alone on a real display (Xvfb): the idle logout opens a real
// modal box that nobody closes, and recording must go on underneath it.

#include "MainWindow.h"
#include "QDayLogFiles.h"
#include "QInverter.h"
#include "QUserActivity.h"
#include "ShellTestSupport.h"
#include "SystemClock.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>

class TestUnattended : public QObject {
    Q_OBJECT
private slots:
    void recordingGoesOnWhileTheLogoutBoxIsOpen();
};

void TestUnattended::recordingGoesOnWhileTheLogoutBoxIsOpen() {
    QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"), "needs a real display (xvfb-run)");
    QVERIFY(qEnvironmentVariableIsEmpty("WATTSIGHT_MESSAGE_ANSWER"));
    SystemClock::UseSystem();
    ShellDataDir data;
    // No link at all: a link that cannot be opened would ask its own box first.
    WriteBytes(data.FilePath(QStringLiteral("system.dat")), SystemFileBytes({{"CommunicationType", "9"}}));
    QVERIFY(
        QFile::copy(qEnvironmentVariable("WATTSIGHT_SOURCE_DIR") + QStringLiteral("/app/resources/analog.db"),
                    data.FilePath(QStringLiteral("analog.db"))));

    MainWindow window;
    window.show();
    auto* roof = new QInverter;
    roof->SetName(QStringLiteral("Roof"));
    roof->SetAddress(3);
    QVERIFY(window.System().AddInverter(roof));
    roof->SetCommState(CommOnline);
    roof->SetItem(OperatingStatus, 2);
    auto* analog = new QInverter;
    analog->SetName(QStringLiteral("Signal"));
    analog->SetAddress(QInverter::AnalogAddress);
    QVERIFY(window.System().AddInverter(analog));
    QCOMPARE(analog->CommState(), int(CommOnline));
    const QString log = QDayLogFiles::DayLogPath(*roof, SystemClock::CurrentDate());
    auto rows = [&] { return ReadBytes(log).count('\n'); };

    // The administrator logged on at start has been away for more than five minutes.
    QCOMPARE(window.System().UserLevel(), 1);
    SystemClock::SetFixed(SystemClock::Now().addSecs(-400));
    QUserActivity::Touch();
    SystemClock::UseSystem();

    // Looked at from inside the box's own event loop: the flash tick that opened it is still running.
    bool boxOpen = false;
    int rowsAtOpen = -1;
    int rowsLater = -1;
    qint32 analogAtOpen = -1;
    qint32 analogLater = -1;
    QTimer::singleShot(500, &window, [&] {
        boxOpen = QApplication::activeModalWidget() != nullptr;
        rowsAtOpen = rows();
        analogAtOpen = analog->ItemValue(ClockTime);
    });
    QTimer::singleShot(5000, &window, [&] {
        rowsLater = rows();
        analogLater = analog->ItemValue(ClockTime);
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
        }
    });
    QTRY_VERIFY_WITH_TIMEOUT(rowsLater >= 0, 15000);
    QVERIFY(boxOpen);
    QCOMPARE(window.System().UserLevel(), 0);
    // Two seconds a row: at least two more rows in 4.5 s, and the analog device fed on.
    QVERIFY2(rowsLater >= rowsAtOpen + 2,
             qPrintable(QStringLiteral("%1 -> %2").arg(rowsAtOpen).arg(rowsLater)));
    QVERIFY(analogLater > analogAtOpen);
}

QTEST_MAIN(TestUnattended)
#include "test_unattended.moc"

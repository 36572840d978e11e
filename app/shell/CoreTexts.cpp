// The core translates some of its texts through a helper of its own, which the
// translation tools cannot follow. Listing them here, in the contexts the core
// looks them up in, keeps them in the translation files. A test compares this
// list with the core's sources.
#include <QtGlobal>

namespace {
[[maybe_unused]] const char* const LinkTexts[] = {
    QT_TRANSLATE_NOOP("MainWindow", "Open the serial port failure!"),
    QT_TRANSLATE_NOOP("MainWindow", "(9600,8,0,1) is open!"),
    QT_TRANSLATE_NOOP("MainWindow", "Close the serial port"),
    QT_TRANSLATE_NOOP("MainWindow", "is closed!"),
    QT_TRANSLATE_NOOP("MainWindow", "Open the serial port"),
    QT_TRANSLATE_NOOP("MainWindow", "Failed to connect to server!"),
    QT_TRANSLATE_NOOP("MainWindow", "On-line!"),
    QT_TRANSLATE_NOOP("MainWindow", "Disconnect"),
    QT_TRANSLATE_NOOP("MainWindow", "not online!"),
    QT_TRANSLATE_NOOP("MainWindow", "Connect to server"),
    QT_TRANSLATE_NOOP("MainWindow", "Open GPRS server failed!"),
    QT_TRANSLATE_NOOP("MainWindow", "waiting"),
    QT_TRANSLATE_NOOP("MainWindow", "Close GPRS server"),
    QT_TRANSLATE_NOOP("MainWindow", "waiting!"),
    QT_TRANSLATE_NOOP("MainWindow", "GPRS server"),
    QT_TRANSLATE_NOOP("MainWindow", "Open server"),
};
} // namespace

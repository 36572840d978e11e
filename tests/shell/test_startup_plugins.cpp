#include "StartupPlugins.h"

#include <QDialog>
#include <QTimer>
#include <QtTest>

// Start-up plug-ins: each valid one shows its dialog modally, one after the
// other; anything else in the folder is passed over.
class TestStartupPlugins : public QObject {
    Q_OBJECT
private slots:
    void dialogsOneAfterAnother();
    void emptyOrMissingFolder();
};

void TestStartupPlugins::dialogsOneAfterAnother() {
    const QString built = qEnvironmentVariable("WATTSIGHT_TEST_PLUGIN_DIR");
    QTemporaryDir dir;
    for (const char* name :
         {"libwattsight_test_plugin_a.so", "libwattsight_test_plugin_b.so", "libwattsight_not_a_plugin.so"}) {
        QVERIFY2(
            QFile::copy(built + QLatin1Char('/') + QLatin1String(name), dir.filePath(QLatin1String(name))),
            name);
    }
    QFile text(dir.filePath(QStringLiteral("readme.txt")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a library");
    text.close();

    // Watches for the modal dialog of the moment, notes it, and closes it a
    // little later; the next one must not be up before that.
    QStringList seen;
    bool overlapped = false;
    bool modal = true;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        QDialog* dialog = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* candidate = qobject_cast<QDialog*>(top); candidate && candidate->isVisible()) {
                dialog = candidate;
            }
        }
        if (!dialog || seen.contains(dialog->windowTitle())) {
            return;
        }
        int visibleDialogs = 0;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            visibleDialogs += (qobject_cast<QDialog*>(top) && top->isVisible()) ? 1 : 0;
        }
        overlapped = overlapped || visibleDialogs > 1;
        seen.append(dialog->windowTitle());
        modal = modal && dialog->isModal();
        QTimer::singleShot(100, dialog, &QDialog::accept);
    });
    watcher.start(20);
    const QStringList shown = StartupPlugins::Run(dir.path());
    watcher.stop();

    QCOMPARE(shown.size(), 2);
    QCOMPARE(seen.size(), 2);
    QVERIFY(!overlapped);
    QVERIFY(modal);
    QCOMPARE(QSet<QString>(seen.begin(), seen.end()), QSet<QString>({"Plugin A", "Plugin B"}));
    // The order shown is the order the files were listed in.
    for (int i = 0; i < 2; ++i) {
        QVERIFY(shown.at(i).endsWith(seen.at(i) == QLatin1String("Plugin A") ? QStringLiteral("_a.so")
                                                                             : QStringLiteral("_b.so")));
    }
}

void TestStartupPlugins::emptyOrMissingFolder() {
    QTemporaryDir empty;
    QVERIFY(StartupPlugins::Run(empty.path()).isEmpty());
    QVERIFY(StartupPlugins::Run(empty.filePath(QStringLiteral("missing"))).isEmpty());
}

QTEST_MAIN(TestStartupPlugins)
#include "test_startup_plugins.moc"

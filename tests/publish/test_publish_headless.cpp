// The headless logger publishes as the window does, and its lines tell what
// the publisher meets: a broker that takes the plant, and one that refuses
// the password (said once, not at every attempt).

#include "BrokerProcess.h"
#include "DataPaths.h"
#include "QHeadlessRunner.h"
#include "QPublishSettings.h"
#include "QSystemFile.h"
#include "QSystemSettings.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

class TestPublishHeadless : public QObject {
    Q_OBJECT

private slots:
    void publisherLinesInTheLog_data();
    void publisherLinesInTheLog();
};

void TestPublishHeadless::publisherLinesInTheLog_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("line"); // %1: the broker's port
    QTest::newRow("right password") << "right" << "publishing: Connected to the broker 127.0.0.1:%1.";
    QTest::newRow("wrong password")
        << "wrong" << "publishing: The broker 127.0.0.1:%1 refused the user name or password.";
}

void TestPublishHeadless::publisherLinesInTheLog() {
    QFETCH(QString, password);
    QFETCH(QString, line);
    BrokerProcess broker;
    broker.AddUser("plant", "right");
    QVERIFY(broker.Start());
    QTemporaryDir dir;
    DataPaths::SetDataDir(dir.path());
    {
        QSystemFile file;
        QSystemSettings settings;
        settings.SetStore(&file);
        settings.InitSystemFile();
        QPublishSettings publish;
        publish.enabled = true;
        publish.host = "127.0.0.1";
        publish.port = broker.Port();
        publish.user = "plant";
        publish.password = password;
        publish.Store(settings);
        settings.SetStore(nullptr);
    }
    QBuffer out;
    QVERIFY(out.open(QIODevice::ReadWrite));
    QHeadlessRunner runner(&out);
    runner.Start();
    const QByteArray expected = line.arg(broker.Port()).toUtf8() + '\n';
    QTRY_VERIFY2_WITH_TIMEOUT(out.data().contains(expected), out.data().constData(), 10000);
    // Time for a second attempt, had the publisher made one.
    QTest::qWait(2000);
    QCOMPARE(out.data().count(expected), 1);
    runner.Stop(QStringLiteral("test"));
    DataPaths::SetDataDir(QString());
}

QTEST_GUILESS_MAIN(TestPublishHeadless)
#include "test_publish_headless.moc"

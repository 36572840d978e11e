// The "Publishing" dialog: what it shows of the stored settings, what it
// refuses to store, and its connection test against a real broker.

#include "BrokerProcess.h"
#include "DataPaths.h"
#include "QPlantPublisher.h"
#include "QSetPublishDlg.h"
#include "QSystemModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

class TestPublishDialog : public QObject {
    Q_OBJECT

private slots:
    void showsAndStoresTheSettings();
    void refusesWhatCannotWork_data();
    void refusesWhatCannotWork();
    void connectionTest_data();
    void connectionTest();
    void looksRightInEveryLanguage_data();
    void looksRightInEveryLanguage();
};

namespace {
template <typename T> T* Field(QWidget& dialog, const char* name) {
    T* widget = dialog.findChild<T*>(QLatin1String(name));
    if (!widget) {
        qFatal("no widget %s", name);
    }
    return widget;
}
} // namespace

void TestPublishDialog::showsAndStoresTheSettings() {
    QTemporaryDir dir;
    DataPaths::SetDataDir(dir.path());
    BrokerProcess broker;
    QVERIFY(broker.Start());
    QSystemModel plant;
    plant.SetSystemValue("systemname", "Casa Sud", false);
    plant.SetSystemValue("MqttHost", "broker.lan", false);
    plant.SetSystemValue("MqttPort", "8884", false);
    plant.SetSystemValue("MqttTls", "1", false);
    QPlantPublisher publisher(plant);
    {
        QSetPublishDlg dialog(publisher, plant);
        QVERIFY(!Field<QCheckBox>(dialog, "Enabled")->isChecked()); // off until enabled
        QCOMPARE(Field<QLineEdit>(dialog, "Host_edit")->text(), QString("broker.lan"));
        QCOMPARE(Field<QSpinBox>(dialog, "Port_edit")->value(), 8884); // kept although TLS suggests 8883
        QVERIFY(Field<QCheckBox>(dialog, "Discovery")->isChecked());
        QCOMPARE(Field<QLineEdit>(dialog, "Prefix_edit")->placeholderText(), QString("wattsight/casa_sud"));
        // TLS off and on moves between the usual ports only.
        Field<QCheckBox>(dialog, "Tls")->setChecked(false);
        QCOMPARE(Field<QSpinBox>(dialog, "Port_edit")->value(), 8884);
        Field<QSpinBox>(dialog, "Port_edit")->setValue(1883);
        Field<QCheckBox>(dialog, "Tls")->setChecked(true);
        QCOMPARE(Field<QSpinBox>(dialog, "Port_edit")->value(), 8883);
        Field<QCheckBox>(dialog, "Tls")->setChecked(false);
        QCOMPARE(Field<QSpinBox>(dialog, "Port_edit")->value(), 1883);

        Field<QCheckBox>(dialog, "Enabled")->setChecked(true);
        Field<QLineEdit>(dialog, "Host_edit")->setText(" 127.0.0.1 ");
        Field<QSpinBox>(dialog, "Port_edit")->setValue(broker.Port());
        Field<QLineEdit>(dialog, "Prefix_edit")->setText("solar/casa/");
        Field<QPushButton>(dialog, "OkBtn")->click();
        QVERIFY(dialog.IsAccepted());
    }
    const QPublishSettings stored = QPublishSettings::Load(plant.Settings());
    QVERIFY(stored.enabled);
    QCOMPARE(stored.host, QString("127.0.0.1"));
    QCOMPARE(stored.port, broker.Port());
    QCOMPARE(stored.EffectivePrefix("Casa Sud"), QString("solar/casa"));
    // Applied at once.
    QTRY_VERIFY_WITH_TIMEOUT(publisher.IsConnected(), 10000);
    QCOMPARE(publisher.Topics().Status(), QString("solar/casa/status"));
}

void TestPublishDialog::refusesWhatCannotWork_data() {
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("message");
    QTest::newRow("no broker") << ""
                               << ""
                               << "Enter the broker's host name or address.";
    QTest::newRow("wildcard in the prefix") << "broker.lan"
                                            << "solar/#"
                                            << "A topic prefix may not contain '+' or '#'.";
}

void TestPublishDialog::refusesWhatCannotWork() {
    QFETCH(QString, host);
    QFETCH(QString, prefix);
    QTemporaryDir dir;
    DataPaths::SetDataDir(dir.path());
    QSystemModel plant;
    QPlantPublisher publisher(plant);
    QSetPublishDlg dialog(publisher, plant);
    Field<QCheckBox>(dialog, "Enabled")->setChecked(true);
    Field<QLineEdit>(dialog, "Host_edit")->setText(host);
    Field<QLineEdit>(dialog, "Prefix_edit")->setText(prefix);
    Field<QPushButton>(dialog, "OkBtn")->click();
    QVERIFY(!dialog.IsAccepted());
    QTEST(Field<QLabel>(dialog, "TestResult")->text(), "message");
    QVERIFY(plant.GetSystemValue("MqttEnabled").isEmpty()); // nothing stored
}

void TestPublishDialog::connectionTest_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("result");
    QTest::newRow("right password") << "secret"
                                    << "Connected to the broker";
    QTest::newRow("wrong password") << "guess"
                                    << "refused the user name or password";
}

void TestPublishDialog::connectionTest() {
    QFETCH(QString, password);
    QFETCH(QString, result);
    QTemporaryDir dir;
    DataPaths::SetDataDir(dir.path());
    BrokerProcess broker;
    broker.AddUser("plant", "secret");
    QVERIFY(broker.Start());
    QSystemModel plant;
    QPlantPublisher publisher(plant);
    QSetPublishDlg dialog(publisher, plant);
    Field<QLineEdit>(dialog, "Host_edit")->setText("127.0.0.1");
    Field<QSpinBox>(dialog, "Port_edit")->setValue(broker.Port());
    Field<QLineEdit>(dialog, "User_edit")->setText("plant");
    Field<QLineEdit>(dialog, "Password_edit")->setText(password);
    QPushButton* test = Field<QPushButton>(dialog, "TestBtn");
    test->click();
    QVERIFY(!test->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(test->isEnabled(), 15000);
    const QString text = Field<QLabel>(dialog, "TestResult")->text();
    QVERIFY2(text.contains(result), qPrintable(text));
    QVERIFY(!publisher.IsActive()); // only a test: publishing stays off
}

void TestPublishDialog::looksRightInEveryLanguage_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("English") << "Language_E.qm";
    QTest::newRow("simplified Chinese") << "Language_C.qm";
    QTest::newRow("traditional Chinese") << "Language_T.qm";
    QTest::newRow("Italian") << "Language_I.qm";
}

// Every text of the dialog fits in its place; with WATTSIGHT_SCREENSHOT_DIR set
// the dialog is saved there as a picture.
void TestPublishDialog::looksRightInEveryLanguage() {
    QFETCH(QString, file);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/lan/") + file));
    QCoreApplication::installTranslator(&translator);
    QTemporaryDir dir;
    DataPaths::SetDataDir(dir.path());
    QSystemModel plant;
    plant.SetSystemValue("systemname", "Casa Sud", false);
    plant.SetSystemValue("MqttHost", "127.0.0.1", false);
    plant.SetSystemValue("MqttPort", "1", false); // refused: the longest status there is
    plant.SetSystemValue("MqttEnabled", "1", false);
    QPlantPublisher publisher(plant);
    publisher.ApplySettings();
    QTRY_VERIFY_WITH_TIMEOUT(publisher.LogLines().size() == 2, 10000);
    {
        QSetPublishDlg dialog(publisher, plant);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QStringList clipped;
        for (QWidget* widget : dialog.findChildren<QWidget*>()) {
            const bool wraps = qobject_cast<QLabel*>(widget) && static_cast<QLabel*>(widget)->wordWrap();
            if (widget->isVisible() && !wraps && !widget->property("text").toString().isEmpty() &&
                (qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget)) &&
                widget->width() + 1 < widget->sizeHint().width()) {
                clipped << widget->objectName() + QStringLiteral(" ") + widget->property("text").toString();
            }
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(", ")));
        const QString shots = qEnvironmentVariable("WATTSIGHT_SCREENSHOT_DIR");
        if (!shots.isEmpty()) {
            QDir().mkpath(shots);
            QVERIFY(dialog.grab().save(QDir(shots).filePath("publishing_" + file.mid(9, 1) + ".png"), "PNG"));
        }
    }
    publisher.Stop(0);
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(TestPublishDialog)
#include "test_publish_dialog.moc"

// The "Alerts" dialog of the Set menu: what it shows of the settings and of
// today's daylight, what Save writes, and its test mail through the real SMTP
// server of the mail tests. With WATTSIGHT_SCREENSHOT_DIR set, a picture of
// the dialog is saved there.

#include "MailTestSupport.h"
#include "QAlertSettings.h"
#include "QAlertsDlg.h"
#include "QMailThread.h"
#include "QSystemFile.h"
#include "QSystemModel.h"
#include "ShellTestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

using namespace mailtest;

namespace {
const QString kLogon = QStringLiteral("plant@sunridge.test");
const QString kKey = QStringLiteral("k3y-of-the-plant");

// A plant with its settings in system.dat of a data directory of its own.
struct Plant {
    ShellDataDir data;
    QSystemFile file;
    QSystemModel system;
    Plant() {
        system.Settings().SetStore(&file);
        system.InitSystemFile();
    }
    ~Plant() { system.Settings().SetStore(nullptr); }
};
} // namespace

class TestAlertsDialog : public QObject {
    Q_OBJECT
private slots:
    void showsAndSavesTheSettings() {
        Plant plant;
        plant.system.SetSystemValue(QStringLiteral("EmailTo"), QStringLiteral("owner@sunridge.test"), false);
        plant.system.SetSystemValue(QStringLiteral("AlertFault"), QStringLiteral("1"), false);
        plant.system.SetSystemValue(QStringLiteral("AlertLink"), QStringLiteral("20"), false);
        QAlertsDlg dialog;
        dialog.SetSystem(&plant.system, 2);
        QCOMPARE(dialog.ToEdit()->text(), QStringLiteral("owner@sunridge.test"));
        QVERIFY(dialog.FaultBox()->isChecked());
        QVERIFY(!dialog.OfflineBox()->isChecked());
        QVERIFY(!dialog.OfflineMinutes()->isEnabled());
        QCOMPARE(dialog.OfflineMinutes()->value(), int(QAlertsDlg::DefaultOfflineMinutes));
        QVERIFY(dialog.LinkBox()->isChecked());
        QCOMPARE(dialog.LinkMinutes()->value(), 20);
        QVERIFY(!dialog.SummaryBox()->isChecked());
        QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("Queue"))->text().contains(QStringLiteral("2")));
        // Without a position the fallback day, and a hint how to get the sun's.
        const QString daylight = dialog.DaylightLabel()->text();
        QVERIFY2(daylight.startsWith(QStringLiteral("Daylight today: 06:00 to 18:00.")),
                 qPrintable(daylight));
        QVERIFY(daylight.contains(QStringLiteral("latitude and longitude")));

        dialog.OfflineBox()->setChecked(true);
        QVERIFY(dialog.OfflineMinutes()->isEnabled());
        dialog.OfflineMinutes()->setValue(45);
        dialog.LinkBox()->setChecked(false);
        dialog.SummaryBox()->setChecked(true);
        dialog.on_SaveBtn_clicked();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        // In the file at once, not only at the end of the program.
        const QByteArray file = ReadBytes(plant.data.FilePath(QStringLiteral("system.dat")));
        QVERIFY(file.contains(QByteArray("AlertOffline?\x02?45?\x03?")));
        QVERIFY(file.contains(QByteArray("AlertLink?\x02?0?\x03?")));
        QVERIFY(file.contains(QByteArray("AlertSummary?\x02?1?\x03?")));
        const QAlertSettings saved = QAlertSettings::Read(plant.system.Settings());
        QVERIFY(saved.m_bFault && saved.m_bSummary);
        QCOMPARE(saved.m_nOfflineMinutes, 45);
        QCOMPARE(saved.m_nLinkMinutes, 0);

        if (qEnvironmentVariableIsSet("WATTSIGHT_SCREENSHOT_DIR")) {
            dialog.show();
            QTest::qWait(100);
            dialog.grab().save(qEnvironmentVariable("WATTSIGHT_SCREENSHOT_DIR") +
                               QStringLiteral("/alerts.png"));
        }
    }

    void testMail() {
        SmtpTestServer server;
        QVERIFY(server.Start({"--login", kLogon, "--password", kKey}));
        Plant plant;
        plant.system.SetSystemValue(QStringLiteral("systemname"), QStringLiteral("Sunridge"), false);
        QAlertsDlg dialog;
        dialog.SetSystem(&plant.system, 0);
        dialog.ToEdit()->setText(QStringLiteral("owner@sunridge.test"));
        MessageRecorder messages;
        dialog.on_TestBtn_clicked();
        QCOMPARE(messages.Texts(), QStringList{"Information is incomplete!"});

        for (const auto& [key, value] : QList<QPair<QString, QString>>{{"EmailServer", server.Plain()},
                                                                       {"EmailLogonName", kLogon},
                                                                       {"EmailLogonKey", kKey},
                                                                       {"EmailFrom", kLogon}}) {
            plant.system.SetSystemValue(key, value, false);
        }
        dialog.on_TestBtn_clicked();
        QTRY_COMPARE_WITH_TIMEOUT(messages.Texts().size(), 2, 15000);
        QCOMPARE(messages.Texts().last(), QStringLiteral("Send success!"));
        QCOMPARE(server.MessageCount(), 1);
        QTRY_VERIFY(!server.Parsed(1).isEmpty());
        QCOMPARE(server.Parsed(1).value(QStringLiteral("subject")).toString(),
                 QStringLiteral("[Sunridge] Test mail"));
        QVERIFY(server.Parsed(1)
                    .value(QStringLiteral("to"))
                    .toString()
                    .contains(QStringLiteral("owner@sunridge.test")));

        server.Stop();
        dialog.on_TestBtn_clicked();
        QTRY_COMPARE_WITH_TIMEOUT(messages.Texts().size(), 3, 15000);
        QCOMPARE(messages.Texts().last(), QStringLiteral("Failed to connect to server!"));
    }
};

QTEST_MAIN(TestAlertsDialog)
#include "test_alerts_dialog.moc"

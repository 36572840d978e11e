// The maintenance dialogs as a user sees them, filled with an inverter's
// values: no text may be cut off in any of the four languages, and nothing may
// be wider than a 1024-pixel screen. With WATTSIGHT_SCREENSHOT_DIR set, the
// pictures are saved there as PNG files.

#include "../common/LookSupport.h"
#include "../views/ViewsTestSupport.h"
#include "InverterData.h"
#include "MaintenanceText.h"
#include "QAllFaultDlg.h"
#include "QBusMonitorWindow.h"
#include "QBusWatch.h"
#include "QDataDlg.h"
#include "QGrid.h"
#include "QInverterLogonDlg.h"
#include "QInverterSetDlg.h"
#include "QMissionModel.h"
#include "QProtectPoint.h"
#include "QReadDlg.h"
#include "QSetInverterPassDlg.h"
#include "QSetInverterTdlg.h"
#include "QWriteDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>

using namespace looktest;

namespace {

const char* const kLanguageFiles[] = {"E", "C", "T", "I"};
const char* const kSuffixes[] = {"", "-zh", "-tw", "-it"};

QByteArray Hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

} // namespace

class TestMaintenanceLook : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void dialogs_data();
    void dialogs();

private:
    void Check(QWidget* dialog, const QString& file);

    viewstest::DataDir* m_pData = nullptr;
    QSystemModel* m_pPlant = nullptr;
    QInverter* m_pInverter = nullptr;
    QTranslator* m_pTranslator = nullptr;
};

void TestMaintenanceLook::initTestCase() {
    m_pData = new viewstest::DataDir;
    m_pPlant = new QSystemModel;
    m_pInverter = viewstest::MakeInverter(QStringLiteral("Roof east"), 3, QStringLiteral("Tivra PA5KS"));
    QVERIFY(m_pPlant->AddInverter(m_pInverter));
    m_pInverter->SetLocation(QStringLiteral("South roof, left half"));
    m_pInverter->SetItem(PriceSetting, 68);
    m_pInverter->SetItem(MaxOutputSetting, 10000);
    m_pInverter->SetItem(ClockDate, 26 << 16 | 6 << 8 | 15);
    m_pInverter->SetItem(ClockTime, 11 << 16 | 42 << 8 | 7);
    m_pInverter->SetItem(LogonState, 2);
}

void TestMaintenanceLook::cleanupTestCase() {
    if (m_pTranslator) {
        QCoreApplication::removeTranslator(m_pTranslator);
        delete m_pTranslator;
    }
    m_pInverter->Item(LogonState).m_nValue = 1;
    delete m_pPlant;
    delete m_pData;
}

void TestMaintenanceLook::Check(QWidget* dialog, const QString& file) {
    dialog->adjustSize();
    dialog->show();
    QCoreApplication::processEvents();
    const QStringList clipped = Clipped(dialog);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(" | "))));
    QVERIFY2(dialog->width() <= 1000, qPrintable(QString::number(dialog->width())));
    QVERIFY2(dialog->height() <= 700, qPrintable(QString::number(dialog->height())));
    Save(dialog, file);
}

void TestMaintenanceLook::dialogs_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("English") << 0;
    QTest::newRow("simplified Chinese") << 1;
    QTest::newRow("traditional Chinese") << 2;
    QTest::newRow("Italian") << 3;
}

void TestMaintenanceLook::dialogs() {
    QFETCH(int, language);
    if (m_pTranslator) {
        QCoreApplication::removeTranslator(m_pTranslator);
        delete m_pTranslator;
    }
    m_pTranslator = new QTranslator;
    QVERIFY(m_pTranslator->load(QStringLiteral(":/lan/Language_%1.qm").arg(kLanguageFiles[language])));
    QCoreApplication::installTranslator(m_pTranslator);
    const QString suffix = QLatin1String(kSuffixes[language]) + QStringLiteral(".png");

    {
        QInverterSetDlg dialog;
        dialog.SetSystemModel(m_pPlant);
        dialog.SetCurrentInverter(m_pInverter);
        Check(&dialog, QStringLiteral("inverter-settings") + suffix);
    }
    {
        QDataDlg dialog;
        dialog.SetCurrentInverter(m_pInverter);
        const QList<QPair<int, QByteArray>> replies = {
            {1000, Hex("00000D5C 00000246 00000A6B 00000000 00000000")},
            {1003, Hex("0003A4F2 00009E8B 0002D0C6 00000000 00000000")},
            {1009, Hex("01 02 02 0F 01 08 03 01")},
            {1010, QByteArray("Tivra PA5KS")},
            {1011, Hex("0E 03 11 00 00 01")},
            {1012, Hex("0003 0045 0055 0044")},
            {1015, Hex("000012F4 00001388 000013EC 000013EC 00001450 00000000 00001450 00000000 00000000")},
            {1016, Hex("01A3C2F0 019E8A30")},
        };
        for (const auto& reply : replies) {
            for (const GridText& text : MaintenanceText::StatisticsReply(reply.first, reply.second, "EUR")) {
                (text.grid == 0 ? dialog.StatisticsGrid() : dialog.OtherItemsGrid())
                    ->SetText(text.column, text.row, text.text);
            }
        }
        Check(&dialog, QStringLiteral("inverter-data") + suffix);
    }
    {
        QAllFaultDlg dialog;
        dialog.SetCurrentInverter(m_pInverter);
        for (const GridText& text :
             MaintenanceText::FaultRecord(2000, Hex("A004 1A060F 00 0B1E00 0000 02 00000000"))) {
            dialog.Grid()->SetText(text.column, text.row, text.text);
        }
        Check(&dialog, QStringLiteral("inverter-faults") + suffix);
    }
    {
        QProtectPoint dialog;
        dialog.SetCurrentInverter(m_pInverter);
        const quint16 points[16] = {1955, 100, 1840, 10, 2645, 100, 2760, 10,
                                    4800, 100, 4750, 10, 5050, 100, 5150, 10};
        for (int row = 1; row <= 16; ++row) {
            dialog.Grid()->SetText(2, row, MaintenanceText::ProtectPointValue(row, points[row - 1]));
        }
        Check(&dialog, QStringLiteral("protection-points") + suffix);
    }
    {
        QReadDlg dialog;
        dialog.SetCurrentInverter(m_pInverter);
        dialog.AddressEdit()->setText(QStringLiteral("1650"));
        dialog.LengthEdit()->setText(QStringLiteral("10"));
        dialog.ReturnEdit()->setPlainText(
            QStringLiteral("00 00 01 02 02 04 03 06 04\n08 05 0A 06 0C 07 0E 08\n10 09 12 "));
        Check(&dialog, QStringLiteral("raw-read") + suffix);
    }
    {
        QWriteDlg dialog;
        dialog.SetCurrentInverter(m_pInverter);
        dialog.AddressEdit()->setText(QStringLiteral("1303"));
        dialog.LengthEdit()->setText(QStringLiteral("1"));
        dialog.Buffer()->setPlainText(QStringLiteral("00 44"));
        Check(&dialog, QStringLiteral("raw-write") + suffix);
    }
    {
        QInverterLogonDlg dialog;
        dialog.SetCurrentInverter(m_pInverter);
        Check(&dialog, QStringLiteral("inverter-logon") + suffix);
    }
    {
        QSetInverterPassDlg dialog;
        dialog.SetCurrentInverter(m_pInverter);
        Check(&dialog, QStringLiteral("inverter-password") + suffix);
    }
    {
        QSetInverterTdlg dialog;
        dialog.SetCurrentInverter(m_pInverter);
        Check(&dialog, QStringLiteral("tariff-period") + suffix);
    }
    {
        // The monitor of a plant with a silent address and an inverter that refuses a write.
        QBusWatch watch;
        QBusMonitorWindow monitor(watch, *m_pPlant);
        QMissionModel read;
        read.BuildFrame(0x169E, 9, 16, MissionPollRead);
        read.SetCode(LiveRead);
        QMissionModel write;
        write.BuildFrame(0x1404, 3, 1, MissionOnceWrite, reinterpret_cast<const uchar*>("\xAA\xAA"));
        write.SetCode(28);
        watch.Sent(write);
        watch.Accepted(write, Hex("03 90 09 0D 49"), 24);
        watch.Sent(read);
        watch.TimedOut(read, 1000);
        QTRY_COMPARE(monitor.CountersTable()->rowCount(), 2);
        // The filter lists the addresses in order, whichever was heard first.
        QCOMPARE(monitor.AddressFilter()->itemData(1).toInt(), 3);
        QCOMPARE(monitor.AddressFilter()->itemData(2).toInt(), 9);
        Check(&monitor, QStringLiteral("bus-monitor") + suffix);
    }
}

QTEST_MAIN(TestMaintenanceLook)
#include "test_maintenance_look.moc"

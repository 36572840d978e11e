// The system information page: how each settings key reads on the page, the
// inverter counts, and the landscape picture of the sheet.

#include "Page3.h"
#include "ViewsTestSupport.h"

#include <QImage>
#include <QtTest>

using namespace viewstest;

class TestInformationPage : public QObject {
    Q_OBJECT

private slots:
    void keyShowsOnItsLabel_data();
    void keyShowsOnItsLabel();
    void settingsListenerReachesEveryKey();
    void inverterCountsFollowThePlant();
    void bmpReportIsOneLandscapePicture();
};

void TestInformationPage::keyShowsOnItsLabel_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("shown");
    QTest::newRow("south latitude") << "Latitude"
                                    << "-2250"
                                    << "Latitude"
                                    << "22.50S";
    QTest::newRow("north latitude") << "Latitude"
                                    << "4035"
                                    << "Latitude"
                                    << "40.35N";
    QTest::newRow("equator") << "Latitude"
                             << "0"
                             << "Latitude"
                             << "0.00N";
    QTest::newRow("east longitude") << "Longitude"
                                    << "11380"
                                    << "Longitude"
                                    << "113.80E";
    QTest::newRow("west longitude") << "Longitude"
                                    << "-1"
                                    << "Longitude"
                                    << "0.01W";
    QTest::newRow("not a number") << "Longitude"
                                  << "east"
                                  << "Longitude"
                                  << "0.00E";
    QTest::newRow("sloping roof") << "SystemType"
                                  << "0"
                                  << "SystemType"
                                  << "Sloping roof";
    QTest::newRow("flat ground") << "SystemType"
                                 << "2"
                                 << "SystemType"
                                 << "Flat ground";
    QTest::newRow("type beyond the list") << "SystemType"
                                          << "7"
                                          << "SystemType"
                                          << "";
    QTest::newRow("city") << "City"
                          << "Lecce"
                          << "Location"
                          << "Lecce;";
    QTest::newRow("tilt") << "SolarAngel"
                          << "3050"
                          << "SolarAngel"
                          << "30.50";
    QTest::newRow("azimuth west") << "SolarAzimuth"
                                  << "-1500"
                                  << "SolarAzimuth"
                                  << "-15.00";
    QTest::newRow("module power") << "SolarPower"
                                  << "330"
                                  << "SolarPower"
                                  << "330";
    QTest::newRow("1-ph model") << "InverterType_1"
                                << "Tivra PM3KS"
                                << "InverterType_1"
                                << "Tivra PM3KS";
    QTest::newRow("1-ph rating") << "InverterType_1"
                                 << "Tivra PM3KS"
                                 << "RatedPower_1"
                                 << "3000";
    QTest::newRow("3-ph rating") << "InverterType_3"
                                 << "Tivra PA20KT-X"
                                 << "RatedPower_3"
                                 << "20000";
    QTest::newRow("unknown model rates as the table says") << "InverterType_3"
                                                           << "Other 3k"
                                                           << "RatedPower_3"
                                                           << "5000";
    QTest::newRow("3-ph voltage") << "GridVoltage_3"
                                  << "400"
                                  << "GridVoltage_3"
                                  << "400";
    QTest::newRow("1-ph frequency") << "GridFre_1"
                                    << "50"
                                    << "GridFre_1"
                                    << "50";
    QTest::newRow("3-ph wiring") << "GridWiring_3"
                                 << "3W+N+PE"
                                 << "GridWiring_3"
                                 << "3W+N+PE";
    QTest::newRow("remarks") << "systemexplain"
                             << "Carport and field"
                             << "systemexplain"
                             << "Carport and field";
}

void TestInformationPage::keyShowsOnItsLabel() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, label);
    QFETCH(QString, shown);
    QSystemModel plant;
    Page3 page;
    page.SetSystemModel(&plant);
    plant.SetSystemValue(key, value, false);
    QVERIFY(page.Value(label));
    // The page shows what a dialog changed once the main window passes the key on.
    page.OnSystemValue(key);
    QCOMPARE(page.Value(label)->text(), shown);
}

void TestInformationPage::settingsListenerReachesEveryKey() {
    QSystemModel plant;
    Page3 page;
    page.SetSystemModel(&plant);
    plant.SetSystemListener(
        [](const QString& key, void* context) { static_cast<Page3*>(context)->OnSystemValue(key); }, &page);
    QCOMPARE(page.Value(QStringLiteral("RatedPower_1"))->text(), QString());
    plant.SetSystemValue(QStringLiteral("SolarPower"), QStringLiteral("250"), false);
    plant.SetSystemValue(QStringLiteral("SolarCount"), QStringLiteral("40"), false);
    QCOMPARE(page.Value(QStringLiteral("SolarCount"))->text(), QStringLiteral("40"));
    QCOMPARE(page.Value(QStringLiteral("TotalPower"))->text(), QStringLiteral("10000"));
    plant.SetSystemValue(QStringLiteral("systemname"), QStringLiteral("Hillside"), false);
    QCOMPARE(page.PlantName(), QStringLiteral("Hillside"));
    plant.SetSystemValue(QStringLiteral("Country"), QStringLiteral("Italy"), false);
    QCOMPARE(page.SiteText(), QStringLiteral(";Italy"));
    // A key of no line changes nothing.
    plant.SetSystemValue(QStringLiteral("IP_number"), QStringLiteral("502"), false);
    QCOMPARE(page.Value(QStringLiteral("KOVA")), nullptr);
    QCOMPARE(page.Value(QStringLiteral("InverterMaker"))->text(), QStringLiteral("KOVA"));
}

void TestInformationPage::inverterCountsFollowThePlant() {
    QSystemModel plant;
    Page3 page;
    page.SetSystemModel(&plant);
    QCOMPARE(page.SingleCount(), QStringLiteral("0"));
    QCOMPARE(page.ThreeCount(), QStringLiteral("0"));
    QVERIFY(plant.AddInverter(MakeInverter(QStringLiteral("A"), 1, QStringLiteral("Tivra PA5KS"))));
    QVERIFY(plant.AddInverter(MakeInverter(QStringLiteral("B"), 2, QStringLiteral("Tivra PA10KT & Box"))));
    QVERIFY(plant.AddInverter(MakeInverter(QStringLiteral("C"), 3, QStringLiteral("Tivra PM750S"))));
    page.RefreshFromPlant();
    QCOMPARE(page.SingleCount(), QStringLiteral("2"));
    QCOMPARE(page.ThreeCount(), QStringLiteral("1"));
}

void TestInformationPage::bmpReportIsOneLandscapePicture() {
    DataDir data;
    Messages messages;
    QSystemModel plant;
    plant.SetSystemValue(QStringLiteral("systemname"), QStringLiteral("Hillside"), false);
    Page3 page;
    page.SetSystemModel(&plant);
    page.Report(data.File(QStringLiteral("plant")), Page3::ReportBmp);
    QCOMPARE(messages.Texts(), QStringList{QStringLiteral("Successfully saved!")});
    const QImage image(data.File(QStringLiteral("plant.bmp")), "BMP");
    QCOMPARE(image.size(), QSize(1188, 840));
    // Unturned: the title's ink sits in the top left corner.
    bool ink = false;
    for (int y = 0; y < 90 && !ink; ++y) {
        for (int x = 0; x < 300 && !ink; ++x) {
            ink = qGray(image.pixel(x, y)) < 100;
        }
    }
    QVERIFY(ink);

    page.Report(data.File(QStringLiteral("no such folder/plant")), Page3::ReportBmp);
    QCOMPARE(messages.Texts().last(), QStringLiteral("Save failed!"));
}

QTEST_MAIN(TestInformationPage)
#include "test_information_page.moc"

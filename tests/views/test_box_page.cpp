// The box tab: the twenty measurements of a combiner box, "-" wherever there is
// nothing current to show.

#include "Page25.h"
#include "ViewsTestSupport.h"

#include <QtTest>

using namespace viewstest;

namespace {
const char* const kIdentity[] = {"value_Type", "value_SN", "value_Date", "value_Version"};

QStringList Values(const QWidget* page) {
    QStringList values;
    for (int i = 1; i <= 4; ++i) {
        values << Text(page, qPrintable(QStringLiteral("value_U%1").arg(i)));
    }
    for (int i = 1; i <= 16; ++i) {
        values << Text(page, qPrintable(QStringLiteral("value_I%1").arg(i)));
    }
    return values;
}
} // namespace

class TestBoxPage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_pData = new DataDir; }
    void cleanupTestCase() { delete m_pData; }

    void itemsAreShownInTenths_data();
    void itemsAreShownInTenths();
    void nothingCurrentShowsDashes_data();
    void nothingCurrentShowsDashes();

private:
    DataDir* m_pData = nullptr;
};

void TestBoxPage::itemsAreShownInTenths_data() {
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("missing register") << qint32(0xFFFF) << QStringLiteral("-");
    QTest::newRow("missing value") << qint32(-1) << QStringLiteral("-");
    QTest::newRow("largest") << qint32(65534) << QStringLiteral("6553.4");
    QTest::newRow("zero") << qint32(0) << QStringLiteral("0.0");
    QTest::newRow("tenths") << qint32(7234) << QStringLiteral("723.4");
}

void TestBoxPage::itemsAreShownInTenths() {
    QFETCH(qint32, value);
    QFETCH(QString, text);
    QScopedPointer<QInverter> box(
        MakeInverter(QStringLiteral("Box"), 4, QStringLiteral("Tivra PA10KT & Box")));
    QVERIFY(box->IdentityDone());
    box->SetCommState(CommOnline);
    // Every item of the box gets the value under test but one neighbour, so a
    // label reading the wrong item shows.
    for (int item = 34; item <= 53; ++item) {
        box->SetItem(item, item == 40 ? 11 : value);
    }
    Page25 page;
    page.SetCurrentInverter(box.data());
    page.Refresh();
    QStringList expected(20, text);
    expected[40 - 34] = QStringLiteral("1.1");
    QCOMPARE(Values(&page), expected);
}

void TestBoxPage::nothingCurrentShowsDashes_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("selected");
    QTest::newRow("no inverter") << QStringLiteral("Tivra PA10KT & Box") << int(CommOnline) << false;
    QTest::newRow("offline") << QStringLiteral("Tivra PA10KT & Box") << int(CommOffline) << true;
    QTest::newRow("connecting") << QStringLiteral("Tivra PA10KT & Box") << int(CommConnecting) << true;
    QTest::newRow("model not known yet") << QString() << int(CommOnline) << true;
    QTest::newRow("not a box") << QStringLiteral("Tivra PA10KT") << int(CommOnline) << true;
}

void TestBoxPage::nothingCurrentShowsDashes() {
    QFETCH(QString, model);
    QFETCH(int, state);
    QFETCH(bool, selected);
    QScopedPointer<QInverter> inverter(new QInverter);
    inverter->SetName(QStringLiteral("Box"));
    inverter->SetAddress(4);
    if (!model.isEmpty()) {
        inverter->SetModel(QInverter::LookupModel(model));
    }
    inverter->SetCommState(CommOnline);
    for (int item = 34; item <= 53; ++item) {
        inverter->SetItem(item, 1000 + item);
    }
    Page25 page;
    page.SetCurrentInverter(inverter.data());
    page.Refresh();
    // The state changes between two ticks: the next one shows it.
    inverter->SetCommState(state);
    page.SetCurrentInverter(selected ? inverter.data() : nullptr);
    page.Refresh();
    QCOMPARE(Values(&page), QStringList(20, QStringLiteral("-")));
    for (const char* name : kIdentity) {
        QCOMPARE(Text(&page, name), QStringLiteral("-"));
    }
}

QTEST_MAIN(TestBoxPage)
#include "test_box_page.moc"

#include "NameFrame.h"
#include "QValidatorEdit.h"
#include "SystemClock.h"
#include "TimeWidget.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
// The IP address pattern of the link settings dialog.
const QString IpPattern = QStringLiteral("^([0-9]|([1-9][0-9])|(1[0-9][0-9])|(2([0-4][0-9]|5[0-5])))[.]([0-9]"
                                         "|([1-9][0-9])|(1[0-9][0-9])|(2([0-4][0-9]|5["
                                         "0-5])))[.]([0-9]|([1-9][0-9])|(1[0-9][0-9])|(2([0-4][0-9]|5[0-5])))"
                                         "[.]([0-9]|([1-9][0-9])|(1[0-9][0-9])|(2([0-4]"
                                         "[0-9]|5[0-5])))$");
} // namespace

// The caption, clock and validating edit that stand in for the maker's widgets.
class TestPlatformWidgets : public QObject {
    Q_OBJECT
private slots:
    void captionElidesAndExplains();
    void clockShowsProgramTime();
    void validatorEdit_data();
    void validatorEdit();
    void validatorEditRefusesTyping();
};

void TestPlatformWidgets::captionElidesAndExplains() {
    NameFrame caption;
    caption.resize(400, 40);
    caption.setText(QStringLiteral("Hillside"));
    QCOMPARE(caption.text(), QStringLiteral("Hillside"));
    QVERIFY(caption.toolTip().isEmpty());
    QVERIFY(caption.sizeHint().width() > caption.fontMetrics().horizontalAdvance(QStringLiteral("Hillside")));
    const QString longName(200, QLatin1Char('W'));
    caption.setText(longName);
    QCOMPARE(caption.toolTip(), longName); // cut on screen, whole in the tooltip
    caption.setText(QString());
    QVERIFY(caption.toolTip().isEmpty());
    QImage image = caption.grab().toImage();
    QVERIFY(!image.isNull());
}

void TestPlatformWidgets::clockShowsProgramTime() {
    SystemClock::SetFixed(QDateTime(QDate(2024, 12, 31), QTime(23, 59, 58)));
    TimeWidget clock;
    QCOMPARE(clock.TimeText(), QStringLiteral("23:59:58"));
    QCOMPARE(clock.DateText(), QStringLiteral("2024-12-31"));
    SystemClock::Advance(3000);
    clock.Refresh();
    QCOMPARE(clock.TimeText(), QStringLiteral("00:00:01"));
    QCOMPARE(clock.DateText(), QStringLiteral("2025-01-01"));
    SystemClock::UseSystem();
}

void TestPlatformWidgets::validatorEdit_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("ip") << IpPattern << "192.168.16.254" << true;
    QTest::newRow("ip 0") << IpPattern << "0.0.0.0" << true;
    QTest::newRow("ip 256") << IpPattern << "192.168.16.256" << false;
    QTest::newRow("ip short") << IpPattern << "192.168.16" << false;
    QTest::newRow("ip leading zero") << IpPattern << "01.2.3.4" << false;
    QTest::newRow("port") << "^[0-9]{1,}$"
                          << "8011" << true;
    QTest::newRow("port empty") << "^[0-9]{1,}$"
                                << "" << false;
    QTest::newRow("price") << "^[0-9]{1,9}[.]{1}[0-9]{0,2}$"
                           << "0.68" << true;
    QTest::newRow("price no point") << "^[0-9]{1,9}[.]{1}[0-9]{0,2}$"
                                    << "68" << false;
    QTest::newRow("sunrise") << "^[0-9]{1}$"
                             << "6" << true;
}

void TestPlatformWidgets::validatorEdit() {
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QValidatorEdit edit(pattern);
    edit.SetValue(text);
    QCOMPARE(edit.Value(), text);
    QCOMPARE(edit.IsValid(), valid);
    QCOMPARE(edit.Expression(), pattern);
}

void TestPlatformWidgets::validatorEditRefusesTyping() {
    QValidatorEdit edit(QStringLiteral("^[0-9]{1}$"));
    QSignalSpy validity(&edit, &QValidatorEdit::ValidityChanged);
    QVERIFY(!edit.IsValid());
    QTest::keyClicks(&edit, QStringLiteral("7x9"));
    QCOMPARE(edit.Value(), QStringLiteral("7")); // one digit and nothing else gets in
    QVERIFY(edit.IsValid());
    QCOMPARE(validity.count(), 1);
    QCOMPARE(validity.at(0).at(0).toBool(), true);
}

QTEST_MAIN(TestPlatformWidgets)
#include "test_platform_widgets.moc"

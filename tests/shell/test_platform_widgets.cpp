#include "../common/PaintWatch.h"
#include "NameFrame.h"
#include "QOpaqueLabel.h"
#include "QValidatorEdit.h"
#include "SystemClock.h"
#include "TimeWidget.h"
#include "WidgetUpdates.h"

#include <QFrame>
#include <QLabel>
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
    void steadyLabelNeverCutsItsText_data();
    void steadyLabelNeverCutsItsText();
    void opaqueLabelRepaintsAlone();
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

void TestPlatformWidgets::steadyLabelNeverCutsItsText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("keepsItsSize");
    QTest::newRow("short figure") << QStringLiteral("12.3") << true;
    QTest::newRow("the sample") << QStringLiteral("8888.8") << true;
    QTest::newRow("longer figure") << QStringLiteral("88888888888.88") << false;
    QTest::newRow("wide letters") << QStringLiteral("WWWWWWWW") << false;
    QTest::newRow("accented") << QStringLiteral("\u00c9t\u00e9 \u00dcber 12") << false;
    QTest::newRow("combining marks") << QStringLiteral("e\u0301\u0301\u0301 A\u0308 1234567") << false;
    QTest::newRow("outside the basic plane") << QStringLiteral("\U0001D7D8\U0001D7D9\U0001D7DA\U0001D7DB") << false;
    QTest::newRow("rich text") << QStringLiteral("<b>888888888888</b>") << false;
    QTest::newRow("two lines") << QStringLiteral("8\n8\n8") << false;
}

// A new text is measured cheaply when it plainly fits; whatever the text, the
// label ends up large enough for all of it.
void TestPlatformWidgets::steadyLabelNeverCutsItsText() {
    QFETCH(QString, text);
    QFETCH(bool, keepsItsSize);
    QWidget window;
    auto* label = new QLabel(&window);
    label->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 12pt;"));
    KeepLabelSteady(label, QStringLiteral("8888.8"));
    const QSize steady = label->size();
    window.show();
    SetSteadyText(label, text);
    QCOMPARE(label->text(), text);
    QVERIFY2(label->width() >= label->sizeHint().width() && label->height() >= label->sizeHint().height(),
             qPrintable(QStringLiteral("%1x%2 for %3x%4")
                            .arg(label->width())
                            .arg(label->height())
                            .arg(label->sizeHint().width())
                            .arg(label->sizeHint().height())));
    if (keepsItsSize) {
        QCOMPARE(label->size(), steady);
    }
    // A larger font given later makes a text that fitted grow the label too.
    label->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 30pt;"));
    SetSteadyText(label, text);
    QVERIFY(label->width() >= label->sizeHint().width() && label->height() >= label->sizeHint().height());
}

// A live figure on a plain card repaints itself, not the card and the window
// beneath, also once a style sheet has styled it again.
void TestPlatformWidgets::opaqueLabelRepaintsAlone() {
    QWidget window;
    window.setStyleSheet(QStringLiteral("QFrame#card { background: white; border: 1px solid gray; }"
                                        "QFrame#card QLabel { border: none; }"));
    auto* card = new QFrame(&window);
    card->setObjectName(QStringLiteral("card"));
    card->setGeometry(10, 10, 300, 120);
    auto* label = new QOpaqueLabel(Qt::white, card);
    label->setStyleSheet(QStringLiteral("color: rgb(255,0,0); font-weight: bold;"));
    label->setGeometry(20, 20, 150, 30);
    window.resize(330, 150);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();

    PaintWatch watch;
    for (const QString& style : {QString(), QStringLiteral("color: rgb(0,0,255); font-weight: bold;")}) {
        if (!style.isEmpty()) {
            label->setStyleSheet(style);
            QCoreApplication::processEvents();
        }
        watch.Clear();
        label->setText(style.isEmpty() ? QStringLiteral("1234.5") : QStringLiteral("6789.0"));
        QTRY_VERIFY(watch.WasPainted(label));
        QVERIFY(!watch.WasPainted(card));
        QVERIFY(!watch.WasPainted(&window));
    }
    // It paints its whole rectangle in the card's colour.
    const QImage picture = label->grab().toImage();
    QCOMPARE(picture.pixelColor(0, 0), QColor(Qt::white));
    QCOMPARE(picture.pixelColor(picture.width() - 1, picture.height() - 1), QColor(Qt::white));
}

QTEST_MAIN(TestPlatformWidgets)
#include "test_platform_widgets.moc"

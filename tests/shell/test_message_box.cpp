#include "ShellTestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

// The message box: its geometry follows the text, its buttons follow the type,
// and each way out gives its result.
class TestMessageBox : public QObject {
    Q_OBJECT
private slots:
    void geometryFollowsText_data();
    void geometryFollowsText();
    void buttonsFollowType();
    void answers_data();
    void answers();
    void hookReplacesModalLoop();
    void withoutDisplayAnswersAndLogs();
};

void TestMessageBox::geometryFollowsText_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("short") << QStringLiteral("OK?");
    QTest::newRow("long") << QStringLiteral("The inverter is communication, are you sure you want to close? "
                                            "The inverter is communication, are you sure?");
    QTest::newRow("chinese") << QStringLiteral(
        "逆变器正在通讯，确定要关闭吗？逆变器正在通讯，确定要关闭吗？");
}

void TestMessageBox::geometryFollowsText() {
    QFETCH(QString, text);
    MessageBox box(text, MessageBox::TypeYesNo);
    const int textWidth = QFontMetrics(MessageBox::MessageFont()).horizontalAdvance(text);
    const int expected = qMax(250, textWidth + 100);
    QCOMPARE(box.width(), expected);
    QCOMPARE(box.height(), 140);

    auto* label = box.findChild<QLabel*>(QStringLiteral("textLabel"));
    QVERIFY(label);
    QCOMPARE(label->geometry(), QRect(0, 60, expected, 20));
    QCOMPARE(label->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    auto* yes = box.findChild<QPushButton*>(QStringLiteral("Yesbtn"));
    auto* no = box.findChild<QPushButton*>(QStringLiteral("Nobtn"));
    QCOMPARE(yes->pos(), QPoint(expected / 2 - 100, 90));
    QCOMPARE(no->pos(), QPoint(expected / 2 + 20, 90));

    MessageBox ok(text, MessageBox::TypeOk);
    auto* okButton = ok.findChild<QPushButton*>(QStringLiteral("OKbtn"));
    QCOMPARE(okButton->x(), expected / 2 - 40);
    QCOMPARE(okButton->y(), 90);
}

void TestMessageBox::buttonsFollowType() {
    MessageBox ok(QStringLiteral("Set successfully!"), MessageBox::TypeOk);
    ok.show();
    QVERIFY(ok.findChild<QPushButton*>(QStringLiteral("OKbtn"))->isVisible());
    QVERIFY(!ok.findChild<QPushButton*>(QStringLiteral("Yesbtn"))->isVisible());
    QVERIFY(!ok.findChild<QPushButton*>(QStringLiteral("Nobtn"))->isVisible());

    MessageBox question(QStringLiteral("Close?"), MessageBox::TypeYesNo);
    question.show();
    QVERIFY(!question.findChild<QPushButton*>(QStringLiteral("OKbtn"))->isVisible());
    QVERIFY(question.findChild<QPushButton*>(QStringLiteral("Yesbtn"))->isVisible());
    QVERIFY(question.findChild<QPushButton*>(QStringLiteral("Nobtn"))->isVisible());
    QCOMPARE(question.font().pointSize(), 9);
}

void TestMessageBox::answers_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << 0 << "OKbtn" << 1;
    QTest::newRow("Yes") << 1 << "Yesbtn" << 1;
    QTest::newRow("No") << 1 << "Nobtn" << 0;
    QTest::newRow("close button, question") << 1 << "closebtn" << 0;
    QTest::newRow("close button, notice") << 0 << "closebtn" << 0;
    QTest::newRow("Escape") << 1 << "" << 0;
}

void TestMessageBox::answers() {
    QFETCH(int, type);
    QFETCH(QString, button);
    QFETCH(int, result);
    MessageBox box(QStringLiteral("Question"), type);
    int execCount = 0;
    QTimer::singleShot(0, &box, [&] {
        if (button.isEmpty()) {
            QTest::keyClick(&box, Qt::Key_Escape);
        } else {
            box.findChild<QPushButton*>(button)->click();
        }
    });
    box.exec();
    ++execCount;
    QCOMPARE(execCount, 1);
    QCOMPARE(box.Result(), result);
    QVERIFY(!box.isVisible());
}

void TestMessageBox::hookReplacesModalLoop() {
    MessageRecorder recorder;
    recorder.answer = 0;
    QCOMPARE(ShowMessage(QStringLiteral("Login failed!"), 1, nullptr), 0);
    recorder.answer = 1;
    QCOMPARE(ShowMessage(QStringLiteral("Logout successful!")), 1);
    QCOMPARE(recorder.Texts(),
             QStringList({QStringLiteral("Login failed!"), QStringLiteral("Logout successful!")}));
    QCOMPARE(recorder.asked.at(0).type, 1);
    QCOMPARE(recorder.asked.at(1).type, 0);
    QCOMPARE(recorder.asked.at(1).size, QSize(250, 140));
}

void TestMessageBox::withoutDisplayAnswersAndLogs() {
    // These tests run offscreen: with no hook the box answers by itself, OK to a
    // notice and No to a question, unless the environment fixes the answer.
    QCOMPARE(ShowMessage(QStringLiteral("notice"), 0), 1);
    QCOMPARE(ShowMessage(QStringLiteral("question"), 1), 0);
    qputenv("WATTSIGHT_MESSAGE_ANSWER", "1");
    QCOMPARE(ShowMessage(QStringLiteral("question"), 1), 1);
    qputenv("WATTSIGHT_MESSAGE_ANSWER", "0");
    QCOMPARE(ShowMessage(QStringLiteral("notice"), 0), 0);
    qunsetenv("WATTSIGHT_MESSAGE_ANSWER");
}

QTEST_MAIN(TestMessageBox)
#include "test_message_box.moc"

#include "QMyButton.h"
#include "QMyMenu.h"

#include <QHBoxLayout>
#include <QtTest>

// The menu bar's buttons: their size, the menu below them, and the ring the
// arrow keys and the pointer move along.
class TestMenuButtons : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void sizeFollowsText();
    void pressOpensMenuBelow();
    void arrowKeysMoveAlongRing();
    void pointerOnAnotherButtonOpensItsMenu();

private:
    QWidget* m_pBar = nullptr;
    QList<QMyButton*> m_Buttons;
};

void TestMenuButtons::init() {
    m_pBar = new QWidget;
    auto* layout = new QHBoxLayout(m_pBar);
    m_Buttons.clear();
    for (const char* text : {"Operate", "Set", "Help"}) {
        auto* button = new QMyButton(QLatin1String(text), m_pBar);
        button->Menu()->addAction(QStringLiteral("First of ") + QLatin1String(text));
        button->Menu()->addAction(QStringLiteral("Second of ") + QLatin1String(text));
        layout->addWidget(button);
        m_Buttons.append(button);
    }
    for (QMyButton* button : m_Buttons) {
        button->SetRing(m_Buttons);
    }
    m_pBar->move(50, 50);
    m_pBar->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pBar));
}

void TestMenuButtons::cleanup() {
    for (QMyButton* button : m_Buttons) {
        button->Menu()->close();
    }
    delete m_pBar;
    m_pBar = nullptr;
}

void TestMenuButtons::sizeFollowsText() {
    for (QMyButton* button : m_Buttons) {
        QCOMPARE(button->size(), QSize(button->fontMetrics().horizontalAdvance(button->text()) + 10, 22));
    }
    m_Buttons.at(1)->setText(QStringLiteral("A much longer caption"));
    QCOMPARE(m_Buttons.at(1)->width(),
             m_Buttons.at(1)->fontMetrics().horizontalAdvance(QStringLiteral("A much longer caption")) + 10);
}

void TestMenuButtons::pressOpensMenuBelow() {
    QMyButton* set = m_Buttons.at(1);
    QTest::mousePress(set, Qt::LeftButton);
    QTRY_VERIFY(set->IsMenuOpen());
    QCOMPARE(set->Menu()->pos(), set->mapToGlobal(QPoint(0, 20)));
    QCOMPARE(QMyButton::OpenButton(), set);
    set->Menu()->close();
    QTRY_VERIFY(!set->IsMenuOpen());
    QVERIFY(!QMyButton::OpenButton());
}

void TestMenuButtons::arrowKeysMoveAlongRing() {
    QMyButton* operate = m_Buttons.at(0);
    QMyButton* set = m_Buttons.at(1);
    QMyButton* help = m_Buttons.at(2);
    QCOMPARE(operate->Neighbour(-1), help);
    QCOMPARE(help->Neighbour(1), operate);

    operate->OpenMenu();
    QTRY_VERIFY(operate->IsMenuOpen());
    QTest::keyClick(operate->Menu(), Qt::Key_Right);
    QTRY_VERIFY(set->IsMenuOpen());
    QVERIFY(!operate->IsMenuOpen());
    QTest::keyClick(set->Menu(), Qt::Key_Right);
    QTRY_VERIFY(help->IsMenuOpen());
    QTest::keyClick(help->Menu(), Qt::Key_Right); // the ring closes
    QTRY_VERIFY(operate->IsMenuOpen());
    QTest::keyClick(operate->Menu(), Qt::Key_Left);
    QTRY_VERIFY(help->IsMenuOpen());
    QVERIFY(!operate->IsMenuOpen() && !set->IsMenuOpen());
}

void TestMenuButtons::pointerOnAnotherButtonOpensItsMenu() {
    QMyButton* operate = m_Buttons.at(0);
    QMyButton* help = m_Buttons.at(2);
    operate->OpenMenu();
    QTRY_VERIFY(operate->IsMenuOpen());
    QMyMenu* menu = operate->Menu();
    const QPoint overHelp = help->mapToGlobal(help->rect().center());
    QMouseEvent move(QEvent::MouseMove, QPointF(menu->mapFromGlobal(overHelp)), QPointF(overHelp),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(menu, &move);
    QTRY_VERIFY(help->IsMenuOpen());
    QVERIFY(!operate->IsMenuOpen());
}

QTEST_MAIN(TestMenuButtons)
#include "test_menu_buttons.moc"

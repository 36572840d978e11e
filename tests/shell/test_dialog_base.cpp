#include "BaseDlg.h"

#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
// A dialog that ends itself from one of its own slots, as the program's dialogs
// do from their OK and Cancel handlers, and counts its destruction.
class SelfClosingDlg : public BaseDlg {
public:
    explicit SelfClosingDlg(int* destroyed) : m_pDestroyed(destroyed) {}
    ~SelfClosingDlg() override { ++*m_pDestroyed; }
    void Finish() {
        m_bFinished = true;
        close();
    }
    bool m_bFinished = false;

private:
    int* m_pDestroyed;
};

// A dialog whose own form brings a button named "closebtn".
class OwnCloseDlg : public BaseDlg {
    Q_OBJECT
public:
    OwnCloseDlg() {
        m_pOwn = new QPushButton(QStringLiteral("Close"), this);
        m_pOwn->setObjectName(QStringLiteral("closebtn"));
    }
    QPushButton* m_pOwn;
    int m_nCloses = 0;

public slots:
    void on_closebtn_clicked() override {
        ++m_nCloses;
        BaseDlg::on_closebtn_clicked();
    }
};
} // namespace

class TestDialogBase : public QObject {
    Q_OBJECT
private slots:
    void closeFromSlotReturnsOnceBeforeDestruction();
    void cornerButtonCloses();
    void formsOwnCloseButtonCallsOnce();
    void dragsWithTheMouse();
    void isFrameless();
};

void TestDialogBase::closeFromSlotReturnsOnceBeforeDestruction() {
    int destroyed = 0;
    int returns = 0;
    auto* dialog = new SelfClosingDlg(&destroyed);
    QTimer::singleShot(0, dialog, [dialog] { dialog->Finish(); });
    dialog->exec();
    ++returns;
    QCOMPARE(returns, 1);
    QVERIFY(dialog->m_bFinished);
    QCOMPARE(destroyed, 0); // still alive: the opener deletes it after exec()
    QVERIFY(!dialog->isVisible());
    delete dialog;
    QCOMPARE(destroyed, 1);
}

void TestDialogBase::cornerButtonCloses() {
    int destroyed = 0;
    SelfClosingDlg dialog(&destroyed);
    dialog.resize(300, 200);
    QTimer::singleShot(0, &dialog, [&dialog] {
        auto* close = dialog.CloseButton();
        QVERIFY(close->isVisible());
        // Top right corner, inside the dialog.
        QVERIFY(close->geometry().right() < dialog.width());
        QVERIFY(close->x() > dialog.width() / 2);
        QVERIFY(close->y() < 20);
        close->click();
    });
    dialog.exec();
    QVERIFY(!dialog.isVisible());
}

void TestDialogBase::formsOwnCloseButtonCallsOnce() {
    OwnCloseDlg dialog;
    // What a generated form does after building itself.
    QMetaObject::connectSlotsByName(&dialog);
    QTimer::singleShot(0, &dialog, [&dialog] {
        QVERIFY(!dialog.CloseButton()->isVisible());
        dialog.m_pOwn->click();
    });
    dialog.exec();
    QCOMPARE(dialog.m_nCloses, 1);

    dialog.m_nCloses = 0;
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.m_pOwn->click(); });
    dialog.exec(); // shown a second time: still one call per click
    QCOMPARE(dialog.m_nCloses, 1);
}

void TestDialogBase::dragsWithTheMouse() {
    BaseDlg dialog;
    dialog.resize(300, 200);
    dialog.move(100, 100);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QPoint start = dialog.pos();
    QTest::mousePress(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    QMouseEvent move(QEvent::MouseMove, QPointF(90, 80), dialog.mapToGlobal(QPointF(90, 80)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &move);
    QTest::mouseRelease(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(90, 80));
    QCOMPARE(dialog.pos(), start + QPoint(40, 30));

    // Without a pressed button nothing moves.
    const QPoint after = dialog.pos();
    QMouseEvent hover(QEvent::MouseMove, QPointF(10, 10), dialog.mapToGlobal(QPointF(10, 10)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &hover);
    QCOMPARE(dialog.pos(), after);
}

void TestDialogBase::isFrameless() {
    BaseDlg dialog;
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(QString(BaseDlg::staticMetaObject.superClass()->className()), QStringLiteral("QDialog"));
    QVERIFY(BaseDlg::staticMetaObject.indexOfSlot("on_closebtn_clicked()") >= 0);
}

QTEST_MAIN(TestDialogBase)
#include "test_dialog_base.moc"

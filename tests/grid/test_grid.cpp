#include "QGrid.h"
#include "QGridItem.h"
#include "QMyEvent.h"

#include <QDir>
#include <QFontMetrics>
#include <QScrollArea>
#include <QtTest>

namespace {

// A page holding a grid in a scroll area, as the fault page and the dialogs do;
// records the grid's reports.
class Owner : public QWidget {
public:
    Owner() {
        resize(500, 260);
        area = new QScrollArea(this);
        area->setGeometry(0, 0, 500, 260);
        grid = new QGrid;
        area->setWidget(grid);
    }

    QScrollArea* area;
    QGrid* grid;
    QList<int> types;
    QList<qintptr> rows;

protected:
    bool event(QEvent* event) override {
        const int type = event->type();
        if (type == EventGridDoubleClick || type == EventGridRightClick) {
            types.append(type);
            rows.append(static_cast<QMyEvent*>(event)->m_nValue1);
            return true;
        }
        return QWidget::event(event);
    }
};

int TextWidth(const QString& text) {
    return QFontMetrics(QFont(QStringLiteral("宋体"), 9)).horizontalAdvance(text) + 5;
}

void FillRows(QGrid* grid, int count) {
    for (int i = 1; i <= count; ++i) {
        grid->AddItem(QStringLiteral("%1????").arg(i));
    }
}

QList<int> Looks(QGrid* grid, int row) {
    QList<int> looks;
    for (int c = 0; c < grid->GetColumns(); ++c) {
        looks.append(grid->Item(c, row)->GetLook());
    }
    return looks;
}

} // namespace

class TestGrid : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QGridItem::DeleteAllSelect(); }

    void freshGridSize() {
        QGrid grid;
        QCOMPARE(grid.size(), QSize(460, 194));
        QCOMPARE(grid.GetRows(), 0);
        grid.AddItem(QStringLiteral("a?b")); // no heads: nothing
        QCOMPARE(grid.GetRows(), 0);
    }

    void rowNeedsAPartPerColumn() {
        QGrid grid;
        grid.AddHead(QStringLiteral("Item"));
        grid.AddHead(QStringLiteral("Content"));
        grid.AddItem(QStringLiteral("Version"));
        QCOMPARE(grid.GetRows(), 0);
        grid.AddItem(QStringLiteral("Version??"));
        QCOMPARE(grid.GetRows(), 1);
        QCOMPARE(grid.getText(0, 1), QStringLiteral("Version"));
        QCOMPARE(grid.getText(1, 1), QString());
        grid.AddItem(QStringLiteral("Cash?12.5?ignored?parts"));
        QCOMPARE(grid.getText(1, 2), QStringLiteral("12.5"));
        QCOMPARE(grid.getText(0, 0), QStringLiteral("Item"));
    }

    void heightFollowsTheRows() {
        QGrid grid;
        grid.AddHead(QStringLiteral("No."));
        grid.AddHead(QStringLiteral("Fault code"));
        FillRows(&grid, 8);
        QCOMPARE(grid.height(), 194); // 8 * 20 + 25 = 185 fits
        grid.AddItem(QStringLiteral("9??"));
        QCOMPARE(grid.height(), 221); // 9 * 20 + 25 = 205 does not: 9 * 20 + 41
        grid.AddItem(QStringLiteral("10??"));
        QCOMPARE(grid.height(), 241); // every row keeps room for itself
        QCOMPARE(grid.Item(0, 10)->geometry().bottom() + 1, 2 + 22 + 9 * 20 + 20);
        QVERIFY(grid.Item(0, 10)->geometry().bottom() < grid.height());
        grid.SetHeight(372);
        QCOMPARE(grid.height(), 372);
    }

    void lastColumnStretchesToTheWidth() {
        QGrid grid;
        QString first = QStringLiteral("Energy");
        QString second = QStringLiteral("Co2");
        grid.SetWidth(237);
        grid.AddHead(first);
        grid.AddHead(second);
        const int w0 = TextWidth(first);
        const int w1 = TextWidth(second);
        QVERIFY(w1 + 2 + w0 + 4 + 4 < 237);
        QCOMPARE(grid.GetColumnWidth(0), w0);
        QCOMPARE(grid.GetColumnWidth(1), 237 - (2 + w0 + 4) - 4);
        QCOMPARE(grid.width(), 237);
        QCOMPARE(grid.Item(0, 0)->geometry(), QRect(2, 2, w0, 20));
        QCOMPARE(grid.Item(1, 0)->geometry(), QRect(2 + w0 + 4, 2, grid.GetColumnWidth(1), 20));

        grid.AddItem(QStringLiteral("Yesterday??"));
        const int wRow = TextWidth(QStringLiteral("Yesterday"));
        QCOMPARE(grid.GetColumnWidth(0), qMax(w0, wRow));
        // Cells sit one pixel left of their head, 20 apart, 4 wider than the column.
        QCOMPARE(grid.Item(0, 1)->geometry(), QRect(1, 24, qMax(w0, wRow) + 4, 20));
        grid.AddItem(QStringLiteral("Today??"));
        QCOMPARE(grid.Item(1, 2)->geometry().topLeft(), QPoint(2 + qMax(w0, wRow) + 4 - 1, 44));
    }

    void stretchExampleWithAFirstColumnOf65() {
        // A first column of 65 (a 60-pixel text plus 5) leaves 237 - (2 + 65 + 4) - 4.
        QGrid grid;
        grid.SetWidth(237);
        grid.SetMinWidth(65);
        grid.AddHead(QStringLiteral("Item"));
        grid.AddHead(QStringLiteral("Kg"));
        QVERIFY(TextWidth(QStringLiteral("Item")) <= 65);
        QCOMPARE(grid.GetColumnWidth(0), 65);
        QCOMPARE(grid.GetColumnWidth(1), 162);
        QCOMPARE(grid.Item(1, 0)->geometry(), QRect(71, 2, 162, 20));
    }

    void handlersAreSlotsInTheirOrder() {
        const QMetaObject& meta = QGridItem::staticMetaObject;
        QStringList names;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            if (meta.method(i).methodType() == QMetaMethod::Slot) {
                names.append(QString::fromLatin1(meta.method(i).name()));
            }
        }
        QCOMPARE(names, (QStringList{QStringLiteral("paintEvent"), QStringLiteral("enterEvent"),
                                     QStringLiteral("leaveEvent"), QStringLiteral("mousePressEvent"),
                                     QStringLiteral("mouseDoubleClickEvent")}));
    }

    void minimumWidthAndWideGrids() {
        QGrid grid;
        grid.SetWidth(237);
        grid.SetMinWidth(112);
        grid.AddHead(QStringLiteral("Item"));
        grid.AddHead(QStringLiteral("Content"));
        QCOMPARE(grid.GetColumnWidth(0), 112);
        QCOMPARE(grid.GetColumnWidth(1), 237 - (2 + 112 + 4) - 4);
        // Columns wider than the least width make the grid wider.
        const QString wide(120, QLatin1Char('W'));
        grid.AddItem(QStringLiteral("x?") + wide + QStringLiteral("?"));
        QCOMPARE(grid.GetColumnWidth(1), TextWidth(wide));
        QCOMPARE(grid.width(), 2 + 112 + 4 + TextWidth(wide) + 4);
    }

    void setTextAndGetTextStayInRange() {
        QGrid grid;
        grid.AddHead(QStringLiteral("Item"));
        grid.AddHead(QStringLiteral("Energy"));
        FillRows(&grid, 8);
        grid.SetText(1, 9, QStringLiteral("lost"));
        QCOMPARE(grid.getText(1, 9), QString());
        grid.SetText(2, 1, QStringLiteral("lost"));
        grid.SetText(-1, 1, QStringLiteral("lost"));
        QCOMPARE(grid.getText(2, 1), QString());
        QCOMPARE(grid.getText(-1, 1), QString());
        QCOMPARE(grid.getText(0, -1), QString());
        for (int row = 1; row <= 8; ++row) {
            QCOMPARE(grid.getText(1, row), QString());
        }
        grid.SetText(1, 8, QStringLiteral("12.75"));
        QCOMPARE(grid.getText(1, 8), QStringLiteral("12.75"));
        grid.SetText(1, 0, QStringLiteral("Energy (kWh)"));
        QCOMPARE(grid.getText(1, 0), QStringLiteral("Energy (kWh)"));
        const QString longText(80, QLatin1Char('8'));
        grid.SetText(0, 3, longText);
        QCOMPARE(grid.GetColumnWidth(0), TextWidth(longText));
    }

    void deleteItemAndClear() {
        Owner owner;
        QGrid* grid = owner.grid;
        grid->AddHead(QStringLiteral("No."));
        grid->AddHead(QStringLiteral("Code"));
        grid->AddItem(QStringLiteral("1?a"));
        grid->AddItem(QStringLiteral("2?b"));
        grid->AddItem(QStringLiteral("3?c"));
        grid->DeleteItem(0);
        grid->DeleteItem(4);
        grid->DeleteItem(-2);
        QCOMPARE(grid->GetRows(), 3);
        grid->DeleteItem(2);
        QCOMPARE(grid->GetRows(), 2);
        QCOMPARE(grid->getText(0, 2), QStringLiteral("3"));
        QCOMPARE(grid->getText(1, 2), QStringLiteral("c"));
        QCOMPARE(grid->Item(1, 2)->y(), 44);
        // The row circle still closes: the last cell's right is the first.
        QCOMPARE(grid->Item(1, 2)->GetRight(), grid->Item(0, 2));
        QCOMPARE(grid->Item(0, 0)->GetUp(), grid->Item(0, 2));

        QTest::mouseClick(grid->Item(0, 1), Qt::LeftButton);
        QVERIFY(!QGridItem::SelectList().isEmpty());
        grid->Clear();
        QVERIFY(QGridItem::SelectList().isEmpty());
        QCOMPARE(grid->GetRows(), 0);
        QCOMPARE(grid->GetColumns(), 2);
        QCOMPARE(grid->Item(0, 0)->GetDown(), grid->Item(0, 0));
        QCOMPARE(grid->getText(0, 1), QString());
        QCOMPARE(grid->height(), 194);
        QCOMPARE(grid->findChildren<QGridItem*>().size(), 2);
        grid->AddItem(QStringLiteral("again?x"));
        QCOMPARE(grid->getText(1, 1), QStringLiteral("x"));
    }

    void pressSelectsTheRowAndClearsOtherGrids() {
        Owner first;
        Owner second;
        for (QGrid* grid : {first.grid, second.grid}) {
            grid->AddHead(QStringLiteral("No."));
            grid->AddHead(QStringLiteral("Code"));
            grid->AddHead(QStringLiteral("Time"));
            FillRows(grid, 4);
        }
        first.show();
        second.show();
        QTest::mouseClick(first.grid->Item(1, 2), Qt::LeftButton);
        QCOMPARE(Looks(first.grid, 2), (QList<int>{2, 2, 2}));
        QCOMPARE(Looks(first.grid, 1), (QList<int>{1, 1, 1}));
        QCOMPARE(Looks(first.grid, 0), (QList<int>{1, 1, 1}));
        QCOMPARE(QGridItem::SelectList().size(), 3);

        QTest::mouseClick(second.grid->Item(2, 4), Qt::LeftButton);
        QCOMPARE(Looks(first.grid, 2), (QList<int>{1, 1, 1}));
        QCOMPARE(Looks(second.grid, 4), (QList<int>{2, 2, 2}));
        QCOMPARE(QGridItem::SelectList().size(), 3);
        QVERIFY(first.types.isEmpty() && second.types.isEmpty()); // left presses report nothing
    }

    void pressOnAHeadSelectsTheColumn() {
        Owner owner;
        QGrid* grid = owner.grid;
        grid->AddHead(QStringLiteral("No."));
        grid->AddHead(QStringLiteral("Code"));
        FillRows(grid, 3);
        owner.show();
        QTest::mouseClick(grid->Item(1, 0), Qt::LeftButton);
        QCOMPARE(QGridItem::SelectList().size(), 4);
        for (int row = 0; row <= 3; ++row) {
            QCOMPARE(grid->Item(1, row)->GetLook(), 2);
            QCOMPARE(grid->Item(0, row)->GetLook(), 1);
        }
        QTest::mouseClick(grid->Item(1, 0), Qt::LeftButton); // already selected: nothing
        QCOMPARE(QGridItem::SelectList().size(), 4);
    }

    void hoverLooks() {
        Owner owner;
        owner.grid->AddHead(QStringLiteral("No."));
        FillRows(owner.grid, 1);
        QGridItem* cell = owner.grid->Item(0, 1);
        QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
        QCoreApplication::sendEvent(cell, &enter);
        QCOMPARE(cell->GetLook(), 0);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(cell, &leave);
        QCOMPARE(cell->GetLook(), 1);
        QGridItem::AddSelect(cell);
        QCoreApplication::sendEvent(cell, &enter);
        QCoreApplication::sendEvent(cell, &leave);
        QCOMPARE(cell->GetLook(), 2);
        QVERIFY(cell->IsSelect());
    }

    void rightClickIsPostedAndDoubleClickSent() {
        Owner owner;
        QGrid* grid = owner.grid;
        grid->AddHead(QStringLiteral("No."));
        grid->AddHead(QStringLiteral("Code"));
        FillRows(grid, 5);
        owner.show();

        QTest::mouseClick(grid->Item(1, 3), Qt::RightButton);
        QVERIFY(owner.types.isEmpty());
        QCOMPARE(Looks(grid, 3), (QList<int>{2, 2}));
        QCoreApplication::processEvents();
        QCOMPARE(owner.types, QList<int>{EventGridRightClick});
        QCOMPARE(owner.rows, QList<qintptr>{3});

        owner.types.clear();
        owner.rows.clear();
        QTest::mouseDClick(grid->Item(0, 3), Qt::LeftButton);
        QCOMPARE(owner.types, QList<int>{EventGridDoubleClick});
        QCOMPARE(owner.rows, QList<qintptr>{3});

        // Neither is reported for heads, nor a double click with the right button.
        owner.types.clear();
        QTest::mouseClick(grid->Item(0, 0), Qt::RightButton);
        QTest::mouseDClick(grid->Item(0, 0), Qt::LeftButton);
        QMouseEvent rightDouble(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::RightButton,
                                Qt::RightButton, Qt::NoModifier);
        QCoreApplication::sendEvent(grid->Item(0, 2), &rightDouble);
        QCoreApplication::processEvents();
        QVERIFY(owner.types.isEmpty());

        // Row numbers follow deletions.
        grid->DeleteItem(1);
        owner.types.clear();
        owner.rows.clear();
        QTest::mouseDClick(grid->Item(0, 3), Qt::LeftButton);
        QCOMPARE(owner.rows, QList<qintptr>{3});
        QCOMPARE(grid->Item(0, 3)->RowNumber(), 3);
    }

    void tipGoesToCellsCreatedAfterwards() {
        QGrid grid;
        grid.AddHead(QStringLiteral("No."));
        grid.AddItem(QStringLiteral("1?"));
        grid.SetTip(QStringLiteral("Double click to see the fault data"));
        grid.AddItem(QStringLiteral("2?"));
        QCOMPARE(grid.Item(0, 1)->toolTip(), QString());
        QCOMPARE(grid.Item(0, 2)->toolTip(), QStringLiteral("Double click to see the fault data"));
        QCOMPARE(grid.Item(0, 0)->toolTip(), QString());
    }

    void deletingAGridClearsItsSelection() {
        auto* grid = new QGrid;
        grid->AddHead(QStringLiteral("No."));
        FillRows(grid, 2);
        QGridItem::AddSelect(grid->Item(0, 1));
        delete grid;
        QVERIFY(QGridItem::SelectList().isEmpty());
    }

    void randomRowsKeepTheLinksSound() {
        QGrid grid;
        for (int c = 0; c < 4; ++c) {
            grid.AddHead(QStringLiteral("H%1").arg(c));
        }
        QRandomGenerator random(7);
        QList<QStringList> model;
        for (int step = 0; step < 400; ++step) {
            const int action = random.bounded(4);
            if (action < 2) {
                QStringList parts;
                const int count = random.bounded(7);
                for (int i = 0; i < count; ++i) {
                    parts.append(QString::number(random.bounded(1000)));
                }
                grid.AddItem(parts.join(QLatin1Char('?')));
                if (parts.size() >= 4) {
                    model.append(parts.mid(0, 4));
                }
            } else if (action == 2) {
                const int row = random.bounded(-1, int(model.size()) + 2);
                grid.DeleteItem(row);
                if (row >= 1 && row <= model.size()) {
                    model.removeAt(row - 1);
                }
            } else {
                const int column = random.bounded(-1, 5);
                const int row = random.bounded(-1, int(model.size()) + 2);
                const QString text = QString::number(random.bounded(100000));
                grid.SetText(column, row, text);
                if (column >= 0 && column < 4 && row >= 1 && row <= model.size()) {
                    model[row - 1][column] = text;
                }
            }
            QCOMPARE(grid.GetRows(), int(model.size()));
        }
        for (int row = 1; row <= model.size(); ++row) {
            for (int c = 0; c < 4; ++c) {
                QCOMPARE(grid.getText(c, row), model[row - 1][c]);
            }
            QCOMPARE(grid.Item(0, row)->GetLeft()->GetRight(), grid.Item(0, row));
            QCOMPARE(grid.Item(0, row)->y(), 4 + 20 * row);
        }
    }

    void rendersTypicalStates() {
        Owner owner;
        owner.resize(480, 240);
        owner.area->setGeometry(0, 0, 480, 240);
        owner.area->setFrameShape(QFrame::NoFrame);
        QGrid* grid = owner.grid;
        grid->SetWidth(462);
        grid->AddHead(QStringLiteral("No."));
        grid->AddHead(QStringLiteral("Fault code"));
        grid->AddHead(QStringLiteral("Time to failure"));
        grid->AddHead(QStringLiteral("Detail code"));
        const char* codes[] = {"Grid over-voltage", "Isolation fault", "Over-temperature",
                               "Grid lost",         "Fan fault",       "DC over-current"};
        for (int i = 0; i < 6; ++i) {
            grid->AddItem(QStringLiteral("%1?%2?2024-06-%3 %4:%5?0x%6")
                              .arg(i + 1)
                              .arg(QLatin1String(codes[i]))
                              .arg(10 + i)
                              .arg(9 + i)
                              .arg(i * 7 + 3, 2, 10, QLatin1Char('0'))
                              .arg(0x1a0 + i * 7, 4, 16, QLatin1Char('0')));
        }
        owner.show();
        QTest::mouseClick(grid->Item(1, 3), Qt::LeftButton);
        QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
        QCoreApplication::sendEvent(grid->Item(2, 5), &enter);
        const QImage image = owner.grab().toImage();
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/render");
        QVERIFY(QDir().mkpath(dir));
        QVERIFY(image.save(dir + QStringLiteral("/grid.png")));
        // The selected row carries the selection skin, an unselected one does not.
        const QRect selected = grid->Item(2, 3)->geometry();
        const QRect plain = grid->Item(2, 2)->geometry();
        QVERIFY(image.pixelColor(selected.center()) != image.pixelColor(plain.center()));
    }
};

QTEST_MAIN(TestGrid)
#include "test_grid.moc"

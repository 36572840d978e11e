#include "Draw_9.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

namespace {

// A source whose nine pieces carry nine distinct colours, cut by the rule that
// the right column runs from x2 - r to x2 and the bottom row from y2 - b to y2.
// Pixels that two pieces share take the right/bottom piece's colour.
QImage PieceImage(QRect source, int l, int t, int r, int b, QSize size, QColor colours[3][3]) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::black);
    auto column = [&](int x) {
        if (x >= source.right() - r) {
            return 2;
        }
        return x < source.left() + l ? 0 : 1;
    };
    auto row = [&](int y) {
        if (y >= source.bottom() - b) {
            return 2;
        }
        return y < source.top() + t ? 0 : 1;
    };
    for (int y = source.top(); y <= source.bottom(); ++y) {
        for (int x = source.left(); x <= source.right(); ++x) {
            image.setPixelColor(x, y, colours[row(y)][column(x)]);
        }
    }
    return image;
}

void FillColours(QColor colours[3][3]) {
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            colours[r][c] = QColor(40 + 80 * c, 40 + 80 * r, 200);
        }
    }
}

QImage Canvas(QSize size) {
    QImage canvas(size, QImage::Format_ARGB32);
    canvas.fill(Qt::white);
    return canvas;
}

} // namespace

class TestDraw9 : public QObject {
    Q_OBJECT

private slots:
    void corners_are_copied_and_edges_stretched() {
        QColor colours[3][3];
        FillColours(colours);
        const QRect source(0, 0, 16, 14);
        QImage image = PieceImage(source, 2, 3, 4, 2, QSize(16, 14), colours);
        QImage canvas = Canvas(QSize(60, 40));
        {
            QPainter painter(&canvas);
            Draw_9(painter, QRect(5, 4, 50, 30), source, QRect(2, 3, 4, 2), image);
        }
        // Target x: 5..6 left, 7..50 middle (x2 - r = 54 - 4), 50..54 right (5 wide).
        // Target y: 4..6 top, 7..31 middle, 31..33 bottom (3 high).
        QCOMPARE(canvas.pixelColor(5, 4), colours[0][0]);
        QCOMPARE(canvas.pixelColor(6, 6), colours[0][0]);
        QCOMPARE(canvas.pixelColor(30, 5), colours[0][1]);
        QCOMPARE(canvas.pixelColor(52, 5), colours[0][2]);
        QCOMPARE(canvas.pixelColor(54, 4), colours[0][2]);
        QCOMPARE(canvas.pixelColor(5, 20), colours[1][0]);
        QCOMPARE(canvas.pixelColor(30, 20), colours[1][1]);
        QCOMPARE(canvas.pixelColor(54, 20), colours[1][2]);
        QCOMPARE(canvas.pixelColor(5, 33), colours[2][0]);
        QCOMPARE(canvas.pixelColor(30, 33), colours[2][1]);
        QCOMPARE(canvas.pixelColor(54, 33), colours[2][2]);
        // The bottom-right corner is copied pixel for pixel: 5 x 3.
        for (int y = 31; y <= 33; ++y) {
            for (int x = 50; x <= 54; ++x) {
                QCOMPARE(canvas.pixelColor(x, y), image.pixelColor(x - 50 + 11, y - 31 + 11));
            }
        }
        // Nothing outside the target.
        QCOMPARE(canvas.pixelColor(4, 20), QColor(Qt::white));
        QCOMPARE(canvas.pixelColor(55, 20), QColor(Qt::white));
        QCOMPARE(canvas.pixelColor(30, 3), QColor(Qt::white));
        QCOMPARE(canvas.pixelColor(30, 34), QColor(Qt::white));
    }

    void source_rectangle_selects_part_of_the_image() {
        // The grid passes QRect(0, 0, 60, 60) for 61 x 61 images: the last column
        // and row of the image stay unused.
        QImage image(61, 61, QImage::Format_ARGB32);
        image.fill(QColor(10, 200, 10));
        for (int i = 0; i < 61; ++i) {
            image.setPixelColor(60, i, Qt::red);
            image.setPixelColor(i, 60, Qt::red);
        }
        QImage canvas = Canvas(QSize(100, 30));
        {
            QPainter painter(&canvas);
            Draw_9(painter, QRect(0, 0, 100, 30), QRect(0, 0, 60, 60), QRect(4, 4, 7, 7), image);
        }
        for (int x = 0; x < 100; ++x) {
            QCOMPARE(canvas.pixelColor(x, 29), QColor(10, 200, 10));
        }
        for (int y = 0; y < 30; ++y) {
            QCOMPARE(canvas.pixelColor(99, y), QColor(10, 200, 10));
        }
    }

    void null_image_draws_nothing() {
        QImage none;
        QImage canvas = Canvas(QSize(20, 20));
        {
            QPainter painter(&canvas);
            Draw_9(painter, QRect(0, 0, 20, 20), QRect(0, 0, 10, 10), QRect(2, 2, 2, 2), none);
        }
        QCOMPARE(canvas, Canvas(QSize(20, 20)));
    }

    void targets_smaller_than_the_margins_and_random_geometry_are_safe() {
        QColor colours[3][3];
        FillColours(colours);
        QImage image = PieceImage(QRect(0, 0, 12, 12), 4, 4, 4, 4, QSize(12, 12), colours);
        QImage canvas = Canvas(QSize(40, 40));
        QPainter painter(&canvas);
        Draw_9(painter, QRect(10, 10, 3, 2), QRect(0, 0, 12, 12), QRect(4, 4, 4, 4), image);
        Draw_9(painter, QRect(10, 10, 0, 0), QRect(0, 0, 12, 12), QRect(4, 4, 4, 4), image);
        Draw_9(painter, QRect(10, 10, -5, -5), QRect(0, 0, 12, 12), QRect(4, 4, 4, 4), image);
        QRandomGenerator random(20240611);
        for (int i = 0; i < 500; ++i) {
            const QRect target(random.bounded(-50, 50), random.bounded(-50, 50), random.bounded(-20, 80),
                               random.bounded(-20, 80));
            const QRect source(random.bounded(-5, 15), random.bounded(-5, 15), random.bounded(-5, 30),
                               random.bounded(-5, 30));
            const QRect border(random.bounded(0, 20), random.bounded(0, 20), random.bounded(0, 20),
                               random.bounded(0, 20));
            Draw_9(painter, target, source, border, image);
        }
        painter.end();
        QVERIFY(!canvas.isNull());
    }
};

QTEST_MAIN(TestDraw9)
#include "test_draw9.moc"

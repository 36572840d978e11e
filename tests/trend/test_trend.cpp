#include "QTrend.h"

#include <QDir>
#include <QPainter>
#include <QtMath>
#include <QtTest>

namespace {

struct CallbackLog {
    QStringList names;
    QList<int> maximaSeen; // m_nMax as the callback saw it
    QTrend* trend = nullptr;
};

void Record(QString name, void* data) {
    auto* log = static_cast<CallbackLog*>(data);
    log->names.append(name);
    log->maximaSeen.append(log->trend->m_nMax);
}

QImage Render(QTrend& trend) {
    QImage image(trend.size(), QImage::Format_RGB32);
    image.fill(QColor(228, 231, 236));
    trend.render(&image);
    return image;
}

// Expected screen position of sample i, from the chart's mapping.
QPoint Position(const QTrend& trend, int i) {
    const int w = trend.width() - 1;
    const int h = trend.height() - 1;
    const int pw = w - 56;
    const int ph = h - 31;
    const int x = ((trend.m_nTotal - trend.m_nPoint + i) * pw) / trend.m_nTotal + 41;
    const int y = (h - 20) - (trend.m_Data[0][i] * ph) / (trend.m_nMax - trend.m_nMin);
    return QPoint(x, y);
}

bool NearColour(const QImage& image, QPoint p, QColor colour, int radius = 1) {
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint q = p + QPoint(dx, dy);
            if (image.rect().contains(q) && image.pixelColor(q) == colour) {
                return true;
            }
        }
    }
    return false;
}

int CountColour(const QImage& image, QColor colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == colour;
        }
    }
    return count;
}

} // namespace

class TestTrend : public QObject {
    Q_OBJECT

private slots:
    void initialState() {
        QTrend trend;
        QCOMPARE(trend.m_nPoint, 10);
        QCOMPARE(trend.m_nTotal, 10);
        QCOMPARE(trend.m_nMax, 5000);
        QCOMPARE(trend.m_nMin, 0);
        QCOMPARE(trend.m_Color1, QRgb(0xFFFF0000));
        QCOMPARE(trend.m_Color2, QRgb(0xFF8000FF));
        QCOMPARE(trend.m_Color3, QRgb(0));
        QCOMPARE(trend.m_nShowType, 0);
        QVERIFY(trend.m_bAuto);
        QCOMPARE(trend.m_nStart, -1);
        QCOMPARE(trend.m_nPressPos, -1);
        QCOMPARE(trend.m_nPressPoint, -1);
        QVERIFY(trend.m_Data[0].isEmpty());
    }

    void handlersAreSlotsInTheirOrder() {
        const QMetaObject& meta = QTrend::staticMetaObject;
        QStringList names;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            if (meta.method(i).methodType() == QMetaMethod::Slot) {
                names.append(QString::fromLatin1(meta.method(i).name()));
            }
        }
        QCOMPARE(names, (QStringList{QStringLiteral("paintEvent"), QStringLiteral("mousePressEvent"),
                                     QStringLiteral("mouseMoveEvent"), QStringLiteral("mouseReleaseEvent")}));
    }

    void maximumStepsWithThePowerCurves_data() {
        QTest::addColumn<int>("largest");
        QTest::addColumn<int>("curve");
        QTest::addColumn<int>("maximum");
        QTest::newRow("0") << 0 << 0 << 3000;
        QTest::newRow("1999") << 1999 << 0 << 3000;
        QTest::newRow("2000") << 2000 << 0 << 4000;
        QTest::newRow("2999") << 2999 << 1 << 4000;
        QTest::newRow("3000") << 3000 << 0 << 5000;
        QTest::newRow("12345") << 12345 << 1 << 14000;
        QTest::newRow("500000") << 500000 << 0 << 502000;
    }

    void maximumStepsWithThePowerCurves() {
        QFETCH(int, largest);
        QFETCH(int, curve);
        QFETCH(int, maximum);
        QTrend trend;
        trend.SetStart(0);
        trend.AddData(curve, 10);
        trend.AddData(curve, largest);
        trend.AddData(1 - curve, 5);
        trend.AddData(2, 90000); // the energy curve does not count in show type 0
        QCOMPARE(trend.m_nMax, maximum);
    }

    void maximumOfAnEmptyEnergyCurve() {
        QTrend trend;
        trend.AddData(0, 45000);
        trend.SetAttribute(QStringLiteral("ShowType"), QStringLiteral("1"), true);
        QCOMPARE(trend.m_nMax, 5000);
        trend.AddData(2, 7000);
        QCOMPARE(trend.m_nMax, 9000);
    }

    void showTypeRescalesAtOnce() {
        QTrend trend;
        CallbackLog log;
        log.trend = &trend;
        trend.SetStart(0);
        trend.AddData(0, 1500);
        trend.AddData(2, 12000);
        QCOMPARE(trend.m_nMax, 3000);
        trend.SetFunc(Record, &log);
        trend.SetAttribute(QStringLiteral("ShowType"), QStringLiteral("1"), true);
        QCOMPARE(trend.m_nShowType, 1);
        QCOMPARE(trend.m_nMax, 14000);
        QCOMPARE(log.names, (QStringList{QStringLiteral("MaxValue"), QStringLiteral("ShowType")}));
        // The inner call stores the maximum before the callback runs.
        QCOMPARE(log.maximaSeen.first(), 14000);

        // SetShowType neither rescales nor reports.
        log.names.clear();
        trend.SetShowType(0);
        QCOMPARE(trend.m_nShowType, 0);
        QCOMPARE(trend.m_nMax, 14000);
        QVERIFY(log.names.isEmpty());
    }

    void autoOffKeepsTheMaximum() {
        QTrend trend;
        trend.SetAttribute(QStringLiteral("Auto"), QStringLiteral("false"), false);
        QVERIFY(!trend.m_bAuto);
        trend.SetAttribute(QStringLiteral("MaxValue"), QStringLiteral("8000"), false);
        trend.AddData(0, 30000);
        QCOMPARE(trend.m_nMax, 8000);
        trend.SetAttribute(QStringLiteral("Auto"), QStringLiteral("TRUE"), false); // exact text only
        QVERIFY(!trend.m_bAuto);
        trend.SetAttribute(QStringLiteral("Auto"), QStringLiteral("true"), false);
        QVERIFY(trend.m_bAuto);
        QCOMPARE(trend.m_nMax, 32000);
    }

    void totalMovesTheWindowWithTheClamp_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("samples");
        QTest::addColumn<int>("point");
        QTest::newRow("follows the data") << 600 << 60 << 30 << 42;
        QTest::newRow("end of the day") << 1430 << 60 << 30 << 10;
        QTest::newRow("start of the day") << 0 << 120 << 10 << 120;
        QTest::newRow("whole day") << 0 << 1440 << 700 << 1440;
        QTest::newRow("wider than the day allows") << 1000 << 1440 << 10 << 440;
    }

    void totalMovesTheWindowWithTheClamp() {
        QFETCH(int, start);
        QFETCH(int, total);
        QFETCH(int, samples);
        QFETCH(int, point);
        QTrend trend;
        trend.SetStart(start);
        for (int i = 0; i < samples; ++i) {
            trend.AddData(0, 100);
        }
        trend.SetAttribute(QStringLiteral("Total"), QString::number(total), true);
        QCOMPARE(trend.m_nTotal, total);
        QCOMPARE(trend.m_nPoint, point);
    }

    void addDataKeepsTheNewestSampleAtFourFifths() {
        QTrend trend;
        trend.SetStart(300);
        trend.SetAttribute(QStringLiteral("Total"), QStringLiteral("100"), false);
        for (int i = 0; i < 150; ++i) {
            trend.AddData(0, 1000);
        }
        QCOMPARE(trend.m_nPoint, 100 / 5 + 150);
        // Curve 1 moves the window by its own length.
        trend.AddData(1, 1000);
        QCOMPARE(trend.m_nPoint, 100 / 5 + 1);
    }

    void outOfRangeSamplesAreStoredAsMissing() {
        QTrend trend;
        trend.AddData(0, 500001);
        trend.AddData(0, -1);
        trend.AddData(0, -2);
        trend.AddData(0, 500000);
        trend.AddData(0, 0);
        trend.AddData(2, -10);
        trend.AddData(1, INT_MIN);
        trend.AddData(1, INT_MAX);
        QCOMPARE(trend.m_Data[0], (QList<int>{-1, -1, -1, 500000, 0}));
        QCOMPARE(trend.m_Data[1], (QList<int>{-1, -1}));
        QCOMPARE(trend.m_Data[2], QList<int>{-1});
        trend.AddData(3, 100); // no such curve
        trend.AddData(-1, 100);
        QCOMPARE(trend.m_Data[0].size() + trend.m_Data[1].size() + trend.m_Data[2].size(), 8);
    }

    void aCurvePastADayIsEmptied() {
        QTrend trend;
        trend.SetStart(0);
        for (int i = 0; i < 1440; ++i) {
            trend.AddData(0, i);
        }
        QCOMPARE(trend.m_Data[0].size(), 1440);
        trend.AddData(0, 5);
        QVERIFY(trend.m_Data[0].isEmpty());
        trend.AddData(0, 5);
        QCOMPARE(trend.m_Data[0].size(), 1);
    }

    void clearEmptiesTheCurvesOnly() {
        QTrend trend;
        trend.SetStart(100);
        trend.AddData(0, 1);
        trend.AddData(2, 1);
        const int point = trend.m_nPoint;
        trend.Clear();
        QVERIFY(trend.m_Data[0].isEmpty() && trend.m_Data[2].isEmpty());
        QCOMPARE(trend.m_nPoint, point);
        QCOMPARE(trend.m_nStart, 100);
    }

    void callbackOncePerAttribute() {
        QTrend trend;
        CallbackLog log;
        log.trend = &trend;
        trend.SetFunc(Record, &log);
        trend.SetAttribute(QStringLiteral("Unknown"), QStringLiteral("1"), true);
        QCOMPARE(log.names, QStringList{QStringLiteral("Unknown")});
        log.names.clear();
        trend.SetAttribute(QStringLiteral("Color1"), QString::number(0xFF00A0FFu), false);
        trend.SetAttribute(QStringLiteral("Point"), QStringLiteral("55"), false);
        trend.SetAttribute(QStringLiteral("color1"), QStringLiteral("0"), false); // names are case-sensitive
        QCOMPARE(log.names,
                 (QStringList{QStringLiteral("Color1"), QStringLiteral("Point"), QStringLiteral("color1")}));
        QCOMPARE(trend.m_Color1, QRgb(0xFF00A0FF));
        QCOMPARE(trend.m_nPoint, 55);

        // "Total" reports the inner "Point" first, then itself.
        log.names.clear();
        trend.SetStart(0);
        trend.SetAttribute(QStringLiteral("Total"), QStringLiteral("30"), false);
        QCOMPARE(log.names, (QStringList{QStringLiteral("Point"), QStringLiteral("Total")}));

        // Every new sample reports the window's position, and a rescale its maximum.
        log.names.clear();
        trend.AddData(0, 100);
        QCOMPARE(log.names, (QStringList{QStringLiteral("Point"), QStringLiteral("MaxValue")}));
        log.names.clear();
        trend.AddData(0, 200);
        QCOMPARE(log.names, QStringList{QStringLiteral("Point")});

        // A new registration replaces the old one.
        CallbackLog other;
        other.trend = &trend;
        trend.SetFunc(Record, &other);
        log.names.clear();
        trend.SetAttribute(QStringLiteral("Color2"), QStringLiteral("255"), false);
        QVERIFY(log.names.isEmpty());
        QCOMPARE(other.names, QStringList{QStringLiteral("Color2")});
    }

    void coloursAcceptTheSignedRendering() {
        QTrend trend;
        trend.SetAttribute(QStringLiteral("Color3"), QString::number(qint32(0xFF00FF00u)), false);
        QCOMPARE(trend.m_Color3, QRgb(0xFF00FF00u));
    }

    void draggingMovesTheWindowAndFreezesIt() {
        QTrend trend;
        trend.resize(504, 200);
        trend.SetStart(0);
        trend.SetAttribute(QStringLiteral("Total"), QStringLiteral("100"), false);
        for (int i = 0; i < 400; ++i) {
            trend.AddData(0, 1000);
        }
        QCOMPARE(trend.m_nPoint, 420);

        QMouseEvent press(QEvent::MouseButtonPress, QPointF(300, 50), QPointF(300, 50), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&trend, &press);
        QCOMPARE(trend.m_nPressPos, 300);
        QCOMPARE(trend.m_nPressPoint, 420);
        QCOMPARE(trend.cursor().shape(), Qt::ClosedHandCursor);

        // Dragging right by 250 px shows earlier minutes: 420 + (250 * 100) / (4 - 504) = 370.
        QMouseEvent move(QEvent::MouseMove, QPointF(550, 50), QPointF(550, 50), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(&trend, &move);
        QCOMPARE(trend.m_nPoint, 370);
        // New samples are stored but do not move a held window.
        trend.AddData(0, 1000);
        QCOMPARE(trend.m_Data[0].size(), 401);
        QCOMPARE(trend.m_nPoint, 370);
        // Dragging far to the left stops at 24:00.
        QMouseEvent far(QEvent::MouseMove, QPointF(-100000, 50), QPointF(-100000, 50), Qt::NoButton,
                        Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&trend, &far);
        QCOMPARE(trend.m_nPoint, 1440);
        // And far to the right at 00:00 plus one window.
        QMouseEvent back(QEvent::MouseMove, QPointF(100000, 50), QPointF(100000, 50), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&trend, &back);
        QCOMPARE(trend.m_nPoint, 100);

        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(0, 0), QPointF(0, 0), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&trend, &release);
        QCOMPARE(trend.m_nPressPos, -1);
        QCOMPARE(trend.m_nPressPoint, -1);
        QCOMPARE(trend.cursor().shape(), Qt::OpenHandCursor);
        trend.AddData(0, 1000);
        QCOMPARE(trend.m_nPoint, 100 / 5 + 402);

        // A move without a press does nothing.
        QCoreApplication::sendEvent(&trend, &move);
        QCOMPARE(trend.m_nPoint, 100 / 5 + 402);
    }

    void aMissingSampleIsBridgedByOneLine() {
        QTrend trend;
        trend.resize(457, 232); // plot 400 x 200
        trend.SetStart(0);
        trend.SetAttribute(QStringLiteral("Total"), QStringLiteral("10"), false);
        trend.AddData(0, 500);
        trend.AddData(0, -1);
        trend.AddData(0, -1);
        trend.AddData(0, 2500);
        trend.SetAttribute(QStringLiteral("Color1"), QString::number(0xFF00C000u), false);
        trend.SetAttribute(QStringLiteral("Point"), QStringLiteral("10"), false);
        QCOMPARE(trend.m_nMax, 4000);
        const QImage image = Render(trend);
        const QColor green(0, 192, 0);
        const QPoint first = Position(trend, 0);
        const QPoint last = Position(trend, 3);
        QCOMPARE(first, QPoint(41, 186));
        QCOMPARE(last, QPoint(161, 86));
        QVERIFY(NearColour(image, first, green));
        QVERIFY(NearColour(image, last, green));
        // Points along the straight line between them carry the curve.
        for (int k = 1; k < 10; ++k) {
            const QPoint p = first + (last - first) * k / 10;
            QVERIFY2(NearColour(image, p, green),
                     qPrintable(QStringLiteral("gap at %1,%2").arg(p.x()).arg(p.y())));
        }
        // One line of about its length, and nothing towards the axis where the gap is.
        const qreal length =
            qSqrt(qreal((last - first).x() * (last - first).x() + (last - first).y() * (last - first).y()));
        const int pixels = CountColour(image, green);
        QVERIFY(pixels >= int(length * 0.7) && pixels <= int(length * 1.5));
        const QPoint gapAtZero(((10 - 10 + 1) * 400) / 10 + 41, 231 - 20);
        QVERIFY(!NearColour(image, gapAtZero, green, 3));
    }

    void showTypeChoosesTheCurves() {
        QTrend trend;
        trend.resize(456, 231);
        trend.SetStart(0);
        trend.SetAttribute(QStringLiteral("Total"), QStringLiteral("10"), false);
        for (int i = 0; i < 6; ++i) {
            trend.AddData(0, 1000);
            trend.AddData(1, 2000);
            trend.AddData(2, 3000);
        }
        trend.SetAttribute(QStringLiteral("Point"), QStringLiteral("10"), false);
        const QColor red(255, 0, 0);
        const QColor purple(128, 0, 255);
        const QColor black(0, 0, 0);
        QImage image = Render(trend);
        QVERIFY(CountColour(image, red) > 50);
        QVERIFY(CountColour(image, purple) > 50);
        const int labelsOnly = CountColour(image, black);
        trend.SetAttribute(QStringLiteral("ShowType"), QStringLiteral("2"), false);
        image = Render(trend);
        QCOMPARE(CountColour(image, red), 0);
        QCOMPARE(CountColour(image, purple), 0);
        QVERIFY(CountColour(image, black) > labelsOnly); // curve 2 in its default black
    }

    void degenerateScalesPaintWithoutCurves() {
        QTrend trend;
        trend.resize(300, 150);
        trend.SetStart(0);
        trend.AddData(0, 100);
        trend.AddData(0, 200);
        trend.SetAttribute(QStringLiteral("Auto"), QStringLiteral("false"), false);
        trend.SetAttribute(QStringLiteral("MaxValue"), QStringLiteral("0"), false);
        QVERIFY(!Render(trend).isNull());
        trend.SetAttribute(QStringLiteral("MaxValue"), QStringLiteral("-5"), false);
        QVERIFY(!Render(trend).isNull());
        trend.SetAttribute(QStringLiteral("MaxValue"), QStringLiteral("1000"), false);
        trend.SetAttribute(QStringLiteral("Total"), QStringLiteral("0"), false);
        QVERIFY(!Render(trend).isNull());
        trend.SetAttribute(QStringLiteral("Point"), QStringLiteral("-3"), false);
        QVERIFY(!Render(trend).isNull());
        trend.resize(4, 4);
        QVERIFY(!Render(trend).isNull());
    }

    void rendersADayInBothShowTypes() {
        QWidget page;
        page.resize(640, 300);
        page.setAutoFillBackground(true);
        QPalette palette = page.palette();
        palette.setColor(QPalette::Window, QColor(226, 230, 236));
        page.setPalette(palette);
        auto* trend = new QTrend(&page);
        trend->setGeometry(0, 0, 640, 300);
        trend->SetStart(5 * 60);
        trend->SetAttribute(QStringLiteral("Total"), QStringLiteral("900"), false);
        // A sunny day from 05:00 to 19:40 with a passing cloud and a short link loss.
        int energy = 0; // watt hours, which is ten times the energy in hundredths of a kWh
        for (int m = 0; m <= 880; ++m) {
            const qreal sun = qMax(0.0, qSin(M_PI * m / 880.0));
            qreal cloud = (m > 380 && m < 430) ? 0.55 : 1.0;
            const int input = int(5200 * sun * sun * cloud);
            const bool lost = (m >= 600 && m < 612);
            trend->AddData(0, lost ? -1 : input);
            trend->AddData(1, lost ? -1 : int(input * 0.955));
            energy += input / 60;
            trend->AddData(2, energy);
        }
        trend->SetAttribute(QStringLiteral("Color3"), QString::number(0xFF2F7FD0u), false);
        page.show();
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/render");
        QVERIFY(QDir().mkpath(dir));
        QVERIFY(page.grab().toImage().save(dir + QStringLiteral("/trend_power.png")));
        trend->SetAttribute(QStringLiteral("ShowType"), QStringLiteral("1"), true);
        QVERIFY(page.grab().toImage().save(dir + QStringLiteral("/trend_energy.png")));
        QCOMPARE(trend->m_nMax, (trend->m_Data[2].last() / 1000 + 2) * 1000);
    }
};

QTEST_MAIN(TestTrend)
#include "test_trend.moc"

#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

// The skin images the widgets and the program name, with the sizes their painters
// rely on.
class TestSkin : public QObject {
    Q_OBJECT

private slots:
    void namedImagesExist_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size"); // invalid: any size
        const QSize any;
        QTest::newRow("select") << "select.png" << QSize(61, 61);
        QTest::newRow("normal") << "normal.png" << QSize(61, 61);
        QTest::newRow("hover") << "hover.png" << QSize(61, 61);
        QTest::newRow("tree_select") << "tree_select.bmp" << QSize(10, 23);
        QTest::newRow("cl") << "cl.png" << QSize(16, 16);
        QTest::newRow("op") << "op.png" << QSize(16, 16);
        for (int i = 1; i <= 5; ++i) {
            QTest::addRow("solar%d", i) << QStringLiteral("solar%1.png").arg(i) << QSize(28, 24);
            QTest::addRow("1solar%d", i) << QStringLiteral("1solar%1.png").arg(i) << QSize(40, 35);
        }
        for (const char* name : {"solar1b", "solar2b", "solar3b", "solarpe", "solarpm"}) {
            QTest::newRow(name) << QStringLiteral("%1.png").arg(QLatin1String(name)) << any;
        }
        for (const char* name : {"c", "c1", "uc", "uc1", "set1", "set2", "del1", "del2", "del3"}) {
            QTest::newRow(name) << QStringLiteral("%1.png").arg(QLatin1String(name)) << QSize(16, 16);
        }
        for (const char* name : {"btn1",
                                 "btn2",
                                 "btn3",
                                 "light_r",
                                 "light_g",
                                 "light_b",
                                 "back",
                                 "menu_text2",
                                 "menu_text3",
                                 "h13",
                                 "h33",
                                 "Pin1_1",
                                 "Pin1_2",
                                 "Pin1_3",
                                 "Pin2_1",
                                 "Pin2_2",
                                 "Pin2_3",
                                 "scroll_v_groove",
                                 "scroll_v_handle",
                                 "scroll_up",
                                 "scroll_down"}) {
            QTest::newRow(name) << QStringLiteral("%1.png").arg(QLatin1String(name)) << any;
        }
    }

    void namedImagesExist() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QImage image(QStringLiteral(":/skin/") + name);
        QVERIFY2(!image.isNull(), qPrintable(name));
        if (size.isValid()) {
            QCOMPARE(image.size(), size);
        }
    }

    void ninePatchesKeepTheirCornersInsideTheBorders() {
        // The centre of a nine-patch is stretched: its rows and columns must be alike,
        // or a stretched panel shows streaks.
        for (const char* name : {"normal.png", "hover.png", "select.png"}) {
            const QImage image = QImage(QStringLiteral(":/skin/") + QLatin1String(name))
                                     .convertToFormat(QImage::Format_ARGB32);
            for (int y = 4; y <= 56; ++y) {
                QCOMPARE(image.pixel(30, y), image.pixel(30, 30));
                QCOMPARE(image.pixel(y, 30), image.pixel(30, 30));
            }
            QVERIFY(qAlpha(image.pixel(30, 30)) == 255);
        }
    }

    void everyListedImageLoads() {
        const QDir skin(QStringLiteral(":/skin"));
        const QStringList names = skin.entryList(QDir::Files);
        QVERIFY(names.size() >= 60);
        for (const QString& name : names) {
            QVERIFY2(!QImage(skin.filePath(name)).isNull(), qPrintable(name));
        }
    }

    void rendersTheSkinInUse() {
        // The style sheets of the pages and dialogs, on one sheet to look at.
        QWidget page;
        page.resize(420, 200);
        page.setStyleSheet(QStringLiteral("QWidget#page{background: rgb(236,238,241);}"));
        page.setObjectName(QStringLiteral("page"));
        const QString button = QStringLiteral(
            "QPushButton{border-image: url(:/skin/btn1.png);}\nQPushButton::hover {border-image: "
            "url(:/skin/btn2.png);}\nQPushButton::pressed {border-image: url(:/skin/btn3.png);}");
        const char* texts[] = {"Read All", "Save", "Cancel"};
        const char* images[] = {"btn1", "btn2", "btn3"};
        for (int i = 0; i < 3; ++i) {
            auto* b = new QPushButton(QLatin1String(texts[i]), &page);
            b->setGeometry(20 + i * 95, 20, 85, 27);
            b->setStyleSheet(i == 0 ? button
                                    : QStringLiteral("QPushButton{border-image: url(:/skin/%1.png);}")
                                          .arg(QLatin1String(images[i])));
        }
        auto* progress = new QProgressBar(&page);
        progress->setGeometry(20, 65, 271, 23);
        progress->setValue(62);
        progress->setStyleSheet(QStringLiteral(
            " QProgressBar {\n\tborder-image: url(:/skin/h13.png);\n\ttext-align: center;\n }\n\n "
            "QProgressBar::chunk {\n\tborder-width: 4px;\n\tborder-image: url(:/skin/h33.png)4 4 4 4;\n }"));
        const char* lights[] = {"light_g", "light_r", "light_b"};
        for (int i = 0; i < 3; ++i) {
            auto* light = new QLabel(&page);
            light->setGeometry(310 + i * 28, 66, 20, 20);
            light->setStyleSheet(
                QStringLiteral("border-image: url(:/skin/%1.png);").arg(QLatin1String(lights[i])));
        }
        auto* title = new QLabel(QStringLiteral("Inverters in failure"), &page);
        title->setGeometry(20, 105, 149, 29);
        title->setAlignment(Qt::AlignCenter);
        title->setStyleSheet(QStringLiteral("border-image: url(:/skin/normal.png)2 2 2 2;"));
        const char* pins[] = {"Pin1_1", "Pin1_2", "Pin2_1", "Pin2_2"};
        for (int i = 0; i < 4; ++i) {
            auto* pin = new QPushButton(&page);
            pin->setGeometry(185 + i * 26, 110, 20, 20);
            pin->setStyleSheet(
                QStringLiteral("QPushButton{border-image: url(:/skin/%1.png);}").arg(QLatin1String(pins[i])));
        }
        auto* scroll = new QScrollBar(Qt::Vertical, &page);
        scroll->setGeometry(390, 10, 16, 180);
        scroll->setRange(0, 100);
        scroll->setValue(30);
        scroll->setStyleSheet(QStringLiteral(
            "QScrollBar:vertical{border-image: url(:/skin/scroll_v_groove.png)4 4 4 4; border-width: 4px "
            "0px; "
            "width: 16px; margin: 16px 0 16px 0;}"
            "QScrollBar::handle:vertical{border-image: url(:/skin/scroll_v_handle.png)4 4 4 4; border-width: "
            "4px; "
            "min-height: 24px;}"
            "QScrollBar::handle:vertical:hover{border-image: url(:/skin/scroll_v_handle2.png)4 4 4 4;}"
            "QScrollBar::sub-line:vertical{image: url(:/skin/scroll_up.png); height: 16px; "
            "subcontrol-position: "
            "top; subcontrol-origin: margin;}"
            "QScrollBar::add-line:vertical{image: url(:/skin/scroll_down.png); height: 16px; "
            "subcontrol-position: "
            "bottom; subcontrol-origin: margin;}"
            "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background: none;}"));
        auto* menuBar = new QLabel(QStringLiteral(" Operate "), &page);
        menuBar->setGeometry(20, 150, 60, 22);
        menuBar->setStyleSheet(QStringLiteral("border-image: url(:/skin/menu_text3.png);"));
        auto* menuBar2 = new QLabel(QStringLiteral("  Set  "), &page);
        menuBar2->setGeometry(84, 150, 44, 22);
        menuBar2->setStyleSheet(QStringLiteral("border-image: url(:/skin/menu_text2.png);"));
        auto* menuBack = new QLabel(QStringLiteral("  Remove this fault records"), &page);
        menuBack->setGeometry(140, 145, 200, 40);
        menuBack->setStyleSheet(
            QStringLiteral("border-width: 4px; border-image: url(:/skin/back.png)4 4 4 4;"));
        page.show();
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/render");
        QVERIFY(QDir().mkpath(dir));
        QVERIFY(page.grab().toImage().save(dir + QStringLiteral("/skin.png")));
    }
};

QTEST_MAIN(TestSkin)
#include "test_skin.moc"

// Draws every skin image of the program into app/resources/skin and lists them in
// app/resources/skin.qrc under the prefix "/skin". Run with
// QT_QPA_PLATFORM=offscreen; an optional argument names another resources folder.
// --icons [resources folder] only draws the desktop entry's icons into icons/.
#include "ProductShots.h"
#include "SkinIcons.h"
#include "SkinPalette.h"

#include <QDir>
#include <QGuiApplication>
#include <QMap>
#include <QPainter>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

using namespace SkinPalette;

namespace {

QMap<QString, QImage> AllImages() {
    QMap<QString, QImage> images;
    // Backgrounds of the tree, the grid, list entries and title labels.
    images["normal.png"] = SkinIcons::Band(kPanel, kPanelLine);
    images["hover.png"] = SkinIcons::NinePatch(kHover, kHoverLine);
    images["select.png"] = SkinIcons::NinePatch(kSelect, kSelectLine);
    images["tree_select.bmp"] = SkinIcons::TreeHover();
    images["cl.png"] = SkinIcons::Expander(false);
    images["op.png"] = SkinIcons::Expander(true);

    // Inverter series: tree icons and product shots.
    for (int series = 1; series <= 5; ++series) {
        images[QStringLiteral("solar%1.png").arg(series)] = ProductShots::EntryIcon(series);
        images[QStringLiteral("1solar%1.png").arg(series)] = ProductShots::LargeEntryIcon(series);
    }
    images["solar1b.png"] = ProductShots::Shot(1);
    images["solar2b.png"] = ProductShots::Shot(2);
    images["solar3b.png"] = ProductShots::Shot(3);
    images["solarpe.png"] = ProductShots::Shot(4);
    images["solarpm.png"] = ProductShots::Shot(5);

    // Entry buttons: connect (connected c, not connected uc; "1" is the resting look),
    // edit, delete.
    images["c1.png"] = SkinIcons::Connect(true, false);
    images["c.png"] = SkinIcons::Connect(true, true);
    images["uc1.png"] = SkinIcons::Connect(false, false);
    images["uc.png"] = SkinIcons::Connect(false, true);
    images["set1.png"] = SkinIcons::Edit(false);
    images["set2.png"] = SkinIcons::Edit(true);
    for (int state = 1; state <= 3; ++state) {
        images[QStringLiteral("del%1.png").arg(state)] = SkinIcons::Delete(state);
        images[QStringLiteral("btn%1.png").arg(state)] = SkinIcons::Button(state);
        images[QStringLiteral("Pin1_%1.png").arg(state)] = SkinIcons::Pin(true, state);
        images[QStringLiteral("Pin2_%1.png").arg(state)] = SkinIcons::Pin(false, state);
        for (const char* kind : {"close", "min", "max", "restore", "mini"}) {
            images[QStringLiteral("%1%2.png").arg(QLatin1String(kind)).arg(state)] =
                SkinIcons::WindowButton(QLatin1String(kind), state);
        }
    }

    images["light_r.png"] = SkinIcons::Light(kDanger);
    images["light_g.png"] = SkinIcons::Light(kOk);
    images["light_b.png"] = SkinIcons::Light(kAccent);

    images["back.png"] = SkinIcons::MenuBack();
    images["menu_text2.png"] = SkinIcons::MenuButton(2);
    images["menu_text3.png"] = SkinIcons::MenuButton(3);

    images["h13.png"] = SkinIcons::ProgressGroove();
    images["h33.png"] = SkinIcons::ProgressChunk();

    images["scroll_v_groove.png"] = SkinIcons::ScrollGroove(true);
    images["scroll_v_handle.png"] = SkinIcons::ScrollHandle(true, false);
    images["scroll_v_handle2.png"] = SkinIcons::ScrollHandle(true, true);
    images["scroll_h_groove.png"] = SkinIcons::ScrollGroove(false);
    images["scroll_h_handle.png"] = SkinIcons::ScrollHandle(false, false);
    images["scroll_h_handle2.png"] = SkinIcons::ScrollHandle(false, true);
    const char* arrows[4] = {"up", "down", "left", "right"};
    for (int direction = 0; direction < 4; ++direction) {
        images[QStringLiteral("scroll_%1.png").arg(QLatin1String(arrows[direction]))] =
            SkinIcons::ScrollArrow(direction, false);
        images[QStringLiteral("scroll_") + QLatin1String(arrows[direction]) + QStringLiteral("2.png")] =
            SkinIcons::ScrollArrow(direction, true);
    }

    images["logo.png"] = SkinIcons::Logo(64);
    images["logo16.png"] = SkinIcons::Logo(16);
    images["logo32.png"] = SkinIcons::Logo(32);
    return images;
}

// A review sheet: every image on the tree's grey and on white, small ones enlarged.
QImage ContactSheet(const QMap<QString, QImage>& images) {
    const int cellW = 220;
    const int cellH = 150;
    const int columns = 6;
    const int rows = (int(images.size()) + columns - 1) / columns;
    QImage sheet(columns * cellW, rows * cellH, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    int index = 0;
    for (auto it = images.constBegin(); it != images.constEnd(); ++it, ++index) {
        const QRect cell((index % columns) * cellW, (index / columns) * cellH, cellW, cellH);
        p.fillRect(cell.adjusted(0, 0, -cellW / 2, -20), kTreeBack);
        const QImage& image = it.value();
        const int zoom = qMax(1, qMin(4, qMin(100 / qMax(1, image.width()), 120 / qMax(1, image.height()))));
        const QImage shown = image.scaled(image.size() * zoom);
        const QImage fit =
            shown.width() > cellW / 2 - 6 || shown.height() > cellH - 26
                ? image.scaled(cellW / 2 - 6, cellH - 26, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                : shown;
        p.drawImage(cell.left() + 3, cell.top() + 3, fit);
        p.drawImage(cell.left() + cellW / 2 + 3, cell.top() + 3, fit);
        p.setPen(Qt::black);
        p.drawText(QRect(cell.left(), cell.bottom() - 18, cellW, 18), Qt::AlignCenter,
                   QStringLiteral("%1 (%2x%3)").arg(it.key()).arg(image.width()).arg(image.height()));
    }
    return sheet;
}

bool WriteQrc(const QString& path, const QStringList& names) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        return false;
    }
    QTextStream out(&file);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/skin\">\n";
    for (const QString& name : names) {
        out << "    <file alias=\"" << name << "\">skin/" << name << "</file>\n";
    }
    out << "  </qresource>\n</RCC>\n";
    out.flush();
    return file.commit();
}

// The program's icon for the desktop entry, in the sizes desktops look for.
int WriteDesktopIcons(const QString& folder) {
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "wattsight-skin: cannot create %s\n", qPrintable(folder));
        return 1;
    }
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString path = QDir(folder).filePath(QStringLiteral("wattsight-%1.png").arg(size));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !SkinIcons::Logo(size).save(&file, "PNG") || !file.commit()) {
            std::fprintf(stderr, "wattsight-skin: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    std::printf("wattsight-skin: desktop icons in %s\n", qPrintable(folder));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc > 2 && QLatin1String(argv[1]) == QLatin1String("--sheet")) {
        return ContactSheet(AllImages()).save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    if (argc > 1 && QLatin1String(argv[1]) == QLatin1String("--icons")) {
        const QString resources =
            (argc > 2) ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(WATTSIGHT_RESOURCES);
        return WriteDesktopIcons(QDir(resources).filePath(QStringLiteral("icons")));
    }
    const QString resources =
        (argc > 1) ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(WATTSIGHT_RESOURCES);
    QDir dir(resources);
    if (!dir.mkpath(QStringLiteral("skin"))) {
        std::fprintf(stderr, "wattsight-skin: cannot create %s/skin\n", qPrintable(resources));
        return 1;
    }
    const QMap<QString, QImage> images = AllImages();
    for (auto it = images.constBegin(); it != images.constEnd(); ++it) {
        const QString path = dir.filePath(QStringLiteral("skin/") + it.key());
        const bool bmp = it.key().endsWith(QLatin1String(".bmp"));
        const QImage image = bmp ? it.value().convertToFormat(QImage::Format_RGB32) : it.value();
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !image.save(&file, bmp ? "BMP" : "PNG") || !file.commit()) {
            std::fprintf(stderr, "wattsight-skin: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    if (!WriteQrc(dir.filePath(QStringLiteral("skin.qrc")), images.keys())) {
        std::fprintf(stderr, "wattsight-skin: cannot write %s/skin.qrc\n", qPrintable(resources));
        return 1;
    }
    std::printf("wattsight-skin: %d images in %s\n", int(images.size()), qPrintable(dir.filePath("skin")));
    return 0;
}

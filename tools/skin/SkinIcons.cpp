#include "SkinIcons.h"

#include "SkinPalette.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

using namespace SkinPalette;

namespace {

QImage Canvas(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void Smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QPen Stroke(const QColor& colour, qreal width = 1.5) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The soft rounded square behind a hovered or pressed icon.
void IconBack(QPainter& p, int size, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(0, 0, size, size), 4, 4);
}

QColor Mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t,
                            a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

void ChainLink(QPainter& p, QPointF centre, qreal angle) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.drawRoundedRect(QRectF(-4.2, -2.4, 8.4, 4.8), 2.4, 2.4);
    p.restore();
}

} // namespace

namespace SkinIcons {

QImage NinePatch(const QColor& fill, const QColor& line) {
    // Outline from pixel 1 to pixel 58: the grid maps source 0..59 onto rectangles
    // that run one pixel past its items, the tree maps the whole image; in both the
    // outline stays inside the widget.
    QImage image = Canvas(61, 61);
    QPainter p(&image);
    Smooth(p);
    p.setPen(QPen(line, 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(1.5, 1.5, 57, 57), 3, 3);
    return image;
}

QImage Band(const QColor& fill, const QColor& line) {
    // A band without side edges or corners: it is also cut with 2-pixel borders
    // (title labels) and stretched across whole widths (tree heads, the grid's head
    // row), where any vertical edge inside the stretched middle would show as a bar.
    QImage image = Canvas(61, 61);
    QPainter p(&image);
    p.fillRect(QRect(0, 0, 61, 60), fill);
    p.fillRect(QRect(0, 0, 61, 1), fill.lighter(103));
    p.fillRect(QRect(0, 59, 61, 1), line);
    return image;
}

QImage TreeHover() {
    QImage image(10, 23, QImage::Format_RGB32);
    image.fill(kTreeBack);
    QPainter p(&image);
    Smooth(p);
    p.setPen(QPen(kHoverLine, 1));
    p.setBrush(kHover);
    p.drawRoundedRect(QRectF(2.5, 2.5, 6, 19), 2.5, 2.5);
    return image;
}

QImage Expander(bool open) {
    QImage image = Canvas(16, 16);
    QPainter p(&image);
    Smooth(p);
    p.setPen(Stroke(kInk, 1.6));
    QPainterPath path;
    if (open) {
        path.moveTo(4.5, 6.5);
        path.lineTo(8, 10);
        path.lineTo(11.5, 6.5);
    } else {
        path.moveTo(6.5, 4.5);
        path.lineTo(10, 8);
        path.lineTo(6.5, 11.5);
    }
    p.drawPath(path);
    return image;
}

QImage Connect(bool connected, bool hover) {
    QImage image = Canvas(16, 16);
    QPainter p(&image);
    Smooth(p);
    QColor ink = connected ? kAccent : kInkSoft;
    if (hover) {
        IconBack(p, 16, connected ? kAccentSoft : QColor(222, 226, 232));
        ink = connected ? kAccentDark : kInk;
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(Stroke(ink, 1.5));
    if (connected) {
        ChainLink(p, QPointF(5.9, 10.1), -45);
        ChainLink(p, QPointF(10.1, 5.9), -45);
    } else {
        // The two links pulled apart, with the break marked.
        ChainLink(p, QPointF(4.3, 11.7), -45);
        ChainLink(p, QPointF(11.7, 4.3), -45);
        p.setPen(Stroke(ink, 1.2));
        p.drawLine(QPointF(5.6, 5.6), QPointF(6.9, 6.9));
        p.drawLine(QPointF(9.1, 9.1), QPointF(10.4, 10.4));
    }
    return image;
}

QImage Edit(bool hover) {
    QImage image = Canvas(16, 16);
    QPainter p(&image);
    Smooth(p);
    QColor ink = kInk;
    if (hover) {
        IconBack(p, 16, kAccentSoft);
        ink = kAccentDark;
    }
    // A pencil leaning to the right.
    p.translate(8, 8);
    p.rotate(45);
    p.setPen(Stroke(ink, 1.4));
    p.setBrush(Qt::NoBrush);
    QPainterPath body;
    body.moveTo(-1.8, -5.6);
    body.lineTo(1.8, -5.6);
    body.lineTo(1.8, 3.2);
    body.lineTo(0, 6.2);
    body.lineTo(-1.8, 3.2);
    body.closeSubpath();
    p.drawPath(body);
    p.drawLine(QPointF(-1.8, -3.4), QPointF(1.8, -3.4));
    return image;
}

QImage Delete(int state) {
    QImage image = Canvas(16, 16);
    QPainter p(&image);
    Smooth(p);
    QColor ink = kInk;
    if (state == 2) {
        IconBack(p, 16, QColor(250, 226, 224));
        ink = kDanger;
    } else if (state == 3) {
        IconBack(p, 16, QColor(240, 196, 192));
        ink = kDangerDark;
    }
    // A waste bin: lid, handle, body with two ribs.
    p.setPen(Stroke(ink, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(3.5, 4.5), QPointF(12.5, 4.5));
    p.drawLine(QPointF(6.5, 2.8), QPointF(9.5, 2.8));
    QPainterPath bin;
    bin.moveTo(4.6, 4.5);
    bin.lineTo(5.3, 13.2);
    bin.lineTo(10.7, 13.2);
    bin.lineTo(11.4, 4.5);
    p.drawPath(bin);
    p.setPen(Stroke(ink, 1.0));
    p.drawLine(QPointF(7.0, 6.8), QPointF(7.1, 11.0));
    p.drawLine(QPointF(9.0, 6.8), QPointF(8.9, 11.0));
    return image;
}

QImage Button(int state) {
    QImage image = Canvas(80, 26);
    QPainter p(&image);
    Smooth(p);
    QColor fill = kWhite;
    QColor line(190, 196, 205);
    if (state == 2) {
        fill = kHover;
        line = kAccent;
    } else if (state == 3) {
        fill = kAccentSoft;
        line = kAccentDark;
    }
    p.setPen(QPen(line, 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, 79, 25), 4, 4);
    return image;
}

QImage Light(const QColor& colour) {
    QImage image = Canvas(32, 32);
    QPainter p(&image);
    Smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Mix(colour, kWhite, 0.72));
    p.drawEllipse(QRectF(1, 1, 30, 30));
    p.setBrush(colour);
    p.drawEllipse(QRectF(6, 6, 20, 20));
    p.setBrush(Mix(colour, kWhite, 0.35));
    p.drawEllipse(QRectF(10.5, 9, 6, 4.5));
    return image;
}

QImage MenuBack() {
    QImage image = Canvas(32, 32);
    QPainter p(&image);
    Smooth(p);
    p.setPen(QPen(kPanelLine, 1));
    p.setBrush(kWhite);
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 3, 3);
    return image;
}

QImage MenuButton(int state) {
    QImage image = Canvas(40, 22);
    QPainter p(&image);
    Smooth(p);
    p.setPen(state == 3 ? QPen(kSelectLine, 1) : Qt::NoPen);
    p.setBrush(state == 3 ? kSelect : kHover);
    p.drawRoundedRect(QRectF(0.5, 0.5, 39, 21), 3, 3);
    return image;
}

QImage Pin(bool pinned, int state) {
    QImage image = Canvas(20, 20);
    QPainter p(&image);
    Smooth(p);
    QColor ink = pinned ? kAccent : kInk;
    if (state == 2) {
        IconBack(p, 20, pinned ? kAccentSoft : QColor(226, 230, 236));
        ink = pinned ? kAccentDark : kInk.darker(120);
    } else if (state == 3) {
        IconBack(p, 20, pinned ? QColor(176, 206, 240) : QColor(208, 213, 221));
        ink = pinned ? kAccentDark : kInk.darker(140);
    }
    p.translate(10, 10);
    if (!pinned) {
        p.rotate(45);
    }
    // Head, collar and needle of a push pin; filled while it holds the window.
    QPainterPath head;
    head.moveTo(-3.2, -7);
    head.lineTo(3.2, -7);
    head.lineTo(2.4, -1.5);
    head.lineTo(5, 1.2);
    head.lineTo(-5, 1.2);
    head.lineTo(-2.4, -1.5);
    head.closeSubpath();
    p.setPen(Stroke(ink, 1.3));
    p.setBrush(pinned ? ink : QColor(Qt::transparent));
    p.drawPath(head);
    p.drawLine(QPointF(0, 1.2), QPointF(0, 7.5));
    return image;
}

QImage ProgressGroove() {
    QImage image = Canvas(271, 23);
    QPainter p(&image);
    Smooth(p);
    p.setPen(QPen(kPanelLine, 1));
    p.setBrush(QColor(238, 240, 243));
    p.drawRoundedRect(QRectF(0.5, 0.5, 270, 22), 4, 4);
    return image;
}

QImage ProgressChunk() {
    QImage image = Canvas(40, 23);
    QPainter p(&image);
    Smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(1, 1, 38, 21), 3.5, 3.5);
    return image;
}

QImage ScrollGroove(bool vertical) {
    QImage image = vertical ? Canvas(16, 40) : Canvas(40, 16);
    QPainter p(&image);
    Smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 238, 241));
    p.drawRoundedRect(QRectF(image.rect()), 4, 4);
    return image;
}

QImage ScrollHandle(bool vertical, bool hover) {
    QImage image = vertical ? Canvas(16, 40) : Canvas(40, 16);
    QPainter p(&image);
    Smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(hover ? QColor(140, 150, 164) : QColor(184, 191, 201));
    const QRectF bar = vertical ? QRectF(4, 2, 8, 36) : QRectF(2, 4, 36, 8);
    p.drawRoundedRect(bar, 4, 4);
    return image;
}

QImage ScrollArrow(int direction, bool hover) {
    QImage image = Canvas(16, 16);
    QPainter p(&image);
    Smooth(p);
    if (hover) {
        IconBack(p, 16, QColor(226, 230, 236));
    }
    p.translate(8, 8);
    p.rotate(direction == 0 ? 0 : direction == 1 ? 180 : direction == 2 ? 270 : 90);
    QPainterPath arrow;
    arrow.moveTo(-3.5, 2);
    arrow.lineTo(0, -1.5);
    arrow.lineTo(3.5, 2);
    p.setPen(Stroke(hover ? kInk.darker(130) : kInk, 1.5));
    p.drawPath(arrow);
    return image;
}

QImage WindowButton(const QString& kind, int state) {
    QImage image = Canvas(28, 22);
    QPainter p(&image);
    Smooth(p);
    const bool close = (kind == QLatin1String("close"));
    QColor ink = kInk;
    if (state > 1) {
        QColor back = close ? (state == 2 ? kDanger : kDangerDark)
                            : (state == 2 ? QColor(222, 226, 232) : QColor(204, 209, 217));
        p.setPen(Qt::NoPen);
        p.setBrush(back);
        p.drawRoundedRect(QRectF(0, 0, 28, 22), 4, 4);
        if (close) {
            ink = kWhite;
        }
    }
    p.setPen(Stroke(ink, 1.3));
    p.setBrush(Qt::NoBrush);
    p.translate(14, 11);
    if (close) {
        p.drawLine(QPointF(-4, -4), QPointF(4, 4));
        p.drawLine(QPointF(-4, 4), QPointF(4, -4));
    } else if (kind == QLatin1String("min")) {
        p.drawLine(QPointF(-4.5, 3.5), QPointF(4.5, 3.5));
    } else if (kind == QLatin1String("max")) {
        p.drawRoundedRect(QRectF(-4.5, -4.5, 9, 9), 1, 1);
    } else if (kind == QLatin1String("restore")) {
        p.drawRoundedRect(QRectF(-4.5, -2.5, 7, 7), 1, 1);
        QPainterPath back;
        back.moveTo(-2.5, -2.5);
        back.lineTo(-2.5, -4.5);
        back.lineTo(4.5, -4.5);
        back.lineTo(4.5, 2.5);
        back.lineTo(2.5, 2.5);
        p.drawPath(back);
    } else if (kind == QLatin1String("mini")) {
        // The streamlined window: a small panel with two value lines.
        p.drawRoundedRect(QRectF(-5.5, -4.5, 11, 9), 1.5, 1.5);
        p.drawLine(QPointF(-3, -1), QPointF(3, -1));
        p.drawLine(QPointF(-3, 1.8), QPointF(1, 1.8));
    }
    return image;
}

QImage Logo(int size) {
    QImage image = Canvas(size, size);
    QPainter p(&image);
    Smooth(p);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 13, 13);
    // A sun over a tilted panel.
    p.setBrush(QColor(255, 200, 64));
    p.drawEllipse(QPointF(42, 20), 8, 8);
    p.setPen(Stroke(QColor(255, 200, 64), 2.4));
    for (int k = 0; k < 8; ++k) {
        const qreal a = k * M_PI / 4;
        p.drawLine(QPointF(42 + 11.5 * qCos(a), 20 + 11.5 * qSin(a)),
                   QPointF(42 + 14.5 * qCos(a), 20 + 14.5 * qSin(a)));
    }
    QPolygonF panel;
    panel << QPointF(12, 50) << QPointF(20, 30) << QPointF(44, 30) << QPointF(52, 50);
    p.setPen(QPen(kWhite, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kAccentDark);
    p.drawPolygon(panel);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.4));
    p.drawLine(QPointF(16, 40), QPointF(48, 40));
    p.drawLine(QPointF(28, 30), QPointF(25.3, 50));
    p.drawLine(QPointF(36, 30), QPointF(38.7, 50));
    return image;
}

} // namespace SkinIcons

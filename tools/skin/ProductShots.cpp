#include "ProductShots.h"

#include "SkinPalette.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

using namespace SkinPalette;

namespace {

// What tells the series apart.
struct Series {
    int bodyW;
    int bodyH;
    QColor front;
    QColor frontLine;
    QColor labelInk;
    const char* label;
    int leds;    // status LEDs beside the display
    int glands;  // cable glands under the body
    bool header; // a dark band across the top (three-phase series)
    bool ledBar; // a vertical light bar instead of dots (PE series)
    bool ring;   // a round display ring (PM series)
    qreal radius;
};

Series SeriesOf(int series) {
    switch (series) {
    case 2:
        return {112,   162, QColor(238, 240, 243), QColor(178, 184, 193), kInk, "PA  S+", 3, 3, false, false,
                false, 7};
    case 3:
        return {146,   168, QColor(234, 236, 240), QColor(170, 176, 186), kInk, "PA  T", 3, 5, true, false,
                false, 7};
    case 4:
        return {98, 168, QColor(62, 68, 79), QColor(40, 44, 52), kWhite, "PE", 0, 2, false, true, false, 9};
    case 5:
        return {116,  112, QColor(246, 247, 249), QColor(182, 188, 197), kInk, "PM", 0, 2, false, false,
                true, 14};
    default:
        return {100,   130, QColor(246, 247, 249), QColor(184, 190, 199), kInk, "PA  S", 2, 2, false, false,
                false, 7};
    }
}

const QColor kLedColours[3] = {QColor(52, 178, 98), QColor(240, 170, 40), QColor(214, 70, 62)};

void DrawHeatSink(QPainter& p, const QRectF& body, qreal depth, qreal rise, int fins) {
    // Side face with fins, seen a little from the right.
    QPolygonF side;
    side << body.topRight() << body.topRight() + QPointF(depth, -rise)
         << body.bottomRight() + QPointF(depth, -rise) << body.bottomRight();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 158, 170));
    p.drawPolygon(side);
    for (int k = 0; k < fins; ++k) {
        const qreal t = (k + 0.5) / fins;
        const QPointF top = body.topRight() + QPointF(depth * t, -rise * t);
        const QPointF bottom = body.bottomRight() + QPointF(depth * t, -rise * t);
        p.setPen(QPen(QColor(118, 126, 139), 1.2));
        p.drawLine(top + QPointF(0, 6), bottom - QPointF(0, 6));
    }
    QPolygonF lid;
    lid << body.topLeft() + QPointF(4, 0) << body.topLeft() + QPointF(4 + depth, -rise)
        << body.topRight() + QPointF(depth, -rise) << body.topRight();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(212, 216, 222));
    p.drawPolygon(lid);
}

void DrawDisplay(QPainter& p, const QRectF& screen, bool text) {
    p.setPen(QPen(QColor(30, 34, 40), 1));
    p.setBrush(QColor(44, 52, 62));
    p.drawRoundedRect(screen, 2.5, 2.5);
    if (!text) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 190, 240, 170));
        p.drawRect(QRectF(screen.left() + screen.width() * 0.18, screen.center().y() - 0.8,
                          screen.width() * 0.5, 1.6));
        return;
    }
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(qMax(6, int(screen.height() * 0.34)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(120, 200, 245));
    p.drawText(screen.adjusted(5, 2, -5, -screen.height() / 2), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("3.62kW"));
    p.setPen(QColor(120, 200, 245, 150));
    p.drawText(screen.adjusted(5, screen.height() / 2, -5, -2), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("E 12.4"));
}

} // namespace

namespace ProductShots {

QImage Shot(int series) {
    const Series s = SeriesOf(series);
    QImage image(200, 240, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const qreal depth = 20;
    const qreal rise = 10;
    const QRectF body((200 - s.bodyW - depth) / 2.0, 228 - s.bodyH - 14, s.bodyW, s.bodyH);

    // Soft floor shadow.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 34));
    p.drawEllipse(QRectF(body.left() - 6, body.bottom() - 2, body.width() + depth + 16, 14));

    DrawHeatSink(p, body, depth, rise, 6);

    // Cable glands under the body.
    for (int k = 0; k < s.glands; ++k) {
        const qreal x = body.left() + body.width() * (k + 1) / (s.glands + 1);
        p.setBrush(QColor(70, 76, 86));
        p.drawRoundedRect(QRectF(x - 4.5, body.bottom() - 2, 9, 9), 2, 2);
    }

    // Front.
    p.setPen(QPen(s.frontLine, 1.2));
    p.setBrush(s.front);
    p.drawRoundedRect(body, s.radius, s.radius);
    if (s.header) {
        QPainterPath band;
        band.addRoundedRect(body, s.radius, s.radius);
        QPainterPath top;
        top.addRect(QRectF(body.left(), body.top(), body.width(), 26));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 78, 90));
        p.drawPath(band.intersected(top));
    }

    // Display and status lights.
    const qreal screenW = s.ring ? 44 : qMin(body.width() - 36, 76.0);
    const qreal screenTop = body.top() + (s.header ? 40 : 22);
    const QRectF screen(body.center().x() - screenW / 2 - (s.leds ? 8 : 0), screenTop, screenW,
                        s.ring ? 26 : 30);
    if (s.ring) {
        p.setPen(QPen(kAccent, 4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(body.center().x(), body.top() + 36), 20, 20);
        DrawDisplay(p, QRectF(body.center().x() - 13, body.top() + 29, 26, 14), false);
    } else {
        DrawDisplay(p, screen, true);
    }
    for (int k = 0; k < s.leds; ++k) {
        p.setPen(Qt::NoPen);
        p.setBrush(kLedColours[k]);
        p.drawEllipse(QPointF(screen.right() + 12, screen.top() + 5 + k * 10), 3, 3);
    }
    if (s.ledBar) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(96, 178, 240));
        p.drawRoundedRect(QRectF(body.center().x() - 2, screen.bottom() + 14, 4, 42), 2, 2);
    }

    // Brand and series label with an accent stripe.
    const qreal labelY = body.bottom() - (s.ring ? 34 : 40);
    if (!s.ledBar) {
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawRect(QRectF(body.left() + 1, labelY - 12, body.width() - 2, 3));
    }
    QFont brand(QStringLiteral("DejaVu Sans"));
    brand.setPixelSize(12);
    brand.setBold(true);
    brand.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(brand);
    p.setPen(s.labelInk);
    p.drawText(QRectF(body.left(), labelY, body.width(), 16), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("TIVRA"));
    QFont model(QStringLiteral("DejaVu Sans"));
    model.setPixelSize(9);
    p.setFont(model);
    QColor modelInk = s.labelInk;
    modelInk.setAlpha(170);
    p.setPen(modelInk);
    p.drawText(QRectF(body.left(), labelY + 15, body.width(), 12), Qt::AlignHCenter | Qt::AlignVCenter,
               QString::fromLatin1(s.label));
    return image;
}

namespace {

// The front of a series reduced to what survives at icon size.
QImage Icon(int series, int w, int h) {
    const Series s = SeriesOf(series);
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Fit the body's proportions into the icon, leaving room for the heat sink.
    const qreal depth = w * 0.14;
    const qreal rise = h * 0.08;
    const qreal scale = qMin((w - depth - 3) / s.bodyW, (h - rise - 2) / qreal(s.bodyH));
    const qreal bw = s.bodyW * scale;
    const qreal bh = s.bodyH * scale;
    const QRectF body((w - bw - depth) / 2.0, h - bh - 1, bw, bh);

    DrawHeatSink(p, body, depth, rise, 3);
    p.setPen(QPen(s.frontLine, 1));
    p.setBrush(s.front);
    const qreal r = qMax(1.5, s.radius * scale);
    p.drawRoundedRect(body, r, r);
    if (s.header) {
        QPainterPath band;
        band.addRoundedRect(body, r, r);
        QPainterPath top;
        top.addRect(QRectF(body.left(), body.top(), body.width(), body.height() * 0.16));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 78, 90));
        p.drawPath(band.intersected(top));
    }
    if (s.ring) {
        p.setPen(QPen(kAccent, qMax(1.2, 3 * scale)));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(body.center().x(), body.top() + bh * 0.4), bw * 0.22, bw * 0.22);
    } else {
        const QRectF screen(body.left() + bw * 0.18, body.top() + bh * (s.header ? 0.26 : 0.16), bw * 0.56,
                            qMax(3.0, bh * 0.2));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(44, 52, 62));
        p.drawRoundedRect(screen, 1, 1);
        p.setBrush(QColor(110, 190, 240));
        p.drawRect(QRectF(screen.left() + 1.5, screen.center().y() - 0.5, screen.width() * 0.5, 1));
    }
    if (s.ledBar) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(96, 178, 240));
        p.drawRect(QRectF(body.center().x() - 0.75, body.top() + bh * 0.45, 1.5, bh * 0.3));
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawRect(QRectF(body.left() + 1, body.bottom() - bh * 0.28, bw - 2, qMax(1.0, bh * 0.04)));
    }
    return image;
}

} // namespace

QImage EntryIcon(int series) {
    return Icon(series, 28, 24);
}

QImage LargeEntryIcon(int series) {
    return Icon(series, 40, 35);
}

} // namespace ProductShots

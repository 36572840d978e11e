#pragma once

#include "TessaGlobal.h"

#include <QImage>
#include <QRect>

class QPainter;

// Draws image as a nine-patch: the margins of border (x = left, y = top,
// width = right, height = bottom) cut source and target into three columns and
// three rows each, taken with inclusive corner coordinates x1..x2: x1 .. x1+l-1,
// x1+l .. x2-r and x2-r .. x2 (the right column is r + 1 wide and shares its first
// pixel with the middle one); rows likewise. Each source piece is scaled onto its
// target piece. A null image draws nothing; pieces that come out empty because the
// target is smaller than the margins are skipped.
TESSA_EXPORT void Draw_9(QPainter& painter, QRect target, QRect source, QRect border, QImage& image);

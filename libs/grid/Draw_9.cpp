#include "Draw_9.h"

#include <QPainter>

namespace {

// The three inclusive ranges [first, last] that margins a and b cut from lo..hi.
void Cut(int lo, int hi, int a, int b, int first[3], int last[3]) {
    first[0] = lo;
    last[0] = lo + a - 1;
    first[1] = lo + a;
    last[1] = hi - b;
    first[2] = hi - b;
    last[2] = hi;
}

} // namespace

void Draw_9(QPainter& painter, QRect target, QRect source, QRect border, QImage& image) {
    if (image.isNull()) {
        return;
    }
    const int l = border.x();
    const int t = border.y();
    const int r = border.width();
    const int b = border.height();

    int sx1[3], sx2[3], sy1[3], sy2[3], tx1[3], tx2[3], ty1[3], ty2[3];
    Cut(source.left(), source.right(), l, r, sx1, sx2);
    Cut(source.top(), source.bottom(), t, b, sy1, sy2);
    Cut(target.left(), target.right(), l, r, tx1, tx2);
    Cut(target.top(), target.bottom(), t, b, ty1, ty2);

    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            if (sx2[col] < sx1[col] || sy2[row] < sy1[row] || tx2[col] < tx1[col] || ty2[row] < ty1[row]) {
                continue;
            }
            painter.drawImage(QRect(QPoint(tx1[col], ty1[row]), QPoint(tx2[col], ty2[row])), image,
                              QRect(QPoint(sx1[col], sy1[row]), QPoint(sx2[col], sy2[row])));
        }
    }
}

#include "TreeSkin.h"

#include <QHash>
#include <QPainter>

namespace TreeSkin {

QImage Image(const QString& name) {
    static QHash<QString, QImage> cache;
    auto it = cache.constFind(name);
    if (it != cache.constEnd()) {
        return *it;
    }
    QImage image(QStringLiteral(":/skin/") + name);
    // A missing image is not remembered: the resources may be registered later.
    if (!image.isNull()) {
        cache.insert(name, image);
    }
    return image;
}

void DrawNine(QPainter& painter, const QImage& image, const Span cols[3], const Span rows[3],
              const Span toCols[3], const Span toRows[3]) {
    if (image.isNull()) {
        return;
    }
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            if (cols[c].last < cols[c].first || rows[r].last < rows[r].first ||
                toCols[c].last < toCols[c].first || toRows[r].last < toRows[r].first) {
                continue;
            }
            const QRect source(QPoint(cols[c].first, rows[r].first), QPoint(cols[c].last, rows[r].last));
            const QRect target(QPoint(toCols[c].first, toRows[r].first),
                               QPoint(toCols[c].last, toRows[r].last));
            painter.drawImage(target, image, source);
        }
    }
}

} // namespace TreeSkin

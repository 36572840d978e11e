#pragma once

#include <QImage>
#include <QString>

class QPainter;

// Skin helpers private to the tree library.
namespace TreeSkin {

// An inclusive pixel range [first, last]; empty when last < first.
struct Span {
    int first;
    int last;
};

// The image ":/skin/<name>", loaded once per process; null if the application
// has not registered it (then nothing is drawn).
QImage Image(const QString& name);

// Draws the nine pieces of a nine-patch: source columns cols and rows rows are
// scaled onto target columns toCols and rows toRows. Pieces with an empty source
// or target range are skipped, so a widget smaller than the borders stays sound.
void DrawNine(QPainter& painter, const QImage& image, const Span cols[3], const Span rows[3],
              const Span toCols[3], const Span toRows[3]);

} // namespace TreeSkin

#pragma once

#include <QColor>
#include <QImage>

// The small skin images: panels and nine-patches, line icons, buttons, lights.
// States count as the style sheets use them: 1 normal, 2 hover, 3 pressed.
namespace SkinIcons {

QImage NinePatch(const QColor& fill, const QColor& line); // 61 x 61, 4-pixel borders
QImage Band(const QColor& fill, const QColor& line);      // 61 x 61, a header band
QImage TreeHover();                                       // 10 x 23, no alpha (BMP)
QImage Expander(bool open);                               // 16 x 16
QImage Connect(bool connected, bool hover);               // 16 x 16
QImage Edit(bool hover);                                  // 16 x 16
QImage Delete(int state);                                 // 16 x 16
QImage Button(int state);                                 // 80 x 26, stretched whole
QImage Light(const QColor& colour);                       // 32 x 32
QImage MenuBack();                                        // 32 x 32, 4-pixel borders
QImage MenuButton(int state);                             // 2 hover, 3 open; 40 x 22
QImage Pin(bool pinned, int state);                       // 20 x 20
QImage ProgressGroove();                                  // 271 x 23, stretched whole
QImage ProgressChunk();                                   // 40 x 23, 4-pixel borders
QImage ScrollGroove(bool vertical);                       // 16 x 40 or 40 x 16, 4-pixel borders
QImage ScrollHandle(bool vertical, bool hover);           // 16 x 40 or 40 x 16, 4-pixel borders
QImage ScrollArrow(int direction, bool hover);            // 16 x 16; 0 up, 1 down, 2 left, 3 right
QImage WindowButton(const QString& kind, int state);      // 28 x 22: close, min, max, restore, mini
QImage Logo(int size);                                    // the program's emblem

} // namespace SkinIcons

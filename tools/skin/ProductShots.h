#pragma once

#include <QImage>

// Flat pictures of the five inverter series (picture codes 1 to 5): the product
// shots of the technical data page and the icons of the navigation tree.
namespace ProductShots {

QImage Shot(int series);           // 200 x 240
QImage EntryIcon(int series);      // 28 x 24, the tree's plain entry
QImage LargeEntryIcon(int series); // 40 x 35, the tree's hovered or selected entry

} // namespace ProductShots

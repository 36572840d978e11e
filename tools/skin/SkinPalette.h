#pragma once

#include <QColor>

// The one palette of the skin: soft neutral greys and a single blue accent. Red,
// green and blue appear only where they carry a meaning (status lights, delete).
namespace SkinPalette {

inline const QColor kTreeBack(230, 230, 230); // the tree and grid paint this behind the skin
inline const QColor kPanel(246, 247, 249);
inline const QColor kPanelLine(204, 208, 215);
inline const QColor kHover(236, 243, 251);
inline const QColor kHoverLine(166, 194, 229);
inline const QColor kSelect(218, 233, 251);
inline const QColor kSelectLine(118, 164, 220);
inline const QColor kAccent(47, 127, 208);
inline const QColor kAccentDark(30, 96, 166);
inline const QColor kAccentSoft(198, 222, 248);
inline const QColor kInk(84, 94, 108);
inline const QColor kInkSoft(150, 158, 170);
inline const QColor kDanger(208, 64, 58);
inline const QColor kDangerDark(160, 40, 36);
inline const QColor kOk(46, 160, 90);
inline const QColor kWhite(255, 255, 255);

} // namespace SkinPalette

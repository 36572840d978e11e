#pragma once

#include <QString>

// The program's scroll bars in the skin of ":/skin/": groove, handle and arrow
// images, vertical and horizontal, thickness pixels across. A style sheet for a
// scroll bar or for a widget that has them.
QString SkinScrollBarStyle(int thickness = 16);

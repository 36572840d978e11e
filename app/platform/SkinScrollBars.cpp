#include "SkinScrollBars.h"

QString SkinScrollBarStyle(int thickness) {
    return QStringLiteral(
               "QScrollBar:vertical { border: none; border-image: url(:/skin/scroll_v_groove.png); width: "
               "%1px;"
               " margin: 16px 0 16px 0; }"
               "QScrollBar::handle:vertical { border-image: url(:/skin/scroll_v_handle.png) 4 0 4 0;"
               " min-height: 24px; }"
               "QScrollBar::handle:vertical:hover { border-image: url(:/skin/scroll_v_handle2.png) 4 0 4 0; }"
               "QScrollBar::sub-line:vertical { border-image: url(:/skin/scroll_up.png); height: 16px;"
               " subcontrol-position: top; subcontrol-origin: margin; }"
               "QScrollBar::sub-line:vertical:hover { border-image: url(:/skin/scroll_up2.png); }"
               "QScrollBar::add-line:vertical { border-image: url(:/skin/scroll_down.png); height: 16px;"
               " subcontrol-position: bottom; subcontrol-origin: margin; }"
               "QScrollBar::add-line:vertical:hover { border-image: url(:/skin/scroll_down2.png); }"
               "QScrollBar:horizontal { border: none; border-image: url(:/skin/scroll_h_groove.png); height: "
               "%1px;"
               " margin: 0 16px 0 16px; }"
               "QScrollBar::handle:horizontal { border-image: url(:/skin/scroll_h_handle.png) 0 4 0 4;"
               " min-width: 24px; }"
               "QScrollBar::handle:horizontal:hover { border-image: url(:/skin/scroll_h_handle2.png) 0 4 0 "
               "4; }"
               "QScrollBar::sub-line:horizontal { border-image: url(:/skin/scroll_left.png); width: 16px;"
               " subcontrol-position: left; subcontrol-origin: margin; }"
               "QScrollBar::sub-line:horizontal:hover { border-image: url(:/skin/scroll_left2.png); }"
               "QScrollBar::add-line:horizontal { border-image: url(:/skin/scroll_right.png); width: 16px;"
               " subcontrol-position: right; subcontrol-origin: margin; }"
               "QScrollBar::add-line:horizontal:hover { border-image: url(:/skin/scroll_right2.png); }"
               "QScrollBar::add-page, QScrollBar::sub-page { background: none; }")
        .arg(thickness);
}

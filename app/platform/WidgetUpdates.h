#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

// Setting a label's text lays the label out again, and setting a style sheet
// parses it and polishes the widget, even when nothing changed. Refreshes that
// run several times a second set them only when they change.
inline void SetTextIfChanged(QLabel* label, const QString& text) {
    if (label->text() != text) {
        label->setText(text);
    }
}

inline void SetStyleIfChanged(QWidget* widget, const QString& style) {
    if (widget->styleSheet() != style) {
        widget->setStyleSheet(style);
    }
}

// Whether the widget lies on a page or tab its window does not show now: it, or
// a parent below the window, was hidden (as a stack hides all but its current
// page). Such a widget is left alone by the refreshes and brought up to date when
// it is shown again. A window that is merely not on screen does not count.
inline bool IsHiddenInItsWindow(const QWidget* widget) {
    for (const QWidget* w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        if (w->testAttribute(Qt::WA_WState_ExplicitShowHide) && w->testAttribute(Qt::WA_WState_Hidden)) {
            return true;
        }
    }
    return false;
}

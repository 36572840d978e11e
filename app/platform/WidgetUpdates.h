#pragma once

#include <QFontMetrics>
#include <QLabel>
#include <QString>
#include <QTextDocument>
#include <QWidget>

// Setting a label's text lays the label out again, and setting a style sheet
// parses it and polishes the widget, even when nothing changed. Refreshes that
// run several times a second set them only when they change.
inline void SetTextIfChanged(QLabel* label, const QString& text) {
    if (label->text() != text) {
        label->setText(text);
    }
}

// A label whose text changes several times a second (a live figure, a clock)
// would have its whole window laid out again at each change of its width. Such a
// label keeps a fixed size, room for `sample` (and no less than its minimum), that
// only grows when a text needs more: a new text then repaints the label alone.
// Its layout cell aligns it, as it no longer fills the cell.
inline void KeepLabelSteady(QLabel* label, const QString& sample) {
    label->ensurePolished();
    const QString text = label->text();
    label->setText(sample);
    const QSize room = label->sizeHint().expandedTo(label->minimumSize());
    label->setText(text);
    label->setFixedSize(room.expandedTo(label->sizeHint()));
}

// Whether a plain one-line text clearly fits a label's room, by the advances of
// its characters one by one: laying the whole text out (the size hint) is the
// dearest part of a refresh several times a second. Anything else, or a text
// near the edge, is left to the size hint.
inline bool FitsPlainLine(const QLabel* label, const QString& text) {
    if (label->frameWidth() != 0 || label->indent() > 0 || Qt::mightBeRichText(text)) {
        return false;
    }
    const QFontMetrics metrics = label->fontMetrics();
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                      -label->margin());
    if (metrics.height() > room.height()) {
        return false;
    }
    int advance = 0;
    for (const QChar c : text) {
        if (c.isSurrogate() || c.category() == QChar::Mark_NonSpacing || c.category() == QChar::Mark_Enclosing ||
            c.category() == QChar::Mark_SpacingCombining || c.unicode() < 0x20) {
            return false;
        }
        advance += metrics.horizontalAdvance(c);
    }
    return advance + 4 < room.width();
}

// Sets the text of a label made steady. It grows for a longer text or a larger
// font the label was given later (a style sheet that came with its window).
// Another label just gets the text.
inline void SetSteadyText(QLabel* label, const QString& text) {
    if (label->text() != text) {
        label->setText(text);
    }
    if (label->minimumSize() != label->maximumSize()) {
        return;
    }
    if (FitsPlainLine(label, text)) {
        return;
    }
    const QSize needed = label->sizeHint();
    if (needed.width() > label->maximumWidth() || needed.height() > label->maximumHeight()) {
        label->setFixedSize(needed.expandedTo(label->maximumSize()));
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

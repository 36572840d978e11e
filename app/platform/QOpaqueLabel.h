#pragma once

#include <QColor>
#include <QLabel>

// A label for a figure that changes several times a second on a plain card. It
// fills its own rectangle with the card's colour, so the window knows that
// nothing beneath shows through: a new figure repaints the label alone, not the
// card, the page and the window behind it. (A style-sheet background does not
// tell the window that, and a style sheet that gives the label a border, even
// "none", clears the label's opaque mark each time it styles the label: the
// mark is set again after each styling.)
class QOpaqueLabel : public QLabel {
    Q_OBJECT
public:
    QOpaqueLabel(const QColor& background, QWidget* parent = nullptr);


protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_Background;
};

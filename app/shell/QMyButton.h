#pragma once

#include <QList>
#include <QPointer>
#include <QPushButton>

class QMyMenu;

// A button of the menu bar: it owns a pop-up menu and opens it just below itself
// when pressed. The buttons of one bar form a ring, so an open menu can pass on
// to a neighbour (arrow keys) or to the button under the pointer.
class QMyButton : public QPushButton {
    Q_OBJECT
public:
    static constexpr int MenuDrop = 20; // the menu opens this far below the button's top
    static constexpr int ButtonHeight = 22;

    QMyButton(const QString& text, QWidget* parent = nullptr);

    QMyMenu* Menu() const { return m_pMenu; }
    // The buttons of the bar, in order; each button of the bar gets the same list.
    void SetRing(const QList<QMyButton*>& ring) { m_Ring = ring; }
    QMyButton* Neighbour(int step) const;
    // The button of the ring whose area holds the global point, if any.
    QMyButton* ButtonAt(const QPoint& globalPos) const;

    // Opens the menu below the button; returns at once (the menu is a pop-up).
    void OpenMenu();
    // Closes this button's menu and opens the one of another button of the ring.
    void PassMenuTo(QMyButton* other);
    bool IsMenuOpen() const;

    // As wide as the text plus 10, 22 high.
    QSize sizeHint() const override;
    void setText(const QString& text);

    // The menu currently open on any bar, if any.
    static QMyButton* OpenButton();

private:
    void OnPressed();

    QMyMenu* m_pMenu;
    QList<QMyButton*> m_Ring;
    static QPointer<QMyButton> s_pOpen;
};

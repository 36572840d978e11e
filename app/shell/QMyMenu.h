#pragma once

#include <QMenu>

class QMyButton;

// The pop-up menu of a menu button. While it is open, the Left and Right keys
// move to the neighbouring button's menu, and pointing at another menu button
// opens that button's menu instead.
class QMyMenu : public QMenu {
    Q_OBJECT
public:
    explicit QMyMenu(QMyButton* owner);

    QMyButton* Owner() const { return m_pOwner; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QMyButton* m_pOwner;
};

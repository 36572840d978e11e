#include "QMyMenu.h"

#include "QMyButton.h"

#include <QKeyEvent>
#include <QMouseEvent>

QMyMenu::QMyMenu(QMyButton* owner) : QMenu(owner), m_pOwner(owner) {
    setObjectName(QStringLiteral("QMyMenu"));
}

void QMyMenu::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        // A sub-menu would take the arrow keys for itself; these menus have none.
        m_pOwner->PassMenuTo(m_pOwner->Neighbour(event->key() == Qt::Key_Left ? -1 : 1));
        event->accept();
        return;
    }
    QMenu::keyPressEvent(event);
}

void QMyMenu::mouseMoveEvent(QMouseEvent* event) {
    // The open pop-up holds the pointer, so the other buttons never see it
    // arrive: the menu looks for them itself.
    const QPoint global = event->globalPosition().toPoint();
    if (!rect().contains(event->position().toPoint())) {
        QMyButton* other = m_pOwner->ButtonAt(global);
        if (other && other != m_pOwner) {
            m_pOwner->PassMenuTo(other);
            return;
        }
    }
    QMenu::mouseMoveEvent(event);
}

#include "QMyButton.h"

#include "QMyMenu.h"

#include <QFontMetrics>
#include <QTimer>

QPointer<QMyButton> QMyButton::s_pOpen;

QMyButton::QMyButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    m_pMenu = new QMyMenu(this);
    setFocusPolicy(Qt::NoFocus);
    setFlat(true);
    setFixedSize(sizeHint());
    connect(this, &QPushButton::pressed, this, &QMyButton::OnPressed);
    connect(m_pMenu, &QMenu::aboutToHide, this, [this] {
        setDown(false);
        if (s_pOpen == this) {
            s_pOpen = nullptr;
        }
    });
}

QSize QMyButton::sizeHint() const {
    return QSize(fontMetrics().horizontalAdvance(text()) + 10, ButtonHeight);
}

void QMyButton::setText(const QString& text) {
    QPushButton::setText(text);
    setFixedSize(sizeHint());
}

QMyButton* QMyButton::OpenButton() {
    return s_pOpen;
}

QMyButton* QMyButton::Neighbour(int step) const {
    const int count = m_Ring.size();
    const int index = m_Ring.indexOf(const_cast<QMyButton*>(this));
    if (count == 0 || index < 0) {
        return const_cast<QMyButton*>(this);
    }
    return m_Ring.at(((index + step) % count + count) % count);
}

QMyButton* QMyButton::ButtonAt(const QPoint& globalPos) const {
    for (QMyButton* button : m_Ring) {
        if (button->isVisible() && button->rect().contains(button->mapFromGlobal(globalPos))) {
            return button;
        }
    }
    return nullptr;
}

bool QMyButton::IsMenuOpen() const {
    return m_pMenu->isVisible();
}

void QMyButton::OnPressed() {
    if (IsMenuOpen()) {
        m_pMenu->close();
        return;
    }
    OpenMenu();
}

void QMyButton::OpenMenu() {
    s_pOpen = this;
    setDown(true);
    m_pMenu->popup(mapToGlobal(QPoint(0, MenuDrop)));
}

void QMyButton::PassMenuTo(QMyButton* other) {
    if (!other || other == this) {
        return;
    }
    m_pMenu->close();
    // Opened from the event loop, after this menu's pop-up grab has been released.
    QPointer<QMyButton> target(other);
    QTimer::singleShot(0, other, [target] {
        if (target && !target->IsMenuOpen()) {
            target->OpenMenu();
        }
    });
}

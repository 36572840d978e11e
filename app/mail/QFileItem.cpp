#include "QFileItem.h"

#include "Draw_9.h"
#include "QMyEvent.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QPushButton>

QFileItem* QFileItem::s_pSelected = nullptr;

namespace {
QImage& Skin(int look) {
    static QImage hover(QStringLiteral(":/skin/hover.png"));
    static QImage normal(QStringLiteral(":/skin/normal.png"));
    static QImage selected(QStringLiteral(":/skin/select.png"));
    return look == QFileItem::LookHover ? hover : look == QFileItem::LookSelected ? selected : normal;
}
} // namespace

QFileItem::QFileItem(const QString& path, QWidget* parent) : QWidget(parent), m_strPath(path) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        m_nSize = file.size();
    }
    QFont itemFont = font();
    itemFont.setPixelSize(18);
    setFont(itemFont);

    m_pDelete = new QPushButton(this);
    m_pDelete->setObjectName(QStringLiteral("deleteButton"));
    m_pDelete->setGeometry(10, 7, 16, 16);
    m_pDelete->setCursor(Qt::PointingHandCursor);
    m_pDelete->setFocusPolicy(Qt::NoFocus);
    m_pDelete->setStyleSheet(QStringLiteral("QPushButton{border-image: url(:/skin/del1.png);}"
                                            "QPushButton::hover {border-image: url(:/skin/del2.png);}"
                                            "QPushButton::pressed {border-image: url(:/skin/del1.png);}"));
    m_pDelete->setVisible(true);
    setToolTip(path);
    connect(m_pDelete, &QPushButton::clicked, this, &QFileItem::DeleteClick);
}

QFileItem::~QFileItem() {
    // Else the next list would repaint a deleted entry as the one selected before.
    if (s_pSelected == this) {
        s_pSelected = nullptr;
    }
}

void QFileItem::ClearSelection() {
    if (s_pSelected) {
        s_pSelected->SetLook(LookNormal);
    }
    s_pSelected = nullptr;
}

int QFileItem::NeededWidth() const {
    return fontMetrics().horizontalAdvance(m_strPath) + 40;
}

void QFileItem::DeleteClick() {
    if (parentWidget()) {
        QCoreApplication::postEvent(parentWidget(),
                                    new QMyEvent(QEvent::Type(EventFileDelete), qintptr(this), 0));
    }
}

void QFileItem::SetLook(int look) {
    m_nLook = look;
    repaint();
}

void QFileItem::enterEvent(QEnterEvent*) {
    SetLook(LookHover);
}

void QFileItem::leaveEvent(QEvent*) {
    SetLook(s_pSelected == this ? LookSelected : LookNormal);
}

void QFileItem::mousePressEvent(QMouseEvent*) {
    if (s_pSelected && s_pSelected != this) {
        s_pSelected->SetLook(LookNormal);
    }
    s_pSelected = this;
    SetLook(LookSelected);
}

void QFileItem::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QImage& image = Skin(m_nLook);
    const QRect border(4, 4, 5, 5);
    const QRect target = m_nLook == LookHover ? QRect(-1, -1, width() - 1, height() - 1)
                                              : QRect(0, 0, width() - 2, height() - 2);
    Draw_9(painter, target, image.rect(), border, image);
    painter.drawText(30, 20, m_strPath);
}

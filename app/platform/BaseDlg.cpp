#include "BaseDlg.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>

namespace {
constexpr int CloseSize = 28;
constexpr int CloseHeight = 22;
constexpr int CloseMargin = 6;
} // namespace

BaseDlg::BaseDlg(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground, false);
    m_pCloseBtn = new QPushButton(this);
    m_pCloseBtn->setObjectName(QStringLiteral("closebtn"));
    m_pCloseBtn->setFixedSize(CloseSize, CloseHeight);
    m_pCloseBtn->setFocusPolicy(Qt::NoFocus);
    m_pCloseBtn->setCursor(Qt::PointingHandCursor);
    m_pCloseBtn->setStyleSheet(QStringLiteral("QPushButton{border:none;border-image:url(:/skin/close1.png);}"
                                              "QPushButton:hover{border-image:url(:/skin/close2.png);}"
                                              "QPushButton:pressed{border-image:url(:/skin/close3.png);}"));
}

QHBoxLayout* BaseDlg::ButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->setSpacing(16);
    row->addStretch(1);
    for (QPushButton* button : buttons) {
        button->setCursor(Qt::PointingHandCursor);
        row->addWidget(button);
    }
    row->addStretch(1);
    return row;
}

void BaseDlg::ConnectCloseButtons() {
    // A generated form may have connected its buttons by name already; unique
    // connections keep every button to one call.
    const QList<QAbstractButton*> buttons = findChildren<QAbstractButton*>(QStringLiteral("closebtn"));
    for (QAbstractButton* button : buttons) {
        connect(button, SIGNAL(clicked()), this, SLOT(on_closebtn_clicked()), Qt::UniqueConnection);
        if (button != m_pCloseBtn) {
            m_pCloseBtn->hide();
        }
    }
}

void BaseDlg::showEvent(QShowEvent* event) {
    ConnectCloseButtons();
    QDialog::showEvent(event);
}

BaseDlg::~BaseDlg() = default;

void BaseDlg::on_closebtn_clicked() {
    close();
}

void BaseDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_bDragging = true;
        m_DragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void BaseDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_bDragging = false;
    }
    QDialog::mouseReleaseEvent(event);
}

void BaseDlg::mouseMoveEvent(QMouseEvent* event) {
    if (m_bDragging && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_DragOffset);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void BaseDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    m_pCloseBtn->move(width() - CloseSize - CloseMargin, CloseMargin);
    m_pCloseBtn->raise();
}

void BaseDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // A frameless window has no border of its own; a hairline keeps it apart
    // from whatever lies behind it.
    QPainter painter(this);
    painter.setPen(QColor(204, 208, 215));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

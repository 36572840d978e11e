#include "QFileWnd.h"

#include "QFileItem.h"
#include "QMyEvent.h"

QFileWnd::QFileWnd(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("QFileWnd"));
    setGeometry(1, 1, EmptyWidth, EmptyHeight);
}

QFileWnd::~QFileWnd() = default;

bool QFileWnd::AddPath(const QString& path) {
    for (const QFileItem* item : std::as_const(m_Items)) {
        if (item->Path() == path) {
            return false;
        }
    }
    auto* item = new QFileItem(path, this);
    m_Items.append(item);
    item->show();
    Relayout();
    return true;
}

void QFileWnd::Clear() {
    QFileItem::ClearSelection();
    qDeleteAll(m_Items);
    m_Items.clear();
}

QSize QFileWnd::LayoutSize(int count, int widest) {
    if (count == 0) {
        return QSize(EmptyWidth, EmptyHeight);
    }
    int height = count * QFileItem::Height + 2;
    if (widest > EmptyWidth) {
        return QSize(widest, height <= 70 ? 71 : height);
    }
    if (height <= 88) {
        return QSize(EmptyWidth, EmptyHeight);
    }
    return QSize(widest >= 280 ? widest : ScrolledWidth, height);
}

void QFileWnd::Relayout() {
    int widest = 0;
    for (const QFileItem* item : std::as_const(m_Items)) {
        widest = qMax(widest, item->NeededWidth());
    }
    resize(LayoutSize(int(m_Items.size()), widest));
    for (int i = 0; i < m_Items.size(); ++i) {
        m_Items[i]->setGeometry(1, QFileItem::Height * i + 1, width() - 1, QFileItem::Height);
    }
}

bool QFileWnd::event(QEvent* event) {
    if (event->type() != QEvent::Type(QFileItem::EventFileDelete)) {
        return QWidget::event(event);
    }
    // The entry is looked up, never trusted: a second click on the button, or a
    // Clear before the event arrived, leaves a pointer to an entry already gone.
    const auto* request = static_cast<QMyEvent*>(event);
    for (int i = 0; i < m_Items.size(); ++i) {
        QFileItem* item = m_Items[i];
        if (qintptr(item) == request->m_nValue1) {
            if (QFileItem::Selected() == item) {
                QFileItem::ClearSelection();
            }
            m_Items.removeAt(i);
            delete item;
            Relayout();
            break;
        }
    }
    return true;
}

#include "QFileList.h"

#include "QFileItem.h"
#include "QFileWnd.h"
#include "SkinScrollBars.h"

#include <QScrollArea>

QFileList::QFileList(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("QFileList"));
    setFixedSize(ViewWidth, ViewHeight);
    m_pScroll = new QScrollArea(this);
    m_pScroll->setGeometry(0, 0, ViewWidth, ViewHeight);
    m_pScroll->setBackgroundRole(QPalette::NoRole);
    // The list layout leaves 18 pixels for a scroll bar.
    m_pScroll->setStyleSheet(
        QStringLiteral("QScrollArea { border: 1px solid rgb(190,196,206); background: white; }") +
        SkinScrollBarStyle(18));
    m_pWnd = new QFileWnd;
    m_pScroll->setWidget(m_pWnd);
}

QFileList::~QFileList() = default;

bool QFileList::AddPath(const QString& path) {
    return m_pWnd->AddPath(path);
}

int QFileList::Count() const {
    return int(m_pWnd->Items().size());
}

QString QFileList::Path(int i) const {
    return i >= 0 && i < Count() ? m_pWnd->Items().at(i)->Path() : QString();
}

QStringList QFileList::Paths() const {
    QStringList paths;
    for (const QFileItem* item : m_pWnd->Items()) {
        paths.append(item->Path());
    }
    return paths;
}

qint64 QFileList::TotalSize() const {
    qint64 total = 0;
    for (const QFileItem* item : m_pWnd->Items()) {
        total += item->Size();
    }
    return total;
}

void QFileList::Clear() {
    m_pWnd->Clear();
}

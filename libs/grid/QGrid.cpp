#include "QGrid.h"

#include "Draw_9.h"
#include "QGridItem.h"

#include <QPainter>
#include <QPen>

QGrid::QGrid(QWidget* parent) : QWidget(parent) {
    CalcSize();
}

QGrid::~QGrid() {
    DeleteCells();
    qDeleteAll(m_HeadList);
    m_HeadList.clear();
}

void QGrid::AddHead(const QString& text) {
    auto* head = new QGridItem(this);
    head->SetHeadString(text);
    head->show();
    m_HeadList.append(head);
    CalcSize();
}

void QGrid::AddItem(const QString& row) {
    if (m_HeadList.isEmpty()) {
        return;
    }
    const QStringList parts = row.split(QLatin1Char('?'), Qt::KeepEmptyParts, Qt::CaseSensitive);
    if (parts.size() < m_HeadList.size()) {
        return;
    }
    QList<QGridItem*> cells;
    for (int i = 0; i < m_HeadList.size(); ++i) {
        QGridItem* head = m_HeadList[i];
        auto* cell = new QGridItem(this);
        cell->SetHeadString(parts[i]);
        QGridItem* last = head->GetUp();
        last->SetDown(cell);
        cell->SetUp(last);
        cell->SetDown(head);
        head->SetUp(cell);
        cell->SetType(GridCell, m_strTip);
        cell->show();
        cells.append(cell);
    }
    for (int i = 0; i < cells.size(); ++i) {
        cells[i]->SetRight(cells[(i + 1) % cells.size()]);
        cells[i]->SetLeft(cells[(i + cells.size() - 1) % cells.size()]);
    }
    // Counted before the layout, so the grid grows with the row it has just taken.
    ++m_nRows;
    CalcSize();
}

QGridItem* QGrid::Item(int column, int row) const {
    if (column < 0 || column >= m_HeadList.size() || row < 0) {
        return nullptr;
    }
    QGridItem* head = m_HeadList[column];
    QGridItem* item = head;
    for (int i = 0; i < row; ++i) {
        item = item->GetDown();
        if (item == head) {
            return nullptr;
        }
    }
    return item;
}

void QGrid::SetText(int column, int row, const QString& text) {
    QGridItem* item = Item(column, row);
    if (!item) {
        return;
    }
    item->SetHeadString(text);
    CalcSize();
}

QString QGrid::getText(int column, int row) const {
    QGridItem* item = Item(column, row);
    return item ? item->getText() : QString();
}

void QGrid::DeleteItem(int row) {
    if (row < 1 || row > m_nRows) {
        return;
    }
    QGridItem::DeleteAllSelect();
    for (int column = 0; column < m_HeadList.size(); ++column) {
        QGridItem* cell = Item(column, row);
        if (!cell) {
            continue;
        }
        cell->GetUp()->SetDown(cell->GetDown());
        cell->GetDown()->SetUp(cell->GetUp());
        delete cell;
    }
    --m_nRows;
    CalcSize();
}

void QGrid::Clear() {
    DeleteCells();
    m_nRows = 0;
    CalcSize();
    update();
}

// Empties every column's ring back to its head cell.
void QGrid::DeleteCells() {
    QGridItem::DeleteAllSelect();
    for (QGridItem* head : std::as_const(m_HeadList)) {
        QGridItem* cell = head->GetDown();
        while (cell != head) {
            QGridItem* next = cell->GetDown();
            delete cell;
            cell = next;
        }
        head->SetDown(head);
        head->SetUp(head);
    }
}

void QGrid::SetWidth(int width) {
    m_nWidth = width;
    CalcSize();
}

void QGrid::SetHeight(int height) {
    m_nHeight = height;
    CalcSize();
}

void QGrid::SetMinWidth(int width) {
    m_nMinWidth = width;
    CalcSize();
}

void QGrid::SetTip(const QString& tip) {
    m_strTip = tip;
}

int QGrid::GetColumnWidth(int column) const {
    return (column >= 0 && column < m_WidthList.size()) ? m_WidthList[column] : 0;
}

void QGrid::CalcSize() {
    m_WidthList.clear();
    int x = 2;
    for (int i = 0; i < m_HeadList.size(); ++i) {
        QGridItem* head = m_HeadList[i];
        int width = qMax(head->GetRectWidth(), m_nMinWidth);
        head->Allmove(x, 2);
        if (i == m_HeadList.size() - 1 && width + x + 4 < m_nWidth) {
            width = m_nWidth - x - 4;
        }
        m_WidthList.append(width);
        head->Allresize(width, 20);
        x += width + 4;
    }
    const int height = (m_nRows * 20 + 25 < m_nHeight) ? m_nHeight : m_nRows * 20 + 41;
    resize(qMax(x, m_nWidth), height);
}

void QGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int W = width();
    const int H = height();
    const QColor background(230, 230, 230);
    painter.setPen(background);
    painter.setBrush(background);
    painter.drawRect(0, 0, W - 1, H - 1);

    static QImage band(QStringLiteral(":/skin/normal.png"));
    if (band.isNull()) {
        band.load(QStringLiteral(":/skin/normal.png"));
    }
    Draw_9(painter, QRect(1, 1, W, 25), QRect(0, 0, 60, 60), QRect(4, 4, 7, 7), band);

    if (m_HeadList.size() > 1) {
        int e = 2;
        for (int i = 0; i + 1 < m_WidthList.size(); ++i) {
            e += m_WidthList[i];
            painter.setPen(QColor(128, 128, 128));
            painter.drawLine(e + 2, 3, e + 2, 21);
            painter.setPen(QColor(180, 180, 180));
            painter.drawLine(e + 3, 3, e + 3, 21);
            e += 4;
        }
    }

    if (m_nRows > 0) {
        QPen dotted(QColor(128, 128, 128), 1, Qt::DotLine, Qt::SquareCap, Qt::BevelJoin);
        painter.setPen(dotted);
        for (int k = 0; k <= m_nRows; ++k) {
            const int y = 24 + 20 * k;
            painter.drawLine(2, y, W - 4, y);
        }
        const int bottom = m_nRows * 20 + 24;
        int x = 1;
        painter.drawLine(x, 24, x, bottom);
        for (int width : std::as_const(m_WidthList)) {
            x += width + 4;
            painter.drawLine(x, 24, x, bottom);
        }
    }
}

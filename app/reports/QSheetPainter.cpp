#include "QSheetPainter.h"

#include "ReportSheet.h"

#include "QReportOutput.h"

#include <QLocale>
#include <QPainter>

namespace {
const QColor kInk(30, 34, 40);
const QColor kCaption(96, 104, 116);
const QColor kAccent(44, 104, 176);
const QColor kGroupFill(232, 236, 242);
const QColor kFrame(176, 182, 192);
const QColor kRule(222, 226, 232);

// The value column starts at this share of a group's width.
constexpr double kValueShare = 0.46;

void Text(QPainter& painter, const QRectF& box, int flags, const QString& text) {
    const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, qMax(1, int(box.width())));
    painter.drawText(box, flags, shown);
}

// Draws one group at top in a column; returns its bottom.
double PaintGroup(QPainter& painter, const ReportSheet::Group& group, double left, double top, double width,
                  double unit) {
    const QRectF title(left, top, width, 1.1 * unit);
    painter.fillRect(title, kGroupFill);
    painter.setPen(kInk);
    painter.setFont(QReportOutput::PageFont(unit, 0.52, true));
    Text(painter, title.adjusted(0.4 * unit, 0, -0.4 * unit, 0), Qt::AlignLeft | Qt::AlignVCenter,
         group.m_strTitle);
    double y = title.bottom();
    const QFont caption = QReportOutput::PageFont(unit, 0.48);
    for (int i = 0; i < group.m_Lines.size(); ++i) {
        const ReportSheet::Line& line = group.m_Lines.at(i);
        if (i > 0) {
            painter.setPen(QPen(kRule, qMax(1.0, unit / 30)));
            painter.drawLine(QPointF(left + 0.3 * unit, y), QPointF(left + width - 0.3 * unit, y));
        }
        if (line.m_strCaption.isEmpty()) {
            // A paragraph: as many lines as the text needs.
            painter.setFont(caption);
            painter.setPen(kInk);
            const QRectF area(left + 0.4 * unit, y + 0.25 * unit, width - 0.8 * unit, 20 * unit);
            const QRectF used =
                painter.boundingRect(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line.m_strValue);
            painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line.m_strValue);
            y += qMax(unit, used.height() + 0.5 * unit);
            continue;
        }
        const QRectF row(left, y, width, unit);
        painter.setFont(caption);
        painter.setPen(kCaption);
        Text(painter, QRectF(row.left() + 0.4 * unit, row.top(), width * kValueShare - 0.6 * unit, unit),
             Qt::AlignLeft | Qt::AlignVCenter, line.m_strCaption);
        painter.setPen(kInk);
        Text(
            painter,
            QRectF(row.left() + width * kValueShare, row.top(), width * (1 - kValueShare) - 0.4 * unit, unit),
            Qt::AlignLeft | Qt::AlignVCenter, line.m_strValue);
        y += unit;
    }
    painter.setPen(QPen(kFrame, qMax(1.0, unit / 26)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(left, top, width, y - top));
    return y;
}
} // namespace

void QSheetPainter::Paint(QPainter& painter, const QRect& page, const ReportSheet& sheet,
                          const QDateTime& printed) {
    const double unit = qMin(page.height() / 34.0, page.width() / 28.0);
    const double margin = 1.5 * unit;
    const double left = page.left() + margin;
    const double width = page.width() - 2 * margin;
    double y = page.top() + 1.2 * unit;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);

    painter.setPen(kInk);
    painter.setFont(QReportOutput::PageFont(unit, 1.0, true));
    Text(painter, QRectF(left, y, width, 1.6 * unit), Qt::AlignLeft | Qt::AlignVCenter, sheet.m_strTitle);
    y += 1.7 * unit;
    painter.fillRect(QRectF(left, y, width, qMax(1.0, 0.12 * unit)), kAccent);
    y += 0.8 * unit;

    // The head lines, with the picture to their right.
    double pictureWidth = 0;
    double pictureHeight = 0;
    if (!sheet.m_Picture.isNull()) {
        pictureHeight = qBound(7.0, double(sheet.m_Head.size()), 9.0) * unit;
        pictureWidth = pictureHeight * sheet.m_Picture.width() / qMax(1, sheet.m_Picture.height());
        painter.drawImage(QRectF(left + width - pictureWidth, y, pictureWidth, pictureHeight),
                          sheet.m_Picture);
    }
    const double headWidth = width - (pictureWidth > 0 ? pictureWidth + unit : 0);
    double headY = y;
    painter.setFont(QReportOutput::PageFont(unit, 0.5));
    for (const ReportSheet::Line& line : sheet.m_Head) {
        painter.setPen(kCaption);
        Text(painter, QRectF(left, headY, headWidth * 0.36, unit), Qt::AlignLeft | Qt::AlignVCenter,
             line.m_strCaption);
        painter.setPen(kInk);
        Text(painter, QRectF(left + headWidth * 0.36, headY, headWidth * 0.64, unit),
             Qt::AlignLeft | Qt::AlignVCenter, line.m_strValue);
        headY += unit;
    }
    y = qMax(headY, y + pictureHeight) + unit;

    const int columns = qMax(1, sheet.m_nColumns);
    const double columnWidth = (width - (columns - 1) * unit) / columns;
    double rowTop = y;
    double bottom = y;
    int lastColumn = columns;
    for (const ReportSheet::Group& group : sheet.m_Groups) {
        const bool full = group.m_nColumn < 0;
        const int column = full ? 0 : qMin(group.m_nColumn, columns - 1);
        if (full || column <= lastColumn) {
            rowTop = bottom;
        }
        lastColumn = full ? columns : column;
        const double x = left + column * (columnWidth + unit);
        const double end =
            PaintGroup(painter, group, x, rowTop, full ? width : columnWidth, unit) + 0.8 * unit;
        bottom = qMax(bottom, end);
    }

    painter.setPen(kCaption);
    painter.setFont(QReportOutput::PageFont(unit, 0.42));
    const QRectF footer(left, page.bottom() - 1.4 * unit, width, unit);
    painter.fillRect(QRectF(left, footer.top() - 0.2 * unit, width, qMax(1.0, unit / 30)), kRule);
    painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tivra Wattsight"));
    painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                     QLocale().toString(printed, QLocale::ShortFormat));
    painter.restore();
}

void QSheetPainter::PaintTurned(QPainter& painter, const QRect& page, const ReportSheet& sheet,
                                const QDateTime& printed) {
    const QPointF centre = QRectF(page).center();
    painter.save();
    painter.translate(centre);
    painter.rotate(90);
    painter.translate(-centre);
    const QRect turned(qRound(centre.x() - page.height() / 2.0), qRound(centre.y() - page.width() / 2.0),
                       page.height(), page.width());
    Paint(painter, turned, sheet, printed);
    painter.restore();
}

std::function<int(QPainter&, const QRect&, int)>
QSheetPainter::OnePage(const ReportSheet& sheet, const QDateTime& printed, bool turned) {
    return [sheet, printed, turned](QPainter& painter, const QRect& page, int) {
        if (turned) {
            PaintTurned(painter, page, sheet, printed);
        } else {
            Paint(painter, page, sheet, printed);
        }
        return 0;
    };
}

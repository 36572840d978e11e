#include "QGenerationPagePainter.h"

#include "GenerationReport.h"

#include "QReportOutput.h"

#include <QLocale>
#include <QPainter>

namespace {
// Vertical positions in rows of a page that is 40 rows high.
constexpr double kPageRows = 40.0;
constexpr double kTitleTop = 1.2;
constexpr double kNameTop = 2.9;
constexpr double kPeriodTop = 4.0;
constexpr double kTableTop = 5.6;
constexpr double kHeadRows = 1.8;
constexpr double kTableBottom = 37.2;
constexpr double kFooterTop = 38.0;
// Horizontal: the table's share of the page width and its columns' shares.
constexpr double kTableWidth = 0.86;
constexpr double kColumns[3] = {0.36, 0.32, 0.32};

const QColor kInk(30, 34, 40);
const QColor kRule(90, 96, 104);
const QColor kHeadFill(232, 236, 242);
const QColor kStripe(247, 248, 250);

// The three cells of a row between x positions.
QRectF Cell(const QRectF& row, int column) {
    double left = row.left();
    for (int i = 0; i < column; ++i) {
        left += row.width() * kColumns[i];
    }
    return QRectF(left, row.top(), row.width() * kColumns[column], row.height());
}
} // namespace

QGenerationPagePainter::QGenerationPagePainter(const GenerationReport& report, const QDateTime& printed)
    : m_Report(report), m_Printed(printed) {}

std::function<int(QPainter&, const QRect&, int)> QGenerationPagePainter::Pages() const {
    return
        [this](QPainter& painter, const QRect& page, int first) { return PaintPage(painter, page, first); };
}

int QGenerationPagePainter::RowsPerPage(const QRect&) {
    // Every measure is a share of the page height, so any page fits as many rows.
    return int(kTableBottom - kTableTop - kHeadRows);
}

int QGenerationPagePainter::PageCount(const QRect& page) const {
    const int rows = RowsPerPage(page);
    const int lines = int(m_Report.m_Entries.size()) + 1; // the total takes a row too
    return (lines + rows - 1) / rows;
}

int QGenerationPagePainter::PaintPage(QPainter& painter, const QRect& page, int first) const {
    const int count = int(m_Report.m_Entries.size());
    first = qBound(0, first, count);
    const int rows = RowsPerPage(page);
    const double row = page.height() / kPageRows;
    const double tableWidth = page.width() * kTableWidth;
    const double left = page.left() + (page.width() - tableWidth) / 2;
    auto at = [&](double rows) { return page.top() + rows * row; };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(kInk);

    const bool all = m_Report.IsAllInverters();
    painter.setFont(QReportOutput::PageFont(row, 1.0, true));
    painter.drawText(QRectF(page.left(), at(kTitleTop), page.width(), 1.6 * row), Qt::AlignCenter,
                     all ? tr("All Inverter Generation") : tr("Inverter Generation"));
    painter.setFont(QReportOutput::PageFont(row, 0.62));
    painter.drawText(QRectF(page.left(), at(kNameTop), page.width(), 1.1 * row), Qt::AlignCenter,
                     all ? tr("All Inverter") : m_Report.m_strInverterName);
    QString period;
    switch (m_Report.m_nPeriod) {
    case GenerationReport::Monthly:
        period = tr("Monthly");
        break;
    case GenerationReport::Yearly:
        period = tr("Yearly");
        break;
    default:
        period = tr("Daily");
        break;
    }
    painter.setFont(QReportOutput::PageFont(row, 0.52));
    painter.drawText(QRectF(page.left(), at(kPeriodTop), page.width(), row), Qt::AlignCenter,
                     period + QStringLiteral("  ") + m_Report.PeriodStart() + QStringLiteral(" - ") +
                         m_Report.PeriodEnd());

    // The head: what the rows hold, with the units below.
    const QRectF head(left, at(kTableTop), tableWidth, kHeadRows * row);
    painter.fillRect(head, kHeadFill);
    QString dateHead = tr("Date");
    if (m_Report.m_nPeriod == GenerationReport::Monthly) {
        dateHead = tr("Month");
    } else if (m_Report.m_nPeriod == GenerationReport::Yearly) {
        dateHead = tr("Year");
    }
    const QString heads[3] = {dateHead, tr("Generation") + QLatin1Char('\n') + QStringLiteral("(kWh)"),
                              tr("Benefits") + QLatin1Char('\n') + QLatin1Char('(') + m_Report.m_strCurrency +
                                  QLatin1Char(')')};
    painter.setFont(QReportOutput::PageFont(row, 0.5, true));
    for (int c = 0; c < 3; ++c) {
        painter.drawText(Cell(head, c), Qt::AlignCenter, heads[c]);
    }

    painter.setFont(QReportOutput::PageFont(row, 0.5));
    double y = head.bottom();
    int next = first;
    for (int drawn = 0; drawn < rows && next < count; ++drawn, ++next) {
        const QRectF line(left, y, tableWidth, row);
        if (drawn % 2 == 1) {
            painter.fillRect(line, kStripe);
        }
        const GenerationEntry& entry = m_Report.m_Entries.at(next);
        const bool none = entry.m_nValue < 0;
        painter.drawText(Cell(line, 0), Qt::AlignCenter, m_Report.EntryDate(entry.m_Date));
        painter.drawText(Cell(line, 1), Qt::AlignCenter,
                         none ? QStringLiteral("-")
                              : QString::asprintf("%0.2f", m_Report.Energy(entry.m_nValue)));
        painter.drawText(Cell(line, 2), Qt::AlignCenter,
                         none ? QStringLiteral("-")
                              : QString::asprintf("%0.2f", m_Report.Benefit(entry.m_nValue)));
        y += row;
    }
    const bool totalFits = next == count && y + row <= at(kTableBottom) + 0.5;
    if (totalFits) {
        const QRectF line(left, y, tableWidth, row);
        painter.fillRect(line, kHeadFill);
        const qint64 sum = m_Report.Sum();
        painter.setFont(QReportOutput::PageFont(row, 0.5, true));
        painter.drawText(Cell(line, 0), Qt::AlignCenter, tr("Total:"));
        painter.drawText(Cell(line, 1), Qt::AlignCenter, QString::asprintf("%0.2f", m_Report.Energy(sum)));
        painter.drawText(Cell(line, 2), Qt::AlignCenter, QString::asprintf("%0.2f", m_Report.Benefit(sum)));
        y += row;
    }

    // Rules: the frame, the line under the head, the column borders, a thin line between rows.
    const QRectF table(left, head.top(), tableWidth, y - head.top());
    painter.setPen(QPen(kRule, qMax(1.0, row / 28)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(table);
    painter.drawLine(QPointF(left, head.bottom()), QPointF(table.right(), head.bottom()));
    for (int c = 1; c < 3; ++c) {
        const double x = Cell(table, c).left();
        painter.drawLine(QPointF(x, table.top()), QPointF(x, table.bottom()));
    }
    painter.setPen(QPen(QColor(200, 204, 210), qMax(1.0, row / 40)));
    for (double line = head.bottom() + row; line < table.bottom() - row / 2; line += row) {
        painter.drawLine(QPointF(left + 1, line), QPointF(table.right() - 1, line));
    }

    painter.setPen(kInk);
    painter.setFont(QReportOutput::PageFont(row, 0.45));
    const QRectF footer(left, at(kFooterTop), tableWidth, row);
    const int pageNumber = first / rows + 1;
    painter.drawText(footer, Qt::AlignCenter, QString::asprintf("-%d-", pageNumber));
    painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                     QLocale().toString(m_Printed, QLocale::ShortFormat));
    painter.restore();

    if (next < count) {
        return next;
    }
    return totalFits ? 0 : count;
}

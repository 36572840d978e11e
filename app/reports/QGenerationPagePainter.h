#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QRect>
#include <functional>

class QPainter;
struct GenerationReport;

// Paints the pages of a generation report: the title with the inverter's name
// (or all inverters), the period with its dates, a ruled table of date,
// generation and benefits, the total after the last entry, the page number and
// the moment of printing. The geometry follows the page rectangle, so the same
// page comes out alike on a printer, in a PDF and in a picture.
class QGenerationPagePainter {
    Q_DECLARE_TR_FUNCTIONS(QGenerationPagePainter)

public:
    QGenerationPagePainter(const GenerationReport& report, const QDateTime& printed);

    // Paints the page whose first row is entry first; returns the entry the next
    // page starts with, or 0 when this page completed the report. A page whose
    // rows end with the last entry but have no room left for the total returns
    // the entry count: the next page carries only the total.
    int PaintPage(QPainter& painter, const QRect& page, int first) const;
    // PaintPage as the report outputs take it; valid while this painter lives.
    std::function<int(QPainter&, const QRect&, int)> Pages() const;

    // Table rows that fit on a page of this shape.
    static int RowsPerPage(const QRect& page);
    int PageCount(const QRect& page) const;

private:
    const GenerationReport& m_Report;
    QDateTime m_Printed;
};

#pragma once

#include <QDateTime>
#include <QRect>
#include <functional>

class QPainter;
struct ReportSheet;

// Paints a ReportSheet on one page. Sizes follow the page rectangle, so the
// sheet looks alike on paper, in a PDF and in a picture of any size.
class QSheetPainter {
public:
    static void Paint(QPainter& painter, const QRect& page, const ReportSheet& sheet,
                      const QDateTime& printed);
    // Paints the sheet turned by 90 degrees about the page's centre, so that a
    // landscape sheet fills a portrait page the way a printer prints it.
    static void PaintTurned(QPainter& painter, const QRect& page, const ReportSheet& sheet,
                            const QDateTime& printed);
    // The sheet as the single page of a report output (the sheet is copied).
    static std::function<int(QPainter&, const QRect&, int)>
    OnePage(const ReportSheet& sheet, const QDateTime& printed, bool turned = false);
};

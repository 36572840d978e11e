#pragma once

#include <QCoreApplication>
#include <QFont>
#include <QSize>
#include <QString>
#include <functional>

class QPainter;
class QPrintPreviewDialog;
class QPrinter;
class QRect;
class QWidget;

// Where the reports go: the print preview, a PDF file, BMP pictures of the pages
// and text files. The pages come from one paint function, the same for every
// target, so the preview, the PDF and the pictures show the same page. Files
// are written whole or not at all: a failed save leaves what was there before.
class QReportOutput {
    Q_DECLARE_TR_FUNCTIONS(QReportOutput)

public:
    // Paints the page that starts at entry first into the page rectangle and
    // returns the entry of the next page, or 0 (or less) when it was the last.
    using PagePainter = std::function<int(QPainter& painter, const QRect& page, int first)>;
    using PreviewHook = std::function<void(QPrintPreviewDialog& dialog)>;

    static constexpr int BmpWidth = 630; // portrait pictures; landscape ones are given their size
    static constexpr int BmpHeight = 891;
    static constexpr int PreviewWidth = 600;
    static constexpr int PreviewHeight = 400;

    // Every page into the printer (the pages' printPreview slots call this).
    static void PaintPages(QPrinter* printer, const PagePainter& paint);
    // An A4 PDF at screen resolution; false when the file cannot be written.
    static bool WritePdf(const QString& file, const PagePainter& paint, const QString& title = QString());
    // One picture per page, white behind the page: base + ".bmp" for a single
    // page, otherwise base + "_1.bmp", base + "_2.bmp", ...
    static bool WriteBmp(const QString& base, const QSize& size, const PagePainter& paint);
    static bool WriteText(const QString& file, const QByteArray& text);
    // The name of page number page (from 1) of a picture report.
    static QString BmpPageName(const QString& base, int page, bool severalPages);

    // A 600 x 400 print preview on a high-resolution printer; paint draws the
    // pages whenever the preview asks. Without a screen nobody could close the
    // dialog: it is not shown then (tests install a hook that gets it instead).
    static void Preview(QWidget* parent, const std::function<void(QPrinter*)>& paint);
    static void SetPreviewHook(PreviewHook hook);

    // The face of report text: size a share of the page's unit (its row height),
    // plain glyphs without ligatures, so that a PDF's text reads back as written.
    static QFont PageFont(double unit, double share, bool bold = false);

    // "Successfully saved!" or "Save failed!" in the program's message box.
    static void TellSaved(bool saved, QWidget* parent = nullptr);
};

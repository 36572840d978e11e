#include "QReportOutput.h"

#include "MessageBox.h"

#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextStream>

namespace {
constexpr int kScreenResolution = 96;
constexpr double kMarginMm = 10.0;

QReportOutput::PreviewHook& Hook() {
    static QReportOutput::PreviewHook hook;
    return hook;
}

bool Headless() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

// The page rectangle of a paged device: its paintable area, origin at the painter's origin.
QRect PageRect(const QPaintDevice& device) {
    return QRect(0, 0, device.width(), device.height());
}
} // namespace

void QReportOutput::PaintPages(QPrinter* printer, const PagePainter& paint) {
    QPainter painter;
    if (!printer || !painter.begin(printer)) {
        return;
    }
    const QRect page = PageRect(*printer);
    int next = 0;
    while ((next = paint(painter, page, next)) > 0) {
        printer->newPage();
    }
    painter.end();
}

bool QReportOutput::WritePdf(const QString& file, const PagePainter& paint, const QString& title) {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return false;
    }
    bool painted = false;
    {
        QPdfWriter writer(&out);
        writer.setResolution(kScreenResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                         QPageLayout::Millimeter));
        writer.setCreator(QStringLiteral("Tivra Wattsight"));
        writer.setTitle(title);
        QPainter painter;
        if (painter.begin(&writer)) {
            const QRect page = PageRect(writer);
            int next = 0;
            while ((next = paint(painter, page, next)) > 0) {
                writer.newPage();
            }
            painted = painter.end();
        }
    }
    if (!painted || out.error() != QFileDevice::NoError) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

QString QReportOutput::BmpPageName(const QString& base, int page, bool severalPages) {
    return severalPages ? base + QLatin1Char('_') + QString::number(page) + QStringLiteral(".bmp")
                        : base + QStringLiteral(".bmp");
}

bool QReportOutput::WriteBmp(const QString& base, const QSize& size, const PagePainter& paint) {
    QImage image(size, QImage::Format_RGB32);
    const QRect page(QPoint(0, 0), size);
    int first = 0;
    for (int number = 1;; ++number) {
        image.fill(Qt::white);
        QPainter painter(&image);
        const int next = paint(painter, page, first);
        painter.end();
        // Whether this is the only page is known once the first page is drawn.
        const bool several = number > 1 || next > 0;
        QSaveFile out(BmpPageName(base, number, several));
        if (!out.open(QIODevice::WriteOnly) || !image.save(&out, "BMP") || !out.commit()) {
            return false;
        }
        if (next <= 0) {
            return true;
        }
        first = next;
    }
}

bool QReportOutput::WriteText(const QString& file, const QByteArray& text) {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (out.write(text) != text.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

void QReportOutput::Preview(QWidget* parent, const std::function<void(QPrinter*)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.resize(PreviewWidth, PreviewHeight);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    if (Hook()) {
        Hook()(dialog);
        return;
    }
    if (Headless()) {
        QTextStream(stderr) << "Tivra Wattsight: the print preview needs a screen\n";
        return;
    }
    dialog.exec();
}

void QReportOutput::SetPreviewHook(PreviewHook hook) {
    Hook() = std::move(hook);
}

QFont QReportOutput::PageFont(double unit, double share, bool bold) {
    QFont font;
    font.setPixelSize(qMax(1, qRound(unit * share)));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

void QReportOutput::TellSaved(bool saved, QWidget* parent) {
    ShowMessage(saved ? tr("Successfully saved!") : tr("Save failed!"), MessageBox::TypeOk, parent);
}

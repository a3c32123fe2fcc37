#pragma once
// Draws laid-out report pages. Print, preview, PDF and the preview pictures
// all go through PaintPage, so they are the same drawing.

#include "reports/TReportDocument.h"

#include <QImage>
#include <QString>

class QPagedPaintDevice;
class QPainter;

class TReportPainter {
public:
    // One page; the painter's origin is the paper's top left corner and one
    // unit of its current transform is one device dot.
    static void PaintPage(QPainter &p, const TReportPage &page, double dotsPerMm);

    // Every page onto a painter already begun on a paged device whose origin
    // is the paper's corner (a printer in full-page mode, a PDF writer
    // without margins).
    static void PaintAll(QPainter &p, QPagedPaintDevice &device, const TReportDocument &doc);

    // One page as a picture of the given size in pixels, white background.
    static QImage RenderPage(const TReportDocument &doc, int page, const QSize &pixels);

    // The whole report as a PDF file at 1200 dpi. False when the file cannot
    // be written.
    static bool WritePdf(const TReportDocument &doc, const QString &path, const QString &title);
};

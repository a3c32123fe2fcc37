#include "reports/TReportPainter.h"

#include <QFile>
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr double kTextPadX = 0.5;   // mm between a text and its cell's sides
constexpr double kTextPadY = 0.25;
constexpr double kDoubleGap = 0.5;  // mm between the two strokes of a double line
constexpr double kPxPerMm = 96 / 25.4;

void paintFrame(QPainter &p, const TReportObject &o)
{
    if (!o.frames)
        return;
    QPen pen(o.frameColor, o.frameStyle == TFrameStyle::Double ? std::min(o.frameWidth, 0.2) : o.frameWidth);
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF r = o.rect;
    const bool dbl = o.frameStyle == TFrameStyle::Double;
    auto line = [&](QPointF a, QPointF b, QPointF normal) {
        if (dbl) {
            p.drawLine(a - normal * kDoubleGap / 2, b - normal * kDoubleGap / 2);
            p.drawLine(a + normal * kDoubleGap / 2, b + normal * kDoubleGap / 2);
        } else {
            p.drawLine(a, b);
        }
    };
    if (o.frames & Qt::TopEdge)
        line(r.topLeft(), r.topRight(), {0, 1});
    if (o.frames & Qt::BottomEdge)
        line(r.bottomLeft(), r.bottomRight(), {0, 1});
    if (o.frames & Qt::LeftEdge)
        line(r.topLeft(), r.bottomLeft(), {1, 0});
    if (o.frames & Qt::RightEdge)
        line(r.topRight(), r.bottomRight(), {1, 0});
}

QRectF toPx(const QRectF &mm)
{
    return QRectF(mm.topLeft() * kPxPerMm, mm.size() * kPxPerMm);
}

} // namespace

void TReportPainter::PaintPage(QPainter &p, const TReportPage &page, double dotsPerMm)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QTransform base = p.transform();
    const QTransform mm = QTransform::fromScale(dotsPerMm, dotsPerMm) * base;
    // Chart painting works in 96-dpi pixels, the unit its margins are made for.
    const QTransform px = QTransform::fromScale(dotsPerMm / kPxPerMm, dotsPerMm / kPxPerMm) * base;
    for (const TReportObject &o : page.objects) {
        p.setTransform(mm);
        switch (o.kind) {
        case TReportObject::Text: {
            if (o.fill.isValid())
                p.fillRect(o.rect, o.fill);
            paintFrame(p, o);
            if (o.text.isEmpty())
                break;
            // Text at its real point size in device dots, so that glyphs are
            // hinted for the device and not scaled with the page.
            const QRectF box = mm.mapRect(o.rect.adjusted(kTextPadX, kTextPadY, -kTextPadX, -kTextPadY));
            p.setTransform(base);
            QFont f(o.fontFamily);
            f.setPointSizeF(o.fontSize);
            f.setBold(o.bold);
            f.setUnderline(o.underline);
            p.setFont(f);
            p.setPen(o.textColor);
            p.drawText(box, int(o.align) | Qt::TextSingleLine, o.text);
            break;
        }
        case TReportObject::Picture:
            if (!o.picture.isNull())
                p.drawImage(o.rect, o.picture);
            break;
        case TReportObject::RoundRect:
            p.setPen(o.frames ? QPen(o.frameColor, o.frameWidth) : QPen(Qt::NoPen));
            p.setBrush(o.fill.isValid() ? QBrush(o.fill) : QBrush(Qt::NoBrush));
            p.drawRoundedRect(o.rect, o.radius, o.radius);
            break;
        case TReportObject::Donut:
            p.setTransform(px);
            PaintDonut(p, toPx(o.rect), o.chart, o.donutStyle);
            break;
        case TReportObject::BarChart:
            p.setTransform(px);
            PaintBarChart(p, toPx(o.rect), o.chart, o.barStyle);
            break;
        }
    }
    p.restore();
}

void TReportPainter::PaintAll(QPainter &p, QPagedPaintDevice &device, const TReportDocument &doc)
{
    const double dotsPerMm = device.logicalDpiX() / 25.4;
    for (int i = 0; i < doc.pageCount(); ++i) {
        if (i > 0)
            device.newPage();
        PaintPage(p, doc.pages[i], dotsPerMm);
    }
}

QImage TReportPainter::RenderPage(const TReportDocument &doc, int page, const QSize &pixels)
{
    QImage img(pixels, QImage::Format_RGB32);
    img.fill(Qt::white);
    const double dotsPerMm = pixels.width() / doc.paperSizeMm().width();
    // Point sizes resolve against the picture's resolution.
    img.setDotsPerMeterX(qRound(dotsPerMm * 1000));
    img.setDotsPerMeterY(qRound(dotsPerMm * 1000));
    QPainter p(&img);
    PaintPage(p, doc.pages.at(page), dotsPerMm);
    return img;
}

bool TReportPainter::WritePdf(const TReportDocument &doc, const QString &path, const QString &title)
{
    QPdfWriter w(path);
    w.setResolution(1200);
    w.setPdfVersion(QPagedPaintDevice::PdfVersion_1_6);  // the newest Qt 6.4 writes
    w.setTitle(title);
    w.setCreator(QStringLiteral("Orvessa"));
    w.setPageLayout(doc.pageLayout());
    QPainter p;
    if (!p.begin(&w))
        return false;
    PaintAll(p, w, doc);
    if (!p.end())
        return false;
    return QFile::exists(path);
}

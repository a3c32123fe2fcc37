// Draws every icon list at 32 px (and the 16-px list at 16 px too) on white
// and on the dark theme's #333333, with index numbers, into one PNG.
// Usage: icon_sheet OUT.png             the lists
//        icon_sheet OUT.png A.svg ...   loose files at 16, 32 and 128 px, for drawing new ones
#include "app/TdmImages.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace {

int previewFiles(const QString &out, int count, char **files)
{
    const int sizes[] = {16, 32, 128}, rowH = 140;
    QImage img(2 * (16 + 32 + 128 + 40), count * rowH, QImage::Format_ARGB32);
    QPainter p(&img);
    for (int side = 0; side < 2; ++side) {
        const int x0 = side * img.width() / 2;
        p.fillRect(x0, 0, img.width() / 2, img.height(),
                   side ? QColor(0x33, 0x33, 0x33) : QColor(Qt::white));
        for (int f = 0; f < count; ++f) {
            const QIcon icon(QString::fromLocal8Bit(files[f]));
            int x = x0 + 10;
            for (int s : sizes) {
                p.drawPixmap(x, f * rowH + 6, icon.pixmap(s, s));
                x += s + 10;
            }
        }
    }
    p.end();
    return img.save(out) ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    if (argc > 2)
        return previewFiles(QString::fromLocal8Bit(argv[1]), argc - 2, argv + 2);
    TdmImages images;
    struct Row { const char *name; const TdmImageList *list; int size; };
    const Row rows[] = {
        {"imlSmall16 @16", &images.imlSmall16, 16}, {"imlSmall16 @32", &images.imlSmall16, 32},
        {"imlSmall32", &images.imlSmall32, 32},     {"imlLight32", &images.imlLight32, 32},
        {"SVGIconImageList1", &images.SVGIconImageList1, 32},
    };
    const int cell = 44, labelW = 130, perLine = 18, half = labelW + perLine * cell + 10;
    int lines = 0;
    for (const Row &r : rows)
        lines += (r.list->count() + perLine - 1) / perLine;
    QImage img(2 * half, lines * (cell + 12) + 10, QImage::Format_ARGB32);
    QPainter p(&img);
    p.setFont(QFont(QStringLiteral("Liberation Sans"), 7));
    for (int side = 0; side < 2; ++side) {
        const bool dark = side == 1;
        const int x0 = side * half;
        p.fillRect(x0, 0, half, img.height(), dark ? QColor(0x33, 0x33, 0x33) : QColor(Qt::white));
        p.setPen(dark ? Qt::white : Qt::black);
        int y = 10;
        for (const Row &r : rows) {
            for (int i = 0; i < r.list->count(); ++i) {
                const int col = i % perLine;
                if (col == 0) {
                    if (i > 0)
                        y += cell + 12;
                    p.drawText(x0 + 6, y + cell / 2, QString::fromLatin1(r.name));
                }
                const int x = x0 + labelW + col * cell;
                p.drawPixmap(x + (cell - r.size) / 2, y + (cell - r.size) / 2,
                             r.list->icon(i).pixmap(r.size, r.size));
                p.drawText(QRect(x, y + cell - 2, cell, 12), Qt::AlignCenter, QString::number(i));
            }
            y += cell + 12;
        }
    }
    p.end();
    return img.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}

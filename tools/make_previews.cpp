// Build step: draws the six report preview pictures (a page of the report's
// shape with its name) until the real report renders replace them.
// Usage: make_previews OUTDIR
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString dir = QString::fromLocal8Bit(argv[1]);
    struct Page { const char *title; bool landscape; };
    const Page pages[6] = {
        {"Payoff Savings Report", true},  {"Payoff Summary Report", false},
        {"Monthly Payment Report", true}, {"Monthly Balance Report", true},
        {"Monthly Interest Report", true}, {"Data Entry Worksheet", false},
    };
    for (int i = 0; i < 6; ++i) {
        const QSize size = pages[i].landscape ? QSize(1056, 816) : QSize(816, 1056);
        QImage img(size, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 2));
        p.drawRect(QRect(QPoint(36, 36), size - QSize(72, 72)));
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(40);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(0x33, 0x33, 0x33));
        p.drawText(QRect(0, 60, size.width(), 80), Qt::AlignCenter, QString::fromLatin1(pages[i].title));
        p.setPen(QPen(QColor(0xE0, 0xE0, 0xE0), 1));
        for (int y = 180; y < size.height() - 80; y += 32)
            p.drawLine(80, y, size.width() - 80, y);
        p.end();
        if (!img.save(QStringLiteral("%1/Image%2.png").arg(dir).arg(i + 1)))
            return 1;
    }
    return 0;
}

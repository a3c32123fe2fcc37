// The image module: every list entry draws something at both list sizes, the
// lists have the lengths the windows index into, and bad indices are harmless.
#include "app/TdmImages.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// Share of pixels that are not fully transparent.
double coverage(const QImage &img)
{
    int inked = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            inked += qAlpha(img.pixel(x, y)) > 0;
    return double(inked) / (img.width() * img.height());
}

// WCAG relative luminance of an sRGB colour.
double luminance(QRgb c)
{
    auto lin = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}

// Contrast of the icon's most contrasting opaque pixel against the background.
double bestContrast(const QImage &img, QColor background)
{
    const double bg = luminance(background.rgb());
    double best = 1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb px = img.pixel(x, y);
            if (qAlpha(px) < 255)
                continue;
            const double l = luminance(px);
            best = std::max(best, (std::max(l, bg) + 0.05) / (std::min(l, bg) + 0.05));
        }
    return best;
}

QImage render(const QIcon &icon, int size)
{
    return icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestImages : public QObject {
    Q_OBJECT

    std::unique_ptr<TdmImages> images;

    const TdmImageList &list(const QString &name) const
    {
        if (name == "imlSmall16")
            return images->imlSmall16;
        if (name == "imlSmall32")
            return images->imlSmall32;
        if (name == "imlLight32")
            return images->imlLight32;
        return images->SVGIconImageList1;
    }

private slots:
    void initTestCase()
    {
        images = std::make_unique<TdmImages>();
        QVERIFY(TdmImages::Exists());
        QCOMPARE(&TdmImages::Instance(), images.get());
    }

    void counts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        QTest::addRow("imlSmall16") << "imlSmall16" << 21;
        QTest::addRow("imlSmall32") << "imlSmall32" << 35;
        QTest::addRow("imlLight32") << "imlLight32" << 6;
        QTest::addRow("SVGIconImageList1") << "SVGIconImageList1" << 13;
    }
    void counts()
    {
        QFETCH(QString, name);
        QFETCH(int, count);
        QCOMPARE(list(name).count(), count);
    }

    void everyEntryDraws_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("size");
        for (const char *name : {"imlSmall16", "imlSmall32", "imlLight32", "SVGIconImageList1"})
            for (int i = 0; i < list(name).count(); ++i)
                for (int size : {16, 32})
                    QTest::addRow("%s[%d]@%d", name, i, size) << QString(name) << i << size;
    }
    void everyEntryDraws()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(int, size);
        const QIcon icon = list(name).icon(index);
        QVERIFY2(!icon.isNull(), qPrintable(list(name).resourcePath(index)));
        const QImage img = render(icon, size);
        QCOMPARE(img.size(), QSize(size, size));
        // A missing SVG icon engine plugin (package libqt6svg6) shows up here as empty images.
        QVERIFY2(coverage(img) > 0.05, qPrintable(list(name).resourcePath(index)));
    }

    void outOfRangeIsNull_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        for (const char *name : {"imlSmall16", "imlSmall32", "imlLight32", "SVGIconImageList1"}) {
            QTest::addRow("%s[-1]", name) << QString(name) << -1;
            QTest::addRow("%s[count]", name) << QString(name) << list(name).count();
        }
    }
    void outOfRangeIsNull()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QVERIFY(list(name).icon(index).isNull());
        QVERIFY(list(name).resourcePath(index).isEmpty());
        if (name == "imlSmall16")
            QVERIFY(images->icon16(index).isNull());
        if (name == "imlSmall32")
            QVERIFY(images->icon32(index).isNull());
    }

    // Theme-specific entries must stand out on the background they are made for
    // (3:1 is the usual floor for graphics).
    void themeIconsReadOnTheirBackground_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QColor>("background");
        const QColor white(Qt::white), dark(0x33, 0x33, 0x33);
        QTest::addRow("update light") << 10 << white;
        QTest::addRow("cancel light") << 11 << white;
        QTest::addRow("cancel dark") << 29 << dark;
        QTest::addRow("cross dark") << 30 << dark;
        QTest::addRow("update dark") << 31 << dark;
        QTest::addRow("grid delete on dark") << 32 << dark;
        QTest::addRow("grid delete on white") << 32 << white;
    }
    void themeIconsReadOnTheirBackground()
    {
        QFETCH(int, index);
        QFETCH(QColor, background);
        QVERIFY(bestContrast(render(images->icon32(index), 32), background) >= 3.0);
    }

    // Every drawn file is reachable from some list, so none is left to rot.
    void everyIconFileIsUsed()
    {
        QSet<QString> used;
        for (const char *name : {"imlSmall16", "imlSmall32", "imlLight32", "SVGIconImageList1"})
            for (int i = 0; i < list(name).count(); ++i)
                used.insert(list(name).resourcePath(i));
        const QStringList files = QDir(QStringLiteral(":/icons")).entryList({QStringLiteral("*.svg")});
        QVERIFY(!files.isEmpty());
        for (const QString &f : files)
            QVERIFY2(used.contains(QStringLiteral(":/icons/") + f), qPrintable(f));
    }
};

QTEST_MAIN(TestImages)
#include "tst_images.moc"

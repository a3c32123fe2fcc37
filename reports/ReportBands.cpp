#include "reports/ReportBands.h"

#include "app/TAppinfo.h"
#include "reports/ReportFormat.h"

#include <QPainter>
#include <QSvgRenderer>

QString ReportTitlePrefix(const QString &caption)
{
    QString s;
    for (QChar c : caption)
        if (!c.isNonCharacter() && c.category() != QChar::Other_Control)
            s += c;
    return QStringLiteral("  ") + s.trimmed() + QStringLiteral(": ");
}

QImage ReportLogo()
{
    static const QImage logo = [] {
        QSvgRenderer svg(QStringLiteral(":/reports/logo.svg"));
        QImage img(256, 256, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        svg.render(&p);
        return img;
    }();
    return logo;
}

void AddPrintDate(TReportBand &band, const QDate &printDate, const QRectF &label, const QRectF &value)
{
    band.add(TReportObject::MakeText(QStringLiteral("lblDatePrinted"), label, QStringLiteral("Date Printed:"), 10,
                                     Qt::AlignRight | Qt::AlignTop));
    band.add(TReportObject::MakeText(QStringLiteral("rtDatePrinted"), value, FormatDateMDY(printDate), 10,
                                     Qt::AlignRight | Qt::AlignTop));
}

TReportBand SharedHeaderBand(const QString &titlePrefix, const TReportTitle &title, const QDate &printDate,
                             double width, double labelX, double valueX)
{
    TReportBand b;
    b.height = 32;
    TReportObject logo;
    logo.kind = TReportObject::Picture;
    logo.name = QStringLiteral("picLogo");
    logo.rect = QRectF(0, 0, 8.5, 8.5);
    logo.picture = ReportLogo();
    b.add(logo);
    TReportObject &t = b.add(TReportObject::MakeText(QStringLiteral("rtTitle"), QRectF(8.5, 0, width - 8.5, 9),
                                                     titlePrefix + title.PlanName(), 16,
                                                     Qt::AlignLeft | Qt::AlignVCenter));
    t.bold = true;
    const struct {
        const char *label, *name;
        QString value;
        double y;
    } rows[] = {
        {"Start Month:", "rtStartMonth", title.StartMonth(), 11},
        {"Payoff Strategy:", "rtStrategy", title.Strategy(), 16},
        {"Pledge Money:", "rtPledgeMoney", FormatShortest(title.PledgeMoney()), 21},
    };
    for (const auto &r : rows) {
        b.add(TReportObject::MakeText(QString(), QRectF(labelX, r.y, 28, 5), QString::fromLatin1(r.label)));
        b.add(TReportObject::MakeText(QString::fromLatin1(r.name), QRectF(valueX, r.y, 36, 5), r.value));
    }
    AddPrintDate(b, printDate, QRectF(width - 21 - 31, 10, 31, 5), QRectF(width - 21, 10, 21, 5));
    return b;
}

TReportBand SharedPageFooterBand(const QDate &printDate, double width)
{
    TReportBand b;
    b.height = 6;
    TReportObject rule;
    rule.name = QStringLiteral("pfRule");
    rule.rect = QRectF(0, 0, width, 6);
    rule.frames = Qt::TopEdge;
    rule.frameWidth = 0.1;
    b.add(rule);
    b.add(TReportObject::MakeText(QStringLiteral("pfNotice"), QRectF(0, 0, width / 2, 6),
                                  QStringLiteral("Copyright \u00A9 2019-%1 Talmaro. All rights reserved.")
                                      .arg(printDate.year()),
                                  8, Qt::AlignLeft | Qt::AlignBottom));
    QString site = QString::fromLatin1(TAppinfo::WebSiteUrl);
    site.remove(QStringLiteral("https://"));
    if (site.endsWith(u'/'))
        site.chop(1);
    TReportObject &link = b.add(TReportObject::MakeText(QStringLiteral("pfWebSite"), QRectF(width / 2, 0, width / 2, 6),
                                                        site, 8, Qt::AlignRight | Qt::AlignBottom));
    link.underline = true;
    link.textColor = QColor(0x00, 0x00, 0x80);
    return b;
}

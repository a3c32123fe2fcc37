#include "reports/TWorksheetReport.h"

#include "reports/ReportBands.h"

namespace {

const QColor kGray(0x80, 0x80, 0x80);

TReportObject box(double x, double y, double w, double h, const QString &caption = QString(),
                  Qt::Alignment align = Qt::AlignCenter)
{
    TReportObject o = TReportObject::MakeText(QString(), QRectF(x, y, w, h), caption, 7, align);
    o.frames = Qt::TopEdge | Qt::BottomEdge | Qt::LeftEdge | Qt::RightEdge;
    o.frameColor = kGray;
    o.frameWidth = 0.2;
    return o;
}

TReportObject label(double x, double y, double w, double h, const char *t, bool bold,
                    Qt::Alignment align = Qt::AlignLeft)
{
    TReportObject o = TReportObject::MakeText(QString(), QRectF(x, y, w, h), QString::fromLatin1(t), 9,
                                              align | Qt::AlignVCenter);
    o.bold = bold;
    return o;
}

} // namespace

TReport TWorksheetReport::Build(const QDate &printDate)
{
    TReport r;
    r.orientation = QPageLayout::Portrait;
    const double W = r.usableWidth();

    TReportBand &t = r.reportTitle;
    t.height = 48.8;
    TReportObject logo;
    logo.kind = TReportObject::Picture;
    logo.name = QStringLiteral("picLogo");
    logo.rect = QRectF(0, 0, 8.5, 8.5);
    logo.picture = ReportLogo();
    t.add(logo);
    TReportObject &title = t.add(TReportObject::MakeText(QStringLiteral("rtTitle"), QRectF(8.5, 0, 67, 9),
                                                         QStringLiteral(" Data Entry Worksheet"), 16,
                                                         Qt::AlignLeft | Qt::AlignVCenter));
    title.bold = true;
    t.add(box(144, 4, 51, 7, QStringLiteral("Date"), Qt::AlignLeft | Qt::AlignTop));
    t.add(label(0, 15.5, 34, 6, "Start Month:", true));
    const char *const months[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int k = 0; k < 12; ++k)
        t.add(box(37.5 + 7.55 * k, 15, 7, 7, QString::fromLatin1(months[k])));
    t.add(label(0, 24.6, 34, 6, "Pledge Money:", true));
    t.add(box(37.5, 24.1, 37, 7));
    t.add(label(0, 33.6, 34, 6, "Pledge Money Use:", true));
    t.add(box(37.5, 33.1, 7, 7));
    t.add(label(45.2, 33.6, 18, 6, "Immediate", false));
    t.add(box(65.4, 33.1, 7, 7));
    t.add(label(73.2, 33.6, 15, 6, "Deferred", false));
    t.add(label(0, 42.8, 10, 6, "Loan", true));
    t.add(label(10.7, 42.8, 64, 6, "Creditor Name", true));
    t.add(label(78.7, 42.8, 19, 6, "APR", true, Qt::AlignHCenter));
    t.add(label(99.8, 42.8, 47, 6, "Starting Balance", true, Qt::AlignHCenter));
    t.add(label(148.9, 42.8, 47, 6, "Monthly Payment", true, Qt::AlignHCenter));

    TReportBand &s = r.summary;
    s.height = 182;
    for (int row = 0; row < 20; ++row) {
        const double y = 7.08 * row;
        s.add(box(0, y, 4, 6, QStringLiteral("Y")));
        s.add(box(4.9, y, 4, 6, QStringLiteral("N")));
        s.add(box(10.7, y, 66, 6));
        s.add(box(78.7, y, 19, 6));
        s.add(box(99.8, y, 47, 6));
        s.add(box(148.9, y, 47, 6));
    }
    s.add(label(0, 145.8, 44, 6, "One Off Date", true, Qt::AlignHCenter));
    s.add(label(46.1, 145.8, 47, 6, "One Off Amount", true, Qt::AlignHCenter));
    s.add(label(102.9, 145.8, 44, 6, "One Off Date", true, Qt::AlignHCenter));
    s.add(label(148.9, 145.8, 47, 6, "One Off Amount", true, Qt::AlignHCenter));
    for (double y : {152.0, 159.5, 167.0, 174.3}) {
        s.add(box(0, y, 44, 6));
        s.add(box(46.1, y, 47, 6));
        s.add(box(102.9, y, 44, 6));
        s.add(box(148.9, y, 47, 6));
    }

    r.pageFooter = SharedPageFooterBand(printDate, W);
    return r;
}

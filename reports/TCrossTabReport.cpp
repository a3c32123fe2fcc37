#include "reports/TCrossTabReport.h"

#include "reports/ReportBands.h"
#include "reports/ReportFormat.h"
#include "store/Db.h"

namespace {

const char *const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

QRectF monthCell(int k, double y, double h)
{
    const double x = 55.4 + 17 * k;
    // April is narrower but ends where its caption ends.
    return k == 3 ? QRectF(x + 2, y, 15, h) : QRectF(x, y, 17, h);
}

QString monthText(double v)
{
    return v == 0 ? QString() : FormatNumber(v, 0);
}

} // namespace

TCrossTabData TCrossTabReport::Read(Database &db, TCrossTabKind kind)
{
    TCrossTabData d;
    d.title = ReadReportTitleData(db);
    const char *view = kind == TCrossTabKind::Payment   ? "viewKXPaymentCrossTab"
                       : kind == TCrossTabKind::Balance ? "viewKXBalanceCrossTab"
                                                        : "viewKXInterestCrossTab";
    Statement st(db, QStringLiteral("SELECT Year, CreditorName, Jan, Feb, Mar, Apr, May, Jun, Jul, Aug, Sep, Oct, "
                                    "Nov, Dec FROM %1")
                         .arg(QLatin1String(view)));
    while (st.step()) {
        TCrossTabRow row;
        row.Year = st.getText(0);
        row.CreditorName = st.getText(1);
        for (int k = 0; k < 12; ++k)
            row.Months[k] = st.getDouble(2 + k);
        d.rows.push_back(std::move(row));
    }
    const QVariant total = db.scalar(QStringLiteral("SELECT SUM(Balance) as TotalBalance FROM Debts"));
    d.TotalBalance = total.isNull() ? 0 : total.toDouble();
    return d;
}

double TCrossTabReport::MonthFontSize(double totalBalance)
{
    return totalBalance >= 1000000 ? 8 : 10;
}

TReport TCrossTabReport::Build(const TCrossTabData &d, const QString &caption, const QDate &printDate)
{
    TReport r;
    r.orientation = QPageLayout::Landscape;
    const double W = r.usableWidth();
    r.reportTitle = SharedHeaderBand(ReportTitlePrefix(caption), TReportTitle(d.title), printDate, W, 0.5, 29);
    const double monthSize = MonthFontSize(d.TotalBalance);

    for (std::size_t i = 0; i < d.rows.size();) {
        const QString year = d.rows[i].Year;
        TReportGroup g;
        TReportBand &h = g.header;
        h.height = 12;
        TReportObject &y = h.add(TReportObject::MakeText(QStringLiteral("ghYear"), QRectF(0, 0.1, 106, 6), year, 12,
                                                         Qt::AlignLeft | Qt::AlignBottom));
        y.bold = true;
        TReportObject &cn = h.add(TReportObject::MakeText(QString(), QRectF(0, 7, 50, 5), QStringLiteral("Creditor Name"),
                                                          10, Qt::AlignLeft | Qt::AlignBottom));
        cn.bold = cn.underline = true;
        for (int k = 0; k < 12; ++k) {
            TReportObject &c = h.add(TReportObject::MakeText(QString(), QRectF(55.4 + 17 * k, 7, 17, 5),
                                                             QString::fromLatin1(kMonths[k]), 10,
                                                             Qt::AlignRight | Qt::AlignBottom));
            c.bold = c.underline = true;
        }

        std::array<double, 12> sums{};
        for (; i < d.rows.size() && d.rows[i].Year == year; ++i) {
            const TCrossTabRow &row = d.rows[i];
            TReportBand line;
            line.height = 5.5;
            TReportObject &name = line.add(TReportObject::MakeText(QStringLiteral("mdCreditorName"),
                                                                   QRectF(0, 0, W, 5), row.CreditorName, 10,
                                                                   Qt::AlignLeft | Qt::AlignBottom));
            name.fill = r.oddLineFill;
            name.oddLineFill = true;
            for (int k = 0; k < 12; ++k) {
                line.add(TReportObject::MakeText(QStringLiteral("md") + QLatin1String(kMonths[k]), monthCell(k, 0, 5),
                                                 monthText(row.Months[k]), monthSize,
                                                 Qt::AlignRight | Qt::AlignBottom));
                sums[k] += row.Months[k];
            }
            g.lines.push_back(std::move(line));
        }

        TReportBand &f = g.footer;
        f.height = 11;
        for (int k = 0; k < 12; ++k) {
            TReportObject &t = f.add(TReportObject::MakeText(QStringLiteral("gf") + QLatin1String(kMonths[k]),
                                                             QRectF(55.4 + 17 * k, 0, 17, 5), monthText(sums[k]),
                                                             monthSize, Qt::AlignRight | Qt::AlignBottom));
            t.bold = true;
            t.frames = Qt::TopEdge;
            t.frameStyle = TFrameStyle::Double;
            t.frameColor = QColor(0xA9, 0xA9, 0xA9);
        }
        r.groups.push_back(std::move(g));
    }

    r.pageFooter = SharedPageFooterBand(printDate, W);
    return r;
}

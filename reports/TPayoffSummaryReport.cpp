#include "reports/TPayoffSummaryReport.h"

#include "engine/MonthTexts.h"
#include "reports/ReportBands.h"
#include "reports/ReportFormat.h"
#include "store/Db.h"

namespace {

const QColor kWhiteSmoke(0xF5, 0xF5, 0xF5), kDarkGray(0xA9, 0xA9, 0xA9);

TReportObject text(const QString &name, double x, double y, double w, double h, const QString &t,
                   Qt::Alignment align = Qt::AlignLeft, bool bold = false, bool underline = false, double size = 10)
{
    TReportObject o = TReportObject::MakeText(name, QRectF(x, y, w, h), t, size, align | Qt::AlignVCenter);
    o.bold = bold;
    o.underline = underline;
    return o;
}

void doubleLine(TReportObject &o, Qt::Edge edge)
{
    o.frames = edge;
    o.frameStyle = TFrameStyle::Double;
    o.frameColor = kDarkGray;
}

} // namespace

TPayoffSummaryData TPayoffSummaryReport::Read(Database &db)
{
    TPayoffSummaryData d;
    d.title = ReadReportTitleData(db);
    Statement rows(db, QStringLiteral("SELECT Priority, CreditorName, APR, Balance, Payment, kxInterestPaid "
                                      "FROM view_PayoffSummary"));
    while (rows.step())
        d.rows.push_back({rows.getDouble(0), rows.getText(1), rows.getDouble(2), rows.getDouble(3),
                          rows.getDouble(4), rows.getDouble(5)});
    Statement agg(db, QStringLiteral("SELECT SUM(Balance), SUM(minInterestPaid), SUM(kxInterestPaid), "
                                     "MAX(MinMonths), MAX(kxMonths) FROM view_PayoffSummary"));
    if (agg.step()) {
        d.B = agg.getDouble(0);
        d.IM = agg.getDouble(1);
        d.IK = agg.getDouble(2);
        d.MM = agg.getInt(3);
        d.MK = agg.getInt(4);
    }
    return d;
}

TReport TPayoffSummaryReport::Build(const TPayoffSummaryData &d, const QDate &printDate)
{
    TReport r;
    r.orientation = QPageLayout::Portrait;
    const double W = r.usableWidth();
    r.reportTitle = SharedHeaderBand(ReportTitlePrefix(QStringLiteral("Payoff Summary Report")),
                                     TReportTitle(d.title), printDate, W, 0, 28);

    TReportBand &ch = r.columnHeader;
    ch.height = 5;
    ch.add(text(QString(), 0, 0, 16, 5, QStringLiteral("Priority"), Qt::AlignHCenter, true, true));
    ch.add(text(QString(), 16, 0, 50, 5, QStringLiteral("Creditor Name"), Qt::AlignLeft, true, true));
    ch.add(text(QString(), 66, 0, 12, 5, QStringLiteral("APR"), Qt::AlignRight, true, true));
    ch.add(text(QString(), 78, 0, 43, 5, QStringLiteral("Balance"), Qt::AlignRight, true, true));
    ch.add(text(QString(), 121, 0, 37, 5, QStringLiteral("Payment"), Qt::AlignRight, true, true));
    ch.add(text(QString(), 159.9, 0, 36, 5, QStringLiteral("Interest"), Qt::AlignRight, true, true));

    TReportGroup g;
    g.keepTogether = false;
    double sumBalance = 0, sumPayment = 0, sumInterest = 0;
    for (const TPayoffSummaryRow &row : d.rows) {
        TReportBand line;
        line.height = 5;
        TReportObject &bg = line.add(text(QStringLiteral("mdBackground"), 0, 0, W, 5, QString()));
        bg.fill = kWhiteSmoke;
        bg.oddLineFill = true;
        line.add(text(QStringLiteral("mdPriority"), 0, 0, 16, 5, FormatShortest(row.Priority), Qt::AlignHCenter));
        line.add(text(QStringLiteral("mdCreditorName"), 16, 0, 50, 5, row.CreditorName));
        line.add(text(QStringLiteral("mdAPR"), 66, 0, 12, 5, FormatNumber(row.APR, 2), Qt::AlignRight));
        line.add(text(QStringLiteral("mdBalance"), 78, 0, 43, 5, FormatNumber(row.Balance, 2), Qt::AlignRight));
        line.add(text(QStringLiteral("mdPayment"), 121, 0, 37, 5, FormatNumber(row.Payment, 2), Qt::AlignRight));
        line.add(text(QStringLiteral("mdInterest"), 157.9, 0, 38, 5, FormatNumber(row.kxInterestPaid, 2),
                      Qt::AlignRight));
        g.lines.push_back(std::move(line));
        sumBalance += row.Balance;
        sumPayment += row.Payment;
        sumInterest += row.kxInterestPaid;
    }
    r.groups.push_back(std::move(g));

    TReportBand &f = r.footer;
    f.height = 6;
    const struct {
        const char *name;
        double x, w;
        QString t;
        Qt::Alignment a;
    } totals[] = {
        {"ftTotals", 16, 62, QStringLiteral("Totals"), Qt::AlignLeft},
        {"ftBalance", 78, 43, FormatNumber(sumBalance, 2), Qt::AlignRight},
        {"ftPayment", 121, 37, FormatNumber(sumPayment, 2), Qt::AlignRight},
        {"ftInterest", 157.9, 38, FormatNumber(sumInterest, 2), Qt::AlignRight},
    };
    for (const auto &t : totals)
        doubleLine(f.add(text(QString::fromLatin1(t.name), t.x, 0, t.w, 6, t.t, t.a, true)), Qt::TopEdge);

    TReportBand &s = r.summary;
    s.height = 88;
    s.add(text(QStringLiteral("smTitle"), 0, 17.8, W, 9, QStringLiteral("Minimum Payments vs. Your Payoff Plan"),
               Qt::AlignLeft, true, false, 12));
    s.add(text(QString(), 0, 32, 40, 5, QStringLiteral(" "), Qt::AlignLeft, false, true));
    s.add(text(QString(), 49.6, 32, 45, 5, QStringLiteral("Minimum Payments"), Qt::AlignRight, true, true));
    s.add(text(QString(), 106.4, 32, 45, 5, QStringLiteral("Your Payoff Plan"), Qt::AlignRight, true, true));
    s.add(text(QString(), 154.6, 32, 40, 5, QStringLiteral("You Save"), Qt::AlignRight, true, true));

    const auto money = [](double v) { return FormatNumber(v, 2); };
    struct Row {
        double y, h;
        const char *title;
        bool shaded, bold, lineUnder;
        const char *mp, *kx, *ys;
        QString mpText, kxText, ysText;
        bool ysBold;
    };
    const Row rows[] = {
        {38.2, 5, "Total Money Owed", true, false, false, "rsMPMoney", "rsKXMoney", "", money(d.B),
         money(d.B), QString(), false},
        {44.1, 5, "Total Interest Paid", false, false, false, "rsMPInterest", "rsKXInterest", nullptr, money(d.IM),
         money(d.IK), QString(), false},
        {50, 5, "Total Paid", true, false, true, "rsTotalPaidMP", "rsTotalPaidKX", "rsYSInterest",
         money(d.B + d.IM), money(d.B + d.IK), money(d.IM - d.IK), false},
        {55.8, 6, "Total Money Saved", false, true, false, "", "", "rsYSMoney", QString(), QString(),
         money(d.IM - d.IK), true},
        {62.2, 6, "Time to Pay Off", true, true, false, "rsMPTime", "rsKXTime", "rsYSTime",
         FormatYearsMonths(d.MM), FormatYearsMonths(d.MK), FormatYearsMonths(d.MM - d.MK), true},
    };
    for (const Row &row : rows) {
        TReportObject &t = s.add(text(QString(), 0, row.y, W, row.h, QString::fromLatin1(row.title), Qt::AlignLeft,
                                      row.bold));
        if (row.shaded)
            t.fill = kWhiteSmoke;
        if (row.lineUnder)
            doubleLine(t, Qt::BottomEdge);
        s.add(text(QString::fromLatin1(row.mp), 49.6, row.y, 45, row.h, row.mpText, Qt::AlignRight));
        s.add(text(QString::fromLatin1(row.kx), 106.4, row.y, 45, row.h, row.kxText, Qt::AlignRight));
        if (row.ys)
            s.add(text(QString::fromLatin1(row.ys), 154.6, row.y, 40, row.h, row.ysText, Qt::AlignRight, row.ysBold));
    }

    r.pageFooter = SharedPageFooterBand(printDate, W);
    return r;
}

#include "reports/TSavingsReport.h"

#include "engine/CalendarDate.h"
#include "engine/MonthTexts.h"
#include "engine/TDebtReduction.h"
#include "reports/ReportBands.h"
#include "reports/ReportFormat.h"
#include "store/Db.h"

#include <stdexcept>

namespace {

const QColor kDarkGray(0xA9, 0xA9, 0xA9), kSteelBlue(0x46, 0x82, 0xB4), kSeaGreen(0x2E, 0x8B, 0x57),
    kDarkGreen(0x00, 0x64, 0x00), kWhiteSmoke(0xF5, 0xF5, 0xF5);

int plainInteger(const QString &text, const char *label)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok)
        throw std::invalid_argument(QStringLiteral("'%1' is not a valid integer value (%2).")
                                        .arg(text, QLatin1String(label))
                                        .toStdString());
    return v;
}

double labelValue(const QString &text)
{
    QString s = text;
    s.remove(u',');
    return s.toDouble();
}

// Font sizes of the charts are in 96-dpi pixels, the unit charts are drawn in.
QFont chartFont(double points, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(qRound(points * 96 / 72));
    f.setBold(bold);
    return f;
}

TReportObject barChart(const QString &name, const QRectF &rect, const QString &title, const QString &minText,
                       const QString &planText)
{
    TReportObject o;
    o.kind = TReportObject::BarChart;
    o.name = name;
    o.rect = rect;
    o.chart = {{QStringLiteral("Min Pmt"), labelValue(minText), kDarkGray},
               {QStringLiteral("Your Plan"), labelValue(planText), QColor(0x3E, 0x7A, 0xA7)}};
    o.barStyle.title = title;
    o.barStyle.titleFont = chartFont(24, true);
    // 16 pt names overlap under two bars 55 mm wide; 12 pt fits them.
    o.barStyle.axisLabelFont = chartFont(12, true);
    o.barStyle.valueFont = chartFont(10, true);
    o.barStyle.axisColor = kDarkGray;
    return o;
}

} // namespace

TSavingsReportValues TSavingsReport::ValuesFromDb(Database &db)
{
    TSavingsReportValues v;
    Statement st(db, QStringLiteral("SELECT PlanName, StartDate, Strategy, PledgeMoney FROM Plan LIMIT 1"));
    if (st.step()) {
        v.PlanName = st.getText(0);
        v.StartMonth = FormatMonthYear(QDate::fromString(st.getText(1).left(10), Qt::ISODate));
        v.Strategy = st.getText(2);
        v.PledgeMoney = FormatShortest(st.getDouble(3));
    }
    const TDebtReduction r(db);
    v.R2C2 = v.R3C2 = QString::number(r.DebtCount());
    v.R2C3 = v.R3C3 = FormatThousands(r.TotalDebt());
    v.R2C4 = FormatThousands(r.InterestMinPmt());
    v.R3C4 = FormatThousands(r.InterestKorvo());
    v.R4C4 = FormatThousands(r.InterestSaved());
    v.R2C5 = QString::number(r.MonthsMinPmt());
    v.R3C5 = QString::number(r.MonthsKorvo());
    v.R4C5 = FormatThousands(r.MonthsSaved());
    v.R2C6 = FormatMonthYear(ToQDate(r.DebtFreeDateMinPmt()));
    v.R3C6 = FormatMonthYear(ToQDate(r.DebtFreeDateKorvo()));
    v.R4C6 = r.YearsMonths();
    return v;
}

TReport TSavingsReport::Build(const TSavingsReportValues &v, const QDate &printDate)
{
    const int savedMonths = plainInteger(v.R2C5, "R2C5") - plainInteger(v.R3C5, "R3C5");

    TReport r;
    r.orientation = QPageLayout::Landscape;
    TReportBand &b = r.pageHeader;
    b.height = 177.7;

    TReportObject logo;
    logo.kind = TReportObject::Picture;
    logo.name = QStringLiteral("picLogo");
    logo.rect = QRectF(0, 0, 8.5, 8.5);
    logo.picture = ReportLogo();
    b.add(logo);
    b.add(TReportObject::MakeText(QStringLiteral("rtTitle"), QRectF(8.5, 0, 250, 9),
                                  QStringLiteral("  Payoff Savings Report: ") + v.PlanName, 16,
                                  Qt::AlignLeft | Qt::AlignVCenter))
        .bold = true;
    b.add(TReportObject::MakeText(QString(), QRectF(0, 10, 28, 5), QStringLiteral("Start Month:")));
    b.add(TReportObject::MakeText(QStringLiteral("rtStartMonth"), QRectF(30, 10, 30, 5), v.StartMonth));
    b.add(TReportObject::MakeText(QStringLiteral("bgStrategy"), QRectF(0, 15, 60, 5), QString())).fill = kWhiteSmoke;
    b.add(TReportObject::MakeText(QString(), QRectF(0, 15, 28, 5), QStringLiteral("Payoff Strategy:")));
    b.add(TReportObject::MakeText(QStringLiteral("rtStrategy"), QRectF(30, 15, 30, 5), v.Strategy));
    b.add(TReportObject::MakeText(QString(), QRectF(0, 20.5, 28, 5), QStringLiteral("Pledge Money:")));
    b.add(TReportObject::MakeText(QStringLiteral("rtPledgeMoney"), QRectF(30, 20, 30, 5), v.PledgeMoney));
    AddPrintDate(b, printDate, QRectF(206.4, 10.8, 30, 5), QRectF(236.4, 10.8, 23, 5));

    // The savings table.
    const double rowY[4] = {29.7, 34.5, 39.7, 45.0};
    const struct {
        double x, w;
        const char *caption;
        Qt::Alignment align;
    } cols[5] = {
        {79.4, 17, "# Debts", Qt::AlignHCenter},
        {97.1, 38.2, "Debt", Qt::AlignRight},
        {135.7, 37, "Interest", Qt::AlignRight},
        {173.9, 26, "Months", Qt::AlignRight},
        {200.8, 54, "Debt Free Date", Qt::AlignHCenter},
    };
    for (const auto &c : cols)
        b.add(TReportObject::MakeText(QString(), QRectF(c.x, rowY[0], c.w, 5), QString::fromLatin1(c.caption), 10,
                                      c.align | Qt::AlignVCenter))
            .bold = true;
    const struct {
        const char *title;
        QColor color;
        QString cells[5];
    } rows[3] = {
        {"Minimum Payments", kDarkGray, {v.R2C2, v.R2C3, v.R2C4, v.R2C5, v.R2C6}},
        {"Your Payoff Plan", kSteelBlue, {v.R3C2, v.R3C3, v.R3C4, v.R3C5, v.R3C6}},
        {"Savings", kSeaGreen, {QString(), QString(), v.R4C4, v.R4C5, v.R4C6}},
    };
    for (int i = 0; i < 3; ++i) {
        const double y = rowY[i + 1];
        TReportObject &bar = b.add(TReportObject::MakeText(QStringLiteral("bar%1").arg(i + 2),
                                                           QRectF(5.4, y, 250.6, 5),
                                                           QString::fromLatin1(rows[i].title), 10,
                                                           Qt::AlignLeft | Qt::AlignVCenter));
        bar.fill = rows[i].color;
        bar.textColor = Qt::white;
        bar.bold = true;
        bar.frames = Qt::BottomEdge;
        bar.frameColor = Qt::white;
        for (int c = 0; c < 5; ++c) {
            // The savings row has no debt count or total.
            if (i == 2 && c < 2)
                continue;
            TReportObject &cell = b.add(TReportObject::MakeText(QStringLiteral("R%1C%2").arg(i + 2).arg(c + 2),
                                                                QRectF(cols[c].x, y, cols[c].w, 5), rows[i].cells[c],
                                                                10, cols[c].align | Qt::AlignVCenter));
            cell.textColor = Qt::white;
            cell.frames = Qt::LeftEdge;
            cell.frameColor = Qt::white;
        }
    }

    TReportObject donut;
    donut.kind = TReportObject::Donut;
    donut.name = QStringLiteral("Chart1");
    donut.rect = QRectF(1, 57.7, 120, 120);
    donut.chart = {{QStringLiteral("Debt"), labelValue(v.R3C3), QColor(0xF5, 0x77, 0x07)},
                   {QStringLiteral("Savings"), labelValue(v.R4C4), kSeaGreen},
                   {QStringLiteral("Interest"), labelValue(v.R3C4), QColor(0x3E, 0x7A, 0xA7)}};
    donut.donutStyle.holeRatio = 0.4;
    donut.donutStyle.startAngle = 90;
    donut.donutStyle.labelFont = chartFont(12, true);
    b.add(donut);
    b.add(barChart(QStringLiteral("Chart2"), QRectF(123.5, 51.6, 55, 108), QStringLiteral("Interest"), v.R2C4, v.R3C4));
    b.add(barChart(QStringLiteral("Chart3"), QRectF(195, 51.6, 55, 108), QStringLiteral("Months"), v.R2C5, v.R3C5));

    const struct {
        double x;
        const char *name;
        QString text;
    } boxes[2] = {{124.5, "SavingsInterest", v.R4C4}, {196, "SavingsMonths", FormatYrMo(savedMonths)}};
    for (const auto &bx : boxes) {
        TReportObject box;
        box.kind = TReportObject::RoundRect;
        box.rect = QRectF(bx.x, 162.3, 55, 15);
        box.fill = kSeaGreen;
        box.frames = Qt::TopEdge | Qt::BottomEdge | Qt::LeftEdge | Qt::RightEdge;
        box.frameColor = kDarkGreen;
        box.frameWidth = 2 * 25.4 / 96;
        box.radius = 3;
        b.add(box);
        TReportObject &t = b.add(TReportObject::MakeText(QString::fromLatin1(bx.name), QRectF(bx.x, 163.2, 55, 13),
                                                         bx.text, 24, Qt::AlignCenter));
        t.bold = true;
        t.textColor = Qt::white;
    }

    r.pageFooter = SharedPageFooterBand(printDate, r.usableWidth());
    return r;
}

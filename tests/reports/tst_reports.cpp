// The report renderer and the six layouts, checked on the laid-out objects.
#include "app/TAppinfo.h"
#include "engine/TPaymentRec.h"
#include "reports/ReportBands.h"
#include "reports/ReportFormat.h"
#include "reports/TCrossTabReport.h"
#include "reports/TPayoffSummaryReport.h"
#include "reports/TReportCatalog.h"
#include "reports/TReportLayout.h"
#include "reports/TSavingsReport.h"
#include "reports/TWorksheetReport.h"
#include "store/DebtOrder.h"
#include "store/PlanLookup.h"
#include "store/TdmSQLite.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

const QDate kPrinted(2026, 6, 5);

QString textOf(const TReportDocument &doc, const QString &name)
{
    const TReportObject *o = doc.find(name);
    return o ? o->text : QStringLiteral("<missing %1>").arg(name);
}

// The working plan as the program leaves it after opening Sample 2.
class Sample2 : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dm = new TdmSQLite(QStringLiteral(ORVESSA_TEMPLATE_DB), TdmSQLite::PrivateCopy{});
        Database &db = dm->conSQLite();
        TAppinfo::SetMinPmtAllowed(25);
        dm->CopyPlanFromHist(SavedPlanId(db, QStringLiteral("Sample 2")));
        SortWorkingDebts(db);
        TPaymentRec rec(db);
        rec.btnMinimumPaymentsClick();
        rec.btnKorvoPaymentsClick();
    }
    static void TearDownTestSuite()
    {
        delete dm;
        dm = nullptr;
    }
    static Database &db() { return dm->conSQLite(); }
    static inline TdmSQLite *dm = nullptr;
};

TEST(ReportFormat, Numbers)
{
    const struct {
        double v;
        int decimals;
        const char *text;
    } cases[] = {
        {0.05, 0, "0"},          {0, 0, "0"},
        {-0.004, 2, "0.00"},     {999999.99, 2, "999,999.99"},
        {1000000, 2, "1,000,000.00"}, {1234.5, 0, "1,235"},
        {-1234.5, 0, "-1,235"},  {0.125, 2, "0.13"},
        {13565.21, 2, "13,565.21"}, {100, 0, "100"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatNumber(c.v, c.decimals), QString::fromLatin1(c.text)) << c.v;
}

TEST(ReportFormat, TextsOfDatesPledgeAndTitle)
{
    EXPECT_EQ(FormatMonthYear(QDate(2026, 6, 5)), QStringLiteral("June 2026"));
    EXPECT_EQ(FormatDateMDY(QDate(2026, 6, 5)), QStringLiteral("06/05/2026"));
    EXPECT_EQ(FormatShortest(100), QStringLiteral("100"));
    EXPECT_EQ(FormatShortest(232.5), QStringLiteral("232.5"));
    EXPECT_EQ(FormatShortest(0), QStringLiteral("0"));
    EXPECT_EQ(FormatShortest(1000000), QStringLiteral("1000000"));
    EXPECT_EQ(ReportTitlePrefix(QStringLiteral(" Payoff Summary Report\t\r\n")), QStringLiteral("  Payoff Summary Report: "));
}

// A plain report of `lines` 10 mm lines in groups of `perGroup`.
TReport bandTestReport(int groups, int perGroup)
{
    TReport r;  // Letter portrait: 279.4 high, margins 10
    r.reportTitle.height = 30;
    r.reportTitle.add(TReportObject::MakeText(QStringLiteral("title"), QRectF(0, 0, 50, 10), QStringLiteral("T")));
    r.columnHeader.height = 5;
    r.columnHeader.add(TReportObject::MakeText(QStringLiteral("colhdr"), QRectF(0, 0, 50, 5), QStringLiteral("C")));
    r.pageFooter.height = 6;
    r.pageFooter.add(TReportObject::MakeText(QStringLiteral("pf"), QRectF(0, 0, 50, 6), QStringLiteral("F")));
    for (int g = 0; g < groups; ++g) {
        TReportGroup grp;
        grp.header.height = 10;
        grp.header.add(TReportObject::MakeText(QStringLiteral("gh%1").arg(g), QRectF(0, 0, 50, 10), QString()));
        for (int i = 0; i < perGroup; ++i) {
            TReportBand line;
            line.height = 10;
            TReportObject o = TReportObject::MakeText(QStringLiteral("g%1l%2").arg(g).arg(i + 1), QRectF(0, 0, 50, 10),
                                                      QStringLiteral("x"));
            o.fill = Qt::gray;
            o.oddLineFill = true;
            line.add(o);
            grp.lines.push_back(line);
        }
        grp.footer.height = 10;
        grp.footer.add(TReportObject::MakeText(QStringLiteral("gf%1").arg(g), QRectF(0, 0, 50, 10), QString()));
        r.groups.push_back(grp);
    }
    return r;
}

TEST(ReportLayout, GroupsStayTogetherAndShadingRestartsPerGroup)
{
    // Room under the title: 279.4 - 10 - 6 - 10 - 30 - 5 = 218.4 mm; each
    // group is 10 + 8 * 10 + 10 = 100 mm, so two fit and the third moves.
    const TReportDocument doc = TReportLayout::Layout(bandTestReport(3, 8));
    ASSERT_EQ(doc.pageCount(), 2);
    for (int g = 0; g < 3; ++g) {
        const int page = doc.pageOf(doc.find(QStringLiteral("gh%1").arg(g)));
        EXPECT_EQ(page, g < 2 ? 0 : 1) << g;
        EXPECT_EQ(doc.pageOf(doc.find(QStringLiteral("gf%1").arg(g))), page) << g;
    }
    EXPECT_DOUBLE_EQ(doc.find(QStringLiteral("gh2"))->rect.top(), 10);
    EXPECT_DOUBLE_EQ(doc.find(QStringLiteral("g0l1"))->rect.top(), 10 + 30 + 5 + 10);
    EXPECT_DOUBLE_EQ(doc.find(QStringLiteral("g0l1"))->rect.left(), 10);
    for (int g = 0; g < 3; ++g)
        for (int i = 1; i <= 8; ++i)
            EXPECT_EQ(doc.find(QStringLiteral("g%1l%2").arg(g).arg(i))->fill.isValid(), i % 2 == 1) << g << i;
    EXPECT_EQ(doc.findAll(QStringLiteral("title")).size(), 1u);
    EXPECT_EQ(doc.findAll(QStringLiteral("colhdr")).size(), 1u);
    const auto footers = doc.findAll(QStringLiteral("pf"));
    ASSERT_EQ(footers.size(), 2u);
    for (const TReportObject *f : footers)
        EXPECT_DOUBLE_EQ(f->rect.top(), 279.4 - 10 - 6);
}

TEST(ReportLayout, AGroupLongerThanAPageFlowsOnWithoutLeavingOverflow)
{
    const TReportDocument doc = TReportLayout::Layout(bandTestReport(1, 40));
    ASSERT_EQ(doc.pageCount(), 2);
    const double bottom = 279.4 - 10 - 6;
    for (const TReportPage &p : doc.pages)
        for (const TReportObject &o : p.objects) {
            if (o.name != QLatin1String("pf")) {
                EXPECT_LE(o.rect.bottom(), bottom + 1e-9) << qPrintable(o.name);
            }
        }
    // The group starts under the title rather than leaving page 1 empty.
    EXPECT_EQ(doc.pageOf(doc.find(QStringLiteral("gh0"))), 0);
}

TEST_F(Sample2, PayoffSummaryReport)
{
    const TReportDocument doc = TReportCatalog::Produce(TReportKind::Summary, db(), kPrinted);
    EXPECT_EQ(doc.pageCount(), 1);
    EXPECT_EQ(doc.orientation, QPageLayout::Portrait);
    const std::pair<const char *, const char *> cells[] = {
        {"rsMPMoney", "11,742.00"},      {"rsKXMoney", "11,742.00"},
        {"rsMPInterest", "13,565.21"},   {"rsKXInterest", "2,803.66"},
        {"rsTotalPaidMP", "25,307.21"},  {"rsTotalPaidKX", "14,545.66"},
        {"rsYSInterest", "10,761.55"},   {"rsYSMoney", "10,761.55"},
        {"rsMPTime", "16 Years 2 Months"}, {"rsKXTime", "2 Years 7 Months"},
        {"rsYSTime", "13 Years 7 Months"}, {"ftBalance", "11,742.00"},
        {"ftInterest", "2,803.66"},      {"rtTitle", "  Payoff Summary Report: Sample 2"},
        {"rtStartMonth", "June 2026"},   {"rtStrategy", "Avalanche"},
        {"rtPledgeMoney", "100"},        {"rtDatePrinted", "06/05/2026"},
    };
    for (const auto &[name, text] : cells)
        EXPECT_EQ(textOf(doc, QString::fromLatin1(name)), QString::fromUtf8(text)) << name;
    // Debts in priority order, every other line shaded from the first.
    const auto names = doc.findAll(QStringLiteral("mdCreditorName"));
    ASSERT_EQ(names.size(), 5u);
    EXPECT_EQ(names.front()->text, QStringLiteral("Kohl's"));
    const auto shades = doc.findAll(QStringLiteral("mdBackground"));
    for (std::size_t i = 0; i < shades.size(); ++i)
        EXPECT_EQ(shades[i]->fill.isValid(), i % 2 == 0) << i;
    EXPECT_EQ(doc.find(QStringLiteral("ftBalance"))->frameStyle, TFrameStyle::Double);
}

TEST(PayoffSummaryReport, ManyDebtsContinueWithTheColumnHeaderOnce)
{
    TPayoffSummaryData d;
    d.title.PlanName = QStringLiteral("Forty");
    for (int i = 1; i <= 60; ++i)
        d.rows.push_back({double(i), QStringLiteral("Creditor %1").arg(i), 10, 1000, 50, 12.5});
    d.MM = d.MK = 24;
    const TReportDocument doc = TReportLayout::Layout(TPayoffSummaryReport::Build(d, kPrinted));
    ASSERT_EQ(doc.pageCount(), 2);
    int captions = 0;
    for (int p = 0; p < doc.pageCount(); ++p)
        captions += doc.texts(p).count(QStringLiteral("Creditor Name"));
    EXPECT_EQ(captions, 1);
    const auto names = doc.findAll(QStringLiteral("mdCreditorName"));
    ASSERT_EQ(names.size(), 60u);
    // Page 1 holds 43 lines under the 32 mm title and 5 mm captions.
    EXPECT_EQ(doc.pageOf(names[42]), 0);
    EXPECT_EQ(doc.pageOf(names[43]), 1);
    EXPECT_DOUBLE_EQ(names[43]->rect.top(), 10);
    EXPECT_EQ(textOf(doc, QStringLiteral("ftBalance")), QStringLiteral("60,000.00"));
    EXPECT_EQ(doc.findAll(QStringLiteral("pfNotice")).size(), 2u);
    // Same months for both plans: nothing to save.
    EXPECT_EQ(textOf(doc, QStringLiteral("rsYSTime")), QString());
}

TEST_F(Sample2, SavingsReport)
{
    const TReportDocument doc = TReportCatalog::Produce(TReportKind::Savings, db(), kPrinted);
    EXPECT_EQ(doc.pageCount(), 1);
    EXPECT_EQ(doc.orientation, QPageLayout::Landscape);
    const std::pair<const char *, const char *> cells[] = {
        {"rtTitle", "  Payoff Savings Report: Sample 2"},
        {"R2C2", "5"}, {"R2C3", "11,742"}, {"R2C4", "13,565"}, {"R2C5", "194"}, {"R2C6", "July 2042"},
        {"R3C2", "5"}, {"R3C3", "11,742"}, {"R3C4", "2,804"}, {"R3C5", "31"}, {"R3C6", "December 2028"},
        {"R4C4", "10,761"}, {"R4C5", "163"}, {"R4C6", "13 Years 7 Months"},
        {"SavingsInterest", "10,761"}, {"SavingsMonths", "13 Yr 7 Mo"},
        {"rtStartMonth", "June 2026"}, {"rtPledgeMoney", "100"},
    };
    for (const auto &[name, text] : cells)
        EXPECT_EQ(textOf(doc, QString::fromLatin1(name)), QString::fromUtf8(text)) << name;
    EXPECT_EQ(doc.find(QStringLiteral("R4C2")), nullptr);
    const TReportObject *donut = doc.find(QStringLiteral("Chart1"));
    ASSERT_NE(donut, nullptr);
    ASSERT_EQ(donut->chart.size(), 3u);
    EXPECT_EQ(donut->chart[0].value, 11742);
    EXPECT_EQ(donut->chart[1].value, 10761);
    EXPECT_EQ(donut->chart[2].value, 2804);
    EXPECT_EQ(doc.find(QStringLiteral("Chart3"))->chart[0].value, 194);
}

TEST(SavingsReport, MonthsThatAreNotPlainIntegersAreRefused)
{
    TSavingsReportValues v;
    v.R2C5 = QStringLiteral("1,194");
    v.R3C5 = QStringLiteral("31");
    EXPECT_THROW(TSavingsReport::Build(v, kPrinted), std::invalid_argument);
}

TEST_F(Sample2, MonthlyPaymentReport)
{
    const TReportDocument doc = TReportCatalog::Produce(TReportKind::Payments, db(), kPrinted);
    EXPECT_EQ(textOf(doc, QStringLiteral("rtTitle")), QStringLiteral("  Monthly Payment Report: Sample 2"));
    QStringList years;
    for (const TReportObject *o : doc.findAll(QStringLiteral("ghYear")))
        years << o->text;
    EXPECT_EQ(years, (QStringList{"2026", "2027", "2028"}));

    // Lines in order, each line's twelve month texts.
    struct Line {
        QString name;
        QStringList months;
    };
    std::vector<Line> lines;
    for (const TReportPage &p : doc.pages)
        for (const TReportObject &o : p.objects) {
            if (o.name == QLatin1String("mdCreditorName"))
                lines.push_back({o.text, {}});
            else if (o.name.startsWith(QLatin1String("md")))
                lines.back().months << o.text;
        }
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0].name, QStringLiteral("Kohl's"));
    EXPECT_EQ(lines[0].months,
              (QStringList{"", "", "", "", "", "194", "694", "194", "194", "194", "194", "194"}));
    QStringList y2027, y2028;
    for (int i = 5; i < 10; ++i)
        y2027 << lines[i].name;
    for (int i = 10; i < 13; ++i)
        y2028 << lines[i].name;
    EXPECT_EQ(y2027, (QStringList{"Kohl's", "MasterCard", "Discover", "Visa", "Mom & Dad"}));
    EXPECT_EQ(y2028.size(), 3);
    EXPECT_FALSE(y2028.contains(QStringLiteral("Kohl's")));
    EXPECT_EQ(textOf(doc, QStringLiteral("gfJul")), QStringLiteral("954"));
    EXPECT_EQ(textOf(doc, QStringLiteral("gfJan")), QString());
    EXPECT_EQ(doc.find(QStringLiteral("mdJan"))->fontSize, 10);
}

TEST(CrossTabReport, ValuesFontRuleAndGroupBreaks)
{
    TCrossTabData d;
    d.title.PledgeMoney = 0;
    TCrossTabRow row{QStringLiteral("2026"), QStringLiteral("Card"), {}};
    row.Months[0] = 0.05;   // prints 0
    row.Months[1] = 0;      // prints nothing
    row.Months[2] = 1234.4;
    d.rows.push_back(row);
    for (const auto &[total, size] : {std::pair{999999.99, 10.0}, std::pair{1000000.0, 8.0}}) {
        d.TotalBalance = total;
        const TReportDocument doc = TReportLayout::Layout(TCrossTabReport::Build(d, QStringLiteral("Monthly Interest Report"), kPrinted));
        EXPECT_EQ(textOf(doc, QStringLiteral("mdJan")), QStringLiteral("0"));
        EXPECT_EQ(textOf(doc, QStringLiteral("mdFeb")), QString());
        EXPECT_EQ(textOf(doc, QStringLiteral("mdMar")), QStringLiteral("1,234"));
        EXPECT_EQ(textOf(doc, QStringLiteral("gfJan")), QStringLiteral("0"));
        EXPECT_EQ(textOf(doc, QStringLiteral("rtPledgeMoney")), QStringLiteral("0"));
        for (const char *cell : {"mdJan", "mdDec", "gfJan", "gfDec"})
            EXPECT_EQ(doc.find(QString::fromLatin1(cell))->fontSize, size) << total << cell;
        EXPECT_EQ(doc.find(QStringLiteral("mdCreditorName"))->fontSize, 10);
        EXPECT_EQ(doc.find(QStringLiteral("ghYear"))->fontSize, 12);
    }

    // 12 + 12 x 5.5 + 11 = 89 mm a year: two fit under the title on the
    // first page (157.9 mm), the third starts the second page.
    d.rows.clear();
    for (const char *year : {"2026", "2027", "2028"})
        for (int i = 0; i < 12; ++i)
            d.rows.push_back({QString::fromLatin1(year), QStringLiteral("C%1").arg(i), {}});
    const TReportDocument doc = TReportLayout::Layout(TCrossTabReport::Build(d, QStringLiteral("Monthly Balance Report"), kPrinted));
    const auto years = doc.findAll(QStringLiteral("ghYear"));
    ASSERT_EQ(years.size(), 3u);
    EXPECT_EQ(doc.pageOf(years[0]), 0);
    EXPECT_EQ(doc.pageOf(years[1]), 1);
    EXPECT_EQ(doc.pageOf(years[2]), 1);
}

TEST(WorksheetReport, OneBlankPage)
{
    const TReportDocument doc = TReportLayout::Layout(TWorksheetReport::Build(kPrinted));
    ASSERT_EQ(doc.pageCount(), 1);
    EXPECT_EQ(doc.texts(0).count(QStringLiteral("Y")), 20);
    EXPECT_EQ(doc.texts(0).count(QStringLiteral("One Off Date")), 2);
    EXPECT_EQ(textOf(doc, QStringLiteral("rtTitle")), QStringLiteral(" Data Entry Worksheet"));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

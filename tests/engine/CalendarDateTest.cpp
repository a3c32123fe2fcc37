#include "engine/CalendarDate.h"

#include <gtest/gtest.h>

namespace {

using std::chrono::year_month_day;

year_month_day Ymd(int y, unsigned m, unsigned d)
{
    return year_month_day{std::chrono::year(y), std::chrono::month(m), std::chrono::day(d)};
}

TEST(AddOneMonth, CarriesAClampedDayForward)
{
    year_month_day date = Ymd(2026, 1, 31);
    const year_month_day expected[] = {Ymd(2026, 2, 28), Ymd(2026, 3, 28), Ymd(2026, 4, 28)};
    for (const year_month_day& next : expected) {
        date = AddOneMonth(date);
        EXPECT_EQ(date, next);
    }
}

TEST(AddOneMonth, HandlesLeapFebruaryAndTheYearEnd)
{
    EXPECT_EQ(AddOneMonth(Ymd(2028, 1, 31)), Ymd(2028, 2, 29));
    EXPECT_EQ(AddOneMonth(Ymd(2026, 12, 5)), Ymd(2027, 1, 5));
}

TEST(AddMonths, CountsFromTheStartSoTheDayRecovers)
{
    EXPECT_EQ(AddMonths(Ymd(2026, 1, 31), 0), Ymd(2026, 1, 31));
    EXPECT_EQ(AddMonths(Ymd(2026, 1, 31), 1), Ymd(2026, 2, 28));
    EXPECT_EQ(AddMonths(Ymd(2026, 1, 31), 2), Ymd(2026, 3, 31));
    EXPECT_EQ(AddMonths(Ymd(2026, 6, 5), 193), Ymd(2042, 7, 5));
}

TEST(IsoDate, RoundTripsWithZeroPadding)
{
    EXPECT_EQ(ToIsoDate(Ymd(2026, 6, 5)), QStringLiteral("2026-06-05"));
    EXPECT_EQ(ParseIsoDate(QStringLiteral("2026-06-05")), Ymd(2026, 6, 5));
    EXPECT_EQ(ParseIsoDate(QStringLiteral("1900-1-1")), Ymd(1900, 1, 1));
    EXPECT_EQ(ParseIsoDate(QStringLiteral("2028-02-29")), Ymd(2028, 2, 29));
}

TEST(ParseIsoDate, NamesTheTextWhenItIsNotThreeParts)
{
    const char* texts[] = {"", "2026/06/05", "2026-06", "2026-06-05-01", "2026-06-05 10:00:00-05"};
    for (const char* text : texts) {
        try {
            ParseIsoDate(QString::fromUtf8(text));
            ADD_FAILURE() << "no error for '" << text << "'";
        } catch (const TConversionError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("Invalid date format: ") + text);
        }
    }
}

TEST(ParseIsoDate, RejectsPartsThatAreNotIntegersAndImpossibleDates)
{
    const char* texts[] = {
        "-06-05",      "2026-x6-05",  "2026-06-05T", " 2026-06-05", "2026-06-",
        "2026-02-29",  "2026-13-01",  "2026-00-10",  "2026-04-31",  "0-01-01",
        "99999999999999999999-01-01", "2026-4294967297-01",
    };
    for (const char* text : texts)
        EXPECT_THROW(ParseIsoDate(QString::fromUtf8(text)), TConversionError) << text;
}

} // namespace

#include "engine/MonthTexts.h"

#include <gtest/gtest.h>

namespace {

struct MonthsCase {
    int months;
    const char* yrMo;
    const char* yearsMonths;
};

TEST(MonthTexts, SplitIntoYearsAndMonths)
{
    const MonthsCase cases[] = {
        {163, "13 Yr 7 Mo", "13 Years 7 Months"},
        {13, "1 Yr 1 Mo", "1 Year 1 Month"},
        {24, "2 Yr", "2 Years"},
        {5, "5 Mo", "5 Months"},
        {1, "1 Mo", "1 Month"},
        {14, "1 Yr 2 Mo", "1 Year 2 Months"},
        {0, "", ""},
        {-5, "", ""},
        {-25, "", ""},
    };
    for (const MonthsCase& c : cases) {
        EXPECT_EQ(FormatYrMo(c.months), QString::fromUtf8(c.yrMo)) << c.months;
        EXPECT_EQ(FormatYearsMonths(c.months), QString::fromUtf8(c.yearsMonths)) << c.months;
    }
}

} // namespace

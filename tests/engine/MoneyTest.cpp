#include "engine/Money.h"

#include <gtest/gtest.h>

namespace {

struct RoundCase {
    const char* name;
    double input;
    double expected;
};

TEST(RoundToCents, RoundsHalvesAwayFromZeroAndKeepsTheInputsDouble)
{
    const RoundCase cases[] = {
        {"positive half goes up", 0.125, 0.13},
        {"negative half goes down", -0.125, -0.13},
        {"1.005 is stored below the half", 1.005, 1.00},
        {"2.345 is stored above the half", 2.345, 2.35},
        {"just below half a cent", 0.004999, 0.0},
        {"zero", 0.0, 0.0},
        {"whole amount", 194.0, 194.0},
        {"a card's first interest", 3415 * (21.0 / 1200), 59.76},
    };
    for (const RoundCase& c : cases)
        EXPECT_EQ(RoundToCents(c.input), c.expected) << c.name;
}

TEST(RoundToCents, ResultIsTheScaledDoubleNotTheNearestDecimal)
{
    // The schedule stores exactly these doubles.
    EXPECT_EQ(RoundToCents(3380.76 - 33.809999999999995), 3346.9500000000003);
    EXPECT_EQ(RoundToCents(3380.76 * 0.01 + 59.16), 92.97);
}

struct SuggestedCase {
    const char* name;
    double apr;
    double balance;
    double onePercent;
    double plusFive;
};

TEST(SuggestedMinimumPayment, FollowsInterestPlusOnePercentOrFive)
{
    const SuggestedCase cases[] = {
        {"zero APR", 0, 1000, 10.00, 5.00},
        {"card at 21 %", 21, 3415, 93.91, 64.76},
        {"zero balance", 19.8, 0, 0, 5.00},
    };
    for (const SuggestedCase& c : cases) {
        EXPECT_EQ(InterestPlusOnePercent(c.apr, c.balance), c.onePercent) << c.name;
        EXPECT_EQ(InterestPlusFive(c.apr, c.balance), c.plusFive) << c.name;
    }
}

} // namespace

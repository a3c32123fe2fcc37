#include "engine/TPaymentRecEngine.h"

#include "SamplePlan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

int MonthsWith(TPaymentPlan plan, double pledge)
{
    TPaymentRecEngine::InitializeWorkArrays(plan);
    TPaymentRecEngine().DoKorvoCalculations(plan, pledge, true, false);
    return plan.NumMonths;
}

TEST(DateFinder, SamplePlanBounds)
{
    TPaymentPlan plan = MakeSample2();
    EXPECT_EQ(TPaymentRecEngine().KorvoMonthsNoPledgeMoney(plan), 43);
    EXPECT_EQ(plan.NumMonths, 43);
    EXPECT_EQ(std::trunc(TPaymentRecEngine::GetOneMonthPledge(plan)) + 1, 11563);
}

struct TargetCase {
    int months;
    double pledge;
};

TEST(DateFinder, FindsTheSmallestWholePledgeForTheTarget)
{
    const TargetCase cases[] = {{1, 11563}, {2, 5395}, {3, 3505}, {4, 2560}, {5, 1993}};
    for (const TargetCase& c : cases) {
        TPaymentPlan plan = MakeSample2();
        const TDateFinderResult result = TPaymentRecEngine().DateFinderSearch(plan, c.months);
        EXPECT_EQ(result.PledgeMoney, c.pledge) << c.months;
        EXPECT_EQ(result.TargetMonths, c.months);

        // The recorded run is the plan with the amount found.
        EXPECT_EQ(plan.NumMonths, c.months);
        ASSERT_FALSE(plan.KXPayments.empty());
        EXPECT_EQ(plan.KXPayments.back().PaymentNumber, c.months);
        if (c.months > 1) {
            EXPECT_GT(MonthsWith(MakeSample2(), c.pledge - 1), c.months) << c.months;
        }
    }
}

TEST(DateFinder, SearchMakesAFewDozenRunsAndEndsStepping)
{
    TPaymentPlan plan = MakeSample2();
    const TDateFinderResult result = TPaymentRecEngine().DateFinderSearch(plan, 20);
    EXPECT_LE(MonthsWith(MakeSample2(), result.PledgeMoney), 20);
    EXPECT_GT(MonthsWith(MakeSample2(), result.PledgeMoney - 1), 20);
    EXPECT_GT(result.LoopCount, 5);
    EXPECT_LT(result.LoopCount, 40);
    EXPECT_LE(result.LastTrialMonths, 20);
}

struct ClampCase {
    const char* name;
    int target;
    int clamped;
    double pledge;
};

TEST(DateFinder, ClampsTheTargetToReachableMonths)
{
    const ClampCase cases[] = {
        {"zero months is one month", 0, 1, 11563},
        {"negative months is one month", -7, 1, 11563},
        {"beyond the no-pledge plan needs nothing", 60, 43, 0},
        {"the no-pledge plan itself needs nothing", 43, 43, 0},
        {"a month shorter needs money", 42, 42, -1},
    };
    for (const ClampCase& c : cases) {
        TPaymentPlan plan = MakeSample2();
        const TDateFinderResult result = TPaymentRecEngine().DateFinderSearch(plan, c.target);
        EXPECT_EQ(result.TargetMonths, c.clamped) << c.name;
        if (c.pledge >= 0) {
            EXPECT_EQ(result.PledgeMoney, c.pledge) << c.name;
        } else {
            EXPECT_GT(result.PledgeMoney, 0) << c.name;
        }
        EXPECT_LE(plan.NumMonths, c.clamped) << c.name;
    }
}

TEST(DateFinder, DeferredPlanGetsThePledgeFromTheFirstMonth)
{
    TPaymentPlan deferred = MakeSample2();
    deferred.PlanType = QStringLiteral("Deferred");
    TPaymentPlan immediate = MakeSample2();
    const double found = TPaymentRecEngine().DateFinderSearch(deferred, 5).PledgeMoney;
    EXPECT_EQ(found, TPaymentRecEngine().DateFinderSearch(immediate, 5).PledgeMoney);
    EXPECT_EQ(deferred.KXPayments.front().PaymentAmount, 94 + found);
}

TEST(DateFinder, PlanWithNothingOwedNeedsNoPledge)
{
    TPaymentPlan plan = MakeSample2();
    for (TDebts& debt : plan.arrDebts)
        debt.Balance = 0;
    const TDateFinderResult result = TPaymentRecEngine().DateFinderSearch(plan, 3);
    EXPECT_EQ(result.PledgeMoney, 0);
    EXPECT_EQ(result.TargetMonths, 0);
    EXPECT_EQ(plan.NumMonths, 0);
    EXPECT_TRUE(plan.KXPayments.empty());
}

TEST(DateFinder, SearchEndsForBalancesBeyondWholeAmountPrecision)
{
    const double balances[] = {1e300, std::numeric_limits<double>::infinity()};
    for (const double balance : balances) {
        TPaymentPlan plan;
        plan.StartDate = Ymd(2026, 6, 5);
        plan.PlanType = QStringLiteral("Immediate");
        plan.arrDebts = {Debt(1, "Loan", "Huge", 10, balance, 50)};
        TPaymentRecEngine::InitializeWorkArrays(plan);
        const TDateFinderResult result = TPaymentRecEngine().DateFinderSearch(plan, 5);
        EXPECT_EQ(result.TargetMonths, 5) << balance;
        EXPECT_LT(result.LoopCount, 100) << balance;
        EXPECT_LE(plan.NumMonths, 5) << balance;
    }
}

TEST(DateFinder, LogsTheSearch)
{
    TLogLines log;
    TPaymentPlan plan = MakeSample2();
    const TDateFinderResult result = TPaymentRecEngine(&log).DateFinderSearch(plan, 3);

    ASSERT_EQ(log.Lines.size(), 4 + static_cast<qsizetype>(plan.KXPayments.size()) * 11);
    const qsizetype tail = log.Lines.size() - 4;
    EXPECT_EQ(log.Lines[tail], QStringLiteral("LoopCount: %1").arg(result.LoopCount));
    EXPECT_EQ(log.Lines[tail + 1], QStringLiteral("Pledge Money: 3505"));
    EXPECT_EQ(log.Lines[tail + 2], QStringLiteral("Number of Months: %1").arg(result.LastTrialMonths));
    EXPECT_TRUE(log.Lines[tail + 3].startsWith(QStringLiteral("sw.ElapsedMilliseconds = ")));

    TLogLines oneMonth;
    TPaymentPlan again = MakeSample2();
    TPaymentRecEngine(&oneMonth).DateFinderSearch(again, 1);
    EXPECT_EQ(oneMonth.Lines.filter(QStringLiteral("LoopCount: ")).size(), 0);
    EXPECT_TRUE(oneMonth.Lines.last().startsWith(QStringLiteral("sw.ElapsedMilliseconds = ")));
}

} // namespace

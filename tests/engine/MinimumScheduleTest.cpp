#include "engine/TPaymentRecEngine.h"

#include "SamplePlan.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int DefaultMinPmtAllowed = 25;

TMinPmtArray Schedule(const std::vector<TDebts>& debts, int minPmtAllowed = DefaultMinPmtAllowed)
{
    return TPaymentRecEngine().MinimumPaymentSchedule(debts, Ymd(2026, 6, 5), minPmtAllowed);
}

TEST(MinimumSchedule, CardPaymentDeclinesWithTheBalanceUntilPaidOff)
{
    const TMinPmtArray rows = Schedule({Debt(1, "Credit Card", "Kohl's", 21, 3415, 94)});
    ASSERT_EQ(rows.size(), 190u);

    EXPECT_EQ(rows[0].PmtNumber, 1);
    EXPECT_EQ(rows[0].PmtDate, Ymd(2026, 6, 5));
    EXPECT_EQ(rows[0].Balance, 3415);
    EXPECT_EQ(rows[0].Interest, 59.76);
    EXPECT_EQ(rows[0].Payment, 94);
    EXPECT_EQ(rows[0].Principal, 34.24);
    EXPECT_EQ(rows[0].NewBalance, 3380.76);

    EXPECT_EQ(rows[1].PmtNumber, 2);
    EXPECT_EQ(rows[1].PmtDate, Ymd(2026, 7, 5));
    EXPECT_EQ(rows[1].Balance, 3380.76);
    EXPECT_EQ(rows[1].Interest, 59.160000000000004); // 5916 * 0.01, as rounded
    EXPECT_EQ(rows[1].Payment, 92.97);
    EXPECT_EQ(rows[1].Principal, 33.809999999999995);
    EXPECT_EQ(rows[1].NewBalance, 3346.9500000000003);

    const TMinimumPayments& last = rows.back();
    EXPECT_EQ(last.PmtNumber, 190);
    EXPECT_EQ(last.NewBalance, 0);
    EXPECT_EQ(last.Payment, last.Balance + last.Interest);
    // Late in the schedule 1 % plus interest is below the floor.
    EXPECT_EQ(rows[150].Payment, 25);
}

TEST(MinimumSchedule, LoanPaysItsFixedPayment)
{
    const TMinPmtArray rows = Schedule({Debt(5, "Loan", "Mom & Dad", 0, 500, 50)});
    ASSERT_EQ(rows.size(), 10u);
    for (const TMinimumPayments& row : rows) {
        EXPECT_EQ(row.Payment, 50);
        EXPECT_EQ(row.Interest, 0);
    }
    EXPECT_EQ(rows.back().NewBalance, 0);
}

TEST(MinimumSchedule, SamplePlanRunsEachDebtFromTheStart)
{
    const TPaymentPlan plan = MakeSample2();
    const TMinPmtArray rows = Schedule(plan.arrDebts);

    const auto slowest = std::max_element(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return a.PmtNumber < b.PmtNumber;
    });
    EXPECT_EQ(slowest->PmtNumber, 194);
    EXPECT_EQ(slowest->PmtDate, Ymd(2042, 7, 5));
    EXPECT_EQ(std::max_element(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
                  return a.PmtDate < b.PmtDate;
              })->PmtDate,
              Ymd(2042, 7, 5));

    double interest = 0;
    for (const TMinimumPayments& row : rows)
        interest += row.Interest;
    EXPECT_EQ(std::round(interest), 13565);

    // Rows are grouped by debt; each debt starts again with payment 1 on the start date.
    int expectedDebt = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0 && rows[i].Debt != rows[i - 1].Debt) {
            ++expectedDebt;
            EXPECT_EQ(rows[i].PmtNumber, 1);
            EXPECT_EQ(rows[i].PmtDate, Ymd(2026, 6, 5));
        }
        ASSERT_EQ(rows[i].Debt, expectedDebt);
        EXPECT_EQ(rows[i].CreditorName, plan.arrDebts[expectedDebt].CreditorName);
    }
    EXPECT_EQ(expectedDebt, 4);
}

TEST(MinimumSchedule, StopsADebtAfter500PaymentsWithTheBalanceLeft)
{
    // After the floor the loan's payment is below its interest, so it grows every month.
    const TMinPmtArray rows = Schedule({Debt(1, "Loan", "Car", 12, 5000, 10), Debt(2, "Loan", "Next", 0, 100, 50)});
    ASSERT_EQ(rows.size(), 502u);
    EXPECT_EQ(rows[499].PmtNumber, 500);
    EXPECT_GT(rows[499].NewBalance, rows[0].Balance);
    EXPECT_EQ(rows[1].Payment, 25);
    EXPECT_EQ(rows[500].Debt, 1);
    EXPECT_EQ(rows[500].PmtNumber, 1);
}

TEST(MinimumSchedule, OnlyLaterRowsRoundTheNewBalance)
{
    const TMinPmtArray rows = Schedule({Debt(1, "Loan", "Friend", 0, 100.1, 20.2)}, 15);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0].NewBalance, 100.1 - 20.2);
    EXPECT_NE(rows[0].NewBalance, 79.9);
    EXPECT_EQ(rows[1].NewBalance, 59.7);
}

TEST(MinimumSchedule, PaymentAboveBalancePaysBalancePlusInterestOnce)
{
    const TMinPmtArray rows = Schedule({Debt(1, "Credit Card", "Store", 18, 40, 500)});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Interest, 0.6);
    EXPECT_EQ(rows[0].Payment, 40 + 0.6);
    EXPECT_EQ(rows[0].NewBalance, 0);
}

struct FloorCase {
    const char* name;
    int minPmtAllowed;
    std::size_t payments;
};

TEST(MinimumSchedule, FloorRaisesEveryPaymentButTheFirst)
{
    // A 0 % loan of 500 entered at 20: 20 first, then the floor.
    const FloorCase cases[] = {
        {"floor 15 keeps the entered payment", 15, 25},
        {"floor 25", 25, 21},
        {"floor 35", 35, 15},
    };
    for (const FloorCase& c : cases) {
        const TMinPmtArray rows = Schedule({Debt(1, "Loan", "Friend", 0, 500, 20)}, c.minPmtAllowed);
        ASSERT_EQ(rows.size(), c.payments) << c.name;
        EXPECT_EQ(rows[0].Payment, 20) << c.name;
        EXPECT_EQ(rows[1].Payment, std::max(20, c.minPmtAllowed)) << c.name;
    }
}

TEST(MinimumSchedule, ZeroBalanceDebtGetsOneEmptyRow)
{
    const TMinPmtArray rows = Schedule({Debt(1, "Credit Card", "Closed", 21, 0, 35)});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Payment, 0);
    EXPECT_EQ(rows[0].NewBalance, 0);
}

TEST(MinimumSchedule, LogsEveryRowAndEachGrowthOfTheArray)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TLogLines log;
    const TMinPmtArray rows =
        TPaymentRecEngine(&log).MinimumPaymentSchedule(MakeSample2().arrDebts, Ymd(2026, 6, 5), 25);
    QLocale::setDefault(QLocale::c());

    ASSERT_GT(rows.size(), 451u);
    ASSERT_EQ(log.Lines.size(), static_cast<qsizetype>(rows.size()) + 2);
    EXPECT_EQ(log.Lines[0], QStringLiteral("High = 499"));
    EXPECT_EQ(log.Lines[1], QStringLiteral("PmtDate = 6/5/26"));
    // The row at index 450 is the first past 90 % of 500 slots.
    EXPECT_EQ(log.Lines[451], QStringLiteral("High = 997"));
    EXPECT_TRUE(log.Lines[452].startsWith(QStringLiteral("PmtDate = ")));
    EXPECT_EQ(log.Lines.filter(QStringLiteral("High = ")).size(), 2);
}

} // namespace

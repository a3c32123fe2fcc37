#pragma once

#include "engine/PaymentPlan.h"

#include <chrono>
#include <vector>

class TEngineLog;

struct TTotals {
    double Balance = 0;
    double Payment = 0;
};

struct TDateFinderResult {
    double PledgeMoney = 0; ///< smallest whole amount that pays off within TargetMonths
    int TargetMonths = 0;   ///< the target after clamping to 1 .. months without pledge money
    int LoopCount = 0;      ///< simulation runs of the search, the final recorded run excluded
    int LastTrialMonths = 0;
};

/// The payoff engine: pure computations on a TPaymentPlan snapshot. It touches neither the
/// database nor the user interface; the only side channel is the optional developer log.
class TPaymentRecEngine
{
public:
    /// Most payments a debt gets in the minimum-payment schedule.
    static constexpr int MaxMinimumPayments = 500;
    /// Most months an accelerated run simulates.
    static constexpr int MaxKorvoMonths = 1000;

    explicit TPaymentRecEngine(TEngineLog* log = nullptr) noexcept;
    void SetLog(TEngineLog* log) noexcept;
    TEngineLog* Log() const noexcept;

    /// Builds TempKXDebts and TempKXPmtBal from arrDebts and empties KXPayments. Also sets
    /// NumDebts and NumOneOffs to the array sizes. Needed before every accelerated run.
    static void InitializeWorkArrays(TPaymentPlan& plan);

    /// Reserves room for more payment records: 100 when empty, else 2 * (capacity - 1).
    static void GrowKXPayments(TPaymentPlan& plan);

    /// Totals of Balance and Payment over arrDebts, each rounded after every addition.
    static TTotals GetTotals(const TPaymentPlan& plan);

    /// Every debt paid on its own with its minimum payment, all starting at startDate.
    /// Per debt: interest = RoundToCents(balance * MonthlyRate(APR)); after the first payment a
    /// "Loan" pays its entered payment, any other type RoundToCents(balance * 0.01 + interest);
    /// from the second payment on at least minPmtAllowed; never more than balance + interest;
    /// at most MaxMinimumPayments payments.
    TMinPmtArray MinimumPaymentSchedule(const std::vector<TDebts>& debts, std::chrono::year_month_day startDate,
                                        int minPmtAllowed) const;

    /// The accelerated schedule: every debt pays its regular payment; the month's extra money
    /// (pledge or override, one-offs, payments freed by paid-off debts) goes to the first unpaid
    /// debt in order, and what it does not need to the next. Sets NumMonths; with record set
    /// fills KXPayments, otherwise leaves it empty. Stops after MaxKorvoMonths months.
    /// Expects freshly initialised work arrays (initialises them if their sizes do not match).
    void DoKorvoCalculations(TPaymentPlan& plan, double overrideAmount, bool useOverride, bool record) const;

    /// Plain sum of the one-offs dated in the calendar month of date.
    static double GetOneOffsForMonth(const TPaymentPlan& plan, std::chrono::year_month_day date);

    /// Sum of WorkBal over the debts, rounded after every addition.
    static double GetRemainingBalance(const TPaymentPlan& plan);

    /// Stamps month as PaymentNumber on every debt that paid something this month.
    static void NumberPayments(TPaymentPlan& plan, int month);

    /// Appends this month's payment records (one per debt with WorkPmt > 0).
    void RecordKXPayments(int& recordCount, TPaymentPlan& plan, int month) const;

    /// Extra money that pays off every debt in the first month: sum(Balance) + sum(OMI) - sum(Payment).
    static double GetOneMonthPledge(const TPaymentPlan& plan);

    /// Months of the accelerated plan without any pledge money (one-offs still count).
    /// Reinitialises the work arrays and leaves NumMonths set.
    int KorvoMonthsNoPledgeMoney(TPaymentPlan& plan) const;

    /// Date Finder: the smallest whole pledge money, applied from the first month, whose plan
    /// ends within targetMonths (clamped to 1 .. months without pledge money); for one month it
    /// is trunc(GetOneMonthPledge) + 1. Leaves the recorded run with that amount in KXPayments.
    TDateFinderResult DateFinderSearch(TPaymentPlan& plan, int targetMonths) const;

private:
    TEngineLog* FLog;
};

#include "engine/TPaymentRecEngine.h"

#include "SamplePlan.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const TKXPayment* FindRecord(const TPaymentPlan& plan, int month, int priority)
{
    for (const TKXPayment& record : plan.KXPayments) {
        if (record.PaymentNumber == month && record.Priority == priority)
            return &record;
    }
    return nullptr;
}

TPaymentPlan RunRecorded(TPaymentPlan plan)
{
    TPaymentRecEngine::InitializeWorkArrays(plan);
    TPaymentRecEngine().DoKorvoCalculations(plan, 0, false, true);
    return plan;
}

class SampleKorvo : public ::testing::Test
{
protected:
    TPaymentPlan plan = RunRecorded(MakeSample2());
};

struct PaymentCase {
    const char* name;
    int month;
    int priority;
    double payment; // < 0: no record expected
};

TEST_F(SampleKorvo, ExtraMoneyGoesToTheFirstUnpaidDebt)
{
    const PaymentCase cases[] = {
        {"month 1: pledge on top of the first card", 1, 1, 194},
        {"month 1: the others pay their regular payment", 1, 2, 46},
        {"month 1: the loan pays its payment", 1, 5, 50},
        {"month 2: the July one-off joins", 2, 1, 694},
        {"month 10: the March one-off joins", 10, 1, 444},
        {"month 10: the loan clears with its regular payment", 10, 5, 50},
        {"month 11: the loan's payment rolls over", 11, 1, 244},
        {"month 11: the loan is paid off", 11, 5, -1},
        {"month 15: the first card clears", 15, 1, 220.99},
        {"month 15: the rest passes on in the same month", 15, 2, 69.01},
        {"month 15: later debts keep their payment", 15, 3, 95},
        {"month 16: everything freed goes to the second card", 16, 2, 290},
        {"month 16: the first card is gone", 16, 1, -1},
    };
    for (const PaymentCase& c : cases) {
        const TKXPayment* record = FindRecord(plan, c.month, c.priority);
        if (c.payment < 0) {
            EXPECT_EQ(record, nullptr) << c.name;
            continue;
        }
        ASSERT_NE(record, nullptr) << c.name;
        EXPECT_EQ(record->PaymentAmount, c.payment) << c.name;
    }

    const TKXPayment* first = FindRecord(plan, 1, 1);
    EXPECT_EQ(first->PaymentDate, Ymd(2026, 6, 5));
    EXPECT_EQ(first->StartBalance, 3415);
    EXPECT_EQ(first->Interest, 59.76);
    EXPECT_EQ(first->Principal, 134.24);
    EXPECT_EQ(first->NewBalance, 3280.76);
    EXPECT_EQ(first->CreditorName, QStringLiteral("Kohl's"));
    EXPECT_EQ(FindRecord(plan, 2, 1)->PaymentDate, Ymd(2026, 7, 5));
    EXPECT_EQ(FindRecord(plan, 10, 5)->NewBalance, 0);
}

TEST_F(SampleKorvo, EndsInMonth31WithConsecutiveRecords)
{
    EXPECT_EQ(plan.NumMonths, 31);
    ASSERT_EQ(plan.KXPayments.size(), 105u);
    const TKXPayment& last = plan.KXPayments.back();
    EXPECT_EQ(last.PaymentNumber, 31);
    EXPECT_EQ(last.PaymentDate, Ymd(2028, 12, 5));
    EXPECT_EQ(last.NewBalance, 0);

    double interest = 0;
    for (std::size_t i = 0; i < plan.KXPayments.size(); ++i) {
        const TKXPayment& record = plan.KXPayments[i];
        EXPECT_EQ(record.RecordNum, static_cast<int>(i) + 1);
        EXPECT_GT(record.PaymentAmount, 0);
        if (i > 0) {
            const TKXPayment& before = plan.KXPayments[i - 1];
            EXPECT_TRUE(record.PaymentNumber == before.PaymentNumber || record.PaymentNumber == before.PaymentNumber + 1);
            EXPECT_EQ(record.PaymentNumber == before.PaymentNumber, record.PaymentDate == before.PaymentDate);
        }
        if (record.Priority == 5) {
            EXPECT_EQ(record.Interest, 0);
        }
        interest += record.Interest;
    }
    EXPECT_EQ(std::round(interest), 2804);
}

TEST_F(SampleKorvo, RunWithoutRecordingGivesTheSameMonthsAndNoRecords)
{
    TPaymentPlan quiet = MakeSample2();
    TPaymentRecEngine().DoKorvoCalculations(quiet, 0, false, false);
    EXPECT_EQ(quiet.NumMonths, plan.NumMonths);
    EXPECT_TRUE(quiet.KXPayments.empty());
}

TEST(KorvoSchedule, TotalsAndOneOffsHelpers)
{
    TPaymentPlan plan = MakeSample2();
    const TTotals totals = TPaymentRecEngine::GetTotals(plan);
    EXPECT_EQ(totals.Balance, 11742);
    EXPECT_EQ(totals.Payment, 354);
    EXPECT_EQ(TPaymentRecEngine::GetRemainingBalance(plan), 11742);

    plan.arrOneOffs.push_back({Ymd(2026, 7, 1), 0.1});
    plan.arrOneOffs.push_back({Ymd(2027, 7, 31), 0.2});
    EXPECT_EQ(TPaymentRecEngine::GetOneOffsForMonth(plan, Ymd(2026, 7, 5)), 500 + 0.1);
    EXPECT_EQ(TPaymentRecEngine::GetOneOffsForMonth(plan, Ymd(2027, 7, 5)), 0.2);
    EXPECT_EQ(TPaymentRecEngine::GetOneOffsForMonth(plan, Ymd(2026, 8, 18)), 0);
}

// Two small cards at 0 %: payments are easy to follow by hand.
TPaymentPlan TwoCards(const char* planType, double pledge)
{
    TPaymentPlan plan;
    plan.StartDate = Ymd(2026, 6, 5);
    plan.PlanType = QString::fromUtf8(planType);
    plan.PledgeMoney = pledge;
    plan.arrDebts = {Debt(1, "Credit Card", "First", 0, 1000, 100), Debt(2, "Credit Card", "Second", 0, 1000, 50)};
    TPaymentRecEngine::InitializeWorkArrays(plan);
    return plan;
}

struct ExtraCase {
    const char* name;
    const char* planType;
    std::vector<TOneOffs> oneOffs;
    bool useOverride;
    double overrideAmount;
    double month1;
    double month2;
};

TEST(KorvoSchedule, ExtraMoneyPerMonth)
{
    const ExtraCase cases[] = {
        {"immediate pledge from month 1", "Immediate", {}, false, 0, 300, 300},
        {"deferred skips the pledge in month 1 only", "Deferred", {}, false, 0, 100, 300},
        {"plan type is matched exactly", "deferred", {}, false, 0, 300, 300},
        {"deferred still takes a one-off in month 1", "Deferred", {{Ymd(2026, 6, 30), 40}}, false, 0, 140, 300},
        {"one-offs in one month add up, any day",
         "Immediate",
         {{Ymd(2026, 7, 1), 10}, {Ymd(2026, 7, 31), 20}},
         false,
         0,
         300,
         330},
        {"one-off before the start is never used", "Immediate", {{Ymd(2026, 5, 5), 500}}, false, 0, 300, 300},
        {"same month of another year is not this month", "Immediate", {{Ymd(2027, 6, 5), 500}}, false, 0, 300, 300},
        {"override replaces the pledge in every month", "Immediate", {}, true, 50, 150, 150},
        {"override applies in month 1 of a deferred plan", "Deferred", {}, true, 50, 150, 150},
    };
    for (const ExtraCase& c : cases) {
        TPaymentPlan plan = TwoCards(c.planType, 200);
        plan.arrOneOffs = c.oneOffs;
        TPaymentRecEngine::InitializeWorkArrays(plan);
        TPaymentRecEngine().DoKorvoCalculations(plan, c.overrideAmount, c.useOverride, true);
        ASSERT_NE(FindRecord(plan, 2, 1), nullptr) << c.name;
        EXPECT_EQ(FindRecord(plan, 1, 1)->PaymentAmount, c.month1) << c.name;
        EXPECT_EQ(FindRecord(plan, 2, 1)->PaymentAmount, c.month2) << c.name;
        EXPECT_EQ(FindRecord(plan, 1, 2)->PaymentAmount, 50) << c.name;
    }
}

TEST(KorvoSchedule, RegularPaymentAboveTheBalanceHelpsAnEarlierDebt)
{
    TPaymentPlan plan;
    plan.StartDate = Ymd(2026, 6, 5);
    plan.PlanType = QStringLiteral("Immediate");
    plan.arrDebts = {Debt(1, "Credit Card", "First", 0, 1000, 100), Debt(2, "Loan", "Small", 0, 30, 100)};
    TPaymentRecEngine::InitializeWorkArrays(plan);
    TPaymentRecEngine().DoKorvoCalculations(plan, 0, false, true);

    EXPECT_EQ(FindRecord(plan, 1, 1)->PaymentAmount, 170);
    EXPECT_EQ(FindRecord(plan, 1, 2)->PaymentAmount, 30);
    EXPECT_EQ(FindRecord(plan, 1, 2)->NewBalance, 0);
    EXPECT_EQ(FindRecord(plan, 2, 1)->PaymentAmount, 200);
    EXPECT_EQ(FindRecord(plan, 2, 2), nullptr);
}

TEST(KorvoSchedule, StartOnThe31stCarriesTheClampedDay)
{
    TPaymentPlan plan = TwoCards("Immediate", 0);
    plan.StartDate = Ymd(2026, 1, 31);
    TPaymentRecEngine::InitializeWorkArrays(plan);
    TPaymentRecEngine().DoKorvoCalculations(plan, 0, false, true);
    EXPECT_EQ(FindRecord(plan, 1, 1)->PaymentDate, Ymd(2026, 1, 31));
    EXPECT_EQ(FindRecord(plan, 2, 1)->PaymentDate, Ymd(2026, 2, 28));
    EXPECT_EQ(FindRecord(plan, 3, 1)->PaymentDate, Ymd(2026, 3, 28));
}

TEST(KorvoSchedule, StopsAfter1000MonthsWhenInterestOutrunsThePayment)
{
    TPaymentPlan plan;
    plan.StartDate = Ymd(2026, 6, 5);
    plan.PlanType = QStringLiteral("Immediate");
    plan.arrDebts = {Debt(1, "Credit Card", "Never", 24, 10000, 50)};
    TPaymentRecEngine::InitializeWorkArrays(plan);
    TPaymentRecEngine().DoKorvoCalculations(plan, 0, false, true);
    EXPECT_EQ(plan.NumMonths, 1000);
    ASSERT_EQ(plan.KXPayments.size(), 1000u);
    EXPECT_GT(plan.KXPayments.back().NewBalance, 10000);
    EXPECT_EQ(plan.KXPayments.back().PaymentDate, Ymd(2109, 9, 5));
}

TEST(KorvoSchedule, BalancesTotallingZeroRunNoMonth)
{
    TPaymentPlan plan = TwoCards("Immediate", 100);
    for (TDebts& debt : plan.arrDebts)
        debt.Balance = 0;
    TPaymentRecEngine::InitializeWorkArrays(plan);
    TPaymentRecEngine().DoKorvoCalculations(plan, 0, false, true);
    EXPECT_EQ(plan.NumMonths, 0);
    EXPECT_TRUE(plan.KXPayments.empty());

    TPaymentPlan none;
    TPaymentRecEngine().DoKorvoCalculations(none, 0, false, true);
    EXPECT_EQ(none.NumMonths, 0);
}

TEST(KorvoSchedule, RunEndsWhenTheRoundedTotalOfBalancesIsNoLongerPositive)
{
    // A credit balance counts against the others: 30 still owed, but the total is -20.
    TPaymentPlan plan;
    plan.StartDate = Ymd(2026, 6, 5);
    plan.PlanType = QStringLiteral("Immediate");
    plan.arrDebts = {Debt(1, "Credit Card", "Owed", 0, 100, 60), Debt(2, "Credit Card", "Credit", 0, -50, 10)};
    TPaymentRecEngine::InitializeWorkArrays(plan);
    TPaymentRecEngine().DoKorvoCalculations(plan, 0, false, true);
    EXPECT_EQ(plan.NumMonths, 1);
    ASSERT_EQ(plan.KXPayments.size(), 1u);
    EXPECT_EQ(plan.KXPayments[0].PaymentAmount, 70);
    EXPECT_EQ(plan.KXPayments[0].NewBalance, 30);
}

TEST(KorvoSchedule, LogsTenFieldsAndABlankPerRecordOnlyWhenRecording)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TLogLines log;
    TPaymentRecEngine engine(&log);
    TPaymentPlan plan = MakeSample2();
    engine.DoKorvoCalculations(plan, 0, false, false);
    EXPECT_TRUE(log.Lines.isEmpty());

    TPaymentRecEngine::InitializeWorkArrays(plan);
    engine.DoKorvoCalculations(plan, 0, false, true);
    QLocale::setDefault(QLocale::c());

    ASSERT_EQ(log.Lines.size(), 105 * 11);
    const QStringList first = log.Lines.mid(0, 11);
    EXPECT_EQ(first, QStringList({"RecordNum: 1", "PaymentNumber: 1", "PaymentDate: 6/5/26", "Priority: 1",
                                  "CreditorName: Kohl's", "StartBalance: 3415", "PaymentAmount: 194",
                                  "Interest: 59.76", "Principal: 134.24", "NewBalance: 3280.76", " "}));
}

} // namespace

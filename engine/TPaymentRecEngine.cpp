#include "engine/TPaymentRecEngine.h"

#include "engine/CalendarDate.h"
#include "engine/Money.h"
#include "engine/TEngineLog.h"

#include <QElapsedTimer>
#include <QLocale>

#include <cmath>

using std::chrono::year_month_day;

namespace {

constexpr int InitialKXCapacity = 250;

QString ShortDateText(const year_month_day& date)
{
    return QLocale().toString(ToQDate(date), QLocale::ShortFormat);
}

QString FloatText(double value)
{
    return QString::number(value, 'g', 15);
}

// Growth is due once the next index passes 90 % of the capacity.
bool NeedsGrowth(int nextIndex, int capacity)
{
    return nextIndex > static_cast<int>(std::trunc((capacity - 1) * 0.9));
}

} // namespace

TPaymentRecEngine::TPaymentRecEngine(TEngineLog* log) noexcept : FLog(log) {}

void TPaymentRecEngine::SetLog(TEngineLog* log) noexcept
{
    FLog = log;
}

TEngineLog* TPaymentRecEngine::Log() const noexcept
{
    return FLog;
}

void TPaymentRecEngine::InitializeWorkArrays(TPaymentPlan& plan)
{
    const int n = static_cast<int>(plan.arrDebts.size());
    plan.NumDebts = n;
    plan.NumOneOffs = static_cast<int>(plan.arrOneOffs.size());
    plan.TempKXDebts.resize(n);
    plan.TempKXPmtBal.resize(n);
    for (int i = 0; i < n; ++i) {
        const TDebts& debt = plan.arrDebts[i];
        TKXDebts& k = plan.TempKXDebts[i];
        k.RecordNum = i + 1;
        k.Priority = debt.Priority;
        k.CreditorName = debt.CreditorName;
        k.PmtDate = plan.StartDate;
        k.A = debt.APR;
        k.B = debt.Balance;
        k.P = debt.Payment;
        k.C = 0;
        k.R = 0;

        TKXPmtBal& s = plan.TempKXPmtBal[i];
        s.RecordNum = i + 1;
        s.PaymentNumber = 0;
        s.Priority = debt.Priority;
        s.CreditorName = debt.CreditorName;
        s.PmtDate = plan.StartDate;
        s.PrevPmt = s.WorkPmt = debt.Payment;
        s.PrevBal = s.WorkBal = debt.Balance;
    }
    plan.KXPayments.clear();
    plan.KXPayments.reserve(InitialKXCapacity);
}

void TPaymentRecEngine::GrowKXPayments(TPaymentPlan& plan)
{
    const auto capacity = plan.KXPayments.capacity();
    plan.KXPayments.reserve(capacity == 0 ? 100 : 2 * (capacity - 1));
}

TTotals TPaymentRecEngine::GetTotals(const TPaymentPlan& plan)
{
    TTotals totals;
    for (const TDebts& debt : plan.arrDebts) {
        totals.Balance = RoundToCents(totals.Balance + debt.Balance);
        totals.Payment = RoundToCents(totals.Payment + debt.Payment);
    }
    return totals;
}

TMinPmtArray TPaymentRecEngine::MinimumPaymentSchedule(const std::vector<TDebts>& debts, year_month_day startDate,
                                                       int minPmtAllowed) const
{
    const double floorPayment = minPmtAllowed;
    TMinPmtArray rows;
    // The capacity is tracked by hand so that the log shows the same growth steps whatever
    // the vector does underneath.
    int capacity = 0;
    auto grow = [&] {
        capacity = capacity == 0 ? 500 : 2 * (capacity - 1);
        rows.reserve(capacity);
        if (FLog)
            FLog->AddLogLine(QStringLiteral("High = ") + QString::number(capacity - 1));
    };
    auto add = [&](int debt, int number, const year_month_day& date, const QString& creditor, double balance,
                   double payment, double interest, double principal, double newBalance) {
        rows.push_back({creditor, debt, number, date, balance, payment, interest, principal, newBalance});
        if (FLog)
            FLog->AddLogLine(QStringLiteral("PmtDate = ") + ShortDateText(date));
    };

    grow();
    for (int j = 0; j < static_cast<int>(debts.size()); ++j) {
        const TDebts& debt = debts[j];
        const bool isLoan = debt.DebtType == QLatin1String("Loan");
        const double rate = MonthlyRate(debt.APR);
        double balance = debt.Balance;
        double payment = debt.Payment;
        year_month_day date = startDate;
        int number = 1;

        // The first payment is the entered one, without the floor.
        double interest = RoundToCents(balance * rate);
        if (payment >= balance + interest)
            payment = balance + interest;
        double principal = payment - interest;
        double newBalance = balance - principal;
        add(j, number, date, debt.CreditorName, balance, payment, interest, principal, newBalance);

        while (newBalance > 0 && number < MaxMinimumPayments) {
            balance = newBalance;
            interest = RoundToCents(balance * rate);
            payment = isLoan ? debt.Payment : RoundToCents(balance * 0.01 + interest);
            if (payment < floorPayment)
                payment = floorPayment;
            if (payment >= balance + interest)
                payment = balance + interest;
            principal = payment - interest;
            newBalance = RoundToCents(balance - principal);
            ++number;
            date = AddOneMonth(date);
            if (NeedsGrowth(static_cast<int>(rows.size()), capacity))
                grow();
            add(j, number, date, debt.CreditorName, balance, payment, interest, principal, newBalance);
        }
    }
    return rows;
}

double TPaymentRecEngine::GetOneOffsForMonth(const TPaymentPlan& plan, year_month_day date)
{
    double sum = 0;
    for (const TOneOffs& oneOff : plan.arrOneOffs) {
        if (oneOff.OneOffDate.year() == date.year() && oneOff.OneOffDate.month() == date.month())
            sum += oneOff.OneoffPayment;
    }
    return sum;
}

double TPaymentRecEngine::GetRemainingBalance(const TPaymentPlan& plan)
{
    double remaining = 0;
    for (const TKXPmtBal& state : plan.TempKXPmtBal)
        remaining = RoundToCents(remaining + state.WorkBal);
    return remaining;
}

void TPaymentRecEngine::NumberPayments(TPaymentPlan& plan, int month)
{
    for (TKXPmtBal& state : plan.TempKXPmtBal) {
        if (state.WorkPmt > 0)
            state.PaymentNumber = month;
    }
}

void TPaymentRecEngine::RecordKXPayments(int& recordCount, TPaymentPlan& plan, int month) const
{
    const int n = static_cast<int>(plan.TempKXPmtBal.size());
    for (int i = 0; i < n; ++i) {
        const TKXPmtBal& s = plan.TempKXPmtBal[i];
        if (!(s.WorkPmt > 0))
            continue;
        ++recordCount;
        TKXPayment record;
        record.RecordNum = recordCount;
        record.PaymentNumber = month;
        record.PaymentDate = s.PmtDate;
        record.Priority = s.Priority;
        record.CreditorName = s.CreditorName;
        record.StartBalance = s.PrevBal;
        record.PaymentAmount = s.WorkPmt;
        record.Interest = RoundToCents(s.WorkBal + s.WorkPmt - s.PrevBal);
        record.Principal = RoundToCents(s.PrevBal - s.WorkBal);
        record.NewBalance = s.WorkBal;
        plan.KXPayments.push_back(record);

        if (FLog) {
            FLog->AddLogLine(QStringLiteral("RecordNum: ") + QString::number(record.RecordNum));
            FLog->AddLogLine(QStringLiteral("PaymentNumber: ") + QString::number(record.PaymentNumber));
            FLog->AddLogLine(QStringLiteral("PaymentDate: ") + ShortDateText(record.PaymentDate));
            FLog->AddLogLine(QStringLiteral("Priority: ") + QString::number(record.Priority));
            FLog->AddLogLine(QStringLiteral("CreditorName: ") + record.CreditorName);
            FLog->AddLogLine(QStringLiteral("StartBalance: ") + FloatText(record.StartBalance));
            FLog->AddLogLine(QStringLiteral("PaymentAmount: ") + FloatText(record.PaymentAmount));
            FLog->AddLogLine(QStringLiteral("Interest: ") + FloatText(record.Interest));
            FLog->AddLogLine(QStringLiteral("Principal: ") + FloatText(record.Principal));
            FLog->AddLogLine(QStringLiteral("NewBalance: ") + FloatText(record.NewBalance));
            FLog->AddLogLine(QStringLiteral(" "));
        }
    }
}

void TPaymentRecEngine::DoKorvoCalculations(TPaymentPlan& plan, double overrideAmount, bool useOverride,
                                            bool record) const
{
    const std::size_t n = plan.arrDebts.size();
    if (plan.TempKXDebts.size() != n || plan.TempKXPmtBal.size() != n)
        InitializeWorkArrays(plan);
    plan.KXPayments.clear();

    // Scratch for the month loop, allocated once per run.
    // due: balance plus the month's interest; both passes need the same value.
    // paidRegular: the first pass left the debt owing after its regular payment.
    // exactPayment: the regular payment is a whole number of cents.
    // finiteRate: a zero balance then accrues zero interest.
    std::vector<double> due(n);
    std::vector<char> paidRegular(n);
    std::vector<char> exactPayment(n);
    std::vector<char> finiteRate(n);
    for (std::size_t i = 0; i < n; ++i) {
        const TKXDebts& k = plan.TempKXDebts[i];
        exactPayment[i] = RoundToCents(k.P) == k.P;
        finiteRate[i] = std::isfinite(k.A);
    }

    const bool deferred = plan.PlanType == QLatin1String("Deferred");
    double remaining = GetTotals(plan).Balance;
    year_month_day date = plan.StartDate;
    int month = 0;
    int recordCount = 0;

    while (remaining > 0) {
        ++month;
        double extra = (month == 1 && deferred) ? 0.0 : plan.PledgeMoney;
        if (useOverride)
            extra = overrideAmount;
        extra += GetOneOffsForMonth(plan, date);

        // Regular payments; whatever a cleared or paid-off debt does not need goes to the pool.
        // due = b + RoundToCents(b * A / 1200)
        double pool = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const TKXDebts& k = plan.TempKXDebts[i];
            TKXPmtBal& s = plan.TempKXPmtBal[i];
            const double b = s.WorkBal;
            due[i] = (b == 0 && finiteRate[i]) ? 0.0 : b + RoundToCents(b * k.A / 1200);
            paidRegular[i] = false;
            double payment = 0;
            double newBalance = 0;
            if (b > 0) {
                if (due[i] > k.P) {
                    payment = k.P;
                    newBalance = RoundToCents(due[i] - k.P);
                    paidRegular[i] = true;
                } else {
                    payment = due[i];
                    pool = RoundToCents(pool + k.P - due[i]);
                }
            } else {
                pool = RoundToCents(pool + k.P);
            }
            s.PrevPmt = k.P;
            s.WorkPmt = payment;
            s.PrevBal = b;
            s.WorkBal = newBalance;
        }

        pool += extra;

        // Hand the pool to the debts in order; the first one it does not clear takes the rest.
        bool anyOwing = false;
        bool noneNegative = true;
        for (std::size_t i = 0; i < n; ++i) {
            TKXPmtBal& s = plan.TempKXPmtBal[i];
            s.PmtDate = date;
            const double d = due[i];
            // An empty pool offers a debt that paid its regular payment exactly that payment
            // again, which the first pass already settled.
            const bool settled = pool == 0 && paidRegular[i] && exactPayment[i] && d > 0;
            if (!settled) {
                double payment = s.WorkPmt;
                double newBalance = d;
                if (d > 0) {
                    const double offer = RoundToCents(pool + payment);
                    if (d > offer) {
                        payment = offer;
                        pool = 0;
                        newBalance = RoundToCents(d - offer);
                    } else {
                        payment = d;
                        pool = RoundToCents(offer - d);
                        newBalance = 0;
                    }
                }
                s.WorkPmt = payment;
                s.WorkBal = newBalance;
            }
            anyOwing = anyOwing || s.WorkBal > 0;
            noneNegative = noneNegative && s.WorkBal >= 0;
        }

        date = AddOneMonth(date);
        NumberPayments(plan, month);
        if (record)
            RecordKXPayments(recordCount, plan, month);

        // Every positive balance is a whole number of cents, so without negative balances the
        // rounded total is positive exactly when some balance is.
        remaining = noneNegative ? (anyOwing ? 1.0 : 0.0) : GetRemainingBalance(plan);
        if (month >= MaxKorvoMonths)
            remaining = 0;
    }
    plan.KXPayments.resize(recordCount);
    plan.NumMonths = month;
}

double TPaymentRecEngine::GetOneMonthPledge(const TPaymentPlan& plan)
{
    double balances = 0;
    double interest = 0;
    double payments = 0;
    for (const TDebts& debt : plan.arrDebts) {
        balances += debt.Balance;
        interest += debt.OMI;
        payments += debt.Payment;
    }
    return balances + interest - payments;
}

int TPaymentRecEngine::KorvoMonthsNoPledgeMoney(TPaymentPlan& plan) const
{
    InitializeWorkArrays(plan);
    DoKorvoCalculations(plan, 0, true, false);
    return plan.NumMonths;
}

TDateFinderResult TPaymentRecEngine::DateFinderSearch(TPaymentPlan& plan, int targetMonths) const
{
    QElapsedTimer stopwatch;
    stopwatch.start();

    TDateFinderResult result;
    auto months = [&](double amount) {
        InitializeWorkArrays(plan);
        DoKorvoCalculations(plan, amount, true, false);
        ++result.LoopCount;
        result.LastTrialMonths = plan.NumMonths;
        return plan.NumMonths;
    };

    // No plan ends in fewer than one month; a lower target would never be met.
    int target = std::max(targetMonths, 1);
    const int monthsNoPledge = months(0);
    if (target > monthsNoPledge)
        target = monthsNoPledge;
    const double onePayoff = std::trunc(GetOneMonthPledge(plan)) + 1;

    double found = 0;
    if (target == 1) {
        found = onePayoff;
    } else if (monthsNoPledge > target) {
        // months(lo) > target, months(hi) <= target; a larger pledge never lengthens the plan.
        double lo = 0;
        double hi = onePayoff;
        while (hi - lo > 9) {
            const double mid = std::trunc((lo + hi) / 2);
            if (!(mid > lo && mid < hi))
                break; // no whole amount left between them (huge or non-finite amounts)
            if (months(mid) > target)
                lo = mid;
            else
                hi = mid;
        }
        found = hi;
        for (int step = 1; step <= 9 && lo + step <= hi; ++step) {
            if (months(lo + step) <= target) {
                found = lo + step;
                break;
            }
        }
    }
    result.TargetMonths = target;
    result.PledgeMoney = found;

    InitializeWorkArrays(plan);
    DoKorvoCalculations(plan, found, true, true);

    if (FLog) {
        if (target != 1) {
            FLog->AddLogLine(QStringLiteral("LoopCount: ") + QString::number(result.LoopCount));
            FLog->AddLogLine(QStringLiteral("Pledge Money: ") + FloatText(found));
            FLog->AddLogLine(QStringLiteral("Number of Months: ") + QString::number(result.LastTrialMonths));
        }
        FLog->AddLogLine(QStringLiteral("sw.ElapsedMilliseconds = ") + QString::number(stopwatch.elapsed()));
    }
    return result;
}

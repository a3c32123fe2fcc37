#include "SamplePlan.h"

#include "engine/TPaymentRecEngine.h"

std::chrono::year_month_day Ymd(int y, unsigned m, unsigned d)
{
    return std::chrono::year_month_day{std::chrono::year(y), std::chrono::month(m), std::chrono::day(d)};
}

TDebts Debt(int priority, const char* type, const char* creditor, double apr, double balance, double payment,
            double omi)
{
    TDebts debt;
    debt.Priority = priority;
    debt.DebtType = QString::fromUtf8(type);
    debt.CreditorName = QString::fromUtf8(creditor);
    debt.APR = apr;
    debt.Balance = balance;
    debt.Payment = payment;
    debt.OMI = omi;
    return debt;
}

TPaymentPlan MakeSample2()
{
    TPaymentPlan plan;
    plan.PlanId = 2;
    plan.PlanName = QStringLiteral("Sample 2");
    plan.StartDate = Ymd(2026, 6, 5);
    plan.Strategy = QStringLiteral("Avalanche");
    plan.PledgeMoney = 100;
    plan.PlanType = QStringLiteral("Immediate");
    plan.arrOneOffs = {{Ymd(2026, 7, 18), 500}, {Ymd(2027, 3, 13), 250}};
    plan.arrDebts = {
        Debt(1, "Credit Card", "Kohl's", 21, 3415, 94, 59.76),
        Debt(2, "Credit Card", "MasterCard", 19.8, 1705, 46, 28.13),
        Debt(3, "Credit Card", "Discover", 17.9, 3781, 95, 56.4),
        Debt(4, "Credit Card", "Visa", 15.69, 2341, 69, 30.61),
        Debt(5, "Loan", "Mom & Dad", 0, 500, 50, 0),
    };
    TPaymentRecEngine::InitializeWorkArrays(plan);
    return plan;
}

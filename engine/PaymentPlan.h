#pragma once

#include <QString>

#include <array>
#include <chrono>
#include <string_view>
#include <vector>

// The engine's in-memory snapshot of the working plan. A caller fills the plan fields,
// arrOneOffs and arrDebts, then calls TPaymentRecEngine::InitializeWorkArrays; the
// simulations never see the database.

/// ORDER BY clauses for the debts, by sort index: 0 Avalanche, 1 Snowball, 2 Custom.
/// The engine always reads the debts with index 2, ascending Priority.
inline constexpr std::array<std::string_view, 3> DebtSortClauses{"Avalanche DESC", "Snowball DESC", "Priority"};
inline constexpr int PrioritySortIndex = 2;

struct TOneOffs {
    std::chrono::year_month_day OneOffDate{};
    double OneoffPayment = 0;
};

struct TDebts {
    int Priority = 0;
    QString DebtType;
    QString CreditorName;
    double APR = 0; ///< percent: 21 means 21 %
    double Balance = 0;
    double Payment = 0; ///< the minimum monthly payment the user entered
    double OMI = 0;     ///< one month's interest as the database rounds it
    double Snowball = 0;
    double Avalanche = 0;
};

/// Constants of one debt for the accelerated run.
struct TKXDebts {
    int RecordNum = 0;
    int Priority = 0;
    QString CreditorName;
    std::chrono::year_month_day PmtDate{};
    double A = 0; ///< APR
    double B = 0; ///< starting balance
    double P = 0; ///< regular monthly payment
    double C = 0;
    double R = 0;
};

/// One debt's state in the month being computed.
struct TKXPmtBal {
    int RecordNum = 0;
    int PaymentNumber = 0; ///< latest month in which the debt received a payment
    int Priority = 0;
    QString CreditorName;
    std::chrono::year_month_day PmtDate{};
    double PrevPmt = 0;
    double WorkPmt = 0;
    double PrevBal = 0;
    double WorkBal = 0;
};

/// One row of the minimum-payment schedule.
struct TMinimumPayments {
    QString CreditorName;
    int Debt = 0;      ///< 0-based position of the debt in priority order
    int PmtNumber = 0; ///< 1-based payment number of that debt
    std::chrono::year_month_day PmtDate{};
    double Balance = 0; ///< before the payment
    double Payment = 0;
    double Interest = 0;
    double Principal = 0;
    double NewBalance = 0;
};
using TMinPmtArray = std::vector<TMinimumPayments>;

/// One payment of the accelerated schedule.
struct TKXPayment {
    int RecordNum = 0;     ///< 1-based, runs over the whole schedule
    int PaymentNumber = 0; ///< month number
    std::chrono::year_month_day PaymentDate{};
    int Priority = 0;
    QString CreditorName;
    double StartBalance = 0;
    double PaymentAmount = 0;
    double Interest = 0;
    double Principal = 0;
    double NewBalance = 0;
};
using TKXPayments = std::vector<TKXPayment>;

struct TPaymentPlan {
    int PlanId = 0;
    QString PlanName;
    std::chrono::year_month_day StartDate{}; ///< date of payment 1 of both schedules
    QString Strategy;
    double PledgeMoney = 0;
    QString PlanType; ///< "Immediate" or "Deferred"
    int NumOneOffs = 0;
    int NumDebts = 0;
    int NumMonths = 0; ///< months simulated by the last accelerated run
    std::vector<TOneOffs> arrOneOffs; ///< ascending date
    std::vector<TDebts> arrDebts;     ///< ascending Priority
    std::vector<TKXDebts> TempKXDebts;   ///< same index as arrDebts
    std::vector<TKXPmtBal> TempKXPmtBal; ///< same index as arrDebts
    TKXPayments KXPayments;
};

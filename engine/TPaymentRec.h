#pragma once
// The engine object as the program uses it: loads a snapshot of the working
// plan from the database, runs the pure engine on it and writes the result
// tables. Each write replaces a table's content in one transaction.

#include "engine/PaymentPlan.h"
#include "engine/TPaymentRecEngine.h"

#include <chrono>

class Database;
class TEngineLog;

class TPaymentRec {
public:
    explicit TPaymentRec(Database &db, TEngineLog *log = nullptr);

    void SetLog(TEngineLog *log);
    const TPaymentRecEngine &Engine() const { return m_engine; }

    // Fills the plan fields and the debt and one-off arrays from the working
    // tables, debts in the order of DebtSortClauses[sortIndex].
    void ReadPaymentPlan(TPaymentPlan &plan, int sortIndex);
    // ReadPaymentPlan, then the work arrays.
    void LoadPaymentPlan(TPaymentPlan &plan, int sortIndex);

    void WriteMinPayments(const TMinPmtArray &rows);
    void WriteKXPayments(const TPaymentPlan &plan);

    // The minimum-payment refresh: load, compute, write.
    void btnMinimumPaymentsClick();
    // The accelerated refresh: load, compute with the plan's own pledge, write.
    void btnKorvoPaymentsClick();
    // Date Finder: reads TAppinfo::DateFinderMonths, stores the amount found in
    // TAppinfo::DateFinderPledgeMoney and writes the plan it gives.
    void btnDateFinderClick();

    std::chrono::year_month_day KorvoStartDate();
    int KorvoMonthsNoPledgeMoney();

private:
    void log(const QString &line) const;

    Database &m_db;
    TEngineLog *m_log;
    TPaymentRecEngine m_engine;
};

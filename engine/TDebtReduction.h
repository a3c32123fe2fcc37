#pragma once
// The figures of the debt-reduction page, each read from the working and
// result tables when asked for; nothing is cached.

#include <QString>

#include <chrono>

class Database;

class TDebtReduction {
public:
    explicit TDebtReduction(Database &db);

    int DebtCount() const;
    // Sum of the balances in whole currency units, halves away from zero, so
    // that the page, the chart and the reports agree.
    double TotalDebt() const;
    double InterestMinPmt() const;
    double InterestKorvo() const;
    double InterestSaved() const { return InterestMinPmt() - InterestKorvo(); }
    int MonthsMinPmt() const;
    int MonthsKorvo() const;
    int MonthsSaved() const { return MonthsMinPmt() - MonthsKorvo(); }
    std::chrono::year_month_day DebtFreeDateMinPmt() const;
    std::chrono::year_month_day DebtFreeDateKorvo() const;
    QString YearsMonths() const;
    QString YrMo() const;

private:
    Database &FQuery;
};

#pragma once
// The payoff savings report: a printable picture of the debt-reduction page.

#include "reports/TReport.h"

#include <QDate>
#include <QString>

class Database;

// The texts the report shows, as the debt-reduction page's labels and the plan
// settings panel display them.
struct TSavingsReportValues {
    QString PlanName, StartMonth, Strategy, PledgeMoney;
    QString R2C2, R2C3, R2C4, R2C5, R2C6;  // minimum payments
    QString R3C2, R3C3, R3C4, R3C5, R3C6;  // your payoff plan
    QString R4C4, R4C5, R4C6;              // savings
};

class TSavingsReport {
public:
    // The same texts computed from the working plan and its result tables,
    // formatted as the debt-reduction page formats them.
    static TSavingsReportValues ValuesFromDb(Database &db);

    // Throws std::invalid_argument when R2C5 or R3C5 is not a plain integer.
    static TReport Build(const TSavingsReportValues &v, const QDate &printDate);
};

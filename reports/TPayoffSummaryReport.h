#pragma once
// The payoff summary report: every debt with its interest under the user's
// plan, then minimum payments against the user's plan.

#include "reports/TReport.h"
#include "reports/TReportTitle.h"

#include <vector>

class Database;

struct TPayoffSummaryRow {
    double Priority = 0;
    QString CreditorName;
    double APR = 0, Balance = 0, Payment = 0, kxInterestPaid = 0;
};

struct TPayoffSummaryData {
    TReportTitleData title;
    std::vector<TPayoffSummaryRow> rows;  // in priority order
    // The aggregate row: total balance, interest of both plans, their months.
    double B = 0, IM = 0, IK = 0;
    int MM = 0, MK = 0;
};

class TPayoffSummaryReport {
public:
    static TPayoffSummaryData Read(Database &db);
    static TReport Build(const TPayoffSummaryData &data, const QDate &printDate);
};

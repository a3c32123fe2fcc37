#pragma once
// The three monthly reports: per calendar year, one line per creditor with
// twelve month columns and a line of monthly totals.

#include "reports/TReport.h"
#include "reports/TReportTitle.h"

#include <array>
#include <vector>

class Database;

enum class TCrossTabKind { Payment, Balance, Interest };

struct TCrossTabRow {
    QString Year;
    QString CreditorName;
    std::array<double, 12> Months{};
};

struct TCrossTabData {
    TReportTitleData title;
    std::vector<TCrossTabRow> rows;  // by year, then in the view's order
    double TotalBalance = 0;         // of the working debts, for the font rule
};

class TCrossTabReport {
public:
    static TCrossTabData Read(Database &db, TCrossTabKind kind);
    // Point size of the month numbers: 8 from a working balance of 1,000,000
    // on, else 10.
    static double MonthFontSize(double totalBalance);
    // `caption` is the button caption the title starts with.
    static TReport Build(const TCrossTabData &data, const QString &caption, const QDate &printDate);
};

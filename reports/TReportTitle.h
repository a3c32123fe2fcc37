#pragma once
// The plan figures in the header of the reports.

#include <QDate>
#include <QString>

class Database;

struct TReportTitleData {
    QString PlanName;
    QDate StartDate;
    QString Strategy;
    double PledgeMoney = 0;
};

class TReportTitle {
public:
    explicit TReportTitle(const TReportTitleData &data);

    QString PlanName() const { return FPlanName; }
    QString StartMonth() const;  // "mmmm yyyy"
    QString Strategy() const { return FStrategy; }
    double PledgeMoney() const { return FPledgeMoney; }

private:
    QString FPlanName;
    QDate FStartDate;
    QString FStrategy;
    double FPledgeMoney;
};

// The first row of the working Plan table; empty data when there is none.
TReportTitleData ReadReportTitleData(Database &db);

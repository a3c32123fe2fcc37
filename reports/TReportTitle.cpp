#include "reports/TReportTitle.h"

#include "reports/ReportFormat.h"
#include "store/Db.h"

TReportTitle::TReportTitle(const TReportTitleData &data)
    : FPlanName(data.PlanName), FStartDate(data.StartDate), FStrategy(data.Strategy), FPledgeMoney(data.PledgeMoney)
{
}

QString TReportTitle::StartMonth() const
{
    return FormatMonthYear(FStartDate);
}

TReportTitleData ReadReportTitleData(Database &db)
{
    TReportTitleData d;
    Statement st(db, QStringLiteral("SELECT PlanName, StartDate, Strategy, PledgeMoney FROM Plan LIMIT 1"));
    if (st.step()) {
        d.PlanName = st.getText(0);
        d.StartDate = QDate::fromString(st.getText(1).left(10), Qt::ISODate);
        d.Strategy = st.getText(2);
        d.PledgeMoney = st.getDouble(3);
    }
    return d;
}

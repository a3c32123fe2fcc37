#include "engine/TDebtReduction.h"

#include "engine/CalendarDate.h"
#include "engine/MonthTexts.h"
#include "store/Db.h"

#include <cmath>

namespace {

// First column of the first row; an invalid QVariant when there is no row.
QVariant first(Database &db, const char *sql)
{
    return db.scalar(QString::fromLatin1(sql));
}

std::chrono::year_month_day dateOf(Database &db, const char *sql)
{
    Statement st(db, QString::fromLatin1(sql));
    const QString text = st.step() ? st.getText(0) : QStringLiteral("1900-01-01");
    return ParseIsoDate(text);
}

} // namespace

TDebtReduction::TDebtReduction(Database &db)
    : FQuery(db)
{
}

int TDebtReduction::DebtCount() const
{
    return first(FQuery, "SELECT MAX( rowid ) FROM Debts").toInt();
}

double TDebtReduction::TotalDebt() const
{
    return std::round(first(FQuery, "SELECT SUM( Balance ) FROM Debts").toDouble());
}

double TDebtReduction::InterestMinPmt() const
{
    return first(FQuery, "SELECT ROUND( COALESCE( SUM( Interest ),0) ) FROM tblMinPaymentsFromArray").toDouble();
}

double TDebtReduction::InterestKorvo() const
{
    return first(FQuery, "SELECT COALESCE(ROUND( SUM( Interest ) ),0) FROM tblKXPaymentsFromArray").toDouble();
}

int TDebtReduction::MonthsMinPmt() const
{
    return first(FQuery, "SELECT COALESCE(MAX(PmtNumber),0) FROM tblMinPaymentsFromArray").toInt();
}

int TDebtReduction::MonthsKorvo() const
{
    return first(FQuery, "SELECT COALESCE(MAX(PaymentNumber),0) FROM tblKXPaymentsFromArray").toInt();
}

std::chrono::year_month_day TDebtReduction::DebtFreeDateMinPmt() const
{
    return dateOf(FQuery, "SELECT CAST( MAX( PmtDate ) as TEXT) FROM tblMinPaymentsFromArray");
}

std::chrono::year_month_day TDebtReduction::DebtFreeDateKorvo() const
{
    return dateOf(FQuery, "SELECT MAX( PaymentDate ) FROM tblKXPaymentsFromArray;");
}

QString TDebtReduction::YearsMonths() const
{
    return FormatYearsMonths(MonthsMinPmt() - MonthsKorvo());
}

QString TDebtReduction::YrMo() const
{
    return FormatYrMo(MonthsMinPmt() - MonthsKorvo());
}

// The engine against the real template database: loading the working plan,
// writing the result tables and reading the summary back.
#include "../store/TestDb.h"
#include "app/TAppinfo.h"
#include "engine/CalendarDate.h"
#include "engine/TDebtReduction.h"
#include "engine/TPaymentRec.h"
#include "store/DebtOrder.h"
#include "store/TdmSQLite.h"

#include <QStringList>

namespace {

using namespace std::chrono;

QStringList table(Database &db, const char *name)
{
    return queryRows(db, QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(QLatin1String(name)));
}

class RefreshTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TAppinfo::SetMinPmtAllowed(25);
        dm = std::make_unique<TdmSQLite>(copy.path);
        db = &dm->conSQLite();
        rec = std::make_unique<TPaymentRec>(*db);
    }
    void open(int planId)
    {
        dm->CopyPlanFromHist(planId);
        SortWorkingDebts(*db);
    }
    void refresh()
    {
        rec->btnMinimumPaymentsClick();
        rec->btnKorvoPaymentsClick();
    }
    TemplateCopy copy;
    std::unique_ptr<TdmSQLite> dm;
    Database *db = nullptr;
    std::unique_ptr<TPaymentRec> rec;
};

TEST_F(RefreshTest, SampleTwoFigures)
{
    open(2);
    refresh();
    const TDebtReduction r(*db);
    EXPECT_EQ(r.DebtCount(), 5);
    EXPECT_EQ(r.TotalDebt(), 11742);
    EXPECT_EQ(r.InterestMinPmt(), 13565);
    EXPECT_EQ(r.InterestKorvo(), 2804);
    EXPECT_EQ(r.InterestSaved(), 10761);
    EXPECT_EQ(r.MonthsMinPmt(), 194);
    EXPECT_EQ(r.MonthsKorvo(), 31);
    EXPECT_EQ(r.MonthsSaved(), 163);
    EXPECT_EQ(r.DebtFreeDateMinPmt(), year_month_day(year(2042), month(7), day(5)));
    EXPECT_EQ(r.DebtFreeDateKorvo(), year_month_day(year(2028), month(12), day(5)));
    EXPECT_EQ(r.YearsMonths(), QStringLiteral("13 Years 7 Months"));
    EXPECT_EQ(r.YrMo(), QStringLiteral("13 Yr 7 Mo"));
}

TEST_F(RefreshTest, StoredRowsKeepTheScheduleDoubles)
{
    open(2);
    refresh();
    Statement st(*db, QStringLiteral("SELECT Debt, PmtNumber, PmtDate, Balance, Payment, Interest, Principal, NewBalance "
                                     "FROM tblMinPaymentsFromArray WHERE CreditorName = 'Kohl''s' ORDER BY rowid LIMIT 2"));
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.getInt(0), 1);
    EXPECT_EQ(st.getText(2), QStringLiteral("2026-06-05"));
    EXPECT_EQ(st.getDouble(7), 3380.76);
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.getInt(1), 2);
    EXPECT_EQ(st.getText(2), QStringLiteral("2026-07-05"));
    EXPECT_EQ(st.getDouble(4), 92.97);
    EXPECT_EQ(st.getDouble(6), 33.809999999999995);
    EXPECT_EQ(st.getDouble(7), 3346.9500000000003);

    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM tblKXPaymentsFromArray")).toInt(), 105);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT group_concat(RecordNum) = (WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                                        "SELECT i + 1 FROM n WHERE i < 105) SELECT group_concat(i) FROM n) "
                                        "FROM tblKXPaymentsFromArray")).toInt(), 1);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT PaymentAmount FROM tblKXPaymentsFromArray WHERE PaymentNumber = 2 "
                                        "AND Priority = 1")).toDouble(), 694);
}

TEST_F(RefreshTest, RefreshIsRepeatableAndAFailedWriteKeepsThePreviousRows)
{
    open(2);
    refresh();
    const QStringList kx = table(*db, "tblKXPaymentsFromArray");
    const QStringList min = table(*db, "tblMinPaymentsFromArray");
    refresh();
    EXPECT_EQ(table(*db, "tblKXPaymentsFromArray"), kx);
    EXPECT_EQ(table(*db, "tblMinPaymentsFromArray"), min);

    db->execBatch(QStringLiteral("UPDATE Plan SET PledgeMoney = 500;"
                                 "CREATE TRIGGER fail_kx BEFORE INSERT ON tblKXPaymentsFromArray "
                                 "WHEN NEW.RecordNum = 50 BEGIN SELECT RAISE(ABORT, 'disk trouble'); END;"));
    EXPECT_THROW(rec->btnKorvoPaymentsClick(), DbError);
    EXPECT_EQ(table(*db, "tblKXPaymentsFromArray"), kx);
}

TEST_F(RefreshTest, DateFinderStoresTheAmountAndItsSchedule)
{
    open(2);
    EXPECT_EQ(rec->KorvoMonthsNoPledgeMoney(), 43);
    EXPECT_EQ(rec->KorvoStartDate(), year_month_day(year(2026), month(6), day(5)));
    const std::pair<int, double> cases[] = {{1, 11563}, {3, 3505}, {5, 1993}};
    for (const auto &[months, pledge] : cases) {
        TAppinfo::DateFinderMonths = months;
        rec->btnDateFinderClick();
        EXPECT_EQ(TAppinfo::DateFinderPledgeMoney, pledge) << months;
        EXPECT_LE(TDebtReduction(*db).MonthsKorvo(), months);
    }
}

TEST_F(RefreshTest, SnapshotReadsTheWorkingTables)
{
    db->execBatch(QStringLiteral(
        "UPDATE Plan SET StartDate = '2027-01-31', PledgeMoney = 12.5, PlanType = 'Deferred';"
        "INSERT INTO Debts (Priority, DebtType, CreditorName, APR, Balance, Payment) VALUES "
        "(2.5, 'Loan', 'Second', 0, 100.40, 10), (1, 'Credit Card', 'First', 19.8, 200.30, 25);"
        "INSERT INTO OneOffPayments VALUES ('2027-05-01', 40), ('2027-03-01', 30);"));
    TPaymentPlan plan;
    rec->LoadPaymentPlan(plan, PrioritySortIndex);
    EXPECT_EQ(plan.StartDate, year_month_day(year(2027), month(1), day(31)));
    EXPECT_EQ(plan.PledgeMoney, 12.5);
    EXPECT_EQ(plan.PlanType, QStringLiteral("Deferred"));
    ASSERT_EQ(plan.arrDebts.size(), 2u);
    EXPECT_EQ(plan.arrDebts[0].CreditorName, QStringLiteral("First"));
    EXPECT_EQ(plan.arrDebts[0].OMI, 3.3);
    EXPECT_EQ(plan.arrDebts[1].Priority, 2); // 2.5 read as 2
    ASSERT_EQ(plan.arrOneOffs.size(), 2u);
    EXPECT_EQ(plan.arrOneOffs[0].OneoffPayment, 30);
    EXPECT_EQ(plan.TempKXDebts.size(), 2u);
    EXPECT_EQ(TDebtReduction(*db).TotalDebt(), 301); // 300.70 in whole units
}

} // namespace

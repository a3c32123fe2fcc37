#include "TestDb.h"
#include "store/Db.h"

#include <QStringList>

namespace {

QStringList rows(Database &db, const QString &sql)
{
    return queryRows(db, sql);
}

class TemplateTest : public ::testing::Test {
protected:
    void SetUp() override { db.open(copy.path); }
    TemplateCopy copy;
    Database db;
};

// name|column|declared type|default|hidden (2 = virtual generated column)
const char *const kTables = R"(
Debts|Priority|DECIMAL(7, 1)||0
Debts|DebtType|VARCHAR(20)||0
Debts|CreditorName|VARCHAR(50)||0
Debts|APR|DECIMAL(19, 4)||0
Debts|Balance|DECIMAL(19, 4)||0
Debts|Payment|DECIMAL(19, 4)||0
Debts|OMI|DECIMAL(19, 4)||2
Debts|Snowball|DECIMAL(19, 12)||2
Debts|Avalanche|DECIMAL(19, 12)||2
Debts_Temp|Priority|DECIMAL(7, 1)||0
Debts_Temp|DebtType|VARCHAR(20)||0
Debts_Temp|CreditorName|VARCHAR(50)||0
Debts_Temp|APR|DECIMAL(19, 4)||0
Debts_Temp|Balance|DECIMAL(19, 4)||0
Debts_Temp|Payment|DECIMAL(19, 4)||0
OneOffPayments|OneOffDate|DATE||0
OneOffPayments|OneOffPayment|DECIMAL(19, 4)||0
Plan|PlanID|INT|0|0
Plan|PlanName|VARCHAR(50)|'Plan Name Goes Here'|0
Plan|StartDate|DATE|DATE ('now')|0
Plan|Strategy|VARCHAR(20)|'Avalanche'|0
Plan|PledgeMoney|DECIMAL(19, 4)|0|0
Plan|PlanType|VARCHAR(20)|'Immediate'|0
hist_Debts|PlanID|INT||0
hist_Debts|Priority|DECIMAL(7, 1)||0
hist_Debts|DebtType|VARCHAR(20)||0
hist_Debts|CreditorName|VARCHAR(50)||0
hist_Debts|APR|DECIMAL(19, 4)||0
hist_Debts|Balance|DECIMAL(19, 4)||0
hist_Debts|Payment|DECIMAL(19, 4)||0
hist_Debts|OMI|DECIMAL(19, 4)||2
hist_Debts|Snowball|DECIMAL(19, 12)||2
hist_Debts|Avalanche|DECIMAL(19, 12)||2
hist_OneOffPayments|PlanId|INT||0
hist_OneOffPayments|OneOffDate|DATE||0
hist_OneOffPayments|OneOffPayment|DECIMAL(19, 4)||0
hist_Plan|PlanID|INTEGER||0
hist_Plan|PlanName|VARCHAR(50)||0
hist_Plan|StartDate|DATE||0
hist_Plan|Strategy|VARCHAR(20)||0
hist_Plan|PledgeMoney|DECIMAL(19, 4)||0
hist_Plan|PlanType|VARCHAR(20)||0
hist_Plan|DateCreated|DATE|DATE ('now')|0
hist_Plan|DateLastUpdated|DATE|DATE ('now')|0
tblKXPaymentsFromArray|RecordNum|INTEGER||0
tblKXPaymentsFromArray|PaymentNumber|INTEGER||0
tblKXPaymentsFromArray|PaymentDate|DATE||0
tblKXPaymentsFromArray|Priority|INTEGER||0
tblKXPaymentsFromArray|CreditorName|VARCHAR(50)||0
tblKXPaymentsFromArray|StartBalance|DECIMAL(19, 4)||0
tblKXPaymentsFromArray|PaymentAmount|DECIMAL(19, 4)||0
tblKXPaymentsFromArray|Interest|DECIMAL(19, 4)||0
tblKXPaymentsFromArray|Principal|DECIMAL(19, 4)||0
tblKXPaymentsFromArray|NewBalance|DECIMAL(19, 4)||0
tblMinPaymentsFromArray|CreditorName|VARCHAR(50)||0
tblMinPaymentsFromArray|Debt|INTEGER||0
tblMinPaymentsFromArray|PmtNumber|INTEGER||0
tblMinPaymentsFromArray|PmtDate|DATE||0
tblMinPaymentsFromArray|Balance|DECIMAL(19, 4)||0
tblMinPaymentsFromArray|Payment|DECIMAL(19, 4)||0
tblMinPaymentsFromArray|Interest|DECIMAL(19, 4)||0
tblMinPaymentsFromArray|Principal|DECIMAL(19, 4)||0
tblMinPaymentsFromArray|NewBalance|DECIMAL(19, 4)||0
)";

TEST_F(TemplateTest, TablesHaveTheirDeclaredColumns)
{
    const QStringList expected = QString::fromUtf8(kTables).trimmed().split(u'\n');
    EXPECT_EQ(rows(db, QStringLiteral(
                           "SELECT m.name, p.name, p.type, p.dflt_value, p.hidden FROM sqlite_master m, "
                           "pragma_table_xinfo(m.name) p WHERE m.type = 'table' AND m.name NOT LIKE 'sqlite%' "
                           "ORDER BY m.name, p.cid")),
              expected);
}

TEST_F(TemplateTest, ViewsHaveTheirColumns)
{
    const QStringList expected{
        QStringLiteral("View_Debts_Summary:Balance,Payment,Cards,Loans"),
        QStringLiteral("vPlanChooser:PlanId,Name,StartDate,Balance,Payment,Strategy,CreditCards,Loans,PledgeMoney,DateLastUpdated,OneOffs"),
        QStringLiteral("viewKXBalanceCrossTab:Year,CreditorName,Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec"),
        QStringLiteral("viewKXInterestCrossTab:Year,CreditorName,Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec"),
        QStringLiteral("viewKXPaymentCrossTab:Year,CreditorName,Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec"),
        QStringLiteral("viewPlanChooser:PlanId,Name,StartDate,Balance,Payment,Strategy,CreditCards,Loans,PledgeMoney,DateLastUpdated"),
        QStringLiteral("view_PayoffSummary:Priority,DebtType,CreditorName,APR,Balance,Payment,kxMoneyPaid,kxInterestPaid,kxMonths,minMoneyPaid,minInterestPaid,minMonths"),
    };
    EXPECT_EQ(rows(db, QStringLiteral("SELECT m.name || ':' || group_concat(p.name, ',') FROM sqlite_master m, "
                                      "pragma_table_info(m.name) p WHERE m.type = 'view' GROUP BY m.name ORDER BY m.name")),
              expected);
}

TEST_F(TemplateTest, SamplePlansAndSequence)
{
    EXPECT_EQ(rows(db, QStringLiteral("SELECT * FROM hist_Plan ORDER BY PlanID")),
              (QStringList{QStringLiteral("1|Sample 1|2026-06-05|Avalanche|100|Immediate|2024-01-17|2026-06-04"),
                           QStringLiteral("2|Sample 2|2026-06-05|Avalanche|100|Immediate|2024-05-27|2026-06-04"),
                           QStringLiteral("3|Sample 3|2026-06-05|Custom|232|Immediate|2024-01-22|2026-06-04")}));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = 'hist_Plan'")).toInt(), 35);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM hist_Debts")).toInt(), 16);
    EXPECT_EQ(rows(db, QStringLiteral("SELECT PlanId, OneOffDate, OneOffPayment FROM hist_OneOffPayments "
                                      "WHERE PlanId = 3 ORDER BY rowid")),
              (QStringList{QStringLiteral("3|2028-03-30|500"), QStringLiteral("3|2027-03-30|500")}));
}

TEST_F(TemplateTest, PlanChooserCountsDebtsAndOneOffsSeparately)
{
    EXPECT_EQ(rows(db, QStringLiteral("SELECT PlanId, Balance, Payment, CreditCards, Loans, OneOffs FROM vPlanChooser "
                                      "ORDER BY PlanId")),
              (QStringList{QStringLiteral("1|5876|227|5|0|1"), QStringLiteral("2|11742|354|4|1|2"),
                           QStringLiteral("3|190742|2159|4|2|2")}));
    // A saved plan without debts or one-offs still lists, with zeros.
    db.execBatch(QStringLiteral("INSERT INTO hist_Plan (PlanName) VALUES ('Empty');"));
    EXPECT_EQ(rows(db, QStringLiteral("SELECT Name, Balance, Payment, CreditCards, Loans, OneOffs FROM vPlanChooser "
                                      "WHERE PlanId = 36")),
              QStringList{QStringLiteral("Empty|0|0|0|0|0")});
}

TEST_F(TemplateTest, GeneratedColumns)
{
    // Sample 2's zero-rate loan, and a balance of 0 that must not divide by zero.
    EXPECT_EQ(rows(db, QStringLiteral("SELECT OMI, Snowball, Avalanche FROM hist_Debts "
                                      "WHERE PlanID = 2 AND CreditorName = 'Mom & Dad'")),
              QStringList{QStringLiteral("0|0.09999800004|0.09999800004")});
    db.execBatch(QStringLiteral("INSERT INTO Debts (Priority, DebtType, CreditorName, APR, Balance, Payment) "
                                "VALUES (1, 'Credit Card', 'Zero', 19.8, 0, 50);"));
    EXPECT_EQ(rows(db, QStringLiteral("SELECT OMI, Snowball FROM Debts")), QStringList{QStringLiteral("0|5000")});
}

TEST_F(TemplateTest, CrossTabsRoundUpAndKeepWriteOrderWithinAYear)
{
    db.execBatch(QStringLiteral(
        "DELETE FROM tblKXPaymentsFromArray;"
        "INSERT INTO tblKXPaymentsFromArray (RecordNum, PaymentNumber, PaymentDate, Priority, CreditorName, "
        "  StartBalance, PaymentAmount, Interest, Principal, NewBalance) VALUES "
        "(1, 1, '2026-06-05', 1, 'Zeta', 1000.5, 193.01, 0.05, 100, 900),"
        "(2, 1, '2026-06-05', 2, 'Alpha', 500, 194, 2.5, 50, 450),"
        "(3, 2, '2026-07-05', 1, 'Zeta', 900, 100.000001, 0, 100, 800),"
        "(4, 8, '2027-01-05', 2, 'Alpha', 450, 10, 0, 10, 440);"));
    EXPECT_EQ(rows(db, QStringLiteral("SELECT Year, CreditorName, Jan, Jun, Jul FROM viewKXPaymentCrossTab")),
              (QStringList{QStringLiteral("2026|Zeta|0|194|101"), QStringLiteral("2026|Alpha|0|194|0"),
                           QStringLiteral("2027|Alpha|10|0|0")}));
    EXPECT_EQ(rows(db, QStringLiteral("SELECT Year, CreditorName, Jun FROM viewKXBalanceCrossTab")),
              (QStringList{QStringLiteral("2026|Zeta|1001"), QStringLiteral("2026|Alpha|500"),
                           QStringLiteral("2027|Alpha|0")}));
    EXPECT_EQ(rows(db, QStringLiteral("SELECT Year, CreditorName, Jun FROM viewKXInterestCrossTab")),
              (QStringList{QStringLiteral("2026|Zeta|0.05"), QStringLiteral("2026|Alpha|2.5"),
                           QStringLiteral("2027|Alpha|0")}));
}

TEST_F(TemplateTest, PayoffSummaryJoinsBothSchedulesByPriority)
{
    db.execBatch(QStringLiteral(
        "INSERT INTO Debts (Priority, DebtType, CreditorName, APR, Balance, Payment) VALUES "
        "(1, 'Credit Card', 'A', 10, 100, 50), (2, 'Loan', 'B', 0, 100, 50);"
        "DELETE FROM tblKXPaymentsFromArray; DELETE FROM tblMinPaymentsFromArray;"
        "INSERT INTO tblKXPaymentsFromArray (RecordNum, PaymentNumber, PaymentDate, Priority, CreditorName, "
        "  PaymentAmount, Interest) VALUES (1, 1, '2026-01-01', 1, 'A', 60, 0.83), (2, 2, '2026-02-01', 1, 'A', 41, 0.35);"
        "INSERT INTO tblMinPaymentsFromArray (CreditorName, Debt, PmtNumber, PmtDate, Payment, Interest) VALUES "
        "('A', 1, 1, '2026-01-01', 50, 0.83), ('A', 1, 2, '2026-02-01', 51, 0.42);"));
    EXPECT_EQ(rows(db, QStringLiteral("SELECT CreditorName, kxMoneyPaid, kxMonths, minMoneyPaid, minMonths FROM view_PayoffSummary")),
              (QStringList{QStringLiteral("A|101|2|101|2"), QStringLiteral("B||||")}));
}

} // namespace

#include "TestDb.h"
#include "app/TAppinfo.h"
#include "store/DebtOrder.h"
#include "store/TdmSQLite.h"

#include <QStringList>

namespace {

QStringList order(Database &db)
{
    QStringList out;
    Statement st(db, QStringLiteral("SELECT rowid, Priority, CreditorName FROM Debts ORDER BY rowid"));
    while (st.step())
        out << QStringLiteral("%1|%2|%3").arg(st.getText(0), st.getText(1), st.getText(2));
    return out;
}

class DebtOrderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dm = std::make_unique<TdmSQLite>(copy.path);
        db = &dm->conSQLite();
    }
    void add(double priority, const char *name, double apr, double balance, double payment)
    {
        db->execBatch(QStringLiteral("INSERT INTO Debts (Priority, DebtType, CreditorName, APR, Balance, Payment) "
                                     "VALUES (:p, 'Credit Card', :n, :a, :b, :m);"),
                      {{QStringLiteral(":p"), priority}, {QStringLiteral(":n"), QString::fromUtf8(name)},
                       {QStringLiteral(":a"), apr}, {QStringLiteral(":b"), balance}, {QStringLiteral(":m"), payment}});
    }
    TemplateCopy copy;
    std::unique_ptr<TdmSQLite> dm;
    Database *db = nullptr;
};

TEST(SortClause, StrategyMapping)
{
    EXPECT_EQ(SortClauseForStrategy(QStringLiteral("Avalanche")), QStringLiteral("Avalanche DESC"));
    EXPECT_EQ(SortClauseForStrategy(QStringLiteral("Snowball")), QStringLiteral("Snowball DESC"));
    for (const char *other : {"Custom", "avalanche", "Avalanche ", "", "Whatever"})
        EXPECT_EQ(SortClauseForStrategy(QString::fromUtf8(other)), QStringLiteral("Priority")) << other;
    SetPlanSortFromStrategy(QStringLiteral("Snowball"));
    EXPECT_EQ(TAppinfo::GetPlanSort(), QStringLiteral("Snowball DESC"));
}

TEST_F(DebtOrderTest, AvalancheKeyIsRatePlusPaymentRatio)
{
    add(1, "Low", 12.9, 3000, 30);
    add(2, "Card21", 21, 5000, 250);      // key 21 + 250/(5000+87.5+0.01) = 21.049...
    add(3, "Card19.8", 19.8, 100, 131.65); // key 19.8 + 131.65/(100+1.65+0.01) = 21.095...
    RenumberDebts(*db, QStringLiteral("Avalanche DESC"));
    EXPECT_EQ(order(*db), (QStringList{QStringLiteral("1|1|Card19.8"), QStringLiteral("2|2|Card21"),
                                       QStringLiteral("3|3|Low")}));
}

TEST_F(DebtOrderTest, CustomOrderFollowsAHalfStepMove)
{
    add(1, "A", 10, 100, 20);
    add(2, "B", 10, 100, 20);
    add(3, "C", 10, 100, 20);
    add(4, "D", 10, 100, 20);
    db->execBatch(QStringLiteral("UPDATE Debts SET Priority = 1.5 WHERE CreditorName = 'C';"));
    RenumberDebts(*db, QStringLiteral("Priority"));
    EXPECT_EQ(order(*db), (QStringList{QStringLiteral("1|1|A"), QStringLiteral("2|2|C"), QStringLiteral("3|3|B"),
                                       QStringLiteral("4|4|D")}));
}

TEST_F(DebtOrderTest, FailureHalfWayKeepsTheDebts)
{
    add(2, "B", 10, 100, 20);
    add(1, "A", 20, 100, 20);
    const QStringList before = order(*db);
    // Fails the final insert, after the working debts were deleted.
    db->execBatch(QStringLiteral("CREATE TRIGGER fail_renumber BEFORE INSERT ON Debts "
                                 "BEGIN SELECT RAISE(ABORT, 'disk trouble'); END;"));
    EXPECT_THROW(RenumberDebts(*db, QStringLiteral("Avalanche DESC")), DbError);
    EXPECT_EQ(order(*db), before);
}

} // namespace

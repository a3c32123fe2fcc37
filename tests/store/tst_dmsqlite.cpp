#include "TestDb.h"
#include "app/Clock.h"
#include "app/TAppinfo.h"
#include "store/TdmSQLite.h"

#include <QStringList>

namespace {

QStringList rows(Database &db, const QString &sql)
{
    return queryRows(db, sql);
}

// Everything a plan operation may touch, as text, to prove nothing changed.
QStringList snapshot(Database &db)
{
    QStringList all;
    for (const char *t : {"Plan", "Debts", "OneOffPayments", "hist_Plan", "hist_Debts", "hist_OneOffPayments",
                          "sqlite_sequence"})
        all << rows(db, QStringLiteral("SELECT rowid, * FROM %1 ORDER BY rowid").arg(QString::fromLatin1(t)));
    return all;
}

class DmSQLiteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::Override = [] { return QDate(2026, 12, 24); };
        TAppinfo::SetPlanModified(true);
        dm = std::make_unique<TdmSQLite>(copy.path);
        db = &dm->conSQLite();
    }
    void TearDown() override { Clock::Override = nullptr; }

    void addWorkingDebt(const char *name, double balance)
    {
        db->execBatch(QStringLiteral("INSERT INTO Debts (Priority, DebtType, CreditorName, APR, Balance, Payment) "
                                     "SELECT COUNT(*) + 1, 'Credit Card', :n, 12, :b, 40 FROM Debts;"),
                      {{QStringLiteral(":n"), QString::fromUtf8(name)}, {QStringLiteral(":b"), balance}});
    }

    TemplateCopy copy;
    std::unique_ptr<TdmSQLite> dm;
    Database *db = nullptr;
};

TEST_F(DmSQLiteTest, StartsWithANewEmptyWorkingPlan)
{
    EXPECT_FALSE(TAppinfo::GetPlanModified());
    EXPECT_EQ(rows(*db, QStringLiteral("SELECT rowid, PlanID, PlanName, Strategy, PledgeMoney, PlanType FROM Plan")),
              QStringList{QStringLiteral("1|0|Plan Name Goes Here|Avalanche|0|Immediate")});
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM Debts")).toInt(), 0);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM OneOffPayments")).toInt(), 0);
}

TEST_F(DmSQLiteTest, OpeningASavedPlanNumbersDebtsInPriorityOrder)
{
    db->execBatch(QStringLiteral("UPDATE hist_Debts SET Priority = CASE Priority WHEN 1 THEN 3 WHEN 2 THEN 1 ELSE 2 END "
                                 "WHERE PlanID = 2 AND Priority <= 3;"
                                 "DELETE FROM hist_Debts WHERE PlanID = 2 AND Priority > 3;"));
    dm->CopyPlanFromHist(2);
    EXPECT_EQ(rows(*db, QStringLiteral("SELECT rowid, Priority, CreditorName FROM Debts ORDER BY rowid")),
              (QStringList{QStringLiteral("1|1|MasterCard"), QStringLiteral("2|2|Discover"), QStringLiteral("3|3|Kohl's")}));
    EXPECT_EQ(rows(*db, QStringLiteral("SELECT PlanID, PlanName, StartDate, PledgeMoney FROM Plan")),
              QStringList{QStringLiteral("2|Sample 2|2026-06-05|100")});
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM OneOffPayments")).toInt(), 2);

    db->execBatch(QStringLiteral("DELETE FROM hist_OneOffPayments WHERE PlanId = 1;"));
    dm->CopyPlanFromHist(1);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM OneOffPayments")).toInt(), 0);
}

TEST_F(DmSQLiteTest, OpeningAnUnknownPlanChangesNothing)
{
    dm->CopyPlanFromHist(2);
    const QStringList before = snapshot(*db);
    EXPECT_THROW(dm->CopyPlanFromHist(99), DbError);
    EXPECT_EQ(snapshot(*db), before);
}

TEST_F(DmSQLiteTest, FirstSaveCreatesThenLaterSavesUpdateTheSamePlan)
{
    addWorkingDebt("Visa", 1000);
    addWorkingDebt("Store", 200);
    db->execBatch(QStringLiteral("INSERT INTO OneOffPayments VALUES ('2027-01-10', 300);"));
    int id = 0;
    dm->SavePlan(id);
    EXPECT_EQ(id, 36);
    const QString utc = db->scalar(QStringLiteral("SELECT DATE('now')")).toString();
    EXPECT_EQ(rows(*db, QStringLiteral("SELECT PlanName, DateCreated, DateLastUpdated FROM hist_Plan WHERE PlanID = 36")),
              QStringList{QStringLiteral("Plan Name Goes Here|%1|%1").arg(utc)});
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT PlanID FROM Plan")).toInt(), 0);
    EXPECT_EQ(rows(*db, QStringLiteral("SELECT Priority, CreditorName FROM hist_Debts WHERE PlanID = 36 ORDER BY Priority")),
              (QStringList{QStringLiteral("1|Visa"), QStringLiteral("2|Store")}));

    // Second save: same id, debts replaced (a removed debt disappears), last-update date local.
    db->execBatch(QStringLiteral("DELETE FROM Debts WHERE CreditorName = 'Store'; UPDATE Plan SET PlanName = 'Mine';"));
    dm->SavePlan(id);
    EXPECT_EQ(id, 36);
    EXPECT_EQ(rows(*db, QStringLiteral("SELECT PlanID, PlanName, DateCreated, DateLastUpdated FROM hist_Plan WHERE PlanID >= 36")),
              QStringList{QStringLiteral("36|Mine|%1|2026-12-24").arg(utc)});
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT PlanID FROM Plan")).toInt(), 36);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM hist_Debts WHERE PlanID = 36")).toInt(), 1);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM hist_OneOffPayments WHERE PlanId = 36")).toInt(), 1);
}

TEST_F(DmSQLiteTest, DeletedIdsAreNeverReused)
{
    int first = 0;
    dm->SavePlan(first);
    db->execBatch(QStringLiteral("DELETE FROM hist_Plan WHERE PlanId = :pid;"), {{QStringLiteral(":pid"), first}});
    dm->InitializeNewPlan();
    int second = 0;
    dm->SavePlan(second);
    EXPECT_EQ(first, 36);
    EXPECT_EQ(second, 37);
}

TEST_F(DmSQLiteTest, FailedSaveLeavesWorkingPlanAndHistoryAsBefore)
{
    dm->CopyPlanFromHist(2);
    db->execBatch(QStringLiteral("UPDATE Plan SET PlanName = 'Edited'; DELETE FROM Debts WHERE rowid = 5;"));
    // The last step of a save fails: nothing of the earlier steps may remain.
    db->execBatch(QStringLiteral("CREATE TRIGGER fail_debts BEFORE INSERT ON hist_Debts "
                                 "BEGIN SELECT RAISE(ABORT, 'disk trouble'); END;"));
    for (int id : {2, 0}) {
        const QStringList before = snapshot(*db);
        int inOut = id;
        EXPECT_THROW(dm->SavePlan(inOut), DbError);
        EXPECT_EQ(inOut, id);
        EXPECT_EQ(snapshot(*db), before) << "saving with id " << id;
    }
}

TEST_F(DmSQLiteTest, ReconnectsOnDemandAfterDisconnect)
{
    dm->Disconnect();
    EXPECT_FALSE(db->isOpen());
    int id = 0;
    dm->SavePlan(id);
    EXPECT_EQ(id, 36);
}

} // namespace

#include "store/Db.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class DbTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.openMemory();
        db.execBatch(QStringLiteral("CREATE TABLE t (a INT, b TEXT);"));
    }
    int count() { return db.scalar(QStringLiteral("SELECT COUNT(*) FROM t")).toInt(); }
    Database db;
};

TEST_F(DbTest, BatchRunsInOrderAndSharesNamedParameters)
{
    db.execBatch(QStringLiteral("INSERT INTO t VALUES (:a, :b); UPDATE t SET a = a + :a; "
                                "INSERT INTO t (a) SELECT MAX(a) + 1 FROM t;"),
                 {{QStringLiteral(":a"), 5}, {QStringLiteral(":b"), QStringLiteral("it's \"quoted\"")}});
    Statement st(db, QStringLiteral("SELECT a, b FROM t ORDER BY rowid"));
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.getInt(0), 10);
    EXPECT_EQ(st.getText(1), QStringLiteral("it's \"quoted\""));
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.getInt(0), 11);
    EXPECT_FALSE(st.step());
}

TEST_F(DbTest, BatchStopsAtTheFirstError)
{
    EXPECT_THROW(db.execBatch(QStringLiteral("INSERT INTO t VALUES (1, 'x'); INSERT INTO nowhere VALUES (1); "
                                             "INSERT INTO t VALUES (2, 'y');")),
                 DbError);
    EXPECT_EQ(count(), 1);
}

TEST_F(DbTest, OrderByMacroAcceptsOnlyKnownClauses)
{
    const QString sql = QStringLiteral("SELECT * FROM Debts ORDER BY !ob;");
    EXPECT_EQ(Database::expandOrderBy(sql, QStringLiteral("Snowball DESC")),
              QStringLiteral("SELECT * FROM Debts ORDER BY Snowball DESC;"));
    for (const char *bad : {"Priority; DROP TABLE Debts", "", "avalanche desc", "RANDOM()"})
        EXPECT_THROW(Database::expandOrderBy(sql, QString::fromUtf8(bad)), DbError) << bad;
}

TEST_F(DbTest, TransactionRollsBackUnlessCommittedAndNests)
{
    {
        Transaction outer(db);
        db.execBatch(QStringLiteral("INSERT INTO t VALUES (1, 'kept');"));
        {
            Transaction inner(db);
            db.execBatch(QStringLiteral("INSERT INTO t VALUES (2, 'dropped');"));
        } // inner rolled back
        outer.commit();
    }
    EXPECT_EQ(count(), 1);
    try {
        Transaction tx(db);
        db.execBatch(QStringLiteral("DELETE FROM t;"));
        throw DbError("failure in the middle");
    } catch (const DbError &) {
    }
    EXPECT_EQ(count(), 1);
}

TEST_F(DbTest, ArrayInsertRebindsOneStatement)
{
    db.insertArray(QStringLiteral("INSERT INTO t VALUES (:a, :b)"), 1000, [](Statement &st, std::size_t i) {
        st.bind(":a", int(i));
        st.bind(":b", QStringLiteral("r%1").arg(i));
    });
    EXPECT_EQ(count(), 1000);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT SUM(a) FROM t")).toLongLong(), 999 * 1000 / 2);
}

TEST_F(DbTest, UnknownParameterNameIsAnError)
{
    Statement st(db, QStringLiteral("SELECT :x"));
    EXPECT_THROW(st.bind(":y", 1), DbError);
}

TEST(DatabaseFile, MissingFileIsNotCreatedAndClosedConnectionReopens)
{
    QTemporaryDir dir;
    Database db;
    EXPECT_THROW(db.open(dir.filePath(QStringLiteral("none.db"))), DbError);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("none.db"))));

    const QString path = dir.filePath(QStringLiteral("a.db"));
    {
        Database maker;
        maker.openMemory();
        maker.execBatch(QStringLiteral("CREATE TABLE t (a); INSERT INTO t VALUES (7);"));
        maker.copyTo(path);
    }
    db.open(path);
    EXPECT_EQ(db.scalar(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
    db.close();
    EXPECT_FALSE(db.isOpen());
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT a FROM t")).toInt(), 7);
    EXPECT_TRUE(db.isOpen());
}

} // namespace

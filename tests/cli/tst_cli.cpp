// The command-line front door, run as a script would run it.
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Result {
    int code;
    QString out, err;
};

class CliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = dir.filePath(QStringLiteral("Orvessa.db"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(ORVESSA_TEMPLATE_DB), db));
        QFile::setPermissions(db, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    Result cli(QStringList args, bool withDb = true)
    {
        if (withDb)
            args << QStringLiteral("--db") << db;
        QProcess p;
        p.start(QStringLiteral(ORVESSA_CLI), args);
        EXPECT_TRUE(p.waitForFinished(60000));
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }
    QByteArray hash()
    {
        QFile f(db);
        f.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
    QTemporaryDir dir;
    QString db;
};

TEST_F(CliTest, SummaryAsJson)
{
    const QByteArray before = hash();
    const Result r = cli({QStringLiteral("summary"), QStringLiteral("--plan"), QStringLiteral("Sample 2"), QStringLiteral("--json")});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_EQ(o.keys(), (QStringList{"DebtCount", "DebtFreeDateKorvo", "DebtFreeDateMinPmt", "InterestKorvo",
                                     "InterestMinPmt", "InterestSaved", "MonthsKorvo", "MonthsMinPmt", "MonthsSaved",
                                     "TotalDebt", "YearsMonths", "YrMo"}));
    EXPECT_EQ(o.value("MonthsMinPmt").toInt(), 194);
    EXPECT_EQ(o.value("MonthsKorvo").toInt(), 31);
    EXPECT_EQ(o.value("InterestMinPmt").toDouble(), 13565);
    EXPECT_EQ(o.value("InterestKorvo").toDouble(), 2804);
    EXPECT_EQ(o.value("DebtFreeDateMinPmt").toString(), QStringLiteral("2042-07-05"));
    EXPECT_EQ(o.value("DebtFreeDateKorvo").toString(), QStringLiteral("2028-12-05"));
    EXPECT_EQ(o.value("YrMo").toString(), QStringLiteral("13 Yr 7 Mo"));
    EXPECT_EQ(hash(), before); // the file is never changed
}

TEST_F(CliTest, ScheduleAsCsvKeepsEveryDigit)
{
    const Result r = cli({QStringLiteral("schedule"), QStringLiteral("--plan"), QStringLiteral("2"),
                          QStringLiteral("--kind"), QStringLiteral("minimum"), QStringLiteral("--csv")});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    const QStringList lines = r.out.trimmed().split(u'\n');
    EXPECT_EQ(lines[0], QStringLiteral("CreditorName,Debt,PmtNumber,PmtDate,Balance,Payment,Interest,Principal,NewBalance"));
    EXPECT_EQ(lines[2], QStringLiteral("Kohl's,1,2,2026-07-05,3380.76,92.97,59.160000000000004,33.809999999999995,3346.9500000000003"));

    const Result kx = cli({QStringLiteral("schedule"), QStringLiteral("--plan"), QStringLiteral("Sample 2"),
                           QStringLiteral("--kind"), QStringLiteral("accelerated"), QStringLiteral("--csv")});
    EXPECT_EQ(kx.out.trimmed().split(u'\n').size(), 106);
}

TEST_F(CliTest, DateFinderAndPlans)
{
    const Result r = cli({QStringLiteral("date-finder"), QStringLiteral("--plan"), QStringLiteral("Sample 2"),
                          QStringLiteral("--months"), QStringLiteral("4")});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_EQ(r.out, QStringLiteral("2560\n4\n"));

    const Result plans = cli({QStringLiteral("plans")});
    ASSERT_EQ(plans.code, 0);
    EXPECT_EQ(plans.out.trimmed().split(u'\n').size(), 4);
    EXPECT_TRUE(plans.out.contains(QStringLiteral("2\tSample 2\t2026-06-05\t11742\t354\tAvalanche\t4\t1\t2\t100\t2026-06-04")));
}

TEST_F(CliTest, ClearErrors)
{
    QFile junk(dir.filePath(QStringLiteral("junk.db")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is not a database, just some text that is long enough to not look empty");
    junk.close();
    struct Case {
        const char *name;
        QStringList args;
        bool withDb;
        int code;
        const char *message;
    };
    const Case cases[] = {
        {"unknown plan", {"summary", "--plan", "Nope"}, true, 2, "No saved plan"},
        {"no plan", {"summary"}, true, 2, "needs --plan"},
        {"bad months", {"date-finder", "--plan", "2", "--months", "x"}, true, 2, "whole number"},
        {"zero months", {"date-finder", "--plan", "2", "--months", "0"}, true, 2, "1 or more"},
        {"bad minimum", {"summary", "--plan", "2", "--min-payment-allowed", "17"}, true, 2, "15, 20, 25, 30 or 35"},
        {"bad kind", {"schedule", "--plan", "2", "--kind", "other"}, true, 2, "minimum or accelerated"},
        {"unknown command", {"frobnicate"}, true, 2, "Unknown command"},
        {"missing file", {"plans", "--db", "/nonexistent/x.db"}, false, 2, "No database file"},
        {"not a database", {"plans", "--db", junk.fileName()}, false, 1, "not a database"},
    };
    for (const auto &c : cases) {
        const Result r = cli(c.args, c.withDb);
        EXPECT_EQ(r.code, c.code) << c.name << ": " << qPrintable(r.err);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << c.name << ": " << qPrintable(r.err);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Runs the real program as a person would start it, on a private data folder.
#include "app/SingleInstance.h"
#include "store/Db.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace {

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        data = tmp.filePath(QStringLiteral("data"));
        runtime = tmp.filePath(QStringLiteral("run"));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    QProcessEnvironment env(bool exitAfterStart) const
    {
        auto e = QProcessEnvironment::systemEnvironment();
        e.insert(QStringLiteral("ORVESSA_DATA_DIR"), data);
        e.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        e.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        e.insert(QStringLiteral("ORVESSA_MESSAGES_TO_STDERR"), QStringLiteral("1"));
        if (exitAfterStart)
            e.insert(QStringLiteral("ORVESSA_EXIT_AFTER_START"), QStringLiteral("1"));
        return e;
    }

    // Runs to the end; returns the exit code, stderr in *err.
    int run(bool exitAfterStart = true, QString *err = nullptr, const QProcessEnvironment *custom = nullptr,
            const QStringList &args = {})
    {
        QProcess p;
        p.setProcessEnvironment(custom ? *custom : env(exitAfterStart));
        p.start(QStringLiteral(ORVESSA_EXE), args);
        EXPECT_TRUE(p.waitForFinished(20000));
        if (err)
            *err = QString::fromUtf8(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    QStringList files() const
    {
        QStringList out;
        QDirIterator it(data, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            out << it.next();
        out.sort();
        return out;
    }

    // The running program answers on its socket once its window exists.
    bool waitUntilListening()
    {
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
        TSingleInstance probe(QStringLiteral("Talmaro.Orvessa"), data);
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 20000) {
            QLocalSocket s;
            s.connectToServer(probe.serverName());
            if (s.waitForConnected(100))
                return true;
            QThread::msleep(50);
        }
        return false;
    }

    QTemporaryDir tmp;
    QString data, runtime;
};

TEST_F(StartupTest, FirstStartCreatesTheDataFolderAndExitsCleanly)
{
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(files().size(), 13); // three folders, ten files
    EXPECT_TRUE(QFile::exists(data + QStringLiteral("/Data/Orvessa.db")));
}

TEST_F(StartupTest, SecondStartHandsOverAndAKilledFirstDoesNotBlock)
{
    QProcess first;
    first.setProcessEnvironment(env(false));
    first.start(QStringLiteral(ORVESSA_EXE), {});
    ASSERT_TRUE(waitUntilListening());
    const QStringList before = files();

    QElapsedTimer t;
    t.start();
    EXPECT_EQ(run(false), 0);
    EXPECT_LT(t.elapsed(), 10000);
    EXPECT_EQ(files(), before);

    ::kill(pid_t(first.processId()), SIGKILL);
    first.waitForFinished(5000);
    EXPECT_EQ(run(), 0);
}

TEST_F(StartupTest, SecondStartWithOpenHandsThePlanToTheFirst)
{
    QProcess first;
    first.setProcessEnvironment(env(false));
    first.start(QStringLiteral(ORVESSA_EXE), {});
    ASSERT_TRUE(waitUntilListening());

    EXPECT_EQ(run(false, nullptr, nullptr, {QStringLiteral("--open"), QStringLiteral("Sample 2")}), 0);
    QString name;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 10000 && name != QLatin1String("Sample 2")) {
        QThread::msleep(100);
        Database db;
        db.open(data + QStringLiteral("/Data/Orvessa.db"));
        name = db.scalar(QStringLiteral("SELECT PlanName FROM Plan")).toString();
    }
    EXPECT_EQ(name, QStringLiteral("Sample 2"));
    first.terminate();
    if (!first.waitForFinished(5000)) {
        first.kill();
        first.waitForFinished(5000);
    }
}

TEST_F(StartupTest, StartWhileTheFirstIsStillStartingOnlyEnds)
{
    // Holding the lock without listening is what a first instance looks like
    // before its window exists.
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    TSingleInstance starting(QStringLiteral("Talmaro.Orvessa"), data);
    ASSERT_TRUE(starting.CheckSingleInstance());
    EXPECT_EQ(run(false), 0);
    EXPECT_FALSE(QFileInfo::exists(data));
}

TEST_F(StartupTest, StartUpErrorEndsWith217AndTheNextStartWorks)
{
    auto e = env(true);
    e.insert(QStringLiteral("ORVESSA_RESOURCE_ROOT"), QStringLiteral(":/missing/"));
    QString err;
    EXPECT_EQ(run(true, &err, &e), 217);
    EXPECT_TRUE(err.contains(QStringLiteral("Resource not found: STARTUP_DB"))) << qPrintable(err);
    EXPECT_EQ(run(), 0);
}

// The working tables stay in the file, so what --open did is visible after exit.
TEST_F(StartupTest, OpenLoadsASavedPlanByNameOrIdAndRefusesAnUnknownOne)
{
    struct Case {
        QString plan;
        QString workingName;
        bool message;
    };
    for (const Case &c : {Case{QStringLiteral("Sample 2"), QStringLiteral("Sample 2"), false},
                          Case{QStringLiteral("1"), QString(), false},
                          Case{QStringLiteral("No Such Plan"), QString(), true}}) {
        QString err;
        ASSERT_EQ(run(true, &err, nullptr, {QStringLiteral("--open"), c.plan}), 0) << qPrintable(err);
        Database db;
        db.open(data + QStringLiteral("/Data/Orvessa.db"));
        const QString name = db.scalar(QStringLiteral("SELECT PlanName FROM Plan")).toString();
        const int planId = db.scalar(QStringLiteral("SELECT PlanID FROM Plan")).toInt();
        if (c.plan == QLatin1String("1")) {
            EXPECT_EQ(planId, 1);
        } else if (c.message) {
            EXPECT_EQ(planId, 0);
            EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM Debts")).toInt(), 0);
        } else {
            EXPECT_EQ(name, c.workingName);
            EXPECT_EQ(planId, c.message ? 0 : db.scalar(QStringLiteral("SELECT PlanID FROM hist_Plan WHERE PlanName = 'Sample 2'")).toInt());
        }
        EXPECT_EQ(err.contains(QStringLiteral("No saved plan has the id or name \"No Such Plan\".")), c.message) << qPrintable(err);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

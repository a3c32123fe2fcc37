// The reports as orvessa-cli writes them, read back with pdftotext.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ReportPdf : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = dir.filePath(QStringLiteral("Orvessa.db"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(ORVESSA_TEMPLATE_DB), db));
        QFile::setPermissions(db, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    // Runs the CLI; the PDF's text, one string per page.
    QStringList report(const QString &name, QStringList extra = {QStringLiteral("--plan"), QStringLiteral("Sample 2")})
    {
        const QString pdf = dir.filePath(name + QStringLiteral(".pdf"));
        QProcess cli;
        cli.start(QStringLiteral(ORVESSA_CLI),
                  QStringList{QStringLiteral("report"), name, QStringLiteral("--db"), db, QStringLiteral("--pdf"), pdf}
                      + extra);
        EXPECT_TRUE(cli.waitForFinished(60000));
        EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().constData();
        QFile f(pdf);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.read(8).startsWith("%PDF-1.")) << qPrintable(pdf);
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        EXPECT_TRUE(text.waitForFinished(60000));
        QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(u'\f');
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
            pages.removeLast();
        return pages;
    }

    QTemporaryDir dir;
    QString db;
};

TEST_F(ReportPdf, SummaryAndSavingsShowTheSampleFigures)
{
    const QStringList summary = report(QStringLiteral("summary"));
    ASSERT_EQ(summary.size(), 1);
    for (const char *t : {"Payoff Summary Report: Sample 2", "11,742.00", "13,565.21", "2,803.66", "25,307.21",
                          "14,545.66", "10,761.55", "16 Years 2 Months", "2 Years 7 Months", "13 Years 7 Months",
                          "Pledge Money: 100"})
        EXPECT_TRUE(summary[0].simplified().contains(QString::fromLatin1(t))) << t;

    const QStringList savings = report(QStringLiteral("savings"));
    ASSERT_EQ(savings.size(), 1);
    for (const char *t : {"13 Yr 7 Mo", "10,761", "July 2042", "December 2028"})
        EXPECT_TRUE(savings[0].contains(QString::fromLatin1(t))) << t;
}

TEST_F(ReportPdf, PaymentsLineOfKohlsIn2026)
{
    const QStringList pages = report(QStringLiteral("payments"));
    ASSERT_GE(pages.size(), 1);
    const QString text = pages.join(u'\n');
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Kohl's\\s+194\\s+694\\s+194\\s+194\\s+194\\s+194\\s+194\\n"))))
        << qPrintable(text);
    for (const char *year : {"2026", "2027", "2028"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(year)));
}

TEST_F(ReportPdf, WorksheetIsOnePageWithoutAPlan)
{
    const QStringList pages = report(QStringLiteral("worksheet"), {});
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Data Entry Worksheet")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("One Off Amount")));
}

} // namespace

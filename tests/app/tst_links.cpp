// Tracked links, URL encoding, the support mail and the help topics.
#include "app/Links.h"
#include "app/TAppinfo.h"

#include <gtest/gtest.h>

namespace {

const QString kTracking = QStringLiteral("utm_source=orvessa_retail&utm_medium=software&utm_campaign=app_links&utm_content=");

struct TrackedCase {
    const char *name;
    QString url;
    QString content;
    QString expected;
};

class TrackedUrl : public ::testing::TestWithParam<TrackedCase> {};

TEST_P(TrackedUrl, Builds)
{
    EXPECT_EQ(BuildTrackedUrl(GetParam().url, GetParam().content), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Links, TrackedUrl,
    ::testing::Values(
        TrackedCase{"plain", "https://h.example/quick-start-guide.php", "k",
                    "https://h.example/quick-start-guide.php?" + kTracking + "k"},
        TrackedCase{"query", "https://h.example/q.php?goto=drt-debtfreedate", "k",
                    "https://h.example/q.php?goto=drt-debtfreedate&" + kTracking + "k"},
        TrackedCase{"endsWithQuestion", "https://h.example/q.php?", "k", "https://h.example/q.php?" + kTracking + "k"},
        TrackedCase{"endsWithAmp", "https://h.example/q.php?a=1&", "k", "https://h.example/q.php?a=1&" + kTracking + "k"},
        TrackedCase{"fragment", "https://w.example/about-us.asp#stands-for", "about_box_left",
                    "https://w.example/about-us.asp?" + kTracking + "about_box_left#stands-for"},
        TrackedCase{"secondHashStaysInFragment", "https://w.example/a#b#c", "k", "https://w.example/a?" + kTracking + "k#b#c"},
        TrackedCase{"emptyContent", "https://w.example/", "  \t", "https://w.example/?" + kTracking + "unknown"},
        TrackedCase{"blankAndSlash", " https://w.example/ \r\n", "a b/c", "https://w.example/?" + kTracking + "a+b%2Fc"},
        TrackedCase{"blankUrl", " \t ", "k", ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Links, EncodingKeepsTheSafeMarksAndPercentEncodesUtf8)
{
    EXPECT_EQ(EncodeUrlText(QStringLiteral("Az09!$'()*-._@")), QStringLiteral("Az09!$'()*-._@"));
    EXPECT_EQ(EncodeUrlText(QStringLiteral("a b,c:d+e~\r\n")), QStringLiteral("a+b%2Cc%3Ad%2Be%7E%0D%0A"));
    EXPECT_EQ(EncodeUrlText(QStringLiteral("é€😀")), QStringLiteral("%C3%A9%E2%82%AC%F0%9F%98%80"));
    // A lone surrogate cannot be UTF-8; it must not break the link.
    EXPECT_EQ(EncodeUrlText(QString(QChar(0xD800))), QStringLiteral("%3F"));
    EXPECT_EQ(EncodeMailText(QStringLiteral("a b+c")), QStringLiteral("a%20b%2Bc"));
}

TEST(Links, SupportMail)
{
    const QString link = SupportMailLink();
    EXPECT_TRUE(link.startsWith(QStringLiteral("mailto:") + QLatin1String(kSupportAddress)
                                + QStringLiteral("?subject=Orvessa%20Support&body=Hello%20Talmaro%2C%0D%0A%0D%0A")));
    EXPECT_TRUE(link.contains(QStringLiteral("Version%2035.6%0D%0APurchase%20source%3A%20Microsoft%20Store%20%2F%20Talmaro%20%2F%20Not%20sure%0D%0A")));
    EXPECT_TRUE(link.endsWith(QStringLiteral("What%20happened%3A%0D%0A")));
    EXPECT_FALSE(link.contains(QLatin1Char('+')));
}

TEST(Links, HelpTopics)
{
    for (const char *name : {"edPledgeMoney", "rbImmediate", "rbDeferred"})
        EXPECT_EQ(HelpTopicFor(QLatin1String(name)), QStringLiteral("pledge-money"));
    EXPECT_EQ(HelpTopicFor(QStringLiteral("sgPayments")), QStringLiteral("one-offs"));
    EXPECT_EQ(HelpTopicFor(QStringLiteral("lytDebtReduction")), QStringLiteral("general"));
    EXPECT_EQ(HelpTopicUrl(QStringLiteral("edAPR")), QLatin1String(TAppinfo::HelpBaseUrl) + QStringLiteral("help.php?topic=apr"));
}

} // namespace

#include "app/IniFile.h"
#include "app/TAppinfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

const QStringList kShipped{
    QStringLiteral("config.ini"),         QStringLiteral("Data/Orvessa.db"),    QStringLiteral("Images/Image1.png"),
    QStringLiteral("Images/Image2.png"),  QStringLiteral("Images/Image3.png"),  QStringLiteral("Images/Image4.png"),
    QStringLiteral("Images/Image5.png"),  QStringLiteral("Images/Image6.png"),  QStringLiteral("Styles/light.style"),
    QStringLiteral("Styles/dark.style")};

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = tmp.filePath(QStringLiteral("Talmaro/Orvessa"));
        qputenv("ORVESSA_DATA_DIR", root.toLocal8Bit());
        qunsetenv("ORVESSA_RESOURCE_ROOT");
    }
    void TearDown() override
    {
        qunsetenv("ORVESSA_DATA_DIR");
        qunsetenv("ORVESSA_RESOURCE_ROOT");
    }
    QString file(const QString &rel) const { return root + u'/' + rel; }

    QTemporaryDir tmp;
    QString root;
};

TEST_F(DataFolderTest, FirstStartExtractsEveryShippedFileIntoPrivateFolders)
{
    TAppinfo::Initialize();
    for (const QString &rel : kShipped)
        EXPECT_TRUE(QFileInfo(file(rel)).size() > 0) << qPrintable(rel);
    EXPECT_EQ(readAll(file(QStringLiteral("Data/Orvessa.db"))), readAll(QStringLiteral(":/startup/STARTUP_DB")));
    for (const QString &dir : {QString(), QStringLiteral("Data"), QStringLiteral("Images"), QStringLiteral("Styles")})
        EXPECT_EQ(QFileInfo(file(dir)).permissions() & 0x0077, 0) << qPrintable(dir); // no group or other bits
    EXPECT_EQ(TAppinfo::DatabasePath, file(QStringLiteral("Data/Orvessa.db")));
    EXPECT_EQ(TAppinfo::ImagePath, file(QStringLiteral("Images")));
    EXPECT_EQ(TAppinfo::PlanSort, QStringLiteral("Avalanche DESC"));
    EXPECT_EQ(TAppinfo::DateFinderMonths, 18);
    EXPECT_TRUE(TAppinfo::NoticeText.contains(QString::number(QDate::currentDate().year())));
}

TEST_F(DataFolderTest, ADeletedFileIsRestoredAndNothingElseIsOverwritten)
{
    TAppinfo::ExtractResources();
    writeAll(file(QStringLiteral("Data/Orvessa.db")), "user data");
    writeAll(file(QStringLiteral("config.ini")), "[Form]\r\nTop=5\r\n");
    const QByteArray dark = readAll(file(QStringLiteral("Styles/dark.style")));
    QFile::remove(file(QStringLiteral("Styles/dark.style")));

    TAppinfo::ExtractResources();
    EXPECT_EQ(readAll(file(QStringLiteral("Styles/dark.style"))), dark);
    EXPECT_EQ(readAll(file(QStringLiteral("Data/Orvessa.db"))), QByteArray("user data"));
    EXPECT_EQ(readAll(file(QStringLiteral("config.ini"))), QByteArray("[Form]\r\nTop=5\r\n"));
}

TEST_F(DataFolderTest, MissingResourceIsReportedAndLeavesNoFileBehind)
{
    qputenv("ORVESSA_RESOURCE_ROOT", ":/nowhere/");
    try {
        TAppinfo::ExtractResources();
        FAIL() << "no error";
    } catch (const EAppError &e) {
        EXPECT_STREQ(e.what(), "Resource not found: STARTUP_DB");
    }
    EXPECT_TRUE(QDir(file(QStringLiteral("Data"))).isEmpty());
}

// Stands in for the main window and its debts grid.
struct FakeWindow : TConfigTarget {
    int left = 40, top = 40, height = 547, width = 974;
    bool maximized = false, minimized = false;
    double columns[4] = {120.5, 199.5, 121.5, 100};
    void SetFormLeft(int v) override { left = v; }
    void SetFormTop(int v) override { top = v; }
    void SetFormHeight(int v) override { height = v; }
    void SetFormWidth(int v) override { width = v; }
    void SetMaximized(bool v) override { maximized = v; }
    bool IsMaximized() const override { return maximized; }
    bool IsNormalState() const override { return !maximized && !minimized; }
    int FormTop() const override { return top; }
    int FormLeft() const override { return left; }
    int FormHeight() const override { return height; }
    int FormWidth() const override { return width; }
    double ColumnWidth(Column c) const override { return columns[c]; }
    void SetColumnWidth(Column c, int w) override { columns[c] = w; }
};

class ConfigTest : public DataFolderTest {
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        QDir().mkpath(root);
        TAppinfo::OnThemeStyleApplied = [this](TkxThemeStyle s, const QString &path) {
            applied.push_back(s);
            EXPECT_TRUE(path.endsWith(s == tsDark ? QStringLiteral("dark.style") : QStringLiteral("light.style")));
        };
        TAppinfo::OnMinPmtAllowedApplied = [this](int v) { checkedMinPmt = v; };
        TAppinfo::ThemeStyle = tsLight;
        TAppinfo::SetMinPmtAllowed(0);
    }
    void TearDown() override
    {
        TAppinfo::OnThemeStyleApplied = nullptr;
        TAppinfo::OnMinPmtAllowedApplied = nullptr;
        DataFolderTest::TearDown();
    }
    void writeIni(const QString &text) { writeAll(file(QStringLiteral("config.ini")), text.toUtf8()); }
    QString ini() { return QString::fromUtf8(readAll(file(QStringLiteral("config.ini")))); }

    std::vector<TkxThemeStyle> applied;
    int checkedMinPmt = 0;
};

TEST_F(ConfigTest, ShippedFileIsAppliedAsRead)
{
    TAppinfo::ExtractResources();
    FakeWindow w;
    TAppinfo::LoadConfigSettings(w);
    EXPECT_EQ(std::tie(w.left, w.top, w.height, w.width, w.maximized), std::make_tuple(418, 188, 601, 1070, false));
    EXPECT_EQ(applied, std::vector<TkxThemeStyle>{tsLight});
    EXPECT_EQ(TAppinfo::GetMinPmtAllowed(), 25);
    EXPECT_EQ(w.columns[0], 120);
    EXPECT_EQ(w.columns[1], 200);
}

TEST_F(ConfigTest, MissingFileChangesNothing)
{
    FakeWindow w;
    TAppinfo::LoadConfigSettings(w);
    EXPECT_EQ(std::tie(w.left, w.top, w.height, w.width), std::make_tuple(40, 40, 547, 974));
    EXPECT_TRUE(applied.empty());
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("config.ini"))));
}

struct ValueCase {
    const char *name;
    const char *iniText;
    int left, width, minPmt, theme; // theme -1: no style applied
    double creditorWidth;
};

TEST_F(ConfigTest, ValuesAndFallbacks)
{
    const ValueCase cases[] = {
        {"odd minimum becomes 25", "[Preferences]\r\nMinPmtAllowed=17\r\n", 0, 0, 25, 0, 200},
        {"allowed minimum kept", "[Preferences]\r\nMinPmtAllowed=35\r\n", 0, 0, 35, 0, 200},
        {"dark theme", "[Preferences]\r\nThemeStyle=1\r\n", 0, 0, 25, 1, 200},
        {"unknown theme ignored", "[Preferences]\r\nThemeStyle=2\r\n", 0, 0, 25, -1, 200},
        {"only the low byte counts", "[Preferences]\r\nThemeStyle=257\r\n", 0, 0, 25, 1, 200},
        {"256 reads as light", "[Preferences]\r\nThemeStyle=256\r\n", 0, 0, 25, 0, 200},
        {"missing width falls back to 0", "[Form]\r\nLeft=12\r\n", 12, 0, 25, 0, 200},
        {"not a whole number", "[Form]\r\nLeft=1.5\r\nWidth=wide\r\n", 0, 0, 25, 0, 200},
        {"column width read", "[Columns]\r\nCreditor=333\r\n", 0, 0, 25, 0, 333},
        {"bad column width keeps current, halves to even", "[Columns]\r\nCreditor=x\r\n", 0, 0, 25, 0, 200},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        applied.clear();
        TAppinfo::ThemeStyle = tsLight;
        TAppinfo::SetMinPmtAllowed(0);
        writeIni(QString::fromUtf8(c.iniText));
        FakeWindow w;
        TAppinfo::LoadConfigSettings(w);
        EXPECT_EQ(w.left, c.left);
        EXPECT_EQ(w.width, c.width);
        EXPECT_EQ(TAppinfo::GetMinPmtAllowed(), c.minPmt);
        EXPECT_EQ(checkedMinPmt, c.minPmt);
        if (c.theme < 0)
            EXPECT_TRUE(applied.empty());
        else
            EXPECT_EQ(applied, std::vector<TkxThemeStyle>{TkxThemeStyle(c.theme)});
        EXPECT_EQ(w.columns[1], c.creditorWidth); // 199.5 rounds to 200
        EXPECT_EQ(w.columns[0], 120);             // 120.5 rounds to the even 120
        EXPECT_EQ(w.columns[2], 122);             // 121.5 rounds to the even 122
    }
}

TEST_F(ConfigTest, UnknownThemeIsWrittenBackAsLight)
{
    writeIni(QStringLiteral("[Preferences]\r\nThemeStyle=2\r\n"));
    FakeWindow w;
    TAppinfo::LoadConfigSettings(w);
    TAppinfo::SaveConfigSettings(w);
    EXPECT_TRUE(ini().contains(QStringLiteral("ThemeStyle=0\r\n")));
}

TEST_F(ConfigTest, SavingKeepsOrderAndUnknownKeysAndSkipsPositionWhenMaximised)
{
    writeIni(QStringLiteral("; mine\r\n[Form]\r\nDesktopWidth=1920\r\nTop=1\r\nLeft=2\r\nHeight=3\r\nWidth=4\r\nIntMax=0\r\n"
                            "Extra=keep\r\n[Other]\r\nA=b\r\n"));
    FakeWindow w;
    w.maximized = true;
    w.top = 100;
    TAppinfo::SetMinPmtAllowed(30);
    TAppinfo::SaveConfigSettings(w);
    EXPECT_EQ(ini(), QStringLiteral("; mine\r\n[Form]\r\nDesktopWidth=0\r\nTop=1\r\nLeft=2\r\nHeight=3\r\nWidth=4\r\n"
                                    "IntMax=1\r\nExtra=keep\r\n[Other]\r\nA=b\r\n[Preferences]\r\nMinPmtAllowed=30\r\n"
                                    "ThemeStyle=0\r\n[Columns]\r\nType=120\r\nCreditor=200\r\nBalance=122\r\nPayment=100\r\n"));

    w.maximized = false;
    TAppinfo::SaveConfigSettings(w);
    EXPECT_TRUE(ini().contains(QStringLiteral("Top=100\r\nLeft=40\r\nHeight=547\r\nWidth=974\r\nIntMax=0\r\n")));
}

TEST(IniFile, IntegerParsing)
{
    const std::map<QString, std::optional<int>> cases{
        {QStringLiteral("42"), 42},          {QStringLiteral(" -7 "), -7},      {QStringLiteral("$1F"), 31},
        {QStringLiteral("0x10"), 16},        {QStringLiteral(""), std::nullopt}, {QStringLiteral("4.0"), std::nullopt},
        {QStringLiteral("99999999999"), std::nullopt}, {QStringLiteral("12abc"), std::nullopt},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(IniFile::parseInteger(text), expected) << qPrintable(text);
}

} // namespace

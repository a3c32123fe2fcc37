// The chart painter drawn into images and checked pixel by pixel.
#include "reports/ChartPainter.h"

#include <QGuiApplication>
#include <QImage>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QColor kDebt(0xF5, 0x77, 0x07), kSavings(0x2E, 0x8B, 0x57), kInterest(0x46, 0x82, 0xB4);

QImage donut(const std::vector<TChartItem> &slices)
{
    QImage img(300, 300, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    PaintDonut(p, QRectF(0, 0, 300, 300), slices, TDonutStyle{});
    return img;
}

TEST(FormatThousands, Cases)
{
    const std::pair<double, const char *> cases[] = {
        {0, "0"},          {999, "999"},        {1000, "1,000"},     {13565, "13,565"}, {1234567.5, "1,234,568"},
        {-10761, "-10,761"}, {0.5, "1"},       {-0.5, "-1"},        {std::nan(""), "0"},
    };
    for (const auto &[v, text] : cases)
        EXPECT_EQ(FormatThousands(v), QString::fromLatin1(text)) << v;
}

TEST(NiceAxisStep, Cases)
{
    EXPECT_EQ(NiceAxisStep(13565, 4), 5000);
    EXPECT_EQ(NiceAxisStep(194, 4), 50);
    EXPECT_EQ(NiceAxisStep(0, 4), 1);
    EXPECT_EQ(NiceAxisStep(std::numeric_limits<double>::infinity(), 4), 1);
}

TEST(Donut, FirstSliceStartsAtTheTopAndTheHoleStaysEmpty)
{
    // Debt 11742, savings 10761, interest 2804: the debt slice runs from 12
    // o'clock counter-clockwise, so just left of the top is debt and just
    // right of it is the last slice.
    const QImage img = donut({{QStringLiteral("Debt"), 11742, kDebt},
                              {QStringLiteral("Savings"), 10761, kSavings},
                              {QStringLiteral("Interest"), 2804, kInterest}});
    EXPECT_EQ(img.pixelColor(130, 30), kDebt);
    EXPECT_EQ(img.pixelColor(170, 30), kInterest);
    EXPECT_EQ(img.pixelColor(150, 270), kSavings); // the bottom lies in the savings slice
    EXPECT_EQ(img.pixelColor(150, 150).alpha(), 0);
}

TEST(Donut, NothingToShowDrawsAnEmptyRing)
{
    for (double v : {0.0, -5.0, std::nan("")}) {
        const QImage img = donut({{QStringLiteral("Debt"), v, kDebt}, {QStringLiteral("Savings"), v, kSavings}});
        EXPECT_EQ(img.pixelColor(150, 30), QColor(0xD0, 0xD0, 0xD0)) << v;
    }
}

TEST(BarChart, TallerValueDrawsTallerBarAndOddValuesDoNotCrash)
{
    auto height = [](const QImage &img, const QColor &c) {
        int rows = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixelColor(x, y) == c) {
                    ++rows;
                    break;
                }
        return rows;
    };
    const QColor minColor(0xA9, 0xA9, 0xA9), planColor(0x3E, 0x7A, 0xA7);
    QImage img(177, 220, QImage::Format_ARGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        TBarChartStyle style;
        style.title = QStringLiteral("Months");
        PaintBarChart(p, QRectF(0, 0, 177, 220), {{QStringLiteral("Min Pmt"), 194, minColor},
                                                  {QStringLiteral("Your Plan"), 31, planColor}}, style);
    }
    const int tall = height(img, minColor), shortBar = height(img, planColor);
    EXPECT_GT(tall, 0);
    EXPECT_NEAR(double(shortBar) / tall, 31.0 / 194, 0.05);

    for (double v : {0.0, -100.0, std::nan(""), 1e300}) {
        QImage odd(177, 220, QImage::Format_ARGB32);
        QPainter p(&odd);
        PaintBarChart(p, QRectF(0, 0, 177, 220), {{QStringLiteral("A"), v, minColor}, {QStringLiteral("B"), 5, planColor}},
                      TBarChartStyle{});
    }
}

TEST(BarChart, BoldBarNamesKeepAGapOnANarrowChart)
{
    // The page's bar charts are 177 wide with bold 12-point names; neighbouring
    // names must neither touch nor be cut at the edges.
    // Names without blanks, so the widest gap in the row of names is the one
    // between them.
    const std::pair<int, QStringList> cases[] = {
        {177, {QStringLiteral("MinPmt"), QStringLiteral("YourPlan")}},
        {140, {QStringLiteral("MinPmt"), QStringLiteral("YourPlan")}},
        {300, {QStringLiteral("MinimumPayment"), QStringLiteral("YourPayoffPlan")}},
    };
    for (const auto &[width, names] : cases) {
        QImage img(width, 220, QImage::Format_ARGB32);
        img.fill(Qt::white);
        TBarChartStyle style;
        style.title = QStringLiteral("Months");
        style.titleFont.setBold(true);
        style.titleFont.setPointSize(16);
        style.axisLabelFont.setBold(true);
        style.axisLabelFont.setPointSize(12);
        {
            QPainter p(&img);
            PaintBarChart(p, QRectF(0, 0, width, 220), {{names[0], 194, QColor(0xA9, 0xA9, 0xA9)},
                                                        {names[1], 31, QColor(0x3E, 0x7A, 0xA7)}},
                          style);
        }
        // The names sit under the bars; start below the value axis's "0",
        // which is centred on the bars' foot (the last row with a stretch of
        // bar colour; grey text pixels come singly).
        int foot = 0;
        for (int y = 0; y < 220; ++y)
            for (int x = 0, run = 0; x < width; ++x)
                if (img.pixelColor(x, y) == QColor(0xA9, 0xA9, 0xA9) ? ++run >= 5 : (run = 0))
                    foot = y;
        std::vector<bool> ink(std::size_t(width), false);
        for (int x = 0; x < width; ++x)
            for (int y = foot + QFontMetrics(style.valueFont).height() / 2 + 1; y < 220; ++y)
                if (qGray(img.pixel(x, y)) < 128)
                    ink[std::size_t(x)] = true;
        int first = -1, last = -1, widestGap = 0, run = 0;
        for (int x = 0; x < width; ++x) {
            if (ink[std::size_t(x)]) {
                if (first >= 0)
                    widestGap = std::max(widestGap, run);
                if (first < 0)
                    first = x;
                last = x;
                run = 0;
            } else {
                ++run;
            }
        }
        ASSERT_GE(first, 0) << width;
        EXPECT_GT(first, 0) << width;
        EXPECT_LT(last, width - 1) << width;
        EXPECT_GE(widestGap, 6) << width;
    }
}

TEST(BarChart, WideValueMarksStayWholeWithinTheirBar)
{
    // Millions on a 177-wide chart: the mark above the tall bar must not be
    // cut to the bar's slot.
    QImage img(177, 240, QImage::Format_ARGB32);
    img.fill(Qt::white);
    const QColor minColor(0xA9, 0xA9, 0xA9);
    {
        QPainter p(&img);
        PaintBarChart(p, QRectF(0, 0, 177, 240), {{QStringLiteral("Min Pmt"), 3191325, minColor},
                                                  {QStringLiteral("Your Plan"), 857418, QColor(0x3E, 0x7A, 0xA7)}},
                      TBarChartStyle{});
    }
    // The tall bar: its width at mid-height gives the slot (bars fill 70 % of it).
    int top = -1, left = -1, right = -1;
    for (int y = 0; y < 240 && top < 0; ++y)
        for (int x = 0; x < 177; ++x)
            if (img.pixelColor(x, y) == minColor && img.pixelColor(x + 4, y) == minColor) {
                top = y;
                break;
            }
    ASSERT_GE(top, 0);
    for (int x = 0; x < 177; ++x)
        if (img.pixelColor(x, top + 20) == minColor) {
            if (left < 0)
                left = x;
            right = x;
        }
    const double slot = (right - left + 1) / 0.7, centre = (left + right) / 2.0;
    int inkLeft = 177, inkRight = -1;
    const int markHeight = QFontMetrics(TBarChartStyle{}.valueFont).height();
    for (int y = std::max(0, top - markHeight - 4); y < top - 1; ++y)
        for (int x = int(centre - slot / 2 - 3); x <= int(centre + slot / 2 + 3); ++x)
            if (qGray(img.pixel(x, y)) < 128) {
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
            }
    ASSERT_GE(inkRight, 0) << "no mark above the bar";
    EXPECT_LE(inkRight - inkLeft + 1, slot - 4);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

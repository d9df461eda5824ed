#include "monitors/trend_geometry.h"

#include <gtest/gtest.h>
#include <limits>

namespace pelmora {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kMax = std::numeric_limits<float>::max();
constexpr float kTiny = std::numeric_limits<float>::denorm_min();

TEST(TrendY, ValuesOnTheirScaleClampedIntoTheBand)
{
    struct Case {
        const char *what;
        float v, min, max;
        int top, bottom, y;
    };
    // clang-format off
    const Case cases[] = {
        // The Tesk band 40..440, 400 pixels for 100 %.
        {"middle",                       50, 0, 100,     40, 440, 240},
        {"the maximum",                 100, 0, 100,     40, 440, 40},
        {"the minimum",                   0, 0, 100,     40, 440, 440},
        {"above the maximum",           150, 0, 100,     40, 440, 40},
        {"below the minimum",            -1, 0, 100,     40, 440, 440},
        {"negative minimum",              0, -100, 100,  40, 440, 240},
        {"maximum 0 (discrete default)",  1, 0, 0,       40, 440, 440},
        {"maximum below 0",              -5, -10, -1,    40, 440, 440},
        {"maximum equal to the minimum",  5, 5, 5,       40, 440, 440},
        {"maximum equal, value above",    9, 5, 5,       40, 440, 440},
        {"maximum below the minimum",     7, 10, 5,      40, 440, 440},
        {"a scale one in a million wide", 1, 0, 1e-6f,   40, 440, 40},
        {"far above: no overflow",     1e30f, 0, 1,      40, 440, 40},
        {"not a number",               kNaN, 0, 100,     40, 440, 440},
        {"infinite",                   kInf, 0, 100,     40, 440, 40},
        {"minus infinite",            -kInf, 0, 100,     40, 440, 440},
        // A scale that is not a finite range puts the channel on the 0 % line,
        // whatever the value; so does a scale of no width.
        {"minimum not a number",         50, kNaN, 100,   40, 440, 440},
        {"maximum not a number",         50, 0, kNaN,     40, 440, 440},
        {"minimum minus infinite",       50, -kInf, 100,  40, 440, 440},
        {"minimum minus inf, value inf", kInf, -kInf, 100, 40, 440, 440},
        {"minimum infinite",             50, kInf, 100,   40, 440, 440},
        {"maximum infinite",             50, 0, kInf,     40, 440, 440},
        {"maximum infinite, value inf", kInf, 0, kInf,    40, 440, 440},
        {"maximum minus infinite",       50, 0, -kInf,    40, 440, 440},
        {"both infinite",                50, -kInf, kInf, 40, 440, 440},
        {"both infinite, no width",    kInf, kInf, kInf,  40, 440, 440},
        {"both not a number",          kNaN, kNaN, kNaN,  40, 440, 440},
        {"no width at 0",                 0, 0, 0,        40, 440, 440},
        {"no width, value above",     1e30f, 100, 100,    40, 440, 440},
        {"no width at the float limit",  kMax, kMax, kMax, 40, 440, 440},
        {"widest finite scale",        kMax, -kMax, kMax, 40, 440, 40},
        {"widest finite scale, middle",   0, -kMax, kMax, 40, 440, 240},
        {"narrowest scale, value inf", kInf, 0, kTiny,    40, 440, 40},
        {"narrowest scale, value above", 1, 0, kTiny,     40, 440, 40},
        // The Orvo band 520..620, 100 pixels; halves go to the even pixel.
        {"Orvo middle",                1600, 0, 3200,   520, 620, 570},
        {"half to even, down",            1, 0, 200,    520, 620, 620}, // 619.5
        {"half to even, up",              3, 0, 200,    520, 620, 618}, // 618.5
        {"Orvo clamped",              -32768, 0, 3200,  520, 620, 620},
    };
    // clang-format on
    for (const Case &c : cases)
        EXPECT_EQ(trendY(c.v, c.min, c.max, c.top, c.bottom), c.y) << c.what;
}

TEST(DiscreteRows, RowOfEachValue)
{
    struct Case {
        float v;
        int column, y;
        bool bar;
    };
    // clang-format off
    const Case cases[] = {
        {0, 0, 10, false},  {1, 0, 9, true},   {0, 39, 517, false}, {1, 39, 516, true},
        {5, 2, 31, false},  {2.5f, 0, 8, false}, {-3, 1, 26, false},
        {1e9f, 5, -1, false}, {-1e9f, 5, 640, false}, {kNaN, 5, -1, false},
    };
    // clang-format on
    for (const Case &c : cases) {
        EXPECT_EQ(discreteRowY(c.v, c.column, 640), c.y) << c.v << " " << c.column;
        EXPECT_EQ(discreteBar(c.v), c.bar) << c.v;
    }
}

TEST(PlotGrid, LinesOfBothPlots)
{
    const auto tesk = gridLines(PlotWindow::Tesk);
    ASSERT_EQ(tesk.size(), 12u + 150u);
    EXPECT_EQ(tesk[0].y1, 40);
    EXPECT_EQ(tesk[0].colour, kGridRed); // the 100 % line
    EXPECT_EQ(tesk[1].colour, 0x808000);
    EXPECT_EQ(tesk[10].y1, 440);
    EXPECT_EQ(tesk[10].colour, kGridRed); // the 0 % line
    EXPECT_EQ(tesk[11].y1, 480);
    EXPECT_EQ(tesk[11].colour, 0x808000);
    EXPECT_EQ(tesk[0].x1, 1);
    EXPECT_EQ(tesk[0].x2, 15100);
    EXPECT_EQ(tesk[12].x1, 100);
    EXPECT_EQ(tesk[12].y1, 40);
    EXPECT_EQ(tesk[12].y2, 480);
    EXPECT_EQ(tesk.back().x1, 15000);

    const auto orvo = gridLines(PlotWindow::Orvo);
    ASSERT_EQ(orvo.size(), 6u + 150u);
    EXPECT_EQ(orvo[0].y1, 520);
    EXPECT_EQ(orvo[0].colour, kGridRed);
    EXPECT_EQ(orvo[1].colour, 0x404040);
    EXPECT_EQ(orvo[5].y1, 620);
    EXPECT_EQ(orvo[5].colour, kGridRed);
    EXPECT_EQ(orvo[5].x2, 15010);
    EXPECT_EQ(orvo[6].y1, 0);
    EXPECT_EQ(orvo[6].y2, 620);
}

TEST(PlotLabels, TimeLabelsAtEveryZoomAndPeriod)
{
    struct Case {
        PlotWindow w;
        int zoom, cikl, i;
        QString text;
        int x, y;
    };
    // clang-format off
    const Case cases[] = {
        {PlotWindow::Tesk, 1, 0, 1,   "0 мс",     0,     485},
        {PlotWindow::Tesk, 1, 0, 2,   "100 мс",   100,   485},
        {PlotWindow::Tesk, 1, 0, 150, "14900 мс", 14900, 485},
        {PlotWindow::Tesk, 3, 0, 2,   "33 мс",    100,   485},
        {PlotWindow::Tesk, 3, 0, 3,   "66 мс",    200,   485},
        {PlotWindow::Tesk, 3, 0, 4,   "100 мс",   300,   485},
        {PlotWindow::Tesk, 3, 0, 5,   "133 мс",   400,   485},
        {PlotWindow::Tesk, 2, 1, 2,   "50 мс",    100,   485}, // the period is not the Tesk plot's
        {PlotWindow::Orvo, 3, 0, 2,   "33 мс",    100,   620},
        {PlotWindow::Orvo, 3, 1, 2,   "66 мс",    100,   620},
        {PlotWindow::Orvo, 3, 1, 3,   "133 мс",   200,   620},
        {PlotWindow::Orvo, 3, 1, 4,   "200 мс",   300,   620},
        {PlotWindow::Orvo, 3, 5, 150, "29800 мс", 14900, 620}, // a period from a file: no overflow
    };
    // clang-format on
    for (const Case &c : cases) {
        const TextAt t = timeLabel(c.w, c.i, c.zoom, c.cikl);
        EXPECT_EQ(t.text, c.text) << c.i;
        EXPECT_EQ(t.x, c.x) << c.i;
        EXPECT_EQ(t.y, c.y) << c.i;
    }
    EXPECT_EQ(timeLabels(PlotWindow::Orvo, 3, 0).size(), 150u);
}

TEST(PlotLabels, PercentageAxis)
{
    const auto tesk = percentLabels(PlotWindow::Tesk);
    ASSERT_EQ(tesk.size(), 22u);
    EXPECT_EQ(tesk[0].text, QStringLiteral("100%"));
    EXPECT_EQ(tesk[0].x, 30);
    EXPECT_EQ(tesk[0].y, 80);
    EXPECT_EQ(tesk[1].x, 1270);
    EXPECT_EQ(tesk[2].text, QStringLiteral("90%"));
    EXPECT_EQ(tesk[2].y, 120);
    EXPECT_EQ(tesk[21].text, QStringLiteral("0%"));
    EXPECT_EQ(tesk[21].y, 480);

    const auto orvo = percentLabels(PlotWindow::Orvo);
    ASSERT_EQ(orvo.size(), 6u);
    EXPECT_EQ(orvo[0].text, QStringLiteral("100%"));
    EXPECT_EQ(orvo[0].y, 520);
    EXPECT_EQ(orvo[1].text, QStringLiteral("80%"));
    EXPECT_EQ(orvo[5].text, QStringLiteral("0%"));
    EXPECT_EQ(orvo[5].y, 620);
    for (const TextAt &t : orvo)
        EXPECT_EQ(t.x, 1270);
}

TEST(PlotScroll, ZoomEntriesAndScrollPlaces)
{
    EXPECT_EQ(zoomForEntry(0), 1);
    EXPECT_EQ(zoomForEntry(1), 2);
    EXPECT_EQ(zoomForEntry(2), 3);
    EXPECT_EQ(trendsEndX(1), 5000);
    EXPECT_EQ(trendsEndX(3), 15000);

    struct Case {
        int value, picture, cursor;
    };
    const Case cases[] = {{0, 1, 10}, {10, -9, 20}, {15000, -14999, 15010}};
    for (const Case &c : cases) {
        const ScrollPlace p = scrollPlace(c.value);
        EXPECT_EQ(p.pictureLeft, c.picture) << c.value;
        EXPECT_EQ(p.handleLeft, c.cursor) << c.value;
        EXPECT_EQ(p.lineLeft, c.cursor) << c.value;
    }
    EXPECT_EQ(plotLayout(PlotWindow::Tesk).pictureWidth, 15100);
    EXPECT_EQ(plotLayout(PlotWindow::Orvo).clipLeft, 160);
    EXPECT_EQ(plotLayout(PlotWindow::Orvo).zoomAtLoad, 3);
    EXPECT_TRUE(plotLayout(PlotWindow::Orvo).stepsAtLoad);
}

} // namespace
} // namespace pelmora

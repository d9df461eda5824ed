#include "monitors/trend_plot.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

constexpr std::int32_t kRed = 0x0000FF;
constexpr std::int32_t kBlue = 0xFF0000;

// Whether any pixel of the rectangle has the colour.
bool anyPixel(const QImage &img, int x1, int y1, int x2, int y2, std::int32_t bgr)
{
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (img.pixel(x, y) == rgbOf(bgr))
                return true;
    return false;
}

MonitorTables teskStore()
{
    MonitorTables m;
    for (int c = 1; c <= 22; ++c) {
        m.Grafik_Min(c) = 0;
        m.Grafik_Max(c) = 100;
        m.Grafik_Color(c) = 0x000100 * c;
    }
    m.Grafik_Color(1) = kRed;
    for (int s = 0; s <= 5100; ++s) {
        m.Grafik_Data(s, 1) = 50; // y 240
        for (int c = 2; c <= 22; ++c)
            m.Grafik_Data(s, c) = 90; // y 80
    }
    return m;
}

TEST(TrendPlot, TeskTrendsRunToTheZoomedEndOverTheGrid)
{
    MonitorTables m = teskStore();
    for (int zoom : {1, 3}) {
        TrendPlot plot(PlotWindow::Tesk);
        plot.zoom = zoom;
        plot.fullRedraw(m);
        const QImage &img = plot.picture();
        EXPECT_EQ(img.size(), QSize(15100, 520));
        for (int x : {zoom + 1, 1234, 5000 * zoom - 1, 5000 * zoom})
            EXPECT_EQ(img.pixel(x, 240), rgbOf(kRed)) << zoom << " " << x;
        EXPECT_EQ(img.pixel(2000, 80), rgbOf(m.Grafik_Color(22))) << zoom; // drawn last of those at 80
        // Past the trends only the grid and the background.
        EXPECT_FALSE(anyPixel(img, 5000 * zoom + 2, 200, 5000 * zoom + 60, 280, kRed)) << zoom;
        // The straight style starts every channel at the 0 % line.
        EXPECT_EQ(img.pixel(0, 440), rgbOf(m.Grafik_Color(22))) << zoom;
        EXPECT_EQ(plot.yOld[1], 240);
        EXPECT_EQ(plot.yOld[22], 80);
    }
}

TEST(TrendPlot, GridAndTimeLabelsAreDrawnBeforeTheTrends)
{
    MonitorTables m; // no trends: every scale maximum 0 puts them on the 0 % line, in black
    TrendPlot plot(PlotWindow::Tesk);
    plot.fullRedraw(m);
    const QImage &img = plot.picture();
    EXPECT_TRUE(anyPixel(img, 1, 40, 200, 40, kGridRed));                // the 100 % line, dotted
    EXPECT_TRUE(anyPixel(img, 1, 80, 200, 80, 0x808000));                // a grid line
    EXPECT_TRUE(anyPixel(img, 14000, 480, 15100, 480, 0x808000));        // to the picture's end
    EXPECT_TRUE(anyPixel(img, 15000, 41, 15000, 479, 0x808000));         // the last vertical line
    EXPECT_TRUE(anyPixel(img, 0, 485, 60, 519, kTimeTextColour));        // "0 мс"
    EXPECT_TRUE(anyPixel(img, 14900, 485, 14990, 519, kTimeTextColour)); // "14900 мс"
    EXPECT_FALSE(anyPixel(img, 1, 90, 99, 110, 0x808000));               // between the lines: background
}

TEST(TrendPlot, DegenerateScalesDrawOnTheZeroLine)
{
    MonitorTables m = teskStore();
    m.Grafik_Min(1) = 20;
    m.Grafik_Max(1) = 20; // maximum not above the minimum
    for (int s = 0; s < 5000; s += 2)
        m.Grafik_Data(s, 1) = 1e30f;
    TrendPlot plot(PlotWindow::Tesk);
    plot.fullRedraw(m);
    for (int x : {2, 777, 4999, 5000})
        EXPECT_EQ(plot.picture().pixel(x, 440), rgbOf(kRed)) << x;
    EXPECT_FALSE(anyPixel(plot.picture(), 1, 41, 5000, 439, kRed));
}

TEST(TrendPlot, StepStyleStartsWhereThePreviousPassEnded)
{
    MonitorTables m = teskStore();
    TrendPlot plot(PlotWindow::Tesk);
    plot.steps = true;
    // No pass has run: the first vertical line starts at the picture's top.
    plot.drawTeskPass(m, 1, 1);
    for (int y = 0; y <= 240; y += 40)
        EXPECT_EQ(plot.picture().pixel(0, y), rgbOf(kRed)) << y;
    // A step: sample 10 at 100 draws a vertical line at x 10 from 240 to 40.
    m.Grafik_Data(10, 1) = 100;
    plot.clear();
    plot.yOld[1] = 240;
    plot.drawTeskPass(m, 1, 1);
    for (int y = 40; y <= 240; y += 50)
        EXPECT_EQ(plot.picture().pixel(10, y), rgbOf(kRed)) << y;
    EXPECT_EQ(plot.picture().pixel(10, 40), rgbOf(kRed));
    EXPECT_EQ(plot.picture().pixel(11, 240), rgbOf(kRed)); // back down at sample 11
    EXPECT_NE(plot.picture().pixel(5, 120), rgbOf(kRed));
}

TEST(TrendPlot, OneChannelPassDrawsOverThePicture)
{
    MonitorTables m = teskStore();
    m.Grafik_Color(2) = kBlue;
    for (int s = 0; s <= 5100; ++s)
        m.Grafik_Data(s, 2) = 25; // y 340
    TrendPlot plot(PlotWindow::Tesk);
    plot.fullRedraw(m);
    m.Grafik_Color(2) = 0x00FF00;
    plot.drawTeskPass(m, 2, 2);
    EXPECT_EQ(plot.picture().pixel(100, 240), rgbOf(kRed)); // channel 1 is still there
    EXPECT_EQ(plot.picture().pixel(100, 340), rgbOf(0x00FF00));
}

TEST(TrendPlot, OrvoRowsBarsAndLines)
{
    MonitorTables m;
    m.Grafik_Color(4) = kBlue;
    m.Grafik_Color(45) = kRed;
    m.Grafik_Min(45) = 0;
    m.Grafik_Max(45) = 100;
    for (int s = 0; s <= 5000; ++s) {
        m.Grafik_Data(s, 4) = s >= 10 && s < 20 ? 1.0f : 0.0f;
        m.Grafik_Data(s, 45) = 50; // y 570
    }
    m.Grafik_Data(30, 4) = 5;    // a value from a file: a grey line at 13 * 4 + 5
    m.Grafik_Data(40, 4) = 1e9f; // far off the picture: nothing
    TrendPlot plot(PlotWindow::Orvo);
    ASSERT_EQ(plot.zoom, 3);
    plot.fullRedraw(m);
    const QImage &img = plot.picture();
    // Samples 10..19 are a bar over x 30..60, y 55..61.
    for (int y = 55; y <= 61; ++y) {
        EXPECT_EQ(img.pixel(31, y), rgbOf(kBlue)) << y;
        EXPECT_EQ(img.pixel(59, y), rgbOf(kBlue)) << y;
    }
    EXPECT_NE(img.pixel(31, 62), rgbOf(kBlue));
    EXPECT_NE(img.pixel(31, 54), rgbOf(kBlue));
    EXPECT_NE(img.pixel(62, 58), rgbOf(kBlue));
    // The other samples are grey lines at y 62; sample 30 at y 57.
    EXPECT_EQ(img.pixel(5, 62), rgbOf(kOrvoRowColour));
    EXPECT_EQ(img.pixel(91, 57), rgbOf(kOrvoRowColour));
    EXPECT_NE(img.pixel(91, 62), rgbOf(kOrvoRowColour));
    EXPECT_EQ(img.pixel(121, 62), rgbOf(0));
    // The analog trend in the band 520..620 over the grid.
    EXPECT_EQ(img.pixel(300, 570), rgbOf(kRed));
    EXPECT_TRUE(anyPixel(img, 1, 520, 99, 520, kGridRed));

    // A new colour redraws the row alone, over the picture.
    m.Grafik_Color(4) = 0x00FF00;
    plot.drawOrvoRow(m, 4);
    EXPECT_EQ(img.pixel(31, 58), rgbOf(0x00FF00));
    EXPECT_EQ(img.pixel(300, 570), rgbOf(kRed));
}

TEST(TrendPlot, BackgroundFillsTheClearedPicture)
{
    TrendPlot plot(PlotWindow::Orvo);
    plot.background = 0x123456;
    plot.clear();
    EXPECT_EQ(plot.picture().pixel(7000, 300), qRgb(0x56, 0x34, 0x12));
}

} // namespace
} // namespace pelmora

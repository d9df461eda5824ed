#include "monitors/trend_channels.h"
#include "monitors/trend_cursor.h"

#include <gtest/gtest.h>
#include <limits>

namespace pelmora {
namespace {

TEST(TrendCursor, DragMovesInWholeSamplesWithinItsLimits)
{
    struct Case {
        const char *what;
        int zoom, handle, grab, pointer;
        CursorPlace place;
    };
    // clang-format off
    const Case cases[] = {
        {"zoom 1: one pixel is one sample",  1, -10, 10, 15,  {-5, 5, 5}},
        {"zoom 1: to sample 1234",           1, 100, 10, 1144, {1234, 1244, 1244}},
        {"zoom 3: one pixel does not move",  3, 0, 10, 11,    {0, 10, 3}},
        {"zoom 3: two pixels do not move",   3, 0, 10, 12,    {0, 10, 3}},
        {"zoom 3: the third pixel moves",    3, 0, 10, 13,    {3, 13, 4}},
        {"zoom 3: left of 0 rounds to 0 up", 3, 0, 10, 2,     {-6, 4, 1}},
        {"zoom 2: sample under the line",    2, 200, 10, 15,  {204, 214, 107}},
        {"below -10: stays",                 1, -10, 10, 9,   {-10, 0, 0}},
        {"right end, zoom 1: sample 5010",   1, 4990, 10, 20, {5000, 5010, 5010}},
        {"right end, zoom 2: sample 5005",   2, 9990, 10, 20, {10000, 10010, 5005}},
        {"right end, zoom 3: sample 5003",   3, 14990, 10, 20, {15000, 15010, 5003}},
        {"beyond the right end: stays",      3, 14997, 10, 20, {14997, 15007, 5002}},
    };
    // clang-format on
    for (const Case &c : cases) {
        const CursorPlace p = dragCursor(c.handle, c.grab, c.pointer, c.zoom);
        EXPECT_EQ(p.handleLeft, c.place.handleLeft) << c.what;
        EXPECT_EQ(p.lineLeft, c.place.lineLeft) << c.what;
        EXPECT_EQ(p.sample, c.place.sample) << c.what;
    }
    const CursorPlace load = cursorAtLoad();
    EXPECT_EQ(load.handleLeft, -10);
    EXPECT_EQ(load.lineLeft, 0);
}

TEST(TrendCursor, PointerTwipsToPixels)
{
    const struct {
        double twips;
        int pixels;
    } cases[] = {{0, 0}, {14, 0}, {15, 1}, {14.5, 0}, {29.5, 2}, {44.9, 3}, {-14, 0}, {-15, -1}, {-31, -2}};
    for (const auto &c : cases)
        EXPECT_EQ(twipsToPixels(c.twips), c.pixels) << c.twips;
}

TEST(TrendCursor, ValueTextsAndLamps)
{
    const struct {
        float v;
        QChar point;
        const char *text;
    } texts[] = {
        {12.34f, '.', "12.34"},
        {12.34f, ',', "12,34"},
        {1, '.', "1"},
        {0, ',', "0"},
        {-0.5f, ',', "-0,5"},
        {65535, '.', "65535"},
        {123456789.0f, '.', "1.234568E+08"},
    };
    for (const auto &t : texts)
        EXPECT_EQ(cursorValueText(t.v, t.point), QString::fromUtf8(t.text)) << t.text;

    const struct {
        float v;
        std::int32_t colour;
    } lamps[] = {
        {0, 0x004000},
        {1, 0x00FF00},
        {2, 0},
        {0.4f, 0x004000},
        {0.5f, 0x004000},
        {1.5f, 0},
        {2.5f, 0},
        {3, 0},
        {-1, 0},
        {1e9f, 0},
        {std::numeric_limits<float>::quiet_NaN(), 0},
    };
    for (const auto &l : lamps)
        EXPECT_EQ(lampColour(l.v), l.colour) << l.v;
}

// A store where sample s of channel c holds c * 1000 + s.
MonitorTables numberedStore()
{
    MonitorTables m;
    for (int s = 0; s <= 5100; ++s)
        for (int c = 0; c <= 45; ++c)
            m.Grafik_Data(s, c) = static_cast<float>(c * 1000 + s);
    return m;
}

TEST(TrendCursor, TeskReadoutsAtBothZooms)
{
    MonitorTables m = numberedStore();
    setTeskChannelDefaults(m);
    for (int s = 0; s <= 5100; ++s)
        for (int c = 7; c <= 22; ++c)
            m.Grafik_Data(s, c) = static_cast<float>((s + c) % 3);
    struct Case {
        int zoom, handle, grab, pointer;
        int sample;
        const char *channel1; // cell 0
    };
    // clang-format off
    const Case cases[] = {
        {1, -10, 10, 110,  100, "1100"},
        {3, -10, 10, 110,  33,  "1033"},  // line at 100: sample 100 \ 3
        {3, 290, 10, 20,   103, "1103"},  // handle 300, line 310
        {1, 4990, 10, 20,  5010, "6010"}, // the right end: past the recorded samples
    };
    // clang-format on
    for (const Case &c : cases) {
        const CursorPlace p = dragCursor(c.handle, c.grab, c.pointer, c.zoom);
        ASSERT_EQ(p.sample, c.sample) << c.zoom << " " << c.pointer;
        const TeskCursorValues v = teskCursorValues(m, p.sample, 3, QLatin1Char('.'));
        EXPECT_EQ(v.cells[0], QString::fromLatin1(c.channel1));
        EXPECT_EQ(v.cells[5], QString::number(6000 + c.sample));
        for (int cell = 6; cell <= 21; ++cell) {
            const int value = (c.sample + cell + 1) % 3;
            EXPECT_EQ(v.cells[static_cast<std::size_t>(cell)], QString::number(value));
            EXPECT_EQ(v.lamps[static_cast<std::size_t>(cell - 6)], value == 1 ? 0x00FF00 : value == 0 ? 0x004000 : 0);
        }
        EXPECT_EQ(v.cells[22], v.cells[12]); // the mirror cells
        EXPECT_EQ(v.cells[23], v.cells[13]);
        EXPECT_EQ(v.time, QString::number(c.sample));
        EXPECT_EQ(v.caption, QStringLiteral("aINP_3 = ") + QString::number(3000 + c.sample));
    }
}

TEST(TrendCursor, OrvoReadoutsAtBothZoomsAndNoneAtTheEnd)
{
    MonitorTables m = numberedStore();
    setOrvoChannelDefaults(m, SchemaTables());
    for (int c = 0; c < 40; ++c) {
        m.Grafik_Color(c) = 0x100 + c;
        for (int s = 0; s <= 5100; ++s)
            m.Grafik_Data(s, c) = (s + c) % 2 ? 1.0f : 0.0f;
    }
    m.Grafik_Cikl = 1;
    m.Grafik_Kanal_IO = 43;
    m.Grafik_Color(43) = 0xABCDEF;
    const std::int32_t background = 0x222222;
    struct Case {
        int zoom, lineLeft, sample;
    };
    const Case cases[] = {{3, 0, 0}, {3, 301, 100}, {3, 14999, 4999}, {1, 4999, 4999}, {1, 17, 17}};
    for (const Case &c : cases) {
        const auto v = orvoCursorValues(m, c.lineLeft, c.zoom, background, QLatin1Char(','));
        ASSERT_TRUE(v.has_value()) << c.lineLeft;
        for (int col = 0; col < 40; ++col)
            EXPECT_EQ(v->squares[static_cast<std::size_t>(col)], (c.sample + col) % 2 ? 0x100 + col : background);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(v->analog[static_cast<std::size_t>(i)], QString::number((45 - i) * 1000 + c.sample));
        EXPECT_EQ(v->time, QString::number(2 * c.sample)); // the 2 ms period
        EXPECT_EQ(v->caption, QStringLiteral("aINP_3 = ") + QString::number(43000 + c.sample));
        EXPECT_EQ(v->captionColour, 0xABCDEF);
    }
    // At and beyond 5000 * zoom nothing is read out.
    EXPECT_FALSE(orvoCursorValues(m, 15000, 3, background, QLatin1Char('.')).has_value());
    EXPECT_FALSE(orvoCursorValues(m, 15010, 3, background, QLatin1Char('.')).has_value());
    EXPECT_FALSE(orvoCursorValues(m, 5000, 1, background, QLatin1Char('.')).has_value());
    // No analog column chosen (a click on the background): column 0, the last name.
    m.Grafik_Kanal_IO = 0;
    const auto none = orvoCursorValues(m, 30, 3, background, QLatin1Char('.'));
    ASSERT_TRUE(none.has_value());
    EXPECT_EQ(none->caption, QStringLiteral("dOUT4_8 = 0"));
}

TEST(TrendCursor, CaptionBesideTheLine)
{
    EXPECT_EQ(captionPlace(PlotWindow::Tesk, 100, 7).left, 110);
    EXPECT_EQ(captionPlace(PlotWindow::Tesk, 100, 7).top, 67);
    EXPECT_EQ(captionPlace(PlotWindow::Orvo, 100, 7).top, 27);
}

TEST(TrendCursor, BlinksOneTickIn21UnlessHeld)
{
    MonitorTables m;
    std::vector<int> hidden;
    for (int tick = 0; tick < 63; ++tick) {
        const auto visible = cursorBlinkTick(m);
        ASSERT_TRUE(visible.has_value());
        if (!*visible)
            hidden.push_back(tick);
    }
    EXPECT_EQ(hidden, (std::vector<int>{0, 21, 42}));
    m.Cursor_Drag_Flag = 1;
    const std::int16_t count = m.Cursor_Miganie_Count;
    EXPECT_FALSE(cursorBlinkTick(m).has_value());
    EXPECT_EQ(m.Cursor_Miganie_Count, count);
}

TEST(ScaleBoxes, WarningWhileTypingAndValueOnEnter)
{
    struct Case {
        const char *text;
        bool warns;
        std::optional<float> value;
    };
    // clang-format off
    const Case cases[] = {
        {"",       false, std::nullopt},
        {"0",      false, 0.0f},
        {"12.5",   false, 12.5f},
        {"12,5",   false, 12.5f},
        {" 7 ",    false, 7.0f},
        {"10000",  false, 10000.0f},
        {".5",     false, 0.5f},
        {"1e3",    false, 1000.0f},
        {"10001",  true,  10001.0f}, // warned, but a number: Enter stores it
        {"-5",     true,  -5.0f},
        {"-",      true,  std::nullopt},
        {"abc",    true,  std::nullopt},
        {"12abc",  true,  std::nullopt},
        {"1.2.3",  true,  std::nullopt},
        {"1e300",  true,  std::nullopt}, // beyond a single
    };
    // clang-format on
    for (const Case &c : cases) {
        EXPECT_EQ(scaleTextWarns(QString::fromLatin1(c.text)), c.warns) << c.text;
        EXPECT_EQ(scaleTextValue(QString::fromLatin1(c.text)), c.value) << c.text;
    }
    EXPECT_EQ(QString::fromUtf16(kScaleWarning), QStringLiteral("Число (1 - 10000)"));
}

TEST(ChannelPanels, RenamingAndTheLampPanel)
{
    MonitorTables m;
    setTeskChannelDefaults(m);
    EXPECT_FALSE(renameTeskChannel(m, 5, QStringLiteral("x")));
    EXPECT_EQ(m.Grafik_Name(5), QStringLiteral("aOUT_2"));
    EXPECT_TRUE(renameTeskChannel(m, 6, QStringLiteral("Насос")));
    EXPECT_EQ(m.Grafik_Name(6), QStringLiteral("Насос"));
    EXPECT_TRUE(renameTeskChannel(m, 23, QStringLiteral("d10")));
    EXPECT_EQ(m.Grafik_Name(23), QStringLiteral("d10"));
    EXPECT_FALSE(renameTeskChannel(m, 24, QStringLiteral("y")));

    const struct {
        PanelPlace from;
        int grabX, grabY, x, y;
        PanelPlace to;
    } moves[] = {
        {{250, 90}, 10, 10, 30, 5, {270, 85}},
        {{1195, 90}, 10, 10, 30, 5, {1195, 85}}, // the left would pass 1200: only the top moves
        {{250, 3}, 10, 10, 30, 5, {270, 3}},     // the top would reach 0
    };
    for (const auto &mv : moves) {
        const PanelPlace p = dragLampPanel(mv.from, mv.grabX, mv.grabY, mv.x, mv.y);
        EXPECT_EQ(p.left, mv.to.left);
        EXPECT_EQ(p.top, mv.to.top);
    }
}

} // namespace
} // namespace pelmora

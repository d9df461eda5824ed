// Trend files whose scales or samples are infinite or not a number, and scales
// of no width, in both layouts: the file opens, and its redraw ends with every
// pixel on the picture and each such channel at the plot's edge. A picture is
// compared whole with the picture of the same tables where the value is
// replaced by a finite one that the plot puts on the same edge.

#include "monitors/trend_file.h"
#include "monitors/trend_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace pelmora {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
// Finite values far beyond every scale and every row of the fixture: on the
// 100 % line (and above the picture in a discrete row), respectively on the
// 0 % line (below the picture in a discrete row).
constexpr float kFarAbove = 1e30f;
constexpr float kFarBelow = -1e30f;

enum class Place {
    Min,     // every channel's minimum
    Max,     // every channel's maximum
    NoWidth, // every channel's minimum and maximum both the value
    Samples, // samples 0, 1, 2500, 4999 and 5000 of every channel
};
constexpr int kSamplePlaces[] = {0, 1, 2500, 4999, 5000};

struct LayoutOf {
    TrendLayout file;
    PlotWindow window;
    int first, last; // the channels the layout carries
};
constexpr LayoutOf kTesk{TrendLayout::Channels22, PlotWindow::Tesk, 1, 22};
constexpr LayoutOf kOrvo{TrendLayout::Channels46, PlotWindow::Orvo, 0, 45};

bool isOrvoRow(const LayoutOf &l, int c) { return l.window == PlotWindow::Orvo && c < 40; }

// Every channel on the scale 0..100 at a level of its own, in a colour of its
// own; the Orvo rows alternate between a bar and a line.
MonitorTables fixture(const LayoutOf &l)
{
    MonitorTables m;
    for (int c = l.first; c <= l.last; ++c) {
        m.Grafik_Min(c) = 0;
        m.Grafik_Max(c) = 100;
        m.Grafik_Color(c) = 0x050A0F * (c + 1);
        for (int s = 0; s <= 5000; ++s)
            m.Grafik_Data(s, c) = isOrvoRow(l, c) ? static_cast<float>((s / 7) % 2) : 4.0f * (c % 24) + 2.0f;
    }
    return m;
}

// The finite value the plot puts where it puts v in a sample of channel c:
// not a number lies on the 0 % line of a trend and above the picture in a row.
float sampleStandIn(const LayoutOf &l, int c, float v)
{
    if (std::isnan(v))
        return isOrvoRow(l, c) ? kFarAbove : kFarBelow;
    return v > 0 ? kFarAbove : kFarBelow;
}

// A plot of the layout's window in one line style, drawn again for each
// tables: every redraw is the full redraw of a window just opened (in the
// step style the first lines start at the picture's top).
class Redraw {
public:
    Redraw(const LayoutOf &l, bool steps) : plot_(l.window) { plot_.steps = steps; }
    const QImage &operator()(const MonitorTables &m)
    {
        plot_.yOld = {};
        plot_.fullRedraw(m);
        return plot_.picture();
    }
    const QImage &picture() const { return plot_.picture(); }

private:
    TrendPlot plot_;
};

// Pixel for pixel; both pictures are drawn by the same code in the same format.
bool samePicture(const QImage &a, const QImage &b)
{
    return a.size() == b.size() && a.format() == b.format() && a.sizeInBytes() == b.sizeInBytes() &&
           std::memcmp(a.constBits(), b.constBits(), static_cast<std::size_t>(a.sizeInBytes())) == 0;
}

bool sameValue(float a, float b) { return std::isnan(a) ? std::isnan(b) : a == b; }

const float kNonFinite[] = {kNaN, kInf, -kInf};

// One file of the layout with a value that is infinite or not a number in
// the scale of every channel (its minimum or its maximum, the other bound
// finite) and in samples 0, 1, 2500, 4999 and 5000 of every channel, the
// values and places taking turns over the channels: the file opens with each
// value in its place, and is drawn as the same tables with every scale at
// maximum 0 and every sample at its finite stand-in.
void fileWithNonFiniteValuesEverywhere(const LayoutOf &l)
{
    MonitorTables written = fixture(l);
    MonitorTables standIn = written;
    for (int c = l.first; c <= l.last; ++c) {
        // Six turns, so the six analog columns of the Orvo plot take all of them.
        const int turn = c % 6;
        (turn < 3 ? written.Grafik_Min : written.Grafik_Max)(c) = kNonFinite[turn % 3];
        standIn.Grafik_Max(c) = 0;
        for (int s : kSamplePlaces) {
            written.Grafik_Data(s, c) = kNonFinite[(c + 2) % 3];
            standIn.Grafik_Data(s, c) = sampleStandIn(l, c, kNonFinite[(c + 2) % 3]);
        }
    }
    MonitorTables opened;
    std::int32_t background = 0;
    const std::optional<TrendFileError> bad =
        readTrendFile(writeTrendFile(written, 0, l.file), l.file, opened, background);
    ASSERT_FALSE(bad) << bad->line << " " << bad->reason.toStdString();
    for (int c = l.first; c <= l.last; ++c) {
        EXPECT_TRUE(sameValue(opened.Grafik_Min(c), written.Grafik_Min(c))) << c;
        EXPECT_TRUE(sameValue(opened.Grafik_Max(c), written.Grafik_Max(c))) << c;
        for (int s : kSamplePlaces)
            EXPECT_TRUE(sameValue(opened.Grafik_Data(s, c), written.Grafik_Data(s, c))) << c << " " << s;
    }
    for (bool steps : {false, true}) {
        Redraw drawn(l, steps), expected(l, steps);
        EXPECT_TRUE(samePicture(drawn(opened), expected(standIn))) << (steps ? "steps" : "straight");
    }
}

// Each value alone in one kind of place of every channel, the other places
// finite: the redraw equals the redraw with the finite stand-in.
void eachValueInEachPlace(const LayoutOf &l)
{
    struct Case {
        Place place;
        float value;
    };
    std::vector<Case> cases;
    for (Place place : {Place::Min, Place::Max, Place::NoWidth, Place::Samples})
        for (float v : kNonFinite)
            cases.push_back({place, v});
    // Scales of no width at finite values: at 0, and inside the fixture's values.
    for (float v : {0.0f, 50.0f})
        cases.push_back({Place::NoWidth, v});
    const char *placeName[] = {"minimum", "maximum", "no width", "samples"};

    const MonitorTables base = fixture(l);
    Redraw drawn[] = {{l, false}, {l, true}};
    Redraw expected[] = {{l, false}, {l, true}};
    Redraw baseDrawn[] = {{l, false}, {l, true}};
    for (bool steps : {false, true})
        baseDrawn[steps](base);
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(placeName[static_cast<int>(c.place)]) + " " + std::to_string(c.value));
        MonitorTables m = base;
        MonitorTables standIn = base; // where the plot must draw it
        for (int ch = l.first; ch <= l.last; ++ch) {
            switch (c.place) {
            case Place::Min: m.Grafik_Min(ch) = c.value; break;
            case Place::Max: m.Grafik_Max(ch) = c.value; break;
            case Place::NoWidth:
                m.Grafik_Min(ch) = c.value;
                m.Grafik_Max(ch) = c.value;
                break;
            case Place::Samples:
                for (int s : kSamplePlaces) {
                    m.Grafik_Data(s, ch) = c.value;
                    standIn.Grafik_Data(s, ch) = sampleStandIn(l, ch, c.value);
                }
                break;
            }
            if (c.place != Place::Samples)
                standIn.Grafik_Max(ch) = 0; // the 0 % line, as a maximum of 0 puts it
        }
        for (bool steps : {false, true}) {
            SCOPED_TRACE(steps ? "steps" : "straight segments");
            const QImage &picture = drawn[steps](m);
            EXPECT_TRUE(samePicture(picture, expected[steps](standIn)));
            // The value moved channels off the places the fixture draws them at.
            EXPECT_FALSE(samePicture(picture, baseDrawn[steps].picture()));
        }
    }
}

TEST(TrendEdgeValues, TwentyTwoChannelFileWithInfiniteOrUndefinedValuesOpensAndDrawsAtThePlotsEdge)
{
    fileWithNonFiniteValuesEverywhere(kTesk);
    eachValueInEachPlace(kTesk);
}

TEST(TrendEdgeValues, FortySixChannelFileWithInfiniteOrUndefinedValuesOpensAndDrawsAtThePlotsEdge)
{
    fileWithNonFiniteValuesEverywhere(kOrvo);
    eachValueInEachPlace(kOrvo);
}

// The 0 % line a stand-in maximum of 0 gives is the bottom edge of the band,
// and a stand-in far above lies on the 100 % line: the comparisons above
// compare with the plot's edges, not with some other place.
TEST(TrendEdgeValues, StandInsLieOnTheEdgesOfTheBand)
{
    MonitorTables m = fixture(kTesk);
    for (int s = 0; s <= 5000; ++s) {
        m.Grafik_Data(s, 1) = kFarAbove;
        m.Grafik_Data(s, 2) = kFarBelow;
    }
    m.Grafik_Max(3) = 0;
    m.Grafik_Color(1) = 0x0000FF;
    m.Grafik_Color(2) = 0x00FF00;
    m.Grafik_Color(3) = 0xFF0000;
    TrendPlot plot(PlotWindow::Tesk);
    plot.drawTeskPass(m, 1, 1);
    EXPECT_EQ(plot.picture().pixel(2500, 40), rgbOf(0x0000FF));
    plot.drawTeskPass(m, 2, 2);
    EXPECT_EQ(plot.picture().pixel(2500, 440), rgbOf(0x00FF00));
    plot.drawTeskPass(m, 3, 3);
    EXPECT_EQ(plot.picture().pixel(2500, 440), rgbOf(0xFF0000));
}

} // namespace
} // namespace pelmora

// The shapes the indicator control draws: the constituents it shows, where its
// line pieces lie on the drawing grid, which colour each part takes, and a few
// pixels of the rendered control.

#include "control/lumtor_drawing.h"
#include "support/fake_services.h"
#include "support/lumtor_registry.h"

#include "ui/hosted_control_widget.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <gtest/gtest.h>

namespace pelmora::test {
namespace {

constexpr quint32 Red = 0x0000FF; // 0x00BBGGRR
constexpr quint32 Green = 0x00FF00;
constexpr quint32 Actuator = 0xFF8080;

class LumtorShapes : public WithFakes {
protected:
    LumtorRegistry registry;
    std::unique_ptr<hosting::HostedControl> lamp = createLumtor();

    void put(const char *name, const QVariant &value)
    {
        ASSERT_EQ(lamp->setProperty(QString::fromLatin1(name), value), hosting::DispResult::Ok) << name;
    }
    void sized(int w, int h) { lamp->move(0, 0, w, h); }
    LumtorDrawing drawing() { return drawingOf(*lamp); }
};

struct ShapeCase {
    const char *label;
    int type;
    int width, height;
    double scaleW, scaleH;
    size_t pieces;
    // Some of the pieces, by line index: x1, y1, x2, y2 in grid units.
    std::vector<std::pair<int, std::array<double, 4>>> sample;
    bool square, circle;
    QRectF box; // KWADRAT (square, actuator) or sCircle
};

// clang-format off
const ShapeCase shapeCases[] = {
    {"square 33", 0, 33, 33, 33, 33, 0, {}, true, false, {0, 0, 33, 33}},
    {"square 80x40 on a 50x40 grid", 0, 80, 40, 50, 40, 0, {}, true, false, {0, 0, 50, 40}},
    {"circle 33", 1, 33, 33, 33, 33, 0, {}, false, true, {0, 0, 33, 33}},
    {"circle 120x30", 1, 120, 30, 50, 30, 0, {}, false, true, {0, 0, 50, 30}},
    {"apex up 33: lines 0 to 33", 2, 33, 33, 33, 33, 34,
     {{0, {16.5, 0, 16.5, 0}}, {10, {11.5, 10, 21.5, 10}}, {33, {0, 33, 33, 33}}}, false, false, {}},
    {"apex up 60: 51 lines on the 50 grid", 2, 60, 60, 50, 50, 51,
     {{25, {12.5, 25, 37.5, 25}}, {50, {0, 50, 50, 50}}}, false, false, {}},
    {"apex up 40x20 takes W alone", 2, 40, 20, 40, 20, 41, {{40, {0, 40, 40, 40}}}, false, false, {}},
    {"apex right 33", 3, 33, 33, 33, 33, 34,
     {{0, {33, 16.5, 33, 16.5}}, {7, {26, 13, 26, 20}}, {33, {0, 0, 0, 33}}}, false, false, {}},
    {"apex down 20", 4, 20, 20, 20, 20, 21,
     {{0, {10, 20, 10, 20}}, {5, {7.5, 15, 12.5, 15}}, {20, {0, 0, 20, 0}}}, false, false, {}},
    {"apex left 49: still the pixel grid", 5, 49, 49, 49, 49, 50,
     {{0, {0, 24.5, 0, 24.5}}, {9, {9, 20, 9, 29}}, {49, {49, 0, 49, 49}}}, false, false, {}},
    {"apex left 50: the 50 grid", 5, 50, 50, 50, 50, 51, {{50, {50, 0, 50, 50}}}, false, false, {}},
    {"horizontal valve 33x16", 6, 33, 16, 33, 16, 34,
     {{0, {0, 0, 33, 16.5}}, {11, {0, 5.5, 33, 11}}, {33, {0, 16.5, 33, 0}}}, true, false, {11, 0, 11, 5.5}},
    {"horizontal valve 100x50", 6, 100, 50, 50, 50, 51, {{50, {0, 25, 50, 0}}}, true, false,
     {50.0 / 3, 0, 50.0 / 3, 50.0 / 6}},
    {"vertical valve 16x33 takes H", 7, 16, 33, 16, 33, 34,
     {{0, {0, 0, 16.5, 33}}, {33, {16.5, 0, 0, 33}}}, true, false, {0, 11, 5.5, 11}},
    {"vertical valve 30x60", 7, 30, 60, 30, 50, 51, {{50, {25, 0, 0, 50}}}, true, false,
     {0, 50.0 / 3, 50.0 / 6, 50.0 / 3}},
};
// clang-format on

TEST_F(LumtorShapes, EachTypeDrawsItsConstituentsOnTheGrid)
{
    for (const ShapeCase &c : shapeCases) {
        SCOPED_TRACE(c.label);
        lamp = createLumtor();
        sized(c.width, c.height);
        put("Type_Signal", c.type);
        const LumtorDrawing d = drawing();
        EXPECT_DOUBLE_EQ(d.scaleWidth, c.scaleW);
        EXPECT_DOUBLE_EQ(d.scaleHeight, c.scaleH);
        EXPECT_EQ(d.lines.size(), c.pieces);
        for (const auto &[index, xy] : c.sample) {
            ASSERT_TRUE(d.lines.count(index)) << "line " << index;
            const LumtorPiece &p = d.lines.at(index);
            EXPECT_DOUBLE_EQ(p.x1, xy[0]) << "line " << index;
            EXPECT_DOUBLE_EQ(p.y1, xy[1]) << "line " << index;
            EXPECT_DOUBLE_EQ(p.x2, xy[2]) << "line " << index;
            EXPECT_DOUBLE_EQ(p.y2, xy[3]) << "line " << index;
        }
        EXPECT_EQ(d.kwadrat.visible, c.square);
        EXPECT_EQ(d.circle.visible, c.circle);
        if (c.square) {
            EXPECT_EQ(d.kwadrat.rect, c.box);
        }
        if (c.circle) {
            EXPECT_EQ(d.circle.rect, c.box);
        }
        if (c.type >= 6) {
            EXPECT_EQ(d.kwadrat.color, Actuator);
        }
        // The event layer covers the whole control, above every part.
        EXPECT_EQ(d.label, QRectF(0, 0, c.width, c.height));
        EXPECT_TRUE(d.labelOnTop);
    }
}

TEST_F(LumtorShapes, ResizingLaysTheShapeOutAgain)
{
    put("Type_Signal", 2);
    sized(33, 33);
    EXPECT_EQ(drawing().lines.size(), 34u);
    sized(60, 60);
    EXPECT_EQ(drawing().lines.size(), 51u);
    sized(10, 10);
    const LumtorDrawing d = drawing();
    EXPECT_EQ(d.lines.size(), 11u);
    EXPECT_EQ(d.label, QRectF(0, 0, 10, 10));
}

// Types from 8 up draw nothing of their own: the lines go, a square or
// circle of an earlier type stays as it was.
TEST_F(LumtorShapes, TypesFromEightKeepTheEarlierSquareOrCircle)
{
    // clang-format off
    struct Case { int before, after; bool square, circle; };
    // clang-format on
    const Case cases[] = {
        {0, 8, true, false}, {1, 8, false, true}, {1, 255, false, true}, {2, 8, false, false}, {6, 9, true, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.before << " then " << c.after);
        lamp = createLumtor();
        sized(33, 33);
        put("Type_Signal", c.before);
        put("Type_Signal", c.after);
        const LumtorDrawing d = drawing();
        EXPECT_TRUE(d.lines.empty());
        EXPECT_EQ(d.kwadrat.visible, c.square);
        EXPECT_EQ(d.circle.visible, c.circle);
        EXPECT_TRUE(d.labelOnTop);
    }
}

TEST_F(LumtorShapes, TypeChangesHideAndShowParts)
{
    sized(33, 33);
    put("Type_Signal", 1);
    put("ForeColor", Red); // colours the circle only
    put("Type_Signal", 2);
    LumtorDrawing d = drawing();
    EXPECT_FALSE(d.circle.visible);
    EXPECT_EQ(d.lines.size(), 34u);
    // The lines keep their design colour until a colour put while the type is 2..7.
    EXPECT_EQ(d.lines.at(20).color, 0u);
    put("ForeColor", Green);
    EXPECT_EQ(drawing().lines.at(20).color, Green);

    // Back to the circle: the lines go, the circle comes back in its own colour.
    put("Type_Signal", 1);
    d = drawing();
    EXPECT_TRUE(d.lines.empty());
    EXPECT_TRUE(d.circle.visible);
    EXPECT_EQ(d.circle.color, Red);
    EXPECT_FALSE(d.kwadrat.visible);

    // A square lies over the circle; the colour put then hides the circle.
    put("Type_Signal", 0);
    d = drawing();
    EXPECT_TRUE(d.kwadrat.visible);
    EXPECT_TRUE(d.circle.visible);
    put("ForeColor", Red);
    d = drawing();
    EXPECT_FALSE(d.circle.visible);
    EXPECT_EQ(d.kwadrat.color, Red);
}

TEST_F(LumtorShapes, SquareAfterValveTakesTheActuatorColourUntilTheNextColour)
{
    sized(40, 40);
    put("Type_Signal", 6);
    put("ForeColor", Red);
    put("Type_Signal", 0);
    LumtorDrawing d = drawing();
    EXPECT_EQ(d.kwadrat.rect, QRectF(0, 0, 40, 40));
    EXPECT_EQ(d.kwadrat.color, Actuator);
    put("ForeColor", Green);
    EXPECT_EQ(drawing().kwadrat.color, Green);
}

TEST_F(LumtorShapes, ColourGoesToTheCurrentShapeWithoutANewLayout)
{
    // clang-format off
    struct Case { int type; bool square, circle; quint32 squareColor, circleColor, lineColor; };
    const Case cases[] = {
        {0, true, false, Red, 0, 0},
        {1, false, true, 0, Red, 0},
        {3, false, false, 0, 0, Red},
        {6, true, false, Actuator, 0, Red}, // the actuator keeps its colour
        {7, true, false, Actuator, 0, Red},
        {8, true, false, 0, 0, 0}, // nothing changes
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.type);
        lamp = createLumtor();
        sized(33, 33);
        put("Type_Signal", c.type);
        const LumtorDrawing before = drawing();
        put("ForeColor", Red);
        const LumtorDrawing d = drawing();
        EXPECT_EQ(d.kwadrat.visible, c.square);
        EXPECT_EQ(d.circle.visible, c.circle);
        if (c.square) {
            EXPECT_EQ(d.kwadrat.color, c.squareColor);
        }
        if (c.circle) {
            EXPECT_EQ(d.circle.color, c.circleColor);
        }
        EXPECT_EQ(d.lineColor, c.lineColor);
        // Same pieces in the same places: only the colour changed.
        ASSERT_EQ(d.lines.size(), before.lines.size());
        for (const auto &[i, p] : d.lines) {
            EXPECT_EQ(p.color, c.lineColor);
            EXPECT_DOUBLE_EQ(p.x1, before.lines.at(i).x1);
            EXPECT_DOUBLE_EQ(p.y2, before.lines.at(i).y2);
        }
        EXPECT_EQ(d.kwadrat.rect, before.kwadrat.rect);
    }
}

TEST_F(LumtorShapes, BorderStyleFramesTheSquareAndWidensTheCircle)
{
    // clang-format off
    struct Case { int type, border; bool square, circle; int squareBorder, circleBorder, circleWidth; };
    const Case cases[] = {
        {0, 1, true, false, 1, 0, 0},
        {0, 0, true, false, 0, 0, 0},
        {1, 1, false, true, 0, 1, 2},
        {1, 3, false, true, 0, 3, 6},
        {2, 1, false, false, 0, 0, 0},
        {6, 1, true, false, 0, 0, 0}, // the actuator has no frame
        {7, 1, true, false, 0, 0, 0},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " border " << c.border);
        lamp = createLumtor();
        sized(33, 33);
        put("Type_Signal", c.type);
        put("Border_Style", c.border);
        const LumtorDrawing d = drawing();
        EXPECT_EQ(d.kwadrat.visible, c.square);
        EXPECT_EQ(d.circle.visible, c.circle);
        if (c.square) {
            EXPECT_EQ(d.kwadrat.borderStyle, c.squareBorder);
        }
        if (c.circle) {
            EXPECT_EQ(d.circle.borderStyle, c.circleBorder);
            EXPECT_EQ(d.circle.borderWidth, c.circleWidth);
        }
    }
}

TEST_F(LumtorShapes, NewControlIsABlackSquareAtTheDesignSize)
{
    const LumtorDrawing d = drawing();
    EXPECT_TRUE(d.kwadrat.visible);
    EXPECT_EQ(d.kwadrat.rect, QRectF(0, 0, 33, 33));
    EXPECT_EQ(d.kwadrat.color, 0u);
    EXPECT_FALSE(d.circle.visible);
    EXPECT_TRUE(d.lines.empty());
    EXPECT_FALSE(lamp->isVisible()); // created hidden
}

// A few pixels of the rendered control, shown in a container.
class LumtorPixels : public LumtorShapes {
protected:
    QWidget canvas;
    void SetUp() override
    {
        LumtorShapes::SetUp();
        canvas.resize(200, 200);
        QPalette white = canvas.palette();
        white.setColor(QPalette::Window, Qt::white);
        canvas.setPalette(white);
        canvas.setAutoFillBackground(true);
    }
    QImage shot(int type, quint32 color, int border = 0, int w = 33, int h = 33)
    {
        lamp = createLumtor();
        hosting::setContainer(*lamp, &canvas);
        lamp->move(10, 10, w, h);
        lamp->setVisible(true);
        put("Border_Style", border);
        put("Type_Signal", type);
        put("ForeColor", color);
        return canvas.grab(QRect(10, 10, w, h)).toImage();
    }
};

TEST_F(LumtorPixels, ShapesShowTheirColourAndLeaveTheRestToTheContainer)
{
    // clang-format off
    struct Probe { int x, y; QColor expected; };
    // clang-format on
    struct Case {
        const char *label;
        int type, border;
        std::vector<Probe> probes;
    };
    const QColor red(255, 0, 0), white(255, 255, 255), black(0, 0, 0), actuator(0x80, 0x80, 0xFF);
    const Case cases[] = {
        {"square", 0, 0, {{16, 16, red}, {0, 0, red}, {32, 32, red}}},
        {"framed square", 0, 1, {{16, 16, red}, {0, 0, black}, {32, 16, black}}},
        {"circle", 1, 0, {{16, 16, red}, {1, 1, white}, {31, 31, white}}},
        {"apex up", 2, 0, {{16, 2, red}, {16, 30, red}, {2, 2, white}, {30, 2, white}}},
        {"apex right", 3, 0, {{30, 16, red}, {2, 16, red}, {30, 2, white}}},
        {"apex down", 4, 0, {{16, 30, red}, {16, 2, red}, {2, 30, white}}},
        {"apex left", 5, 0, {{2, 16, red}, {30, 16, red}, {2, 2, white}}},
        {"horizontal valve", 6, 0, {{16, 2, actuator}, {1, 8, red}, {16, 30, white}}},
        {"vertical valve", 7, 0, {{2, 16, actuator}, {8, 31, red}, {30, 16, white}}},
        {"line (type 8) draws nothing", 8, 0, {{16, 16, black}}}, // the earlier square, uncoloured
    };
    canvas.show();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const QImage img = shot(c.type, Red, c.border);
        for (const Probe &p : c.probes)
            EXPECT_EQ(img.pixelColor(p.x, p.y), p.expected) << "at " << p.x << "," << p.y;
    }
}

} // namespace
} // namespace pelmora::test

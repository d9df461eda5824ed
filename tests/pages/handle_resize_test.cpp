// The resize handle: where a click puts it, how dragging it sizes figures,
// signals and level bars from their fixed corner, and what stops it.

#include "pages/editor/element_fields.h"
#include "pages/editor/handle_resize.h"
#include "support/fake_canvas.h"

#include <gtest/gtest.h>

using namespace pelmora;
using namespace pelmora::pages;

namespace {

constexpr float kTwips = 15;

class HandleResize : public ::testing::Test {
protected:
    void SetUp() override
    {
        t.Setka_Razmer = 1;
        s.Element_Lock = false;
    }

    EditorChanges click(ViewArray a, int index)
    {
        auto c = elementClick(t, s, canvas, {a, index});
        canvas.apply(c, t);
        return c;
    }
    // Grabs the handle at its top left pixel and drags it so that its new
    // place before snapping is (x, y).
    EditorChanges dragHandleTo(int x, int y, short buttons = 1)
    {
        handlePress(s, 0, 0);
        auto c = handleMove(t, s, canvas, buttons, (x - s.Zoom.Left) * kTwips, (y - s.Zoom.Top) * kTwips);
        canvas.apply(c, t);
        return c;
    }
    QSizeF size(ViewArray a, int index) { return canvas.geometry({a, index}).value_or(QRectF()).size(); }

    PageTables t;
    EditorState s;
    test::FakeCanvas canvas;
};

} // namespace

TEST_F(HandleResize, AClickPutsTheHandleAtTheLowerRightCornerOfFiguresSignalsAndBars)
{
    t.Num_Stranica_SCADA = 1;
    // clang-format off
    struct Case { ViewArray array; int index; QRectF rect; bool shows; std::uint8_t kind; };
    const Case cases[] = {
        {ViewArray::ShapePlus1,      33, {10, 20, 100, 60}, true,  HandleFigure},
        {ViewArray::Signal_Picture,  34, {50, 60, 24, 20},  true,  HandleSignal},
        {ViewArray::Level_Picture,   35, {70, 80, 20, 100}, true,  HandleLevel},
        {ViewArray::Level_Picture_1, 35, {70, 80, 20, 50},  false, 0},  // only the bar itself
        {ViewArray::ShapePlus1,       0, {0, 0, 100, 60},   false, 0},  // a template
        {ViewArray::Parametr_Label,  36, {0, 0, 10, 22},    false, 0},
    };
    // clang-format on
    s.Element_Lock = true; // a click shows the handle with the lock on too
    for (const Case &c : cases) {
        s = EditorState();
        canvas.put({c.array, c.index}, c.rect);
        const EditorChanges ch = click(c.array, c.index);
        EXPECT_EQ(ch.handleChanged, c.shows) << c.index;
        EXPECT_EQ(s.Zoom.Visible, c.shows) << c.index;
        if (!c.shows)
            continue;
        EXPECT_EQ(QPoint(s.Zoom.Left, s.Zoom.Top), c.rect.bottomRight().toPoint());
        EXPECT_EQ(s.Zoom.page, 1);
        EXPECT_EQ(s.Zoom_Index, c.index);
        EXPECT_EQ(s.Zoom_Kind, c.kind);
    }
}

// The top left corner stays; past it the size is the distance, mirrored; the
// size never goes below 1; the grid snaps the handle's place.
TEST_F(HandleResize, AFigureTakesTheDistanceFromItsCornerMirroredAndNeverBelowOne)
{
    // clang-format off
    struct Case { int type; QPoint to; int step; QSizeF size; QPoint handle; };
    const Case cases[] = {
        {0, {180, 170}, 1,  {80, 70},  {180, 170}},
        {0, {80, 90},   1,  {20, 10},  {80, 90}},    // up and left of the corner
        {0, {100, 101}, 1,  {1, 1},    {100, 101}},  // onto the corner: 1, not 0
        {0, {187, 163}, 10, {80, 60},  {180, 160}},
        {0, {800, 480}, 1,  {700, 380}, {150, 140}}, // the handle stops, the size follows
        {1, {180, 130}, 1,  {80, 80},  {180, 130}},  // a circle stays round
        {3, {130, 300}, 1,  {30, 30},  {130, 300}},
    };
    // clang-format on
    for (const Case &c : cases) {
        t.Setka_Razmer = static_cast<std::int16_t>(c.step);
        t.Figura_Type(0, 4) = static_cast<std::int16_t>(c.type);
        canvas.put({ViewArray::ShapePlus1, 4}, QRectF(100, 100, 50, 40));
        click(ViewArray::ShapePlus1, 4);
        dragHandleTo(c.to.x(), c.to.y());
        EXPECT_EQ(size(ViewArray::ShapePlus1, 4), c.size) << c.to.x() << "," << c.to.y() << " type " << c.type;
        EXPECT_EQ(canvas.geometry({ViewArray::ShapePlus1, 4})->topLeft(), QPointF(100, 100));
        EXPECT_EQ(QSizeF(t.Figura_Razmer_X(0, 4), t.Figura_Razmer_Y(0, 4)), c.size);
        EXPECT_EQ(QPoint(s.Zoom.Left, s.Zoom.Top), c.handle);
    }
}

// A signal stops at 50 x 50 and keeps the shape bits above its size.
TEST_F(HandleResize, ASignalStopsAt50AndKeepsItsShape)
{
    for (int shape : {0, 5, 7, 8}) {
        t.Signal_Razmer_X(0, 2) = static_cast<std::int16_t>(20 + 64 * (shape & 3));
        t.Signal_Razmer_Y(0, 2) = static_cast<std::int16_t>(20 + 64 * (shape / 4));
        canvas.put({ViewArray::Signal_Picture, 2}, QRectF(100, 100, 20, 20));
        click(ViewArray::Signal_Picture, 2);
        dragHandleTo(400, 130);
        EXPECT_EQ(size(ViewArray::Signal_Picture, 2), QSizeF(50, 30)) << shape;
        const int rx = t.Signal_Razmer_X(0, 2), ry = t.Signal_Razmer_Y(0, 2);
        EXPECT_EQ(rx % 64, 50);
        EXPECT_EQ(ry % 64, 30);
        EXPECT_EQ((ry / 64) * 4 + rx / 64, shape);
    }
}

TEST_F(HandleResize, ALevelBarsSecondPictureTakesTheFullWidthAndHalfTheHeight)
{
    canvas.put({ViewArray::Level_Picture, 3}, QRectF(100, 100, 20, 100));
    canvas.put({ViewArray::Level_Picture_1, 3}, QRectF(100, 100, 20, 50));
    click(ViewArray::Level_Picture, 3);
    dragHandleTo(130, 125);
    EXPECT_EQ(size(ViewArray::Level_Picture, 3), QSizeF(30, 25));
    EXPECT_EQ(size(ViewArray::Level_Picture_1, 3), QSizeF(30, 12.5));
    EXPECT_EQ(t.Level_Razmer_X(0, 3), 30);
    EXPECT_EQ(t.Level_Razmer_Y(0, 3), 25);
}

TEST_F(HandleResize, TheLockOtherButtonsAndAGoneElementResizeNothing)
{
    canvas.put({ViewArray::ShapePlus1, 4}, QRectF(100, 100, 50, 40));
    t.Figura_Razmer_X(0, 4) = 50;
    click(ViewArray::ShapePlus1, 4);
    s.Element_Lock = true;
    EXPECT_TRUE(dragHandleTo(300, 300).empty());
    s.Element_Lock = false;
    EXPECT_TRUE(dragHandleTo(300, 300, 3).empty());
    EXPECT_EQ(t.Figura_Razmer_X(0, 4), 50);
    EXPECT_EQ(s.Zoom.Left, 150);

    // Deleted while the handle stayed: only the handle moves.
    canvas.views.erase({ViewArray::ShapePlus1, 4});
    const EditorChanges c = dragHandleTo(300, 300);
    EXPECT_TRUE(c.handleChanged);
    EXPECT_TRUE(c.placed.empty());
    EXPECT_EQ(s.Zoom.Left, 300);
    EXPECT_EQ(t.Figura_Razmer_X(0, 4), 50);

    // On another page the handle's element is not the page's: nothing written.
    canvas.put({ViewArray::ShapePlus1, 4}, QRectF(100, 100, 50, 40));
    t.Num_Stranica_SCADA = 1;
    EXPECT_TRUE(dragHandleTo(200, 200).placed.empty());
    EXPECT_EQ(t.Figura_Razmer_X(0, 4), 50);
}

// The grabbed point inside the handle is subtracted, as for elements.
TEST_F(HandleResize, TheGrabInsideTheHandleCounts)
{
    canvas.put({ViewArray::ShapePlus1, 4}, QRectF(100, 100, 50, 40));
    click(ViewArray::ShapePlus1, 4);
    handlePress(s, 5 * kTwips, 6 * kTwips);
    EXPECT_EQ(s.Mouse_X, 5);
    EXPECT_EQ(s.Mouse_Y, 6);
    canvas.apply(handleMove(t, s, canvas, 1, 25 * kTwips, 16 * kTwips), t);
    EXPECT_EQ(QPoint(s.Zoom.Left, s.Zoom.Top), QPoint(170, 150));
    EXPECT_EQ(size(ViewArray::ShapePlus1, 4), QSizeF(70, 50));
}

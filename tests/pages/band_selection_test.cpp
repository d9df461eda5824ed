// The band on bare canvas and the group it picks up: which corners it takes,
// how it is drawn, how the group moves on the grid and the control grid, what
// the release writes, and that nothing leaves the page.

#include "pages/editor/band_selection.h"
#include "pages/editor/element_fields.h"
#include "pages/editor/group_move.h"
#include "support/fake_canvas.h"

#include <gtest/gtest.h>

using namespace pelmora;
using namespace pelmora::pages;

namespace {

class BandSelection : public ::testing::Test {
protected:
    void SetUp() override { t.Setka_Razmer = 1; }

    EditorChanges press(float x, float y, short button = 1)
    {
        auto c = canvasPress(t, s, t.Num_Stranica_SCADA, button, x, y);
        canvas.apply(c, t);
        return c;
    }
    EditorChanges move(float x, float y, short buttons = 1)
    {
        auto c = canvasMove(t, s, canvas, buttons, x, y);
        canvas.apply(c, t);
        return c;
    }
    void release() { canvasRelease(t, s, canvas); }
    // Draws a band from (x0, y0) to (x1, y1).
    void band(float x0, float y0, float x1, float y1)
    {
        press(x0, y0);
        move(x1, y1);
    }
    void parameter(int n, int x, int y)
    {
        t.Parametr_Used(0, n) = 1;
        t.Parametr_Coord_X(0, n) = static_cast<std::int16_t>(x);
        t.Parametr_Coord_Y(0, n) = static_cast<std::int16_t>(y);
        canvas.show(t, {element::Kind::Parameter, 0, n});
    }
    QPointF at(ViewArray a, int index) { return canvas.geometry({a, index}).value_or(QRectF(-1, -1, 0, 0)).topLeft(); }

    PageTables t;
    EditorState s;
    test::FakeCanvas canvas;
};

} // namespace

TEST_F(BandSelection, ABandIsDrawnFromItsPressPointAndGrowsRightAndDownWhicheverWayItIsDragged)
{
    // clang-format off
    struct Case { QPointF from, to; QRectF band; };
    const Case cases[] = {
        {{100, 100}, {200, 150}, {100, 100, 100, 50}},
        {{300, 200}, {250, 150}, {300, 200, 50, 50}},   // dragged up and left: mirrored
        {{400, 300}, {450, 220}, {400, 300, 50, 80}},
    };
    // clang-format on
    for (const Case &c : cases) {
        EXPECT_TRUE(press(c.from.x(), c.from.y()).bandChanged);
        EXPECT_EQ(QRectF(s.Select_copy.Left, s.Select_copy.Top, s.Select_copy.Width, s.Select_copy.Height),
                  QRectF(c.from, QSizeF(1, 1)));
        move(c.to.x(), c.to.y());
        const SelectionRect &r = s.Select_copy;
        EXPECT_TRUE(r.Visible);
        EXPECT_EQ(QRectF(r.Left, r.Top, r.Width, r.Height), c.band) << c.to.x() << "," << c.to.y();
        EXPECT_EQ(s.Mouse_X, c.to.x());
        EXPECT_EQ(s.Mouse_Y, c.to.y());
    }
}

TEST_F(BandSelection, ABandAtThePageEdgeFollowsThePointerUntilItLiesInside)
{
    // Started at column 0 the band does not grow: its corner jumps to the
    // pointer (no grab yet), then it grows from there.
    press(0, 100);
    move(50, 120);
    EXPECT_EQ(s.Select_copy.Left, 50);
    EXPECT_EQ(s.Select_copy.Top, 120);
    EXPECT_EQ(s.Select_copy.Width, 1);
    move(80, 150);
    EXPECT_EQ(s.Select_copy.Left, 50);
    EXPECT_EQ(s.Select_copy.Width, 30);
    EXPECT_EQ(s.Select_copy.Height, 30);

    // A band that reaches the right edge stops growing and is carried instead.
    band(700, 300, 799, 350);
    EXPECT_EQ(s.Select_copy.Width, 99);
    move(805, 360);
    EXPECT_EQ(s.Select_copy.Width, 105);
    move(810, 365);
    EXPECT_EQ(s.Select_copy.Left, 810);
    EXPECT_EQ(s.Select_copy.Width, 105);
}

// The band's edges: a press on any edge grabs, a corner on the left or top edge
// goes with the group, one on the right or bottom edge stays.
TEST_F(BandSelection, APressOnTheEdgeGrabsAndTheLeftAndTopEdgesHoldTheGroup)
{
    // clang-format off
    struct Case { int slot, x, y; bool carried; };
    const Case cases[] = {
        {1, 100, 100, true},   // top left corner
        {2, 100, 149, true},   // left edge
        {3, 150, 100, true},   // top edge
        {4, 199, 149, true},
        {5, 200, 120, false},  // right edge
        {6, 150, 150, false},  // bottom edge
        {7,  99, 120, false},
        {8, 150,  99, false},
    };
    // clang-format on
    for (const Case &c : cases)
        parameter(c.slot, c.x, c.y);
    band(100, 100, 200, 150);

    // The lower right corner of the band is inside it.
    EXPECT_FALSE(press(200, 150).bandChanged);
    EXPECT_EQ(s.Select_Start_X, 200);
    EXPECT_EQ(s.Select_Origin_X, 100);
    move(210, 157);
    release();
    for (const Case &c : cases) {
        EXPECT_EQ(s.Parametr_Selected(c.slot), c.carried ? 1 : 0) << c.slot;
        const QPoint expected = c.carried ? QPoint(c.x + 10, c.y + 7) : QPoint(c.x, c.y);
        EXPECT_EQ(at(ViewArray::Parametr_Label, c.slot), QPointF(expected)) << c.slot;
        EXPECT_EQ(QPoint(t.Parametr_Coord_X(0, c.slot), t.Parametr_Coord_Y(0, c.slot)), expected) << c.slot;
    }
    EXPECT_EQ(s.Select_copy.Left, 110);
    EXPECT_EQ(s.Select_copy.Top, 107);
}

TEST_F(BandSelection, TheGroupMovesOnTheGridAndTheTablesChangeOnlyAtTheRelease)
{
    t.Setka_Razmer = 10;
    parameter(1, 120, 130);
    t.Text_Label_Used(0, 64) = 1;
    t.Text_Label_Coord_X(0, 64) = 150, t.Text_Label_Coord_Y(0, 64) = 140;
    canvas.show(t, {element::Kind::StaticText, 0, 64});
    band(100, 100, 300, 300);
    press(200, 200);
    move(213, 224);
    EXPECT_EQ(at(ViewArray::Parametr_Label, 1), QPointF(130, 150));
    EXPECT_EQ(at(ViewArray::Text_Label_Label, 64), QPointF(160, 160));
    EXPECT_EQ(t.Parametr_Coord_X(0, 1), 120) << "not written before the release";
    // Each move offsets the stored place by the whole way since the grab.
    move(206, 205);
    EXPECT_EQ(at(ViewArray::Parametr_Label, 1), QPointF(120, 130));
    move(241, 250);
    release();
    EXPECT_EQ(t.Parametr_Coord_X(0, 1), 160);
    EXPECT_EQ(t.Parametr_Coord_Y(0, 1), 180);
    EXPECT_EQ(t.Text_Label_Coord_X(0, 64), 190);
    EXPECT_EQ(t.Text_Label_Coord_Y(0, 64), 190);
}

// Control buttons and transitions take the control grid in a group move, with
// the allowances of their key types, and keep an axis whose new place lies out
// of their bounds.
TEST_F(BandSelection, ButtonsAndTransitionsMoveOnTheControlGridWithTheirKeyTypes)
{
    // clang-format off
    struct Case { int slot, key, x, y, height; QPointF expected; };
    const Case cases[] = {
        {1,  0, 100, 100, 40, {140,  78}},
        {2, 13, 100, 100, 40, {130,  78}},  // 10 into its column
        {3, 12, 100, 100, 40, {140,  80}},  // centred in an 85 px cell
        {4, 12, 100, 100, 45, {140,  78}},
        {5, 10, 686, 200, 40, {686, 194}},  // 711 passes 710: its Left stays
        {6, 11, 685, 200, 40, {680, 194}},  // 710
        {7,  0, 686, 200, 40, {680, 194}},  // 711 is within 760
    };
    // clang-format on
    for (const Case &c : cases) {
        t.Control_Used(0, c.slot) = 1;
        t.Control_Coord_X(0, c.slot) = static_cast<std::int16_t>(c.x);
        t.Control_Coord_Y(0, c.slot) = static_cast<std::int16_t>(c.y);
        t.Control_Razmer_X(0, c.slot) = 40;
        t.Control_Razmer_Y(0, c.slot) = static_cast<std::int16_t>(c.height);
        t.Control_Key_Type(0, c.slot) = static_cast<std::uint8_t>(c.key);
        canvas.put({ViewArray::Control_Image, c.slot}, QRectF(c.x, c.y, 40, c.height));
    }
    t.Go_Block_Used(0, 1) = 1;
    t.Go_Block_Coord_X(0, 1) = 100, t.Go_Block_Coord_Y(0, 1) = 200;
    canvas.show(t, {element::Kind::Transition, 0, 1});

    // The grid step plays no part for them.
    t.Setka_Razmer = 7;
    band(50, 50, 750, 450);
    press(60, 60);
    move(85, 70);
    for (const Case &c : cases)
        EXPECT_EQ(at(ViewArray::Control_Image, c.slot), c.expected) << c.slot;
    EXPECT_EQ(at(ViewArray::Go_Block_Label, 1), QPointF(140, 194));
    // The release writes the views' places.
    release();
    EXPECT_EQ(t.Control_Coord_X(0, 1), 140);
    EXPECT_EQ(t.Control_Coord_Y(0, 1), 78);
    EXPECT_EQ(t.Go_Block_Coord_Y(0, 1), 194);
}

// Positions never go below 0: the rectangle stops at the edge and so do the
// elements it carries, which a single large step could push past it.
TEST_F(BandSelection, AGroupPushedPastTheLeftEdgeStopsAtZero)
{
    parameter(1, 20, 50);
    parameter(2, 25, 30);
    t.Level_Used(0, 3) = 1;
    t.Level_Coord_X(0, 3) = 30, t.Level_Coord_Y(0, 3) = 21;
    t.Level_Razmer_X(0, 3) = 20, t.Level_Razmer_Y(0, 3) = 100;
    canvas.show(t, {element::Kind::Level, 0, 3});
    band(20, 20, 120, 120);
    press(50, 50);
    move(10, 40);
    EXPECT_EQ(s.Select_copy.Left, 0);
    EXPECT_EQ(s.Select_copy.Top, 10);
    EXPECT_EQ(at(ViewArray::Parametr_Label, 1), QPointF(0, 40));
    EXPECT_EQ(at(ViewArray::Parametr_Label, 2), QPointF(0, 20));
    EXPECT_EQ(at(ViewArray::Level_Picture, 3), QPointF(0, 11));
    EXPECT_EQ(at(ViewArray::Level_Picture_1, 3), QPointF(0, 11));
    // Touching the edge, the rectangle follows the pointer alone.
    move(0, 30);
    EXPECT_EQ(s.Select_copy.Left, -30);
    EXPECT_EQ(at(ViewArray::Parametr_Label, 2), QPointF(0, 20));
    release();
    EXPECT_EQ(t.Parametr_Coord_X(0, 2), 0);
    EXPECT_EQ(t.Level_Coord_X(0, 3), 0);
    EXPECT_EQ(t.Level_Coord_Y(0, 3), 11);
}

// A signal with a list number is banded on its Y without it, and the release
// keeps the number, as for text signals.
TEST_F(BandSelection, SignalsAndTextSignalsWithAListNumberMoveAndKeepIt)
{
    t.Signal_Used(0, 1) = 1;
    t.Signal_Coord_X(0, 1) = 150, t.Signal_Coord_Y(0, 1) = withTop(3 * 1024, 100);
    t.Signal_Razmer_X(0, 1) = 20, t.Signal_Razmer_Y(0, 1) = 20;
    t.Text_Signal_Used(0, 2) = 1;
    t.Text_Signal_Coord_X(0, 2) = 160, t.Text_Signal_Coord_Y(0, 2) = withTop(31 * 1024, 140);
    canvas.show(t, {element::Kind::Signal, 0, 1});
    canvas.show(t, {element::Kind::TextSignal, 0, 2});
    band(100, 80, 300, 300);
    press(200, 200);
    move(220, 230);
    release();
    EXPECT_EQ(s.Signal_Selected(1), 1);
    EXPECT_EQ(t.Signal_Coord_X(0, 1), 170);
    EXPECT_EQ(t.Signal_Coord_Y(0, 1), 3 * 1024 + 130);
    EXPECT_EQ(t.Text_Signal_Coord_Y(0, 2), 31 * 1024 + 170);
}

TEST_F(BandSelection, FreeSlotsOtherKindsAndDeletedViewsStayWhereTheyAre)
{
    parameter(1, 150, 150);
    // A free text signal left at (1, 1) by its dialog's Delete.
    t.Text_Signal_Coord_X(0, 4) = 1, t.Text_Signal_Coord_Y(0, 4) = 1;
    // A menu item and a clock inside the band.
    t.Menu_Used(0, 1) = 1;
    t.Menu_Coord_X(0, 1) = 160, t.Menu_Coord_Y(0, 1) = 160;
    canvas.show(t, {element::Kind::Menu, 0, 1});
    t.Clock_Used(1) = 1;
    t.Clock_Coord_X(1) = 170, t.Clock_Coord_Y(1) = 170;
    canvas.show(t, {element::Kind::Clock, 0, 0});
    parameter(2, 180, 180);

    band(0, 0, 300, 300);
    press(5, 5); // the band starts at 0: a new band, not a grab
    band(1, 1, 300, 300);
    press(200, 200);
    EXPECT_EQ(s.Text_Signal_Selected(4), 0);
    EXPECT_EQ(s.Parametr_Selected(2), 1);
    // Deleted meanwhile: neither moved nor written.
    canvas.views.erase({ViewArray::Parametr_Label, 2});
    const EditorChanges c = move(210, 210);
    release();
    ASSERT_EQ(c.placed.size(), 1u);
    EXPECT_EQ(c.placed[0].view, (ViewRef{ViewArray::Parametr_Label, 1}));
    EXPECT_EQ(t.Parametr_Coord_X(0, 2), 180);
    EXPECT_EQ(t.Menu_Coord_X(0, 1), 160);
    EXPECT_EQ(at(ViewArray::Real_Clock, 1), QPointF(170, 170));
}

TEST_F(BandSelection, ARightPressOpensTheMenuAndOtherButtonsChangeNothing)
{
    parameter(1, 150, 150);
    band(100, 100, 200, 200);
    press(150, 120);
    const SelectionRect before = s.Select_copy;
    EXPECT_TRUE(press(500, 400, 2).popupMenu);
    EXPECT_TRUE(press(150, 120, 4).empty());
    EXPECT_EQ(s.Select_copy.Left, before.Left);
    EXPECT_EQ(s.Select_copy.Width, before.Width);
    EXPECT_EQ(s.Parametr_Selected(1), 1);
    // A move without the left button alone only records the pointer.
    EXPECT_TRUE(move(160, 130, 3).empty());
    EXPECT_EQ(s.Mouse_X, 160);
    EXPECT_EQ(at(ViewArray::Parametr_Label, 1), QPointF(150, 150));
}

// A click without moving writes the views' present places, whatever the
// tables held (kept as it always was).
TEST_F(BandSelection, AGrabAndReleaseWithoutMovingWritesTheViewsPlaces)
{
    parameter(1, 150, 150);
    canvas.put({ViewArray::Parametr_Label, 1}, QRectF(151, 152, 10, 22));
    band(100, 100, 200, 200);
    EXPECT_TRUE(s.Element_Lock) << "the lock does not stop the group";
    press(120, 120);
    release();
    EXPECT_EQ(t.Parametr_Coord_X(0, 1), 151);
    EXPECT_EQ(t.Parametr_Coord_Y(0, 1), 152);
}

// Dragging single elements: the grab in twips, the ranges of the kinds, the
// step grid and the control grid with the key types, the companions, the
// records written, the tool tips, the lock, the template, and the warning line.

#include "pages/editor/editor_arithmetic.h"
#include "pages/editor/element_drag.h"
#include "pages/editor/element_fields.h"
#include "pages/editor/menu_caption.h"
#include "support/fake_canvas.h"

#include <gtest/gtest.h>

using namespace pelmora;
using namespace pelmora::pages;

namespace {

constexpr float kTwips = 15;

class ElementDrag : public ::testing::Test {
protected:
    void SetUp() override
    {
        t.Setka_Razmer = 1;
        t.Setka_Razmer_Menu = 1;
        s.Element_Lock = false;
    }

    // Grabs view v at pixel (gx, gy) inside it and moves the pointer so that
    // the candidate corner is (cx, cy).
    EditorChanges dragTo(ViewRef v, double cx, double cy, short buttons = 1, int gx = 0, int gy = 0)
    {
        canvas.apply(elementPress(s, canvas, v, 1, gx * kTwips, gy * kTwips), t);
        const QRectF r = *canvas.geometry(v);
        const float x = static_cast<float>((cx - r.left() + gx) * kTwips);
        const float y = static_cast<float>((cy - r.top() + gy) * kTwips);
        EditorChanges c = elementMove(t, s, canvas, v, buttons, x, y);
        canvas.apply(c, t);
        return c;
    }
    QString tip(ViewArray a, int index) { return canvas.toolTips[ViewRef{a, index}]; }
    QPointF at(ViewArray a, int index) { return canvas.geometry({a, index}).value_or(QRectF(-1, -1, 0, 0)).topLeft(); }

    PageTables t;
    EditorState s;
    test::FakeCanvas canvas;
};

} // namespace

TEST(EditorArithmetic, TwipsGridAndRounding)
{
    // clang-format off
    struct Twips { float twips; int pixels; };
    const Twips twips[] = {{1499, 99}, {1500, 100}, {14, 0}, {22.5f, 1}, {-16, -1}, {7.5f, 0}};
    // clang-format on
    for (const Twips &c : twips)
        EXPECT_EQ(pixelsOfTwips(c.twips), c.pixels) << c.twips;

    // clang-format off
    struct Snap { double v; int step; int snapped; };
    const Snap snaps[] = {
        {797, 10, 790}, {5, 10, 0}, {-5, 10, 0}, {-15, 10, -10}, {2.5, 1, 2}, {3.5, 1, 4},
        {123, 0, 123}, {123, -4, 123},   // a step of 0 or less is 1
    };
    // clang-format on
    for (const Snap &c : snaps)
        EXPECT_EQ(snapToGrid(c.v, c.step), c.snapped) << c.v << " step " << c.step;
}

TEST_F(ElementDrag, APressRecordsTheGrabbedPointInPixels)
{
    canvas.put(ViewArray::Parametr_Label, 3, 100, 100);
    s.Drag_Message_Shown = true;
    EXPECT_TRUE(elementPress(s, canvas, {ViewArray::Parametr_Label, 3}, 1, 1499, 302).empty());
    EXPECT_EQ(s.Mouse_X, 99);
    EXPECT_EQ(s.Mouse_Y, 20);
    EXPECT_FALSE(s.Drag_Message_Shown);
    // A right press opens the edit menu and keeps the canvas point for a paste.
    EXPECT_TRUE(elementPress(s, canvas, {ViewArray::Parametr_Label, 3}, 2, 150, 300).popupMenu);
    EXPECT_EQ(s.Mouse_X, 110);
    EXPECT_EQ(s.Mouse_Y, 120);
}

// The step grid and the ranges: the bounds test the candidate, the view goes
// to its snapped value, and the record takes each axis that moved.
TEST_F(ElementDrag, EachKindMovesWithinItsRangeOnTheStepGrid)
{
    // clang-format off
    struct Case { const char *what; ViewArray array; int slot, step; QPointF from, candidate, expected; };
    const Case cases[] = {
        {"parameter on the right bound",  ViewArray::Parametr_Label,     1, 10, {100, 100}, {790, 333}, {790, 330}},
        {"parameter at X 0",              ViewArray::Parametr_Label,     1, 10, {100, 100}, {0, 333},   {100, 330}},
        {"parameter below Y 1",           ViewArray::Parametr_Label,     1, 1,  {100, 100}, {50, -3},   {50, 100}},
        {"signal candidate 5",            ViewArray::Signal_Picture,     2, 10, {100, 100}, {5, 200},   {0, 200}},
        {"text signal past 470",          ViewArray::Text_Signal_Picture, 3, 1, {100, 100}, {300, 471}, {300, 100}},
        {"mechanism on 765 x 445",        ViewArray::Ventilator_Picture, 4, 1,  {100, 100}, {765, 445}, {765, 445}},
        {"mechanism past 765",            ViewArray::Ventilator_Picture, 4, 1,  {100, 100}, {766, 446}, {100, 100}},
        {"static text slot 64",           ViewArray::Text_Label_Label,  64, 4,  {100, 100}, {203, 102}, {200, 100}},
        {"figure",                        ViewArray::ShapePlus1,         5, 5,  {100, 100}, {333, 222}, {330, 220}},
        {"button with the step grid",     ViewArray::Control_Image,      6, 1,  {100, 100}, {760, 440}, {760, 440}},
        {"transition past 440",           ViewArray::Go_Block_Label,     7, 1,  {100, 100}, {300, 441}, {300, 100}},
        {"grid step 0 counts as 1",       ViewArray::Parametr_Label,     1, 0,  {100, 100}, {333, 222}, {333, 222}},
    };
    // clang-format on
    for (const Case &c : cases) {
        t = PageTables();
        t.Setka_Razmer = static_cast<std::int16_t>(c.step);
        canvas.put(c.array, c.slot, c.from.x(), c.from.y());
        // Records at the place the view stands.
        t.Parametr_Coord_X(0, 1) = t.Signal_Coord_X(0, 2) = t.Text_Signal_Coord_X(0, 3) = t.Vent_Coord_X(0, 4) = 100;
        t.Parametr_Coord_Y(0, 1) = t.Signal_Coord_Y(0, 2) = t.Text_Signal_Coord_Y(0, 3) = t.Vent_Coord_Y(0, 4) = 100;
        t.Text_Label_Coord_X(0, 64) = t.Figura_Coord_X(0, 5) = t.Control_Coord_X(0, 6) = t.Go_Block_Coord_X(0, 7) = 100;
        t.Text_Label_Coord_Y(0, 64) = t.Figura_Coord_Y(0, 5) = t.Control_Coord_Y(0, 6) = t.Go_Block_Coord_Y(0, 7) = 100;
        dragTo({c.array, c.slot}, c.candidate.x(), c.candidate.y(), 1, 3, 4);
        EXPECT_EQ(at(c.array, c.slot), c.expected) << c.what;
        const QPoint stored = [&] {
            switch (c.array) {
            case ViewArray::Signal_Picture: return QPoint(t.Signal_Coord_X(0, 2), t.Signal_Coord_Y(0, 2));
            case ViewArray::Text_Signal_Picture:
                return QPoint(t.Text_Signal_Coord_X(0, 3), t.Text_Signal_Coord_Y(0, 3));
            case ViewArray::Ventilator_Picture: return QPoint(t.Vent_Coord_X(0, 4), t.Vent_Coord_Y(0, 4));
            case ViewArray::Text_Label_Label: return QPoint(t.Text_Label_Coord_X(0, 64), t.Text_Label_Coord_Y(0, 64));
            case ViewArray::ShapePlus1: return QPoint(t.Figura_Coord_X(0, 5), t.Figura_Coord_Y(0, 5));
            case ViewArray::Control_Image: return QPoint(t.Control_Coord_X(0, 6), t.Control_Coord_Y(0, 6));
            case ViewArray::Go_Block_Label: return QPoint(t.Go_Block_Coord_X(0, 7), t.Go_Block_Coord_Y(0, 7));
            default: return QPoint(t.Parametr_Coord_X(0, 1), t.Parametr_Coord_Y(0, 1));
            }
        }();
        EXPECT_EQ(QPointF(stored), c.expected) << c.what;
    }
}

// The control grid, candidate (75, 130): cells of 60 x 58, a button 20 into
// its column (10 for key type 13) and centred in 80 pixels (85 for key type
// 12), a transition centred in 80 (140 for a double field), a menu picture
// centred in 140 x 80 with its text box 7 right and 13 below.
TEST_F(ElementDrag, TheControlGridPlacesButtonsTransitionsAndMenus)
{
    t.Control_Grid = 1;
    t.Control_Grid_Menu = 1;
    // clang-format off
    struct Case { const char *what; ViewArray array; int slot; QSizeF size; int key, used; QPointF left; QPoint stored; };
    const Case cases[] = {
        {"button key 0",        ViewArray::Control_Image,  1, {40, 40},  0, 1, {80, 136}, {80, 136}},
        {"button key 13",       ViewArray::Control_Image,  2, {40, 40}, 13, 1, {70, 136}, {70, 136}},
        {"button key 12",       ViewArray::Control_Image,  3, {40, 45}, 12, 1, {80, 136}, {80, 136}},
        {"button key 12 of 40", ViewArray::Control_Image,  4, {40, 40}, 12, 1, {80, 138}, {80, 136}},
        {"button 60 high",      ViewArray::Control_Image,  5, {40, 60},  0, 1, {80, 126}, {80, 136}},
        {"single transition",   ViewArray::Go_Block_Label, 1, {40, 40},  0, 1, {80, 136}, {80, 136}},
        {"double transition",   ViewArray::Go_Block_Label, 2, {100, 40}, 0, 3, {80, 136}, {80, 136}},
        {"menu item",           ViewArray::Menu_Image,     1, {123, 44}, 0, 1, {68, 134}, {75, 147}},
    };
    // clang-format on
    for (const Case &c : cases) {
        canvas.put({c.array, c.slot}, QRectF(QPointF(300, 300), c.size));
        t.Control_Key_Type(0, c.slot) = static_cast<std::uint8_t>(c.key);
        t.Go_Block_Used(0, c.slot) = static_cast<std::int16_t>(c.used);
        if (c.array == ViewArray::Menu_Image)
            canvas.put(ViewArray::Menu_Text, c.slot, 307, 313);
        dragTo({c.array, c.slot}, 75, 130);
        EXPECT_EQ(at(c.array, c.slot), c.left) << c.what;
        const QPoint stored = c.array == ViewArray::Control_Image
                                  ? QPoint(t.Control_Coord_X(0, c.slot), t.Control_Coord_Y(0, c.slot))
                              : c.array == ViewArray::Go_Block_Label
                                  ? QPoint(t.Go_Block_Coord_X(0, c.slot), t.Go_Block_Coord_Y(0, c.slot))
                                  : QPoint(t.Menu_Coord_X(0, c.slot), t.Menu_Coord_Y(0, c.slot));
        EXPECT_EQ(stored, c.stored) << c.what;
    }
    EXPECT_EQ(at(ViewArray::Menu_Text, 1), QPointF(75, 147));
}

// Key types 10 and 11 are wider: they stop where X passes 710, with either grid.
TEST_F(ElementDrag, WideKeyTypesStopAt710)
{
    for (int grid : {0, 1}) {
        for (int key : {10, 11, 0}) {
            t.Control_Grid = static_cast<std::int16_t>(grid);
            t.Control_Key_Type(0, 1) = static_cast<std::uint8_t>(key);
            t.Control_Coord_X(0, 1) = 100;
            canvas.put(ViewArray::Control_Image, 1, 100, 100);
            dragTo({ViewArray::Control_Image, 1}, 711, 100);
            const double expected = key == 0 ? (grid ? 680 : 711) : 100;
            EXPECT_EQ(at(ViewArray::Control_Image, 1).x(), expected) << "key " << key << " grid " << grid;
            EXPECT_EQ(t.Control_Coord_X(0, 1), key == 0 ? expected : 100);
            dragTo({ViewArray::Control_Image, 1}, 710, 100);
            EXPECT_EQ(at(ViewArray::Control_Image, 1).x(), grid ? 680 : 710) << "key " << key;
        }
    }
}

TEST_F(ElementDrag, SignalsKeepTheirListNumberAndLevelBarsTheirTwoPictures)
{
    t.Signal_Coord_Y(0, 1) = 3172; // list 3, top 100
    canvas.put(ViewArray::Signal_Picture, 1, 40, 100);
    for (int y : {200, 470, 1, 35}) {
        dragTo({ViewArray::Signal_Picture, 1}, 40, y);
        EXPECT_EQ(t.Signal_Coord_Y(0, 1), 3 * 1024 + y);
    }

    canvas.put(ViewArray::Level_Picture, 4, 100, 100);
    canvas.put(ViewArray::Level_Picture_1, 4, 100, 100);
    dragTo({ViewArray::Level_Picture_1, 4}, 150, 160);
    EXPECT_EQ(at(ViewArray::Level_Picture, 4), QPointF(150, 160));
    EXPECT_EQ(at(ViewArray::Level_Picture_1, 4), QPointF(150, 160));
    EXPECT_EQ(t.Level_Coord_X(0, 4), 150);
    const EditorChanges c = dragTo({ViewArray::Level_Picture, 4}, 170, 180);
    EXPECT_EQ(at(ViewArray::Level_Picture_1, 4), QPointF(170, 180));
    EXPECT_EQ(tip(ViewArray::Level_Picture, 4), QStringLiteral("Уровень 4, X - 170, Y - 180"));
}

TEST_F(ElementDrag, ClocksAndGraphWindowsUseThePageRowAndTheirDateFollows)
{
    t.Num_Stranica_SCADA = 2;
    canvas.put(ViewArray::Real_Clock, 3, 10, 10);
    canvas.put(ViewArray::Real_Time, 3, 10, 32);
    dragTo({ViewArray::Real_Clock, 3}, 60, 100);
    EXPECT_EQ(at(ViewArray::Real_Time, 3), QPointF(60, 122));
    EXPECT_EQ(t.Clock_Coord_X(3), 60);
    EXPECT_EQ(t.Clock_Coord_Y(3), 100);
    EXPECT_EQ(tip(ViewArray::Real_Clock, 3), QStringLiteral("Часы 3, X - 60, Y - 100"));

    canvas.put(ViewArray::Grafik_Image, 3, 10, 10);
    dragTo({ViewArray::Grafik_Image, 3}, 40, 30);
    EXPECT_EQ(t.Grafik_Coord_X(3), 40);
    EXPECT_EQ(tip(ViewArray::Grafik_Image, 3), QStringLiteral("Графік 3, X - 40, Y - 30"));
}

TEST_F(ElementDrag, TheWarningLineStoresItsPagePlaceAndHasNoToolTip)
{
    canvas.put(ViewArray::Varning_Text, 0, 200, 300);
    const EditorChanges c = dragTo({ViewArray::Varning_Text, 0}, 102, 142);
    EXPECT_EQ(at(ViewArray::Varning_Text, 0), QPointF(102, 142));
    EXPECT_EQ(t.Varning_Coord_X, 100);
    EXPECT_EQ(t.Varning_Coord_Y, 100);
    EXPECT_TRUE(c.toolTips.empty());
    // Main-window bounds: 2..400 by 42..512.
    dragTo({ViewArray::Varning_Text, 0}, 1, 513);
    EXPECT_EQ(t.Varning_Coord_X, 100);
    EXPECT_EQ(t.Varning_Coord_Y, 100);
    dragTo({ViewArray::Varning_Text, 0}, 400, 512);
    EXPECT_EQ(t.Varning_Coord_X, 398);
    EXPECT_EQ(t.Varning_Coord_Y, 470);
}

TEST_F(ElementDrag, OnlyTheLeftButtonAloneWithoutTheLockMovesButTheToolTipFollowsAlways)
{
    // clang-format off
    struct Case { short buttons; bool locked; bool moves; };
    const Case cases[] = {{1, false, true}, {2, false, false}, {3, false, false}, {0, false, false}, {1, true, false}};
    // clang-format on
    for (const Case &c : cases) {
        t.Signal_Coord_X(0, 5) = 120, t.Signal_Coord_Y(0, 5) = 60;
        canvas.put(ViewArray::Signal_Picture, 5, 120, 60);
        s.Element_Lock = c.locked;
        const EditorChanges ch = dragTo({ViewArray::Signal_Picture, 5}, 200, 90, c.buttons);
        EXPECT_EQ(at(ViewArray::Signal_Picture, 5), c.moves ? QPointF(200, 90) : QPointF(120, 60)) << c.buttons;
        EXPECT_EQ(t.Signal_Coord_X(0, 5), c.moves ? 200 : 120) << c.buttons;
        ASSERT_EQ(ch.toolTips.size(), 1u);
        EXPECT_EQ(ch.toolTips[0].text,
                  c.moves ? QStringLiteral("Сигнал 5, X - 200, Y - 90") : QStringLiteral("Сигнал 5, X - 120, Y - 60"));
    }
}

TEST_F(ElementDrag, TheToolTipNamesTheKindAndTheElementNumberOnItsPage)
{
    t.Num_Stranica_SCADA = 1;
    // clang-format off
    struct Case { ViewArray array; int index; const char16_t *tip; };
    const Case cases[] = {
        {ViewArray::Control_Image,       33, u"Управление 1, X - 60, Y - 58"},
        {ViewArray::Go_Block_Label,      34, u"Переход 2, X - 60, Y - 58"},
        {ViewArray::Menu_Image,          11, u"Меню 3, X - 60, Y - 58"},
        {ViewArray::Manometr_Img,        36, u"Манометр 4, X - 60, Y - 58"},
        {ViewArray::Parametr_Label,      37, u"Параметр 5, X - 60, Y - 58"},
        {ViewArray::ShapePlus1,          38, u"Фигура 6, X - 60, Y - 58"},
        {ViewArray::Text_Label_Label,   128, u"T\u0435кст 64, X - 60, Y - 58"},
        {ViewArray::Text_Signal_Picture, 39, u"Сигнал текст 7, X - 60, Y - 58"},
        {ViewArray::Ventilator_Picture,  40, u"Вентилятор 8, X - 60, Y - 58"},
        {ViewArray::Parametr_Label,       0, u"Параметр 0, X - 60, Y - 58"},  // the template
    };
    // clang-format on
    for (const Case &c : cases) {
        canvas.put(c.array, c.index, 10, 10);
        if (c.array == ViewArray::Menu_Image)
            canvas.put(ViewArray::Menu_Text, c.index, 17, 23);
        const EditorChanges ch = dragTo({c.array, c.index}, 60, 58);
        ASSERT_EQ(ch.toolTips.size(), 1u);
        EXPECT_EQ(ch.toolTips[0].text, QString::fromUtf16(c.tip));
    }
    // The static text's word starts with a Latin T.
    EXPECT_EQ(tip(ViewArray::Text_Label_Label, 128).at(0), QLatin1Char('T'));
}

TEST_F(ElementDrag, TheTemplateMovesWithoutARecord)
{
    t.Parametr_Coord_X(0, 0) = 7;
    canvas.put(ViewArray::Parametr_Label, 0, 10, 10);
    dragTo({ViewArray::Parametr_Label, 0}, 300, 200);
    EXPECT_EQ(at(ViewArray::Parametr_Label, 0), QPointF(300, 200));
    EXPECT_EQ(t.Parametr_Coord_X(0, 0), 7);
    // A figure's template does not take the resize handle.
    canvas.put(ViewArray::ShapePlus1, 0, 10, 10);
    EXPECT_FALSE(dragTo({ViewArray::ShapePlus1, 0}, 300, 200).handleChanged);
    EXPECT_FALSE(s.Zoom.Visible);
}

TEST_F(ElementDrag, AFigureTakesTheResizeHandleAtItsLowerRightCorner)
{
    t.Num_Stranica_SCADA = 1;
    canvas.put({ViewArray::ShapePlus1, 40}, QRectF(10, 10, 100, 60));
    s.Zoom_Kind = 1;
    EXPECT_TRUE(dragTo({ViewArray::ShapePlus1, 40}, 200, 100).handleChanged);
    EXPECT_TRUE(s.Zoom.Visible);
    EXPECT_EQ(s.Zoom.page, 1);
    EXPECT_EQ(s.Zoom.Left, 300);
    EXPECT_EQ(s.Zoom.Top, 160);
    EXPECT_EQ(s.Zoom_Index, 40);
    EXPECT_EQ(s.Zoom_Kind, 0);
    EXPECT_EQ(t.Figura_Coord_X(1, 8), 200);
}

TEST_F(ElementDrag, AMenuItemDoesNotMoveRightAfterADoubleClickInsertedOne)
{
    canvas.put(ViewArray::Menu_Image, 2, 100, 100);
    canvas.put(ViewArray::Menu_Text, 2, 107, 113);
    s.Insert_Flag = 1;
    dragTo({ViewArray::Menu_Image, 2}, 200, 200);
    EXPECT_EQ(at(ViewArray::Menu_Image, 2), QPointF(100, 100));
    EXPECT_EQ(s.Insert_Flag, 0);
    EXPECT_EQ(t.Menu_Coord_X(0, 2), 0);
    dragTo({ViewArray::Menu_Image, 2}, 200, 200);
    EXPECT_EQ(at(ViewArray::Menu_Text, 2), QPointF(207, 213));
    EXPECT_EQ(t.Menu_Coord_X(0, 2), 207);
    EXPECT_EQ(t.Menu_Coord_Y(0, 2), 213);
    // The menu grid: its own step.
    t.Setka_Razmer_Menu = 50;
    dragTo({ViewArray::Menu_Image, 2}, 260, 240);
    EXPECT_EQ(at(ViewArray::Menu_Image, 2), QPointF(250, 200));
}

// A transition whose number lies outside the page's tables cannot move; it
// says so once per drag, not at every mouse move.
TEST_F(ElementDrag, ATransitionOffThePageSaysSoOncePerDrag)
{
    t.Num_Stranica_SCADA = 2;
    const ViewRef other{ViewArray::Go_Block_Label, 5}; // slot 5 of page 0
    canvas.put(other.array, other.index, 100, 100);
    const EditorChanges first = dragTo(other, 200, 200);
    ASSERT_TRUE(first.message);
    EXPECT_EQ(*first.message, QStringLiteral("Помилка номера блоку!!!"));
    EXPECT_EQ(at(other.array, other.index), QPointF(100, 100));
    EXPECT_FALSE(elementMove(t, s, canvas, other, 1, 3000, 3000).message);
    EXPECT_TRUE(dragTo(other, 210, 200).message) << "a new drag";
    // Other kinds off the page neither move nor write.
    canvas.put(ViewArray::Parametr_Label, 5, 100, 100);
    const EditorChanges param = dragTo({ViewArray::Parametr_Label, 5}, 200, 200);
    EXPECT_TRUE(param.placed.empty());
    EXPECT_FALSE(param.message);
    EXPECT_EQ(t.Parametr_Coord_X(0, 5), 0);
}

TEST(MenuCaption, TypingIntoAMenuTextBoxStoresTheCaptionOfItsSlot)
{
    PageTables t;
    t.Num_Stranica_SCADA = 2;
    EXPECT_TRUE(menuTextChange(t, 19, QStringLiteral("Насоси")));
    EXPECT_EQ(t.Menu_Caption(2, 3), QStringLiteral("Насоси"));
    EXPECT_FALSE(menuTextChange(t, 0, QStringLiteral("шаблон")));
    EXPECT_EQ(t.Menu_Caption(2, 0), QString());
    EXPECT_FALSE(menuTextChange(t, 200, QStringLiteral("поза")));
    EXPECT_FALSE(menuTextChange(t, 3, QStringLiteral("поза"))); // slot -13
}

// Copy, Delete and Paste from the edit menu: which corners the rectangle
// takes, what a freed slot keeps, where and into which slots the copies go,
// what they take from their source, and what stays when a kind is full.

#include "pages/editor/copy_selection.h"
#include "pages/editor/delete_selection.h"
#include "pages/editor/element_fields.h"
#include "pages/editor/paste_selection.h"
#include "pages/editor/selectable_kinds.h"
#include "support/fake_canvas.h"
#include "support/page_fixture.h"

#include <gtest/gtest.h>

using namespace pelmora;
using namespace pelmora::pages;

namespace {

class CopyPaste : public ::testing::Test {
protected:
    void rectangle(float l, float t0, float w, float h) { s.Select_copy = {l, t0, w, h, true, t.Num_Stranica_SCADA}; }
    void parameter(int p, int n, int x, int y)
    {
        t.Parametr_Used(p, n) = 1;
        t.Parametr_Coord_X(p, n) = static_cast<std::int16_t>(x);
        t.Parametr_Coord_Y(p, n) = static_cast<std::int16_t>(y);
    }
    std::vector<int> list(SelectKind k)
    {
        std::vector<int> out;
        for (int i = 0; i <= 63 && s.Selection_Table(copyCode(k), i) != 0; ++i)
            out.push_back(s.Selection_Table(copyCode(k), i));
        return out;
    }
    EditorChanges paste(int page, int x, int y)
    {
        t.Num_Stranica_SCADA = static_cast<std::int16_t>(page);
        s.Mouse_X = static_cast<std::int16_t>(x);
        s.Mouse_Y = static_cast<std::int16_t>(y);
        return pasteSelection(t, s);
    }

    PageTables t;
    EditorState s;
};

} // namespace

// Copy's test is strict on every edge, unlike the band's.
TEST_F(CopyPaste, CopyTakesCornersStrictlyInsideAndTheirSmallestXAndY)
{
    // clang-format off
    struct Case { int slot, x, y; bool copied; };
    const Case cases[] = {
        {1, 100, 120, false},  // left edge
        {2, 150, 100, false},  // top edge
        {3, 200, 120, false},  // right edge
        {4, 150, 150, false},  // bottom edge
        {5, 101, 149, true},
        {6, 199, 101, true},
        {7, 150, 120, true},
    };
    // clang-format on
    for (const Case &c : cases)
        parameter(0, c.slot, c.x, c.y);
    // A signal with a list number and a text signal with one are tested on
    // their Y without it.
    t.Signal_Used(0, 3) = 1;
    t.Signal_Coord_X(0, 3) = 120, t.Signal_Coord_Y(0, 3) = withTop(2 * 1024, 110);
    t.Text_Signal_Used(0, 9) = 1;
    t.Text_Signal_Coord_X(0, 9) = 130, t.Text_Signal_Coord_Y(0, 9) = withTop(5 * 1024, 140);
    // A free text signal left at (1, 1) is not an element.
    t.Text_Signal_Coord_X(0, 2) = 1, t.Text_Signal_Coord_Y(0, 2) = 1;
    rectangle(100, 100, 100, 50);
    s.Select_copy.Visible = false; // whether it is shown does not matter
    copySelection(t, s);
    EXPECT_EQ(list(SelectKind::Parameter), (std::vector<int>{5, 6, 7}));
    EXPECT_EQ(list(SelectKind::Signal), (std::vector<int>{3}));
    EXPECT_EQ(list(SelectKind::TextSignal), (std::vector<int>{9}));
    EXPECT_EQ(s.Copy_Coord_X, 101);
    EXPECT_EQ(s.Copy_Coord_Y, 101);
    EXPECT_EQ(s.Copy_Stranica, 0);

    // A rectangle holding nothing empties the buffer.
    rectangle(1, 1, 1, 1);
    copySelection(t, s);
    EXPECT_TRUE(list(SelectKind::Parameter).empty());
    EXPECT_TRUE(list(SelectKind::TextSignal).empty());
    EXPECT_EQ(s.Copy_Coord_X, 900);
    EXPECT_EQ(s.Copy_Coord_Y, 500);
    EXPECT_EQ(s.Copy_Razmer_X, 0);
}

TEST_F(CopyPaste, AllSixtyFourStaticTextsFillTheirList)
{
    for (int n = 1; n <= 64; ++n) {
        t.Text_Label_Used(2, n) = 1;
        t.Text_Label_Coord_X(2, n) = static_cast<std::int16_t>(10 + n * 10);
        t.Text_Label_Coord_Y(2, n) = static_cast<std::int16_t>(10 + n * 5);
    }
    t.Num_Stranica_SCADA = 2;
    rectangle(5, 5, 790, 470);
    copySelection(t, s);
    std::vector<int> all(64);
    for (int n = 1; n <= 64; ++n)
        all[static_cast<std::size_t>(n - 1)] = n;
    EXPECT_EQ(list(SelectKind::StaticText), all);
    EXPECT_EQ(s.Copy_Coord_X, 20);
    EXPECT_EQ(s.Copy_Coord_Y, 15);
    EXPECT_EQ(s.Copy_Stranica, 2);
}

// The group's corner goes to the pointer and every element keeps its offset,
// in the lowest free slots, in the order of the list.
TEST_F(CopyPaste, PasteMovesTheGroupToThePointerIntoTheLowestFreeSlots)
{
    parameter(0, 4, 100, 50);
    parameter(0, 6, 130, 90);
    parameter(0, 9, 180, 60);
    t.Parametr_Digits(0, 9) = 4;
    t.Parametr_Num_Block(0, 9) = 7; // the binding stays behind
    rectangle(90, 40, 200, 100);
    copySelection(t, s);

    parameter(5, 1, 0, 0);
    parameter(5, 3, 0, 0);
    t.Parametr_Num_Block(5, 5) = 12; // what the free slot held
    const EditorChanges c = paste(5, 300, 200);
    const std::vector<ElementRef> made = {
        {element::Kind::Parameter, 5, 2}, {element::Kind::Parameter, 5, 4}, {element::Kind::Parameter, 5, 5}};
    EXPECT_EQ(c.created, made);
    EXPECT_EQ(QPoint(t.Parametr_Coord_X(5, 2), t.Parametr_Coord_Y(5, 2)), QPoint(300, 200));
    EXPECT_EQ(QPoint(t.Parametr_Coord_X(5, 4), t.Parametr_Coord_Y(5, 4)), QPoint(330, 240));
    EXPECT_EQ(QPoint(t.Parametr_Coord_X(5, 5), t.Parametr_Coord_Y(5, 5)), QPoint(380, 210));
    EXPECT_EQ(t.Parametr_Used(5, 5), 1);
    EXPECT_EQ(t.Parametr_Digits(5, 5), 4);
    EXPECT_EQ(t.Parametr_Num_Block(5, 5), 12);
    ASSERT_EQ(c.captions.size(), 3u);
    EXPECT_EQ(c.captions[2].view, (ViewRef{ViewArray::Parametr_Label, 5 * 32 + 5}));
    EXPECT_EQ(c.captions[2].text, QStringLiteral("000005"));
    // The rectangle stands at the pointer, shown on this page, with the copied size.
    EXPECT_TRUE(c.bandChanged);
    EXPECT_EQ(s.Select_copy.Left, 300);
    EXPECT_EQ(s.Select_copy.Top, 200);
    EXPECT_EQ(s.Select_copy.Width, 0);
    EXPECT_EQ(s.Select_copy.page, 5);
    EXPECT_TRUE(s.Select_copy.Visible);
    // The buffer stays: a second paste makes a second set.
    EXPECT_EQ(paste(5, 0, 0).created.size(), 3u);
    EXPECT_EQ(t.Parametr_Coord_X(5, 8), 80);
}

TEST_F(CopyPaste, APasteNearTheEdgesStaysOnThePage)
{
    parameter(0, 1, 100, 100);
    parameter(0, 2, 700, 400);
    t.Text_Signal_Used(0, 3) = 1;
    t.Text_Signal_Coord_X(0, 3) = 110, t.Text_Signal_Coord_Y(0, 3) = withTop(3 * 1024, 400);
    t.Signal_Used(0, 4) = 1;
    t.Signal_Coord_X(0, 4) = 120, t.Signal_Coord_Y(0, 4) = withTop(1 * 1024, 300);
    rectangle(50, 50, 700, 400);
    copySelection(t, s);
    paste(1, 200, 170);
    EXPECT_EQ(QPoint(t.Parametr_Coord_X(1, 1), t.Parametr_Coord_Y(1, 1)), QPoint(200, 170));
    EXPECT_EQ(QPoint(t.Parametr_Coord_X(1, 2), t.Parametr_Coord_Y(1, 2)), QPoint(790, 470));
    // The text signal's Y would be 470 + 3 x 1024 + 30; it stops at 470 and keeps list 3.
    EXPECT_EQ(t.Text_Signal_Coord_Y(1, 1), 3 * 1024 + 470);
    EXPECT_EQ(t.Signal_Coord_Y(1, 1), 1 * 1024 + 370);

    // A source moved up and left after the copy lands at 0, its list kept.
    t.Parametr_Coord_X(0, 1) = 10;
    t.Text_Signal_Coord_Y(0, 3) = withTop(3 * 1024, 5);
    paste(2, 20, 20);
    EXPECT_EQ(t.Parametr_Coord_X(2, 1), 0);
    EXPECT_EQ(t.Text_Signal_Coord_Y(2, 1), 3 * 1024 + 0);
}

TEST_F(CopyPaste, APasteAtThePagesCornerLiesWhollyOnThePage)
{
    parameter(0, 1, 100, 100);
    t.Figura_Used(0, 2) = 1;
    t.Figura_Coord_X(0, 2) = 150, t.Figura_Coord_Y(0, 2) = 120;
    t.Figura_Razmer_X(0, 2) = 300, t.Figura_Razmer_Y(0, 2) = 200;
    t.Level_Used(0, 3) = 1;
    t.Level_Coord_X(0, 3) = 120, t.Level_Coord_Y(0, 3) = 110;
    t.Level_Razmer_X(0, 3) = 20, t.Level_Razmer_Y(0, 3) = 150;
    t.Control_Used(0, 4) = 1, t.Control_Key_Type(0, 4) = 10;
    t.Control_Coord_X(0, 4) = 130, t.Control_Coord_Y(0, 4) = 130;
    t.Control_Razmer_X(0, 4) = 105, t.Control_Razmer_Y(0, 4) = 40;
    test::FakeCanvas canvas;
    canvas.showRecords(t, 2);
    rectangle(90, 90, 400, 300);
    copySelection(t, s);

    const QRect page(0, 0, 800, 480);
    for (QPoint at : {QPoint(799, 479), QPoint(0, 0), QPoint(790, 0), QPoint(0, 470)}) {
        SCOPED_TRACE(at.x() * 1000 + at.y());
        PageTables before = t;
        t.Num_Stranica_SCADA = 1;
        s.Mouse_X = static_cast<std::int16_t>(at.x());
        s.Mouse_Y = static_cast<std::int16_t>(at.y());
        const EditorChanges c = pasteSelection(t, s, &canvas);
        ASSERT_EQ(c.created.size(), 4u);
        test::FakeCanvas shown = canvas;
        shown.apply(c, t);
        int pasted = 0;
        for (const auto &[view, rect] : shown.views)
            if (!canvas.views.count(view)) {
                ++pasted;
                EXPECT_TRUE(page.contains(rect.toAlignedRect())) << ::testing::PrintToString(rect);
            }
        EXPECT_GE(pasted, 4);
        t = before;
    }
    // Pasted at the far corner, each element touches the page's edge.
    t.Num_Stranica_SCADA = 1;
    s.Mouse_X = 799, s.Mouse_Y = 479;
    pasteSelection(t, s, &canvas);
    EXPECT_EQ(QPoint(t.Figura_Coord_X(1, 1), t.Figura_Coord_Y(1, 1)), QPoint(500, 280));
    EXPECT_EQ(QPoint(t.Level_Coord_X(1, 1), t.Level_Coord_Y(1, 1)), QPoint(780, 330));
    EXPECT_EQ(QPoint(t.Control_Coord_X(1, 1), t.Control_Coord_Y(1, 1)), QPoint(695, 440));
}

TEST_F(CopyPaste, EachKindTakesItsLookButNotItsBinding)
{
    ProjectModel m;
    m.settings.Stranica_Count = 16;
    test::placeDemoPageElements(m);
    t = m.pages;
    // The whole of page 0, pasted onto the empty page 5.
    rectangle(1, 1, 798, 478);
    copySelection(t, s);
    t.Control_Num_Block(5, 1) = 44, t.Control_Num_OUT(5, 1) = 9;
    t.Go_Block_Target(5, 2) = 150; // the slot's target stays
    const EditorChanges c = paste(5, 100, 100);

    // The figure at (10, 10) was the group's corner.
    EXPECT_EQ(t.Figura_Coord_X(5, 1), 100);
    EXPECT_EQ(t.Figura_Razmer_X(5, 1), 780);
    EXPECT_EQ(t.Figura_Type(5, 2), 1);
    EXPECT_EQ(t.Signal_Razmer_X(5, 2), t.Signal_Razmer_X(0, 2));
    EXPECT_EQ(t.Text_Signal_Text_On(5, 1), QStringLiteral("Аварія"));
    EXPECT_EQ(t.Text_Signal_Border_Style(5, 1), t.Text_Signal_Border_Style(0, 3));
    EXPECT_EQ(t.Level_Type(5, 2), t.Level_Type(0, 6));
    EXPECT_EQ(t.Level_Scale(5, 2), 0);
    EXPECT_EQ(t.Text_Label_Text(5, 2), QStringLiteral("Котел №1"));
    EXPECT_EQ(t.Control_Key_Type(5, 2), 13);
    EXPECT_EQ(t.Control_Num_Block(5, 1), 44);
    EXPECT_EQ(t.Control_Num_OUT(5, 1), 0);
    EXPECT_EQ(t.Vent_Picture_Num(5, 2), 5);
    EXPECT_EQ(t.Vent_Num_Block(5, 2), 0);
    // A double-field transition arrives single, unlocked, with caption "0".
    EXPECT_EQ(t.Go_Block_Used(5, 2), 1);
    EXPECT_EQ(t.Go_Block_Param(5, 2), 0);
    EXPECT_EQ(t.Go_Block_Target(5, 2), 150);
    bool zero = false;
    for (const ViewText &v : c.captions)
        zero = zero || (v.view == ViewRef{ViewArray::Go_Block_Label, 5 * 32 + 2} && v.text == QStringLiteral("0"));
    EXPECT_TRUE(zero);
    // Menu items, graph windows and clocks are not copied.
    EXPECT_EQ(t.Menu_Used(5, 1), 0);
    EXPECT_EQ(t.Clock_Used(6), 0);
}

TEST_F(CopyPaste, AFullKindPastesNothingAndAFreedSourceIsPassedOver)
{
    parameter(0, 1, 100, 100);
    parameter(0, 2, 120, 100);
    t.Text_Label_Used(0, 1) = 1;
    t.Text_Label_Coord_X(0, 1) = 130, t.Text_Label_Coord_Y(0, 1) = 130;
    rectangle(50, 50, 200, 200);
    copySelection(t, s);
    for (int n = 1; n <= 32; ++n)
        parameter(3, n, 5, 5);
    const EditorChanges full = paste(3, 300, 300);
    ASSERT_EQ(full.created.size(), 1u);
    EXPECT_EQ(full.created[0].kind, element::Kind::StaticText);
    EXPECT_EQ(t.Parametr_Coord_X(3, 32), 5);

    // Deleted after the copy: its freed record is not pasted.
    t.Parametr_Used(0, 2) = 0;
    const EditorChanges later = paste(4, 300, 300);
    ASSERT_EQ(later.created.size(), 2u);
    EXPECT_EQ(later.created[0], (ElementRef{element::Kind::Parameter, 4, 1}));
    EXPECT_EQ(t.Parametr_Used(4, 2), 0);
}

TEST_F(CopyPaste, DeleteFreesTheElementsStrictlyInsideAndNothingElse)
{
    for (int n = 1; n <= 9; ++n)
        parameter(1, n, 10 * n, 10 * n);
    t.Level_Used(1, 4) = 1;
    t.Level_Coord_X(1, 4) = 55, t.Level_Coord_Y(1, 4) = 55;
    t.Level_Color_Fon(1, 4) = 0xFFFFFF;
    t.Text_Label_Used(1, 40) = 1;
    t.Text_Label_Coord_X(1, 40) = 52, t.Text_Label_Coord_Y(1, 40) = 48;
    // A free text signal at (1, 1) and a signal with a list number inside.
    t.Text_Signal_Coord_X(1, 2) = 60, t.Text_Signal_Coord_Y(1, 2) = 60;
    t.Signal_Used(1, 7) = 1;
    t.Signal_Coord_X(1, 7) = 51, t.Signal_Coord_Y(1, 7) = withTop(4 * 1024, 51);
    t.Num_Stranica_SCADA = 1;
    rectangle(40, 40, 20, 20); // holds slot 5 only; slots 4 and 6 sit on its edges
    const EditorChanges c = deleteSelection(t, s);
    // Slot by slot, the kinds within a slot, the static texts last.
    const std::vector<ElementRef> freed = {{element::Kind::Level, 1, 4},
                                           {element::Kind::Parameter, 1, 5},
                                           {element::Kind::Signal, 1, 7},
                                           {element::Kind::StaticText, 1, 40}};
    EXPECT_EQ(c.freed, freed);
    EXPECT_EQ(t.Parametr_Used(1, 5), 0);
    EXPECT_EQ(t.Parametr_Font_Size(1, 5), 10);
    EXPECT_EQ(t.Parametr_Used(1, 4), 1);
    EXPECT_EQ(t.Parametr_Used(1, 6), 1);
    EXPECT_EQ(t.Level_Color_Fon(1, 4), 10);
    EXPECT_EQ(t.Text_Label_Text(1, 40), QStringLiteral(" "));
    EXPECT_EQ(t.Text_Label_Font_Name(1, 40), QStringLiteral("10"));
    EXPECT_EQ(t.Text_Signal_Coord_X(1, 2), 60) << "a free slot is left alone";
    // The rectangle and the copy buffer stay.
    EXPECT_EQ(s.Select_copy.Width, 20);

    // The freed values of the other kinds.
    freeSlot(t, element::Kind::Figure, 1, 3);
    freeSlot(t, element::Kind::Mechanism, 1, 3);
    freeSlot(t, element::Kind::Control, 1, 3);
    freeSlot(t, element::Kind::TextSignal, 1, 3);
    EXPECT_EQ(t.Figura_Type(1, 3), 10);
    EXPECT_EQ(t.Vent_Num_Block(1, 3), 10);
    EXPECT_EQ(t.Control_Gif_Name(1, 3), QStringLiteral(" "));
    EXPECT_EQ(t.Text_Signal_Text_Off(1, 3), QStringLiteral(" "));
}

TEST(PastedParameter, TheCaptionIsTheSlotNumberToTheChosenWidth)
{
    // clang-format off
    struct Case { int slot, digits; const char *caption; };
    const Case cases[] = {{5, 0, "05"}, {12, 4, "000012"}, {12, 0, "12"}, {3, 2, "0003"}, {7, 5, "7"}};
    // clang-format on
    for (const Case &c : cases)
        EXPECT_EQ(pastedParameterCaption(c.slot, c.digits), QLatin1String(c.caption));
}

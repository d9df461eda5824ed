// The figure and static text dialogs' core: both read their element's view
// and take its place at Ok.

#include "element_test.h"

#include "elements/figure_element.h"
#include "elements/static_text_element.h"
#include "project/startup.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace element;

class ViewReadDialogs : public test::ElementTest {
protected:
    ViewReadDialogs() : ElementTest(2) {}
};

TEST_F(ViewReadDialogs, FigureShapeLineAndCircle)
{
    // clang-format off
    struct Case { int shapeKind; int w, h; int type; const char *boxH; const char *label; };
    const Case cases[] = {
        {0, 40, 25, 0, "25", "Размер Х"},
        {3, 40, 40, 1, "40", "Радиус"},
        {1, 40, 30, 1, "40", "Радиус"},   // shape kind 1 is a circle as well
    };
    // clang-format on
    for (const Case &c : cases) {
        FigureViewState view;
        view.box = {30, 60, c.w, c.h};
        view.shapeKind = c.shapeKind;
        view.lineColour = 0x804000;
        view.lineWidth = 2;
        const FigureFields f = prefillFigure(5, view).fields;
        EXPECT_EQ(f.type, c.type) << c.shapeKind;
        EXPECT_EQ(f.height, QString::fromLatin1(c.boxH)) << c.shapeKind;
        EXPECT_EQ(f.widthLabel, QString::fromUtf8(c.label)) << c.shapeKind;
        EXPECT_EQ(f.lineWidth, QStringLiteral("2"));
        EXPECT_EQ(f.colour, 0x804000);
    }

    // A circle with sizes 40 and 25: 40 x 40, shape kind 3; the resize handle takes it.
    FigureFields f = prefillFigure(0, {}).fields;
    f.width = QStringLiteral("40");
    f.height = QStringLiteral("25");
    f.type = 1;
    f.lineWidth = QStringLiteral("-4");
    const SlotChoice slot = slotFor(Kind::Figure, f.number);
    const FigureView v = storeFigure(m, p, slot, f, {12, 34});
    const int n = slot.slot;
    EXPECT_EQ(m.pages.Figura_Razmer_X(p, n), 40);
    EXPECT_EQ(m.pages.Figura_Razmer_Y(p, n), 40);
    EXPECT_EQ(m.pages.Figura_Line_Width(p, n), 4);
    EXPECT_EQ(m.pages.Figura_Type(p, n), 1);
    EXPECT_EQ(m.pages.Figura_Coord_X(p, n), 12);
    EXPECT_EQ(v.shapeKind, 3);
    EXPECT_EQ(v.width, 40);
    EXPECT_EQ(v.height, 40);
    EXPECT_EQ(v.zoomIndex, p * 32 + n);
    EXPECT_EQ(v.zoomKind, 0);

    // Choosing "Коло" copies the width into the height; "Прямокутник" leaves both.
    FigureFields g = prefillFigure(0, {}).fields;
    g.width = QStringLiteral("70");
    g.height = QStringLiteral("20");
    EXPECT_EQ(figureTypeChosen(g, 1), 3);
    EXPECT_EQ(g.height, QStringLiteral("70"));
    EXPECT_EQ(g.widthLabel, QStringLiteral("Диаметр"));
    EXPECT_EQ(figureTypeChosen(g, 0), 0);
    EXPECT_EQ(g.height, QStringLiteral("70"));
    EXPECT_EQ(g.widthLabel, QStringLiteral("Размер Х"));
}

TEST_F(ViewReadDialogs, FigureUploadSaveAndDelete)
{
    FigureFields f = prefillFigure(0, {}).fields;
    f.width = QStringLiteral("420");
    f.height = QStringLiteral("200");
    f.colour = 0x0000C0;
    f.lineWidth = QStringLiteral("3");
    const SlotChoice slot = slotFor(Kind::Figure, f.number);
    storeFigure(m, p, slot, f, {30, 60});
    f.number = QString::number(slot.slot);
    f.widthLabel = QStringLiteral("Размер Х");
    const ProjectModel opened = test::savedAndOpened(m);
    EXPECT_EQ(prefillFigure(slot.slot, figureViewState(opened.pages, p, slot.slot)).fields, f);

    resetFigure(m.pages, p, slot.slot);
    EXPECT_EQ(test::recordOf(m, Kind::Figure, p, slot.slot), (QStringList{"0", "0", "0", "1", "1", "0", "0", "3"}));
}

TEST_F(ViewReadDialogs, StaticTextFontAndColour)
{
    TextViewState view;
    view.caption = QStringLiteral("Котел №1");
    view.foreColour = 0x400000;
    view.font = {QStringLiteral("DejaVu Serif"), 9.75, true, false};
    StaticTextFields f = prefillStaticText(0, view).fields;
    EXPECT_EQ(f.text, QStringLiteral("Котел №1"));
    EXPECT_EQ(f.colour, 0x400000);
    const SlotChoice slot = slotFor(Kind::StaticText, f.number);
    const StaticTextView v = storeStaticText(m, p, slot, f, {300, 20});
    const int n = slot.slot;
    EXPECT_EQ(m.pages.Text_Label_Font_Size(p, n), 10); // 9.75 points stored as 10
    EXPECT_EQ(v.font.pointSize, 9.75);                 // the view keeps them
    EXPECT_EQ(m.pages.Text_Label_Font_Bold(p, n), -1);
    EXPECT_EQ(m.pages.Text_Label_Font_Italic(p, n), 0);
    EXPECT_EQ(m.pages.Text_Label_Font_Name(p, n), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(m.pages.Text_Label_Coord_X(p, n), 300);
    EXPECT_EQ(v.caption, QStringLiteral("Котел №1"));

    // A text of 64 characters is taken whole; 64 texts fill a page.
    f.text = QString(kStaticTextLength, QChar(u'Ж'));
    for (int i = 1; i < 64; ++i)
        storeStaticText(m, p, slotFor(Kind::StaticText, QStringLiteral("0")), f, {i, i});
    EXPECT_EQ(m.pages.Text_Label_Text(p, 64), f.text);
    EXPECT_FALSE(takeSlot(m, Kind::StaticText, p, QStringLiteral("0")));

    // Saved and opened, the text shows the same (the size as stored).
    const ProjectModel opened = test::savedAndOpened(m);
    const TextFont templ{QStringLiteral("Sans"), 8, false, false};
    StaticTextFields expected = prefillStaticText(0, view).fields;
    expected.number = QString::number(n);
    expected.font.pointSize = 10;
    EXPECT_EQ(prefillStaticText(n, staticTextViewState(opened.pages, p, n, templ)).fields, expected);

    // Delete keeps the font name in the freed slot.
    resetStaticText(m.pages, p, n);
    EXPECT_EQ(m.pages.Text_Label_Font_Name(p, n), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(m.pages.Text_Label_Font_Size(p, n), 10);
    EXPECT_TRUE(m.pages.Text_Label_Text(p, n).isEmpty());
}

} // namespace
} // namespace pelmora

// The warning banner dialog's core: its page list, the clamped position, the
// view's place in the main window, the output list cut at 33 entries.

#include "element_fixture.h"

#include "elements/varning_element.h"
#include "project/startup.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace element;

class VarningDialog : public ::testing::Test {
protected:
    VarningDialog()
    {
        startUpModel(m);
        m.settings.Stranica_Count = 16;
        m.schema.Block_Type(3) = type::A_I;
        m.schema.Block_Type(4) = type::SCA;
    }
    VarningFields fresh(const char *block = "3")
    {
        VarningFields f = prefillVarning(m).fields;
        f.block = QString::fromLatin1(block);
        varningBlockChanged(m, f);
        return f;
    }
    ProjectModel m;
};

TEST_F(VarningDialog, PagePositionAndView)
{
    // clang-format off
    struct Case { int page; const char *x, *y; int tab; int storedX, storedY; bool placed, visible; };
    const Case cases[] = {
        {0, "100", "100", 0, 100, 100, false, false},  // "No": hidden, stored all the same
        {1, "450", "500", 0, 400, 470, true, true},    // clamped silently; (402, 512) in the main window
        {3, "10", "-5", 4, 10, -5, true, false},       // another tab shown: hidden until page 3 is
        {3, "10", "20", 2, 10, 20, true, true},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.page);
        VarningFields f = fresh();
        f.page = c.page;
        f.x = QString::fromLatin1(c.x);
        f.y = QString::fromLatin1(c.y);
        f.colour = 0x0000FF;
        f.colourFon = 0xFFFFFF;
        const VarningView v = storeVarning(m, f, c.tab);
        EXPECT_EQ(m.pages.Varning_Stranica, c.page);
        EXPECT_EQ(m.pages.Varning_Coord_X, c.storedX);
        EXPECT_EQ(m.pages.Varning_Coord_Y, c.storedY);
        EXPECT_EQ(m.pages.Varning_Color, 0x0000FF);
        EXPECT_EQ(v.placed, c.placed);
        EXPECT_EQ(v.visible, c.visible);
        if (c.placed) {
            EXPECT_EQ(v.left, c.storedX + 2);
            EXPECT_EQ(v.top, c.storedY + 42);
        }
    }
    EXPECT_EQ(varningPageNames().size(), 17);
}

TEST_F(VarningDialog, OutputsOfTheBlock)
{
    // A list cut at 33 entries selects nothing; Ok stores -1.
    VarningFields f = fresh("4");
    EXPECT_EQ(f.outputs.selected, -1);
    f.page = 1;
    storeVarning(m, f, 0);
    EXPECT_EQ(m.pages.Varning_Num_OUT, -1);
    EXPECT_EQ(prefillVarning(m).fields.outputs.selected, -1);
    EXPECT_TRUE(prefillVarning(m).notices.empty());

    // A stored block outside 0..100: an empty list, output 0.
    m.pages.Varning_Num_Block = 300;
    m.pages.Varning_Num_OUT = 5;
    const Opened<VarningFields> o = prefillVarning(m);
    EXPECT_TRUE(o.fields.outputs.entries.isEmpty());
    EXPECT_EQ(o.notices, (Notices{{QStringLiteral("Помилка номера выходу!!!"), MsgIcon::Critical}}));
    storeVarning(m, o.fields, 0);
    EXPECT_EQ(m.pages.Varning_Num_Block, 300);
    EXPECT_EQ(m.pages.Varning_Num_OUT, 0);
}

TEST_F(VarningDialog, TheUploadCarriesItAndSavedAndOpenedShowsTheSame)
{
    VarningFields f = fresh();
    f.page = 3;
    f.x = QStringLiteral("300");
    f.y = QStringLiteral("20");
    f.colour = 0x0000FF;
    f.colourFon = 0xFFFFFF;
    f.outputs.select(4);
    storeVarning(m, f, 2);
    const QByteArray t = test::pageTables(m, 0);
    EXPECT_EQ(t.mid(2763, 11), QByteArray::fromHex("032c01140000f8ffff0304"));
    const ProjectModel opened = test::savedAndOpened(m);
    EXPECT_EQ(prefillVarning(opened).fields, f);
}

} // namespace
} // namespace pelmora

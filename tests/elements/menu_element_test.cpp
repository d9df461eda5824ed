// The menu item dialog's core: 8 items a page, the caption and the place
// taken from the item's text box, 16 target pages in every project.

#include "element_fixture.h"

#include "elements/element_delete.h"
#include "elements/menu_element.h"
#include "project/startup.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace element;

class MenuDialog : public ::testing::Test {
protected:
    MenuDialog()
    {
        startUpModel(m);
        m.settings.Stranica_Count = 8;
    }
    ProjectModel m;
};

TEST_F(MenuDialog, TargetsAndTheCaptionFromTheTextBox)
{
    // A new item on page 3 with "Стор.5": slot 1, views 17, target 4.
    const int p = 2;
    MenuFields f = prefillMenu(m, p, 0).fields;
    f.target = 4;
    const auto slot = takeSlot(m, Kind::Menu, p, f.number);
    ASSERT_TRUE(slot);
    EXPECT_EQ(*slot, (SlotChoice{1, 17, true}));
    storeMenu(m, p, *slot, f, QStringLiteral("Меню"), {108, 14});
    EXPECT_EQ(m.pages.Menu_Stranica(p, 1), 4);
    EXPECT_EQ(m.pages.Menu_Caption(p, 1), QStringLiteral("Меню"));
    EXPECT_EQ(m.pages.Menu_Coord_X(p, 1), 108);
    EXPECT_EQ(m.pages.Menu_Coord_Y(p, 1), 14);

    // Editing after the caption was typed on the page stores that caption;
    // "Стор.12" in an 8-page project is stored as 11.
    MenuFields e = prefillMenu(m, p, 1).fields;
    EXPECT_EQ(e.target, 4);
    e.target = 11;
    storeMenu(m, p, *takeSlot(m, Kind::Menu, p, e.number), e, QStringLiteral("Насоси"), {200, 300});
    EXPECT_EQ(m.pages.Menu_Stranica(p, 1), 11);
    EXPECT_EQ(m.pages.Menu_Caption(p, 1), QStringLiteral("Насоси"));
    // With no page chosen the target stays.
    e.target = -1;
    storeMenu(m, p, SlotChoice{1, 17, false}, e, QStringLiteral("Насоси"), {200, 300});
    EXPECT_EQ(m.pages.Menu_Stranica(p, 1), 11);
    EXPECT_EQ(menuPageNames().size(), 16);
    EXPECT_EQ(menuPageNames().last(), QStringLiteral("Стор.16"));

    // The upload carries the place and the target; the caption goes in the page's picture.
    const QByteArray t = test::pageTables(m, p);
    EXPECT_EQ(quint8(t[2208]) + 256 * quint8(t[2209]), 200);
    EXPECT_EQ(quint8(t[2210]) + 256 * quint8(t[2211]), 300);
    EXPECT_EQ(quint8(t[3412]), 11);

    // Saved and opened, the dialog shows the same.
    const ProjectModel opened = test::savedAndOpened(m);
    EXPECT_EQ(prefillMenu(opened, p, 1).fields, (MenuFields{QStringLiteral("1"), 11}));
    EXPECT_EQ(opened.pages.Menu_Caption(p, 1), QStringLiteral("Насоси"));
}

TEST_F(MenuDialog, DeleteEmptiesTheCaptionAndKeepsTheTarget)
{
    const int p = 0;
    m.pages.Menu_Used(p, 3) = 1;
    m.pages.Menu_Caption(p, 3) = QStringLiteral("Графіки");
    m.pages.Menu_Stranica(p, 3) = 2;
    m.pages.Menu_Coord_X(p, 3) = 100;
    EXPECT_EQ(deleteElement(m, Kind::Menu, p, QStringLiteral("3")), 3);
    EXPECT_EQ(m.pages.Menu_Used(p, 3), 0);
    EXPECT_TRUE(m.pages.Menu_Caption(p, 3).isEmpty());
    EXPECT_EQ(m.pages.Menu_Coord_X(p, 3), 0);
    EXPECT_EQ(m.pages.Menu_Stranica(p, 3), 2);
    // Typing 5 with slots 1 and 5 free takes slot 1.
    EXPECT_EQ(takeSlot(m, Kind::Menu, p, QStringLiteral("5"))->slot, 1);
}

} // namespace
} // namespace pelmora

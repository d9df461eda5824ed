// The transition dialog's core: target codes for 8 and 16 pages, the
// parameter's lock bit and the +2 of a type-4 block, the lists.

#include "element_test.h"

#include "elements/transition_element.h"
#include "project/startup.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace element;

class TransitionDialog : public test::ElementTest {
protected:
    TransitionDialog() : ElementTest(1)
    {
        m.schema.Block_Type(7) = type::ALG;
        m.schema.Block_Type(12) = type::PID;
        m.schema.Block_Type(20) = type::D_O;
        m.schema.Block_Type(50) = type::D_O;
    }

    void stored(int slot, int used, int code, int param)
    {
        m.pages.Go_Block_Used(p, slot) = static_cast<std::int16_t>(used);
        m.pages.Go_Block_Target(p, slot) = static_cast<std::int16_t>(code);
        m.pages.Go_Block_Param(p, slot) = static_cast<std::int16_t>(param);
    }
    TransitionView ok(TransitionFields &f, QPoint at = {40, 240})
    {
        return storeTransition(m, p, slotFor(Kind::Transition, f.number), f, at);
    }
    // The dialog with the block typed, "Процес" set, and list entry `entry` chosen.
    TransitionFields typed(const char *block, bool process, int entry, bool lock = false)
    {
        TransitionFields f = prefillTransition(m, p, 0).fields;
        f.block = QString::fromLatin1(block);
        transitionBlockChanged(m, f);
        if (process != f.process) {
            f.process = process;
            transitionProcessClicked(m, f);
        }
        pick(f.list, entry);
        f.lock = lock;
        return f;
    }
};

TEST_F(TransitionDialog, TheOpenerDecodesTheTargetCode)
{
    // clang-format off
    struct Case { int pages; int code; int param; const char *block; bool process; bool shown; const char *label; int entries; int selected; };
    const Case cases[] = {
        {16, 205, 5, "97", false, true, "Сторінка SCADA", 16, 5},
        {8, 205, 4, "97", false, true, "Сторінка SCADA", 8, 4},
        {16, 150, 1 + 2, "50", true, true, "Номер задавача", 6, 1},   // block 50 is of type 4
        {16, 50, 2, "50", false, false, "Група графіків", 8, 0},
        {16, 100, 0, "00", false, true, "Група графіків", 8, 0},     // no target: the design state
        {16, 220, 4, "98", false, true, "Група графіків", 8, 4},
        {8, 220, 9, "0", false, true, "Текстова сигналізація", 32, 9},
        {16, 230, 9, "0", false, true, "Текстова сигналізація", 32, 9},
        {16, 112, 3, "12", true, true, "Номер задавача", 8, 3},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.code << " in " << c.pages << " pages");
        m.settings.Stranica_Count = static_cast<std::int16_t>(c.pages);
        stored(6, 1, c.code, c.param);
        const Opened<TransitionFields> o = prefillTransition(m, p, 6);
        EXPECT_TRUE(o.notices.empty());
        const TransitionFields &f = o.fields;
        EXPECT_EQ(f.number, QStringLiteral("6"));
        EXPECT_EQ(f.block, QString::fromLatin1(c.block));
        EXPECT_EQ(f.process, c.process);
        EXPECT_EQ(f.listShown, c.shown);
        EXPECT_EQ(f.listLabel, QString::fromUtf8(c.label));
        EXPECT_EQ(f.list.entries.size(), c.entries);
        EXPECT_EQ(f.list.selected, c.selected);
        EXPECT_EQ(f.processCaption, c.process ? QStringLiteral("Параметри") : QStringLiteral("Процес"));
        EXPECT_FALSE(f.doubleField);
        EXPECT_FALSE(f.lock);
    }
}

TEST_F(TransitionDialog, TheParameterLosesItsTwoForAType4Block)
{
    // Parameter 131: lock and index 1 for a target block of type 4, index 3 for another.
    stored(2, 3, 150, 131);
    Opened<TransitionFields> o = prefillTransition(m, p, 2);
    EXPECT_EQ(o.fields.list.selected, 1);
    EXPECT_TRUE(o.fields.lock);
    EXPECT_TRUE(o.fields.doubleField);
    TransitionFields f = o.fields;
    ok(f, {10, 20});
    EXPECT_EQ(n, 2);
    EXPECT_EQ(m.pages.Go_Block_Param(p, 2), 131);
    EXPECT_EQ(m.pages.Go_Block_Target(p, 2), 150);
    EXPECT_EQ(m.pages.Go_Block_Used(p, 2), 3);

    m.schema.Block_Type(50) = type::S_P;
    o = prefillTransition(m, p, 2);
    EXPECT_EQ(o.fields.list.selected, 3);
    EXPECT_TRUE(o.fields.lock);

    // An index the list does not have: the lock is not shown.
    stored(3, 1, 203, 128 + 20);
    o = prefillTransition(m, p, 3);
    EXPECT_EQ(o.notices, (Notices{{QStringLiteral("Помилка номера блоку!!!"), MsgIcon::Critical}}));
    EXPECT_FALSE(o.fields.lock);
}

TEST_F(TransitionDialog, OkStoresTheCodesOfEveryTarget)
{
    // clang-format off
    struct Case { int pages; const char *block; bool process; int entry; bool lock; int code; int param; const char *caption; };
    const Case cases[] = {
        {16, "12", false, 0, false, 12, 0, "12"},
        {16, "7", true, 96, false, 107, 96, "7"},    // the first SI entry of an ALGORITHM block
        {8, "97", false, 2, false, 203, 2, "97"},
        {16, "97", false, 2, false, 202, 2, "97"},
        {16, "98", false, 7, false, 223, 7, "98"},
        {8, "98", false, 7, false, 218, 7, "98"},
        {16, "0", false, 4, true, 224, 132, "0"},
        {8, "0", false, 4, true, 220, 132, "0"},
        {16, "20", false, 0, true, 20, 130, "20"},   // type 4 with lock and no list
        {16, "20", true, 3, false, 120, 5, "20"},    // its set-points with the 2
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.block << " in " << c.pages << " pages");
        m.settings.Stranica_Count = static_cast<std::int16_t>(c.pages);
        TransitionFields f = typed(c.block, c.process, c.entry, c.lock);
        const TransitionView v = ok(f);
        EXPECT_EQ(m.pages.Go_Block_Target(p, n), c.code);
        EXPECT_EQ(m.pages.Go_Block_Param(p, n), c.param);
        EXPECT_EQ(m.pages.Go_Block_Used(p, n), 1);
        EXPECT_EQ(v.caption, QString::fromLatin1(c.caption));
        EXPECT_EQ(v.width, 40);
    }
}

TEST_F(TransitionDialog, ListsFollowTheBlockAndTheProcessBox)
{
    TransitionFields f = typed("0", false, 0);
    EXPECT_EQ(f.list.entries.size(), 32);
    // Text signalling starts with nothing chosen; Ok takes the first entry.
    f = prefillTransition(m, p, 0).fields;
    f.block = QStringLiteral("0");
    transitionBlockChanged(m, f);
    EXPECT_EQ(f.list.selected, -1);
    ok(f);
    EXPECT_EQ(m.pages.Go_Block_Param(p, n), 0);
    EXPECT_EQ(m.pages.Go_Block_Target(p, n), 224);

    // Ticking "Процес" lists a type-4 block's set-points; typing the block
    // with the box ticked does not.
    f = typed("20", false, 0);
    EXPECT_FALSE(f.listShown);
    f.process = true;
    transitionProcessClicked(m, f);
    EXPECT_TRUE(f.listShown);
    EXPECT_EQ(f.list.entries.size(), 6);
    transitionBlockChanged(m, f);
    EXPECT_FALSE(f.listShown);
    f.block = QStringLiteral("12");
    transitionBlockChanged(m, f);
    EXPECT_TRUE(f.listShown);
    EXPECT_EQ(f.listLabel, QStringLiteral("Номер задавача"));
    f.process = false;
    transitionProcessClicked(m, f);
    EXPECT_FALSE(f.listShown);
    EXPECT_EQ(f.processCaption, QStringLiteral("Параметри")); // not set back
}

TEST_F(TransitionDialog, TheUploadCarriesItAndSavedAndOpenedShowsTheSame)
{
    TransitionFields f = typed("97", false, 11, true);
    f.doubleField = true;
    const TransitionView v = ok(f, {120, 60});
    EXPECT_EQ(v.width, 100);
    EXPECT_EQ(m.pages.Go_Block_Coord_X(p, n), 120);
    const QByteArray t = test::pageTables(m, p);
    EXPECT_EQ(quint8(t[2539 + (n - 1) * 2]), (120 + 22) / 62 + ((60 + 9) / 60) * 13 + 1 + 128);
    EXPECT_EQ(quint8(t[2539 + (n - 1) * 2 + 1]), 128 + 11);
    EXPECT_EQ(quint8(t[3484 + n - 1]), 211);

    f.number = QString::number(n);
    const ProjectModel opened = test::savedAndOpened(m);
    const Opened<TransitionFields> back = prefillTransition(opened, p, n);
    EXPECT_TRUE(back.notices.empty());
    EXPECT_EQ(back.fields, f);
}

TEST_F(TransitionDialog, DeleteKeepsTheParameter)
{
    stored(4, 3, 205, 133);
    resetTransition(m.pages, p, 4);
    EXPECT_EQ(m.pages.Go_Block_Used(p, 4), 0);
    EXPECT_EQ(m.pages.Go_Block_Target(p, 4), 0);
    EXPECT_EQ(m.pages.Go_Block_Param(p, 4), 133);
}

} // namespace
} // namespace pelmora

// What every element dialog shares: the table of what varies by kind, Ok's
// slot choice and Delete over every slotted kind.

#include "element_fixture.h"

#include "elements/element_delete.h"
#include "elements/slot_choice.h"
#include "pages/element_kinds.h"
#include "project/startup.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace element;
using test::recordOf;
using test::slottedKinds;

// The page editor's control arrays use the same index rule.
pages::ElementKind viewKind(Kind kind)
{
    switch (kind) {
    case Kind::Signal: return pages::ElementKind::Signal;
    case Kind::TextSignal: return pages::ElementKind::TextSignal;
    case Kind::Parameter: return pages::ElementKind::Parameter;
    case Kind::Level: return pages::ElementKind::Level;
    case Kind::Control: return pages::ElementKind::Control;
    case Kind::Transition: return pages::ElementKind::Transition;
    case Kind::Menu: return pages::ElementKind::Menu;
    case Kind::Graph: return pages::ElementKind::Graph;
    case Kind::Figure: return pages::ElementKind::Figure;
    case Kind::StaticText: return pages::ElementKind::StaticText;
    case Kind::Mechanism: return pages::ElementKind::Mechanism;
    case Kind::Varning: break;
    }
    return pages::ElementKind::Clock;
}

TEST(ElementKindTable, RowsFollowTheKindsAndTheirViews)
{
    // clang-format off
    struct Row { Kind kind; const char *window; int n; int bound; const char16_t *limit; int views; bool cancelHides; bool closeHides; };
    const Row rows[] = {
        {Kind::Signal,     "Signal_SCADA",        32, 32, u"Номер сигналу більше 32!",            1, true,  false},
        {Kind::TextSignal, "Text_Signal_SCADA",   32, 32, u"Номер сигналу більше 32!",            1, true,  false},
        {Kind::Parameter,  "Parametr_Text_SCADA", 32, 40, u"Встановіть номер параметра!",         1, true,  false},
        {Kind::Level,      "Level_SCADA",         32, 32, u"Hомер елемента рівня більше 32!",     2, true,  false},
        {Kind::Control,    "Image_Control",       32, 32, u"Номер елемента керування більше 32!", 1, true,  false},
        {Kind::Transition, "Go_Block_SCADA",      32, 32, u"Номер переходу більше 32!",           1, false, false},
        {Kind::Menu,       "Menu_SCADA",          8,  16, u"Номер элемента меню більше 8!",       2, false, false},
        {Kind::Figure,     "Figura",              32, 64, u"Номер фігури більше 32!",             1, true,  true},
        {Kind::StaticText, "Text_Label",          64, 64, u"Номер тексту більше 64!",             1, false, false},
        {Kind::Mechanism,  "Vent",                32, 32, u"Номер механізму більше 32!",          1, true,  false},
    };
    // clang-format on
    for (const Row &r : rows) {
        const KindInfo &k = kindInfo(r.kind);
        SCOPED_TRACE(r.window);
        EXPECT_EQ(k.kind, r.kind);
        EXPECT_STREQ(k.window, r.window);
        EXPECT_EQ(k.slotCount, r.n);
        EXPECT_EQ(k.declaredBound, r.bound);
        EXPECT_EQ(QString::fromUtf16(k.limitMessage), QString::fromUtf16(r.limit));
        EXPECT_EQ(k.viewsPerElement, r.views);
        EXPECT_TRUE(k.hides.ok && k.hides.del);
        EXPECT_EQ(k.hides.cancel, r.cancelHides);
        EXPECT_EQ(k.hides.closeBox, r.closeHides);
        EXPECT_EQ(k.viewStride, pages::indexStride(viewKind(r.kind)));
        EXPECT_EQ(viewIndex(r.kind, 2, 3), pages::controlIndex(viewKind(r.kind), 2, 3));
    }
    // The banner and the graph window have no slots, no limit and no template to hide.
    for (Kind kind : {Kind::Varning, Kind::Graph}) {
        const KindInfo &k = kindInfo(kind);
        EXPECT_EQ(k.slotCount, 0);
        EXPECT_EQ(k.limitMessage, nullptr);
        EXPECT_FALSE(k.hides.ok || k.hides.del || k.hides.cancel || k.hides.closeBox);
    }
    EXPECT_EQ(viewIndex(Kind::Graph, 3, 0), 4);
    // Where Ok takes the position from.
    for (Kind kind : {Kind::Transition, Kind::Menu, Kind::Figure, Kind::StaticText})
        EXPECT_EQ(kindInfo(kind).position, PositionFrom::View);
    for (Kind kind : {Kind::Signal, Kind::TextSignal, Kind::Parameter, Kind::Level, Kind::Control, Kind::Mechanism,
                      Kind::Graph, Kind::Varning})
        EXPECT_EQ(kindInfo(kind).position, PositionFrom::Boxes);
}

class SlotChoiceTest : public ::testing::Test {
protected:
    SlotChoiceTest() { startUpModel(m); }

    // Marks slots of `kind` on page p in use through the dialog's own choice.
    void fill(Kind kind, int p, int count)
    {
        for (int i = 0; i < count; ++i)
            ASSERT_TRUE(takeSlot(m, kind, p, QStringLiteral("0")));
    }

    ProjectModel m;
};

// Every field of every slot of a kind on page p.
QStringList pageRecords(const ProjectModel &m, Kind kind, int p)
{
    QStringList all;
    for (int n = 0; n <= kindInfo(kind).declaredBound; ++n)
        all += recordOf(m, kind, p, n);
    return all;
}

TEST_F(SlotChoiceTest, NewElementsTakeTheLowestFreeSlotEditingKeepsItsOwn)
{
    const int p = 2;
    for (Kind kind : slottedKinds()) {
        SCOPED_TRACE(kindInfo(kind).window);
        const int stride = kindInfo(kind).viewStride;
        fill(kind, p, 2);
        // Number 0: slot 3, marked in use at once.
        EXPECT_EQ(takeSlot(m, kind, p, QStringLiteral("0")), (SlotChoice{3, p * stride + 3, true}));
        EXPECT_TRUE(slotInUse(m.pages, kind, p, 3));
        // A used number edits that element in place.
        EXPECT_EQ(takeSlot(m, kind, p, QStringLiteral("2")), (SlotChoice{2, p * stride + 2, false}));
        EXPECT_EQ(takeSlot(m, kind, p, QStringLiteral(" 2.4")), (SlotChoice{2, p * stride + 2, false}));
        // A free number, an empty box, a number above N or above the tables'
        // bound, a negative number or a text: the lowest free slot.
        for (const char *typed : {"7", "", "65", "99999999999", "-3", "abc"}) {
            EXPECT_EQ(takeSlot(m, kind, p, QString::fromLatin1(typed)), (SlotChoice{4, p * stride + 4, true})) << typed;
            ASSERT_TRUE(deleteElement(m, kind, p, QStringLiteral("4")));
        }
    }
}

TEST_F(SlotChoiceTest, AFullPageGivesTheLimitMessageAndWritesNothing)
{
    const int p = 1;
    for (Kind kind : slottedKinds()) {
        SCOPED_TRACE(kindInfo(kind).window);
        fill(kind, p, kindInfo(kind).slotCount);
        const QStringList before = pageRecords(m, kind, p);
        const int N = kindInfo(kind).slotCount;
        for (const QString &typed : {QStringLiteral("0"), QString::number(N + 1), QStringLiteral("99")})
            EXPECT_FALSE(takeSlot(m, kind, p, typed)) << typed.toStdString();
        EXPECT_EQ(pageRecords(m, kind, p), before);
        EXPECT_EQ(limitNotice(kind), (Notice{QString::fromUtf16(kindInfo(kind).limitMessage), MsgIcon::None}));
        // Another page is not full.
        EXPECT_TRUE(takeSlot(m, kind, 0, QStringLiteral("0")));
    }
}

TEST_F(SlotChoiceTest, DeleteFreesOneSlotAndKeepsTheOtherNumbers)
{
    const int p = 3;
    for (Kind kind : slottedKinds()) {
        SCOPED_TRACE(kindInfo(kind).window);
        const int N = kindInfo(kind).slotCount;
        fill(kind, p, 5);
        EXPECT_EQ(deleteElement(m, kind, p, QStringLiteral("3")), viewIndex(kind, p, 3));
        for (int n : {1, 2, 4, 5})
            EXPECT_TRUE(slotInUse(m.pages, kind, p, n)) << n;
        EXPECT_FALSE(slotInUse(m.pages, kind, p, 3));
        // The freed slot is the next new element's.
        EXPECT_EQ(takeSlot(m, kind, p, QStringLiteral("0"))->slot, 3);
        // Numbers outside 1..N free nothing.
        const QStringList before = pageRecords(m, kind, p);
        for (const QString &typed : {QStringLiteral("0"), QString::number(N + 1), QStringLiteral("-1"), QString()})
            EXPECT_FALSE(deleteElement(m, kind, p, typed)) << typed.toStdString();
        EXPECT_EQ(pageRecords(m, kind, p), before);
    }
    // The banner and the graph window have no Delete by number.
    EXPECT_FALSE(deleteElement(m, Kind::Varning, p, QStringLiteral("1")));
    EXPECT_FALSE(deleteElement(m, Kind::Graph, p, QStringLiteral("1")));
}

TEST_F(SlotChoiceTest, ClockDeletionClearsThePagesClock)
{
    m.pages.Clock_Used(3) = 1;
    m.pages.Clock_Coord_X(3) = 700;
    m.pages.Clock_Coord_Y(3) = 10;
    m.pages.Clock_Used(4) = 1;
    EXPECT_EQ(deleteClock(m, 2), 3);
    EXPECT_EQ(m.pages.Clock_Used(3), 0);
    EXPECT_EQ(m.pages.Clock_Coord_X(3), 0);
    EXPECT_EQ(m.pages.Clock_Coord_Y(3), 0);
    EXPECT_EQ(m.pages.Clock_Used(4), 1);
    EXPECT_EQ(QString::fromUtf16(kDeleteClockQuestion), QStringLiteral("Видалити годинник?"));
}

} // namespace
} // namespace pelmora

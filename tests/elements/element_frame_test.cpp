// What every element dialog shares, driven through the kind table: Ok's
// slot choice, a full page's limit message and Delete over every slotted
// kind, each with what the user sees (the kind's own message, the element
// numbers, the view index of the freed element).

#include "element_fixture.h"

#include "elements/element_delete.h"
#include "elements/slot_choice.h"
#include "project/startup.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace element;
using test::recordOf;
using test::slottedKinds;

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

TEST_F(SlotChoiceTest, AFullPageGivesTheKindsLimitMessageAndWritesNothing)
{
    // How many elements a page holds, and what a new one on a full page is told.
    // clang-format off
    struct Row { Kind kind; int N; const char16_t *message; };
    const Row rows[] = {
        {Kind::Signal,     32, u"Номер сигналу більше 32!"},
        {Kind::TextSignal, 32, u"Номер сигналу більше 32!"},
        {Kind::Parameter,  32, u"Встановіть номер параметра!"},
        {Kind::Level,      32, u"Hомер елемента рівня більше 32!"}, // a Latin H
        {Kind::Control,    32, u"Номер елемента керування більше 32!"},
        {Kind::Transition, 32, u"Номер переходу більше 32!"},
        {Kind::Menu,       8,  u"Номер элемента меню більше 8!"},
        {Kind::Figure,     32, u"Номер фігури більше 32!"},
        {Kind::StaticText, 64, u"Номер тексту більше 64!"},
        {Kind::Mechanism,  32, u"Номер механізму більше 32!"},
    };
    // clang-format on
    EXPECT_EQ(std::size(rows), slottedKinds().size());
    const int p = 1;
    for (const Row &r : rows) {
        SCOPED_TRACE(kindInfo(r.kind).window);
        // N - 1 elements leave the page one free slot: number N.
        fill(r.kind, p, r.N - 1);
        EXPECT_EQ(takeSlot(m, r.kind, p, QStringLiteral("0"))->slot, r.N);
        const QStringList before = pageRecords(m, r.kind, p);
        for (const QString &typed : {QStringLiteral("0"), QString::number(r.N + 1), QStringLiteral("99")})
            EXPECT_FALSE(takeSlot(m, r.kind, p, typed)) << typed.toStdString();
        EXPECT_EQ(pageRecords(m, r.kind, p), before);
        EXPECT_EQ(limitNotice(r.kind), (Notice{QString::fromUtf16(r.message), MsgIcon::None}));
        // Another page is not full.
        EXPECT_TRUE(takeSlot(m, r.kind, 0, QStringLiteral("0")));
    }
    // The kinds without element numbers have no limit.
    for (Kind kind : {Kind::Varning, Kind::Graph, Kind::Manometer, Kind::Clock})
        EXPECT_EQ(limitNotice(kind).text, QString());
}

TEST_F(SlotChoiceTest, DeleteFreesOneSlotAndKeepsTheOtherNumbers)
{
    const int p = 3;
    for (Kind kind : slottedKinds()) {
        SCOPED_TRACE(kindInfo(kind).window);
        const int N = kindInfo(kind).slotCount;
        fill(kind, p, 5);
        // The view to unload: page 3's element 3, 32 views to a page (64 for
        // static texts, 8 for menu items).
        const int perPage = kind == Kind::StaticText ? 64 : kind == Kind::Menu ? 8 : 32;
        EXPECT_EQ(deleteElement(m, kind, p, QStringLiteral("3")), p * perPage + 3);
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

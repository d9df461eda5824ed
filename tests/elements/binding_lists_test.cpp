// The binding lists of the element dialogs: outputs, set-points, channels.

#include "elements/binding_lists.h"
#include "project/startup.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace element;

class BindingLists : public ::testing::Test {
protected:
    BindingLists()
    {
        startUpModel(m);
        const int types[] = {type::A_I, type::D_O, type::A_O, type::SCA, type::TOU, type::ALG, type::COD, type::S_P};
        for (int b = 1; b <= 8; ++b)
            m.schema.Block_Type(b) = static_cast<std::uint8_t>(types[b - 1]);
        m.schema.Block_Type(100) = type::D_I;
    }
    ProjectModel m;
};

TEST_F(BindingLists, OutputsOfABlockTypeUpTo33)
{
    // clang-format off
    struct Case { const char *block; int count; const char *first; const char *last; };
    const Case cases[] = {
        {"1", 16, " 1", " 16"},  // analog inputs: last - first + 1
        {"2", 1, " 9", " 9"},    // a digital output: last - first
        {"3", 2, " 0", " 0"},    // no outputs (first pin 100): |100 - 100 - 1| + 1
        {"0", 2, " 0", " 0"},    // no block: type 0
        {"4", 33, nullptr, nullptr}, // 68 outputs cut at 33
        {"5", 33, nullptr, nullptr}, // 255 outputs cut at 33
        {"6", 32, " 64", " 33"},
        {"100", 8, " 1", " 8"},
        {" 02x", 1, " 9", " 9"}, // the box's leading number
    };
    // clang-format on
    for (const Case &c : cases) {
        const ChoiceList l = outputList(m, QString::fromLatin1(c.block));
        SCOPED_TRACE(c.block);
        ASSERT_EQ(l.entries.size(), c.count);
        EXPECT_EQ(l.selected, 0);
        EXPECT_EQ(l.text, l.entries.first());
        if (c.first) {
            EXPECT_EQ(l.entries.first(), QString::fromLatin1(c.first));
        }
        if (c.last) {
            EXPECT_EQ(l.entries.last(), QString::fromLatin1(c.last));
        }
    }
}

TEST_F(BindingLists, TheBannersListSelectsNothingWhenCut)
{
    const ChoiceList cut = bannerOutputList(m, QStringLiteral("4"));
    EXPECT_EQ(cut.entries.size(), kOutputListCap);
    EXPECT_EQ(cut.selected, -1);
    EXPECT_EQ(cut.text, cut.entries.first());
    EXPECT_EQ(bannerOutputList(m, QStringLiteral("1")).selected, 0);
}

TEST_F(BindingLists, ABlockOutsideTheSchemaGivesAnEmptyListAndOutputZero)
{
    for (const char *block : {"101", "-1", "255", "-9"}) {
        SCOPED_TRACE(block);
        for (const ChoiceList &l :
             {outputList(m, QString::fromLatin1(block)), bannerOutputList(m, QString::fromLatin1(block)),
              setpointList(m, QString::fromLatin1(block)), channelList(m, QString::fromLatin1(block))}) {
            EXPECT_TRUE(l.entries.isEmpty());
            EXPECT_EQ(l.selected, -1);
            EXPECT_EQ(l.storedPosition(), 0);
        }
    }
    // A type beyond the catalogue (a damaged file) has no list either.
    m.schema.Block_Type(9) = 77;
    EXPECT_TRUE(outputList(m, QStringLiteral("9")).entries.isEmpty());
}

TEST_F(BindingLists, SetpointLists)
{
    const ChoiceList alg = setpointList(m, QStringLiteral("6"));
    ASSERT_EQ(alg.entries.size(), 128); // 96 numbers and 32 SI entries: every index fits 7 bits
    EXPECT_EQ(alg.entries.at(0), QStringLiteral(" 1"));
    EXPECT_EQ(alg.entries.at(95), QStringLiteral(" 96"));
    EXPECT_EQ(alg.entries.at(96), QStringLiteral(" SI(SP1)"));
    EXPECT_EQ(alg.entries.last(), QStringLiteral(" SI(SP32)"));
    EXPECT_EQ(alg.selected, 0);

    const ChoiceList cod = setpointList(m, QStringLiteral("7"));
    ASSERT_EQ(cod.entries.size(), 96 + 3);
    EXPECT_EQ(cod.entries.mid(96), (QStringList{"PAR1(ADR_SP)", "PAR2(ADR_SP)", "PAR3(ADR_SP)"}));

    EXPECT_EQ(setpointList(m, QStringLiteral("1")).entries, QStringList{" 1"}); // no set-points: one entry
    EXPECT_EQ(setpointList(m, QStringLiteral("2")).entries.size(), 6);          // type 4

    // Before anything is chosen the box shows "1" without the blank.
    const ChoiceList fresh = setpointEntries(m, type::S_P);
    EXPECT_EQ(fresh.selected, -1);
    EXPECT_EQ(fresh.text, QStringLiteral("1"));

    EXPECT_EQ(bindingList(m, QStringLiteral("6"), true), alg);
    EXPECT_EQ(bindingList(m, QStringLiteral("6"), false), outputList(m, QStringLiteral("6")));
}

TEST_F(BindingLists, ChannelsOfAControlButton)
{
    const ChoiceList touch = channelList(m, QStringLiteral("5"));
    ASSERT_EQ(touch.entries.size(), 255);
    EXPECT_EQ(touch.entries.last(), QStringLiteral(" 255"));
    EXPECT_EQ(channelList(m, QStringLiteral("1")).entries, (QStringList{" 1", " 2", " 3", " 4"}));
    EXPECT_EQ(channelList(m, QStringLiteral("0")).selected, 0);
}

TEST(ChoiceListSelect, OnlyExistingEntries)
{
    ChoiceList l{{" 1", " 2"}, 0, " 1"};
    EXPECT_TRUE(l.select(1));
    EXPECT_EQ(l.text, QStringLiteral(" 2"));
    EXPECT_FALSE(l.select(2));
    EXPECT_FALSE(l.select(-2));
    EXPECT_EQ(l.selected, 1);
    EXPECT_TRUE(l.select(-1)); // nothing chosen: the text stays
    EXPECT_EQ(l.text, QStringLiteral(" 2"));
}

} // namespace
} // namespace pelmora

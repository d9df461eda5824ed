#include "upload/page_range.h"

#include "project/startup.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace page;

class PageRange : public ::testing::Test {
protected:
    PageRange()
    {
        startUpModel(m);
        m.settings.Stranica_Count = 8;
    }

    // Writes the range page by page as the sender's ends would, giving the pages written.
    std::vector<int> writeAll()
    {
        std::vector<int> written;
        for (int guard = 0; guard < 20; ++guard) {
            written.push_back(m.pages.Num_Stranica_SCADA);
            if (!pageRangeStep(m))
                break;
        }
        return written;
    }

    ProjectModel m;
};

TEST_F(PageRange, ListsOfferTheProjectsPages)
{
    EXPECT_EQ(pageRangeChoices(m), QStringList({"1", "2", "3", "4", "5", "6", "7", "8"}));
    m.settings.Stranica_Count = 16;
    EXPECT_EQ(pageRangeChoices(m).size(), 16);
    EXPECT_EQ(pageRangeChoices(m).back(), QStringLiteral("16"));
}

TEST_F(PageRange, RangesAreWrittenPageByPage)
{
    struct Case {
        const char *what;
        int first, last;
        std::vector<int> pages;
    };
    const Case cases[] = {
        {"3 to 5", 2, 4, {2, 3, 4}},
        {"3 to 3", 2, 2, {2}},
        {"a first page that matches no entry, to 4", -1, 3, {0, 1, 2, 3}},
        {"beyond the project's pages", 6, 12, {6, 7}},
    };
    for (const Case &c : cases) {
        m.link.Save_n_Stranica_Flag = 0;
        ASSERT_FALSE(startPageRange(m, c.first, c.last).has_value()) << c.what;
        EXPECT_EQ(m.link.Save_n_Stranica_Flag, 1) << c.what;
        EXPECT_EQ(writeAll(), c.pages) << c.what;
        EXPECT_EQ(m.link.Save_n_Stranica_Flag, 0) << c.what;
        // The last page written stays current.
        EXPECT_EQ(m.pages.Num_Stranica_SCADA, c.pages.back()) << c.what;
    }
    // A single page written outside a range moves nothing on.
    m.pages.Num_Stranica_SCADA = 3;
    EXPECT_FALSE(pageRangeStep(m));
    EXPECT_EQ(m.pages.Num_Stranica_SCADA, 3);
}

TEST_F(PageRange, LastPageBeforeTheFirstIsRefused)
{
    m.pages.Num_Stranica_SCADA = 1;
    m.settings.Stranica_Stop = 7;
    for (auto [first, last] : {std::pair{4, 1}, std::pair{3, -1}}) {
        const auto refused = startPageRange(m, first, last);
        ASSERT_TRUE(refused.has_value());
        EXPECT_EQ(*refused, QStringLiteral("№ початкової сторінки більше кінечної!"));
        EXPECT_EQ(m.link.Save_n_Stranica_Flag, 0);
        EXPECT_EQ(m.pages.Num_Stranica_SCADA, 1);
        EXPECT_EQ(m.settings.Stranica_Stop, 7);
    }
}

TEST_F(PageRange, WindowOpensWithTheCurrentPageAndTheLastRangesEnd)
{
    PageRangeChoice c = pageRangePrefill(m);
    EXPECT_EQ(c.first, 0);
    EXPECT_EQ(c.last, 0); // page 1 before any range
    ASSERT_FALSE(startPageRange(m, 1, 5).has_value());
    writeAll();
    c = pageRangePrefill(m);
    EXPECT_EQ(c.first, 5);
    EXPECT_EQ(c.last, 5);
    m.settings.Stranica_Stop = 16; // left by a 16-page project
    EXPECT_EQ(pageRangePrefill(m).last, 7);
}

TEST_F(PageRange, AFailureEndsTheRange)
{
    ASSERT_FALSE(startPageRange(m, 0, 4).has_value());
    EXPECT_TRUE(pageRangeStep(m));
    endPageRange(m);
    EXPECT_EQ(m.link.Save_n_Stranica_Flag, 0);
    // The next single page written to its end does not go on with the old range.
    EXPECT_FALSE(pageRangeStep(m));
    EXPECT_EQ(m.pages.Num_Stranica_SCADA, 1);
}

TEST(PageRangeTimers, PauseBetweenPagesFollowsTheOpenedProjectsLink)
{
    EXPECT_EQ(pagePauseAfterOpening(9), 3000);
    for (int kind : {1, 8, 10, 0})
        EXPECT_EQ(pagePauseAfterOpening(kind), 1000) << kind;
    EXPECT_EQ(kRangeFirstPageDelay, 10);
}

} // namespace
} // namespace pelmora

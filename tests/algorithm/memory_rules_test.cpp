#include "algorithm/memory_rules.h"

#include "project/startup.h"

#include <cfloat>
#include <gtest/gtest.h>
#include <limits>

namespace pelmora::alg {
namespace {

TEST(MemoryRules, ValueCellsNameTheirSetPoint)
{
    struct Case {
        int grid, row, col, setPoint;
    };
    // clang-format off
    const Case cases[] = {
        {1, 1, 1, 1}, {1, 16, 1, 16}, {1, 1, 3, 17}, {1, 16, 15, 128},
        {1, 1, 2, 0},   // a comment column of the value table
        {1, 17, 1, 0}, {1, 0, 1, 0}, {1, 1, 17, 0},
        {2, 1, 1, 1}, {2, 128, 1, 128}, {2, 129, 1, 0},
        {2, 5, 2, 0},   // the comment column
        {3, 1, 1, 0},   // the flag comments hold no values
    };
    // clang-format on
    for (const Case &c : cases)
        EXPECT_EQ(setPointOfValueCell(c.grid, c.row, c.col), c.setPoint) << c.grid << " " << c.row << " " << c.col;
}

TEST(MemoryRules, TypedNumbersBeyondSinglePrecisionKeepTheirSign)
{
    EXPECT_EQ(singleValue(2.5), 2.5f);
    EXPECT_EQ(singleValue(-1e39), -FLT_MAX);
    EXPECT_EQ(singleValue(1e300), FLT_MAX);
    EXPECT_EQ(singleValue(std::numeric_limits<double>::infinity()), FLT_MAX);
    EXPECT_EQ(singleValue(-std::numeric_limits<double>::infinity()), -FLT_MAX);
}

TEST(MemoryRules, SetPointsStayInsideTheBlockRecordAndThePool)
{
    ProjectModel m;
    startUpModel(m);
    m.settings.Num_Block_Edit = 4;
    m.schema.Parametr_Value_Start(4) = 200;
    EXPECT_TRUE(storeSetPoint(m, 1, 3.5f));
    EXPECT_EQ(m.schema.Parametr_Value(201), 3.5f);
    EXPECT_TRUE(storeSetPoint(m, 128, -1.0f));
    EXPECT_EQ(m.schema.Parametr_Value(328), -1.0f);
    EXPECT_FALSE(storeSetPoint(m, 0, 9.0f));
    EXPECT_FALSE(storeSetPoint(m, 129, 9.0f));
    EXPECT_EQ(m.schema.Parametr_Value(200), 0.0f);
    EXPECT_EQ(m.schema.Parametr_Value(329), 0.0f);
    // A block whose record starts near the pool's end stores nothing past index 10000.
    m.schema.Parametr_Value_Start(4) = 9990;
    EXPECT_TRUE(storeSetPoint(m, 10, 1.0f));
    EXPECT_FALSE(storeSetPoint(m, 11, 1.0f));
}

} // namespace
} // namespace pelmora::alg

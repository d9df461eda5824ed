#include "core/table.h"

#include <gtest/gtest.h>

using namespace pelmora;

TEST(Table, IndexesOutsideTheRangeThrow)
{
    Table<int, 1, 50> t;
    t(1) = 5;
    t(50) = 7;
    EXPECT_EQ(t(1), 5);
    EXPECT_EQ(t(50), 7);
    EXPECT_THROW(t(0), TableIndexError);
    EXPECT_THROW(t(51), TableIndexError);

    Table2<int, 0, 16, 0, 32> u;
    u(16, 32) = 3;
    EXPECT_EQ(u(16, 32), 3);
    EXPECT_THROW(u(17, 0), TableIndexError);
    EXPECT_THROW(u(0, -1), TableIndexError);
}

TEST(Table, CopiesAreIndependent)
{
    Table2<int, 0, 2, 0, 2> a;
    a(1, 1) = 9;
    Table2<int, 0, 2, 0, 2> b = a;
    b(1, 1) = 4;
    EXPECT_EQ(a(1, 1), 9);
    EXPECT_FALSE(a == b);
}

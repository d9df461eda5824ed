#include "blockparams/param_rows.h"
#include "project/startup.h"

#include <gtest/gtest.h>

// Readable failure messages for texts.
static void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace pelmora::blockparams {
namespace {

class RowTablesTest : public ::testing::Test {
protected:
    RowTables t;
    void SetUp() override { fillRowTables(t); }
    QString name(int type, int row) { return t.Parametr_Row_Name(type, row); }
};

TEST_F(RowTablesTest, KindsEndAtTheFirstUnlistedRow)
{
    struct Case {
        int type;
        std::vector<int> kinds;
    };
    const Case cases[] = {
        {type::A_I, {2, 2, 2, 1, 1, 1, 1, 1, 1}},
        {type::RS4, {2, 2, 2}},
        {type::S_P, {3, 1, 3, 1, 3, 1, 3, 1, 3, 1, 3, 1, 3, 1, 3, 1, 3}},
        {type::PAN, {2, 3, 3, 3, 3, 3, 1, 1, 1, 1, 1, 1, 1, 1}},
        {type::GRA, {2, 1, 3, 1, 1, 3}},
        {type::ALG, {1}},
        {type::XOR, {}},
        {type::TOU, {}},
        {7, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.type);
        for (int r = 0; r <= 32; ++r) {
            const int expected = r < static_cast<int>(c.kinds.size()) ? c.kinds[static_cast<std::size_t>(r)] : 0;
            EXPECT_EQ(t.Parametr_Row_Kind(c.type, r), expected) << "row " << r;
        }
    }
}

TEST_F(RowTablesTest, ListSizesAreTheHighestItemIndex)
{
    struct Case {
        int type, row, last;
    };
    // clang-format off
    const Case cases[] = {
        {type::A_I, 0, 15}, {type::A_I, 1, 3},   {type::A_I, 2, 14},  {type::A_I, 3, 0},
        {type::D_I, 1, 7},  {type::RS4, 0, 127}, {type::RS4, 1, 4},   {type::RS4, 2, 5},
        {type::PRO, 0, 31}, {type::COD, 4, 7},   {type::JUR, 2, 15},  {type::SCA, 1, 23},
        {type::UNI, 0, 16}, {type::LOG, 0, 2},   {type::MIN, 0, 1},
    };
    // clang-format on
    for (const Case &c : cases)
        EXPECT_EQ(t.Parametr_Row_List(c.type, c.row), c.last) << "type " << c.type << " row " << c.row;
}

TEST_F(RowTablesTest, CaptionSetsLieAboveTheShownRows)
{
    // SUM: set v in rows 10v .. 10v + 8, "Тип" in 10v + 9.
    EXPECT_EQ(name(type::SUM, 10), "Зміщення 1");
    EXPECT_EQ(name(type::SUM, 13), "Зміщення 2");
    EXPECT_EQ(name(type::SUM, 28), "k*вхід 8");
    for (int row : {9, 19, 29})
        EXPECT_EQ(name(type::SUM, row), "Тип");
    EXPECT_EQ(name(type::SUM, 30), "");
    // PID: set v in rows 11v + 1 .. 11v + 11.
    EXPECT_EQ(name(type::PID, 0), "Тип");
    EXPECT_EQ(name(type::PID, 12), "Період");
    EXPECT_EQ(name(type::PID, 22), "-------- ");
    EXPECT_EQ(name(type::PID, 45), "Завдання 1");
    EXPECT_EQ(name(type::PID, 55), "-------- ");
    EXPECT_EQ(name(type::PID, 56), "");
    // UNI: set v in rows 8v + 1 .. 8v + 8.
    EXPECT_EQ(name(type::UNI, 9), "Номер блоку  ");
    EXPECT_EQ(name(type::UNI, 73), "Зона 1");
    EXPECT_EQ(name(type::UNI, 114), "Прискорення");
    EXPECT_EQ(name(type::UNI, 121), "Номер ");
    EXPECT_EQ(name(type::UNI, 136), "");
}

TEST(NamedLists, GeneratedLists)
{
    ProjectModel m;
    startUpModel(m);
    const QStringList steps = namedList(ListId::PRO_Step_List, m.catalogue);
    ASSERT_EQ(steps.size(), 32);
    EXPECT_EQ(steps[1], "Програма 1 Крок 2 (2)");
    EXPECT_EQ(steps[8], "Програма 2 Крок 1 (9)");
    EXPECT_EQ(steps[31], "Програма 4 Крок 8 (32)");
    EXPECT_EQ(namedList(ListId::COD_Step_List, m.catalogue).at(31), "Крок 32");
    EXPECT_EQ(namedList(ListId::SCA_Page_List, m.catalogue).at(7), "Стор. 8");
    EXPECT_EQ(namedList(ListId::SCA_Button_List, m.catalogue).at(23), "Кн. 24");
    EXPECT_EQ(namedList(ListId::TIM_Type_List, m.catalogue), (QStringList{"4 канала", "2 канала", " ", " "}));
}

} // namespace
} // namespace pelmora::blockparams

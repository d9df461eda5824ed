#include "schema/alg_statement_text.h"
#include "schema/alg_step_record.h"

#include "project/startup.h"

#include <gtest/gtest.h>

#include <vector>

using namespace pelmora;
using namespace pelmora::alg;

namespace {

class StepRecord : public ::testing::Test {
protected:
    void SetUp() override
    {
        startUpModel(m);
        m.settings.Num_Block_Edit = 7;
        m.schema.Parametr_Name_Start(7) = kBase;
    }
    // Texts base.. of the block's record as numbers (-1 for a text that is not a number).
    std::vector<int> texts(int from, int count) const
    {
        std::vector<int> out;
        for (int i = from; i < from + count; ++i) {
            bool ok = false;
            const int v = m.schema.Parametr_Name(kBase + i).toInt(&ok);
            out.push_back(ok ? v : -1);
        }
        return out;
    }
    void setRows(int step, int firstRow, std::vector<int> bytes)
    {
        for (std::size_t k = 0; k < bytes.size(); ++k)
            m.alg.Step_Code(firstRow + static_cast<int>(k), step - 1) = static_cast<std::uint8_t>(bytes[k]);
    }

    static constexpr int kBase = 1000;
    ProjectModel m;
};

TEST(StepPacking, PacksNumbersIntoCodeAndValueBytes)
{
    const struct {
        char packing;
        int base;
        double first, second;
        OperandBytes bytes;
        // clang-format off
    } cases[] = {
        {'A', 72, 3, 5, {72, 132}},   // INP3+SP5
        {'A', 96, 8, 2, {97, 193}},   // SP8-SP2
        {'A', 96, 40, 2, {97, 193}},  // SP40-SP2: five bits of a are kept
        {'A', 88, 5, 0, {89, 63}},    // a missing second number is masked to 63
        {'A', 72, 32, 64, {79, 255}}, // the largest fields
        {'B', 152, 5, 3, {152, 66}},  // SP5_SP3
        {'B', 152, 20, 3, {153, 50}}, // SP20_SP3
        {'B', 224, 10, 4, {224, 147}}, // MIN_SP10_4
        {'B', 128, 128, 16, {135, 255}},
        {'C', 0, 2, 1, {192, 65}},   // TIMER2_M
        {'C', 0, 6, 2, {193, 66}},   // TIMER6_H
        {'C', 0, 32, 0, {199, 192}}, // TIMER32_S
    };
    // clang-format on
    for (const auto &c : cases) {
        OperandBytes got;
        if (c.packing == 'A')
            got = packA(c.base, c.first, c.second);
        else if (c.packing == 'B')
            got = packB(c.base, c.first, c.second);
        else
            got = packC(c.first, static_cast<int>(c.second));
        EXPECT_EQ(got, c.bytes) << c.packing << " " << c.base << " " << c.first << " " << c.second;
    }
}

TEST(StepPacking, ItemOutsideItsFourBitsCannotBeCompiled)
{
    // The item of packing B fills the low four bits whole; 0 or 17 would
    // change the block number.
    EXPECT_THROW(packB(152, 5, 17), CompileError);
    EXPECT_THROW(packB(152, 5, 0), CompileError);
    EXPECT_THROW(packB(152, 1e12, 1), CompileError);
}

TEST_F(StepRecord, RecordLengthIsHeadPlusPresentParts)
{
    const struct {
        int parts;
        int length;
    } cases[] = {{0, 11},  {1, 19},  {2, 19},   {4, 15},     {8, 15},        {16, 19},
                 {32, 19}, {64, 15}, {128, 15}, {1 | 4, 23}, {16 | 128, 23}, {255, 59}};
    for (const auto &c : cases) {
        m.alg.Step_Code(row::Parts, 0) = static_cast<std::uint8_t>(c.parts);
        EXPECT_EQ(stepRecordLength(m.alg, m.catalogue, 1), c.length) << c.parts;
    }
}

TEST_F(StepRecord, LayoutPacksRecordsBackToBack)
{
    m.alg.Step_Code(row::Parts, 0) = 1 | 8; // 11 + 8 + 4
    m.alg.Step_Code(row::Kind, 0) = 8;
    m.alg.Step_Code(row::Parts, 1) = 0;   // 11, no condition
    m.alg.Step_Code(row::Parts, 2) = 255; // 59
    m.alg.Step_Code(row::Kind, 2) = 40;
    m.alg.Step_Code(row::Kind, 255) = 16; // the last stored step
    layOutStepRecords(m.alg, m.catalogue);

    const std::vector<std::pair<int, int>> expected = {{0, 23}, {23, 11}, {34, 59}, {93, 11}};
    for (int s = 1; s <= 4; ++s) {
        EXPECT_EQ(m.alg.Step_Offset(0, s - 1), expected[s - 1].first) << s;
        EXPECT_EQ(m.alg.Step_Offset(1, s - 1), expected[s - 1].second) << s;
    }
    EXPECT_EQ(m.alg.Step_Offset(0, 255), 23 + 11 + 59 + 252 * 11);
    EXPECT_EQ(m.alg.Alg_Size, 23 + 59 + 254 * 11);
    // Steps 2 and 4..255 have no condition.
    EXPECT_EQ(m.alg.Alg_Size_Empty, 253 * 11);
}

TEST_F(StepRecord, EmptyProgramTakesElevenTextsPerStep)
{
    layOutStepRecords(m.alg, m.catalogue);
    EXPECT_EQ(m.alg.Alg_Size, 2816);
    EXPECT_EQ(m.alg.Alg_Size_Empty, 2816);
    EXPECT_EQ(m.alg.Step_Offset(0, 255), 255 * 11);
}

TEST_F(StepRecord, StepWithoutPartsWritesOnlyItsHead)
{
    m.alg.Step_Offset(0, 2) = 40;
    setRows(3, 0, {8, 2, 8, 1, 0});
    for (int i = 0; i < 20; ++i)
        m.schema.Parametr_Name(kBase + 40 + i) = QStringLiteral("x");
    Save_parametr_NAME(m, 3, 0);
    EXPECT_EQ(texts(40, 12), (std::vector<int>{8, 2, 8, 1, 0, -1, -1, -1, -1, 0, 2, -1}));
    // Row 9 = 0: the call stops before touching the position.
    EXPECT_EQ(m.alg.Save_Param_Started, 0);
}

TEST_F(StepRecord, NoPartsFollowYesPartsOfTheSameStep)
{
    // YES action 1 (bit 4), NO output block (16) and NO action 2 (128).
    setRows(1, row::Parts, {4 | 16 | 128});
    setRows(1, row::YesAction1, {72, 9, 8, 5});
    setRows(1, row::NoOut, {1, 2, 3, 4, 5, 6, 7, 8});
    setRows(1, row::NoAction2, {64, 0, 9, 1});
    m.alg.Save_Param_Started = 0;
    Save_parametr_NAME(m, 1, 0);
    Save_parametr_NAME(m, 1, 1);
    EXPECT_EQ(texts(9, 27), (std::vector<int>{4 | 16 | 128, 0, 72, 9, 8, 5, 1, 2, 3, 4, 5, 6, 7, 8,
                                              64,           0, 9,  1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(StepRecord, OnlyNoPartsStartAtEntryElevenWhetherOrNotYesIsStored)
{
    for (bool yesLinked : {true, false}) {
        m = ProjectModel();
        startUpModel(m);
        m.settings.Num_Block_Edit = 7;
        m.schema.Parametr_Name_Start(7) = kBase;
        setRows(2, row::Parts, {32});
        setRows(2, row::NoFlag, {9, 8, 7, 6, 5, 4, 3, 2});
        m.alg.Step_Offset(0, 1) = 11;
        m.alg.Save_Param_Started = 0;
        if (yesLinked) {
            Save_parametr_NAME(m, 2, 0);
            EXPECT_EQ(m.alg.Save_Param_Count, 11);
            EXPECT_EQ(m.alg.Block_Param_Offset, 24);
        }
        Save_parametr_NAME(m, 2, 1);
        EXPECT_EQ(texts(11 + 11, 8), (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2})) << yesLinked;
        EXPECT_EQ(texts(11 + 10, 1), (std::vector<int>{1}));
    }
}

TEST_F(StepRecord, LastStoredStepKeepsItsIndexInOneByte)
{
    m.alg.Step_Offset(0, 255) = 3000;
    Save_parametr_NAME(m, 256, 0);
    EXPECT_EQ(m.schema.Parametr_Name(kBase + 3010), QStringLiteral("255"));
}

TEST_F(StepRecord, StepOrTextOutsideItsTableIsRefused)
{
    EXPECT_THROW(Save_parametr_NAME(m, 0, 0), TableIndexError);
    EXPECT_THROW(Save_parametr_NAME(m, 501, 0), TableIndexError);
    m.schema.Parametr_Name_Start(7) = 19995; // the record would leave the text pool
    EXPECT_THROW(Save_parametr_NAME(m, 1, 0), TableIndexError);
}

} // namespace

// Decoding whole stored steps of an ALGORITHM block into the viewer's texts.

#include "algorithm/step_decoder.h"
#include "algorithm/step_viewer_model.h"
#include "project/startup.h"
#include "support/demo_algorithm_program.h"

#include <gtest/gtest.h>

#include <vector>

using namespace pelmora;
using namespace pelmora::alg;

namespace {

constexpr int kBlock = 10;
constexpr int kBase = 500;

const std::vector<int> &kProgram = test::kDemoAlgorithmProgram;

QString bits(const QString &first)
{
    // The given first codes, then "--" for every further item.
    return first + QStringLiteral("    --").repeated(32 - first.count(QStringLiteral("    ")));
}

class StepViewerModel : public ::testing::Test {
protected:
    void SetUp() override
    {
        startUpModel(m);
        m.schema.Parametr_Name_Start(kBlock) = kBase;
        writeRecord(0, kProgram);
        m.alg.Step_Offset(0, 0) = 0;
        m.alg.Step_Offset(0, 1) = 47;
        m.alg.Step_Offset(0, 2) = 70;
    }
    void writeRecord(int offset, const std::vector<int> &bytes)
    {
        for (size_t i = 0; i < bytes.size(); ++i)
            m.schema.Parametr_Name(kBase + offset + static_cast<int>(i)) = QString::number(bytes[i]);
    }
    // A one-step record at offset 200 shown as step 10.
    StepView showAlone(const std::vector<int> &bytes)
    {
        writeRecord(200, bytes);
        m.alg.Step_Offset(0, 9) = 200;
        return decodeStep(m, kBlock, QStringLiteral("10"));
    }
    ProjectModel m;
};

TEST_F(StepViewerModel, DecodesEveryBoxOfTheDemoSteps)
{
    const StepView s1 = decodeStep(m, kBlock, QStringLiteral("1"));
    ASSERT_TRUE(s1.valid);
    EXPECT_EQ(s1.nameBase, kBase);
    EXPECT_EQ(s1.stepStart, kBase);
    EXPECT_EQ(s1.condition, QStringLiteral("if INP1 = 1 then"));
    EXPECT_EQ(s1.branchCaption, QStringLiteral("then"));
    EXPECT_EQ(s1.yesOutputs, bits(QStringLiteral("    1")));
    EXPECT_EQ(s1.yesFlags, bits(QStringLiteral("    1")));
    EXPECT_EQ(s1.actions[0], QStringLiteral("TIMER1 = 30"));
    EXPECT_EQ(s1.actions[1], absentActionText());
    EXPECT_EQ(s1.noOutputs, bits(QStringLiteral("    0    0")));
    EXPECT_EQ(s1.noFlags, bits(QStringLiteral("    0")));
    EXPECT_EQ(s1.actions[2], absentActionText());
    EXPECT_EQ(s1.actions[3], absentActionText());
    EXPECT_EQ(s1.yesStep, QStringLiteral("2"));
    EXPECT_EQ(s1.noStep, QStringLiteral("1"));

    const StepView s2 = decodeStep(m, kBlock, QStringLiteral("2"));
    EXPECT_EQ(s2.stepStart, kBase + 47);
    EXPECT_EQ(s2.condition, QStringLiteral("if SP1 >= SP2 then"));
    EXPECT_EQ(s2.yesOutputs, bits(QStringLiteral("    0    1")));
    EXPECT_EQ(s2.yesFlags, absentBitLineText());
    EXPECT_EQ(s2.actions[0], QStringLiteral("SP3 += 1"));
    EXPECT_EQ(s2.noOutputs, absentBitLineText());
    EXPECT_EQ(s2.noFlags, absentBitLineText());
    EXPECT_EQ(s2.yesStep, QStringLiteral("1"));
    EXPECT_EQ(s2.noStep, QStringLiteral("3"));

    const StepView s3 = decodeStep(m, kBlock, QStringLiteral("3"));
    EXPECT_EQ(s3.condition, QStringLiteral("if FLAG1 = 1 then"));
    EXPECT_EQ(s3.yesStep, QStringLiteral("2"));
    EXPECT_EQ(s3.noStep, QStringLiteral("1"));
    for (const QString &a : s3.actions)
        EXPECT_EQ(a, absentActionText());
}

TEST_F(StepViewerModel, DecodingTwiceGivesTheSameTexts)
{
    const StepView a = decodeStep(m, kBlock, QStringLiteral("2"));
    const StepView b = decodeStep(m, kBlock, QStringLiteral("2"));
    EXPECT_EQ(a.condition, b.condition);
    EXPECT_EQ(a.yesOutputs, b.yesOutputs);
    EXPECT_EQ(a.actions, b.actions);
}

TEST_F(StepViewerModel, StepNumberText)
{
    struct Case {
        const char *text;
        int index;
    };
    // clang-format off
    const Case cases[] = {
        {"1", 0}, {"3", 2}, {"0", 1}, {"", 1}, {"abc", 1}, {"-3", 4}, {"12abc", 11}, {" 1 2", 11},
        {"2.5", 2}, {"3.5", 2}, {"501", 500}, {"502", -1}, {"-500", -1}, {"1e30", -1},
    };
    // clang-format on
    for (const Case &c : cases)
        EXPECT_EQ(stepIndexForText(QString::fromLatin1(c.text)), c.index) << c.text;
}

TEST_F(StepViewerModel, StepWithoutRecordShowsTheRecordItsOffsetNames)
{
    // Index 4 has no record: its offset 0 shows the block's first record.
    const StepView v = decodeStep(m, kBlock, QStringLiteral("-3"));
    ASSERT_TRUE(v.valid);
    EXPECT_EQ(v.stepStart, kBase);
    EXPECT_EQ(v.condition, QStringLiteral("if INP1 = 1 then"));
}

TEST_F(StepViewerModel, StepNumberOutsideTheTableShowsNothing)
{
    const StepView v = decodeStep(m, kBlock, QStringLiteral("600"));
    EXPECT_FALSE(v.valid);
    EXPECT_TRUE(v.condition.isEmpty());
    EXPECT_TRUE(v.yesStep.isEmpty());
}

TEST_F(StepViewerModel, ConditionLines)
{
    struct Case {
        std::vector<int> head;
        const char *condition;
        const char *caption;
    };
    // clang-format off
    const Case cases[] = {
        {{0, 0, 0, 0, 0}, " =  then", "then"},
        {{40, 2, 8, 10, 4}, "if SP3 >= 10 then", "then"},
        {{48, 1, 8, 3, 0}, "if INI(SP2)  = 3 then", "then"},
        {{176, 1, 8, 3, 0}, "if D_INI(SP2)  = 3 then", "then"},
        {{56, 1, 8, 3, 0}, "if OUI(SP2) = 3 then", "then"},
        {{136, 0, 8, 3, 0}, "CALL GO", "RET"},
        {{144, 0, 8, 3, 0}, "RET", "RET"},
        {{24, 0, 0, 0, 12}, "if FLAG1 then", "then"}, // operator code without a sign, no operand
        {{24, 0, 5, 1, 6}, "if FLAG1 AND  then", "then"},   // source class without a text
    };
    // clang-format on
    for (const Case &c : cases) {
        std::vector<int> rec = c.head;
        rec.resize(11, 0);
        const StepView v = showAlone(rec);
        EXPECT_EQ(v.condition, QString::fromLatin1(c.condition)) << c.condition;
        EXPECT_EQ(v.branchCaption, QString::fromLatin1(c.caption)) << c.condition;
    }
    // An unknown class shows the placeholder; the rest of the step is still decoded.
    const StepView unknown = showAlone({200, 0, 8, 1, 0, 0, 0, 0, 0, 4, 9, 8, 2, 16, 4});
    EXPECT_EQ(unknown.condition, absentActionText());
    EXPECT_EQ(unknown.actions[0], QStringLiteral("OUT3 = INP5"));
}

TEST_F(StepViewerModel, OnlyPresentPartsTakeRoomInTheRecord)
{
    // NO action 2 only (bit 128): its bytes follow the head directly.
    StepView v = showAlone({8, 0, 8, 1, 0, 0, 0, 0, 0, 128, 9, 72, 9, 8, 250});
    EXPECT_EQ(v.actions[3], QStringLiteral("SP10 += 250"));
    EXPECT_EQ(v.actions[2], absentActionText());
    EXPECT_EQ(v.yesOutputs, absentBitLineText());
    // YES action 2 and NO flags: the flag block follows the action's four bytes.
    v = showAlone({8, 0, 8, 1, 0, 0, 0, 0, 0, 8 + 32, 9, 168, 1, 192, 193, 0xE1, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(v.actions[1], QStringLiteral("TIMER2 = TIMER4_M"));
    EXPECT_EQ(v.noFlags, bits(QStringLiteral("    1    --    0    i ")));
    EXPECT_EQ(v.noOutputs, absentBitLineText());
}

TEST_F(StepViewerModel, SuccessorFollowsTheStoredOffsetToTheOwnIndex)
{
    const StepView s2 = decodeStep(m, kBlock, QStringLiteral("2"));
    EXPECT_EQ(successorStepText(m, s2.nameBase, s2.stepStart, 0), QStringLiteral("1"));
    EXPECT_EQ(successorStepText(m, s2.nameBase, s2.stepStart, 1), QStringLiteral("3"));
}

TEST_F(StepViewerModel, BrokenRecordsNeverFail)
{
    // Texts that are no numbers read as 0.
    StepView v = showAlone({});
    m.schema.Parametr_Name(kBase + 200) = QStringLiteral("abc");
    m.schema.Parametr_Name(kBase + 209) = QString();
    v = decodeStep(m, kBlock, QStringLiteral("10"));
    EXPECT_EQ(v.yesOutputs, absentBitLineText());

    // A record at the very end of the text pool reads past index 20000 as 0.
    m.schema.Parametr_Name_Start(kBlock) = 19995;
    m.alg.Step_Offset(0, 0) = 0;
    for (int i = 19995; i <= 20000; ++i)
        m.schema.Parametr_Name(i) = QStringLiteral("255");
    v = decodeStep(m, kBlock, QStringLiteral("1"));
    EXPECT_TRUE(v.valid);
    EXPECT_EQ(v.yesStep, QStringLiteral("1"));

    // Values beyond a byte and negative values decode without failing.
    m.schema.Parametr_Name_Start(kBlock) = kBase;
    v = showAlone({-9, 99999, -1, 70000, -3, -1, -1, 300, 300, 255, 1,  -1, -5, 999999, -77, 1,  2, 3,
                   4,  5,     6,  7,     8,  9,  10, 11,  12,  13,  14, 15, 16, 17,     18,  19, 20});
    EXPECT_TRUE(v.valid);
    EXPECT_FALSE(decodeStep(m, 101, QStringLiteral("1")).valid);
    EXPECT_FALSE(decodeStep(m, -1, QStringLiteral("1")).valid);
}

// Shown in columns, item n of a bit line stands under ruler number n
// whatever the codes before it: "1" and "0" are narrower than "--" and "i ".
TEST(BitColumns, EveryItemStandsUnderItsRulerNumber)
{
    const QString ruler = bitRulerColumns();
    ASSERT_EQ(ruler.size(), 32 * kBitColumnChars);
    const QString line = bits(QStringLiteral("    1    --    0    i ")); // items 1..4, then 28 "--"
    const QString shown = bitLineColumns(line);
    ASSERT_EQ(shown.size(), 32 * kBitColumnChars);
    struct Case {
        int item;
        const char *code;
    };
    const Case cases[] = {{1, "1"}, {2, "--"}, {3, "0"}, {4, "i"}, {5, "--"}, {32, "--"}};
    for (const Case &c : cases) {
        // The column of item n ends with the code and with the number n.
        const int end = c.item * kBitColumnChars;
        const QString code = QString::fromLatin1(c.code);
        EXPECT_EQ(shown.mid(end - code.size(), code.size()), code) << c.item;
        EXPECT_EQ(shown.mid(end - kBitColumnChars, kBitColumnChars).trimmed(), code) << c.item;
        EXPECT_EQ(ruler.mid(end - kBitColumnChars, kBitColumnChars).trimmed(), QString::number(c.item)) << c.item;
    }
    EXPECT_EQ(bitLineColumns(absentBitLineText()), QStringLiteral(" --").repeated(32));
    EXPECT_TRUE(bitLineColumns(QString()).isEmpty());
}

} // namespace

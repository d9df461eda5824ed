// Statement text of the bytes of compiled steps: action targets, source
// operands, condition heads and bit lines.

#include "algorithm/step_decoder.h"

#include "project/startup.h"
#include "schema/alg_actions.h"
#include "support/flowchart_builder.h"

#include <gtest/gtest.h>

using namespace pelmora;
using namespace pelmora::alg;

namespace {

struct ByteCase {
    int first, second;
    const char *text;
};

class ActionTargetTest : public ::testing::TestWithParam<ByteCase> {};

TEST_P(ActionTargetTest, Decodes)
{
    const ByteCase &c = GetParam();
    EXPECT_EQ(actionTarget(c.first, c.second), QString::fromLatin1(c.text)) << c.first << "," << c.second;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ActionTargetTest,
    ::testing::Values(ByteCase{0, 9, ""}, ByteCase{7, 9, ""}, ByteCase{8, 2, "OUT3 = "}, ByteCase{16, 0, "OUT1 += "},
                      ByteCase{24, 255, "OUT256 -= "}, ByteCase{32, 0, "OUT1 *= "}, ByteCase{47, 0, "OUT1 /= "},
                      ByteCase{48, 4, "OUI(INP5) = "}, ByteCase{56, 0, "OUI(SP1) = "}, ByteCase{64, 0, "SP1 = "},
                      ByteCase{72, 9, "SP10 += "}, ByteCase{103, 1, "SP2 /= "}, ByteCase{104, 0, "SI(INP1) = "},
                      ByteCase{112, 1, "SI(SP2) = "}, ByteCase{120, 1, "SI(SP2) += "}, ByteCase{151, 1, "SI(SP2) /= "},
                      // f = (b0 mod 8) * 16 + b1 div 16 + 1, g = b1 mod 16 + 1
                      ByteCase{152, 0, "FB1_SP1 = "}, ByteCase{159, 255, "FB128_SP16 = "},
                      ByteCase{161, 0x23, "FB19_SI(SP4) = "}, ByteCase{168, 1, "TIMER2 = "},
                      ByteCase{168, 33, "TIMER2 = "}, ByteCase{176, 4, "WR_SP5 = "},
                      ByteCase{185, 0x12, "RD_SP18_SP3 = "}, ByteCase{192, 0, "CLR_SP1_SP1 = "},
                      ByteCase{200, 0, "ROUND_SP1 = "}, ByteCase{208, 6, "LIM_MIN_SP7 = "},
                      ByteCase{216, 6, "LIM_MAX_SP7 = "}, ByteCase{224, 3, "SUM_SP4 = "}, ByteCase{232, 3, "SP4 &= "},
                      ByteCase{247, 3, "SP4 |= "}, ByteCase{248, 3, ""}, ByteCase{300, 3, ""}, ByteCase{-5, 3, ""}));

class SourceOperandTest : public ::testing::TestWithParam<ByteCase> {};

TEST_P(SourceOperandTest, Decodes)
{
    const ByteCase &c = GetParam();
    EXPECT_EQ(sourceOperand(c.first, c.second), QString::fromLatin1(c.text)) << c.first << "," << c.second;
}

INSTANTIATE_TEST_SUITE_P(
    Classes, SourceOperandTest,
    ::testing::Values(ByteCase{0, 5, ""}, ByteCase{8, 250, "250"}, ByteCase{12, 5, "-5"}, ByteCase{11, 0, "768"},
                      ByteCase{15, 255, "-1023"}, ByteCase{8, 0, "0"}, ByteCase{16, 4, "INP5"}, ByteCase{24, 0, "OUT1"},
                      ByteCase{32, 255, "SP256"}, ByteCase{40, 1, "SI(INP2)"}, ByteCase{48, 1, "SI(SP2)"},
                      ByteCase{56, 1, "INI(INP2)"}, ByteCase{64, 1, "INI(SP2)"},
                      // n = (c0 mod 8) * 4 + c1 div 64 + 1, m = c1 mod 64 + 1
                      ByteCase{72, 0, "INP1+SP1"}, ByteCase{79, 255, "INP32+SP64"}, ByteCase{81, 65, "INP6-SP2"},
                      ByteCase{88, 2, "SP1+SP3"}, ByteCase{96, 2, "SP1-SP3"}, ByteCase{104, 2, "SI(SP1)+SP3"},
                      ByteCase{112, 2, "SI(SP1)-SP3"}, ByteCase{127, 255, "FB128_OUT16"},
                      ByteCase{128, 0x21, "FB3_SP2"}, ByteCase{136, 0, "FB1_OUI(SP1)"}, ByteCase{144, 0, "FB1_SI(SP1)"},
                      ByteCase{152, 0x10, "SP2_SP1"}, ByteCase{160, 1, "SP1*SP2"}, ByteCase{168, 1, "SP1/SP2"},
                      ByteCase{176, 1, "SI(SP1)*SP2"}, ByteCase{184, 1, "SI(SP1)/SP2"}, ByteCase{192, 193, "TIMER4_M"},
                      ByteCase{192, 0, "TIMER1_S"}, ByteCase{192, 2, "TIMER1_H"}, ByteCase{192, 3, "TIMER1"},
                      ByteCase{192, 4, "TIMER1"}, ByteCase{192, 9, "TIMER1"}, ByteCase{200, 0, "ABS_SP1"},
                      ByteCase{208, 0, "SQRT_SP1"}, ByteCase{216, 1, "LOCK_1"}, ByteCase{224, 0x12, "MIN_SP2_3"},
                      ByteCase{232, 0x12, "MAX_SP2_3"}, ByteCase{240, 0x12, "SUM_SP2_3"}, ByteCase{250, 7, "BYTE2_7"},
                      ByteCase{255, 255, "BYTE7_255"}, ByteCase{252, 0, "BYTE4_0"}, ByteCase{256, 7, ""},
                      ByteCase{-8, 7, ""}));

class ConditionHeadTest : public ::testing::TestWithParam<ByteCase> {};

TEST_P(ConditionHeadTest, Decodes)
{
    const ByteCase &c = GetParam();
    EXPECT_EQ(conditionHead(c.first, c.second), QString::fromLatin1(c.text)) << c.first << "," << c.second;
}

INSTANTIATE_TEST_SUITE_P(
    Classes, ConditionHeadTest,
    ::testing::Values(ByteCase{0, 4, ""}, ByteCase{8, 0, "if INP1"}, ByteCase{16, 255, "if OUT256"},
                      ByteCase{24, 1, "if FLAG2"}, ByteCase{32, 1, "if TIMER2"}, ByteCase{40, 2, "if SP3"},
                      ByteCase{48, 1, "if INI(SP2) "}, ByteCase{56, 1, "if OUI(SP2)"}, ByteCase{64, 1, "if SI(SP2)"},
                      ByteCase{72, 1, "if INI(INP2)"}, ByteCase{80, 1, "if OUI(INP2)"}, ByteCase{88, 1, "if SI(INP2)"},
                      // f = (e0 mod 8) * 16 + e1 div 16 + 1, g = e1 mod 16 + 1
                      ByteCase{97, 0x34, "if FB20_OUT5"}, ByteCase{111, 255, "if FB128_SP16"},
                      ByteCase{112, 0, "if FB1_OUI(SP1)"}, ByteCase{120, 0, "if FB1_SI(SP1)"},
                      ByteCase{128, 9, "if RDY_PROG"}, ByteCase{136, 9, "CALL GO"}, ByteCase{144, 9, "RET"},
                      ByteCase{152, 129, "if LOCK_SP2"}, ByteCase{160, 129, "if LOCK_SI(SP2)"},
                      ByteCase{168, 33, "if D_INP2"}, ByteCase{176, 33, "if D_INI(SP2) "}, ByteCase{184, 0, ""},
                      ByteCase{255, 0, ""}));

TEST(OperatorText, SignsByCodeAndEmptyBeyond)
{
    const char *expected[] = {" = ", " < ", " > ", " <= ", " >= ", " <> ", " AND ", " OR ", " XOR "};
    for (int code = 0; code < 9; ++code)
        EXPECT_EQ(operatorText(code), QString::fromLatin1(expected[code]));
    for (int code : {-1, 9, 16, 17, 255})
        EXPECT_TRUE(operatorText(code).isEmpty()) << code;
}

TEST(BitLine, FourCodesPerByteLowBitsFirst)
{
    // 0xE1 = 11 10 00 01: codes 1, 0, 2, 3 for items 1 to 4.
    const QString line = bitLine({0xE1, 0, 0, 0, 0, 0, 0, 0x40});
    EXPECT_TRUE(line.startsWith(QStringLiteral("    1    --    0    i     --"))) << line.toStdString();
    // Item 32 is in the top bits of byte 7: 0x40 = code 1 for item 32.
    EXPECT_TRUE(line.endsWith(QStringLiteral("    --    1"))) << line.toStdString();
    EXPECT_EQ(bitLine({}), absentBitLineText());
}

TEST(Placeholders, Lengths)
{
    EXPECT_EQ(absentActionText().size(), 63);
    EXPECT_TRUE(absentActionText().endsWith(QStringLiteral("--   ")));
    EXPECT_EQ(absentBitLineText().size(), 192);
}

TEST(ActionLine, TargetAndSourceTogether)
{
    EXPECT_EQ(actionTarget(8, 2) + sourceOperand(16, 4), QStringLiteral("OUT3 = INP5"));
    EXPECT_EQ(actionTarget(72, 9) + sourceOperand(8, 250), QStringLiteral("SP10 += 250"));
    EXPECT_EQ(actionTarget(168, 1) + sourceOperand(192, 193), QStringLiteral("TIMER2 = TIMER4_M"));
    EXPECT_EQ(actionTarget(3, 1) + sourceOperand(16, 0), QStringLiteral("INP1"));
}

// What the action compiler stores reads back as the statement that went in.
TEST(ActionLine, CompiledStatementsReadBackAsWritten)
{
    const char *statements[] = {"SUM_SP5 = BYTE7_255", "SP1 = LOCK_3", "OUT3 = BYTE0_12",
                                "SUM_SP12 = SP2",      "SP10 += 250",  "TIMER2 = TIMER4_M"};
    ProjectModel m;
    startUpModel(m);
    m.settings.Num_Block_Edit = 4;
    constexpr int kLine = 50, kStep = 2, kRow = 26; // YES action 1
    for (const char *statement : statements) {
        test::FlowchartBranch b;
        b.action1 = QString::fromLatin1(statement);
        const QStringList lines = test::branchComponent(u'Y', 1, b);
        for (int k = 0; k < lines.size(); ++k)
            m.alg.Alg_NetList_Line(kLine + k) = lines[k];
        m.alg.ALGORITHM_Line = kLine;
        m.alg.Num_Step = kStep;
        Compile_Action(m, 6, 21, 4, 251, kRow);
        auto byte = [&](int r) { return static_cast<int>(m.alg.Step_Code(r, kStep - 1)); };
        EXPECT_EQ(actionTarget(byte(kRow), byte(kRow + 1)) + sourceOperand(byte(kRow + 2), byte(kRow + 3)),
                  QString::fromLatin1(statement));
    }
}

} // namespace

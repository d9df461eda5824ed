#include "schema/alg_operand.h"
#include "schema/alg_statement_text.h"

#include "project/startup.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

using namespace pelmora;
using namespace pelmora::alg;

namespace {

class Operand : public test::WithFakes {
protected:
    void SetUp() override
    {
        WithFakes::SetUp();
        startUpModel(m);
        m.settings.Num_Block_Edit = 4;
        m.schema.Parametr_Value_Start(4) = 200;
        m.alg.Num_Step = kStep;
    }
    std::pair<int, int> bytes(int R) const
    {
        return {m.alg.Step_Code(R, kStep - 1), m.alg.Step_Code(R + 1, kStep - 1)};
    }

    static constexpr int kStep = 7;
    ProjectModel m;
};

TEST_F(Operand, FormsAndTheirBytes)
{
    const struct {
        const char *text;
        int code, value;
    } cases[] = {
        {"", 0, 0},
        {"0", 8, 0},
        {"-", 8, 0},
        {"-5", 12, 5},
        {"300", 9, 44},
        {"-1023", 15, 255},
        {"2.5", 8, 2}, // magnitudes round half to even
        {"INP3", 16, 2},
        {"OUT12", 24, 11},
        {"SP1", 32, 0},
        {"SP256", 32, 255},
        {"SI(INP4", 40, 3},
        {"SI(SP5)", 48, 4},
        {"INI(INP6", 56, 5},
        {"INI(SP7", 64, 6},
        {"INP3+SP5", 72, 132},
        {"INP3-SP5", 80, 132},
        {"SP8+SP2", 89, 193},
        {"SP8-SP2", 97, 193},
        {"SP40-SP2", 97, 193},
        {"SI(SP8+SP2", 105, 193},
        {"SI(SP8-SP2", 113, 193},
        {"FB3_OUT2", 120, 33},
        {"FB20_SP4", 129, 51},
        {"FB3_OUI(SP2", 136, 33},
        {"FB3_SI(SP2", 144, 33},
        {"SP5_SP3", 152, 66},
        {"SP20_SP3", 153, 50},
        {"SP8*SP2", 161, 193},
        {"SP8/SP2", 169, 193},
        {"SI(SP8*SP2", 177, 193},
        {"SI(SP8/SP2", 185, 193},
        {"TIMER2_M", 192, 65},
        {"TIMER6_H", 193, 66},
        {"TIMER1_S", 192, 0},
        {"ABS_SP9", 200, 8},
        {"SQRT_SP10", 208, 9},
        {"LOCK_3", 216, 3},
        {"MIN_SP10_4", 224, 147},
        {"MAX_SP10_4", 232, 147},
        {"SUM_SP10_4", 240, 147},
        {"BYTE3_200", 251, 200},
        {"BYTE0_0", 248, 0},
    };
    for (const auto &c : cases) {
        m.alg.Step_Code(2, kStep - 1) = 99;
        m.alg.Step_Code(3, kStep - 1) = 99;
        Compile_Operand(m, QString::fromLatin1(c.text), 2);
        EXPECT_EQ(bytes(2), std::make_pair(c.code, c.value)) << c.text;
    }
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u'\n').toStdString();
    EXPECT_EQ(m.alg.Num_Step, kStep);
}

TEST_F(Operand, WritesTheRowsItIsGiven)
{
    Compile_Operand(m, QStringLiteral("INP3+SP5"), 52);
    EXPECT_EQ(bytes(52), std::make_pair(72, 132));
    EXPECT_EQ(bytes(2), std::make_pair(0, 0));
}

TEST_F(Operand, SetpointOperandWithValueAlsoSetsTheSetpoint)
{
    Compile_Operand(m, QStringLiteral("SP7 = 3.5"), 28);
    EXPECT_EQ(bytes(28), std::make_pair(32, 6));
    EXPECT_FLOAT_EQ(m.schema.Parametr_Value(200 + 7), 3.5f);
    Compile_Operand(m, QStringLiteral("SP128 = -2"), 28);
    EXPECT_FLOAT_EQ(m.schema.Parametr_Value(200 + 128), -2.0f);
    EXPECT_TRUE(ui().messages.empty());
}

TEST_F(Operand, SetpointAssignmentBeyondTheBlocksSetpointsIsReported)
{
    // SP129 exists as an operand, but setting it would write into the next block's values.
    Compile_Operand(m, QStringLiteral("SP129 = 1"), 28);
    EXPECT_FLOAT_EQ(m.schema.Parametr_Value(200 + 129), 0.0f);
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(ui().messages[0].text, QStringLiteral("Помилка у блоку <АЛГОРИТМ> умова В>  крок A7"));
    EXPECT_EQ(m.alg.Num_Step, 0);
}

TEST_F(Operand, TimerUnitIsAWarningAndTheOperandIsStillWritten)
{
    Compile_Operand(m, QStringLiteral("TIMER2_X"), 2);
    EXPECT_EQ(bytes(2), std::make_pair(192, 64));
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(ui().messages[0].text, QStringLiteral("Помилка TIMER_S_M_H крок A 7"));
    EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(m.alg.Num_Step, kStep);
}

TEST_F(Operand, NumberInParenthesesWarnsByTheRowsItGoesTo)
{
    const struct {
        int R;
        const char16_t *message;
        // clang-format off
    } cases[] = {
        {2, u"Помилка у блоку <АЛГОРИТМ> умова В  крок A7"},
        {28, u"Помилка у блоку <АЛГОРИТМ>   крок Y7"},
        {32, u"Помилка у блоку <АЛГОРИТМ>   крок Y7"},
        {52, u"Помилка у блоку <АЛГОРИТМ>   крок N7"},
        {56, u"Помилка у блоку <АЛГОРИТМ>   крок N7"},
    };
    // clang-format on
    for (const auto &c : cases) {
        ui().reset();
        Compile_Operand(m, QStringLiteral("SP5+SP(3)"), c.R);
        EXPECT_EQ(bytes(c.R), std::make_pair(89, 63)) << c.R;
        ASSERT_EQ(ui().messages.size(), 1u) << c.R;
        EXPECT_EQ(ui().messages[0].text, QString::fromUtf16(c.message));
        EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
    }
}

TEST_F(Operand, UnknownFormIsReportedAndEndsTheStep)
{
    // Leading blanks, signs and parentheses are not constants; an FB item
    // needs one of its suffixes; INP with a plus names no two-item form.
    for (const char *text : {"XYZ", " 5", "+5", "(5)", "FB3", "FB3_X2", "INP3+5", "inp3"}) {
        ui().reset();
        m.alg.Num_Step = kStep;
        m.alg.Step_Code(2, kStep - 1) = 99;
        Compile_Operand(m, QString::fromLatin1(text), 2);
        EXPECT_EQ(m.alg.Num_Step, 0) << text;
        EXPECT_EQ(m.alg.Step_Code(2, kStep - 1), 99) << text; // nothing written
        ASSERT_FALSE(ui().messages.empty()) << text;
        EXPECT_EQ(ui().messages[0].text, QStringLiteral("Помилка у блоку <АЛГОРИТМ> умова В>  крок A7"));
        EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
    }
}

TEST_F(Operand, NumbersThatDoNotFitTheirBytesCannotBeCompiled)
{
    for (const char *text : {"SP(5)", "SP0", "INP", "OUT257", "BYTE8_1", "BYTE1_256", "1e12", "SP5_SP17", "MIN_SP10"}) {
        m.alg.Num_Step = kStep;
        EXPECT_THROW(Compile_Operand(m, QString::fromLatin1(text), 2), CompileError) << text;
    }
}

TEST_F(Operand, AfterAnErrorEveryWriteFails)
{
    m.alg.Num_Step = 0;
    EXPECT_THROW(Compile_Operand(m, QStringLiteral("INP2"), 2), TableIndexError);
    EXPECT_THROW(Compile_Operand(m, QString(), 2), TableIndexError);
}

} // namespace

#include "schema/alg_condition.h"
#include "schema/alg_statement_text.h"
#include "schema/alg_step_record.h"

#include "project/startup.h"
#include "support/fake_services.h"
#include "support/flowchart_builder.h"

#include <gtest/gtest.h>

#include <vector>

using namespace pelmora;
using namespace pelmora::alg;

namespace {

class Condition : public test::WithFakes {
protected:
    void SetUp() override
    {
        WithFakes::SetUp();
        startUpModel(m);
    }
    void compile(const QString &statement, int step = kStep) { compileLine(test::conditionLine(statement), step); }
    void compileLine(const QString &line, int step = kStep)
    {
        const QStringList lines = test::stepComponent(step, QString());
        for (int k = 0; k < lines.size(); ++k)
            m.alg.Alg_NetList_Line(kLine + k) = lines[k];
        m.alg.Alg_NetList_Line(kLine + 4) = line;
        m.alg.ALGORITHM_Line = kLine;
        m.alg.Num_Step = static_cast<std::int16_t>(step);
        for (int r = 0; r <= 5; ++r)
            m.alg.Step_Code(r, step - 1) = 0;
        Compile_Condition(m);
    }
    // Rows 0 to 4 of the step.
    std::vector<int> rows(int step = kStep) const
    {
        std::vector<int> out;
        for (int r = 0; r <= 4; ++r)
            out.push_back(m.alg.Step_Code(r, step - 1));
        return out;
    }

    static constexpr int kLine = 20, kStep = 5;
    ProjectModel m;
};

TEST_F(Condition, StatementsAndTheirRows)
{
    // Rows 0 kind, 1 number byte, 2 and 3 the operand, 4 the comparison.
    const struct {
        const char *statement;
        std::vector<int> rows;
    } cases[] = {
        {"INP3 = 1", {8, 2, 8, 1, 0}},
        {"SP12 >= SP13", {40, 11, 32, 12, 4}},
        {"FB3_OUT2 <> 0", {96, 33, 8, 0, 5}},
        {"FB20_SP4 = 1", {105, 51, 8, 1, 0}},
        {"FB1_OUI(SP2 = 1", {112, 1, 8, 1, 0}},
        {"FB99_SI(SP16 = 1", {126, 47, 8, 1, 0}}, // the block number is two characters
        {"CALL 7", {136, 0, 8, 0, 9}},
        {"RET 1", {144, 0, 8, 0, 10}},
        {"OUT4 < 2", {16, 3, 8, 2, 1}},
        {"FLAG32 > -5", {24, 31, 12, 5, 2}},
        {"TIMER2 <= TIMER2_M", {32, 1, 192, 65, 3}},
        {"INI(SP7 = 0", {48, 6, 8, 0, 0}},
        {"OUI(SP7 = 0", {56, 6, 8, 0, 0}},
        {"SI(SP7 = 0", {64, 6, 8, 0, 0}},
        {"INI(INP7 = 0", {72, 6, 8, 0, 0}},
        {"OUI(INP7 = 0", {80, 6, 8, 0, 0}},
        {"SI(INP7 = 0", {88, 6, 8, 0, 0}},
        {"RDY_PROG = 1", {128, 0, 8, 1, 0}},
        {"LOCK_SP3 = 1", {152, 2, 8, 1, 0}},
        {"LOCK_SI(SP3 = 1", {160, 2, 8, 1, 0}},
        {"D_INP3 = 1", {168, 2, 8, 1, 0}},
        {"D_INI(SP3 = 1", {176, 2, 8, 1, 0}},
        {"NoINP = 1", {0, 0, 8, 1, 0}}, // "No" is tested first
        {"INP256 AND SP1", {8, 255, 32, 0, 6}},
        {"INP1 OR INP2", {8, 0, 16, 1, 7}},
        {"INP1 XOR INP2", {8, 0, 16, 1, 8}},
        // Operators are taken in table order, and the operand is counted as if
        // the operator stood at the first blank: " AND " is one wider than " OR ".
        {"INP1 OR 12 AND x", {8, 0, 8, 2, 6}},
        {"INP1 = 1 OR 2", {8, 0, 8, 1, 0}},
    };
    for (const auto &c : cases) {
        compile(QString::fromLatin1(c.statement));
        EXPECT_EQ(rows(), c.rows) << c.statement;
        EXPECT_EQ(m.alg.Num_Step, kStep) << c.statement;
    }
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u'\n').toStdString();
}

TEST_F(Condition, StatementWithoutOperatorIsReportedAndFails)
{
    EXPECT_THROW(compile(QStringLiteral("INP3 =1")), TableIndexError);
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(ui().messages[0].text, QStringLiteral("Помилка умови у блоку <АЛГОРИТМ>  шаг A5"));
    EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(m.alg.Num_Step, 0);
}

TEST_F(Condition, LeftOperandOfNoClassIsReported)
{
    // The operand is then compiled for step 0, and its write fails.
    for (const char *statement : {"XYZ3 = INP2", "inp3 = 1", "FB3 = 1", "FB3_X2 = 1"}) {
        ui().reset();
        EXPECT_THROW(compile(QString::fromLatin1(statement)), TableIndexError) << statement;
        ASSERT_EQ(ui().messages.size(), 1u) << statement;
        EXPECT_EQ(ui().messages[0].text, QStringLiteral("Помилка умови у блоку <АЛГОРИТМ>  крок A5"));
        EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
        EXPECT_EQ(rows(), (std::vector<int>{0, 0, 0, 0, 0})) << statement;
    }
    // An operand the operand compiler rejects itself writes nothing, so the
    // condition keeps its comparison and both messages have been shown.
    ui().reset();
    compile(QStringLiteral("XYZ3 < abc"));
    EXPECT_EQ(ui().messageTexts(), (QStringList{QStringLiteral("Помилка умови у блоку <АЛГОРИТМ>  крок A5"),
                                                QStringLiteral("Помилка у блоку <АЛГОРИТМ> умова В>  крок A0")}));
    EXPECT_EQ(rows(), (std::vector<int>{0, 0, 0, 0, 1}));
    EXPECT_EQ(m.alg.Num_Step, 0);
}

TEST_F(Condition, NumberInParenthesesOfTheLeftOperandWarns)
{
    compile(QStringLiteral("NoSP(3) = 1"));
    EXPECT_EQ(ui().messageTexts(), QStringList{QStringLiteral("Помилка у блоку <АЛГОРИТМ> умова А  крок A5")});
    EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(rows(), (std::vector<int>{0, 0, 8, 1, 0}));
}

TEST_F(Condition, NumbersThatDoNotFitTheirBytesFail)
{
    // INP0 and INP read -1; SP(3) reads its number as missing; 257 is one above the byte.
    for (const char *statement : {"INP0 = 1", "INP = 1", "SP(3) = 1", "OUT257 = 1", "FB3_SP17 = 1", "INP3 = SP0"}) {
        EXPECT_THROW(compile(QString::fromLatin1(statement)), CompileError) << statement;
    }
    EXPECT_TRUE(ui().messages.empty());
}

TEST_F(Condition, LinesThatCannotBeCutFail)
{
    EXPECT_THROW(compile(QStringLiteral("INP3")), CompileError); // no blank
    EXPECT_THROW(compile(QString()), CompileError);
    EXPECT_THROW(compileLine(QStringLiteral("(attr \"UMOVA\" \"INP3 = 1\")")), CompileError);
    EXPECT_THROW(compileLine(QStringLiteral("(attr (pt 0 0)")), CompileError);
    EXPECT_THROW(compileLine(QString()), CompileError);
    EXPECT_THROW(compile(QStringLiteral("INP3 = 1"), 501), TableIndexError);
}

TEST_F(Condition, StepsAboveTheStoredOnesStillCompile)
{
    compile(QStringLiteral("INP1 = 1"), 500);
    EXPECT_EQ(rows(500), (std::vector<int>{8, 0, 8, 1, 0}));
}

} // namespace

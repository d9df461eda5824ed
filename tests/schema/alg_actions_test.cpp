#include "schema/alg_actions.h"
#include "schema/alg_statement_text.h"
#include "schema/alg_step_record.h"

#include "project/startup.h"
#include "support/fake_services.h"
#include "support/flowchart_builder.h"

#include <gtest/gtest.h>

#include <vector>

using namespace pelmora;
using namespace pelmora::alg;
using test::FlowchartBranch;

namespace {

// The calls the import makes for a YES block: (L, C, R, T, V, F) and (L, C, OR, AND, R).
struct ListCall {
    int L, C, R, T, V, F;
};
constexpr ListCall kOutputsSet{4, 25, 10, 27, 0, 7}, kOutputsReset{5, 26, 10, 28, 1, 8}, kFlagsSet{8, 31, 18, 33, 0, 6},
    kFlagsReset{9, 29, 18, 31, 1, 6};

class BranchLines : public test::WithFakes {
protected:
    void SetUp() override
    {
        WithFakes::SetUp();
        startUpModel(m);
        m.settings.Num_Block_Edit = 4;
        m.schema.Parametr_Value_Start(4) = 200;
    }
    void place(const FlowchartBranch &b)
    {
        const QStringList lines = test::branchComponent(u'Y', 1, b);
        for (int k = 0; k < lines.size(); ++k)
            m.alg.Alg_NetList_Line(kLine + k) = lines[k];
        m.alg.ALGORITHM_Line = kLine;
        m.alg.Num_Step = kStep;
    }
    void list(const ListCall &c) { Compile_Bit_List(m, c.L, c.C, c.R, c.T, c.V, c.F); }
    void action(int which)
    {
        if (which == 1)
            Compile_Action(m, 6, 21, 4, 251, 26);
        else
            Compile_Action(m, 7, 23, 8, 247, 30);
    }
    std::vector<int> rows(int from, int count) const
    {
        std::vector<int> out;
        for (int r = from; r < from + count; ++r)
            out.push_back(m.alg.Step_Code(r, kStep - 1));
        return out;
    }
    int parts() const { return m.alg.Step_Code(row::Parts, kStep - 1); }

    static constexpr int kLine = 50, kStep = 3;
    ProjectModel m;
};

TEST_F(BranchLines, OutputListsGiveTwoBitCodes)
{
    const struct {
        const char *set, *reset;
        std::vector<int> block;
        // clang-format off
    } cases[] = {
        {" 1-3 5", "", {21, 1, 0, 0, 0, 0, 0, 0}},
        {" 4", "", {64, 0, 0, 0, 0, 0, 0, 0}},
        {"", " 1", {2, 0, 0, 0, 0, 0, 0, 0}},
        {" 2", " 2", {12, 0, 0, 0, 0, 0, 0, 0}},  // on both lines: code 3
        {" 5-2", "", {0, 1, 0, 0, 0, 0, 0, 0}},   // a range ending below its start
        {" 12-14 32", "", {0, 0, 64, 5, 0, 0, 0, 64}},
        {" 1-32", "", {85, 85, 85, 85, 85, 85, 85, 85}},
        {" 3 3 1-4", " 1-2 2", {95, 0, 0, 0, 0, 0, 0, 0}}, // repeats change nothing
        {"  7", "", {0, 16, 0, 0, 0, 0, 0, 0}},            // read at both blanks, counted once
        {" 0 x", "", {0, 0, 0, 0, 0, 0, 0, 0}},            // no item number
    };
    // clang-format on
    for (const auto &c : cases) {
        FlowchartBranch b;
        b.outputsSet = QString::fromLatin1(c.set);
        b.outputsReset = QString::fromLatin1(c.reset);
        place(b);
        for (int r = 0; r <= 59; ++r)
            m.alg.Step_Code(r, kStep - 1) = 0;
        list(kOutputsSet);
        list(kOutputsReset);
        EXPECT_EQ(rows(row::YesOut, 8), c.block) << c.set << " / " << c.reset;
        const bool any = c.block != std::vector<int>(8, 0);
        EXPECT_EQ(parts(), any ? 1 : 0) << c.set << " / " << c.reset;
    }
    EXPECT_TRUE(ui().messages.empty());
}

TEST_F(BranchLines, FlagListsAndNoBlocksUseTheirOwnRowsAndBits)
{
    FlowchartBranch b;
    b.flagsSet = QStringLiteral(" 1 9");
    b.flagsReset = QStringLiteral(" 2");
    place(b);
    list(kFlagsSet);
    list(kFlagsReset);
    EXPECT_EQ(rows(row::YesFlag, 8), (std::vector<int>{9, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(parts(), 2);
    // The same lines for a NO block.
    Compile_Bit_List(m, 8, 31, 42, 33, 0, 6);
    EXPECT_EQ(rows(row::NoFlag, 2), (std::vector<int>{1, 0}));
    EXPECT_EQ(parts(), 2 | 32);
    // Clearing the line clears the bit again.
    m.alg.Alg_NetList_Line(kLine + 8) = test::flagsSetLine(QString());
    for (int r = 42; r < 50; ++r)
        m.alg.Step_Code(r, kStep - 1) = 0;
    Compile_Bit_List(m, 8, 31, 42, 33, 0, 6);
    EXPECT_EQ(parts(), 2);
}

TEST_F(BranchLines, ListItemAboveThirtyTwoIsReportedAsAListError)
{
    for (const char *items : {" 33", " 30-40"}) {
        ui().reset();
        FlowchartBranch b;
        b.outputsSet = QString::fromLatin1(items);
        place(b);
        EXPECT_THROW(list(kOutputsSet), TableIndexError) << items; // the step is 0 after the report
        ASSERT_EQ(ui().messages.size(), 1u);
        EXPECT_EQ(ui().messages[0].text,
                  QStringLiteral("Помилка списку виходів або прапорців (номер понад 32) у блоку <АЛГОРИТМ>  крок A3"));
        EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
        EXPECT_EQ(m.alg.Num_Step, 0);
        EXPECT_EQ(rows(row::YesFlag, 1), std::vector<int>{0}) << "nothing spilled into the flag block";
    }
}

TEST_F(BranchLines, ActionsAndTheirBytes)
{
    const struct {
        const char *statement;
        std::vector<int> bytes;
        int setpoint; // set-point the statement sets, 0 for none
        float value;
        // clang-format off
    } cases[] = {
        {"OUT3 = INP2", {8, 2, 16, 1}, 0, 0},
        {"OUT3 += 5", {16, 2, 8, 5}, 0, 0},
        {"OUT3 -= 5", {24, 2, 8, 5}, 0, 0},
        {"OUT3 *= 5", {32, 2, 8, 5}, 0, 0},
        {"OUT3 /= 5", {40, 2, 8, 5}, 0, 0},
        {"OUI(INP4 = 1", {48, 3, 8, 1}, 0, 0},
        {"OUI(SP4 += 1", {56, 3, 8, 1}, 0, 0},
        {"SP10 += 5", {72, 9, 8, 5}, 0, 0},
        {"SP10 = -5", {64, 9, 12, 5}, 0, 0},
        {"SP10 &= 3", {232, 9, 8, 3}, 0, 0},
        {"SP10 |= 3", {240, 9, 8, 3}, 0, 0},
        {"SP1 += SP2 = 5", {64, 0, 32, 1}, 2, 5}, // " = " is found first
        {"SI(INP2 = 0", {104, 1, 8, 0}, 0, 0},
        {"SI(SP2 /= SP3", {144, 1, 32, 2}, 0, 0},
        {"FB3_SP4 = 7", {152, 35, 8, 7}, 0, 0},
        {"FB20_SI(SP4 = 7", {161, 51, 8, 7}, 0, 0},
        {"TIMER5 = 100", {168, 4, 8, 100}, 0, 0},
        {"WR_SP12 = 1", {176, 11, 8, 1}, 0, 0},
        {"RD_SP3_SP4 = 0", {184, 35, 8, 0}, 0, 0},
        {"CLR_SP3_SP4 = 0", {192, 35, 8, 0}, 0, 0},
        {"ROUND_SP7 = 0", {200, 6, 8, 0}, 0, 0},
        {"LIM_MIN_SP7 = SP8", {208, 6, 32, 7}, 0, 0},
        {"LIM_MAX_SP7 = SP8", {216, 6, 32, 7}, 0, 0},
        {"SUM_SP7 = 2", {224, 6, 8, 2}, 0, 0},
    };
    // clang-format on
    for (const auto &c : cases) {
        FlowchartBranch b;
        b.action1 = QString::fromLatin1(c.statement);
        place(b);
        m.schema.Parametr_Value(200 + 2) = 0;
        action(1);
        EXPECT_EQ(rows(row::YesAction1, 4), c.bytes) << c.statement;
        EXPECT_EQ(parts() & 4, 4) << c.statement;
        if (c.setpoint) {
            EXPECT_FLOAT_EQ(m.schema.Parametr_Value(200 + c.setpoint), c.value) << c.statement;
        }
    }
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u'\n').toStdString();
}

TEST_F(BranchLines, TemplatesLeaveTheActionEmpty)
{
    for (const char *statement : {"OUT =", "SP =", "OUT = 5", "SP = SP3", "SP =4"}) {
        FlowchartBranch b;
        b.action2 = QString::fromLatin1(statement);
        place(b);
        m.alg.Step_Code(row::Parts, kStep - 1) = 255;
        m.alg.Step_Code(30, kStep - 1) = 9;
        m.alg.Step_Code(31, kStep - 1) = 9;
        action(2);
        EXPECT_EQ(parts(), 255 & ~8) << statement;
        EXPECT_EQ(rows(30, 2), (std::vector<int>{0, 0})) << statement;
    }
    EXPECT_TRUE(ui().messages.empty());
}

TEST_F(BranchLines, ActionsThatNameNoKnownTargetAreReported)
{
    // Unknown targets, and targets without the operator or suffix their form needs.
    for (const char *statement : {"XY1 = 2", "OUT3 5", "OUT3 := 5", "SP3 5", "SI(SP2 &= 1", "FB3 = 1", "FB3_OUT2 = 1",
                                  "RD_SP3 = 1", "CLR_SP3 = 1", "out3 = 1"}) {
        ui().reset();
        FlowchartBranch b;
        b.action1 = QString::fromLatin1(statement);
        place(b);
        m.alg.Step_Code(26, kStep - 1) = 0;
        m.alg.Step_Code(27, kStep - 1) = 0;
        // The operand that follows is written for step 0, which fails.
        EXPECT_THROW(action(1), TableIndexError) << statement;
        ASSERT_FALSE(ui().messages.empty()) << statement;
        EXPECT_EQ(ui().messages[0].text, QStringLiteral("Помилка операції у блоку <АЛГОРИТМ>  крок A3")) << statement;
        EXPECT_EQ(m.alg.Num_Step, 0);
        EXPECT_EQ(rows(26, 2), (std::vector<int>{0, 0})) << statement;
    }
}

TEST_F(BranchLines, StatementsThatCannotBeCutOrEncodedFail)
{
    auto runLine = [&](const QString &line) {
        place({});
        m.alg.Alg_NetList_Line(kLine + 6) = line;
        action(1);
    };
    EXPECT_THROW(runLine(test::actionLine(1, QStringLiteral("OUT0 = 1"))), CompileError);
    EXPECT_THROW(runLine(test::actionLine(1, QStringLiteral("SP300 = 1"))), CompileError);
    EXPECT_THROW(runLine(test::actionLine(1, QStringLiteral("OUT3"))), CompileError);          // no blank
    EXPECT_THROW(runLine(test::actionLine(1, QString())), CompileError);                       // no blank
    EXPECT_THROW(runLine(QStringLiteral("(attr \"OPERATION1\" \"OUT1 = 1\")")), CompileError); // no point list
    EXPECT_THROW(runLine(QStringLiteral("(attr (pt 0 0)")), CompileError);
    place({});
    m.alg.Alg_NetList_Line(kLine + 4) = QStringLiteral("(attr \"OUTPUTS_ON_SET\" \"OUT=1: 1\")");
    EXPECT_THROW(list(kOutputsSet), CompileError);
    // A line beyond the table.
    m.alg.ALGORITHM_Line = 9995;
    EXPECT_THROW(list(kFlagsReset), TableIndexError);
}

} // namespace

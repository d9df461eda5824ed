// Statements put together at random from the pieces the compilers look for
// (keywords, suffixes, operators, numbers) and from arbitrary characters: no
// statement may crash a compiler, write outside its own step, or end it in
// any way but a reported error or a CompileError / TableIndexError.

#include "schema/alg_actions.h"
#include "schema/alg_condition.h"
#include "schema/alg_operand.h"
#include "schema/alg_statement_text.h"
#include "schema/alg_step_record.h"

#include "project/startup.h"
#include "support/fake_services.h"
#include "support/flowchart_builder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

using namespace pelmora;
using namespace pelmora::alg;

namespace {

// clang-format off
const char *const kWords[] = {
    "INP",   "OUT",     "SP",     "SI(INP",  "SI(SP",  "INI(INP",  "INI(SP",     "OUI(INP", "OUI(SP", "FB",
    "FLAG",  "TIMER",   "No",     "RDY_PROG", "CALL",  "RET",      "LOCK_SP",    "LOCK_SI(SP", "D_INP", "D_INI(SP",
    "ABS_SP", "SQRT_SP", "LOCK_", "MIN_SP",  "MAX_SP", "SUM_SP",   "BYTE",       "WR_SP",   "RD_SP",  "CLR_SP",
    "ROUND_SP", "LIM_MIN_SP", "LIM_MAX_SP", "XY", "inp", "sp", "Поріг",
};
// clang-format on
const char *const kJoins[] = {"_", "+SP", "-SP", "*SP", "/SP", "_SP", "_OUT", "_OUI(SP", "_SI(SP", "(",
                              ")", "_S",  "_M",  "_H",  "_X",  "+",   "-",    "",        "",       ""};
const char *const kOperators[] = {" = ",  " += ", " -= ",  " *= ", " /= ",  " &= ", " |= ", " < ", " > ", " <= ",
                                  " >= ", " <> ", " AND ", " OR ", " XOR ", "CALL", "RET",  " ",   "  ",  "="};
const char *const kNumbers[] = {"",     "0",   "1",   "2",    "-1",  "7",   "12",  "16", "17",  "32",
                                "33",   "99",  "128", "129",  "255", "256", "257", "-5", "300", "1023",
                                "1024", "2.5", "1e5", "1e40", "-",   "(3)", ".5",  "9E", "1-3", " 5"};

class Generated : public test::WithFakes {
protected:
    void SetUp() override
    {
        WithFakes::SetUp();
        startUpModel(m);
        m.settings.Num_Block_Edit = 4;
        m.schema.Parametr_Value_Start(4) = kValues;
    }

    template <typename T, std::size_t N> QString pick(const T (&pool)[N])
    {
        return QString::fromUtf8(pool[std::uniform_int_distribution<std::size_t>(0, N - 1)(rng)]);
    }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    QString operandText()
    {
        switch (below(4)) {
        case 0: return pick(kNumbers);
        case 1: return noise(below(8));
        default:
            return pick(kWords) + pick(kNumbers) + pick(kJoins) + pick(kNumbers) +
                   (below(4) ? QString() : pick(kOperators) + pick(kNumbers));
        }
    }
    QString statement()
    {
        QString s = pick(kWords) + pick(kNumbers) + pick(kJoins) + (below(2) ? pick(kNumbers) : QString());
        s += pick(kOperators) + operandText();
        if (below(8) == 0)
            s.insert(below(static_cast<int>(s.size()) + 1), noise(1 + below(3)));
        return s;
    }
    QString itemList()
    {
        QString s;
        const int n = below(6);
        for (int k = 0; k < n; ++k)
            s += QString(below(5) ? 1 : 2, u' ') + pick(kNumbers) +
                 (below(3) ? QString() : QStringLiteral("-") + pick(kNumbers));
        if (below(10) == 0)
            s += noise(below(6));
        return s;
    }
    // Arbitrary characters, quotes, blanks and markers included.
    QString noise(int n)
    {
        static const QString chars = QStringLiteral(" \"-_()+*/=<>|&,.0123456789ABCINOPSTUXYabcптк(pt ");
        QString s;
        for (int k = 0; k < n; ++k)
            s += chars.at(below(static_cast<int>(chars.size())));
        return s;
    }

    static constexpr int kValues = 300, kLine = 40;
    std::mt19937 rng{20240611};
    ProjectModel m;
};

TEST_F(Generated, NoStatementCrashesOrWritesOutsideItsStep)
{
    const auto valuesBefore = m.schema.Parametr_Value;
    int compiled = 0, warned = 0, reported = 0, failedCount = 0; // outcomes, to show the statements reach every path
    for (int iteration = 0; iteration < 12000; ++iteration) {
        ui().reset();
        const int kind = below(7);
        const int step = below(50) == 0 ? below(2) * 501 : 1 + below(500);

        QStringList lines = test::branchComponent(u'Y', 1, {});
        QString described;
        if (kind == 0) {
            described = statement();
            lines[4] = test::conditionLine(described);
        } else if (kind <= 2) {
            described = statement();
            lines[5 + kind] = test::actionLine(kind, described);
        } else if (kind <= 4) {
            described = itemList();
            lines[4] = kind == 3 ? test::outputsSetLine(described) : test::outputsResetLine(described);
        } else if (kind == 5) {
            described = operandText();
        } else {
            described = noise(below(40));
            lines[4 + below(6)] = described; // a line in no shape at all
        }
        for (int k = 0; k < lines.size(); ++k)
            m.alg.Alg_NetList_Line(kLine + k) = lines[k];
        m.alg.ALGORITHM_Line = kLine;
        m.alg.Num_Step = static_cast<std::int16_t>(step);

        auto codeBefore = m.alg.Step_Code;
        bool failed = false;
        try {
            switch (kind) {
            case 0: Compile_Condition(m); break;
            case 1: Compile_Action(m, 6, 21, 4, 251, 26); break;
            case 2: Compile_Action(m, 7, 23, 8, 247, 30); break;
            case 3: Compile_Bit_List(m, 4, 25, 10, 27, 0, 7); break;
            case 4: Compile_Bit_List(m, 4, 26, 34, 28, 1, 8); break;
            case 5: {
                const int rowsOf[] = {2, 28, 32, 52, 56};
                Compile_Operand(m, described, rowsOf[below(5)]);
                break;
            }
            default:
                if (below(2))
                    Compile_Condition(m);
                else
                    Compile_Bit_List(m, 4 + below(6), 25, 18, 27, 0, 7);
                break;
            }
        } catch (const CompileError &) {
            failed = true;
        } catch (const TableIndexError &) {
            failed = true;
        }
        const std::string what = described.toStdString();
        if (failed)
            ++failedCount;
        else if (m.alg.Num_Step == 0)
            ++reported;
        else if (!ui().messages.empty())
            ++warned;
        else
            ++compiled;

        // Only the step's own column may change.
        if (step >= 1 && step <= 500) {
            for (int r = 0; r <= 59; ++r)
                codeBefore(r, step - 1) = m.alg.Step_Code(r, step - 1);
        }
        ASSERT_TRUE(codeBefore == m.alg.Step_Code) << what;
        // A step ends as it was or as 0 after a reported error.
        ASSERT_TRUE(m.alg.Num_Step == step || m.alg.Num_Step == 0) << what;
        if (m.alg.Num_Step == 0 && step != 0) {
            ASSERT_FALSE(ui().messages.empty()) << what;
        }
        for (const auto &msg : ui().messages) {
            ASSERT_EQ(msg.icon, MsgIcon::Critical) << what;
            ASSERT_EQ(msg.buttons, MsgButtons::Ok) << what;
        }
        // A finished list leaves its part bit telling whether its block holds a code.
        if (!failed && (kind == 3 || kind == 4)) {
            const int block = kind == 3 ? 10 : 34, bit = kind == 3 ? 1 : 16;
            bool any = false;
            for (int r = block; r < block + 8; ++r)
                any = any || m.alg.Step_Code(r, step - 1) != 0;
            ASSERT_EQ((m.alg.Step_Code(row::Parts, step - 1) & bit) != 0, any) << what;
        }
    }
    std::printf("compiled %d, warned %d, reported %d, failed %d\n", compiled, warned, reported, failedCount);
    EXPECT_GT(compiled, 1000);
    EXPECT_GT(warned, 10);
    EXPECT_GT(reported, 100);
    EXPECT_GT(failedCount, 1000);
    // Set-point assignments stay inside the block's SP1..SP128.
    for (int i = 0; i <= 10000; ++i) {
        if (i < kValues + 1 || i > kValues + 128) {
            ASSERT_EQ(m.schema.Parametr_Value(i), valuesBefore(i)) << i;
        }
    }
}

} // namespace

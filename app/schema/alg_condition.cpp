#include "schema/alg_condition.h"

#include "schema/alg_operand.h"
#include "schema/alg_statement_text.h"
#include "schema/alg_step_record.h"

#include <optional>

namespace pelmora::alg {
namespace {

// Comparison operators in the order they are looked for; CALL and RET compare
// against the constant 0.
struct Comparison {
    const char16_t *text;
    int code;
    bool takesOperand;
};
// clang-format off
const Comparison kComparisons[] = {
    {u" = ", 0, true},   {u" < ", 1, true},  {u" > ", 2, true},   {u" <= ", 3, true}, {u" >= ", 4, true},
    {u" <> ", 5, true},  {u" AND ", 6, true}, {u" OR ", 7, true}, {u" XOR ", 8, true}, {u"CALL", 9, false},
    {u"RET", 10, false},
};
// clang-format on

// Classes of the left operand, in the order they are tested. `from` is the
// character the item number starts at; 0 when the class has no number byte,
// -1 when its number byte is 0.
struct ConditionClass {
    bool startsWith; // else: contains
    const char16_t *keyword;
    int kind;
    int from;
};
constexpr int kNoNumber = 0, kZeroNumber = -1;
const ConditionClass kClasses[] = {
    {false, u"No", 0, kNoNumber},
    {true, u"INP", 8, 4},
    {true, u"OUT", 16, 4},
    {true, u"FLAG", 24, 5},
    {true, u"TIMER", 32, 6},
    {true, u"SP", 40, 3},
    {true, u"INI(SP", 48, 7},
    {true, u"OUI(SP", 56, 7},
    {true, u"SI(SP", 64, 6},
    {true, u"INI(INP", 72, 8},
    {true, u"OUI(INP", 80, 8},
    {true, u"SI(INP", 88, 7},
    {true, u"FB", 96, 0}, // function block items: kinds 96..127, below
    {false, u"RDY_PROG", 128, kNoNumber},
    {true, u"CALL", 136, kZeroNumber},
    {true, u"RET", 144, kZeroNumber},
    {false, u"LOCK_SP", 152, 8},
    {false, u"LOCK_SI(SP", 160, 11},
    {false, u"D_INP", 168, 6},
    {false, u"D_INI(SP", 176, 9},
};

// FB f _OUT o, _SP o, _OUI(SP o, _SI(SP o: the first suffix found decides.
std::optional<OperandBytes> functionBlockItem(const QString &left)
{
    struct Suffix {
        const char16_t *text;
        int base;
    };
    static const Suffix suffixes[] = {{u"_OUT", 96}, {u"_SP", 104}, {u"_OUI(SP", 112}, {u"_SI(SP", 120}};
    for (const Suffix &s : suffixes) {
        const QString k = QString::fromUtf16(s.text);
        if (const long long at = find(left, k))
            return packB(s.base, numberValue(mid(left, 3, 2)), numberValue(mid(left, at + k.size(), 2)));
    }
    return std::nullopt;
}

} // namespace

void Compile_Condition(ProjectModel &m)
{
    AlgorithmTables &alg = m.alg;
    const QString &line = alg.Alg_NetList_Line(alg.ALGORITHM_Line + 4);
    const QString statement = mid(line, 16, find(line, QStringLiteral(" (pt"), 16) - 17);
    const long long blank = find(statement, QStringLiteral(" "));
    const QString left = alg::left(statement, blank - 1);

    // The operator.
    const Comparison *comparison = nullptr;
    for (const Comparison &c : kComparisons)
        if (statement.contains(QString::fromUtf16(c.text))) {
            comparison = &c;
            break;
        }
    QString rightOperand;
    if (!comparison) {
        reportStepError(alg, msg::conditionNoOperator);
    } else if (comparison->takesOperand) {
        // Counted as if the operator began at the first blank.
        const long long width = QString::fromUtf16(comparison->text).size();
        rightOperand = right(statement, statement.size() - blank - (width - 1));
    } else {
        rightOperand = QStringLiteral("0");
    }

    stepByte(alg, row::Compare) = static_cast<std::uint8_t>(comparison ? comparison->code : 0);

    // The left operand's class.
    const ConditionClass *cls = nullptr;
    for (const ConditionClass &c : kClasses) {
        const QString k = QString::fromUtf16(c.keyword);
        if (c.startsWith ? left.startsWith(k) : left.contains(k)) {
            cls = &c;
            break;
        }
    }
    std::optional<OperandBytes> fb;
    if (cls && cls->kind == 96)
        fb = functionBlockItem(left);
    if (!cls || (cls->kind == 96 && !fb)) {
        // No class, or an FB item without a suffix (which names no item).
        reportStepError(alg, msg::conditionNoClass);
    } else if (fb) {
        stepByte(alg, row::Kind) = fb->code;
        stepByte(alg, row::Number) = fb->value;
    } else {
        stepByte(alg, row::Kind) = static_cast<std::uint8_t>(cls->kind);
        if (cls->from == kZeroNumber)
            stepByte(alg, row::Number) = 0;
        else if (cls->from != kNoNumber)
            stepByte(alg, row::Number) = toByte(numberValue(mid(left, cls->from)) - 1);
    }

    // A number in parentheses is a warning.
    if (left.contains(u"INP(") || left.contains(u"SP(") || left.contains(u"OUT("))
        reportCritical(msg::conditionParenthesis + QString::number(alg.Num_Step));

    // The right operand.
    Compile_Operand(m, rightOperand, row::Operand);
}

} // namespace pelmora::alg

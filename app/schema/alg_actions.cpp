#include "schema/alg_actions.h"

#include "schema/alg_operand.h"
#include "schema/alg_statement_text.h"
#include "schema/alg_step_record.h"

#include <optional>

namespace pelmora::alg {
namespace {

constexpr int kListItems = 32;

// The bit in row 9 that tells whether the block starting at `blockRow` holds a code.
int blockBit(int blockRow)
{
    for (const StepPart &p : kStepParts)
        if (p.firstRow == blockRow)
            return p.bit;
    return 0;
}

} // namespace

void Compile_Bit_List(ProjectModel &m, int L, int C, int R, int T, int V, int F)
{
    AlgorithmTables &alg = m.alg;
    const QString &line = alg.Alg_NetList_Line(alg.ALGORITHM_Line + L);
    const QString text = mid(line, C, find(line, QStringLiteral("(pt ")) - T);
    const int code = V + 1;

    // Marks item k + 1; false (after the report) for an item the block cannot hold.
    auto mark = [&](std::int32_t k) {
        if (k >= kListItems) {
            reportStepError(alg, msg::bitListError);
            return false;
        }
        stepByte(alg, R + k / 4) |= static_cast<std::uint8_t>(code << (2 * (k % 4)));
        return true;
    };
    auto numberAt = [&](long long from) { return numberValue(mid(text, from, 2)); };
    auto charAt = [&](long long at) { return mid(text, at, 1); };

    for (long long i = F; i <= text.size(); ++i) {
        if (charAt(i) != u" ")
            continue;
        const double n = numberAt(i + 1) - 1;
        if (n < 0)
            continue; // a blank without a number after it
        const std::int32_t first = toWhole(n);
        if (!mark(first))
            break;
        std::optional<double> last;
        if (charAt(i + 2) == u"-")
            last = numberAt(i + 3) - 1; // a one-digit number starts a range
        else if (charAt(i + 3) == u"-")
            last = numberAt(i + 4) - 1; // a two-digit number starts a range
        bool ok = true;
        if (last)
            for (std::int32_t j = first + 1; ok && j <= *last; ++j)
                ok = mark(j);
        if (!ok)
            break;
    }

    const int bit = blockBit(R);
    std::uint8_t &parts = stepByte(alg, row::Parts);
    parts = static_cast<std::uint8_t>(parts & ~bit);
    for (int r = R; r <= R + 7; ++r)
        if (stepByte(alg, r) != 0) {
            parts = static_cast<std::uint8_t>(parts | bit);
            break;
        }
}

namespace {

struct Operator {
    const char16_t *text;
    int opcode;
};

const Operator kOutOperators[] = {{u" = ", 8}, {u" += ", 16}, {u" -= ", 24}, {u" *= ", 32}, {u" /= ", 40}};
const Operator kSpOperators[] = {{u" = ", 64},  {u" += ", 72},  {u" -= ", 80}, {u" *= ", 88},
                                 {u" /= ", 96}, {u" &= ", 232}, {u" |= ", 240}};
const Operator kSiSpOperators[] = {{u" = ", 112}, {u" += ", 120}, {u" -= ", 128}, {u" *= ", 136}, {u" /= ", 144}};

// The opcode of the first operator of the list found anywhere in the statement.
template <std::size_t N> std::optional<int> opcodeOf(const QString &text, const Operator (&ops)[N])
{
    for (const Operator &op : ops)
        if (text.contains(QString::fromUtf16(op.text)))
            return op.opcode;
    return std::nullopt;
}

// The opcode and target byte of an action's target, or nothing when the
// target cannot be compiled.
std::optional<OperandBytes> compileTarget(const QString &text, const QString &word)
{
    auto begins = [&](const char16_t *k) { return word.startsWith(QString::fromUtf16(k)); };
    // The number written in characters from.. (at most len of them; len < 0: to the end).
    auto numberAt = [&](long long from, long long len = -1) {
        return numberValue(len < 0 ? mid(word, from) : mid(word, from, len));
    };
    auto item = [&](std::optional<int> opcode, long long from, long long len = -1) -> std::optional<OperandBytes> {
        if (!opcode)
            return std::nullopt;
        return OperandBytes{static_cast<std::uint8_t>(*opcode), toByte(numberAt(from, len) - 1)};
    };
    // The two characters after the first `marker` found from character `from` on, if any.
    auto after = [&](const char16_t *marker, long long from = 1) -> std::optional<double> {
        const QString k = QString::fromUtf16(marker);
        const long long at = find(word, k, from);
        if (at == 0)
            return std::nullopt;
        return numberAt(at + k.size(), 2);
    };

    if (begins(u"OUT"))
        return item(opcodeOf(text, kOutOperators), 4);
    if (begins(u"OUI(INP"))
        return item(48, 8);
    if (begins(u"OUI(SP"))
        return item(56, 7);
    if (begins(u"SP"))
        return item(opcodeOf(text, kSpOperators), 3);
    if (begins(u"SI(INP"))
        return item(104, 7);
    if (begins(u"SI(SP"))
        return item(opcodeOf(text, kSiSpOperators), 6);
    if (begins(u"FB")) {
        if (auto sp = after(u"_SP"))
            return packB(152, numberAt(3, 2), *sp);
        if (auto si = after(u"_SI(SP"))
            return packB(160, numberAt(3, 2), *si);
        return std::nullopt;
    }
    if (begins(u"TIMER"))
        return item(168, 6);
    if (begins(u"WR_SP"))
        return item(176, 6, 3);
    if (begins(u"RD_SP")) {
        if (auto y = after(u"_SP", 5))
            return packB(184, numberAt(6, 3), *y);
        return std::nullopt;
    }
    if (begins(u"CLR_SP")) {
        if (auto y = after(u"_SP", 5))
            return packB(192, numberAt(7, 3), *y);
        return std::nullopt;
    }
    if (begins(u"ROUND_SP"))
        return item(200, 9, 3);
    if (begins(u"LIM_MIN_SP"))
        return item(208, 11, 3);
    if (begins(u"LIM_MAX_SP"))
        return item(216, 11, 3);
    if (begins(u"SUM_SP"))
        return item(224, 7, 3);
    return std::nullopt;
}

} // namespace

void Compile_Action(ProjectModel &m, int L, int C, int ORMask, int ANDMask, int R)
{
    AlgorithmTables &alg = m.alg;
    const QString &line = alg.Alg_NetList_Line(alg.ALGORITHM_Line + L);
    const QString text = mid(line, C, find(line, QStringLiteral(" (pt"), 16) - C - 1);
    const QString word = left(text, find(text, QStringLiteral(" ")) - 1);
    const long long restAt = find(text, QStringLiteral(" "), word.size() + 2);
    const QString rest = restAt == 0 ? QString() : mid(text, restAt + 1);

    if (text.startsWith(u"OUT =") || text.startsWith(u"SP =")) {
        // The blank template: no action.
        std::uint8_t &parts = stepByte(alg, row::Parts);
        parts = static_cast<std::uint8_t>(parts & ANDMask);
        for (int r = R; r <= R + 3; ++r)
            stepByte(alg, r) = 0;
    } else {
        std::uint8_t &parts = stepByte(alg, row::Parts);
        parts = static_cast<std::uint8_t>(parts | ORMask);
        if (const auto target = compileTarget(text, word)) {
            stepByte(alg, R + 1) = target->value;
            stepByte(alg, R) = target->code;
        } else {
            reportStepError(alg, msg::actionError);
        }
    }
    Compile_Operand(m, rest, R + 2);
}

} // namespace pelmora::alg

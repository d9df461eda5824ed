#include "schema/alg_operand.h"

#include "schema/alg_statement_text.h"
#include "schema/alg_step_record.h"

#include <cmath>
#include <initializer_list>

namespace pelmora::alg {
namespace {

// Set-points of an ALGORITHM block: SP1..SP128 after the block's first value.
constexpr int kSetpointFirst = 1, kSetpointLast = 128;

class OperandCompiler {
public:
    OperandCompiler(ProjectModel &m, const QString &T, int R) : m_(m), T_(T), R_(R) {}

    void run()
    {
        compileForm();
        parenthesisCheck();
    }

private:
    bool begins(const char16_t *keyword) const { return T_.startsWith(QString::fromUtf16(keyword)); }
    bool contains(const char16_t *marker) const { return T_.contains(QString::fromUtf16(marker)); }
    bool containsAny(std::initializer_list<const char16_t *> markers) const
    {
        for (const char16_t *k : markers)
            if (contains(k))
                return true;
        return false;
    }
    // The number written in characters from.. (at most len of them; len < 0: to the end).
    double numberAt(long long from, long long len = -1) const
    {
        return numberValue(len < 0 ? mid(T_, from) : mid(T_, from, len));
    }
    // The number in the two characters after the first `marker` found from character `from` on.
    double numberAfter(const char16_t *marker, long long from = 1) const
    {
        const QString k = QString::fromUtf16(marker);
        return numberAt(find(T_, k, from) + k.size(), 2);
    }

    void write(OperandBytes b)
    {
        stepByte(m_.alg, R_) = b.code;
        stepByte(m_.alg, R_ + 1) = b.value;
    }
    // A single item: its number minus one goes into the value byte whole.
    void item(int code, long long from) { write({static_cast<std::uint8_t>(code), toByte(numberAt(from) - 1)}); }

    void compileForm();
    void constant();
    void setpointAssignment();
    void functionBlock();
    void timer();
    void parenthesisCheck();

    ProjectModel &m_;
    const QString &T_;
    const int R_;
};

void OperandCompiler::compileForm()
{
    const QChar first = T_.isEmpty() ? QChar() : T_.at(0);
    if (T_.isEmpty())
        write({0, 0});
    else if ((first >= u'0' && first <= u'9') || first == u'-')
        constant();
    else if (begins(u"INP") && !contains(u"+") && !contains(u"-"))
        item(16, 4);
    else if (begins(u"OUT"))
        item(24, 4);
    else if (begins(u"SP") && !containsAny({u"_SP", u"+SP", u"-SP", u"*SP", u"/SP"})) {
        item(32, 3);
        setpointAssignment();
    } else if (begins(u"SI(INP"))
        item(40, 7);
    else if (begins(u"SI(SP") && !containsAny({u"+", u"-", u"*", u"/"}))
        item(48, 6);
    else if (begins(u"INI(INP"))
        item(56, 8);
    else if (begins(u"INI(SP"))
        item(64, 7);
    else if (begins(u"INP") && contains(u"+SP"))
        write(packA(72, numberAt(4, 2), numberAfter(u"+SP")));
    else if (begins(u"INP") && contains(u"-SP"))
        write(packA(80, numberAt(4, 2), numberAfter(u"-SP")));
    else if (begins(u"SP") && contains(u"+SP"))
        write(packA(88, numberAt(3, 2), numberAfter(u"+SP")));
    else if (begins(u"SP") && contains(u"-SP"))
        write(packA(96, numberAt(3, 2), numberAfter(u"-SP")));
    else if (begins(u"SI(SP") && contains(u"+SP"))
        write(packA(104, numberAt(6, 2), numberAfter(u"+SP")));
    else if (begins(u"SI(SP") && contains(u"-SP"))
        write(packA(112, numberAt(6, 2), numberAfter(u"-SP")));
    else if (begins(u"FB"))
        functionBlock();
    else if (begins(u"SP") && contains(u"_SP"))
        write(packB(152, numberAt(3, 3), numberAfter(u"_SP")));
    else if (begins(u"SP") && contains(u"*SP"))
        write(packA(160, numberAt(3, 2), numberAfter(u"*SP")));
    else if (begins(u"SP") && contains(u"/SP"))
        write(packA(168, numberAt(3, 2), numberAfter(u"/SP")));
    else if (begins(u"SI(SP") && contains(u"*SP"))
        write(packA(176, numberAt(6, 2), numberAfter(u"*SP")));
    else if (begins(u"SI(SP") && contains(u"/SP"))
        write(packA(184, numberAt(6, 2), numberAfter(u"/SP")));
    else if (begins(u"TIMER"))
        timer();
    else if (begins(u"ABS_SP"))
        item(200, 7);
    else if (begins(u"SQRT_SP"))
        item(208, 8);
    else if (begins(u"LOCK_"))
        write({216, toByte(numberAt(6, 1))});
    else if (begins(u"MIN_SP"))
        write(packB(224, numberAt(7, 3), numberAfter(u"_", 6)));
    else if (begins(u"MAX_SP"))
        write(packB(232, numberAt(7, 3), numberAfter(u"_", 6)));
    else if (begins(u"SUM_SP"))
        write(packB(240, numberAt(7, 3), numberAfter(u"_", 6)));
    else if (begins(u"BYTE"))
        write({toByte(248 + numberAt(5, 1)), toByte(numberAt(7, 3))});
    else
        reportStepError(m_.alg, msg::operandError);
}

// A number of up to 1023 in magnitude: bits 8 and 9 and the sign in the code
// byte, the low eight bits in the value byte.
void OperandCompiler::constant()
{
    const double v = numberValue(T_);
    const std::int32_t magnitude = toWhole(std::fabs(v));
    const int code = 8 + ((magnitude / 256) & 3) + (v < 0 ? 4 : 0);
    write({static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(magnitude & 255)});
}

// "SP n = v" reads SP n and also sets SP n of the block to v. Only the block's
// own set-points can be set: any other number would land in the values of the
// next block, so it is reported instead.
void OperandCompiler::setpointAssignment()
{
    const long long at = find(T_, QStringLiteral(" = "));
    if (at == 0)
        return;
    const int n = toByte(numberAt(3) - 1) + 1;
    if (n < kSetpointFirst || n > kSetpointLast) {
        reportStepError(m_.alg, msg::operandError);
        return;
    }
    const float value = static_cast<float>(numberValue(mid(T_, at + 3)));
    m_.schema.Parametr_Value(m_.schema.Parametr_Value_Start(m_.settings.Num_Block_Edit) + n) = value;
}

// FB f _OUT m, _SP m, _OUI(SP m, _SI(SP m: the first suffix found decides. An
// FB item without one of them names no item, so it is reported.
void OperandCompiler::functionBlock()
{
    struct Suffix {
        const char16_t *text;
        int base;
    };
    static const Suffix suffixes[] = {{u"_OUT", 120}, {u"_SP", 128}, {u"_OUI(SP", 136}, {u"_SI(SP", 144}};
    for (const Suffix &s : suffixes)
        if (contains(s.text)) {
            write(packB(s.base, numberAt(3, 2), numberAfter(s.text)));
            return;
        }
    reportStepError(m_.alg, msg::operandError);
}

// TIMER t _unit: S, M or H after the first "_". Another unit is reported and
// taken as S; the operand is still written.
void OperandCompiler::timer()
{
    const QString unitText = mid(T_, find(T_, QStringLiteral("_")) + 1, 1);
    int unit = 0;
    if (unitText == u"S")
        unit = 0;
    else if (unitText == u"M")
        unit = 1;
    else if (unitText == u"H")
        unit = 2;
    else
        reportCritical(msg::timerUnit + QString::number(m_.alg.Num_Step));
    write(packC(numberAt(6, 2), unit));
}

// A number written in parentheses is a warning; the bytes stay as compiled.
void OperandCompiler::parenthesisCheck()
{
    if (!containsAny({u"SP(", u"INP(", u"OUT("}))
        return;
    const QString *text = nullptr;
    switch (R_) {
    case row::Operand: text = &msg::operandParenthesisCondition; break;
    case row::YesAction1 + 2:
    case row::YesAction2 + 2: text = &msg::operandParenthesisYes; break;
    case row::NoAction1 + 2:
    case row::NoAction2 + 2: text = &msg::operandParenthesisNo; break;
    default: return;
    }
    reportCritical(*text + QString::number(m_.alg.Num_Step));
}

} // namespace

void Compile_Operand(ProjectModel &m, const QString &T, int R) { OperandCompiler(m, T, R).run(); }

} // namespace pelmora::alg

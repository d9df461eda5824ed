#include "algorithm/step_decoder.h"

namespace pelmora::alg {
namespace {

QString num(int v) { return QString::number(v); }

// Number fields of a source operand.
int plainX(int c1) { return c1 + 1; }
int fourBy64N(int c0, int c1) { return (c0 % 8) * 4 + c1 / 64 + 1; }
int fourBy64M(int c1) { return c1 % 64 + 1; }
int sixteenBy16N(int c0, int c1) { return (c0 % 8) * 16 + c1 / 16 + 1; }
int sixteenBy16M(int c1) { return c1 % 16 + 1; }

QString timerUnitText(int unit)
{
    switch (unit) {
    case 0: return QStringLiteral("_S");
    case 1: return QStringLiteral("_M");
    case 2: return QStringLiteral("_H");
    default: return {};
    }
}

// The five assignment signs of codes first..first+4.
const char *const kAssign[] = {" = ", " += ", " -= ", " *= ", " /= "};

} // namespace

QString operatorText(int code)
{
    static const char *const kOperators[] = {" = ", " < ", " > ", " <= ", " >= ", " <> ", " AND ", " OR ", " XOR "};
    if (code < 0 || code > 8)
        return {};
    return QString::fromLatin1(kOperators[code]);
}

QString bitCodeText(int code)
{
    switch (code) {
    case 0: return QStringLiteral("--");
    case 1: return QStringLiteral("1");
    case 2: return QStringLiteral("0");
    case 3: return QStringLiteral("i ");
    default: return {};
    }
}

QString actionTarget(int b0, int b1)
{
    const int code = b0 / 8;
    const int a = b1 + 1;
    const int f = (b0 % 8) * 16 + b1 / 16 + 1;
    const int g = b1 % 16 + 1;
    if (code >= 1 && code <= 5)
        return QStringLiteral("OUT") + num(a) + QString::fromLatin1(kAssign[code - 1]);
    if (code >= 8 && code <= 12)
        return QStringLiteral("SP") + num(a) + QString::fromLatin1(kAssign[code - 8]);
    if (code >= 14 && code <= 18)
        return QStringLiteral("SI(SP") + num(a) + QStringLiteral(")") + QString::fromLatin1(kAssign[code - 14]);
    switch (code) {
    case 6: return QStringLiteral("OUI(INP") + num(a) + QStringLiteral(") = ");
    case 7: return QStringLiteral("OUI(SP") + num(a) + QStringLiteral(") = ");
    case 13: return QStringLiteral("SI(INP") + num(a) + QStringLiteral(") = ");
    case 19: return QStringLiteral("FB") + num(f) + QStringLiteral("_SP") + num(g) + QStringLiteral(" = ");
    case 20: return QStringLiteral("FB") + num(f) + QStringLiteral("_SI(SP") + num(g) + QStringLiteral(") = ");
    case 21: return QStringLiteral("TIMER") + num(b1 % 32 + 1) + QStringLiteral(" = ");
    case 22: return QStringLiteral("WR_SP") + num(a) + QStringLiteral(" = ");
    case 23: return QStringLiteral("RD_SP") + num(f) + QStringLiteral("_SP") + num(g) + QStringLiteral(" = ");
    case 24: return QStringLiteral("CLR_SP") + num(f) + QStringLiteral("_SP") + num(g) + QStringLiteral(" = ");
    case 25: return QStringLiteral("ROUND_SP") + num(a) + QStringLiteral(" = ");
    case 26: return QStringLiteral("LIM_MIN_SP") + num(a) + QStringLiteral(" = ");
    case 27: return QStringLiteral("LIM_MAX_SP") + num(a) + QStringLiteral(" = ");
    case 28: return QStringLiteral("SUM_SP") + num(a) + QStringLiteral(" = ");
    case 29: return QStringLiteral("SP") + num(a) + QStringLiteral(" &= ");
    case 30: return QStringLiteral("SP") + num(a) + QStringLiteral(" |= ");
    default: return {};
    }
}

QString sourceOperand(int c0, int c1)
{
    const int cls = c0 / 8;
    const QString x = num(plainX(c1));
    const QString n4 = num(fourBy64N(c0, c1)), m4 = num(fourBy64M(c1));
    const QString n16 = num(sixteenBy16N(c0, c1)), m16 = num(sixteenBy16M(c1));
    switch (cls) {
    case 1: {
        const int v = (c0 % 4) * 256 + c1;
        return num(c0 % 8 > 3 ? -v : v);
    }
    case 2: return QStringLiteral("INP") + x;
    case 3: return QStringLiteral("OUT") + x;
    case 4: return QStringLiteral("SP") + x;
    case 5: return QStringLiteral("SI(INP") + x + QStringLiteral(")");
    case 6: return QStringLiteral("SI(SP") + x + QStringLiteral(")");
    case 7: return QStringLiteral("INI(INP") + x + QStringLiteral(")");
    case 8: return QStringLiteral("INI(SP") + x + QStringLiteral(")");
    case 9: return QStringLiteral("INP") + n4 + QStringLiteral("+SP") + m4;
    case 10: return QStringLiteral("INP") + n4 + QStringLiteral("-SP") + m4;
    case 11: return QStringLiteral("SP") + n4 + QStringLiteral("+SP") + m4;
    case 12: return QStringLiteral("SP") + n4 + QStringLiteral("-SP") + m4;
    case 13: return QStringLiteral("SI(SP") + n4 + QStringLiteral(")+SP") + m4;
    case 14: return QStringLiteral("SI(SP") + n4 + QStringLiteral(")-SP") + m4;
    case 15: return QStringLiteral("FB") + n16 + QStringLiteral("_OUT") + m16;
    case 16: return QStringLiteral("FB") + n16 + QStringLiteral("_SP") + m16;
    case 17: return QStringLiteral("FB") + n16 + QStringLiteral("_OUI(SP") + m16 + QStringLiteral(")");
    case 18: return QStringLiteral("FB") + n16 + QStringLiteral("_SI(SP") + m16 + QStringLiteral(")");
    case 19: return QStringLiteral("SP") + n16 + QStringLiteral("_SP") + m16;
    case 20: return QStringLiteral("SP") + n4 + QStringLiteral("*SP") + m4;
    case 21: return QStringLiteral("SP") + n4 + QStringLiteral("/SP") + m4;
    case 22: return QStringLiteral("SI(SP") + n4 + QStringLiteral(")*SP") + m4;
    case 23: return QStringLiteral("SI(SP") + n4 + QStringLiteral(")/SP") + m4;
    case 24: return QStringLiteral("TIMER") + n4 + timerUnitText(c1 % 64);
    case 25: return QStringLiteral("ABS_SP") + x;
    case 26: return QStringLiteral("SQRT_SP") + x;
    case 27: return QStringLiteral("LOCK_") + num(c1); // the digit as written, not minus one
    case 28: return QStringLiteral("MIN_SP") + n16 + QStringLiteral("_") + m16;
    case 29: return QStringLiteral("MAX_SP") + n16 + QStringLiteral("_") + m16;
    case 30: return QStringLiteral("SUM_SP") + n16 + QStringLiteral("_") + m16;
    // BYTEk_w: byte k of 0..7 in the low three bits, neither number minus one.
    case 31: return QStringLiteral("BYTE") + num(c0 % 8) + QStringLiteral("_") + num(c1);
    default: return {};
    }
}

QString conditionHead(int e0, int e1)
{
    const int cls = e0 / 8;
    const QString n = num(e1 + 1);
    const QString f = num((e0 % 8) * 16 + e1 / 16 + 1);
    const QString g = num(e1 % 16 + 1);
    switch (cls) {
    case 1: return QStringLiteral("if INP") + n;
    case 2: return QStringLiteral("if OUT") + n;
    case 3: return QStringLiteral("if FLAG") + n;
    case 4: return QStringLiteral("if TIMER") + n;
    case 5: return QStringLiteral("if SP") + n;
    case 6: return QStringLiteral("if INI(SP") + n + QStringLiteral(") ");
    case 7: return QStringLiteral("if OUI(SP") + n + QStringLiteral(")");
    case 8: return QStringLiteral("if SI(SP") + n + QStringLiteral(")");
    case 9: return QStringLiteral("if INI(INP") + n + QStringLiteral(")");
    case 10: return QStringLiteral("if OUI(INP") + n + QStringLiteral(")");
    case 11: return QStringLiteral("if SI(INP") + n + QStringLiteral(")");
    case 12: return QStringLiteral("if FB") + f + QStringLiteral("_OUT") + g;
    case 13: return QStringLiteral("if FB") + f + QStringLiteral("_SP") + g;
    case 14: return QStringLiteral("if FB") + f + QStringLiteral("_OUI(SP") + g + QStringLiteral(")");
    case 15: return QStringLiteral("if FB") + f + QStringLiteral("_SI(SP") + g + QStringLiteral(")");
    case 16: return QStringLiteral("if RDY_PROG");
    case 17: return QStringLiteral("CALL GO");
    case 18: return QStringLiteral("RET");
    case 19: return QStringLiteral("if LOCK_SP") + num(e1 % 128 + 1);
    case 20: return QStringLiteral("if LOCK_SI(SP") + num(e1 % 128 + 1) + QStringLiteral(")");
    case 21: return QStringLiteral("if D_INP") + num(e1 % 32 + 1);
    case 22: return QStringLiteral("if D_INI(SP") + num(e1 % 32 + 1) + QStringLiteral(") ");
    default: return {};
    }
}

QString bitLine(const std::array<int, 8> &bytes)
{
    QString line;
    for (int b : bytes) {
        for (int j = 0; j < 4; ++j) {
            line += QStringLiteral("    ") + bitCodeText(b % 4);
            b /= 4;
        }
    }
    return line;
}

QString absentActionText() { return QStringLiteral("    --").repeated(10) + QStringLiteral("   "); }

QString absentBitLineText() { return QStringLiteral("    --").repeated(32); }

} // namespace pelmora::alg

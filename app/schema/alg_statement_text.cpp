#include "schema/alg_statement_text.h"

#include "core/numbers.h"
#include "core/services.h"

#include <limits>

namespace pelmora::alg {

QString mid(const QString &text, long long start)
{
    if (start < 1)
        throw CompileError("statement cut before its first character");
    if (start > text.size())
        return QString();
    return text.mid(static_cast<qsizetype>(start - 1));
}

QString mid(const QString &text, long long start, long long len)
{
    if (len < 0)
        throw CompileError("statement cut with a negative length");
    if (start < 1)
        throw CompileError("statement cut before its first character");
    if (start > text.size())
        return QString();
    return text.mid(static_cast<qsizetype>(start - 1), static_cast<qsizetype>(std::min<long long>(len, text.size())));
}

QString left(const QString &text, long long len)
{
    if (len < 0)
        throw CompileError("statement cut with a negative length");
    return text.left(static_cast<qsizetype>(std::min<long long>(len, text.size())));
}

QString right(const QString &text, long long len)
{
    if (len < 0)
        throw CompileError("statement cut with a negative length");
    return text.right(static_cast<qsizetype>(std::min<long long>(len, text.size())));
}

long long find(const QString &text, const QString &what, long long from)
{
    if (from < 1)
        throw CompileError("statement searched before its first character");
    if (from > text.size())
        return 0;
    const qsizetype at = text.indexOf(what, static_cast<qsizetype>(from - 1));
    return at < 0 ? 0 : at + 1;
}

double numberValue(const QString &text) { return num::leadingNumber(text); }

std::uint8_t toByte(double v)
{
    const auto b = num::toByte(v);
    if (!b)
        throw CompileError("a statement's number does not fit its byte");
    return *b;
}

std::int32_t toWhole(double v)
{
    const auto w = num::toInt32(v);
    if (!w)
        throw CompileError("a statement's number is out of range");
    return *w;
}

std::uint8_t &stepByte(AlgorithmTables &alg, int row) { return alg.Step_Code(row, alg.Num_Step - 1); }

void reportCritical(const QString &text) { showMessage(text, MsgIcon::Critical, MsgButtons::Ok); }

void reportStepError(AlgorithmTables &alg, const QString &text)
{
    reportCritical(text + QString::number(alg.Num_Step));
    alg.Num_Step = 0;
}

} // namespace pelmora::alg

#include "schema/import_context.h"

#include "core/numbers.h"

#include <cfloat>
#include <cmath>

namespace pelmora::netlist {

QString mid(const QString &s, long long start, long long length)
{
    if (start < 1 || length < 0)
        throw ImportStop{};
    if (start > s.size())
        return QString();
    return s.mid(static_cast<qsizetype>(start - 1), static_cast<qsizetype>(std::min<long long>(length, s.size())));
}

QString left(const QString &s, long long n)
{
    if (n < 0)
        throw ImportStop{};
    return s.left(static_cast<qsizetype>(std::min<long long>(n, s.size())));
}

QString right(const QString &s, long long n)
{
    if (n < 0)
        throw ImportStop{};
    return s.right(static_cast<qsizetype>(std::min<long long>(n, s.size())));
}

double val(const QString &s)
{
    return num::leadingNumber(s);
}

long long toIndex(double v)
{
    const auto r = num::roundToInteger(v, -(1LL << 40), 1LL << 40);
    if (!r)
        throw ImportStop{};
    return *r;
}

float toSingle(double v)
{
    if (!std::isfinite(v) || std::fabs(v) > FLT_MAX)
        throw ImportStop{};
    return static_cast<float>(v);
}

long long nodePin(const QString &line)
{
    double p = val(right(line, 5));
    if (p == 0)
        p = val(right(line, 4));
    if (p == 0)
        p = val(right(line, 3));
    return toIndex(p);
}

} // namespace pelmora::netlist

#include "schema/import_context.h"

#include "core/numbers.h"

#include <cfloat>
#include <cmath>
#include <cstdint>

namespace pelmora::netlist {

QStringView midView(QStringView s, long long start, long long length)
{
    if (start < 1 || length < 0)
        throw ImportStop{};
    if (start > s.size())
        return {};
    const auto from = static_cast<qsizetype>(start - 1);
    return s.mid(from, static_cast<qsizetype>(std::min<long long>(length, s.size() - from)));
}

QStringView leftView(QStringView s, long long n)
{
    if (n < 0)
        throw ImportStop{};
    return s.left(static_cast<qsizetype>(std::min<long long>(n, s.size())));
}

QStringView rightView(QStringView s, long long n)
{
    if (n < 0)
        throw ImportStop{};
    return s.right(static_cast<qsizetype>(std::min<long long>(n, s.size())));
}

// The import reads many thousands of short numbers; the common ones (at most
// 15 digits, no exponent) are converted here exactly as the general reading
// would convert them (an exact integer divided by an exact power of ten is
// correctly rounded), everything else goes to the general reading.
double val(QStringView s)
{
    static constexpr double powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    auto blank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; };
    const qsizetype n = s.size();
    qsizetype i = 0;
    while (i < n && blank(s[i]))
        ++i;
    bool negative = false;
    if (i < n && (s[i] == u'+' || s[i] == u'-')) {
        negative = s[i] == u'-';
        ++i;
    }
    std::uint64_t mantissa = 0;
    int digits = 0, decimals = 0;
    bool point = false, any = false;
    for (; i < n; ++i) {
        const QChar c = s[i];
        if (c >= u'0' && c <= u'9') {
            any = true;
            if (mantissa != 0 || c != u'0')
                ++digits;
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(c.unicode() - u'0');
            if (point)
                ++decimals;
            if (digits > 15)
                return num::leadingNumber(s.toString());
        } else if (c == u'.' && !point) {
            point = true;
        } else if (!blank(c)) {
            break;
        }
    }
    if (!any)
        return 0.0;
    if (i < n && (s[i] == u'E' || s[i] == u'e' || s[i] == u'D' || s[i] == u'd'))
        return num::leadingNumber(s.toString());
    if (decimals > 22)
        return num::leadingNumber(s.toString());
    const double v = static_cast<double>(mantissa) / powers[decimals];
    return negative ? -v : v;
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

long long nodePin(QStringView line)
{
    double p = val(rightView(line, 5));
    if (p == 0)
        p = val(rightView(line, 4));
    if (p == 0)
        p = val(rightView(line, 3));
    return toIndex(p);
}

} // namespace pelmora::netlist

#include "elements/box_numbers.h"

#include "core/numbers.h"

#include <cmath>
#include <limits>

namespace pelmora::element {

namespace {

long long heldWhole(double v, long long lo, long long hi)
{
    if (std::isnan(v))
        return 0;
    const double r = num::roundHalfEven(v);
    if (r <= static_cast<double>(lo))
        return lo;
    if (r >= static_cast<double>(hi))
        return hi;
    return static_cast<long long>(r);
}

} // namespace

double boxNumber(const QString &text) { return num::leadingNumber(text, false); }

long long wholeNumber(double v)
{
    // Well inside the range of a double's exact integers.
    constexpr long long kLimit = 1LL << 52;
    return heldWhole(v, -kLimit, kLimit);
}

std::int16_t int16Field(double v) { return static_cast<std::int16_t>(heldWhole(v, -32768, 32767)); }

std::int32_t int32Field(double v)
{
    return static_cast<std::int32_t>(
        heldWhole(v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::uint8_t byteField(double v) { return static_cast<std::uint8_t>(heldWhole(v, 0, 255)); }

QString decimalText(double v)
{
    if (std::isfinite(v) && v == std::trunc(v) && std::fabs(v) < 1e15)
        return QString::number(static_cast<long long>(v));
    return QString::number(v, 'g', 15);
}

} // namespace pelmora::element

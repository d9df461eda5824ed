#include "monitors/bit_pattern.h"

namespace pelmora {

std::uint16_t bitPatternValue(const std::array<bool, 16> &bits)
{
    unsigned value = 0;
    for (unsigned i = 0; i < bits.size(); ++i)
        if (bits[i])
            value |= 1u << i;
    return static_cast<std::uint16_t>(value);
}

QString bitPatternCaption(const std::array<bool, 16> &bits)
{
    return QStringLiteral("D = ") + QString::number(bitPatternValue(bits));
}

} // namespace pelmora

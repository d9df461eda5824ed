#pragma once
// The bit calculator's arithmetic: sixteen ticked or unticked boxes as one
// unsigned 16-bit word.

#include <QString>
#include <array>
#include <cstdint>

namespace pelmora {

// Box i is bit i; the result is 0..65535.
std::uint16_t bitPatternValue(const std::array<bool, 16> &bits);

// The result label's text: "D = " and the value as a plain decimal number.
QString bitPatternCaption(const std::array<bool, 16> &bits);

} // namespace pelmora

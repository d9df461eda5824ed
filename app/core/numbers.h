#pragma once
// Number conversions shared by every subsystem: rounding, the integer
// division and remainder of the program's arithmetic, reading the number at
// the start of a text, and the print forms of numbers in files and controls.

#include <QString>
#include <cstdint>
#include <optional>

namespace pelmora::num {

// Nearest whole number, an exact half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double v);

// Round half-to-even into an integer type; nullopt when the result does not fit.
std::optional<long long> roundToInteger(double v, long long lo, long long hi);
std::optional<std::int16_t> toInt16(double v);
std::optional<std::int32_t> toInt32(double v);
std::optional<std::uint8_t> toByte(double v);

// Integer division and remainder on operands rounded half-to-even first: the
// quotient is truncated toward zero and the remainder takes the dividend's sign.
// Division by zero gives nullopt.
std::optional<long long> intDiv(double a, double b);
std::optional<long long> mod(double a, double b);

// The number at the start of a text: blanks are ignored, then an optional sign,
// digits with at most one decimal point and an optional exponent, read up to the
// first other character; 0 when the text does not start with a number.
// With ignoreInnerBlanks false only the leading blanks are skipped.
double leadingNumber(const QString &text, bool ignoreInnerBlanks = true);

// As leadingNumber, but a ',' also counts as the decimal point (numbers read
// from files written with either separator).
double leadingNumberAnySeparator(const QString &text);

// Shortest decimal text of a single-precision value with at most 7 significant
// digits, no leading blank: 0.5 -> "0.5", 123456789 -> "1.234568E+08".
QString shortText(float v);

// Print form of a number in files: a blank for a non-negative number or a minus
// sign, the digits, one trailing blank. Integers: 5 -> " 5 ", -1 -> "-1 ".
QString printInteger(long long v);
// Reals: no zero before the point of a value below one, 7 significant digits,
// the exponent form for very large or small magnitudes: 0.5 -> " .5 ".
QString printReal(float v);
// The digits of a real's print form without the sign blank and trailing blank.
QString realDigits(float v);

} // namespace pelmora::num

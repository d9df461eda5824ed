#pragma once
// Numbers in the element dialogs' text boxes. A box is read by one rule:
// leading blanks are skipped and the longest leading decimal number is taken;
// a text that does not start with a number reads as 0. Where the number goes
// into an integer field it is rounded half to even (2.5 -> 2, 3.5 -> 4); a
// number beyond the field's range stops at the range's end, so no typed text
// can overflow a field.

#include <QString>
#include <cstdint>

namespace pelmora::element {

double boxNumber(const QString &text);

// Rounded half to even, held at the field's range (not-a-number reads as 0).
long long wholeNumber(double v);
std::int16_t int16Field(double v);
std::int32_t int32Field(double v);
std::uint8_t byteField(double v);

// A box's number straight into a field.
inline std::int16_t int16Box(const QString &text) { return int16Field(boxNumber(text)); }
inline std::int32_t int32Box(const QString &text) { return int32Field(boxNumber(text)); }

// The text a box gets for a number the dialog computes: "15", "16.5".
QString decimalText(double v);

} // namespace pelmora::element

#pragma once
// Readable text of a compiled ALGORITHM step: the target and source operand
// of a value action, the head of the condition line and the code line of an
// output or flag block. Pure functions of the stored byte values; a code that
// has no text gives the empty string.

#include <QString>

#include <array>

namespace pelmora::alg {

// Operator signs by comparison code 0..16 (9..16 empty); other codes: empty.
QString operatorText(int code);

// Text of one 2-bit output or flag code 0..4 ("--", "1", "0", "i ", empty).
QString bitCodeText(int code);

// Target part of an action from its bytes 0 and 1, with the assignment sign
// ("OUT3 = ", "SI(SP2) += ", "SUM_SP5 = "); empty for the codes without a target.
QString actionTarget(int b0, int b1);

// Source operand from its two bytes ("INP5", "-5", "TIMER4_M", "BYTE7_255", "LOCK_3");
// empty for the classes without a text. Also the compared operand of a condition.
QString sourceOperand(int c0, int c1);

// Beginning of the condition line from record entries 0 and 1 ("if SP3",
// "CALL GO", "RET"); empty for class 0 and for classes 23 and above.
QString conditionHead(int e0, int e1);

// The 32 codes of a bit block, item 1 first, each as four blanks and its code.
QString bitLine(const std::array<int, 8> &bytes);

// Placeholder of an absent action and of an unknown condition class (63 characters).
QString absentActionText();
// Placeholder of an absent bit block: 32 times four blanks and "--".
QString absentBitLineText();

} // namespace pelmora::alg

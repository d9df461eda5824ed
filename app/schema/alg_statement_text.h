#pragma once
// What every ALGORITHM statement compiler shares: cutting statement texts the
// way the flowchart's attribute lines are laid out (1-based character
// positions), the number value of a text, the byte conversions that end a
// compile when a number does not fit, and the compilers' messages.

#include "core/model/project_model.h"

#include <QString>
#include <cstdint>
#include <stdexcept>

namespace pelmora::alg {

// A statement that cannot be compiled into bytes: a number that does not fit
// its byte, a line that cannot be cut. The flowchart import ends with its
// attributes message when one reaches it (as it does for a TableIndexError).
class CompileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Characters start.. of text (1-based) to its end, or at most len of them. A
// start below 1 or a negative len cannot be cut: CompileError. A start past the
// end gives "".
QString mid(const QString &text, long long start);
QString mid(const QString &text, long long start, long long len);
// The first len characters; a negative len cannot be cut: CompileError.
QString left(const QString &text, long long len);
// The last len characters; a negative len cannot be cut: CompileError.
QString right(const QString &text, long long len);
// 1-based position of what in text at or after from, 0 when absent.
long long find(const QString &text, const QString &what, long long from = 1);

// The number at the start of a text: leading blanks skipped, sign, digits,
// decimal point, exponent, blanks between them ignored; 0 without a number.
double numberValue(const QString &text);

// A value rounded half to even into a byte; anything outside 0..255 is a CompileError.
std::uint8_t toByte(double v);
// A value rounded half to even into a 32-bit integer, for the bit packings.
std::int32_t toWhole(double v);

// The byte of row `row` of the step being compiled. Step 0 (after a reported
// error) or a step above 500 has no column: TableIndexError.
std::uint8_t &stepByte(AlgorithmTables &alg, int row);

// Shows a compiler message with the critical icon.
void reportCritical(const QString &text);

// The compilers' messages (the step number follows each in decimal).
namespace msg {
inline const QString conditionNoOperator = QStringLiteral("Помилка умови у блоку <АЛГОРИТМ>  шаг A");
inline const QString conditionNoClass = QStringLiteral("Помилка умови у блоку <АЛГОРИТМ>  крок A");
inline const QString conditionParenthesis = QStringLiteral("Помилка у блоку <АЛГОРИТМ> умова А  крок A");
inline const QString actionError = QStringLiteral("Помилка операції у блоку <АЛГОРИТМ>  крок A");
// An output or flag list naming an item above 32.
inline const QString bitListError =
    QStringLiteral("Помилка списку виходів або прапорців (номер понад 32) у блоку <АЛГОРИТМ>  крок A");
inline const QString operandError = QStringLiteral("Помилка у блоку <АЛГОРИТМ> умова В>  крок A");
inline const QString timerUnit = QStringLiteral("Помилка TIMER_S_M_H крок A ");
inline const QString operandParenthesisCondition = QStringLiteral("Помилка у блоку <АЛГОРИТМ> умова В  крок A");
inline const QString operandParenthesisYes = QStringLiteral("Помилка у блоку <АЛГОРИТМ>   крок Y");
inline const QString operandParenthesisNo = QStringLiteral("Помилка у блоку <АЛГОРИТМ>   крок N");
} // namespace msg

// Shows `text` followed by the current step number with the critical icon and
// sets Num_Step to 0: the next write for the step fails and ends the import.
void reportStepError(AlgorithmTables &alg, const QString &text);

} // namespace pelmora::alg

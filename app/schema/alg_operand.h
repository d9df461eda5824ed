#pragma once
// The operand compiler: the right-hand side of an ALGORITHM condition or
// action (a constant, a memory item, a two-item form, a function-block item, a
// timer with its unit, a function of set-points) into its two operand bytes.

#include "core/model/project_model.h"

#include <QString>

namespace pelmora::alg {

// Writes the code byte of operand T into row R and its value byte into row
// R + 1 of step Num_Step. R is 2 for a condition, 28 / 32 (YES) or 52 / 56 (NO)
// for the actions. An operand "SP n = v" also sets set-point n of block
// Num_Block_Edit to v. An operand of no known form is reported and leaves
// Num_Step 0; a number that does not fit its byte throws CompileError.
void Compile_Operand(ProjectModel &m, const QString &T, int R);

} // namespace pelmora::alg

#pragma once
// The condition compiler: the statement of a step component ("INP3 = 1",
// "SP12 >= SP13", "CALL 7") into the step's condition kind, number byte,
// comparison code and right-hand operand.

#include "core/model/project_model.h"

namespace pelmora::alg {

// Compiles the condition on line ALGORITHM_Line + 4 (text from column 16) into
// step Num_Step: row 4 the comparison, rows 0 and 1 the left operand, rows 2
// and 3 the right operand. A statement without a known operator or left
// operand is reported and leaves Num_Step 0; one that cannot be cut, or whose
// numbers do not fit their bytes, throws.
void Compile_Condition(ProjectModel &m);

} // namespace pelmora::alg

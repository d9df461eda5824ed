#pragma once
// The rules of the memory editor's set-point tables without their window: which
// set-point a value cell stands for, how a typed number becomes a stored
// single-precision value, and where in the block's numeric record it goes.

#include "core/model/project_model.h"

namespace pelmora::alg {

// The set-point (1..128) a value cell edits: the value table shows SP1 to
// SP128 in eight column pairs of sixteen rows (values in the odd columns),
// the comment table one set-point a row. 0 for a cell that holds no value.
int setPointOfValueCell(int grid, int row, int col);

// A typed number as the single-precision value stored: a number beyond single
// precision (or no finite number at all) keeps its sign at the largest single value.
float singleValue(double typed);

// Stores set-point n (1..128) of the block being edited. A set-point outside
// 1..128, or one whose place would lie beyond the value pool, is not stored.
bool storeSetPoint(ProjectModel &m, int n, float value);

} // namespace pelmora::alg

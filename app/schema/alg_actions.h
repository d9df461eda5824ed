#pragma once
// The compilers of a YES or NO block's lines: the output and flag lists (two
// bits per item: set, reset, or both) and the two action statements.
//
// Both read the statement line ALGORITHM_Line + L of Alg_NetList_Line, cut the
// statement text from column C, and write into step Num_Step.

#include "core/model/project_model.h"

namespace pelmora::alg {

// A list of items (a blank and a number of one or two digits, or a range n-m)
// scanned from character F of the text cut from column C up to the attribute's
// closing quote (T = C + 2). Each item of the 8-byte block at row R gets code
// 1 (V = 0, a set line) or 2 (V = 1, a reset line), OR-ed into what the other
// line gave, so an item on both lines has code 3. The block's bit in row 9 is
// set exactly when the block holds a code. An item above 32 is reported and
// leaves Num_Step 0.
void Compile_Bit_List(ProjectModel &m, int L, int C, int R, int T, int V, int F);

// An action "target operator operand" into the four rows from R: opcode,
// target byte, operand bytes. ORMask is the action's bit in row 9, ANDMask its
// complement; the empty templates "OUT =" and "SP =" clear the bit. A target of
// no known form, or without the operator or suffix its form needs, is reported
// and leaves Num_Step 0.
void Compile_Action(ProjectModel &m, int L, int C, int ORMask, int ANDMask, int R);

} // namespace pelmora::alg

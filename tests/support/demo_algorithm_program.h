#pragma once
// The stored step records that examples/demo_algorithm.net compiles to in the
// demo schema's ALGORITHM block (records at offsets 0, 47 and 70):
// Step 1: INP1 = 1, YES: OUT1 on, FLAG1 on, TIMER1 = 30, then step 2; NO: OUT1 and OUT2 off, FLAG1 off, back to 1.
// Step 2: SP1 >= SP2, YES: OUT1 off, OUT2 on, SP3 += 1, back to 1; NO: step 3.
// Step 3: FLAG1 = 1, YES: step 2; NO: step 1.

#include <vector>

namespace pelmora::test {

// clang-format off
inline const std::vector<int> kDemoAlgorithmProgram = {
    // step 1, 47 texts: head, YES outputs, YES flags, YES action 1, NO outputs, NO flags
    8, 0, 8, 1, 0, 0, 47, 0, 0, 55, 0,
    1, 0, 0, 0, 0, 0, 0, 0,
    1, 0, 0, 0, 0, 0, 0, 0,
    168, 0, 8, 30,
    10, 0, 0, 0, 0, 0, 0, 0,
    2, 0, 0, 0, 0, 0, 0, 0,
    // step 2, 23 texts: head, YES outputs, YES action 1
    40, 0, 32, 1, 4, 0, 0, 0, 70, 5, 1,
    6, 0, 0, 0, 0, 0, 0, 0,
    72, 2, 8, 1,
    // step 3, 11 texts
    24, 0, 8, 1, 0, 0, 47, 0, 0, 0, 2,
};
// clang-format on

} // namespace pelmora::test

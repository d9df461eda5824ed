#pragma once
// The compiled form of an ALGORITHM step: the rows of the working table
// Step_Code, the encodings of operands (packings A, B and C), and the stored
// record ALGORITHM_Step, a run of decimal byte texts in the block's text
// parameters located by Step_Offset.

#include "core/model/project_model.h"

#include <array>
#include <cstdint>

namespace pelmora::alg {

// Rows of one step's column in Step_Code.
namespace row {
constexpr int Kind = 0;    // condition kind, 0 = no condition
constexpr int Number = 1;  // condition number byte
constexpr int Operand = 2; // right-hand operand, rows 2 and 3
constexpr int Compare = 4; // comparison code
constexpr int Parts = 9;   // one bit per present optional part
constexpr int YesOut = 10, YesFlag = 18, YesAction1 = 26, YesAction2 = 30;
constexpr int NoOut = 34, NoFlag = 42, NoAction1 = 50, NoAction2 = 54;
} // namespace row

// The optional parts of a step in bit order: their bit in row 9, first row, size.
struct StepPart {
    int bit;
    int firstRow;
    int size;
};
inline constexpr std::array<StepPart, 8> kStepParts = {{
    {1, row::YesOut, 8},
    {2, row::YesFlag, 8},
    {4, row::YesAction1, 4},
    {8, row::YesAction2, 4},
    {16, row::NoOut, 8},
    {32, row::NoFlag, 8},
    {64, row::NoAction1, 4},
    {128, row::NoAction2, 4},
}};

// Entries of the stored record.
namespace entry {
constexpr int YesJumpHigh = 5, YesJumpLow = 6, NoJumpHigh = 7, NoJumpLow = 8;
constexpr int Parts = 9, OwnIndex = 10, FirstPart = 11;
} // namespace entry
constexpr int kRecordHead = 11;

// A code byte and a value byte.
struct OperandBytes {
    std::uint8_t code = 0;
    std::uint8_t value = 0;
    bool operator==(const OperandBytes &) const = default;
};

// The packings take the numbers as written (each is taken minus one) and mask
// them into their fields as the controller reads them; a byte that still does
// not fit is a CompileError.
// A: code base + ((a-1) \ 4 and 7), value ((a-1) and 3) * 64 + ((b-1) and 63).
OperandBytes packA(int base, double a, double b);
// B: code base + ((x-1) \ 16 and 7), value ((x-1) and 15) * 16 + (y-1), y 1..16.
OperandBytes packB(int base, double x, double y);
// C: code 192 + ((t-1) \ 4 and 7), value ((t-1) and 3) * 64 + unit.
OperandBytes packC(double t, int unit);

// Copies step cnt_BLOK (1..500) of Step_Code into its stored record in the
// text parameters of block Num_Block_Edit: the head entries, then for the side
// YES_NO (0 = YES, else NO) the present parts, packed from entry 11 on, the NO
// parts after the YES parts of the same step.
void Save_parametr_NAME(ProjectModel &m, int cnt_BLOK, int YES_NO);

// The same into a given text pool, with the block's record starting at base.
void saveStepRecord(AlgorithmTables &alg, Table<QString, 0, 20000> &texts, long long base, int cnt_BLOK, int YES_NO);

// Record length of step s (1..500): 11 plus the sizes of its present parts.
int stepRecordLength(const AlgorithmTables &alg, const Catalogue &c, int s);

// Lays the records of steps 1..256 out back to back from the block's first
// text: Step_Offset, Alg_Size and Alg_Size_Empty (11 for every step without a
// condition).
void layOutStepRecords(AlgorithmTables &alg, const Catalogue &c);

} // namespace pelmora::alg

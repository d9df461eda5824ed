#pragma once
// The compiled ALGORITHM program: the working step table, the layout of the
// stored step records, and the working tables of the flowchart import.

#include "core/table.h"

#include <QString>
#include <cstdint>

namespace pelmora {

struct AlgorithmTables {
    // Working table: 60 rows, step n (1..500) in column n - 1.
    Table2<std::uint8_t, 0, 59, 0, 499> Step_Code;
    // (0, s) start and (1, s) length of the stored record of step s + 1.
    Table2<std::int32_t, 0, 1, 0, 500> Step_Offset;
    std::int32_t Alg_Size = 0;
    std::int32_t Alg_Size_Empty = 0;
    // The step the statement compilers write into; 0 after a reported error.
    std::int16_t Num_Step = 0;

    // The fields of the last flowchart file read, entries 1..10000.
    Table<QString, 1, 10000> Alg_NetList_Line;
    // Index in Alg_NetList_Line of the component being compiled.
    std::int32_t ALGORITHM_Line = 0;
    // (1, r): designator of the r-th component the import met.
    Table2<QString, 1, 4, 1, 600> Alg_Comp_Name;
    // (slot, component): the wiring found in the flowchart's nets (slots 1..6 used).
    Table2<std::uint8_t, 0, 8, 0, 499> Step_Link;

    // Position of Save_parametr_NAME between its YES and NO call for one step.
    // Block_Param_Offset is also a cursor of the project reader and writer,
    // which set it before they use it.
    std::int16_t Save_Param_Started = 0;
    std::int16_t Save_Param_Count = 0;
    std::int16_t Block_Param_Offset = 0;

    // -- project file --
    // Comments of the ALGORITHM memory cells, 0..Comment_Count (at most 2464).
    Table<QString, 0, 2464> ALGORITHM_Comment;
    // Group flags (row 0..2, group 0..499); rows 0 and 1 are saved and restored.
    Table2<std::uint8_t, 0, 2, 0, 499> Alg_Group_Flag;
    // -- end of project file --
};

} // namespace pelmora

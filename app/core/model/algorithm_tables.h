#pragma once
// The compiled ALGORITHM program: the working step table and the layout of
// the stored step records.

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
    std::int16_t Num_Step = 0;

    // -- project file --
    // Comments of the ALGORITHM memory cells, 0..Comment_Count (at most 2464).
    Table<QString, 0, 2464> ALGORITHM_Comment;
    // Group flags (row 0..2, group 0..499); rows 0 and 1 are saved and restored.
    Table2<std::uint8_t, 0, 2, 0, 499> Alg_Group_Flag;
    // -- end of project file --
};

} // namespace pelmora

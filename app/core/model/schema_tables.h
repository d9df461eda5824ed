#pragma once
// The schema: blocks, parameter pools, connections, inverted inputs, and the
// working tables of the netlist reading.

#include "core/table.h"

#include <QString>
#include <cstdint>

namespace pelmora {

struct SchemaTables {
    // Netlist fields of the last netlist read, entries 1..10000.
    Table<QString, 1, 10000> NetList_Line;

    Table2<QString, 1, 4, 0, 100> Block_Name;
    Table<std::int32_t, 0, 100> Attr_Start;

    Table<std::uint8_t, 0, 100> Block_Type;
    Table<std::int32_t, 0, 100> Parametr_Value_Start;
    Table<std::int32_t, 0, 100> Parametr_Name_Start;
    std::int16_t Parametr_Value_Size = 0;
    std::int16_t Parametr_Name_Size = 0;
    Table<float, 0, 10000> Parametr_Value;
    Table<QString, 0, 20000> Parametr_Name;

    Table2<std::uint8_t, 0, 16, 0, 100> Block_Link;
    Table<std::uint8_t, 0, 65> Grafik_Link;
    Table<std::uint8_t, 0, 65> Jurnal_Link;
    Table2<std::uint8_t, 0, 8, 0, 65> Alg_Link;
    Table<std::uint8_t, 0, 104> Invert_Input;
    Table<std::uint8_t, 0, 8> Invert_Jurnal;
    Table<std::uint8_t, 0, 8> Invert_Rep;

    // ALGORITHM parameter values kept for the project file.
    Table2<QString, 0, 1, 0, 129> ALGORITHM_Block_Line;
    // ALGORITHM texts (the stored program) read from the project file; the
    // import copies record 0 into every ALG block.
    Table2<QString, 0, 1, 0, 9184> ALGORITHM_Parametr;
    // -- project file --
    // The report record of the first REP block, kept from the project file.
    std::int16_t Rep_Block_Value = 0;
    Table<QString, 0, 16> Rep_Block_Text;
    // -- end of project file --
    // Text start of the ALG block the import placed last.
    std::int32_t ALGORITHM_Param_Base = 0;

    // Value column of the attribute line searched last (kept from one search,
    // and one import, to the next).
    std::int16_t Attr_Col = 0;

    std::int16_t Num_Block_AI = 0; // the last A_I block the import read

    // True while the open project's netlist could not be imported when the
    // project was opened: the schema holds only what the project file gave,
    // no block is laid out, and nothing of it may be written into a
    // controller. The next netlist import clears it.
    bool Netlist_Not_Loaded = false;
};

} // namespace pelmora

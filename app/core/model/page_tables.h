#pragma once
// The SCADA pages: current page, names, grid settings and the page element tables.

#include "core/table.h"

#include <QString>
#include <cstdint>

namespace pelmora {

struct PageTables {
    std::int16_t Num_Stranica_SCADA = 0;
    Table<QString, 0, 16> Stranica_Name;

    std::int16_t Setka_Razmer = 0;
    std::int16_t Control_Grid = 0;
    std::int16_t Setka_Razmer_Menu = 0;
    std::int16_t Control_Grid_Menu = 0;
    std::int16_t Pending_Element_Kind = 0;

    // Element tables (page 0..16, slot; slot 0 is the insertion template).
    Table2<std::int16_t, 0, 16, 0, 40> Parametr_Font_Size;
    Table2<std::int16_t, 0, 16, 0, 32> Text_Signal_Font_Size;
};

} // namespace pelmora

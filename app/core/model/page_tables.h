#pragma once
// The SCADA pages: current page, names, backgrounds, grid settings, and the
// page element tables (core/model/element_tables.h), reached through the
// pages as m.pages.Signal_Coord_X(p, n).

#include "core/model/element_tables.h"
#include "core/table.h"

#include <QString>
#include <cstdint>

namespace pelmora {

struct PageTables : ElementTables {
    PageTables() { Stranica_Fon_Color.fill(0xC0FFC0); }

    std::int16_t Num_Stranica_SCADA = 0;
    Table<QString, 0, 16> Stranica_Name;
    // Controller number of each page as the list index 0..15 ("№1".."№16"), -1 = none chosen.
    Table<std::int16_t, 0, 16> Stranica_Num_Net;

    // Background picture of each page: entry p a backslash and the bare file
    // name, relative to the project folder; entry Stranica_Count + p the full
    // path the picture was chosen from. The flag is 1 while page p shows it.
    Table<QString, 0, 32> Stranica_Fon_Name;
    Table<std::uint8_t, 0, 32> Stranica_Fon_Flag;
    // Background colour of each page canvas, 0x00BBGGRR.
    Table<std::int32_t, 0, 16> Stranica_Fon_Color;

    std::int16_t Setka_Razmer = 0;
    std::int16_t Control_Grid = 0;
    std::int16_t Setka_Razmer_Menu = 0;
    std::int16_t Control_Grid_Menu = 0;
    std::int16_t Pending_Element_Kind = 0;
};

} // namespace pelmora

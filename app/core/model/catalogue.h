#pragma once
// The block-type catalogue and the per-type tables, indexed by type code.

#include "core/table.h"

#include <QString>
#include <cstdint>

namespace pelmora {

struct Catalogue {
    Table<QString, 1, 50> Block_Type_Names;
    Table<std::int16_t, 0, 50> Parametr_Value_Count;
    Table<std::int16_t, 0, 50> Parametr_Name_Count;
    Table<std::uint8_t, 0, 50> Num_OUT_First;
    Table<std::int16_t, 0, 50> Num_OUT_Last;
    Table<std::int16_t, 0, 50> Num_Zad_Max;
    Table2<std::uint8_t, 0, 51, 0, 32> Num_OUT_List;
    Table2<std::int16_t, 0, 50, 0, 385> Parametr_Value_Slot;
    Table2<std::uint8_t, 0, 50, 0, 132> Parametr_Name_Slot;
    Table<std::int16_t, 0, 15> Alg_Pin_Group;
    Table<std::int16_t, 0, 8> ALGORITHM_Field_Size;
    Table<QString, 0, 5> Speed_List;
    Table<QString, 0, 15> Sensor_Type_Names;
};

// Type codes that other code names.
namespace type {
constexpr int A_I = 1, A_O = 2, D_I = 3, D_O = 4, RS4 = 5, SYS = 6, MUL = 9, SUM = 10, DIV = 11, SQR = 12, ABS = 13,
              AND = 17, OR_ = 18, XOR = 19, TRI = 20, REG = 21, S_P = 25, PID = 26, MUX = 27, PRO = 28, PAN = 29,
              RTC = 30, COD = 31, MIN = 33, LIM = 34, CMP = 35, TIM = 36, COU = 37, OSC = 38, GRA = 41, JUR = 42,
              SCA = 43, LOG = 44, ALG = 45, UNI = 46, MON = 47, REP = 48, INV = 49, TOU = 50;
}

// Fills the three fixed lists and the attribute-slot maps and output labels.
void fillCatalogueLists(Catalogue &c);
// Fills names, counts, output ranges, pin groups and set-point counts. The ALG
// text count is copied from algNameCount.
void fillCatalogueTypes(Catalogue &c, std::int16_t algNameCount);

// Bytes one text of a block of type t takes in the schema's text area: the
// same widths lay out the text-area size of the import and the upload's frame.
int schemaTextWidth(int t);

} // namespace pelmora

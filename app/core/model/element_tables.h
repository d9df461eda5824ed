#pragma once
// The page element tables: one set of tables per element kind, each named by
// kind and field, indexed (page 0..16, slot). Slot 0 of every kind is its
// insertion template; page 16 is kept like the others but never shown.
//
// Field widths are those the project file and the uploads carry: I = 16-bit,
// L = 32-bit, B = byte, X = text. Packed fields (list number in the top edge,
// shape in the sizes, set-point and frame bits) are held exactly as packed;
// elements/element_codec.h packs and unpacks them.
//
// The canvas view of slot n on page p has the index p * 32 + n
// (p * 64 + n for static texts, p * 8 + n for menus); graph windows and clocks
// have one entry per page, at index page + 1.

#include "core/table.h"

#include <QString>
#include <cstdint>

namespace pelmora {

// (page 0..16, slot 0..Slots)
template <typename T, long long Slots> using PageSlotTable = Table2<T, 0, 16, 0, Slots>;

struct ElementTables {
    // Numeric parameter, slots 1..32 used (declared to 40).
    PageSlotTable<std::int16_t, 40> Parametr_Used;
    PageSlotTable<std::int16_t, 40> Parametr_Coord_X;
    PageSlotTable<std::int16_t, 40> Parametr_Coord_Y;
    PageSlotTable<std::int32_t, 40> Parametr_Color;
    PageSlotTable<std::int32_t, 40> Parametr_Color_Fon;
    PageSlotTable<std::uint8_t, 40> Parametr_Border_Style;
    PageSlotTable<std::uint8_t, 40> Parametr_Font_Size; // 10, 14, 18, 25; 24 = time format
    PageSlotTable<std::uint8_t, 40> Parametr_Digits;    // 0..4 = 2..6 digits
    PageSlotTable<std::uint8_t, 40> Parametr_Num_Block;
    PageSlotTable<std::uint8_t, 40> Parametr_Num_OUT; // bit 7: set-point

    // Signal indicator.
    PageSlotTable<std::int16_t, 32> Signal_Used;
    PageSlotTable<std::int16_t, 32> Signal_Coord_X;
    PageSlotTable<std::int16_t, 32> Signal_Coord_Y;  // top + list number * 1024
    PageSlotTable<std::int16_t, 32> Signal_Razmer_X; // width + (shape & 3) * 64
    PageSlotTable<std::int16_t, 32> Signal_Razmer_Y; // height + (shape / 4) * 64
    PageSlotTable<std::int32_t, 32> Signal_Color;
    PageSlotTable<std::int32_t, 32> Signal_Color_Fon;
    PageSlotTable<std::uint8_t, 32> Signal_Border_Style;
    PageSlotTable<std::uint8_t, 32> Signal_Miganie_Flag;
    PageSlotTable<std::uint8_t, 32> Signal_Num_Block;
    PageSlotTable<std::uint8_t, 32> Signal_Num_OUT;

    // Text signal.
    PageSlotTable<std::int16_t, 32> Text_Signal_Used;
    PageSlotTable<std::int16_t, 32> Text_Signal_Coord_X;
    PageSlotTable<std::int16_t, 32> Text_Signal_Coord_Y; // top + list number * 1024
    PageSlotTable<std::uint8_t, 32> Text_Signal_Font_Size;
    PageSlotTable<std::int32_t, 32> Text_Signal_Color;
    PageSlotTable<std::int32_t, 32> Text_Signal_Color_Fon;
    PageSlotTable<QString, 32> Text_Signal_Text_Off;
    PageSlotTable<QString, 32> Text_Signal_Text_On;
    PageSlotTable<std::uint8_t, 32> Text_Signal_Border_Style; // set-point * 128 + frame
    PageSlotTable<std::uint8_t, 32> Text_Signal_Miganie_Flag;
    PageSlotTable<std::uint8_t, 32> Text_Signal_Num_Block;
    PageSlotTable<std::uint8_t, 32> Text_Signal_Num_OUT; // index + 128 in number mode

    // Level bar (and manometer records).
    PageSlotTable<std::int16_t, 32> Level_Used;
    PageSlotTable<std::int16_t, 32> Level_Coord_X;
    PageSlotTable<std::int16_t, 32> Level_Coord_Y;
    PageSlotTable<std::int16_t, 32> Level_Razmer_X;
    PageSlotTable<std::int16_t, 32> Level_Razmer_Y;
    PageSlotTable<std::int32_t, 32> Level_Scale;
    PageSlotTable<std::int32_t, 32> Level_Color;
    PageSlotTable<std::int32_t, 32> Level_Color_Fon;
    PageSlotTable<std::uint8_t, 32> Level_Type; // horizontal * 2 + frame
    PageSlotTable<std::uint8_t, 32> Level_Num_Block;
    PageSlotTable<std::uint8_t, 32> Level_Num_OUT;

    // Transition: used 0 free, 1 single field, 3 double field.
    PageSlotTable<std::int16_t, 32> Go_Block_Used;
    PageSlotTable<std::int16_t, 32> Go_Block_Coord_X;
    PageSlotTable<std::int16_t, 32> Go_Block_Coord_Y;
    PageSlotTable<std::int16_t, 32> Go_Block_Target; // target code
    PageSlotTable<std::int16_t, 32> Go_Block_Param;  // lock * 128 + list position (+ 2 for type 4)

    // Figure, slots 1..32 used (declared to 64).
    PageSlotTable<std::int16_t, 64> Figura_Used;
    PageSlotTable<std::int16_t, 64> Figura_Coord_X;
    PageSlotTable<std::int16_t, 64> Figura_Coord_Y;
    PageSlotTable<std::int16_t, 64> Figura_Razmer_X;
    PageSlotTable<std::int16_t, 64> Figura_Razmer_Y;
    PageSlotTable<std::int32_t, 64> Figura_Color;
    PageSlotTable<std::int16_t, 64> Figura_Type; // 0 rectangle, 1 circle
    PageSlotTable<std::int16_t, 64> Figura_Line_Width;

    // Mechanism.
    PageSlotTable<std::int16_t, 32> Vent_Used;
    PageSlotTable<std::int16_t, 32> Vent_Coord_X;
    PageSlotTable<std::int16_t, 32> Vent_Coord_Y;
    PageSlotTable<std::int16_t, 32> Vent_Razmer_X;
    PageSlotTable<std::int16_t, 32> Vent_Razmer_Y;
    PageSlotTable<std::int32_t, 32> Vent_Picture_Num; // picture code 0..22
    PageSlotTable<std::uint8_t, 32> Vent_Num_Block;
    PageSlotTable<std::uint8_t, 32> Vent_Num_OUT;
    // (word 0..1, page 0..16): bit n - 1 of word 0 for slots 1..16, bit n - 17
    // of word 1 for slots 17..32; a set bit shows the mechanism without background.
    Table2<std::int32_t, 0, 1, 0, 16> Vent_Fon_Bits;
    std::uint8_t Vent_Picture_Choice = 0; // the picture code picked in the mechanism dialog
    // Phase pictures of the user mechanism (entries 0..7, 8 = the preview choice):
    // a backslash and the bare file name, relative to the project folder.
    Table<QString, 0, 16> Mechanizm_Gif_Name;
    // Where each of those files was chosen or opened from (a full path), so
    // that saving copies it beside the project as it copies the page
    // pictures. Not stored in the project file.
    Table<QString, 0, 16> Mechanizm_Gif_Source;
    // The phase the phase editor's preview shows next; kept between openings.
    std::int16_t Faza_Preview = 0;
    // 1 while the phase editor packs a phase for the upload: the preview stands still.
    std::uint8_t Mechanizm_Upload_Busy = 0;

    // Static text, slots 1..64.
    PageSlotTable<std::int16_t, 64> Text_Label_Used;
    PageSlotTable<std::int16_t, 64> Text_Label_Coord_X;
    PageSlotTable<std::int16_t, 64> Text_Label_Coord_Y;
    PageSlotTable<std::int32_t, 64> Text_Label_Color;
    PageSlotTable<QString, 64> Text_Label_Text;
    PageSlotTable<QString, 64> Text_Label_Font_Name;
    PageSlotTable<std::int16_t, 64> Text_Label_Font_Bold;   // -1 true, 0 false
    PageSlotTable<std::int16_t, 64> Text_Label_Font_Italic; // -1 true, 0 false
    PageSlotTable<std::uint8_t, 64> Text_Label_Font_Size;

    // Graph window of a page, index page + 1.
    Table<std::int16_t, 0, 16> Grafik_Used;
    Table<std::int16_t, 0, 16> Grafik_Coord_X;
    Table<std::int16_t, 0, 16> Grafik_Coord_Y;
    Table<std::int16_t, 0, 16> Grafik_Razmer_X;
    Table<std::int16_t, 0, 16> Grafik_Razmer_Y;
    Table<std::uint8_t, 0, 16> Grafik_Grup_Num; // groups 1..8 as 0..7

    // Clock of a page, index page + 1.
    Table<std::int16_t, 0, 16> Clock_Used;
    Table<std::int16_t, 0, 16> Clock_Coord_X;
    Table<std::int16_t, 0, 16> Clock_Coord_Y;

    // Control button.
    PageSlotTable<std::int16_t, 32> Control_Used;
    PageSlotTable<std::int16_t, 32> Control_Coord_X;
    PageSlotTable<std::int16_t, 32> Control_Coord_Y; // for key type 13 the top edge + 10
    PageSlotTable<std::uint8_t, 32> Control_Num_Block;
    PageSlotTable<std::uint8_t, 32> Control_Num_OUT; // channel list position
    PageSlotTable<QString, 32> Control_Gif_Name;     // "" = the built-in picture
    PageSlotTable<std::int16_t, 32> Control_Razmer_X;
    PageSlotTable<std::int16_t, 32> Control_Razmer_Y;
    PageSlotTable<std::uint8_t, 32> Control_Key_Type; // 0..19

    // Menu item, slots 1..8 used (declared to 16; the target table to 32).
    PageSlotTable<std::int16_t, 16> Menu_Used;
    PageSlotTable<std::int16_t, 16> Menu_Coord_X; // of the item's text box
    PageSlotTable<std::int16_t, 16> Menu_Coord_Y;
    PageSlotTable<QString, 16> Menu_Caption;
    PageSlotTable<std::uint8_t, 32> Menu_Stranica; // target page 0..15

    // The warning banner, one per project.
    std::int16_t Varning_Stranica = 0; // page 1..16, 0 = none
    std::int16_t Varning_Coord_X = 0;
    std::int16_t Varning_Coord_Y = 0;
    std::int32_t Varning_Color = 0;
    std::int32_t Varning_Color_Fon = 0;
    std::int16_t Varning_Num_Block = 0;
    std::int16_t Varning_Num_OUT = 0;

    // Slot of the text signal chosen as report element, 0 = none.
    std::int16_t Rep_Arch_Signal = 0;

    // The blink phase of the signal and text signal dialogs' previews, 0 or 1,
    // shared by both dialogs.
    std::int16_t Dialog_Miganie_State = 0;
};

} // namespace pelmora

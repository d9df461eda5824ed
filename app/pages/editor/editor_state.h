#pragma once
// The page editor's own state, kept apart from the windows: the pointer point
// the editor last recorded, the selection rectangle and its grab point, the
// selection flags of the nine kinds a band carries, the copy buffer, the
// resize handle and the element lock. The editing operations (one per file in
// this folder) read and write it together with the page tables; the window
// draws the rectangle and the handle from it.

#include "core/table.h"

#include <cstdint>

namespace pelmora::pages {

// The selection rectangle Select_copy: one for all pages, on the canvas of the
// page where the last band was started or the last paste was made. Width and
// Height are never negative.
struct SelectionRect {
    float Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = false;
    int page = 0; // the canvas that holds it
};

// The resize handle Zoom(2), a 10 x 10 square whose top left corner touches the
// lower right corner of its element.
struct ResizeHandle {
    int Left = 0, Top = 0;
    bool Visible = false;
    int page = 0; // the canvas that holds it
};

struct EditorState {
    // The last pointer point the editor recorded, pixels: a move over a canvas
    // writes the canvas point, a press on an element or on the handle the point
    // grabbed inside it. The point of a paste.
    std::int16_t Mouse_X = 0, Mouse_Y = 0;
    // 1 after a double-click inserted a menu item: the next move over a menu
    // picture drags nothing and clears it.
    std::uint8_t Insert_Flag = 0;
    // The check mark of mnuBlockSCADA: while set, single elements are neither
    // dragged nor resized (the group move and the menu commands still work).
    bool Element_Lock = true;

    // --- band and group move ---
    SelectionRect Select_copy;
    // The grab point of the last left press inside the shown rectangle, (0, 0)
    // after a press that started a new band; while either is below 1 a left
    // move draws the band, otherwise it moves the group.
    std::int16_t Select_Start_X = 0, Select_Start_Y = 0;
    // The rectangle's corner at that press.
    std::int16_t Select_Origin_X = 0, Select_Origin_Y = 0;
    // 1 for a slot of the current page that the next left move carries along.
    Table<std::uint8_t, 0, 40> Parametr_Selected;
    Table<std::uint8_t, 0, 33> Signal_Selected;
    Table<std::uint8_t, 0, 33> Text_Signal_Selected;
    Table<std::uint8_t, 0, 33> Control_Selected;
    Table<std::uint8_t, 0, 33> Level_Selected;
    Table<std::uint8_t, 0, 33> Go_Block_Selected;
    Table<std::uint8_t, 0, 33> Figura_Selected;
    Table<std::uint8_t, 0, 33> Vent_Selected;
    Table<std::uint8_t, 0, 64> Text_Label_Selected;

    // --- copy buffer ---
    // (copy kind code 0..8, list position 0..63): slots of the source page,
    // dense from position 0, 0 after the last entry.
    Table2<std::int16_t, 0, 16, 0, 64> Selection_Table;
    std::uint8_t Copy_Stranica = 0;                  // the source page
    std::int16_t Copy_Coord_X = 0, Copy_Coord_Y = 0; // the copied group's top left corner
    std::int16_t Copy_Razmer_X = 0, Copy_Razmer_Y = 0;

    // --- resize handle ---
    std::uint8_t Zoom_Kind = 0;  // 0 figure, 1 signal, 2 level bar
    std::int16_t Zoom_Index = 0; // control index of the element the handle sizes
    ResizeHandle Zoom;

    // --- dragging ---
    // A drag step's message has been shown since the last press on an element.
    bool Drag_Message_Shown = false;
};

} // namespace pelmora::pages

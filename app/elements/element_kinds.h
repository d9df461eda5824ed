#pragma once
// The names of the SCADA page elements shared by the records, the page
// editor, the dialogs and the uploads: the kinds, the codes the insert items
// leave in Pending_Element_Kind, the copy codes a band carries, and the
// control arrays that show the elements on the canvases. What varies by
// kind is held in the one table of kind_table.h.

#include <cstdint>

namespace pelmora::element {

// Every element kind of a page. The manometer (a level bar's picture) and
// the clock have no dialog of their own.
enum class Kind {
    Varning,    // warning banner, one per project
    Signal,     // signal indicator
    TextSignal, // text signal
    Parameter,  // numeric parameter
    Level,      // level bar
    Control,    // control button
    Transition, // transition
    Menu,       // menu item
    Graph,      // graph window, one per page
    Figure,     // figure
    StaticText, // static text
    Mechanism,  // mechanism
    Manometer,  // manometer picture
    Clock,      // clock, one per page
};

inline constexpr int kKindCount = 14;

// Pending_Element_Kind: the kind chosen last in an insert item (0 = none yet).
enum PendingKind : std::int16_t {
    PendingNone = 0,
    PendingFigure = 2,
    PendingMenu = 3,
    PendingStaticText = 4,
    PendingTransition = 5,
    PendingParameter = 6,
    PendingLevel = 7,
    PendingSignal = 8,
    PendingTextSignal = 9,
    PendingControl = 10,
    PendingClock = 11,
    PendingMechanism = 12,
};

// The copy kind codes, the first index of Selection_Table: the nine kinds
// that a band carries and that Copy, Delete and Paste take.
enum class SelectKind {
    Parameter = 0,
    Signal = 1,
    TextSignal = 2,
    Level = 3,
    StaticText = 4,
    Control = 5,
    Transition = 6,
    Mechanism = 7,
    Figure = 8,
};

// The control arrays of the canvases, and the single warning line.
enum class ViewArray {
    Parametr_Label,
    Signal_Picture,
    Text_Signal_Picture,
    Level_Picture,
    Level_Picture_1,
    Manometr_Img,
    Go_Block_Label,
    Control_Image,
    Ventilator_Picture,
    ShapePlus1,
    Text_Label_Label,
    Menu_Image,
    Menu_Text,
    Grafik_Image,
    Real_Clock,
    Real_Time,
    Varning_Text, // index 0; measured in pixels of the main window
};

inline constexpr int kViewArrayCount = 17;

} // namespace pelmora::element

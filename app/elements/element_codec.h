#pragma once
// Packing and unpacking of the packed fields of the page element tables.
// The element dialogs pack, their openers, the page editor, the project file
// and the page upload unpack; all of them go through these functions so the
// layout of the bits lives in one place.

#include "core/table.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace pelmora::element {

// --- Signal_Coord_Y, Text_Signal_Coord_Y: top + list number * 1024 ---------
// The stored value keeps the list number; a view shows the top without it,
// as the value's low nine bits (the page is 480 pixels high). Opening a
// project, a paste, a drag and a dialog's Ok all place the view there.
inline constexpr int kListUnit = 1024;
template <class N> constexpr N listTopPack(N top, int list) { return top + list * kListUnit; }
constexpr int listNumber(int packed) { return packed / kListUnit; }
constexpr int viewTop(int packed) { return packed & 511; }
// The packed value with a new top under the same list number.
constexpr int withListTop(int packed, int top) { return listTopPack(top, listNumber(packed)); }

// --- Signal_Razmer_X / Signal_Razmer_Y: size + part of the shape * 64 -------
inline constexpr int kShapeUnit = 64;
template <class N> constexpr N signalWidthPack(N width, int shape) { return width + (shape & 3) * kShapeUnit; }
template <class N> constexpr N signalHeightPack(N height, int shape) { return height + (shape / 4) * kShapeUnit; }
constexpr int signalSize(int packed) { return packed % kShapeUnit; }
constexpr int signalShape(int razmerX, int razmerY) { return (razmerY / kShapeUnit) * 4 + razmerX / kShapeUnit; }
// The width or height a restored view takes: the low six bits.
constexpr int viewSignalSize(int packed) { return packed & 63; }
// The packed value with a new size under the same shape bits.
constexpr int withSignalSize(int packed, int size) { return (packed / kShapeUnit) * kShapeUnit + size; }

// --- Text_Signal_Border_Style: set-point * 128 + frame -------------------------
constexpr int textSignalBorderPack(int frame, bool setpoint) { return (setpoint ? 128 : 0) + frame; }
constexpr int textSignalFrame(int packed) { return packed & 127; }
constexpr bool textSignalSetpoint(int packed) { return (packed & 128) != 0; }

// --- Text_Signal_Num_OUT: list index + 128 in number mode ----------------------
constexpr int textSignalOutPack(int index, bool numberMode) { return index + (numberMode ? 128 : 0); }
constexpr int textSignalOutIndex(int packed) { return packed & 127; }
constexpr bool textSignalNumberMode(int packed) { return (packed & 128) != 0; }

// --- Text_Signal_Font_Size: 10 + 4 * the font list's index -----------------------
constexpr int textSignalFontSize(int choice) { return 10 + 4 * choice; }
// The font list's index of a stored size: (size - 10) / 4 rounded half to even.
int textSignalFontChoice(int fontSize);

// --- Parametr_Num_OUT: list position, bit 7 for a set-point, and 2 more for a
// set-point of a block of type 4 ------------------------------------------------
constexpr int parameterOutPack(int position, bool setpoint, int blockType)
{
    return setpoint ? position + 128 + (blockType == 4 ? 2 : 0) : position;
}
constexpr bool parameterSetpoint(int packed) { return (packed & 128) != 0; }
// The list position; for a set-point of a type-4 block the 2 is taken off
// again: (packed - 2) AND 127, else packed AND 127.
constexpr int parameterOutPosition(int packed, int blockType)
{
    return parameterSetpoint(packed) && blockType == 4 ? ((packed - 2) & 127) : (packed & 127);
}

// --- Parametr_Font_Size and Parametr_Digits -------------------------------------
// The font list offers 10, 14, 18 and 25 points and the time format, which is
// stored as 24 points with the digit choice 0.
constexpr int kParameterTimeFormatChoice = 4;
constexpr int kParameterTimeFormatFont = 24;
constexpr bool parameterTimeFormat(int fontSize) { return fontSize == kParameterTimeFormatFont; }
// The stored size of font choice 0..4; nullopt for any other choice.
std::optional<int> parameterFontSize(int choice);
// The font choice of a stored size: (size - 10) \ 4 with a 4 taken as 3, and
// 4 for the time format. The result may lie outside 0..4 for sizes the
// dialog never stores.
int parameterFontChoice(int fontSize);
// The digit choice stored with a font size: the time format always has 0.
constexpr int parameterDigits(int digits, int fontSize) { return parameterTimeFormat(fontSize) ? 0 : digits; }

// --- Blinking: Signal_Miganie_Flag, Text_Signal_Miganie_Flag -------------------
// One tick of a blink timer, on the pages and in the dialogs' previews alike:
// flips the phase the blinking views share (0 or 1) and says whether they now
// show their second state (a signal's background colour, a text signal's on
// text). Phase 1 shows the first state; an element that does not blink shows
// its first state at every tick.
inline bool blinkStep(std::int16_t &phase)
{
    phase = phase == 0 ? 1 : 0;
    return phase == 0;
}
template <class T> T blinkShown(bool secondState, bool blinks, const T &first, const T &second)
{
    return secondState && blinks ? second : first;
}

// --- Level_Type: horizontal * 2 + frame --------------------------------------
constexpr int levelTypePack(bool horizontal, bool frame) { return (horizontal ? 2 : 0) + (frame ? 1 : 0); }
constexpr bool levelFrame(int packed) { return (packed & 1) != 0; }
constexpr bool levelHorizontal(int packed) { return (packed & 2) != 0; }

// --- Transitions ---------------------------------------------------------------
// Go_Block_Used: 1 single field, 3 double field.
constexpr int transitionUsedPack(bool doubleField) { return (doubleField ? 1 : 0) * 2 + 1; }
constexpr bool transitionDouble(int used) { return used / 2 != 0; }
// The double-field value the opener and the page upload read: used \ 2.
constexpr int transitionDoubleField(int used) { return used / 2; }
constexpr int transitionWidth(bool doubleField) { return doubleField ? 100 : 40; }

// Go_Block_Param: lock * 128 + list position, + 2 when the target block has type 4.
constexpr int transitionParamPack(bool lock, int position, int targetBlockType)
{
    return (lock ? 128 : 0) + position + (targetBlockType == 4 ? 2 : 0);
}
constexpr bool transitionLock(int param) { return (param & 128) != 0; }
// The list position the opener selects: (param - 2) AND 127 for a target
// block of type 4, else param AND 127.
constexpr int transitionParamPosition(int param, int targetBlockType)
{
    return targetBlockType == 4 ? ((param - 2) & 127) : (param & 127);
}

// What a transition leads to.
enum class TargetKind { None, Block, Process, Page, GraphGroup, TextSignalling };
struct Target {
    TargetKind kind = TargetKind::None;
    int number = 0; // block 1..99; page, graph group or signalling group from 0
};

// Go_Block_Target for the dialog's choice: block number B (97 a page, 98 a graph
// group, 0 text signalling), the "Процес" box and the list position.
int transitionTargetPack(int block, bool process, int position, int pageCount);
// The code read back; codes outside the ranges of the page count give None.
Target transitionTarget(int code, int pageCount);
// The caption a restored transition view shows ("97", "98", "Тs" or the block
// number); nullopt where the view keeps the template's caption.
std::optional<QString> transitionCaption(int code, int pageCount);

// --- Control_Coord_Y: a button of key type 13 is stored 10 pixels below its view --
constexpr int kControlKnobKey = 13;
constexpr int controlViewTop(int recordTop, int keyType)
{
    return keyType == kControlKnobKey ? recordTop - 10 : recordTop;
}
constexpr int controlRecordTop(int viewTop, int keyType) { return keyType == kControlKnobKey ? viewTop + 10 : viewTop; }

// --- Figura_Type and the figure view's shape kind ---------------------------------
// The dialog gives the view the shape kind type * 3 (0 rectangle, 3 circle);
// shape kinds 1 and 3 are both the circle.
constexpr int figureShapeKind(int type) { return type * 3; }
constexpr int figureTypeOfShape(int shapeKind) { return shapeKind == 1 || shapeKind == 3 ? 1 : 0; }

// --- Text_Label_Font_Bold, Text_Label_Font_Italic: -1 true, 0 false -------------
constexpr std::int16_t flagOf(bool on) { return on ? -1 : 0; }
constexpr bool flagSet(std::int16_t stored) { return stored != 0; }

// --- Vent_Fon_Bits: the background flag of mechanism slot 1..32 ----------------
constexpr int ventFonWord(int slot) { return slot <= 16 ? 0 : 1; }
constexpr int ventFonBit(int slot) { return slot <= 16 ? slot - 1 : slot - 17; }
constexpr bool ventFonFlag(std::int32_t word, int slot)
{
    return ((static_cast<std::uint32_t>(word) >> ventFonBit(slot)) & 1u) != 0;
}
constexpr std::int32_t ventFonSet(std::int32_t word, int slot, bool set)
{
    const std::uint32_t bit = 1u << ventFonBit(slot);
    const std::uint32_t w = static_cast<std::uint32_t>(word);
    return static_cast<std::int32_t>(set ? (w | bit) : (w & ~bit));
}
// Mechanism slot n of page p has no background (its bit is set); slot 0, the
// template, has no bit and always shows its background.
bool ventWithoutBackground(const Table2<std::int32_t, 0, 1, 0, 16> &bits, int page, int slot);
void setVentWithoutBackground(Table2<std::int32_t, 0, 1, 0, 16> &bits, int page, int slot, bool without);

// What a mechanism view shows for its picture code: the fans (codes 0..7)
// drawn without background show their impeller alone; code 22 is the user
// mechanism's phase picture; every other code its own picture.
enum class VentLook { Picture, Impeller1, Impeller2, UserPhase };
VentLook ventLook(int pictureCode, bool withoutBackground);

// --- Numeric parameter view ----------------------------------------------------
// The placeholder caption of a restored parameter: its slot number written
// with leading zeros to the width the digit choice selects (0..4 = 2..6
// characters); nullopt for a choice of 5 or more (the template's caption stays).
std::optional<QString> parameterPlaceholder(int slot, int digits);

// How a stored font code is shown on the page: 14 regular, 18 as 14 bold,
// 24 (time format) bold, 25 regular. Other codes (10 among them) keep the
// template's weight, so a new element stored without a change looks as its
// template did, as it does after the project is opened again.
struct ParameterFont {
    int pointSize;
    std::optional<bool> bold;
};
ParameterFont parameterFont(int fontCode);

} // namespace pelmora::element

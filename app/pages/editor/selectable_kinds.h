#pragma once
// The nine element kinds that a band carries and that Copy, Delete and Paste
// take (the kinds of the kind table with a copy code): the order they are
// visited in, and their slots, in-use and position fields and views as the
// kind table gives them, and their selection flags. Graph windows, clocks,
// menu items and the warning line are none of them.

#include "core/model/page_tables.h"
#include "pages/editor/editor_changes.h"
#include "pages/editor/editor_state.h"

#include <QPoint>
#include <array>
#include <cstdint>

namespace pelmora::pages {

// Copy and Paste visit the kinds by code.
inline constexpr std::array<SelectKind, 9> kCopyOrder = {
    SelectKind::Parameter, SelectKind::Signal,     SelectKind::TextSignal, SelectKind::Level,  SelectKind::StaticText,
    SelectKind::Control,   SelectKind::Transition, SelectKind::Mechanism,  SelectKind::Figure,
};
// The band, the group move and Delete visit slot by slot, these kinds within a
// slot, and the static texts 1..64 after slot 32.
inline constexpr std::array<SelectKind, 8> kSlotOrder = {
    SelectKind::Parameter, SelectKind::Signal,     SelectKind::TextSignal, SelectKind::Control,
    SelectKind::Level,     SelectKind::Transition, SelectKind::Figure,     SelectKind::Mechanism,
};

constexpr int copyCode(SelectKind k) { return static_cast<int>(k); }
// The kind's row of the kind table.
const element::KindInfo &kindRow(SelectKind k);
int lastSlot(SelectKind k);
// Signals and text signals carry a list number in their Y.
bool carriesList(SelectKind k);

element::Kind elementKind(SelectKind k);
// The view that shows the element (a level bar's second picture goes with it).
ViewArray viewArray(SelectKind k);
ViewRef viewOf(SelectKind k, int page, int slot);

// The in-use field; nonzero while the slot holds an element.
std::int16_t &usedField(PageTables &t, SelectKind k, int page, int slot);
std::int16_t usedField(const PageTables &t, SelectKind k, int page, int slot);
bool slotUsed(const PageTables &t, SelectKind k, int page, int slot);
// The stored position fields (the Y of signals and text signals with its list number).
std::int16_t &xField(PageTables &t, SelectKind k, int page, int slot);
std::int16_t xField(const PageTables &t, SelectKind k, int page, int slot);
std::int16_t &yField(PageTables &t, SelectKind k, int page, int slot);
std::int16_t yField(const PageTables &t, SelectKind k, int page, int slot);
// The corner a selection tests and moves: the stored X, and the stored Y
// without its list number.
QPoint corner(const PageTables &t, SelectKind k, int page, int slot);

// The selection flag of slot n.
std::uint8_t &selectedFlag(EditorState &s, SelectKind k, int slot);
std::uint8_t selectedFlag(const EditorState &s, SelectKind k, int slot);

} // namespace pelmora::pages

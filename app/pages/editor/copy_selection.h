#pragma once
// Copy ("Копіювати"): records which elements of the current page have their
// top left corner strictly inside the selection rectangle, by kind and slot,
// and the top left corner of the copied group. The buffer holds references,
// so a paste takes the fields of those slots as they are then. Free slots are
// never copied. Nothing on the canvas changes.

#include "core/model/page_tables.h"
#include "pages/editor/editor_state.h"

namespace pelmora::pages {

void copySelection(const PageTables &t, EditorState &s);

// A corner strictly inside the rectangle: no edge counts.
bool strictlyInside(const SelectionRect &r, int x, int y);

} // namespace pelmora::pages

#pragma once
// Delete ("Видалити"): frees every element of the current page whose top left
// corner lies strictly inside the selection rectangle, as its dialog's Delete
// does, without asking. The other elements keep their slots. Free slots are
// passed over. The rectangle, the flags and the copy buffer stay.

#include "core/model/page_tables.h"
#include "pages/editor/editor_changes.h"
#include "pages/editor/editor_state.h"

namespace pelmora::pages {

// Returns the freed elements, whose views are to be unloaded.
EditorChanges deleteSelection(PageTables &t, const EditorState &s);

// The values a freed slot of kind k keeps (page, slot).
void freeSlot(PageTables &t, element::Kind kind, int page, int slot);

} // namespace pelmora::pages

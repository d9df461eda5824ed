#pragma once
// Paste ("Вставити"): every element the last Copy listed becomes a new
// element of its kind on the current page, in the lowest free slot, with the
// copied group's top left corner moved to the pointer (Mouse_X, Mouse_Y) and
// each element keeping its offset from it, kept on the page. The look is
// copied, the binding is not: the new slot keeps the block and output it
// held. A transition arrives as a single field with parameter 0 and caption
// "0". A kind without free slots takes no more; an element whose source slot
// has been freed since the copy is passed over. With the views at hand every
// pasted element lies wholly on the 800 x 480 page, its view the size of its
// source's; without them a corner stays within 0..790 by 0..470. The selection rectangle then
// stands at the pointer with the copied size. The copy buffer stays.

#include "core/model/page_tables.h"
#include "pages/editor/editor_changes.h"
#include "pages/editor/editor_state.h"

namespace pelmora::pages {

// Returns the created elements, in the order they were made, and the
// captions their views take once shown from their records.
EditorChanges pasteSelection(PageTables &t, EditorState &s, const CanvasViews *views = nullptr);

// The caption of a pasted numeric parameter of slot n: the slot number, with
// zeros in front up to 2..6 characters for digit choices 0..4.
QString pastedParameterCaption(int slot, int digits);

} // namespace pelmora::pages

#pragma once
// The group that a press inside the selection rectangle picked up: each left
// move carries the rectangle and every flagged element of the current page by
// the pointer's offset since the grab, snapped to the grid (control buttons
// and transitions to the control grid); the release writes the new places
// into the element tables. During the move only the views move.

#include "core/model/page_tables.h"
#include "pages/editor/editor_changes.h"
#include "pages/editor/editor_state.h"

namespace pelmora::pages {

// One move of the group to canvas point (X, Y), pixels.
EditorChanges groupMoveStep(const PageTables &t, EditorState &s, const CanvasViews &views, float X, float Y);

// The release over a canvas: every flagged element whose view is loaded takes
// the place of its view.
void canvasRelease(PageTables &t, const EditorState &s, const CanvasViews &views);

} // namespace pelmora::pages

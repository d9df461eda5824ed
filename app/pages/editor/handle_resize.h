#pragma once
// Resizing figures, signals and level bars by the handle at their lower right
// corner: a click on such an element puts the handle there; dragging the
// handle with the left button sizes the element from its top left corner,
// which stays, snapped to the grid and mirrored when the handle passes the
// corner, and writes the size into its record at every step. A signal stops
// at 50 x 50 and keeps its shape bits, a circle stays round, no size goes
// below 1. The handle reports twips relative to itself, 15 to the pixel.

#include "core/model/page_tables.h"
#include "pages/editor/editor_changes.h"
#include "pages/editor/editor_state.h"

namespace pelmora::pages {

// Zoom_Kind of the three kinds.
enum HandleKind : std::uint8_t { HandleFigure = 0, HandleSignal = 1, HandleLevel = 2 };

// A click on a figure (ShapePlus1), a signal (Signal_Picture) or a level bar
// (Level_Picture) view: the handle goes to it. A click on a template, or on
// any other view, does nothing. The lock is not looked at.
EditorChanges elementClick(const PageTables &t, EditorState &s, const CanvasViews &views, ViewRef view);

// A press on the handle: the grabbed point inside it.
void handlePress(EditorState &s, float X, float Y);

// A move over the handle; Button is the mask of the held buttons.
EditorChanges handleMove(PageTables &t, EditorState &s, const CanvasViews &views, short Button, float X, float Y);

} // namespace pelmora::pages

#pragma once
// The mouse on bare canvas: a left press outside the shown selection
// rectangle starts a new band there, a left press inside it picks up every
// element of the current page whose corner lies in it; left moves then draw
// the band or carry the group (group_move.h); a right press asks for the edit
// menu. Canvas positions are pixels. The element lock does not apply.

#include "core/model/page_tables.h"
#include "pages/editor/editor_changes.h"
#include "pages/editor/editor_state.h"

namespace pelmora::pages {

// A press on canvas `Index` (its page). Button 1 left, 2 right.
EditorChanges canvasPress(const PageTables &t, EditorState &s, int Index, short Button, float X, float Y);

// A move over a canvas: records the pointer, and with the left button alone
// draws the band or moves the group. Button is the mask of the held buttons.
EditorChanges canvasMove(const PageTables &t, EditorState &s, const CanvasViews &views, short Button, float X, float Y);

// A release over a canvas: a press that drew no band (a plain click) leaves
// no rectangle behind.
EditorChanges bandRelease(EditorState &s);

} // namespace pelmora::pages

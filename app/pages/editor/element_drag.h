#pragma once
// Dragging one element with the left button: the press records where in the
// view the pointer grabbed it, each move puts the view so that the grabbed
// point stays under the pointer, within the range of its kind, snapped to the
// grid (control buttons, transitions and menu items to the control grid while
// it is on), writes the axes that moved into the element's record and gives
// the view its tool tip. Companions follow: a menu item's text box, a clock's
// date label, a level bar's other picture, a figure's resize handle.
//
// Positions are twips relative to the view, 15 to the pixel, as the element
// views report them. The warning line is the view Varning_Text, measured in
// pixels of the main window, where the page origin lies at (2, 42).

#include "core/model/page_tables.h"
#include "pages/editor/editor_changes.h"
#include "pages/editor/editor_state.h"

namespace pelmora::pages {

// A press on an element view. A right press asks for the edit menu and takes
// the pointer's canvas point as the point of a paste; any other press records
// the grabbed point inside the view.
EditorChanges elementPress(EditorState &s, const CanvasViews &views, ViewRef view, short Button, float X, float Y);

// A move over an element view; Button is the mask of the held buttons. It
// drags with the left button alone while the element lock is off (menu items
// also not straight after a double-click inserted one). The template (index 0)
// is dragged without a record. A transition whose number lies outside the
// page's tables says so once per drag.
EditorChanges elementMove(PageTables &t, EditorState &s, const CanvasViews &views, ViewRef view, short Button, float X,
                          float Y);

// The message of a transition that cannot be dragged.
QString transitionDragFailure();

} // namespace pelmora::pages

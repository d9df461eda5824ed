# Editing a page with the mouse, without a window: the editor state, band
# selection and group move, dragging, resize handles, copy, delete and paste,
# the control grid, tool tips and the layout of a view from its record.
target_sources(pelmora_core PRIVATE
  editor/editor_state.h
  editor/editor_changes.h
  editor/editor_arithmetic.h editor/editor_arithmetic.cpp
  editor/element_fields.h
  editor/selectable_kinds.h editor/selectable_kinds.cpp
  editor/control_raster.h editor/control_raster.cpp
  editor/tool_tips.h editor/tool_tips.cpp
  editor/element_layout.h editor/element_layout.cpp
  editor/band_selection.h editor/band_selection.cpp
  editor/group_move.h editor/group_move.cpp
  editor/element_drag.h editor/element_drag.cpp
  editor/menu_caption.h editor/menu_caption.cpp
  editor/handle_resize.h editor/handle_resize.cpp
  editor/copy_selection.h editor/copy_selection.cpp
  editor/delete_selection.h editor/delete_selection.cpp
  editor/paste_selection.h editor/paste_selection.cpp
)

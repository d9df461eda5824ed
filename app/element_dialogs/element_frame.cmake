# The element dialogs' windows: the frame every dialog stands in, the parts
# they share (number box, colour boxes, eyedroppers, the block-and-output
# panel, the blink preview) and the openers that dispatch a double-click on a
# page element to its kind's dialog.
target_sources(pelmora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/element_dialog.h ${CMAKE_CURRENT_LIST_DIR}/element_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog_parts.h ${CMAKE_CURRENT_LIST_DIR}/dialog_parts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/element_openers.h ${CMAKE_CURRENT_LIST_DIR}/element_openers.cpp
)

# Editing a page with the mouse, through the core operations.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/band_selection_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/element_drag_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/handle_resize_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/copy_paste_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_editing_roundtrip_test.cpp
)

# The one codec of the packed fields of the page element tables, used by the
# element dialogs, the page editor, the project file and the page upload; the
# colours of the tables, and the numbers of the dialogs' boxes.
target_sources(pelmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/element_codec.h ${CMAKE_CURRENT_LIST_DIR}/element_codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bgr_colour.h ${CMAKE_CURRENT_LIST_DIR}/bgr_colour.cpp
  ${CMAKE_CURRENT_LIST_DIR}/colour_box.h ${CMAKE_CURRENT_LIST_DIR}/colour_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/box_numbers.h ${CMAKE_CURRENT_LIST_DIR}/box_numbers.cpp
)

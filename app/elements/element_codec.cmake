# The one codec of the packed fields of the page element tables, used by the
# element dialogs, the page editor, the project file and the page upload.
target_sources(pelmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/element_codec.h ${CMAKE_CURRENT_LIST_DIR}/element_codec.cpp
)

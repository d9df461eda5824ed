# The page data sent to the controller: the element tables of a page and the
# encoding of the page picture.
target_sources(pelmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/page_tables_codec.h ${CMAKE_CURRENT_LIST_DIR}/page_tables_codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_image_codec.h ${CMAKE_CURRENT_LIST_DIR}/page_image_codec.cpp
)

# The page data sent to the controller: byte-exact element tables and the
# encoding of the page picture.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/page_tables_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_image_test.cpp
)

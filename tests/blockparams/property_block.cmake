target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/param_rows_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/param_store_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/property_block_test.cpp
)

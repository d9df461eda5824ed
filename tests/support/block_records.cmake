target_sources(pelmora_test_support PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/block_records.h
  ${CMAKE_CURRENT_LIST_DIR}/block_records.cpp
)

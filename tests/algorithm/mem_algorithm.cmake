target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/mem_algorithm_test.cpp
)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/mem_algorithm_test.cpp PROPERTIES
  COMPILE_DEFINITIONS PELMORA_EXAMPLES_DIR="${CMAKE_SOURCE_DIR}/examples")

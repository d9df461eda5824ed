# Netlist reading and the schema import.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/netlist_reader_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/schema_import_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/block_params_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/connections_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/netlist_robustness_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/demo_schema_test.cpp
)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/demo_schema_test.cpp PROPERTIES
  COMPILE_DEFINITIONS PELMORA_EXAMPLES_DIR="${CMAKE_SOURCE_DIR}/examples")

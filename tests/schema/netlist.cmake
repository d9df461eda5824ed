# Netlist reading and the schema import.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/netlist_reader_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/schema_import_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/block_params_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/connections_test.cpp
)

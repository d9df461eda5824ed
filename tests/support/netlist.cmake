# Netlist builder: schema netlists with the columns the import reads.
target_sources(pelmora_test_support PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/netlist_builder.h
  ${CMAKE_CURRENT_LIST_DIR}/netlist_builder.cpp
)

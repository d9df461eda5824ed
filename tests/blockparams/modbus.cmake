target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/modbus_rows_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com_terminal_test.cpp
)

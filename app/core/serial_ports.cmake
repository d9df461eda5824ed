# The device behind each COM port number.
target_sources(pelmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/serial_ports.h ${CMAKE_CURRENT_LIST_DIR}/serial_ports.cpp
)

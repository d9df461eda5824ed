target_sources(${PELMORA_SUITE} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/serial_ports_test.cpp)

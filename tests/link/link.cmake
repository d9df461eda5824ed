# The controller link: checksum, reply judging, the link object over a
# pseudo-terminal pair and loopback TCP, the write progress window.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/crc16_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/controller_reply_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/controller_link_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/write_schema_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/transfer_driver_test.cpp
)

# The controller link: CRC-16 framing, the controller's reply, the serial port
# and TCP link object, the transfer claim, the write progress window and the
# one driver that every write into the controller runs on.
target_sources(pelmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/link_claim.h
  ${CMAKE_CURRENT_LIST_DIR}/crc16.h ${CMAKE_CURRENT_LIST_DIR}/crc16.cpp
  ${CMAKE_CURRENT_LIST_DIR}/controller_reply.h ${CMAKE_CURRENT_LIST_DIR}/controller_reply.cpp
  ${CMAKE_CURRENT_LIST_DIR}/controller_link.h ${CMAKE_CURRENT_LIST_DIR}/controller_link.cpp
  ${CMAKE_CURRENT_LIST_DIR}/transfer_steps.h ${CMAKE_CURRENT_LIST_DIR}/transfer_steps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/exchange.h ${CMAKE_CURRENT_LIST_DIR}/exchange.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acknowledged_exchange.h ${CMAKE_CURRENT_LIST_DIR}/acknowledged_exchange.cpp
)
target_sources(pelmora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/write_schema.h ${CMAKE_CURRENT_LIST_DIR}/write_schema.cpp
  ${CMAKE_CURRENT_LIST_DIR}/transfer_driver.h ${CMAKE_CURRENT_LIST_DIR}/transfer_driver.cpp
)

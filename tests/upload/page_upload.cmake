# The page upload: the packet sender fed with replies, the page drawn and built,
# the rules of a page range, and whole pages written into the controller
# simulator over a pseudo-terminal pair and loopback TCP.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/packet_sender_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/packet_schedules_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_renderer_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_build_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_range_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_upload_link_test.cpp
)

# The page upload's core: the page drawn as the controller receives it, the
# build of its packets in one call, the acknowledged packet sender (shared with
# the mechanism upload), and the rules of writing a range of pages.
target_sources(pelmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/page_renderer.h ${CMAKE_CURRENT_LIST_DIR}/page_renderer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_build.h ${CMAKE_CURRENT_LIST_DIR}/page_build.cpp
  ${CMAKE_CURRENT_LIST_DIR}/packet_sender.h ${CMAKE_CURRENT_LIST_DIR}/packet_sender.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_range.h ${CMAKE_CURRENT_LIST_DIR}/page_range.cpp
)

# The page editor under synthetic mouse events.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/page_mouse_test.cpp
)

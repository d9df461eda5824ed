# The page canvases without widgets, for the tests of the editing operations.
target_sources(pelmora_test_support PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/fake_canvas.h ${CMAKE_CURRENT_LIST_DIR}/fake_canvas.cpp
)

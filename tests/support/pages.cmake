# Pages with elements of every kind, for the page tests and the demo project.
target_sources(pelmora_test_support PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/page_fixture.h ${CMAKE_CURRENT_LIST_DIR}/page_fixture.cpp
)

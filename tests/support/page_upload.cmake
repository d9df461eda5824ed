# The window side of a packet transfer in a few lines, for the page upload's
# end-to-end tests and benchmarks.
target_sources(pelmora_test_support PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/sender_driver.h ${CMAKE_CURRENT_LIST_DIR}/sender_driver.cpp
)

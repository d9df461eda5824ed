# A controller behind a line in simulated time: the schedules the exchange of
# every transfer is checked over.
target_sources(pelmora_test_support PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/scripted_line.h ${CMAKE_CURRENT_LIST_DIR}/scripted_line.cpp
)
target_sources(pelmora_test_support PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/schedule_runner.h ${CMAKE_CURRENT_LIST_DIR}/packet_line.h
  ${CMAKE_CURRENT_LIST_DIR}/schema_line.h ${CMAKE_CURRENT_LIST_DIR}/last_copies.h
)

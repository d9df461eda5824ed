target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/startup_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/format_version_test.cpp
)

target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/page_rules_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_controls_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_editor_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_restore_test.cpp
)

target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/step_decoder_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/step_viewer_model_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/memory_rules_test.cpp
)

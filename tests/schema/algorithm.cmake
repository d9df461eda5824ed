target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/alg_step_record_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/alg_operand_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/alg_actions_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/alg_condition_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/alg_generated_statements_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/alg_flowchart_import_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/alg_demo_flowchart_test.cpp
)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/alg_demo_flowchart_test.cpp PROPERTIES
  COMPILE_DEFINITIONS PELMORA_EXAMPLES_DIR="${CMAKE_SOURCE_DIR}/examples")

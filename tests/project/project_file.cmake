# The element tables' codec, the project file reader and writer, saving and opening.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/project_file_elements_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/project_file_roundtrip_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/project_file_read_test.cpp
)
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/project_file_read_test.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS PELMORA_PROJECT_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/data")
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/project_file_menu_test.cpp
)
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/project_file_e2e_test.cpp
)
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/project_file_e2e_test.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS PELMORA_EXAMPLES_DIR="${CMAKE_SOURCE_DIR}/examples")

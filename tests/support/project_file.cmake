# Varied project models for the project file tests.
target_sources(pelmora_test_support PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/project_fixture.h ${CMAKE_CURRENT_LIST_DIR}/project_fixture.cpp
)

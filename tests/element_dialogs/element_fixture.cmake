# The element dialogs' tests build their projects with the element tests'
# fixture.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/../elements/element_fixture.h ${CMAKE_CURRENT_LIST_DIR}/../elements/element_fixture.cpp
)
target_include_directories(${PELMORA_SUITE} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../elements)
target_compile_definitions(${PELMORA_SUITE} PRIVATE PELMORA_EXAMPLES_DIR="${CMAKE_SOURCE_DIR}/examples")

# The element dialogs without their windows: the variation table, slot
# choice, binding lists, and each kind's prefill, store and delete.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/element_fixture.h ${CMAKE_CURRENT_LIST_DIR}/element_fixture.cpp
)
target_compile_definitions(${PELMORA_SUITE} PRIVATE PELMORA_EXAMPLES_DIR="${CMAKE_SOURCE_DIR}/examples")
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/element_frame_test.cpp
)
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/binding_lists_test.cpp
)

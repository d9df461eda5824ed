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
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/element_roundtrip_test.cpp
)
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/signal_element_test.cpp
)
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/text_signal_element_test.cpp
)
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/parameter_element_test.cpp
)
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/level_element_test.cpp
)
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/control_element_test.cpp
)
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/transition_element_test.cpp
)
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/menu_element_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/graph_element_test.cpp
)
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/figure_text_element_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mechanism_element_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/varning_element_test.cpp
)
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/element_codec_test.cpp
)

# "GIF у Orvo" of the phase editor end to end: the phase-0 picture packed,
# written through the one link by the mechanism sender and reassembled by the
# controller simulator, with its refused and missing replies.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/mechanism_editor_upload_test.cpp
)
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/mechanism_editor_upload_test.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS PELMORA_MECHANISM_PHASES="${CMAKE_CURRENT_LIST_DIR}/../elements/data")

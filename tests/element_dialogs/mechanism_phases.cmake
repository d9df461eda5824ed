# The user mechanism's phase editor: loading the phase files, the preview,
# the choice of a file, the scroll bar, the hand-back and the refusals of
# "GIF у Orvo".
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/mechanizm_window_test.cpp
)
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/mechanizm_window_test.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS PELMORA_MECHANISM_PHASES="${CMAKE_CURRENT_LIST_DIR}/../elements/data")
# The editor over the real main window, for a look at it (scripts/screenshots).
add_executable(mechanism_editor_demo ${CMAKE_CURRENT_LIST_DIR}/mechanism_editor_demo.cpp)
target_link_libraries(mechanism_editor_demo PRIVATE pelmora_ui)

# The main window: start-up and shutdown, format version, and the window frame
# of every window that stands above it.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/startup_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/format_version_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_frame_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_placement_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/handler_guard_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_services_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_dialog_test.cpp
)

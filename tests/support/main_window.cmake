# A stand-in for the main window, so one window is built without the main window.
target_sources(pelmora_test_support PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/main_window_stand_in.h ${CMAKE_CURRENT_LIST_DIR}/main_window_stand_in.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_rig.h
)

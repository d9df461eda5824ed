# The two monitor windows driven through a stand-in main window: readouts
# against the controller simulator, plots, cursor, scales, channels and files.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/trend_windows_test.cpp
)
